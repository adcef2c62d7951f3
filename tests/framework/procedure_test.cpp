// The procedure and browse skeletons: what a declaration is checked for, files opened and closed
// whatever happens, requests a form does not serve, and the rules of bound fields.
#include "dictionary/files.h"
#include "framework/browsedeclaration.h"
#include "framework/procedure.h"
#include "tests/support/datafolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <fstream>
#include <functional>

using namespace dict;
using testsupport::DataFolderTest;

namespace {

bool mentions(const std::vector<std::string> &faults, const std::string &part)
{
    for (const std::string &f : faults)
        if (f.find(part) != std::string::npos)
            return true;
    return false;
}

fw::BrowseSpec customerSpec(const char *format)
{
    return {
        .procedure = {.name = "Brw:Test"},
        .primary = &Relate::CUSTOMER,
        .tabs = {{"&Number", nullptr, CUS.CustomerNo_Key, "Search:", fw::Locate(CUS.CUSTOMERNO), format}},
        .queue = {fw::Coloured(CUS.CUSTOMERNO), fw::Plain(CUS.LNAME)},
    };
}

} // namespace

TEST(BrowseSpecTest, ASoundDeclarationHasNoFaults)
{
    EXPECT_TRUE(fw::checkBrowseSpec(customerSpec("40L|*~Cust #~@s10@#1#60L~Name~@s15@#6#")).empty());
}

TEST(BrowseSpecTest, QueueNumbersThatMissTheirFieldsAreFaults)
{
    // #2# is the first colour of the customer number, #7# lies past the queue.
    EXPECT_TRUE(mentions(fw::checkBrowseSpec(customerSpec("40L~Cust #~@s10@#2#")), "#2#, which is no field"));
    EXPECT_TRUE(mentions(fw::checkBrowseSpec(customerSpec("40L~Name~@s15@#7#")), "#7#, which is no field"));
    // Colours on a field declared without them.
    EXPECT_TRUE(mentions(fw::checkBrowseSpec(customerSpec("60L*~Name~@s15@#6#")), "declared without them"));
    EXPECT_TRUE(mentions(fw::checkBrowseSpec(customerSpec("40L~Cust #~@s10@#1#[")), "unreadable"));
}

TEST(BrowseSpecTest, TabsAndLocatorsMustBeWhole)
{
    fw::BrowseSpec spec = customerSpec("40L~Cust #~@s10@#1#");
    spec.tabs[0].locator.reset();
    EXPECT_TRUE(mentions(fw::checkBrowseSpec(spec), "locator prompt needs"));
    spec.tabs.clear();
    EXPECT_TRUE(mentions(fw::checkBrowseSpec(spec), "no tabs"));
    spec = customerSpec(nullptr);
    EXPECT_TRUE(mentions(fw::checkBrowseSpec(spec), "no list format"));
}

