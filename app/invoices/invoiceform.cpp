#include "app/invoices/invoiceform.h"

#include "app/common/maintenancemessages.h"
#include "app/invoices/customerterms.h"
#include "app/invoices/invoicebook.h"
#include "app/invoices/invoicemessages.h"
#include "app/invoices/lineform.h"
#include "app/invoices/invoicehistory.h"
#include "app/memos/documentmemos.h"
#include "app/invoices/pickcustomer.h"
#include "app/invoices/shipping.h"
#include "app/recurring/billingcyclewindow.h"
#include "app/shell/procedures.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/money.h"
#include "framework/browselist.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"
#include "tagging/tags.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractButton>
#include <QPushButton>
#include <QScopeGuard>

namespace Upd {

namespace {

namespace inv = app::invoices;

// No customer: the header shows none (a cleared buffer; priming would number a new record).
void clearCustomer() { dict::clearRecord(Access::CUSTOMER.Def(), Access::CUSTOMER.Buffer().bytes); }

// The item list: "#", "Stock #", "Description", "Quantity", "Back Order", "Price", "Total".
std::string itemFormat()
{
    const std::string money = fw::moneyPicture();
    const std::string quantity = fw::quantityPicture();
    return "16R(2)|M~#~C(0)@n2@#1#"
           "60L(2)|M~Stock #~C(0)@s20@#2#"
           "160L(2)|M~Description~C(0)@s45@#3#"
           "44R(2)|M~Quantity~C(0)" + quantity + "@#4#"
           "44R(2)|M~Back Order~C(0)" + quantity + "@#5#"
           "52R(2)|M~Price~C(0)" + money + "@#6#"
           "56R(2)|M~Total~C(0)" + money + "@#7#";
}

} // namespace

Invoice::Invoice(dict::LONG unfinished)
    : app::BookedDocumentForm({.name = "Upd:Invoice",
                         .title = "Update the Invoice File",
                         .files = {Relate::INVOICE, Relate::DESCRIPTION, Access::TOTALINV, Access::FINANCE,
                                   Access::CUSTOMER, Access::STOCK, Access::SPECIAL, Access::CREDIT,
                                   Access::CRSCRIPTION},
                         .messages = {app::installInvoiceMessages, app::installMaintenanceMessages},
                         .serves = fw::ServesAll},
                        {app::Entry::Invoice, Access::INVOICE, INV.InvoiceNo_Key, dict::field(INV.INVOICENO)}, unfinished)
{}

// The frame's new invoice is always an Insert, whatever request was left over.
bool Invoice::Admit()
{
    if (GLO.NEWINVOICE == 1 || unfinished() != 0)
        Request = OriginalRequest = fw::InsertRecord;
    openingTaxRate_ = GLO.TAXRATE;
    return true;
}

QString Invoice::WindowTitle() const
{
    if (Request == fw::InsertRecord)
        return "Add an Invoice";
    if (Request == fw::ChangeRecord)
        return "Change the Invoice";
    return FormProcedure::WindowTitle();
}

fw::FormDeclaration Invoice::Declare()
{
    using namespace fw::form;
    const std::string money = fw::moneyPicture();
    const fw::FormItem header = column({
        field("Date:", INV.DATE, fw::datePicture()),
        field("PO#:", INV.PONUMBER).beside(),
        field("Invoice #:", INV.INVOICENO, "@n_10").readOnly(),
        field("Salesman:", INV.SALESMAN).beside(),
        field("Customer #:", INV.CUSTOMERNO),
        button("C&ustomer", "Select Customer from list...", [this] { pickCustomer(); }).named(PickCustomer).beside(),
        field("First Name:", CUS.FNAME).width(15).readOnly(),
        field("Last Name:", CUS.LNAME).readOnly().beside(),
        field("Company:", CUS.COMPANY).width(30).span(3).readOnly(),
        field("Discount:", INV.CUSTOMERDISCOUNT, "@n6.2").width(7).within(0, 100),
        check("Quote", INV.QUOTES).beside(),
        flag(Memo, "Memo"),
        button("&Re-Invoice", "Setup Reoccuring Invoice Dates...", [this] { chooseCycle(); })
            .named(ReInvoice).beside(),
    });
    // A line with its own discount shows the price it is sold at; the stored price stays.
    const fw::FormItem lines = fw::form::lines(Items, {
        .file = &Relate::DESCRIPTION,
        .key = DES.InvoiceNo_Key,
        .range = dict::field(INV.INVOICENO),
        .format = itemFormat,
        .values = {fw::Plain(DES.ITEMNO), fw::Plain(DES.STOCKNO), fw::Plain(DES.DESCRIPTION), fw::Plain(DES.QUANTITY),
                   fw::Plain(DES.AMOUNTBACKORDERED),
                   fw::Computed([] { return fw::StepValue(DES.PRICE - DES.PRICE * DES.LINEITEMDISCOUNT / 100); }),
                   fw::Plain(DES.AMOUNT)},
        .add = {"&Add", "Add item to invoice...", AddLine},
        .change = {"&Change", "Change highlighted item on invoice...", ChangeLine},
        .remove = {"&Delete", "Delete Highlighted item from invoice...", DeleteLine},
        .minimumWidth = 720, // every column of a line in view
    });
    const bool gst = GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst;
    const fw::FormItem totals = group("", {
        field("SubTotal", INV.RETAIL, money).readOnly(),
        field("Shipping", INV.SHIPPING, money).readOnly().beside(),
        input(DiscountSum, "Discount", money).readOnly(),
        field("COD", INV.COD, money).readOnly().beside(),
        field("Total", INV.TOTALDISCOUNT, money).readOnly(),
        field("Inv Total", INV.TOTALDUE, "@n-12.2").readOnly().beside(),
        field(dict::taxName(GLO.CANADIAN), INV.TAX, money).readOnly(),
        field("Payment", INV.AMOUNTPAID, "@n-12.2").readOnly().beside(),
        field("GST", INV.GST, money).readOnly().shownIf(gst),
        field("Owed", INV.AMOUNTOWED, "@n-12.2").readOnly().beside(),
        field("Labor", INV.LABOR, money).readOnly(),
        // Why the tax is what it is: the registrations, or the customer's exemption.
        field("Tax Info", INV.TAXINFO).readOnly().span(3),
    });
    return {.primary = &Relate::INVOICE,
            .caption = inserting() ? "Add an Invoice" : "Change the Invoice",
            .items = {header, lines, totals},
            .foot = {button("Sh&ipping", "Enter Shipping Info - Date, Cost, etc...", [this] { showShipping(); })
                         .named(Shipping),
                     button("&Payment", "Apply Payment Information to Invoice...", [this] { takePayment(); })
                         .named(Payment),
                     button("&Memo", "Add Memo to Invoice...", [this] { showMemo(); }).named(MemoButton)},
            .okText = "&Save",
            .okTip = "Save and Print Invoice...",
            .fixedSize = false};
}

int Invoice::Built()
{
    if (const int result = BookedDocumentForm::Built(); result != dict::Benign)
        return result;
    form().flag(Memo)->setEnabled(false); // it only shows whether the invoice has a memo
    return dict::Benign;
}


void Invoice::PrimeFields()
{
    openedOnQuote_ = !inserting() && INV.QUOTES != 0;
    linesHoldStock_ = INV.QUOTES == 0;
    if (inserting()) {
        INV.DATE = fw::today();
        INV.MONTH = static_cast<dict::SHORT>(fw::monthOf(INV.DATE));
        INV.REBILLCYCLE = "N";
        CUS.CUSTOMERNO = GLO.CUSTOMERNO.view();
        if (!CUS.CUSTOMERNO.blank() && Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) == dict::Benign)
            takeCustomer();
        else
            clearCustomer();
    } else {
        fetchCustomer();
        form().check(INV.QUOTES)->setEnabled(INV.QUOTES != 0);
    }
    customerShown_ = INV.CUSTOMERNO;
    discountShown_ = INV.CUSTOMERDISCOUNT;
    sumLines();
    refigure();
}

