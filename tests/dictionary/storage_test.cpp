// Key order, key rules and record storage as the access managers see them.
#include "dictionary/fieldtypes.h"
#include "dictionary/files.h"
#include "dictionary/unitofwork.h"
#include "framework/iniclass.h"
#include "framework/reportslib.h"
#include "tests/support/datafolder.h"

#include <sqlite3.h>

#include <fstream>

using namespace dict;
using testsupport::DataFolderTest;

namespace {

class KeysTest : public DataFolderTest
{
protected:
    void addInvoice(int number, const char *customer, bool quote = false)
    {
        clearRecord(Access::INVOICE.Def(), &INV);
        INV.INVOICENO = number;
        INV.RECORDNO = number;
        INV.CUSTOMERNO = customer;
        INV.QUOTES = quote;
        // Numbers are given here, so add the record without numbering it.
        storage::Current at;
        ASSERT_EQ(Access::INVOICE.File()->add(Access::INVOICE.Buffer(), at), Err::None);
    }

    std::vector<int> invoicesInOrder(KeyRef key, bool backwards = false)
    {
        std::vector<int> numbers;
        backwards ? Access::INVOICE.SetEnd(key) : Access::INVOICE.SetStart(key);
        while ((backwards ? Access::INVOICE.Previous() : Access::INVOICE.Next()) == Benign)
            numbers.push_back(INV.INVOICENO);
        return numbers;
    }
};

} // namespace

TEST(FieldTypes, StringsArePaddedCutAtCharactersAndCompareWithoutTrailingBlanks)
{
    String<5> s;
    EXPECT_EQ(s.raw(), "     ");
    s = "abc";
    EXPECT_EQ(s.raw(), "abc  ");
    EXPECT_TRUE(s == "abc   ");
    s = "abcdefg";
    EXPECT_EQ(s.raw(), "abcde");
    s = "abcd\xc3\xa9"; // "abcdé": the é does not fit whole and is left out, never half-stored
    EXPECT_EQ(s.raw(), "abcd ");
    s = "\xe2\x82\xac\xe2\x82\xac"; // two euro signs are six bytes
    EXPECT_EQ(s.view(), "\xe2\x82\xac");
    EXPECT_EQ(compareNoCase("Smith", "SMITH  "), 0);
    EXPECT_LT(compareNoCase("AB", "AB!"), 0);
    EXPECT_GT(compareNoCase("Z", "_"), 0) << "letters fold to lower case, as the files sort them";
}

TEST(FieldTypes, MemoHoldsAtMostFiveHundredCharacters)
{
    Memo memo(std::string(600, 'x'));
    EXPECT_EQ(memo.str().size(), 500u);
    std::string euros;
    for (int i = 0; i < 501; ++i)
        euros += "\xe2\x82\xac";
    memo = euros;
    EXPECT_EQ(memo.str().size(), 1500u); // 500 characters of three bytes each
}

TEST_F(KeysTest, DescendingKeyReadsHighestFirstAndBackwardsReverses)
{
    ASSERT_EQ(Access::INVOICE.Open(), Benign);
    for (int n : {5, 1, 9, 3})
        addInvoice(n, "C1");
    EXPECT_EQ(invoicesInOrder(INV.InvoiceNo_Key), (std::vector<int>{1, 3, 5, 9}));
    EXPECT_EQ(invoicesInOrder(INV.InvoiceNoR_Key), (std::vector<int>{9, 5, 3, 1}));
    EXPECT_EQ(invoicesInOrder(INV.InvoiceNoR_Key, true), (std::vector<int>{1, 3, 5, 9}));
}

