#include "app/creditmemos/creditmemoform.h"

#include "app/common/maintenancemessages.h"
#include "app/creditmemos/creditbook.h"
#include "app/creditmemos/creditlineform.h"
#include "app/creditmemos/creditmessages.h"
#include "app/invoices/customerterms.h"
#include "app/memos/documentmemos.h"
#include "app/invoices/invoicemessages.h"
#include "app/invoices/pickcustomer.h"
#include "app/shell/procedures.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"
#include "tagging/tags.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QScopeGuard>

namespace Upd {

namespace {

namespace cre = app::creditmemos;

void clearCustomer() { dict::clearRecord(Access::CUSTOMER.Def(), Access::CUSTOMER.Buffer().bytes); }

// The line list: "#", "Stock No", "Description", "Quantity", "Price", "Amount".
std::string lineFormat()
{
    const std::string money = fw::moneyPicture();
    return "16R(2)|M~#~C(0)@n2@#1#"
           "60L(2)|M~Stock No~C(0)@s20@#2#"
           "160L(2)|M~Description~C(0)@s45@#3#"
           "44R(2)|M~Quantity~C(0)" + fw::quantityPicture() + "@#4#"
           "52R(2)|M~Price~C(0)" + money + "@#5#"
           "56R(2)|M~Amount~C(0)" + money + "@#6#";
}

} // namespace

CreditMemo::CreditMemo(dict::LONG unfinished)
    : app::BookedDocumentForm({.name = "Upd:CreditMemo",
                         .title = "Update the Credit Memo File",
                         .files = {Relate::CREDIT, Relate::CRSCRIPTION, Access::FINANCE, Access::INVOICE,
                                   Access::DESCRIPTION, Access::CUSTOMER, Access::STOCK, Access::SPECIAL},
                         .messages = {app::installCreditMemoMessages, app::installInvoiceMessages,
                                      app::installMaintenanceMessages},
                         .serves = fw::ServesAll},
                        {app::Entry::CreditMemo, Access::CREDIT, CRE.CreditMemoNo_Key, dict::field(CRE.CREDITMEMONO)}, unfinished)
{}

// The frame's new credit memo is always an Insert, whatever request was left over.
bool CreditMemo::Admit()
{
    if (GLO.NEWCREDITMEMO == 1 || unfinished() != 0)
        Request = OriginalRequest = fw::InsertRecord;
    openingTaxRate_ = GLO.TAXRATE;
    return true;
}

QString CreditMemo::WindowTitle() const
{
    return inserting() ? "Add a Credit Memo" : Request == fw::ChangeRecord ? "Change a Credit Memo"
                                                                           : FormProcedure::WindowTitle();
}

fw::FormDeclaration CreditMemo::Declare()
{
    using namespace fw::form;
    const std::string money = fw::moneyPicture();
    const fw::FormItem header = column({
        field("Date:", CRE.DATE, fw::datePicture()),
        field("Credit Memo #:", CRE.CREDITMEMONO, "@n_10").readOnly().beside(),
        field("Cust #:", CRE.CUSTOMERNO),
        button("C&ustomer", "Select Customer from list...", [this] { pickCustomer(); }).named(PickCustomer).beside(),
        field("PO#:", CRE.PONUMBER),
        field("Inv #:", CRE.INVOICENO, "@n06b").width(8).notNegative().beside(),
        field("First Name:", CUS.FNAME).width(15).readOnly(),
        field("Last Name:", CUS.LNAME).readOnly().beside(),
        field("Company:", CUS.COMPANY).width(30).span(3).readOnly(),
        field("Customer Discount:", CRE.CUSTOMERDISCOUNT, "@n6.2b").width(7).within(0, 100),
        field("Salesman:", CRE.SALESMAN).beside(),
        flag(Memo, "Memo is Present"),
    });
    const fw::FormItem lines = fw::form::lines(Items, {
        .file = &Relate::CRSCRIPTION,
        .key = CRS.CreditMemoNo_Key,
        .range = dict::field(CRE.CREDITMEMONO),
        .format = lineFormat,
        .values = {fw::Plain(CRS.ITEMNO), fw::Plain(CRS.STOCKNO), fw::Plain(CRS.DESCRIPTION), fw::Plain(CRS.QUANTITY),
                   fw::Plain(CRS.PRICE), fw::Plain(CRS.AMOUNT)},
        .add = {"&Add", "Add item to Credit Memo...", AddLine},
        .change = {"&Change", "Change highlighted item on Credit Memo...", ChangeLine},
        .remove = {"&Delete", "Delete Highlighted item from Credit Memo...", DeleteLine},
        .minimumWidth = 720, // every column of a line in view
    });
    const bool gst = GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst;
    const fw::FormItem totals = group("", {
        field("SubTotal", CRE.RETAIL, money).readOnly(),
        field("Shipping", CRE.SHIPPING, money).readOnly().beside(),
        input(DiscountSum, "Discount", money).readOnly(),
        field("Labor", CRE.LABOR, money).readOnly().beside(),
        field("Total", CRE.TOTALDISCOUNT, money).readOnly(),
        field("Total Credit", CRE.TOTALDUE, "@n-12.2").readOnly().beside(),
        field(dict::taxName(GLO.CANADIAN), CRE.TAX, "@n13.5").readOnly(),
        field("GST", CRE.GST, "@n13.5").readOnly().shownIf(gst),
    });
    return {.primary = &Relate::CREDIT,
            .caption = inserting() ? "Add a Credit Memo" : "Change a Credit Memo",
            .items = {header, lines, totals},
            .foot = {button("&Memo", "Add Memo to Credit Memo...", [this] { showMemo(); }).named(MemoButton)},
            .okText = "&Save",
            .okTip = "Save and Print Credit Memo...",
            .fixedSize = false};
}

int CreditMemo::Built()
{
    if (const int result = BookedDocumentForm::Built(); result != dict::Benign)
        return result;
    form().flag(Memo)->setEnabled(false); // it only shows whether the memo has a memo
    return dict::Benign;
}

void CreditMemo::PrimeFields()
{
    if (inserting()) {
        CRE.DATE = fw::today();
        CRE.MONTH = static_cast<dict::SHORT>(fw::monthOf(CRE.DATE));
        if (!GLO.CUSTOMERNO.blank() && dict::lookup(CUS.CustomerNo_Key, GLO.CUSTOMERNO.view())) {
            CUS.CUSTOMERNO = GLO.CUSTOMERNO.view();
            Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key);
            takeCustomer();
        } else {
            clearCustomer();
        }
    } else {
        fetchCustomer();
        // A saved memo keeps the customer and the invoice it was booked against.
        form().entry(CRE.CUSTOMERNO)->setReadOnly(true);
        form().entry(CRE.INVOICENO)->setReadOnly(true);
        form().button(PickCustomer)->setEnabled(false);
    }
    customerShown_ = CRE.CUSTOMERNO;
    refigure();
}

