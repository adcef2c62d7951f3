#include "app/customers/customerform.h"

#include "app/common/formlayout.h"
#include "app/common/maintenancemessages.h"
#include "app/customers/customerlayout.h"
#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/errorclass.h"
#include "framework/optionbox.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <cctype>
#include <string>

namespace Upd {

namespace {

std::string upperPrefix(std::string_view text, std::size_t n)
{
    std::string prefix(text.substr(0, n));
    for (char &c : prefix)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return prefix;
}

// Billing field, shipping field.
const std::pair<dict::FieldRef, dict::FieldRef> &addressPair(std::size_t i)
{
    static const std::pair<dict::FieldRef, dict::FieldRef> pairs[] = {
        {dict::field(CUS.ADDRESS), dict::field(CUS.SADDRESS)},   {dict::field(CUS.ADDRESS2), dict::field(CUS.SADDRESS2)},
        {dict::field(CUS.ADDRESS3), dict::field(CUS.SADDRESS3)}, {dict::field(CUS.CITY), dict::field(CUS.SCITY)},
        {dict::field(CUS.STATE), dict::field(CUS.SSTATE)},       {dict::field(CUS.COUNTRY), dict::field(CUS.SCOUNTRY)},
        {dict::field(CUS.ZIPCODE), dict::field(CUS.SZIPCODE)},
    };
    return pairs[i];
}
constexpr std::size_t AddressFields = 7;

} // namespace

Customer::Customer()
    : fw::Procedure({.name = "Upd:Customer", .title = "Update the Customer File", .files = {Relate::CUSTOMER},
                     .messages = {app::installMaintenanceMessages}, .resizable = false})
{}

Customer::~Customer() = default;

int Customer::Build()
{
    Primary = &Relate::CUSTOMER;
    w_ = app::buildCustomerForm(window());
    w_->caption->setText(Request == fw::InsertRecord ? "Add a New Customer" : "Change Customers Information");
    bindFields();
    relabel();
    UseFormButtons(w_->ok, w_->cancel, w_->help);
    connectButton(w_->copyBilling);
    FirstField = w_->customerNo;
    return dict::Benign;
}

void Customer::bindFields()
{
    const app::CustomerWidgets &w = *w_;
    bind(w.customerNo, CUS.CUSTOMERNO);
    bind(w.lastName, CUS.LNAME);
    bind(w.firstName, CUS.FNAME);
    bind(w.company, CUS.COMPANY);
    bind(w.email, CUS.EMAILADDRESS);
    bind(w.phone, CUS.PHONENO);
    bind(w.fax, CUS.FAXNO);
    bind(w.notes, CUS.COMMENTS);
    const app::Address *addresses[] = {&w.billing, &w.shipping};
    for (std::size_t side = 0; side < 2; ++side) {
        const app::Address &a = *addresses[side];
        QLineEdit *entries[AddressFields] = {a.line1, a.line2, a.line3, a.city, a.state, a.country, a.zipCode};
        for (std::size_t i = 0; i < AddressFields; ++i)
            bindField(entries[i], side == 0 ? addressPair(i).first : addressPair(i).second);
    }
    bind(w.taxNumber, CUS.TAXNUMBER);
    bind(w.longDistance, CUS.LONGDISTANCE);
    bind(w.terms, CUS.TERMS);
    bind(w.bank, CUS.BANK);
    bind(w.bankAccount, CUS.BANKACCOUNTNO);
    bind(w.creditCard, CUS.CREDITCARDNO);
    // Rates and percentages keep their decimals whatever the currency (the yen's pictures have none).
    bind(w.taxRate, CUS.TAXAMOUNT, app::withDecimals(GLO.CURRENCYNAME7.view(), "@n6.5")).nonNegative();
    bind(w.discount, CUS.CUSTOMERDISCOUNT, app::withDecimals(GLO.CURRENCYNAME6.view(), "@n6.2")).range(0, 100);
    bind(w.expires, CUS.CREDITCARDDATE, "@p##/##pb");
}

void Customer::relabel()
{
    struct Labels {
        const char *taxRate, *taxNumber, *check, *state, *country;
        bool longDistance;
    };
    static const Labels byTaxSystem[] = {
        {"Customer PST Tax:", "Customer PST #:", "Cheque", "PROV:", "Country:", true},    // 1
        {"Customer VAT Rate:", "Customer VAT #:", "Cheque", "ST:", "Country:", false},    // 2
        {"Customer Tax Rate:", "Customer Tax #:", "Check", "ST:", "County:", false},      // 3
        {"Customer GST Rate:", "Customer GST #:", "Cheque", "ST:", "Country:", false},    // 4
    };
    const Labels &labels = dict::byTaxRegime(byTaxSystem, GLO.CANADIAN);
    const app::CustomerWidgets &w = *w_;
    w.taxRateLabel->setText(labels.taxRate);
    w.taxNumberLabel->setText(labels.taxNumber);
    w.longDistance->setVisible(labels.longDistance);
    w.terms->option("Check")->setText(labels.check);
    for (const app::Address *a : {&w.billing, &w.shipping}) {
        a->stateLabel->setText(labels.state);
        a->countryLabel->setText(labels.country);
    }
}

void Customer::PrimeFields()
{
    if (Request == fw::InsertRecord && CUS.TERMS.blank())
        CUS.TERMS = "Cash";
    showCopyDirection();
}

// While no number is typed, one is made from the last name (S0005) or else the company (AC012)
// and the record number, which the file reserved when the form opened.
void Customer::numberCustomer()
{
    if (!CUS.CUSTOMERNO.blank())
        return;
    const long recordNo = CUS.RECORDNO;
    if (!CUS.LNAME.blank())
        CUS.CUSTOMERNO = upperPrefix(CUS.LNAME.view(), 1) + fw::formatValue(recordNo, "@n04");
    else if (!CUS.COMPANY.blank())
        CUS.CUSTOMERNO = upperPrefix(CUS.COMPANY.view(), 2) + fw::formatValue(recordNo, "@n03");
    fieldOf(w_->customerNo)->display();
}

void Customer::showCopyDirection()
{
    if (w_)
        w_->copyBilling->setText(CUS.SADDRESS.blank() ? "Copy Billing" : "Clear Shipping");
}

// Only the first shipping line decides whether the button copies or clears.
void Customer::copyOrClearShipping()
{
    Update();
    const bool clear = !CUS.SADDRESS.blank();
    for (std::size_t i = 0; i < AddressFields; ++i) {
        const auto &[billing, shipping] = addressPair(i);
        if (clear)
            dict::clearField(*shipping.def, shipping.record);
        else
            dict::copyField(*billing.def, billing.record, *shipping.def, shipping.record);
    }
    showCopyDirection();
    Display();
}

int Customer::TakeAccepted(QWidget *control)
{
    if (control == w_->copyBilling) {
        copyOrClearShipping();
        return dict::Benign;
    }
    const int result = Procedure::TakeAccepted(control);
    if (fieldOf(control))
        numberCustomer();
    return result;
}

int Customer::TakeCompleted()
{
    w_->cancel->setText("&Close");
    if (Request == fw::InsertRecord || Request == fw::ChangeRecord) {
        Update();
        numberCustomer();
        if (CUS.CUSTOMERNO.blank()) {
            REPORTS::Errors().Throw(app::MaintMsg::NoCustomerNo);
            VCRRequest = 0;
            w_->tabs->setCurrentIndex(0);
            w_->customerNo->setFocus();
            return dict::Notify;
        }
    }
    return Procedure::TakeCompleted();
}

} // namespace Upd
