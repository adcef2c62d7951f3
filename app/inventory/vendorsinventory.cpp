#include "app/inventory/vendorsinventory.h"

#include "app/common/formlayout.h"
#include "app/inventory/inventoryform.h"
#include "app/common/redline.h"
#include "app/inventory/stocklist.h"
#include "framework/browselist.h"
#include "framework/picture.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace Brw {

namespace {

struct Order {
    const char *tab, *tip;
    dict::KeyRef key;
    const char *locatorPrompt, *locatorField, *format;
};

const Order Orders[] = {
    {"&Stock #", "Sort Items by Stock #...", STO.StockNo_Key, "Search Stock #:", "STOCKNO",
     "55L(1)*|~Stock #~C(0)@s15@#6#55L(1)*|~Part #~C(0)@s15@#16#106L(1)*~Description~C(0)@s50@#11#"},
    {"&Part #", "Displays Vendor Part Numbers...", STO.PartNo_Key, "Search Part #:", "PARTNO",
     "55L(1)*|~Part #~C(0)@s15@#16#37L(1)*|~Catagory~C(0)@s10@#1#106L(1)*~Description~C(0)@s50@#11#"},
    {"&Category", "Sort Items by Category...", STO.Catagory_Key, "Search Category:", "CATAGORY",
     "37L(1)*~Catagory~C(0)@s10@#1#55L(1)*|~Part #~C(0)@s15@#16#106L(1)*~Description~C(0)@s50@#11#"},
    {"&Description", nullptr, STO.Description_Key, "Search by Description:", "DESCRIPTION",
     "150L(1)*|~Description~C(0)@s50@#11#55L(1)*|~Part #~C(0)@s15@#16#55L(1)*|~Stock #~C(0)@s15@#6#"},
};

QLabel *value(QGridLayout *grid, int row, const char *text)
{
    grid->addWidget(new QLabel(QString::fromUtf8(text)), row, 0);
    auto *shown = new QLabel;
    shown->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    shown->setMinimumWidth(80);
    grid->addWidget(shown, row, 1);
    return shown;
}

QString money(double amount)
{
    const std::string picture = GLO.CURRENCYNAME.blank() ? "@n-13.2" : GLO.CURRENCYNAME.str();
    return QString::fromStdString(fw::formatValue(amount, picture)).trimmed();
}

} // namespace

VendorsInventory::VendorsInventory()
    : browse_(std::make_unique<StockList>())
{}

VendorsInventory::~VendorsInventory() = default;

int VendorsInventory::Init()
{
    procedureName = "Brw:VendorsInventory";
    WindowManager::Init();
    GlobalRequest = 0;
    GlobalResponse = 0;
    if (Relate::STOCK.Open() != dict::Benign)
        return dict::Notify;
    filesOpen_ = true;
    buildWindow();
    browse_->Init(w_.list, &Relate::STOCK, this);
    browse_->Bindings().bindRecord("VEN", dict::fileDef(dict::FileId::VENDOR), &VEN);
    for (const Order &order : Orders) {
        browse_->AddSortOrder(order.key, fw::makeStepFor(dict::FieldType::String, false), order.format);
        browse_->SetFilter("Sto:Vendor=Ven:Vendor");
        browse_->AddLocator(std::make_unique<fw::EntryLocatorClass>(dict::fieldRef(STO, order.locatorField), w_.locator));
    }
    for (const char *name : {"CATAGORY", "STOCKNO", "DESCRIPTION", "PARTNO"})
        app::addRedLineField(*browse_, dict::fieldRef(STO, name), browse_->red());
    browse_->AddSheet(w_.tabs);
    browse_->SetUpdateButtons(w_.insert, w_.change, w_.remove, w_.select);
    browse_->SetSettings("Brw:VendorInventory");
    browse_->onHighlight = [this] { followHighlight(); };
    AddItem(w_.cancel, fw::RequestCancelled);
    FirstField = w_.list;
    return Open();
}

void VendorsInventory::buildWindow()
{
    QWidget *window = CreateWindow(QStringLiteral("Vendor Inventory"));
    auto *layout = new QVBoxLayout(window);
    auto *columns = new QHBoxLayout;
    auto *listSide = new QVBoxLayout;
    listSide->addWidget(w_.tabs = new QTabBar(window));
    for (const Order &order : Orders) {
        const int tab = w_.tabs->addTab(QString::fromUtf8(order.tab));
        if (order.tip)
            w_.tabs->setTabToolTip(tab, QString::fromUtf8(order.tip));
    }
    auto *locatorRow = new QHBoxLayout;
    locatorRow->addWidget(w_.locatorPrompt = new QLabel(window));
    locatorRow->addWidget(w_.locator = new QLineEdit(window), 1);
    w_.locatorPrompt->setBuddy(w_.locator);
    listSide->addLayout(locatorRow);
    listSide->addWidget(w_.list = new fw::BrowseList(window), 1);
    columns->addLayout(listSide, 1);
    auto *item = new QGroupBox(QStringLiteral("Item"), window);
    auto *grid = new QGridLayout(item);
    w_.unit = value(grid, 0, "Unit:");
    w_.onHand = value(grid, 1, "On Hand:");
    w_.cost = value(grid, 2, "Cost:");
    w_.price1 = value(grid, 3, "Price 1:");
    w_.price2 = value(grid, 4, "Price 2:");
    w_.price3 = value(grid, 5, "Price 3:");
    grid->setRowStretch(6, 1);
    columns->addWidget(item);
    layout->addLayout(columns, 1);
    auto *buttons = new QHBoxLayout;
    w_.insert = app::button(buttons, "&Add", "Add New Record...");
    w_.change = app::button(buttons, "&Change", "Change Highlighted Record...");
    w_.remove = app::button(buttons, "&Delete", "Delete Highlighted Record...");
    w_.select = app::button(buttons, "S&elect", "Select Highlighted Item...");
    buttons->addStretch();
    w_.cancel = app::button(buttons, "Cancel", "Cancel and return to previous screen...");
    layout->addLayout(buttons);
    window->resize(760, 420);
}

void VendorsInventory::followHighlight()
{
    w_.locatorPrompt->setText(QString::fromUtf8(Orders[browse_->Order() - 1].locatorPrompt));
    const bool any = browse_->page().current() != nullptr;
    w_.unit->setText(any ? QString::fromStdString(STO.PACKAGESIZE.str()) : QString());
    w_.onHand->setText(any ? QString::fromStdString(fw::formatValue(STO.AMOUNTINSTOCK, "@n-13.2")).trimmed() : QString());
    const std::pair<QLabel *, double> prices[] = {
        {w_.cost, double{STO.COST}}, {w_.price1, double{STO.RETAIL}},
        {w_.price2, double{STO.RETAIL2}}, {w_.price3, double{STO.RETAIL3}}};
    for (const auto &[label, amount] : prices)
        label->setText(any ? money(amount) : QString());
}

int VendorsInventory::Kill()
{
    WindowManager::Kill();
    if (filesOpen_)
        Relate::STOCK.Close();
    filesOpen_ = false;
    return dict::Benign;
}

int VendorsInventory::Run(int, int)
{
    Upd::Inventory form;
    form.Run();
    return GlobalResponse;
}

} // namespace Brw
