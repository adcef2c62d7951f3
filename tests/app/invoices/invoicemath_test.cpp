#include "app/invoices/invoicemath.h"
#include "dictionary/money.h"
#include "tests/support/invoicereference.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using ref::Invoice;
using ref::Line;

// Every figure of the form's run against the exact figures of the same decimal text: line figures
// are the nearest doubles, the total due and amount owed exact cents, the sums within rounding.
void expectMatchesReference(const Invoice &inv)
{
    const ref::Computed got = ref::runForm(inv);
    for (std::size_t i = 0; i < inv.lines.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1));
        const ref::LineFigures want = ref::lineFigures(inv, inv.lines[i]);
        const dict::DESCRIPTIONRecord &line = got.lines[i];
        EXPECT_TRUE(ref::isNearestDouble(line.AMOUNT, want.amount)) << line.AMOUNT;
        EXPECT_TRUE(ref::isNearestDouble(line.AMOUNTCOST, want.cost)) << line.AMOUNTCOST;
        EXPECT_TRUE(ref::isNearestDouble(line.DISCOUNTAMOUNT, want.discount)) << line.DISCOUNTAMOUNT;
        EXPECT_TRUE(ref::isNearestDouble(line.TAX, want.tax)) << line.TAX;
        EXPECT_TRUE(ref::isNearestDouble(line.GST, want.gst)) << line.GST;
        EXPECT_TRUE(ref::isNearestDouble(line.LABOR, want.labor)) << line.LABOR;
    }
    const ref::Totals want = ref::totals(inv);
    const dict::INVOICERecord &invoice = got.invoice;
    EXPECT_EQ(invoice.TOTALDUE, ref::centsToDouble(want.totalDue)) << want.totalDue.get_str();
    EXPECT_EQ(invoice.AMOUNTOWED, ref::centsToDouble(want.amountOwed)) << want.amountOwed.get_str();
    EXPECT_EQ(dict::roundCents(invoice.TAX), ref::centsToDouble(ref::roundCents(want.tax)));
    EXPECT_EQ(dict::roundCents(invoice.GST), ref::centsToDouble(ref::roundCents(want.gst)));
    const auto close = [&](double value, const mpq_class &exact, const mpq_class &size) {
        EXPECT_TRUE(ref::isWithinDoublePrecision(value, exact, size + abs(exact))) << value << " vs " << exact.get_d();
    };
    close(invoice.TAX, want.tax, want.taxSize);
    close(invoice.GST, want.gst, want.gstSize);
    close(invoice.TOTALDISCOUNT, want.totalDiscount, want.totalSize);
    close(invoice.RETAIL, want.retail, want.totalSize);
    close(invoice.LABOR, want.labor, want.totalSize);
    close(invoice.COST, want.cost, 0);
    close(invoice.WEIGHT, want.weight, 0);
}

// --- Every regime with every discount mode and the charges around the lines. ---------------------

enum class Discounts { None, Customer, Lines };
enum class Extras { TaxedLabour, TaxedShippingAndCod, UntaxedShippingCodAndPayment, PstOnGstShippingAndLabour };

Invoice tableInvoice(int regime, Discounts discounts, Extras extras)
{
    static const char *const taxRates[] = {"0.08", "0.175", "0.0725", "0.05"};
    Invoice inv;
    inv.regime = regime;
    inv.taxRate = taxRates[regime - 1];
    inv.gstRate = "0.07";
    inv.gstFound = "3.21";
    inv.customerDiscount = discounts == Discounts::Customer ? "12.5" : "0";
    const bool lines = discounts == Discounts::Lines;
    inv.lines = {
        {false, "3", "16.835", "9.1", lines ? "10" : "0", "2.5", true, true},
        {false, "1.5", "33.3333", "20.125", "0", "0.75", true, false},
        {false, "0.125", "80.04", "61", lines ? "5.5" : "0", "0", false, true},
        {false, "2", "0.1", "0.07", "0", "1.2", false, false},
    };
    switch (extras) {
    case Extras::TaxedLabour:
        inv.laborRate = "45.5";
        inv.laborTaxable = true;
        inv.lines.push_back({true, "2.25", "0", "0", "0", "0", true, true});
        break;
    case Extras::TaxedShippingAndCod:
        inv.shipping = "12.35";
        inv.taxShipping = true;
        inv.cod = "4.5";
        break;
    case Extras::UntaxedShippingCodAndPayment:
        inv.shipping = "10";
        inv.cod = "7.25";
        inv.amountPaid = "50";
        inv.laborRate = "60";
        inv.lines.push_back({true, "1.333", "0", "0", "0", "0", true, true});
        break;
    case Extras::PstOnGstShippingAndLabour:
        inv.pstOnGst = true;
        inv.shipping = "10";
        inv.taxShipping = true;
        inv.laborRate = "52.5";
        inv.laborTaxable = true;
        inv.lines.push_back({true, "0.75", "0", "0", "0", "0", true, true});
        break;
    }
    return inv;
}