TEST_F(KeysTest, NextAndPreviousTurnAroundAtTheRecordLastRead)
{
    ASSERT_EQ(Access::INVOICE.Open(), Benign);
    for (int n = 1; n <= 40; ++n)
        addInvoice(n, "C1");
    Access::INVOICE.SetStart(INV.InvoiceNo_Key);
    for (int n = 1; n <= 20; ++n)
        ASSERT_EQ(Access::INVOICE.Next(), Benign);
    EXPECT_EQ(INV.INVOICENO, 20);
    ASSERT_EQ(Access::INVOICE.Previous(), Benign);
    EXPECT_EQ(INV.INVOICENO, 19);
    ASSERT_EQ(Access::INVOICE.Next(), Benign);
    EXPECT_EQ(INV.INVOICENO, 20);
    INV.INVOICENO = 35;
    Access::INVOICE.SetAt(INV.InvoiceNo_Key);
    ASSERT_EQ(Access::INVOICE.Previous(), Benign);
    EXPECT_EQ(INV.INVOICENO, 35) << "at a key value, backwards starts with that value";
    while (Access::INVOICE.Next() == Benign) {}
    EXPECT_TRUE(Access::INVOICE.GetEOF());
    EXPECT_EQ(INV.INVOICENO, 40);
}

TEST_F(KeysTest, StringKeysIgnoreCaseAndTrailingBlanks)
{
    ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
    Access::CUSTOMER.PrimeRecord();
    CUS.CUSTOMERNO = "SMITH01";
    CUS.LNAME = "Smith";
    ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
    clearRecord(Access::CUSTOMER.Def(), &CUS);
    CUS.CUSTOMERNO = "smith01";
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    EXPECT_EQ(CUS.CUSTOMERNO.view(), "SMITH01");
    EXPECT_EQ(CUS.LNAME.view(), "Smith");

    // The same number in other letters is the same key value.
    Access::CUSTOMER.PrimeRecord();
    CUS.CUSTOMERNO = "Smith01";
    EXPECT_NE(Access::CUSTOMER.Insert(), Benign);
    EXPECT_EQ(titles().back(), "Duplicate Key Error");
    EXPECT_EQ(texts().back(), "Adding this record creates a duplicate entry for the key: CUS:CustomerNo_Key");
}

TEST_F(KeysTest, KeyOrderOfStringsAgreesWithTheProgramsOwnComparison)
{
    ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
    for (const char *number : {"Zed", "_under", "abc", "[x", "ABD", "a"}) {
        Access::CUSTOMER.PrimeRecord();
        CUS.CUSTOMERNO = number;
        ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
    }
    std::vector<std::string> order;
    Access::CUSTOMER.SetStart(CUS.CustomerNo_Key);
    while (Access::CUSTOMER.Next() == Benign)
        order.push_back(CUS.CUSTOMERNO.str());
    ASSERT_EQ(order.size(), 6u);
    for (std::size_t i = 1; i < order.size(); ++i)
        EXPECT_LT(compareNoCase(order[i - 1], order[i]), 0) << order[i - 1] << " before " << order[i];
}

TEST_F(KeysTest, MixedDirectionKeyOrdersEachComponentItsOwnWay)
{
    ASSERT_EQ(Access::DESCRIPTION.Open(), Benign);
    const std::vector<std::pair<int, double>> lines{{20, 1}, {10, 2}, {20, 5}, {10, 7}, {10, 2}};
    for (auto [date, quantity] : lines) {
        Access::DESCRIPTION.PrimeRecord();
        DES.INVOICENO = 1;
        DES.DATE = date;
        DES.QUANTITY = quantity;
        ASSERT_EQ(Access::DESCRIPTION.Insert(), Benign);
    }
    auto read = [](bool backwards) {
        std::vector<std::pair<int, double>> got;
        backwards ? Access::DESCRIPTION.SetEnd(DES.Quanity_Key) : Access::DESCRIPTION.SetStart(DES.Quanity_Key);
        while ((backwards ? Access::DESCRIPTION.Previous() : Access::DESCRIPTION.Next()) == Benign)
            got.emplace_back(LONG{DES.DATE}, REAL{DES.QUANTITY}); // copies: the fields are packed
        return got;
    };
    const std::vector<std::pair<int, double>> expected{{10, 7}, {10, 2}, {10, 2}, {20, 5}, {20, 1}};
    EXPECT_EQ(read(false), expected);
    const std::vector<std::pair<int, double>> reversed(expected.rbegin(), expected.rend());
    EXPECT_EQ(read(true), reversed);
}

