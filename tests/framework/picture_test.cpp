#include "framework/picture.h"

#include "dictionary/globals.h"
#include "dictionary/money.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace fw;

namespace {

Picture pic(std::string_view text)
{
    std::optional<Picture> p = Picture::parse(text);
    if (!p)
        ADD_FAILURE() << "not a picture: " << text;
    return p ? *p : *Picture::parse("@s1");
}

DayNumber day(int y, int m, int d)
{
    return dayNumber(y, m, d).value();
}

// ---- Calendar ------------------------------------------------------------------------------

TEST(Calendar, DayFourIsTheFirstOfJanuary1801AndWeekdaysFollowTheRemainder)
{
    EXPECT_EQ(dayNumber(1801, 1, 1), FirstDay);
    EXPECT_EQ(dayNumber(9999, 12, 31), LastDay);
    EXPECT_EQ(day(1998, 3, 15), 72030);
    EXPECT_EQ(weekday(day(2026, 12, 6)), 0); // a Sunday
    EXPECT_EQ(weekday(day(2026, 12, 8)), 2); // a Tuesday
    EXPECT_EQ(weekday(-1), 6);
    for (DayNumber d : {FirstDay, day(1900, 2, 28), day(2000, 2, 29), day(2026, 12, 31), LastDay})
        EXPECT_EQ(dayNumber(civilDate(d)->year, civilDate(d)->month, civilDate(d)->day), d);
}

TEST(Calendar, RejectsImpossibleAndOutOfRangeDates)
{
    EXPECT_FALSE(dayNumber(2026, 2, 31));
    EXPECT_FALSE(dayNumber(1900, 2, 29));
    EXPECT_TRUE(dayNumber(2000, 2, 29));
    EXPECT_FALSE(dayNumber(2026, 13, 1));
    EXPECT_FALSE(dayNumber(1800, 12, 31));
    EXPECT_FALSE(civilDate(NoDate));
    EXPECT_FALSE(civilDate(LastDay + 1));
    EXPECT_NE(today(), NoDate);
}

// ---- Dates ---------------------------------------------------------------------------------

TEST(DatePicture, FormatsEveryDateFormTheProgramUses)
{
    const DayNumber d = day(2026, 12, 8);
    EXPECT_EQ(formatValue(d, "@d2"), "12/08/2026");
    EXPECT_EQ(formatValue(d, "@d2b"), "12/08/2026");
    EXPECT_EQ(formatValue(d, "@d6b"), "08/12/2026");
    EXPECT_EQ(formatValue(d, "@D10B"), "2026/12/08");
    EXPECT_EQ(formatValue(d, "@d4"), "December 8, 2026");
    EXPECT_EQ(formatValue(d, "@d3"), "Dec 8, 2026");
    EXPECT_EQ(formatValue(d, "@d1"), "12/08/26");
    EXPECT_EQ(formatValue(d, "@d6."), "08.12.2026");
    EXPECT_EQ(formatValue(d, "@d12"), "20261208");
}

TEST(DatePicture, NoDateIsBlankAndDatesOutsideTheCalendarOverflow)
{
    EXPECT_EQ(formatValue(NoDate, "@d2b"), "");
    EXPECT_EQ(formatValue(NoDate, "@d6"), "");
    EXPECT_EQ(formatValue(-5, "@d10"), "##########");
    EXPECT_EQ(formatValue(LastDay + 1, "@d2"), "##########");
}

TEST(DatePicture, ReadsTypedDatesInThePicturesOrder)
{
    EXPECT_EQ(deformatText("03/15/1998", "@d2").number, 72030);
    EXPECT_EQ(deformatText("15/03/1998", "@d6b").number, 72030);
    EXPECT_EQ(deformatText("1998-03-15", "@d10b").number, 72030);
    EXPECT_EQ(deformatText(" 3/15/1998 ", "@d2").number, 72030);
    EXPECT_EQ(deformatText("03151998", "@d2").number, 72030);
    EXPECT_EQ(deformatText("3/15/98", "@d2").number, 72030) << "two-digit years fall near today";
    EXPECT_EQ(deformatText("march 15 1998", "@d4").number, 72030);
    EXPECT_EQ(deformatText("15.03.1998", "@d6.").number, 72030);
    EXPECT_EQ(deformatText("06/2026", "@d14").number, day(2026, 6, 1));
    const ParseResult blank = deformatText("   ", "@d6b");
    EXPECT_TRUE(blank.ok);
    EXPECT_EQ(blank.number, NoDate);
}

TEST(DatePicture, RejectsImpossibleDatesAndLettersInsteadOfStoringSomethingElse)
{
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"31/02/2026", "@d6b"}, {"02/29/2027", "@d2"},  {"13/01/2026", "@d2"}, {"ab/cd/efgh", "@d2"},
        {"12/o8/2026", "@d2"},  {"12/08", "@d2"},       {"12/08/2026/1", "@d2"}, {"2026/12/8x", "@d10"},
        {"Smarch 8, 2026", "@d4"}, {"12/08/1799", "@d2"}, {"12/08/202", "@d2"}, {"1208202", "@d2"}};
    for (const auto &[typed, picture] : bad) {
        const ParseResult r = deformatText(typed, picture);
        EXPECT_FALSE(r.ok) << typed << " with " << picture;
        EXPECT_FALSE(r.error.empty());
    }
    EXPECT_EQ(deformatText("31/02/2026", "@d6").error, "No such date.");
}

