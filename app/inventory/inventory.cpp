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

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace Brw {

namespace {

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
    : fw::BrowseProcedure(stockList, w_)
{}

QWidget *Inventory::SidePanel(QWidget *parent)
{
    auto *panel = new QWidget(parent);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *single = new QGroupBox("Single Item Information", panel);
    auto *grid = new QGridLayout(single);
    w_.cost = app::valueRow(grid, 0, "Cost:");
    w_.price1 = app::valueRow(grid, 1, "Price 1:", &w_.price1Label);
    w_.price2 = app::valueRow(grid, 2, "Price 2:", &w_.price2Label);
    w_.price3 = app::valueRow(grid, 3, "Price 3:", &w_.price3Label);
    w_.unit = app::valueRow(grid, 4, "Unit:");
    w_.weight = app::valueRow(grid, 5, "Wt:");
    layout->addWidget(single);
    auto *totals = new QGroupBox("Totals", panel);
    auto *sums = new QGridLayout(totals);
    w_.onHand = app::valueRow(sums, 0, "On Hand");
    w_.totalCost = app::valueRow(sums, 1, "Cost");
    w_.total1 = app::valueRow(sums, 2, "Price 1", &w_.total1Header);
    w_.total2 = app::valueRow(sums, 3, "Price 2", &w_.total2Header);
    w_.total3 = app::valueRow(sums, 4, "Price 3", &w_.total3Header);
    layout->addWidget(totals);
    layout->addStretch();
    app::namePrices({w_.price1Label, w_.price2Label, w_.price3Label}, ":");
    app::namePrices({w_.total1Header, w_.total2Header, w_.total3Header}, "");
    return panel;
}

void Inventory::AddButtons(QHBoxLayout *row)
{
    w_.special = addButton(row, "Sp&ecial Item", "Display Highlighted Special Item List...");
}

// The highlighted item's prices and the value of its stock. On hand shows as it is, below zero
// too; the stock's value counts only what is on hand.
void Inventory::Highlighted(bool any)
{
    w_.special->setEnabled(any && !STO.SPECIALITEM.blank());
    const double held = any && STO.AMOUNTINSTOCK > 0 ? double(STO.AMOUNTINSTOCK) : 0.0;
    app::showAmounts(any, {{w_.cost, STO.COST}, {w_.price1, STO.RETAIL}, {w_.price2, STO.RETAIL2},
                           {w_.price3, STO.RETAIL3}, {w_.totalCost, STO.COST * held}, {w_.total1, STO.RETAIL * held},
                           {w_.total2, STO.RETAIL2 * held}, {w_.total3, STO.RETAIL3 * held}});
    app::showQuantities(any, {{w_.weight, STO.WEIGHT}, {w_.onHand, STO.AMOUNTINSTOCK}});
    w_.unit->setText(any ? QString::fromStdString(STO.PACKAGESIZE.str()) : QString());
}

int Inventory::TakeAccepted(QWidget *control)
{
    if (control == w_.special) {
        if (browse().UpdateViewRecord()) {
            Brw::InventorySpecialItems components;
            components.Run();
        }
        browse().ResetFromFile(true);
        w_.list->view()->setFocus();
        return dict::Benign;
    }
    return BrowseProcedure::TakeAccepted(control);
}

} // namespace Brw
