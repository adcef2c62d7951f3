#include "app/printselect/tagbrowses.h"

#include "app/common/entryclaims.h"
#include "app/shell/mainmessages.h"
#include "app/shell/procedures.h"
#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/browsemodel.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"
#include "tagging/tags.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

namespace app {

namespace {

QIcon blankIcon()
{
    QPixmap empty(16, 16);
    empty.fill(Qt::transparent);
    return QIcon(empty);
}

std::string customerNo() { return std::string(CUS.CUSTOMERNO.view()); }
bool customerTagged() { return ST::GetTagPos_(ST::CustomerTable, customerNo()) == 1; }
bool invoiceTagged() { return ST::GetTag_(ST::InvoiceTable, INV.INVOICENO) == 1; }

// The first queue fields of both lists: the tag column's text (none) and its icon.
fw::QueueEntry tagText() { return fw::Computed([] { return fw::StepValue(std::string()); }); }
fw::QueueEntry tagIcon(bool (*tagged)())
{
    return fw::Computed([tagged] { return fw::StepValue(tagged() ? 1 : 0); });
}

} // namespace

TagBrowse::TagBrowse(const fw::BrowseSpec &spec)
    : fw::BrowseProcedure(spec)
{}

fw::BrowseSpec TagBrowse::Declared(fw::BrowseSpec spec)
{
    spec.buttons = {.close = "Cancel and Return...", .closeText = "Cancel"};
    spec.extraButtons = Buttons();
    spec.updates = false;
    spec.width = 620;
    spec.height = 420;
    return spec;
}

// The four tag buttons act on the list while it has rows; OK prints what is tagged.
std::vector<fw::BrowseButton> TagBrowse::Buttons()
{
    const auto rows = [](fw::BrowseProcedure &b, bool) { return b.browse().Records() > 0; };
    return {
        {Tag, "&Tag", nullptr, [](fw::BrowseProcedure &b) { static_cast<TagBrowse &>(b).tagHighlighted(true); }, rows},
        {Untag, "&Untag", nullptr, [](fw::BrowseProcedure &b) { static_cast<TagBrowse &>(b).tagHighlighted(false); },
         rows},
        {TagAll, "Tag &All", nullptr, [](fw::BrowseProcedure &b) { static_cast<TagBrowse &>(b).tagAllRows(true); }, rows},
        {UntagAll, "Unta&g All", nullptr,
         [](fw::BrowseProcedure &b) { static_cast<TagBrowse &>(b).tagAllRows(false); }, rows},
        {Ok, "&OK", nullptr, [](fw::BrowseProcedure &b) { static_cast<TagBrowse &>(b).closeWithOk(); }, nullptr, true},
    };
}

void TagBrowse::Prepare()
{
    fw::BrowseClass &list = browse();
    list.model()->setIcon(1, QApplication::style()->standardIcon(QStyle::SP_DialogApplyButton));
    list.model()->setIcon(0, blankIcon());
    // A click on the tag column reverses the row's tag.
    QObject::connect(&list, &fw::BrowseClass::cellClicked, this, [this](int, int column) {
        if (browse().format().column(static_cast<std::size_t>(column)).icon()) {
            tagRow(!rowTagged());
            refresh();
        }
    });
    addMenu();
}

void TagBrowse::addMenu()
{
    QTableView *view = widgets().list->view();
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint &at) {
        QMenu menu;
        menu.addSeparator();
        for (const auto &[text, id] : {std::pair{"TagOne", Tag}, std::pair{"UntagOne", Untag},
                                       std::pair{"TagAll", TagAll}, std::pair{"UntagAll", UntagAll}}) {
            QPushButton *same = button(id);
            menu.addAction(QString::fromLatin1(text), same, &QPushButton::click)->setEnabled(same->isEnabled());
        }
        menu.addSeparator();
        menu.exec(view->viewport()->mapToGlobal(at));
    });
}

void TagBrowse::refresh() { browse().ResetFromFile(true); }

void TagBrowse::tagHighlighted(bool on)
{
    browse().UpdateBuffer();
    tagRow(on);
    refresh();
}

void TagBrowse::tagAllRows(bool on)
{
    on ? tagEverything() : untagEverything();
    refresh();
}

void TagBrowse::closeWithOk()
{
    closedByOk_ = true;
    SetResponse(fw::RequestCompleted);
}

int TagBrowse::TakeCloseEvent()
{
    closedByOk_ ? completed() : cancelled();
    return BrowseProcedure::TakeCloseEvent();
}

} // namespace app

