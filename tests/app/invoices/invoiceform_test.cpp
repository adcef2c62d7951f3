// The invoice form and its line form driven through their windows, as the frame opens them;
// what lands in the files is read back with SQL.
#include "app/invoices/invoiceform.h"
#include "app/invoices/lineform.h"
#include "framework/optionbox.h"
#include "app/invoices/invoicebook.h"
#include "app/invoices/invoicehistory.h"
#include "app/invoices/pickcustomer.h"
#include "app/payments/paymentform.h"
#include "framework/browselist.h"
#include "tagging/tags.h"
#include "tests/support/invoicefolder.h"
#include "tests/support/keptoutput.h"
#include "app/reports/reportprocedures.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

using namespace invoicetest;
using maintenancetest::procedureOf;
using setuptest::type;
using setuptest::WhenShown;

void press(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

// What a press posted (OK completes through a posted event) is handled before the test goes on.
void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

std::string lastTitle(const std::vector<std::string> &titles) { return titles.empty() ? "" : titles.back(); }

class InvoiceFormTest : public InvoiceFolderTest
{
protected:
    static Upd::Invoice *start(const char *customer)
    {
        GLO.NEWINVOICE = 1;
        GLO.CUSTOMERNO = customer;
        GLO.PRINTINVOICE = 0;
        auto *form = new Upd::Invoice;
        form->Start();
        return form;
    }

    // Lets a started form finish closing.
    static void waitClosed(QPointer<Upd::Invoice> form)
    {
        for (int i = 0; i < 50 && form; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        fw::ThreadContext::mainContext().makeCurrent();
        EXPECT_TRUE(form.isNull()) << "the form is still open";
    }

    static WhenShown onLine(std::function<void(const fw::Form &)> act)
    {
        return WhenShown("Update the Description Table", [act](QWidget *w) {
            auto *line = procedureOf<Upd::InvoiceDescription>(w);
            ASSERT_NE(line, nullptr);
            act(line->form());
        });
    }

    // Adds a line of quantity of the stock item through the line form.
    static void addLine(const fw::Form &w, const char *stockNo, const char *quantity)
    {
        auto line = onLine([&](const fw::Form &l) {
            type(l.entry(DES.STOCKNO), stockNo);
            type(l.entry(DES.QUANTITY), quantity);
            press(l.ok());
        });
        press(w.button(Upd::Invoice::AddLine));
    }

    // The form called for Change on the invoice in the INV buffer, as the invoice list calls it.
    static int changeInvoice()
    {
        GLO.NEWINVOICE = 0;
        GlobalRequest = fw::ChangeRecord;
        Upd::Invoice form;
        return form.Run();
    }

    static QString shown(QLineEdit *edit) { return edit->text().trimmed(); }
};

TEST_F(InvoiceFormTest, ANewInvoiceIsWrittenLineByLineAndSavedIntoTheBooks)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 10, 12.5);
    Upd::Invoice *form = start("C1");
    const fw::Form &w = form->form();
    EXPECT_EQ(form->window()->windowTitle(), "Add an Invoice");
    EXPECT_EQ(shown(w.entry(CUS.LNAME)), "Name of C1");
    EXPECT_FALSE(w.entry(INV.GST)->isVisible()) << "GST is shown only beside a provincial tax";
    const dict::LONG number = shown(w.entry(INV.INVOICENO)).toInt();
    EXPECT_GT(number, 0) << "the number is taken when the form opens";

    {
        auto line = onLine([&](const fw::Form &l) {
            EXPECT_EQ(l.caption()->text(), "Add Items to the Invoice");
            EXPECT_EQ(l.ok()->window()->focusWidget(), l.entry(DES.STOCKNO)) << "the focus starts on the first entry";
            type(l.entry(DES.STOCKNO), "A");
            EXPECT_FALSE(l.options(DES.PRICEOPTION)->isHidden()) << "a found item offers its three prices";
            EXPECT_EQ(l.options(DES.PRICEOPTION)->option("1")->text(), "12.50");
            setuptest::click(l.options(DES.PRICEOPTION)->option("2"));
            type(l.entry(DES.QUANTITY), "2");
            EXPECT_EQ(shown(l.entry(DES.AMOUNT)), "22.50");
            setuptest::screenshot(l.ok()->window(), "invoice-line");
            press(l.ok());
        });
        press(w.button(Upd::Invoice::AddLine));
    }
    EXPECT_EQ(onHand(a), 8) << "the stock goes out as the line is saved";
    EXPECT_EQ(shown(w.entry(INV.RETAIL)), "22.50");
    EXPECT_EQ(shown(w.entry(INV.TAX)), "1.80");
    EXPECT_EQ(shown(w.entry(INV.TOTALDUE)), "24.30");
    EXPECT_EQ(form->items().Records(), 1u);
    setuptest::screenshot(form->window(), "invoice-form");

    QPointer<Upd::Invoice> alive(form);
    press(w.ok());
    waitClosed(alive);
    EXPECT_EQ(query("SELECT TOTALDUE FROM INVOICE WHERE INVOICENO = " + std::to_string(number)), 24.3);
    EXPECT_EQ(balanceOf("C1"), 24.3);
    EXPECT_EQ(GLO.INVOICENO, number);
    EXPECT_EQ(ST::GetTag_(3, number), 1) << "tagged for printing with the others";
    EXPECT_EQ(GLO.NEWINVOICE, 0);
    expectBooksAgree();
}