namespace {

// A form on CUSTOMER with rules on its fields; build() may fail to show what Kill closes.
class RuleForm : public fw::Procedure
{
public:
    explicit RuleForm(unsigned serves = fw::ServesAll, bool failBuild = false)
        : fw::Procedure({.name = "Upd:RuleForm", .title = "Rules", .files = {Relate::CUSTOMER, Access::FINANCE},
                         .serves = serves})
        , failBuild_(failBuild)
    {}
    QLineEdit *number = nullptr, *name = nullptr, *discount = nullptr, *balance = nullptr;
    QPushButton *ok = nullptr, *cancel = nullptr;
    bool built = false;

protected:
    int Build() override
    {
        built = true;
        if (failBuild_)
            return dict::Notify;
        Primary = &Relate::CUSTOMER;
        auto *layout = new QVBoxLayout(window());
        number = entry(layout, "Customer #:");
        name = entry(layout, "Last Name:");
        discount = entry(layout, "Discount:");
        balance = entry(layout, "Balance:");
        layout->addWidget(ok = new QPushButton("OK", window()));
        layout->addWidget(cancel = new QPushButton("Cancel", window()));
        bind(number, CUS.CUSTOMERNO).required();
        bind(name, CUS.LNAME);
        bind(discount, CUS.CUSTOMERDISCOUNT, "@n6.2").range(0, 100);
        bind(balance, CUS.BALANCE, "@n-12.2").nonNegative();
        OkControl = ok;
        connectButton(ok);
        AddItem(cancel, fw::RequestCancelled);
        FirstField = number;
        return dict::Benign;
    }

private:
    QLineEdit *entry(QVBoxLayout *layout, const char *prompt)
    {
        auto *label = new QLabel(prompt, window());
        auto *edit = new QLineEdit(window());
        label->setBuddy(edit);
        layout->addWidget(label);
        layout->addWidget(edit);
        return edit;
    }
    bool failBuild_;
};

class ProcedureTest : public DataFolderTest
{
protected:
    int run(RuleForm &form, int request, std::function<void()> drive)
    {
        // Tied to the form, so a drive never runs in a later test when this form never opened.
        QTimer::singleShot(0, &form, [drive] { drive(); });
        GlobalRequest = static_cast<BYTE>(request);
        return form.Run();
    }
    static void type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        Q_EMIT edit->editingFinished();
    }
};

} // namespace

TEST_F(ProcedureTest, FilesOpenedAreClosedAndTheCodesClearedWhenTheWindowFailsHalfWay)
{
    RuleForm form(fw::ServesAll, true);
    GlobalResponse = fw::RequestCompleted;
    EXPECT_EQ(run(form, fw::InsertRecord, [] {}), fw::RequestCancelled);
    EXPECT_TRUE(form.built);
    EXPECT_EQ(GlobalRequest, 0);
    EXPECT_FALSE(Access::CUSTOMER.Opened());
    EXPECT_FALSE(Access::FINANCE.Opened());
}

TEST_F(ProcedureTest, AFileThatCannotBeOpenedClosesTheOnesBeforeIt)
{
    ASSERT_EQ(Access::CUSTOMER.Open(), dict::Benign);
    Access::CUSTOMER.Close();
    testsupport::sqlOn(dict::DatabasePath, "CREATE TABLE FINANCE (x TEXT); INSERT INTO FINANCE VALUES ('not ours')");
    const std::string before = testsupport::tableRows("FINANCE");
    RuleForm form;
    EXPECT_EQ(run(form, fw::InsertRecord, [] {}), fw::RequestCancelled);
    EXPECT_FALSE(form.built);
    EXPECT_FALSE(Access::CUSTOMER.Opened());
    EXPECT_FALSE(Access::CUSTOMER.File()->isOpen());
    EXPECT_EQ(testsupport::tableRows("FINANCE"), before);
}

TEST_F(ProcedureTest, ARequestTheFormDoesNotServeIsRefusedBeforeAnyWindow)
{
    RuleForm form(fw::ServesChange | fw::ServesDelete);
    EXPECT_EQ(run(form, fw::InsertRecord, [] {}), fw::RequestCancelled);
    EXPECT_FALSE(form.built);
    ASSERT_EQ(titles().size(), 1u);
    EXPECT_EQ(titles()[0], "Invalid Request");
    EXPECT_EQ(texts()[0], "This form cannot be used to insert a record");
}

