#include "app/purchasing/vendorpaymentform.h"

#include "app/common/booking.h"
#include "app/common/maintenancemessages.h"
#include "app/purchasing/purchasemessages.h"
#include "app/purchasing/vendorpayments.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/money.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <string>

namespace Upd {

namespace {

namespace pur = app::purchasing;

std::string money(double amount)
{
    const std::string text = fw::formatValue(amount, "@n-12.2");
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

} // namespace

VendorFinanceHistory::VendorFinanceHistory()
    : fw::FormProcedure({.name = "Upd:VendorFinanceHistory",
                         .title = "Update Records...",
                         .files = {Relate::VENFIN, Access::PURORDER, Access::VENDOR},
                         .messages = {app::installPurchaseMessages, app::installMaintenanceMessages,
                                      app::installBookingMessages},
                         .resizable = false,
                         .serves = fw::ServesInsert | fw::ServesChange})
{}

fw::FormDeclaration VendorFinanceHistory::Declare()
{
    using namespace fw::form;
    return {.primary = &Relate::VENFIN,
            .caption = inserting() ? "Add Finance Information" : "Change Finance Information",
            .items = {field("Vendor Account #:", VEF.ACCOUNTNO).readOnly(),
                      field("Date:", VEF.DATE, fw::datePicture("@d2")).needed(),
                      field("Purchase Order #:", VEF.PORDERNO, "@n06b").width(8).notNegative(),
                      field(QString(dict::chequeWord(GLO.CANADIAN)) + " #:", VEF.CHECKNO, "@n010b").notNegative(),
                      field("Amount Paid:", VEF.AMOUNTPAID, fw::moneyPicture())}};
}

// A new payment is dated today and belongs to the order in the PURORDER buffer (the history of
// one order) or, with none there, to the vendor in the VENDOR buffer on account. A payment on an
// order is dated today when it is opened again.
void VendorFinanceHistory::PrimeFields()
{
    if (inserting()) {
        VEF.DATE = fw::today();
        VEF.PORDERNO = PUR.PORDERNO;
        VEF.ACCOUNTNO = PUR.PORDERNO != 0 ? PUR.ACCOUNTNO : dict::String<20>(VEN.ACCOUNTNO);
    }
    readOnly_ = !inserting() && !pur::isVendorPayment(VEF);
    if (!readOnly_ && VEF.PORDERNO != 0)
        VEF.DATE = fw::today();
    opened_ = VEF;
    if (readOnly_) {
        form().makeReadOnly();
        form().ok()->setEnabled(false);
    } else if (GLO.STARTUP == 1) { // the history of the order highlighted in the order list
        QLineEdit *order = form().entry(VEF.PORDERNO);
        order->setReadOnly(true);
        order->setFocusPolicy(Qt::NoFocus);
    }
    Display();
}

bool VendorFinanceHistory::agreedAgainstOrder()
{
    agreedExcess_ = 0;
    if (VEF.PORDERNO == 0)
        return true;
    dict::KeptBuffers kept{&Access::PURORDER};
    fw::ErrorClass &errors = REPORTS::Errors();
    const std::string number = fw::formatValue(VEF.PORDERNO, "@n06");
    PUR.PORDERNO = VEF.PORDERNO;
    if (Access::PURORDER.TryFetch(PUR.POrderNo_Key) != dict::Benign)
        return errors.ThrowMessage(app::PurMsg::OrderGone, number), false;
    if (PUR.ACCOUNTNO != VEF.ACCOUNTNO)
        return errors.ThrowMessage(app::PurMsg::OtherVendorsOrder, number), false;
    // What this payment already paid on the order is owed again while it is being changed.
    const double before = opened_.PORDERNO == VEF.PORDERNO && !inserting() ? double(opened_.AMOUNTPAID) : 0.0;
    const double owed = dict::roundCents(PUR.AMOUNTOWED + before);
    const double excess = dict::roundCents(VEF.AMOUNTPAID - owed);
    if (owed <= 0 && errors.Throw(app::PurMsg::ZeroedOut) != dict::Benign)
        return false;
    if (owed > 0 && excess > 0
        && errors.ThrowMessage(app::PurMsg::MoreThanOwed,
                               money(VEF.AMOUNTPAID) + " is more than the " + money(owed) + " owed on purchase order "
                                   + number)
               != dict::Benign)
        return false;
    agreedExcess_ = std::max(excess, 0.0);
    return true;
}

int VendorFinanceHistory::TakeCompleted()
{
    Update();
    SaveHistory();
    if (readOnly_)
        return dict::Notify;
    if (dict::roundCents(VEF.AMOUNTPAID) <= 0) {
        REPORTS::Errors().Throw(app::PurMsg::NoAmount);
        form().entry(VEF.AMOUNTPAID)->setFocus();
        return dict::Notify;
    }
    if (!agreedAgainstOrder()) {
        form().entry(VEF.PORDERNO)->setFocus();
        return dict::Notify;
    }
    VEF.AMOUNTPAID = dict::roundCents(VEF.AMOUNTPAID);
    VEF.TERMS = VEF.CHECKNO != 0 ? dict::chequeWord(GLO.CANADIAN) : "Cash";
    if (pur::saveVendorPayment(inserting(), agreedExcess_) != dict::Benign) {
        Display();
        return dict::Notify;
    }
    SetResponse(fw::RequestCompleted);
    return dict::Benign;
}

} // namespace Upd
