// Numbering, reserving and releasing numbers, opening, and saved buffers and positions.
#include "dictionary/files.h"
#include "dictionary/lookup.h"
#include "tests/support/datafolder.h"

#include <sqlite3.h>

#include <filesystem>

using namespace dict;
using testsupport::DataFolderTest;
using testsupport::sqlOn;

namespace {

class AccessManagerTest : public DataFolderTest
{
protected:
    int newInvoice(const char *customer)
    {
        EXPECT_EQ(Access::INVOICE.PrimeRecord(), Benign);
        INV.CUSTOMERNO = customer;
        EXPECT_EQ(Access::INVOICE.Insert(), Benign);
        return INV.INVOICENO;
    }
    int newLine(int invoice)
    {
        // A line is numbered within its invoice: the invoice number is set before priming.
        clearRecord(Access::DESCRIPTION.Def(), &DES);
        DES.INVOICENO = invoice;
        EXPECT_EQ(Access::DESCRIPTION.PrimeRecord(true), Benign);
        EXPECT_EQ(Access::DESCRIPTION.Insert(), Benign);
        return DES.ITEMNO;
    }
};


} // namespace

TEST_F(AccessManagerTest, MissingFileIsCreatedEmptyAndOpensAreCounted)
{
    EXPECT_FALSE(std::filesystem::exists(dict::DatabasePath));
    ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
    EXPECT_TRUE(std::filesystem::exists(dict::DatabasePath));
    EXPECT_EQ(Access::CUSTOMER.Records(), 0);
    ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
    Access::CUSTOMER.Close();
    EXPECT_TRUE(Access::CUSTOMER.File()->isOpen()) << "still open once";
    Access::CUSTOMER.Close();
    EXPECT_FALSE(Access::CUSTOMER.File()->isOpen());
    EXPECT_TRUE(screen.shown().empty());
}

TEST_F(AccessManagerTest, WholeKeyNumbersFollowTheHighestAndLinesNumberWithinTheirDocument)
{
    ASSERT_EQ(Access::INVOICE.Open(), Benign);
    ASSERT_EQ(Access::DESCRIPTION.Open(), Benign);
    EXPECT_EQ(newInvoice("A"), 1);
    EXPECT_EQ(newInvoice("A"), 2);
    EXPECT_EQ(INV.RECORDNO, 2) << "both numbered keys of INVOICE are numbered";

    EXPECT_EQ(newLine(7), 1);
    EXPECT_EQ(newLine(7), 2);
    EXPECT_EQ(newLine(3), 1) << "a lower invoice starts at 1";
    EXPECT_EQ(newLine(9), 1) << "a higher invoice starts at 1";
    EXPECT_EQ(newLine(7), 3);
    EXPECT_EQ(newLine(3), 2);
}

TEST_F(AccessManagerTest, CancelReleasesTheReservedNumberAndOnlyThatRecord)
{
    ASSERT_EQ(Access::INVOICE.Open(), Benign);
    newInvoice("A");
    ASSERT_EQ(Access::INVOICE.PrimeRecord(), Benign);
    EXPECT_EQ(INV.INVOICENO, 2);
    EXPECT_EQ(Access::INVOICE.Records(), 2) << "the number is reserved on file at once";
    ASSERT_EQ(Access::INVOICE.CancelAutoInc(), Benign);
    EXPECT_EQ(Access::INVOICE.Records(), 1);
    EXPECT_EQ(Access::INVOICE.CancelAutoInc(), Benign) << "nothing primed: nothing happens";
    EXPECT_EQ(Access::INVOICE.Records(), 1);
    EXPECT_EQ(newInvoice("B"), 2);
}

TEST_F(AccessManagerTest, ReservedRecordIsWrittenBackEvenAfterOtherReadsOfTheFile)
{
    ASSERT_EQ(Access::INVOICE.Open(), Benign);
    newInvoice("A");
    ASSERT_EQ(Access::INVOICE.PrimeRecord(), Benign);
    const int number = INV.INVOICENO;
    const int saved = Access::INVOICE.SaveBuffer();
    INV.INVOICENO = 1;
    ASSERT_EQ(Access::INVOICE.TryFetch(INV.InvoiceNo_Key), Benign); // a look-up in between
    Access::INVOICE.RestoreBuffer(saved);
    INV.CUSTOMERNO = "NEW";
    ASSERT_EQ(Access::INVOICE.Insert(), Benign);
    INV.INVOICENO = 1;
    ASSERT_EQ(Access::INVOICE.TryFetch(INV.InvoiceNo_Key), Benign);
    EXPECT_EQ(INV.CUSTOMERNO.view(), "A");
    INV.INVOICENO = number;
    ASSERT_EQ(Access::INVOICE.TryFetch(INV.InvoiceNo_Key), Benign);
    EXPECT_EQ(INV.CUSTOMERNO.view(), "NEW");
}

