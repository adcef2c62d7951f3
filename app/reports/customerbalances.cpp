#include "app/reports/customerbalances.h"

#include "app/reports/reportformats.h"

#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/picture.h"

#include <string>
#include <vector>

namespace PRN {

using namespace rpt;

namespace {

Band pageFooter() { return {250, {line({500, 0, 7500, 0}), pageNofM({500, 40, 7500, 180}, Small, Align::Right)}}; }

std::vector<Item> pageHeader(const char *title, std::vector<Item> captions)
{
    std::vector<Item> items{text({500, 0, 7500, 280}, title, Title, Align::Center),
                            computed({500, 320, 3000, 180}, runDate, Small), line({500, 720, 7500, 0})};
    for (Item &caption : captions)
        items.push_back(std::move(caption));
    return items;
}

// The running total's band, closing the listing.
Band totalBand(const double &total)
{
    return {300, {line({6500, 20, 1500, 0}), text({4800, 60, 1600, 180}, "Running Total:", Bold, Align::Right),
                  computed({6500, 60, 1500, 180}, [&total] { return totals(total); }, Bold, Align::Right)}};
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

CUSTOMEROUTSTANDINGBALANCES::CUSTOMEROUTSTANDINGBALANCES()
    : ReportProcedure({"PRN:CUSTOMEROUTSTANDINGBALANCES", "Customer OutStanding Balance Listing"})
{
    ReadsFiles({&Access::CUSTOMER, &Access::FINANCE});
    layout_ = Layout{
        .name = "Customer OutStanding Balance Listing",
        .pageHeader = {780, pageHeader("Customer OutStanding Balance Listing",
                                       {text({500, 520, 1000, 180}, "Customer #", Bold), text({1550, 520, 2000, 180}, "Customer", Bold),
                                        text({3600, 520, 2300, 180}, "Company", Bold), text({5950, 520, 1000, 180}, "Phone #", Bold),
                                        text({6950, 520, 1050, 180}, "Balance Due", Bold, Align::Right)})},
        .detail = {210,
                   {field({500, 10, 1000, 180}, dict::field(CUS.CUSTOMERNO)), computed({1550, 10, 2000, 180}, customerName),
                    computed({3600, 10, 2300, 180}, companyName), field({5950, 10, 1000, 180}, dict::field(CUS.PHONENO)),
                    computed({6950, 10, 1050, 180}, [this] { return money(balance_); }, Body, Align::Right)}},
        .pageFooter = pageFooter(),
    };
    total_ = totalBand(runningTotal_);
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

void CUSTOMEROUTSTANDINGBALANCES::Finishing(ReportEngine &engine) { engine.printBand(total_); }

// --- Outstanding invoices -------------------------------------------------------------------

CUSTOMEROUTSTANDINGINVOICES::CUSTOMEROUTSTANDINGINVOICES()
    : ReportProcedure({"PRN:CUSTOMEROUTSTANDINGINVOICES", "Customer OutStanding Invoice Listing"})
{
    ReadsFiles({&Access::CUSTOMER, &Access::INVOICE});
    layout_ = Layout{
        .name = "Customer OutStanding Invoice Listing",
        .pageHeader = {780, pageHeader("Customer OutStanding Invoice Listing",
                                       {text({900, 520, 1000, 180}, "Invoice #", Bold), text({2000, 520, 1200, 180}, "Date", Bold),
                                        text({3300, 520, 1500, 180}, "Invoice Total", Bold, Align::Right),
                                        text({4900, 520, 1500, 180}, "Amount Paid", Bold, Align::Right),
                                        text({6500, 520, 1500, 180}, "Amount Due", Bold, Align::Right)})},
        .pageFooter = pageFooter(),
    };
    customer_ = Band{420,
                     {text({500, 60, 1100, 180}, "Customer #:", Bold), field({1600, 60, 1100, 180}, dict::field(CUS.CUSTOMERNO)),
                      computed({2800, 60, 2200, 180}, customerName), computed({5100, 60, 2900, 180}, companyName),
                      text({1600, 240, 800, 180}, "Phone #:", Bold), field({2400, 240, 1400, 180}, dict::field(CUS.PHONENO)),
                      text({3900, 240, 600, 180}, "Fax #:", Bold), field({4500, 240, 1400, 180}, dict::field(CUS.FAXNO))}};
    auto date = [] { return dateText(INV.DATE); };
    invoice_ = Band{200,
                    {computed({900, 10, 1000, 180}, [] { return fw::formatValue(INV.INVOICENO, "@n06"); }),
                     computed({2000, 10, 1200, 180}, date),
                     computed({3300, 10, 1500, 180}, [] { return money(INV.TOTALDUE); }, Body, Align::Right),
                     computed({4900, 10, 1500, 180}, [] { return money(INV.AMOUNTPAID); }, Body, Align::Right),
                     computed({6500, 10, 1500, 180}, [] { return money(INV.AMOUNTOWED); }, Body, Align::Right)}};
    total_ = totalBand(runningTotal_);
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

void CUSTOMEROUTSTANDINGINVOICES::Finishing(ReportEngine &engine) { engine.printBand(total_); }

} // namespace PRN
