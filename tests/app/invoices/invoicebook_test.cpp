// The booking behind the invoice windows, driven as the forms drive it, checked on the files.
#include "app/invoices/invoicebook.h"
#include "app/invoices/invoicemath.h"
#include "dictionary/schema.h"
#include "framework/picture.h"
#include "tests/support/invoicefolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace invoicetest;
namespace inv = app::invoices;
using dict::Benign;
using testsupport::sqlOn;

class InvoiceBookTest : public InvoiceFolderTest
{
protected:
    static void reread(dict::LONG invoiceNo)
    {
        INV.INVOICENO = invoiceNo;
        ASSERT_EQ(Access::INVOICE.TryFetch(INV.InvoiceNo_Key), Benign);
    }

    static double invoiceNumber(const char *column, dict::LONG invoiceNo)
    {
        return query(std::string("SELECT ") + column + " FROM INVOICE WHERE INVOICENO = " + std::to_string(invoiceNo));
    }
};

TEST_F(InvoiceBookTest, LinesTakeStockWithBackOrdersAndGiveBackWhatTheyTook)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 3);
    const dict::LONG b = addStock("B", 10);
    startInvoice("C1");
    dict::DESCRIPTIONRecord line = addLine("A", a, 5, 10);
    EXPECT_EQ(onHand(a), -2);
    EXPECT_EQ(line.BACKORDER, 1);
    EXPECT_EQ(line.AMOUNTBACKORDERED, 2);
    EXPECT_EQ(query("SELECT AMOUNTBACKORDERED FROM STOCK WHERE RECORDNO = " + std::to_string(a)), 2);

    // Changed to 5 of B: A gets its 5 and its back order back, B gives 5, enough for no back order.
    const dict::DESCRIPTIONRecord before = line;
    DES.STOCKNO = "B";
    DES.RECORDNO = b;
    ASSERT_EQ(inv::bookLine(false, before, true), Benign);
    EXPECT_EQ(onHand(a), 3);
    EXPECT_EQ(query("SELECT AMOUNTBACKORDERED FROM STOCK WHERE RECORDNO = " + std::to_string(a)), 0);
    EXPECT_EQ(query("SELECT BACKORDERED FROM STOCK WHERE RECORDNO = " + std::to_string(a)), 0);
    EXPECT_EQ(onHand(b), 5);
    EXPECT_EQ(DES.BACKORDER, 0);

    // On hand above the minimum but short: only what is missing is back-ordered, never a negative.
    const dict::LONG c = addStock("C", 5, 10, 10);
    reread(INV.INVOICENO);
    line = addLine("C", c, 2, 10);
    EXPECT_EQ(line.AMOUNTBACKORDERED, 0);
    EXPECT_EQ(onHand(c), 3);

    ASSERT_EQ(inv::unbookLine(true), Benign);
    EXPECT_EQ(onHand(c), 5);
    EXPECT_EQ(query("SELECT COUNT(*) FROM DESCRIPTION"), 1);
}

TEST_F(InvoiceBookTest, SpecialItemsMoveTheirComponentsAndSharedStockNumbersMoveTheRightItem)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 20);
    const dict::LONG b = addStock("B", 20);
    const dict::LONG kit = addStock("KIT", 10, 50, 0, "S");
    addComponent("KIT", "A", 2);
    addComponent("KIT", "B", 1);
    const dict::LONG twin1 = addStock("TWIN", 7);
    const dict::LONG twin2 = addStock("TWIN", 7);
    startInvoice("C1");
    addLine("KIT", kit, 3, 50);
    EXPECT_EQ(onHand(kit), 7);
    EXPECT_EQ(onHand(a), 14);
    EXPECT_EQ(onHand(b), 17);
    addLine("TWIN", twin2, 2, 10);
    EXPECT_EQ(onHand(twin1), 7);
    EXPECT_EQ(onHand(twin2), 5);

    ASSERT_EQ(inv::cancelNewInvoice(INV.INVOICENO, true), Benign);
    EXPECT_EQ(onHand(kit), 10);
    EXPECT_EQ(onHand(a), 20);
    EXPECT_EQ(onHand(b), 20);
    EXPECT_EQ(onHand(twin2), 7);
    EXPECT_EQ(query("SELECT COUNT(*) FROM DESCRIPTION"), 0);
    EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE"), 0) << "the reserved number is released";
}

