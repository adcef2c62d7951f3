// How the reports show money, dates and names: through the pictures the settings chose, with
// the padding dropped (the layouts align their values themselves).
#pragma once

#include "dictionary/fieldtypes.h"
#include "reports/reportlayout.h"

#include <string>

namespace PRN {

std::string money(double value);  // GLO.CURRENCYNAME
std::string totals(double value); // GLO.CURRENCYNAME1, the totals' picture with its currency sign
std::string quantity(double value); // as typed, with the shop's decimal point
std::string dateText(dict::LONG day); // GLO.DATENAME
std::string runDate();               // "Run Date: " and today
rpt::Item runDateLine();             // the run date under a listing's title

// The customer in the CUS buffer: first and last name (25 characters), company (35).
std::string customerName();
std::string companyName();

} // namespace PRN
