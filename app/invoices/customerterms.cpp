#include "app/invoices/customerterms.h"

#include "dictionary/globals.h"

namespace app::invoices {

double customerTaxRate(const dict::CUSTOMERRecord &customer, double setupRate)
{
    if (GLO.CANADIAN != dict::TaxRegime::ProvincialAndGst && !customer.TAXNUMBER.blank())
        return 0;
    if (customer.TAXAMOUNT != 0)
        return customer.TAXAMOUNT;
    return GLO.CUSTOMERTAXRATE != 0 ? double(GLO.CUSTOMERTAXRATE) : setupRate;
}

std::string taxRegistration(const dict::CUSTOMERRecord &customer)
{
    const std::string number = customer.TAXNUMBER.str();
    const std::string gst = GLO.GSTNUMBER.str();
    switch (GLO.CANADIAN) {
    case dict::TaxRegime::ProvincialAndGst:
        if (!number.empty() && !gst.empty())
            return "PST#: " + number + "  GST#: " + gst;
        if (!gst.empty())
            return "GST#: " + gst;
        return number.empty() ? "" : "PST#: " + number;
    default:
        // A customer with a tax number pays none (customerTaxRate): the invoice says why.
        return number.empty() ? "" : std::string("Tax exempt \u2014 ") + dict::taxName(GLO.CANADIAN) + "#: " + number;
    }
}

} // namespace app::invoices