TEST(DatePicture, EveryDatePictureReadsBackWhatItShows)
{
    for (const char *picture : {"@d2", "@d2b", "@d6", "@d6b", "@d10", "@d10b", "@d4", "@D17", "@d3", "@d8", "@d12"})
        for (DayNumber d : {FirstDay, day(1999, 12, 31), day(2000, 2, 29), today(), LastDay}) {
            const std::string shown = formatValue(d, picture);
            if (std::string(picture) == "@D17" && (civilDate(d)->year < 1950 || civilDate(d)->year > 2040))
                continue; // the locale's short form may give the year in two digits
            EXPECT_EQ(deformatText(shown, picture).number, d) << picture << " " << shown;
        }
}

// ---- Times ---------------------------------------------------------------------------------

TEST(TimePicture, FormatsTwentyFourAndTwelveHourClocks)
{
    const ClockTime afternoon = *clockTime(17, 30, 5, 99);
    EXPECT_EQ(*clockTime(0, 0, 0), Midnight);
    EXPECT_EQ(*clockTime(23, 59, 59, 99), LastClockTime);
    EXPECT_EQ(formatValue(afternoon, "@t6"), "5:30:05PM");
    EXPECT_EQ(formatValue(afternoon, "@t4"), "17:30:05");
    EXPECT_EQ(formatValue(afternoon, "@t1"), "17:30");
    EXPECT_EQ(formatValue(afternoon, "@t5"), "173005");
    EXPECT_EQ(formatValue(Midnight, "@t3"), "12:00AM");
    EXPECT_EQ(formatValue(*clockTime(12, 0, 0), "@t3"), "12:00PM");
    EXPECT_EQ(formatValue(*clockTime(9, 5, 0), "@t4."), "09.05.00");
    EXPECT_EQ(formatValue(NoTime, "@t6"), "");
    EXPECT_EQ(formatValue(LastClockTime + 1, "@t1"), "#####");
    EXPECT_NE(clockNow(), NoTime);
}

TEST(TimePicture, ReadsTypedTimesAndRejectsImpossibleOnes)
{
    const double half = *clockTime(17, 30, 0);
    EXPECT_EQ(deformatText("5:30pm", "@t3").number, half);
    EXPECT_EQ(deformatText("5:30 PM", "@t6").number, half);
    EXPECT_EQ(deformatText("17:30", "@t1").number, half);
    EXPECT_EQ(deformatText("1730", "@t2").number, half);
    EXPECT_EQ(deformatText("12:15am", "@t3").number, *clockTime(0, 15, 0));
    EXPECT_EQ(deformatText("17:30:05", "@t4").number, *clockTime(17, 30, 5));
    for (const char *typed : {"24:00", "12:60", "13:00pm", "0:30am", "5:3x", "1:2:3:4", "noon"})
        EXPECT_FALSE(deformatText(typed, "@t4")) << typed;
    for (const char *picture : {"@t1", "@t2", "@t3", "@t4", "@t5", "@t6"})
        EXPECT_EQ(deformatText(formatValue(*clockTime(23, 59, 0), picture), picture).number, *clockTime(23, 59, 0))
            << picture;
}

