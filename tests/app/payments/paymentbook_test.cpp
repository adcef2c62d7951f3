// The booking of payments, driven as the payment form and the finance history drive it, checked
// on the files: invoice, balance and FINANCE move together, by differences, or not at all.
#include "tests/support/paymentfolder.h"

#include <gtest/gtest.h>

namespace {

using namespace paymenttest;
using dict::Benign;
using testsupport::sqlOn;
namespace pay = app::payments;

class PaymentBookTest : public PaymentFolderTest
{
protected:
    static dict::LONG lastPayment() { return static_cast<dict::LONG>(query("SELECT MAX(RECORDNO) FROM FINANCE")); }

    // Changes the stored payment as the form does: amount (and invoice), its date as it was.
    static int change(dict::LONG recordNo, double amount, dict::LONG invoiceNo)
    {
        highlight(recordNo);
        FIN.AMOUNTPAID = amount;
        FIN.INVOICENO = invoiceNo;
        return pay::savePayment(false);
    }

    static std::string bytesOfBooks()
    {
        closeFiles();
        std::string bytes = testsupport::fileBytes(dict::DatabasePath);
        openFiles();
        return bytes;
    }
};

TEST_F(PaymentBookTest, APaymentMovesItsInvoiceAndBalanceAndAChangeOnlyByTheDifference)
{
    addCustomer("C1");
    const dict::LONG first = bookInvoice("C1", 100);
    const dict::LONG second = bookInvoice("C1", 50);
    EXPECT_EQ(balanceOf("C1"), 150);

    ASSERT_EQ(pay("C1", first, 40, 80000), Benign);
    const dict::LONG payment = lastPayment();
    EXPECT_EQ(invoiceValue("AMOUNTPAID", first), 40);
    EXPECT_EQ(invoiceValue("AMOUNTOWED", first), 60);
    EXPECT_EQ(invoiceValue("DATEPAID", first), 80000);
    EXPECT_EQ(invoiceValue("CREDITCHECK", first), 1);
    EXPECT_EQ(query("SELECT AMOUNTDUE FROM FINANCE WHERE RECORDNO = " + std::to_string(payment)), -40);
    EXPECT_EQ(balanceOf("C1"), 110);
    expectBooksAgree();

    ASSERT_EQ(change(payment, 45, first), Benign);
    EXPECT_EQ(invoiceValue("AMOUNTPAID", first), 45) << "45 paid, not 85";
    EXPECT_EQ(invoiceValue("AMOUNTOWED", first), 55);
    EXPECT_EQ(balanceOf("C1"), 105);
    EXPECT_EQ(query("SELECT DATE FROM FINANCE WHERE RECORDNO = " + std::to_string(payment)), 80000)
        << "a change keeps the payment's date";
    expectBooksAgree();

    // Moved to the other invoice: the first gets it back, the second takes it.
    ASSERT_EQ(change(payment, 45, second), Benign);
    EXPECT_EQ(invoiceValue("AMOUNTPAID", first), 0);
    EXPECT_EQ(invoiceValue("AMOUNTOWED", first), 100);
    EXPECT_EQ(invoiceValue("CREDITCHECK", first), 0);
    EXPECT_EQ(invoiceValue("AMOUNTOWED", second), 5);
    EXPECT_EQ(balanceOf("C1"), 105);
    expectBooksAgree();

    highlight(payment);
    ASSERT_EQ(pay::deletePayment(), Benign);
    EXPECT_EQ(invoiceValue("AMOUNTPAID", second), 0);
    EXPECT_EQ(invoiceValue("AMOUNTOWED", second), 50);
    EXPECT_EQ(invoiceValue("DATEPAID", second), 0);
    EXPECT_EQ(balanceOf("C1"), 150);
    expectBooksAgree();
}

TEST_F(PaymentBookTest, TenAndTwentyCentsPaidAgainstThirtyLeaveNothingOwedToTheCent)
{
    addCustomer("C1");
    const dict::LONG no = bookInvoice("C1", 0.30);
    ASSERT_EQ(pay("C1", no, 0.10), Benign);
    ASSERT_EQ(pay("C1", no, 0.20), Benign);
    EXPECT_EQ(invoiceValue("AMOUNTOWED", no), 0);
    EXPECT_EQ(invoiceValue("AMOUNTPAID", no), 0.3);
    EXPECT_EQ(balanceOf("C1"), 0);
    double balance = -1;
    ASSERT_EQ(pay::recomputeBalance(dict::String<10>("C1"), balance), Benign);
    EXPECT_EQ(balance, 0);
    EXPECT_EQ(balanceOf("C1"), 0);
    expectBooksAgree();
}

TEST_F(PaymentBookTest, APaymentOnAccountMovesOnlyTheBalance)
{
    addCustomer("C1");
    const dict::LONG no = bookInvoice("C1", 100);
    ASSERT_EQ(pay("C1", 0, 25), Benign);
    EXPECT_EQ(balanceOf("C1"), 75);
    EXPECT_EQ(invoiceValue("AMOUNTPAID", no), 0);
    highlight(lastPayment());
    ASSERT_EQ(pay::deletePayment(), Benign);
    EXPECT_EQ(balanceOf("C1"), 100);
    expectBooksAgree();
}

TEST_F(PaymentBookTest, APaymentTakenMeanwhileElsewhereIsKeptWhenAnotherIsChanged)
{
    addCustomer("C1");
    const dict::LONG no = bookInvoice("C1", 100);
    ASSERT_EQ(pay("C1", no, 40), Benign);
    const dict::LONG payment = lastPayment();
    highlight(payment); // the form opens on it

    // Another station takes 10.00 on the same invoice.
    sqlOn(dict::DatabasePath, ("INSERT INTO FINANCE (RECORDNO, CUSTOMERNO, INVOICENO, AMOUNTDUE, AMOUNTPAID) VALUES "
                               "(99, 'C1', " + std::to_string(no) + ", -10, 10)").c_str());
    sqlOn(dict::DatabasePath, "UPDATE CUSTOMER SET BALANCE = BALANCE - 10");
    sqlOn(dict::DatabasePath, "UPDATE INVOICE SET AMOUNTPAID = 50, AMOUNTOWED = 50");

    FIN.AMOUNTPAID = 30;
    ASSERT_EQ(pay::savePayment(false), Benign);
    EXPECT_EQ(invoiceValue("AMOUNTPAID", no), 40);
    EXPECT_EQ(invoiceValue("AMOUNTOWED", no), 60);
    EXPECT_EQ(balanceOf("C1"), 60);
    expectBooksAgree();
}

// The form found 100.00 owed and took 80.00 without a question; another station took 50.00
// meanwhile. Inside the unit the invoice as stored owes 50.00: the payment is refused, unless the
// user had agreed to pay that far beyond what was owed.
TEST_F(PaymentBookTest, APaymentLargerThanWhatIsOwedNowIsRefusedUnlessAgreed)
{
    addCustomer("C1");
    const dict::LONG no = bookInvoice("C1", 100);
    ASSERT_EQ(pay("C1", no, 50), Benign); // the other station's payment, stored first
    const auto before = bytesOfBooks();
    screen.clear();
    EXPECT_NE(pay("C1", no, 80), Benign);
    EXPECT_EQ(titles(), std::vector<std::string>{"Payment Larger Than Owed"});
    EXPECT_EQ(bytesOfBooks(), before);

    dict::clearRecord(Access::FINANCE.Def(), &FIN);
    FIN.CUSTOMERNO = "C1";
    FIN.INVOICENO = no;
    FIN.AMOUNTPAID = 80;
    ASSERT_EQ(pay::savePayment(true, 30), Benign) << "agreed to pay 30.00 beyond what was owed";
    EXPECT_EQ(invoiceValue("AMOUNTOWED", no), -30);
    expectBooksAgree();
}

TEST_F(PaymentBookTest, RefusalsSayWhyAndLeaveEveryFileAsItWas)
{
    addCustomer("C1");
    addCustomer("C2");
    const dict::LONG quote = bookInvoice("C1", 20, true);
    const dict::LONG others = bookInvoice("C2", 30);
    const dict::LONG mine = bookInvoice("C1", 40);
    sqlOn(dict::DatabasePath, "INSERT INTO FINANCE (RECORDNO, CUSTOMERNO, CREDITMEMONO, AMOUNTDUE) VALUES "
                              "(98, 'C1', 7, -5)");
    sqlOn(dict::DatabasePath, "UPDATE CUSTOMER SET BALANCE = 35 WHERE CUSTOMERNO = 'C1'");
    const std::string before = bytesOfBooks();

    screen.clear();
    EXPECT_NE(pay("C1", quote, 5), Benign);
    EXPECT_NE(pay("C1", others, 5), Benign);
    EXPECT_NE(pay("C1", 4711, 5), Benign);
    highlight(ownRecordOf(mine));
    EXPECT_NE(pay::deletePayment(), Benign);
    highlight(98);
    EXPECT_NE(pay::deletePayment(), Benign);
    EXPECT_EQ(texts(), (std::vector<std::string>{
                           "Invoice " + std::to_string(quote) + " is still a quote, and a quote takes no payment. "
                           "Make it an invoice first.",
                           "Invoice " + std::to_string(others) + " belongs to another customer. Enter an invoice "
                           "of this customer.",
                           "Invoice 4711 is not on file; it may have been deleted at another station. Nothing was "
                           "saved.",
                           "You cannot delete the orginal Invoice Information.",
                           "You cannot delete the orginal Invoice Information.",
                       }));
    EXPECT_EQ(bytesOfBooks(), before);
}

TEST_F(PaymentBookTest, AFailureHalfWayLeavesEveryFileAsItWas)
{
    addCustomer("C1");
    const dict::LONG no = bookInvoice("C1", 100);
    ASSERT_EQ(pay("C1", no, 40), Benign);
    const dict::LONG payment = lastPayment();
    // The customer file refuses the balance: FINANCE and INVOICE were written by then.
    sqlOn(dict::DatabasePath,
          "CREATE TRIGGER refuse BEFORE UPDATE ON CUSTOMER BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    const std::string before = bytesOfBooks();

    screen.clear();
    EXPECT_NE(pay("C1", no, 10), Benign);
    EXPECT_NE(change(payment, 45, no), Benign);
    highlight(payment);
    EXPECT_NE(pay::deletePayment(), Benign);
    EXPECT_EQ(titles(), std::vector<std::string>(3, "Nothing Saved"));
    EXPECT_EQ(bytesOfBooks(), before);
}

TEST_F(PaymentBookTest, TheBalanceIsRecomputedFromWhatIsStoredNow)
{
    addCustomer("C1");
    const dict::LONG no = bookInvoice("C1", 100);
    ASSERT_EQ(pay("C1", no, 40), Benign);
    sqlOn(dict::DatabasePath, "UPDATE CUSTOMER SET BALANCE = 999"); // a balance gone wrong
    sqlOn(dict::DatabasePath, "INSERT INTO FINANCE (RECORDNO, CUSTOMERNO, AMOUNTDUE, AMOUNTPAID) VALUES "
                              "(99, 'C1', -5, 5)"); // and a payment on account from another station
    double balance = 0;
    ASSERT_EQ(pay::recomputeBalance(dict::String<10>("C1"), balance), Benign);
    EXPECT_EQ(balance, 55);
    EXPECT_EQ(balanceOf("C1"), 55);
    expectBooksAgree();
}

} // namespace