TEST_F(InvoiceFormTest, PrintOnSavePrintsTheSavedInvoiceAndMarksItPrinted)
{
    testsupport::DesktopStandIn desktop;
    app::registerReportProcedures();
    addCustomer("C1");
    addStock("A", 10, 12.5);
    Upd::Invoice *form = start("C1");
    GLO.PRINTINVOICE = 1;
    GLO.PRINTPREVIEW = 1;
    const fw::Form &w = form->form();
    const dict::LONG number = shown(w.entry(INV.INVOICENO)).toInt();
    addLine(w, "A", "2");
    QPointer<Upd::Invoice> alive(form);
    press(w.ok());
    waitClosed(alive);
    ASSERT_EQ(desktop.output.titles, std::vector<std::string>{"Invoice"});
    EXPECT_NE(desktop.output.dumps[0].find(fw::formatValue(number, "@n06")), std::string::npos);
    EXPECT_NE(desktop.output.dumps[0].find("\"25.00\""), std::string::npos) << "the line as saved";
    EXPECT_EQ(query("SELECT PRINTED = 'P' FROM INVOICE WHERE INVOICENO = " + std::to_string(number)), 1);
    EXPECT_EQ(ST::GetTag_(3, number), 0) << "printed, so not tagged for later";
}

TEST_F(InvoiceFormTest, CancelOfANewInvoiceReturnsTheStockOfEveryLine)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 10);
    const dict::LONG b = addStock("B", 10);
    Upd::Invoice *form = start("C1");
    const fw::Form &w = form->form();
    addLine(w, "A", "2");
    addLine(w, "B", "3");
    EXPECT_EQ(onHand(a), 8);
    EXPECT_EQ(onHand(b), 7);
    screen.answer(dict::ButtonNo); // not saved
    QPointer<Upd::Invoice> alive(form);
    press(w.cancel());
    waitClosed(alive);
    EXPECT_EQ(onHand(a), 10);
    EXPECT_EQ(onHand(b), 10);
    EXPECT_EQ(query("SELECT COUNT(*) FROM DESCRIPTION"), 0);
    EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE"), 0);
    EXPECT_EQ(balanceOf("C1"), 0);
}

