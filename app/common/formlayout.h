// Building blocks of the program's forms: entries sized for their fields, prompts bound to them,
// and prompt-entry rows on a grid.
#pragma once

#include <QString>

#include <string>
#include <string_view>

class QGridLayout;
class QHBoxLayout;
class QPushButton;
class QLabel;
class QLineEdit;
class QWidget;

namespace app {

// An entry holding at most maxChars, wide enough to show shownChars of them.
QLineEdit *entry(QWidget *parent, int maxChars, int shownChars);
// A number entry: right-aligned, as numbers are shown.
QLineEdit *numberEntry(QWidget *parent, int shownChars);
// A number entry for a rate kept as a fraction (tax rates), which says so as the user types.
QLineEdit *rateEntry(QWidget *parent, int shownChars);
QLabel *prompt(const QString &text, QWidget *buddy);
// Prompt and control on one row of a grid, the control spanning span columns; returns the prompt.
QLabel *row(QGridLayout *grid, int r, int column, const QString &text, QWidget *control, int span = 1);
// The buttons at the foot of a form: "Ok" (the default, with its tip), "Cancel" and "&Help", on
// the right.
QHBoxLayout *formButtons(QWidget *window, QPushButton *&ok, QPushButton *&cancel, QPushButton *&help,
                         const char *okTip = "Ok...");
// A push button with its tip (none when tip is null), added to the end of a row of buttons.
QPushButton *button(QHBoxLayout *row, const char *text, const char *tip);
// The bold line under a form's title that says what the form does.
QLabel *caption(QWidget *window);

// Pictures for rates and quantities: rates keep their decimals whatever the currency (the yen's
// pictures have none, and could not take a rate of 0.08); quantities show through the quantity
// picture when it is a number picture.
std::string withDecimals(std::string_view picture, std::string_view fallback);
std::string numberPicture(std::string_view picture, std::string_view fallback);

} // namespace app