TEST_F(InvoiceBookTest, SavesBookByDifferenceAndNeverTwice)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 100);
    const dict::LONG no = startInvoice("C1");
    addLine("A", a, 2, 10); // 20.00 + 1.60 tax
    bool holds = true;
    ASSERT_EQ(inv::saveInvoice(true, holds), Benign);
    EXPECT_EQ(invoiceNumber("TOTALDUE", no), 21.6);
    EXPECT_EQ(balanceOf("C1"), 21.6);
    expectBooksAgree();

    reread(no);
    addLine("A", a, 1, 10);
    reread(no);
    ASSERT_EQ(inv::saveInvoice(false, holds), Benign);
    EXPECT_EQ(invoiceNumber("TOTALDUE", no), 32.4);
    EXPECT_EQ(balanceOf("C1"), 32.4);
    ASSERT_EQ(inv::saveInvoice(false, holds), Benign);
    EXPECT_EQ(balanceOf("C1"), 32.4) << "saving again books nothing more";
    EXPECT_EQ(query("SELECT TOTALDUE FROM TOTALINV"), 32.4);
    EXPECT_EQ(onHand(a), 97);
    expectBooksAgree();
}

// A line saved, changed or deleted on a saved invoice books the invoice with it: the books agree
// after each line's commit, so a crash before the form's Save loses nothing and leaves nothing
// half-booked. A new invoice whose number is only reserved books nothing but its lines' stock.
TEST_F(InvoiceBookTest, LinesBookTheSavedInvoiceSoTheBooksAgreeBeforeItsSave)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 100);
    const dict::LONG no = startInvoice("C1");
    const dict::DESCRIPTIONRecord first = addLine("A", a, 2, 10);
    EXPECT_EQ(balanceOf("C1"), 0) << "a reserved invoice books nothing yet";
    expectBooksAgree();
    bool holds = true;
    ASSERT_EQ(inv::saveInvoice(true, holds), Benign);
    EXPECT_EQ(balanceOf("C1"), 21.6);

    reread(no);
    addLine("A", a, 1, 10); // no Save after it
    EXPECT_EQ(invoiceNumber("TOTALDUE", no), 32.4);
    EXPECT_EQ(balanceOf("C1"), 32.4);
    EXPECT_EQ(query("SELECT TOTALDUE FROM TOTALINV WHERE RECORDNO = 1"), 32.4);
    expectBooksAgree();

    DES.INVOICENO = no; // the first line, changed
    Access::DESCRIPTION.ClearKey(DES.InvoiceNo_Key);
    DES.INVOICENO = no;
    Access::DESCRIPTION.SetAt(DES.InvoiceNo_Key);
    ASSERT_EQ(Access::DESCRIPTION.TryNext(), Benign);
    DES.QUANTITY = 5;
    inv::computeLine(DES, inv::lineTermsOf(INV, false));
    ASSERT_EQ(inv::bookLine(false, first, true), Benign);
    EXPECT_EQ(invoiceNumber("TOTALDUE", no), 64.8);
    EXPECT_EQ(onHand(a), 94);
    expectBooksAgree();

    ASSERT_EQ(inv::unbookLine(true), Benign);
    EXPECT_EQ(invoiceNumber("TOTALDUE", no), 10.8);
    EXPECT_EQ(balanceOf("C1"), 10.8);
    EXPECT_EQ(onHand(a), 99);
    expectBooksAgree();
}

// The form read the invoice before another station took a payment on it: its discount change is
// refused inside the unit, on what is stored then, for the refigured lines and for the save.
TEST_F(InvoiceBookTest, ADiscountChangeIsRefusedOnceAPaymentIsStoredWhateverTheFormRead)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 100);
    const dict::LONG no = startInvoice("C1");
    addLine("A", a, 2, 10);
    bool holds = true;
    ASSERT_EQ(inv::saveInvoice(true, holds), Benign);
    reread(no);
    dict::INVOICERecord form = INV;
    sqlOn(dict::DatabasePath, ("INSERT INTO FINANCE (CUSTOMERNO, INVOICENO, AMOUNTPAID, AMOUNTDUE) VALUES ('C1', "
                               + std::to_string(no) + ", 5, -5)").c_str());
    sqlOn(dict::DatabasePath, "UPDATE INVOICE SET AMOUNTPAID = 5, AMOUNTOWED = TOTALDUE - 5, _version = _version + 1");
    sqlOn(dict::DatabasePath, "UPDATE CUSTOMER SET BALANCE = BALANCE - 5, _version = _version + 1");
    form.CUSTOMERDISCOUNT = 10;

    static_cast<dict::INVOICERecord &>(INV) = form;
    EXPECT_NE(inv::refigureLines(INV, false), Benign);
    static_cast<dict::INVOICERecord &>(INV) = form;
    EXPECT_NE(inv::saveInvoice(false, holds), Benign);
    EXPECT_EQ(titles(), (std::vector<std::string>{"Discount Not Changed", "Discount Not Changed"}));
    EXPECT_EQ(invoiceNumber("CUSTOMERDISCOUNT", no), 0);
    EXPECT_EQ(invoiceNumber("TOTALDUE", no), 21.6);
    expectBooksAgree();
}

