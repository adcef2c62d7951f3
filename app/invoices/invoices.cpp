#include "app/invoices/invoices.h"

#include "app/common/framenotify.h"
#include "app/common/maintenancemessages.h"
#include "app/common/passwordgate.h"
#include "app/invoices/invoiceform.h"
#include "app/invoices/invoicehistory.h"
#include "app/invoices/invoicememo.h"
#include "app/invoices/invoicemessages.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/browseclass.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

namespace Brw {

namespace {

// The columns, each by its queue number; the tax columns are named and kept by the tax system.
#define INV_P "12C|*~P~C(0)@s1@#1#"
#define INV_NO "34R(2)|*~Inv #~C(0)@n06@#6#"
#define INV_CUSTOMER "48L(2)|*~Customer No~C(0)@s10@#11#"
#define INV_DATE "52R(2)|*~Date~C(0)@d2b@#16#"
#define INV_PO "60L(2)|*~PO number~C(0)@s15@#56#"
#define INV_AMOUNTS                                                                                            \
    "52R(2)|*~SubTotal~C(0){C}@#21#44R(2)|*~COD~C(0){C}@#26#48R(2)|*~Shipping~C(0){C}@#31#"                    \
    "48R(2)|*~{TAX}~C(0)@n12.4@#36#44R(2)|*~Labor~C(0){C}@#41#52R(2)|*~Total~C(0)@n-12.2@#46#"                  \
    "{GST:48R(2)|*~GST~C(0)@n12.4@#51#}"
#define INV_TAIL "52R(2)|*~Price~C(0){C}@#61#30C|*~Rebill Cycle~C(0)@s1@#66#"
#define INV_BY_NUMBER INV_NO INV_P INV_CUSTOMER INV_DATE INV_AMOUNTS INV_PO INV_TAIL

constexpr int ForwardTab = 0, BackwardTab = 1;

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

const fw::BrowseSpec invoiceList{
    .procedure = {.name = "Brw:Invoices", .title = "Invoice Records...",
                  .files = {Relate::INVOICE, Access::CUSTOMER, Access::TOTALINV},
                  .messages = {app::installMaintenanceMessages, app::installInvoiceMessages}},
    .primary = &Relate::INVOICE,
    .listTitle = "Browsing Invoice Records",
    .tabs = {
        {"&Invoice #", "Sort Invoices by Invoice #...", INV.InvoiceNo_Key, "Search Invoice #:",
         fw::Locate(INV.INVOICENO), INV_BY_NUMBER, "(~Inv:Quotes)"},
        {"&Invoice #", "Sort Invoices by Invoice #...", INV.InvoiceNoR_Key, "Search Invoice #:",
         fw::Locate(INV.INVOICENO), INV_BY_NUMBER, "(~Inv:Quotes)"},
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
    .queue = {fw::Coloured(INV.PRINTED), fw::Coloured(INV.INVOICENO), fw::Coloured(INV.CUSTOMERNO),
              fw::Coloured(INV.DATE), fw::Coloured(INV.TOTALDISCOUNT), fw::Coloured(INV.COD),
              fw::Coloured(INV.SHIPPING), fw::Coloured(INV.TAX), fw::Coloured(INV.LABOR),
              fw::Coloured(INV.TOTALDUE), fw::Coloured(INV.GST), fw::Coloured(INV.PONUMBER),
              fw::Coloured(INV.RETAIL), fw::Coloured(INV.REBILLCYCLE), fw::Plain(INV.AMOUNTOWED),
              fw::Plain(INV.QUOTES), fw::Plain(INV.SALESMAN), fw::Plain(INV.CUSTOMERDISCOUNT)},
    .buttons = {.insert = "Add a New Invoice...", .change = "Change Highlighted Invoice...",
                .remove = "Delete Highlighted Invoice...", .close = "Close and return to menu..."},
    .form = fw::runForm<Upd::Invoice>,
    .allow = app::RequestGate,
    .red = [] { return GLO.REDLINEINVOICE == 1 && dict::roundCents(INV.AMOUNTOWED) > 0; },
    .singleWindow = true,
    .notification = app::InvoiceBrowseNotification,
    .width = 900,
    .height = 560,
};


QString money(double value) { return QString::fromStdString(fw::formatValue(value, fw::moneyPicture())).trimmed(); }

QLabel *amountLabel(QGridLayout *grid, int row, int column, const QString &prompt, QWidget *parent,
                    QLabel **promptLabel = nullptr)
{
    auto *label = new QLabel(prompt, parent);
    grid->addWidget(label, row, column);
    auto *value = new QLabel(parent);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(80);
    grid->addWidget(value, row, column + 1);
    if (promptLabel)
        *promptLabel = label;
    return value;
}

} // namespace

const fw::BrowseSpec &Invoices::Spec() { return invoiceList; }

Invoices::Invoices()
    : fw::BrowseProcedure(invoiceList, w_)
{}

QWidget *Invoices::InfoPanel(QWidget *parent)
{
    auto *panel = new QWidget(parent);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    auto *customer = new QGroupBox("Invoice Customer Information", panel);
    auto *left = new QGridLayout(customer);
    left->addWidget(new QLabel("Name:", customer), 0, 0);
    left->addWidget(w_.customerName = new QLabel(customer), 0, 1);
    left->addWidget(new QLabel("Customer Discount:", customer), 1, 0);
    left->addWidget(w_.customerDiscount = new QLabel(customer), 1, 1);
    left->addWidget(new QLabel("Salesman:", customer), 2, 0);
    left->addWidget(w_.salesman = new QLabel(customer), 2, 1);
    row->addWidget(customer, 1);
    auto *totals = new QGroupBox("Invoice Totals", panel);
    auto *right = new QGridLayout(totals);
    w_.totalPrice = amountLabel(right, 0, 0, "Price", totals);
    w_.totalSubTotal = amountLabel(right, 1, 0, "SubTotal", totals);
    w_.totalShipping = amountLabel(right, 2, 0, "Shipping", totals);
    w_.totalLabor = amountLabel(right, 0, 2, "Labor", totals);
    w_.totalTax = amountLabel(right, 1, 2, "Tax", totals, &w_.totalTaxLabel);
    w_.totalGst = amountLabel(right, 2, 2, "GST", totals, &w_.totalGstLabel);
    w_.total = amountLabel(right, 3, 2, "Total", totals);
    row->addWidget(totals, 1);
    return panel;
}

void Invoices::AddButtons(QHBoxLayout *row)
{
    w_.reverse = addButton(row, "R&ev Inv #", "Reverse Invoice # Sort...");
    w_.history = addButton(row, "&History", "Display Highlighted Invoice History...");
    w_.memo = addButton(row, "&Memo", "Display Invoice Memo...");
}

// One invoice-number tab shows at a time; the tax names follow the tax system.
void Invoices::Prepare()
{
    w_.tabs->setTabVisible(BackwardTab, false);
    w_.totalTaxLabel->setText(QString::fromUtf8(dict::taxName(GLO.CANADIAN)));
    const bool gst = GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst;
    w_.totalGstLabel->setVisible(gst);
    w_.totalGst->setVisible(gst);
    connect(w_.tabs, &QTabBar::currentChanged, this, [this](int tab) { followTab(tab); });
    followTab(w_.tabs->currentIndex());
}

void Invoices::followTab(int tab)
{
    if (tab == ForwardTab || tab == BackwardTab) {
        w_.tabs->setTabVisible(tab, true);
        w_.tabs->setTabVisible(tab == ForwardTab ? BackwardTab : ForwardTab, false);
    }
    w_.reverse->setEnabled(tab == ForwardTab || tab == BackwardTab);
}

void Invoices::reverseOrder()
{
    const int tab = w_.tabs->currentIndex();
    if (tab != ForwardTab && tab != BackwardTab)
        return;
    const int other = tab == ForwardTab ? BackwardTab : ForwardTab;
    w_.tabs->setTabVisible(other, true);
    w_.tabs->setCurrentIndex(other);
}

// The highlighted invoice's customer, and the running totals as they stand.
void Invoices::Highlighted(bool any)
{
    w_.history->setEnabled(any);
    w_.memo->setEnabled(any);
    if (any)
        GLO.INVOICENO = INV.INVOICENO; // what the frame's "In&voice - Single" prints
    w_.salesman->setText(any ? QString::fromUtf8(INV.SALESMAN.str()) : QString());
    w_.customerDiscount->setText(any ? QString::fromStdString(fw::formatValue(INV.CUSTOMERDISCOUNT, "@n6.2")).trimmed()
                                     : QString());
    QString name;
    if (any) {
        if (const auto customer = dict::lookup(CUS.CustomerNo_Key, INV.CUSTOMERNO))
            name = QString::fromUtf8((customer->FNAME.str() + " " + customer->LNAME.str()).c_str()).trimmed();
    }
    w_.customerName->setText(name);
    showTotals();
}

void Invoices::showTotals()
{
    const dict::TOTALINVRecord totals = dict::lookup(TOT.RecordNo_Key, 1).value_or(dict::Found<dict::TOTALINVRecord>{});
    w_.totalPrice->setText(money(totals.RETAIL));
    w_.totalSubTotal->setText(money(totals.DISCOUNT));
    w_.totalShipping->setText(money(totals.SHIPPING));
    w_.totalLabor->setText(money(totals.LABOR));
    w_.totalTax->setText(money(totals.TAX));
    w_.totalGst->setText(money(totals.GST));
    w_.total->setText(money(totals.TOTALDUE));
}

int Invoices::TakeAccepted(QWidget *control)
{
    if (control == w_.reverse) {
        reverseOrder();
        return dict::Benign;
    }
    if (control == w_.memo) {
        showMemo();
        return dict::Benign;
    }
    if (control == w_.history) {
        showHistory();
        return dict::Benign;
    }
    return BrowseProcedure::TakeAccepted(control);
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
