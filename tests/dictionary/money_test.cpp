#include "dictionary/money.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using dict::isZeroMoney, dict::roundCents, dict::roundTo, dict::sameQuantity;

namespace {

TEST(RoundCents, HalfCentsRoundAwayFromZeroAsWritten)
{
    // Each of these sits just below the half cent in binary; a floor(x*100+0.5) rounds them down.
    EXPECT_EQ(roundCents(100.005), 100.01);
    EXPECT_EQ(roundCents(1.005), 1.01);
    EXPECT_EQ(roundCents(5.015), 5.02);
    EXPECT_EQ(roundCents(-2.675), -2.68);
    EXPECT_EQ(roundCents(0.125), 0.13);
    EXPECT_EQ(roundCents(-0.125), -0.13);
}

TEST(ExtendedAndPercentCents, WorkTheProductAsWrittenBeforeRounding)
{
    // The binary products fall just below the half cent: 3.0149999..., 0.57499999...
    const struct {
        double a, b, extended, percent;
    } cases[] = {{3, 1.005, 3.02, 0.03}, {1.15, 50, 57.5, 0.58}, {-1, 2.675, -2.68, -0.03}, {2.5, 3.333, 8.33, 0.08}};
    for (const auto &c : cases) {
        EXPECT_EQ(dict::extendedCents(c.a, c.b), c.extended) << c.a << " x " << c.b;
        EXPECT_EQ(dict::percentCents(c.a, c.b), c.percent) << c.b << " % of " << c.a;
    }
}

TEST(RoundCents, ResultsAreTheNearestDoubleOfTheDecimal)
{
    EXPECT_EQ(roundCents(0.1 + 0.2), 0.3);
    EXPECT_EQ(roundCents(1.0049999), 1.0);
    EXPECT_EQ(roundCents(19.999), 20.0);
    EXPECT_EQ(roundCents(1234567.891), 1234567.89);
    EXPECT_EQ(roundCents(-0.0049), 0.0);
    EXPECT_FALSE(std::signbit(roundCents(-0.0049))) << "no negative zero";
}

TEST(RoundTo, CarriesThroughNinesAndWorksOnEitherSideOfThePoint)
{
    EXPECT_EQ(roundTo(9.995, 2), 10.0);
    EXPECT_EQ(roundTo(-999.9995, 3), -1000.0);
    EXPECT_EQ(roundTo(2.5, 0), 3.0);
    EXPECT_EQ(roundTo(-2.5, 0), -3.0);
    EXPECT_EQ(roundTo(0.00015, 4), 0.0002);
    EXPECT_EQ(roundTo(1250, -2), 1300.0);
    EXPECT_EQ(roundTo(1249.99, -2), 1200.0);
    EXPECT_EQ(roundTo(0.6, 0), 1.0);
    EXPECT_EQ(roundTo(0.04, 0), 0.0);
}

TEST(RoundTo, LeavesValuesThatAlreadyFitAndNonFiniteValuesAlone)
{
    EXPECT_EQ(roundTo(1e300, 2), 1e300);
    EXPECT_EQ(roundTo(123.4, 5), 123.4);
    EXPECT_EQ(roundTo(5e-324, 2), 0.0);
    EXPECT_TRUE(std::isnan(roundTo(std::numeric_limits<double>::quiet_NaN(), 2)));
    EXPECT_EQ(roundTo(-std::numeric_limits<double>::infinity(), 2), -std::numeric_limits<double>::infinity());
}

TEST(IsZeroMoney, ComparesTheValueRoundedToTheCent)
{
    double balance = 0;
    for (int i = 0; i < 10; ++i)
        balance += 0.1;
    balance -= 1.0;
    EXPECT_NE(balance, 0.0);
    EXPECT_TRUE(isZeroMoney(balance));
    EXPECT_TRUE(isZeroMoney(-0.004));
    EXPECT_FALSE(isZeroMoney(0.005)) << "half a cent rounds to a cent";
    EXPECT_FALSE(isZeroMoney(-0.01));
}

TEST(SameQuantity, ToleratesBinaryNoiseButNotRealDifferences)
{
    EXPECT_TRUE(sameQuantity(0.3 - 0.1 - 0.2, 0.0));
    EXPECT_TRUE(sameQuantity(0.1 + 0.2, 0.3));
    EXPECT_TRUE(sameQuantity(1e12, 1e12 + 1e-1));
    EXPECT_FALSE(sameQuantity(1e12, 1e12 + 1e4));
    EXPECT_FALSE(sameQuantity(1.0, 1.000001));
    EXPECT_FALSE(sameQuantity(0.0, 1e-6));
    EXPECT_FALSE(sameQuantity(std::nan(""), std::nan("")));
}

} // namespace
