// Every form of the program, opened as the user opens it under each tax system: every control
// lies inside its window, no prompt or button is cut, and every entry shows its value in full.
#include "app/creditmemos/creditbook.h"
#include "app/creditmemos/creditlineform.h"
#include "app/creditmemos/creditmemoform.h"
#include "app/customers/customerform.h"
#include "app/inventory/inventoryform.h"
#include "app/inventory/specialitems.h"
#include "app/invoices/invoiceform.h"
#include "app/memos/documentmemos.h"
#include "app/invoices/lineform.h"
#include "app/invoices/shipping.h"
#include "app/memos/memoform.h"
#include "app/payments/paymentform.h"
#include "app/purchasing/orderlineform.h"
#include "app/purchasing/orderpayment.h"
#include "app/purchasing/purchaseorderform.h"
#include "app/purchasing/receivestock.h"
#include "app/purchasing/vendorpaymentform.h"
#include "app/setup/password.h"
#include "app/setup/setup.h"
#include "app/vendors/vendorform.h"
#include "tests/support/purchasefolder.h"
#include "reports/winroutines.h"
#include "tests/support/tidy.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <functional>

namespace {

using purchasetest::PurchaseFolderTest;

class FormsTest : public PurchaseFolderTest
{
protected:
    // Opens the form (called, as the lists call their forms) and looks at it once it shows.
    template <class Form, class... Args>
    void look(const char *name, int request, Args... args)
    {
        SCOPED_TRACE(name);
        GlobalRequest = static_cast<dict::BYTE>(request);
        Form form(args...);
        QTimer::singleShot(0, [&] {
            QWidget *window = form.window();
            testsupport::expectTidy(window);
            for (const QLineEdit *edit : window->findChildren<QLineEdit *>()) {
                if (!edit->isVisibleTo(window))
                    continue;
                const int needed = edit->fontMetrics().horizontalAdvance(edit->text());
                EXPECT_LE(needed, edit->contentsRect().width() - 4)
                    << name << ": \"" << edit->text().toStdString() << "\" is cut";
                // A shop that writes money with a decimal comma sees no decimal point anywhere.
                if (decimalComma_ && edit->text().contains(QRegularExpression(QStringLiteral("\\d\\.\\d{1,2}$|\\d\\.\\d{1,2}[^\\d]"))))
                    ADD_FAILURE() << name << ": \"" << edit->text().toStdString() << "\" has a decimal point";
            }
            setuptest::screenshot(window, QString("form-%1-%2").arg(name).arg(GLO.CANADIAN));
            for (const auto &message : screen.shown())
                ADD_FAILURE() << name << " showed: " << message.text;
            screen.answer(dict::ButtonNo); // a form primed on open asks whether to keep it
            form.form().cancel()->click();
        });
        form.Run();
        screen.clear();
    }

    // Records whose figures are as wide as their pictures take.
    void addRecords()
    {
        addCustomer("C1", "T-55", 5);
        item_ = addStock("A", 1234567.25, 9999.99);
        invoiceNo_ = startInvoice("C1");
        ASSERT_EQ(Access::INVOICE.Insert(), dict::Benign);
        addLine("A", item_, 123.5, 9999.99);
        ASSERT_EQ(Access::CREDIT.PrimeRecord(), dict::Benign);
        CRE.CUSTOMERNO = "C1";
        CRE.DATE = fw::today();
        memoNo_ = CRE.CREDITMEMONO;
        CRS.CREDITMEMONO = memoNo_;
        ASSERT_EQ(Access::CRSCRIPTION.PrimeRecord(true), dict::Benign);
        CRS.STOCKNO = "A";
        CRS.RECORDNO = item_;
        CRS.QUANTITY = 123.5;
        CRS.PRICE = 9999.99;
        app::creditmemos::computeCreditLine(CRS, CRE, false);
        ASSERT_EQ(app::creditmemos::bookCreditLine(true, {}), dict::Benign);
        ASSERT_EQ(app::creditmemos::saveCreditMemo(true), dict::Benign);
        orderNo_ = bookOrder("V1", 9999999.99);
    }

