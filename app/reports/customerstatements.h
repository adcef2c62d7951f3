// Statements of what was billed and paid, over a range of dates asked first:
// PRN::CUSTOMERFINANCESTATEMENT (one customer, GLO.CUSTOMERNO, each finance record with the
// balance it leaves) and PRN::INVOICEPAYMENTHISTORY (every invoice's records, totalled per
// invoice and over the report).
#pragma once

#include <string_view>

#include "dictionary/records.h"
#include "reports/reportprocedure.h"

namespace PRN {

class CUSTOMERFINANCESTATEMENT : public rpt::ReportProcedure
{
public:
    static constexpr std::string_view Name = "PRN:CUSTOMERFINANCESTATEMENT";
    CUSTOMERFINANCESTATEMENT();

protected:
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;

private:
    dict::CUSTOMERBuffer range_{};
    double balance_ = 0;
    rpt::Band line_;
};

class INVOICEPAYMENTHISTORY : public rpt::ReportProcedure
{
public:
    static constexpr std::string_view Name = "PRN:INVOICEPAYMENTHISTORY";
    INVOICEPAYMENTHISTORY();

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;

private:
    struct Sums {
        double paid = 0;
        double due = 0;
        void add(double p, double d);
    };
    Sums invoice_;
    Sums report_;
};

} // namespace PRN
