#include "app/reports/salessummaries.h"

#include "app/reports/invoiceprint.h"
#include "app/reports/reportformats.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/picture.h"

#include <algorithm>
#include <utility>

namespace PRN {

using namespace rpt;

namespace {

const Font Cell{.points = 7};
const Font CellBold{.points = 7, .bold = true};
constexpr int Left = 500;
constexpr int Right = 10500; // letter paper turned

fw::CivilDate partsOf(dict::LONG day) { return fw::civilDate(day).value_or(fw::CivilDate{}); }

std::string monthLabel(dict::LONG day) { return monthLabelOf(day); }

// The tax caption of the regime; the layout's own "Tax" under a single sales tax.
std::string taxCaption()
{
    return dict::taxName(GLO.CANADIAN);
}

} // namespace

std::string monthLabelOf(dict::LONG day)
{
    const fw::CivilDate date = partsOf(day);
    return std::string(fw::monthName(date.month)) + ' ' + std::to_string(date.year);
}

InvoiceFigures InvoiceFigures::of(const dict::INVOICERecord &inv)
{
    InvoiceFigures f;
    f.retail = inv.RETAIL;
    f.discount = dict::roundCents(inv.RETAIL * inv.CUSTOMERDISCOUNT / 100);
    f.subTotal = dict::roundCents(inv.RETAIL - f.discount);
    f.cost = inv.COST;
    f.profit = dict::roundCents(f.subTotal - inv.COST);
    f.tax = inv.TAX;
    f.gst = inv.GST;
    f.labor = inv.LABOR;
    f.shipping = inv.SHIPPING;
    f.cod = inv.COD;
    f.total = inv.TOTALDUE;
    f.totalDiscount = inv.TOTALDISCOUNT;
    f.shippingTax = inv.SHIPPINGTAX;
    return f;
}

void InvoiceFigures::add(const InvoiceFigures &o)
{
    for (double InvoiceFigures::*v : {&InvoiceFigures::retail, &InvoiceFigures::discount, &InvoiceFigures::subTotal,
                                      &InvoiceFigures::cost, &InvoiceFigures::profit, &InvoiceFigures::labor,
                                      &InvoiceFigures::shipping, &InvoiceFigures::cod, &InvoiceFigures::total,
                                      &InvoiceFigures::totalDiscount})
        this->*v = dict::roundCents(this->*v + o.*v);
    // Taxes keep their decimals until they print.
    tax += o.tax;
    gst += o.gst;
    shippingTax += o.shippingTax;
}

InvoiceSummary::InvoiceSummary(const Kind &kind)
    : ReportProcedure({kind.name, kind.title, true, false, false, true}), kind_(kind)
{
    ReadsFiles({&Access::INVOICE, &Access::CREDIT});
}

// The lines' columns by the regime, their day, salesman and report sums, and the page around them.
void InvoiceSummary::buildLayout()
{
    // The lines' label columns, then the money columns sharing what is left of the width.
    std::vector<std::pair<std::string, int>> labels;
    if (kind_.rows == Rows::Invoices && kind_.labels == Labels::Customer)
        labels = {{"Date", 750}, {"Invoice #", 650}, {"Cust #", 800}, {"Purchase Order #", 1200}};
    else if (kind_.rows == Rows::Invoices && kind_.labels == Labels::Order)
        labels = {{"Date", 750}, {"Invoice #", 650}, {"PO #", 1200}};
    else if (kind_.rows == Rows::Invoices)
        labels = {{"Date", 750}, {"Inv #", 600}, {"Payment", 800}};
    else
        labels = {{kind_.rows == Rows::Days ? "Date" : kind_.rows == Rows::Months ? "Month" : "Salesman", 1500}};
    std::vector<Item> header{text({Left, 0, Right - Left, 280}, std::string(kind_.title) + (kind_.monthInTitle ? " " + monthLabel(GLO.STARTDATE) : ""),
                                  Title, Align::Center),
                             computed({Left, 320, Right - Left, 180},
                                      [] { return "Starting Date: " + dateText(GLO.STARTDATE) + "    Ending Date: " + dateText(GLO.ENDDATE); },
                                      Body, Align::Center)};
    std::vector<Item> line, dayTotal, total;
    int x = Left;
    const TextSource labelValues[] = {[this] { return rowLabel_; }, [this] { return invoiceNo_; }, [this] { return third_; },
                                      [] { return INV.PONUMBER.str(); }};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        header.push_back(text({x, 560, labels[i].second, 160}, labels[i].first, CellBold));
        line.push_back(computed({x, 10, labels[i].second, 150}, labelValues[i], Cell));
        x += labels[i].second + 40;
    }
    const int width = (Right - x) / int(std::max<std::size_t>(1, shown_.size()));
    for (const Column &c : shown_) {
        const std::string caption = c.tax ? taxCaption() : c.caption;
        header.push_back(text({x, 560, width - 40, 160}, caption, CellBold, Align::Right));
        auto value = [](const InvoiceFigures &f, const Column &column, bool sum) {
            const double v = f.*(column.value);
            if (column.tax || column.gst || column.fine)
                return shown(v, sum ? "@n-15.5" : "@n-13.5");
            return sum ? totals(v) : money(v);
        };
        line.push_back(computed({x, 10, width - 40, 150}, [this, c, value] { return value(row_, c, false); }, Cell, Align::Right));
        dayTotal.push_back(computed({x, 60, width - 40, 150}, [this, c, value] { return value(day_, c, true); }, CellBold, Align::Right));
        total.push_back(computed({x, 60, width - 40, 150}, [this, c, value] { return value(report_, c, true); }, CellBold, Align::Right));
        x += width;
    }
    header.push_back(rpt::line({Left, 760, Right - Left, 0}));
    const int captionEnd = Right - width * int(shown_.size()) - 80;
    if (kind_.dayTotal) {
        dayTotal.push_back(text({Left, 60, captionEnd - Left, 150}, kind_.dayTotal, CellBold, Align::Right));
        dayTotal.push_back(rpt::line({captionEnd + 40, 20, Right - captionEnd - 40, 0}, 5));
    }
    total.push_back(text({Left, 60, captionEnd - Left, 150}, kind_.total, CellBold, Align::Right));
    total.push_back(rpt::line({captionEnd + 40, 20, Right - captionEnd - 40, 0}, 8));
    const bool starred = std::any_of(shown_.begin(), shown_.end(), [](const Column &c) { return c.caption[0] == '*'; });
    std::vector<Item> footer{rpt::line({Left, 0, Right - Left, 0}), pageNofM({Left, 40, Right - Left, 160}, Small, Align::Right)};
    if (starred)
        footer.push_back(text({Left, 40, 7000, 160}, kind_.footnote, Small));
    if (kind_.salesmanTotal) {
        salesmanTotal_ = Band{260, {}};
        int at = Right - width * int(shown_.size());
        for (const Column &c : shown_) {
            salesmanTotal_.items.push_back(computed({at, 60, width - 40, 150}, [this, c] { return totals(salesmanSums_.*(c.value)); },
                                                    CellBold, Align::Right));
            at += width;
        }
        salesmanTotal_.items.push_back(text({Left, 60, captionEnd - Left, 150}, kind_.salesmanTotal, CellBold, Align::Right));
        salesmanTotal_.items.push_back(rpt::line({captionEnd + 40, 20, Right - captionEnd - 40, 0}, 5));
    }
    salesmanHeader_ = Band{230, {text({Left, 40, 1000, 170}, "Salesman:", Bold), computed({Left + 1000, 40, 3000, 170}, [this] { return salesman_; }, Bold)}};
    layout_ = Layout{.name = std::string(kind_.title), .pageHeader = {820, std::move(header)}, .pageFooter = {250, std::move(footer)}};
    line_ = Band{170, std::move(line)};
    dayTotal_ = Band{260, std::move(dayTotal)};
    total_ = Band{280, std::move(total)};
}

