#include "app/printselect/tagbrowses.h"

#include "app/shell/mainmessages.h"
#include "app/shell/procedures.h"
#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
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

constexpr int CustomerTable = 1;
constexpr int InvoiceTable = 3;

QIcon blankIcon()
{
    QPixmap empty(16, 16);
    empty.fill(Qt::transparent);
    return QIcon(empty);
}

QPushButton *addButton(QHBoxLayout *row, const char *text, QWidget *parent)
{
    auto *button = new QPushButton(QString::fromUtf8(text), parent);
    row->addWidget(button);
    return button;
}

std::string customerNo() { return std::string(CUS.CUSTOMERNO.view()); }

} // namespace

void TagBrowse::buildWindow(const QString &title, const QStringList &tabTexts, dict::RelationManager *primary)
{
    auto *w = CreateWindow(title);
    auto *layout = new QVBoxLayout(w);
    tabs = new QTabBar(w);
    for (const QString &text : tabTexts)
        tabs->addTab(text);
    layout->addWidget(tabs);
    list = new fw::BrowseList(w);
    layout->addWidget(list, 1);
    auto *tagRowButtons = new QHBoxLayout;
    layout->addLayout(tagRowButtons);
    tag = addButton(tagRowButtons, "&Tag", w);
    untag = addButton(tagRowButtons, "&Untag", w);
    tagAll = addButton(tagRowButtons, "Tag &All", w);
    untagAll = addButton(tagRowButtons, "Unta&g All", w);
    tagRowButtons->addStretch();
    ok = addButton(tagRowButtons, "&OK", w);
    cancel = addButton(tagRowButtons, "Cancel", w);
    for (QPushButton *b : {tag, untag, tagAll, untagAll, ok})
        connectButton(b);
    AddItem(cancel, fw::RequestCancelled);
    w->resize(620, 420);
    browse.Init(list, primary, this);
}

void TagBrowse::finishSetUp(const char *section, const char *tabKey)
{
    browse.model()->setIcon(1, QApplication::style()->standardIcon(QStyle::SP_DialogApplyButton));
    browse.model()->setIcon(0, blankIcon());
    browse.AddSheet(tabs);
    browse.SetSettings(section, tabKey);
    // A click on the tag column reverses the row's tag.
    QObject::connect(&browse, &fw::BrowseClass::cellClicked, this, [this](int, int column) {
        if (browse.format().column(static_cast<std::size_t>(column)).icon()) {
            tagRow(!rowTagged());
            refresh();
        }
    });
    QObject::connect(&browse, &fw::BrowseClass::selectionChanged, this, [this] { updateButtons(); });
    QTableView *view = list->view();
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint &at) {
        QMenu menu;
        menu.addSeparator();
        menu.addAction(QStringLiteral("TagOne"), tag, &QPushButton::click)->setEnabled(tag->isEnabled());
        menu.addAction(QStringLiteral("UntagOne"), untag, &QPushButton::click)->setEnabled(untag->isEnabled());
        menu.addAction(QStringLiteral("TagAll"), tagAll, &QPushButton::click)->setEnabled(tagAll->isEnabled());
        menu.addAction(QStringLiteral("UntagAll"), untagAll, &QPushButton::click)->setEnabled(untagAll->isEnabled());
        menu.addSeparator();
        menu.exec(view->viewport()->mapToGlobal(at));
    });
}

void TagBrowse::refresh()
{
    browse.ResetFromFile(true);
    updateButtons();
}

void TagBrowse::updateButtons()
{
    const bool any = browse.Records() > 0;
    for (QPushButton *b : {tag, untag, tagAll, untagAll})
        b->setEnabled(any);
}

int TagBrowse::TakeAccepted(QWidget *control)
{
    if (control == tag || control == untag) {
        browse.UpdateBuffer();
        tagRow(control == tag);
        refresh();
        return dict::Benign;
    }
    if (control == tagAll) {
        tagEverything();
        refresh();
        return dict::Benign;
    }
    if (control == untagAll) {
        untagEverything();
        refresh();
        return dict::Benign;
    }
    if (control == ok) {
        closedByOk_ = true;
        SetResponse(fw::RequestCompleted);
        return dict::Benign;
    }
    return WindowManager::TakeAccepted(control);
}

int TagBrowse::TakeCloseEvent()
{
    if (closedByOk_)
        completed();
    else
        cancelled();
    return WindowManager::TakeCloseEvent();
}

} // namespace app

