// Batch passes in their progress window: every record of the view processed in time slices,
// cancel half-way, a filter that matches nothing, a filter that cannot be used.
#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "dictionary/unitofwork.h"
#include "framework/reportmanager.h"
#include "tests/support/datafolder.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace dict;
using testsupport::DataFolderTest;

namespace {

// Marks the company of every customer it reads; can press its own Cancel after some records.
class MarkCustomers : public fw::ReportManager
{
public:
    struct Pass : fw::ProcessClass {
        MarkCustomers *owner = nullptr;
        int TakeRecord() override
        {
            CUS.COMPANY = "DONE";
            if (Access::CUSTOMER.Update() != Benign)
                return Notify;
            if (++owner->processed == owner->cancelAfter)
                QTimer::singleShot(0, owner->cancelButton(), [b = owner->cancelButton()] { b->click(); });
            return Benign;
        }
    } pass;
    std::string filter;
    int processed = 0;
    int cancelAfter = -1;
    int lastPercent = -1;
    std::string lastText;

    int Init() override
    {
        procedureName = "Win:TestProcess";
        WindowManager::Init();
        Relate::CUSTOMER.Open();
        pass.owner = this;
        pass.Init(&Relate::CUSTOMER);
        pass.AddSortOrder(CUS.CustomerNo_Key);
        if (!filter.empty())
            pass.SetFilter(filter);
        ReportManager::Init(&pass);
        TimeSlice = 1; // many small slices, so a cancel lands mid-run
        auto show = pass.showProgress;
        pass.showProgress = [this, show](int percent, const std::string &text) {
            show(percent, text);
            lastPercent = percent;
            lastText = text;
        };
        return Open();
    }
    int Kill() override
    {
        WindowManager::Kill();
        Relate::CUSTOMER.Close();
        return Benign;
    }
};

class ProcessTest : public DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
        UnitOfWork unit{&Access::CUSTOMER};
        for (int i = 1; i <= count; ++i) {
            Access::CUSTOMER.PrimeRecord();
            char number[11];
            std::snprintf(number, sizeof number, "C%05d", i);
            CUS.CUSTOMERNO = number;
            CUS.BALANCE = i % 2;
            ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
        }
        ASSERT_EQ(unit.Commit(), Benign);
    }
    void TearDown() override
    {
        Access::CUSTOMER.Close();
        DataFolderTest::TearDown();
    }
    int marked()
    {
        int n = 0;
        Access::CUSTOMER.SetStart(CUS.CustomerNo_Key);
        while (Access::CUSTOMER.Next() == Benign)
            n += CUS.COMPANY == "DONE";
        return n;
    }
    static constexpr int count = 600;
};

} // namespace

TEST_F(ProcessTest, EveryRecordOfTheViewIsProcessedAndTheRunCompletes)
{
    MarkCustomers run;
    EXPECT_EQ(run.Run(), fw::RequestCompleted);
    EXPECT_EQ(run.processed, count);
    EXPECT_EQ(marked(), count);
    EXPECT_EQ(run.lastPercent, 100);
    EXPECT_EQ(run.lastText, "100% Complete");
}

TEST_F(ProcessTest, FilterLimitsThePass)
{
    MarkCustomers run;
    run.filter = "Cus:Balance > 0";
    EXPECT_EQ(run.Run(), fw::RequestCompleted);
    EXPECT_EQ(run.processed, count / 2);
    EXPECT_EQ(marked(), count / 2);
}

TEST_F(ProcessTest, CancelHalfWayStopsAndKeepsWhatWasDone)
{
    MarkCustomers run;
    run.cancelAfter = 100;
    EXPECT_EQ(run.Run(), fw::RequestCancelled);
    EXPECT_GE(run.processed, 100);
    EXPECT_LT(run.processed, count);
    EXPECT_EQ(marked(), run.processed) << "processed records stay processed, the rest untouched";
}

TEST_F(ProcessTest, FilterMatchingNothingEndsAtOnceCancelledAtZero)
{
    MarkCustomers run;
    run.filter = "Cus:Balance > 5";
    EXPECT_EQ(run.Run(), fw::RequestCancelled);
    EXPECT_EQ(run.processed, 0);
    EXPECT_EQ(run.lastText, "0% Completed");
}

TEST_F(ProcessTest, FilterThatCannotBeUsedIsReportedAndIgnored)
{
    MarkCustomers run;
    run.filter = "Cus:Balance > 0 Cus:Balance < 5";
    EXPECT_EQ(run.Run(), fw::RequestCompleted);
    ASSERT_FALSE(screen.shown().empty());
    EXPECT_EQ(titles().front(), "View Open Error");
    EXPECT_NE(texts().front().find("Filter and Range Limits ignored."), std::string::npos);
    EXPECT_EQ(run.processed, count) << "read without the filter";
}
