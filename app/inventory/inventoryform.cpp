#include "app/inventory/inventoryform.h"

#include "app/common/formlayout.h"
#include "app/inventory/inventorylayout.h"
#include "app/common/maintenancemessages.h"
#include "app/inventory/picturefiles.h"
#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "framework/errorclass.h"
#include "framework/framemessages.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace Upd {

namespace {

dict::FieldRef sto(const char *name) { return dict::fieldRef(STO, name); }

// Quantities show through the quantity picture when it is a number picture.
std::string numberPicture(std::string_view picture, std::string_view fallback)
{
    const bool number = picture.size() > 1 && (picture[1] == 'n' || picture[1] == 'N');
    return std::string(number ? picture : fallback);
}

QString chooseWithDialog(QWidget *parent, const QString &proposed)
{
    return QFileDialog::getOpenFileName(parent, "Select the File for this Stock Item...",
                                        QDir(app::picturesFolder()).absoluteFilePath(proposed),
                                        "BMP (*.bmp);;GIF (*.gif);;JPG (*.jpg *.jpeg);;PNG (*.png)");
}

constexpr const char *SpecialMark = "S";

} // namespace

Inventory::Inventory()
    : choosePicture(chooseWithDialog)
{}

Inventory::~Inventory() = default;

int Inventory::Init()
{
    procedureName = "Upd:Inventory";
    WindowManager::Init();
    GlobalRequest = 0;
    GlobalResponse = 0;
    app::installMaintenanceMessages(REPORTS::Errors());
    if (Relate::STOCK.Open() != dict::Benign)
        return dict::Notify;
    Access::STSTREND.Open(); // receipts are written from the form itself
    filesOpen_ = true;
    Primary = &Relate::STOCK;
    Resizable = false;
    w_ = app::buildInventoryForm(CreateWindow("Update Inventory Items..."));
    w_->caption->setText(Request == fw::InsertRecord ? "Add an Inventory Item" : "Change an Inventory Item:");
    bindFields();
    relabel();
    OkControl = w_->ok;
    for (QPushButton *button : {w_->ok, w_->vendor, w_->pictureButton})
        connectButton(button);
    connect(w_->special, &QCheckBox::clicked, this, [this] { TakeAccepted(w_->special); });
    connect(w_->addStock, &QLineEdit::editingFinished, this, [this] { TakeAccepted(w_->addStock); });
    AddItem(w_->cancel, fw::RequestCancelled);
    FirstField = w_->category;
    return Open();
}

int Inventory::Kill()
{
    WindowManager::Kill();
    if (filesOpen_) {
        Access::STSTREND.Close();
        Relate::STOCK.Close();
    }
    filesOpen_ = false;
    return dict::Benign;
}

void Inventory::bindFields()
{
    const app::InventoryWidgets &w = *w_;
    const std::pair<QWidget *, const char *> bound[] = {
        {w.vendorName, "VENDOR"},       {w.category, "CATAGORY"},   {w.stockNo, "STOCKNO"},
        {w.manufacturer, "MANUFACTUR"}, {w.partNo, "PARTNO"},       {w.description, "DESCRIPTION"},
        {w.location, "LOCATION"},       {w.taxable, "TAXABLE"},     {w.gst, "GST"},
        {w.autoMarkup, "INVENTORYMARKUP"}, {w.unit, "PACKAGESIZE"}, {w.backOrdered, "BACKORDERED"},
    };
    for (const auto &[control, field] : bound)
        AddField(control, sto(field));
    const std::string quantity = numberPicture(GLO.CURRENCYNAME2.view(), "@n-13.2");
    const std::string money = numberPicture(GLO.CURRENCYNAME.view(), "@n-13.2");
    AddField(w.minReorder, sto("MINAMOUNT"), quantity);
    AddField(w.maxOnHand, sto("MAXAMOUNT"), quantity);
    AddField(w.onHand, sto("AMOUNTINSTOCK"), quantity);
    AddField(w.weight, sto("WEIGHT"), "@n-13.2");
    AddField(w.amountBackOrdered, sto("AMOUNTBACKORDERED"), numberPicture(GLO.CURRENCYNAME5.view(), "@n-13.3"));
    AddField(w.dateBackOrdered, sto("BACKORDERDATE"), GLO.DATENAME.blank() ? "@d2b" : GLO.DATENAME.str());
    AddField(w.cost, sto("COST"), "@n13.3");
    AddField(w.price1, sto("RETAIL"), money);
    AddField(w.price2, sto("RETAIL2"), money);
    AddField(w.price3, sto("RETAIL3"), money);
}