class InvoiceTable : public ::testing::TestWithParam<std::tuple<int, Discounts, Extras>>
{};

TEST_P(InvoiceTable, MatchesTheExactFigures)
{
    const auto [regime, discounts, extras] = GetParam();
    expectMatchesReference(tableInvoice(regime, discounts, extras));
}

std::string caseName(const ::testing::TestParamInfo<InvoiceTable::ParamType> &info)
{
    static const char *const discounts[] = {"NoDiscount", "CustomerDiscount", "LineDiscounts"};
    static const char *const extras[] = {"TaxedLabour", "TaxedShippingCod", "UntaxedShippingCodPaid",
                                         "PstOnGstShippingLabour"};
    const auto [regime, discount, extra] = info.param;
    return "Regime" + std::to_string(regime) + "_" + discounts[int(discount)] + "_" + extras[int(extra)];
}

INSTANTIATE_TEST_SUITE_P(AllRegimes, InvoiceTable,
                         ::testing::Combine(::testing::Values(1, 2, 3, 4),
                                            ::testing::Values(Discounts::None, Discounts::Customer, Discounts::Lines),
                                            ::testing::Values(Extras::TaxedLabour, Extras::TaxedShippingAndCod,
                                                              Extras::UntaxedShippingCodAndPayment,
                                                              Extras::PstOnGstShippingAndLabour)),
                         caseName);

TEST(InvoiceReference, DigitsBeyondADoublesPrecisionStayExact)
{
    // Shortest forms of up to 17 digits (0.1 + 0.2, 1/3): the products outgrow 38 digits and are cut.
    Invoice inv;
    inv.regime = 1;
    inv.pstOnGst = true;
    inv.customerDiscount = "12.345678901234567";
    inv.taxRate = "0.07000000000000002";
    inv.gstRate = "0.05000000000000001";
    inv.lines = {{false, "0.30000000000000004", "0.3333333333333333", "1.1", "0", "1", true, true},
                 {false, "123456.78901234567", "98765.43210987654", "0", "0", "0", true, true}};
    expectMatchesReference(inv);
}

// --- The cases the form's users meet. -------------------------------------------------------------

const dict::DESCRIPTIONRecord &onlyLine(const ref::Computed &c)
{
    return c.lines.at(0);
}

TEST(LineComputation, DiscountsAndWhatTheyLeaveOnTheLine)
{
    Invoice inv;
    inv.taxRate = "0.1";
    inv.customerDiscount = "10";
    inv.lines = {{false, "2", "25", "0", "0", "0", true, false}};
    const auto customer = ref::runForm(inv);
    EXPECT_EQ(onlyLine(customer).DISCOUNTAMOUNT, 5.0);
    EXPECT_EQ(onlyLine(customer).AMOUNT, 50.0) << "the line stays gross";
    EXPECT_EQ(onlyLine(customer).TAX, 4.5) << "taxed on 45.00";
    EXPECT_EQ(customer.invoice.TOTALDISCOUNT, 45.0);

    inv.customerDiscount = "0";
    inv.lines[0].discount = "10";
    const auto line = ref::runForm(inv);
    EXPECT_EQ(onlyLine(line).AMOUNT, 45.0);
    EXPECT_EQ(line.invoice.TOTALDISCOUNT, 45.0) << "line discounts are not deducted twice";

    inv.lines[0].discount = "0";
    EXPECT_EQ(onlyLine(ref::runForm(inv)).DISCOUNTAMOUNT, 0.0) << "no discount leaves no stale one";
}

TEST(LineComputation, ProvincialTaxAndGstByTheTwoBoxes)
{
    Invoice inv;
    inv.regime = 1;
    inv.taxRate = "0.08";
    inv.gstRate = "0.07";
    inv.pstOnGst = true;
    inv.lines = {{false, "1", "100", "0", "0", "0", true, true}};
    EXPECT_EQ(onlyLine(ref::runForm(inv)).GST, 7.0);
    EXPECT_EQ(onlyLine(ref::runForm(inv)).TAX, 8.56);
    inv.pstOnGst = false;
    EXPECT_EQ(onlyLine(ref::runForm(inv)).TAX, 8.0);
    inv.lines[0].gstTaxable = false;
    EXPECT_EQ(onlyLine(ref::runForm(inv)).GST, 0.0);
    inv.lines[0] = {false, "1", "100", "0", "0", "0", false, true};
    EXPECT_EQ(onlyLine(ref::runForm(inv)).TAX, 0.0);
}

