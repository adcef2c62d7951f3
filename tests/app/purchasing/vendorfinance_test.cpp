// The purchase-order history, the vendor's finance list and the vendor payment form driven
// through their windows; what lands in VENFIN, PURORDER and VENDOR is read back with SQL.
#include "app/purchasing/purchaseorderform.h"
#include "app/purchasing/purchaseorders.h"
#include "app/purchasing/purchaseordershistory.h"
#include "app/purchasing/vendorpaymentform.h"
#include "app/purchasing/vendorsfinance.h"
#include "app/shell/procedures.h"
#include "app/vendors/vendors.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/form.h"
#include "framework/picture.h"
#include "tests/support/tidy.h"
#include "tests/support/purchasefolder.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

using maintenancetest::closeStarted;
using maintenancetest::procedureOf;
using setuptest::type;
using setuptest::WhenShown;
using History = Brw::PurchaseOrdersHistory;
using Finance = Brw::VendorsFinance;

void press(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

class VendorFinanceTest : public purchasetest::PurchaseFolderTest
{
protected:
    void TearDown() override
    {
        GLO.PURCHASEORDERNO = 0;
        GLO.STARTUP = 0;
        GLO.VENDORACCOUNTNO.clear();
        PurchaseFolderTest::TearDown();
    }

    // The order's history as the purchase-order list's "&History" opens it: in its mode while it
    // opens, the mode cleared again at once.
    static History *openHistory(dict::LONG orderNo)
    {
        GLO.PURCHASEORDERNO = orderNo;
        GLO.STARTUP = 1;
        auto *history = new History;
        history->Start();
        GLO.STARTUP = 0;
        return history;
    }
    static Finance *openFinance(const char *account)
    {
        GLO.VENDORACCOUNTNO = account;
        auto *finance = new Finance;
        finance->Start();
        return finance;
    }
    template <class List>
    static void close(List *list)
    {
        closeStarted(list, list->widgets().close);
    }

    template <class List>
    static void highlightRow(List *list, int row)
    {
        QTableView *view = list->widgets().list->view();
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(view, Qt::Key_Down);
    }

    static WhenShown onForm(std::function<void(Upd::VendorFinanceHistory &, const fw::Form &)> act)
    {
        return WhenShown("Update Records...", [act](QWidget *w) {
            auto *form = procedureOf<Upd::VendorFinanceHistory>(w);
            ASSERT_NE(form, nullptr);
            act(*form, form->form());
        });
    }

    static double payments() { return query("SELECT COUNT(*) FROM VENFIN WHERE AMOUNTPAID <> 0"); }
    static double dueOver(dict::LONG orderNo)
    {
        return query("SELECT TOTAL(AMOUNTDUE) FROM VENFIN WHERE PORDERNO = " + std::to_string(orderNo));
    }
};

TEST_F(VendorFinanceTest, APaymentAddedChangedAndDeletedInTheOrdersHistoryMovesTheBooksByDifferences)
{
    const dict::LONG no = bookOrder("V1", 120);
    History *h = openHistory(no);
    EXPECT_EQ(qobject_cast<QGroupBox *>(h->widgets().list->parentWidget())->title(),
              "Browsing Purchase Order History, PO #: " + QString::fromStdString(fw::formatValue(no, "@n06")));
    EXPECT_EQ(h->info(History::Balance)->text(), "120.00");
    {
        auto form = onForm([&](Upd::VendorFinanceHistory &, const fw::Form &w) {
            EXPECT_EQ(w.entry(VEF.ACCOUNTNO)->text().trimmed(), "V1");
            EXPECT_EQ(w.entry(VEF.PORDERNO)->text().trimmed().toInt(), no);
            EXPECT_TRUE(w.entry(VEF.PORDERNO)->isReadOnly()) << "opened from the order list: the order stays";
            screen.clear();
            type(w.entry(VEF.AMOUNTPAID), "5o");
            EXPECT_FALSE(titles().empty()) << "letters in the amount are refused with a message";
            EXPECT_EQ(payments(), 0) << "and nothing is written";
            type(w.entry(VEF.AMOUNTPAID), "50");
            press(w.ok());
        });
        press(h->widgets().insert);
        EXPECT_EQ(form.seen(), 1);
    }
    EXPECT_EQ(query("SELECT COUNT(*) FROM VENFIN WHERE AMOUNTPAID = 50 AND AMOUNTDUE = -50 AND TERMS = 'Cash'"), 1);
    EXPECT_EQ(dueOver(no), 70);
    EXPECT_EQ(orderValue("AMOUNTPAID", no), 50);
    EXPECT_EQ(orderValue("AMOUNTOWED", no), 70);
    EXPECT_EQ(vendorBalance("V1"), 70);
    EXPECT_EQ(h->info(History::Balance)->text(), "70.00");
    expectVendorBooksAgree();

    struct Change {
        const char *typed;
        int cancelAnswer; // 0: pressed Ok
        double paid, balance;
    } const changes[] = {
        {"45", 0, 45, 75},                // only the difference is applied
        {"99", dict::ButtonNo, 45, 75},   // Cancel discards what was typed
    };
    for (const Change &c : changes) {
        SCOPED_TRACE(c.typed);
        highlightRow(h, 1);
        auto form = onForm([&](Upd::VendorFinanceHistory &, const fw::Form &w) {
            type(w.entry(VEF.AMOUNTPAID), c.typed);
            if (c.cancelAnswer == 0)
                return press(w.ok());
            screen.answer(c.cancelAnswer);
            press(w.cancel());
        });
        press(h->widgets().change);
        EXPECT_EQ(form.seen(), 1);
        EXPECT_EQ(orderValue("AMOUNTPAID", no), c.paid);
        EXPECT_EQ(vendorBalance("V1"), c.balance);
        EXPECT_EQ(payments(), 1);
        expectVendorBooksAgree();
    }

    highlightRow(h, 1);
    screen.answer(dict::ButtonNo);
    press(h->widgets().remove);
    EXPECT_EQ(payments(), 1) << "declined: nothing deleted, nothing reversed";
    EXPECT_EQ(vendorBalance("V1"), 75);

    screen.answer(dict::ButtonYes);
    press(h->widgets().remove);
    EXPECT_EQ(payments(), 0);
    EXPECT_EQ(orderValue("AMOUNTOWED", no), 120);
    EXPECT_EQ(vendorBalance("V1"), 120);
    EXPECT_EQ(h->info(History::Balance)->text(), "120.00");
    expectVendorBooksAgree();
    close(h);
}

// Opened by the order list's "&History", whose mode is cleared as soon as the history has opened,
// the history's payment form still keeps to the highlighted order.
TEST_F(VendorFinanceTest, TheOrderListsHistoryButtonOpensTheHighlightedOrdersHistory)
{
    bookOrder("V1", 30);
    const dict::LONG no = bookOrder("V2", 120);
    app::registerProgramProcedures();
    auto *orders = new Brw::PurchaseOrders;
    orders->Start();
    QTableView *view = orders->widgets().list->view();
    QTest::keyClick(view, Qt::Key_End);
    ASSERT_EQ(GLO.PURCHASEORDERNO, no);
    setuptest::screenshot(orders->window(), "purchase-order-list");
    testsupport::expectTidy(orders->window());
    press(orders->button(Brw::PurchaseOrders::History));
    EXPECT_EQ(GLO.STARTUP, 0);
    auto *h = procedureOf<History>(setuptest::openWindow("Purchase Order History..."));
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->info(History::Balance)->text(), "120.00");
    {
        auto form = onForm([&](Upd::VendorFinanceHistory &, const fw::Form &w) {
            EXPECT_EQ(w.entry(VEF.PORDERNO)->text().trimmed().toInt(), no);
            EXPECT_TRUE(w.entry(VEF.PORDERNO)->isReadOnly());
            type(w.entry(VEF.AMOUNTPAID), "20");
            press(w.ok());
        });
        press(h->widgets().insert);
        EXPECT_EQ(form.seen(), 1);
    }
    EXPECT_EQ(orderValue("AMOUNTOWED", no), 100);
    EXPECT_EQ(vendorBalance("V2"), 100);
    expectVendorBooksAgree();
    close(h);
    closeStarted(orders, orders->widgets().close);
}