TEST_F(KeysTest, RecordsWithAnAllBlankKeyAreLeftOutOfThatKey)
{
    ASSERT_EQ(Access::INVOICE.Open(), Benign);
    addInvoice(1, "A", true);
    addInvoice(2, "B", false);
    addInvoice(3, "C", true);
    EXPECT_EQ(invoicesInOrder(INV.Quotes_Key), (std::vector<int>{1, 3})) << "only quotes are in the quotes key";

    ASSERT_EQ(Access::FINANCE.Open(), Benign);
    for (int i = 0; i < 3; ++i) {
        Access::FINANCE.PrimeRecord();
        FIN.CUSTOMERNO = "A";
        ASSERT_EQ(Access::FINANCE.Insert(), Benign) << "payments without a credit memo do not clash";
    }
    Access::FINANCE.PrimeRecord();
    FIN.CREDITMEMONO = 7;
    ASSERT_EQ(Access::FINANCE.Insert(), Benign);
    Access::FINANCE.PrimeRecord();
    FIN.CREDITMEMONO = 7;
    EXPECT_NE(Access::FINANCE.Insert(), Benign);
    EXPECT_EQ(texts().back(), "Adding this record creates a duplicate entry for the key: FIN:CreditMemoNo_Key");
    Access::FINANCE.CancelAutoInc();
    EXPECT_EQ(Access::FINANCE.Records(), 4);
}

TEST_F(KeysTest, DuplicatesAllowedKeyKeepsRecordOrderWithinEqualValues)
{
    ASSERT_EQ(Access::STOCK.Open(), Benign);
    for (const char *part : {"first", "second", "third"}) {
        Access::STOCK.PrimeRecord();
        STO.STOCKNO = "BOLT";
        STO.PARTNO = part;
        ASSERT_EQ(Access::STOCK.Insert(), Benign);
    }
    std::vector<std::string> parts;
    Access::STOCK.SetStart(STO.StockNoRecordNo_Key);
    while (Access::STOCK.Next() == Benign)
        parts.push_back(STO.PARTNO.str());
    EXPECT_EQ(parts, (std::vector<std::string>{"first", "second", "third"}));
    STO.STOCKNO = "bolt";
    ASSERT_EQ(Access::STOCK.TryFetch(STO.StockNo_Key), Benign);
}

TEST_F(KeysTest, PositionRegetsTheRecordAfterOtherReadsAndMemosRoundTrip)
{
    ASSERT_EQ(Access::MEMOS.Open(), Benign);
    Access::MEMOS.PrimeRecord();
    MEM.TITLE = "Thanks";
    MEM.MEMOS = "Thank you for your order.\nPayment is due in 30 days: 100 \xe2\x82\xac.";
    ASSERT_EQ(Access::MEMOS.Insert(), Benign);
    const auto position = Access::MEMOS.Position();
    Access::MEMOS.PrimeRecord();
    MEM.TITLE = "Other";
    ASSERT_EQ(Access::MEMOS.Insert(), Benign);
    ASSERT_EQ(Access::MEMOS.TryReget(position), Benign);
    EXPECT_EQ(MEM.TITLE.view(), "Thanks");
    EXPECT_EQ(MEM.MEMOS.str(), "Thank you for your order.\nPayment is due in 30 days: 100 \xe2\x82\xac.");
    EXPECT_EQ(Access::MEMOS.Records(), 2);
    EXPECT_GT(Access::MEMOS.Bytes(), 0);
}

