// Change notices: what the managers tell after their writes, what a unit of work holds back until
// it ends, and what the relation managers' cascades tell.
#include "dictionary/changenotices.h"
#include "dictionary/files.h"
#include "dictionary/unitofwork.h"
#include "tests/support/datafolder.h"

#include <sqlite3.h>

#include <initializer_list>
#include <string>
#include <vector>

using namespace dict;
using testsupport::DataFolderTest;

namespace {

// Records every notice of the files it listens to, with what another connection sees on file at
// the moment it is told.
class NoticeRecorder
{
public:
    NoticeRecorder(std::initializer_list<FileId> files, std::string onFile = {})
        : onFile_(std::move(onFile))
    {
        for (const FileId file : files)
            tokens_.push_back(changeNotices().Subscribe(file, [this](const ChangeNotice &notice) {
                seen.push_back(notice);
                if (!onFile_.empty())
                    countsOnFile.push_back(count(onFile_));
            }));
    }
    ~NoticeRecorder()
    {
        for (const ChangeNotices::Token token : tokens_)
            changeNotices().Unsubscribe(token);
    }
    std::vector<Change> changes(FileId file) const
    {
        std::vector<Change> out;
        for (const ChangeNotice &n : seen)
            if (n.file == file)
                out.push_back(n.change);
        return out;
    }
    // Counted through a connection of its own: only committed records.
    static int count(const std::string &sql)
    {
        sqlite3 *db = nullptr;
        int n = -1;
        if (sqlite3_open_v2(dict::DatabasePath, &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
            sqlite3_stmt *stmt = nullptr;
            if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
                n = sqlite3_column_int(stmt, 0);
            sqlite3_finalize(stmt);
        }
        sqlite3_close(db);
        return n;
    }

    std::vector<ChangeNotice> seen;
    std::vector<int> countsOnFile;

private:
    std::string onFile_;
    std::vector<ChangeNotices::Token> tokens_;
};

class ChangeNoticeTest : public DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        ASSERT_EQ(Relate::CUSTOMER.Open(), Benign); // with its related files
    }
    void TearDown() override
    {
        Relate::CUSTOMER.Close();
        DataFolderTest::TearDown();
    }
    static storage::Position addCustomer(const char *number, double balance = 0)
    {
        EXPECT_EQ(Access::CUSTOMER.PrimeRecord(), Benign);
        CUS.CUSTOMERNO = number;
        CUS.BALANCE = balance;
        EXPECT_EQ(Access::CUSTOMER.Insert(), Benign);
        return Access::CUSTOMER.Position();
    }
};

} // namespace

TEST_F(ChangeNoticeTest, EveryWriteThroughTheManagerIsToldOnceItIsOnFile)
{
    NoticeRecorder notices({FileId::CUSTOMER}, "select count(*) from CUSTOMER where CUSTOMERNO='C1'");
    const storage::Position c1 = addCustomer("C1");
    // Numbering adds the record; the insert then writes it over.
    const std::vector<ChangeNotice> inserted{{FileId::CUSTOMER, Change::Added, c1}, {FileId::CUSTOMER, Change::Changed, c1}};
    EXPECT_EQ(notices.seen, inserted);
    EXPECT_EQ(notices.countsOnFile.back(), 1) << "told after the record is on file";

    CUS.BALANCE = 12.5;
    ASSERT_EQ(Access::CUSTOMER.Update(), Benign);
    ASSERT_EQ(Access::CUSTOMER.TryDeleteRecord(), Benign);
    EXPECT_EQ(notices.seen.back(), (ChangeNotice{FileId::CUSTOMER, Change::Deleted, c1}));
    EXPECT_EQ(notices.countsOnFile.back(), 0);
    EXPECT_EQ(notices.changes(FileId::CUSTOMER),
              (std::vector{Change::Added, Change::Changed, Change::Changed, Change::Deleted}));

    // A write that fails tells nothing.
    addCustomer("C2");
    const std::size_t told = notices.seen.size();
    EXPECT_EQ(Access::CUSTOMER.PrimeRecord(), Benign);
    CUS.CUSTOMERNO = "C2";
    EXPECT_NE(Access::CUSTOMER.TryInsert(), Benign) << "a duplicate customer number";
    EXPECT_EQ(notices.seen.size(), told + 1) << "only the reserved record's add";
    EXPECT_EQ(Access::CUSTOMER.CancelAutoInc(), Benign);
    EXPECT_EQ(notices.seen.back().change, Change::Deleted) << "the reserved record taken back";

    ASSERT_EQ(Access::CUSTOMER.TryEmpty(), Benign);
    EXPECT_EQ(notices.seen.back(), (ChangeNotice{FileId::CUSTOMER, Change::Emptied, 0}));
}

