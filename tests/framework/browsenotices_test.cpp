// Open browses follow the file: a save in another window shows at once, another station's on the
// next tick of the change stamp, and a browse's own form is never disturbed by either.
#include "dictionary/files.h"
#include "dictionary/unitofwork.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/browsemodel.h"
#include "framework/browsenotices.h"
#include "framework/iniclass.h"
#include "framework/reportslib.h"
#include "framework/threadcontext.h"
#include "framework/windowmanager.h"
#include "tests/support/customerform.h"
#include "tests/support/customerfolder.h"
#include "tests/support/datafolder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <deque>
#include <functional>

using namespace dict;
using testsupport::CustomerForm;
using testsupport::DataFolderTest;

namespace {

constexpr int Tick = fw::BrowseNotices::CheckMilliseconds;

// Customers by number: number, last name and balance.
class NoticeBrowse : public fw::WindowManager
{
public:
    fw::BrowseClass browse;
    fw::BrowseList *list = nullptr;
    QPushButton *change = nullptr, *close = nullptr;
    std::deque<std::function<void(CustomerForm &)>> forms; // how each form that opens is driven

    int Init() override
    {
        procedureName = "Brw:NoticeCustomers";
        WindowManager::Init();
        GlobalRequest = 0;
        GlobalResponse = 0;
        Relate::CUSTOMER.Open();
        auto *w = CreateWindow(QStringLiteral("Customers"));
        auto *layout = new QVBoxLayout(w);
        layout->addWidget(list = new fw::BrowseList(w));
        layout->addWidget(change = new QPushButton(QStringLiteral("&Change"), w));
        layout->addWidget(close = new QPushButton(QStringLiteral("Close"), w));
        w->resize(420, 300);
        browse.Init(list, &Relate::CUSTOMER, this);
        browse.AddSortOrder(CUS.CustomerNo_Key, {},
                            "40L(2)|~Cust #~@s10@#1#60L(2)|~Last Name~@s15@#2#56R(2)|~Balance~@n-12.2@#3#");
        browse.AddField(field(CUS.CUSTOMERNO));
        browse.AddField(field(CUS.LNAME));
        browse.AddField(field(CUS.BALANCE));
        browse.SetUpdateButtons(nullptr, change, nullptr);
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
        auto drive = forms.empty() ? [](CustomerForm &f) { f.cancel->click(); } : forms.front();
        if (!forms.empty())
            forms.pop_front();
        QTimer::singleShot(0, &form, [&] { drive(form); });
        return form.Run();
    }
    std::string cell(int row, int column) const
    {
        return browse.model()->text(row, column).trimmed().toStdString();
    }
    std::string highlighted() const
    {
        const int row = browse.page().selected();
        return row < 0 ? "" : cell(row, 0);
    }
};

class BrowseNoticeTest : public testsupport::CustomerFolderTest
{
protected:
    static NoticeBrowse *start()
    {
        auto *browse = new NoticeBrowse;
        browse->Start();
        return browse;
    }
    static void closeWindow(NoticeBrowse *browse)
    {
        CustomerFolderTest::closeWindow(browse, browse->close);
        fw::ThreadContext::mainContext().makeCurrent();
    }
    static void type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        Q_EMIT edit->editingFinished();
    }
    // Fetches a customer into the current context's buffer.
    static void fetch(const char *customerNo)
    {
        CUS.CUSTOMERNO = customerNo;
        ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    }
};

} // namespace

TEST_F(BrowseNoticeTest, ASaveInAnotherWindowShowsAtOnceAndTheHighlightStays)
{
    addCustomers(20);
    NoticeBrowse *a = start();
    NoticeBrowse *b = start();
    QSignalSpy refreshed(&a->browse.notices(), &fw::BrowseNotices::refreshed);
    QTest::keyClick(a->list->view(), Qt::Key_Down);
    QTest::keyClick(a->list->view(), Qt::Key_Down);
    QTest::keyClick(b->list->view(), Qt::Key_Down);
    b->forms.push_back([](CustomerForm &f) {
        type(f.name, "Renamed");
        type(f.balance, "12.50");
        f.ok->click();
    });
    b->context()->makeCurrent();
    b->change->click();

    ASSERT_TRUE(QTest::qWaitFor([&] { return a->cell(1, 1) == "Renamed"; }, Tick / 2)) << "no tick, no focus change";
    EXPECT_EQ(a->cell(1, 2), "12.50");
    EXPECT_EQ(a->highlighted(), "C003");
    EXPECT_EQ(refreshed.count(), 1);
    a->context()->makeCurrent();
    EXPECT_EQ(CUS.CUSTOMERNO.view(), "C003") << "the browse read into its own records";
    b->context()->makeCurrent();
    EXPECT_EQ(CUS.CUSTOMERNO.view(), "C002") << "and left the writer's alone";

    QTest::qWait(Tick * 3 / 2);
    EXPECT_EQ(refreshed.count(), 1) << "a save of this process does not come back through the change stamp";

    // The highlighted record deleted elsewhere: its successor takes its place.
    {
        const fw::ContextScope writer(b->context());
        fetch("C003");
        ASSERT_EQ(Relate::CUSTOMER.Delete(false), Benign);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return a->highlighted() == "C004"; }, Tick / 2));
    EXPECT_EQ(a->cell(2, 0), "C004") << "on the same screen row";

    // A key changed elsewhere: the highlight follows its record.
    {
        const fw::ContextScope writer(b->context());
        fetch("C004");
        Relate::CUSTOMER.Save();
        CUS.CUSTOMERNO = "C015X";
        ASSERT_EQ(Relate::CUSTOMER.Update(), Benign);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return a->highlighted() == "C015X"; }, Tick / 2));
    closeWindow(a);
    closeWindow(b);
}

