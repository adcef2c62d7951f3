// What happens to stored data when things go wrong: damaged or foreign files, read-only folders,
// a failure half-way through a unit of work, a station killed while writing.
#include "dictionary/files.h"
#include "dictionary/unitofwork.h"
#include "tests/support/datafolder.h"
#include "tests/support/faultvfs.h"

#include <sqlite3.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace dict;
using namespace testsupport;

namespace {

class DataSafetyTest : public DataFolderTest
{
protected:
    void writeFile(const char *path, const std::string &bytes)
    {
        std::filesystem::create_directories("data");
        std::ofstream(path, std::ios::binary) << bytes;
    }
};


} // namespace

TEST_F(DataSafetyTest, GarbageFileIsReportedByNameAndLeftExactlyAsItWas)
{
    std::string garbage(5000, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<char>((i * 7919) % 251);
    writeFile(dict::DatabasePath, garbage);
    EXPECT_NE(Access::CUSTOMER.Open(), Benign);
    ASSERT_FALSE(screen.shown().empty());
    EXPECT_EQ(titles().back(), "File Access Error");
    EXPECT_NE(texts().back().find("File (CUSTOMER in data/tallyquill.db) could not be opened."), std::string::npos) << texts().back();
    EXPECT_EQ(screen.halts().size(), 1u) << "a file that cannot be opened ends the program";
    EXPECT_EQ(fileBytes(dict::DatabasePath), garbage);
    EXPECT_FALSE(Access::CUSTOMER.Opened());
}

TEST_F(DataSafetyTest, FileOfAnotherLayoutIsReportedAndNeverRecreated)
{
    ASSERT_EQ(Access::MEMOS.Open(), Benign);
    closeAllFiles();
    sqlOn(dict::DatabasePath, "CREATE TABLE CUSTOMER (CUSTOMERNO TEXT, NAME TEXT); INSERT INTO CUSTOMER VALUES ('1','x')");
    const std::string before = fileBytes(dict::DatabasePath);
    EXPECT_NE(Access::CUSTOMER.Open(), Benign);
    EXPECT_EQ(titles().back(), "File Access Error");
    EXPECT_NE(texts().back().find("Invalid Record Declaration"), std::string::npos) << texts().back();
    EXPECT_EQ(fileBytes(dict::DatabasePath), before);
    EXPECT_EQ(Access::MEMOS.Open(), Benign) << "the other tables of the database are sound";
    closeAllFiles();

    std::filesystem::remove(dict::DatabasePath);
    sqlOn(dict::DatabasePath, "CREATE TABLE MEMOS (x TEXT)");
    const std::string foreign = fileBytes(dict::DatabasePath);
    EXPECT_NE(Access::MEMOS.Open(), Benign);
    EXPECT_NE(Access::CUSTOMER.Open(), Benign);
    EXPECT_EQ(fileBytes(dict::DatabasePath), foreign) << "another program's database is not ours to add to";
}

// A file verified once is not looked at again while the schema stays as it was; a table replaced
// meanwhile at another station is looked at again, and refused, on the same connection.
TEST_F(DataSafetyTest, ATableReplacedWhileTheDatabaseStaysOpenIsVerifiedAgainAndRefused)
{
    ASSERT_EQ(Access::MEMOS.Open(), Benign); // holds the connection open throughout
    ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
    Access::CUSTOMER.Close();
    ASSERT_EQ(Access::CUSTOMER.Open(), Benign) << "verified before, unchanged since";
    Access::CUSTOMER.Close();
    sqlOn(dict::DatabasePath, "DROP TABLE CUSTOMER; CREATE TABLE CUSTOMER (CUSTOMERNO TEXT, NAME TEXT)");
    const std::string before = fileBytes(dict::DatabasePath);
    EXPECT_NE(Access::CUSTOMER.Open(), Benign);
    EXPECT_NE(texts().back().find("Invalid Record Declaration"), std::string::npos) << texts().back();
    EXPECT_EQ(fileBytes(dict::DatabasePath), before);
}

TEST_F(DataSafetyTest, DataFilesOfAnEarlierBuildAreReportedAndNothingIsCreated)
{
    writeFile("data/customer.tps", "the customers, as an earlier build kept them");
    EXPECT_NE(Access::CUSTOMER.Open(), Benign);
    EXPECT_EQ(titles().back(), "File Creation Error");
    EXPECT_NE(texts().back().find("data/customer.tps is a data file of an earlier build"), std::string::npos)
        << texts().back();
    EXPECT_FALSE(std::filesystem::exists(dict::DatabasePath));
    EXPECT_EQ(fileBytes("data/customer.tps"), "the customers, as an earlier build kept them");
}

TEST_F(DataSafetyTest, DamagedKeysAreRebuiltWithTheRecordsKept)
{
    ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
    Access::CUSTOMER.PrimeRecord();
    CUS.CUSTOMERNO = "C1";
    CUS.PHONENO = "555-0100";
    ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
    closeAllFiles();
    sqlOn(dict::DatabasePath, "DROP INDEX \"CUS:Phone_Key\"");
    ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
    EXPECT_EQ(titles().front(), "Invalid Key");
    EXPECT_EQ(Access::CUSTOMER.Records(), 1);
    Access::CUSTOMER.SetStart(CUS.Phone_Key);
    EXPECT_EQ(Access::CUSTOMER.Next(), Benign) << "the rebuilt key reads the record";
}

TEST_F(DataSafetyTest, ReadOnlyFolderFallsBackToReadingWithItsMessage)
{
    ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
    Access::CUSTOMER.PrimeRecord();
    CUS.CUSTOMERNO = "C1";
    ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
    closeAllFiles();
    std::filesystem::permissions("data", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec
                                             | std::filesystem::perms::group_read | std::filesystem::perms::others_read
                                             | std::filesystem::perms::group_exec | std::filesystem::perms::others_exec);
    std::filesystem::permissions(dict::DatabasePath, std::filesystem::perms::all, std::filesystem::perm_options::remove);
    std::filesystem::permissions(dict::DatabasePath, std::filesystem::perms::owner_read | std::filesystem::perms::group_read
                                                          | std::filesystem::perms::others_read);

    // Permissions do not bind the superuser: check as an ordinary user in a child process.
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            ::_exit(10);
        screen.clear();
        Access::CUSTOMER.SetLockRecovery(0);
        if (Access::CUSTOMER.Open() != Benign)
            ::_exit(11);
        if (titles() != std::vector<std::string>{"Access Denied"})
            ::_exit(12);
        if (texts().front() != "Could not get write access to CUSTOMER in data/tallyquill.db so trying read-only.")
            ::_exit(13);
        CUS.CUSTOMERNO = "C1";
        if (Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) != Benign)
            ::_exit(14);
        CUS.COMPANY = "changed";
        if (Access::CUSTOMER.TryUpdate() == Benign)
            ::_exit(15);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    std::filesystem::permissions("data", std::filesystem::perms::owner_all);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "child failed at step " << WEXITSTATUS(status);
}

