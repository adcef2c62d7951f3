// The password windows. Win::EnterPassword asks for the password before a protected action;
// Win::Password sets the password and what it protects. Both are called (modal, on the caller's
// records) and answer in GlobalResponse: 1 completed, 2 cancelled.
#pragma once

#include "app/setup/settingssnapshot.h"
#include "framework/formprocedure.h"

#include <optional>
#include <string_view>

namespace app {
// Whether entry is the password whose hash is in GLO.PASSWORDHASH, taken as the 10-character
// entry keeps it: cut to its length, trailing blanks removed. No other string is accepted.
bool PasswordMatches(std::string_view entry);
} // namespace app

namespace Win {

// "Password Needed". A right entry sets GLO.STARTUP to 9 and completes; a wrong one is refused
// and the prompt stays open with an empty entry.
class EnterPassword : public fw::FormProcedure
{
public:
    enum Item { Entry = 1 };

    EnterPassword();
    int TakeAccepted(QWidget *control) override;

protected:
    fw::FormDeclaration Declare() override;
    int Built() override;
};

// "Setup Password". Edits the password (in GLO.PASSWORD while open), GLO.PASSWORDCHANGE and
// GLO.PASSWORDDELETE; "Save Password..." writes the password's hash and the two flags into SETUP
// record 1. Closed any other way it puts the globals back.
class Password : public fw::FormProcedure
{
public:
    Password();
    int Init() override;
    int Kill() override;
    int TakeAccepted(QWidget *control) override;

protected:
    fw::FormDeclaration Declare() override;

private:
    bool savePassword();

    std::optional<app::SettingsSnapshot> before_;
};

} // namespace Win
