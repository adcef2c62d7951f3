// Recurring invoices: the billing cycle's dates and the cycle chosen on the invoice form.
#include "app/invoices/invoiceform.h"
#include "app/recurring/billingcycle.h"
#include "app/recurring/billingcyclewindow.h"
#include "app/recurring/recurringmessages.h"
#include "framework/optionbox.h"
#include "tagging/tags.h"
#include "tests/support/paymentfolder.h"

#include <QPushButton>
#include <QRadioButton>

#include <string>
#include <vector>

namespace {

using maintenancetest::procedureOf;
using setuptest::WhenShown;

fw::DayNumber day(int year, int month, int dayOfMonth) { return *fw::dayNumber(year, month, dayOfMonth); }

dict::INVOICERecord series(fw::DayNumber date, const char *cycle)
{
    dict::INVOICERecord invoice{};
    invoice.CUSTOMERNO = "C1";
    invoice.DATE = date;
    invoice.REBILL = 1;
    invoice.REBILLCYCLE = cycle;
    return invoice;
}

TEST(BillingCycle, NextBillIsWholeCalendarMonthsOnHeldToTheMonthsEnd)
{
    struct Case {
        fw::DayNumber from;
        const char *cycle;
        fw::DayNumber next;
    };
    const Case cases[] = {
        {day(2029, 1, 31), "M", day(2029, 2, 28)},   // into a short February
        {day(2028, 1, 31), "M", day(2028, 2, 29)},   // into a leap February
        {day(2029, 3, 31), "M", day(2029, 4, 30)},   // into a 30-day month
        {day(2028, 12, 15), "M", day(2029, 1, 15)},  // over the year's end
        {day(2028, 11, 30), "Q", day(2029, 2, 28)},  // over the year's end into February
        {day(2028, 2, 29), "Q", day(2028, 5, 29)},
        {day(2028, 8, 31), "S", day(2029, 2, 28)},
        {day(2029, 6, 15), "S", day(2029, 12, 15)},
        {day(2028, 2, 29), "A", day(2029, 2, 28)},   // a leap day, a year on
        {day(2099, 2, 28), "A", day(2100, 2, 28)},
        {day(2100, 1, 31), "M", day(2100, 2, 28)},   // 2100 is not a leap year
        {day(2029, 1, 31), "q", day(2029, 4, 30)},   // a code in lower case
    };
    for (const Case &c : cases) {
        const std::optional<fw::DayNumber> next = app::recurring::nextBillDate(series(c.from, c.cycle));
        ASSERT_TRUE(next.has_value()) << c.cycle << " from day " << c.from;
        EXPECT_EQ(*next, c.next) << c.cycle << " from day " << c.from;
    }
    for (const char *none : {"N", "", "X"})
        EXPECT_FALSE(app::recurring::nextBillDate(series(day(2029, 1, 1), none))) << "cycle '" << none << "'";
}

TEST(BillingCycle, DueFromTheNextBillDateOnlyForTheCurrentInvoiceOfASeries)
{
    const fw::DayNumber from = day(2029, 1, 31);
    const fw::DayNumber due = day(2029, 2, 28);
    struct Case {
        const char *what;
        void (*change)(dict::INVOICERecord &);
        fw::DayNumber today;
        bool billed;
    };
    const Case cases[] = {
        {"on the day", [](dict::INVOICERecord &) {}, due, true},
        {"the day before", [](dict::INVOICERecord &) {}, due - 1, false},
        {"long overdue", [](dict::INVOICERecord &) {}, due + 400, true},
        {"out of the series", [](dict::INVOICERecord &i) { i.REBILL = 0; }, due, false},
        {"a quote", [](dict::INVOICERecord &i) { i.QUOTES = 1; }, due, false},
        {"being entered", [](dict::INVOICERecord &i) { i.CUSTOMERNO.clear(); }, due, false},
        {"rebill without a cycle", [](dict::INVOICERecord &i) { i.REBILLCYCLE = "N"; }, due + 400, false},
    };
    for (const Case &c : cases) {
        dict::INVOICERecord invoice = series(from, "M");
        c.change(invoice);
        EXPECT_EQ(app::recurring::dueOn(invoice, c.today), c.billed) << c.what;
    }
}

class RecurringTest : public paymenttest::PaymentFolderTest
{
protected:
    void SetUp() override
    {
        PaymentFolderTest::SetUp();
        app::installRecurringMessages(errors);
        item = addStock("A", 100);
    }