int InvoiceSummary::OpenFiles()
{
    shown_.clear();
    for (const Column &c : kind_.columns)
        if (!c.gst || GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst)
            shown_.push_back(c);
    row_ = day_ = report_ = salesmanSums_ = {};
    pending_ = inSalesman_ = false;
    rowKey_.clear();
    dayKey_.clear();

    buildLayout();
    return ReportProcedure::OpenFiles();
}

void InvoiceSummary::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::INVOICE);
    view.AddSortOrder(kind_.bySalesman ? INV.Salesman_Key : INV.Date_Key);
}

// Days: between the two dates; a month: the year and month of the starting date; years: from
// the starting date's year to the ending date's.
bool InvoiceSummary::inPeriod() const { return invoiceInPeriod(kind_.period, INV.DATE); }

bool invoiceInPeriod(InvoiceSummary::Period period, dict::LONG day)
{
    using Period = InvoiceSummary::Period;
    const fw::CivilDate date = partsOf(day);
    const fw::CivilDate start = partsOf(GLO.STARTDATE);
    switch (period) {
    case Period::Days: return day >= GLO.STARTDATE && day <= GLO.ENDDATE;
    case Period::Month: return date.year == start.year && date.month == start.month;
    case Period::Years: return date.year >= start.year && date.year <= partsOf(GLO.ENDDATE).year;
    }
    return false;
}

void InvoiceSummary::lessCredits(InvoiceFigures &figures) { subtractCredits(figures, INV.INVOICENO); }

