#include "app/reports/customerstatements.h"

#include "app/reports/addressblocks.h"
#include "app/reports/reportformats.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/picture.h"
#include "reports/winroutines.h"

#include <string>
#include <vector>

namespace PRN {

using namespace rpt;

namespace {

Band pageFooter() { return {250, {line({500, 0, 7500, 0}), pageNofM({500, 40, 7500, 180}, Small, Align::Right)}}; }

std::string period() { return dateText(GLO.STARTDATE) + " - " + dateText(GLO.ENDDATE); }

bool inPeriod(dict::LONG day) { return day >= GLO.STARTDATE && day <= GLO.ENDDATE; }

std::string invoiceNumber(dict::LONG number) { return number == 0 ? std::string() : fw::formatValue(number, "@n06"); }

} // namespace

// --- One customer's statement ---------------------------------------------------------------

CUSTOMERFINANCESTATEMENT::CUSTOMERFINANCESTATEMENT()
    : ReportProcedure({"PRN:CUSTOMERFINANCESTATEMENT", "Customer Finance Statement", true})
{
    ReadsFiles({&Access::CUSTOMER, &Access::FINANCE});
    std::vector<Item> header{text({500, 0, 7500, 280}, "Customer Finance Statement", Title, Align::Center),
                             computed({500, 320, 7500, 180}, period, Body, Align::Center),
                             text({500, 560, 1100, 180}, "Date:", Bold), computed({1600, 560, 1500, 180}, [] { return dateText(fw::today()); }),
                             text({500, 740, 1100, 180}, "Customer #:", Bold), field({1600, 740, 1500, 180}, dict::field(CUS.CUSTOMERNO)),
                             text({500, 920, 1100, 180}, "Customer:", Bold),
                             text({4600, 560, 900, 180}, "Phone #:", Bold), field({5500, 560, 2500, 180}, dict::field(CUS.PHONENO)),
                             text({4600, 740, 900, 180}, "Memo:", Bold),
                             wrapped(field({5500, 740, 2500, 180}, dict::field(CUS.COMMENTS)))};
    for (int i = 0; i < 6; ++i)
        header.push_back(computed({1600, 920 + i * 170, 2900, 170}, [i] { return blockLine(BillTo, i); }));
    const int columns = 2040;
    const std::pair<const char *, std::pair<int, int>> captions[] = {
        {"Date", {500, 900}},          {"Invoice #", {1450, 800}}, {"Payment", {2300, 1000}}, {"Invoice Total", {3350, 1150}},
        {"Paid", {4550, 1100}},        {"Due", {5700, 1100}},      {"Balance", {6850, 1150}}};
    for (const auto &[caption, at] : captions)
        header.push_back(text({at.first, columns, at.second, 180}, caption, Bold,
                              at.first >= 3350 ? Align::Right : Align::Left));
    header.push_back(line({500, columns + 220, 7500, 0}));
    layout_ = Layout{.name = "Customer Finance Statement", .pageHeader = {columns + 280, std::move(header)}, .pageFooter = pageFooter()};
    line_ = Band{200,
                 {computed({500, 10, 900, 180}, [] { return dateText(FIN.DATE); }),
                  computed({1450, 10, 800, 180}, [] { return invoiceNumber(FIN.INVOICENO); }),
                  field({2300, 10, 1000, 180}, dict::field(FIN.TERMS)),
                  computed({3350, 10, 1150, 180}, [] { return money(FIN.INVOICETOTAL); }, Body, Align::Right),
                  computed({4550, 10, 1100, 180}, [] { return money(FIN.AMOUNTPAID); }, Body, Align::Right),
                  computed({5700, 10, 1100, 180}, [] { return money(FIN.AMOUNTDUE); }, Body, Align::Right),
                  computed({6850, 10, 1150, 180}, [this] { return totals(balance_); }, Body, Align::Right)}};
}

void CUSTOMERFINANCESTATEMENT::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::CUSTOMER);
    view.AddSortOrder(CUS.CustomerNo_Key);
    range_.CUSTOMERNO = GLO.CUSTOMERNO.view(); // the key compares without case, as the filter did
    view.AddRange(dict::fieldOf(range_, range_.CUSTOMERNO));
}