TEST_F(InvoiceBookTest, APaymentPostedWhileTheFormWasOpenIsKept)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 100);
    const dict::LONG no = startInvoice("C1");
    addLine("A", a, 5, 10); // 54.00
    bool holds = true;
    ASSERT_EQ(inv::saveInvoice(true, holds), Benign);
    reread(no);
    const dict::INVOICERecord form = INV; // the form's copy, opened before the payment

    // Another window takes 40.00 on the invoice.
    sqlOn(dict::DatabasePath, ("INSERT INTO FINANCE (RECORDNO, CUSTOMERNO, INVOICENO, AMOUNTDUE, AMOUNTPAID) VALUES "
                               "(99, 'C1', " + std::to_string(no) + ", -40, 40)").c_str());
    sqlOn(dict::DatabasePath, "UPDATE CUSTOMER SET BALANCE = BALANCE - 40");
    sqlOn(dict::DatabasePath, "UPDATE INVOICE SET AMOUNTPAID = 40, AMOUNTOWED = 14");

    static_cast<dict::INVOICERecord &>(INV) = form;
    INV.SHIPPING = 6;
    ASSERT_EQ(inv::saveInvoice(false, holds), Benign);
    EXPECT_EQ(invoiceNumber("TOTALDUE", no), 60);
    EXPECT_EQ(invoiceNumber("AMOUNTPAID", no), 40);
    EXPECT_EQ(invoiceNumber("AMOUNTOWED", no), 20);
    EXPECT_EQ(balanceOf("C1"), 20);
    expectBooksAgree();
}

TEST_F(InvoiceBookTest, AQuoteTouchesNoOtherFileUntilItBecomesAnInvoice)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 10);
    const dict::LONG no = startInvoice("C1", true);
    bool holds = false;
    addLine("A", a, 2, 10, holds);
    addLine("A", a, 1, 10, holds);
    const dict::INVOICERecord form = INV;
    closeFiles();
    const std::string finance = testsupport::tableRows("FINANCE");
    const std::string totals = testsupport::tableRows("TOTALINV");
    const std::string customers = testsupport::tableRows("CUSTOMER");
    const std::string stock = testsupport::tableRows("STOCK");
    openFiles();
    reread(no); // the number as reserved, with the form's header
    static_cast<dict::INVOICERecord &>(INV) = form;
    ASSERT_EQ(inv::saveInvoice(false, holds), Benign) << testing::PrintToString(texts());
    closeFiles();
    EXPECT_EQ(testsupport::tableRows("FINANCE"), finance);
    EXPECT_EQ(testsupport::tableRows("TOTALINV"), totals);
    EXPECT_EQ(testsupport::tableRows("CUSTOMER"), customers);
    EXPECT_EQ(testsupport::tableRows("STOCK"), stock);
    openFiles();

    // Converted: the stock goes out once, the invoice is booked, and a second save moves nothing.
    // The quote was printed; the invoice it becomes is not.
    testsupport::sqlOn(dict::DatabasePath, ("UPDATE INVOICE SET PRINTED = 'P' WHERE INVOICENO = " + std::to_string(no)).c_str());
    reread(no);
    ASSERT_EQ(INV.PRINTED.str(), "P");
    INV.QUOTES = 0;
    ASSERT_EQ(inv::saveInvoice(false, holds), Benign);
    EXPECT_TRUE(holds);
    reread(no);
    EXPECT_TRUE(INV.PRINTED.blank());
    EXPECT_EQ(onHand(a), 7);
    EXPECT_EQ(balanceOf("C1"), 32.4);
    reread(no);
    ASSERT_EQ(inv::saveInvoice(false, holds), Benign);
    EXPECT_EQ(onHand(a), 7);
    expectBooksAgree();
}