void subtractCredits(InvoiceFigures &figures, dict::LONG invoiceNo)
{
    for (const auto &memo : dict::range(CRE.Invoice_Key, invoiceNo)) {
        figures.tax -= memo.TAX;
        figures.gst -= memo.GST;
    }
}

std::string InvoiceSummary::rowKey() const
{
    switch (kind_.rows) {
    case Rows::Invoices: return std::to_string(INV.INVOICENO);
    case Rows::Days: return std::to_string(INV.DATE);
    case Rows::Months: return monthLabel(INV.DATE);
    case Rows::Salesmen: return INV.SALESMAN.str();
    }
    return {};
}

void InvoiceSummary::flushRow(ReportEngine &engine)
{
    if (pending_)
        engine.printBand(line_);
    pending_ = false;
}

void InvoiceSummary::TakeRecord(ReportEngine &engine)
{
    if (INV.QUOTES != 0 || !inPeriod() || (kind_.keeps && !kind_.keeps(INV)))
        return;
    InvoiceFigures figures = InvoiceFigures::of(INV);
    if (kind_.lessCredits)
        lessCredits(figures);
    const std::string key = rowKey();
    const std::string day = std::to_string(INV.DATE);
    if (kind_.bySalesman && (!inSalesman_ || INV.SALESMAN.str() != salesman_)) {
        closeSalesman(engine);
        salesman_ = INV.SALESMAN.str();
        inSalesman_ = true;
        if (kind_.rows != Rows::Salesmen)
            engine.printBand(salesmanHeader_);
    }
    if (!pending_ || key != rowKey_) {
        flushRow(engine);
        if (kind_.dayTotal && !dayKey_.empty() && day != dayKey_) {
            engine.printBand(dayTotal_);
            day_ = {};
        }
        rowKey_ = key;
        row_ = {};
        rowLabel_ = kind_.rows == Rows::Months ? monthLabel(INV.DATE) : kind_.rows == Rows::Salesmen ? INV.SALESMAN.str() : dateText(INV.DATE);
        invoiceNo_ = fw::formatValue(INV.INVOICENO, "@n06");
        third_ = kind_.labels == Labels::Customer ? INV.CUSTOMERNO.str()
                 : kind_.labels == Labels::Order  ? INV.PONUMBER.str()
                                                  : INV.TERMS.str();
        pending_ = true;
    }
    dayKey_ = day;
    salesmanSums_.add(figures);
    row_.add(figures);
    day_.add(figures);
    report_.add(figures);
}

// The salesman's last line and the line of its sums.
void InvoiceSummary::closeSalesman(ReportEngine &engine)
{
    if (!inSalesman_)
        return;
    flushRow(engine);
    if (kind_.salesmanTotal)
        engine.printBand(salesmanTotal_);
    salesmanSums_ = {};
    inSalesman_ = false;
}

void InvoiceSummary::Finishing(ReportEngine &engine)
{
    closeSalesman(engine);
    flushRow(engine);
    if (kind_.dayTotal && !dayKey_.empty())
        engine.printBand(dayTotal_);
    engine.printBand(total_);
}

