#include "app/reports/salessummaries.h"

#include "app/common/entryclaims.h"

#include "app/reports/invoiceprint.h"
#include "app/reports/reportformats.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/picture.h"
#include "reports/pagechrome.h"
#include "reports/reportcolumns.h"

#include <algorithm>
#include <utility>

namespace PRN {

using namespace rpt;

namespace {

constexpr int Width = TurnedPageWidth;

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
    f.discount = dict::percentCents(inv.RETAIL, inv.CUSTOMERDISCOUNT);
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

InvoiceSummary::InvoiceSummary(std::string_view name, const Kind &kind) : ReportProcedure(name), kind_(kind)
{
    ReadsFiles({&Access::INVOICE, &Access::CREDIT});
}

namespace {

// The columns that name a line before its figures, with their widths.
std::vector<std::pair<std::string, int>> labelsOf(const InvoiceSummary::Kind &kind)
{
    using Rows = InvoiceSummary::Rows;
    using Labels = InvoiceSummary::Labels;
    if (kind.rows == Rows::Invoices && kind.labels == Labels::Customer)
        return {{"Date", 750}, {"Invoice #", 650}, {"Cust #", 800}, {"Purchase Order #", 1200}};
    if (kind.rows == Rows::Invoices && kind.labels == Labels::Order)
        return {{"Date", 750}, {"Invoice #", 650}, {"PO #", 1200}};
    if (kind.rows == Rows::Invoices)
        return {{"Date", 750}, {"Inv #", 600}, {"Payment", 800}};
    return {{kind.rows == Rows::Days ? "Date" : kind.rows == Rows::Months ? "Month" : "Salesman", 1500}};
}

std::string figureText(const InvoiceFigures &f, const InvoiceSummary::Figure &figure, bool sum)
{
    const double v = f.*(figure.value);
    if (figure.shows != InvoiceSummary::Shows::Money)
        return shown(v, sum ? "@n-15.5" : "@n-13.5");
    return sum ? totals(v) : money(v);
}

} // namespace

// The label columns, then the figures the regime shows sharing what is left of the width; the
// lines, the day's, salesman's and report's sums all print under those columns.
void InvoiceSummary::buildLayout()
{
    const auto labels = labelsOf(kind_);
    const TextSource labelValues[] = {[this] { return rowLabel_; }, [this] { return invoiceNo_; }, [this] { return third_; },
                                      [this] { return order_; }};
    std::vector<rpt::Column> columns;
    int x = 0;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        columns.push_back({labels[i].first, x, labels[i].second, Align::Left, labelValues[i]});
        x += labels[i].second + 40;
    }
    const std::size_t first = columns.size();
    const int width = (Width - x) / int(std::max<std::size_t>(1, shown_.size()));
    for (const Figure &f : shown_) {
        const std::string caption = f.shows == Shows::Tax ? taxCaption() : f.caption;
        columns.push_back({caption, x, width - 40, Align::Right, [this, f] { return figureText(row_, f, false); }});
        x += width;
    }
    const Columns table{std::move(columns), SmallLine, SmallLineBold};
    const int captionEnd = table[first].x - 80;
    // A band of sums under the figures, closed by its caption and a rule over them.
    auto sums = [&](const InvoiceFigures &figures, const char *caption, int rule) {
        std::vector<Item> items;
        for (std::size_t i = 0; i < shown_.size(); ++i)
            items.push_back(table.cell(first + i, 60, [&figures, f = shown_[i]] { return figureText(figures, f, true); }));
        if (caption) {
            items.push_back(text({0, 60, captionEnd, 150}, caption, SmallLineBold, Align::Right));
            items.push_back(table.ruleOver(first, table.size() - 1, 20, rule));
        }
        return items;
    };
    const std::string after = kind_.monthInTitle ? " " + monthLabel(GLO.STARTDATE) : "";
    std::vector<Item> header{titleLine(Width, [after] { return after; }),
                             computed({0, 320, Width, 180},
                                      [] { return "Starting Date: " + dateText(GLO.STARTDATE) + "    Ending Date: " + dateText(GLO.ENDDATE); },
                                      Body, Align::Center),
                             ruleAcross(760, Width)};
    const bool starred = std::any_of(shown_.begin(), shown_.end(), [](const Figure &f) { return f.caption[0] == '*'; });
    layout_ = Layout{.pageHeader = {820, joined(std::move(header), table.captions(560))},
                     .pageFooter = pageFooter(Width, starred ? kind_.footnote : "")};
    line_ = Band{170, table.cells(10)};
    dayTotal_ = Band{260, sums(day_, kind_.dayTotal, 5)};
    total_ = Band{280, sums(report_, kind_.total, 8)};
    if (kind_.salesmanTotal)
        salesmanTotal_ = Band{260, sums(salesmanSums_, kind_.salesmanTotal, 5)};
    salesmanHeader_ = Band{230, {text({0, 40, 1000, 170}, "Salesman:", Bold), computed({1000, 40, 3000, 170}, [this] { return salesman_; }, Bold)}};
}

int InvoiceSummary::OpenFiles()
{
    shown_.clear();
    for (const Figure &f : kind_.figures)
        if (f.shows != Shows::Gst || GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst)
            shown_.push_back(f);
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
    if (INV.QUOTES != 0 || app::beingEntered(INV) || !inPeriod() || (kind_.keeps && !kind_.keeps(INV)))
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
        order_ = INV.PONUMBER.str(); // read now: the line prints when the next invoice is in the buffer
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
using Fig = InvoiceSummary::Figure;
using S = InvoiceSummary::Shows;
const std::vector<Fig> SalesColumns{{"Price", &F::retail},       {"*SubTotal", &F::subTotal}, {"Cost", &F::cost},
                                    {"*Profit", &F::profit},     {"Tax", &F::tax, S::Tax},    {"GST", &F::gst, S::Gst},
                                    {"Labor", &F::labor},        {"Shipping", &F::shipping},  {"COD", &F::cod},
                                    {"Total", &F::total}};
const std::vector<Fig> TaxColumns{{"Tax", &F::tax, S::Tax}, {"GST", &F::gst, S::Gst}};
const std::vector<Fig> WithTaxes{{"Price", &F::retail},   {"Tot Disc", &F::totalDiscount}, {"Cost", &F::cost},
                                 {"Labor", &F::labor},    {"Tax", &F::tax, S::Tax},        {"GST", &F::gst, S::Gst},
                                 {"Shipping Tax", &F::shippingTax, S::FineTax}, {"Total", &F::total}};
const std::vector<Fig> WithoutTaxes{{"Price", &F::retail}, {"Tot Disc", &F::totalDiscount}, {"Cost", &F::cost},
                                    {"Labor", &F::labor},  {"Total", &F::total}};

// Taxed: any tax or GST to the cent, whatever the tax system; the two listings are complements.
bool taxed(const dict::INVOICERecord &inv) { return dict::roundCents(inv.TAX) != 0 || dict::roundCents(inv.GST) != 0; }
bool untaxed(const dict::INVOICERecord &inv) { return !taxed(inv); }

using P = InvoiceSummary::Period;
using R = InvoiceSummary::Rows;
using Lb = InvoiceSummary::Labels;
const InvoiceSummary::Kind Daily{
    .period = P::Days, .rows = R::Invoices, .figures = SalesColumns, .dayTotal = "Daily Totals:", .total = "Totals:"};
const InvoiceSummary::Kind Monthly{
    .period = P::Month, .rows = R::Days, .figures = SalesColumns, .total = "Totals:", .monthInTitle = true};
const InvoiceSummary::Kind Annual{.period = P::Years, .rows = R::Months, .figures = SalesColumns, .total = "Total:"};
const InvoiceSummary::Kind TaxDaily{
    .period = P::Days, .rows = R::Days, .figures = TaxColumns, .total = "Totals:", .lessCredits = true};
const InvoiceSummary::Kind TaxMonthly{.period = P::Month,
                                      .rows = R::Days,
                                      .figures = TaxColumns,
                                      .total = "Monthly Totals:",
                                      .lessCredits = true,
                                      .monthInTitle = true};
const InvoiceSummary::Kind TaxAnnual{
    .period = P::Years, .rows = R::Months, .figures = TaxColumns, .total = "Totals for", .lessCredits = true};
const InvoiceSummary::Kind ListingTaxed{.period = P::Days,
                                        .rows = R::Invoices,
                                        .figures = WithTaxes,
                                        .dayTotal = "Daily Totals:",
                                        .total = "Running Totals:",
                                        .keeps = taxed,
                                        .labels = Lb::Customer};
const InvoiceSummary::Kind ListingUntaxed{.period = P::Days,
                                          .rows = R::Invoices,
                                          .figures = WithoutTaxes,
                                          .dayTotal = "Daily Totals:",
                                          .total = "Running Totals:",
                                          .keeps = untaxed,
                                          .labels = Lb::Customer};

const std::vector<Fig> SalesmanColumns{{"*Invoice Retail", &F::retail}, {"*Invoice Amount", &F::totalDiscount},
                                       {"Invoice Cost", &F::cost}};
const char *const SalesmanNote = "* Does not include Tax, Labor, or Shipping.  Invoice Amount is after any Discounts.";
const InvoiceSummary::Kind SalesmanDaily{.period = P::Days,
                                         .rows = R::Invoices,
                                         .figures = SalesmanColumns,
                                         .total = "Total Sales:",
                                         .labels = Lb::Order,
                                         .bySalesman = true,
                                         .salesmanTotal = "Total Sales:",
                                         .footnote = SalesmanNote};
// The month of the starting date, as the title names it.
const InvoiceSummary::Kind SalesmanMonthly{.period = P::Month,
                                           .rows = R::Salesmen,
                                           .figures = SalesmanColumns,
                                           .total = "Total Sales:",
                                           .monthInTitle = true,
                                           .bySalesman = true,
                                           .footnote = SalesmanNote};
const InvoiceSummary::Kind SalesmanAnnual{.period = P::Years,
                                          .rows = R::Months,
                                          .figures = SalesmanColumns,
                                          .total = "Total Sales:",
                                          .bySalesman = true,
                                          .salesmanTotal = "Annual Sales:",
                                          .footnote = SalesmanNote};

} // namespace

SALESDAILY::SALESDAILY() : InvoiceSummary(Name, Daily) {}
SALESMONTHLY::SALESMONTHLY() : InvoiceSummary(Name, Monthly) {}
SALESANNUAL::SALESANNUAL() : InvoiceSummary(Name, Annual) {}
TAXDAILYTOTALSALES::TAXDAILYTOTALSALES() : InvoiceSummary(Name, TaxDaily) {}
TAXMONTHLYTOTALSALES::TAXMONTHLYTOTALSALES() : InvoiceSummary(Name, TaxMonthly) {}
TAXANNUALTOTALSALES::TAXANNUALTOTALSALES() : InvoiceSummary(Name, TaxAnnual) {}
INVOICELISTINGWITHTAXES::INVOICELISTINGWITHTAXES() : InvoiceSummary(Name, ListingTaxed) {}
INVOICELISTINGWITHOUTTAXES::INVOICELISTINGWITHOUTTAXES() : InvoiceSummary(Name, ListingUntaxed) {}
SALESPERSONTOTALSDAILYWEEKLY::SALESPERSONTOTALSDAILYWEEKLY() : InvoiceSummary(Name, SalesmanDaily) {}
SALESPERSONTOTALSMONTHLY::SALESPERSONTOTALSMONTHLY() : InvoiceSummary(Name, SalesmanMonthly) {}
SALESPERSONTOTALSANNUAL::SALESPERSONTOTALSANNUAL() : InvoiceSummary(Name, SalesmanAnnual) {}

} // namespace PRN