// The invoice list's Delete: asked, then the invoice goes with everything it booked.
int Invoice::PrimeUpdate()
{
    if (Request != fw::DeleteRecord)
        return Procedure::PrimeUpdate();
    Response = fw::RequestCancelled;
    fw::ErrorClass &errors = REPORTS::Errors();
    if (errors.Throw(dict::Msg::ConfirmDelete) != dict::Benign)
        return dict::Notify;
    const bool returnItems = INV.QUOTES == 0
                             && errors.Message(app::InvMsg::ReturnItems, dict::ButtonYes | dict::ButtonNo, dict::ButtonNo)
                                    == dict::ButtonYes;
    if (inv::deleteInvoice(INV.INVOICENO, returnItems) == dict::Benign)
        Response = fw::RequestCompleted;
    return dict::Notify; // nothing left to ask
}

void Invoice::fetchCustomer()
{
    CUS.CUSTOMERNO = INV.CUSTOMERNO;
    if (INV.CUSTOMERNO.blank() || Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) != dict::Benign)
        clearCustomer();
}

// --- the customer ------------------------------------------------------------------------------

// Every button and entry leaves the figures refigured.
int Invoice::TakeAccepted(QWidget *control)
{
    const int result = FormProcedure::TakeAccepted(control);
    if (result != dict::Benign)
        return result;
    if (control == form().entry(INV.CUSTOMERNO))
        customerNumberTyped();
    else if (control == form().entry(INV.CUSTOMERDISCOUNT))
        changeDiscount();
    else if (control == form().entry(INV.DATE))
        INV.MONTH = static_cast<dict::SHORT>(fw::monthOf(INV.DATE));
    refigure();
    return dict::Benign;
}

