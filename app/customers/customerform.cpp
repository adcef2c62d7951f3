#include "app/customers/customerform.h"

#include "app/customers/customerlayout.h"
#include "app/common/maintenancemessages.h"
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

dict::FieldRef cus(const char *name) { return dict::fieldRef(CUS, name); }

// Rates and percentages keep their decimals whatever the currency (the yen's pictures have none).
std::string withDecimals(std::string_view picture, std::string_view fallback)
{
    const bool hasDecimals = picture.find_first_of(".`") != std::string_view::npos;
    return std::string(hasDecimals ? picture : fallback);
}

std::string upperPrefix(std::string_view text, std::size_t n)
{
    std::string prefix(text.substr(0, n));
    for (char &c : prefix)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return prefix;
}

// Billing field, shipping field.
constexpr std::pair<const char *, const char *> AddressPairs[] = {
    {"ADDRESS", "SADDRESS"}, {"ADDRESS2", "SADDRESS2"}, {"ADDRESS3", "SADDRESS3"}, {"CITY", "SCITY"},
    {"STATE", "SSTATE"},     {"COUNTRY", "SCOUNTRY"},   {"ZIPCODE", "SZIPCODE"},
};

} // namespace

Customer::Customer() = default;
Customer::~Customer() = default;

int Customer::Init()
{
    procedureName = "Upd:Customer";
    WindowManager::Init();
    GlobalRequest = 0;
    GlobalResponse = 0;
    app::installMaintenanceMessages(REPORTS::Errors());
    if (Relate::CUSTOMER.Open() != dict::Benign)
        return dict::Notify;
    fileOpen_ = true;
    Primary = &Relate::CUSTOMER;
    Resizable = false;
    w_ = app::buildCustomerForm(CreateWindow("Update the Customer File"));
    w_->caption->setText(Request == fw::InsertRecord ? "Add a New Customer" : "Change Customers Information");
    bindFields();
    relabel();
    applyPictures();
    OkControl = w_->ok;
    connectButton(w_->ok);
    connectButton(w_->copyBilling);
    AddItem(w_->cancel, fw::RequestCancelled);
    FirstField = w_->customerNo;
    return Open();
}

int Customer::Kill()
{
    WindowManager::Kill();
    if (fileOpen_)
        Relate::CUSTOMER.Close();
    fileOpen_ = false;
    return dict::Benign;
}

void Customer::bindFields()
{
    const app::CustomerWidgets &w = *w_;
    const std::pair<QWidget *, const char *> bound[] = {
        {w.customerNo, "CUSTOMERNO"},
        {w.lastName, "LNAME"},
        {w.firstName, "FNAME"},
        {w.company, "COMPANY"},
        {w.email, "EMAILADDRESS"},
        {w.phone, "PHONENO"},
        {w.fax, "FAXNO"},
        {w.notes, "COMMENTS"},
        {w.billing.line1, "ADDRESS"},
        {w.billing.line2, "ADDRESS2"},
        {w.billing.line3, "ADDRESS3"},
        {w.billing.city, "CITY"},
        {w.billing.state, "STATE"},
        {w.billing.country, "COUNTRY"},
        {w.billing.zipCode, "ZIPCODE"},
        {w.shipping.line1, "SADDRESS"},
        {w.shipping.line2, "SADDRESS2"},
        {w.shipping.line3, "SADDRESS3"},
        {w.shipping.city, "SCITY"},
        {w.shipping.state, "SSTATE"},
        {w.shipping.country, "SCOUNTRY"},
        {w.shipping.zipCode, "SZIPCODE"},
        {w.taxNumber, "TAXNUMBER"},
        {w.longDistance, "LONGDISTANCE"},
        {w.terms, "TERMS"},
        {w.bank, "BANK"},
        {w.bankAccount, "BANKACCOUNTNO"},
        {w.creditCard, "CREDITCARDNO"},
    };
    for (const auto &[control, field] : bound)
        AddField(control, cus(field));
    AddField(w.taxRate, cus("TAXAMOUNT"), "@n6.5");
    AddField(w.discount, cus("CUSTOMERDISCOUNT"), "@n6.2");
    AddField(w.expires, cus("CREDITCARDDATE"), "@p##/##pb");
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
    const int regime = GLO.CANADIAN >= 1 && GLO.CANADIAN <= 4 ? GLO.CANADIAN : 3;
    const Labels &labels = byTaxSystem[regime - 1];
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

void Customer::applyPictures()
{
    fieldOf(w_->taxRate)->setPicture(withDecimals(GLO.CURRENCYNAME7.view(), "@n6.5"));
    fieldOf(w_->discount)->setPicture(withDecimals(GLO.CURRENCYNAME6.view(), "@n6.2"));
    Display();
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
    const dict::FileDef &def = Access::CUSTOMER.Def();
    for (const auto &[billing, shipping] : AddressPairs) {
        const dict::FieldDef &to = def.fields[def.fieldIndex(shipping)];
        if (clear)
            dict::clearField(to, &CUS);
        else
            dict::copyField(def.fields[def.fieldIndex(billing)], &CUS, to, &CUS);
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
    const int result = WindowManager::TakeAccepted(control);
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
    return WindowManager::TakeCompleted();
}

} // namespace Upd
