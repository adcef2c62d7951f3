#include "app/reports/companyheader.h"

#include "dictionary/globals.h"

namespace PRN {

namespace {

// A state code at its full width, as the address lines print it.
std::string fullState(const dict::String<3> &state)
{
    std::string text(state.view());
    text.resize(3, ' ');
    return text;
}

} // namespace

std::string companyCityLine(const dict::SETUPRecord &s, dict::BYTE regime)
{
    // The city is clipped in both orders: padded to its field it would print as a gap before
    // the comma in a proportional font.
    if (regime == dict::TaxRegime::Vat)
        return s.ZIPCODE.str() + ' ' + s.CITY.str() + ", " + fullState(s.STATE) + "  " + s.COUNTRY.str();
    return s.CITY.str() + ", " + fullState(s.STATE) + "  " + s.ZIPCODE.str() + ' ' + s.COUNTRY.str();
}

std::string companyPhoneLine(const dict::SETUPRecord &s)
{
    std::string phone = "Phone: " + s.PHONENO.str();
    if (!s.FAXNO.blank())
        phone += " / Fax: " + s.FAXNO.str();
    return phone;
}

std::array<std::string, 7> companyLines(const dict::SETUPRecord &s, dict::BYTE regime)
{
    std::string email = s.EMAILADDRESS.str();
    if (!s.TAXNUMBER.blank())
        email += " Tax: " + s.TAXNUMBER.str();
    const std::string city = companyCityLine(s, regime);
    const std::string phone = companyPhoneLine(s);
    const std::string name = s.COMPANYNAME.str();
    if (!s.ADDRESS2.blank() && !s.ADDRESS3.blank())
        return {name, s.ADDRESS.str(), s.ADDRESS2.str(), s.ADDRESS3.str(), city, phone, email};
    if (!s.ADDRESS2.blank())
        return {name, s.ADDRESS.str(), s.ADDRESS2.str(), city, email, phone, ""};
    return {name, s.ADDRESS.str(), city, email, phone, "", ""};
}

std::vector<std::string> returnAddress(const dict::SETUPRecord &s, dict::BYTE regime)
{
    std::vector<std::string> lines;
    for (const auto *line : {&s.COMPANYNAME, &s.ADDRESS, &s.ADDRESS2, &s.ADDRESS3})
        if (!line->blank())
            lines.push_back(line->str());
    // A setup not filled in yet leaves no bare comma or "Phone:" behind.
    if (!s.CITY.blank() || !s.STATE.blank() || !s.ZIPCODE.blank() || !s.COUNTRY.blank())
        lines.push_back(companyCityLine(s, regime));
    if (!s.PHONENO.blank())
        lines.push_back(companyPhoneLine(s));
    return lines;
}

} // namespace PRN