void Invoice::showShipping()
{
    Update();
    GlobalRequest = static_cast<dict::BYTE>(OriginalRequest);
    Win::ShippingMethod shipping;
    shipping.Run();
}

void Invoice::showMemo()
{
    Update();
    GLO.THREADNO = 0;
    GlobalRequest = static_cast<dict::BYTE>(OriginalRequest);
    Win::InvoiceMemos memo(false);
    memo.Run();
}

// Payments are booked against a saved invoice: a new one is saved first (from then on the form
// changes it). What the payments wrote on the invoice comes back into the form.
void Invoice::takePayment()
{
    Update();
    if (inserting()) {
        fw::ErrorClass &errors = REPORTS::Errors();
        if (errors.Message(app::InvMsg::SaveBeforePayment, dict::ButtonYes | dict::ButtonNo, dict::ButtonYes)
                != dict::ButtonYes
            || inv::saveInvoice(true, linesHoldStock_) != dict::Benign)
            return;
        booked_ = true;
    }
    app::runInvoiceHistory();
}

// "&Re-Invoice": the billing cycle, chosen into the form's record and stored by its Save.
void Invoice::chooseCycle()
{
    Update();
    GlobalRequest = static_cast<dict::BYTE>(OriginalRequest);
    Win::ReOccuringCycle cycle;
    cycle.Run();
}

// "C&ustomer": the pick list; a cancelled pick changes nothing.
void Invoice::pickCustomer()
{
    Update();
    if (!app::pickCustomer())
        return;
    takeCustomer();
    form().entry(INV.CUSTOMERDISCOUNT)->setFocus();
}

// A typed customer number: an unknown one offers the pick list; a blank one, or a pick
// cancelled, puts back the customer the invoice had.
void Invoice::customerNumberTyped()
{
    // The pick list takes the focus from the entry, which reports the same number again.
    if (INV.CUSTOMERNO == customerShown_ || picking_)
        return;
    picking_ = true;
    const QScopeGuard done([this] { picking_ = false; });
    if (!app::findOrPickCustomer(INV.CUSTOMERNO)) {
        INV.CUSTOMERNO = customerShown_;
        Display();
        form().entry(INV.CUSTOMERNO)->setFocus();
        return;
    }
    takeCustomer();
}

// The customer in the CUS buffer becomes the invoice's: its payment defaults, its discount and
// its taxes; the lines are refigured for them.
void Invoice::takeCustomer()
{
    const bool another = CUS.CUSTOMERNO != customerShown_;
    INV.CUSTOMERNO = CUS.CUSTOMERNO;
    INV.BANK = CUS.BANK.view();
    INV.CREDITCARDNO = CUS.CREDITCARDNO;
    INV.CREDITCARDDATE = CUS.CREDITCARDDATE;
    INV.TERMS = CUS.TERMS.view();
    if (INV.LINEITEMDISCOUNT != 0) {
        if (CUS.CUSTOMERDISCOUNT != 0)
            REPORTS::Errors().ThrowMessage(app::InvMsg::LineDiscountMode,
                                           fw::formatValue(CUS.CUSTOMERDISCOUNT, "@n6.2"));
    } else if (dict::isZeroMoney(INV.AMOUNTPAID)) {
        INV.CUSTOMERDISCOUNT = CUS.CUSTOMERDISCOUNT;
    }
    if (another)
        INV.TAXINFO.clear(); // built again for the new customer
    inv::applyCustomerTerms(INV, CUS, openingTaxRate_);
    customerShown_ = INV.CUSTOMERNO;
    if (another || INV.CUSTOMERDISCOUNT != discountShown_) {
        discountShown_ = INV.CUSTOMERDISCOUNT;
        if (inv::refigureLines(INV, CUS.LONGDISTANCE != 0) == dict::Benign)
            items().ResetFromFile(true);
        sumLines();
    }
    Display();
}

