// Recurring invoices: the billing cycle's dates, the run over the invoice file in its progress
// window (what is billed, the copies, their stock and books), a run cancelled and run again, a
// series whose customer is gone, and the cycle chosen on the invoice form.
#include "app/invoices/invoiceform.h"
#include "app/recurring/billingcycle.h"
#include "app/recurring/billingcyclewindow.h"
#include "app/recurring/rebill.h"
#include "app/recurring/recurringmessages.h"
#include "app/recurring/recurringrun.h"
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
        {day(2028, 8, 31), "S", day(2029, 2, 28)},
        {day(2028, 2, 29), "A", day(2029, 2, 28)},   // a leap day, a year on
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
    };
    for (const Case &c : cases) {
        dict::INVOICERecord invoice = series(from, "M");
        c.change(invoice);
        EXPECT_EQ(app::recurring::dueOn(invoice, c.today), c.billed) << c.what;
    }
}

// A run as the frame starts it, on a day of the test's choosing; can press its own Cancel after
// its first copy, and keeps what table 3 held when it printed.
class RecurringRun : public Win::ReOccuringInvoices
{
public:
    explicit RecurringRun(fw::DayNumber today, bool cancelAfterFirstCopy = false)
        : ReOccuringInvoices(today), cancelAfterFirstCopy_(cancelAfterFirstCopy)
    {
        printCopies = [this] {
            ++prints;
            tagged = ST::CntTag_(ST::InvoiceTable);
        };
    }
    int TakeRecord() override
    {
        const int result = ReOccuringInvoices::TakeRecord();
        if (cancelAfterFirstCopy_ && copies().size() == 1 && !pressed_) {
            pressed_ = true;
            cancelButton()->click();
        }
        return result;
    }
    int prints = 0;
    long tagged = -1;

private:
    bool cancelAfterFirstCopy_;
    bool pressed_ = false;
};

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

TEST_F(RecurringTest, RunBillsEachDueCycleOnceWithAFreshCopyBookedLikeASavedInvoice)
{
    addCustomer("C1");
    addCustomer("C2");
    const dict::LONG kit = addStock("KIT", 10, 50, 0, "S");
    const dict::LONG part = addStock("P1", 20);
    addComponent("KIT", "P1", 2);
    const fw::DayNumber today = day(2029, 2, 28);

    const dict::LONG monthEnd = recurring("C1", day(2029, 1, 31), "M");
    addLine("KIT", kit, 1, 50); // the form's invoice is still in the buffer
    bool holds = true;
    INV.MEMOS = "Monthly service";
    ASSERT_EQ(app::invoices::saveInvoice(false, holds), dict::Benign);
    ASSERT_EQ(pay("C1", monthEnd, 20), dict::Benign);
    INV.INVOICENO = monthEnd;
    ASSERT_EQ(Access::INVOICE.TryFetch(INV.InvoiceNo_Key), dict::Benign);
    INV.PRINTED = "P";
    INV.CHECKNO = 77;
    INV.CREDITCHECK = 1;
    ASSERT_EQ(Access::INVOICE.TryUpdate(), dict::Benign);

    const dict::LONG monthNotYet = recurring("C1", day(2029, 2, 1), "M");
    const dict::LONG leapDay = recurring("C2", day(2028, 2, 29), "A", 2);
    const dict::LONG quarter = recurring("C2", day(2028, 11, 30), "Q");
    const dict::LONG quarterNotYet = recurring("C2", day(2028, 12, 1), "Q");
    const dict::LONG half = recurring("C1", day(2028, 8, 31), "S");
    const dict::LONG halfNotYet = recurring("C1", day(2028, 9, 1), "S");
    const dict::LONG quote = recurring("C1", day(2028, 1, 1), "M", 1, true);
    const dict::LONG noCycle = recurring("C1", day(2028, 1, 1), "N");
    const double itemBefore = onHand(item), kitBefore = onHand(kit), partBefore = onHand(part);

    RecurringRun run(today);
    ASSERT_EQ(run.Run(), fw::RequestCompleted);
    ASSERT_EQ(run.copies().size(), 4u);

    const dict::LONG sources[] = {monthEnd, leapDay, quarter, half};
    const char *cycles[] = {"M", "A", "Q", "S"};
    for (std::size_t i = 0; i < 4; ++i) {
        const dict::LONG source = sources[i];
        const dict::LONG copy = run.copies()[i];
        SCOPED_TRACE("copy of invoice " + std::to_string(source));
        EXPECT_GT(copy, noCycle) << "numbered after every invoice on file";
        EXPECT_EQ(value("REBILL * 10 + (REBILLCYCLE = 'N')", source), 1) << "the source leaves the series";
        EXPECT_EQ(value(std::string("REBILL = 1 AND REBILLCYCLE = '") + cycles[i] + "' AND DATE = "
                            + std::to_string(today) + " AND MONTH = 2",
                        copy),
                  1)
            << "the copy carries the series on from today";
        EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE c JOIN INVOICE s ON s.INVOICENO = " + std::to_string(source)
                        + " WHERE c.INVOICENO = " + std::to_string(copy)
                        + " AND c.CUSTOMERNO = s.CUSTOMERNO AND c.TOTALDUE = s.TOTALDUE AND c.TAX = s.TAX"),
                  1)
            << "the source's customer and figures";
        EXPECT_EQ(value("AMOUNTPAID = 0 AND AMOUNTOWED = TOTALDUE AND DATEPAID = 0 AND PRINTED = '' AND CHECKNO = 0 "
                        "AND CREDITCHECK = 0",
                        copy),
                  1)
            << "a fresh invoice: unpaid, unprinted, no payment details";
        const std::string copied = "DESCRIPTION WHERE INVOICENO = " + std::to_string(copy);
        EXPECT_EQ(count(copied + " AND DATE = " + std::to_string(today)),
                  count("DESCRIPTION WHERE INVOICENO = " + std::to_string(source)));
        EXPECT_EQ(ST::GetTag_(ST::InvoiceTable, copy), 1) << "tagged for printing";
    }
    EXPECT_EQ(memoOf(run.copies()[0]), "Monthly service");
    EXPECT_EQ(value("AMOUNTPAID", monthEnd), 20) << "the source keeps its payment";
    for (dict::LONG untouched : {monthNotYet, quarterNotYet, halfNotYet, quote, noCycle})
        EXPECT_EQ(value("REBILL", untouched), 1) << "invoice " << untouched << " is not billed";
    EXPECT_EQ(onHand(item), itemBefore - 5) << "one, two, one and one of A";
    EXPECT_EQ(onHand(kit), kitBefore - 1);
    EXPECT_EQ(onHand(part), partBefore - 2) << "the special item's components go with it";
    EXPECT_EQ(run.prints, 1);
    EXPECT_EQ(run.tagged, 4) << "the copies, and nothing else, are printed";
    expectBooksAgree();

    RecurringRun again(today);
    again.Run();
    EXPECT_TRUE(again.copies().empty()) << "a cycle is billed once";
    EXPECT_EQ(again.prints, 0);
}