TEST_F(ProcedureTest, RulesRefuseWithTheStandardMessagesAndKeepTheStoredValue)
{
    ASSERT_EQ(Relate::CUSTOMER.Open(), Benign);
    ASSERT_EQ(Access::CUSTOMER.PrimeRecord(), Benign);
    RuleForm form;
    run(form, fw::InsertRecord, [&] {
        type(form.discount, "12.5");
        type(form.discount, "120");
        EXPECT_DOUBLE_EQ(CUS.CUSTOMERDISCOUNT, 12.5);
        EXPECT_EQ(form.discount->text().trimmed(), "12.50") << "the kept value is shown again";
        type(form.balance, "-3");
        EXPECT_DOUBLE_EQ(CUS.BALANCE, 0);
        EXPECT_EQ(form.name->maxLength(), 15) << "an entry takes what its field holds";
        form.ok->click(); // no customer number yet
        QTest::qWait(0);
        EXPECT_TRUE(form.number->hasFocus());
        type(form.number, "C1");
        form.ok->click();
    });
    const std::vector<std::string> shown = texts();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(titles()[0], "Range Error");
    EXPECT_EQ(shown[0], "The value of Discount must be between 0 and 100.");
    EXPECT_EQ(shown[1], "Balance cannot be less than 0.");
    EXPECT_EQ(shown[2], "Please enter Customer # before saving.");
    CUS.CUSTOMERNO = "C1";
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    EXPECT_DOUBLE_EQ(CUS.CUSTOMERDISCOUNT, 12.5);
    Relate::CUSTOMER.Close();
}

TEST_F(ProcedureTest, TextLongerThanItsFieldIsRefusedNeverCut)
{
    ASSERT_EQ(Relate::CUSTOMER.Open(), Benign);
    ASSERT_EQ(Access::CUSTOMER.PrimeRecord(), Benign);
    RuleForm form;
    run(form, fw::InsertRecord, [&] {
        type(form.name, "Smith");
        // Fifteen characters fit the entry but not the field: each "é" takes two of its bytes.
        form.name->setText(QString::fromUtf8("éééééééééé"));
        Q_EMIT form.name->editingFinished();
        EXPECT_EQ(CUS.LNAME.view(), "Smith");
        screen.answer(ButtonNo); // "Save Record"
        form.cancel->click();
    });
    ASSERT_FALSE(texts().empty());
    EXPECT_EQ(texts()[0], "Last Name holds at most 15 characters.");
    Relate::CUSTOMER.Close();
}

// Inputs that once broke a stored text field, found by typing hostile text into every form
// (tests/app/shell/typedinput_test.cpp): pasted control characters, a NUL among them, went into
// the file as they were.
TEST_F(ProcedureTest, PastedControlCharactersAreStoredAsBlanks)
{
    const std::pair<QString, const char *> cases[] = {
        {QString::fromUtf8("a\0b", 3), "a b"},
        {QString::fromUtf8("a\tb\x01\x1b[2J\x7f"), "a b  [2J"},
        {QString::fromUtf8("\xc3\xa9\x0b\xc3\xa9"), "\xc3\xa9 \xc3\xa9"},
    };
    ASSERT_EQ(Relate::CUSTOMER.Open(), Benign);
    for (const auto &[pasted, stored] : cases) {
        SCOPED_TRACE(stored);
        ASSERT_EQ(Access::CUSTOMER.PrimeRecord(), Benign);
        RuleForm form;
        run(form, fw::InsertRecord, [&] {
            form.name->setText(pasted);
            Q_EMIT form.name->editingFinished();
            EXPECT_EQ(CUS.LNAME.view(), stored);
            screen.answer(ButtonNo); // "Save Record"
            form.cancel->click();
        });
    }
    Relate::CUSTOMER.Close();
}

TEST_F(ProcedureTest, EveryBoundFieldIsKeptForTheDittoKey)
{
    ASSERT_EQ(Relate::CUSTOMER.Open(), Benign);
    ASSERT_EQ(Access::CUSTOMER.PrimeRecord(), Benign);
    RuleForm form;
    run(form, fw::InsertRecord, [&] {
        type(form.number, "C7");
        type(form.name, "Adams");
        form.SaveHistory(); // as a completed save does
        type(form.name, "Baker");
        form.RestoreField(form.name);
        EXPECT_EQ(form.name->text(), "Adams");
        EXPECT_EQ(CUS.LNAME.view(), "Adams");
        form.ok->click();
    });
    Relate::CUSTOMER.Close();
}
