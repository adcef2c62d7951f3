// Brw::VendorsInventory: the stock items of the vendor in the VENDOR buffer, in four orders, with
// the highlighted item's unit, stock and prices. Called by the vendor list and by purchase-order
// entry; with a select request "S&elect" returns the highlighted item in the STOCK buffer.
#pragma once

#include "framework/browseprocedure.h"

namespace Brw {

class VendorsInventory : public fw::BrowseProcedure
{
public:
    // The values the list shows of the highlighted item, by number.
    enum Extra { Unit = 1, OnHand, Cost, Price1, Price2, Price3 };
    static const fw::BrowseSpec &Spec();

    VendorsInventory();

protected:
    void Prepare() override;
};

} // namespace Brw
