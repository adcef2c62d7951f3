// Building blocks of the program's forms: entries sized for their fields, prompts bound to them,
// and prompt-entry rows on a grid.
#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace app {

// An entry holding at most maxChars, wide enough to show shownChars of them.
QLineEdit *entry(QWidget *parent, int maxChars, int shownChars);
// A number entry: right-aligned, as numbers are shown.
QLineEdit *numberEntry(QWidget *parent, int shownChars);
QLabel *prompt(const QString &text, QWidget *buddy);
// Prompt and control on one row of a grid, the control spanning span columns; returns the prompt.
QLabel *row(QGridLayout *grid, int r, int column, const QString &text, QWidget *control, int span = 1);
// The prompt of a control as the form shows it now, without its colon and '&'.
QString promptOf(QWidget *control);

} // namespace app
