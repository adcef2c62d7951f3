#include "app/purchasing/purchaseordershistory.h"

#include "app/common/booking.h"
#include "app/common/maintenancemessages.h"
#include "app/common/passwordgate.h"
#include "app/purchasing/purchasemessages.h"
#include "app/purchasing/vendorpaymentform.h"
#include "dictionary/decimal.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "framework/browselist.h"
#include "framework/picture.h"

#include <QGroupBox>

namespace Brw {

namespace {

// The sum of the order's VENFIN amounts due, as stored now.
QString orderBalance()
{
    dict::Decimal due;
    for (const auto &record : dict::range(VEF.POrderNo_Key, PUR.PORDERNO))
        due += dict::Decimal(record.AMOUNTDUE);
    return QString::fromStdString(fw::formatValue(due.roundedToCents().toDouble(), fw::moneyPicture())).trimmed();
}

const fw::BrowseSpec orderHistory{
    .procedure = {.name = "Brw:PurchaseOrdersHistory", .title = "Purchase Order History...",
                  .files = {Relate::VENFIN, Access::PURORDER, Access::VENDOR},
                  .messages = {app::installPurchaseMessages, app::installMaintenanceMessages,
                               app::installBookingMessages}},
    .primary = &Relate::VENFIN,
    .listTitle = "Browsing Purchase Order History",
    .tabs = {
        {"&Payments", nullptr, VEF.POrderNo_Key, nullptr, std::nullopt,
         "46R(1)|~Date~C(0){D}@#1#43L(1)|~Terms~C(0)@s9@#2#48R(1)|~PO Total~C(0){C}b@#3#"
         "48R(1)|~Paid~C(0){C}b@#4#48R(1)|~Due~C(0){C}@#5#",
         nullptr, dict::field(PUR.PORDERNO)},
    },
    .queue = {fw::Plain(VEF.DATE), fw::Plain(VEF.TERMS), fw::Plain(VEF.AMOUNTTOTAL), fw::Plain(VEF.AMOUNTPAID),
              fw::Plain(VEF.AMOUNTDUE)},
    .buttons = {.insert = "Add new finance information...", .change = "Change Highlighted Record...",
                .remove = "Delete Highlighted Record...", .close = "Close and Return..."},
    .panels = {{nullptr,
                {{PurchaseOrdersHistory::Balance, "Vendor Balance:",
                  [](fw::BrowseProcedure &) { return orderBalance(); }, true}},
                1,
                fw::BrowsePanel::BelowRight}},
    .form = fw::runForm<Upd::VendorFinanceHistory>,
    .allow = app::RequestGate,
    .width = 600,
    .height = 360,
};

} // namespace

const fw::BrowseSpec &PurchaseOrdersHistory::Spec() { return orderHistory; }

PurchaseOrdersHistory::PurchaseOrdersHistory()
    : app::purchasing::VendorPaymentList(orderHistory)
{}

// Started on its own, the list reads the order the purchase-order list highlights. The order
// list's mode is taken now: it is cleared as soon as this list has opened.
int PurchaseOrdersHistory::Build()
{
    fromOrderList_ = GLO.STARTUP == 1;
    if (PUR.PORDERNO == 0 && GLO.PURCHASEORDERNO != 0) {
        PUR.PORDERNO = GLO.PURCHASEORDERNO;
        Access::PURORDER.TryFetch(PUR.POrderNo_Key);
    }
    return BrowseProcedure::Build();
}

// The payment form reads the mode the list was opened in while it runs.
int PurchaseOrdersHistory::Run(int number, int request)
{
    const dict::BYTE mode = GLO.STARTUP;
    GLO.STARTUP = fromOrderList_ ? 1 : 0;
    const int response = VendorPaymentList::Run(number, request);
    GLO.STARTUP = mode;
    return response;
}

void PurchaseOrdersHistory::Prepare()
{
    if (auto *box = qobject_cast<QGroupBox *>(widgets().list->parentWidget()))
        box->setTitle("Browsing Purchase Order History, PO #: "
                      + QString::fromStdString(fw::formatValue(PUR.PORDERNO, "@n06")));
}

} // namespace Brw