    // Every form, each on a record of its file.
    void lookAtEveryForm()
    {
        CUS.CUSTOMERNO = "C1";
        ASSERT_EQ(Access::CUSTOMER.Fetch(CUS.CustomerNo_Key), dict::Benign);
        look<Upd::Customer>("customer", fw::ChangeRecord);
        look<Upd::CustomerFinanceHistory>("payment", fw::InsertRecord);
        STO.STOCKNO = "A";
        ASSERT_EQ(Access::STOCK.Fetch(STO.StockNo_Key), dict::Benign);
        look<Upd::Inventory>("stock-item", fw::ChangeRecord);
        look<Upd::InventorySpecialItem>("special-item", fw::InsertRecord);
        look<Upd::Memos>("memo", fw::InsertRecord);
        INV.INVOICENO = invoiceNo_;
        ASSERT_EQ(Access::INVOICE.Fetch(INV.InvoiceNo_Key), dict::Benign);
        look<Upd::Invoice>("invoice", fw::ChangeRecord);
        look<Win::ShippingMethod>("shipping", fw::ChangeRecord);
        look<Win::InvoiceMemos>("invoice-memo", fw::ChangeRecord, false);
        DES.INVOICENO = invoiceNo_;
        DES.ITEMNO = 1;
        ASSERT_EQ(Access::DESCRIPTION.Fetch(DES.InvoiceNo_Key), dict::Benign);
        look<Upd::InvoiceDescription>("line", fw::ChangeRecord, true);
        CRE.CREDITMEMONO = memoNo_;
        ASSERT_EQ(Access::CREDIT.Fetch(CRE.CreditMemoNo_Key), dict::Benign);
        look<Upd::CreditMemo>("credit-memo", fw::ChangeRecord);
        look<Win::CreditMemos>("credit-memo-text", fw::ChangeRecord, false);
        CRS.CREDITMEMONO = memoNo_;
        CRS.ITEMNO = 1;
        ASSERT_EQ(Access::CRSCRIPTION.Fetch(CRS.CreditMemoNo_Key), dict::Benign);
        look<Upd::CreditMemoDescription>("credit-line", fw::ChangeRecord);
        look<Upd::Vendor>("vendor", fw::InsertRecord);
        PUR.PORDERNO = orderNo_;
        ASSERT_EQ(Access::PURORDER.Fetch(PUR.POrderNo_Key), dict::Benign);
        VEN.ACCOUNTNO = PUR.ACCOUNTNO;
        ASSERT_EQ(Access::VENDOR.Fetch(VEN.VendorNo_Key), dict::Benign);
        look<Upd::PurchaseOrder>("purchase-order", fw::ChangeRecord);
        look<Win::PaymentPurchaseOrder>("order-payment", fw::ChangeRecord);
        look<Win::UpdateVendorStock>("receive-order", fw::ChangeRecord);
        look<Upd::VendorFinanceHistory>("vendor-payment", fw::InsertRecord);
        PUD.PURORDERNO = orderNo_;
        PUD.ITEMNO = 1;
        ASSERT_EQ(Access::PURDESCRIPTION.Fetch(PUD.PurOrderItem_Key), dict::Benign);
        look<Upd::PurchaseOrderDescription>("order-line", fw::ChangeRecord);
        look<Upd::Setup>("setup", fw::ChangeRecord);
        look<Win::Password>("password", fw::ChangeRecord);
        look<Win::EnterPassword>("enter-password", fw::NoRequest);
    }

    dict::LONG item_ = 0;
    dict::LONG invoiceNo_ = 0;
    dict::LONG memoNo_ = 0;
    dict::LONG orderNo_ = 0;
    bool decimalComma_ = false;
};

TEST_F(FormsTest, EveryFormFitsWhatItShowsUnderEveryTaxSystem)
{
    addRecords();
    for (const dict::BYTE regime : {dict::TaxRegime::ProvincialAndGst, dict::TaxRegime::Vat,
                                    dict::TaxRegime::SalesTax, dict::TaxRegime::GstOnly}) {
        GLO.CANADIAN = regime;
        lookAtEveryForm();
    }
}

// A shop in a VAT country: euro with a decimal comma and blank-free grouping, dates day first.
TEST_F(FormsTest, EveryFormFitsWhatItShowsWithEuroAndDayFirstDates)
{
    addRecords();
    GLO.CANADIAN = dict::TaxRegime::Vat;
    SET.CURRENCYTYPE = 12;
    GLO.WINROUTINE = WIN::MoneyPictures;
    WIN::ROUTINES();
    GLO.DATENAME = "@d6b";
    decimalComma_ = true;
    lookAtEveryForm();
    EXPECT_EQ(fw::rateTip(), "A rate as a fraction: 0,0625 = 6,25 %") << "rates are written as the shop writes money";
}

} // namespace