TEST_F(VendorFinanceTest, TheOrdersOwnRecordOpensReadOnlyAndIsNotDeletable)
{
    const dict::LONG no = bookOrder("V1", 120);
    History *h = openHistory(no);
    const std::string before = testsupport::tableRows("VENFIN") + testsupport::tableRows("VENDOR");
    {
        auto form = onForm([&](Upd::VendorFinanceHistory &f, const fw::Form &w) {
            EXPECT_TRUE(f.readOnly());
            EXPECT_FALSE(w.ok()->isEnabled());
            EXPECT_TRUE(w.entry(VEF.AMOUNTPAID)->isReadOnly());
            press(w.cancel());
        });
        press(h->widgets().change);
        EXPECT_EQ(form.seen(), 1);
    }
    screen.clear();
    press(h->widgets().remove);
    EXPECT_EQ(titles(), std::vector<std::string>{"Whoops!..."});
    EXPECT_EQ(testsupport::tableRows("VENFIN") + testsupport::tableRows("VENDOR"), before);
    close(h);
}

TEST_F(VendorFinanceTest, TheVendorsFinanceListTakesPaymentsOnAccountAndAsksBeforePayingMoreThanOwed)
{
    app::registerProcedure("Brw:VendorsFinance", [] { (new Finance)->Start(); });
    const dict::LONG no = bookOrder("V1", 120);
    const dict::LONG others = bookOrder("V2", 10);
    testsupport::sqlOn(dict::DatabasePath, "UPDATE VENDOR SET BALANCE = 999 WHERE ACCOUNTNO = 'V1'");

    // "&Finance" of the vendor list opens the highlighted vendor's records, its balance corrected.
    auto *vendors = new Brw::Vendors;
    vendors->Start();
    ASSERT_EQ(GLO.VENDORACCOUNTNO.str(), "V1");
    press(vendors->button(Brw::Vendors::Finance));
    auto *f = procedureOf<Finance>(setuptest::openWindow("Vendor Finance"));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(qobject_cast<QGroupBox *>(f->widgets().list->parentWidget())->title(),
              "Browsing Purchase Order History, Vendor: Vendor V1");
    EXPECT_EQ(f->info(Finance::Balance)->text(), "120.00");
    EXPECT_EQ(vendorBalance("V1"), 120) << "the stored balance is the sum of the records";
    EXPECT_EQ(f->browse().Records(), 1u);
    EXPECT_TRUE(f->button(Finance::PurOrd)->isEnabled());

    {
        auto form = onForm([&](Upd::VendorFinanceHistory &, const fw::Form &w) {
            EXPECT_EQ(w.entry(VEF.ACCOUNTNO)->text().trimmed(), "V1");
            EXPECT_EQ(w.entry(VEF.PORDERNO)->text().trimmed(), "") << "a new payment starts on account";
            EXPECT_FALSE(w.entry(VEF.PORDERNO)->isReadOnly());
            type(w.entry(VEF.AMOUNTPAID), "30");
            press(w.ok());
            for (auto &t : texts()) std::fprintf(stderr, "DBG %s\n", t.c_str());
        });
        QTimer dbg; dbg.setInterval(500); QObject::connect(&dbg, &QTimer::timeout, [] { for (QWidget *w : QApplication::topLevelWidgets()) std::fprintf(stderr, "TOP %s %d %s\n", qPrintable(w->windowTitle()), w->isVisible(), w->metaObject()->className()); }); dbg.start();
        press(f->widgets().insert);
        EXPECT_EQ(form.seen(), 1);
    }
    EXPECT_EQ(query("SELECT COUNT(*) FROM VENFIN WHERE PORDERNO = 0 AND AMOUNTPAID = 30 AND AMOUNTDUE = -30"), 1);
    EXPECT_EQ(vendorBalance("V1"), 90) << "a payment on account lowers the balance";
    EXPECT_EQ(f->info(Finance::Balance)->text(), "90.00");
    highlightRow(f, 1);
    EXPECT_FALSE(f->button(Finance::PurOrd)->isEnabled()) << "no order to open";
    expectVendorBooksAgree();

    // Another vendor's order is refused; 200 on an order owing 120 is asked, declined, then agreed.
    {
        auto form = onForm([&](Upd::VendorFinanceHistory &, const fw::Form &w) {
            type(w.entry(VEF.AMOUNTPAID), "200");
            type(w.entry(VEF.PORDERNO), QString::number(others));
            press(w.ok());
            QCoreApplication::processEvents();
            type(w.entry(VEF.PORDERNO), QString::number(no));
            screen.answer(dict::ButtonNo);
            press(w.ok());
            QCoreApplication::processEvents();
            EXPECT_EQ(payments(), 1) << "declined: nothing written";
            screen.answer(dict::ButtonYes);
            press(w.ok());
        });
        screen.clear();
        press(f->widgets().insert);
        EXPECT_EQ(form.seen(), 1);
    }
    ASSERT_EQ(titles(), (std::vector<std::string>{"Another Vendor's Order", "Payment Larger Than Owed",
                                                  "Payment Larger Than Owed"}));
    EXPECT_EQ(texts()[1], "The payment of 200.00 is more than the 120.00 owed on purchase order "
                              + fw::formatValue(no, "@n06") + ". Record it anyway?");
    EXPECT_EQ(orderValue("AMOUNTOWED", no), -80) << "the agreed excess is applied to the order too";
    EXPECT_EQ(vendorBalance("V1"), -110);
    expectVendorBooksAgree();

    // Nothing owed any more: asked first.
    {
        auto form = onForm([&](Upd::VendorFinanceHistory &, const fw::Form &w) {
            type(w.entry(VEF.PORDERNO), QString::number(no));
            type(w.entry(VEF.AMOUNTPAID), "5");
            screen.answer(dict::ButtonNo);
            press(w.ok());
            QCoreApplication::processEvents();
            screen.answer(dict::ButtonNo); // and not saved on the way out
            press(w.cancel());
        });
        screen.clear();
        press(f->widgets().insert);
    }
    EXPECT_EQ(titles().front(), "Whoops!...");
    EXPECT_EQ(payments(), 2);
    expectVendorBooksAgree();
    close(f);
    closeStarted(vendors, vendors->widgets().close);
}

