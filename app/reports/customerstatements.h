// Statements of what was billed and paid, over a range of dates asked first:
// PRN::CUSTOMERFINANCESTATEMENT (one customer, GLO.CUSTOMERNO, each finance record with the
// balance it leaves) and PRN::INVOICEPAYMENTHISTORY (every invoice's records, totalled per
// invoice and over the report).
#pragma once

#include "dictionary/records.h"
#include "reports/reportprocedure.h"

namespace PRN {

class CUSTOMERFINANCESTATEMENT : public rpt::ReportProcedure
{
public:
    CUSTOMERFINANCESTATEMENT();

protected:
    void SetView(fw::ViewManager &view) override;
    const rpt::Layout &ReportLayout() const override { return layout_; }
    void TakeRecord(rpt::ReportEngine &engine) override;

private:
    dict::CUSTOMERBuffer range_{};
    double balance_ = 0;
    rpt::Layout layout_;
    rpt::Band line_;
};

class INVOICEPAYMENTHISTORY : public rpt::ReportProcedure
{
public:
    INVOICEPAYMENTHISTORY();

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    const rpt::Layout &ReportLayout() const override { return layout_; }
    void TakeRecord(rpt::ReportEngine &engine) override;
    void Finishing(rpt::ReportEngine &engine) override;

private:
    struct Sums {
        double paid = 0;
        double due = 0;
        void add(double p, double d);
    };
    Sums invoice_;
    Sums report_;
    rpt::Layout layout_;
    rpt::Band total_;
};

} // namespace PRN
