// The purchase order document: the order GLO:PURCHASEORDERNO with its lines and its vendor, or the
// blank form. The order, its lines and its vendor are read in one read transaction. After a run
// whose pages were really printed or saved, the order is marked "P" in one unit of work.
#pragma once

#include "app/reports/singledocument.h"

#include <string_view>
#include <vector>

namespace PRN {

class PURCHASEORDERS : public SingleDocument
{
public:
    static constexpr std::string_view Name = "PRN:PURCHASEORDERS";
    PURCHASEORDERS();

protected:
    void TakeRecord(rpt::ReportEngine &engine) override;

private:
    bool readOrder(dict::LONG orderNo);

    dict::PURORDERRecord order_{};
    dict::VENDORRecord vendor_{};
    std::string memo_;
    std::vector<dict::PURDESCRIPTIONRecord> lines_;
};

} // namespace PRN
