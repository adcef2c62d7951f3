// The finance history and its payment form driven through their windows, as the customer list
// opens them; what lands in FINANCE, INVOICE and CUSTOMER is read back with SQL.
#include "app/customers/customers.h"
#include "app/payments/financehistory.h"
#include "app/payments/paymentform.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/optionbox.h"
#include "framework/picture.h"
#include "tests/support/paymentfolder.h"
#include "tests/support/tidy.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

using namespace paymenttest;
using maintenancetest::closeStarted;
using maintenancetest::procedureOf;
using setuptest::type;
using setuptest::WhenShown;
using History = Brw::CustomersFinanceHistory;

void press(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

class FinanceHistoryTest : public PaymentFolderTest
{
protected:
    void TearDown() override
    {
        GLO.CUSTOMERNO.clear();
        PaymentFolderTest::TearDown();
    }

    // An invoice of the customer dated ten days back, so that payments list after it by date.
    static dict::LONG olderInvoice(const char *customer, double total)
    {
        const dict::LONG no = bookInvoice(customer, total);
        testsupport::sqlOn(dict::DatabasePath, "UPDATE FINANCE SET DATE = DATE - 10");
        return no;
    }

    static History *open(const char *customer)
    {
        GLO.CUSTOMERNO = customer;
        auto *history = new History;
        history->Start();
        return history;
    }
    static void close(History *h) { closeStarted(h, h->widgets().close); }

    // Highlights the row'th record of the list, as the arrow keys do.
    static void highlightRow(History *h, int row)
    {
        QTableView *view = h->widgets().list->view();
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(view, Qt::Key_Down);
    }

    static WhenShown onForm(const char *title,
                            std::function<void(Upd::CustomerFinanceHistory &, const fw::Form &)> act)
    {
        return WhenShown(title, [act](QWidget *w) {
            auto *form = procedureOf<Upd::CustomerFinanceHistory>(w);
            ASSERT_NE(form, nullptr);
            act(*form, form->form());
        });
    }

    static double payments(const std::string &where = "1")
    {
        return query("SELECT COUNT(*) FROM FINANCE WHERE AMOUNTPAID <> 0 AND " + where);
    }
};

TEST_F(FinanceHistoryTest, TheFinanceButtonOpensTheHighlightedCustomersHistoryAndCorrectsItsBalance)
{
    addCustomer("C1");
    bookInvoice("C1", 100);
    testsupport::sqlOn(dict::DatabasePath, "UPDATE CUSTOMER SET BALANCE = 999");
    GLO.CUSTOMERNO = "C1";
    auto *customers = new Brw::Customers;
    customers->Start();
    ASSERT_TRUE(customers->button(Brw::Customers::Finance)->isEnabled());
    press(customers->button(Brw::Customers::Finance));
    QWidget *window = setuptest::openWindow("Customers Credit/Debits...");
    ASSERT_NE(window, nullptr);
    auto *history = procedureOf<History>(window);
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(qobject_cast<QGroupBox *>(history->widgets().list->parentWidget())->title(),
              "Browsing Finance History of Name of C1");
    EXPECT_EQ(history->info(Brw::CustomersFinanceHistory::Balance)->text(), "100.00");
    EXPECT_EQ(balanceOf("C1"), 100) << "the stored balance is the sum of the records";
    EXPECT_EQ(history->browse().Records(), 1u);
    testsupport::expectColumnsFit(*history); // no "0000..." for a number
    EXPECT_TRUE(history->button(Brw::CustomersFinanceHistory::Invoice)->isEnabled());
    EXPECT_FALSE(history->button(Brw::CustomersFinanceHistory::Credit)->isEnabled());
    close(history);
    closeStarted(customers, customers->widgets().close);
}

// A payment taken elsewhere (the invoice's Payment button, another station) moves the balance an
// open history shows, as it adds the row.
TEST_F(FinanceHistoryTest, AnOpenHistoryFollowsAPaymentTakenElsewhere)
{
    addCustomer("C1");
    const dict::LONG invoice = bookInvoice("C1", 313.01);
    History *h = open("C1");
    EXPECT_EQ(h->info(History::Balance)->text(), "313.01");
    // Written at another station: only the file's change notices tell this one.
    testsupport::sqlOn(dict::DatabasePath, ("INSERT INTO FINANCE (RECORDNO, CUSTOMERNO, INVOICENO, DATE, TERMS, AMOUNTPAID, "
                                            "AMOUNTDUE) VALUES (99, 'C1', " + std::to_string(invoice) + ", 80000, 'Cash', 65.43, -65.43)")
                                               .c_str());
    QTRY_COMPARE_WITH_TIMEOUT(h->info(History::Balance)->text(), QStringLiteral("247.58"), 5000);
    EXPECT_EQ(h->browse().Records(), 2u);
    close(h);
}

TEST_F(FinanceHistoryTest, APaymentAddedChangedAndDeletedThroughTheWindowsMovesTheBooks)
{
    addCustomer("C1");
    const dict::LONG no = olderInvoice("C1", 100);
    History *h = open("C1");
    {
        auto form = onForm("Add Finance Information", [&](Upd::CustomerFinanceHistory &, const fw::Form &w) {
            type(w.entry(FIN.INVOICENO), QString::number(no));
            const QPoint amountAt = w.entry(FIN.AMOUNTPAID)->mapTo(w.ok()->window(), QPoint());
            setuptest::pick(w.options(FIN.TERMS), "Check");
            QApplication::processEvents();
            EXPECT_EQ(w.entry(FIN.AMOUNTPAID)->mapTo(w.ok()->window(), QPoint()), amountAt)
                << "choosing a type does not move the amount";
            EXPECT_FALSE(w.entry(FIN.CHECKNO)->isHidden());
            EXPECT_FALSE(w.entry(FIN.BANK)->isHidden());
            EXPECT_TRUE(w.entry(FIN.CREDITCARDNO)->isHidden());
            type(w.entry(FIN.CHECKNO), "12ab");
            EXPECT_FALSE(titles().empty()) << "letters in the cheque number are refused";
            type(w.entry(FIN.CHECKNO), "1234");
            type(w.entry(FIN.AMOUNTPAID), "40");
            press(w.ok());
        });
        press(h->widgets().insert);
        EXPECT_EQ(form.seen(), 1);
    }
    EXPECT_EQ(payments("CHECKNO = 1234 AND TERMS = 'Check' AND AMOUNTDUE = -40 AND AMOUNTPAID = 40"), 1);
    EXPECT_EQ(query("SELECT DATE FROM FINANCE WHERE AMOUNTPAID = 40"), fw::today());
    EXPECT_EQ(invoiceValue("AMOUNTOWED", no), 60);
    EXPECT_EQ(balanceOf("C1"), 60);
    EXPECT_EQ(h->info(Brw::CustomersFinanceHistory::Balance)->text(), "60.00");
    expectBooksAgree();

    highlightRow(h, 1);
    {
        auto form = onForm("Change Finance Information", [&](Upd::CustomerFinanceHistory &, const fw::Form &w) {
            type(w.entry(FIN.AMOUNTPAID), "45");
            press(w.ok());
        });
        press(h->widgets().change);
        EXPECT_EQ(form.seen(), 1);
    }
    EXPECT_EQ(invoiceValue("AMOUNTPAID", no), 45) << "the difference, not the whole amount again";
    EXPECT_EQ(balanceOf("C1"), 55);
    EXPECT_EQ(query("SELECT DATE FROM FINANCE WHERE AMOUNTPAID = 45"), fw::today());
    expectBooksAgree();

    highlightRow(h, 1);
    screen.answer(dict::ButtonNo);
    press(h->widgets().remove);
    EXPECT_EQ(payments(), 1) << "declined: nothing deleted, nothing reversed";
    EXPECT_EQ(invoiceValue("AMOUNTPAID", no), 45);
    EXPECT_EQ(balanceOf("C1"), 55);

    screen.answer(dict::ButtonYes);
    press(h->widgets().remove);
    EXPECT_EQ(payments(), 0);
    EXPECT_EQ(invoiceValue("AMOUNTOWED", no), 100);
    EXPECT_EQ(balanceOf("C1"), 100);
    EXPECT_EQ(h->info(Brw::CustomersFinanceHistory::Balance)->text(), "100.00");
    expectBooksAgree();
    close(h);
}

TEST_F(FinanceHistoryTest, TheInvoicesOwnRecordOpensReadOnlyAndIsNotDeletable)
{
    addCustomer("C1");
    olderInvoice("C1", 100);
    History *h = open("C1");
    {
        auto form = onForm("Change Finance Information", [&](Upd::CustomerFinanceHistory &f, const fw::Form &w) {
            EXPECT_TRUE(f.readOnly());
            EXPECT_FALSE(w.ok()->isEnabled());
            EXPECT_TRUE(w.entry(FIN.AMOUNTPAID)->isReadOnly());
            press(w.cancel());
        });
        press(h->widgets().change);
        EXPECT_EQ(form.seen(), 1);
    }
    screen.clear();
    press(h->widgets().remove);
    EXPECT_EQ(texts(), std::vector<std::string>{"You cannot delete the orginal Invoice Information."});
    EXPECT_EQ(query("SELECT COUNT(*) FROM FINANCE"), 1);
    EXPECT_EQ(balanceOf("C1"), 100);
    close(h);
}

TEST_F(FinanceHistoryTest, MoreThanIsOwedIsAskedAndAQuoteOrAnotherCustomersInvoiceRefused)
{
    addCustomer("C1");
    addCustomer("C2");
    const dict::LONG no = olderInvoice("C1", 30);
    const dict::LONG quote = bookInvoice("C1", 20, true);
    const dict::LONG others = bookInvoice("C2", 10);
    History *h = open("C1");
    {
        auto form = onForm("Add Finance Information", [&](Upd::CustomerFinanceHistory &, const fw::Form &w) {
            type(w.entry(FIN.AMOUNTPAID), "50");
            for (dict::LONG refused : {quote, others}) {
                type(w.entry(FIN.INVOICENO), QString::number(refused));
                press(w.ok());
                QCoreApplication::processEvents();
            }
            type(w.entry(FIN.INVOICENO), QString::number(no));
            screen.answer(dict::ButtonNo); // not more than owed
            press(w.ok());
            QCoreApplication::processEvents();
            EXPECT_EQ(payments(), 0) << "declined: nothing written";
            screen.answer(dict::ButtonYes);
            press(w.ok());
        });
        screen.clear();
        press(h->widgets().insert);
        EXPECT_EQ(form.seen(), 1);
    }
    const std::vector<std::string> shown = titles();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0], "No Payment on a Quote");
    EXPECT_EQ(shown[1], "Invoice of Another Customer");
    EXPECT_EQ(shown[2], "Payment Larger Than Owed");
    EXPECT_EQ(texts()[2], "The payment of 50.00 is more than the 30.00 owed on invoice " + std::to_string(no)
                              + ". Record it anyway?");
    EXPECT_EQ(invoiceValue("AMOUNTOWED", no), -20);
    EXPECT_EQ(balanceOf("C1"), -20);
    expectBooksAgree();

    // Nothing owed any more: a further payment is asked first, then booked when agreed.
    {
        auto form = onForm("Add Finance Information", [&](Upd::CustomerFinanceHistory &, const fw::Form &w) {
            type(w.entry(FIN.INVOICENO), QString::number(no));
            type(w.entry(FIN.AMOUNTPAID), "5");
            screen.answer(dict::ButtonYes);
            press(w.ok());
        });
        screen.clear();
        press(h->widgets().insert);
    }
    EXPECT_EQ(titles(), std::vector<std::string>{"Whoops!..."});
    EXPECT_EQ(invoiceValue("AMOUNTPAID", no), 55);
    expectBooksAgree();
    close(h);
}

TEST_F(FinanceHistoryTest, ANewPaymentCancelledLeavesNoRecordBehind)
{
    addCustomer("C1");
    olderInvoice("C1", 30);
    History *h = open("C1");
    {
        auto form = onForm("Add Finance Information", [&](Upd::CustomerFinanceHistory &, const fw::Form &w) {
            type(w.entry(FIN.AMOUNTPAID), "5");
            screen.answer(dict::ButtonNo); // do not save
            press(w.cancel());
        });
        press(h->widgets().insert);
        EXPECT_EQ(form.seen(), 1);
    }
    EXPECT_EQ(query("SELECT COUNT(*) FROM FINANCE"), 1) << "the reserved record is given back";
    expectBooksAgree();
    close(h);
}

} // namespace
