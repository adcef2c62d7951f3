// The tax consolidations by state and by country: the customers in that order, each one's
// invoices of the period (quotes left out, taxes less their credit memos'), summed per region
// by date, by month, or one line per region. Invoices of no region (a customer without one, or
// one no longer on file) come first, under a blank region.
#pragma once

#include "app/reports/salessummaries.h"

#include <map>
#include <string>
#include <vector>

namespace PRN {

class TaxByRegion : public rpt::ReportProcedure
{
public:
    enum class Rows { Days, Months, Regions };
    struct Kind {
        dict::KeyRef key;
        bool byState = false; // else by country
        InvoiceSummary::Period period = InvoiceSummary::Period::Days;
        Rows rows = Rows::Days;
        const char *total = "Totals:";
        bool monthInTitle = false;
    };
    TaxByRegion(std::string_view name, const Kind &kind);

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;
    void Finishing(rpt::ReportEngine &engine) override;
    bool Pending() const override { return !rows_.empty() || !unplaced_.empty(); }

private:
    struct Taxes {
        double tax = 0;
        double gst = 0;
    };
    void flushRegion(rpt::ReportEngine &engine);
    void findUnplaced();
    void addInvoice(const dict::INVOICERecord &invoice);
    void addUnplaced();

    const Kind &kind_;
    std::string region_;
    std::map<dict::LONG, Taxes> rows_; // by date, or by the month's first day
    std::vector<dict::INVOICERecord> unplaced_; // invoices of no region, not yet counted
    std::string label_;
    Taxes line_, report_;
    rpt::Band regionHeader_, lineBand_;
};

TQ_REPORT_OF(TaxByRegion, TAXDAILYSTATE)
TQ_REPORT_OF(TaxByRegion, TAXDAILYCOUNTRY)
TQ_REPORT_OF(TaxByRegion, TAXMONTHLYSTATE)
TQ_REPORT_OF(TaxByRegion, TAXMONTHLYCOUNTRY)
TQ_REPORT_OF(TaxByRegion, TAXANNUALSTATE)
TQ_REPORT_OF(TaxByRegion, TAXANNUALCOUNTRY)

} // namespace PRN
