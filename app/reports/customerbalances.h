// What customers owe: PRN::CUSTOMEROUTSTANDINGBALANCES (every customer whose finance records
// add up to more than nothing, with a running total) and PRN::CUSTOMEROUTSTANDINGINVOICES (each
// customer's invoices that still owe something).
#pragma once

#include "reports/reportprocedure.h"

namespace PRN {

class CUSTOMEROUTSTANDINGBALANCES : public rpt::ReportProcedure
{
public:
    CUSTOMEROUTSTANDINGBALANCES();

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    const rpt::Layout &ReportLayout() const override { return layout_; }
    void TakeRecord(rpt::ReportEngine &engine) override;
    void Finishing(rpt::ReportEngine &engine) override;

private:
    double balance_ = 0;
    double runningTotal_ = 0;
    rpt::Layout layout_;
    rpt::Band total_;
};

class CUSTOMEROUTSTANDINGINVOICES : public rpt::ReportProcedure
{
public:
    CUSTOMEROUTSTANDINGINVOICES();

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    const rpt::Layout &ReportLayout() const override { return layout_; }
    void TakeRecord(rpt::ReportEngine &engine) override;
    void Finishing(rpt::ReportEngine &engine) override;

private:
    double runningTotal_ = 0;
    rpt::Layout layout_;
    rpt::Band customer_;
    rpt::Band invoice_;
    rpt::Band total_;
};

} // namespace PRN
