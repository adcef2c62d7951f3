#include "app/reports/reportformats.h"

#include "app/reports/invoiceprint.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/picture.h"

namespace PRN {

namespace {
std::string picture(const dict::String<15> &global, const char *fallback)
{
    return global.blank() ? std::string(fallback) : global.str();
}
} // namespace

std::string money(double value) { return shown(value, picture(GLO.CURRENCYNAME, "@n-13.2")); }

std::string totals(double value) { return shown(value, picture(GLO.CURRENCYNAME1, "@n-15.2")); }

std::string quantity(double value) { return fw::shopPlainNumber(value); }

std::string dateText(dict::LONG day) { return fw::formatValue(day, fw::datePicture("@d2")); }

std::string runDate() { return "Run Date: " + dateText(fw::today()); }

rpt::Item runDateLine() { return rpt::computed({0, 320, 3000, 180}, runDate, rpt::Small); }

std::string customerName()
{
    std::string name = CUS.FNAME.str();
    if (!name.empty() && !CUS.LNAME.blank())
        name += ' ';
    return (name + CUS.LNAME.str()).substr(0, 25);
}

std::string companyName() { return CUS.COMPANY.str().substr(0, 35); }

} // namespace PRN
