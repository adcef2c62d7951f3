// The password: the gate before Change and Delete, the prompt, the password window, and the
// reset command for a forgotten password.
#include "app/setup/password.h"
#include "app/common/passwordgate.h"
#include "app/setup/passwordhash.h"
#include "app/setup/resetpassword.h"
#include "app/setup/startup.h"
#include "tests/support/setup_support.h"
#include "tests/support/tidy.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QPushButton>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

using namespace dict;
using setuptest::childWithText;
using setuptest::click;
using setuptest::storedSetup;
using setuptest::type;
using setuptest::WhenShown;

namespace {

const QString Prompt = "Password Needed";
const QString PasswordWindow = "Setup Password";

class PasswordTest : public setuptest::StartedFolderTest
{
protected:
    void SetUp() override
    {
        // Thousands of entries are checked here: hashes made at libsodium's least cost.
        app::setPasswordHashCost(app::HashCost::Minimal);
        StartedFolderTest::SetUp();
    }
    void TearDown() override
    {
        StartedFolderTest::TearDown();
        app::setPasswordHashCost(app::HashCost::Interactive);
    }
    void protect(const char *password, bool changes, bool deletes)
    {
        GLO.PASSWORDHASH = app::hashPassword(password);
        GLO.PASSWORDCHANGE = changes;
        GLO.PASSWORDDELETE = deletes;
    }
    // Types into the prompt and presses "Ok...".
    static void answer(QWidget *prompt, const QString &entry)
    {
        type(prompt->findChild<QLineEdit *>(), entry);
        click(childWithText<QPushButton>(prompt, "Ok..."));
    }
    static void cancel(QWidget *window) { click(childWithText<QPushButton>(window, "Cancel")); }
    static void storePassword(const char *password)
    {
        testsupport::sqlOn(dict::DatabasePath,
                           ("update SETUP set PASSWORDHASH='" + app::hashPassword(password) + "'").c_str());
    }
    static bool stored(const char *password) { return app::passwordVerifies(storedSetup().PASSWORDHASH.view(), password); }
    // The files of the data folder that hold text, the journal included while there is one.
    std::vector<std::string> filesHolding(const std::string &text) const
    {
        std::vector<std::string> holding;
        for (const auto &entry : std::filesystem::recursive_directory_iterator(folder))
            if (entry.is_regular_file() && testsupport::fileBytes(entry.path()).find(text) != std::string::npos)
                holding.push_back(entry.path().filename().string());
        return holding;
    }
};

} // namespace

// --- the gate -------------------------------------------------------------------------------

TEST_F(PasswordTest, WithoutAPasswordChangeAndDeleteGoOnWithoutAPrompt)
{
    protect("", true, true);
    WhenShown prompt(Prompt, [](QWidget *w) { cancel(w); });
    EXPECT_TRUE(app::PasswordGate(app::Guarded::Change));
    EXPECT_TRUE(app::PasswordGate(app::Guarded::Delete));
    protect("   ", true, true); // blanks are no password
    EXPECT_TRUE(app::PasswordGate(app::Guarded::Delete));
    EXPECT_EQ(prompt.seen(), 0);
}

TEST_F(PasswordTest, ProtectingDeletesOnlyAsksBeforeDeletes)
{
    protect("s3cret", false, true);
    int asked = 0;
    bool rightNext = true;
    WhenShown prompt(Prompt, [&](QWidget *w) {
        ++asked;
        if (rightNext)
            answer(w, "s3cret");
        else
            cancel(w);
    });
    EXPECT_TRUE(app::PasswordGate(app::Guarded::Change));
    EXPECT_EQ(asked, 0) << "changes are not protected";

    EXPECT_TRUE(app::PasswordGate(app::Guarded::Delete));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(int{GLO.STARTUP}, 0) << "the gate takes the right-password mark back";

    rightNext = false;
    EXPECT_FALSE(app::PasswordGate(app::Guarded::Delete)) << "a cancelled prompt drops the delete";
    EXPECT_EQ(asked, 2);
}

TEST_F(PasswordTest, AWrongEntryKeepsThePromptOpenWithAnEmptyEntry)
{
    protect("s3cret", true, true);
    std::string entryAfterWrong;
    bool stillOpen = false;
    WhenShown prompt(Prompt, [&](QWidget *w) {
        answer(w, "letmein");
        entryAfterWrong = w->findChild<QLineEdit *>()->text().toStdString();
        stillOpen = w->isVisible();
        answer(w, "s3cret  "); // trailing blanks do not count
    });
    EXPECT_TRUE(app::PasswordGate(app::Guarded::Change));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(entryAfterWrong, "");
    EXPECT_EQ(titles(), (std::vector<std::string>{"Excuse me..."}));
    EXPECT_EQ(texts(), (std::vector<std::string>{"You entered the wrong password."}));
}