// The credit memo list's Delete: asked, then the memo goes with everything it booked.
int CreditMemo::PrimeUpdate()
{
    if (Request != fw::DeleteRecord)
        return Procedure::PrimeUpdate();
    Response = fw::RequestCancelled;
    if (REPORTS::Errors().Throw(dict::Msg::ConfirmDelete) == dict::Benign
        && cre::deleteCreditMemo(CRE.CREDITMEMONO) == dict::Benign)
        Response = fw::RequestCompleted;
    return dict::Notify; // nothing left to ask
}

void CreditMemo::fetchCustomer()
{
    CUS.CUSTOMERNO = CRE.CUSTOMERNO;
    if (CRE.CUSTOMERNO.blank() || Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) != dict::Benign)
        clearCustomer();
}

int CreditMemo::TakeAccepted(QWidget *control)
{
    const int result = FormProcedure::TakeAccepted(control);
    if (result != dict::Benign)
        return result;
    if (control == form().entry(CRE.CUSTOMERNO))
        customerNumberTyped();
    else if (control == form().entry(CRE.INVOICENO))
        invoiceNumberTyped();
    else if (control == form().entry(CRE.DATE))
        CRE.MONTH = static_cast<dict::SHORT>(fw::monthOf(CRE.DATE));
    refigure();
    return dict::Benign;
}

