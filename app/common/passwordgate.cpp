#include "app/common/passwordgate.h"

#include "app/setup/password.h"
#include "dictionary/globals.h"
#include "framework/globalcodes.h"

namespace app {

namespace {

constexpr int RightPassword = 9; // GLO.STARTUP after a right entry

bool passwordSet() { return !GLO.PASSWORD.blank(); }

// Runs the prompt; true after a right entry, which it takes out of GLO.STARTUP again.
bool askForPassword()
{
    GLO.STARTUP = 0;
    Win::EnterPassword prompt;
    prompt.Run();
    const bool right = GLO.STARTUP == RightPassword;
    GLO.STARTUP = 0;
    return right;
}

} // namespace

bool PasswordGate(Guarded action)
{
    const bool isProtected = (action == Guarded::Change ? GLO.PASSWORDCHANGE : GLO.PASSWORDDELETE) == 1;
    if (!passwordSet() || !isProtected)
        return true;
    return askForPassword();
}

int SetPassword()
{
    if (passwordSet() && !askForPassword())
        return fw::RequestCancelled;
    Win::Password window;
    return window.Run();
}

} // namespace app
