#include "app/purchasing/purchaseorderform.h"

#include "app/common/maintenancemessages.h"
#include "app/memos/documentmemos.h"
#include "app/purchasing/orderlineform.h"
#include "app/purchasing/orderpayment.h"
#include "app/purchasing/purchasebook.h"
#include "app/purchasing/purchasemessages.h"
#include "app/shell/procedures.h"
#include "app/vendors/pickvendor.h"
#include "dictionary/decimal.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace Upd {

namespace {

namespace pur = app::purchasing;

void clearVendor() { dict::clearRecord(Access::VENDOR.Def(), Access::VENDOR.Buffer().bytes); }

std::string clipped(std::string text) { return text.erase(text.find_last_not_of(' ') + 1); }

// The line list: "#", "Part #", "Description", "Quantity", "Cost", "Total".
std::string lineFormat()
{
    const std::string money = clipped(GLO.CURRENCYNAME.str());
    return "16R(1)|~#~C(0)@n2@#1#"
           "70L(1)|~Part #~C(0)@s15@#2#"
           "163L(2)|~Description~C(0)@s45@#3#"
           "48R(1)|~Quantity~C(0)" + fw::quantityPicture() + "@#4#"
           "56R(1)|~Cost~C(0)" + money + "b@#5#"
           "60R(1)~Total~C(0)" + money + "b@#6#";
}

} // namespace

PurchaseOrder::PurchaseOrder(dict::LONG unfinished)
    : app::BookedDocumentForm({.name = "Upd:PurchaseOrder",
                         .title = "Update the PurOrder File",
                         .files = {Relate::PURORDER, Relate::PURDESCRIPTION, Access::VENFIN, Access::VENDOR,
                                   Access::TOTALINV, Access::STOCK},
                         .messages = {app::installPurchaseMessages, app::installMaintenanceMessages},
                         .serves = fw::ServesAll},
                        {app::Entry::PurchaseOrder, Access::PURORDER, PUR.POrderNo_Key, dict::field(PUR.PORDERNO)}, unfinished)
{}

// The frame's new purchase order is always an Insert, whatever request was left over.
bool PurchaseOrder::Admit()
{
    if (GLO.NEWPURCHASEORDER == 1 || unfinished() != 0)
        Request = OriginalRequest = fw::InsertRecord;
    return true;
}

QString PurchaseOrder::WindowTitle() const
{
    return inserting() ? "Adding a PurOrder Record"
                       : Request == fw::ChangeRecord ? "Changing a PurOrder Record" : FormProcedure::WindowTitle();
}

fw::FormDeclaration PurchaseOrder::Declare()
{
    using namespace fw::form;
    const std::string money = fw::moneyPicture();
    const fw::FormItem header = column({
        field("Date:", PUR.DATE, fw::datePicture()),
        field("Purchase Order #:", PUR.PORDERNO, "@n06").readOnly().beside(),
        field("Vendor Account #:", PUR.ACCOUNTNO),
        button("&Vendor", "Select Vendor from Vendor List...", [this] { pickVendor(); }).named(PickVendor).beside(),
        field("Vendor Name:", PUR.VENDOR).readOnly(),
        field("First Name:", VEN.FNAME).readOnly(),
        field("Last Name:", VEN.LNAME).readOnly().beside(),
        flag(Memo, "Memo"),
    });
    const fw::FormItem lines = fw::form::lines(Items, {
        .file = &Relate::PURDESCRIPTION,
        .key = PUD.PurOrderItem_Key,
        .range = dict::field(PUR.PORDERNO),
        .format = lineFormat,
        .values = {fw::Plain(PUD.ITEMNO), fw::Plain(PUD.PARTNO), fw::Plain(PUD.DESCRIPTION), fw::Plain(PUD.QUANTITY),
                   fw::Plain(PUD.COST), fw::Plain(PUD.AMOUNTCOST)},
        .add = {"&Add", "Add Item to Purchase Order...", AddLine},
        .change = {"&Change", "Change Item on Purchase Order...", ChangeLine},
        .remove = {"&Delete", "Delete Item from Purchase Order...", DeleteLine},
        .minimumWidth = 720, // every column of a line in view
    });
    const fw::FormItem totals = group("", {
        field("Cost", PUR.COST, money).readOnly(),
        field("Total", PUR.TOTALDUE, money).readOnly().beside(),
        field("Paid", PUR.AMOUNTPAID, money).readOnly(),
        field("Balance", PUR.AMOUNTOWED, "@n-12.2").readOnly().beside(),
    });
    return {.primary = &Relate::PURORDER,
            .caption = inserting() ? "Adding a PurOrder Record" : "Changing a PurOrder Record",
            .items = {header, lines, totals},
            .foot = {button("&Payment", "Apply Payment to Purchase Order...", [this] { showPayment(); })
                         .named(PaymentButton),
                     button("&Memo", "Add Memo Information...", [this] { showMemo(); }).named(MemoButton)},
            .okText = "&Save",
            .okTip = "Save and Print Purchase Order...",
            .fixedSize = false};
}

