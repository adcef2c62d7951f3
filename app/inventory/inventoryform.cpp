#include "app/inventory/inventoryform.h"

#include "app/common/formlayout.h"
#include "app/inventory/inventorylayout.h"
#include "app/common/maintenancemessages.h"
#include "app/inventory/picturefiles.h"
#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/lookup.h"
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

#include <algorithm>

namespace Upd {

namespace {

QString chooseWithDialog(QWidget *parent, const QString &proposed)
{
    return QFileDialog::getOpenFileName(parent, "Select the File for this Stock Item...",
                                        QDir(app::picturesFolder()).absoluteFilePath(proposed),
                                        "BMP (*.bmp);;GIF (*.gif);;JPG (*.jpg *.jpeg);;PNG (*.png)");
}

constexpr const char *SpecialMark = "S";

} // namespace

Inventory::Inventory()
    : fw::Procedure({.name = "Upd:Inventory", .title = "Update Inventory Items...",
                     // receipts are written from the form itself
                     .files = {Relate::STOCK, Access::STSTREND},
                     .messages = {app::installMaintenanceMessages}, .resizable = false})
    , choosePicture(chooseWithDialog)
{}

Inventory::~Inventory() = default;

int Inventory::Build()
{
    Primary = &Relate::STOCK;
    w_ = app::buildInventoryForm(window());
    w_->caption->setText(Request == fw::InsertRecord ? "Add an Inventory Item" : "Change an Inventory Item:");
    bindFields();
    relabel();
    UseFormButtons(w_->ok, w_->cancel, w_->help);
    connectButton(w_->vendor);
    connectButton(w_->pictureButton);
    connect(w_->special, &QCheckBox::clicked, this, [this] { TakeAccepted(w_->special); });
    connect(w_->addStock, &QLineEdit::editingFinished, this, [this] { TakeAccepted(w_->addStock); });
    FirstField = w_->category;
    return dict::Benign;
}

// Quantities on hand and stock to add may go below zero (returns, corrections); what an item is
// ordered at, weighs, costs and sells for may not.
void Inventory::bindFields()
{
    const app::InventoryWidgets &w = *w_;
    bind(w.vendorName, STO.VENDOR);
    bind(w.category, STO.CATAGORY);
    bind(w.stockNo, STO.STOCKNO);
    bind(w.manufacturer, STO.MANUFACTUR);
    bind(w.partNo, STO.PARTNO);
    bind(w.description, STO.DESCRIPTION);
    bind(w.location, STO.LOCATION);
    bind(w.taxable, STO.TAXABLE);
    bind(w.gst, STO.GST);
    bind(w.autoMarkup, STO.INVENTORYMARKUP);
    bind(w.unit, STO.PACKAGESIZE);
    bind(w.backOrdered, STO.BACKORDERED);
    const std::string quantity = app::numberPicture(GLO.CURRENCYNAME2.view(), "@n-13.2");
    const std::string money = app::numberPicture(GLO.CURRENCYNAME.view(), "@n-13.2");
    bind(w.minReorder, STO.MINAMOUNT, quantity).nonNegative();
    bind(w.maxOnHand, STO.MAXAMOUNT, quantity).nonNegative();
    bind(w.onHand, STO.AMOUNTINSTOCK, quantity);
    bind(w.weight, STO.WEIGHT, "@n-13.2").nonNegative();
    bind(w.amountBackOrdered, STO.AMOUNTBACKORDERED, app::numberPicture(GLO.CURRENCYNAME5.view(), "@n-13.3"))
        .nonNegative();
    bind(w.dateBackOrdered, STO.BACKORDERDATE, fw::datePicture());
    bind(w.cost, STO.COST, "@n13.3").nonNegative();
    bind(w.price1, STO.RETAIL, money).nonNegative();
    bind(w.price2, STO.RETAIL2, money).nonNegative();
    bind(w.price3, STO.RETAIL3, money).nonNegative();
}

void Inventory::relabel()
{
    const app::InventoryWidgets &w = *w_;
    static const char *const taxable[] = {"PST Taxable", "VAT Taxable", "Taxable Item", "GST Taxable"};
    w.taxable->setText(dict::byTaxRegime(taxable, GLO.CANADIAN));
    w.gst->setVisible(GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst);
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
    Procedure::Update();
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
    const int result = Procedure::TakeAccepted(control);
    if (result != dict::Benign || !fieldOf(control))
        return result;
    if (control == w.backOrdered && STO.BACKORDERED == 0)
        clearBackOrder();
    followForm();
    return result;
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
    dict::KeptBuffers kept{&Access::STSTREND};
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
}

// A cancelled form discards the quantities it added, so the receipts it wrote go too: exactly
// those, found by their record numbers, never another receipt of the same item and day.
void Inventory::takeBackReceipts()
{
    dict::KeptBuffers kept{&Access::STSTREND};
    for (long recordNo : receipts_) {
        STS.RECORDNO = static_cast<dict::LONG>(recordNo);
        if (Access::STSTREND.TryFetch(STS.RecordNo_Key) == dict::Benign)
            Relate::STSTREND.Delete(false);
    }
    receipts_.clear();
}

int Inventory::TakeCloseEvent()
{
    const int result = Procedure::TakeCloseEvent();
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
        if (stockNoShared()) {
            VCRRequest = 0;
            w_->stockNo->setFocus();
            return dict::Notify;
        }
    }
    return Procedure::TakeCompleted();
}

// Two items may share a stock number (the key allows it), but it is seldom meant: the user is
// asked before a save gives a second item the number, and a No keeps the form open.
bool Inventory::stockNoShared()
{
    const dict::LONG self = STO.RECORDNO;
    const dict::String<20> number = STO.STOCKNO;
    const auto items = dict::range(STO.StockNo_Key, number);
    if (std::ranges::none_of(items, [self](const dict::STOCKRecord &item) { return item.RECORDNO != self; }))
        return false;
    fw::ErrorClass &errors = REPORTS::Errors();
    errors.SetField(number.str());
    const int answer = errors.Message(app::MaintMsg::StockNoInUse, dict::ButtonYes | dict::ButtonNo, dict::ButtonNo);
    return answer != dict::ButtonYes;
}

} // namespace Upd
