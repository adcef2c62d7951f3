// Building blocks of the program's forms: entries sized for their fields, prompts bound to them,
// and prompt-entry rows on a grid.
#pragma once

#include <QString>

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
QLabel *prompt(const QString &text, QWidget *buddy);
// Prompt and control on one row of a grid, the control spanning span columns; returns the prompt.
QLabel *row(QGridLayout *grid, int r, int column, const QString &text, QWidget *control, int span = 1);
// The buttons at the foot of a form: "Ok" (the default, with its tip), "Cancel" and "&Help"
// (off until there are help pages), on the right.
QHBoxLayout *formButtons(QWidget *window, QPushButton *&ok, QPushButton *&cancel, QPushButton *&help,
                         const char *okTip = "Ok...");
// A push button with its tip (none when tip is null), added to the end of a row of buttons.
QPushButton *button(QHBoxLayout *row, const char *text, const char *tip);
// The bold line under a form's title that says what the form does.
QLabel *caption(QWidget *window);
// The prompt of a control as the form shows it now, without its colon and '&'.
QString promptOf(QWidget *control);

} // namespace app
