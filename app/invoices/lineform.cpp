#include "app/invoices/lineform.h"

#include "app/common/formlayout.h"
#include "app/invoices/invoicebook.h"
#include "app/invoices/invoicemath.h"
#include "app/invoices/invoicemessages.h"
#include "app/invoices/linelayout.h"
#include "app/invoices/pickinventory.h"
#include "app/invoices/stockmoves.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/lookup.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace Upd {

namespace {

namespace inv = app::invoices;

int monthOf(dict::LONG date)
{
    const auto civil = fw::civilDate(date);
    return civil ? civil->month : 0;
}

} // namespace

InvoiceDescription::InvoiceDescription(bool linesHoldStock)
    : fw::Procedure({.name = "Upd:InvoiceDescription",
                     .title = "Update the Description Table",
                     .files = {Relate::DESCRIPTION, Access::STOCK, Access::SPECIAL},
                     .messages = {app::installInvoiceMessages},
                     .resizable = false})
    , linesHoldStock_(linesHoldStock)
{}

InvoiceDescription::~InvoiceDescription() = default;

int InvoiceDescription::Build()
{
    Primary = &Relate::DESCRIPTION;
    w_ = app::buildLineForm(window());
    w_->caption->setText(Request == fw::InsertRecord ? "Add Items to the Invoice" : "Change Items on the Invoice");
    bindFields();
    relabel();
    UseFormButtons(w_->ok, w_->cancel, w_->help);
    connectButton(w_->pick);
    connect(w_->laborLine, &QCheckBox::clicked, this, [this] { TakeAccepted(w_->laborLine); });
    for (QCheckBox *box : {w_->taxable, w_->gstTaxable})
        connect(box, &QCheckBox::clicked, this, [this, box] { TakeAccepted(box); });
    int option = 0;
    for (QRadioButton *radio : {w_->price1, w_->price2, w_->price3}) {
        ++option;
        connect(radio, &QRadioButton::clicked, this, [this, option] { choosePrice(option); });
    }
    FirstField = w_->laborLine;
    return dict::Benign;
}

void InvoiceDescription::bindFields()
{
    const app::LineWidgets &w = *w_;
    const std::string money = fw::moneyPicture();
    bind(w.invoiceNo, DES.INVOICENO, "@n06b");
    bind(w.itemNo, DES.ITEMNO, "@n_5");
    bind(w.laborLine, DES.LABORBUTTON);
    bind(w.stockNo, DES.STOCKNO);
    bind(w.category, DES.CATAGORY);
    bind(w.description, DES.DESCRIPTION);
    bind(w.unit, DES.PACKAGESIZE);
    bind(w.gstTaxable, DES.GSTTAXABLE);
    bind(w.gst, DES.GST, money);
    bind(w.taxable, DES.TAXABLE);
    bind(w.tax, DES.TAX, money);
    bind(w.price, DES.PRICE, "@n12.2");
    bind(w.quantity, DES.QUANTITY, app::numberPicture(GLO.CURRENCYNAME2.view(), "@n-10.2"));
    bind(w.labor, DES.LABOR, money);
    bind(w.lineDiscount, DES.LINEITEMDISCOUNT, "@n6.2").range(0, 100);
    bind(w.discountAmount, DES.DISCOUNTAMOUNT, money);
    bind(w.total, DES.AMOUNT, money);
    bind(w.delivery, DES.DELIVERYDATE, fw::datePicture());
}

// Tax boxes named by the regime; GST only where it is charged beside the provincial tax.
void InvoiceDescription::relabel()
{
    static const char *const boxes[] = {"PST Taxable", "VAT Taxable", "Taxable Item", "GST Taxable"};
    static const char *const prompts[] = {"PST:", "VAT:", "Tax:", "GST:"};
    w_->taxable->setText(QString::fromUtf8(dict::byTaxRegime(boxes, GLO.CANADIAN)));
    w_->taxLabel->setText(QString::fromUtf8(dict::byTaxRegime(prompts, GLO.CANADIAN)));
    const bool gst = GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst;
    for (QWidget *control : std::initializer_list<QWidget *>{w_->gstTaxable, w_->gstLabel, w_->gst})
        control->setVisible(gst);
    const bool customerDiscount = INV.CUSTOMERDISCOUNT != 0;
    w_->lineDiscountLabel->setEnabled(!customerDiscount);
    w_->lineDiscount->setEnabled(!customerDiscount);
}