TEST_F(InvoiceFormTest, TwoFormsKeepTheirOwnNumbersAndTaxes)
{
    GLO.CANADIAN = dict::TaxRegime::SalesTax;
    addCustomer("EXEMPT", "R-1234");
    addCustomer("C1");
    addStock("A", 10);
    Upd::Invoice *first = start("EXEMPT");
    Upd::Invoice *second = start("C1");
    EXPECT_NE(shown(first->form().entry(INV.INVOICENO)), shown(second->form().entry(INV.INVOICENO)));
    addLine(first->form(), "A", "1");
    addLine(second->form(), "A", "1");
    EXPECT_EQ(shown(first->form().entry(INV.TAX)), "0.00") << "a customer with a tax number pays none";
    EXPECT_EQ(shown(first->form().entry(INV.TAXINFO)), "Tax exempt \u2014 Tax#: R-1234") << "and the form says why";
    EXPECT_EQ(shown(second->form().entry(INV.TAX)), "0.80") << "the other form keeps the rate in force";
    EXPECT_EQ(GLO.TAXRATE, 0.08) << "no form changes the rate for the next invoice";

    QPointer<Upd::Invoice> a(first), b(second);
    press(first->form().ok());
    press(second->form().ok());
    waitClosed(a);
    waitClosed(b);
    EXPECT_EQ(query("SELECT TAXRATE FROM INVOICE WHERE CUSTOMERNO = 'EXEMPT'"), 0);
    EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE WHERE CUSTOMERNO = 'EXEMPT' AND TAXINFO = 'Tax exempt \u2014 Tax#: R-1234'"), 1);
    EXPECT_EQ(query("SELECT TAXRATE FROM INVOICE WHERE CUSTOMERNO = 'C1'"), 0.08);
    expectBooksAgree();
}

TEST_F(InvoiceFormTest, ALineNeedsAQuantityAndRefusesOneThatIsNoNumber)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 10);
    Upd::Invoice *form = start("C1");
    const fw::Form &w = form->form();
    {
        int step = 0;
        auto line = onLine([&](const fw::Form &l) {
            type(l.entry(DES.STOCKNO), "A");
            press(l.ok());
            settle();
            EXPECT_EQ(lastTitle(titles()), "Excuse me...");
            type(l.entry(DES.QUANTITY), "abc");
            EXPECT_EQ(lastTitle(titles()), "Invalid Entry") << "letters are refused";
            type(l.entry(DES.QUANTITY), "-2");
            press(l.ok());
            settle();
            EXPECT_EQ(lastTitle(titles()), "Excuse me...");
            EXPECT_EQ(texts().back(), "The quantity cannot be negative. Use a credit memo to take items back.");
            screen.answer(dict::ButtonNo); // not saved
            press(l.cancel());
            ++step;
        });
        press(w.button(Upd::Invoice::AddLine));
        EXPECT_EQ(step, 1);
    }
    EXPECT_EQ(onHand(a), 10);
    EXPECT_EQ(query("SELECT COUNT(*) FROM DESCRIPTION WHERE QUANTITY <> 0"), 0);
    screen.answer(dict::ButtonNo);
    QPointer<Upd::Invoice> alive(form);
    press(w.cancel());
    waitClosed(alive);
}

TEST_F(InvoiceFormTest, AnItemDeletedByAnotherStationWhileTheLineIsOpenIsNotBooked)
{
    addCustomer("C1");
    addStock("A", 10);
    Upd::Invoice *form = start("C1");
    const fw::Form &w = form->form();
    {
        auto line = onLine([&](const fw::Form &l) {
            type(l.entry(DES.STOCKNO), "A");
            type(l.entry(DES.QUANTITY), "1");
            testsupport::sqlOn(dict::DatabasePath, "DELETE FROM STOCK");
            press(l.ok());
            settle();
            EXPECT_EQ(lastTitle(titles()), "Item Not Found");
            screen.answer(dict::ButtonNo);
            press(l.cancel());
        });
        press(w.button(Upd::Invoice::AddLine));
    }
    EXPECT_EQ(form->items().Records(), 0u);
    EXPECT_EQ(query("SELECT COUNT(*) FROM DESCRIPTION"), 0);
    screen.answer(dict::ButtonNo);
    QPointer<Upd::Invoice> alive(form);
    press(w.cancel());
    waitClosed(alive);
}

