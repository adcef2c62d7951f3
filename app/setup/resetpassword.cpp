#include "app/setup/resetpassword.h"

#include "app/setup/setupmessages.h"
#include "app/shell/terminalpresenter.h"
#include "dictionary/files.h"
#include "dictionary/runtimeerror.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"

#include <filesystem>
#include <string_view>

namespace app {

namespace {

std::string folderName() { return std::filesystem::current_path().string(); }

bool readSetup()
{
    SET.RECORDNO = 1;
    return Access::SETUP.TryFetch(SET.RecordNo_Key) == dict::Benign;
}

// With SETUP open. Never creates a record: a folder without one has no password.
int clearPassword(fw::ErrorClass &errors, const TerminalPresenter &terminal)
{
    if (!readSetup()) {
        if (Access::SETUP.GetError() != dict::Err::RecordNotFound)
            Access::SETUP.Throw(dict::Msg::RetrievalError);
        else
            errors.ThrowMessage(SetupMsg::NoSetupRecord, folderName());
        return ResetFailed;
    }
    if (SET.PASSWORDHASH.blank() && SET.PASSWORD.blank()) {
        errors.Throw(SetupMsg::NoPassword);
        return PasswordReset;
    }
    if (errors.ThrowMessage(SetupMsg::ConfirmReset, folderName()) != dict::Benign) {
        errors.Throw(SetupMsg::ResetDeclined);
        return ResetDeclined;
    }
    // Read again: another station may have saved the setup while the question was open.
    if (!readSetup()) {
        Access::SETUP.Throw(dict::Msg::RetrievalError);
        return ResetFailed;
    }
    SET.PASSWORD.clear();
    SET.PASSWORDHASH.clear();
    if (Access::SETUP.Update() != dict::Benign || terminal.halted())
        return ResetFailed;
    errors.Throw(SetupMsg::PasswordCleared);
    return PasswordReset;
}

} // namespace

bool WantsPasswordReset(int argc, char **argv)
{
    return argc == 2 && std::string_view(argv[1]) == "--reset-password";
}

int ResetPassword(std::istream &in, std::ostream &out)
{
    fw::ErrorClass &errors = REPORTS::Errors();
    installSetupMessages(errors);
    TerminalPresenter terminal(in, out);
    PresenterScope scope(errors, terminal);
    // Opening would create a missing file: a folder without one gets the message instead.
    if (!std::filesystem::exists(dict::DatabasePath)) {
        errors.ThrowMessage(SetupMsg::NoSetupRecord, folderName());
        return ResetFailed;
    }
    if (Access::SETUP.Open() != dict::Benign || terminal.halted())
        return ResetFailed;
    const int status = clearPassword(errors, terminal);
    Access::SETUP.Close();
    return status;
}

} // namespace app