TEST(LineComputation, OtherRegimesTaxOnlyTaxableLinesAtAPositiveRateAndNeverGst)
{
    Invoice inv;
    inv.regime = 3;
    inv.gstRate = "0.07";
    inv.lines = {{false, "1", "100", "0", "0", "0", true, true}};
    EXPECT_EQ(onlyLine(ref::runForm(inv)).TAX, 0.0) << "rate 0";
    for (int regime : {2, 3, 4}) {
        inv.regime = regime;
        inv.taxRate = "0.2";
        EXPECT_EQ(onlyLine(ref::runForm(inv)).TAX, 20.0);
        EXPECT_EQ(onlyLine(ref::runForm(inv)).GST, 0.0);
    }
}

TEST(LineComputation, LabourLinesCarryOnlyLabourAndItsTaxes)
{
    Invoice inv;
    inv.regime = 1;
    inv.customerDiscount = "10";
    inv.taxRate = "0.08";
    inv.gstRate = "0.07";
    inv.laborRate = "40";
    inv.lines = {{true, "1.5", "99", "5", "0", "0", true, true}};
    const auto untaxed = ref::runForm(inv);
    EXPECT_EQ(onlyLine(untaxed).LABOR, 60.0);
    EXPECT_EQ(onlyLine(untaxed).AMOUNT, 0.0);
    EXPECT_EQ(onlyLine(untaxed).AMOUNTCOST, 0.0);
    EXPECT_EQ(onlyLine(untaxed).DISCOUNTAMOUNT, 0.0);
    EXPECT_EQ(onlyLine(untaxed).TAX, 0.0);
    EXPECT_EQ(onlyLine(untaxed).GST, 0.0);
    EXPECT_EQ(untaxed.invoice.TOTALDUE, 60.0);

    inv.laborTaxable = true;
    EXPECT_EQ(onlyLine(ref::runForm(inv)).GST, 4.2);
    EXPECT_EQ(onlyLine(ref::runForm(inv)).TAX, 4.8);
    inv.regime = 3;
    inv.lines[0].taxable = false; // the labour setting decides here, not the box
    EXPECT_EQ(onlyLine(ref::runForm(inv)).TAX, 4.8);
    EXPECT_EQ(onlyLine(ref::runForm(inv)).GST, 0.0);
}

TEST(InvoiceTotals, ShippingTaxedWithProvincialTaxOnGst)
{
    Invoice inv;
    inv.regime = 1;
    inv.taxRate = "0.08";
    inv.gstRate = "0.07";
    inv.pstOnGst = true;
    inv.shipping = "10";
    inv.taxShipping = true;
    const auto got = ref::runForm(inv);
    EXPECT_EQ(got.invoice.GST, 0.7);
    EXPECT_EQ(got.invoice.TAX, 0.856);
    EXPECT_EQ(got.invoice.TOTALDUE, 11.56);
}

TEST(InvoiceTotals, AHalfCentRoundsUpAsWritten)
{
    // Added as doubles these three amounts come to 100.00499999999998.
    ASSERT_LT(51.989 + 45.913 + 2.103, 100.005);
    Invoice inv;
    inv.lines = {{false, "1", "51.989"}, {false, "1", "45.913"}, {false, "1", "2.103"}};
    inv.amountPaid = "100.015";
    const auto got = ref::runForm(inv);
    EXPECT_EQ(got.invoice.TOTALDUE, 100.01);
    EXPECT_EQ(got.invoice.AMOUNTOWED, -0.01) << "half a cent overpaid rounds away from zero";

    // And so do these four parts of a total: 133.98499999999999.
    ASSERT_LT(51.045 + 26.15 + 45.0 + 11.79, 133.985);
    inv.lines = {{false, "1", "51.045"}, {true, "0.75"}};
    inv.laborRate = "60";
    inv.shipping = "26.15";
    inv.cod = "11.79";
    inv.amountPaid = "0";
    EXPECT_EQ(ref::runForm(inv).invoice.TOTALDUE, 133.99);
}

TEST(InvoiceTotals, GstEntersTheTotalOnlyInRegimeOne)
{
    Invoice inv;
    inv.regime = 3;
    inv.gstFound = "5";
    inv.shipping = "10";
    inv.taxShipping = true;
    inv.lines = {{false, "1", "100"}};
    const auto salesTax = ref::runForm(inv);
    EXPECT_EQ(salesTax.invoice.GST, 5.0) << "left as it was";
    EXPECT_EQ(salesTax.invoice.TOTALDUE, 110.0);
    inv.taxShipping = false;
    EXPECT_EQ(ref::runForm(inv).invoice.GST, 0.0);

    inv.regime = 1;
    inv.gstRate = "0.05";
    inv.lines[0].gstTaxable = true;
    EXPECT_EQ(ref::runForm(inv).invoice.TOTALDUE, 115.0);
}

} // namespace
