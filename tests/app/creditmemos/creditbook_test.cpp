// The booking behind the credit memo windows, driven as the forms drive it, checked on the files:
// stock returned and taken back by exact quantities, the memo's FINANCE record, the credited
// invoice and the balance moved by differences, and a deletion that leaves every file as before.
#include "app/creditmemos/creditbook.h"
#include "app/creditmemos/creditmessages.h"
#include "app/invoices/invoicebook.h"
#include "app/payments/paymentbook.h"
#include "framework/picture.h"
#include "tests/support/invoicefolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace invoicetest;
namespace cre = app::creditmemos;
using dict::Benign;

class CreditBookTest : public InvoiceFolderTest
{
protected:
    void SetUp() override
    {
        InvoiceFolderTest::SetUp();
        app::installCreditMemoMessages(errors);
    }

    // A saved invoice of one line of quantity × price.
    static dict::LONG invoice(const char *customer, const char *stockNo, dict::LONG recordNo, double quantity,
                              double price, double lineDiscount = 0)
    {
        const dict::LONG number = startInvoice(customer);
        dict::clearRecord(Access::DESCRIPTION.Def(), &DES);
        DES.INVOICENO = number;
        EXPECT_EQ(Access::DESCRIPTION.PrimeRecord(true), Benign);
        DES.STOCKNO = stockNo;
        DES.RECORDNO = recordNo;
        DES.QUANTITY = quantity;
        DES.PRICE = price;
        DES.TAXABLE = 1;
        DES.LINEITEMDISCOUNT = lineDiscount;
        app::invoices::computeLine(DES, app::invoices::lineTermsOf(INV, false));
        EXPECT_EQ(app::invoices::bookLine(true, {}, true), Benign);
        bool holds = true;
        EXPECT_EQ(app::invoices::saveInvoice(true, holds), Benign);
        return number;
    }

    // A new memo, its number reserved as the form reserves it.
    static dict::LONG startMemo(const char *customer, dict::LONG invoiceNo = 0)
    {
        EXPECT_EQ(Access::CREDIT.PrimeRecord(), Benign);
        CRE.CUSTOMERNO = customer;
        CRE.INVOICENO = invoiceNo;
        CRE.TAXRATE = 0.08;
        CRE.DATE = fw::today();
        return CRE.CREDITMEMONO;
    }

    // A line typed on the line form, booked.
    static dict::CRSCRIPTIONRecord creditLine(const char *stockNo, dict::LONG recordNo, double quantity, double price)
    {
        dict::clearRecord(Access::CRSCRIPTION.Def(), &CRS);
        CRS.CREDITMEMONO = CRE.CREDITMEMONO;
        EXPECT_EQ(Access::CRSCRIPTION.PrimeRecord(true), Benign);
        CRS.STOCKNO = stockNo;
        CRS.RECORDNO = recordNo;
        CRS.QUANTITY = quantity;
        CRS.PRICE = price;
        CRS.TAXABLE = 1;
        cre::computeCreditLine(CRS, CRE, false);
        EXPECT_EQ(cre::bookCreditLine(true, {}), Benign);
        return CRS;
    }

    static double invoiceFigure(const char *column, dict::LONG invoiceNo)
    {
        return query(std::string("SELECT ") + column + " FROM INVOICE WHERE INVOICENO = " + std::to_string(invoiceNo));
    }

    // Every file a memo books into, row by row, without the rows' change stamps.
    static std::string books()
    {
        std::string rows;
        for (const char *table : {"STOCK", "INVOICE", "FINANCE", "CUSTOMER", "TOTALINV", "CREDIT", "CRSCRIPTION"}) {
            rows += std::string(table) + ":\n";
            std::istringstream lines(testsupport::tableRows(table));
            for (std::string row; std::getline(lines, row);)
                rows += row.substr(0, row.find_last_of('|', row.size() - 2)) + "\n";
        }
        return rows;
    }
};

TEST_F(CreditBookTest, AMemoCreditsItsInvoiceLowersTheBalanceAndReturnsItsStock)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 50);
    const dict::LONG no = invoice("C1", "A", a, 10, 10); // 100.00 and 8 % tax
    // 30.00 paid on it, booked as the payment window books it.
    ASSERT_EQ(Access::FINANCE.PrimeRecord(), Benign);
    FIN.INVOICENO = no;
    FIN.CUSTOMERNO = "C1";
    FIN.AMOUNTPAID = 30;
    ASSERT_EQ(app::payments::savePayment(true), Benign);
    ASSERT_EQ(invoiceFigure("TOTALDUE", no), 108);

    const dict::LONG memo = startMemo("C1", no);
    creditLine("A", a, 2, 10);
    EXPECT_EQ(onHand(a), 42) << "the line gives its stock back at once";
    EXPECT_EQ(balanceOf("C1"), 78) << "a new memo books nothing before it is saved";
    ASSERT_EQ(cre::saveCreditMemo(true), Benign);
    EXPECT_EQ(invoiceFigure("AMOUNTPAID", no), 51.6);
    EXPECT_EQ(invoiceFigure("AMOUNTOWED", no), 56.4);
    EXPECT_EQ(invoiceFigure("CREDITCHECK", no), 1);
    EXPECT_EQ(balanceOf("C1"), 56.4);
    EXPECT_EQ(query("SELECT AMOUNTPAID FROM FINANCE WHERE CREDITMEMONO = " + std::to_string(memo)), 21.6);
    EXPECT_EQ(query("SELECT AMOUNTDUE FROM FINANCE WHERE CREDITMEMONO = " + std::to_string(memo)), -21.6);
    EXPECT_EQ(query("SELECT TOTALDUE FROM TOTALINV WHERE RECORDNO = 1"), 108) << "a memo never moves TOTALINV";
    expectBooksAgree();

    // A changed line of the saved memo: 3 instead of 2, then 3 of B instead: stock by difference,
    // the books by the difference of the total.
    const dict::LONG b = addStock("B", 5);
    CRS.CREDITMEMONO = memo;
    CRS.ITEMNO = 1;
    ASSERT_EQ(Access::CRSCRIPTION.Fetch(CRS.CreditMemoNo_Key), Benign);
    dict::CRSCRIPTIONRecord before = CRS;
    CRS.QUANTITY = 3;
    cre::computeCreditLine(CRS, CRE, false);
    ASSERT_EQ(cre::bookCreditLine(false, before), Benign);
    EXPECT_EQ(onHand(a), 43);
    EXPECT_EQ(balanceOf("C1"), 45.6);
    EXPECT_EQ(invoiceFigure("AMOUNTOWED", no), 45.6);
    before = CRS;
    CRS.STOCKNO = "B";
    CRS.RECORDNO = b;
    ASSERT_EQ(cre::bookCreditLine(false, before), Benign);
    EXPECT_EQ(onHand(a), 40) << "the old item gives back what the line had returned";
    EXPECT_EQ(onHand(b), 8);
    expectBooksAgree();

    ASSERT_EQ(cre::unbookCreditLine(), Benign);
    EXPECT_EQ(onHand(b), 5);
    EXPECT_EQ(balanceOf("C1"), 78) << "a memo of nothing credits nothing";
    expectBooksAgree();
}

