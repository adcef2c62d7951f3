// What a customer brings to the documents written for it: the tax rate it pays (none where its
// tax number exempts it) and the tax-registration line printed on the document.
#pragma once

#include "dictionary/globals.h"
#include "dictionary/records.h"

#include <string>

namespace app::invoices {

// Outside the first regime a customer with a tax number is exempt; otherwise its own rate, else
// the customers' rate, else setupRate (the setup's rate when the document was opened).
double customerTaxRate(const dict::CUSTOMERRecord &customer, double setupRate);
// The registration line of the invoice by the regime in force: "PST#: ...  GST#: ..." beside a
// provincial tax, "Tax exempt — VAT#: ..." for a customer whose tax number exempts it; empty when
// there is nothing to print.
std::string taxRegistration(const dict::CUSTOMERRecord &customer);
// A document's (an invoice's, a credit memo's) tax, GST and labour rates by its customer; its
// registration line when it has none.
template <typename Document>
void applyCustomerTerms(Document &document, const dict::CUSTOMERRecord &customer, double setupRate)
{
    document.TAXRATE = customerTaxRate(customer, setupRate);
    document.GSTTAXRATE = GLO.GST;
    document.LABORRATE = GLO.LABORRATE;
    if (document.TAXINFO.blank())
        document.TAXINFO = taxRegistration(customer);
}

} // namespace app::invoices
