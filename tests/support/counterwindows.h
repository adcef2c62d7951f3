// Two windows open at once on customer C1's books, as at a shop counter: an invoice being written
// in its form while the customer's finance history takes, changes and deletes payments. step()
// takes one random action through the real windows, as a user would.
#pragma once

#include "app/invoices/invoiceform.h"
#include "app/invoices/lineform.h"
#include "app/payments/financehistory.h"
#include "app/payments/paymentform.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/messagepresenter.h"
#include "tests/support/maintenance_support.h"
#include "tests/support/setup_support.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>

#include <cmath>
#include <random>
#include <vector>

namespace countertest {

class CounterWindows
{
public:
    // saved: the customer's invoices already on file, which payments may go to.
    CounterWindows(fw::ScriptedPresenter &screen, unsigned seed, std::vector<dict::LONG> saved)
        : screen_(screen)
        , random_(seed)
        , saved_(std::move(saved))
    {
        form_ = newInvoice();
        history_ = history();
    }

    // Cancels the unsaved invoice (not kept) and closes both windows.
    void close()
    {
        screen_.answer(dict::ButtonNo);
        maintenancetest::closeStarted(form_, form_->form().cancel());
        maintenancetest::closeStarted(history_, history_->widgets().close);
    }

    void step()
    {
        switch (pick(6)) {
        case 0:
        case 1:
            addLine(pick(2) ? "A" : "B", 1 + pick(4));
            ++lines_;
            break;
        case 2:
            if (lines_ == 0)
                break;
            saved_.push_back(save());
            form_ = newInvoice();
            lines_ = 0;
            break;
        case 3: {
            const dict::LONG invoice = saved_[std::size_t(pick(int(saved_.size())))];
            const double owed = maintenancetest::queryNumber(
                dict::DatabasePath, "SELECT AMOUNTOWED FROM INVOICE WHERE INVOICENO = " + std::to_string(invoice));
            if (owed < 0.02)
                break;
            pay(invoice, std::max(0.01, std::floor(owed * (20 + pick(60))) / 100));
            ++payments_;
            break;
        }
        case 4:
            if (history_->browse().Records() > 0)
                changeRow(pick(int(history_->browse().Records())), 0.01 * (1 + pick(3000)));
            break;
        default:
            if (history_->browse().Records() > 0)
                deleteRow(pick(int(history_->browse().Records())));
            break;
        }
    }

    const std::vector<dict::LONG> &saved() const { return saved_; }
    int payments() const { return payments_; }

private:
    static void press(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    int pick(int n) { return int(random_() % unsigned(n)); }

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

    void addLine(const char *stockNo, int quantity)
    {
        setuptest::WhenShown line("Update the Description Table", [&](QWidget *w) {
            auto *l = maintenancetest::procedureOf<Upd::InvoiceDescription>(w);
            ASSERT_NE(l, nullptr);
            setuptest::type(l->form().entry(DES.STOCKNO), stockNo);
            setuptest::type(l->form().entry(DES.QUANTITY), QString::number(quantity));
            press(l->form().ok());
        });
        press(form_->form().button(Upd::Invoice::AddLine));
    }

    // Saves the form; its number.
    dict::LONG save()
    {
        const dict::LONG number = form_->form().entry(INV.INVOICENO)->text().trimmed().toInt();
        QPointer<Upd::Invoice> alive(form_);
        press(form_->form().ok());
        for (int i = 0; i < 50 && alive; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        EXPECT_TRUE(alive.isNull()) << "the form is still open";
        return number;
    }

    void pay(dict::LONG invoiceNo, double amount)
    {
        setuptest::WhenShown form("Add Finance Information", [&](QWidget *w) {
            auto *f = maintenancetest::procedureOf<Upd::CustomerFinanceHistory>(w);
            ASSERT_NE(f, nullptr);
            setuptest::type(f->form().entry(FIN.INVOICENO), QString::number(invoiceNo));
            setuptest::type(f->form().entry(FIN.AMOUNTPAID), QString::number(amount, 'f', 2));
            press(f->form().ok());
        });
        press(history_->widgets().insert);
    }

    void highlightRow(int row)
    {
        QTableView *view = history_->widgets().list->view();
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(view, Qt::Key_Down);
    }

    // A new amount for the payment in the row; an invoice's own record opens read-only and
    // stays as it is. More than is owed is asked about and taken.
    void changeRow(int row, double amount)
    {
        highlightRow(row);
        screen_.answer(dict::ButtonYes);
        setuptest::WhenShown form("Change Finance Information", [&](QWidget *w) {
            auto *f = maintenancetest::procedureOf<Upd::CustomerFinanceHistory>(w);
            ASSERT_NE(f, nullptr);
            if (f->form().entry(FIN.AMOUNTPAID)->isReadOnly()) {
                press(f->form().cancel());
                return;
            }
            setuptest::type(f->form().entry(FIN.AMOUNTPAID), QString::number(amount, 'f', 2));
            press(f->form().ok());
        });
        press(history_->widgets().change);
    }

    void deleteRow(int row)
    {
        highlightRow(row);
        screen_.answer(dict::ButtonYes);
        press(history_->widgets().remove);
    }

    fw::ScriptedPresenter &screen_;
    std::mt19937 random_;
    std::vector<dict::LONG> saved_;
    Upd::Invoice *form_ = nullptr;
    Brw::CustomersFinanceHistory *history_ = nullptr;
    int lines_ = 0;
    int payments_ = 0;
};

} // namespace countertest
