// PRN::VENDORNAME: every vendor by name, one block each with its account, address, contact,
// phone and fax, e-mail and memo.
#pragma once

#include "reports/reportprocedure.h"

namespace PRN {

class VENDORNAME : public rpt::ReportProcedure
{
public:
    VENDORNAME();

protected:
    void SetView(fw::ViewManager &view) override;
    const rpt::Layout &ReportLayout() const override { return layout_; }

private:
    rpt::Layout layout_;
};

} // namespace PRN
