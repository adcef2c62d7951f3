#include "app/inventory/vendorsinventory.h"

#include "app/common/passwordgate.h"
#include "app/inventory/inventoryform.h"
#include "app/inventory/stockrows.h"
#include "dictionary/files.h"
#include "framework/browseclass.h"


namespace Brw {

namespace {

#define VSTO_STOCKNO "55L(1)*|~Stock #~C(0)@s15@#6#"
#define VSTO_PARTNO "55L(1)*|~Part #~C(0)@s15@#16#"
#define VSTO_CATEGORY "37L(1)*|~Catagory~C(0)@s10@#1#"
#define VSTO_DESCRIPTION "106L(1)*~Description~C(0)@s50@#11#"

// Only the vendor's own items: the filter reads the vendor in the VENDOR buffer.
constexpr const char *OwnItems = "Sto:Vendor=Ven:Vendor";

const fw::BrowseSpec vendorsItems{
    .procedure = {.name = "Brw:VendorsInventory", .title = "Vendor Inventory", .files = {Relate::STOCK}},
    .primary = &Relate::STOCK,
    .tabs = {
        {"&Stock #", "Sort Items by Stock #...", STO.StockNo_Key, "Search Stock #:", fw::Locate(STO.STOCKNO),
         VSTO_STOCKNO VSTO_PARTNO VSTO_DESCRIPTION, OwnItems},
        {"&Part #", "Displays Vendor Part Numbers...", STO.PartNo_Key, "Search Part #:", fw::Locate(STO.PARTNO),
         VSTO_PARTNO VSTO_CATEGORY VSTO_DESCRIPTION, OwnItems},
        {"&Category", "Sort Items by Category...", STO.Catagory_Key, "Search Category:", fw::Locate(STO.CATAGORY),
         "37L(1)*~Catagory~C(0)@s10@#1#" VSTO_PARTNO VSTO_DESCRIPTION, OwnItems},
        {"&Description", nullptr, STO.Description_Key, "Search by Description:", fw::Locate(STO.DESCRIPTION),
         "150L(1)*|~Description~C(0)@s50@#11#" VSTO_PARTNO "55L(1)*|~Stock #~C(0)@s15@#6#", OwnItems},
    },
    .queue = {fw::Coloured(STO.CATAGORY), fw::Coloured(STO.STOCKNO), fw::Coloured(STO.DESCRIPTION),
              fw::Coloured(STO.PARTNO)},
    .settingsSection = "Brw:VendorInventory",
    .buttons = {.select = "Select Highlighted Item...", .close = "Cancel and return to previous screen...",
                .closeText = "Cancel"},
    .panels = {{"Item",
                {{VendorsInventory::Unit, "Unit:", app::stockvalue::unit},
                 {VendorsInventory::OnHand, "On Hand:", app::stockvalue::onHand},
                 {VendorsInventory::Cost, "Cost:", app::stockvalue::cost},
                 {VendorsInventory::Price1, "Price 1:", app::stockvalue::price1},
                 {VendorsInventory::Price2, "Price 2:", app::stockvalue::price2},
                 {VendorsInventory::Price3, "Price 3:", app::stockvalue::price3}},
                6, fw::BrowsePanel::Beside}},
    .form = fw::runForm<Upd::Inventory>,
    .allow = app::RequestGate,
    .red = app::stockBelowReorder,
    .height = 420,
};

} // namespace

const fw::BrowseSpec &VendorsInventory::Spec() { return vendorsItems; }

VendorsInventory::VendorsInventory()
    : fw::BrowseProcedure(vendorsItems)
{}

void VendorsInventory::Prepare()
{
    browse().Bindings().bindRecord("VEN", dict::fileDef(dict::FileId::VENDOR), &VEN);
}

} // namespace Brw