TEST_F(InvoiceFormTest, LineDiscountsCloseTheInvoiceDiscount)
{
    addCustomer("C1");
    addCustomer("C2", "", 5);
    addStock("A", 10, 50);
    Upd::Invoice *form = start("C1");
    const fw::Form &w = form->form();
    {
        auto line = onLine([&](const fw::Form &l) {
            type(l.entry(DES.STOCKNO), "A");
            type(l.entry(DES.QUANTITY), "1");
            type(l.entry(DES.LINEITEMDISCOUNT), "10");
            EXPECT_EQ(shown(l.entry(DES.AMOUNT)), "45.00") << "the line carries its own discount";
            press(l.ok());
        });
        press(w.button(Upd::Invoice::AddLine));
    }
    EXPECT_FALSE(w.entry(INV.CUSTOMERDISCOUNT)->isEnabled());
    EXPECT_EQ(shown(w.entry(INV.RETAIL)), "45.00");
    EXPECT_EQ(shown(w.input(Upd::Invoice::DiscountSum)), "0.00") << "not deducted twice";
    type(w.entry(INV.CUSTOMERNO), "C2");
    EXPECT_EQ(lastTitle(titles()), "Discount Not Copied");
    EXPECT_EQ(shown(w.entry(INV.CUSTOMERDISCOUNT)), "0.00");
    QPointer<Upd::Invoice> alive(form);
    press(w.ok());
    waitClosed(alive);
    EXPECT_EQ(query("SELECT TOTALDUE FROM INVOICE"), 48.6);
    EXPECT_EQ(query("SELECT LINEITEMDISCOUNT FROM INVOICE"), 1);
    expectBooksAgree();
}

TEST_F(InvoiceFormTest, TheInvoiceDiscountRefiguresEveryLine)
{
    addCustomer("C1");
    addStock("A", 10, 50);
    Upd::Invoice *form = start("C1");
    const fw::Form &w = form->form();
    addLine(w, "A", "1");
    type(w.entry(INV.CUSTOMERDISCOUNT), "10");
    EXPECT_EQ(shown(w.input(Upd::Invoice::DiscountSum)), "5.00");
    EXPECT_EQ(shown(w.entry(INV.TOTALDISCOUNT)), "45.00");
    EXPECT_EQ(shown(w.entry(INV.TAX)), "3.60") << "tax on the discounted amount";
    EXPECT_EQ(query("SELECT DISCOUNTAMOUNT FROM DESCRIPTION"), 5);
    type(w.entry(INV.CUSTOMERDISCOUNT), "0");
    EXPECT_EQ(query("SELECT DISCOUNTAMOUNT FROM DESCRIPTION"), 0) << "0 % clears the lines' discounts";
    QPointer<Upd::Invoice> alive(form);
    press(w.ok());
    waitClosed(alive);
    expectBooksAgree();
}

TEST_F(InvoiceFormTest, AnUnknownCustomerOffersThePickListAndACancelledPickChangesNothing)
{
    addCustomer("C1");
    addCustomer("C2", "", 5);
    Upd::Invoice *form = start("C1");
    const fw::Form &w = form->form();
    {
        auto pick = WhenShown("Select Customer for Invoice...", [&](QWidget *window) {
            press(procedureOf<Brw::GetCustomer>(window)->widgets().close);
        });
        type(w.entry(INV.CUSTOMERNO), "NOBODY");
        EXPECT_EQ(pick.seen(), 1);
    }
    EXPECT_EQ(shown(w.entry(INV.CUSTOMERNO)), "C1") << "the invoice keeps its customer";
    EXPECT_EQ(shown(w.entry(CUS.LNAME)), "Name of C1");
    type(w.entry(INV.CUSTOMERNO), "");
    EXPECT_EQ(shown(w.entry(INV.CUSTOMERNO)), "C1") << "a blanked number changes nothing";

    type(w.entry(INV.CUSTOMERNO), "C2");
    EXPECT_EQ(shown(w.entry(CUS.LNAME)), "Name of C2");
    EXPECT_EQ(shown(w.entry(INV.CUSTOMERDISCOUNT)), "5.00") << "the customer's discount comes with it";
    screen.answer(dict::ButtonNo);
    QPointer<Upd::Invoice> alive(form);
    press(w.cancel());
    waitClosed(alive);
}

