#include "app/purchasing/receivestock.h"

#include "app/purchasing/purchasebook.h"
#include "app/purchasing/purchasemessages.h"
#include "dictionary/files.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QCheckBox>

namespace Win {

UpdateVendorStock::UpdateVendorStock()
    : fw::FormProcedure({.name = "Win:UpdateVendorStock",
                         .title = "Date Inventory Received",
                         .files = {Access::PURORDER, Access::PURDESCRIPTION, Access::STOCK, Access::STSTREND},
                         .messages = {app::installPurchaseMessages},
                         .resizable = false})
{}

fw::FormDeclaration UpdateVendorStock::Declare()
{
    using namespace fw::form;
    return {.items = {field("PO #:", PUR.PORDERNO, "@n06").readOnly(),
                      field("Vendor:", PUR.VENDOR).readOnly(),
                      field("Date Inventory Received:", PUR.DATERECVEIVED, fw::datePicture()),
                      flag(UpdateStock, "Do you wish to update stock at this time?")},
            .okText = "OK",
            .okTip = "Receive the Order into Stock..."};
}

// An order without a date was never saved: there is nothing on order to receive.
int UpdateVendorStock::Built()
{
    opened_ = PUR;
    PUR.DATERECVEIVED = fw::today();
    form().flag(UpdateStock)->setEnabled(PUR.DATE != 0 && opened_.DATERECVEIVED == 0);
    return dict::Benign;
}

// Asked first when a line brings more than its item has on order.
bool UpdateVendorStock::receive()
{
    const std::string beyond = app::purchasing::beyondBackOrder(PUR.PORDERNO);
    if (!beyond.empty() && REPORTS::Errors().ThrowMessage(app::PurMsg::MoreThanOnOrder, beyond) != dict::Benign)
        return false;
    if (PUR.DATERECVEIVED == 0)
        PUR.DATERECVEIVED = fw::today();
    return app::purchasing::receiveOrder(PUR.PORDERNO, PUR.DATERECVEIVED) == dict::Benign;
}

int UpdateVendorStock::TakeCompleted()
{
    Update();
    QCheckBox *box = form().flag(UpdateStock);
    if (box->isChecked()) {
        if (!receive())
            return dict::Notify;
        box->setChecked(false);
        box->setEnabled(false);
    } else {
        PUR.DATERECVEIVED = opened_.DATERECVEIVED; // nothing received: nothing to keep
    }
    return Procedure::TakeCompleted();
}

// Cancel puts back what the window opened with.
int UpdateVendorStock::TakeCloseEvent()
{
    if (Response != fw::RequestCompleted)
        PUR.DATERECVEIVED = opened_.DATERECVEIVED;
    return Procedure::TakeCloseEvent();
}

} // namespace Win
