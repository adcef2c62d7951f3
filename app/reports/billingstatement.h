// PRN::CUSTOMERBILLING: a billing statement for every customer tagged in position-tag table 1,
// over the dates asked: the balance brought forward from before the period, each finance record
// of the period with the balance it leaves, and what is due (or the credit) at its end. Each
// customer's statement starts a document of its own.
#pragma once

#include <string_view>

#include "dictionary/records.h"
#include "app/reports/taggedcustomers.h"
#include "reports/reportprocedure.h"

#include <string>
#include <vector>

namespace PRN {

class CUSTOMERBILLING : public OverTaggedCustomers<rpt::ReportProcedure>
{
public:
    static constexpr std::string_view Name = "PRN:CUSTOMERBILLING";
    CUSTOMERBILLING();

protected:
    int OpenFiles() override;
    void TakeCustomer(rpt::ReportEngine &engine) override;

private:
    std::vector<dict::FINANCERecord> recordsOf(const dict::String<10> &customer);

    dict::TAGFILEPOS_Buffer tagRange_{};
    std::vector<std::string> from_;
    double previous_ = 0;
    double balance_ = 0;
    rpt::Band previousLine_;
    rpt::Band line_;
    rpt::Band balanceDue_;
};

} // namespace PRN
