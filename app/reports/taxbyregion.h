// The tax consolidations by state and by country: the customers in that order, each one's
// invoices of the period (quotes left out, taxes less their credit memos'), summed per region
// by date, by month, or one line per region.
#pragma once

#include "app/reports/salessummaries.h"

#include <map>
#include <string>

namespace PRN {

class TaxByRegion : public rpt::ReportProcedure
{
public:
    enum class Rows { Days, Months, Regions };
    struct Kind {
        std::string_view name;
        std::string_view title;
        dict::KeyRef key;
        bool byState;
        InvoiceSummary::Period period;
        Rows rows;
        const char *total;
        bool monthInTitle = false;
    };
    explicit TaxByRegion(const Kind &kind);

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    const rpt::Layout &ReportLayout() const override { return layout_; }
    void TakeRecord(rpt::ReportEngine &engine) override;
    void Finishing(rpt::ReportEngine &engine) override;
    bool Pending() const override { return !rows_.empty(); }

private:
    struct Taxes {
        double tax = 0;
        double gst = 0;
    };
    void flushRegion(rpt::ReportEngine &engine);

    const Kind &kind_;
    std::string region_;
    std::map<dict::LONG, Taxes> rows_; // by date, or by the month's first day
    std::string label_;
    Taxes line_, report_;
    rpt::Layout layout_;
    rpt::Band regionHeader_, lineBand_, total_;
};

#define TQ_TAX_REGION(NAME)                                                                                             \
    class NAME : public TaxByRegion                                                                                     \
    {                                                                                                                   \
    public:                                                                                                             \
        NAME();                                                                                                         \
    };
TQ_TAX_REGION(TAXDAILYSTATE)
TQ_TAX_REGION(TAXDAILYCOUNTRY)
TQ_TAX_REGION(TAXMONTHLYSTATE)
TQ_TAX_REGION(TAXMONTHLYCOUNTRY)
TQ_TAX_REGION(TAXANNUALSTATE)
TQ_TAX_REGION(TAXANNUALCOUNTRY)
#undef TQ_TAX_REGION

} // namespace PRN
