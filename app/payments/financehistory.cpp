#include "app/payments/financehistory.h"

#include "app/common/booking.h"
#include "app/common/maintenancemessages.h"
#include "app/common/passwordgate.h"
#include "app/creditmemos/creditmemoform.h"
#include "app/creditmemos/creditmessages.h"
#include "app/invoices/invoiceform.h"
#include "app/payments/paymentbook.h"
#include "app/payments/paymentdelete.h"
#include "app/payments/paymentform.h"
#include "app/payments/paymentmessages.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
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

namespace pay = app::payments;

#define FIN_COLUMNS_AFTER_INVOICE                                                                                    \
    "30L(1)|~Credit #~C(0)@n06b@#3#36L(1)|~Payment~C(0)@s9@#4#39R(1)|~Inv Total~C(0){C}b@#5#"                        \
    "39R(1)|~Paid~C(0){C}b@#6#39R(1)~Due~C(0){C}@#7#"

const fw::BrowseSpec financeHistory{
    .procedure = {.name = "Brw:CustomersFinanceHistory", .title = "Customers Credit/Debits...",
                  .files = {Relate::FINANCE, Access::CUSTOMER, Access::INVOICE, Access::CREDIT},
                  .messages = {app::installPaymentMessages, app::installMaintenanceMessages,
                               app::installCreditMemoMessages}},
    .primary = &Relate::FINANCE,
    .listTitle = "Browsing Finance History",
    .tabs = {
        {"&Date", "Sort Finance Records by Date...", FIN.CustomerDate_Key, nullptr, std::nullopt,
         "38R(1)|~Date~C(0){D}@#1#30L(1)|~Inv #~C(0)@n06b@#2#" FIN_COLUMNS_AFTER_INVOICE, nullptr,
         dict::field(CUS.CUSTOMERNO)},
        {"&Invoice #", "Sort Finance Records by Invoice #...", FIN.CustomerNo_Key, nullptr,
         fw::Locate(FIN.CUSTOMERNO),
         "30L(1)|~Inv #~C(0)@n06b@#2#38R(1)|~Date~C(0){D}@#1#" FIN_COLUMNS_AFTER_INVOICE, nullptr,
         dict::field(CUS.CUSTOMERNO)},
    },
    .queue = {fw::Plain(FIN.DATE), fw::Plain(FIN.INVOICENO), fw::Plain(FIN.CREDITMEMONO), fw::Plain(FIN.TERMS),
              fw::Plain(FIN.INVOICETOTAL), fw::Plain(FIN.AMOUNTPAID), fw::Plain(FIN.AMOUNTDUE),
              fw::Plain(FIN.CUSTOMERNO)},
    .settingsSection = "Brw:CustomerFinanceHistory",
    .buttons = {.insert = "Add new finance information...", .close = "Close Finance List..."},
    .extraButtons = {{CustomersFinanceHistory::Invoice, "&Invoice", nullptr,
                      [](fw::BrowseProcedure &b) { static_cast<CustomersFinanceHistory &>(b).openInvoice(); },
                      [](fw::BrowseProcedure &, bool any) { return any && FIN.INVOICENO != 0; }},
                     {CustomersFinanceHistory::Credit, "C&redit", nullptr,
                      [](fw::BrowseProcedure &b) { static_cast<CustomersFinanceHistory &>(b).openCreditMemo(); },
                      [](fw::BrowseProcedure &, bool any) { return any && FIN.CREDITMEMONO != 0; }}},
    .panels = {{nullptr,
                {{CustomersFinanceHistory::Balance, "Customer Balance:",
                  [](fw::BrowseProcedure &) {
                      return QString::fromUtf8(fw::formatValue(CUS.BALANCE, fw::moneyPicture())).trimmed();
                  },
                  true}}}},
    .form = fw::runForm<Upd::CustomerFinanceHistory>,
    .allow = app::RequestGate,
};

QString customerName()
{
    std::string name = CUS.FNAME.str();
    if (!CUS.LNAME.blank())
        name += (name.empty() ? "" : " ") + CUS.LNAME.str();
    return QString::fromUtf8(name.empty() ? CUS.COMPANY.str() : name);
}

} // namespace

const fw::BrowseSpec &CustomersFinanceHistory::Spec() { return financeHistory; }

CustomersFinanceHistory::CustomersFinanceHistory()
    : app::payments::PaymentList(financeHistory, app::PayMsg::NotDeletable)
{}

// The customer named by the customer list's highlight, read before the list takes its range.
int CustomersFinanceHistory::Build()
{
    if (!GLO.CUSTOMERNO.blank()) {
        CUS.CUSTOMERNO = GLO.CUSTOMERNO.view();
        Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key);
    }
    return BrowseProcedure::Build();
}

void CustomersFinanceHistory::Prepare()
{
    if (auto *box = qobject_cast<QGroupBox *>(widgets().list->parentWidget()))
        box->setTitle("Browsing Finance History of " + customerName());
    showBalance();
}

void CustomersFinanceHistory::showBalance()
{
    double balance = CUS.BALANCE;
    pay::recomputeBalance(CUS.CUSTOMERNO, balance);
    CUS.BALANCE = balance;
    showFigures();
}

void CustomersFinanceHistory::refresh()
{
    showBalance();
    browse().ResetFromFile(true);
}

// The credit memo form on the highlighted record's credit memo, as it is on file now.
void CustomersFinanceHistory::openCreditMemo()
{
    const QScopeGuard backToList([this] { widgets().list->view()->setFocus(); });
    if (!app::PasswordGate(app::Guarded::Change) || !browse().UpdateViewRecord() || FIN.CREDITMEMONO == 0)
        return;
    {
        dict::KeptBuffers kept{&Access::CUSTOMER};
        CRE.CREDITMEMONO = FIN.CREDITMEMONO;
        if (Access::CREDIT.TryFetch(CRE.CreditMemoNo_Key) != dict::Benign) {
            REPORTS::Errors().ThrowMessage(app::CreMsg::MemoGone, fw::formatValue(FIN.CREDITMEMONO, "@n06"));
        } else {
            GLO.NEWCREDITMEMO = 0;
            GlobalRequest = fw::ChangeRecord;
            Upd::CreditMemo form;
            form.Run();
        }
    }
    refresh();
}

// The invoice form on the highlighted record's invoice, as it is on file now.
void CustomersFinanceHistory::openInvoice()
{
    const QScopeGuard backToList([this] { widgets().list->view()->setFocus(); });
    if (!app::PasswordGate(app::Guarded::Change) || !browse().UpdateViewRecord() || FIN.INVOICENO == 0)
        return;
    {
        dict::KeptBuffers kept{&Access::CUSTOMER};
        INV.INVOICENO = FIN.INVOICENO;
        if (Access::INVOICE.TryFetch(INV.InvoiceNo_Key) != dict::Benign) {
            REPORTS::Errors().ThrowMessage(app::PayMsg::NoSuchInvoice, std::to_string(FIN.INVOICENO));
        } else {
            GLO.NEWINVOICE = 0;
            GlobalRequest = fw::ChangeRecord;
            Upd::Invoice form;
            form.Run();
        }
    }
    refresh();
}

// The stored balance is the sum of the customer's records as they stand when the list closes.
void CustomersFinanceHistory::Closing()
{
    double balance = 0;
    pay::recomputeBalance(CUS.CUSTOMERNO, balance);
    BrowseProcedure::Closing();
}

} // namespace Brw