TEST_F(InvoiceFormTest, AnUntouchedInvoiceClosesWithoutAskingWhateverItsCentsShow)
{
    addCustomer("C1");
    addStock("A", 10, 1.05); // tax 0.084: shown as 0.08
    Upd::Invoice *form = start("C1");
    addLine(form->form(), "A", "1");
    QPointer<Upd::Invoice> alive(form);
    press(form->form().ok());
    waitClosed(alive);
    INV.INVOICENO = static_cast<dict::LONG>(query("SELECT INVOICENO FROM INVOICE"));
    ASSERT_EQ(Access::INVOICE.TryFetch(INV.InvoiceNo_Key), dict::Benign);
    screen.clear();
    auto change = WhenShown("Change the Invoice", [&](QWidget *window) {
        press(procedureOf<Upd::Invoice>(window)->form().cancel());
    });
    EXPECT_EQ(changeInvoice(), fw::RequestCancelled);
    EXPECT_TRUE(titles().empty()) << "nothing was changed, nothing to ask";
    EXPECT_NEAR(query("SELECT TAX FROM INVOICE"), 0.084, 1e-12) << "the tax keeps its decimals";
}

TEST_F(InvoiceFormTest, APaymentTakenFromTheFormComesBackIntoItAndTheBooksAgree)
{
    addCustomer("C1");
    addStock("A", 10, 50);
    Upd::Invoice *form = start("C1");
    const fw::Form &w = form->form();
    addLine(w, "A", "1"); // 54.00
    screen.answer(dict::ButtonYes); // saved first
    {
        auto payment = WhenShown("Add Finance Information", [&](QWidget *window) {
            const fw::Form &p = procedureOf<Upd::CustomerFinanceHistory>(window)->form();
            type(p.entry(FIN.AMOUNTPAID), "40");
            press(p.ok());
        });
        auto history = WhenShown("Invoice History...", [&](QWidget *window) {
            auto *list = procedureOf<Brw::InvoicesHistory>(window);
            press(list->widgets().insert);
            EXPECT_EQ(list->info(Brw::InvoicesHistory::Due)->text(), "14.00");
            press(list->widgets().close);
        });
        press(w.button(Upd::Invoice::Payment));
        EXPECT_EQ(history.seen(), 1);
    }
    EXPECT_EQ(shown(w.entry(INV.AMOUNTPAID)), "40.00");
    EXPECT_EQ(shown(w.entry(INV.AMOUNTOWED)), "14.00");
    EXPECT_FALSE(w.button(Upd::Invoice::AddLine)->isEnabled()) << "a paid invoice's lines are frozen";
    type(w.entry(INV.CUSTOMERDISCOUNT), "10");
    EXPECT_EQ(lastTitle(titles()), "Discount Not Changed");
    QPointer<Upd::Invoice> alive(form);
    press(w.ok());
    waitClosed(alive);
    EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE"), 1) << "saved once, not twice";
    EXPECT_EQ(balanceOf("C1"), 14);
    expectBooksAgree();
}

