// Pictures: the display and entry forms of numbers, dates, times and text, written the way the
// procedures and settings spell them ("@n-13.2", "@d6b", "@t6", "@s20", "@p##/##pb").
//
// A picture is read once (Picture::parse) and then formats stored values for display and reads
// typed text back (deformat). This file needs only the standard library.
//
// Numbers  @n[currency][sign][fill][width][grouping][places][sign][currency][b]
//   currency  "$" or text between tildes ("~DM~"), before or after the number, printed as written
//   sign      "-" before: leading minus; "-" after: trailing minus; "(" ... ")": parentheses.
//             A picture without a sign still shows a minus rather than hide that a value is
//             negative, and every picture reads a typed minus back.
//   fill      "0": zero-filled to the width; "_": space-filled. Either one turns grouping off.
//   width     total characters, currency and separators included. A value below 1 drops its
//             leading zero when that makes it fit (".07250" in "@n6.5"); one that still does not
//             fit shows as "#" over the whole width. No width: as wide as the value.
//   grouping  thousands separator: "," unless given; "." for a period, "_" for a blank; the
//             default becomes "." when the decimal point is a comma.
//   places    ".2": two decimals after a point; "`2": after a comma. Values are rounded to the
//             places with the money module's decimal rounding (half away from zero).
//   b         blank when the value rounds to zero.
//   Typed numbers may carry the picture's currency, grouping and any of the signs. Separators
//   must stand where they belong ("12.50" is refused for "@n-13`2" rather than read as 1250), and
//   decimals beyond the places are refused unless they are zeros.
// Dates    @d<style>[separator][b], day numbers (see below); 1 mm/dd/yy, 2 mm/dd/yyyy,
//   3 "Dec 8, 2026", 4 "December 8, 2026", 5 dd/mm/yy, 6 dd/mm/yyyy, 7 "08 Dec 26", 8 "08 Dec 2026",
//   9 yy/mm/dd, 10 yyyy/mm/dd, 11 yymmdd, 12 yyyymmdd, 13 mm/yy, 14 mm/yyyy, 15 yy/mm, 16 yyyy/mm,
//   17 the desktop's short date form (the environment's locale). The separator replaces "/":
//   "." period, "-" dash, "_" blank, "`" comma. Day number 0 (no date) always shows blank; one
//   outside 1801-9999 shows as "#".
//   Typed dates keep the picture's order of fields, split by any of "/-., " or typed as digits
//   only ("03151998"); months may be names of three letters or more; a year of two digits falls
//   within 80 years before and 19 after the current year. Impossible dates are refused.
// Times    @t<style>[separator][b], clock times (see below); 1 hh:mm, 2 hhmm, 3 "5:30PM",
//   4 hh:mm:ss, 5 hhmmss, 6 "5:30:00PM". Clock time 0 (no time) always shows blank.
//   Typed times: "17:30", "5:30 pm", "1730", "5p"; seconds optional.
// Strings  @s<width>: at most width bytes, cut back to a whole UTF-8 character; no padding.
// Patterns @p<layout>p[b]: "#" is a digit, "<" a digit shown blank while it is a leading zero,
//   anything else is printed as written. Typed text must follow the layout or be its digits.
//
// Number pictures give their text right-aligned, padded with blanks to the width; the others give
// it unpadded. "Blank" means the empty string.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace fw {

// ---- Calendar and clock --------------------------------------------------------------------

// Days counted so that day 4 is 1 January 1801; day % 7 is the weekday (0 = Sunday). 0 = no date.
using DayNumber = std::int32_t;
// Hundredths of a second since midnight, plus 1: 1 is midnight, 8640000 is 23:59:59.99. 0 = no time.
using ClockTime = std::int32_t;

inline constexpr DayNumber NoDate = 0;
inline constexpr DayNumber FirstDay = 4;     // 1 January 1801
inline constexpr DayNumber LastDay = 2994626; // 31 December 9999
inline constexpr ClockTime NoTime = 0;
inline constexpr ClockTime Midnight = 1;
inline constexpr ClockTime LastClockTime = 8640000;

struct CivilDate
{
    int year = 0;
    int month = 0; // 1-12
    int day = 0;   // 1-31
    bool operator==(const CivilDate &) const = default;
};

// The day number of a real calendar date between 1801 and 9999; nullopt otherwise (31/02).
std::optional<DayNumber> dayNumber(int year, int month, int day);
// The calendar date of a day number between FirstDay and LastDay; nullopt otherwise.
std::optional<CivilDate> civilDate(DayNumber day);
// The month (1-12) of a day number, as documents store it beside their date; 0 outside the calendar.
int monthOf(DayNumber day);
// 0 = Sunday ... 6 = Saturday, also for day numbers below zero.
int weekday(DayNumber day);
// English month name, "January" ... "December"; empty for any other number.
std::string_view monthName(int month);

