// Brw::GetVendor: the vendor pick list of the inventory and purchase-order forms. Three sort
// orders with locators; "&Select" leaves the highlighted vendor in the VENDOR buffer and answers
// completed. Vendors can be added, changed and deleted on the way (Upd::Vendor; Change and Delete
// behind the password gate).
#pragma once

#include "dictionary/fieldtypes.h"
#include "framework/browseprocedure.h"

namespace Brw {

class GetVendor : public fw::BrowseProcedure
{
public:
    static const fw::BrowseSpec &Spec();

    GetVendor();
};

} // namespace Brw

namespace app {

// The vendor picked from the list, into VEN; false, VEN as it was, when the pick is cancelled.
bool pickVendor();
// The vendor of the typed account number into VEN, or for a number not on file the one picked
// instead; false, VEN as it was, for a blank number or a cancelled pick.
bool findOrPickVendor(const dict::String<20> &accountNo);

} // namespace app
