// The credit memo form and its line form driven through their windows, as the frame and the
// lists open them; what lands in the files is read back with SQL.
#include "app/creditmemos/creditlineform.h"
#include "app/creditmemos/creditmemoform.h"
#include "app/creditmemos/creditmemos.h"
#include "app/invoices/invoicebook.h"
#include "tests/support/invoicefolder.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace invoicetest;
using maintenancetest::procedureOf;
using setuptest::type;
using setuptest::WhenShown;

void press(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

class CreditMemoFormTest : public InvoiceFolderTest
{
protected:
    void SetUp() override
    {
        InvoiceFolderTest::SetUp();
        GLO.PRINTINVOICE = 0;
        addCustomer("C1");
        addCustomer("C2");
        a_ = addStock("A", 10, 12.5);
    }

    // A saved invoice of quantity of A.
    dict::LONG invoiceOf(const char *customer, double quantity)
    {
        const dict::LONG number = startInvoice(customer);
        addLine("A", a_, quantity, 12.5);
        bool holds = true;
        EXPECT_EQ(app::invoices::saveInvoice(true, holds), dict::Benign);
        return number;
    }

    static Upd::CreditMemo *startNew()
    {
        GLO.NEWCREDITMEMO = 1;
        auto *form = new Upd::CreditMemo;
        form->Start();
        return form;
    }

    static void waitClosed(QPointer<Upd::CreditMemo> form)
    {
        for (int i = 0; i < 50 && form; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        fw::ThreadContext::mainContext().makeCurrent();
        EXPECT_TRUE(form.isNull()) << "the form is still open";
    }

    // A line of quantity of the stock item through the line form.
    static void addCreditLine(const fw::Form &w, const char *stockNo, const char *quantity)
    {
        auto line = WhenShown("Update the Description Table", [&](QWidget *window) {
            const fw::Form &l = procedureOf<Upd::CreditMemoDescription>(window)->form();
            EXPECT_EQ(l.caption()->text(), "Add Items to the Credit Memo");
            type(l.entry(CRS.STOCKNO), stockNo);
            type(l.entry(CRS.QUANTITY), quantity);
            press(l.ok());
        });
        press(w.button(Upd::CreditMemo::AddLine));
    }

    static QString shown(QLineEdit *edit) { return edit->text().trimmed(); }
    std::string lastTitle() const { return titles().empty() ? "" : titles().back(); }

    dict::LONG a_ = 0;
};

TEST_F(CreditMemoFormTest, AMemoOfAWholeInvoiceIsCopiedFromItAndSavedIntoTheBooks)
{
    const dict::LONG invoiceNo = invoiceOf("C1", 4); // 50.00 and 4.00 tax
    EXPECT_EQ(onHand(a_), 6);
    Upd::CreditMemo *form = startNew();
    const fw::Form &w = form->form();
    EXPECT_EQ(form->window()->windowTitle(), "Add a Credit Memo");
    EXPECT_FALSE(w.ok()->isEnabled()) << "nothing is saved without a customer";

    screen.answer(dict::ButtonYes); // use the invoice's data
    type(w.entry(CRE.INVOICENO), std::to_string(invoiceNo).c_str());
    EXPECT_EQ(lastTitle(), "Pardon me...");
    EXPECT_EQ(shown(w.entry(CRE.CUSTOMERNO)), "C1") << "the invoice's customer";
    EXPECT_EQ(shown(w.entry(CUS.LNAME)), "Name of C1");
    EXPECT_TRUE(w.entry(CRE.INVOICENO)->isReadOnly()) << "the invoice is fixed once its lines are copied";
    EXPECT_EQ(form->items().Records(), 1u);
    EXPECT_EQ(onHand(a_), 10) << "the copied line gave its stock back";
    EXPECT_EQ(shown(w.entry(CRE.TOTALDUE)), "54.00");
    setuptest::screenshot(form->window(), "credit-memo-form");

    QPointer<Upd::CreditMemo> alive(form);
    press(w.ok());
    waitClosed(alive);
    const dict::LONG memoNo = static_cast<dict::LONG>(query("SELECT CREDITMEMONO FROM CREDIT"));
    EXPECT_EQ(GLO.CREDITMEMONO, memoNo);
    EXPECT_EQ(query("SELECT AMOUNTOWED FROM INVOICE WHERE INVOICENO = " + std::to_string(invoiceNo)), 0);
    EXPECT_EQ(balanceOf("C1"), 0);
    expectBooksAgree();
}

TEST_F(CreditMemoFormTest, AnotherCustomersInvoiceIsRefusedAndCancelTakesBackTheStockReturned)
{
    const dict::LONG c2Invoice = invoiceOf("C2", 1);
    GLO.CUSTOMERNO = "C1";
    Upd::CreditMemo *form = startNew();
    const fw::Form &w = form->form();
    EXPECT_EQ(shown(w.entry(CUS.LNAME)), "Name of C1") << "the customer the frame had";
    type(w.entry(CRE.INVOICENO), std::to_string(c2Invoice).c_str());
    EXPECT_EQ(lastTitle(), "Another Customer's Invoice");
    EXPECT_EQ(shown(w.entry(CRE.INVOICENO)), "") << "the memo credits no invoice";

    addCreditLine(w, "A", "3");
    EXPECT_EQ(onHand(a_), 12);
    screen.answer(dict::ButtonNo); // not saved
    QPointer<Upd::CreditMemo> alive(form);
    press(w.cancel());
    waitClosed(alive);
    EXPECT_EQ(onHand(a_), 9);
    EXPECT_EQ(query("SELECT COUNT(*) FROM CRSCRIPTION"), 0);
    EXPECT_EQ(query("SELECT COUNT(*) FROM CREDIT"), 0);
    expectBooksAgree();
}

TEST_F(CreditMemoFormTest, ASavedMemoChangedLineByLineKeepsTheBooksAndItsDeletionReversesIt)
{
    const dict::LONG invoiceNo = invoiceOf("C1", 4);
    GLO.CUSTOMERNO = "C1";
    Upd::CreditMemo *form = startNew();
    const fw::Form &w = form->form();
    screen.answer(dict::ButtonNo); // not the whole invoice
    type(w.entry(CRE.INVOICENO), std::to_string(invoiceNo).c_str());
    addCreditLine(w, "A", "1");
    QPointer<Upd::CreditMemo> alive(form);
    press(w.ok());
    waitClosed(alive);
    EXPECT_EQ(balanceOf("C1"), 40.5) << "54.00 invoiced, 13.50 credited";

    // Change: a line added books at once; Cancel keeps it, the books by the memo's new total.
    CRE.CREDITMEMONO = static_cast<dict::LONG>(query("SELECT CREDITMEMONO FROM CREDIT"));
    ASSERT_EQ(Access::CREDIT.Fetch(CRE.CreditMemoNo_Key), dict::Benign);
    auto change = WhenShown("Change a Credit Memo", [&](QWidget *window) {
        const fw::Form &c = procedureOf<Upd::CreditMemo>(window)->form();
        EXPECT_TRUE(c.entry(CRE.CUSTOMERNO)->isReadOnly());
        addCreditLine(c, "A", "2");
        EXPECT_EQ(balanceOf("C1"), 13.5);
        screen.answer(dict::ButtonNo);
        press(c.cancel());
    });
    GLO.NEWCREDITMEMO = 0;
    GlobalRequest = fw::ChangeRecord;
    Upd::CreditMemo changed;
    changed.Run();
    EXPECT_EQ(onHand(a_), 9);
    EXPECT_EQ(balanceOf("C1"), 13.5);
    expectBooksAgree();

    // Delete, as the list asks the form: everything it booked is reversed.
    screen.answer(dict::ButtonYes);
    ASSERT_EQ(Access::CREDIT.Fetch(CRE.CreditMemoNo_Key), dict::Benign);
    GlobalRequest = fw::DeleteRecord;
    Upd::CreditMemo deleted;
    EXPECT_EQ(deleted.Run(), fw::RequestCompleted);
    EXPECT_EQ(onHand(a_), 6);
    EXPECT_EQ(balanceOf("C1"), 54);
    EXPECT_EQ(query("SELECT COUNT(*) FROM CREDIT"), 0);
    expectBooksAgree();
}

} // namespace
