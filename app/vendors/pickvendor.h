// Brw::GetVendor: the vendor pick list of the inventory and purchase-order forms. Three sort
// orders with locators; "&Select" leaves the highlighted vendor in the VENDOR buffer and answers
// completed. Vendors can be added, changed and deleted on the way (Upd::Vendor; Change and Delete
// behind the password gate).
#pragma once

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

} // namespace app