namespace Brw {

using ST::CustomerTable;
using app::customerNo;

// --- customers ----------------------------------------------------------------------------------

namespace {

#define TAG_COLUMN "16C|I~ ~@s1@#1#"
#define TAGC_LAST "70L(2)|~Last Name~@s15@#3#"
#define TAGC_FIRST "50L(2)|~First Name~@s10@#4#"
#define TAGC_COMPANY "110L(2)|~Company~@s40@#5#"
#define TAGC_NO "45L(2)|~Cust #~@s10@#6#"

const fw::BrowseSpec customerTags = app::TagBrowse::Declared({
    .procedure = {.name = "Brw:CustomersPrint_Billing_Labels_Inventory_Envelopes", .files = {Relate::CUSTOMER}},
    .primary = &Relate::CUSTOMER,
    .tabs = {
        {.caption = "&Last Name", .key = CUS.CustomerName_Key, .locator = fw::Locate(CUS.LNAME),
         .format = TAG_COLUMN TAGC_LAST TAGC_FIRST TAGC_COMPANY TAGC_NO},
        {.caption = "C&ompany", .key = CUS.Company_Key, .locator = fw::Locate(CUS.COMPANY),
         .format = TAG_COLUMN TAGC_COMPANY TAGC_LAST TAGC_FIRST TAGC_NO},
        {.caption = "&Customer #", .key = CUS.CustomerNo_Key, .locator = fw::Locate(CUS.CUSTOMERNO),
         .format = TAG_COLUMN TAGC_NO TAGC_LAST TAGC_FIRST TAGC_COMPANY},
    },
    .queue = {app::tagText(), app::tagIcon(app::customerTagged), fw::Plain(CUS.LNAME), fw::Plain(CUS.FNAME),
              fw::Plain(CUS.COMPANY), fw::Plain(CUS.CUSTOMERNO)},
    .settingsSection = "Brw:CustomerLabels",
    .tabKey = "UserList",
});

} // namespace

CustomersPrint_Billing_Labels_Inventory_Envelopes::CustomersPrint_Billing_Labels_Inventory_Envelopes()
    : app::TagBrowse(customerTags)
{}

const fw::BrowseSpec &CustomersPrint_Billing_Labels_Inventory_Envelopes::Spec() { return customerTags; }

QString CustomersPrint_Billing_Labels_Inventory_Envelopes::titleFor(int startup)
{
    switch (startup) {
    case dict::StartUp::InventoryByCustomer: return QStringLiteral("Select Customer(s) for Inventory Consolidation...");
    case dict::StartUp::Billing: return QStringLiteral("Select Customer(s) for Billing...");
    case dict::StartUp::Envelopes: return QStringLiteral("Select Customer(s) for Envelopes...");
    default: return QStringLiteral("Select Customer(s) for Printing Labels...");
    }
}

// The mode it was started in decides its title and what OK prints.
bool CustomersPrint_Billing_Labels_Inventory_Envelopes::Admit()
{
    startup_ = GLO.STARTUP;
    GLO.STARTUP = dict::StartUp::None;
    return TagBrowse::Admit();
}

bool CustomersPrint_Billing_Labels_Inventory_Envelopes::rowTagged() { return app::customerTagged(); }

void CustomersPrint_Billing_Labels_Inventory_Envelopes::tagRow(bool on)
{
    on ? (void)ST::SetTagPos_(CustomerTable, customerNo()) : ST::ClrTagPos_(CustomerTable, customerNo());
}

void CustomersPrint_Billing_Labels_Inventory_Envelopes::tagEverything()
{
    ST::TagAllPos_(CustomerTable, browse(), [] { return customerNo(); });
}

void CustomersPrint_Billing_Labels_Inventory_Envelopes::untagEverything() { ST::NewTagPos_(CustomerTable); }

void CustomersPrint_Billing_Labels_Inventory_Envelopes::completed()
{
    const char *report = startup_ == dict::StartUp::InventoryByCustomer ? "PRN:INVENTORYCONSOLIDATIONCUSTOMER"
                         : startup_ == dict::StartUp::Billing           ? "PRN:CUSTOMERBILLING"
                         : startup_ == dict::StartUp::Envelopes         ? "PRN:ENVELOPES"
                                                                        : "PRN:CUSTOMERLABELS";
    if (app::procedureDefined(report))
        GLO.STARTUP = static_cast<dict::BYTE>(startup_);
    app::runProcedure(report);
}

void CustomersPrint_Billing_Labels_Inventory_Envelopes::cancelled() { ST::NewTagPos_(CustomerTable); }

// --- invoices -----------------------------------------------------------------------------------

namespace {

// The customer's name, looked up for each row.
fw::StepValue customerName()
{
    CUS.CUSTOMERNO = INV.CUSTOMERNO.view();
    if (Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) != dict::Benign)
        return fw::StepValue(std::string());
    std::string name = std::string(CUS.FNAME.view());
    name += (name.empty() ? "" : " ") + std::string(CUS.LNAME.view());
    return fw::StepValue(name.empty() ? std::string(CUS.COMPANY.view()) : name);
}

#define INVOICE_TAGS                                                                                           \
    TAG_COLUMN "12C|~P~@s1@#3#40R(2)|~Inv #~@n_7@#4#45L(2)|~Cust #~@s10@#5#45R(2)|~Date~{D}@#6#"               \
               "110L(2)|~Customer Name~@s35@#7#60L(2)|~PO #~@s15@#8#"

const fw::BrowseSpec invoiceTags = app::TagBrowse::Declared({
    .procedure = {.name = "Brw:InvoicesPrintMulitple", .title = "Print Multiple Invoices...",
                  .files = {Relate::INVOICE, Relate::CUSTOMER}},
    .primary = &Relate::INVOICE,
    .tabs = {
        {.caption = "&Invoice #", .key = INV.InvoiceNo_Key, .locator = fw::Locate(INV.INVOICENO), .format = INVOICE_TAGS},
        {.caption = "&Customer #", .key = INV.Customer_Key, .locator = fw::Locate(INV.CUSTOMERNO),
         .format = INVOICE_TAGS},
        {.caption = "Invoice &Date", .key = INV.Date_Key, .format = INVOICE_TAGS},
        {.caption = "&Purchase Order #", .key = INV.POnumber_Key, .locator = fw::Locate(INV.PONUMBER),
         .format = INVOICE_TAGS},
    },
    .filter = app::EnteredInvoices,
    .queue = {app::tagText(), app::tagIcon(app::invoiceTagged), fw::Plain(INV.PRINTED), fw::Plain(INV.INVOICENO),
              fw::Plain(INV.CUSTOMERNO), fw::Plain(INV.DATE), fw::Computed(customerName), fw::Plain(INV.PONUMBER)},
    .settingsSection = "Brw:InvoicesPrintMultiple",
});

} // namespace

