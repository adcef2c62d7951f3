#include "app/reports/taggedcustomers.h"

#include "app/printselect/tagbrowses.h"
#include "dictionary/files.h"
#include "framework/viewmanager.h"
#include "tagging/tags.h"
#include "tagging/taguser.h"

namespace PRN {

void viewTaggedCustomers(fw::ViewManager &view, dict::TAGFILEPOS_Buffer &range)
{
    view.Init(&Relate::TAGFILEPOS_);
    view.AddSortOrder(TP_.PosKey);
    range.USR = ST::GetTagUsr();
    range.TBL = ST::CustomerTable;
    view.AddRange(dict::fieldOf(range, range.USR));
    view.AddRange(dict::fieldOf(range, range.TBL));
}

bool fetchTaggedCustomer()
{
    CUS.CUSTOMERNO = TP_.POS.view();
    return Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) == dict::Benign;
}

} // namespace PRN
