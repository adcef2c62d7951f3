#include "app/reports/taxbyregion.h"

#include "app/common/entryclaims.h"

#include "app/reports/invoiceprint.h"
#include "app/reports/reportformats.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "framework/picture.h"
#include "reports/pagechrome.h"
#include "reports/reportcolumns.h"

#include <map>
#include <vector>

namespace PRN {

using namespace rpt;

namespace {

std::string taxName()
{
    return dict::taxName(GLO.CANADIAN);
}

bool withGst() { return GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst; }

std::string tax(double value) { return shown(value, "@n-15.5"); }

// The month's first day, so that months sort in date order.
dict::LONG monthOf(dict::LONG day)
{
    const fw::CivilDate date = fw::civilDate(day).value_or(fw::CivilDate{});
    return fw::dayNumber(date.year, date.month, 1).value_or(day);
}

} // namespace

TaxByRegion::TaxByRegion(std::string_view name, const Kind &kind) : ReportProcedure(name), kind_(kind)
{
    ReadsFiles({&Access::CUSTOMER, &Access::INVOICE, &Access::CREDIT});
    const char *region = kind.byState ? "State" : "Country";
    const char *label = kind.rows == Rows::Days ? "Date" : kind.rows == Rows::Months ? "Month" : region;
    const Columns columns{{{label, 0, 2500, Align::Left},
                           {"", 3500, 1900, Align::Right, [this] { return tax(line_.tax); }},
                           {"GST", 5600, 1900, Align::Right, [this] { return tax(line_.gst); }}},
                          Body,
                          Bold};
    auto withoutGst = [](Item item) { return hiddenWhen(std::move(item), [] { return !withGst(); }); };
    std::vector<Item> captions = columns.captions(560);
    captions[1] = columns.cell(1, 560, taxName); // named by the regime as the report runs
    captions[2] = withoutGst(captions[2]);
    const std::string month = kind.monthInTitle ? " " + monthLabelOf(GLO.STARTDATE) : "";
    std::vector<Item> header{titleLine(PageWidth, [month] { return month; }),
                             computed({0, 320, PageWidth, 180}, [] { return dateText(GLO.STARTDATE) + " - " + dateText(GLO.ENDDATE); },
                                      Body, Align::Center),
                             ruleAcross(760)};
    layout_ = Layout{.pageHeader = {820, joined(std::move(header), std::move(captions))}, .pageFooter = pageFooter()};
    regionHeader_ = Band{240, {text({0, 40, 1000, 170}, std::string(region) + ":", Bold),
                               computed({1000, 40, 3000, 170}, [this] { return region_; }, Bold)}};
    std::vector<Item> cells = columns.cells(10);
    cells[1] = withoutGst(cells[1]);
    cells.push_back(computed({200, 10, 2300, 180}, [this] { return label_; })); // indented under its region
    lineBand_ = Band{190, std::move(cells)};
    closing_ = Band{300, {columns.ruleOver(1, 2, 20, 8), text({0, 60, 3400, 180}, kind.total, Bold, Align::Right),
                          columns.cell(1, 60, [this] { return tax(report_.tax); }),
                          withoutGst(columns.cell(2, 60, [this] { return tax(report_.gst); }))}};
}

int TaxByRegion::OpenFiles()
{
    rows_.clear();
    region_.clear();
    report_ = {};
    const int level = ReportProcedure::OpenFiles();
    if (level == dict::Benign)
        findUnplaced();
    return level;
}

// The invoices of the period of no region: those of customers with a blank state (or country),
// whom the region's key leaves out, and those whose customer is no longer on file. They count
// under a blank region, so that the regions add up to the whole shop's tax.
void TaxByRegion::findUnplaced()
{
    unplaced_.clear();
    std::map<std::string, bool> placed; // by customer number: on file with a region
    for (const auto &invoice : dict::range(INV.InvoiceNo_Key)) {
        if (invoice.QUOTES != 0 || app::beingEntered(invoice) || !invoiceInPeriod(kind_.period, invoice.DATE))
            continue;
        auto known = placed.find(invoice.CUSTOMERNO.str());
        if (known == placed.end()) {
            const auto customer = dict::lookup(CUS.CustomerNo_Key, invoice.CUSTOMERNO);
            const bool region = customer && !(kind_.byState ? customer->STATE.blank() : customer->COUNTRY.blank());
            known = placed.emplace(invoice.CUSTOMERNO.str(), region).first;
        }
        if (!known->second)
            unplaced_.push_back(invoice);
    }
}

void TaxByRegion::addInvoice(const dict::INVOICERecord &invoice)
{
    InvoiceFigures figures = InvoiceFigures::of(invoice);
    subtractCredits(figures, invoice.INVOICENO);
    Taxes &row = rows_[kind_.rows == Rows::Days ? dict::LONG(invoice.DATE) : monthOf(invoice.DATE)];
    row.tax += figures.tax;
    row.gst += figures.gst;
    report_.tax += figures.tax;
    report_.gst += figures.gst;
}

// The blank region sorts first: it prints before the first region with a name.
void TaxByRegion::addUnplaced()
{
    for (const dict::INVOICERecord &invoice : unplaced_)
        addInvoice(invoice);
    unplaced_.clear();
}

void TaxByRegion::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::CUSTOMER);
    view.AddSortOrder(kind_.key);
}