namespace Brw {

using app::CustomerTable;
using app::customerNo;

// --- customers ----------------------------------------------------------------------------------

QString CustomersPrint_Billing_Labels_Inventory_Envelopes::titleFor(int startup)
{
    switch (startup) {
    case dict::StartUp::InventoryByCustomer: return QStringLiteral("Select Customer(s) for Inventory Consolidation...");
    case dict::StartUp::Billing: return QStringLiteral("Select Customer(s) for Billing...");
    case dict::StartUp::Envelopes: return QStringLiteral("Select Customer(s) for Envelopes...");
    default: return QStringLiteral("Select Customer(s) for Printing Labels...");
    }
}

int CustomersPrint_Billing_Labels_Inventory_Envelopes::Init()
{
    procedureName = "Brw:CustomersPrint_Billing_Labels_Inventory_Envelopes";
    WindowManager::Init();
    startup_ = GLO.STARTUP;
    GLO.STARTUP = dict::StartUp::None;
    GlobalRequest = 0;
    GlobalResponse = 0;
    if (Relate::CUSTOMER.Open() != dict::Benign)
        return dict::Notify;
    buildWindow(titleFor(startup_), {QStringLiteral("&Last Name"), QStringLiteral("C&ompany"),
                                     QStringLiteral("&Customer #")},
                &Relate::CUSTOMER);
    // Queue: 1 tag text, 2 tag icon, 3 last name, 4 first name, 5 company, 6 customer number.
    const char *tagColumn = "16C|I~ ~@s1@#1#";
    browse.AddSortOrder(CUS.CustomerName_Key, fw::makeStepFor(dict::FieldType::String, false),
                        std::string(tagColumn) + "70L(2)|~Last Name~@s15@#3#50L(2)|~First Name~@s10@#4#"
                                                 "110L(2)|~Company~@s40@#5#45L(2)|~Cust #~@s10@#6#");
    browse.AddLocator(std::make_unique<fw::StepLocatorClass>(dict::fieldRef(CUS, "LNAME")));
    browse.AddSortOrder(CUS.Company_Key, fw::makeStepFor(dict::FieldType::String, false),
                        std::string(tagColumn) + "110L(2)|~Company~@s40@#5#70L(2)|~Last Name~@s15@#3#"
                                                 "50L(2)|~First Name~@s10@#4#45L(2)|~Cust #~@s10@#6#");
    browse.AddLocator(std::make_unique<fw::StepLocatorClass>(dict::fieldRef(CUS, "COMPANY")));
    browse.AddSortOrder(CUS.CustomerNo_Key, fw::makeStepFor(dict::FieldType::String, false),
                        std::string(tagColumn) + "45L(2)|~Cust #~@s10@#6#70L(2)|~Last Name~@s15@#3#"
                                                 "50L(2)|~First Name~@s10@#4#110L(2)|~Company~@s40@#5#");
    browse.AddLocator(std::make_unique<fw::StepLocatorClass>(dict::fieldRef(CUS, "CUSTOMERNO")));
    browse.AddField([] { return fw::StepValue(std::string()); });
    browse.AddField([this] { return tagIcon(); });
    browse.AddField(dict::fieldRef(CUS, "LNAME"));
    browse.AddField(dict::fieldRef(CUS, "FNAME"));
    browse.AddField(dict::fieldRef(CUS, "COMPANY"));
    browse.AddField(dict::fieldRef(CUS, "CUSTOMERNO"));
    finishSetUp("Brw:CustomerLabels", "UserList");
    return Open();
}

int CustomersPrint_Billing_Labels_Inventory_Envelopes::Kill()
{
    WindowManager::Kill();
    Relate::CUSTOMER.Close();
    return dict::Benign;
}

bool CustomersPrint_Billing_Labels_Inventory_Envelopes::rowTagged()
{
    return ST::GetTagPos_(CustomerTable, customerNo()) == 1;
}

void CustomersPrint_Billing_Labels_Inventory_Envelopes::tagRow(bool on)
{
    on ? (void)ST::SetTagPos_(CustomerTable, customerNo()) : ST::ClrTagPos_(CustomerTable, customerNo());
}

void CustomersPrint_Billing_Labels_Inventory_Envelopes::tagEverything()
{
    ST::TagAllPos_(CustomerTable, browse, [] { return customerNo(); });
}

void CustomersPrint_Billing_Labels_Inventory_Envelopes::untagEverything() { ST::NewTagPos_(CustomerTable); }

void CustomersPrint_Billing_Labels_Inventory_Envelopes::completed()
{
    const char *report = startup_ == 3   ? "PRN:INVENTORYCONSOLIDATIONCUSTOMER"
                         : startup_ == 4 ? "PRN:CUSTOMERBILLING"
                         : startup_ == 6 ? "PRN:ENVELOPES"
                                         : "PRN:CUSTOMERLABELS";
    if (app::procedureDefined(report))
        GLO.STARTUP = static_cast<dict::BYTE>(startup_);
    app::runProcedure(report);
}

void CustomersPrint_Billing_Labels_Inventory_Envelopes::cancelled() { ST::NewTagPos_(CustomerTable); }

// --- invoices -----------------------------------------------------------------------------------

int InvoicesPrintMulitple::Init()
{
    procedureName = "Brw:InvoicesPrintMulitple";
    WindowManager::Init();
    GlobalRequest = 0;
    GlobalResponse = 0;
    if (Relate::INVOICE.Open() != dict::Benign)
        return dict::Notify;
    Relate::CUSTOMER.Open();
    buildWindow(QStringLiteral("Print Multiple Invoices..."),
                {QStringLiteral("&Invoice #"), QStringLiteral("&Customer #"), QStringLiteral("Invoice &Date"),
                 QStringLiteral("&Purchase Order #")},
                &Relate::INVOICE);
    // Queue: 1 tag text, 2 icon, 3 printed, 4 invoice, 5 customer, 6 date, 7 customer name, 8 PO.
    const std::string rest = "12C|~P~@s1@#3#40R(2)|~Inv #~@n_7@#4#45L(2)|~Cust #~@s10@#5#"
                             "45R(2)|~Date~@d2@#6#110L(2)|~Customer Name~@s35@#7#60L(2)|~PO #~@s15@#8#";
    const std::string format = "16C|I~ ~@s1@#1#" + rest;
    browse.AddSortOrder(INV.InvoiceNo_Key, fw::makeStepFor(dict::FieldType::Long, false), format);
    browse.AddLocator(std::make_unique<fw::StepLocatorClass>(dict::fieldRef(INV, "INVOICENO")));
    browse.AddSortOrder(INV.Customer_Key, fw::makeStepFor(dict::FieldType::String, false), format);
    browse.AddLocator(std::make_unique<fw::StepLocatorClass>(dict::fieldRef(INV, "CUSTOMERNO")));
    browse.AddSortOrder(INV.Date_Key, fw::makeStepFor(dict::FieldType::Long, false), format);
    browse.AddSortOrder(INV.POnumber_Key, fw::makeStepFor(dict::FieldType::String, false), format);
    browse.AddLocator(std::make_unique<fw::StepLocatorClass>(dict::fieldRef(INV, "PONUMBER")));
    browse.AddField([] { return fw::StepValue(std::string()); });
    browse.AddField([this] { return tagIcon(); });
    browse.AddField(dict::fieldRef(INV, "PRINTED"));
    browse.AddField(dict::fieldRef(INV, "INVOICENO"));
    browse.AddField(dict::fieldRef(INV, "CUSTOMERNO"));
    browse.AddField(dict::fieldRef(INV, "DATE"));
    browse.AddField([] {
        // The customer's name, looked up for each row.
        CUS.CUSTOMERNO = INV.CUSTOMERNO.view();
        if (Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) != dict::Benign)
            return fw::StepValue(std::string());
        std::string name = std::string(CUS.FNAME.view());
        name += (name.empty() ? "" : " ") + std::string(CUS.LNAME.view());
        return fw::StepValue(name.empty() ? std::string(CUS.COMPANY.view()) : name);
    });
    browse.AddField(dict::fieldRef(INV, "PONUMBER"));
    finishSetUp("Brw:InvoicesPrintMultiple", "TabChoice");
    return Open();
}

int InvoicesPrintMulitple::Kill()
{
    WindowManager::Kill();
    Relate::CUSTOMER.Close();
    Relate::INVOICE.Close();
    return dict::Benign;
}

bool InvoicesPrintMulitple::rowTagged() { return ST::GetTag_(app::InvoiceTable, INV.INVOICENO) == 1; }

void InvoicesPrintMulitple::tagRow(bool on)
{
    const std::string customer(INV.CUSTOMERNO.view());
    if (on) {
        ST::SetTag_(app::InvoiceTable, INV.INVOICENO);
        ST::SetTagPos_(CustomerTable, customer);
    } else {
        ST::ClrTag_(app::InvoiceTable, INV.INVOICENO);
        ST::ClrTagPos_(CustomerTable, customer);
    }
}

void InvoicesPrintMulitple::tagEverything()
{
    ST::TagAll_(app::InvoiceTable, browse, [] { return dict::LONG{INV.INVOICENO}; });
}

void InvoicesPrintMulitple::untagEverything()
{
    ST::NewTag_(app::InvoiceTable);
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
