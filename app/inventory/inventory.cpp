#include "app/inventory/inventory.h"

#include "app/common/maintenancemessages.h"
#include "app/common/passwordgate.h"
#include "app/inventory/inventoryform.h"
#include "app/inventory/specialitems.h"
#include "app/inventory/stockrows.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"

#include <QTableView>

namespace Brw {

namespace {

namespace stockvalue = app::stockvalue;

#define STO_FLAGS "8C*|~S~@s1@#1#8C*|~I~@s1@#6#"
#define STO_STOCKNO "60L(1)*|~Stock #~C(0)@s15@#16#"
#define STO_CATEGORY "37L(1)*|~Category~C(0)@s10@#11#"
#define STO_LOCATION "37L(1)*|~Location~C(0)@s10@#41#"
#define STO_PARTNO "80L(1)*|~Part #~C(0)@s20@#36#"
#define STO_DESCRIPTION "177L(1)*|~Description~C(0)@s50@#21#"

const fw::BrowseSpec stockList{
    .procedure = {.name = "Brw:Inventory", .title = "Inventory Records...", .files = {Relate::STOCK, Access::SPECIAL},
                  .messages = {app::installMaintenanceMessages}},
    .primary = &Relate::STOCK,
    .listTitle = "Browsing Inventory Records",
    .tabs = {
        {"&Stock #", "Sort Inventory by Stock #...", STO.StockNo_Key, "Search Stock #:", fw::Locate(STO.STOCKNO),
         STO_FLAGS STO_STOCKNO STO_CATEGORY STO_LOCATION STO_DESCRIPTION},
        {"&Part #", "Sort Inventory by Part #...", STO.PartNo_Key, "Search Part #:", fw::Locate(STO.PARTNO),
         STO_FLAGS STO_PARTNO STO_CATEGORY STO_LOCATION STO_DESCRIPTION},
        {"Ca&tegory", "Sort Inventory by Category...", STO.Catagory_Key, "Search Category:", fw::Locate(STO.CATAGORY),
         STO_FLAGS STO_CATEGORY STO_STOCKNO STO_LOCATION STO_DESCRIPTION},
        {"&Manufacturer", "Sort Inventory by Manufacturer...", STO.Manufactur_Key, "Search Manufacturer:",
         fw::Locate(STO.MANUFACTUR), STO_FLAGS "65L(1)*|~Manufacturer~C(0)@s20@#26#" STO_PARTNO STO_LOCATION
         STO_DESCRIPTION},
        {"&Vendor", "Sort Inventory by Vendor...", STO.Vendor_Key, "Search by Vendor:", fw::Locate(STO.VENDOR),
         STO_FLAGS "63L(1)*|~Vendor~C(0)@s20@#31#" STO_STOCKNO STO_LOCATION STO_DESCRIPTION},
        {"&Description", nullptr, STO.Description_Key, "Search by Description:", fw::Locate(STO.DESCRIPTION),
         STO_FLAGS "230L(1)*|~Description~C(0)@s50@#21#" STO_CATEGORY STO_STOCKNO STO_LOCATION},
    },
    .queue = {fw::Coloured(STO.SPECIALITEM), fw::Coloured(STO.PICTURE), fw::Coloured(STO.CATAGORY),
              fw::Coloured(STO.STOCKNO), fw::Coloured(STO.DESCRIPTION), fw::Coloured(STO.MANUFACTUR),
              fw::Coloured(STO.VENDOR), fw::Coloured(STO.PARTNO), fw::Coloured(STO.LOCATION),
              fw::Plain(STO.ITEMPICTURE), fw::Plain(STO.PACKAGESIZE), fw::Plain(STO.AMOUNTINSTOCK),
              fw::Plain(STO.COST), fw::Plain(STO.RETAIL), fw::Plain(STO.RETAIL2), fw::Plain(STO.RETAIL3)},
    .extraButtons = {{Inventory::Special, "Sp&ecial Item", "Display Highlighted Special Item List...",
                      [](fw::BrowseProcedure &b) { static_cast<Inventory &>(b).showComponents(); },
                      [](fw::BrowseProcedure &, bool any) { return any && !STO.SPECIALITEM.blank(); }}},
    .panels = {{"Single Item Information",
                {{Inventory::Cost, "Cost:", stockvalue::cost},
                 {Inventory::Price1, "{PRICE1}:", stockvalue::price1},
                 {Inventory::Price2, "{PRICE2}:", stockvalue::price2},
                 {Inventory::Price3, "{PRICE3}:", stockvalue::price3},
                 {Inventory::Unit, "Unit:", stockvalue::unit},
                 {Inventory::Weight, "Wt:", stockvalue::weight}},
                6, fw::BrowsePanel::Beside},
               {"Totals",
                {{Inventory::OnHand, "On Hand", stockvalue::onHand},
                 {Inventory::TotalCost, "Cost", stockvalue::costHeld},
                 {Inventory::Total1, "{PRICE1}", stockvalue::price1Held},
                 {Inventory::Total2, "{PRICE2}", stockvalue::price2Held},
                 {Inventory::Total3, "{PRICE3}", stockvalue::price3Held}},
                5, fw::BrowsePanel::Beside}},
    .form = fw::runForm<Upd::Inventory>,
    .allow = app::RequestGate,
    .red = app::stockBelowReorder,
    .singleWindow = true,
    .width = 900,
    .height = 480,
};

} // namespace

const fw::BrowseSpec &Inventory::Spec() { return stockList; }

Inventory::Inventory()
    : fw::BrowseProcedure(stockList)
{}

void Inventory::showComponents()
{
    if (browse().UpdateViewRecord()) {
        Brw::InventorySpecialItems components;
        components.Run();
    }
    browse().ResetFromFile(true);
    widgets().list->view()->setFocus();
}

} // namespace Brw
