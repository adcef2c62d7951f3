#include "app/reports/taxbyregion.h"

#include "app/reports/invoiceprint.h"
#include "app/reports/reportformats.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "framework/picture.h"

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

TaxByRegion::TaxByRegion(const Kind &kind) : ReportProcedure({kind.name, kind.title, true}), kind_(kind)
{
    ReadsFiles({&Access::CUSTOMER, &Access::INVOICE, &Access::CREDIT});
    const char *region = kind.byState ? "State" : "Country";
    const char *label = kind.rows == Rows::Days ? "Date" : kind.rows == Rows::Months ? "Month" : region;
    std::vector<Item> header{computed({500, 0, 7500, 280}, [&kind] {
                                 return std::string(kind.title) + (kind.monthInTitle ? " " + monthLabelOf(GLO.STARTDATE) : "");
                             }, Title, Align::Center),
                             computed({500, 320, 7500, 180}, [] { return dateText(GLO.STARTDATE) + " - " + dateText(GLO.ENDDATE); },
                                      Body, Align::Center),
                             text({500, 560, 2500, 170}, label, Bold),
                             computed({4000, 560, 1900, 170}, taxName, Bold, Align::Right),
                             hiddenWhen(text({6100, 560, 1900, 170}, "GST", Bold, Align::Right), [] { return !withGst(); }),
                             line({500, 760, 7500, 0})};
    layout_ = Layout{.name = std::string(kind.title), .pageHeader = {820, std::move(header)},
                     .pageFooter = {250, {line({500, 0, 7500, 0}), pageNofM({500, 40, 7500, 180}, Small, Align::Right)}}};
    regionHeader_ = Band{240, {text({500, 40, 1000, 170}, std::string(region) + ":", Bold),
                               computed({1500, 40, 3000, 170}, [this] { return region_; }, Bold)}};
    lineBand_ = Band{190, {computed({700, 10, 2300, 170}, [this] { return label_; }),
                           computed({4000, 10, 1900, 170}, [this] { return tax(line_.tax); }, Body, Align::Right),
                           hiddenWhen(computed({6100, 10, 1900, 170}, [this] { return tax(line_.gst); }, Body, Align::Right),
                                      [] { return !withGst(); })}};
    total_ = Band{300, {line({4000, 20, 4000, 0}, 8), text({500, 60, 3400, 170}, kind.total, Bold, Align::Right),
                        computed({4000, 60, 1900, 170}, [this] { return tax(report_.tax); }, Bold, Align::Right),
                        hiddenWhen(computed({6100, 60, 1900, 170}, [this] { return tax(report_.gst); }, Bold, Align::Right),
                                   [] { return !withGst(); })}};
}

int TaxByRegion::OpenFiles()
{
    rows_.clear();
    region_.clear();
    report_ = {};
    return ReportProcedure::OpenFiles();
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
        flushRegion(engine);
        region_ = region;
    }
    std::vector<dict::INVOICERecord> invoices;
    for (const auto &invoice : dict::range(INV.Customer_Key, CUS.CUSTOMERNO))
        if (invoice.QUOTES == 0 && invoiceInPeriod(kind_.period, invoice.DATE))
            invoices.push_back(invoice);
    for (const dict::INVOICERecord &invoice : invoices) {
        InvoiceFigures figures = InvoiceFigures::of(invoice);
        subtractCredits(figures, invoice.INVOICENO);
        Taxes &row = rows_[kind_.rows == Rows::Days ? dict::LONG(invoice.DATE) : monthOf(invoice.DATE)];
        row.tax += figures.tax;
        row.gst += figures.gst;
        report_.tax += figures.tax;
        report_.gst += figures.gst;
    }
}

void TaxByRegion::Finishing(ReportEngine &engine)
{
    flushRegion(engine);
    engine.printBand(total_);
}

namespace {
using P = InvoiceSummary::Period;
using R = TaxByRegion::Rows;
const TaxByRegion::Kind DailyState{"PRN:TAXDAILYSTATE", "Daily/Weekly Tax Consolidation Report (By State)", CUS.State_Key, true,
                                   P::Days, R::Days, "Totals:"};
const TaxByRegion::Kind DailyCountry{"PRN:TAXDAILYCOUNTRY", "Daily/Weekly Tax Consolidation Report (By Country)",
                                     CUS.Country_Key, false, P::Days, R::Days, "Totals:"};
const TaxByRegion::Kind MonthlyState{"PRN:TAXMONTHLYSTATE", "Monthly Tax Consolidation Report  (By State)", CUS.State_Key, true,
                                     P::Month, R::Regions, "Monthly Totals:", true};
const TaxByRegion::Kind MonthlyCountry{"PRN:TAXMONTHLYCOUNTRY", "Monthly Tax Consolidation Report  (By Country)",
                                       CUS.Country_Key, false, P::Month, R::Regions, "Monthly Totals:", true};
const TaxByRegion::Kind AnnualState{"PRN:TAXANNUALSTATE", "Tax Annual Consolidation Report (By State)", CUS.State_Key, true,
                                    P::Years, R::Months, "Totals:"};
const TaxByRegion::Kind AnnualCountry{"PRN:TAXANNUALCOUNTRY", "Tax Annual Consolidation Report (By Country)", CUS.Country_Key,
                                      false, P::Years, R::Months, "Totals:"};
} // namespace

TAXDAILYSTATE::TAXDAILYSTATE() : TaxByRegion(DailyState) {}
TAXDAILYCOUNTRY::TAXDAILYCOUNTRY() : TaxByRegion(DailyCountry) {}
TAXMONTHLYSTATE::TAXMONTHLYSTATE() : TaxByRegion(MonthlyState) {}
TAXMONTHLYCOUNTRY::TAXMONTHLYCOUNTRY() : TaxByRegion(MonthlyCountry) {}
TAXANNUALSTATE::TAXANNUALSTATE() : TaxByRegion(AnnualState) {}
TAXANNUALCOUNTRY::TAXANNUALCOUNTRY() : TaxByRegion(AnnualCountry) {}

} // namespace PRN