int PurchaseOrder::Built()
{
    if (const int result = BookedDocumentForm::Built(); result != dict::Benign)
        return result;
    form().flag(Memo)->setEnabled(false); // it only shows whether the order has a memo
    return dict::Benign;
}

// A new order is dated today and belongs to the vendor highlighted in the vendor list, if any. A
// saved one pays on the form what its own record paid; payments made since add to that, and tie
// the order to its vendor.
void PurchaseOrder::PrimeFields()
{
    if (inserting()) {
        PUR.DATE = fw::today();
        PUR.MONTH = static_cast<dict::SHORT>(fw::monthOf(PUR.DATE));
        clearVendor();
        VEN.ACCOUNTNO = GLO.VENDORACCOUNTNO.view();
        if (!GLO.VENDORACCOUNTNO.blank() && Access::VENDOR.TryFetch(VEN.VendorNo_Key) == dict::Benign)
            takeVendor();
        else
            clearVendor();
    } else {
        fetchVendor();
        const auto own = pur::ownRecordOf(PUR.PORDERNO);
        ownPaid_ = own ? double(own->AMOUNTPAID) : 0.0;
        othersPaid_ = dict::roundCents(PUR.AMOUNTPAID - ownPaid_);
        if (othersPaid_ != 0 || dict::range(VEF.POrderNo_Key, PUR.PORDERNO).size() > 1) {
            form().entry(PUR.ACCOUNTNO)->setReadOnly(true);
            form().button(PickVendor)->setEnabled(false);
        }
    }
    accountShown_ = PUR.ACCOUNTNO;
    refigure();
}

// The order list's Delete: asked (a received order's stock stays), then the order goes with
// everything it booked.
int PurchaseOrder::PrimeUpdate()
{
    if (Request != fw::DeleteRecord)
        return Procedure::PrimeUpdate();
    Response = fw::RequestCancelled;
    const int asked = PUR.DATERECVEIVED != 0
                          ? REPORTS::Errors().ThrowMessage(app::PurMsg::DeleteReceived, fw::formatValue(PUR.PORDERNO, "@n06"))
                          : REPORTS::Errors().Throw(dict::Msg::ConfirmDelete);
    if (asked == dict::Benign && pur::deleteOrder(PUR.PORDERNO) == dict::Benign)
        Response = fw::RequestCompleted;
    return dict::Notify; // nothing left to ask
}

void PurchaseOrder::fetchVendor()
{
    VEN.ACCOUNTNO = PUR.ACCOUNTNO;
    if (PUR.ACCOUNTNO.blank() || Access::VENDOR.TryFetch(VEN.VendorNo_Key) != dict::Benign)
        clearVendor();
}

int PurchaseOrder::TakeAccepted(QWidget *control)
{
    const int result = FormProcedure::TakeAccepted(control);
    if (result != dict::Benign)
        return result;
    if (control == form().entry(PUR.ACCOUNTNO))
        accountTyped();
    else if (control == form().entry(PUR.DATE))
        PUR.MONTH = static_cast<dict::SHORT>(fw::monthOf(PUR.DATE));
    refigure();
    return dict::Benign;
}

// --- the vendor ----------------------------------------------------------------------------------

void PurchaseOrder::pickVendor()
{
    Update();
    if (!app::pickVendor())
        return;
    takeVendor();
}

// A number not on file opens the pick list; a blank number or a cancelled pick changes nothing.
void PurchaseOrder::accountTyped()
{
    if (PUR.ACCOUNTNO == accountShown_)
        return;
    if (!app::findOrPickVendor(PUR.ACCOUNTNO)) {
        PUR.ACCOUNTNO = accountShown_;
        Display();
        form().entry(PUR.ACCOUNTNO)->setFocus();
        return;
    }
    takeVendor();
}

