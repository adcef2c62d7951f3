// PRN::VENDORNAME: every vendor by name, one block each with its account, address, contact,
// phone and fax, e-mail and memo.
#pragma once

#include <string_view>

#include "reports/reportprocedure.h"

namespace PRN {

class VENDORNAME : public rpt::ReportProcedure
{
public:
    static constexpr std::string_view Name = "PRN:VENDORNAME";
    VENDORNAME();

protected:
    void SetView(fw::ViewManager &view) override;
};

} // namespace PRN
