#include "app/reports/receipts.h"

#include "app/common/ledger.h"
#include "app/reports/invoiceprint.h"
#include "app/reports/reportformats.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "framework/picture.h"
#include "reports/pagechrome.h"
#include "reports/reportcolumns.h"

#include <cmath>
#include <utility>
#include <vector>

namespace PRN {

using namespace rpt;

namespace {

constexpr int Width = TurnedPageWidth;

std::string numberOrBlank(dict::LONG number) { return number == 0 ? std::string() : fw::formatValue(number, "@n06"); }

std::string period() { return dateText(GLO.STARTDATE) + " - " + dateText(GLO.ENDDATE); }

std::vector<Item> heading()
{
    return {titleLine(Width), computed({0, 320, Width, 180}, period, Body, Align::Center)};
}

bool inRange(dict::LONG day) { return day >= GLO.STARTDATE && day <= GLO.ENDDATE; }


} // namespace

// --- Daily receipts -------------------------------------------------------------------------

DAILYRECEIPTS::DAILYRECEIPTS() : ReportProcedure(Name)
{
    ReadsFiles({&Access::FINANCE, &Access::CUSTOMER});
    const Columns columns{{{"Date", 0, 750, Align::Left, [] { return dateText(FIN.DATE); }},
                           {"Invoice #", 800, 700, Align::Left, [] { return numberOrBlank(FIN.INVOICENO); }},
                           {"Customer Name", 1550, 1700, Align::Left, [this] { return name_; }},
                           {"Payment Type", 3300, 1000, Align::Left, [] { return FIN.TERMS.str(); }},
                           {"Total", 4350, 850, Align::Right, [] { return money(FIN.INVOICETOTAL); }},
                           {"Cash", 5250, 850, Align::Right, [this] { return money(line_[0]); }},
                           {"Checks", 6150, 850, Align::Right, [this] { return money(line_[1]); }},
                           {"Credit Card/OnAccount", 7050, 1250, Align::Right, [this] { return money(line_[2]); }},
                           {"*Cash Out", 8350, 750, Align::Right, [this] { return money(line_[3]); }},
                           {"Credit Memo #", 9150, 850, Align::Left, [] { return numberOrBlank(FIN.CREDITMEMONO); }}},
                          SmallLine,
                          SmallLineBold};
    layout_ = Layout{.pageHeader = {820, joined(joined(heading(), columns.captions(560)), {ruleAcross(760, Width)})},
                     .detail = {170, columns.cells(10)},
                     .pageFooter = pageFooter(Width, "* Monies paid out on Credit Memos.")};
    auto sums = [&columns](const char *caption, const Amounts &a) {
        std::vector<Item> items{columns.ruleOver(5, 8, 20), text({0, 60, 5200, 150}, caption, SmallLineBold, Align::Right)};
        for (std::size_t i = 0; i < 4; ++i)
            items.push_back(columns.cell(5 + i, 60, [&a, i] { return totals(a[i]); }));
        return Band{260, std::move(items)};
    };
    dayTotal_ = sums("Daily Totals:", day_);
    total_ = sums("Running Totals:", report_);
}

int DAILYRECEIPTS::OpenFiles()
{
    day_ = report_ = {};
    date_ = 0;
    return ReportProcedure::OpenFiles();
}

void DAILYRECEIPTS::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::FINANCE);
    view.AddSortOrder(FIN.Date_Key);
}

// A receipt goes to cash, checks or the rest by how it was paid; a credit memo's record is money
// paid out. An invoice's own record is no receipt.
void DAILYRECEIPTS::TakeRecord(ReportEngine &engine)
{
    if (!inRange(FIN.DATE) || app::isOwnFinanceRecord(FIN))
        return;
    if (date_ != 0 && FIN.DATE != date_) {
        engine.printBand(dayTotal_);
        day_ = {};
    }
    date_ = FIN.DATE;
    line_ = {};
    const std::string terms = FIN.TERMS.str();
    if (FIN.CREDITMEMONO < 1)
        line_[terms == "Cash" ? 0 : dict::isCheque(terms) ? 1 : 2] = FIN.AMOUNTPAID;
    else
        line_[3] = FIN.AMOUNTDUE;
    for (Amounts *sums : {&day_, &report_})
        for (std::size_t i = 0; i < 4; ++i)
            (*sums)[i] = dict::roundCents((*sums)[i] + line_[i]);
    CUS.CUSTOMERNO = FIN.CUSTOMERNO.view();
    name_.clear();
    if (Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) == dict::Benign)
        name_ = CUS.FNAME.blank() ? CUS.LNAME.str() : CUS.FNAME.str() + ' ' + CUS.LNAME.str();
    engine.printDetail();
}

void DAILYRECEIPTS::Finishing(ReportEngine &engine)
{
    engine.printBand(dayTotal_);
    engine.printBand(total_);
}

// --- Consolidation --------------------------------------------------------------------------

