// What the program hands to the desktop: the calculator, web addresses and e-mail, and the
// conversion program beside this one. Each says clearly when it cannot.
#pragma once

#include <QString>

#include <functional>

namespace app {

// The first installed calculator of a short list, or empty.
QString findCalculator();
// Starts the calculator without waiting; false (and the user told) when there is none.
bool startCalculator();
// Opens a web address or a mailto: address through the desktop's open service.
bool openAddress(const QString &address);
// The conversion program built beside this one, started by its full path.
QString convertProgramPath();
bool startConvertProgram();

// Tests replace how programs are started and addresses opened.
struct DesktopHooks {
    std::function<bool(const QString &program)> startDetached;
    std::function<bool(const QString &address)> open;
};
DesktopHooks &desktopHooks();

} // namespace app