TEST_F(PasswordTest, EnterTriesThePasswordOnceAndEscapeGivesUp)
{
    protect("s3cret", true, true);
    WhenShown prompt(Prompt, [](QWidget *w) {
        auto *entry = w->findChild<QLineEdit *>();
        type(entry, "wrong");
        entry->setFocus();
        QTest::keyClick(entry, Qt::Key_Return);
        QTest::keyClick(entry, Qt::Key_Escape);
    });
    EXPECT_FALSE(app::PasswordGate(app::Guarded::Change));
    EXPECT_EQ(texts(), (std::vector<std::string>{"You entered the wrong password."})) << "asked once";
}

TEST_F(PasswordTest, ThePromptAloneSetsTheRightPasswordMark)
{
    protect("s3cret", true, true);
    WhenShown prompt(Prompt, [](QWidget *w) {
        setuptest::screenshot(w, "password-prompt");
        testsupport::expectTidy(w);
        answer(w, "s3cret");
    });
    Win::EnterPassword window;
    EXPECT_EQ(window.Run(), fw::RequestCompleted);
    EXPECT_EQ(int{GlobalResponse}, fw::RequestCompleted);
    EXPECT_EQ(int{GLO.STARTUP}, 9);
}

namespace {

// Every run of printable characters in a file, as a string a user could type (cut to the
// entry's ten characters), and each word of it.
std::set<std::string> stringsIn(const char *path)
{
    std::ifstream in(path, std::ios::binary);
    std::set<std::string> found;
    std::string run;
    const auto keep = [&] {
        if (!run.empty()) {
            found.insert(run.substr(0, 10));
            std::istringstream words(run);
            for (std::string word; words >> word;)
                found.insert(word.substr(0, 10));
        }
        run.clear();
    };
    for (char c; in.get(c);) {
        if (c >= 0x20 && c < 0x7f)
            run += c;
        else
            keep();
    }
    keep();
    return found;
}

} // namespace

// A password built into the program would be among the strings of its code. None of them, nor
// any usual master password, opens the gate; only the user's own password does.
TEST_F(PasswordTest, NoStringBuiltIntoTheProgramOpensTheGate)
{
    std::set<std::string> candidates = stringsIn(TQ_APP_LIBRARY);
    const std::set<std::string> library = stringsIn(TQ_REPORTS_LIBRARY);
    candidates.insert(library.begin(), library.end());
    ASSERT_TRUE(candidates.count("Password N")) << "the scan reads the program's texts";
    ASSERT_GT(candidates.size(), 1000u);
    for (const char *usual : {"", "master", "password", "letmein", "tallyqu", "invoice", "default", "admin",
                              "backdoor", "support", "qwertyu", "abcdefg"})
        candidates.insert(usual);

    for (const char *password : {"Zq8#xw!", "k2v9-pw"}) {
        protect(password, true, true);
        for (const std::string &candidate : candidates)
            EXPECT_FALSE(app::PasswordMatches(candidate)) << "opens the gate: \"" << candidate << "\"";
        EXPECT_TRUE(app::PasswordMatches(password));
    }
}

// --- "Set P&assword" and the password window ------------------------------------------------

TEST_F(PasswordTest, AWrongPasswordDoesNotOpenThePasswordWindow)
{
    storePassword("s3cret");
    protect("s3cret", true, true);
    WhenShown prompt(Prompt, [](QWidget *w) {
        answer(w, "guess");
        cancel(w);
    });
    WhenShown window(PasswordWindow, [](QWidget *w) { cancel(w); });
    EXPECT_EQ(app::SetPassword(), fw::RequestCancelled);
    EXPECT_EQ(prompt.seen(), 1);
    EXPECT_EQ(window.seen(), 0);
    EXPECT_TRUE(stored("s3cret"));
}

