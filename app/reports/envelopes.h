// PRN::ENVELOPES: an envelope (GLO.ENVELOPESIZE, long side across) for every customer tagged in
// position-tag table 1, with the shop's return address when the setup asks for it.
#pragma once

#include <string_view>

#include "dictionary/records.h"
#include "app/reports/taggedcustomers.h"
#include "reports/reportprocedure.h"

#include <string>
#include <vector>

namespace PRN {

class ENVELOPES : public OverTaggedCustomers<rpt::ReportProcedure>
{
public:
    static constexpr std::string_view Name = "PRN:ENVELOPES";
    ENVELOPES();

protected:
    int OpenFiles() override;
    void TakeCustomer(rpt::ReportEngine &engine) override;

private:
    dict::TAGFILEPOS_Buffer tagRange_{};
    std::vector<std::string> returnAddress_;
};

// The return address an envelope prints: name, the address lines there are and the city line.
std::vector<std::string> envelopeReturnAddress(const dict::SETUPRecord &setup, dict::BYTE regime);

} // namespace PRN
