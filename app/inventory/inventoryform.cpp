#include "app/inventory/inventoryform.h"

#include "app/vendors/pickvendor.h"

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
    : fw::FormProcedure({.name = "Upd:Inventory", .title = "Update Inventory Items...",
                         // receipts are written from the form itself
                         .files = {Relate::STOCK, Access::STSTREND},
                         .messages = {app::installMaintenanceMessages}, .resizable = false})
    , choosePicture(chooseWithDialog)
{}

// Quantities on hand and stock to add may go below zero (returns, corrections); what an item is
// ordered at, weighs, costs and sells for may not.
fw::FormDeclaration Inventory::Declare()
{
    using namespace fw::form;
    static const char *const taxable[] = {"PST Taxable", "VAT Taxable", "Taxable Item", "GST Taxable"};
    const std::string quantity = fw::quantityPicture("@n-13.2");
    const std::string money = fw::numberPicture(GLO.CURRENCYNAME.view(), "@n-13.2");
    const auto price = [](int level) { return QString::fromStdString(dict::priceName(level) + ":"); };
    const fw::FormItem item = column({
        field("&Vendor", STO.VENDOR).readOnly().named(Vendor).pickedBy("Select Vendor from Vendor List...", [this] {
            if (!app::pickVendor())
                return;
            STO.VENDOR = VEN.VENDOR.str();
            Display();
        }),
        flag(Special, "Tag as Special Item"),
        field("Category:", STO.CATAGORY),
        field("Stock #:", STO.STOCKNO).needed(app::MaintMsg::NoStockNo),
        field("Manufacture:", STO.MANUFACTUR),
        field("Part #:", STO.PARTNO),
        field("Desc:", STO.DESCRIPTION).width(30),
        field("Location of Item:", STO.LOCATION),
    }).stretchBy(1);
    const fw::FormItem picture = column({
        custom(Picture, [](QWidget *parent) {
            auto *frame = new QLabel(parent);
            frame->setFrameShape(QFrame::Box);
            frame->setFixedSize(160, 120);
            frame->setAlignment(Qt::AlignCenter);
            return frame;
        }),
        custom(PictureNote, [](QWidget *parent) {
            auto *note = new QLabel(parent);
            note->setWordWrap(true);
            note->setMaximumWidth(160);
            return note;
        }),
        button("Select &Inventory Picture", "Select Picture for Inventory Item...", [this] { pickPicture(); })
            .named(PictureButton),
    });
    const fw::FormItem quantities = group("", {
        check(dict::byTaxRegime(taxable, GLO.CANADIAN), STO.TAXABLE),
        check("GST Taxable", STO.GST).shownIf(GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst),
        check("Auto MarkUp", STO.INVENTORYMARKUP),
        field("Unit:", STO.PACKAGESIZE),
        field("Min ReOrder:", STO.MINAMOUNT, quantity).notNegative(),
        field("Max OnHand:", STO.MAXAMOUNT, quantity).notNegative(),
        input(AddStock, "Add Stock:", quantity),
        field("On Hand:", STO.AMOUNTINSTOCK, quantity),
        field("Weight:", STO.WEIGHT, "@n-13.2").notNegative(),
    });
    const fw::FormItem prices = group("", {
        check("Back Ordered", STO.BACKORDERED),
        field("Amount Back Ordered:", STO.AMOUNTBACKORDERED, fw::numberPicture(GLO.CURRENCYNAME5.view(), "@n-13.3"))
            .notNegative(),
        field("Date Back Ordered:", STO.BACKORDERDATE, fw::datePicture()),
        field("Cost:", STO.COST, "@n13.3").notNegative(),
        field(price(1), STO.RETAIL, money).notNegative(),
        field(price(2), STO.RETAIL2, money).notNegative(),
        field(price(3), STO.RETAIL3, money).notNegative(),
    });
    return {.primary = &Relate::STOCK,
            .caption = Request == fw::InsertRecord ? "Add an Inventory Item" : "Change an Inventory Item:",
            .items = {columns({item, picture}), columns({quantities, prices})},
            .okTip = "Adds item to Inventory..."};
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
    QCheckBox *special = form().flag(Special);
    special->setEnabled(!STO.STOCKNO.blank());
    special->setChecked(!STO.SPECIALITEM.blank());
    if (!STO.SPECIALITEM.blank())
        STO.INVENTORYMARKUP = 0;
    form().check(STO.INVENTORYMARKUP)->setEnabled(STO.SPECIALITEM.blank());
    markUp();
    form().entry(STO.RETAIL)->setReadOnly(GLO.INVENTORYMARKUP > 0 && STO.INVENTORYMARKUP == 1);
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
        STO.RETAIL = STO.COST + dict::percentCents(STO.COST, GLO.INVENTORYMARKUP);
}

void Inventory::clearBackOrder()
{
    STO.BACKORDERDATE = 0;
    STO.AMOUNTBACKORDERED = 0;
}

int Inventory::TakeAccepted(QWidget *control)
{
    if (control == form().flag(Special)) {
        STO.SPECIALITEM = form().flag(Special)->isChecked() ? SpecialMark : "";
        followForm();
        return dict::Benign;
    }
    if (control == form().input(AddStock)) {
        addStock();
        return dict::Benign;
    }
    const int result = FormProcedure::TakeAccepted(control);
    if (result != dict::Benign || !fieldOf(control))
        return result;
    if (control == form().check(STO.BACKORDERED) && STO.BACKORDERED == 0)
        clearBackOrder();
    followForm();
    return result;
}

void Inventory::addStock()
{
    QLineEdit *entry = form().input(AddStock);
    const QString typed = entry->text().trimmed();
    if (typed.isEmpty())
        return;
    const std::optional<double> quantity = fw::parsePlainNumber(typed.toStdString());
    entry->clear();
    if (!quantity) {
        QApplication::beep();
        REPORTS::Errors().ThrowMessage(fw::FrameMsg::InvalidEntry, "Add Stock: " + typed.toStdString() +
                                                                       " is not a quantity.");
        entry->setFocus();
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
    QLabel *frame = qobject_cast<QLabel *>(form().custom(Picture));
    QLabel *note = qobject_cast<QLabel *>(form().custom(PictureNote));
    frame->clear();
    note->clear();
    if (STO.ITEMPICTURE.blank())
        return;
    QPixmap pixmap(app::picturePath(STO.ITEMPICTURE.str()));
    if (pixmap.isNull()) {
        note->setText(QString::fromStdString("Picture not found: " + STO.ITEMPICTURE.str()));
        return;
    }
    frame->setPixmap(pixmap.scaled(frame->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

int Inventory::TakeCompleted()
{
    form().cancel()->setText("&Close");
    if (Request == fw::InsertRecord || Request == fw::ChangeRecord) {
        Update();
        STO.PICTURE = STO.ITEMPICTURE.blank() ? "" : "I";
        if (stockNoShared()) {
            VCRRequest = 0;
            form().entry(STO.STOCKNO)->setFocus();
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
