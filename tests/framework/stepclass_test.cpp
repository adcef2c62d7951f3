#include "framework/stepclass.h"

#include "dictionary/fieldtypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace fw;

namespace fw {
void PrintTo(const StepValue &v, std::ostream *os) { *os << (v.isText() ? "'" + v.text() + "'" : v.text()); }
} // namespace fw

namespace {

constexpr std::int32_t LongMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t LongMax = std::numeric_limits<std::int32_t>::max();

// Walks keys already sorted in the order's direction (sorting is the caller's): percentages never
// fall, and seeking the thumb's key for a record's percentage (the first record at or after it)
// lands on or before that record, passing only records equal to the seek key on the way.
template <typename Before>
void expectThumbFollowsOrder(const StepClass &step, const std::vector<StepValue> &keys, Before before)
{
    int previous = 1;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const int p = step.GetPercentile(keys[i]);
        ASSERT_GE(p, previous) << keys[i].text();
        ASSERT_LE(p, 100);
        const StepValue seek = *step.GetValue(p);
        auto landing = std::partition_point(keys.begin(), keys.end(), [&](const StepValue &k) { return before(k, seek); });
        while (landing != keys.end() && !before(seek, *landing) && step.GetPercentile(*landing) != p)
            ++landing; // equal to the seek key
        ASSERT_LE(landing - keys.begin(), static_cast<std::ptrdiff_t>(i)) << "seek " << seek.text() << " for " << keys[i].text();
        ASSERT_EQ(step.GetPercentile(*landing), p) << "seek " << seek.text() << " for " << keys[i].text();
        previous = p;
    }
}

TEST(StepLong, NumericRuleWithLowestPercentOne)
{
    StepLongClass step;
    step.SetLimits(0, 200);
    EXPECT_EQ(step.GetPercentile(0), 1);
    EXPECT_EQ(step.GetPercentile(3), 1);
    EXPECT_EQ(step.GetPercentile(4), 2);
    EXPECT_EQ(step.GetPercentile(101), 50);
    EXPECT_EQ(step.GetPercentile(200), 100);
    EXPECT_EQ(step.GetPercentile(-5), 1);   // outside the limits: the nearer end
    EXPECT_EQ(*step.GetValue(1), StepValue(0));
    EXPECT_EQ(*step.GetValue(37), StepValue(74));
    EXPECT_EQ(*step.GetValue(250), StepValue(200));
}

TEST(StepLong, NegativeAndFullLongRange)
{
    StepLongClass negative;
    negative.SetLimits(-300, -100);
    EXPECT_EQ(negative.GetPercentile(-200), 50);
    EXPECT_EQ(*negative.GetValue(50), StepValue(-200));

    StepLongClass wide;
    wide.SetLimits(LongMin, LongMax);
    EXPECT_EQ(wide.GetPercentile(LongMin), 1);
    EXPECT_EQ(wide.GetPercentile(0), 50);
    EXPECT_EQ(wide.GetPercentile(LongMax), 100);
    EXPECT_EQ(*wide.GetValue(50), StepValue(0));
    EXPECT_EQ(*wide.GetValue(100), StepValue(LongMax));
}

TEST(StepLong, DescendingKeyGivenHighLimitFirst)
{
    StepLongClass step(true);
    step.SetLimits(100, 0); // first record of a descending order holds the highest value
    EXPECT_EQ(step.GetPercentile(100), 1);
    EXPECT_EQ(step.GetPercentile(25), 75);
    EXPECT_EQ(step.GetPercentile(0), 100);
    EXPECT_EQ(*step.GetValue(1), StepValue(100));
    EXPECT_EQ(*step.GetValue(75), StepValue(25));
}

TEST(StepAllKinds, EqualLimitsGiveFifty)
{
    for (auto type : {dict::FieldType::Long, dict::FieldType::Real, dict::FieldType::String}) {
        auto step = makeStepFor(type, false);
        step->SetLimits("77", "77");
        EXPECT_EQ(step->GetPercentile("77"), 50);
        EXPECT_EQ(step->GetPercentile("5"), 50);
    }
    StepClass none;
    EXPECT_EQ(none.GetPercentile(12), 50);
    EXPECT_FALSE(none.GetValue(30));
}

TEST(StepLong, SortedRandomKeysBothDirections)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<std::int32_t> any(LongMin, LongMax);
    std::vector<std::int32_t> numbers(2000);
    std::generate(numbers.begin(), numbers.end(), [&] { return any(random); });
    for (bool descending : {false, true}) {
        std::sort(numbers.begin(), numbers.end());
        if (descending)
            std::reverse(numbers.begin(), numbers.end());
        StepLongClass step(descending);
        step.SetLimits(numbers.front(), numbers.back());
        const std::vector<StepValue> keys(numbers.begin(), numbers.end());
        expectThumbFollowsOrder(step, keys, [&](const StepValue &a, const StepValue &b) {
            return descending ? a.number() > b.number() : a.number() < b.number();
        });
    }
}

TEST(StepReal, FractionsAndTheWholeDoubleRange)
{
    StepRealClass step;
    step.SetLimits(1.0, 0.0);
    EXPECT_EQ(step.GetPercentile(0.505), 50);
    EXPECT_DOUBLE_EQ(step.GetValue(25)->number(), 0.25);

    StepRealClass huge(true);
    const double largest = std::numeric_limits<double>::max();
    huge.SetLimits(-std::numeric_limits<double>::infinity(), largest);
    EXPECT_EQ(huge.GetPercentile(0.0), 50);
    EXPECT_EQ(huge.GetPercentile(largest), 1);
    EXPECT_EQ(huge.GetPercentile(-largest), 100);
    EXPECT_EQ(huge.GetPercentile(std::numeric_limits<double>::quiet_NaN()), 1);
    EXPECT_DOUBLE_EQ(huge.GetValue(75)->number(), -largest / 2);
}

