#include "app/reports/customerstatements.h"

#include "app/reports/addressblocks.h"
#include "app/reports/reportformats.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/picture.h"
#include "reports/pagechrome.h"
#include "reports/reportcolumns.h"
#include "reports/winroutines.h"

#include <string>
#include <vector>

namespace PRN {

using namespace rpt;

namespace {

std::string period() { return dateText(GLO.STARTDATE) + " - " + dateText(GLO.ENDDATE); }

bool inPeriod(dict::LONG day) { return day >= GLO.STARTDATE && day <= GLO.ENDDATE; }

std::string invoiceNumber(dict::LONG number) { return number == 0 ? std::string() : fw::formatValue(number, "@n06"); }

} // namespace

// --- One customer's statement ---------------------------------------------------------------

CUSTOMERFINANCESTATEMENT::CUSTOMERFINANCESTATEMENT() : ReportProcedure(Name)
{
    ReadsFiles({&Access::CUSTOMER, &Access::FINANCE});
    std::vector<Item> header{titleLine(),
                             computed({0, 320, PageWidth, 180}, period, Body, Align::Center),
                             text({0, 560, 1100, 180}, "Date:", Bold), computed({1100, 560, 1500, 180}, [] { return dateText(fw::today()); }),
                             text({0, 740, 1100, 180}, "Customer #:", Bold), field({1100, 740, 1500, 180}, dict::field(CUS.CUSTOMERNO)),
                             text({0, 920, 1100, 180}, "Customer:", Bold),
                             text({4100, 560, 900, 180}, "Phone #:", Bold), field({5000, 560, 2500, 180}, dict::field(CUS.PHONENO)),
                             text({4100, 740, 900, 180}, "Memo:", Bold),
                             wrapped(field({5000, 740, 2500, 180}, dict::field(CUS.COMMENTS)))};
    for (int i = 0; i < 6; ++i)
        header.push_back(computed({1100, 920 + i * 170, 2900, 170}, [i] { return blockLine(BillTo, i); }));
    const int captions = 2040;
    const Columns columns{{{"Date", 0, 900, Align::Left, [] { return dateText(FIN.DATE); }},
                           {"Invoice #", 950, 800, Align::Left, [] { return invoiceNumber(FIN.INVOICENO); }},
                           {"Payment", 1800, 1000, Align::Left, [] { return FIN.TERMS.str(); }},
                           {"Invoice Total", 2850, 1150, Align::Right, [] { return money(FIN.INVOICETOTAL); }},
                           {"Paid", 4050, 1100, Align::Right, [] { return money(FIN.AMOUNTPAID); }},
                           {"Due", 5200, 1100, Align::Right, [] { return money(FIN.AMOUNTDUE); }},
                           {"Balance", 6350, 1150, Align::Right, [this] { return totals(balance_); }}},
                          Body,
                          Bold};
    header.push_back(ruleAcross(captions + 220));
    layout_ = Layout{.pageHeader = {captions + 280, joined(std::move(header), columns.captions(captions))},
                     .pageFooter = pageFooter()};
    line_ = Band{200, columns.cells(10)};
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

INVOICEPAYMENTHISTORY::INVOICEPAYMENTHISTORY() : ReportProcedure(Name)
{
    ReadsFiles({&Access::FINANCE});
    const Columns columns{{{"Date", 400, 1000, Align::Left, [] { return dateText(FIN.DATE); }},
                           {"Customer #", 1500, 1200, Align::Left, [] { return FIN.CUSTOMERNO.str(); }},
                           {"Invoice Total", 2800, 1500, Align::Right, [] { return money(FIN.INVOICETOTAL); }},
                           {"Amount Paid", 4400, 1500, Align::Right, [] { return money(FIN.AMOUNTPAID); }},
                           {"Amount Due", 6000, 1500, Align::Right, [] { return money(FIN.AMOUNTDUE); }}},
                          Body,
                          Bold};
    const std::vector<Item> header{titleLine(), computed({0, 320, PageWidth, 180}, period, Body, Align::Center),
                                   ruleAcross(780)};
    auto sums = [&columns](const char *caption, const Sums &s, int top) {
        return std::vector<Item>{text({2800, top, 1500, 180}, caption, Bold, Align::Right),
                                 columns.cell(3, top, [&s] { return totals(s.paid); }),
                                 columns.cell(4, top, [&s] { return totals(s.due); })};
    };
    layout_ = Layout{
        .pageHeader = {840, joined(header, columns.captions(560))},
        .groupHeader = {220, {text({0, 20, 1000, 180}, "Invoice #:", Bold),
                              computed({1000, 20, 2000, 180}, [] { return invoiceNumber(FIN.INVOICENO); }, Bold)}},
        .detail = {200, columns.cells(10)},
        .groupFooter = {300, joined({columns.ruleOver(3, 4, 20, 10)}, sums("Invoice Total:", invoice_, 40))},
        .pageFooter = pageFooter(),
        .groupKey = [] { return std::to_string(FIN.INVOICENO); },
    };
    closing_ = Band{300, sums("Running Total:", report_, 60)};
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

} // namespace PRN