// Set, changed, kept while a flag changes, and cleared, through the window: SETUP holds only a
// salted hash, and no file of the data folder ever holds the password.
TEST_F(PasswordTest, TheWindowSetsChangesKeepsAndClearsThePasswordAndKeepsOnlyItsHash)
{
    testsupport::sqlOn(dict::DatabasePath, "update SETUP set COMPANYNAME='Quill'");
    protect("", true, true);
    const struct {
        const char *before; // answered at the prompt
        const char *typed;  // nullptr: the entry is left as it opened
        bool toggleChanges;
        const char *after;  // "" for none
    } steps[] = {{"", "n3w-pass", true, "n3w-pass"},
                 {"n3w-pass", "an0ther!", false, "an0ther!"},
                 {"an0ther!", nullptr, true, "an0ther!"},
                 {"an0ther!", "", false, ""}};
    int changes = 1;
    for (const auto &step : steps) {
        SCOPED_TRACE(std::string("to \"") + step.after + "\"");
        WhenShown prompt(Prompt, [&](QWidget *w) { answer(w, step.before); });
        WhenShown window(PasswordWindow, [&](QWidget *w) {
            auto *entry = w->findChild<QLineEdit *>();
            EXPECT_EQ(entry->echoMode(), QLineEdit::Password) << "nobody reads it over a shoulder";
            EXPECT_EQ(entry->text().isEmpty(), *step.before == '\0') << "a password in force shows as dots";
            if (*step.before == '\0') {
                setuptest::screenshot(w, "password-window");
                testsupport::expectTidy(w);
            }
            if (step.typed)
                type(entry, step.typed);
            if (step.toggleChanges)
                click(childWithText<QCheckBox>(w, " Protect Changes"));
            click(childWithText<QPushButton>(w, "Save Password..."));
        });
        EXPECT_EQ(app::SetPassword(), fw::RequestCompleted);
        EXPECT_EQ(window.seen(), 1);
        EXPECT_EQ(prompt.seen(), *step.before == '\0' ? 0 : 1);
        changes = step.toggleChanges ? 1 - changes : changes;

        const SETUPRecord s = storedSetup();
        EXPECT_TRUE(s.PASSWORD.blank()) << "the old field holds nothing readable";
        EXPECT_EQ(s.PASSWORDHASH.blank(), *step.after == '\0');
        if (*step.after) {
            EXPECT_TRUE(s.PASSWORDHASH.view().starts_with("$argon2id$")) << s.PASSWORDHASH.view();
            EXPECT_TRUE(app::PasswordMatches(step.after));
            EXPECT_TRUE(app::passwordVerifies(s.PASSWORDHASH.view(), step.after));
        }
        EXPECT_EQ(int{s.PASSWORDCHANGE}, changes);
        EXPECT_EQ(s.COMPANYNAME.view(), "Quill") << "only the password fields change";
        EXPECT_TRUE(GLO.PASSWORD.blank()) << "the typed text is not kept";
        for (const char *password : {"n3w-pass", "an0ther!"})
            EXPECT_EQ(filesHolding(password), std::vector<std::string>{}) << password;
    }
    EXPECT_TRUE(app::PasswordGate(app::Guarded::Delete)) << "cleared: no prompt";
}

// A folder whose setup still holds the password in the clear is moved to its hash at the first
// start, and the old password still opens the gate.
TEST_F(PasswordTest, AClearPasswordIsHiddenAtTheNextStartAndStillOpensTheGate)
{
    testsupport::sqlOn(dict::DatabasePath, "update SETUP set PASSWORD='0ld-clear', PASSWORDHASH=''");
    ASSERT_EQ(app::StartUp(), app::StartResult::Loaded);
    const SETUPRecord s = storedSetup();
    EXPECT_TRUE(s.PASSWORD.blank());
    EXPECT_TRUE(app::passwordVerifies(s.PASSWORDHASH.view(), "0ld-clear"));
    EXPECT_EQ(filesHolding("0ld-clear"), std::vector<std::string>{});
    GLO.PASSWORDCHANGE = 1;
    WhenShown prompt(Prompt, [](QWidget *w) { answer(w, "0ld-clear"); });
    EXPECT_TRUE(app::PasswordGate(app::Guarded::Change));
    EXPECT_EQ(prompt.seen(), 1);
}

// A password the entry holds in characters but not in bytes (ten accented letters) is refused
// with the reason, and the password in force stays: saving would otherwise have cleared it.
TEST_F(PasswordTest, APasswordLongerThanTheFieldHoldsIsRefusedAndTheOldOneStays)
{
    storePassword("s3cret");
    protect("s3cret", true, true);
    WhenShown prompt(Prompt, [](QWidget *w) { answer(w, "s3cret"); });
    WhenShown window(PasswordWindow, [&](QWidget *w) {
        auto *entry = w->findChild<QLineEdit *>();
        entry->setFocus();
        entry->selectAll(); // the dots that stand for the password in force
        QApplication::clipboard()->setText(QString(10, QChar(0x00E9)));
        QTest::keyClick(entry, Qt::Key_V, Qt::ControlModifier);
        click(childWithText<QPushButton>(w, "Save Password..."));
        QCoreApplication::processEvents();
        ASSERT_FALSE(texts().empty());
        EXPECT_NE(texts().back().find("holds at most 10 characters"), std::string::npos) << texts().back();
        cancel(w);
    });
    EXPECT_EQ(app::SetPassword(), fw::RequestCancelled);
    EXPECT_TRUE(stored("s3cret"));
    EXPECT_TRUE(app::PasswordMatches("s3cret"));
}

