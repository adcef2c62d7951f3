#include "reports/winroutines.h"

#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/picture.h"

#include <array>
#include <string>
#include <string_view>

namespace WIN {
namespace {

using Line = dict::String<40>;

// ---- Address blocks ------------------------------------------------------------------------

// The globals of one printed address block, top to bottom.
struct AddressBlock {
    Line &company;
    Line &name; // the "ATTN: " line
    Line &address;
    Line &address2;
    Line &address3;
    Line &cityLine;
};

// A state code at its full field width: a two-letter code is followed by a blank, which the
// printed city lines expect. Padding the clipped value also drops NULs a foreign writer left.
template <std::size_t N>
std::string fullWidth(const dict::String<N> &state)
{
    std::string text(state.view());
    text.resize(N, ' ');
    return text;
}

// City, state, postal code and country on one line.
std::string cityLine(std::string_view city, std::string_view state, std::string_view zip,
                     std::string_view country)
{
    return std::string(city) + ' ' + std::string(state) + ' ' + std::string(zip) + ' ' + std::string(country);
}

// The European order puts the postal code before the city.
std::string zipFirstCityLine(std::string_view city, std::string_view state, std::string_view zip,
                             std::string_view country)
{
    return std::string(zip) + ' ' + std::string(city) + ' ' + std::string(state) + ' ' + std::string(country);
}

// The contact's name from whichever of the two names there are.
std::string fullName(std::string_view first, std::string_view last)
{
    if (first.empty() || last.empty())
        return std::string(first) + std::string(last);
    return std::string(first) + ' ' + std::string(last);
}

// A contact with only a first or only a last name is still a contact: the name is never lost.
std::string attentionLine(std::string_view first, std::string_view last)
{
    const std::string name = fullName(first, last);
    return name.empty() ? std::string() : "ATTN: " + name;
}

void moveCityLineTo(Line &target, AddressBlock &block)
{
    target = block.cityLine.view();
    block.cityLine.clear();
}

// Moves lines up so that the block prints without blank lines inside it. Without a company the
// contact's name takes its place; without either, the first address line does. Without a
// company, a block of exactly two address lines keeps one blank line above its city line.
void compact(AddressBlock block, std::string_view first, std::string_view last)
{
    const bool hasAddress2 = !block.address2.blank();
    if (!block.company.blank()) {
        if (!hasAddress2) {
            block.address3.clear();
            moveCityLineTo(block.address2, block);
        } else if (block.address3.blank()) {
            moveCityLineTo(block.address3, block);
        }
        return;
    }
    if (!block.name.blank()) {
        block.company = fullName(first, last);
        block.name.clear();
        if (!hasAddress2) {
            block.address3.clear();
            moveCityLineTo(block.address2, block);
        }
        return;
    }
    block.company = block.address.view();
    if (hasAddress2) {
        block.address = block.address2.view();
        block.address2 = block.address3.view();
        moveCityLineTo(block.address3, block);
    } else {
        block.address2.clear();
        block.address3.clear();
        moveCityLineTo(block.address, block);
    }
}

void shipToLines()
{
    GLO.SHIPPINGADDRESS = CUS.SADDRESS.view();
    GLO.SHIPPINGADDRESS2 = CUS.SADDRESS2.view();
    GLO.SHIPPINGADDRESS3 = CUS.SADDRESS3.view();
    const auto build = GLO.CANADIAN == 2 ? zipFirstCityLine : cityLine;
    GLO.SHIPPINGCITYSTATEANDZIP =
        build(CUS.SCITY.view(), fullWidth(CUS.SSTATE), CUS.SZIPCODE.view(), CUS.SCOUNTRY.view());
}

// A one-line ship-to address is followed directly by its city line. That line is always built
// city first, whatever the tax regime.
void closeShipToGap()
{
    if (!GLO.SHIPPINGADDRESS2.blank())
        return;
    GLO.SHIPPINGADDRESS2 = cityLine(CUS.SCITY.view(), fullWidth(CUS.SSTATE), CUS.SZIPCODE.view(), CUS.SCOUNTRY.view());
    GLO.SHIPPINGADDRESS3.clear();
    GLO.SHIPPINGCITYSTATEANDZIP.clear();
}

void customerAddress()
{
    GLO.CUSTOMERCOMPANY = CUS.COMPANY.view();
    GLO.CUSTOMERADDRESS = CUS.ADDRESS.view();
    GLO.CUSTOMERADDRESS2 = CUS.ADDRESS2.view();
    GLO.CUSTOMERADDRESS3 = CUS.ADDRESS3.view();
    GLO.CUSTOMERCITYSTATEANDZIP =
        cityLine(CUS.CITY.view(), fullWidth(CUS.STATE), CUS.ZIPCODE.view(), CUS.COUNTRY.view());
    shipToLines();
    GLO.CUSTOMERNAME = attentionLine(CUS.FNAME.view(), CUS.LNAME.view());

    // The ship-to box repeats the bill-to heading only when there is a ship-to address. It is
    // taken before the bill-to block is compacted, which may move the billing street into the
    // company's line: that street must never head the ship-to address.
    const bool shipsElsewhere = !GLO.SHIPPINGADDRESS.blank();
    const bool hasCompany = !GLO.CUSTOMERCOMPANY.blank();
    const std::string contact = fullName(CUS.FNAME.view(), CUS.LNAME.view());
    GLO.CUSTOMERCOMPANY_2 = !shipsElsewhere ? "" : hasCompany ? GLO.CUSTOMERCOMPANY.str() : contact;
    GLO.CUSTOMERNAME_2 = shipsElsewhere && hasCompany ? GLO.CUSTOMERNAME.view() : "";

    compact({GLO.CUSTOMERCOMPANY, GLO.CUSTOMERNAME, GLO.CUSTOMERADDRESS, GLO.CUSTOMERADDRESS2,
             GLO.CUSTOMERADDRESS3, GLO.CUSTOMERCITYSTATEANDZIP},
            CUS.FNAME.view(), CUS.LNAME.view());
    closeShipToGap();
}

void vendorAddress()
{
    GLO.VENDORNAME = VEN.VENDOR.view();
    GLO.VENDORADDRESS = VEN.ADDRESS.view();
    GLO.VENDORADDRESS2 = VEN.ADDRESS2.view();
    GLO.VENDORADDRESS3 = VEN.ADDRESS3.view();
    GLO.VENDORCITYSTATEANDZIP = cityLine(VEN.CITY.view(), fullWidth(VEN.STATE), VEN.ZIPCODE.view(), VEN.COUNTRY.view());
    GLO.VENDORPOCNAME = attentionLine(VEN.FNAME.view(), VEN.LNAME.view());

    compact({GLO.VENDORNAME, GLO.VENDORPOCNAME, GLO.VENDORADDRESS, GLO.VENDORADDRESS2, GLO.VENDORADDRESS3,
             GLO.VENDORCITYSTATEANDZIP},
            VEN.FNAME.view(), VEN.LNAME.view());
}

// ---- Money pictures ------------------------------------------------------------------------

// CURRENCYNAME, CURRENCYNAME1 (totals), CURRENCYNAME2 (quantities), CURRENCYNAME3 ... 7.
// In the pictures "`" is a decimal comma, "_" a blank thousands separator and the text between
// tildes a currency sign printed as written.
using PictureSet = std::array<std::string_view, 8>;

// Set for any currency type; the totals picture has none and is left as it was.
constexpr PictureSet DefaultPictures{"@n-13.2", "", "@s12", "@n-15.5", "@n-13.5", "@n-13.3", "@n6.2", "@n6.5"};

// Point decimals with a currency sign on the totals and five-decimal pictures only.
constexpr PictureSet pointDecimals(std::string_view totals, std::string_view fiveDecimals)
{
    return {"@n-13.2", totals, "@s12", fiveDecimals, "@n-13.5", "@n-13.3", "@n6.2", "@n6.5"};
}

// Comma decimals throughout.
constexpr PictureSet commaDecimals(std::string_view totals, std::string_view fiveDecimals)
{
    return {"@n-13`2", totals, "@s12", fiveDecimals, "@n-13`5", "@n-13`3", "@n6`2", "@n6`5"};
}

// Indexed by currency type 1-12.
constexpr std::array<PictureSet, 12> CurrencyPictures{{
    pointDecimals("@n$-15.2", "@n$-15.5"),             // 1
    pointDecimals("@n~£~-15.2", "@n~£~-15.5"),         // 2
    commaDecimals("@n~DM~-15`2", "@n~DM~-15`5"),       // 3
    {"@n-13_`2", "@n-15_`2~F~", "@s12", "@n-15_`5~F~", // 4: currency after, blank thousands
     "@n-13_`5", "@n-13_`3", "@n6_`2", "@n6_`5"},
    commaDecimals("@n~FL~-15`2", "@n~FL~-15`5"),       // 5
    pointDecimals("@n~RM~-15.2", "@n~RM~-15.5"),       // 6
    pointDecimals("@n~P~-15.2", "@n~P~-15.5"),         // 7
    pointDecimals("@n~S$~-15.2", "@n~S$~-15.5"),       // 8
    pointDecimals("@n-15.2", "@n-15.5"),               // 9: no currency sign
    {"@n-13", "@n~¥~-15", "@s12", "@n~¥~-15",          // 10: no decimals
     "@n-13", "@n-13", "@n6", "@n6"},
    pointDecimals("@n~C~-15.2", "@n~C~-15.5"),         // 11
    commaDecimals("@n~€~-15`2", "@n~€~-15`5"),         // 12
}};

void applyPictures(const PictureSet &pictures)
{
    dict::String<15> *const targets[] = {&GLO.CURRENCYNAME,  &GLO.CURRENCYNAME1, &GLO.CURRENCYNAME2,
                                         &GLO.CURRENCYNAME3, &GLO.CURRENCYNAME4, &GLO.CURRENCYNAME5,
                                         &GLO.CURRENCYNAME6, &GLO.CURRENCYNAME7};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        if (!pictures[i].empty())
            *targets[i] = pictures[i];
    }
}

void moneyPictures()
{
    const int type = SET.CURRENCYTYPE;
    const bool known = type >= 1 && type <= int(CurrencyPictures.size());
    applyPictures(known ? CurrencyPictures[type - 1] : DefaultPictures);
    GLO.CURRENCYNAME8.clear();
}

// ---- Month name and settings ---------------------------------------------------------------

void monthName()
{
    const std::string_view name = fw::monthName(INV.MONTH);
    if (!name.empty())
        GLO.MONTHNAME = name;
}

// Field by field in the order the settings are listed. Every string global is as wide as its
// SETUP field and blank-padded, so each takes the value without trailing blanks.
void setupSettings()
{
    GLO.LABORRATE = SET.LABORRATE;
    GLO.PRINTPREVIEW = SET.PRINTPREVIEW;
    GLO.PRINTINVOICE = SET.PRINTINVOICE;
    GLO.PRINTCHOICE = SET.PRINTCHOICE;
    GLO.PRINTSHIPPING = SET.PRINTSHIPPING;
    GLO.PICKLIST = SET.PICKLIST;
    GLO.DATENAME = SET.DATENAME.view();
    GLO.LABELTYPE = SET.LABELTYPE;
    GLO.LABEL1TYPE = SET.LABEL1TYPE;
    GLO.CURRENCYTYPE = SET.CURRENCYTYPE;
    GLO.GST = SET.GST;
    GLO.GSTNUMBER = SET.GSTNUMBER.view();
    GLO.PAPERSIZE = SET.PAPERSIZE.view();
    GLO.ENVELOPESIZE = SET.ENVELOPESIZE.view();
    GLO.INVENTORYMARKUP = SET.INVENTORYMARKUP;
    GLO.AUTOTAXITEM = SET.AUTOTAXITEM;
    GLO.CUSTOMERTAXRATE = SET.CUSTOMERTAXRATE;
    GLO.LABELLINE = SET.LABELLINE.view();
    GLO.TAXABLE = SET.TAXABLE;
    GLO.PRICE1 = SET.PRICE1.view();
    GLO.PRICE2 = SET.PRICE2.view();
    GLO.PRICE3 = SET.PRICE3.view();
    GLO.PROHIBITSELLING = SET.PROHIBITESELLING;
    GLO.TAXSHIPPING = SET.TAXSHIPPING;
    GLO.CANADIAN = SET.CANADIAN;
    GLO.REDLINEINVOICE = SET.REDLINEINVOICE;
    GLO.REDLINECUSTOMER = SET.REDLINECUSTOMER;
    GLO.REDLINEINVENTORY = SET.REDLINEINVENTORY;
    GLO.REDLINEPURCHASEORDER = SET.REDLINEPURCHASEORDER;
    GLO.PASSWORDHASH = SET.PASSWORDHASH.view();
    GLO.PASSWORDCHANGE = SET.PASSWORDCHANGE;
    GLO.PASSWORDDELETE = SET.PASSWORDDELETE;
}

} // namespace

void ROUTINES()
{
    const dict::BYTE routine = GLO.WINROUTINE;
    GLO.WINROUTINE = 0;
    switch (routine) {
    case MoneyPictures: moneyPictures(); break;
    case MonthName: monthName(); break;
    case SetupSettings: setupSettings(); break;
    case VendorAddress: vendorAddress(); break;
    default: customerAddress(); break;
    }
}

} // namespace WIN
