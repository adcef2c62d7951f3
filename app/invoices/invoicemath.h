// The arithmetic of a quote or invoice: one line's amounts and taxes, the sums over its lines and
// the invoice totals. Pure functions on the record structs, shared by the invoice form, its line
// form, the booking and the money check, so every place computes a figure the same way.
// Each figure is computed exactly from the shortest decimal forms of the doubles it depends on
// (dict::Decimal) and stored as the nearest double; only the total due and amount owed are rounded.
#pragma once

#include "dictionary/records.h"

#include <span>

namespace app::invoices {

// What a line's figures depend on besides the line itself.
struct LineTerms {
    int regime = 0;              // GLO.CANADIAN, a dict::TaxRegime
    double customerDiscount = 0; // INV.CUSTOMERDISCOUNT, percent
    double taxRate = 0;          // INV.TAXRATE, a fraction
    double gstRate = 0;          // INV.GSTTAXRATE
    double laborRate = 0;        // INV.LABORRATE, per hour
    bool pstOnGst = false;       // CUS.LONGDISTANCE: provincial tax is figured on the GST too
    bool laborTaxable = false;   // GLO.TAXABLE
};

// Sets DES.AMOUNTCOST, DISCOUNTAMOUNT, AMOUNT, TAX, GST and LABOR of one line from its quantity,
// price, cost, discount and tax flags. Line figures are not rounded.
void computeLine(dict::DESCRIPTIONRecord &line, const LineTerms &terms);

// The line-totals pass.
struct LineSums {
    double labor = 0, cost = 0, retail = 0, weight = 0;
    double tax = 0, gst = 0;
    double discount = 0; // only in customer-discount mode; 0 when the lines carry their own discounts
};
LineSums sumLines(std::span<const dict::DESCRIPTIONRecord> lines, bool lineDiscountMode);

// Sets INV.LABOR, COST, RETAIL, WEIGHT from the sums, then TOTALDISCOUNT, TAX, GST (shipping taxed
// when INV.TAXSHIPPING), TOTALDUE and AMOUNTOWED (both rounded to the cent) from the sums, the
// shipping, COD and the amount paid.
void computeTotals(dict::INVOICERecord &invoice, const LineSums &sums, int regime, bool pstOnGst);

} // namespace app::invoices