TEST_F(AccessManagerTest, FileWithoutNumbersIsAddedAsItStands)
{
    ASSERT_EQ(Access::TOTALINV.Open(), Benign);
    Access::TOTALINV.PrimeRecord();
    EXPECT_EQ(Access::TOTALINV.Records(), 0) << "nothing is reserved";
    TOT.RECORDNO = 1;
    ASSERT_EQ(Access::TOTALINV.Insert(), Benign);
    Access::TOTALINV.PrimeRecord();
    TOT.RECORDNO = 1;
    EXPECT_NE(Access::TOTALINV.Insert(), Benign);
    EXPECT_EQ(texts().back(), "Adding this record creates a duplicate entry for the key: TOT:RecordNo_Key");
    EXPECT_NE(Access::TOTALINV.TryInsert(), Benign);
    EXPECT_EQ(screen.shown().size(), 1u) << "the Try form shows nothing";
    EXPECT_EQ(Access::TOTALINV.GetError(), Err::DuplicateKey);
}

TEST_F(AccessManagerTest, UpdateOfARecordChangedMeanwhileFailsAndShowsTheOtherVersion)
{
    ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
    Access::CUSTOMER.PrimeRecord();
    CUS.CUSTOMERNO = "C1";
    CUS.COMPANY = "Mine";
    ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    sqlOn(dict::DatabasePath, "UPDATE CUSTOMER SET COMPANY='Theirs', _version=_version+1");
    CUS.COMPANY = "Typed";
    EXPECT_NE(Access::CUSTOMER.Update(), Benign);
    EXPECT_EQ(titles().back(), "Record Was Not Updated");
    EXPECT_EQ(texts().back(), "This record was changed by another station.");
    EXPECT_EQ(CUS.COMPANY.view(), "Theirs");
    CUS.COMPANY = "Typed again";
    EXPECT_EQ(Access::CUSTOMER.Update(), Benign) << "watching starts again from the version shown";
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    EXPECT_EQ(CUS.COMPANY.view(), "Typed again");
}

TEST_F(AccessManagerTest, SavedPositionAndBufferComeBackAfterNestedReads)
{
    ASSERT_EQ(Access::INVOICE.Open(), Benign);
    for (int i = 0; i < 5; ++i)
        newInvoice("A");
    Access::INVOICE.SetStart(INV.InvoiceNo_Key);
    Access::INVOICE.Next();
    Access::INVOICE.Next();
    const int position = Access::INVOICE.SaveFile();
    const int buffer = Access::INVOICE.SaveBuffer();
    Access::INVOICE.SetEnd(INV.InvoiceNo_Key);
    Access::INVOICE.Previous();
    EXPECT_EQ(INV.INVOICENO, 5);
    EXPECT_FALSE(Access::INVOICE.EqualBuffer(buffer));
    Access::INVOICE.RestoreBuffer(buffer);
    Access::INVOICE.RestoreFile(position);
    EXPECT_EQ(INV.INVOICENO, 2);
    ASSERT_EQ(Access::INVOICE.Next(), Benign);
    EXPECT_EQ(INV.INVOICENO, 3);
}

TEST_F(AccessManagerTest, ClearKeySetsComponentsToTheEndsOfTheKeyOrder)
{
    Access::DESCRIPTION.ClearKey(DES.Quanity_Key, 1, 2, false);
    EXPECT_LT(LONG{DES.DATE}, -2000000000);
    EXPECT_GT(REAL{DES.QUANTITY}, 1e300) << "the first value of a descending component is its highest";
    Access::DESCRIPTION.ClearKey(DES.Quanity_Key, 2, 2, true);
    EXPECT_LT(REAL{DES.QUANTITY}, -1e300);
}