TEST_F(RecurringTest, RunCancelledAfterItsFirstCopyAndRunAgainBillsEveryInvoiceOnce)
{
    addCustomer("C1");
    constexpr int due = 12;
    const dict::LONG first = recurring("C1", day(2029, 1, 15), "M");
    recurring("C1", day(2029, 2, 15), "M");
    for (int i = 1; i < due; ++i) {
        recurring("C1", day(2029, 1, 15), "M");
        recurring("C1", day(2029, 2, 15), "M"); // not due: the run passes over it
    }
    const fw::DayNumber today = day(2029, 2, 28);

    RecurringRun cancelled(today, true);
    EXPECT_EQ(cancelled.Run(), fw::RequestCancelled);
    EXPECT_EQ(cancelled.copies().size(), 1u) << "Cancel stops before the next invoice";
    EXPECT_EQ(cancelled.prints, 1) << "what was billed is printed";
    expectBooksAgree();

    RecurringRun rest(today);
    EXPECT_EQ(rest.Run(), fw::RequestCompleted);
    EXPECT_EQ(rest.copies().size(), std::size_t{due - 1});
    EXPECT_EQ(count("INVOICE"), 3 * due);
    EXPECT_EQ(count("INVOICE WHERE REBILL = 1"), 2 * due) << "one current invoice per series";
    EXPECT_EQ(count("INVOICE WHERE REBILL = 1 AND DATE = " + std::to_string(today)), due);
    EXPECT_EQ(app::recurring::billAgain(first, today).outcome, app::recurring::Bill::NotDue)
        << "a station that read the invoice before it was billed bills it no more";
    expectBooksAgree();
}

TEST_F(RecurringTest, InvoiceWhoseCustomerIsGoneIsSkippedWithNothingBookedAndNamed)
{
    addCustomer("C1");
    addCustomer("GONE");
    const dict::LONG kept = recurring("C1", day(2029, 1, 10), "M");
    const dict::LONG orphan = recurring("GONE", day(2029, 1, 10), "M", 3);
    CUS.CUSTOMERNO = "GONE";
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), dict::Benign);
    ASSERT_EQ(Access::CUSTOMER.TryDeleteRecord(), dict::Benign);
    const double totalBefore = query("SELECT TOTALDUE FROM TOTALINV WHERE RECORDNO = 1");
    const double stockBefore = onHand(item);
    screen.clear();

    RecurringRun run(day(2029, 2, 10));
    EXPECT_EQ(run.Run(), fw::RequestCompleted);
    ASSERT_EQ(run.copies().size(), 1u) << "the other invoice is billed";
    EXPECT_EQ(titles(), (std::vector<std::string>{"Invoices Not Billed"}));
    ASSERT_FALSE(texts().empty());
    EXPECT_NE(texts().back().find(std::to_string(orphan) + " (customer GONE)"), std::string::npos) << texts().back();
    EXPECT_EQ(value("REBILL", orphan), 1) << "still in its series";
    EXPECT_EQ(count("INVOICE WHERE CUSTOMERNO = 'GONE'"), 1);
    EXPECT_EQ(count("FINANCE WHERE CUSTOMERNO = 'GONE'"), 1);
    EXPECT_EQ(query("SELECT TOTALDUE FROM TOTALINV WHERE RECORDNO = 1"), totalBefore + value("TOTALDUE", kept));
    EXPECT_EQ(onHand(item), stockBefore - 1) << "only the billed copy's item goes out";
    expectBooksAgree();
}

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