namespace {

using F = InvoiceFigures;
using C = InvoiceSummary::Column;
const std::vector<C> SalesColumns{{"Price", &F::retail},       {"*SubTotal", &F::subTotal}, {"Cost", &F::cost},
                                  {"*Profit", &F::profit},     {"Tax", &F::tax, true},      {"GST", &F::gst, false, true},
                                  {"Labor", &F::labor},        {"Shipping", &F::shipping},  {"COD", &F::cod},
                                  {"Total", &F::total}};
const std::vector<C> TaxColumns{{"Tax", &F::tax, true}, {"GST", &F::gst, false, true}};
const std::vector<C> WithTaxes{{"Price", &F::retail},   {"Tot Disc", &F::totalDiscount}, {"Cost", &F::cost},
                               {"Labor", &F::labor},    {"Tax", &F::tax, true},          {"GST", &F::gst, false, true},
                               {"Shipping Tax", &F::shippingTax, false, false, true}, {"Total", &F::total}};
const std::vector<C> WithoutTaxes{{"Price", &F::retail}, {"Tot Disc", &F::totalDiscount}, {"Cost", &F::cost},
                                  {"Labor", &F::labor},  {"Total", &F::total}};

bool taxed(const dict::INVOICERecord &inv) { return inv.TAX > 0 || (GLO.CANADIAN == 1 && inv.GST > 0); }
bool untaxed(const dict::INVOICERecord &inv) { return inv.TAX == 0 || (GLO.CANADIAN == 1 && inv.GST == 0); }

using P = InvoiceSummary::Period;
using R = InvoiceSummary::Rows;
const InvoiceSummary::Kind Daily{"PRN:SALESDAILY", "Daily Sales Report", P::Days, R::Invoices, SalesColumns, "Daily Totals:", "Totals:"};
const InvoiceSummary::Kind Monthly{"PRN:SALESMONTHLY", "Monthly Sales Report -", P::Month, R::Days, SalesColumns, nullptr,
                                   "Totals:", false, nullptr, true};
const InvoiceSummary::Kind Annual{"PRN:SALESANNUAL", "Annual Sales Report", P::Years, R::Months, SalesColumns, nullptr, "Total:"};
const InvoiceSummary::Kind TaxDaily{"PRN:TAXDAILYTOTALSALES", "Daily/Weekly Tax Consolidation Report", P::Days, R::Days,
                                    TaxColumns, nullptr, "Totals:", true};
const InvoiceSummary::Kind TaxMonthly{"PRN:TAXMONTHLYTOTALSALES", "Monthly Tax Consolidation Report", P::Month, R::Days,
                                      TaxColumns, nullptr, "Monthly Totals:", true, nullptr, true};
const InvoiceSummary::Kind TaxAnnual{"PRN:TAXANNUALTOTALSALES", "Tax Annual Consolidation Report (Total Sales)", P::Years,
                                     R::Months, TaxColumns, nullptr, "Totals for", true};
const InvoiceSummary::Kind ListingTaxed{"PRN:INVOICELISTINGWITHTAXES", "Invoice Listing with Taxes", P::Days, R::Invoices,
                                        WithTaxes, "Daily Totals:", "Running Totals:", false, taxed, false, InvoiceSummary::Labels::Customer};
const InvoiceSummary::Kind ListingUntaxed{"PRN:INVOICELISTINGWITHOUTTAXES", "Invoice Listing with out Taxes", P::Days,
                                          R::Invoices, WithoutTaxes, "Daily Totals:", "Running Totals:", false, untaxed,
                                          false, InvoiceSummary::Labels::Customer};

const std::vector<C> SalesmanColumns{{"*Invoice Retail", &F::retail}, {"*Invoice Amount", &F::totalDiscount},
                                     {"Invoice Cost", &F::cost}};
const char *const SalesmanNote = "* Does not include Tax, Labor, or Shipping.  Invoice Amount is after any Discounts.";
using Lb = InvoiceSummary::Labels;
const InvoiceSummary::Kind SalesmanDaily{"PRN:SALESPERSONTOTALSDAILYWEEKLY", "Salesman Sales Daily/Weekly Report", P::Days,
                                         R::Invoices, SalesmanColumns, nullptr, "Total Sales:", false, nullptr, false,
                                         Lb::Order, true, "Total Sales:", SalesmanNote};
// The month of the starting date, as the title names it.
const InvoiceSummary::Kind SalesmanMonthly{"PRN:SALESPERSONTOTALSMONTHLY", "Salesman Sales Report-", P::Month, R::Salesmen,
                                           SalesmanColumns, nullptr, "Total Sales:", false, nullptr, true, Lb::Payment, true,
                                           nullptr, SalesmanNote};
const InvoiceSummary::Kind SalesmanAnnual{"PRN:SALESPERSONTOTALSANNUAL", "Salesman Sales Report", P::Years, R::Months,
                                          SalesmanColumns, nullptr, "Total Sales:", false, nullptr, false, Lb::Payment, true,
                                          "Annual Sales:", SalesmanNote};

} // namespace

SALESDAILY::SALESDAILY() : InvoiceSummary(Daily) {}
SALESMONTHLY::SALESMONTHLY() : InvoiceSummary(Monthly) {}
SALESANNUAL::SALESANNUAL() : InvoiceSummary(Annual) {}
TAXDAILYTOTALSALES::TAXDAILYTOTALSALES() : InvoiceSummary(TaxDaily) {}
TAXMONTHLYTOTALSALES::TAXMONTHLYTOTALSALES() : InvoiceSummary(TaxMonthly) {}
TAXANNUALTOTALSALES::TAXANNUALTOTALSALES() : InvoiceSummary(TaxAnnual) {}
INVOICELISTINGWITHTAXES::INVOICELISTINGWITHTAXES() : InvoiceSummary(ListingTaxed) {}
INVOICELISTINGWITHOUTTAXES::INVOICELISTINGWITHOUTTAXES() : InvoiceSummary(ListingUntaxed) {}
SALESPERSONTOTALSDAILYWEEKLY::SALESPERSONTOTALSDAILYWEEKLY() : InvoiceSummary(SalesmanDaily) {}
SALESPERSONTOTALSMONTHLY::SALESPERSONTOTALSMONTHLY() : InvoiceSummary(SalesmanMonthly) {}
SALESPERSONTOTALSANNUAL::SALESPERSONTOTALSANNUAL() : InvoiceSummary(SalesmanAnnual) {}

} // namespace PRN
