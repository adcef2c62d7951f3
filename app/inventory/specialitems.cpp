#include "app/inventory/specialitems.h"

#include "app/common/formlayout.h"
#include "app/common/gatedlist.h"
#include "app/common/maintenancemessages.h"
#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Brw {

namespace {

dict::FieldRef spe(const char *name) { return dict::fieldRef(SPE, name); }

std::string moneyPicture() { return GLO.CURRENCYNAME.blank() ? "@n-13.2" : GLO.CURRENCYNAME.str(); }

} // namespace

class ComponentList : public app::GatedList
{
};

InventorySpecialItems::InventorySpecialItems()
    : browse_(std::make_unique<ComponentList>())
{}

InventorySpecialItems::~InventorySpecialItems() = default;

fw::BrowseClass &InventorySpecialItems::browse() { return *browse_; }

int InventorySpecialItems::Init()
{
    procedureName = "Brw:InventorySpecialItems";
    WindowManager::Init();
    GlobalRequest = 0;
    GlobalResponse = 0;
    app::installMaintenanceMessages(REPORTS::Errors());
    if (Relate::STOCK.Open() != dict::Benign)
        return dict::Notify;
    Relate::SPECIAL.Open();
    filesOpen_ = true;
    owner_ = STO.STOCKNO.view();

    QWidget *window = CreateWindow(QString::fromStdString("Special Item List - " + owner_.str()));
    auto *layout = new QVBoxLayout(window);
    layout->addWidget(w_.list = new fw::BrowseList(window), 1);
    auto *total = new QHBoxLayout;
    total->addStretch();
    total->addWidget(new QLabel("Total Cost:", window));
    total->addWidget(w_.totalCost = new QLabel(window));
    w_.totalCost->setMinimumWidth(90);
    w_.totalCost->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addLayout(total);
    auto *buttons = new QHBoxLayout;
    w_.insert = app::button(buttons, "&Add", "Add New Record...");
    w_.change = app::button(buttons, "&Change", "Change Highlighted Record...");
    w_.remove = app::button(buttons, "&Delete", "Delete Highlighted Record...");
    buttons->addStretch();
    w_.help = app::button(buttons, "&Help", "Help...");
    w_.help->setEnabled(false); // no help pages yet
    w_.close = app::button(buttons, "Close", "Close Special Item List...");
    layout->addLayout(buttons);
    window->resize(620, 360);

    browse_->Init(w_.list, &Relate::SPECIAL, this);
    browse_->AddSortOrder(SPE.StockNo_Key, {},
                          "72L(1)|~Stock #~C(0)@s20@#1#89L(1)|~Description~C(0)@s50@#2#41R(1)|~Amount~C(0)@s12@#3#"
                          "40R(1)~Cost~C(0)" + moneyPicture() + "b@#4#");
    browse_->AddRange(dict::fieldRef(STO, "STOCKNO"));
    for (const char *name : {"STOCKNO1", "DESCRIPTION", "AMOUNT", "COST"})
        browse_->AddField(spe(name));
    browse_->SetUpdateButtons(w_.insert, w_.change, w_.remove);
    browse_->onHighlight = [this] { sumCosts(); };
    AddItem(w_.close, fw::RequestCancelled);
    FirstField = w_.list;
    return Open();
}

// The total over every component of the item, read apart from the list's own reading.
void InventorySpecialItems::sumCosts()
{
    const int buffer = Access::SPECIAL.SaveBuffer();
    const int position = Access::SPECIAL.SaveFile();
    total_ = 0;
    SPE.STOCKNO = owner_.view();
    Access::SPECIAL.ClearKey(SPE.StockNo_Key, 2);
    Access::SPECIAL.SetAt(SPE.StockNo_Key);
    while (Access::SPECIAL.TryNext() == dict::Benign && SPE.STOCKNO == owner_)
        total_ += SPE.COST;
    Access::SPECIAL.RestoreFile(position);
    Access::SPECIAL.RestoreBuffer(buffer);
    w_.totalCost->setText(QString::fromStdString(fw::formatValue(total_, moneyPicture())).trimmed());
}

// A special item costs what its components cost.
void InventorySpecialItems::rollUpCost()
{
    sumCosts();
    STO.STOCKNO = owner_.view();
    if (Access::STOCK.TryFetch(STO.StockNo_Key) != dict::Benign)
        return;
    if (STO.COST != total_) {
        STO.COST = total_;
        Access::STOCK.Update();
    }
}

int InventorySpecialItems::Kill()
{
    WindowManager::Kill();
    if (filesOpen_) {
        rollUpCost();
        Relate::SPECIAL.Close();
        Relate::STOCK.Close();
    }
    filesOpen_ = false;
    return dict::Benign;
}

int InventorySpecialItems::Run(int, int)
{
    Upd::InventorySpecialItem form;
    form.Run();
    STO.STOCKNO = owner_.view(); // the list stays on its own item
    return GlobalResponse;
}

} // namespace Brw