TEST_F(DataSafetyTest, FailureHalfWayThroughAUnitLeavesAllFilesAsTheyWere)
{
    FileManager *files[] = {&Access::CUSTOMER, &Access::INVOICE, &Access::FINANCE, &Access::TOTALINV, &Access::STOCK};
    for (FileManager *f : files)
        ASSERT_EQ(f->Open(), Benign);
    TOT.RECORDNO = 1;
    ASSERT_EQ(Access::TOTALINV.Insert(), Benign);
    const std::string before = fileBytes(dict::DatabasePath);
    {
        UnitOfWork unit{&Access::CUSTOMER, &Access::INVOICE, &Access::FINANCE, &Access::TOTALINV, &Access::STOCK};
        ASSERT_TRUE(unit.Active());
        Access::CUSTOMER.PrimeRecord();
        CUS.CUSTOMERNO = "C1";
        ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
        Access::INVOICE.PrimeRecord();
        ASSERT_EQ(Access::INVOICE.Insert(), Benign);
        Access::FINANCE.PrimeRecord();
        ASSERT_EQ(Access::FINANCE.Insert(), Benign);
        EXPECT_EQ(Access::FINANCE.Records(), 1) << "the unit sees its own writes";
        TOT.RECORDNO = 1; // the fourth write fails: a duplicate
        EXPECT_NE(Access::TOTALINV.Insert(), Benign);
        // leaving the scope without Commit rolls everything back
    }
    EXPECT_EQ(Access::CUSTOMER.Records(), 0);
    EXPECT_EQ(Access::INVOICE.Records(), 0);
    EXPECT_EQ(Access::FINANCE.Records(), 0);
    EXPECT_EQ(Access::TOTALINV.Records(), 1);
    EXPECT_EQ(fileBytes(dict::DatabasePath), before);
}

