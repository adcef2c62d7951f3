#include "app/creditmemos/creditlineform.h"

#include "app/common/stockitem.h"
#include "app/creditmemos/creditbook.h"
#include "app/creditmemos/creditmessages.h"
#include "app/invoices/invoicemessages.h"
#include "app/invoices/pickinventory.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/lookup.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QLineEdit>

namespace Upd {

namespace {

namespace cre = app::creditmemos;

} // namespace

CreditMemoDescription::CreditMemoDescription()
    : fw::FormProcedure({.name = "Upd:CreditMemoDescription",
                         .title = "Update the Description Table",
                         .files = {Relate::CRSCRIPTION, Access::STOCK, Access::SPECIAL},
                         .messages = {app::installInvoiceMessages, app::installCreditMemoMessages},
                         .resizable = false})
{}

// Tax boxes named by the regime; GST only where it is charged beside the provincial tax.
fw::FormDeclaration CreditMemoDescription::Declare()
{
    using namespace fw::form;
    static const char *const boxes[] = {"PST Taxable", "VAT Taxable", "Taxable Item", "GST Taxable"};
    static const char *const prompts[] = {"PST:", "VAT:", "Tax:", "GST:"};
    const bool gst = GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst;
    const std::string money = fw::moneyPicture();
    return {.primary = &Relate::CRSCRIPTION,
            .caption = Request == fw::InsertRecord ? "Add Items to the Credit Memo" : "Chang Items on the Credit Memo",
            .items = {
                field("Credit Memo #:", CRS.CREDITMEMONO, "@n06b").width(8).readOnly(),
                field("Item #:", CRS.ITEMNO, "@n_5").readOnly().beside(),
                button("&Item", "Select Item from Inventory List...", [this] { pickItem(); }).named(PickItem),
                field("Stock #:", CRS.STOCKNO).beside(),
                field("Category:", CRS.CATAGORY),
                field("Unit:", CRS.PACKAGESIZE).beside(),
                field("Description:", CRS.DESCRIPTION).span(3).width(40),
                check("GST Taxable", CRS.GSTTAXABLE).shownIf(gst),
                field("GST:", CRS.GST, money).readOnly().beside().shownIf(gst),
                check(dict::byTaxRegime(boxes, GLO.CANADIAN), CRS.TAXABLE),
                field(dict::byTaxRegime(prompts, GLO.CANADIAN), CRS.TAX, money).readOnly().beside(),
                field("Item Price:", CRS.PRICE, "@n12.2"),
                field("Quantity:", CRS.QUANTITY, fw::quantityPicture()).beside(),
                field("Line Item Discount:", CRS.LINEITEMDESCRIPTION, "@n6.2").width(7).within(0, 100),
                field("Discount Amount:", CRS.DISCOUNTAMOUNT, "@n12.4").readOnly().beside(),
                field("Total Price:", CRS.AMOUNT, money).readOnly(),
            },
            .okTip = "Adds Items to Credit Memo..."};
}

// A customer's discount leaves no line a discount of its own.
int CreditMemoDescription::Built()
{
    form().enable(CRS.LINEITEMDESCRIPTION, CRE.CUSTOMERDISCOUNT == 0);
    return dict::Benign;
}

void CreditMemoDescription::PrimeFields()
{
    if (Request == fw::InsertRecord) {
        CRS.CREDITMEMONO = CRE.CREDITMEMONO;
        CRS.CUSTOMERNO = CRE.CUSTOMERNO;
        CRS.TAXABLE = 1;
        CRS.GSTTAXABLE = 1;
    }
    before_ = CRS;
    refigure();
}

// The line list's Delete: the line goes, and the stock it returned goes out again, in one unit.
int CreditMemoDescription::PrimeUpdate()
{
    if (Request != fw::DeleteRecord)
        return Procedure::PrimeUpdate();
    Response = fw::RequestCancelled;
    if (REPORTS::Errors().Throw(dict::Msg::ConfirmDelete) == dict::Benign && cre::unbookCreditLine() == dict::Benign)
        Response = fw::RequestCompleted;
    return dict::Notify; // nothing left to ask
}

int CreditMemoDescription::TakeAccepted(QWidget *control)
{
    const int result = FormProcedure::TakeAccepted(control);
    if (result != dict::Benign)
        return result;
    if (control == form().entry(CRS.STOCKNO))
        stockNumberTyped();
    refigure();
    return dict::Benign;
}

void CreditMemoDescription::pickItem()
{
    Update();
    dict::KeptBuffers kept{&Access::STOCK};
    GlobalRequest = fw::SelectRecord;
    Brw::GetInventory pick;
    if (pick.Run() != fw::RequestCompleted || STO.STOCKNO.blank())
        return;
    kept.release();
    takeItem();
    form().entry(CRS.QUANTITY)->setFocus();
}

void CreditMemoDescription::stockNumberTyped()
{
    STO.STOCKNO = CRS.STOCKNO;
    if (CRS.STOCKNO.blank() || Access::STOCK.TryFetch(STO.StockNo_Key) != dict::Benign) {
        CRS.RECORDNO = 0;
        return;
    }
    takeItem();
    form().entry(CRS.QUANTITY)->setFocus();
}

// The item in the STO buffer becomes the line's, at its first price.
void CreditMemoDescription::takeItem()
{
    CRS.CATAGORY = STO.CATAGORY;
    CRS.DESCRIPTION = STO.DESCRIPTION;
    CRS.STOCKNO = STO.STOCKNO;
    CRS.RECORDNO = STO.RECORDNO;
    CRS.PACKAGESIZE = STO.PACKAGESIZE;
    CRS.COST = STO.COST;
    CRS.PRICE = STO.RETAIL;
    CRS.TAXABLE = STO.TAXABLE;
    CRS.GSTTAXABLE = STO.GST;
    CRS.WEIGHT = STO.WEIGHT;
}

void CreditMemoDescription::refigure()
{
    cre::computeCreditLine(CRS, CRE, CUS.LONGDISTANCE != 0);
    Display();
}

// A newly chosen item must still be on file: another station may have deleted it meanwhile.
bool CreditMemoDescription::itemStillThere()
{
    const bool sameItem = Request == fw::ChangeRecord && CRS.STOCKNO == before_.STOCKNO
                          && CRS.RECORDNO == before_.RECORDNO;
    if (CRS.LABORBUTTON != 0 || CRS.STOCKNO.blank() || CRS.RECORDNO == 0 || sameItem)
        return true;
    return app::stockItemOnFile(CRS.STOCKNO, CRS.RECORDNO);
}

int CreditMemoDescription::TakeCompleted()
{
    Update();
    refigure();
    if (CRS.QUANTITY <= 0) {
        REPORTS::Errors().Throw(CRS.QUANTITY == 0 ? app::InvMsg::EnterQuantity : app::CreMsg::NegativeQuantity);
        form().entry(CRS.QUANTITY)->setFocus();
        return dict::Notify;
    }
    if (!itemStillThere()) {
        form().entry(CRS.STOCKNO)->setFocus();
        return dict::Notify;
    }
    SaveHistory();
    CRS.DATE = CRE.DATE;
    CRS.MONTH = static_cast<dict::SHORT>(fw::monthOf(CRE.DATE));
    CRS.CUSTOMERNO = CRE.CUSTOMERNO;
    if (cre::bookCreditLine(Request == fw::InsertRecord, before_) != dict::Benign)
        return dict::Notify;
    if (CRS.LINEITEMDESCRIPTION != 0)
        CRE.LINEITEMDISCOUNT = 1; // from now on the lines carry the memo's discounts
    SetResponse(fw::RequestCompleted);
    return dict::Benign;
}

} // namespace Upd