namespace Upd {

namespace {
dict::FieldRef spe(const char *name) { return dict::fieldRef(SPE, name); }
} // namespace

int InventorySpecialItem::Init()
{
    procedureName = "Upd:InventorySpecialItem";
    WindowManager::Init();
    GlobalRequest = 0;
    GlobalResponse = 0;
    if (Relate::SPECIAL.Open() != dict::Benign)
        return dict::Notify;
    Access::STOCK.Open();
    filesOpen_ = true;
    Primary = &Relate::SPECIAL;
    Resizable = false;
    buildWindow();
    AddField(w_.itemNo, spe("STOCKNO1"));
    AddField(w_.description, spe("DESCRIPTION"));
    AddField(w_.quantity, spe("AMOUNT"), "@n-13.2");
    AddField(w_.cost, spe("COST"), GLO.CURRENCYNAME.blank() ? "@n-13.2" : GLO.CURRENCYNAME.str());
    OkControl = w_.ok;
    connectButton(w_.ok);
    connectButton(w_.itemButton);
    AddItem(w_.cancel, fw::RequestCancelled);
    FirstField = w_.itemNo;
    return Open();
}

void InventorySpecialItem::buildWindow()
{
    QWidget *window = CreateWindow(Request == fw::InsertRecord ? "Add an Inventory Item" : "Change an Inventory Item");
    auto *layout = new QVBoxLayout(window);
    auto *grid = new QGridLayout;
    app::row(grid, 0, 0, "Item #:", w_.itemNo = app::entry(window, 20, 20));
    w_.itemButton = new QPushButton("...", window);
    w_.itemButton->setToolTip("Select Item from Inventory for Special Item List...");
    grid->addWidget(w_.itemButton, 0, 2);
    app::row(grid, 1, 0, "Description:", w_.description = app::entry(window, 100, 36), 2);
    app::row(grid, 2, 0, "Quantity Used:", w_.quantity = app::numberEntry(window, 12));
    app::row(grid, 3, 0, "Cost:", w_.cost = app::numberEntry(window, 12));
    w_.cost->setReadOnly(true);
    w_.cost->setFocusPolicy(Qt::NoFocus);
    layout->addLayout(grid);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    w_.ok = new QPushButton("Ok", window);
    w_.ok->setToolTip("Ok...");
    w_.ok->setDefault(true);
    w_.cancel = new QPushButton("Cancel", window);
    w_.cancel->setToolTip("Cancel and Return...");
    buttons->addWidget(w_.ok);
    buttons->addWidget(w_.cancel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int InventorySpecialItem::Kill()
{
    WindowManager::Kill();
    if (filesOpen_) {
        Access::STOCK.Close();
        Relate::SPECIAL.Close();
    }
    filesOpen_ = false;
    return dict::Benign;
}

void InventorySpecialItem::PrimeFields()
{
    if (Request == fw::InsertRecord)
        SPE.STOCKNO = STO.STOCKNO.view();
    followForm();
}

void InventorySpecialItem::followForm()
{
    SPE.COST = SPE.SINGLECOST * SPE.AMOUNT;
    Display();
}

// A typed item number takes the stock item's description and unit cost, as a pick would.
void InventorySpecialItem::takeStockItem()
{
    const int saved = Access::STOCK.SaveBuffer();
    STO.STOCKNO = SPE.STOCKNO1.view();
    if (!SPE.STOCKNO1.blank() && Access::STOCK.TryFetch(STO.StockNo_Key) == dict::Benign) {
        SPE.DESCRIPTION = STO.DESCRIPTION.view().substr(0, SPE.DESCRIPTION.size());
        SPE.SINGLECOST = STO.COST;
        w_.quantity->setFocus();
    }
    Access::STOCK.RestoreBuffer(saved);
}

int InventorySpecialItem::TakeAccepted(QWidget *control)
{
    if (control == w_.itemButton) {
        REPORTS::Errors().ThrowMessage(app::MaintMsg::ProcedureNotDefined, "Brw:GetInventory");
        return dict::Benign;
    }
    const double before = SPE.AMOUNT;
    const int result = WindowManager::TakeAccepted(control);
    if (result != dict::Benign)
        return result;
    if (control == w_.quantity && SPE.AMOUNT < 0) {
        SPE.AMOUNT = before;
        QApplication::beep();
        REPORTS::Errors().SetField("Quantity Used");
        REPORTS::Errors().Throw(app::MaintMsg::CannotBeNegative);
        w_.quantity->setFocus();
    }
    if (control == w_.itemNo)
        takeStockItem();
    followForm();
    return result;
}

int InventorySpecialItem::TakeCompleted()
{
    Update();
    followForm();
    return WindowManager::TakeCompleted();
}

} // namespace Upd