// The region's lines (or its one line), in date order.
void TaxByRegion::flushRegion(ReportEngine &engine)
{
    if (rows_.empty())
        return;
    if (kind_.rows == Rows::Regions) {
        line_ = {};
        for (const auto &[day, taxes] : rows_) {
            line_.tax += taxes.tax;
            line_.gst += taxes.gst;
        }
        label_ = region_;
        engine.printBand(lineBand_);
    } else {
        engine.printBand(regionHeader_);
        for (const auto &[day, taxes] : rows_) {
            line_ = taxes;
            label_ = kind_.rows == Rows::Days ? dateText(day) : monthLabelOf(day);
            engine.printBand(lineBand_);
        }
    }
    rows_.clear();
}

void TaxByRegion::TakeRecord(ReportEngine &engine)
{
    const std::string region = kind_.byState ? CUS.STATE.str() : CUS.COUNTRY.str();
    if (region != region_) {
        addUnplaced();
        flushRegion(engine);
        region_ = region;
    }
    std::vector<dict::INVOICERecord> invoices;
    for (const auto &invoice : dict::range(INV.Customer_Key, CUS.CUSTOMERNO))
        if (invoice.QUOTES == 0 && invoiceInPeriod(kind_.period, invoice.DATE))
            invoices.push_back(invoice);
    for (const dict::INVOICERecord &invoice : invoices)
        addInvoice(invoice);
}

void TaxByRegion::Finishing(ReportEngine &engine)
{
    addUnplaced(); // when no customer has a region
    flushRegion(engine);
    ReportProcedure::Finishing(engine);
}

namespace {
using P = InvoiceSummary::Period;
using R = TaxByRegion::Rows;
const TaxByRegion::Kind DailyState{.key = CUS.State_Key, .byState = true};
const TaxByRegion::Kind DailyCountry{.key = CUS.Country_Key};
const TaxByRegion::Kind MonthlyState{
    .key = CUS.State_Key, .byState = true, .period = P::Month, .rows = R::Regions, .total = "Monthly Totals:", .monthInTitle = true};
const TaxByRegion::Kind MonthlyCountry{
    .key = CUS.Country_Key, .period = P::Month, .rows = R::Regions, .total = "Monthly Totals:", .monthInTitle = true};
const TaxByRegion::Kind AnnualState{.key = CUS.State_Key, .byState = true, .period = P::Years, .rows = R::Months};
const TaxByRegion::Kind AnnualCountry{.key = CUS.Country_Key, .period = P::Years, .rows = R::Months};
} // namespace

TAXDAILYSTATE::TAXDAILYSTATE() : TaxByRegion(Name, DailyState) {}
TAXDAILYCOUNTRY::TAXDAILYCOUNTRY() : TaxByRegion(Name, DailyCountry) {}
TAXMONTHLYSTATE::TAXMONTHLYSTATE() : TaxByRegion(Name, MonthlyState) {}
TAXMONTHLYCOUNTRY::TAXMONTHLYCOUNTRY() : TaxByRegion(Name, MonthlyCountry) {}
TAXANNUALSTATE::TAXANNUALSTATE() : TaxByRegion(Name, AnnualState) {}
TAXANNUALCOUNTRY::TAXANNUALCOUNTRY() : TaxByRegion(Name, AnnualCountry) {}

} // namespace PRN
