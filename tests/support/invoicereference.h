// An invoice written as decimal text, its figures worked out exactly with GMP's rationals straight
// from that text (nothing of app::invoices is used for them), and the same invoice run through
// app::invoices the way the invoice form runs it. The reference of the invoice arithmetic tests and
// of the money check.
#pragma once

#include "app/invoices/invoicemath.h"

#include <gmpxx.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace ref {

// "-12.345" → -12345/1000, exactly.
inline mpq_class exact(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    std::string digits;
    unsigned long scale = 0;
    bool fraction = false;
    for (char c : text) {
        if (c == '.') {
            fraction = true;
            continue;
        }
        digits += c;
        scale += fraction;
    }
    mpz_class denominator;
    mpz_ui_pow_ui(denominator.get_mpz_t(), 10, scale);
    mpq_class q(mpz_class(digits, 10), denominator);
    q.canonicalize();
    return negative ? mpq_class(-q) : q;
}

// The double that the text reads as, as a record field would hold it.
inline double toDouble(std::string_view text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Half away from zero, to the cent.
inline mpq_class roundCents(const mpq_class &q)
{
    const mpq_class shifted = abs(q) * 100 + mpq_class(1, 2);
    mpz_class cents;
    mpz_fdiv_q(cents.get_mpz_t(), shifted.get_num_mpz_t(), shifted.get_den_mpz_t());
    mpq_class rounded(cents, 100);
    rounded.canonicalize();
    return sgn(q) < 0 ? mpq_class(-rounded) : rounded;
}

// The double nearest to a whole number of cents ("12345e-2" read by from_chars).
inline double centsToDouble(const mpq_class &roundedCents)
{
    const mpq_class scaled = roundedCents * 100;
    return toDouble(mpz_class(scaled.get_num()).get_str() + "e-2");
}

// No other double lies closer to the exact value.
inline bool isNearestDouble(double value, const mpq_class &exactValue)
{
    if (!std::isfinite(value))
        return false;
    const mpq_class distance = abs(mpq_class(value) - exactValue);
    for (double neighbour : {std::nextafter(value, HUGE_VAL), std::nextafter(value, -HUGE_VAL)})
        if (std::isfinite(neighbour) && abs(mpq_class(neighbour) - exactValue) < distance)
            return false;
    return true;
}

// Within a few roundings of a double of the exact value: `size` is the sum of the magnitudes of
// the terms that made it (a sum of many terms may carry the rounding of each).
inline bool isWithinDoublePrecision(double value, const mpq_class &exactValue, const mpq_class &size)
{
    const mpq_class tolerance = size * mpq_class(16 * std::numeric_limits<double>::epsilon());
    return abs(mpq_class(value) - exactValue) <= tolerance;
}

struct Line
{
    bool labour = false;
    std::string quantity = "0", price = "0", cost = "0", discount = "0", weight = "0";
    bool taxable = false, gstTaxable = false;
};

struct Invoice
{
    int regime = 3;
    std::string customerDiscount = "0", taxRate = "0", gstRate = "0", laborRate = "0";
    bool pstOnGst = false, laborTaxable = false;
    std::string shipping = "0", cod = "0", amountPaid = "0";
    bool taxShipping = false;
    std::string gstFound = "0"; // INV.GST as the invoice held it before
    std::vector<Line> lines;

    // The form puts the invoice in line-discount mode with its first line saved with a discount.
    bool lineDiscountMode() const
    {
        return std::any_of(lines.begin(), lines.end(), [](const Line &l) { return exact(l.discount) != 0; });
    }
};

struct LineFigures
{
    mpq_class amount, cost, discount, tax, gst, labor;
};

struct Totals
{
    mpq_class labor, cost, retail, weight, discount, totalDiscount, tax, gst;
    mpq_class total, totalDue, amountOwed; // the total before and after rounding
    mpq_class taxSize, gstSize, totalSize; // sums of the magnitudes of their terms
};

inline LineFigures lineFigures(const Invoice &inv, const Line &line)
{
    LineFigures f;
    const mpq_class quantity = exact(line.quantity), rate = exact(inv.taxRate), gstRate = exact(inv.gstRate);
    const bool regimeOne = inv.regime == 1;
    mpq_class base;
    bool taxed = true;
    if (line.labour) {
        f.labor = quantity * exact(inv.laborRate);
        base = f.labor;
        taxed = inv.laborTaxable;
    } else {
        const mpq_class ext = quantity * exact(line.price);
        const mpq_class customerDiscount = exact(inv.customerDiscount), lineDiscount = exact(line.discount);
        f.cost = quantity * exact(line.cost);
        if (customerDiscount != 0) {
            f.discount = ext * customerDiscount / 100;
            f.amount = ext;
        } else {
            f.discount = ext * lineDiscount / 100;
            f.amount = ext - f.discount;
        }
        base = ext - f.discount;
    }
    if (!taxed)
        return f;
    if (regimeOne) {
        if (line.gstTaxable)
            f.gst = base * gstRate;
        if (line.taxable)
            f.tax = (line.gstTaxable && inv.pstOnGst ? mpq_class(base + f.gst) : base) * rate;
    } else if ((line.labour || line.taxable) && rate > 0) {
        f.tax = base * rate;
    }
    return f;
}

inline Totals totals(const Invoice &inv)
{
    Totals t;
    const bool lineMode = inv.lineDiscountMode();
    for (const Line &line : inv.lines) {
        const LineFigures f = lineFigures(inv, line);
        t.labor += f.labor;
        t.cost += f.cost;
        t.retail += f.amount;
        t.weight += exact(line.weight);
        t.tax += f.tax;
        t.gst += f.gst;
        t.taxSize += abs(f.tax);
        t.gstSize += abs(f.gst);
        if (!lineMode)
            t.discount += f.discount;
        t.totalSize += abs(f.amount) + abs(f.discount) + abs(f.labor) + abs(f.tax) + abs(f.gst);
    }
    t.totalDiscount = t.retail - t.discount;
    const mpq_class shipping = exact(inv.shipping), rate = exact(inv.taxRate), gstRate = exact(inv.gstRate);
    if (inv.taxShipping) {
        mpq_class shippingTax;
        if (inv.regime == 1) {
            const mpq_class shippingGst = shipping * gstRate;
            t.gst += shippingGst;
            t.gstSize += abs(shippingGst);
            shippingTax = (inv.pstOnGst ? mpq_class(shipping + shippingGst) : shipping) * rate;
        } else {
            shippingTax = shipping * rate;
            t.gst = exact(inv.gstFound);
            t.gstSize = abs(t.gst);
        }
        t.tax += shippingTax;
        t.taxSize += abs(shippingTax);
    }
    t.total = t.totalDiscount + shipping + t.labor + t.tax + exact(inv.cod);
    if (inv.regime == 1)
        t.total += t.gst;
    t.totalDue = roundCents(t.total);
    t.amountOwed = roundCents(t.totalDue - exact(inv.amountPaid));
    return t;
}

// The invoice after the form has run: each line through computeLine, then the line-totals pass and
// the totals. Every figure the arithmetic sets starts out stale, as in a record that is edited again.
struct Computed
{
    dict::INVOICERecord invoice{};
    std::vector<dict::DESCRIPTIONRecord> lines;
};

inline constexpr double kStale = 777.77;

inline Computed runForm(const Invoice &inv)
{
    Computed c;
    const app::invoices::LineTerms terms{inv.regime,
                                         toDouble(inv.customerDiscount),
                                         toDouble(inv.taxRate),
                                         toDouble(inv.gstRate),
                                         toDouble(inv.laborRate),
                                         inv.pstOnGst,
                                         inv.laborTaxable};
    for (const Line &l : inv.lines) {
        dict::DESCRIPTIONRecord line{};
        line.LABORBUTTON = l.labour;
        line.QUANTITY = toDouble(l.quantity);
        line.PRICE = toDouble(l.price);
        line.COST = toDouble(l.cost);
        line.LINEITEMDISCOUNT = toDouble(l.discount);
        line.WEIGHT = toDouble(l.weight);
        line.TAXABLE = l.taxable;
        line.GSTTAXABLE = l.gstTaxable;
        line.AMOUNT = line.AMOUNTCOST = line.DISCOUNTAMOUNT = line.TAX = line.GST = line.LABOR = kStale;
        app::invoices::computeLine(line, terms);
        c.lines.push_back(line);
    }
    dict::INVOICERecord &invoice = c.invoice;
    invoice.CUSTOMERDISCOUNT = terms.customerDiscount;
    invoice.TAXRATE = terms.taxRate;
    invoice.GSTTAXRATE = terms.gstRate;
    invoice.LABORRATE = terms.laborRate;
    invoice.SHIPPING = toDouble(inv.shipping);
    invoice.TAXSHIPPING = inv.taxShipping;
    invoice.COD = toDouble(inv.cod);
    invoice.AMOUNTPAID = toDouble(inv.amountPaid);
    invoice.GST = toDouble(inv.gstFound);
    invoice.LINEITEMDISCOUNT = std::any_of(c.lines.begin(), c.lines.end(),
                                           [](const dict::DESCRIPTIONRecord &l) { return l.LINEITEMDISCOUNT != 0; });
    invoice.TAX = invoice.TOTALDISCOUNT = invoice.TOTALDUE = invoice.AMOUNTOWED = kStale;
    invoice.LABOR = invoice.COST = invoice.RETAIL = invoice.WEIGHT = kStale;
    const auto sums = app::invoices::sumLines(c.lines, invoice.LINEITEMDISCOUNT);
    app::invoices::computeTotals(invoice, sums, inv.regime, inv.pstOnGst);
    return c;
}

} // namespace ref