namespace {

const char *const SalesCaptions[8] = {"Cost:", "Price:", "SubTotal:", "Tax:", "GST:", "Labor:", "Shipping:", "COD:"};
constexpr std::size_t TaxRow = 3, GstRow = 4;
const char *const ReceiptCaptions[7] = {"Cash:", "Checks:", "OnAccount:", "AMEX:", "Discover:", "MasterCard:", "Visa:"};

// The receipt bucket of a payment's terms; -1 for terms of none of them.
int bucketOf(const std::string &terms)
{
    if (dict::isCheque(terms))
        return 1;
    const char *const names[] = {"Cash", nullptr, "OnAccount", "AMEX", "Discover", "MasterCard", "Visa"};
    for (int i = 0; i < 7; ++i)
        if (names[i] && terms == names[i])
            return i;
    return -1;
}

// Three sections side by side under a heading: the date's, or the whole range's. The tax is
// captioned by the tax system in force; GST has a line only beside a provincial tax.
Band block(TextSource heading, const CONSOLIDATION::Sums &s, const Font &headingFont)
{
    const int regime = GLO.CANADIAN;
    std::vector<Item> items{computed({0, 20, 4000, 200}, std::move(heading), headingFont),
                            text({0, 260, 2500, 170}, "Sales (Invoices)", Bold), text({3500, 260, 2500, 170}, "Receipts", Bold),
                            text({7000, 260, 2500, 170}, "Credits", Bold)};
    int row = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        if (i == GstRow && regime != dict::TaxRegime::ProvincialAndGst)
            continue;
        const int y = 450 + row++ * 170;
        const bool tax = i == TaxRow || i == GstRow;
        const std::string caption = i == TaxRow ? std::string(dict::taxName(regime)) + ":" : SalesCaptions[i];
        items.push_back(text({200, y, 1200, 160}, caption, SmallLine));
        items.push_back(computed({1400, y, 1400, 160}, [&s, i, tax] { return tax ? shown(s.sales[i], "@n-15.5") : totals(s.sales[i]); },
                                 SmallLine, Align::Right));
    }
    for (std::size_t i = 0; i < 7; ++i) {
        const int y = 450 + int(i) * 170;
        items.push_back(text({3700, y, 1200, 160}, ReceiptCaptions[i], SmallLine));
        items.push_back(computed({4900, y, 1400, 160}, [&s, i] { return totals(s.receipts[i]); }, SmallLine, Align::Right));
    }
    items.push_back(text({7200, 450, 1200, 160}, "Credit Memos:", SmallLine));
    items.push_back(computed({8400, 450, 1400, 160}, [&s] { return totals(s.credits); }, SmallLine, Align::Right));
    items.push_back(ruleAcross(1860, Width, 5));
    return Band{1920, std::move(items)};
}

} // namespace

CONSOLIDATION::CONSOLIDATION() : ReportProcedure(Name)
{
    ReadsFiles({&Access::FINANCE, &Access::INVOICE, &Access::CREDIT});
    layout_ = Layout{.pageHeader = {620, joined(heading(), {ruleAcross(560, Width)})}, .pageFooter = pageFooter(Width)};
}

int CONSOLIDATION::OpenFiles()
{
    day_ = report_ = {};
    date_ = 0;
    dayBlock_ = block([this] { return "Date: " + dateText(date_); }, day_, Bold);
    totalBlock_ = block([] { return std::string("RUNNING TOTALS"); }, report_, Title);
    return ReportProcedure::OpenFiles();
}

void CONSOLIDATION::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::FINANCE);
    view.AddSortOrder(FIN.Date_Key);
}

// An invoice's sales count once, on the date of its own record; payments go to their kind of
// receipt; a credit memo's record brings the memo's total.
void CONSOLIDATION::addRecord(Sums &s)
{
    s.any = true;
    if (app::isOwnFinanceRecord(FIN)) {
        INV.INVOICENO = FIN.INVOICENO;
        if (Access::INVOICE.TryFetch(INV.InvoiceNo_Key) != dict::Benign || INV.QUOTES != 0)
            return;
        const double discount = dict::percentCents(INV.RETAIL, INV.CUSTOMERDISCOUNT);
        const double values[8] = {INV.COST, INV.RETAIL, dict::roundCents(INV.RETAIL - discount), INV.TAX,
                                  INV.GST,  INV.LABOR,  INV.SHIPPING,                           INV.COD};
        for (std::size_t i = 0; i < 8; ++i)
            s.sales[i] = i == 3 || i == 4 ? s.sales[i] + values[i] : dict::roundCents(s.sales[i] + values[i]);
        return;
    }
    if (FIN.CREDITMEMONO > 0) {
        CRE.CREDITMEMONO = FIN.CREDITMEMONO;
        if (Access::CREDIT.TryFetch(CRE.CreditMemoNo_Key) == dict::Benign)
            s.credits = dict::roundCents(s.credits + CRE.TOTALDUE);
        return;
    }
    if (const int bucket = bucketOf(FIN.TERMS.str()); bucket >= 0)
        s.receipts[std::size_t(bucket)] = dict::roundCents(s.receipts[std::size_t(bucket)] + std::fabs(FIN.AMOUNTPAID));
}

void CONSOLIDATION::TakeRecord(ReportEngine &engine)
{
    if (!inRange(FIN.DATE))
        return;
    if (day_.any && FIN.DATE != date_) {
        engine.printBand(dayBlock_);
        day_ = {};
    }
    date_ = FIN.DATE;
    addRecord(day_);
    addRecord(report_);
}

void CONSOLIDATION::Finishing(ReportEngine &engine)
{
    if (day_.any)
        engine.printBand(dayBlock_);
    engine.printBand(totalBlock_);
    day_ = {};
}

} // namespace PRN