// ---- Numbers -------------------------------------------------------------------------------

TEST(NumberPicture, GroupsPadsAndRoundsAsThePictureSays)
{
    EXPECT_EQ(formatValue(1234.56, "@n12.2"), "    1,234.56");
    EXPECT_EQ(formatValue(-1234567.891, "@n-13.2"), "-1,234,567.89");
    EXPECT_EQ(formatValue(1.005, "@n-12.2"), "        1.01");
    EXPECT_EQ(formatValue(-2.675, "@n-12.2"), "       -2.68");
    EXPECT_EQ(formatValue(0.07 * 100, "@n6.2"), "  7.00");
    EXPECT_EQ(formatValue(0.0725, "@n6.5"), ".07250") << "the leading zero gives way";
    EXPECT_EQ(formatValue(0.5, "@n6.2"), "  0.50");
    EXPECT_EQ(formatValue(42, "@n06"), "000042");
    EXPECT_EQ(formatValue(-42, "@n-06"), "-00042");
    EXPECT_EQ(formatValue(1234, "@n_6"), "  1234");
    EXPECT_EQ(formatValue(-1234.5, "@n9.2-"), "1,234.50-");
    EXPECT_EQ(formatValue(-1234.5, "@n(10.2)"), "(1,234.50)");
    EXPECT_EQ(formatValue(-5, "@n6.2"), " -5.00") << "an unsigned picture does not hide the minus";
}

TEST(NumberPicture, CurrencyPicturesOfTheMoneyFormats)
{
    EXPECT_EQ(formatValue(-1234.5, "@n$-15.2"), "     $-1,234.50");
    EXPECT_EQ(formatValue(1234.5, "@n~£~-15.2"), "      £1,234.50");
    EXPECT_EQ(formatValue(1234.5, "@n-13`2"), "     1.234,50");
    EXPECT_EQ(formatValue(1234.5, "@n~DM~-15`2"), "     DM1.234,50");
    EXPECT_EQ(formatValue(-1234.5, "@n-15_`2~F~"), "     -1 234,50F");
    EXPECT_EQ(formatValue(1234.5, "@n~¥~-15"), "         ¥1,235");
    EXPECT_EQ(formatValue(12345.5, "@n~€~-15`5"), "  €12.345,50000");
}

TEST(NumberPicture, ZeroBlanksOnlyWithBAndNeverShowsAMinus)
{
    EXPECT_EQ(formatValue(0, "@n06b"), "");
    EXPECT_EQ(formatValue(0.004, "@n-13.2b"), "") << "rounds to zero";
    EXPECT_EQ(formatValue(0.005, "@n-13.2b"), "         0.01");
    EXPECT_EQ(formatValue(-0.001, "@n-6.2"), "  0.00");
    EXPECT_EQ(formatValue(-0.0, "@n-6.2"), "  0.00");
    EXPECT_EQ(formatValue(0, "@n-12.2"), "        0.00");
}

TEST(NumberPicture, ValuesWiderThanThePictureOverflowToHashes)
{
    EXPECT_EQ(formatValue(1234.5, "@n6.2"), "######");
    EXPECT_EQ(formatValue(1e12, "@n-13.2"), "#############");
    EXPECT_EQ(formatValue(100, "@n2"), "##");
    EXPECT_EQ(formatValue(-99999.99, "@n$-11.2"), "$-99,999.99") << "exactly the width: no overflow";
}

TEST(NumberPicture, ReadsTypedNumbersWithTheirSeparatorsSignsAndCurrency)
{
    const std::vector<std::tuple<std::string, std::string, double>> good = {
        {"1,234.56", "@n-12.2", 1234.56},  {"1234.56", "@n-12.2", 1234.56},   {" -12.5 ", "@n-12.2", -12.5},
        {"12.50-", "@n-12.2", -12.5},      {"(12.50)", "@n-12.2", -12.5},     {"$-1,234.50", "@n$-15.2", -1234.5},
        {"-$12", "@n$-15.2", -12},         {"DM1.234,56", "@n~DM~-15`2", 1234.56}, {"1 234,5F", "@n-15_`2~F~", 1234.5},
        {"000042", "@n06", 42},            {"1.230", "@n-12.2", 1.23},        {"", "@n-12.2", 0},
        {".5", "@n6.2", 0.5}};
    for (const auto &[typed, picture, value] : good) {
        const ParseResult r = deformatText(typed, picture);
        EXPECT_TRUE(r.ok) << typed << " with " << picture << ": " << r.error;
        EXPECT_EQ(r.number, value) << typed << " with " << picture;
    }
}

