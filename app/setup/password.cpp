#include "app/setup/password.h"

#include "app/setup/passwordhash.h"
#include "app/setup/setupmessages.h"
#include "app/setup/startup.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/errorclass.h"
#include "framework/formfield.h"
#include "framework/reportslib.h"

#include <QLineEdit>
#include <QPushButton>

#include <cstddef>

namespace app {

bool PasswordMatches(std::string_view entry) { return passwordVerifies(GLO.PASSWORDHASH.view(), entry); }

} // namespace app

namespace Win {

namespace {

constexpr int PasswordLength = 10;
// What the entry shows while the password in force is kept: as many dots as the field holds.
constexpr const char *KeptPassword = "**********";

// The globals the password window edits, described as fields so that controls bind to them.
constexpr dict::FieldDef PasswordGlobals[] = {
    {"PASSWORD", dict::FieldType::String, offsetof(dict::Globals, PASSWORD), PasswordLength},
    {"PASSWORDCHANGE", dict::FieldType::Byte, offsetof(dict::Globals, PASSWORDCHANGE), 1},
    {"PASSWORDDELETE", dict::FieldType::Byte, offsetof(dict::Globals, PASSWORDDELETE), 1},
};

// The password as a field of the globals.
dict::FieldRef password() { return {&PasswordGlobals[0], &GLO}; }

} // namespace

// --- EnterPassword ------------------------------------------------------------------------

EnterPassword::EnterPassword()
    : fw::FormProcedure({.name = "Win:EnterPassword", .title = "Password Needed",
                         .messages = {app::installSetupMessages}, .resizable = false})
{}

fw::FormDeclaration EnterPassword::Declare()
{
    using namespace fw::form;
    return {.items = {input(Entry, "Enter Password:").width(PasswordLength).masked()},
            .okText = "Ok...",
            .okTip = "",
            .help = false};
}

int EnterPassword::Built()
{
    QLineEdit *entry = form().input(Entry);
    entry->setMaxLength(PasswordLength);
    connect(entry, &QLineEdit::returnPressed, form().ok(), &QPushButton::click);
    FirstField = entry;
    return dict::Benign;
}

int EnterPassword::TakeAccepted(QWidget *control)
{
    if (control != form().ok())
        return FormProcedure::TakeAccepted(control);
    QLineEdit *entry = form().input(Entry);
    // Taken as the password field took it when the password was set.
    if (!app::PasswordMatches(fw::withoutControls(entry->text().toStdString()))) {
        REPORTS::Errors().Throw(app::SetupMsg::WrongPassword);
        entry->clear();
        entry->setFocus();
        return dict::Notify;
    }
    GLO.STARTUP = dict::StartUp::RightPassword;
    SetResponse(fw::RequestCompleted);
    return dict::Benign;
}

// --- Password -----------------------------------------------------------------------------

Password::Password()
    : fw::FormProcedure({.name = "Win:Password", .title = "Setup Password", .files = {Relate::SETUP},
                         .resizable = false})
{}

int Password::Init()
{
    before_.emplace(app::SettingsGroup::Password);
    return Procedure::Init();
}

// The password in force cannot be shown: the entry holds a stand-in until the user edits it.
fw::FormDeclaration Password::Declare()
{
    using namespace fw::form;
    GLO.PASSWORD = GLO.PASSWORDHASH.blank() ? "" : KeptPassword;
    return {.items = {note("Please enter a 6 to 10 digit alphanumerica password."),
                      note("This will be used to control access on updates to the"),
                      note("various tables for changes and deletes."),
                      check(" Protect Changes", {&PasswordGlobals[1], &GLO}),
                      check(" Protect Deletes", {&PasswordGlobals[2], &GLO}),
                      field("Enter Password:", password()).width(PasswordLength).masked()},
            .okText = "Save Password...",
            .okTip = ""};
}

int Password::TakeAccepted(QWidget *control)
{
    if (control != form().ok())
        return FormProcedure::TakeAccepted(control);
    // A password the entry cannot hold is refused here: saving without it would clear the one
    // in force while the user believes a new one is set.
    if (!validateAll())
        return dict::Notify;
    if (!savePassword())
        return dict::Notify; // the file manager has said why; the window stays open
    SetResponse(fw::RequestCompleted);
    return dict::Benign;
}

// Read just before writing, so only the password fields change whatever other stations saved.
// An entry left as it opened keeps the password in force; an emptied one clears it.
bool Password::savePassword()
{
    if (app::ReadSetupRecord() == app::SetupRead::Failed)
        return false;
    const bool typed = qobject_cast<QLineEdit *>(form().control(password()))->isModified();
    const std::string hash = typed ? app::hashPassword(GLO.PASSWORD.view()) : GLO.PASSWORDHASH.str();
    GLO.PASSWORD.clear();
    SET.PASSWORD.clear();
    SET.PASSWORDHASH = hash;
    SET.PASSWORDCHANGE = GLO.PASSWORDCHANGE;
    SET.PASSWORDDELETE = GLO.PASSWORDDELETE;
    if (Access::SETUP.Update() != dict::Benign)
        return false;
    GLO.PASSWORDHASH = hash;
    return true;
}

int Password::Kill()
{
    if (before_ && Response != fw::RequestCompleted)
        before_->restore();
    GLO.PASSWORD.clear(); // the entry's text is not kept once the window is gone
    before_.reset();
    return Procedure::Kill();
}

} // namespace Win
