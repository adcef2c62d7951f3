#include "app/setup/password.h"

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

bool PasswordMatches(std::string_view entry)
{
    const dict::String<10> typed(entry);
    return typed.view() == GLO.PASSWORD.view();
}

} // namespace app

namespace Win {

namespace {

constexpr int PasswordLength = 10;

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
bool Password::savePassword()
{
    if (app::ReadSetupRecord() == app::SetupRead::Failed)
        return false;
    SET.PASSWORD = GLO.PASSWORD.view();
    SET.PASSWORDCHANGE = GLO.PASSWORDCHANGE;
    SET.PASSWORDDELETE = GLO.PASSWORDDELETE;
    return Access::SETUP.Update() == dict::Benign;
}

int Password::Kill()
{
    if (before_ && Response != fw::RequestCompleted)
        before_->restore();
    before_.reset();
    return Procedure::Kill();
}

} // namespace Win
