#include "app/invoices/invoicemath.h"

#include "dictionary/decimal.h"
#include "dictionary/globals.h"

namespace app::invoices {

namespace {

using dict::Decimal;

struct Taxes
{
    Decimal tax, gst;
};

bool isProvincialAndGst(int regime)
{
    return regime == dict::TaxRegime::ProvincialAndGst;
}

// Provincial tax and GST on a taxable base, as the line's two boxes choose; the provincial tax is
// figured on the GST too for a customer who asks for it.
Taxes provincialAndGst(const Decimal &base, bool gstTaxable, bool pstTaxable, const LineTerms &terms)
{
    Taxes taxes;
    if (gstTaxable)
        taxes.gst = base * Decimal(terms.gstRate);
    if (pstTaxable)
        taxes.tax = (terms.pstOnGst ? base + taxes.gst : base) * Decimal(terms.taxRate);
    return taxes;
}

// The single tax of the other regimes (VAT, sales tax, GST alone); no GST on the line.
Taxes singleTax(const Decimal &base, bool taxable, const LineTerms &terms)
{
    Taxes taxes;
    if (taxable && terms.taxRate > 0)
        taxes.tax = base * Decimal(terms.taxRate);
    return taxes;
}

Taxes laborTaxes(const dict::DESCRIPTIONRecord &line, const Decimal &labor, const LineTerms &terms)
{
    if (!terms.laborTaxable)
        return {};
    if (isProvincialAndGst(terms.regime))
        return provincialAndGst(labor, line.GSTTAXABLE, line.TAXABLE, terms);
    return singleTax(labor, true, terms);
}

} // namespace

void computeLine(dict::DESCRIPTIONRecord &line, const LineTerms &terms)
{
    const Decimal quantity(line.QUANTITY);
    Taxes taxes;
    if (line.LABORBUTTON) {
        // A labour line reaches the invoice only through INV.LABOR: whatever a stock line left in
        // its amounts is cleared, or the line-totals pass would count it.
        const Decimal labor = quantity * Decimal(terms.laborRate);
        line.AMOUNT = line.AMOUNTCOST = line.DISCOUNTAMOUNT = 0;
        line.LABOR = labor.toDouble();
        taxes = laborTaxes(line, labor, terms);
    } else {
        // The customer's discount wins over the line's; with neither the discount is 0, not stale.
        const bool customerDiscount = terms.customerDiscount != 0;
        const Decimal percent(customerDiscount ? terms.customerDiscount : double(line.LINEITEMDISCOUNT));
        const Decimal ext = quantity * Decimal(line.PRICE);
        const Decimal discount = ext * percent.percent();
        const Decimal net = ext - discount;
        line.AMOUNTCOST = (quantity * Decimal(line.COST)).toDouble();
        line.DISCOUNTAMOUNT = discount.toDouble();
        // Under the customer's discount the line stays gross: the invoice deducts the discount sum.
        line.AMOUNT = (customerDiscount ? ext : net).toDouble();
        line.LABOR = 0;
        taxes = isProvincialAndGst(terms.regime) ? provincialAndGst(net, line.GSTTAXABLE, line.TAXABLE, terms)
                                                 : singleTax(net, line.TAXABLE, terms);
    }
    line.TAX = taxes.tax.toDouble();
    line.GST = taxes.gst.toDouble();
}

LineSums sumLines(std::span<const dict::DESCRIPTIONRecord> lines, bool lineDiscountMode)
{
    Decimal labor, cost, retail, weight, tax, gst, discount;
    for (const dict::DESCRIPTIONRecord &line : lines) {
        labor += Decimal(line.LABOR);
        cost += Decimal(line.AMOUNTCOST);
        retail += Decimal(line.AMOUNT);
        weight += Decimal(line.WEIGHT);
        tax += Decimal(line.TAX);
        gst += Decimal(line.GST);
        // With line discounts the amounts are already net.
        if (!lineDiscountMode)
            discount += Decimal(line.DISCOUNTAMOUNT);
    }
    return {labor.toDouble(), cost.toDouble(), retail.toDouble(), weight.toDouble(),
            tax.toDouble(),   gst.toDouble(),  discount.toDouble()};
}

void computeTotals(dict::INVOICERecord &invoice, const LineSums &sums, int regime, bool pstOnGst)
{
    invoice.LABOR = sums.labor;
    invoice.COST = sums.cost;
    invoice.RETAIL = sums.retail;
    invoice.WEIGHT = sums.weight;

    const Decimal totalDiscount = Decimal(sums.retail) - Decimal(sums.discount);
    const Decimal shipping(invoice.SHIPPING);
    Decimal tax(sums.tax), gst(sums.gst);
    if (invoice.TAXSHIPPING) {
        if (isProvincialAndGst(regime)) {
            const Decimal shippingGst = shipping * Decimal(invoice.GSTTAXRATE);
            gst += shippingGst;
            tax += (pstOnGst ? shipping + shippingGst : shipping) * Decimal(invoice.TAXRATE);
        } else {
            tax += shipping * Decimal(invoice.TAXRATE);
            gst = Decimal(invoice.GST); // not this regime's tax: left as it is, and out of the total
        }
    }

    // The total is rounded from the exact figures, not from their doubles.
    Decimal total = totalDiscount + shipping + Decimal(sums.labor) + tax + Decimal(invoice.COD);
    if (isProvincialAndGst(regime))
        total += gst;
    const Decimal totalDue = total.roundedToCents();

    invoice.TOTALDISCOUNT = totalDiscount.toDouble();
    invoice.TAX = tax.toDouble();
    invoice.GST = gst.toDouble();
    invoice.TOTALDUE = totalDue.toDouble();
    invoice.AMOUNTOWED = (totalDue - Decimal(invoice.AMOUNTPAID)).roundedToCents().toDouble();
}

} // namespace app::invoices
