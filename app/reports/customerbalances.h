// What customers owe: PRN::CUSTOMEROUTSTANDINGBALANCES (every customer whose finance records
// add up to more than nothing, with a running total) and PRN::CUSTOMEROUTSTANDINGINVOICES (each
// customer's invoices that still owe something).
#pragma once

#include <string_view>

#include "reports/reportprocedure.h"

namespace PRN {

class CUSTOMEROUTSTANDINGBALANCES : public rpt::ReportProcedure
{
public:
    static constexpr std::string_view Name = "PRN:CUSTOMEROUTSTANDINGBALANCES";
    CUSTOMEROUTSTANDINGBALANCES();

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;

private:
    double balance_ = 0;
    double runningTotal_ = 0;
};

class CUSTOMEROUTSTANDINGINVOICES : public rpt::ReportProcedure
{
public:
    static constexpr std::string_view Name = "PRN:CUSTOMEROUTSTANDINGINVOICES";
    CUSTOMEROUTSTANDINGINVOICES();

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;

private:
    double runningTotal_ = 0;
    rpt::Band customer_;
    rpt::Band invoice_;
};

} // namespace PRN