void Inventory::relabel()
{
    const app::InventoryWidgets &w = *w_;
    static const char *const taxable[] = {"PST Taxable", "VAT Taxable", "Taxable Item", "GST Taxable"};
    if (GLO.CANADIAN >= 1 && GLO.CANADIAN <= 4)
        w.taxable->setText(taxable[GLO.CANADIAN - 1]);
    w.gst->setVisible(GLO.CANADIAN == 1);
    if (!GLO.PRICE1.blank()) {
        w.price1Label->setText(QString::fromStdString(GLO.PRICE1.str() + ":"));
        w.price2Label->setText(QString::fromStdString(GLO.PRICE2.str() + ":"));
        w.price3Label->setText(QString::fromStdString(GLO.PRICE3.str() + ":"));
    }
}

void Inventory::PrimeFields()
{
    if (Request == fw::InsertRecord) {
        STO.INVENTORYMARKUP = GLO.INVENTORYMARKUP > 0;
        STO.TAXABLE = GLO.AUTOTAXITEM;
        STO.GST = GLO.AUTOTAXITEM;
    }
    if (STO.BACKORDERED == 0)
        clearBackOrder();
    followForm();
    showPicture();
}

// What the form keeps in step on every event: the special-item box, the mark-up and price 1.
void Inventory::followForm()
{
    const app::InventoryWidgets &w = *w_;
    w.special->setEnabled(!STO.STOCKNO.blank());
    w.special->setChecked(!STO.SPECIALITEM.blank());
    if (!STO.SPECIALITEM.blank())
        STO.INVENTORYMARKUP = 0;
    w.autoMarkup->setEnabled(STO.SPECIALITEM.blank());
    markUp();
    w.price1->setReadOnly(GLO.INVENTORYMARKUP > 0 && STO.INVENTORYMARKUP == 1);
    Display();
}

// Price 1 as computed, not as its two-decimal display reads back, while auto mark-up is on.
void Inventory::Update()
{
    WindowManager::Update();
    markUp();
}

void Inventory::markUp()
{
    if (GLO.INVENTORYMARKUP > 0 && STO.INVENTORYMARKUP == 1 && STO.COST > 0)
        STO.RETAIL = STO.COST + dict::roundCents(STO.COST * GLO.INVENTORYMARKUP / 100);
}

void Inventory::clearBackOrder()
{
    STO.BACKORDERDATE = 0;
    STO.AMOUNTBACKORDERED = 0;
}

int Inventory::TakeAccepted(QWidget *control)
{
    const app::InventoryWidgets &w = *w_;
    if (control == w.vendor) {
        REPORTS::Errors().ThrowMessage(app::MaintMsg::ProcedureNotDefined, "Brw:GetVendor");
        return dict::Benign;
    }
    if (control == w.pictureButton) {
        pickPicture();
        return dict::Benign;
    }
    if (control == w.special) {
        STO.SPECIALITEM = w.special->isChecked() ? SpecialMark : "";
        followForm();
        return dict::Benign;
    }
    if (control == w.addStock) {
        addStock();
        return dict::Benign;
    }
    fw::FormField *field = fieldOf(control);
    const double before = field && field->def()->type == dict::FieldType::Real
                              ? dict::realOf(*field->def(), &STO)
                              : 0;
    const int result = WindowManager::TakeAccepted(control);
    if (result != dict::Benign || !field)
        return result;
    if (refuseNegative(control, before))
        return dict::Notify;
    if (control == w.backOrdered && STO.BACKORDERED == 0)
        clearBackOrder();
    followForm();
    return result;
}

// Quantities, weights, costs and prices below zero make no sense: the field keeps its value.
bool Inventory::refuseNegative(QWidget *control, double before)
{
    const app::InventoryWidgets &w = *w_;
    const QWidget *const neverNegative[] = {w.minReorder, w.maxOnHand, w.weight, w.amountBackOrdered,
                                            w.cost, w.price1, w.price2, w.price3};
    if (std::find(std::begin(neverNegative), std::end(neverNegative), control) == std::end(neverNegative))
        return false;
    fw::FormField *field = fieldOf(control);
    if (dict::realOf(*field->def(), &STO) >= 0)
        return false;
    dict::setReal(*field->def(), &STO, before);
    field->display();
    QApplication::beep();
    fw::ErrorClass &errors = REPORTS::Errors();
    errors.SetField(app::promptOf(control).toStdString());
    errors.Throw(app::MaintMsg::CannotBeNegative);
    control->setFocus();
    return true;
}

