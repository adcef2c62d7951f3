// Referential integrity: cascades on change and delete, and opening a file's whole group.
#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "tests/support/datafolder.h"

using namespace dict;
using testsupport::DataFolderTest;

namespace {

class RelationsTest : public DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        ASSERT_EQ(Relate::CUSTOMER.Open(), Benign);
    }
    void TearDown() override
    {
        Relate::CUSTOMER.Close();
        DataFolderTest::TearDown();
    }

    void addCustomer(const char *number)
    {
        Access::CUSTOMER.PrimeRecord();
        CUS.CUSTOMERNO = number;
        CUS.LNAME = number;
        ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
    }
    int addInvoice(const char *customer, int lines)
    {
        Access::INVOICE.PrimeRecord();
        INV.CUSTOMERNO = customer;
        EXPECT_EQ(Access::INVOICE.Insert(), Benign);
        for (int i = 0; i < lines; ++i) {
            Access::DESCRIPTION.PrimeRecord();
            DES.INVOICENO = INV.INVOICENO;
            DES.CUSTOMERNO = customer;
            DES.STOCKNO = "BOLT";
            EXPECT_EQ(Access::DESCRIPTION.Insert(), Benign);
        }
        Access::FINANCE.PrimeRecord();
        FIN.INVOICENO = INV.INVOICENO;
        FIN.CUSTOMERNO = customer;
        EXPECT_EQ(Access::FINANCE.Insert(), Benign);
        return INV.INVOICENO;
    }
    int addCredit(const char *customer)
    {
        Access::CREDIT.PrimeRecord();
        CRE.CUSTOMERNO = customer;
        EXPECT_EQ(Access::CREDIT.Insert(), Benign);
        Access::CRSCRIPTION.PrimeRecord();
        CRS.CREDITMEMONO = CRE.CREDITMEMONO;
        CRS.CUSTOMERNO = customer;
        EXPECT_EQ(Access::CRSCRIPTION.Insert(), Benign);
        return CRE.CREDITMEMONO;
    }
    // How many records of a file carry a value in a string field.
    static int countWhere(FileManager &file, KeyRef key, FieldRef column, std::string_view value)
    {
        const FieldDef &f = *column.def;
        int count = 0;
        file.SetStart(key);
        while (file.Next() == Benign)
            count += stringOf(f, file.Buffer().bytes) == value;
        return count;
    }
};

} // namespace

TEST_F(RelationsTest, OpeningCustomersOpensEveryLinkedFileAndClosingClosesThem)
{
    for (FileId file : {FileId::CUSTOMER, FileId::INVOICE, FileId::DESCRIPTION, FileId::FINANCE, FileId::CREDIT,
                        FileId::CRSCRIPTION, FileId::STOCK, FileId::VENDOR, FileId::PURORDER, FileId::TAGFILE_,
                        FileId::TAGSET_, FileId::TAGFILEPOS_})
        EXPECT_TRUE(access(file).Opened()) << fileDef(file).name;
    EXPECT_FALSE(Access::MEMOS.Opened());
    EXPECT_EQ(Access::INVOICE.State()->openCount, 1) << "each file of the group is opened once";
    Relate::CUSTOMER.Close();
    EXPECT_FALSE(Access::INVOICE.Opened());
    EXPECT_FALSE(Access::STOCK.File()->isOpen());
    ASSERT_EQ(Relate::CUSTOMER.Open(), Benign); // for TearDown
}

TEST_F(RelationsTest, DeletingAnInvoiceDeletesItsLinesAndPaymentsOnly)
{
    addCustomer("C1");
    const int doomed = addInvoice("C1", 3);
    const int kept = addInvoice("C1", 2);
    INV.INVOICENO = doomed;
    ASSERT_EQ(Access::INVOICE.TryFetch(INV.InvoiceNo_Key), Benign);
    screen.answer(ButtonYes);
    ASSERT_EQ(Relate::INVOICE.Delete(), Benign);
    EXPECT_EQ(titles().back(), "Confirm Delete");
    EXPECT_EQ(Access::INVOICE.Records(), 1);
    EXPECT_EQ(Access::DESCRIPTION.Records(), 2);
    EXPECT_EQ(Access::FINANCE.Records(), 1);
    DES.INVOICENO = kept;
    Access::DESCRIPTION.SetAt(DES.Invoice_Key);
    ASSERT_EQ(Access::DESCRIPTION.Next(), Benign);
    EXPECT_EQ(DES.INVOICENO, kept);
}

TEST_F(RelationsTest, AnsweringNoToTheConfirmationDeletesNothing)
{
    addCustomer("C1");
    addInvoice("C1", 1);
    screen.answer(ButtonNo);
    EXPECT_NE(Relate::INVOICE.Delete(), Benign);
    EXPECT_EQ(Access::INVOICE.Records(), 1);
    EXPECT_EQ(Access::DESCRIPTION.Records(), 1);
}

