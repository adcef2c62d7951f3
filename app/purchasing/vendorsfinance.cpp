#include "app/purchasing/vendorsfinance.h"

#include "app/common/booking.h"
#include "app/common/maintenancemessages.h"
#include "app/common/passwordgate.h"
#include "app/purchasing/purchasemessages.h"
#include "app/purchasing/vendorpaymentform.h"
#include "app/purchasing/vendorpayments.h"
#include "app/shell/procedures.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/keptbuffers.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QGroupBox>
#include <QScopeGuard>
#include <QTableView>

namespace Brw {

namespace {

const char *const OrderForm = "Upd:PurchaseOrder";

const fw::BrowseSpec vendorFinance{
    .procedure = {.name = "Brw:VendorsFinance", .title = "Vendor Finance",
                  .files = {Relate::VENFIN, Access::VENDOR, Access::PURORDER},
                  .messages = {app::installPurchaseMessages, app::installMaintenanceMessages,
                               app::installBookingMessages}},
    .primary = &Relate::VENFIN,
    .listTitle = "Browsing Purchase Order History",
    .tabs = {
        {"&Date", nullptr, VEF.VendorDate_Key, nullptr, std::nullopt,
         "46R(1)|~Date~C(0){D}@#1#31L(1)|~PO #~C(0)@n06b@#2#43L(1)|~Terms~C(0)@s9@#3#"
         "46R(1)|~PO Total~C(0){C}b@#4#46R(1)|~Paid~C(0){C}b@#5#46R(1)~Due~C(0){C}@#6#",
         nullptr, dict::field(VEN.ACCOUNTNO)},
    },
    .queue = {fw::Plain(VEF.DATE), fw::Plain(VEF.PORDERNO), fw::Plain(VEF.TERMS), fw::Plain(VEF.AMOUNTTOTAL),
              fw::Plain(VEF.AMOUNTPAID), fw::Plain(VEF.AMOUNTDUE), fw::Plain(VEF.ACCOUNTNO)},
    .buttons = {.insert = "Add new finance information...", .change = "Change Highlighted Record...",
                .remove = "Delete Highlighted Record...", .close = "Close and Return..."},
    .extraButtons = {{VendorsFinance::PurOrd, "&PurOrd", "Open the Purchase Order of the Highlighted Record...",
                      [](fw::BrowseProcedure &b) { static_cast<VendorsFinance &>(b).openOrder(); },
                      [](fw::BrowseProcedure &, bool any) { return any && VEF.PORDERNO != 0; }}},
    .panels = {{nullptr,
                {{VendorsFinance::Balance, "Vendor Balance:",
                  [](fw::BrowseProcedure &) {
                      return QString::fromStdString(fw::formatValue(VEN.BALANCE, fw::moneyPicture())).trimmed();
                  },
                  true}},
                1,
                fw::BrowsePanel::BelowRight}},
    .form = fw::runForm<Upd::VendorFinanceHistory>,
    .allow = app::RequestGate,
    .width = 640,
    .height = 380,
};

} // namespace

const fw::BrowseSpec &VendorsFinance::Spec() { return vendorFinance; }

VendorsFinance::VendorsFinance()
    : app::purchasing::VendorPaymentList(vendorFinance)
{}

// The vendor named by the vendor list's highlight, read before the list takes its range.
int VendorsFinance::Build()
{
    if (!GLO.VENDORACCOUNTNO.blank()) {
        VEN.ACCOUNTNO = GLO.VENDORACCOUNTNO.view();
        Access::VENDOR.TryFetch(VEN.VendorNo_Key);
    }
    return BrowseProcedure::Build();
}

void VendorsFinance::Prepare()
{
    if (auto *box = qobject_cast<QGroupBox *>(widgets().list->parentWidget()))
        box->setTitle("Browsing Purchase Order History, Vendor: " + QString::fromUtf8(VEN.VENDOR.str()));
    showBalance();
}

// A payment added here starts on account: no order in the PURORDER buffer for the form to take.
int VendorsFinance::Run(int number, int request)
{
    if (request == fw::InsertRecord)
        dict::clearRecord(Access::PURORDER.Def(), &PUR);
    return VendorPaymentList::Run(number, request);
}

void VendorsFinance::showBalance()
{
    double balance = VEN.BALANCE;
    app::purchasing::recomputeVendorBalance(VEN.ACCOUNTNO, balance);
    VEN.BALANCE = balance;
    showFigures();
}

// The order form, called by name on the order as it is on file now, with a change request; the
// list and the balance follow what it saved.
void VendorsFinance::openOrder()
{
    const QScopeGuard backToList([this] { widgets().list->view()->setFocus(); });
    if (!browse().UpdateViewRecord() || VEF.PORDERNO == 0)
        return;
    if (!app::calledProcedureDefined(OrderForm)) {
        app::callProcedure(OrderForm); // says it is not there
        return;
    }
    if (!app::PasswordGate(app::Guarded::Change))
        return;
    {
        dict::KeptBuffers kept{&Access::VENDOR};
        PUR.PORDERNO = VEF.PORDERNO;
        if (Access::PURORDER.TryFetch(PUR.POrderNo_Key) != dict::Benign) {
            REPORTS::Errors().ThrowMessage(app::PurMsg::OrderGone, fw::formatValue(VEF.PORDERNO, "@n06"));
            return;
        }
        GLO.PURCHASEORDERNO = PUR.PORDERNO;
        GLO.NEWPURCHASEORDER = 0;
        GlobalRequest = fw::ChangeRecord;
        app::callProcedure(OrderForm);
    }
    showBalance();
    browse().ResetFromFile(true);
}

// The stored balance is the sum of the vendor's records as they stand when the list closes.
void VendorsFinance::Closing()
{
    double balance = 0;
    app::purchasing::recomputeVendorBalance(VEN.ACCOUNTNO, balance);
    BrowseProcedure::Closing();
}

} // namespace Brw