// The clock time of hh:mm:ss.cc; nullopt when a part is out of range.
std::optional<ClockTime> clockTime(int hours, int minutes, int seconds, int hundredths = 0);

// Today and now by the local calendar and wall clock.
DayNumber today();
ClockTime clockNow();

// ---- Plain numbers -------------------------------------------------------------------------

// A number the way it reads without a picture: up to 15 significant digits, no exponent, no
// trailing zeros, never "-0" (7.000000000000001 → "7", 0.1 + 0.2 → "0.3").
std::string plainNumber(double value);
// A plain number typed or read from text ("-12.5", " 3 ", "1e3"); nullopt for anything else.
std::optional<double> parsePlainNumber(std::string_view text);

// ---- Pictures ------------------------------------------------------------------------------

// What deformat() read from typed text.
struct ParseResult
{
    bool ok = false;
    double number = 0;  // numbers: the value; dates: the day number; times: the clock time;
                        // patterns: the digits as one whole number
    std::string text;   // strings and patterns: the text to store
    std::string error;  // when not ok: why, as a sentence for the user
    explicit operator bool() const { return ok; }
};

namespace Internal {
enum class Sign { None, Leading, Trailing, Parentheses };
struct NumberForm
{
    std::string prefix; // currency before the number
    std::string suffix; // currency after it
    Sign sign = Sign::None;
    bool zeroFill = false;
    int width = 0;
    char grouping = ','; // 0: none
    char decimalPoint = '.';
    int places = 0;
    bool blank = false;
};
struct DateForm
{
    int style = 0;
    char separator = '/';
};
struct TimeForm
{
    int style = 0;
    char separator = ':';
};
struct StringForm
{
    int width = 0; // 0: no limit
};
struct PatternForm
{
    std::string layout;
    bool blank = false;
};
using Form = std::variant<NumberForm, DateForm, TimeForm, StringForm, PatternForm>;
} // namespace Internal

class Picture
{
public:
    enum class Kind { Number, Date, Time, String, Pattern }; // in the order of Internal::Form

    // Reads a picture; letters may be upper or lower case. nullopt when it is not a picture.
    static std::optional<Picture> parse(std::string_view picture);

    Kind kind() const { return Kind(form_.index()); }
    const std::string &text() const { return text_; }
    // Characters the picture displays at most (dates and times: their longest form); 0: no limit.
    int width() const;

    // Numbers, day numbers, clock times; a string picture shows the plain number.
    std::string format(double value) const;
    // Text; for number, date and time pictures a text holding a plain number is formatted as
    // that number and any other text is shown as it is.
    std::string format(std::string_view text) const;
    // Reads typed text back. Blank text reads as zero (no date, no time, empty text).
    ParseResult deformat(std::string_view typed) const;

private:
    Picture(std::string text, Internal::Form form) : text_(std::move(text)), form_(std::move(form)) {}

    std::string text_;
    Internal::Form form_;
};

// The pictures the settings put in force (GLO.CURRENCYNAME for money, GLO.DATENAME for dates),
// or the fallback while none is set.
std::string moneyPicture(std::string_view fallback = "@n-12.2");
std::string datePicture(std::string_view fallback = "@d2b");
// Rates (GLO.CURRENCYNAME7) and percentages (GLO.CURRENCYNAME6) keep their decimals whatever
// the currency: the yen's pictures have none, and could not take a rate of 0.08.
std::string ratePicture();
std::string percentPicture();
// The decimal point the shop writes money with (its money picture's): '.' or ','.
char shopDecimalPoint();
// A number as plainNumber writes it, with the shop's decimal point: 1,5 in a decimal-comma shop.
std::string shopPlainNumber(double value);
// The widest value a number or date picture shows ("-999,999.99", "28/12/2026"); empty for a
// text picture, whose values are as long as their data.
std::string widestValue(std::string_view picture);

// How a rate is written, in the shop's own pictures: the hint "0,0625" and the tip "A rate as a
// fraction: 0,0625 = 6,25 %" (decimal points as the pictures write them).
std::string rateHint();
std::string rateTip();
// Quantities show through the quantity picture (GLO.CURRENCYNAME2) when it is a number picture.
std::string quantityPicture(std::string_view fallback = "@n-10.2");
// picture when it is a number picture, else fallback.
std::string numberPicture(std::string_view picture, std::string_view fallback);

// For pictures held in strings (settings, list formats). An invalid picture shows the plain
// number or the text as it is, and deformats to an error.
std::string formatValue(double value, std::string_view picture);
std::string formatText(std::string_view text, std::string_view picture);
ParseResult deformatText(std::string_view typed, std::string_view picture);

} // namespace fw
