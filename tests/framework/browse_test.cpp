// A real browse window over CUSTOMER with its update form: the buttons, keys and locators, the
// form loop with navigation requests, select mode, remembered layout, two windows at once.
#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/browseprocedure.h"
#include "framework/browsemodel.h"
#include "framework/iniclass.h"
#include "framework/reportslib.h"
#include "framework/threadcontext.h"
#include "framework/windowmanager.h"
#include "tests/support/customerform.h"
#include "tests/support/customerfolder.h"
#include "tests/support/datafolder.h"
#include "tests/support/modeltester.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <deque>
#include <functional>

using namespace dict;
using testsupport::DataFolderTest;

namespace {

using testsupport::CustomerForm;

using FormDriver = std::function<void(CustomerForm &)>;

class CustomerBrowse : public fw::WindowManager
{
public:
    fw::BrowseClass browse;
    fw::BrowseList *list = nullptr;
    QTabBar *tabs = nullptr;
    QLineEdit *companyEntry = nullptr;
    QPushButton *insert = nullptr, *change = nullptr, *remove = nullptr, *select = nullptr, *close = nullptr;
    std::deque<FormDriver> forms;      // how each form that opens is driven
    std::vector<std::string> formsOn;  // the record each form opened on

    int Init() override
    {
        procedureName = "Brw:TestCustomers";
        WindowManager::Init();
        GlobalRequest = 0;
        GlobalResponse = 0;
        Relate::CUSTOMER.Open();
        auto *w = CreateWindow(QStringLiteral("Customers"));
        auto *layout = new QVBoxLayout(w);
        layout->addWidget(tabs = new QTabBar(w));
        tabs->addTab(QStringLiteral("&Number"));
        tabs->addTab(QStringLiteral("&Name"));
        tabs->addTab(QStringLiteral("C&ompany"));
        layout->addWidget(companyEntry = new QLineEdit(w));
        layout->addWidget(list = new fw::BrowseList(w));
        auto *buttons = new QHBoxLayout;
        layout->addLayout(buttons);
        for (auto [button, text] : {std::pair{&insert, "&Insert"}, {&change, "&Change"}, {&remove, "&Delete"},
                                    {&select, "&Select"}, {&close, "Close"}})
            buttons->addWidget(*button = new QPushButton(QString::fromUtf8(text), w));
        w->resize(420, 300);

        browse.Init(list, &Relate::CUSTOMER, this);
        browse.AddSortOrder(CUS.CustomerNo_Key, fw::makeStepFor(FieldType::String, false),
                            "40L(2)|~Cust #~@s10@#1#60L(2)|~Last Name~@s15@#2#");
        browse.AddLocator(std::make_unique<fw::StepLocatorClass>(field(CUS.CUSTOMERNO)));
        browse.AddSortOrder(CUS.CustomerName_Key, fw::makeStepFor(FieldType::String, false),
                            "60L(2)|~Last Name~@s15@#2#40L(2)|~Cust #~@s10@#1#");
        browse.AddLocator(std::make_unique<fw::StepLocatorClass>(field(CUS.LNAME)));
        browse.AddSortOrder(CUS.Company_Key, {}, "80L(2)|~Company~@s40@#3#40L(2)|~Cust #~@s10@#1#");
        browse.AddLocator(std::make_unique<fw::EntryLocatorClass>(field(CUS.COMPANY), companyEntry));
        browse.AddField(field(CUS.CUSTOMERNO));
        browse.AddField(field(CUS.LNAME));
        browse.AddField(field(CUS.COMPANY));
        browse.AddSheet(tabs);
        browse.SetUpdateButtons(insert, change, remove, select);
        browse.SetSettings("Brw:TestCustomers");
        AddItem(close, fw::RequestCancelled);
        return Open();
    }
    int Kill() override
    {
        WindowManager::Kill();
        Relate::CUSTOMER.Close();
        return Benign;
    }
    using fw::WindowManager::Run;
    int Run(int, int) override
    {
        CustomerForm form;
        FormDriver drive = forms.empty() ? FormDriver([](CustomerForm &f) { f.cancel->click(); }) : forms.front();
        if (!forms.empty())
            forms.pop_front();
        QTimer::singleShot(0, &form, [&] {
            formsOn.push_back(form.openedOn);
            drive(form);
        });
        return form.Run();
    }
    std::string highlighted() const
    {
        const int row = browse.page().selected();
        return row < 0 ? "" : browse.model()->text(row, browse.format().columnOfField(1).value_or(0)).toStdString();
    }
};

class BrowseTest : public testsupport::CustomerFolderTest
{
protected:
    static CustomerBrowse *start()
    {
        auto *browse = new CustomerBrowse;
        browse->Start();
        // Every change of the page is checked against the item model's rules while the list lives.
        testsupport::watchModel(browse->browse.model());
        return browse;
    }
    static void closeWindow(CustomerBrowse *browse)
    {
        CustomerFolderTest::closeWindow(browse, browse->close);
        fw::ThreadContext::mainContext().makeCurrent();
    }
    // The stored customer with that number, read in the main context.
    static bool stored(const std::string &customerNo, std::string *name = nullptr)
    {
        fw::ThreadContext::mainContext().makeCurrent();
        CUS.CUSTOMERNO = customerNo;
        const bool found = Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) == Benign;
        if (found && name)
            *name = std::string(CUS.LNAME.view());
        return found;
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

TEST_F(BrowseTest, InsertChangeAndDeleteThroughTheButtonsReachTheFile)
{
    addCustomers(5);
    CustomerBrowse *b = start();
    EXPECT_EQ(b->highlighted(), "C001");

    b->forms.push_back([](CustomerForm &f) {
        type(f.number, "C050");
        type(f.name, "Newman");
        f.ok->click();
    });
    b->insert->click();
    EXPECT_EQ(b->highlighted(), "C050") << "the list shows the record just added";
    std::string name;
    EXPECT_TRUE(stored("C050", &name));
    EXPECT_EQ(name, "Newman");

    QTest::keyClick(b->list->view(), Qt::Key_Home);
    QTest::keyClick(b->list->view(), Qt::Key_Down);
    ASSERT_EQ(b->highlighted(), "C002");
    b->forms.push_back([](CustomerForm &f) {
        type(f.name, "Changed");
        f.ok->click();
    });
    QTest::keyClick(b->list->view(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(b->formsOn.back(), "C002");
    EXPECT_TRUE(stored("C002", &name));
    EXPECT_EQ(name, "Changed");

    screen.answer(ButtonNo);
    b->remove->click();
    EXPECT_EQ(titles().back(), "Confirm Delete");
    EXPECT_TRUE(stored("C002")) << "No keeps the record";
    screen.answer(ButtonYes);
    QTest::keyClick(b->list->view(), Qt::Key_Delete);
    EXPECT_FALSE(stored("C002"));
    EXPECT_EQ(b->highlighted(), "C003") << "its successor takes the highlight";
    EXPECT_EQ(b->browse.Records(), 5u);
    closeWindow(b);
}

TEST_F(BrowseTest, CancelledInsertLeavesNothingAndTheNumberIsFree)
{
    addCustomers(3);
    CustomerBrowse *b = start();
    const std::int64_t before = Access::CUSTOMER.Records();
    b->forms.push_back([](CustomerForm &f) { f.cancel->click(); }); // unchanged: no question
    b->insert->click();
    EXPECT_TRUE(screen.shown().empty());
    fw::ThreadContext::mainContext().makeCurrent();
    EXPECT_EQ(Access::CUSTOMER.Records(), before) << "the reserved record is gone";
    EXPECT_EQ(b->highlighted(), "C001");
    closeWindow(b);
}

TEST_F(BrowseTest, NextRecordFromAFormReopensItOnTheNextRecordWithTheSameRequest)
{
    addCustomers(6);
    CustomerBrowse *b = start();
    QTest::keyClick(b->list->view(), Qt::Key_Down);
    auto next = [](CustomerForm &f) { f.TakeNavigation(fw::Nav::Down); };
    b->forms.push_back(next);
    b->forms.push_back([](CustomerForm &f) {
        type(f.name, "Third");
        f.TakeNavigation(fw::Nav::Down);
    });
    b->forms.push_back([](CustomerForm &f) { f.cancel->click(); });
    b->change->click();
    EXPECT_EQ(b->formsOn, (std::vector<std::string>{"C002", "C003", "C004"}));
    EXPECT_EQ(b->highlighted(), "C004");
    std::string name;
    EXPECT_TRUE(stored("C003", &name));
    EXPECT_EQ(name, "Third") << "navigating saves the form first";
    closeWindow(b);
}

TEST_F(BrowseTest, SelectModeReturnsTheChosenRecordOrCancelled)
{
    addCustomers(8);
    CustomerBrowse chooser;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(chooser.select->isVisible());
        QTest::keyClick(chooser.list->view(), Qt::Key_Down);
        QTest::keyClick(chooser.list->view(), Qt::Key_Down);
        QTest::keyClick(chooser.list->view(), Qt::Key_Return);
    });
    GlobalRequest = fw::SelectRecord;
    EXPECT_EQ(chooser.Run(), fw::RequestCompleted);
    EXPECT_EQ(GlobalResponse, fw::RequestCompleted);
    EXPECT_EQ(CUS.CUSTOMERNO.view(), "C003") << "the chosen record is in the buffer";

    CustomerBrowse nothing;
    QTimer::singleShot(0, [&] { nothing.close->click(); });
    GlobalRequest = fw::SelectRecord;
    EXPECT_EQ(nothing.Run(), fw::RequestCancelled);
    EXPECT_EQ(GlobalResponse, fw::RequestCancelled);
}

TEST_F(BrowseTest, TypingALetterInTheNameOrderMovesToTheFirstNameFromIt)
{
    addCustomers(20);
    CustomerBrowse *b = start();
    b->tabs->setCurrentIndex(1);
    QTest::keyClick(b->list->view(), Qt::Key_S);
    b->context()->makeCurrent(); // the highlighted record is in the browse's own buffer
    EXPECT_EQ(CUS.LNAME.view(), "Scott");
    EXPECT_EQ(CUS.CUSTOMERNO.view(), "C007");
    QTest::keyClick(b->list->view(), Qt::Key_S);
    b->context()->makeCurrent();
    EXPECT_EQ(CUS.CUSTOMERNO.view(), "C017") << "the same letter again moves on";
    QTest::keyClick(b->list->view(), Qt::Key_S);
    b->context()->makeCurrent();
    EXPECT_EQ(CUS.LNAME.view(), "Smith");
    QTest::keyClick(b->list->view(), Qt::Key_Z);
    b->context()->makeCurrent();
    EXPECT_EQ(CUS.LNAME.view(), "Young") << "past every name: the last";
    closeWindow(b);
}

TEST_F(BrowseTest, TheEntryLocatorMovesToTheFirstValueFromWhatWasTyped)
{
    addCustomers(10);
    CustomerBrowse *b = start();
    b->tabs->setCurrentIndex(2);
    type(b->companyEntry, "pa");
    b->context()->makeCurrent();
    EXPECT_EQ(CUS.COMPANY.view(), "Parker Trading");
    type(b->companyEntry, "zzz");
    b->context()->makeCurrent();
    EXPECT_EQ(CUS.COMPANY.view(), "Young Trading") << "past every value: the last";
    QTest::keyClick(b->list->view(), Qt::Key_Home);
    b->context()->makeCurrent();
    EXPECT_EQ(CUS.COMPANY.view(), "Adams Trading");
    closeWindow(b);
}

TEST_F(BrowseTest, LayoutAndTabComeBackFromTheSettingsFile)
{
    addCustomers(4);
    CustomerBrowse *b = start();
    b->tabs->setCurrentIndex(1);
    QHeaderView *header = b->list->view()->horizontalHeader();
    header->resizeSection(1, 200);
    header->moveSection(1, 0); // the number column first, wider
    closeWindow(b);
    EXPECT_EQ(settings().Fetch("Brw:TestCustomers", "TabChoice"), "2");
    const std::string format = settings().Fetch("Brw:TestCustomers", "Format");
    EXPECT_EQ(format.find("~Cust #~"), format.find('~')) << format;

    b = start();
    EXPECT_EQ(b->tabs->currentIndex(), 1);
    EXPECT_EQ(b->browse.Order(), 2);
    EXPECT_EQ(b->browse.model()->headerData(0, Qt::Horizontal).toString(), "Cust #");
    const int width = b->list->view()->horizontalHeader()->sectionSize(0);
    EXPECT_NEAR(width, 200, 4) << "the dragged width, through dialog units";
    closeWindow(b);
}

TEST_F(BrowseTest, TwoWindowsKeepTheirOwnHighlightedRecords)
{
    addCustomers(30);
    CustomerBrowse *a = start();
    CustomerBrowse *b = start();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(a->list->view(), Qt::Key_Down);
    QTest::keyClick(b->list->view(), Qt::Key_End);
    a->context()->makeCurrent();
    EXPECT_EQ(CUS.CUSTOMERNO.view(), "C004");
    b->context()->makeCurrent();
    EXPECT_EQ(CUS.CUSTOMERNO.view(), "C030");

    // A change made in one window shows in the other when it regains focus.
    a->forms.push_back([](CustomerForm &f) {
        type(f.name, "Renamed");
        f.ok->click();
    });
    a->change->click();
    b->context()->makeCurrent();
    QTest::keyClick(b->list->view(), Qt::Key_Home);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(b->list->view(), Qt::Key_Down);
    EXPECT_EQ(b->browse.model()->text(3, 1).toStdString(), "Renamed");
    closeWindow(a);
    closeWindow(b);
}

TEST_F(BrowseTest, TheThumbGoesToEitherEndAndByKeyInBetween)
{
    addCustomers(100);
    CustomerBrowse *b = start();
    b->browse.TakeScroll(100);
    EXPECT_EQ(b->highlighted(), "C100");
    EXPECT_EQ(b->list->thumb()->value(), 100);
    b->browse.TakeScroll(1);
    EXPECT_EQ(b->highlighted(), "C001");
    b->tabs->setCurrentIndex(1); // by name: the step object reads the names' letters
    b->browse.TakeScroll(60);
    const QString middle = b->browse.model()->text(b->browse.page().selected(), 0);
    EXPECT_GT(middle, "Adams");
    EXPECT_LT(middle, "Young");
    EXPECT_NEAR(b->list->thumb()->value(), 60, 15);
    const std::string before = b->highlighted();
    QTest::keyClick(b->list->view(), Qt::Key_PageDown);
    EXPECT_NE(b->highlighted(), before);
    EXPECT_GE(b->browse.model()->text(b->browse.page().selected(), 0), middle);
    closeWindow(b);
}

TEST_F(BrowseTest, ABadFilterIsReportedAndTheListShowsEverything)
{
    addCustomers(3);
    CustomerBrowse *b = start();
    b->browse.SetFilter("CUS:NOSUCHFIELD = 1");
    b->browse.ResetSort(true);
    EXPECT_EQ(titles().back(), "View Open Error");
    EXPECT_EQ(b->browse.Records(), 3u);
    closeWindow(b);
}

TEST(ToolbarStates, FollowTheFormsRequest)
{
    const fw::ToolbarStates insert = fw::formToolbarStates(fw::InsertRecord, true, false);
    EXPECT_TRUE(insert.at(fw::Nav::Insert).enabled);
    EXPECT_EQ(insert.at(fw::Nav::Down).tip, "Save record and add another");
    EXPECT_FALSE(insert.at(fw::Nav::Up).enabled);
    EXPECT_TRUE(insert.at(fw::Nav::History).enabled);
    const fw::ToolbarStates change = fw::formToolbarStates(fw::ChangeRecord, false, true);
    for (int code : {fw::Nav::Bottom, fw::Nav::Top, fw::Nav::PageDown, fw::Nav::PageUp, fw::Nav::Down, fw::Nav::Up})
        EXPECT_TRUE(change.at(code).enabled) << code;
    EXPECT_EQ(change.at(fw::Nav::PageUp).tip, "Save changes and page up to record");
    EXPECT_FALSE(change.at(fw::Nav::Change).enabled);
    EXPECT_FALSE(change.at(fw::Nav::History).enabled) << "no history key";
    EXPECT_TRUE(change.at(fw::Nav::Help).enabled);
    for (const auto &[code, state] : fw::formToolbarStates(fw::DeleteRecord, true, false))
        EXPECT_FALSE(state.enabled) << code;
}

TEST_F(BrowseTest, ColumnsFitTheirHeadersAndTheListOpensWithFifteenRows)
{
    addCustomers(30);
    CustomerBrowse *b = start();
    QCoreApplication::processEvents();
    QHeaderView *header = b->list->view()->horizontalHeader();
    const QFontMetrics metrics(b->list->view()->font());
    const fw::DialogUnits units{metrics.averageCharWidth(), metrics.height()};
    for (int tab : {0, 2}) {
        b->tabs->setCurrentIndex(tab);
        const fw::ListFormat &format = b->browse.format();
        for (int column = 0; column + 1 < header->count(); ++column) {
            EXPECT_GE(header->sectionSize(column), units.toPixelsX(*format.column(column).width)) << column;
            EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column)) << "header text fits";
        }
    }
    // A narrow column keeps its header readable.
    b->browse.SetFormat("4L(2)|~Customer Number~@s10@#1#40L(2)|~Last Name~@s15@#2#");
    EXPECT_GE(header->sectionSize(0), metrics.horizontalAdvance(QStringLiteral("Customer Number")));
    EXPECT_GE(b->list->visibleRows(), fw::BrowseList::OpenRows) << "opened as a letterbox";
    EXPECT_GE(b->browse.Records(), static_cast<std::size_t>(fw::BrowseList::OpenRows));
    closeWindow(b);
}

