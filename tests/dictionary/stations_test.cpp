// Several stations on one data folder: numbering, change detection and exclusive use hold
// across processes.
#include "dictionary/files.h"
#include "tests/support/datafolder.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <unistd.h>

using namespace dict;
using namespace testsupport;

namespace {
using StationsTest = DataFolderTest;

std::vector<int> numbersIn(const std::string &output)
{
    std::vector<int> numbers;
    std::istringstream lines(output);
    for (int n; lines >> n;)
        numbers.push_back(n);
    return numbers;
}
} // namespace

TEST_F(StationsTest, TwoStationsNumberingInvoicesAtOnceGetDistinctNumbers)
{
    ASSERT_EQ(Access::INVOICE.Open(), Benign); // both stations find the file there
    Access::INVOICE.Close();
    constexpr int each = 150;
    WorkerProcess a = startWorker(folder, {"insert-invoices", std::to_string(each)});
    WorkerProcess b = startWorker(folder, {"insert-invoices", std::to_string(each)});
    std::string outA, outB, line;
    while (!(line = readLine(a.output)).empty())
        outA += line + "\n";
    while (!(line = readLine(b.output)).empty())
        outB += line + "\n";
    EXPECT_EQ(waitWorker(a.pid), 0);
    EXPECT_EQ(waitWorker(b.pid), 0);
    ::close(a.output);
    ::close(b.output);

    std::vector<int> all = numbersIn(outA);
    const std::vector<int> fromB = numbersIn(outB);
    all.insert(all.end(), fromB.begin(), fromB.end());
    ASSERT_EQ(all.size(), 2u * each);
    const std::set<int> distinct(all.begin(), all.end());
    EXPECT_EQ(distinct.size(), all.size());
    EXPECT_EQ(*distinct.rbegin(), 2 * each) << "no number is skipped";

    ASSERT_EQ(Access::INVOICE.Open(), Benign);
    EXPECT_EQ(Access::INVOICE.Records(), 2 * each);
    std::set<int> recordNumbers;
    Access::INVOICE.SetStart(INV.RecordNo_Key);
    while (Access::INVOICE.Next() == Benign)
        recordNumbers.insert(INV.RECORDNO);
    EXPECT_EQ(recordNumbers.size(), 2u * each) << "record numbers are distinct too";
}

TEST_F(StationsTest, SaveOfARecordAnotherStationChangedFailsAndShowsTheirVersion)
{
    ASSERT_EQ(Relate::CUSTOMER.Open(), Benign);
    Access::CUSTOMER.PrimeRecord();
    CUS.CUSTOMERNO = "C1";
    CUS.COMPANY = "Original";
    ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    Relate::CUSTOMER.Save();

    ASSERT_EQ(runWorker(folder, {"set-company", "C1", "Their change"}).status, 0);

    CUS.COMPANY = "My change";
    EXPECT_NE(Relate::CUSTOMER.Update(true), Benign);
    EXPECT_EQ(titles().back(), "Record Was Not Updated");
    EXPECT_EQ(texts().back(), "This record was changed by another station. Those changes will now be displayed. "
                              "Use the Ditto Button or Ctrl+' to recall your changes.");
    EXPECT_EQ(CUS.COMPANY.view(), "Their change");

    // Saving again now writes over the version the user has seen.
    CUS.COMPANY = "My change";
    EXPECT_EQ(Relate::CUSTOMER.Update(true), Benign);
    ASSERT_EQ(runWorker(folder, {"set-company", "C1", "Third"}).status, 0) << "their station sees my version";
    Relate::CUSTOMER.Close();
}

// A station that holds a file exclusively holds the whole database: no other file of it opens
// elsewhere. And an exclusive open waits for no one: it is refused while any other station has
// the database open, even idle.
TEST_F(StationsTest, ExclusiveUseHoldsTheWholeDatabaseAndNeedsItFree)
{
    ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
    Access::CUSTOMER.Close();
    const struct {
        const char *holderJob;
        storage::OpenMode mode;
    } cases[] = {{"hold-exclusive", storage::OpenMode::ReadWriteShared},
                 {"hold-exclusive", storage::OpenMode::ReadOnlyShared},
                 {"hold-open", storage::OpenMode::Exclusive}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.holderJob);
        WorkerProcess holder = startWorker(folder, {c.holderJob, "3"});
        ASSERT_EQ(readLine(holder.output), "held");
        Access::INVOICE.SetOpenMode(c.mode);
        Access::INVOICE.SetLockRecovery(1);
        EXPECT_NE(Access::INVOICE.TryOpen(), Benign);
        EXPECT_EQ(Access::INVOICE.GetError(), Err::AccessDenied);
        EXPECT_EQ(waitWorker(holder.pid), 0);
        ::close(holder.output);
        EXPECT_EQ(Access::INVOICE.TryOpen(), Benign) << "free again once the holder is gone";
        closeAllFiles();
        Access::INVOICE.SetOpenMode(storage::OpenMode::ReadWriteShared);
        Access::INVOICE.SetLockRecovery(10);
    }
}