void InvoiceDescription::PrimeFields()
{
    laborText_ = "TIME @" + fw::formatValue(INV.LABORRATE, fw::moneyPicture()) + " PER HOUR." + " SEE END OF INVOICE.";
    if (Request == fw::InsertRecord) {
        DES.INVOICENO = INV.INVOICENO;
        DES.LABORBUTTON = 0;
        DES.CUSTOMERNO = INV.CUSTOMERNO;
        DES.PRICEOPTION = 1;
        // Taxed unless the item or the user says otherwise.
        DES.TAXABLE = 1;
        DES.GSTTAXABLE = 1;
    }
    before_ = DES;
    priceSet_ = DES.PRICE;
    showPriceChoice(Request != fw::InsertRecord && DES.PRICEOPTION != 0);
    followKind();
    refigure();
}

// The item list's Delete: the line goes, and its stock comes back, in one unit of work.
int InvoiceDescription::PrimeUpdate()
{
    if (Request != fw::DeleteRecord)
        return Procedure::PrimeUpdate();
    Response = fw::RequestCancelled;
    if (REPORTS::Errors().Throw(dict::Msg::ConfirmDelete) == dict::Benign
        && inv::unbookLine(linesHoldStock_) == dict::Benign)
        Response = fw::RequestCompleted;
    return dict::Notify; // nothing left to ask
}

int InvoiceDescription::TakeAccepted(QWidget *control)
{
    const app::LineWidgets &w = *w_;
    if (control == w.pick) {
        pickItem();
        refigure();
        return dict::Benign;
    }
    const int result = Procedure::TakeAccepted(control);
    if (result != dict::Benign)
        return result;
    if (control == w.laborLine) {
        if (DES.LABORBUTTON != 0 && Request == fw::InsertRecord)
            DES.DESCRIPTION = laborText_;
        followKind();
        (DES.LABORBUTTON != 0 ? static_cast<QWidget *>(w.quantity) : w.pick)->setFocus();
    } else if (control == w.stockNo) {
        stockNumberTyped();
    }
    refigure();
    return dict::Benign;
}

// Screen values into the line, then the line refigured.
void InvoiceDescription::Update()
{
    Procedure::Update();
    if (DES.PRICE != priceSet_)
        DES.PRICEOPTION = 0; // a price typed by hand
}

void InvoiceDescription::pickItem()
{
    Update();
    dict::KeptBuffers kept{&Access::STOCK};
    GlobalRequest = fw::SelectRecord;
    Brw::GetInventory pick;
    if (pick.Run() != fw::RequestCompleted || STO.STOCKNO.blank())
        return;
    kept.release();
    takeItem(false);
    w_->price1->setFocus();
}

void InvoiceDescription::stockNumberTyped()
{
    STO.STOCKNO = DES.STOCKNO;
    if (DES.STOCKNO.blank() || Access::STOCK.TryFetch(STO.StockNo_Key) != dict::Benign) {
        DES.PRICEOPTION = 0;
        DES.RECORDNO = 0;
        showPriceChoice(false);
        return;
    }
    takeItem(true);
    w_->price1->setFocus();
}

// The item in the STO buffer becomes the line's: its description, cost, prices, weight and tax
// flags (a Taxable box the user cleared stays cleared when the number was typed).
void InvoiceDescription::takeItem(bool keepClearedTax)
{
    DES.CATAGORY = STO.CATAGORY;
    DES.DESCRIPTION = STO.DESCRIPTION;
    DES.STOCKNO = STO.STOCKNO;
    DES.RECORDNO = STO.RECORDNO;
    DES.PACKAGESIZE = STO.PACKAGESIZE;
    DES.COST = STO.COST;
    DES.PRICE1 = STO.RETAIL;
    DES.PRICE2 = STO.RETAIL2;
    DES.PRICE3 = STO.RETAIL3;
    if (!keepClearedTax || DES.TAXABLE != 0)
        DES.TAXABLE = STO.TAXABLE;
    DES.GSTTAXABLE = STO.GST;
    DES.WEIGHT = STO.WEIGHT;
    if (DES.PRICEOPTION == 0)
        DES.PRICEOPTION = 1;
    showPriceChoice(true);
}