TEST_F(BrowseTest, TheEntryLocatorFollowsEachKeyAndKeysTypedOnTheListGoIntoIt)
{
    addCustomers(10);
    CustomerBrowse *b = start();
    b->tabs->setCurrentIndex(2);
    b->companyEntry->setFocus();
    QTest::keyClicks(b->companyEntry, "p");
    b->context()->makeCurrent();
    EXPECT_EQ(CUS.COMPANY.view(), "Parker Trading") << "moved without Enter";

    b->list->view()->setFocus();
    QTest::keyClick(b->list->view(), Qt::Key_Backspace);
    QTest::keyClicks(b->list->view(), "Sm");
    EXPECT_EQ(b->companyEntry->text(), "Sm");
    b->context()->makeCurrent();
    EXPECT_EQ(CUS.COMPANY.view(), "Smith Trading");
    QTest::keyClick(b->list->view(), Qt::Key_Backspace);
    b->context()->makeCurrent();
    EXPECT_EQ(CUS.COMPANY.view(), "Scott Trading");
    EXPECT_EQ(b->window()->focusWidget(), b->list->view()) << "the list keeps the keys";

    QTest::keyClick(b->list->view(), Qt::Key_Return);
    EXPECT_TRUE(b->formsOn.empty()) << "plain Enter goes to the locator, not to a form";
    b->tabs->setCurrentIndex(1);
    EXPECT_TRUE(b->companyEntry->text().isEmpty()) << "another order starts a new search";
    QTest::keyClick(b->list->view(), Qt::Key_T);
    b->context()->makeCurrent();
    EXPECT_EQ(CUS.LNAME.view(), "Turner") << "an order without an entry keeps its step locator";
    const std::string turner = b->highlighted();
    QTest::keyClick(b->list->view(), Qt::Key_Return);
    ASSERT_FALSE(b->formsOn.empty());
    EXPECT_EQ(b->formsOn.back(), turner) << "with no entry to locate by, plain Enter changes the row";
    closeWindow(b);
}