// The customer's records of the period by date, each with the balance of those printed so far.
void CUSTOMERFINANCESTATEMENT::TakeRecord(ReportEngine &engine)
{
    GLO.WINROUTINE = WIN::CustomerAddress;
    WIN::ROUTINES();
    balance_ = 0;
    std::vector<dict::FINANCERecord> records;
    for (const auto &record : dict::range(FIN.CustomerDate_Key, CUS.CUSTOMERNO))
        if (inPeriod(record.DATE))
            records.push_back(record);
    for (const dict::FINANCERecord &record : records) {
        static_cast<dict::FINANCERecord &>(FIN) = record;
        balance_ = dict::roundCents(balance_ + record.AMOUNTDUE);
        engine.printBand(line_);
    }
}

// --- Every invoice's finance history --------------------------------------------------------

void INVOICEPAYMENTHISTORY::Sums::add(double p, double d)
{
    paid = dict::roundCents(paid + p);
    due = dict::roundCents(due + d);
}

INVOICEPAYMENTHISTORY::INVOICEPAYMENTHISTORY()
    : ReportProcedure({"PRN:INVOICEPAYMENTHISTORY", "Invoice Finance History", true})
{
    ReadsFiles({&Access::FINANCE});
    const int columns = 560;
    std::vector<Item> header{text({500, 0, 7500, 280}, "Invoice Finance History", Title, Align::Center),
                             computed({500, 320, 7500, 180}, period, Body, Align::Center)};
    const std::pair<const char *, std::pair<int, int>> captions[] = {{"Date", {900, 1000}},
                                                                     {"Customer #", {2000, 1200}},
                                                                     {"Invoice Total", {3300, 1500}},
                                                                     {"Amount Paid", {4900, 1500}},
                                                                     {"Amount Due", {6500, 1500}}};
    for (const auto &[caption, at] : captions)
        header.push_back(text({at.first, columns, at.second, 180}, caption, Bold, at.first >= 3300 ? Align::Right : Align::Left));
    header.push_back(line({500, columns + 220, 7500, 0}));
    auto sums = [](const char *caption, const Sums &s, int top) {
        return std::vector<Item>{text({3300, top, 1500, 180}, caption, Bold, Align::Right),
                                 computed({4900, top, 1500, 180}, [&s] { return totals(s.paid); }, Bold, Align::Right),
                                 computed({6500, top, 1500, 180}, [&s] { return totals(s.due); }, Bold, Align::Right)};
    };
    std::vector<Item> footer = sums("Invoice Total:", invoice_, 40);
    footer.insert(footer.begin(), line({4900, 20, 3100, 0}));
    layout_ = Layout{
        .name = "Invoice Finance History",
        .pageHeader = {columns + 280, std::move(header)},
        .groupHeader = {220, {text({500, 20, 1000, 180}, "Invoice #:", Bold),
                              computed({1500, 20, 2000, 180}, [] { return invoiceNumber(FIN.INVOICENO); }, Bold)}},
        .detail = {200,
                   {computed({900, 10, 1000, 180}, [] { return dateText(FIN.DATE); }),
                    field({2000, 10, 1200, 180}, dict::field(FIN.CUSTOMERNO)),
                    computed({3300, 10, 1500, 180}, [] { return money(FIN.INVOICETOTAL); }, Body, Align::Right),
                    computed({4900, 10, 1500, 180}, [] { return money(FIN.AMOUNTPAID); }, Body, Align::Right),
                    computed({6500, 10, 1500, 180}, [] { return money(FIN.AMOUNTDUE); }, Body, Align::Right)}},
        .groupFooter = {300, std::move(footer)},
        .pageFooter = pageFooter(),
        .groupKey = [] { return std::to_string(FIN.INVOICENO); },
    };
    total_ = Band{300, sums("Running Total:", report_, 60)};
}

int INVOICEPAYMENTHISTORY::OpenFiles()
{
    invoice_ = {};
    report_ = {};
    return ReportProcedure::OpenFiles();
}

void INVOICEPAYMENTHISTORY::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::FINANCE);
    view.AddSortOrder(FIN.InvoiceNo_Key);
}

// The records of the period, grouped by invoice.
void INVOICEPAYMENTHISTORY::TakeRecord(ReportEngine &engine)
{
    if (!inPeriod(FIN.DATE))
        return;
    if (engine.breakGroup())
        invoice_ = {};
    invoice_.add(FIN.AMOUNTPAID, FIN.AMOUNTDUE);
    report_.add(FIN.AMOUNTPAID, FIN.AMOUNTDUE);
    engine.printDetail();
}

void INVOICEPAYMENTHISTORY::Finishing(ReportEngine &engine) { engine.printBand(total_); }

} // namespace PRN
