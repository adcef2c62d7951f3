// The shop's own address as documents and labels print it, from the SETUP record.
#pragma once

#include "dictionary/records.h"

#include <array>
#include <string>
#include <vector>

namespace PRN {

// City, state, postal code and country on one line; the postal code first under VAT.
std::string companyCityLine(const dict::SETUPRecord &setup, dict::BYTE regime);
// "Phone: " and the number, and " / Fax: " and the fax number when there is one.
std::string companyPhoneLine(const dict::SETUPRecord &setup);

// The seven lines of a document's company block: name, address lines, city line, then the
// e-mail (with the tax number) and phone lines in the order the address's length leaves room for.
std::array<std::string, 7> companyLines(const dict::SETUPRecord &setup, dict::BYTE regime);

// A return address: name, the address lines there are, city line and phone line.
std::vector<std::string> returnAddress(const dict::SETUPRecord &setup, dict::BYTE regime);

} // namespace PRN
