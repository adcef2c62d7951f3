#include "app/invoices/invoices.h"


#include "app/common/framenotify.h"
#include "app/common/maintenancemessages.h"
#include "app/common/passwordgate.h"
#include "app/invoices/invoiceform.h"
#include "app/invoices/invoicehistory.h"
#include "app/memos/documentmemos.h"
#include "app/invoices/invoicemessages.h"
#include "app/common/entryclaims.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/browseclass.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"


namespace Brw {

namespace {

// The columns, each by its queue number; the tax columns are named and kept by the tax system.
#define INV_P "12C|*~P~C(0)@s1@#1#"
#define INV_NO "34R(2)|*~Inv #~C(0)@n06@#6#"
#define INV_CUSTOMER "48L(2)|*~Customer No~C(0)@s10@#11#"
#define INV_DATE "52R(2)|*~Date~C(0){D}@#16#"
#define INV_PO "60L(2)|*~PO number~C(0)@s15@#56#"
#define INV_AMOUNTS                                                                                            \
    "52R(2)|*~SubTotal~C(0){C}@#21#44R(2)|*~COD~C(0){C}@#26#48R(2)|*~Shipping~C(0){C}@#31#"                    \
    "48R(2)|*~{TAX}~C(0)@n12.4@#36#44R(2)|*~Labor~C(0){C}@#41#52R(2)|*~Total~C(0)@n-12.2@#46#"                  \
    "{GST:48R(2)|*~GST~C(0)@n12.4@#51#}"
#define INV_TAIL "52R(2)|*~Price~C(0){C}@#61#30C|*~Rebill Cycle~C(0)@s1@#66#"
#define INV_BY_NUMBER INV_NO INV_P INV_CUSTOMER INV_DATE INV_AMOUNTS INV_PO INV_TAIL

// The value the re-invoice order is kept to: only invoices billed again, found by their key.
dict::INVOICEBuffer &rebilled()
{
    static dict::INVOICEBuffer record = [] {
        dict::INVOICEBuffer r{};
        r.REBILL = 1;
        return r;
    }();
    return record;
}

QString money(double value) { return QString::fromStdString(fw::formatValue(value, fw::moneyPicture())).trimmed(); }

// A running total as it stands (TOTALINV record 1).
QString total(dict::Unaligned<dict::REAL> dict::TOTALINVRecord::*figure)
{
    const dict::TOTALINVRecord totals = dict::lookup(TOT.RecordNo_Key, 1).value_or(dict::Found<dict::TOTALINVRecord>{});
    return money(totals.*figure);
}

QString discount() { return QString::fromStdString(fw::formatValue(INV.CUSTOMERDISCOUNT, "@n6.2")).trimmed(); }

QString customerName()
{
    const auto customer = dict::lookup(CUS.CustomerNo_Key, INV.CUSTOMERNO);
    return customer ? QString::fromUtf8(customer->FNAME.str() + " " + customer->LNAME.str()).trimmed() : QString();
}

bool anyRow(fw::BrowseProcedure &, bool any) { return any; }

const fw::BrowseSpec invoiceList{
    .procedure = {.name = "Brw:Invoices", .title = "Invoice Records...",
                  .files = {Relate::INVOICE, Access::CUSTOMER, Access::TOTALINV},
                  .messages = {app::installMaintenanceMessages, app::installInvoiceMessages}},
    .primary = &Relate::INVOICE,
    .listTitle = "Browsing Invoice Records",
    .tabs = {
        {"&Invoice #", "Sort Invoices by Invoice #...", INV.InvoiceNo_Key, "Search Invoice #:",
         fw::Locate(INV.INVOICENO), INV_BY_NUMBER, "(~Inv:Quotes)", std::nullopt, INV.InvoiceNoR_Key},
        {"&Customer #", "Sort Invoices by Customer #...", INV.Customer_Key, "Search Cust #:",
         fw::Locate(INV.CUSTOMERNO), INV_CUSTOMER INV_NO INV_P INV_DATE INV_AMOUNTS INV_PO INV_TAIL},
        {"Invoice &Date", "Sort Invoices by Invoice Date...", INV.Date_Key, "Search Date:", fw::Locate(INV.DATE),
         INV_DATE INV_NO INV_P INV_CUSTOMER INV_AMOUNTS INV_PO INV_TAIL},
        {"&Purchase Order #", "Sort Invoices by PO #...", INV.POnumber_Key, "Search PO #:", fw::Locate(INV.PONUMBER),
         INV_PO INV_NO INV_P INV_CUSTOMER INV_DATE INV_AMOUNTS INV_TAIL, "(~Inv:Quotes)"},
        {"&Quotes", nullptr, INV.Quotes_Key, nullptr, std::nullopt, INV_BY_NUMBER},
        {"&Re-Invoices", "Sort ReOccuring Invoices...", INV.InvoiceRebill_Key, nullptr, std::nullopt, INV_BY_NUMBER,
         nullptr, dict::fieldOf(rebilled(), rebilled().REBILL)},
    },
    .filter = app::EnteredInvoices,
    .queue = {fw::Coloured(INV.PRINTED), fw::Coloured(INV.INVOICENO), fw::Coloured(INV.CUSTOMERNO),
              fw::Coloured(INV.DATE), fw::Coloured(INV.TOTALDISCOUNT), fw::Coloured(INV.COD),
              fw::Coloured(INV.SHIPPING), fw::Coloured(INV.TAX), fw::Coloured(INV.LABOR),
              fw::Coloured(INV.TOTALDUE), fw::Coloured(INV.GST), fw::Coloured(INV.PONUMBER),
              fw::Coloured(INV.RETAIL), fw::Coloured(INV.REBILLCYCLE), fw::Plain(INV.AMOUNTOWED),
              fw::Plain(INV.QUOTES), fw::Plain(INV.SALESMAN), fw::Plain(INV.CUSTOMERDISCOUNT)},
    .buttons = {.insert = "Add a New Invoice...", .change = "Change Highlighted Invoice...",
                .remove = "Delete Highlighted Invoice...", .close = "Close and return to menu..."},
    .extraButtons = {{Invoices::Reverse, "R&ev Inv #", "Reverse Invoice # Sort...",
                      [](fw::BrowseProcedure &b) { b.reverseOrder(); },
                      [](fw::BrowseProcedure &b, bool) { return b.browse().Reversible(); }},
                     {Invoices::History, "&History", "Display Highlighted Invoice History...",
                      [](fw::BrowseProcedure &b) { static_cast<Invoices &>(b).showHistory(); }, anyRow},
                     {Invoices::Memo, "&Memo", "Display Invoice Memo...",
                      [](fw::BrowseProcedure &b) { static_cast<Invoices &>(b).showMemo(); }, anyRow}},
    .panels = {{"Invoice Customer Information",
                {{Invoices::CustomerName, "Name:", [](fw::BrowseProcedure &) { return customerName(); }},
                 {Invoices::CustomerDiscount, "Customer Discount:", [](fw::BrowseProcedure &) { return discount(); }},
                 {Invoices::Salesman, "Salesman:",
                  [](fw::BrowseProcedure &) { return QString::fromUtf8(INV.SALESMAN.str()); }}},
                3},
               {"Invoice Totals",
                {{Invoices::TotalPrice, "Price", [](fw::BrowseProcedure &) { return total(&dict::TOTALINVRecord::RETAIL); },
                  true},
                 {Invoices::TotalSubTotal, "SubTotal",
                  [](fw::BrowseProcedure &) { return total(&dict::TOTALINVRecord::DISCOUNT); }, true},
                 {Invoices::TotalShipping, "Shipping",
                  [](fw::BrowseProcedure &) { return total(&dict::TOTALINVRecord::SHIPPING); }, true},
                 {Invoices::TotalLabor, "Labor", [](fw::BrowseProcedure &) { return total(&dict::TOTALINVRecord::LABOR); },
                  true},
                 {Invoices::TotalTax, "{TAX}", [](fw::BrowseProcedure &) { return total(&dict::TOTALINVRecord::TAX); },
                  true},
                 {Invoices::TotalGst, "GST", [](fw::BrowseProcedure &) { return total(&dict::TOTALINVRecord::GST); },
                  true, [] { return GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst; }},
                 {Invoices::Total, "Total", [](fw::BrowseProcedure &) { return total(&dict::TOTALINVRecord::TOTALDUE); },
                  true}},
                4}},
    .form = fw::runForm<Upd::Invoice>,
    .allow = app::RequestGate,
    .red = [] { return GLO.REDLINEINVOICE == 1 && dict::roundCents(INV.AMOUNTOWED) > 0; },
    .singleWindow = true,
    .notification = app::InvoiceBrowseNotification,
    .width = 900,
    .height = 560,
};


} // namespace

const fw::BrowseSpec &Invoices::Spec() { return invoiceList; }

Invoices::Invoices()
    : fw::BrowseProcedure(invoiceList)
{}

// The highlighted invoice is what the frame's "In&voice - Single" prints; the running totals follow
// whatever changed them.
void Invoices::Highlighted(bool any)
{
    if (any)
        GLO.INVOICENO = INV.INVOICENO;
    showFigures();
}

// The payments of the highlighted invoice, with its customer.
void Invoices::showHistory()
{
    if (!browse().UpdateViewRecord())
        return;
    dict::KeptBuffers kept{&Access::CUSTOMER};
    CUS.CUSTOMERNO = INV.CUSTOMERNO;
    if (Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) == dict::Benign) {
        GLO.STARTUP = 1;
        app::runInvoiceHistory();
        GLO.STARTUP = 0;
    }
    browse().ResetFromFile(true);
}

// The memo of the highlighted invoice, to read.
void Invoices::showMemo()
{
    if (!browse().UpdateViewRecord())
        return;
    GLO.THREADNO = 1;
    GlobalRequest = fw::ChangeRecord;
    Win::InvoiceMemos memo(true);
    memo.Run();
    GLO.THREADNO = 0;
}

} // namespace Brw