// --- the customer and the invoice ----------------------------------------------------------------

void CreditMemo::pickCustomer()
{
    Update();
    if (!app::pickCustomer())
        return;
    takeCustomer();
    form().entry(CRE.PONUMBER)->setFocus();
}

void CreditMemo::customerNumberTyped()
{
    if (CRE.CUSTOMERNO == customerShown_ || picking_)
        return;
    picking_ = true;
    const QScopeGuard done([this] { picking_ = false; });
    if (!app::findOrPickCustomer(CRE.CUSTOMERNO)) {
        CRE.CUSTOMERNO = customerShown_;
        Display();
        form().entry(CRE.CUSTOMERNO)->setFocus();
        return;
    }
    takeCustomer();
}

// The customer in the CUS buffer becomes the memo's: its discount and its taxes.
void CreditMemo::takeCustomer()
{
    const bool another = CUS.CUSTOMERNO != customerShown_;
    CRE.CUSTOMERNO = CUS.CUSTOMERNO;
    if (CRE.LINEITEMDISCOUNT == 0)
        CRE.CUSTOMERDISCOUNT = CUS.CUSTOMERDISCOUNT;
    if (another)
        CRE.TAXINFO.clear(); // built again for the new customer
    app::invoices::applyCustomerTerms(CRE, CUS, openingTaxRate_);
    customerShown_ = CRE.CUSTOMERNO;
    Display();
}

// The first invoice number of a new memo offers the invoice's lines and figures; a number the
// memo may not credit is refused, and the memo credits none.
void CreditMemo::invoiceNumberTyped()
{
    if (!inserting() || CRE.INVOICENO == 0 || invoiceAsked_)
        return;
    if (!cre::mayCredit(CRE)) {
        CRE.INVOICENO = 0;
        Display();
        form().entry(CRE.INVOICENO)->setFocus();
        return;
    }
    if (CRE.CUSTOMERNO != customerShown_) { // the invoice's customer, for a memo that had none
        fetchCustomer();
        takeCustomer();
    }
    invoiceAsked_ = true;
    if (REPORTS::Errors().Message(app::CreMsg::UseInvoiceData, dict::ButtonYes | dict::ButtonNo, dict::ButtonNo)
        == dict::ButtonYes) {
        copyInvoice();
        return;
    }
    if (const auto invoice = dict::lookup(INV.InvoiceNo_Key, CRE.INVOICENO); invoice && invoice->CUSTOMERDISCOUNT > 0)
        CRE.CUSTOMERDISCOUNT = invoice->CUSTOMERDISCOUNT;
}

// The invoice's lines come over, giving their stock back; the invoice number is then fixed.
void CreditMemo::copyInvoice()
{
    if (cre::copyInvoiceLines(CRE.CREDITMEMONO, CRE.INVOICENO) != dict::Benign)
        return;
    fetchCustomer();
    customerShown_ = CRE.CUSTOMERNO;
    form().entry(CRE.INVOICENO)->setReadOnly(true);
    form().entry(CRE.CUSTOMERNO)->setReadOnly(true);
    form().button(PickCustomer)->setEnabled(false);
    items().ResetFromFile(true);
}

void CreditMemo::showMemo()
{
    Update();
    GlobalRequest = static_cast<dict::BYTE>(OriginalRequest);
    Win::CreditMemos memo(false);
    memo.Run();
    refigure();
}

// --- the lines and the figures -------------------------------------------------------------------

int CreditMemo::Run(int, int request)
{
    Update();
    GlobalRequest = static_cast<dict::BYTE>(request);
    Upd::CreditMemoDescription line;
    const int response = line.Run();
    refigure();
    return response;
}