namespace {
// A file manager whose records need a customer number, as forms will have.
class NeedsNumber : public FileManager
{
public:
    int ValidateField(int fieldNo) override
    {
        return fieldNo == layout::CUSTOMER::CUSTOMERNO + 1 && CUS.CUSTOMERNO.blank() ? Notify : Benign;
    }
};
} // namespace

TEST_F(AccessManagerTest, FailedValidationWritesNothing)
{
    NeedsNumber customers;
    customers.Init(FileId::CUSTOMER, Access::CUSTOMER.Buffer(), &errors);
    ASSERT_EQ(customers.Open(), Benign);
    clearRecord(customers.Def(), &CUS);
    int failed = 0;
    EXPECT_NE(customers.ValidateRecord(&failed), Benign);
    EXPECT_EQ(failed, 2);
    EXPECT_NE(customers.Insert(), Benign);
    EXPECT_EQ(customers.Records(), 0);
    customers.Close();
}

// Fields named by their typed members find their own entries, in the global buffers and in any
// other buffer of the same layout; anything else is refused at once.
TEST(FieldRefTest, MembersNameTheirFieldsInAnyBufferOfTheLayout)
{
    const FieldRef last = field(CUS.LNAME);
    EXPECT_STREQ(last.def->name, "LNAME");
    EXPECT_EQ(last.record, static_cast<void *>(&CUS));
    EXPECT_STREQ(field(INV.TOTALDUE).def->name, "TOTALDUE");
    EXPECT_STREQ(field(TS_.DESCRIPTION).def->name, "DESCRIPTION");

    CUSTOMERBuffer copy;
    const FieldRef balance = fieldOf(copy, copy.BALANCE);
    EXPECT_STREQ(balance.def->name, "BALANCE");
    EXPECT_EQ(balance.record, static_cast<void *>(&copy));

    int notAField = 0;
    EXPECT_DEATH(field(notAField), "");
}

// A look-up by key reads only the records whose leading components match (strings as the key
// compares them), and leaves the caller's buffer and read position as they were.
TEST_F(AccessManagerTest, LookUpsByKeyMatchLeadingComponentsAndKeepTheCallersPlace)
{
    ASSERT_EQ(Access::INVOICE.Open(), Benign);
    ASSERT_EQ(Access::DESCRIPTION.Open(), Benign);
    for (int invoice : {3, 7, 7, 7, 9})
        newLine(invoice);
    for (const char *customer : {"abc", "ABC ", "ABD"})
        newInvoice(customer);

    Access::DESCRIPTION.SetStart(DES.InvoiceNo_Key);
    ASSERT_EQ(Access::DESCRIPTION.TryNext(), Benign);
    const storage::Position before = Access::DESCRIPTION.Position();
    DES.QUANTITY = 42;

    const auto lines = dict::range(DES.InvoiceNo_Key, 7);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2].ITEMNO, 3);
    EXPECT_EQ(dict::range(DES.InvoiceNo_Key, 7, 2).size(), 1u);
    EXPECT_TRUE(dict::range(DES.InvoiceNo_Key, 8).empty());
    EXPECT_EQ(dict::range(DES.InvoiceNo_Key).size(), 5u) << "no values: the whole key";
    EXPECT_EQ(dict::range(INV.Customer_Key, "Abc").size(), 2u);
    EXPECT_EQ(dict::range(INV.Customer_Key, dict::String<10>("ABD")).size(), 1u);

    const auto last = dict::lookup(DES.InvoiceNo_Key, 9);
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(Access::DESCRIPTION.TryReget(last->position), Benign);
    EXPECT_EQ(DES.INVOICENO, 9);
    ASSERT_EQ(Access::DESCRIPTION.TryReget(before), Benign);
    DES.QUANTITY = 42;
    EXPECT_FALSE(dict::lookup(DES.InvoiceNo_Key, 4).has_value());

    EXPECT_EQ(DES.QUANTITY, 42) << "the buffer is the caller's";
    EXPECT_EQ(Access::DESCRIPTION.Position(), before) << "Update still acts on the caller's record";
    ASSERT_EQ(Access::DESCRIPTION.TryNext(), Benign) << "reading goes on where the caller was";
    EXPECT_EQ(DES.INVOICENO, 7);
}
