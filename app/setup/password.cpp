#include "app/setup/password.h"

#include "app/setup/passwordhash.h"
#include "app/setup/setupmessages.h"
#include "app/setup/startup.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

QLineEdit *passwordEntry(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setMaxLength(PasswordLength);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('M')) * PasswordLength);
    return edit;
}

QPushButton *button(QWidget *parent, const char *text, const char *tip = nullptr)
{
    auto *b = new QPushButton(text, parent);
    if (tip)
        b->setToolTip(tip);
    return b;
}

QHBoxLayout *buttonRow(std::initializer_list<QPushButton *> buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *b : buttons)
        row->addWidget(b);
    return row;
}

} // namespace

// --- EnterPassword ------------------------------------------------------------------------

EnterPassword::EnterPassword()
    : fw::Procedure({.name = "Win:EnterPassword", .title = "Password Needed",
                     .messages = {app::installSetupMessages}, .resizable = false})
{}

int EnterPassword::Build()
{
    QWidget *w = window();
    auto *layout = new QVBoxLayout(w);
    auto *line = new QHBoxLayout;
    entry = passwordEntry(w);
    auto *label = new QLabel("Enter Password:", w);
    label->setBuddy(entry);
    line->addWidget(label);
    line->addWidget(entry);
    layout->addLayout(line);
    ok = button(w, "Ok...");
    ok->setDefault(true);
    cancel = button(w, "Cancel", "Cancel and Return...");
    layout->addLayout(buttonRow({ok, cancel}));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connectButton(ok);
    connect(entry, &QLineEdit::returnPressed, ok, &QPushButton::click);
    AddItem(cancel, fw::RequestCancelled);
    FirstField = entry;
    return dict::Benign;
}

int EnterPassword::TakeAccepted(QWidget *control)
{
    if (control != ok)
        return Procedure::TakeAccepted(control);
    if (!app::PasswordMatches(entry->text().toStdString())) {
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
    : fw::Procedure({.name = "Win:Password", .title = "Setup Password", .files = {Relate::SETUP},
                     .resizable = false})
{}

int Password::Init()
{
    before_.emplace(app::SettingsGroup::Password);
    return Procedure::Init();
}

int Password::Build()
{
    QWidget *w = window();
    auto *layout = new QVBoxLayout(w);
    for (const char *text : {"Please enter a 6 to 10 digit alphanumerica password.",
                             "This will be used to control access on updates to the",
                             "various tables for changes and deletes."})
        layout->addWidget(new QLabel(text, w));
    auto *protectChanges = new QCheckBox(" Protect Changes", w);
    auto *protectDeletes = new QCheckBox(" Protect Deletes", w);
    layout->addSpacing(6);
    layout->addWidget(protectChanges);
    layout->addWidget(protectDeletes);
    auto *line = new QHBoxLayout;
    entry = passwordEntry(w);
    auto *label = new QLabel("Enter Password:", w);
    label->setBuddy(entry);
    line->addWidget(label);
    line->addWidget(entry);
    line->addStretch();
    layout->addLayout(line);
    save = button(w, "Save Password...");
    cancel = button(w, "Cancel", "Cancel and Return...");
    QPushButton *help = button(w, "&Help", "Help...");
    HelpControl = help;
    layout->addLayout(buttonRow({save, cancel, help}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    AddField(protectChanges, {&PasswordGlobals[1], &GLO});
    AddField(protectDeletes, {&PasswordGlobals[2], &GLO});
    // The password in force cannot be shown: the entry holds a stand-in until the user edits it.
    GLO.PASSWORD = GLO.PASSWORDHASH.blank() ? "" : KeptPassword;
    AddField(entry, {&PasswordGlobals[0], &GLO});
    connectButton(save);
    AddItem(cancel, fw::RequestCancelled);
    FirstField = entry;
    return dict::Benign;
}

int Password::TakeAccepted(QWidget *control)
{
    if (control != save)
        return Procedure::TakeAccepted(control);
    Update();
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
    const std::string hash = entry->isModified() ? app::hashPassword(GLO.PASSWORD.view()) : GLO.PASSWORDHASH.str();
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