// The invoice discount refigures every line; it cannot change once something has been paid.
void Invoice::changeDiscount()
{
    if (INV.CUSTOMERDISCOUNT == discountShown_)
        return;
    if (!dict::isZeroMoney(INV.AMOUNTPAID)) {
        INV.CUSTOMERDISCOUNT = discountShown_;
        Display();
        REPORTS::Errors().Throw(app::InvMsg::DiscountWhilePaid);
        return;
    }
    if (inv::refigureLines(INV, CUS.LONGDISTANCE != 0) != dict::Benign) {
        INV.CUSTOMERDISCOUNT = discountShown_;
        Display();
        return;
    }
    discountShown_ = INV.CUSTOMERDISCOUNT;
    items().ResetFromFile(true);
    sumLines();
}

// --- the lines and the figures -----------------------------------------------------------------

int Invoice::Run(int, int request)
{
    Update();
    GlobalRequest = static_cast<dict::BYTE>(request);
    Upd::InvoiceDescription line(linesHoldStock_);
    const int response = line.Run();
    sumLines();
    refigure();
    return response;
}

// The line-totals pass.
void Invoice::sumLines()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<dict::DESCRIPTIONRecord> lines;
    for (const inv::StoredLine &stored : inv::linesOf(INV.INVOICENO))
        lines.push_back(stored.line);
    sums_ = inv::sumLines(lines, INV.LINEITEMDISCOUNT != 0);
    QApplication::restoreOverrideCursor();
}

void Invoice::refigure()
{
    inv::computeTotals(INV, sums_, GLO.CANADIAN, CUS.LONGDISTANCE != 0);
    form().input(DiscountSum)->setText(QString::fromStdString(fw::formatValue(sums_.discount, fw::moneyPicture())).trimmed());
    followState();
    Display();
}

// Buttons by what the invoice holds: a paid invoice's lines are frozen; nothing is done without
// a customer; a quote takes no payment.
void Invoice::followState()
{
    const fw::Form &f = form();
    const bool paid = !dict::isZeroMoney(INV.AMOUNTPAID);
    const bool customer = !CUS.CUSTOMERNO.blank();
    for (QAbstractButton *b : {f.button(MemoButton), f.button(ReInvoice), static_cast<QAbstractButton *>(f.ok())})
        b->setEnabled(customer);
    f.button(Shipping)->setEnabled(customer && !paid);
    f.button(AddLine)->setEnabled(customer && !paid);
    f.button(Payment)->setEnabled(customer && INV.QUOTES == 0);
    const bool anyLine = items().Records() > 0;
    f.button(ChangeLine)->setEnabled(anyLine && !paid);
    f.button(DeleteLine)->setEnabled(anyLine && !paid);
    const std::string memo = INV.MEMOS.str().substr(0, 500);
    f.flag(Memo)->setChecked(memo.find_first_not_of(" \t\r\n") != std::string::npos);
    f.enable(INV.CUSTOMERDISCOUNT, INV.LINEITEMDISCOUNT == 0);
}

// --- Save, Cancel and closing ------------------------------------------------------------------

bool Invoice::readyToSave()
{
    if (CUS.CUSTOMERNO.blank()) {
        REPORTS::Errors().Throw(app::MaintMsg::NoCustomerNo);
        form().entry(INV.CUSTOMERNO)->setFocus();
        return false;
    }
    return true;
}

bool Invoice::book() { return inv::saveInvoice(inserting(), linesHoldStock_) == dict::Benign; }

// Cancel of a new invoice undoes its lines (and payments, when the user agrees); Cancel of a
// Change keeps the lines stored meanwhile and books the totals they make.
bool Invoice::cancelBooking()
{
    if (!inserting())
        return inv::settleChange(INV.INVOICENO, linesHoldStock_) == dict::Benign;
    if (inv::hasPayments(INV.INVOICENO)
        && REPORTS::Errors().Message(app::InvMsg::UndoPayments, dict::ButtonYes | dict::ButtonNo, dict::ButtonNo)
               != dict::ButtonYes)
        return false;
    return inv::cancelNewInvoice(INV.INVOICENO, linesHoldStock_) == dict::Benign;
}

// A saved invoice is printed now or tagged for printing with the others later; its customer is
// tagged for the labels.
void Invoice::saved()
{
    GLO.INVOICENO = INV.INVOICENO;
    ST::SetTagPos_(ST::CustomerTable, INV.CUSTOMERNO.view());
    if (GLO.PRINTINVOICE != 0)
        app::runProcedure("PRN:INVOICES");
    else
        ST::SetTag_(ST::InvoiceTable, INV.INVOICENO);
}

void Invoice::closed()
{
    GLO.NEWINVOICE = 0;
    GLO.CUSTOMERNO.clear();
    GLO.TESTDATA = 0;
}

} // namespace Upd