TEST(StepString, ReadsFourDigitsOfTheAlphabet)
{
    StepStringClass step;
    EXPECT_EQ(step.numberOf("smith"), step.numberOf("SMITHERS"));
    EXPECT_EQ(step.numberOf("AB"), step.numberOf("AB  "));
    EXPECT_LT(step.numberOf("AB"), step.numberOf("AB!"));
    EXPECT_LT(step.numberOf("ZURICH"), step.numberOf("Z\xC3\xBCrich")); // bytes order as keys do

    StepStringClass sensitive(false, true);
    EXPECT_LT(sensitive.numberOf("Smith"), sensitive.numberOf("smith"));

    step.Init(StepStringClass::PrintableAscii);
    step.SetLimits("\xFF\xFE", "M\xC3\xBCller");
    for (const char *text : {"", "\x01", "\xF0\x9F\x98\x80 smile", "\x80\x80\x80\x80\x80"})
        EXPECT_TRUE(step.GetPercentile(text) >= 1 && step.GetPercentile(text) <= 100) << text;
    EXPECT_EQ(step.numberOf("\xC3\xBC" "AB"), step.numberOf("\x01\x7F" "AB")); // outside: digit 0
    EXPECT_LT(step.numberOf("\xC3\xBC"), step.numberOf(" "));
}

TEST(StepString, AlphabetsFromCharacterClasses)
{
    StepStringClass folded;
    folded.Init(StepStringClass::Letters | StepStringClass::Digits);
    EXPECT_EQ(folded.alphabet(), "0123456789abcdefghijklmnopqrstuvwxyz") << "keys fold letters to lower case";

    StepStringClass sensitive(false, true);
    sensitive.Init(StepStringClass::UpperCase | StepStringClass::Punctuation);
    EXPECT_EQ(sensitive.alphabet(), " !\"#$%&'()*+,-./:;=?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`|~");
}

TEST(StepString, ShortAndEmptyLimits)
{
    StepStringClass step;
    step.SetLimits("", "B");
    EXPECT_EQ(step.GetPercentile(""), 1);
    EXPECT_EQ(step.GetPercentile("b"), 100);
    EXPECT_EQ(*step.GetValue(1), StepValue(""));
    const std::string middle = step.GetValue(50)->text();
    EXPECT_LT(dict::compareNoCase("", middle), 0);
    EXPECT_LT(dict::compareNoCase(middle, "B"), 0);
}

// Random keys made of the alphabet's characters, sorted as keys compare.
void expectStringThumbFollowsOrder(unsigned flags, bool descending, bool caseSensitive, std::string_view chars)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<std::size_t> pick(0, chars.size() - 1), length(0, 6);
    std::vector<std::string> texts(1500);
    for (std::string &text : texts)
        for (std::size_t n = length(random); n > 0; --n)
            text.push_back(chars[pick(random)]);
    auto before = [&](const std::string &a, const std::string &b) {
        const int c = caseSensitive ? dict::clipped(a).compare(dict::clipped(b)) : dict::compareNoCase(a, b);
        return descending ? c > 0 : c < 0;
    };
    std::sort(texts.begin(), texts.end(), before);

    StepStringClass step(descending, caseSensitive);
    step.Init(flags);
    step.SetLimits(texts.front(), texts.back());
    const std::vector<StepValue> keys(texts.begin(), texts.end());
    expectThumbFollowsOrder(step, keys, [&](const StepValue &a, const StepValue &b) { return before(a.text(), b.text()); });
}

TEST(StepString, SortedRandomKeysEveryAlphabet)
{
    std::string everyByte;
    for (int c = ' '; c < 256; ++c)
        everyByte.push_back(static_cast<char>(c));
    const std::string printable = everyByte.substr(0, '~' - ' ' + 1);
    for (bool descending : {false, true}) {
        SCOPED_TRACE(descending ? "descending" : "ascending");
        expectStringThumbFollowsOrder(StepStringClass::AllCharacters, descending, false, everyByte);
        expectStringThumbFollowsOrder(StepStringClass::AllCharacters, descending, true, everyByte);
        expectStringThumbFollowsOrder(StepStringClass::PrintableAscii, descending, false, printable);
        expectStringThumbFollowsOrder(StepStringClass::UpperCase, descending, true, "ABCXYZ");
        expectStringThumbFollowsOrder(StepStringClass::Letters | StepStringClass::Digits, descending, false,
                                      "abcxyz019ABC");
    }
}

TEST(StepCustom, BoundariesBothDirections)
{
    StepCustomClass step;
    for (const char *b : {"D", "M", "T"})
        step.AddItem(b);
    EXPECT_EQ(step.GetPercentile("A"), 1); // 0 counts as 1
    EXPECT_EQ(step.GetPercentile("d"), 33);
    EXPECT_EQ(step.GetPercentile("Mz"), 66);
    EXPECT_EQ(step.GetPercentile("Zed"), 100);
    EXPECT_FALSE(step.GetValue(1));
    EXPECT_EQ(*step.GetValue(40), StepValue("M"));

    StepCustomClass down(true);
    for (int b : {10, 20, 30, 40})
        down.AddItem(b);
    EXPECT_EQ(down.GetPercentile(45), 1);
    EXPECT_EQ(down.GetPercentile(25), 50);
    EXPECT_EQ(down.GetPercentile(5), 100);
    EXPECT_EQ(*down.GetValue(50), StepValue(30)); // just before the 20s
    EXPECT_FALSE(down.GetValue(1));
}

} // namespace