    // An invoice of `quantity` of stock item A at 10.00, dated `date`, in `cycle`, booked as the
    // invoice form books it; its number.
    dict::LONG recurring(const char *customer, fw::DayNumber date, const char *cycle, double quantity = 1,
                         bool quote = false)
    {
        const dict::LONG number = startInvoice(customer, quote);
        addLine("A", item, quantity, 10, !quote);
        INV.DATE = date;
        INV.REBILL = 1;
        INV.REBILLCYCLE = cycle;
        bool holds = !quote;
        EXPECT_EQ(app::invoices::saveInvoice(true, holds), dict::Benign);
        return number;
    }

    static double value(const std::string &expression, dict::LONG invoiceNo)
    {
        return query("SELECT " + expression + " FROM INVOICE WHERE INVOICENO = " + std::to_string(invoiceNo));
    }
    static double count(const std::string &fromWhere) { return query("SELECT COUNT(*) FROM " + fromWhere); }

    static std::string memoOf(dict::LONG invoiceNo)
    {
        INV.INVOICENO = invoiceNo;
        EXPECT_EQ(Access::INVOICE.TryFetch(INV.InvoiceNo_Key), dict::Benign);
        return INV.MEMOS.str();
    }

    dict::LONG item = 0;
};

// --- the billing cycle window -----------------------------------------------------------------

void press(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

TEST_F(RecurringTest, CycleChosenOnTheInvoiceFormIsStoredWhenTheInvoiceIsSaved)
{
    addCustomer("C1");
    GLO.NEWINVOICE = 1;
    GLO.CUSTOMERNO = "C1";
    GLO.PRINTINVOICE = 0;
    auto *form = new Upd::Invoice;
    form->Start();
    const fw::Form &w = form->form();
    const dict::LONG number = w.entry(INV.INVOICENO)->text().trimmed().toInt();
    {
        WhenShown cycle("Billing Cycle", [&](QWidget *window) {
            const fw::Form &c = procedureOf<Win::ReOccuringCycle>(window)->form();
            EXPECT_TRUE(c.options(INV.REBILLCYCLE)->option("N")->isChecked()) << "a new invoice recurs not";
            setuptest::pick(c.options(INV.REBILLCYCLE), "Q");
            press(c.ok());
        });
        press(w.button(Upd::Invoice::ReInvoice));
    }
    QPointer<Upd::Invoice> alive(form);
    press(w.ok());
    for (int i = 0; i < 50 && alive; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    fw::ThreadContext::mainContext().makeCurrent();
    ASSERT_TRUE(alive.isNull()) << "the form is still open";
    EXPECT_EQ(value("REBILL = 1 AND REBILLCYCLE = 'Q'", number), 1);
}

TEST_F(RecurringTest, CycleWindowSetsTheSeriesFlagByTheCycleAndCancelKeepsTheInvoiceAsItWas)
{
    struct Case {
        dict::BYTE rebill;
        const char *cycle;
        const char *picked;
        bool ok;
        dict::BYTE rebillAfter;
        const char *cycleAfter;
    };
    const Case cases[] = {
        {0, "N", "M", true, 1, "M"},  {1, "Q", "N", true, 0, "N"}, {0, "", "A", true, 1, "A"},
        {0, "N", "S", false, 0, "N"}, {1, "M", "A", false, 1, "M"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.cycle) + " to " + c.picked + (c.ok ? ", Ok" : ", Cancel"));
        dict::clearRecord(Access::INVOICE.Def(), &INV);
        INV.CUSTOMERNO = "C1";
        INV.REBILL = c.rebill;
        INV.REBILLCYCLE = c.cycle;
        WhenShown shown("Billing Cycle", [&](QWidget *window) {
            const fw::Form &w = procedureOf<Win::ReOccuringCycle>(window)->form();
            setuptest::pick(w.options(INV.REBILLCYCLE), c.picked);
            if (c.ok)
                return press(w.ok());
            screen.answer(dict::ButtonNo);
            press(w.cancel());
        });
        GlobalRequest = fw::ChangeRecord;
        Win::ReOccuringCycle window;
        EXPECT_EQ(window.Run(), c.ok ? fw::RequestCompleted : fw::RequestCancelled);
        EXPECT_EQ(INV.REBILL, c.rebillAfter);
        EXPECT_EQ(INV.REBILLCYCLE.str(), c.cycleAfter);
    }

    // A quote is never billed again: the window says so and does not open.
    INV.QUOTES = 1;
    INV.REBILL = 0;
    INV.REBILLCYCLE = "N";
    screen.clear();
    GlobalRequest = fw::ChangeRecord;
    Win::ReOccuringCycle window;
    EXPECT_NE(window.Run(), fw::RequestCompleted);
    EXPECT_EQ(titles(), (std::vector<std::string>{"Excuse me..."}));
    EXPECT_EQ(INV.REBILL, 0);
}

} // namespace
