// Brw::Inventory: the stock list. Six sort orders with locators and layouts, the highlighted
// item's prices and the value of its stock, red lines at or below the re-order level, and the
// buttons that run Upd::Inventory (Change and Delete behind the password gate) and open a
// special item's component list. Opens only once.
#pragma once

#include "framework/browseprocedure.h"

namespace Brw {

class Inventory : public fw::BrowseProcedure
{
public:
    // The list's own button and values, by number.
    enum Extra { Special = 1, Cost, Price1, Price2, Price3, Unit, Weight, OnHand, TotalCost, Total1, Total2, Total3 };
    static const fw::BrowseSpec &Spec();

    Inventory();

    // The highlighted special item's components.
    void showComponents();
};

} // namespace Brw
