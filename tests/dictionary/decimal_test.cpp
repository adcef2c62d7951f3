#include "dictionary/decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using dict::Decimal;

namespace {

TEST(Decimal, WorksOnTheDigitsAsWritten)
{
    EXPECT_EQ((Decimal(0.1) + Decimal(0.2)).toDouble(), 0.3);
    EXPECT_EQ((Decimal(1.1) * Decimal(1.1)).toDouble(), 1.21);
    EXPECT_EQ((Decimal(100) - Decimal(99.99)).toDouble(), 0.01);
    EXPECT_EQ(Decimal(12.5).percent().toDouble(), 0.125);
    EXPECT_EQ(Decimal(0.1) + Decimal(0.2), Decimal(0.3));
}

TEST(Decimal, RoundsHalfAwayFromZeroExactly)
{
    EXPECT_EQ(Decimal(100.005).roundedToCents().toDouble(), 100.01);
    EXPECT_EQ(Decimal(-2.675).roundedToCents().toDouble(), -2.68);
    EXPECT_EQ(Decimal(9.995).roundedToCents().toDouble(), 10.0);
    EXPECT_EQ((Decimal(0.3) * Decimal(0.0166666)).roundedToCents().toDouble(), 0.0) << "0.00499998";
    EXPECT_FALSE(std::signbit(Decimal(-0.004).roundedToCents().toDouble())) << "no negative zero";
    EXPECT_EQ(Decimal(1250).roundedTo(-2).toDouble(), 1300.0);
}

TEST(Decimal, FarApartMagnitudesAndLimitsOfADouble)
{
    EXPECT_EQ((Decimal(1e300) + Decimal(1e-300)).toDouble(), 1e300);
    EXPECT_EQ((Decimal(1e-300) + Decimal(1e300)).toDouble(), 1e300);
    EXPECT_EQ((Decimal(1e20) + Decimal(0.5) - Decimal(1e20)).toDouble(), 0.5);
    EXPECT_EQ((Decimal(1e300) * Decimal(1e300)).toDouble(), std::numeric_limits<double>::infinity());
    EXPECT_EQ((Decimal(-1e300) * Decimal(1e300)).toDouble(), -std::numeric_limits<double>::infinity());
    EXPECT_EQ((Decimal(1e-300) * Decimal(1e-300)).toDouble(), 0.0);
    EXPECT_EQ(Decimal(5e-324).toDouble(), 5e-324);
}

TEST(Decimal, ANonFiniteInputSpoilsTheResultInsteadOfVanishing)
{
    const Decimal nan(std::numeric_limits<double>::quiet_NaN());
    EXPECT_FALSE(nan.isFinite());
    EXPECT_TRUE(std::isnan((nan * Decimal(0.0) + Decimal(1)).toDouble()));
    EXPECT_TRUE(std::isnan(Decimal(HUGE_VAL).roundedToCents().toDouble()));
}

} // namespace