TEST_F(InvoiceFormTest, AnInvoiceDeletedAtAnotherStationWhileItsHistoryIsOpenTakesNoPayment)
{
    addCustomer("C1");
    addStock("A", 10, 50);
    Upd::Invoice *form = start("C1");
    addLine(form->form(), "A", "1");
    QPointer<Upd::Invoice> alive(form);
    press(form->form().ok());
    waitClosed(alive);
    INV.INVOICENO = static_cast<dict::LONG>(query("SELECT INVOICENO FROM INVOICE"));
    ASSERT_EQ(Access::INVOICE.TryFetch(INV.InvoiceNo_Key), dict::Benign);
    CUS.CUSTOMERNO = "C1";
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), dict::Benign);
    const double balance = balanceOf("C1");
    screen.clear();
    {
        auto payment = WhenShown("Add Finance Information", [&](QWidget *window) {
            const fw::Form &p = procedureOf<Upd::CustomerFinanceHistory>(window)->form();
            testsupport::sqlOn(dict::DatabasePath, "DELETE FROM INVOICE");
            type(p.entry(FIN.AMOUNTPAID), "40");
            press(p.ok());
            settle();
            screen.answer(dict::ButtonNo);
            press(p.cancel());
        });
        auto history = WhenShown("Invoice History...", [&](QWidget *window) {
            auto *list = procedureOf<Brw::InvoicesHistory>(window);
            press(list->widgets().insert);
            press(list->widgets().close);
        });
        app::runInvoiceHistory();
    }
    EXPECT_NE(std::find(titles().begin(), titles().end(), "Invoice Not Found"), titles().end());
    EXPECT_EQ(query("SELECT COUNT(*) FROM FINANCE WHERE AMOUNTPAID <> 0"), 0) << "nothing half-written";
    EXPECT_EQ(balanceOf("C1"), balance);
}

TEST_F(InvoiceFormTest, AQuoteBecomesAnInvoiceWhenItsBoxIsClearedAndSaved)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 10);
    Upd::Invoice *form = start("C1");
    type(form->form().entry(INV.PONUMBER), "PO-7");
    setuptest::click(form->form().check(INV.QUOTES));
    addLine(form->form(), "A", "4");
    QPointer<Upd::Invoice> alive(form);
    press(form->form().ok());
    waitClosed(alive);
    EXPECT_EQ(onHand(a), 10) << "a quote holds no stock";
    EXPECT_EQ(balanceOf("C1"), 0);
    EXPECT_EQ(query("SELECT COUNT(*) FROM FINANCE"), 0);

    // Opened for Change from the invoice list, which calls the form on the record it read.
    INV.INVOICENO = static_cast<dict::LONG>(query("SELECT INVOICENO FROM INVOICE"));
    ASSERT_EQ(Access::INVOICE.TryFetch(INV.InvoiceNo_Key), dict::Benign);
    {
        auto change = WhenShown("Change the Invoice", [&](QWidget *window) {
            const fw::Form &w = procedureOf<Upd::Invoice>(window)->form();
            EXPECT_TRUE(w.check(INV.QUOTES)->isEnabled());
            EXPECT_TRUE(w.check(INV.QUOTES)->isChecked());
            EXPECT_FALSE(w.button(Upd::Invoice::Payment)->isEnabled()) << "a quote takes no payment";
            setuptest::click(w.check(INV.QUOTES));
            press(w.ok());
        });
        EXPECT_EQ(changeInvoice(), fw::RequestCompleted);
    }
    EXPECT_EQ(onHand(a), 6);
    EXPECT_EQ(balanceOf("C1"), 43.2);
    expectBooksAgree();

    ASSERT_EQ(Access::INVOICE.TryFetch(INV.InvoiceNo_Key), dict::Benign);
    {
        auto change = WhenShown("Change the Invoice", [&](QWidget *window) {
            const fw::Form &w = procedureOf<Upd::Invoice>(window)->form();
            EXPECT_FALSE(w.check(INV.QUOTES)->isEnabled()) << "an invoice never becomes a quote again";
            press(w.cancel());
        });
        EXPECT_EQ(changeInvoice(), fw::RequestCancelled);
    }
    EXPECT_EQ(onHand(a), 6);
    expectBooksAgree();
}

} // namespace
