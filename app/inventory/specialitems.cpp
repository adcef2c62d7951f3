#include "app/inventory/specialitems.h"

#include "app/common/maintenancemessages.h"
#include "app/common/passwordgate.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QLineEdit>

namespace {

std::string moneyPicture() { return fw::moneyPicture("@n-13.2"); }

} // namespace

namespace Brw {

namespace {

// The components of the item in the STOCK buffer.
const fw::BrowseSpec componentList{
    .procedure = {.name = "Brw:InventorySpecialItems", .files = {Relate::STOCK, Relate::SPECIAL},
                  .messages = {app::installMaintenanceMessages}},
    .primary = &Relate::SPECIAL,
    .tabs = {{.caption = "Components", .key = SPE.StockNo_Key,
              .format = "72L(1)|~Stock #~C(0)@s20@#1#89L(1)|~Description~C(0)@s50@#2#41R(1)|~Amount~C(0)@s12@#3#"
                        "40R(1)~Cost~C(0){C}b@#4#",
              .range = dict::field(STO.STOCKNO)}},
    .queue = {fw::Plain(SPE.STOCKNO1), fw::Plain(SPE.DESCRIPTION), fw::Plain(SPE.AMOUNT), fw::Plain(SPE.COST)},
    .buttons = {.close = "Close Special Item List..."},
    .panels = {{nullptr,
                {{InventorySpecialItems::TotalCost, "Total Cost:",
                  [](fw::BrowseProcedure &b) { return static_cast<InventorySpecialItems &>(b).sumCosts(); }, true}},
                1,
                fw::BrowsePanel::BelowRight}},
    .form = fw::runForm<Upd::InventorySpecialItem>,
    .allow = app::RequestGate,
    .width = 620,
    .height = 360,
};

} // namespace

const fw::BrowseSpec &InventorySpecialItems::Spec() { return componentList; }

InventorySpecialItems::InventorySpecialItems()
    : fw::BrowseProcedure(componentList)
{}

bool InventorySpecialItems::Admit()
{
    owner_ = STO.STOCKNO.view();
    return BrowseProcedure::Admit();
}

QString InventorySpecialItems::WindowTitle() const
{
    return QString::fromStdString("Special Item List - " + owner_.str());
}

// The total over every component of the item, read apart from the list's own reading.
QString InventorySpecialItems::sumCosts()
{
    total_ = 0;
    for (const auto &component : dict::range(SPE.StockNo_Key, owner_))
        total_ += component.COST;
    return QString::fromStdString(fw::formatValue(total_, moneyPicture())).trimmed();
}

// A special item costs what its components cost.
void InventorySpecialItems::rollUpCost()
{
    sumCosts();
    STO.STOCKNO = owner_.view();
    if (Access::STOCK.TryFetch(STO.StockNo_Key) != dict::Benign)
        return;
    if (STO.COST != total_) {
        STO.COST = total_;
        Access::STOCK.Update();
    }
}

int InventorySpecialItems::Run(int number, int request)
{
    const int response = BrowseProcedure::Run(number, request);
    STO.STOCKNO = owner_.view(); // the list stays on its own item
    showFigures();
    return response;
}

} // namespace Brw

namespace Upd {

InventorySpecialItem::InventorySpecialItem()
    : fw::FormProcedure({.name = "Upd:InventorySpecialItem", .files = {Relate::SPECIAL, Access::STOCK},
                         .messages = {app::installMaintenanceMessages}, .resizable = false})
{}

QString InventorySpecialItem::WindowTitle() const
{
    return Request == fw::InsertRecord ? "Add an Inventory Item" : "Change an Inventory Item";
}

fw::FormDeclaration InventorySpecialItem::Declare()
{
    using namespace fw::form;
    return {.primary = &Relate::SPECIAL,
            .items = {field("Item #:", SPE.STOCKNO1).lookedUpBy("Select Item from Inventory for Special Item List...", [] {
                          REPORTS::Errors().ThrowMessage(app::MaintMsg::ProcedureNotDefined, "Brw:GetInventory");
                      }),
                      field("Description:", SPE.DESCRIPTION).width(36),
                      field("Quantity Used:", SPE.AMOUNT, "@n-13.2").notNegative(),
                      field("Cost:", SPE.COST, moneyPicture()).readOnly()}};
}

void InventorySpecialItem::PrimeFields()
{
    if (Request == fw::InsertRecord)
        SPE.STOCKNO = STO.STOCKNO.view();
    followForm();
}

void InventorySpecialItem::followForm()
{
    SPE.COST = SPE.SINGLECOST * SPE.AMOUNT;
    Display();
}

// A typed item number takes the stock item's description and unit cost, as a pick would.
void InventorySpecialItem::takeStockItem()
{
    const auto item = SPE.STOCKNO1.blank() ? std::nullopt : dict::lookup(STO.StockNo_Key, SPE.STOCKNO1);
    if (item) {
        SPE.DESCRIPTION = item->DESCRIPTION.view().substr(0, SPE.DESCRIPTION.size());
        SPE.SINGLECOST = item->COST;
        form().entry(SPE.AMOUNT)->setFocus();
    }
}

int InventorySpecialItem::TakeAccepted(QWidget *control)
{
    const int result = FormProcedure::TakeAccepted(control);
    if (result != dict::Benign)
        return result;
    if (control == form().entry(SPE.STOCKNO1))
        takeStockItem();
    followForm();
    return result;
}

int InventorySpecialItem::TakeCompleted()
{
    Update();
    followForm();
    return Procedure::TakeCompleted();
}

} // namespace Upd
