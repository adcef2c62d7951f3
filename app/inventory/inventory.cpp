#include "app/inventory/inventory.h"

#include "app/common/formlayout.h"
#include "app/inventory/inventoryform.h"
#include "app/common/maintenancemessages.h"
#include "app/common/redline.h"
#include "app/common/singleinstance.h"
#include "app/inventory/specialitems.h"
#include "app/inventory/stocklist.h"
#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

namespace Brw {

namespace {

struct Order {
    const char *tab, *tip;
    dict::KeyRef key;
    const char *locatorPrompt, *locatorField, *format;
};

#define FLAGS "8C*|~S~@s1@#1#8C*|~I~@s1@#6#"
const Order Orders[] = {
    {"&Stock #", "Sort Inventory by Stock #...", STO.StockNo_Key, "Search Stock #:", "STOCKNO",
     FLAGS "60L(1)*|~Stock #~C(0)@s15@#16#37L(1)*|~Category~C(0)@s10@#11#37L(1)*|~Location~C(0)@s10@#41#177L(1)*|~"
           "Description~C(0)@s50@#21#"},
    {"&Part #", "Sort Inventory by Part #...", STO.PartNo_Key, "Search Part #:", "PARTNO",
     FLAGS "80L(1)*|~Part #~C(0)@s20@#36#37L(1)*|~Category~C(0)@s10@#11#37L(1)*|~Location~C(0)@s10@#41#177L(1)*|~"
           "Description~C(0)@s50@#21#"},
    {"Ca&tegory", "Sort Inventory by Category...", STO.Catagory_Key, "Search Category:", "CATAGORY",
     FLAGS "37L(1)*|~Category~C(0)@s10@#11#60L(1)*|~Stock #~C(0)@s15@#16#37L(1)*|~Location~C(0)@s10@#41#177L(1)*|~"
           "Description~C(0)@s50@#21#"},
    {"&Manufacturer", "Sort Inventory by Manufacturer...", STO.Manufactur_Key, "Search Manufacturer:", "MANUFACTUR",
     FLAGS "65L(1)*|~Manufacturer~C(0)@s20@#26#80L(1)*|~Part #~C(0)@s20@#36#37L(1)*|~Location~C(0)@s10@#41#177L(1)*|"
           "~Description~C(0)@s50@#21#"},
    {"&Vendor", "Sort Inventory by Vendor...", STO.Vendor_Key, "Search by Vendor:", "VENDOR",
     FLAGS "63L(1)*|~Vendor~C(0)@s20@#31#60L(1)*|~Stock #~C(0)@s15@#16#37L(1)*|~Location~C(0)@s10@#41#177L(1)*|~"
           "Description~C(0)@s50@#21#"},
    {"&Description", nullptr, STO.Description_Key, "Search by Description:", "DESCRIPTION",
     FLAGS "230L(1)*|~Description~C(0)@s50@#21#37L(1)*|~Category~C(0)@s10@#11#60L(1)*|~Stock #~C(0)@s15@#16#37L(1)*|"
           "~Location~C(0)@s10@#41#"},
};
#undef FLAGS

dict::FieldRef sto(const char *name) { return dict::fieldRef(STO, name); }

QLabel *value(QGridLayout *grid, int r, int column, QLabel **prompt, const char *text)
{
    auto *label = new QLabel(text);
    if (prompt)
        *prompt = label;
    auto *shown = new QLabel;
    shown->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    shown->setMinimumWidth(80);
    grid->addWidget(label, r, column);
    grid->addWidget(shown, r, column + 1);
    return shown;
}

std::string moneyPicture() { return GLO.CURRENCYNAME.blank() ? "@n-13.2" : GLO.CURRENCYNAME.str(); }

QString shown(double number, const std::string &picture)
{
    return QString::fromStdString(fw::formatValue(number, picture)).trimmed();
}

} // namespace

Inventory::Inventory()
    : browse_(std::make_unique<StockList>())
{}

Inventory::~Inventory() = default;

fw::BrowseClass &Inventory::browse() { return *browse_; }

int Inventory::Init()
{
    procedureName = "Brw:Inventory";
    WindowManager::Init();
    const bool selecting = Request == fw::SelectRecord;
    GlobalRequest = 0;
    GlobalResponse = 0;
    app::installMaintenanceMessages(REPORTS::Errors());
    if (!selecting && app::bringOpenCopyForward(procedureName))
        return dict::Notify;
    if (Relate::STOCK.Open() != dict::Benign)
        return dict::Notify;
    Access::SPECIAL.Open();
    filesOpen_ = true;
    buildWindow();
    browse_->Init(w_.list, &Relate::STOCK, this);
    addOrders();
    browse_->AddSheet(w_.tabs);
    browse_->SetUpdateButtons(w_.insert, w_.change, w_.remove);
    browse_->SetSettings(procedureName);
    browse_->onHighlight = [this] { followHighlight(); };
    connectButton(w_.special);
    AddItem(w_.close, fw::RequestCancelled);
    FirstField = w_.list;
    return Open();
}

void Inventory::buildWindow()
{
    QWidget *window = CreateWindow("Inventory Records...");
    auto *layout = new QVBoxLayout(window);
    auto *columns = new QHBoxLayout;
    auto *listBox = new QGroupBox("Browsing Inventory Records", window);
    auto *listLayout = new QVBoxLayout(listBox);
    listLayout->addWidget(w_.tabs = new QTabBar(listBox));
    for (const Order &order : Orders) {
        const int tab = w_.tabs->addTab(order.tab);
        if (order.tip)
            w_.tabs->setTabToolTip(tab, order.tip);
    }
    auto *locatorRow = new QHBoxLayout;
    locatorRow->addWidget(w_.locatorPrompt = new QLabel(listBox));
    locatorRow->addWidget(w_.locator = new QLineEdit(listBox), 1);
    w_.locatorPrompt->setBuddy(w_.locator);
    listLayout->addLayout(locatorRow);
    listLayout->addWidget(w_.list = new fw::BrowseList(listBox), 1);
    columns->addWidget(listBox, 1);
    columns->addWidget(buildSidePanel(window));
    layout->addLayout(columns, 1);

    auto *buttons = new QHBoxLayout;
    w_.insert = app::button(buttons, "&Add", "Add New Record...");
    w_.change = app::button(buttons, "&Change", "Change Highlighted Record...");
    w_.remove = app::button(buttons, "&Delete", "Delete Highlighted Record...");
    w_.special = app::button(buttons, "Sp&ecial Item", "Display Highlighted Special Item List...");
    buttons->addStretch();
    w_.help = app::button(buttons, "&Help", "Help...");
    w_.help->setEnabled(false); // no help pages yet
    w_.close = app::button(buttons, "Close", "Close and return to menu...");
    layout->addLayout(buttons);
    window->resize(900, 480);
}

QWidget *Inventory::buildSidePanel(QWidget *parent)
{
    auto *panel = new QWidget(parent);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *single = new QGroupBox("Single Item Information", panel);
    auto *grid = new QGridLayout(single);
    w_.cost = value(grid, 0, 0, nullptr, "Cost:");
    w_.price1 = value(grid, 1, 0, &w_.price1Label, "Price 1:");
    w_.price2 = value(grid, 2, 0, &w_.price2Label, "Price 2:");
    w_.price3 = value(grid, 3, 0, &w_.price3Label, "Price 3:");
    w_.unit = value(grid, 4, 0, nullptr, "Unit:");
    w_.weight = value(grid, 5, 0, nullptr, "Wt:");
    layout->addWidget(single);
    auto *totals = new QGroupBox("Totals", panel);
    auto *sums = new QGridLayout(totals);
    w_.onHand = value(sums, 0, 0, nullptr, "On Hand");
    w_.totalCost = value(sums, 1, 0, nullptr, "Cost");
    w_.total1 = value(sums, 2, 0, &w_.total1Header, "Price 1");
    w_.total2 = value(sums, 3, 0, &w_.total2Header, "Price 2");
    w_.total3 = value(sums, 4, 0, &w_.total3Header, "Price 3");
    layout->addWidget(totals);
    layout->addStretch();
    if (!GLO.PRICE1.blank()) {
        const std::string names[] = {GLO.PRICE1.str(), GLO.PRICE2.str(), GLO.PRICE3.str()};
        QLabel *prompts[] = {w_.price1Label, w_.price2Label, w_.price3Label};
        QLabel *headers[] = {w_.total1Header, w_.total2Header, w_.total3Header};
        for (int i = 0; i < 3; ++i) {
            prompts[i]->setText(QString::fromStdString(names[i] + ":"));
            headers[i]->setText(QString::fromStdString(names[i]));
        }
    }
    return panel;
}

void Inventory::addOrders()
{
    for (const Order &order : Orders) {
        browse_->AddSortOrder(order.key, fw::makeStepFor(dict::FieldType::String, false), order.format);
        browse_->AddLocator(std::make_unique<fw::EntryLocatorClass>(sto(order.locatorField), w_.locator));
    }
    for (const char *name : {"SPECIALITEM", "PICTURE", "CATAGORY", "STOCKNO", "DESCRIPTION", "MANUFACTUR", "VENDOR",
                             "PARTNO", "LOCATION"})
        app::addRedLineField(*browse_, sto(name), browse_->red());
    for (const char *name : {"ITEMPICTURE", "PACKAGESIZE", "AMOUNTINSTOCK", "COST", "RETAIL", "RETAIL2", "RETAIL3"})
        browse_->AddField(sto(name));
}

int Inventory::Kill()
{
    WindowManager::Kill();
    if (filesOpen_) {
        Access::SPECIAL.Close();
        Relate::STOCK.Close();
    }
    filesOpen_ = false;
    return dict::Benign;
}

// The highlighted item's prices and the value of its stock (nothing when none is on hand).
void Inventory::followHighlight()
{
    const Order &order = Orders[browse_->Order() - 1];
    w_.locatorPrompt->setText(order.locatorPrompt);
    const bool any = browse_->page().current() != nullptr;
    w_.special->setEnabled(any && !STO.SPECIALITEM.blank());
    const std::string money = moneyPicture();
    const double onHand = any && STO.AMOUNTINSTOCK > 0 ? STO.AMOUNTINSTOCK : 0;
    const std::pair<QLabel *, double> values[] = {
        {w_.cost, double{STO.COST}},  {w_.price1, double{STO.RETAIL}},  {w_.price2, double{STO.RETAIL2}},
        {w_.price3, double{STO.RETAIL3}}, {w_.weight, double{STO.WEIGHT}}, {w_.onHand, onHand},
        {w_.totalCost, STO.COST * onHand}, {w_.total1, STO.RETAIL * onHand},
        {w_.total2, STO.RETAIL2 * onHand}, {w_.total3, STO.RETAIL3 * onHand},
    };
    for (const auto &[label, number] : values)
        label->setText(any ? shown(number, label == w_.onHand || label == w_.weight ? "@n-13.2" : money) : QString());
    w_.unit->setText(any ? QString::fromStdString(STO.PACKAGESIZE.str()) : QString());
}

int Inventory::TakeAccepted(QWidget *control)
{
    if (control == w_.special) {
        if (browse_->UpdateViewRecord()) {
            Brw::InventorySpecialItems components;
            components.Run();
        }
        browse_->ResetFromFile(true);
        w_.list->view()->setFocus();
        return dict::Benign;
    }
    return WindowManager::TakeAccepted(control);
}

int Inventory::Run(int, int)
{
    Upd::Inventory form;
    form.Run();
    return GlobalResponse;
}

} // namespace Brw
