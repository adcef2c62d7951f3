#include "app/invoices/invoicehistory.h"

#include "app/common/booking.h"
#include "app/common/maintenancemessages.h"
#include "app/common/passwordgate.h"
#include "app/invoices/invoicemessages.h"
#include "app/payments/paymentdelete.h"
#include "app/payments/paymentform.h"
#include "app/payments/paymentmessages.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QGroupBox>
#include <QTableView>

namespace Brw {

namespace {

namespace pay = app::payments;

// What the invoice's FINANCE records leave owing.
QString stillOwed()
{
    double due = 0;
    for (const auto &record : dict::range(FIN.InvoiceNo_Key, INV.INVOICENO))
        due += record.AMOUNTDUE;
    return QString::fromStdString(fw::formatValue(due, fw::moneyPicture())).trimmed();
}

const fw::BrowseSpec invoiceHistory{
    .procedure = {.name = "Brw:InvoicesHistory", .title = "Invoice History...",
                  .files = {Relate::FINANCE, Access::INVOICE, Access::CUSTOMER},
                  .messages = {app::installPaymentMessages, app::installMaintenanceMessages,
                               app::installInvoiceMessages}},
    .primary = &Relate::FINANCE,
    .listTitle = "Browsing Invoice History",
    .tabs = {
        {"&History", nullptr, FIN.InvoiceNo_Key, nullptr, std::nullopt,
         "44R(1)|~Date~C(0){D}@#1#36L(1)|~Crd Memo~C(0)@n06b@#2#40L(1)|~Payment~C(0)@s9@#3#"
         "48R(1)|~Inv Total~C(0){C}@#4#48R(1)|~Paid~C(0){C}@#5#48R(1)~Due~C(0){C}@#6#",
         nullptr, dict::field(INV.INVOICENO)},
    },
    .queue = {fw::Plain(FIN.DATE), fw::Plain(FIN.CREDITMEMONO), fw::Plain(FIN.TERMS), fw::Plain(FIN.INVOICETOTAL),
              fw::Plain(FIN.AMOUNTPAID), fw::Plain(FIN.AMOUNTDUE)},
    .buttons = {.insert = "Add a Payment...", .change = "Change Highlighted Payment...",
                .remove = "Delete Highlighted Payment...", .close = "Close and Return..."},
    .panels = {{nullptr,
                {{InvoicesHistory::Due, "Still Owed:", [](fw::BrowseProcedure &) { return stillOwed(); }, true}},
                1,
                fw::BrowsePanel::BelowRight}},
    .form = fw::runForm<Upd::CustomerFinanceHistory>,
    .allow = app::RequestGate,
    .width = 600,
    .height = 360,
};

} // namespace

const fw::BrowseSpec &InvoicesHistory::Spec() { return invoiceHistory; }

InvoicesHistory::InvoicesHistory()
    : app::payments::PaymentList(invoiceHistory, app::InvMsg::OriginalNotDeletable)
{}

void InvoicesHistory::Prepare()
{
    if (auto *box = qobject_cast<QGroupBox *>(widgets().list->parentWidget()))
        box->setTitle("Browsing Invoice History, Invoice #: "
                      + QString::fromStdString(fw::formatValue(INV.INVOICENO, "@n06")));
}

} // namespace Brw

namespace app {

void runInvoiceHistory()
{
    const dict::LONG invoiceNo = INV.INVOICENO;
    {
        GlobalRequest = fw::NoRequest;
        Brw::InvoicesHistory history;
        history.Run();
    }
    const dict::INVOICERecord stored =
        dict::lookup(INV.InvoiceNo_Key, invoiceNo).value_or(dict::Found<dict::INVOICERecord>{INV});
    INV.AMOUNTPAID = stored.AMOUNTPAID;
    INV.AMOUNTOWED = stored.AMOUNTOWED;
    INV.DATEPAID = stored.DATEPAID;
    INV.CREDITCHECK = stored.CREDITCHECK;
}

} // namespace app