TEST_F(InvoiceBookTest, CancelOfANewInvoiceReversesItsPaymentsAndCancelOfAChangeBooksTheLinesKept)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 10);
    dict::LONG no = startInvoice("C1");
    addLine("A", a, 1, 10);
    sqlOn(dict::DatabasePath, ("INSERT INTO FINANCE (RECORDNO, CUSTOMERNO, INVOICENO, AMOUNTDUE, AMOUNTPAID) VALUES "
                               "(99, 'C1', " + std::to_string(no) + ", -5, 5)").c_str());
    sqlOn(dict::DatabasePath, "UPDATE CUSTOMER SET BALANCE = -5");
    EXPECT_TRUE(inv::hasPayments(no));
    ASSERT_EQ(inv::cancelNewInvoice(no, true), Benign);
    EXPECT_EQ(balanceOf("C1"), 0);
    EXPECT_EQ(query("SELECT COUNT(*) FROM FINANCE"), 0);
    EXPECT_EQ(onHand(a), 10);

    no = startInvoice("C1");
    addLine("A", a, 1, 10);
    bool holds = true;
    ASSERT_EQ(inv::saveInvoice(true, holds), Benign);
    reread(no);
    addLine("A", a, 2, 10); // stored by the line form; then the invoice form is cancelled
    ASSERT_EQ(inv::settleChange(no, holds), Benign);
    EXPECT_EQ(invoiceNumber("TOTALDUE", no), 32.4);
    EXPECT_EQ(balanceOf("C1"), 32.4);
    EXPECT_EQ(onHand(a), 7);
    expectBooksAgree();
}

TEST_F(InvoiceBookTest, AnInvoiceMovesToAnotherCustomerWithItsBooksUnlessPaid)
{
    addCustomer("C1");
    addCustomer("C2");
    const dict::LONG a = addStock("A", 10);
    const dict::LONG no = startInvoice("C1");
    addLine("A", a, 1, 10);
    bool holds = true;
    ASSERT_EQ(inv::saveInvoice(true, holds), Benign);
    reread(no);
    INV.CUSTOMERNO = "C2";
    ASSERT_EQ(inv::saveInvoice(false, holds), Benign);
    EXPECT_EQ(balanceOf("C1"), 0);
    EXPECT_EQ(balanceOf("C2"), 10.8);
    EXPECT_EQ(query("SELECT COUNT(*) FROM FINANCE WHERE CUSTOMERNO = 'C2'"), 1);
    EXPECT_EQ(query("SELECT COUNT(*) FROM DESCRIPTION WHERE CUSTOMERNO = 'C2'"), 1);
    expectBooksAgree();

    sqlOn(dict::DatabasePath, ("INSERT INTO FINANCE (RECORDNO, CUSTOMERNO, INVOICENO, AMOUNTDUE, AMOUNTPAID) VALUES "
                               "(99, 'C2', " + std::to_string(no) + ", -5, 5)").c_str());
    sqlOn(dict::DatabasePath, "UPDATE CUSTOMER SET BALANCE = 5.8 WHERE CUSTOMERNO = 'C2'");
    sqlOn(dict::DatabasePath, "UPDATE INVOICE SET AMOUNTPAID = 5, AMOUNTOWED = 5.8");
    reread(no);
    INV.CUSTOMERNO = "C1";
    EXPECT_NE(inv::saveInvoice(false, holds), Benign);
    EXPECT_EQ(titles(), std::vector<std::string>{"Customer Not Changed"});
    EXPECT_EQ(balanceOf("C2"), 5.8);
    EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE WHERE CUSTOMERNO = 'C2'"), 1);
    expectBooksAgree();
}

