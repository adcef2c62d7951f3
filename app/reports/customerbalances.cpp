#include "app/reports/customerbalances.h"

#include "app/reports/reportformats.h"

#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/picture.h"
#include "reports/pagechrome.h"
#include "reports/reportcolumns.h"

#include <string>
#include <vector>

namespace PRN {

using namespace rpt;

namespace {

std::vector<Item> pageHeader(const Columns &columns)
{
    return joined({titleLine(), runDateLine(), ruleAcross(720)}, columns.captions(520));
}

// The running total's band, closing the listing under its last column.
Band totalBand(const Columns &columns, const double &total)
{
    const std::size_t last = columns.size() - 1;
    return {300, {columns.ruleOver(last, last, 20, 10), text({4300, 60, 1600, 180}, "Running Total:", Bold, Align::Right),
                  columns.cell(last, 60, [&total] { return totals(total); })}};
}

// Every finance amount of the customer, added up to the cent record by record.
double balanceOf(const dict::String<10> &customer)
{
    double balance = 0;
    for (const auto &record : dict::range(FIN.CustomerNo_Key, customer))
        balance = dict::roundCents(balance + record.AMOUNTDUE);
    return balance;
}

} // namespace

// --- Outstanding balances -------------------------------------------------------------------

CUSTOMEROUTSTANDINGBALANCES::CUSTOMEROUTSTANDINGBALANCES() : ReportProcedure(Name)
{
    ReadsFiles({&Access::CUSTOMER, &Access::FINANCE});
    const Columns columns{{{"Customer #", 0, 1000, Align::Left, [] { return CUS.CUSTOMERNO.str(); }},
                           {"Customer", 1050, 2000, Align::Left, customerName},
                           {"Company", 3100, 2300, Align::Left, companyName},
                           {"Phone #", 5450, 1000, Align::Left, [] { return CUS.PHONENO.str(); }},
                           {"Balance Due", 6450, 1050, Align::Right, [this] { return money(balance_); }}},
                          Body,
                          Bold};
    layout_ = Layout{.pageHeader = {780, pageHeader(columns)}, .detail = {210, columns.cells(10)}, .pageFooter = pageFooter()};
    closing_ = totalBand(columns, runningTotal_);
}

int CUSTOMEROUTSTANDINGBALANCES::OpenFiles()
{
    runningTotal_ = 0;
    return ReportProcedure::OpenFiles();
}

void CUSTOMEROUTSTANDINGBALANCES::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::CUSTOMER);
    view.AddSortOrder(CUS.CustomerNo_Key);
}

// Only customers who owe: a balance of nothing, or a credit, is left out.
void CUSTOMEROUTSTANDINGBALANCES::TakeRecord(ReportEngine &engine)
{
    balance_ = balanceOf(CUS.CUSTOMERNO);
    if (balance_ <= 0)
        return;
    runningTotal_ = dict::roundCents(runningTotal_ + balance_);
    engine.printDetail();
}

// --- Outstanding invoices -------------------------------------------------------------------

CUSTOMEROUTSTANDINGINVOICES::CUSTOMEROUTSTANDINGINVOICES() : ReportProcedure(Name)
{
    ReadsFiles({&Access::CUSTOMER, &Access::INVOICE});
    const Columns columns{{{"Invoice #", 400, 1000, Align::Left, [] { return fw::formatValue(INV.INVOICENO, "@n06"); }},
                           {"Date", 1500, 1200, Align::Left, [] { return dateText(INV.DATE); }},
                           {"Invoice Total", 2800, 1500, Align::Right, [] { return money(INV.TOTALDUE); }},
                           {"Amount Paid", 4400, 1500, Align::Right, [] { return money(INV.AMOUNTPAID); }},
                           {"Amount Due", 6000, 1500, Align::Right, [] { return money(INV.AMOUNTOWED); }}},
                          Body,
                          Bold};
    layout_ = Layout{.pageHeader = {780, pageHeader(columns)}, .pageFooter = pageFooter()};
    customer_ = Band{420,
                     {text({0, 60, 1100, 180}, "Customer #:", Bold), field({1100, 60, 1100, 180}, dict::field(CUS.CUSTOMERNO)),
                      computed({2300, 60, 2200, 180}, customerName), computed({4600, 60, 2900, 180}, companyName),
                      text({1100, 240, 800, 180}, "Phone #:", Bold), field({1900, 240, 1400, 180}, dict::field(CUS.PHONENO)),
                      text({3400, 240, 600, 180}, "Fax #:", Bold), field({4000, 240, 1400, 180}, dict::field(CUS.FAXNO))}};
    invoice_ = Band{200, columns.cells(10)};
    closing_ = totalBand(columns, runningTotal_);
}

int CUSTOMEROUTSTANDINGINVOICES::OpenFiles()
{
    runningTotal_ = 0;
    return ReportProcedure::OpenFiles();
}

void CUSTOMEROUTSTANDINGINVOICES::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::CUSTOMER);
    view.AddSortOrder(CUS.CustomerNo_Key);
}

// The customer's heading, then a line per invoice still owing; a customer who owes nothing, or
// only on quotes (which are not owed), is left out.
void CUSTOMEROUTSTANDINGINVOICES::TakeRecord(ReportEngine &engine)
{
    std::vector<dict::INVOICERecord> owing;
    for (const auto &invoice : dict::range(INV.Customer_Key, CUS.CUSTOMERNO))
        if (invoice.QUOTES == 0 && dict::roundCents(invoice.AMOUNTOWED) > 0)
            owing.push_back(invoice);
    if (owing.empty())
        return;
    engine.printBand(customer_);
    for (const dict::INVOICERecord &invoice : owing) {
        static_cast<dict::INVOICERecord &>(INV) = invoice;
        runningTotal_ = dict::roundCents(runningTotal_ + invoice.AMOUNTOWED);
        engine.printBand(invoice_);
    }
}

} // namespace PRN
