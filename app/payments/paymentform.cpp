#include "app/payments/paymentform.h"

#include "app/common/booking.h"
#include "app/common/maintenancemessages.h"
#include "app/payments/paymentbook.h"
#include "app/payments/paymentlayout.h"
#include "app/payments/paymentmessages.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "framework/errorclass.h"
#include "framework/optionbox.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

namespace Upd {

namespace {

namespace pay = app::payments;

// "Check" reads and stores "Check" under the single sales tax, "Cheque" elsewhere.
const char *chequeWord() { return GLO.CANADIAN == dict::TaxRegime::SalesTax ? "Check" : "Cheque"; }

bool isCheque(std::string_view type) { return type == "Check" || type == "Cheque"; }

std::string money(double amount) { return fw::formatValue(amount, "@n-12.2"); }

std::string trimmed(std::string text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

} // namespace

CustomerFinanceHistory::CustomerFinanceHistory()
    : fw::Procedure({.name = "Upd:CustomerFinanceHistory",
                     .title = "Change Finance Information",
                     .files = {Relate::FINANCE, Access::INVOICE, Access::CUSTOMER},
                     .messages = {app::installPaymentMessages, app::installMaintenanceMessages},
                     .resizable = false,
                     .serves = fw::ServesInsert | fw::ServesChange})
{}

CustomerFinanceHistory::~CustomerFinanceHistory() = default;

QString CustomerFinanceHistory::WindowTitle() const
{
    return inserting() ? "Add Finance Information" : Procedure::WindowTitle();
}

int CustomerFinanceHistory::Build()
{
    Primary = &Relate::FINANCE;
    w_ = std::make_unique<app::PaymentWidgets>(app::buildPaymentForm(window(), chequeWord()));
    w_->caption->setText(WindowTitle());
    w_->customerNo->setReadOnly(true);
    bindFields();
    UseFormButtons(w_->ok, w_->cancel, w_->help);
    FirstField = w_->invoiceNo;
    return dict::Benign;
}

void CustomerFinanceHistory::bindFields()
{
    const app::PaymentWidgets &w = *w_;
    bind(w.customerNo, FIN.CUSTOMERNO);
    bind(w.invoiceNo, FIN.INVOICENO, "@n06b").nonNegative();
    bind(w.date, FIN.DATE, fw::datePicture("@d2")).required();
    bind(w.terms, FIN.TERMS);
    bind(w.bank, FIN.BANK);
    bind(w.card, FIN.CREDITCARDNO);
    bind(w.expires, FIN.CREDITCARDDATE, "@p##/##pb");
    bind(w.authorization, FIN.CREDITCARDAUTHORIZENO, "@n08b").nonNegative();
    bind(w.moneyOrder, FIN.MONEYORDERNO);
    bind(w.cheque, FIN.CHECKNO, "@n010b").nonNegative();
    bind(w.amount, FIN.AMOUNTPAID, fw::moneyPicture());
}

// A new payment is dated today and takes the customer's payment details; a changed one keeps
// its own date.
void CustomerFinanceHistory::PrimeFields()
{
    if (inserting()) {
        FIN.CUSTOMERNO = CUS.CUSTOMERNO;
        FIN.DATE = fw::today();
        FIN.TERMS = isCheque(CUS.TERMS.view()) ? chequeWord() : CUS.TERMS.view();
        FIN.BANK = CUS.BANK.view();
        FIN.CREDITCARDNO = CUS.CREDITCARDNO;
        FIN.CREDITCARDDATE = CUS.CREDITCARDDATE;
    } else if (isCheque(FIN.TERMS.view())) {
        FIN.TERMS = chequeWord();
    }
    opened_ = FIN;
    readOnly_ = !inserting() && !pay::isPayment(FIN);
    if (readOnly_)
        makeReadOnly();
    showTypeFields();
}

void CustomerFinanceHistory::makeReadOnly()
{
    const app::PaymentWidgets &w = *w_;
    for (QLineEdit *e : {w.invoiceNo, w.date, w.bank, w.card, w.expires, w.authorization, w.moneyOrder, w.cheque,
                         w.amount})
        e->setReadOnly(true);
    w.terms->setEnabled(false);
    w.ok->setEnabled(false);
}

// Each payment type shows the details it asks for; cash and on-account keep no card.
void CustomerFinanceHistory::showTypeFields()
{
    const app::PaymentWidgets &w = *w_;
    const std::string type = FIN.TERMS.str();
    const bool cheque = isCheque(type);
    const bool card = type == "Visa" || type == "MasterCard" || type == "Discover" || type == "AMEX";
    if (!readOnly_ && (cheque || type == "Cash" || type == "OnAccount")) {
        FIN.CREDITCARDNO.clear();
        FIN.CREDITCARDDATE.clear();
    }
    const std::pair<QWidget *, bool> shown[] = {
        {w.bankLabel, cheque || card},   {w.bank, cheque || card},         {w.chequeLabel, cheque},
        {w.cheque, cheque},              {w.moneyOrderLabel, type == "MO"}, {w.moneyOrder, type == "MO"},
        {w.cardLabel, card},             {w.card, card},                   {w.expiresLabel, card},
        {w.expires, card},               {w.authorizationLabel, card},     {w.authorization, card},
    };
    for (const auto &[widget, visible] : shown)
        widget->setVisible(visible);
    Display();
}

int CustomerFinanceHistory::TakeAccepted(QWidget *control)
{
    const int result = Procedure::TakeAccepted(control);
    if (control == w_->terms && result == dict::Benign)
        showTypeFields();
    return result;
}

bool CustomerFinanceHistory::agreedAgainstInvoice()
{
    if (FIN.INVOICENO == 0)
        return true;
    dict::KeptBuffers kept{&Access::INVOICE};
    fw::ErrorClass &errors = REPORTS::Errors();
    const std::string number = std::to_string(FIN.INVOICENO);
    INV.INVOICENO = FIN.INVOICENO;
    if (Access::INVOICE.TryFetch(INV.InvoiceNo_Key) != dict::Benign)
        return errors.ThrowMessage(app::PayMsg::NoSuchInvoice, number), false;
    if (INV.CUSTOMERNO != FIN.CUSTOMERNO)
        return errors.ThrowMessage(app::PayMsg::OtherCustomer, number), false;
    if (INV.QUOTES != 0)
        return errors.ThrowMessage(app::PayMsg::QuoteTakesNoPayment, number), false;
    // What this payment already paid on the invoice is owed again while it is being changed.
    const double before = opened_.INVOICENO == FIN.INVOICENO && pay::isPayment(opened_) ? double(opened_.AMOUNTPAID) : 0.0;
    const double owed = dict::roundCents(INV.AMOUNTOWED + before);
    agreedExcess_ = 0;
    const double excess = dict::roundCents(FIN.AMOUNTPAID - owed); // beyond what it owed, overpaid or not
    if (owed <= 0 && errors.Throw(app::PayMsg::ZeroedOut) != dict::Benign)
        return false;
    if (owed > 0 && excess > 0
        && errors.ThrowMessage(app::PayMsg::MoreThanOwed, trimmed(money(FIN.AMOUNTPAID)) + " is more than the "
                                                              + trimmed(money(owed)) + " owed on invoice " + number)
               != dict::Benign)
        return false;
    agreedExcess_ = std::max(excess, 0.0);
    return true;
}

int CustomerFinanceHistory::TakeCompleted()
{
    Update();
    SaveHistory();
    if (readOnly_)
        return dict::Notify;
    if (dict::roundCents(FIN.AMOUNTPAID) <= 0) {
        REPORTS::Errors().Throw(app::PayMsg::NoAmount);
        w_->amount->setFocus();
        return dict::Notify;
    }
    if (!agreedAgainstInvoice()) {
        w_->invoiceNo->setFocus();
        return dict::Notify;
    }
    FIN.AMOUNTPAID = dict::roundCents(FIN.AMOUNTPAID);
    if (pay::savePayment(inserting(), agreedExcess_) != dict::Benign) {
        Display();
        return dict::Notify;
    }
    SetResponse(fw::RequestCompleted);
    return dict::Benign;
}

} // namespace Upd