// A pasted password holding control characters is kept as the entry's field keeps it (blanks in
// their place); the same text pasted at the prompt is taken the same way and opens the gate.
TEST_F(PasswordTest, APastedPasswordOpensTheGateWhenPastedAgain)
{
    protect("", true, true);
    const QString pasted = QString::fromUtf8("ab\tcd\x01" "ef");
    auto paste = [&](QWidget *w) {
        auto *entry = w->findChild<QLineEdit *>();
        entry->setFocus();
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(entry, Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(entry->text(), pasted);
    };
    {
        WhenShown window(PasswordWindow, [&](QWidget *w) {
            paste(w);
            click(childWithText<QPushButton>(w, "Save Password..."));
        });
        EXPECT_EQ(app::SetPassword(), fw::RequestCompleted);
    }
    EXPECT_TRUE(stored("ab cd ef"));
    WhenShown prompt(Prompt, [&](QWidget *w) {
        paste(w);
        click(childWithText<QPushButton>(w, "Ok..."));
    });
    EXPECT_TRUE(app::PasswordGate(app::Guarded::Delete));
    EXPECT_EQ(texts(), std::vector<std::string>{});
}

TEST_F(PasswordTest, CancelOnThePasswordWindowPutsTheGlobalsBack)
{
    protect("", true, true);
    WhenShown window(PasswordWindow, [](QWidget *w) {
        type(w->findChild<QLineEdit *>(), "abandoned");
        click(childWithText<QCheckBox>(w, " Protect Deletes"));
        cancel(w);
    });
    EXPECT_EQ(app::SetPassword(), fw::RequestCancelled);
    EXPECT_EQ(window.seen(), 1);
    EXPECT_TRUE(GLO.PASSWORDHASH.blank());
    EXPECT_EQ(int{GLO.PASSWORDDELETE}, 1);
    EXPECT_TRUE(storedSetup().PASSWORDHASH.blank());
}

// --- invoice --reset-password --------------------------------------------------------------

namespace {

struct Reset {
    int status;
    std::string said;
};

Reset reset(const std::string &typed)
{
    std::istringstream in(typed);
    std::ostringstream out;
    const int status = app::ResetPassword(in, out);
    return {status, out.str()};
}

} // namespace

TEST_F(PasswordTest, ResetAnsweredNoLeavesThePassword)
{
    storePassword("s3cret");
    for (const char *typed : {"no\n", "\n", "", "yes please\n"}) {
        const Reset r = reset(typed);
        EXPECT_EQ(r.status, app::ResetDeclined) << typed;
        EXPECT_NE(r.said.find("Reset Password: Clear the password"), std::string::npos) << r.said;
        EXPECT_NE(r.said.find("Nothing was changed."), std::string::npos) << r.said;
        EXPECT_TRUE(stored("s3cret")) << typed;
    }
    EXPECT_EQ(&errors.presenter(), &screen) << "the windowed presenter is back afterwards";
}

TEST_F(PasswordTest, ResetAnsweredYesClearsOnlyThePassword)
{
    storePassword("s3cret");
    testsupport::sqlOn(dict::DatabasePath, "update SETUP set PASSWORDCHANGE=0, COMPANYNAME='Quill'");
    const Reset r = reset("YES\n");
    EXPECT_EQ(r.status, app::PasswordReset);
    EXPECT_NE(r.said.find("The password has been cleared."), std::string::npos) << r.said;
    const SETUPRecord s = storedSetup();
    EXPECT_TRUE(s.PASSWORDHASH.blank());
    EXPECT_EQ(int{s.PASSWORDCHANGE}, 0);
    EXPECT_EQ(s.COMPANYNAME.view(), "Quill");
}

TEST_F(PasswordTest, ResetInAFolderWithoutDataCreatesNothing)
{
    const auto empty = folder / "elsewhere";
    std::filesystem::create_directories(empty);
    std::filesystem::current_path(empty);
    const Reset r = reset("yes\n");
    std::filesystem::current_path(folder);
    EXPECT_EQ(r.status, app::ResetFailed);
    EXPECT_NE(r.said.find("There is no program setup in"), std::string::npos) << r.said;
    EXPECT_FALSE(std::filesystem::exists(empty / "data"));
}

TEST_F(PasswordTest, TheProgramClearsThePasswordFromTheTerminal)
{
    storePassword("s3cret");
    testsupport::closeAllFiles();
    const std::string command = std::string("printf 'yes\\n' | ") + TQ_INVOICE + " --reset-password";
    FILE *program = ::popen(command.c_str(), "r");
    ASSERT_NE(program, nullptr);
    std::string said;
    for (char buffer[256]; std::fgets(buffer, sizeof buffer, program);)
        said += buffer;
    EXPECT_EQ(::pclose(program), 0) << said;
    EXPECT_NE(said.find("The password has been cleared."), std::string::npos) << said;
    EXPECT_TRUE(storedSetup().PASSWORDHASH.blank());
}