TEST_F(BrowseNoticeTest, WhileItsOwnFormIsOpenTheBrowseWaitsAndTheFormKeepsItsRecord)
{
    addCustomers(10);
    NoticeBrowse *a = start();
    NoticeBrowse *other = start();
    QSignalSpy refreshed(&a->browse.notices(), &fw::BrowseNotices::refreshed);
    QTest::keyClick(a->list->view(), Qt::Key_Down);
    a->forms.push_back([&](CustomerForm &f) {
        type(f.name, "Typed");
        {
            const fw::ContextScope writer(other->context());
            fetch("C001");
            CUS.LNAME = "Elsewhere";
            ASSERT_EQ(Access::CUSTOMER.Update(), Benign);
        }
        QTest::qWait(Tick * 3 / 2); // the notice and a tick go by
        EXPECT_EQ(refreshed.count(), 0);
        EXPECT_EQ(a->cell(0, 1), "Adams") << "the page waits for the form";
        a->context()->makeCurrent();
        EXPECT_EQ(CUS.CUSTOMERNO.view(), "C002");
        EXPECT_EQ(CUS.LNAME.view(), "Typed") << "the form's record is untouched";
        f.ok->click();
    });
    a->context()->makeCurrent();
    a->change->click();

    EXPECT_EQ(a->cell(0, 1), "Elsewhere") << "read when the form returned";
    EXPECT_EQ(a->cell(1, 1), "Typed");
    EXPECT_EQ(a->highlighted(), "C002");
    QTest::qWait(Tick * 3 / 2);
    EXPECT_EQ(refreshed.count(), 0) << "the page read after the form left nothing to refresh";
    closeWindow(a);
    closeWindow(other);
}

TEST_F(BrowseNoticeTest, AnotherStationsSaveShowsAfterTheNextTick)
{
    addCustomers(5);
    NoticeBrowse *a = start();
    QSignalSpy refreshed(&a->browse.notices(), &fw::BrowseNotices::refreshed);
    QTest::keyClick(a->list->view(), Qt::Key_Down);
    ASSERT_EQ(testsupport::runWorker(folder, {"set-balance", "C003", "250.75"}).status, 0);

    ASSERT_TRUE(QTest::qWaitFor([&] { return a->cell(2, 2) == "250.75"; }, Tick * 3));
    EXPECT_EQ(a->highlighted(), "C002");
    EXPECT_EQ(refreshed.count(), 1);
    QTest::qWait(Tick * 3 / 2);
    EXPECT_EQ(refreshed.count(), 1) << "the stamp has not moved since";
    closeWindow(a);
}

TEST_F(BrowseNoticeTest, ABalanceMovedByAPaymentElsewhereShowsInItsRowWhenTheUnitCommits)
{
    addCustomers(5);
    NoticeBrowse *a = start();
    NoticeBrowse *b = start();
    QSignalSpy refreshed(&a->browse.notices(), &fw::BrowseNotices::refreshed);
    // A payment as the payment window books it: FINANCE and the balance in one unit.
    const auto pay = [&](double amount, bool commit) {
        b->context()->makeCurrent();
        fetch("C003");
        UnitOfWork unit{&Access::CUSTOMER, &Access::FINANCE};
        ASSERT_EQ(Access::FINANCE.PrimeRecord(), Benign);
        FIN.CUSTOMERNO = "C003";
        FIN.AMOUNTDUE = -amount;
        ASSERT_EQ(Access::FINANCE.Insert(), Benign);
        CUS.BALANCE = CUS.BALANCE - amount;
        ASSERT_EQ(Access::CUSTOMER.Update(), Benign);
        QTest::qWait(Tick * 3 / 2);
        EXPECT_EQ(refreshed.count(), 0) << "never a unit half done";
        b->context()->makeCurrent();
        if (commit) {
            ASSERT_EQ(unit.Commit(), Benign);
        }
    };

    pay(40, false);
    QCoreApplication::processEvents();
    EXPECT_EQ(refreshed.count(), 0) << "a unit rolled back tells nothing";
    EXPECT_EQ(a->cell(2, 2), "0.00");

    pay(40, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return a->cell(2, 2) == "-40.00"; }, Tick / 2));
    EXPECT_EQ(refreshed.count(), 1);
    closeWindow(a);
    closeWindow(b);
}