TEST_F(ChangeNoticeTest, AUnitOfWorkTellsOncePerFileWhenItCommitsAndNothingWhenItRollsBack)
{
    NoticeRecorder notices({FileId::CUSTOMER, FileId::FINANCE}, "select count(*) from CUSTOMER where BALANCE=5");
    addCustomer("C1");
    notices.seen.clear();
    notices.countsOnFile.clear();
    const auto pay = [](double amount) {
        Access::FINANCE.PrimeRecord();
        FIN.CUSTOMERNO = "C1";
        FIN.AMOUNTDUE = amount;
        EXPECT_EQ(Access::FINANCE.Insert(), Benign);
        CUS.BALANCE = CUS.BALANCE + amount;
        EXPECT_EQ(Access::CUSTOMER.Update(), Benign);
    };
    {
        UnitOfWork unit{&Access::CUSTOMER, &Access::FINANCE};
        pay(5);
        EXPECT_TRUE(notices.seen.empty()) << "nothing before the end of the unit";
        EXPECT_TRUE(changeNotices().Held(FileId::CUSTOMER));
    } // rolled back
    EXPECT_TRUE(notices.seen.empty());
    EXPECT_FALSE(changeNotices().Held(FileId::CUSTOMER));

    Access::CUSTOMER.TryReget(Access::CUSTOMER.Position());
    {
        UnitOfWork unit{&Access::CUSTOMER, &Access::FINANCE};
        pay(2);
        CUS.BALANCE = CUS.BALANCE + 3.0;
        ASSERT_EQ(Access::CUSTOMER.Update(), Benign);
        ASSERT_EQ(unit.Commit(), Benign);
    }
    ASSERT_EQ(notices.seen.size(), 2u) << "once per file";
    EXPECT_EQ(notices.changes(FileId::CUSTOMER), std::vector{Change::Several});
    EXPECT_EQ(notices.changes(FileId::FINANCE), std::vector{Change::Several}) << "numbered, then written";
    EXPECT_EQ(notices.countsOnFile, (std::vector{1, 1})) << "told once the commit is on file";

    // A single write in a unit is told as it was.
    const storage::Position c1 = Access::CUSTOMER.Position();
    {
        UnitOfWork unit{&Access::CUSTOMER, &Access::FINANCE};
        CUS.BALANCE = 0.0;
        ASSERT_EQ(Access::CUSTOMER.Update(), Benign);
        ASSERT_EQ(unit.Commit(), Benign);
    }
    EXPECT_EQ(notices.seen.back(), (ChangeNotice{FileId::CUSTOMER, Change::Changed, c1}));
    EXPECT_EQ(notices.seen.size(), 3u) << "FINANCE, not written, tells nothing";
}

TEST_F(ChangeNoticeTest, TheRelationsCascadesTellEachFileTheyWrite)
{
    addCustomer("C1");
    Access::INVOICE.PrimeRecord();
    INV.CUSTOMERNO = "C1";
    ASSERT_EQ(Access::INVOICE.Insert(), Benign);
    const storage::Position invoice = Access::INVOICE.Position();
    Access::FINANCE.PrimeRecord();
    FIN.CUSTOMERNO = "C1";
    FIN.INVOICENO = INV.INVOICENO;
    ASSERT_EQ(Access::FINANCE.Insert(), Benign);
    const storage::Position payment = Access::FINANCE.Position();
    NoticeRecorder notices{FileId::CUSTOMER, FileId::INVOICE, FileId::FINANCE};

    // A new customer number follows into the customer's invoice and its payment.
    CUS.CUSTOMERNO = "C1";
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    Relate::CUSTOMER.Save();
    CUS.CUSTOMERNO = "C9";
    ASSERT_EQ(Relate::CUSTOMER.Update(), Benign);
    EXPECT_EQ(notices.changes(FileId::CUSTOMER), std::vector{Change::Changed});
    EXPECT_EQ(notices.changes(FileId::INVOICE), std::vector{Change::Changed});
    EXPECT_EQ(notices.changes(FileId::FINANCE), std::vector{Change::Changed});

    // Deleting the invoice deletes its payment.
    notices.seen.clear();
    ASSERT_EQ(Access::INVOICE.TryReget(invoice), Benign);
    ASSERT_EQ(Relate::INVOICE.Delete(false), Benign);
    const std::vector<ChangeNotice> deleted{{FileId::FINANCE, Change::Deleted, payment},
                                            {FileId::INVOICE, Change::Deleted, invoice}};
    EXPECT_EQ(notices.seen, deleted);
}

TEST(ChangeNotices, AListenerMayUnsubscribeWhileItIsTold)
{
    ChangeNotices registry;
    std::vector<int> told;
    ChangeNotices::Token first = 0;
    first = registry.Subscribe(FileId::STOCK, [&](const ChangeNotice &) {
        told.push_back(1);
        registry.Unsubscribe(first);
    });
    registry.Subscribe(FileId::STOCK, [&](const ChangeNotice &) { told.push_back(2); });
    registry.Subscribe(FileId::VENDOR, [&](const ChangeNotice &) { told.push_back(3); });
    registry.Announce({FileId::STOCK, Change::Added, 7});
    registry.Announce({FileId::STOCK, Change::Deleted, 7});
    EXPECT_EQ(told, (std::vector{1, 2, 2}));
}
