// The customer listings (PRN:CUSTOMEREMAILLISTING and its sister listings by name, state, phone
// and postal code).
#pragma once

#include "reports/reportprocedure.h"

namespace PRN {

// One line per customer by e-mail address: address, number, company or name, phone.
class CUSTOMEREMAILLISTING : public rpt::ReportProcedure
{
public:
    CUSTOMEREMAILLISTING();

protected:
    int OpenFiles() override;
    void CloseFiles() override;
    void SetView(fw::ViewManager &view) override;
    const rpt::Layout &ReportLayout() const override;
};

} // namespace PRN
