// Two windows open at once on one customer's books, as at a shop counter: an invoice being
// written in its form while the customer's finance history takes, changes and deletes payments.
// Two hundred random steps from either window, with the books checked after every one.
#include "app/invoices/invoiceform.h"
#include "app/invoices/invoicelayout.h"
#include "app/invoices/lineform.h"
#include "app/invoices/linelayout.h"
#include "app/payments/financehistory.h"
#include "app/payments/paymentform.h"
#include "app/payments/paymentlayout.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "tests/support/paymentfolder.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>

#include <random>

namespace {

using namespace paymenttest;
using maintenancetest::closeStarted;
using maintenancetest::procedureOf;
using setuptest::type;
using setuptest::WhenShown;

void press(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

class TwoWindowsTest : public PaymentFolderTest
{
protected:
    void TearDown() override
    {
        GLO.CUSTOMERNO.clear();
        PaymentFolderTest::TearDown();
    }

    static Upd::Invoice *newInvoice()
    {
        GLO.NEWINVOICE = 1;
        GLO.CUSTOMERNO = "C1";
        GLO.PRINTINVOICE = 0;
        auto *form = new Upd::Invoice;
        form->Start();
        return form;
    }

    static Brw::CustomersFinanceHistory *history()
    {
        GLO.CUSTOMERNO = "C1";
        auto *h = new Brw::CustomersFinanceHistory;
        h->Start();
        return h;
    }

    static void addLine(Upd::Invoice *form, const char *stockNo, int quantity)
    {
        WhenShown line("Update the Description Table", [&](QWidget *w) {
            auto *l = procedureOf<Upd::InvoiceDescription>(w);
            ASSERT_NE(l, nullptr);
            type(l->widgets().stockNo, stockNo);
            type(l->widgets().quantity, QString::number(quantity));
            press(l->widgets().ok);
        });
        press(form->widgets().add);
    }

    // Saves the form; its number.
    static dict::LONG save(Upd::Invoice *form)
    {
        const dict::LONG number = form->widgets().invoiceNo->text().trimmed().toInt();
        QPointer<Upd::Invoice> alive(form);
        press(form->widgets().save);
        for (int i = 0; i < 50 && alive; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        EXPECT_TRUE(alive.isNull()) << "the form is still open";
        return number;
    }

    static void pay(Brw::CustomersFinanceHistory *h, dict::LONG invoiceNo, double amount)
    {
        WhenShown form("Add Finance Information", [&](QWidget *w) {
            auto *f = procedureOf<Upd::CustomerFinanceHistory>(w);
            ASSERT_NE(f, nullptr);
            type(f->widgets().invoiceNo, QString::number(invoiceNo));
            type(f->widgets().amount, QString::number(amount, 'f', 2));
            press(f->widgets().ok);
        });
        press(h->widgets().insert);
    }

    static void highlightRow(Brw::CustomersFinanceHistory *h, int row)
    {
        QTableView *view = h->widgets().list->view();
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(view, Qt::Key_Down);
    }

    // A new amount for the payment in the row; an invoice's own record opens read-only and
    // stays as it is. More than is owed is asked about and taken.
    void changeRow(Brw::CustomersFinanceHistory *h, int row, double amount)
    {
        highlightRow(h, row);
        screen.answer(dict::ButtonYes);
        WhenShown form("Change Finance Information", [&](QWidget *w) {
            auto *f = procedureOf<Upd::CustomerFinanceHistory>(w);
            ASSERT_NE(f, nullptr);
            if (f->widgets().amount->isReadOnly()) {
                press(f->widgets().cancel);
                return;
            }
            type(f->widgets().amount, QString::number(amount, 'f', 2));
            press(f->widgets().ok);
        });
        press(h->widgets().change);
    }

    void deleteRow(Brw::CustomersFinanceHistory *h, int row)
    {
        highlightRow(h, row);
        screen.answer(dict::ButtonYes);
        press(h->widgets().remove);
    }
};

TEST_F(TwoWindowsTest, RandomStepsFromAnInvoiceFormAndTheFinanceHistoryKeepTheBooks)
{
    addCustomer("C1");
    addStock("A", 500, 12.5);
    addStock("B", 500, 7.35);
    std::vector<dict::LONG> saved{bookInvoice("C1", 80), bookInvoice("C1", 45.6)};
    Upd::Invoice *form = newInvoice();
    Brw::CustomersFinanceHistory *h = history();
    std::mt19937 random(2026);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    int lines = 0;
    int payments = 0;
    for (int step = 0; step < 200; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        screen.clear();
        switch (pick(6)) {
        case 0:
        case 1:
            addLine(form, pick(2) ? "A" : "B", 1 + pick(4));
            ++lines;
            break;
        case 2:
            if (lines == 0)
                break;
            saved.push_back(save(form));
            form = newInvoice();
            lines = 0;
            break;
        case 3: {
            const dict::LONG invoice = saved[std::size_t(pick(int(saved.size())))];
            const double owed = invoiceValue("AMOUNTOWED", invoice);
            if (owed < 0.02)
                break;
            pay(h, invoice, std::max(0.01, std::floor(owed * (20 + pick(60))) / 100));
            ++payments;
            break;
        }
        case 4:
            if (h->browse().Records() > 0)
                changeRow(h, pick(int(h->browse().Records())), 0.01 * (1 + pick(3000)));
            break;
        default:
            if (h->browse().Records() > 0)
                deleteRow(h, pick(int(h->browse().Records())));
            break;
        }
        expectBooksAgree();
    }
    EXPECT_GT(query("SELECT COUNT(*) FROM FINANCE WHERE AMOUNTPAID > 0"), 3) << "payments stand on file";
    EXPECT_GT(payments, 3) << "the steps did take payments";
    EXPECT_GT(saved.size(), 4u) << "and saved invoices";
    screen.answer(dict::ButtonNo); // the unsaved invoice is not kept
    closeStarted(form, form->widgets().cancel);
    closeStarted(h, h->widgets().close);
    expectBooksAgree();
    EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE WHERE INVOICENO NOT IN (" + [&] {
                  std::string list;
                  for (dict::LONG n : saved)
                      list += (list.empty() ? "" : ",") + std::to_string(n);
                  return list;
              }() + ")"),
              0)
        << "the cancelled invoice left nothing behind";
}

} // namespace
