// The purchase order document: the order GLO:PURCHASEORDERNO with its lines and its vendor, or the
// blank form. The order, its lines and its vendor are read in one read transaction. After a run
// whose pages were really printed or saved, the order is marked "P" in one unit of work.
#pragma once

#include "app/reports/invoiceprint.h"
#include "reports/reportprocedure.h"

#include <string_view>
#include <vector>

namespace PRN {

class PURCHASEORDERS : public rpt::ReportProcedure
{
public:
    static constexpr std::string_view Name = "PRN:PURCHASEORDERS";
    PURCHASEORDERS();

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;
    void Closing() override;
    bool Previewing() const override;

private:
    bool readOrder(dict::LONG orderNo);
    void markPrinted();

    InvoicePrint print_;
    rpt::Band totals_;
    dict::LONG orderNo_ = 0;
    dict::PURORDERBuffer range_{};
    dict::PURORDERRecord order_{};
    dict::VENDORRecord vendor_{};
    std::string memo_;
    std::vector<dict::PURDESCRIPTIONRecord> lines_;
    bool laid_ = false;
};

} // namespace PRN
