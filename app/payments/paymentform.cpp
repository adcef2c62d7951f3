#include "app/payments/paymentform.h"

#include "app/common/booking.h"
#include "app/common/maintenancemessages.h"
#include "app/payments/paymentbook.h"
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
const char *chequeWord() { return dict::chequeWord(GLO.CANADIAN); }

using dict::isCheque;

std::string money(double amount) { return fw::formatValue(amount, "@n-12.2"); }

std::string trimmed(std::string text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

} // namespace

CustomerFinanceHistory::CustomerFinanceHistory()
    : fw::FormProcedure({.name = "Upd:CustomerFinanceHistory",
                     .title = "Change Finance Information",
                     .files = {Relate::FINANCE, Access::INVOICE, Access::CUSTOMER},
                     .messages = {app::installPaymentMessages, app::installMaintenanceMessages},
                     .resizable = false,
                     .serves = fw::ServesInsert | fw::ServesChange})
{}

QString CustomerFinanceHistory::WindowTitle() const
{
    return inserting() ? "Add Finance Information" : Procedure::WindowTitle();
}

fw::FormDeclaration CustomerFinanceHistory::Declare()
{
    using namespace fw::form;
    std::vector<std::pair<QString, QString>> types;
    for (const char *type : {"Cash", chequeWord(), "OnAccount", "MO", "AMEX", "Discover", "MasterCard", "Visa"})
        types.emplace_back(type, type);
    return {.primary = &Relate::FINANCE,
            .caption = WindowTitle(),
            .items = {field("Customer #:", FIN.CUSTOMERNO).readOnly(),
                      field("Invoice #:", FIN.INVOICENO, "@n06b").width(8).notNegative(),
                      field("Date:", FIN.DATE, fw::datePicture("@d2")).needed(),
                      options("Payment Type", FIN.TERMS, types, 2),
                      // Above the details each type shows, so that choosing a type never moves it.
                      field("Amount Paid:", FIN.AMOUNTPAID, fw::moneyPicture()),
                      field("Bank Name:", FIN.BANK).width(24),
                      field("Credit Card #:", FIN.CREDITCARDNO),
                      field("Expiration Date:", FIN.CREDITCARDDATE, "@p##/##pb"),
                      field("Authorization #:", FIN.CREDITCARDAUTHORIZENO, "@n08b").notNegative(),
                      field("MO #:", FIN.MONEYORDERNO),
                      field(QString(chequeWord()) + " #:", FIN.CHECKNO, "@n010b").notNegative()}};
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
    if (readOnly_) {
        form().makeReadOnly();
        form().ok()->setEnabled(false);
    }
    showTypeFields();
}

// Each payment type shows the details it asks for; cash and on-account keep no card.
void CustomerFinanceHistory::showTypeFields()
{
    const std::string type = FIN.TERMS.str();
    const bool cheque = isCheque(type);
    const bool card = type == "Visa" || type == "MasterCard" || type == "Discover" || type == "AMEX";
    if (!readOnly_ && (cheque || type == "Cash" || type == "OnAccount")) {
        FIN.CREDITCARDNO.clear();
        FIN.CREDITCARDDATE.clear();
    }
    form().show(FIN.BANK, cheque || card);
    form().show(FIN.CHECKNO, cheque);
    form().show(FIN.MONEYORDERNO, type == "MO");
    for (const dict::FieldRef &cardDetail : dict::fields(FIN.CREDITCARDNO, FIN.CREDITCARDDATE, FIN.CREDITCARDAUTHORIZENO))
        form().show(cardDetail, card);
    Display();
}

int CustomerFinanceHistory::TakeAccepted(QWidget *control)
{
    const int result = FormProcedure::TakeAccepted(control);
    if (control == form().options(FIN.TERMS) && result == dict::Benign)
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
        form().entry(FIN.AMOUNTPAID)->setFocus();
        return dict::Notify;
    }
    if (!agreedAgainstInvoice()) {
        form().entry(FIN.INVOICENO)->setFocus();
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
