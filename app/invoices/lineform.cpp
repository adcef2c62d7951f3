#include "app/invoices/lineform.h"

#include "app/common/stockitem.h"
#include "app/invoices/invoicebook.h"
#include "app/invoices/invoicemath.h"
#include "app/invoices/invoicemessages.h"
#include "app/invoices/pickinventory.h"
#include "app/invoices/stockmoves.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/lookup.h"
#include "framework/errorclass.h"
#include "framework/optionbox.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace Upd {

namespace {

namespace inv = app::invoices;

} // namespace

InvoiceDescription::InvoiceDescription(bool linesHoldStock)
    : fw::FormProcedure({.name = "Upd:InvoiceDescription",
                         .title = "Update the Description Table",
                         .files = {Relate::DESCRIPTION, Access::STOCK, Access::SPECIAL},
                         .messages = {app::installInvoiceMessages},
                         .resizable = false})
    , linesHoldStock_(linesHoldStock)
{}

// Tax boxes named by the regime; GST only where it is charged beside the provincial tax.
fw::FormDeclaration InvoiceDescription::Declare()
{
    using namespace fw::form;
    static const char *const boxes[] = {"PST Taxable", "VAT Taxable", "Taxable Item", "GST Taxable"};
    static const char *const prompts[] = {"PST:", "VAT:", "Tax:", "GST:"};
    const bool gst = GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst;
    const std::string money = fw::moneyPicture();
    const fw::FormItem item = group("Item Description", {
        button("&Item", "Select Items from Inventory List...", [this] { pickItem(); }).named(PickItem),
        field("Stock #:", DES.STOCKNO),
        field("Category:", DES.CATAGORY),
        field("Description:", DES.DESCRIPTION).span(3).width(40),
        field("Unit:", DES.PACKAGESIZE),
        options("Select Price:", DES.PRICEOPTION, {{"", "1"}, {"", "2"}, {"", "3"}}, 3),
    });
    return {.primary = &Relate::DESCRIPTION,
            .caption = Request == fw::InsertRecord ? "Add Items to the Invoice" : "Change Items on the Invoice",
            .items = {
                field("Invoice #:", DES.INVOICENO, "@n06b").width(8).readOnly(),
                field("Item #:", DES.ITEMNO, "@n_5").readOnly().beside(),
                check(" Is this a Labor Entry?", DES.LABORBUTTON).span(3),
                item,
                check("GST Taxable", DES.GSTTAXABLE).shownIf(gst),
                field("GST:", DES.GST, money).readOnly().beside().shownIf(gst),
                check(dict::byTaxRegime(boxes, GLO.CANADIAN), DES.TAXABLE),
                field(dict::byTaxRegime(prompts, GLO.CANADIAN), DES.TAX, money).readOnly().beside(),
                field("Item Price:", DES.PRICE, "@n12.2"),
                field("Line Item Discount:", DES.LINEITEMDISCOUNT, "@n6.2").width(7).within(0, 100).beside(),
                field("Quantity:", DES.QUANTITY, fw::quantityPicture()),
                field("Discount Amount:", DES.DISCOUNTAMOUNT, money).readOnly().beside(),
                field("Labor:", DES.LABOR, money).readOnly(),
                field("Total Price:", DES.AMOUNT, money).readOnly().beside(),
                field("Expected Delivery Date:", DES.DELIVERYDATE, fw::datePicture()),
            },
            .okTip = "Adds Items to Invoice..."};
}

// A customer's discount leaves no line a discount of its own.
int InvoiceDescription::Built()
{
    form().enable(DES.LINEITEMDISCOUNT, INV.CUSTOMERDISCOUNT == 0);
    return dict::Benign;
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
    const int result = FormProcedure::TakeAccepted(control);
    if (result != dict::Benign)
        return result;
    if (control == form().check(DES.LABORBUTTON)) {
        if (DES.LABORBUTTON != 0 && Request == fw::InsertRecord)
            DES.DESCRIPTION = laborText_;
        followKind();
        (DES.LABORBUTTON != 0 ? static_cast<QWidget *>(form().entry(DES.QUANTITY)) : form().button(PickItem))->setFocus();
    } else if (control == form().entry(DES.STOCKNO)) {
        stockNumberTyped();
    } else if (control == form().options(DES.PRICEOPTION)) {
        form().entry(DES.QUANTITY)->setFocus();
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
    form().options(DES.PRICEOPTION)->setFocus();
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
    form().options(DES.PRICEOPTION)->setFocus();
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
    const std::string picture = fw::moneyPicture() + "b";
    const double prices[] = {DES.PRICE1, DES.PRICE2, DES.PRICE3};
    for (int i = 0; i < 3; ++i)
        form().options(DES.PRICEOPTION)->option(QString::number(i + 1))->setText(
            shown ? QString::fromStdString(fw::formatValue(prices[i], picture)).trimmed() : QString());
    form().show(DES.PRICEOPTION, shown);
}

// A labour line shows its labour amount; a stock line its price, total and delivery date.
void InvoiceDescription::followKind()
{
    const bool labor = DES.LABORBUTTON != 0;
    for (const dict::FieldRef &stockOnly : dict::fields(DES.PRICE, DES.AMOUNT, DES.DELIVERYDATE))
        form().show(stockOnly, !labor);
    form().show(DES.LABOR, labor);
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
    return app::stockItemOnFile(DES.STOCKNO, DES.RECORDNO);
}

int InvoiceDescription::TakeCompleted()
{
    Update();
    refigure();
    if (DES.QUANTITY == 0) {
        REPORTS::Errors().Throw(app::InvMsg::EnterQuantity);
        form().entry(DES.QUANTITY)->setFocus();
        return dict::Notify;
    }
    if (DES.QUANTITY < 0) {
        REPORTS::Errors().Throw(app::InvMsg::NegativeQuantity);
        form().entry(DES.QUANTITY)->setFocus();
        return dict::Notify;
    }
    if (!itemStillThere()) {
        form().entry(DES.STOCKNO)->setFocus();
        return dict::Notify;
    }
    SaveHistory();
    DES.DATE = INV.DATE;
    DES.MONTH = static_cast<dict::SHORT>(fw::monthOf(INV.DATE));
    DES.CUSTOMERNO = INV.CUSTOMERNO;
    if (inv::bookLine(Request == fw::InsertRecord, before_, linesHoldStock_) != dict::Benign)
        return dict::Notify;
    if (DES.LINEITEMDISCOUNT != 0)
        INV.LINEITEMDISCOUNT = 1; // from now on the lines carry the invoice's discounts
    SetResponse(fw::RequestCompleted);
    return dict::Benign;
}

} // namespace Upd
