#include "app/setup/setupmessages.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/messagetable.h"

namespace app {

const std::vector<std::uint8_t> &setupMessages()
{
    static const fw::MessageDef defs[] = {
        {SetupMsg::WrongPassword, dict::Notify, "Excuse me...", "You entered the wrong password."},
        {SetupMsg::ConfirmReset, dict::User, "Reset Password",
         "Clear the password of the data in %Message? Changes and deletes will no longer ask for a password."},
        {SetupMsg::PasswordCleared, dict::Notify, "Reset Password",
         "The password has been cleared. Set a new one with Set Password in the File menu."},
        {SetupMsg::ResetDeclined, dict::Notify, "Reset Password", "Nothing was changed."},
        {SetupMsg::NoSetupRecord, dict::Notify, "Reset Password",
         "There is no program setup in %Message, so there is no password to clear. Run the command in "
         "the folder that holds the data folder."},
        {SetupMsg::NoPassword, dict::Notify, "Reset Password", "No password is set: there is nothing to clear."},
        {SetupMsg::LogoNameTooLong, dict::Notify, "Logo Not Changed",
         "The name of the picture is too long to be kept (at most 50 characters): %Message. Move it to "
         "the pictures folder or to a folder with a shorter name."},
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

void installSetupMessages(fw::ErrorClass &errors)
{
    errors.InstallErrors(setupMessages());
}

} // namespace app