namespace {

// A declared pick list: a customer without a last name is refused and the list stays open; one
// named "Gone" is refused and ends the pick.
class CustomerPick : public fw::BrowseProcedure
{
public:
    CustomerPick()
        : fw::BrowseProcedure(declaration())
    {}
    int refusals = 0;

protected:
    int Chosen() override
    {
        if (CUS.LNAME.view() == "Gone")
            return fw::RequestCancelled;
        if (!CUS.LNAME.blank())
            return fw::RequestCompleted;
        ++refusals;
        return fw::NoResponse;
    }

private:
    static const fw::BrowseSpec &declaration()
    {
        static const fw::BrowseSpec spec{
            .procedure = {.name = "Brw:TestPick", .title = "Pick", .files = {Relate::CUSTOMER}},
            .primary = &Relate::CUSTOMER,
            .tabs = {{"&Number", nullptr, CUS.CustomerNo_Key, nullptr, fw::Locate(CUS.CUSTOMERNO),
                      "40L(2)|~Cust #~@s10@#1#60L(2)~Last Name~@s15@#2#"}},
            .queue = {fw::Plain(CUS.CUSTOMERNO), fw::Plain(CUS.LNAME)},
            .buttons = {.selectText = "&Select", .closeText = "Cancel"},
            .selectOnly = true,
        };
        return spec;
    }
};

void addNamed(const char *number, const char *name)
{
    ASSERT_EQ(Access::CUSTOMER.PrimeRecord(), Benign);
    CUS.CUSTOMERNO = number;
    CUS.LNAME = name;
    ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
}

} // namespace

