#include "app/reports/envelopes.h"

#include "app/printselect/tagbrowses.h"
#include "app/reports/addressblocks.h"
#include "app/reports/companyheader.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "reports/winroutines.h"
#include "tagging/taguser.h"

namespace PRN {

using namespace rpt;

namespace {
const Font ReturnFont{.points = 8};
const Font AddresseeFont{.points = 12};
} // namespace

// Every address line there is, then the city line: an envelope without its city never arrives.
std::vector<std::string> envelopeReturnAddress(const dict::SETUPRecord &s, dict::BYTE regime)
{
    std::vector<std::string> lines{s.COMPANYNAME.str(), s.ADDRESS.str()};
    for (const auto *line : {&s.ADDRESS2, &s.ADDRESS3})
        if (!line->blank())
            lines.push_back(line->str());
    lines.push_back(companyCityLine(s, regime));
    return lines;
}

ENVELOPES::ENVELOPES() : ReportProcedure({"PRN:ENVELOPES", "Envelopes", false, false, true})
{
    std::vector<Item> items;
    for (int i = 0; i < 5; ++i)
        items.push_back(computed({300, i * 140, 3300, 140}, [this, i] {
            return std::size_t(i) < returnAddress_.size() ? returnAddress_[std::size_t(i)] : std::string();
        }, ReturnFont));
    for (int i = 0; i < 6; ++i)
        items.push_back(computed({3600, 1100 + i * 210, 4500, 210}, [i] { return blockLine(BillTo, i); }, AddresseeFont));
    // One envelope a page: the band fills what the margins leave of the smallest envelope.
    layout_ = Layout{.name = "Envelopes", .margin = 300, .detail = {2800, std::move(items)}};
}

int ENVELOPES::OpenFiles()
{
    for (dict::FileManager *file : {&Access::CUSTOMER, &Access::SETUP, &Access::TAGFILEPOS_})
        if (file->Open() != dict::Benign) {
            CloseFiles();
            return dict::Notify;
        }
    returnAddress_.clear();
    SET.RECORDNO = 1;
    if (Access::SETUP.TryFetch(SET.RecordNo_Key) == dict::Benign && SET.REMOVERETURNADDRESS != 0)
        returnAddress_ = envelopeReturnAddress(SET, GLO.CANADIAN);
    return dict::Benign;
}

void ENVELOPES::CloseFiles()
{
    for (dict::FileManager *file : {&Access::CUSTOMER, &Access::SETUP, &Access::TAGFILEPOS_})
        file->Close();
}

void ENVELOPES::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::TAGFILEPOS_);
    view.AddSortOrder(TP_.PosKey);
    tagRange_.USR = ST::GetTagUsr();
    tagRange_.TBL = app::CustomerTable;
    view.AddRange(dict::fieldOf(tagRange_, tagRange_.USR));
    view.AddRange(dict::fieldOf(tagRange_, tagRange_.TBL));
}

void ENVELOPES::TakeRecord(ReportEngine &engine)
{
    CUS.CUSTOMERNO = TP_.POS.view();
    if (Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) != dict::Benign)
        return; // deleted since it was tagged
    GLO.WINROUTINE = WIN::CustomerAddress;
    WIN::ROUTINES();
    engine.printDetail();
}

} // namespace PRN
