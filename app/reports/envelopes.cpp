#include "app/reports/envelopes.h"

#include "app/reports/addressblocks.h"
#include "app/reports/companyheader.h"
#include "app/reports/taggedcustomers.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "reports/winroutines.h"

namespace PRN {

using namespace rpt;

namespace {
const Font ReturnFont{.points = 8};
const Font AddresseeFont{.points = 12};
} // namespace

// Every address line there is, then the city line: an envelope without its city never arrives.
std::vector<std::string> envelopeReturnAddress(const dict::SETUPRecord &s, dict::BYTE regime)
{
    std::vector<std::string> lines = returnAddress(s, regime);
    if (!s.PHONENO.blank())
        lines.pop_back(); // an envelope carries no phone number
    return lines;
}

ENVELOPES::ENVELOPES() : OverTaggedCustomers(Name)
{
    ReadsFiles({&Access::CUSTOMER, &Access::SETUP, &Access::TAGFILEPOS_});
    std::vector<Item> items;
    for (int i = 0; i < 5; ++i)
        items.push_back(computed({0, i * 140, 3300, 140}, [this, i] {
            return std::size_t(i) < returnAddress_.size() ? returnAddress_[std::size_t(i)] : std::string();
        }, ReturnFont));
    for (int i = 0; i < 6; ++i)
        items.push_back(computed({3300, 1100 + i * 210, 4500, 210}, [i] { return blockLine(BillTo, i); }, AddresseeFont));
    // One envelope a page: the band fills what the margins leave of the smallest envelope.
    layout_ = Layout{.margins = Margins::all(300), .detail = {2800, std::move(items)}};
}

int ENVELOPES::OpenFiles()
{
    if (const int level = ReportProcedure::OpenFiles(); level != dict::Benign)
        return level;
    returnAddress_.clear();
    SET.RECORDNO = 1;
    if (Access::SETUP.TryFetch(SET.RecordNo_Key) == dict::Benign && SET.REMOVERETURNADDRESS != 0)
        returnAddress_ = envelopeReturnAddress(SET, GLO.CANADIAN);
    return dict::Benign;
}

void ENVELOPES::TakeCustomer(ReportEngine &engine)
{
    GLO.WINROUTINE = WIN::CustomerAddress;
    WIN::ROUTINES();
    engine.printDetail();
}

} // namespace PRN