TEST_F(InvoiceBookTest, AFailureHalfWayThroughASaveLeavesEveryFileAsItWas)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 10);
    const dict::LONG no = startInvoice("C1");
    addLine("A", a, 2, 10);
    bool holds = true;
    ASSERT_EQ(inv::saveInvoice(true, holds), Benign);
    reread(no);
    addLine("A", a, 1, 10);
    reread(no);
    dict::INVOICERecord form = INV;
    form.SHIPPING = 5; // the save moves the balance by it

    // The customer file refuses the balance: FINANCE, TOTALINV and the lines were written by then.
    sqlOn(dict::DatabasePath,
          "CREATE TRIGGER refuse BEFORE UPDATE ON CUSTOMER BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    closeFiles();
    const std::string before = testsupport::fileBytes(dict::DatabasePath);
    openFiles();
    static_cast<dict::INVOICERecord &>(INV) = form;
    EXPECT_NE(inv::saveInvoice(false, holds), Benign);
    EXPECT_EQ(titles(), std::vector<std::string>{"Nothing Saved"});
    closeFiles();
    EXPECT_EQ(testsupport::fileBytes(dict::DatabasePath), before);

    // Pressed again once the fault is gone: booked once.
    sqlOn(dict::DatabasePath, "DROP TRIGGER refuse");
    openFiles();
    static_cast<dict::INVOICERecord &>(INV) = form;
    ASSERT_EQ(inv::saveInvoice(false, holds), Benign);
    EXPECT_EQ(balanceOf("C1"), 37.4);
    expectBooksAgree();
}

TEST_F(InvoiceBookTest, DeletingAnInvoiceTakesBackWhatItBookedAndItsItemsOnlyWhenAsked)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 10);
    bool holds = true;
    const dict::LONG kept = startInvoice("C1");
    addLine("A", a, 1, 10);
    ASSERT_EQ(inv::saveInvoice(true, holds), Benign);
    const dict::LONG paid = startInvoice("C1");
    addLine("A", a, 2, 50); // 108.00
    ASSERT_EQ(inv::saveInvoice(true, holds), Benign);
    sqlOn(dict::DatabasePath, ("INSERT INTO FINANCE (RECORDNO, CUSTOMERNO, INVOICENO, AMOUNTDUE, AMOUNTPAID) VALUES "
                               "(99, 'C1', " + std::to_string(paid) + ", -40, 40)").c_str());
    sqlOn(dict::DatabasePath, "UPDATE CUSTOMER SET BALANCE = BALANCE - 40");
    sqlOn(dict::DatabasePath, ("UPDATE INVOICE SET AMOUNTPAID = 40, AMOUNTOWED = 68 WHERE INVOICENO = " + std::to_string(paid)).c_str());
    // A credit memo of the paid invoice had put one A back.
    sqlOn(dict::DatabasePath, ("INSERT INTO CREDIT (RECORDNO, CREDITMEMONO, CUSTOMERNO, INVOICENO) VALUES (1, 1, 'C1', "
                              + std::to_string(paid) + ")").c_str());
    sqlOn(dict::DatabasePath, ("INSERT INTO CRSCRIPTION (CREDITMEMONO, ITEMNO, STOCKNO, RECORDNO, QUANTITY) VALUES "
                                "(1, 1, 'A', " + std::to_string(a) + ", 1)").c_str());
    sqlOn(dict::DatabasePath, "UPDATE STOCK SET AMOUNTINSTOCK = AMOUNTINSTOCK + 1");
    EXPECT_EQ(onHand(a), 8);

    ASSERT_EQ(inv::deleteInvoice(paid, true), Benign);
    EXPECT_EQ(onHand(a), 9) << "each item of the invoice comes back once";
    EXPECT_EQ(query("SELECT COUNT(*) FROM FINANCE WHERE INVOICENO = " + std::to_string(paid)), 0);
    EXPECT_EQ(balanceOf("C1"), 10.8);
    EXPECT_EQ(query("SELECT TOTALDUE FROM TOTALINV WHERE RECORDNO = 1"), 10.8);
    expectBooksAgree();

    ASSERT_EQ(inv::deleteInvoice(kept, false), Benign);
    EXPECT_EQ(onHand(a), 9) << "No keeps the items out";
    EXPECT_EQ(balanceOf("C1"), 0);
    EXPECT_EQ(query("SELECT FINANCEPRESENT FROM CUSTOMER"), 0) << "no finance record left";
    EXPECT_EQ(query("SELECT COUNT(*) FROM DESCRIPTION"), 0);
    EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE"), 0);
    expectBooksAgree();
}