void Inventory::addStock()
{
    const QString typed = w_->addStock->text().trimmed();
    if (typed.isEmpty())
        return;
    const std::optional<double> quantity = fw::parsePlainNumber(typed.toStdString());
    w_->addStock->clear();
    if (!quantity) {
        QApplication::beep();
        REPORTS::Errors().ThrowMessage(fw::FrameMsg::InvalidEntry, "Add Stock: " + typed.toStdString() +
                                                                       " is not a quantity.");
        w_->addStock->setFocus();
        return;
    }
    Update();
    STO.AMOUNTINSTOCK += *quantity;
    if (*quantity > 0 && !STO.STOCKNO.blank())
        recordReceipt(*quantity);
    followForm();
}

void Inventory::recordReceipt(double quantity)
{
    const int saved = Access::STSTREND.SaveBuffer();
    if (Access::STSTREND.PrimeRecord() == dict::Benign) {
        const fw::DayNumber day = fw::today();
        STS.STOCKNO = STO.STOCKNO.view();
        STS.PARTNO = STO.PARTNO.view();
        STS.DATERECEIVED = day;
        STS.MONTH = static_cast<dict::SHORT>(fw::civilDate(day)->month);
        STS.AMOUNTRECEIVED = quantity;
        if (Access::STSTREND.Insert() == dict::Benign)
            receipts_.push_back(STS.RECORDNO);
    }
    Access::STSTREND.RestoreBuffer(saved);
}

// A cancelled form discards the quantities it added, so the receipts it wrote go too: exactly
// those, found by their record numbers, never another receipt of the same item and day.
void Inventory::takeBackReceipts()
{
    const int saved = Access::STSTREND.SaveBuffer();
    for (long recordNo : receipts_) {
        STS.RECORDNO = static_cast<dict::LONG>(recordNo);
        if (Access::STSTREND.TryFetch(STS.RecordNo_Key) == dict::Benign)
            Relate::STSTREND.Delete(false);
    }
    receipts_.clear();
    Access::STSTREND.RestoreBuffer(saved);
}

int Inventory::TakeCloseEvent()
{
    const int result = WindowManager::TakeCloseEvent();
    if (result == dict::Benign && Response != fw::RequestCompleted)
        takeBackReceipts();
    return result;
}

void Inventory::pickPicture()
{
    Update();
    const QString chosen = choosePicture(window(), QString::fromStdString(STO.ITEMPICTURE.str()));
    if (chosen.isEmpty())
        return;
    if (!app::readablePicture(chosen)) {
        REPORTS::Errors().ThrowMessage(app::MaintMsg::NotAPicture, chosen.toStdString());
        return;
    }
    const std::optional<std::string> name = app::pictureName(chosen, STO.ITEMPICTURE.size());
    if (!name) {
        REPORTS::Errors().ThrowMessage(app::MaintMsg::PictureNameTooLong, chosen.toStdString());
        return;
    }
    STO.ITEMPICTURE = *name;
    showPicture();
}

// A missing or unreadable picture leaves the frame empty with a note; it is never an error box,
// so a form on a damaged picture opens like any other.
void Inventory::showPicture()
{
    const app::InventoryWidgets &w = *w_;
    w.picture->clear();
    w.pictureNote->clear();
    if (STO.ITEMPICTURE.blank())
        return;
    QPixmap pixmap(app::picturePath(STO.ITEMPICTURE.str()));
    if (pixmap.isNull()) {
        w.pictureNote->setText(QString::fromStdString("Picture not found: " + STO.ITEMPICTURE.str()));
        return;
    }
    w.picture->setPixmap(pixmap.scaled(w.picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

int Inventory::TakeCompleted()
{
    w_->cancel->setText("&Close");
    if (Request == fw::InsertRecord || Request == fw::ChangeRecord) {
        Update();
        STO.PICTURE = STO.ITEMPICTURE.blank() ? "" : "I";
        if (STO.STOCKNO.blank()) {
            REPORTS::Errors().Throw(app::MaintMsg::NoStockNo);
            VCRRequest = 0;
            w_->stockNo->setFocus();
            return dict::Notify;
        }
    }
    return WindowManager::TakeCompleted();
}

} // namespace Upd
