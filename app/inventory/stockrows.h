// What the stock browses share: the red rule of a stock row and the side panels' value labels.
#pragma once

#include <QString>

#include <initializer_list>
#include <utility>

class QGridLayout;
class QLabel;

namespace app {

// Stock at or below its re-order level needs attention (when the setting asks for red lines).
bool stockBelowReorder();

// A prompt and a right-aligned value label on row r of a grid; returns the value label.
QLabel *valueRow(QGridLayout *grid, int r, const char *prompt, QLabel **promptLabel = nullptr);
// Renames the three price labels by the setup's price names, each followed by suffix.
void namePrices(std::initializer_list<QLabel *> labels, const char *suffix);
// Shows amounts through the money picture, quantities through the quantity picture; blank when
// no row is highlighted.
void showAmounts(bool any, std::initializer_list<std::pair<QLabel *, double>> amounts);
void showQuantities(bool any, std::initializer_list<std::pair<QLabel *, double>> quantities);

} // namespace app