InvoicesPrintMulitple::InvoicesPrintMulitple()
    : app::TagBrowse(invoiceTags)
{}

const fw::BrowseSpec &InvoicesPrintMulitple::Spec() { return invoiceTags; }

bool InvoicesPrintMulitple::rowTagged() { return app::invoiceTagged(); }

void InvoicesPrintMulitple::tagRow(bool on)
{
    const std::string customer(INV.CUSTOMERNO.view());
    if (on) {
        ST::SetTag_(ST::InvoiceTable, INV.INVOICENO);
        ST::SetTagPos_(CustomerTable, customer);
    } else {
        ST::ClrTag_(ST::InvoiceTable, INV.INVOICENO);
        ST::ClrTagPos_(CustomerTable, customer);
    }
}

void InvoicesPrintMulitple::tagEverything()
{
    ST::TagAll_(ST::InvoiceTable, browse(), [] { return dict::LONG{INV.INVOICENO}; });
}

void InvoicesPrintMulitple::untagEverything()
{
    ST::NewTag_(ST::InvoiceTable);
    ST::NewTagPos_(CustomerTable);
}

void InvoicesPrintMulitple::completed()
{
    const int answer = REPORTS::Errors().Message(
        app::MainMsg::PrintLabelsToo, dict::ButtonNo | dict::ButtonYes | dict::ButtonCancel, dict::ButtonNo,
        {{dict::ButtonNo, "&No"}, {dict::ButtonYes, "&Address"}, {dict::ButtonCancel, "Shipping"}});
    if (answer == dict::ButtonYes)
        GLO.STARTUP = dict::StartUp::AddressLabels;
    else if (answer == dict::ButtonCancel)
        GLO.STARTUP = dict::StartUp::ShippingLabels;
    else
        ST::NewTagPos_(CustomerTable);
    app::runProcedure("PRN:INVOICESTAGGED");
}

void InvoicesPrintMulitple::cancelled() {}

} // namespace Brw