void CreditMemo::refigure()
{
    cre::figureMemo(CRE, CUS.LONGDISTANCE != 0);
    const double discount = CRE.LINEITEMDISCOUNT != 0 ? 0.0 : dict::roundCents(CRE.RETAIL - CRE.TOTALDISCOUNT);
    form().input(DiscountSum)->setText(QString::fromStdString(fw::formatValue(discount, fw::moneyPicture())).trimmed());
    followState();
    Display();
}

// Nothing is done without a customer; a customer's discount leaves the lines none of their own.
void CreditMemo::followState()
{
    const fw::Form &f = form();
    const bool customer = !CRE.CUSTOMERNO.blank();
    for (QAbstractButton *b : {f.button(MemoButton), f.button(AddLine), static_cast<QAbstractButton *>(f.ok())})
        b->setEnabled(customer);
    const bool anyLine = items().Records() > 0;
    f.button(ChangeLine)->setEnabled(anyLine);
    f.button(DeleteLine)->setEnabled(anyLine);
    const std::string memo = CRE.MEMOS.str().substr(0, 500);
    f.flag(Memo)->setChecked(memo.find_first_not_of(" \t\r\n") != std::string::npos);
    f.enable(CRE.CUSTOMERDISCOUNT, CRE.LINEITEMDISCOUNT == 0);
}

// --- Save, Cancel and closing --------------------------------------------------------------------

// A memo crediting more than its invoice still has uncredited is saved only when the user agrees.
bool CreditMemo::creditsNoMoreThanInvoiced()
{
    const auto invoice = CRE.INVOICENO != 0 ? dict::lookup(INV.InvoiceNo_Key, CRE.INVOICENO) : std::nullopt;
    if (!invoice)
        return true;
    const double left = dict::roundCents(invoice->TOTALDUE - cre::creditedByOthers(CRE.INVOICENO, CRE.CREDITMEMONO));
    if (dict::roundCents(CRE.TOTALDUE) <= left)
        return true;
    auto money = [](double value) {
        const std::string text = fw::formatValue(value, fw::moneyPicture());
        return text.substr(text.find_first_not_of(' '));
    };
    const std::string why = "The credit of " + money(CRE.TOTALDUE) + " is more than the " + money(left) + " invoice "
                            + fw::formatValue(CRE.INVOICENO, "@n06") + " has left to credit";
    return REPORTS::Errors().ThrowMessage(app::CreMsg::MoreThanInvoiced, why) == dict::Benign;
}

bool CreditMemo::readyToSave()
{
    if (CRE.CUSTOMERNO.blank()) {
        REPORTS::Errors().Throw(app::MaintMsg::NoCustomerNo);
        form().entry(CRE.CUSTOMERNO)->setFocus();
        return false;
    }
    refigure();
    if (!creditsNoMoreThanInvoiced()) {
        Display();
        return false;
    }
    return true;
}

bool CreditMemo::book() { return cre::saveCreditMemo(inserting()) == dict::Benign; }

// Cancel of a new memo undoes its lines; Cancel of a Change keeps the lines stored meanwhile and
// books the totals they make.
bool CreditMemo::cancelBooking()
{
    return (inserting() ? cre::cancelNewCreditMemo(CRE.CREDITMEMONO) : cre::settleCreditChange(CRE.CREDITMEMONO))
           == dict::Benign;
}

// A saved memo is printed now when the setup says so; the last one saved is what the credit memo
// report prints.
void CreditMemo::saved()
{
    GLO.CREDITMEMONO = CRE.CREDITMEMONO;
    if (GLO.PRINTINVOICE != 0 && app::procedureDefined("PRN:CREDITMEMO"))
        app::runProcedure("PRN:CREDITMEMO");
}

void CreditMemo::closed()
{
    GLO.NEWCREDITMEMO = 0;
    GLO.CUSTOMERNO.clear();
}

} // namespace Upd