TEST_F(InvoiceBookTest, DeletingAQuoteLeavesTheBooksAlone)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 10);
    bool holds = false;
    const dict::LONG quote = startInvoice("C1", true);
    addLine("A", a, 3, 10, holds);
    ASSERT_EQ(inv::saveInvoice(true, holds), Benign);
    ASSERT_EQ(inv::deleteInvoice(quote, true), Benign);
    EXPECT_EQ(onHand(a), 10) << "a quote held no stock to give back";
    EXPECT_EQ(balanceOf("C1"), 0);
    EXPECT_EQ(query("SELECT TOTAL(TOTALDUE) FROM TOTALINV"), 0);
    EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE"), 0);
}

TEST_F(InvoiceBookTest, TwoStationsBookingAtOnceKeepTheBooksAndTheNumbersApart)
{
    GLO.CANADIAN = dict::TaxRegime::SalesTax;
    addCustomer("C1");
    const dict::LONG a = addStock("A", 1000);
    closeFiles();
    std::vector<testsupport::WorkerProcess> stations;
    for (int i = 0; i < 2; ++i)
        stations.push_back(testsupport::startWorker(folder, {"book-invoices", "C1", "A", "25"}));
    std::vector<std::string> numbers;
    for (const testsupport::WorkerProcess &station : stations) {
        for (std::string line = testsupport::readLine(station.output); !line.empty(); line = testsupport::readLine(station.output))
            numbers.push_back(line);
        EXPECT_EQ(testsupport::waitWorker(station.pid), 0);
    }
    openFiles();
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(numbers.size(), 50u);
    EXPECT_EQ(std::unique(numbers.begin(), numbers.end()), numbers.end()) << "every invoice has a number of its own";
    EXPECT_EQ(onHand(a), 950);
    EXPECT_EQ(balanceOf("C1"), 540);
    EXPECT_EQ(query("SELECT TOTALDUE FROM TOTALINV WHERE RECORDNO = 1"), 540);
    expectBooksAgree();
}

TEST_F(InvoiceBookTest, TwoStationsWritingInvoicesPaymentsAndCreditMemosAtRandomKeepTheBooksToTheCent)
{
    GLO.CANADIAN = dict::TaxRegime::SalesTax;
    for (const char *customer : {"C1", "C2", "C3"})
        addCustomer(customer);
    addStock("A", 500);
    addStock("B", 500);
    closeFiles();
    std::vector<testsupport::WorkerProcess> stations;
    for (const char *seed : {"11", "12"})
        stations.push_back(testsupport::startWorker(folder, {"random-books", seed, "1000"}));
    for (const testsupport::WorkerProcess &station : stations) {
        EXPECT_EQ(testsupport::readLine(station.output), "done");
        EXPECT_EQ(testsupport::waitWorker(station.pid), 0);
    }
    openFiles();
    EXPECT_GT(query("SELECT COUNT(*) FROM INVOICE"), 5) << "the stations did write";
    EXPECT_GT(query("SELECT COUNT(*) FROM FINANCE WHERE AMOUNTPAID > 0"), 2) << "and took payments";
    EXPECT_GT(query("SELECT COUNT(*) FROM CREDIT"), 2) << "and credited some";
    expectBooksAgree();
    // What is out of stock is what the invoices' lines hold less what the memos' lines gave back.
    const double held = query("SELECT TOTAL(QUANTITY) FROM DESCRIPTION x WHERE (SELECT QUOTES FROM INVOICE "
                              "WHERE INVOICENO = x.INVOICENO) = 0");
    const double returned = query("SELECT TOTAL(QUANTITY) FROM CRSCRIPTION");
    EXPECT_NEAR(query("SELECT TOTAL(AMOUNTINSTOCK) FROM STOCK") + held - returned, 1000, 1e-6);
}

TEST_F(InvoiceBookTest, ACustomerThatIsGoneRefusesTheSave)
{
    addCustomer("C1");
    startInvoice("C1");
    sqlOn(dict::DatabasePath, "DELETE FROM CUSTOMER");
    bool holds = true;
    EXPECT_NE(inv::saveInvoice(true, holds), Benign);
    EXPECT_EQ(titles(), std::vector<std::string>{"Customer Not Found"});
    EXPECT_EQ(query("SELECT COUNT(*) FROM FINANCE"), 0);
    EXPECT_EQ(query("SELECT TOTAL(TOTALDUE) FROM TOTALINV"), 0);
}

} // namespace
