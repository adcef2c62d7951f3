// Brw::GetInventory: the stock pick list of the invoice and credit memo line forms (and of a
// special item's components). Four sort orders with locators, the highlighted item's location,
// unit, stock, cost and prices below the list. "S&elect" leaves the item in the STOCK buffer and
// answers completed; while selling is prohibited an item with nothing on hand is refused with
// a message and the pick answers cancelled. Items can be added, changed and deleted on the way
// (Upd::Inventory; Change and Delete behind the password gate).
#pragma once

#include "framework/browseprocedure.h"

namespace Brw {

class GetInventory : public fw::BrowseProcedure
{
public:
    // The values the list shows of the highlighted item, by number.
    enum Extra { Location = 1, Unit, OnHand, Cost, Price1, Price2, Price3 };
    static const fw::BrowseSpec &Spec();

    GetInventory();

protected:
    int Chosen() override;
};

} // namespace Brw
