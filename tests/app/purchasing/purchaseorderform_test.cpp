// The purchase-order windows driven as the frame and the order list open them — the order form
// with its lines, payment and memo, the receiving window and the list's Delete — with what lands
// in the files read back with SQL.
#include "app/purchasing/orderlineform.h"
#include "app/purchasing/orderpayment.h"
#include "app/purchasing/purchaseorderform.h"
#include "app/purchasing/purchaseorders.h"
#include "app/purchasing/receivestock.h"
#include "app/purchasing/vendorpayments.h"
#include "app/inventory/vendorsinventory.h"
#include "app/vendors/pickvendor.h"
#include "tests/support/purchasefolder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

using maintenancetest::procedureOf;
using setuptest::type;
using setuptest::WhenShown;
namespace pur = app::purchasing;

void press(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
QString shown(QLineEdit *edit) { return edit->text().trimmed(); }

class PurchaseOrderFormTest : public purchasetest::PurchaseFolderTest
{
protected:
    void SetUp() override
    {
        PurchaseFolderTest::SetUp();
        GLO.PRINTINVOICE = 0;
        a_ = vendorItem("A", 2.5);
        b_ = vendorItem("B", 10);
    }

    // A stock item of vendor V1 at its cost; its record number.
    static dict::LONG vendorItem(const char *stockNo, double cost)
    {
        const dict::LONG recordNo = addStock(stockNo, 0, cost * 2);
        STO.VENDOR = "Vendor V1";
        EXPECT_EQ(Access::STOCK.Update(), dict::Benign);
        return recordNo;
    }

    static Upd::PurchaseOrder *startNew()
    {
        GLO.NEWPURCHASEORDER = 1;
        auto *form = new Upd::PurchaseOrder;
        form->Start();
        return form;
    }

    static void waitClosed(QPointer<Upd::PurchaseOrder> form)
    {
        for (int i = 0; i < 50 && form; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        fw::ThreadContext::mainContext().makeCurrent();
        EXPECT_TRUE(form.isNull()) << "the form is still open";
    }

    // A line of quantity of the vendor's item, picked from the vendor's stock list.
    static void addOrderLine(const fw::Form &w, const char *stockNo, const char *quantity)
    {
        auto pick = WhenShown("Vendor Inventory", [&](QWidget *window) {
            auto *list = procedureOf<Brw::VendorsInventory>(window);
            type(list->widgets().locator, stockNo);
            press(list->widgets().select);
        });
        auto line = WhenShown("Update the PurDescription File", [&](QWidget *window) {
            const fw::Form &l = procedureOf<Upd::PurchaseOrderDescription>(window)->form();
            EXPECT_EQ(l.caption()->text(), "Add Items to Purchase Order");
            press(l.button(Upd::PurchaseOrderDescription::PickItem));
            EXPECT_EQ(shown(l.entry(PUD.DESCRIPTION)), QString("Item ") + stockNo);
            type(l.entry(PUD.QUANTITY), quantity);
            press(l.ok());
        });
        press(w.button(Upd::PurchaseOrder::AddLine));
    }

    // An order of V1 saved through the form: quantity of A at 2.50 and of B at 10.00.
    dict::LONG orderThroughForm(const char *ofA, const char *ofB)
    {
        GLO.VENDORACCOUNTNO = "V1";
        Upd::PurchaseOrder *form = startNew();
        GLO.VENDORACCOUNTNO.clear();
        const fw::Form &w = form->form();
        addOrderLine(w, "A", ofA);
        addOrderLine(w, "B", ofB);
        QPointer<Upd::PurchaseOrder> alive(form);
        press(w.ok());
        waitClosed(alive);
        return GLO.PURCHASEORDERNO; // the order just saved
    }

    // The form on the stored order, for a change; act then closes it.
    static void change(dict::LONG number, std::function<void(const fw::Form &)> act)
    {
        auto opened = WhenShown("Changing a PurOrder Record",
                                [&](QWidget *window) { act(procedureOf<Upd::PurchaseOrder>(window)->form()); });
        PUR.PORDERNO = number;
        ASSERT_EQ(Access::PURORDER.Fetch(PUR.POrderNo_Key), dict::Benign);
        GLO.NEWPURCHASEORDER = 0;
        GlobalRequest = fw::ChangeRecord;
        Upd::PurchaseOrder form;
        form.Run();
    }

    // One text from the data files.
    static std::string text(const std::string &sql)
    {
        sqlite3 *db = nullptr;
        std::string value;
        sqlite3_open_v2(dict::DatabasePath, &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
            if (const unsigned char *t = sqlite3_column_text(stmt, 0))
                value = reinterpret_cast<const char *>(t);
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return value;
    }

    std::string lastTitle() const { return titles().empty() ? "" : titles().back(); }

    dict::LONG a_ = 0, b_ = 0;
};

TEST_F(PurchaseOrderFormTest, ANewOrderOfTheHighlightedVendorIsWrittenPaidAndSavedIntoTheBooks)
{
    GLO.VENDORACCOUNTNO = "V1";
    Upd::PurchaseOrder *form = startNew();
    const fw::Form &w = form->form();
    EXPECT_EQ(form->window()->windowTitle(), "Adding a PurOrder Record");
    EXPECT_EQ(shown(w.entry(PUR.VENDOR)), "Vendor V1") << "the vendor highlighted in the vendor list";

    // An account not on file opens the pick list; leaving it changes nothing.
    auto cancelled = WhenShown("Select Vendor for Inventory...",
                               [](QWidget *window) { press(procedureOf<Brw::GetVendor>(window)->widgets().close); });
    type(w.entry(PUR.ACCOUNTNO), "NOBODY");
    EXPECT_EQ(shown(w.entry(PUR.ACCOUNTNO)), "V1");

    addOrderLine(w, "A", "3");
    addOrderLine(w, "B", "1");
    EXPECT_EQ(backOrdered(a_), 3) << "a line goes on back order when it is booked";
    EXPECT_EQ(shown(w.entry(PUR.COST)), "17.50");
    EXPECT_EQ(shown(w.entry(PUR.AMOUNTOWED)), "17.50");

    // Paid 5.00 by cheque 1234, with a note in the memo.
    auto payment = WhenShown("Select Payment Type", [](QWidget *window) {
        const fw::Form &p = procedureOf<Win::PaymentPurchaseOrder>(window)->form();
        type(p.entry(PUR.CHECKNO), "1234");
        type(p.entry(PUR.AMOUNTPAID), "5");
        type(p.entry(PUR.BANK), "First Bank");
        p.flag(Win::PaymentPurchaseOrder::AddToMemo)->setChecked(true);
        press(p.ok());
    });
    press(w.button(Upd::PurchaseOrder::PaymentButton));
    EXPECT_EQ(shown(w.entry(PUR.AMOUNTOWED)), "12.50");
    EXPECT_TRUE(w.flag(Upd::PurchaseOrder::Memo)->isChecked());
    setuptest::screenshot(form->window(), "purchase-order-form");

    const dict::LONG number = PUR.PORDERNO;
    QPointer<Upd::PurchaseOrder> alive(form);
    press(w.ok());
    waitClosed(alive);
    EXPECT_EQ(GLO.PURCHASEORDERNO, number);
    EXPECT_EQ(text("SELECT TERMS FROM PURORDER"), "Check") << "the word of the tax regime";
    EXPECT_EQ(text("SELECT MEMOS FROM PURORDER WHERE PORDERNO = " + std::to_string(number)), "\rPayment Type: Check Check #: 1234 Bank: First Bank\r");
    EXPECT_EQ(query("SELECT AMOUNTOWED FROM PURORDER"), 12.5);
    EXPECT_EQ(query("SELECT DATEPAID FROM PURORDER"), query("SELECT DATE FROM PURORDER"));
    EXPECT_EQ(vendorBalance("V1"), 12.5);
    EXPECT_EQ(query("SELECT TOTALDUE FROM TOTALINV WHERE RECORDNO = 2"), 17.5);
    expectVendorBooksAgree();
}

TEST_F(PurchaseOrderFormTest, ASeparatePaymentSurvivesTheOrderSavedAgainAndTiesItToItsVendor)
{
    const dict::LONG number = orderThroughForm("8", "10"); // 20.00 + 100.00
    EXPECT_EQ(vendorBalance("V1"), 120);

    ASSERT_EQ(Access::VENFIN.PrimeRecord(), dict::Benign);
    VEF.ACCOUNTNO = "V1";
    VEF.PORDERNO = number;
    VEF.AMOUNTPAID = 50;
    ASSERT_EQ(pur::saveVendorPayment(true), dict::Benign);
    EXPECT_EQ(vendorBalance("V1"), 70);

    change(number, [](const fw::Form &w) {
        EXPECT_EQ(shown(w.entry(PUR.AMOUNTPAID)), "50.00") << "what the payment paid";
        EXPECT_TRUE(w.entry(PUR.ACCOUNTNO)->isReadOnly()) << "a paid order stays with its vendor";
        EXPECT_FALSE(w.button(Upd::PurchaseOrder::PickVendor)->isEnabled());
        // A payment typed and then cancelled leaves nothing behind.
        auto payment = WhenShown("Select Payment Type", [](QWidget *window) {
            const fw::Form &p = procedureOf<Win::PaymentPurchaseOrder>(window)->form();
            type(p.entry(PUR.AMOUNTPAID), "70");
            press(p.cancel());
        });
        press(w.button(Upd::PurchaseOrder::PaymentButton));
        EXPECT_EQ(shown(w.entry(PUR.AMOUNTOWED)), "70.00");
        press(w.ok());
    });
    EXPECT_EQ(query("SELECT AMOUNTOWED FROM PURORDER"), 70) << "the separate payment was not wiped";
    EXPECT_EQ(vendorBalance("V1"), 70);
    EXPECT_EQ(query("SELECT COUNT(*) FROM VENFIN"), 2);
    expectVendorBooksAgree();
}

TEST_F(PurchaseOrderFormTest, CancelOfANewOrderTakesBackItsBackOrdersAndBadInputWritesNothing)
{
    Upd::PurchaseOrder *form = startNew();
    const fw::Form &w = form->form();
    EXPECT_FALSE(w.ok()->isEnabled()) << "nothing is saved without a vendor";
    auto pick = WhenShown("Select Vendor for Inventory...", [](QWidget *window) {
        auto *list = procedureOf<Brw::GetVendor>(window);
        list->browse().ScrollEnd(-1);
        press(list->widgets().select);
    });
    press(w.button(Upd::PurchaseOrder::PickVendor));
    EXPECT_EQ(shown(w.entry(PUR.VENDOR)), "Vendor V1");

    { // Letters in a cost, and a line of nothing: told, and no line is written.
        auto line = WhenShown("Update the PurDescription File", [&](QWidget *window) {
            const fw::Form &l = procedureOf<Upd::PurchaseOrderDescription>(window)->form();
            type(l.entry(PUD.COST), "1x.50");
            EXPECT_EQ(lastTitle(), "Invalid Entry");
            type(l.entry(PUD.COST), "1.50");
            press(l.ok());
            QCoreApplication::processEvents();
            EXPECT_EQ(lastTitle(), "Excuse me...") << "a line orders something";
            screen.answer(dict::ButtonNo); // not saved
            press(l.cancel());
        });
        press(w.button(Upd::PurchaseOrder::AddLine));
    }
    EXPECT_EQ(query("SELECT COUNT(*) FROM PURDESCRIPTION"), 0);

    addOrderLine(w, "A", "4");
    EXPECT_EQ(backOrdered(a_), 4);
    screen.answer(dict::ButtonNo); // not saved
    QPointer<Upd::PurchaseOrder> alive(form);
    press(w.cancel());
    waitClosed(alive);
    EXPECT_EQ(backOrdered(a_), 0);
    EXPECT_EQ(query("SELECT BACKORDERED FROM STOCK WHERE RECORDNO = " + std::to_string(a_)), 0);
    EXPECT_EQ(query("SELECT COUNT(*) FROM PURORDER"), 0);
    EXPECT_EQ(query("SELECT COUNT(*) FROM PURDESCRIPTION"), 0);
    expectVendorBooksAgree();
}

TEST_F(PurchaseOrderFormTest, AnOrderWhoseVendorWasDeletedMeanwhileIsNotSaved)
{
    GLO.VENDORACCOUNTNO = "V2";
    Upd::PurchaseOrder *form = startNew();
    const fw::Form &w = form->form();
    testsupport::sqlOn(dict::DatabasePath, "DELETE FROM VENDOR WHERE ACCOUNTNO = 'V2'"); // at another station
    press(w.ok());
    QCoreApplication::processEvents();
    EXPECT_EQ(lastTitle(), "Vendor Not Found");
    EXPECT_EQ(query("SELECT COUNT(*) FROM VENFIN"), 0);
    EXPECT_EQ(query("SELECT COUNT(*) FROM PURORDER WHERE ACCOUNTNO <> ''"), 0);
    QPointer<Upd::PurchaseOrder> alive(form);
    screen.answer(dict::ButtonNo);
    press(w.cancel());
    waitClosed(alive);
    EXPECT_EQ(query("SELECT COUNT(*) FROM PURORDER"), 0);
}

TEST_F(PurchaseOrderFormTest, AnItemDeletedByAnotherStationWhileTheLineIsOpenIsNotOrdered)
{
    GLO.VENDORACCOUNTNO = "V1";
    Upd::PurchaseOrder *form = startNew();
    GLO.VENDORACCOUNTNO.clear();
    const fw::Form &w = form->form();
    {
        auto pick = WhenShown("Vendor Inventory", [&](QWidget *window) {
            auto *list = procedureOf<Brw::VendorsInventory>(window);
            type(list->widgets().locator, "A");
            press(list->widgets().select);
        });
        auto line = WhenShown("Update the PurDescription File", [&](QWidget *window) {
            const fw::Form &l = procedureOf<Upd::PurchaseOrderDescription>(window)->form();
            press(l.button(Upd::PurchaseOrderDescription::PickItem));
            type(l.entry(PUD.QUANTITY), "3");
            testsupport::sqlOn(dict::DatabasePath, "DELETE FROM STOCK WHERE STOCKNO = 'A'");
            press(l.ok());
            QCoreApplication::processEvents();
            EXPECT_EQ(lastTitle(), "Item Not Found");
            screen.answer(dict::ButtonNo);
            press(l.cancel());
        });
        press(w.button(Upd::PurchaseOrder::AddLine));
    }
    EXPECT_EQ(query("SELECT COUNT(*) FROM PURDESCRIPTION"), 0);
    QPointer<Upd::PurchaseOrder> alive(form);
    screen.answer(dict::ButtonNo);
    press(w.cancel());
    waitClosed(alive);
    expectVendorBooksAgree();
}

TEST_F(PurchaseOrderFormTest, ReceivingTakesItsOwnOrderOnceAsksBeyondTheBackOrderAndADeletedOrderLeavesItsStock)
{
    const dict::LONG first = orderThroughForm("5", "3");
    const dict::LONG second = orderThroughForm("0.5", "4"); // the same date
    EXPECT_EQ(backOrdered(b_), 7);
    // Someone took the back order of A down by hand: the receipt brings more than is on order.
    STO.RECORDNO = a_;
    ASSERT_EQ(Access::STOCK.Fetch(STO.RecordNo_Key), dict::Benign);
    STO.AMOUNTBACKORDERED = 1;
    ASSERT_EQ(Access::STOCK.Update(), dict::Benign);

    auto receive = [&](dict::LONG number, int answer) {
        PUR.PORDERNO = number;
        ASSERT_EQ(Access::PURORDER.Fetch(PUR.POrderNo_Key), dict::Benign);
        auto window = WhenShown("Date Inventory Received", [&](QWidget *w) {
            const fw::Form &r = procedureOf<Win::UpdateVendorStock>(w)->form();
            r.flag(Win::UpdateVendorStock::UpdateStock)->setChecked(true);
            screen.answer(answer);
            press(r.ok());
            if (answer == dict::ButtonNo)
                press(r.cancel());
        });
        GlobalRequest = fw::ChangeRecord;
        Win::UpdateVendorStock receiving;
        receiving.Run();
    };
    receive(first, dict::ButtonNo);
    EXPECT_EQ(lastTitle(), "More Than On Order");
    EXPECT_EQ(onHand(a_), 0) << "not received when the user says no";
    receive(first, dict::ButtonYes);
    EXPECT_EQ(onHand(a_), 5);
    EXPECT_EQ(onHand(b_), 3);
    EXPECT_EQ(backOrdered(b_), 4) << "the second order's back order stays";
    EXPECT_EQ(query("SELECT COUNT(*) FROM STSTREND"), 2);
    EXPECT_NE(query("SELECT DATERECVEIVED FROM PURORDER WHERE PORDERNO = " + std::to_string(first)), 0);
    EXPECT_EQ(query("SELECT DATERECVEIVED FROM PURORDER WHERE PORDERNO = " + std::to_string(second)), 0);

    // Deleting the received order, asked as such: its money goes, its stock and receipts stay.
    const std::string stockBefore = testsupport::tableRows("STOCK");
    PUR.PORDERNO = first;
    ASSERT_EQ(Access::PURORDER.Fetch(PUR.POrderNo_Key), dict::Benign);
    screen.answer(dict::ButtonYes);
    GlobalRequest = fw::DeleteRecord;
    Upd::PurchaseOrder deleted;
    EXPECT_EQ(deleted.Run(), fw::RequestCompleted);
    EXPECT_EQ(lastTitle(), "Delete Received Order");
    EXPECT_EQ(testsupport::tableRows("STOCK"), stockBefore);
    EXPECT_EQ(query("SELECT COUNT(*) FROM STSTREND"), 2);
    EXPECT_EQ(vendorBalance("V1"), 41.25) << "only the second order is owed";
    expectVendorBooksAgree();
}

} // namespace