TEST_F(CreditBookTest, AMemoCopiedFromAnInvoiceAndDeletedLeavesEveryFileAsBefore)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 20);
    const dict::LONG b = addStock("B", 20);
    const dict::LONG kit = addStock("KIT", 10, 50, 0, "S");
    addComponent("KIT", "A", 2);
    addComponent("KIT", "B", 1);
    const dict::LONG no = invoice("C1", "KIT", kit, 3, 50, 10); // 150.00 less 10 %, 8 % tax
    EXPECT_EQ(onHand(kit), 7);
    EXPECT_EQ(onHand(a), 14);
    const std::string before = books();

    const dict::LONG memo = startMemo("", no);
    ASSERT_EQ(cre::copyInvoiceLines(memo, no), Benign);
    EXPECT_EQ(CRE.CUSTOMERNO.str(), "C1") << "a memo without a customer takes its invoice's";
    EXPECT_EQ(query("SELECT LINEITEMDESCRIPTION FROM CRSCRIPTION"), 10);
    EXPECT_EQ(onHand(kit), 10);
    EXPECT_EQ(onHand(a), 20) << "the components come back with the special item";
    EXPECT_EQ(onHand(b), 20);
    ASSERT_EQ(cre::saveCreditMemo(true), Benign);
    const double total = invoiceFigure("TOTALDUE", no);
    EXPECT_EQ(query("SELECT TOTALDUE FROM CREDIT"), total) << "the whole invoice credited";
    EXPECT_EQ(invoiceFigure("AMOUNTOWED", no), 0);
    EXPECT_EQ(balanceOf("C1"), 0);
    expectBooksAgree();

    ASSERT_EQ(cre::deleteCreditMemo(memo), Benign);
    EXPECT_EQ(books(), before);
}

TEST_F(CreditBookTest, CancelOfANewMemoTakesBackExactlyWhatItsLinesReturned)
{
    addCustomer("C1");
    const dict::LONG kit = addStock("KIT", 10, 50, 0, "S");
    const dict::LONG a = addStock("A", 20);
    addComponent("KIT", "A", 2);
    const std::string before = books();
    const dict::LONG memo = startMemo("C1");
    creditLine("KIT", kit, 2, 50);
    creditLine("A", a, 1, 5);
    EXPECT_EQ(onHand(a), 25);
    ASSERT_EQ(cre::cancelNewCreditMemo(memo), Benign);
    EXPECT_EQ(books(), before);
}

TEST_F(CreditBookTest, AMemoOfNoInvoiceOrOfAWrongOneIsRefusedWithNothingBooked)
{
    addCustomer("C1");
    addCustomer("C2");
    const dict::LONG a = addStock("A", 20);
    const dict::LONG c2Invoice = invoice("C2", "A", a, 1, 10);
    const dict::LONG quote = startInvoice("C1", true);
    ASSERT_EQ(Access::INVOICE.Insert(), Benign);
    struct Case {
        const char *customer;
        dict::LONG invoiceNo;
        const char *told;
    } const cases[] = {
        {"C1", 999, "Invoice Not Found"},
        {"C1", quote, "Quote Not Credited"},
        {"C1", c2Invoice, "Another Customer's Invoice"},
        {"C9", 0, "Customer Not Found"},
        {"", 0, "Customer Not Found"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.customer) + " / " + std::to_string(c.invoiceNo));
        const dict::LONG memo = startMemo(c.customer, c.invoiceNo);
        creditLine("A", a, 1, 10);
        const std::string before = books();
        screen.clear();
        EXPECT_NE(cre::saveCreditMemo(true), Benign);
        ASSERT_EQ(screen.shown().size(), 1u);
        EXPECT_EQ(screen.shown()[0].title, c.told);
        EXPECT_EQ(books(), before);
        ASSERT_EQ(cre::cancelNewCreditMemo(memo), Benign);
    }
    expectBooksAgree();
}

} // namespace