TEST(NumberPicture, RejectsLettersMisplacedSeparatorsAndValuesThatDoNotFit)
{
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"12a", "@n-12.2"},     {"1.2.3", "@n-12.2"},   {"12,34.00", "@n-12.2"}, {"12.50", "@n-13`2"},
        {"1,234", "@n06"},      {"-", "@n-12.2"},       {"1.234", "@n-12.2"},    {"2.5", "@n6"},
        {"12345", "@n6.2"},     {"$12", "@n-12.2"},     {"1e3", "@n-12.2"},      {"--5", "@n-12.2"}};
    for (const auto &[typed, picture] : bad)
        EXPECT_FALSE(deformatText(typed, picture)) << typed << " with " << picture;
    EXPECT_EQ(deformatText("1.234", "@n-12.2").error, "Enter no more than 2 decimal places.");
    EXPECT_EQ(deformatText("12345", "@n6.2").error, "The number is too large for this field.");
}

TEST(NumberPicture, EveryNumberPictureReadsBackWhatItShows)
{
    const char *pictures[] = {"@n-12.2", "@n-13", "@n-13.2", "@n-13.3", "@n-13.5", "@n-15.2", "@n-15.5",
                              "@n06", "@n06b", "@n1", "@n12.2", "@n12.4", "@n13.3", "@n13.5", "@n2", "@n6",
                              "@n6.2", "@n6.2b", "@n6.5", "@N7", "@N30.9", "@n010b", "@n$-15.2", "@n$-15.5",
                              "@n~£~-15.2", "@n~£~-15.5", "@n-13`2", "@n~DM~-15`2", "@n~DM~-15`5", "@n-13`5",
                              "@n-13`3", "@n6`2", "@n6`5", "@n-13_`2", "@n-15_`2~F~", "@n-15_`5~F~", "@n-13_`5",
                              "@n-13_`3", "@n6_`2", "@n6_`5", "@n~FL~-15`2", "@n~RM~-15.2", "@n~P~-15.5",
                              "@n~S$~-15.2", "@n~¥~-15", "@n~C~-15.5", "@n~€~-15`2", "@n~€~-15`5"};
    const double values[] = {0, 1, 7, 0.0725, 0.07 * 100, 12.345678, 1234.5, -1234.5, 98765.4321, -0.004, 1e6 / 3};
    for (const char *picture : pictures)
        for (double v : values) {
            const std::string shown = formatValue(v, picture);
            if (shown.find('#') != std::string::npos)
                continue;
            const ParseResult back = deformatText(shown, picture);
            EXPECT_TRUE(back.ok) << picture << " '" << shown << "': " << back.error;
            EXPECT_EQ(formatValue(back.number, picture), shown) << picture;
        }
}

// ---- Strings, patterns and plain numbers ---------------------------------------------------

TEST(StringPicture, CutsAtTheWidthWithoutSplittingACharacter)
{
    EXPECT_EQ(formatText("Mueller & Sons", "@s10"), "Mueller & ");
    EXPECT_EQ(formatText("Müller", "@s5"), "Müll");
    EXPECT_EQ(formatText("Grüße", "@s3"), "Gr");
    EXPECT_EQ(formatText("short", "@s10"), "short");
    EXPECT_EQ(formatText(std::string(3000, 'x'), "@S1000").size(), 1000u);
    EXPECT_EQ(formatText("any length", "@s"), "any length");
    EXPECT_EQ(deformatText("Grüße", "@s3").text, "Gr");
    EXPECT_EQ(formatValue(0.1 + 0.2, "@s12"), "0.3") << "a quantity shown through a string picture";
}

