#include "app/purchasing/orderlineform.h"

#include "app/common/stockitem.h"
#include "app/inventory/vendorsinventory.h"
#include "app/purchasing/purchasebook.h"
#include "app/purchasing/purchasemessages.h"
#include "dictionary/decimal.h"
#include "dictionary/files.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/money.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QLineEdit>

namespace Upd {

namespace pur = app::purchasing;

PurchaseOrderDescription::PurchaseOrderDescription()
    : fw::FormProcedure({.name = "Upd:PurchaseOrderDescription",
                         .title = "Update the PurDescription File",
                         .files = {Relate::PURDESCRIPTION, Access::STOCK},
                         .messages = {app::installPurchaseMessages},
                         .resizable = false})
{}

fw::FormDeclaration PurchaseOrderDescription::Declare()
{
    using namespace fw::form;
    return {.primary = &Relate::PURDESCRIPTION,
            .caption = Request == fw::InsertRecord ? "Add Items to Purchase Order" : "Change Items on Purchase Order",
            .items = {
                field("Purchase Order #:", PUD.PURORDERNO, "@n06").readOnly(),
                field("Item #:", PUD.ITEMNO, "@n_5").readOnly().beside(),
                button("&Item", "Select Items for Purchase Order...", [this] { pickItem(); }).named(PickItem),
                field("Part #:", PUD.PARTNO),
                field("Catagory:", PUD.CATAGORY).beside(),
                field("Description:", PUD.DESCRIPTION).span(3).width(40),
                field("Unit:", PUD.PACKAGESIZE),
                field("Weight:", PUD.WEIGHT, "@n-12.2").notNegative().beside(),
                field("Cost:", PUD.COST, "@n13.3").notNegative(),
                field("Quantity:", PUD.QUANTITY, fw::quantityPicture()).beside(),
                field("Total Cost:", PUD.AMOUNTCOST, fw::moneyPicture()).readOnly(),
            },
            .okText = "OK...",
            .okTip = "Add Item to Purchase Order..."};
}

void PurchaseOrderDescription::PrimeFields()
{
    if (Request == fw::InsertRecord) {
        PUD.PURORDERNO = PUR.PORDERNO;
        PUD.VENDOR = PUR.VENDOR;
    }
    before_ = PUD;
    refigure();
}

// The line list's Delete: the line goes, and its quantity off its item's back order, in one unit.
int PurchaseOrderDescription::PrimeUpdate()
{
    if (Request != fw::DeleteRecord)
        return Procedure::PrimeUpdate();
    Response = fw::RequestCancelled;
    if (REPORTS::Errors().Throw(dict::Msg::ConfirmDelete) == dict::Benign && pur::unbookOrderLine() == dict::Benign)
        Response = fw::RequestCompleted;
    return dict::Notify; // nothing left to ask
}

int PurchaseOrderDescription::TakeAccepted(QWidget *control)
{
    const int result = FormProcedure::TakeAccepted(control);
    refigure();
    return result;
}

// The vendor's items (the VEN buffer holds the order's vendor); the one chosen becomes the line's,
// at its cost, proposing what it already has on order.
void PurchaseOrderDescription::pickItem()
{
    Update();
    dict::KeptBuffers kept{&Access::STOCK};
    GlobalRequest = fw::SelectRecord;
    Brw::VendorsInventory pick;
    if (pick.Run() != fw::RequestCompleted || STO.STOCKNO.blank())
        return;
    PUD.CATAGORY = STO.CATAGORY;
    PUD.DESCRIPTION = STO.DESCRIPTION;
    PUD.PACKAGESIZE = STO.PACKAGESIZE;
    PUD.COST = STO.COST;
    PUD.PARTNO = STO.PARTNO;
    PUD.STOCKNO = STO.STOCKNO;
    PUD.RECORDNO = STO.RECORDNO;
    PUD.WEIGHT = STO.WEIGHT;
    PUD.QUANTITY = STO.AMOUNTBACKORDERED;
    refigure();
    form().entry(PUD.QUANTITY)->setFocus();
}

// A line's cost is to the cent, so that the printed lines add up to the order's total.
void PurchaseOrderDescription::refigure()
{
    PUD.AMOUNTCOST = dict::roundCents((dict::Decimal(PUD.COST) * dict::Decimal(PUD.QUANTITY)).toDouble());
    Display();
}

int PurchaseOrderDescription::TakeCompleted()
{
    Update();
    refigure();
    if (PUD.QUANTITY <= 0) {
        REPORTS::Errors().Throw(app::PurMsg::EnterQuantity);
        form().entry(PUD.QUANTITY)->setFocus();
        return dict::Notify;
    }
    // A newly chosen item must still be on file: another station may have deleted it meanwhile.
    const bool sameItem = Request == fw::ChangeRecord && PUD.STOCKNO == before_.STOCKNO
                          && PUD.RECORDNO == before_.RECORDNO;
    if (!PUD.STOCKNO.blank() && PUD.RECORDNO != 0 && !sameItem
        && !app::stockItemOnFile(PUD.STOCKNO, PUD.RECORDNO))
        return dict::Notify;
    SaveHistory();
    PUD.DATE = PUR.DATE;
    PUD.MONTH = static_cast<dict::SHORT>(fw::monthOf(PUR.DATE));
    if (pur::bookOrderLine(Request == fw::InsertRecord, before_) != dict::Benign)
        return dict::Notify;
    SetResponse(fw::RequestCompleted);
    return dict::Benign;
}

} // namespace Upd
