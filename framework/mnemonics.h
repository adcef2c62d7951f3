// The Alt-key letters of a window's controls. A window inside the frame shares the frame's
// keyboard, so a control whose letter is also a menu's would take Alt+letter from the menu bar;
// such a control is given another letter of its own text, and the menus keep theirs.
#pragma once

#include <QChar>
#include <QString>

class QWidget;

namespace fw {

// The letter marked by a single '&' in the text (upper case), or a null QChar.
QChar mnemonicOf(const QString &text);

// Every control of the window (buttons, tabs, group boxes, labels with a buddy) whose letter is
// among `reserved` takes the first letter of its text used by no other control of the window and
// not reserved, preferring the start of a word; a control left without a free letter has none.
void moveMnemonicsOff(QWidget *window, const QString &reserved);

} // namespace fw