TEST(PatternPicture, FillsDigitsAroundItsLiterals)
{
    EXPECT_EQ(formatText("1227", "@p##/##pb"), "12/27");
    EXPECT_EQ(formatText("12/27", "@p##/##pb"), "12/27");
    EXPECT_EQ(formatText("", "@p##/##pb"), "");
    EXPECT_EQ(formatValue(2026, "@p####p"), "2026");
    EXPECT_EQ(formatValue(12345, "@p####p"), "####");
    EXPECT_EQ(formatValue(512, "@p<#/##p"), " 5/12");
    EXPECT_EQ(deformatText("1227", "@p##/##pb").text, "12/27");
    EXPECT_EQ(deformatText("12/27", "@p##/##pb").number, 1227);
    EXPECT_EQ(deformatText("1/27", "@p##/##pb").error, "Enter this as ##/##.");
}

TEST(PlainNumber, ShowsFifteenSignificantDigitsWithoutNoise)
{
    EXPECT_EQ(plainNumber(0.07 * 100), "7");
    EXPECT_EQ(plainNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(plainNumber(-1234.5), "-1234.5");
    EXPECT_EQ(plainNumber(1e-5), "0.00001");
    EXPECT_EQ(plainNumber(1e20), "100000000000000000000");
    EXPECT_EQ(plainNumber(-0.0), "0");
    EXPECT_EQ(parsePlainNumber(" -12.5 "), -12.5);
    EXPECT_FALSE(parsePlainNumber("12,5"));
    EXPECT_FALSE(parsePlainNumber("inf"));
    EXPECT_FALSE(parsePlainNumber("+-1"));
}

TEST(PictureText, AcceptsOnlyWellFormedPictures)
{
    for (const char *good : {"@n-13.2", "@N30.9", "@S1000", "@D17", "@d02", "@T6", "@n9.`2", "@p##/##pb"})
        EXPECT_TRUE(Picture::parse(good)) << good;
    for (const char *bad : {"n06", "@", "@x5", "@n12.2z", "@n~€-15", "@n(10.2", "@n-10.2-", "@d19", "@d",
                            "@t7", "@p###", "@s10b", "@n2.2", "@n9..2", "@n123456"})
        EXPECT_FALSE(Picture::parse(bad)) << bad;
    EXPECT_EQ(pic("@n-13.2").kind(), Picture::Kind::Number);
    EXPECT_EQ(pic("@d6b").width(), 10);
    EXPECT_EQ(pic("@d4").width(), 18); // "September 30, 2026"
    EXPECT_EQ(pic("@t6").width(), 10);
    EXPECT_EQ(pic("@p##/##pb").kind(), Picture::Kind::Pattern);
    EXPECT_EQ(formatValue(7.000000000000001, "@nonsense"), "7");
    EXPECT_FALSE(deformatText("12", "@nonsense"));
}

} // namespace

namespace {

// In a shop that writes money with a decimal comma, the program's own pictures written with a
// point follow it; pictures that chose their separators, and whole numbers without grouping, stay.
TEST(ShopStyle, PicturesWithAPointFollowTheShopsDecimalComma)
{
    GLO.CURRENCYNAME = "@n-13`2";
    const struct {
        const char *picture;
        double value;
        const char *shown;
    } cases[] = {{"@n-12.2", 1234.5, "1.234,50"}, {"@n12.4", 0.5, "0,5000"},  {"@n06", 42, "000042"},
                 {"@n_7", 1234567, "1234567"},   {"@n6`5", 0.21, ",21000"}, {"@n-13", 1234, "1.234"}};
    for (const auto &c : cases) {
        std::string shown = fw::formatValue(c.value, c.picture);
        shown.erase(0, shown.find_first_not_of(' '));
        EXPECT_EQ(shown, c.shown) << c.picture;
    }
    EXPECT_EQ(fw::Picture::parse("@n-10.2")->deformat("3,10").number, 3.1);
    EXPECT_EQ(fw::widestValue("@n06b"), "999999");
    EXPECT_EQ(fw::widestValue("@n-12.2"), "9.999.999,99");
    EXPECT_EQ(fw::widestValue("@d6"), "28/12/2026");
    EXPECT_EQ(fw::widestValue("@s20"), "") << "a text is as long as its data";
    EXPECT_EQ(fw::shopPlainNumber(1.5), "1,5");
    GLO.CURRENCYNAME = "@n-13.2";
    EXPECT_EQ(fw::formatValue(1234.5, "@n-12.2"), "    1,234.50") << "a shop writing a point keeps it";
    GLO.CURRENCYNAME.clear();
}

} // namespace