// The vendor in the VEN buffer becomes the order's.
void PurchaseOrder::takeVendor()
{
    PUR.ACCOUNTNO = VEN.ACCOUNTNO;
    PUR.VENDOR = VEN.VENDOR;
    accountShown_ = PUR.ACCOUNTNO;
    Display();
}

// --- payment and memo ----------------------------------------------------------------------------

// The payment window shows and takes what this form pays; Cancel there leaves it as it was.
void PurchaseOrder::showPayment()
{
    Update();
    PUR.AMOUNTPAID = ownPaid_;
    GlobalRequest = static_cast<dict::BYTE>(OriginalRequest);
    Win::PaymentPurchaseOrder payment;
    if (payment.Run() == fw::RequestCompleted)
        ownPaid_ = dict::roundCents(PUR.AMOUNTPAID);
    refigure();
}

void PurchaseOrder::showMemo()
{
    Update();
    GLO.THREADNO = 0;
    GlobalRequest = static_cast<dict::BYTE>(OriginalRequest);
    Win::PurchaseOrderMemos memo(false);
    memo.Run();
    refigure();
}

// --- the lines and the figures -------------------------------------------------------------------

int PurchaseOrder::Run(int, int request)
{
    Update();
    GlobalRequest = static_cast<dict::BYTE>(request);
    Upd::PurchaseOrderDescription line;
    const int response = line.Run();
    refigure();
    return response;
}

// The cost is what the stored lines cost; what is paid, this form's and the separate payments'.
void PurchaseOrder::refigure()
{
    dict::Decimal cost;
    for (const pur::StoredOrderLine &stored : pur::linesOf(PUR.PORDERNO))
        cost += dict::Decimal(stored.line.AMOUNTCOST);
    PUR.COST = cost.toDouble();
    PUR.TOTALDUE = dict::roundCents(PUR.COST);
    PUR.AMOUNTPAID = dict::roundCents(othersPaid_ + ownPaid_);
    PUR.AMOUNTOWED = dict::roundCents(PUR.TOTALDUE - PUR.AMOUNTPAID);
    followState();
    Display();
}

// Nothing is done without a vendor.
void PurchaseOrder::followState()
{
    const fw::Form &f = form();
    const bool vendor = !PUR.VENDOR.blank();
    for (QAbstractButton *b : {f.button(PaymentButton), f.button(MemoButton), f.button(AddLine),
                               static_cast<QAbstractButton *>(f.ok())})
        b->setEnabled(vendor);
    const bool anyLine = items().Records() > 0;
    f.button(ChangeLine)->setEnabled(anyLine);
    f.button(DeleteLine)->setEnabled(anyLine);
    const std::string memo = PUR.MEMOS.str().substr(0, 500);
    f.flag(Memo)->setChecked(memo.find_first_not_of(" \t\r\n") != std::string::npos);
}

// --- Save, Cancel and closing --------------------------------------------------------------------

bool PurchaseOrder::readyToSave()
{
    if (PUR.ACCOUNTNO.blank()) {
        REPORTS::Errors().Throw(app::PurMsg::NoVendorYet);
        form().entry(PUR.ACCOUNTNO)->setFocus();
        return false;
    }
    refigure();
    return true;
}

bool PurchaseOrder::book() { return pur::saveOrder(inserting(), ownPaid_) == dict::Benign; }

// Cancel of a new order takes its lines' back orders back; Cancel of a Change keeps the lines
// stored meanwhile and books the cost they make.
bool PurchaseOrder::cancelBooking()
{
    return (inserting() ? pur::cancelNewOrder(PUR.PORDERNO) : pur::settleOrderChange(PUR.PORDERNO)) == dict::Benign;
}

// A saved order is printed now when the setup says so; the last one saved is what the purchase
// order report prints.
void PurchaseOrder::saved()
{
    GLO.PURCHASEORDERNO = PUR.PORDERNO;
    if (GLO.PRINTINVOICE != 0 && app::procedureDefined("PRN:PURCHASEORDERS"))
        app::runProcedure("PRN:PURCHASEORDERS");
}

void PurchaseOrder::closed() { GLO.NEWPURCHASEORDER = 0; }

} // namespace Upd