TEST_F(BrowseTest, APickListSelectsWhateverItWasRunWithAndItsChoiceMayRefuse)
{
    addNamed("C001", "Adams");
    addNamed("C002", "");
    addNamed("C003", "Gone");
    CustomerPick pick;
    QTimer::singleShot(0, &pick, [&] {
        EXPECT_TRUE(pick.widgets().select->isVisible()) << "a pick list has its Select button without a select request";
        EXPECT_EQ(pick.widgets().select->text(), "&Select");
        QTest::keyClick(pick.widgets().list->view(), Qt::Key_Down);
        pick.widgets().select->click();
        EXPECT_EQ(pick.refusals, 1);
        EXPECT_TRUE(pick.window()->isVisible()) << "refused with no response: the list stays open";
        QTest::keyClick(pick.widgets().list->view(), Qt::Key_Down);
        QTest::keyClick(pick.widgets().list->view(), Qt::Key_Return);
    });
    GlobalRequest = 0;
    EXPECT_EQ(pick.Run(), fw::RequestCancelled) << "the refusal ends the pick as cancelled";
    EXPECT_EQ(GlobalResponse, fw::RequestCancelled);

    CustomerPick again;
    QTimer::singleShot(0, &again, [&] { again.widgets().select->click(); });
    GlobalRequest = 0;
    EXPECT_EQ(again.Run(), fw::RequestCompleted);
    EXPECT_EQ(CUS.CUSTOMERNO.view(), "C001") << "the chosen record stays in the buffer";
}