// A unit that could not begin, or that was undone, never lets a write through to its files: the
// writes made "inside" it would otherwise land one by one, outside any unit.
TEST_F(DataSafetyTest, UnitThatFailedOrWasUndoneRefusesEveryWriteUntilItIsGone)
{
    testsupport::FaultyDisk::install();
    ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
    ASSERT_EQ(Access::FINANCE.Open(), Benign);
    const auto insertCustomer = [](const char *number) {
        Access::CUSTOMER.PrimeRecord();
        CUS.CUSTOMERNO = number;
        return Access::CUSTOMER.TryInsert();
    };
    {
        testsupport::FaultyDisk::arm(testsupport::Fault::Lock, 1);
        UnitOfWork unit{&Access::CUSTOMER, &Access::FINANCE};
        testsupport::FaultyDisk::disarm();
        ASSERT_FALSE(unit.Active());
        EXPECT_NE(insertCustomer("C1"), Benign);
        EXPECT_EQ(Access::CUSTOMER.GetError(), Err::AccessDenied);
        EXPECT_NE(unit.Commit(), Benign);
    }
    {
        UnitOfWork unit{&Access::CUSTOMER, &Access::FINANCE};
        ASSERT_TRUE(unit.Active());
        ASSERT_EQ(insertCustomer("C2"), Benign);
        unit.Rollback();
        EXPECT_NE(insertCustomer("C3"), Benign) << "a write after the undo";
        EXPECT_NE(Access::FINANCE.TryInsert(), Benign);
    }
    EXPECT_EQ(Access::CUSTOMER.Records(), 0);
    EXPECT_EQ(Access::FINANCE.Records(), 0);
    EXPECT_EQ(insertCustomer("C4"), Benign) << "the files take writes again once the unit is gone";
}

// A committed unit is on every file. A file's own transaction inside a unit cannot be undone
// alone: undoing it dooms the unit, whose commit then keeps nothing of it.
TEST_F(DataSafetyTest, CommittedUnitIsOnEveryFileUnlessAPartOfItWasUndone)
{
    for (const bool undoPart : {false, true}) {
        SCOPED_TRACE(undoPart ? "a part undone" : "committed");
        ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
        ASSERT_EQ(Access::FINANCE.Open(), Benign);
        {
            UnitOfWork unit{&Access::CUSTOMER, &Access::FINANCE};
            Access::CUSTOMER.PrimeRecord();
            CUS.CUSTOMERNO = undoPart ? "C2" : "C1";
            ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
            ASSERT_EQ(Access::FINANCE.File()->begin(), Err::None);
            Access::FINANCE.PrimeRecord();
            FIN.CUSTOMERNO = CUS.CUSTOMERNO;
            ASSERT_EQ(Access::FINANCE.Insert(), Benign);
            undoPart ? Access::FINANCE.File()->rollback() : Access::FINANCE.File()->commit();
            EXPECT_EQ(unit.Commit() == Benign, !undoPart);
        }
        closeAllFiles();
        ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
        ASSERT_EQ(Access::FINANCE.Open(), Benign);
        EXPECT_EQ(Access::CUSTOMER.Records(), 1) << "the first unit whole, nothing of the doomed one";
        EXPECT_EQ(Access::FINANCE.Records(), 1);
        closeAllFiles();
    }
}

TEST_F(DataSafetyTest, StationKilledWhileWritingLeavesEveryCommittedRecordAndNoHalfUnit)
{
    WorkerProcess writer = startWorker(folder, {"write-loop"});
    ASSERT_GT(writer.pid, 0);
    long committed = 0;
    for (int i = 0; i < 60; ++i)
        committed = std::stol(readLine(writer.output));
    ::kill(writer.pid, SIGKILL);
    waitWorker(writer.pid);
    ::close(writer.output);

    ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
    ASSERT_EQ(Access::FINANCE.Open(), Benign);
    const auto customers = Access::CUSTOMER.Records();
    EXPECT_GE(customers, committed);
    EXPECT_EQ(Access::FINANCE.Records(), customers) << "each customer was written with its payment or not at all";
    for (long n = 1; n <= committed; ++n) {
        CUS.CUSTOMERNO = "K" + std::to_string(n);
        ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign) << n;
    }
    EXPECT_TRUE(screen.shown().empty());
}
