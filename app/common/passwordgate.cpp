#include "app/common/passwordgate.h"

#include "app/setup/password.h"
#include "dictionary/globals.h"
#include "framework/globalcodes.h"

namespace app {

namespace {

bool passwordSet() { return !GLO.PASSWORDHASH.blank(); }

// Runs the prompt; true after a right entry, which it takes out of GLO.STARTUP again.
bool askForPassword()
{
    GLO.STARTUP = dict::StartUp::None;
    Win::EnterPassword prompt;
    prompt.Run();
    const bool right = GLO.STARTUP == dict::StartUp::RightPassword;
    GLO.STARTUP = dict::StartUp::None;
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

bool RequestGate(int request)
{
    if (request == fw::ChangeRecord)
        return PasswordGate(Guarded::Change);
    if (request == fw::DeleteRecord)
        return PasswordGate(Guarded::Delete);
    return true;
}

} // namespace app
