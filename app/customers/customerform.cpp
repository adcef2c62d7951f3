#include "app/customers/customerform.h"

#include "app/common/maintenancemessages.h"
#include "dictionary/fieldpairs.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/picture.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <array>
#include <cctype>

namespace Upd {

namespace {

using namespace fw::form;
using Address = std::array<dict::FieldRef, 7>; // three lines, city, state, country, postal code

const Address &billing()
{
    static const Address a = dict::fields(CUS.ADDRESS, CUS.ADDRESS2, CUS.ADDRESS3, CUS.CITY, CUS.STATE, CUS.COUNTRY, CUS.ZIPCODE);
    return a;
}

const Address &shipping()
{
    static const Address a = dict::fields(CUS.SADDRESS, CUS.SADDRESS2, CUS.SADDRESS3, CUS.SCITY, CUS.SSTATE, CUS.SCOUNTRY, CUS.SZIPCODE);
    return a;
}

// The customer's tax rate under each tax system; its number is the tax's "#".
const char *taxRateCaption()
{
    static const char *const captions[4] = {"Customer PST Tax:", "Customer VAT Rate:", "Customer Tax Rate:", "Customer GST Rate:"};
    return dict::byTaxRegime(captions, GLO.CANADIAN);
}

fw::FormItem addressBox(const QString &title, const Address &a)
{
    return group(title, {field("Addr 1:", a[0]).span(3), field("Addr 2:", a[1]).span(3), field("Addr 3:", a[2]).span(3),
                         field("City:", a[3]).width(14), field(dict::stateCaption(GLO.CANADIAN), a[4]).beside(),
                         field(dict::countryCaption(GLO.CANADIAN), a[5]).width(12), field("Postal Code:", a[6])});
}

// S0005 from a last name, AC012 from a company, with the record number reserved when the form opened.
std::string numberFrom(std::string_view name, std::size_t letters, const char *digits)
{
    std::string number(name.substr(0, letters));
    for (char &c : number)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return number + fw::formatValue(CUS.RECORDNO, digits);
}

} // namespace

Customer::Customer()
    : fw::FormProcedure({.name = "Upd:Customer", .title = "Update the Customer File", .files = {Relate::CUSTOMER},
                         .messages = {app::installMaintenanceMessages}, .resizable = false})
{}

fw::FormDeclaration Customer::Declare()
{
    const fw::FormItem details = column({
        field("Customer #:", CUS.CUSTOMERNO).needed(app::MaintMsg::NoCustomerNo),
        field("Last Name:", CUS.LNAME),
        field("First Name:", CUS.FNAME),
        field("Company:", CUS.COMPANY).width(24),
        field("Email Address:", CUS.EMAILADDRESS).width(24),
        field("Phone #:", CUS.PHONENO),
        field("Fax #:", CUS.FAXNO),
        field("Notes:", CUS.COMMENTS).width(24),
    });
    const fw::FormItem addresses = column({
        addressBox("Billing Address", billing()),
        addressBox("Shipping Address:", shipping()),
        button("Copy Billing", "Copies Billing Address to Shipping Address...", [this] { copyOrClearShipping(); })
            .fitting("Clear Shipping").named(CopyBilling).right(),
    }).stretchBy(1);
    // Rates and percentages keep their decimals whatever the currency (the yen's pictures have none).
    const fw::FormItem terms = column({
        field(taxRateCaption(), CUS.TAXAMOUNT, fw::ratePicture())
            .width(9).notNegative().hinted(QString::fromStdString(fw::rateHint())).tipped(QString::fromStdString(fw::rateTip())),
        field("Customer " + QString(dict::taxName(GLO.CANADIAN)) + " #:", CUS.TAXNUMBER).width(16),
        check("Figure PST on GST?", CUS.LONGDISTANCE).shownIf(GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst),
        field("Customer Discount:", CUS.CUSTOMERDISCOUNT, fw::percentPicture())
            .width(8).within(0, 100).then("%"),
        field("Bank:", CUS.BANK).width(24),
        field("Bank Account #:", CUS.BANKACCOUNTNO),
        field("Credit Card #:", CUS.CREDITCARDNO),
        field("Expires:", CUS.CREDITCARDDATE, "@p##/##pb"),
    });
    const fw::FormItem paymentTypes = options("Select Payment Type", CUS.TERMS,
        {{"Cash", "Cash"}, {dict::chequeWord(GLO.CANADIAN), "Check"}, {"OnAccount", "OnAccount"}, {"AMEX", "AMEX"},
         {"Discover", "Discover"}, {"MasterCard", "MasterCard"}, {"Visa", "Visa"}});
    return {.primary = &Relate::CUSTOMER,
            .caption = Request == fw::InsertRecord ? "Add a New Customer" : "Change Customers Information",
            .pages = {{"Customer &Information", {columns({details, addresses})}},
                      {"Customer &Billing", {columns({terms, column({paymentTypes})})}}}};
}

void Customer::PrimeFields()
{
    if (Request == fw::InsertRecord && CUS.TERMS.blank())
        CUS.TERMS = "Cash";
    if (formMade())
        showCopyDirection();
}

// While no number is typed, one is made from the last name or else the company.
void Customer::numberCustomer()
{
    if (!CUS.CUSTOMERNO.blank() || (CUS.LNAME.blank() && CUS.COMPANY.blank()))
        return;
    CUS.CUSTOMERNO = CUS.LNAME.blank() ? numberFrom(CUS.COMPANY.view(), 2, "@n03")
                                       : numberFrom(CUS.LNAME.view(), 1, "@n04");
    fieldOf(form().entry(CUS.CUSTOMERNO))->display();
}

void Customer::showCopyDirection()
{
    form().button(CopyBilling)->setText(CUS.SADDRESS.blank() ? "Copy Billing" : "Clear Shipping");
}

// Only the first shipping line decides whether the button copies or clears.
void Customer::copyOrClearShipping()
{
    Update();
    dict::FieldPairsClass pairs;
    for (std::size_t i = 0; i < billing().size(); ++i)
        pairs.AddPair(billing()[i], shipping()[i]);
    CUS.SADDRESS.blank() ? pairs.AssignLeftToRight() : pairs.ClearRight();
    showCopyDirection();
    Display();
}

// Ok numbers the customer before the form is checked, so a name typed just now gives the number.
int Customer::TakeAccepted(QWidget *control)
{
    if (control == form().ok()) {
        Update();
        numberCustomer();
        form().cancel()->setText("&Close");
    }
    const int result = FormProcedure::TakeAccepted(control);
    if (fieldOf(control))
        numberCustomer();
    return result;
}

} // namespace Upd
