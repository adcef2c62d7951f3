#include "app/reports/companyheader.h"

#include "dictionary/globals.h"

#include <initializer_list>
#include <utility>

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

namespace {

// The parts that are filled in, each after its separator unless it comes first.
std::string joined(std::initializer_list<std::pair<const char *, std::string>> parts)
{
    std::string line;
    for (const auto &[separator, text] : parts)
        if (text.find_first_not_of(' ') != std::string::npos)
            line += (line.empty() ? "" : separator) + text;
    return line;
}

} // namespace

std::string companyCityLine(const dict::SETUPRecord &s, dict::BYTE regime)
{
    // The city is clipped in both orders: padded to its field it would print as a gap before
    // the comma in a proportional font.
    const std::string state = s.STATE.blank() ? std::string() : fullState(s.STATE);
    if (regime == dict::TaxRegime::Vat)
        return joined({{"", s.ZIPCODE.str()}, {" ", s.CITY.str()}, {", ", state}, {"  ", s.COUNTRY.str()}});
    return joined({{"", s.CITY.str()}, {", ", state}, {"  ", s.ZIPCODE.str()}, {" ", s.COUNTRY.str()}});
}

std::string companyPhoneLine(const dict::SETUPRecord &s)
{
    return joined({{"", s.PHONENO.blank() ? "" : "Phone: " + s.PHONENO.str()},
                   {" / ", s.FAXNO.blank() ? "" : "Fax: " + s.FAXNO.str()}});
}

// The lines in the order the form gives them; a setup not filled in yet leaves no empty line,
// bare comma or "Phone:" behind.
std::array<std::string, 7> companyLines(const dict::SETUPRecord &s, dict::BYTE regime)
{
    // A VAT invoice carries the shop's own VAT number.
    const std::string vat = regime == dict::TaxRegime::Vat && !s.GSTNUMBER.blank() ? "VAT#: " + s.GSTNUMBER.str() : "";
    const std::string email = joined(
        {{"", s.EMAILADDRESS.str()}, {" ", s.TAXNUMBER.blank() ? "" : "Tax: " + s.TAXNUMBER.str()}, {" ", vat}});
    const std::string city = companyCityLine(s, regime);
    const std::string phone = companyPhoneLine(s);
    std::vector<std::string> order;
    if (!s.ADDRESS2.blank() && !s.ADDRESS3.blank())
        order = {s.ADDRESS.str(), s.ADDRESS2.str(), s.ADDRESS3.str(), city, phone, email};
    else if (!s.ADDRESS2.blank())
        order = {s.ADDRESS.str(), s.ADDRESS2.str(), city, email, phone};
    else
        order = {s.ADDRESS.str(), city, email, phone};
    std::array<std::string, 7> lines{s.COMPANYNAME.str()};
    std::size_t next = 1;
    for (std::string &line : order)
        if (!line.empty())
            lines[next++] = std::move(line);
    return lines;
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
