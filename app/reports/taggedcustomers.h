// The customers this station tagged in position-tag table 1, as the label, envelope, billing and
// consolidation reports walk them: a view over the tag file, and each tag's customer.
#pragma once

#include "dictionary/records.h"
#include "reports/reportprocedure.h"

namespace PRN {

// range keeps the view's fixed key values; it must live as long as the view.
void viewTaggedCustomers(fw::ViewManager &view, dict::TAGFILEPOS_Buffer &range);

// The customer of the tag in TP_ into CUS; false when it was deleted since it was tagged.
bool fetchTaggedCustomer();

// A report over the tagged customers: its view walks the tags, and each customer still on file
// is handed to TakeCustomer in CUS (one deleted since it was tagged is passed over).
template <class Report>
class OverTaggedCustomers : public Report
{
public:
    using Report::Report;

protected:
    void SetView(fw::ViewManager &view) override { viewTaggedCustomers(view, tagRange_); }
    void TakeRecord(rpt::ReportEngine &engine) override
    {
        if (fetchTaggedCustomer())
            TakeCustomer(engine);
    }
    virtual void TakeCustomer(rpt::ReportEngine &engine) = 0;

private:
    dict::TAGFILEPOS_Buffer tagRange_{};
};

} // namespace PRN