TEST_F(VendorFinanceTest, PurOrdCallsTheOrderFormByNameWithAChangeRequestAndFollowsWhatItSaved)
{
    const dict::LONG no = bookOrder("V1", 120);
    Finance *f = openFinance("V1");
    highlightRow(f, 0);
    if (!app::calledProcedureDefined("Upd:PurchaseOrder")) { // the program's procedures not registered yet
        screen.clear();
        press(f->button(Finance::PurOrd));
        EXPECT_EQ(texts().size(), 1u) << "an order form not registered says so";
        EXPECT_EQ(GlobalRequest, 0);
    }

    int request = -1;
    dict::LONG order = 0, buffer = 0;
    app::registerCalledProcedure("Upd:PurchaseOrder", [&] {
        request = GlobalRequest;
        order = GLO.PURCHASEORDERNO;
        buffer = PUR.PORDERNO;
        GlobalRequest = 0;
        // What the form saved, as it lands in the files.
        testsupport::sqlOn(dict::DatabasePath, "UPDATE VENFIN SET AMOUNTDUE = 100");
        return int(fw::RequestCompleted);
    });
    press(f->button(Finance::PurOrd));
    EXPECT_EQ(request, fw::ChangeRecord);
    EXPECT_EQ(order, no);
    EXPECT_EQ(buffer, no) << "the form is called on the order in its buffer";
    EXPECT_EQ(f->info(Finance::Balance)->text(), "100.00") << "the balance follows what the form saved";
    EXPECT_EQ(vendorBalance("V1"), 100);
    close(f);
}

// The program's own order form, as the program registers it, opens on the highlighted order.
TEST_F(VendorFinanceTest, PurOrdOpensTheProgramsOrderFormOnTheHighlightedOrder)
{
    const dict::LONG no = bookOrder("V1", 120);
    app::registerProgramProcedures();
    ASSERT_TRUE(app::calledProcedureDefined("Upd:PurchaseOrder"));
    Finance *f = openFinance("V1");
    highlightRow(f, 0);
    QString shown;
    WhenShown form("Changing a PurOrder Record", [&](QWidget *w) {
        auto *order = procedureOf<Upd::PurchaseOrder>(w);
        ASSERT_NE(order, nullptr);
        shown = order->form().entry(PUR.PORDERNO)->text().trimmed();
        press(order->form().cancel());
    });
    press(f->button(Finance::PurOrd));
    EXPECT_EQ(form.seen(), 1);
    EXPECT_EQ(shown.toStdString(), fw::formatValue(no, "@n06"));
    EXPECT_EQ(vendorBalance("V1"), 120);
    expectVendorBooksAgree();
    close(f);
}

} // namespace
