#include "app/purchasing/purchaseorders.h"

#include "app/common/entryclaims.h"
#include "app/common/framenotify.h"
#include "app/common/maintenancemessages.h"
#include "app/common/passwordgate.h"
#include "app/memos/documentmemos.h"
#include "app/purchasing/purchaseorderform.h"
#include "app/purchasing/purchasemessages.h"
#include "app/purchasing/receivestock.h"
#include "app/shell/procedures.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/browseclass.h"
#include "framework/picture.h"

namespace Brw {

namespace {

// The columns, each by its queue number; each tab puts its own first.
#define PUR_NO "32R(2)|*~PO #~C(0)@n06@#1#"
#define PUR_DATE "44R(1)|*~Date~C(0){D}@#6#"
#define PUR_ACCOUNT "83L(1)|*~Account #~C(0)@s20@#11#"
#define PUR_REST                                                                                               \
    "43L(1)|*~Terms~C(0)@s10@#16#44R(1)|*~Cost~C(0){C}@#26#44R(1)|*~Total~C(0){C}@#31#"                        \
    "44R(1)|*~Date Paid~C(0){D}@#36#44R(1)|*~Date Received~C(0){D}@#41#"
#define PUR_VENDOR "83L(1)|*~Vendor~C(0)@s20@#46#"

QString money(double value) { return QString::fromStdString(fw::formatValue(value, fw::moneyPicture())).trimmed(); }

// A running total of all orders as it stands (TOTALINV record 2).
QString total(dict::Unaligned<dict::REAL> dict::TOTALINVRecord::*figure)
{
    const dict::TOTALINVRecord totals = dict::lookup(TOT.RecordNo_Key, 2).value_or(dict::Found<dict::TOTALINVRecord>{});
    return money(totals.*figure);
}

std::optional<dict::VENDORRecord> vendor()
{
    const auto found = dict::lookup(VEN.VendorNo_Key, PUR.ACCOUNTNO);
    return found ? std::optional<dict::VENDORRecord>(*found) : std::nullopt;
}

// "First Last" when the contact has a last name.
QString contact()
{
    const auto v = vendor();
    if (!v || v->LNAME.blank())
        return {};
    return QString::fromUtf8(v->FNAME.str() + " " + v->LNAME.str()).trimmed();
}

bool anyRow(fw::BrowseProcedure &, bool any) { return any; }

const fw::BrowseSpec orderList{
    .procedure = {.name = "Brw:PurchaseOrders", .title = "Purchase Orders...",
                  .files = {Relate::PURORDER, Access::VENDOR, Access::TOTALINV},
                  .messages = {app::installMaintenanceMessages, app::installPurchaseMessages}},
    .primary = &Relate::PURORDER,
    .listTitle = "Browsing Purchase Orders",
    .tabs = {
        {"&Purchase Order #", "Sort by Purchase Order #...", PUR.POrderNo_Key, "Search by PO #:",
         fw::Locate(PUR.PORDERNO), PUR_NO PUR_DATE PUR_ACCOUNT PUR_REST},
        {"&Date", "Sort Purchase Orders by Date...", PUR.Date_Key, "Search by Date:", fw::Locate(PUR.DATE),
         PUR_DATE PUR_NO PUR_ACCOUNT PUR_REST},
        {"Vendor &Acct #", "Sort Purchase Orders by Vendor Account #...", PUR.Vendor_Key, "Search by Vendor Acct #:",
         fw::Locate(PUR.ACCOUNTNO), PUR_ACCOUNT PUR_NO PUR_DATE PUR_REST},
        {"&Vendor", "Sort Purchase Orders by Vendor Name...", PUR.VendorName_Key, "Search by Vendor Name:",
         fw::Locate(PUR.VENDOR), PUR_VENDOR PUR_NO PUR_DATE PUR_ACCOUNT PUR_REST},
    },
    .filter = app::EnteredPurchaseOrders,
    .queue = {fw::Coloured(PUR.PORDERNO), fw::Coloured(PUR.DATE), fw::Coloured(PUR.ACCOUNTNO),
              fw::Coloured(PUR.TERMS), fw::Coloured(PUR.AMOUNTOWED), fw::Coloured(PUR.COST),
              fw::Coloured(PUR.TOTALDUE), fw::Coloured(PUR.DATEPAID), fw::Coloured(PUR.DATERECVEIVED),
              fw::Coloured(PUR.VENDOR)},
    .buttons = {.insert = "Add a New Purchase Order...", .insertText = "&Insert", .change = "Change Highlighted Purchase Order...",
                .remove = "Delete Highlighted Purchase Order...", .close = "Close and return to menu..."},
    .extraButtons = {{PurchaseOrders::Memo, "&Memo", "Display Purchase Order Memo...",
                      [](fw::BrowseProcedure &b) { static_cast<PurchaseOrders &>(b).showMemo(); },
                      [](fw::BrowseProcedure &, bool any) { return any && !PUR.MEMOS.str().empty(); }},
                     {PurchaseOrders::Received, "&Received", "Receive the Order into Stock...",
                      [](fw::BrowseProcedure &b) { static_cast<PurchaseOrders &>(b).receive(); },
                      [](fw::BrowseProcedure &, bool any) { return any && PUR.DATERECVEIVED == 0; }},
                     {PurchaseOrders::History, "&History", "Display Purchase Order History...",
                      [](fw::BrowseProcedure &b) { static_cast<PurchaseOrders &>(b).showHistory(); }, anyRow}},
    .panels = {{"-Totals-",
                {{PurchaseOrders::TotalCost, "Cost",
                  [](fw::BrowseProcedure &) { return total(&dict::TOTALINVRecord::COST); }, true},
                 {PurchaseOrders::Total, "Total",
                  [](fw::BrowseProcedure &) { return total(&dict::TOTALINVRecord::TOTALDUE); }, true}},
                2},
               {"Vendor Information",
                {{PurchaseOrders::VendorName, "Vendor Name:",
                  [](fw::BrowseProcedure &) { return QString::fromUtf8(PUR.VENDOR.str()); }},
                 {PurchaseOrders::Contact, "POC:", [](fw::BrowseProcedure &) { return contact(); }},
                 {PurchaseOrders::VendorBalance, "Vendor Balance:",
                  [](fw::BrowseProcedure &) {
                      const auto v = vendor();
                      return v ? money(v->BALANCE) : QString();
                  }}},
                3}},
    .form = fw::runForm<Upd::PurchaseOrder>,
    .allow = app::RequestGate,
    .red = [] { return GLO.REDLINEPURCHASEORDER == 1 && dict::roundCents(PUR.AMOUNTOWED) > 0; },
    .singleWindow = true,
    .notification = app::PurchaseOrderBrowseNotification,
    .width = 860,
    .height = 520,
};

} // namespace

const fw::BrowseSpec &PurchaseOrders::Spec() { return orderList; }

PurchaseOrders::PurchaseOrders()
    : fw::BrowseProcedure(orderList)
{}

// The highlighted order is what the frame's "&Purchase Order" prints; the totals follow whatever
// changed them.
void PurchaseOrders::Highlighted(bool any)
{
    if (any)
        GLO.PURCHASEORDERNO = PUR.PORDERNO;
    showFigures();
}

// The memo of the highlighted order, to read.
void PurchaseOrders::showMemo()
{
    if (!browse().UpdateViewRecord())
        return;
    GLO.THREADNO = 1;
    GlobalRequest = fw::ChangeRecord;
    Win::PurchaseOrderMemos memo(true);
    memo.Run();
    GLO.THREADNO = 0;
}

void PurchaseOrders::receive()
{
    if (!browse().UpdateViewRecord())
        return;
    GlobalRequest = fw::ChangeRecord;
    Win::UpdateVendorStock receiving;
    receiving.Run();
    browse().ResetFromFile(true);
}

// The money of the highlighted order; the payment form keeps to this order meanwhile.
void PurchaseOrders::showHistory()
{
    if (!browse().UpdateViewRecord() || !app::procedureDefined("Brw:PurchaseOrdersHistory"))
        return;
    GLO.STARTUP = 1;
    app::runProcedure("Brw:PurchaseOrdersHistory");
    GLO.STARTUP = 0;
    browse().ResetFromFile(true);
}

} // namespace Brw
