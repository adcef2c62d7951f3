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

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

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
    .selectOnly = true,
    .form = fw::runForm<Upd::Inventory>,
    .allow = app::RequestGate,
    .width = 760,
    .height = 480,
};

// Texts (location, unit) read from the left; valueRow aligns for numbers.
QLabel *textRow(QGridLayout *grid, int r, const char *prompt)
{
    QLabel *value = app::valueRow(grid, r, prompt);
    value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return value;
}

} // namespace

const fw::BrowseSpec &GetInventory::Spec() { return stockPick; }

GetInventory::GetInventory()
    : fw::BrowseProcedure(stockPick, w_)
{}

QWidget *GetInventory::InfoPanel(QWidget *parent)
{
    auto *panel = new QWidget(parent);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    auto *item = new QGridLayout;
    w_.location = textRow(item, 0, "Location:");
    w_.unit = textRow(item, 1, "Unit:");
    w_.onHand = app::valueRow(item, 2, "On Hand:");
    w_.cost = app::valueRow(item, 3, "Cost:");
    auto *prices = new QGridLayout;
    w_.price1 = app::valueRow(prices, 0, "Price 1:", &w_.price1Label);
    w_.price2 = app::valueRow(prices, 1, "Price 2:", &w_.price2Label);
    w_.price3 = app::valueRow(prices, 2, "Price 3:", &w_.price3Label);
    prices->setRowStretch(3, 1);
    row->addLayout(item);
    row->addSpacing(24);
    row->addLayout(prices);
    row->addStretch();
    app::namePrices({w_.price1Label, w_.price2Label, w_.price3Label}, ":");
    return panel;
}

void GetInventory::Highlighted(bool any)
{
    w_.location->setText(any ? QString::fromStdString(STO.LOCATION.str()) : QString());
    w_.unit->setText(any ? QString::fromStdString(STO.PACKAGESIZE.str()) : QString());
    app::showQuantities(any, {{w_.onHand, STO.AMOUNTINSTOCK}});
    w_.cost->setText(any ? QString::fromStdString(fw::formatValue(STO.COST, "@n13.3")).trimmed() : QString());
    app::showAmounts(any, {{w_.price1, STO.RETAIL}, {w_.price2, STO.RETAIL2}, {w_.price3, STO.RETAIL3}});
}

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