TEST_F(RelationsTest, DeletingACustomerLeavesTheirInvoices)
{
    addCustomer("C1");
    addInvoice("C1", 1);
    CUS.CUSTOMERNO = "C1";
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    ASSERT_EQ(Relate::CUSTOMER.Delete(false), Benign);
    EXPECT_EQ(Access::CUSTOMER.Records(), 0);
    EXPECT_EQ(Access::INVOICE.Records(), 1);
    EXPECT_EQ(Access::DESCRIPTION.Records(), 1);
    EXPECT_EQ(Access::FINANCE.Records(), 1);
}

TEST_F(RelationsTest, ChangingTheCustomerNumberRewritesItEverywhere)
{
    addCustomer("OLD");
    addCustomer("OTHER");
    addInvoice("OLD", 2);
    addInvoice("OLD", 1);
    addInvoice("OTHER", 1);
    addCredit("OLD");
    CUS.CUSTOMERNO = "OLD";
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    Relate::CUSTOMER.Save();
    CUS.CUSTOMERNO = "NEW";
    ASSERT_EQ(Relate::CUSTOMER.Update(true), Benign);
    EXPECT_EQ(countWhere(Access::INVOICE, INV.InvoiceNo_Key, field(INV.CUSTOMERNO), "NEW"), 2);
    EXPECT_EQ(countWhere(Access::INVOICE, INV.InvoiceNo_Key, field(INV.CUSTOMERNO), "OTHER"), 1);
    EXPECT_EQ(countWhere(Access::DESCRIPTION, DES.InvoiceNo_Key, field(DES.CUSTOMERNO), "NEW"), 3);
    EXPECT_EQ(countWhere(Access::FINANCE, FIN.RecordNo_Key, field(FIN.CUSTOMERNO), "NEW"), 2);
    EXPECT_EQ(countWhere(Access::CREDIT, CRE.CreditMemoNo_Key, field(CRE.CUSTOMERNO), "NEW"), 1);
    EXPECT_EQ(countWhere(Access::CRSCRIPTION, CRS.CreditMemoNo_Key, field(CRS.CUSTOMERNO), "NEW"), 1);
    EXPECT_EQ(countWhere(Access::DESCRIPTION, DES.InvoiceNo_Key, field(DES.CUSTOMERNO), "OLD"), 0);
    EXPECT_EQ(CUS.CUSTOMERNO.view(), "NEW") << "the form's buffer is left as typed";
}

TEST_F(RelationsTest, ChangingOnlyTheLetterCaseOfTheNumberReachesEveryChild)
{
    addCustomer("abc");
    addInvoice("abc", 2);
    CUS.CUSTOMERNO = "abc";
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    Relate::CUSTOMER.Save();
    CUS.CUSTOMERNO = "ABC";
    ASSERT_EQ(Relate::CUSTOMER.Update(), Benign);
    EXPECT_EQ(countWhere(Access::DESCRIPTION, DES.InvoiceNo_Key, field(DES.CUSTOMERNO), "ABC"), 2);
    EXPECT_EQ(countWhere(Access::INVOICE, INV.InvoiceNo_Key, field(INV.CUSTOMERNO), "ABC"), 1);
}

TEST_F(RelationsTest, RenamingAVendorRewritesItsStockItems)
{
    ASSERT_EQ(Relate::VENDOR.Open(), Benign);
    Access::VENDOR.PrimeRecord();
    VEN.ACCOUNTNO = "V1";
    VEN.VENDOR = "Acme";
    ASSERT_EQ(Access::VENDOR.Insert(), Benign);
    for (const char *vendor : {"Acme", "Acme", "Bolts Inc"}) {
        Access::STOCK.PrimeRecord();
        STO.STOCKNO = "S";
        STO.VENDOR = vendor;
        ASSERT_EQ(Access::STOCK.Insert(), Benign);
    }
    VEN.ACCOUNTNO = "V1";
    ASSERT_EQ(Access::VENDOR.TryFetch(VEN.VendorNo_Key), Benign);
    Relate::VENDOR.Save();
    VEN.VENDOR = "Acme Supply";
    ASSERT_EQ(Relate::VENDOR.Update(), Benign);
    EXPECT_EQ(countWhere(Access::STOCK, STO.RecordNo_Key, field(STO.VENDOR), "Acme Supply"), 2);
    EXPECT_EQ(countWhere(Access::STOCK, STO.RecordNo_Key, field(STO.VENDOR), "Bolts Inc"), 1);
    Relate::VENDOR.Close();
}

TEST_F(RelationsTest, CancellingANewInvoiceRemovesTheReservedRecordAndItsLines)
{
    addCustomer("C1");
    ASSERT_EQ(Access::INVOICE.PrimeRecord(), Benign);
    const int reserved = INV.INVOICENO;
    Access::DESCRIPTION.PrimeRecord();
    DES.INVOICENO = reserved;
    ASSERT_EQ(Access::DESCRIPTION.Insert(), Benign);
    ASSERT_EQ(Relate::INVOICE.CancelAutoInc(), Benign);
    EXPECT_EQ(Access::INVOICE.Records(), 0);
    EXPECT_EQ(Access::DESCRIPTION.Records(), 0);
}