void InvoiceDescription::showPriceChoice(bool shown)
{
    const app::LineWidgets &w = *w_;
    const std::string picture = fw::moneyPicture() + "b";
    const double prices[] = {DES.PRICE1, DES.PRICE2, DES.PRICE3};
    QRadioButton *radios[] = {w.price1, w.price2, w.price3};
    for (int i = 0; i < 3; ++i)
        radios[i]->setText(shown ? QString::fromStdString(fw::formatValue(prices[i], picture)).trimmed() : QString());
    w.priceChoiceLabel->setVisible(shown);
    for (QRadioButton *radio : radios)
        radio->setVisible(shown);
}

void InvoiceDescription::choosePrice(int option)
{
    Update();
    DES.PRICEOPTION = static_cast<dict::BYTE>(option);
    refigure();
    w_->quantity->setFocus();
}

// A labour line shows its labour amount; a stock line its price, total and delivery date.
void InvoiceDescription::followKind()
{
    const app::LineWidgets &w = *w_;
    const bool labor = DES.LABORBUTTON != 0;
    for (QWidget *control : std::initializer_list<QWidget *>{w.priceLabel, w.price, w.totalLabel, w.total,
                                                            w.deliveryLabel, w.delivery})
        control->setVisible(!labor);
    w.laborLabel->setVisible(labor);
    w.labor->setVisible(labor);
}

// The line's price by its price option, then its amounts and taxes.
void InvoiceDescription::refigure()
{
    const double prices[] = {DES.PRICE1, DES.PRICE2, DES.PRICE3};
    if (DES.PRICEOPTION >= 1 && DES.PRICEOPTION <= 3)
        DES.PRICE = prices[DES.PRICEOPTION - 1];
    priceSet_ = DES.PRICE;
    if (DES.PRICEOPTION == 0)
        showPriceChoice(false);
    QRadioButton *radios[] = {w_->price1, w_->price2, w_->price3};
    for (int i = 0; i < 3; ++i)
        radios[i]->setChecked(DES.PRICEOPTION == i + 1);
    inv::computeLine(DES, inv::lineTermsOf(INV, CUS.LONGDISTANCE != 0));
    Display();
}

// A newly chosen item must still be on file: another station may have deleted it meanwhile.
bool InvoiceDescription::itemStillThere()
{
    const bool sameItem = Request == fw::ChangeRecord && DES.STOCKNO == before_.STOCKNO
                          && DES.RECORDNO == before_.RECORDNO;
    if (!inv::movesStock(DES) || DES.RECORDNO == 0 || sameItem)
        return true;
    const bool found = dict::lookup(STO.StockNoRecordNo_Key, DES.STOCKNO, DES.RECORDNO).has_value();
    if (!found)
        REPORTS::Errors().ThrowMessage(app::InvMsg::StockItemGone, DES.STOCKNO.str());
    return found;
}

int InvoiceDescription::TakeCompleted()
{
    Update();
    refigure();
    if (DES.QUANTITY == 0) {
        REPORTS::Errors().Throw(app::InvMsg::EnterQuantity);
        w_->quantity->setFocus();
        return dict::Notify;
    }
    if (DES.QUANTITY < 0) {
        REPORTS::Errors().Throw(app::InvMsg::NegativeQuantity);
        w_->quantity->setFocus();
        return dict::Notify;
    }
    if (!itemStillThere()) {
        w_->stockNo->setFocus();
        return dict::Notify;
    }
    SaveHistory();
    DES.DATE = INV.DATE;
    DES.MONTH = static_cast<dict::SHORT>(monthOf(INV.DATE));
    DES.CUSTOMERNO = INV.CUSTOMERNO;
    if (inv::bookLine(Request == fw::InsertRecord, before_, linesHoldStock_) != dict::Benign)
        return dict::Notify;
    if (DES.LINEITEMDISCOUNT != 0)
        INV.LINEITEMDISCOUNT = 1; // from now on the lines carry the invoice's discounts
    SetResponse(fw::RequestCompleted);
    return dict::Benign;
}

} // namespace Upd