TEST_F(KeysTest, EveryFieldIsItsOwnColumnReadableByAnySqliteTool)
{
    ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
    Access::CUSTOMER.PrimeRecord();
    CUS.CUSTOMERNO = "C42";
    CUS.BALANCE = 12.5;
    ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(dict::DatabasePath, &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt *stmt = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT CUSTOMERNO, BALANCE, RECORDNO FROM CUSTOMER", -1, &stmt, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)), "C42");
    EXPECT_EQ(sqlite3_column_double(stmt, 1), 12.5);
    EXPECT_EQ(sqlite3_column_int(stmt, 2), 1);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}

// A data file written by another program, or damaged, may hold bytes in its text that are not
// UTF-8: each reads as its Windows-1252 character (the old files' encoding), one that stands for
// none as '?', a NUL as a blank, in a field as in a memo; the text a field holds is cut to fit.
TEST_F(KeysTest, BytesThatAreNotUtf8ReadAsWindows1252)
{
    ASSERT_EQ(Access::MEMOS.Open(), Benign);
    Access::MEMOS.PrimeRecord();
    MEM.TITLE = "placeholder";
    ASSERT_EQ(Access::MEMOS.Insert(), Benign);
    Access::MEMOS.Close();
    const std::pair<std::string, std::string> cases[] = {
        {"caf\xe9 cr\xe8me \x80" "5", "caf\xc3\xa9 cr\xc3\xa8me \xe2\x82\xac" "5"}, // Windows-1252
        {std::string("\xff\0a\x81", 4), "\xc3\xbf a?"},                          // NUL; 0x81 is nothing
        {"\xed\xa0\x80", "\xc3\xad\xc2\xa0\xe2\x82\xac"},                          // a surrogate
        {"\xc0\xaf", "\xc3\x80\xc2\xaf"},                                        // an overlong slash
        {"\xe2\x82", "\xc3\xa2\xe2\x80\x9a"},                                   // cut short
        {"ok 100 \xe2\x82\xac \xf0\x9f\x98\x80", "ok 100 \xe2\x82\xac \xf0\x9f\x98\x80"},    // text already
    };
    for (const auto &[stored, read] : cases) {
        SCOPED_TRACE(read);
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open(dict::DatabasePath, &db), SQLITE_OK);
        sqlite3_stmt *stmt = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(db, "UPDATE MEMOS SET TITLE = ?1, MEMOS = ?1", -1, &stmt, nullptr), SQLITE_OK);
        sqlite3_bind_blob(stmt, 1, stored.data(), static_cast<int>(stored.size()), SQLITE_TRANSIENT);
        EXPECT_EQ(sqlite3_step(stmt), SQLITE_DONE);
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        ASSERT_EQ(Access::MEMOS.Open(), Benign);
        Access::MEMOS.SetStart(MEM.RecordNo_Key);
        ASSERT_EQ(Access::MEMOS.Next(), Benign);
        EXPECT_EQ(MEM.TITLE.view(), read);
        EXPECT_EQ(MEM.MEMOS.str(), read);
        Access::MEMOS.Close();
    }
}

// The journal is the rollback journal unless the folder's settings choose the write-ahead log;
// units of work commit whole under either, as another station then reads them.
TEST_F(DataFolderTest, TheJournalFollowsTheSettingAndUnitsCommitUnderEither)
{
    const struct {
        const char *setting;
        const char *journal;
    } cases[] = {{"", "delete"}, {"WAL", "wal"}, {"rollback", "delete"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.setting);
        std::ofstream("Invoice.ini") << "[Storage]\nJournal=" << c.setting << "\n";
        fw::INIClass settings;
        settings.Init("Invoice.ini");
        REPORTS::INIT(nullptr, &settings);
        ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
        ASSERT_EQ(Access::FINANCE.Open(), Benign);
        {
            UnitOfWork unit{&Access::CUSTOMER, &Access::FINANCE};
            Access::CUSTOMER.PrimeRecord();
            CUS.CUSTOMERNO = std::to_string(&c - cases);
            ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
            Access::FINANCE.PrimeRecord();
            FIN.CUSTOMERNO = CUS.CUSTOMERNO;
            ASSERT_EQ(Access::FINANCE.Insert(), Benign);
            ASSERT_EQ(unit.Commit(), Benign);
        }
        sqlite3 *db = nullptr;
        sqlite3_open_v2(dict::DatabasePath, &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT (SELECT journal_mode FROM pragma_journal_mode), "
                               "(SELECT COUNT(*) FROM CUSTOMER) + (SELECT COUNT(*) FROM FINANCE)", -1, &stmt, nullptr);
        ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
        EXPECT_STREQ(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)), c.journal);
        EXPECT_EQ(sqlite3_column_int(stmt, 1), 2 * (&c - cases + 1));
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        testsupport::closeAllFiles();
    }
    REPORTS::INIT(nullptr, nullptr);
    dict::storage::sqliteDriver().setJournal(dict::storage::Journal::Rollback);
}
