#include "app/invoices/pickinventory.h"

#include "app/common/passwordgate.h"
#include "app/inventory/inventoryform.h"
#include "app/inventory/stockrows.h"
#include "app/invoices/invoicemessages.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"


namespace Brw {

namespace {

// Every order shows the same columns; only the sort and the locator change.
#define PICK_STOCK_COLUMNS                                                                                     \
    "10C|~S~@s1@#1#50L(2)|~Catagory~C(0)@s10@#2#60L(2)|~Stock #~C(0)@s20@#3#"                                  \
    "150L(2)|~Description~C(0)@s50@#4#60L(2)|~Part No~C(0)@s20@#5#60L(2)~Manufactur~C(0)@s20@#6#"

const fw::BrowseSpec stockPick{
    .procedure = {.name = "Brw:GetInventory", .title = "Select Inventory Item for Invoice or Credit Memo...",
                  .files = {Relate::STOCK}, .messages = {app::installInvoiceMessages}},
    .primary = &Relate::STOCK,
    .tabs = {
        {"&Stock #", "Sort Items by Stock #...", STO.StockNo_Key, "Search Stock #:", fw::Locate(STO.STOCKNO),
         PICK_STOCK_COLUMNS},
        {"&Part #", "Sort Inventory by Part #...", STO.PartNo_Key, "Search Part #:", fw::Locate(STO.PARTNO),
         PICK_STOCK_COLUMNS},
        {"Ca&tegory", "Sort Items by Category...", STO.Catagory_Key, "Search Category:", fw::Locate(STO.CATAGORY),
         PICK_STOCK_COLUMNS},
        {"&Description", "Sorts Inventory by Description...", STO.Description_Key, "Search by Description:",
         fw::Locate(STO.DESCRIPTION), PICK_STOCK_COLUMNS},
    },
    .queue = {fw::Plain(STO.SPECIALITEM), fw::Plain(STO.CATAGORY), fw::Plain(STO.STOCKNO), fw::Plain(STO.DESCRIPTION),
              fw::Plain(STO.PARTNO), fw::Plain(STO.MANUFACTUR)},
    .buttons = {.select = "Select Highlighted Item...", .close = "Cancel and Return...", .closeText = "Cancel"},
    .panels = {{nullptr,
                {{GetInventory::Location, "Location:", app::stockvalue::location},
                 {GetInventory::Unit, "Unit:", app::stockvalue::unit},
                 {GetInventory::OnHand, "On Hand:", app::stockvalue::onHand},
                 {GetInventory::Cost, "Cost:",
                  [](fw::BrowseProcedure &) { return QString::fromStdString(fw::formatValue(STO.COST, "@n13.3")).trimmed(); }}},
                4},
               {nullptr,
                {{GetInventory::Price1, "{PRICE1}:", app::stockvalue::price1},
                 {GetInventory::Price2, "{PRICE2}:", app::stockvalue::price2},
                 {GetInventory::Price3, "{PRICE3}:", app::stockvalue::price3}},
                4}},
    .selectOnly = true,
    .form = fw::runForm<Upd::Inventory>,
    .allow = app::RequestGate,
    .width = 760,
    .height = 480,
};

} // namespace

const fw::BrowseSpec &GetInventory::Spec() { return stockPick; }

GetInventory::GetInventory()
    : fw::BrowseProcedure(stockPick)
{}

// With selling prohibited, only an item with exactly nothing on hand is refused: stock already
// below zero (sold ahead of a delivery) may still be sold.
int GetInventory::Chosen()
{
    if (GLO.PROHIBITSELLING == 1 && dict::sameQuantity(STO.AMOUNTINSTOCK, 0)) {
        REPORTS::Errors().Throw(app::InvMsg::OutOfStock);
        return fw::RequestCancelled;
    }
    return fw::RequestCompleted;
}

} // namespace Brw
