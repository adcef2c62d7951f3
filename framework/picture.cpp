#include "framework/picture.h"

#include "dictionary/globals.h"
#include "dictionary/money.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <ctime>
#include <iomanip>
#include <locale>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace fw {

using namespace Internal;
namespace chr = std::chrono;

namespace {

constexpr auto npos = std::string_view::npos;

// ---- Text helpers --------------------------------------------------------------------------

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool allDigits(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), isDigit);
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

std::string_view trim(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Characters, counted as UTF-8 sequences.
int charCount(std::string_view s)
{
    return int(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// At most `bytes` bytes, never ending inside a character.
std::string_view cutToBytes(std::string_view s, int bytes)
{
    if (bytes <= 0 || s.size() <= std::size_t(bytes))
        return s;
    std::size_t n = bytes;
    while (n > 0 && (s[n] & 0xC0) == 0x80)
        --n;
    return s.substr(0, n);
}

std::string twoDigits(int value)
{
    return {char('0' + value / 10 % 10), char('0' + value % 10)};
}

std::string overflow(int width)
{
    return std::string(std::max(width, 1), '#');
}

std::optional<int> toInt(std::string_view digits)
{
    int value = 0;
    if (digits.empty() || digits.size() > 9 || !allDigits(digits))
        return std::nullopt;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

ParseResult accepted(double number, std::string text = {})
{
    ParseResult r;
    r.ok = true;
    r.number = number;
    r.text = std::move(text);
    return r;
}

ParseResult rejected(std::string why)
{
    ParseResult r;
    r.error = std::move(why);
    return r;
}

// Typed dates and times split into runs of digits and runs of letters.
struct Field
{
    std::string_view text;
    bool digits = false;
};

std::optional<std::vector<Field>> splitFields(std::string_view s, std::string_view separators)
{
    std::vector<Field> fields;
    std::size_t i = 0;
    while (i < s.size()) {
        if (separators.find(s[i]) != npos) {
            ++i;
            continue;
        }
        const bool digits = isDigit(s[i]);
        if (!digits && !isLetter(s[i]))
            return std::nullopt;
        const std::size_t start = i;
        while (i < s.size() && (digits ? isDigit(s[i]) : isLetter(s[i])))
            ++i;
        fields.push_back({s.substr(start, i - start), digits});
    }
    return fields;
}

// Cuts one run of digits into fields of the given widths.
std::vector<Field> cutDigits(std::string_view digits, const std::vector<int> &widths)
{
    std::vector<Field> fields;
    std::size_t at = 0;
    for (int w : widths) {
        fields.push_back({digits.substr(at, w), true});
        at += w;
    }
    return fields;
}

// ---- Local time ----------------------------------------------------------------------------

struct LocalNow
{
    std::tm tm;
    int hundredths;
};

LocalNow localNow()
{
    const auto now = chr::system_clock::now();
    const std::time_t seconds = chr::system_clock::to_time_t(now);
    const auto millis = chr::duration_cast<chr::milliseconds>(now.time_since_epoch()).count() % 1000;
    static std::mutex guard; // std::localtime fills one shared buffer
    std::lock_guard lock(guard);
    return {*std::localtime(&seconds), int(millis / 10)};
}

// The environment's locale for the desktop's short date form; the C locale when it names none
// that is installed.
const std::locale &desktopLocale()
{
    static const std::locale locale = [] {
        try {
            return std::locale("");
        } catch (const std::runtime_error &) {
            return std::locale::classic();
        }
    }();
    return locale;
}

} // namespace

// ---- Calendar and clock --------------------------------------------------------------------

namespace {
constexpr chr::sys_days dayFour = chr::sys_days(chr::year(1801) / chr::January / 1);
constexpr std::string_view monthNames[] = {"January", "February", "March", "April", "May", "June", "July",
                                           "August", "September", "October", "November", "December"};
} // namespace

std::optional<DayNumber> dayNumber(int year, int month, int day)
{
    if (year < 1801 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    const chr::year_month_day date{chr::year(year), chr::month(unsigned(month)), chr::day(unsigned(day))};
    if (!date.ok())
        return std::nullopt;
    return DayNumber((chr::sys_days(date) - dayFour).count() + FirstDay);
}

int monthOf(DayNumber day)
{
    const auto civil = civilDate(day);
    return civil ? civil->month : 0;
}

std::optional<CivilDate> civilDate(DayNumber day)
{
    if (day < FirstDay || day > LastDay)
        return std::nullopt;
    const chr::year_month_day date{dayFour + chr::days(day - FirstDay)};
    return CivilDate{int(date.year()), int(unsigned(date.month())), int(unsigned(date.day()))};
}

int weekday(DayNumber day)
{
    return (day % 7 + 7) % 7;
}

std::string_view monthName(int month)
{
    return month >= 1 && month <= 12 ? monthNames[month - 1] : std::string_view();
}

std::optional<ClockTime> clockTime(int hours, int minutes, int seconds, int hundredths)
{
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59
        || hundredths < 0 || hundredths > 99)
        return std::nullopt;
    return ((hours * 60 + minutes) * 60 + seconds) * 100 + hundredths + Midnight;
}

DayNumber today()
{
    const std::tm tm = localNow().tm;
    return dayNumber(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday).value_or(NoDate);
}

ClockTime clockNow()
{
    const LocalNow now = localNow();
    return clockTime(now.tm.tm_hour, now.tm.tm_min, std::min(now.tm.tm_sec, 59), now.hundredths)
        .value_or(NoTime);
}

// ---- Plain numbers -------------------------------------------------------------------------

std::string plainNumber(double value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf";
    std::array<char, 400> buf;
    char *end = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 15).ptr;
    std::string text(buf.data(), end);
    if (text.find('e') != std::string::npos) {
        // Write out very large and very small numbers in full, still to 15 significant digits.
        const int exponent = int(std::floor(std::log10(std::fabs(value))));
        end = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed,
                            std::max(0, 14 - exponent))
                  .ptr;
        text.assign(buf.data(), end);
        if (text.find('.') != std::string::npos) {
            text.erase(text.find_last_not_of('0') + 1);
            if (text.back() == '.')
                text.pop_back();
        }
    }
    return text == "-0" ? "0" : text;
}

std::optional<double> parsePlainNumber(std::string_view text)
{
    std::string_view s = trim(text);
    if (s.size() > 1 && s.front() == '+' && (isDigit(s[1]) || s[1] == '.'))
        s.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// ---- Reading a picture ---------------------------------------------------------------------

namespace {

// Walks the characters of a picture after its "@x".
class Cursor
{
public:
    explicit Cursor(std::string_view s) : s_(s) {}

    bool done() const { return i_ >= s_.size(); }
    char peek(std::size_t ahead = 0) const { return i_ + ahead < s_.size() ? lower(s_[i_ + ahead]) : '\0'; }
    void skip() { ++i_; }
    bool take(char c)
    {
        if (done() || peek() != c)
            return false;
        ++i_;
        return true;
    }
    // A run of up to five digits.
    std::optional<int> number()
    {
        std::size_t start = i_;
        while (isDigit(peek()))
            ++i_;
        if (i_ == start || i_ - start > 5) {
            bad_ = bad_ || i_ != start;
            return std::nullopt;
        }
        return toInt(s_.substr(start, i_ - start));
    }
    // "$" or the text between two tildes, as written.
    std::optional<std::string> currency()
    {
        if (take('$'))
            return "$";
        if (!take('~'))
            return std::nullopt;
        const std::size_t close = s_.find('~', i_);
        if (close == npos) {
            bad_ = true;
            return std::nullopt;
        }
        std::string text(s_.substr(i_, close - i_));
        i_ = close + 1;
        return text;
    }
    bool bad() const { return bad_; }

private:
    std::string_view s_;
    std::size_t i_ = 0;
    bool bad_ = false;
};

std::optional<NumberForm> readNumberForm(Cursor &c, bool shopStyle = true);

// The decimal point and grouping the shop writes money with: its money picture's (GLO.CURRENCYNAME),
// a point and commas when it has none. Read again only when the money picture changes.
std::pair<char, char> shopSeparators()
{
    static std::string seen;
    static std::pair<char, char> separators{'.', ','};
    const std::string money = GLO.CURRENCYNAME.str();
    if (money != seen) {
        seen = money;
        separators = {'.', ','};
        const std::string_view s = trim(money);
        if (s.size() > 2 && s[0] == '@' && lower(s[1]) == 'n') {
            Cursor c(s.substr(2));
            if (const auto n = readNumberForm(c, false))
                separators = {n->decimalPoint, n->grouping != 0 ? n->grouping : n->decimalPoint == ',' ? '.' : ','};
        }
    }
    return separators;
}

// shopStyle: a picture that writes its decimals with a point, in a shop that writes money with a
// decimal comma, reads and shows the comma and the shop's grouping instead (one decimal separator
// throughout the program); its digits and places stay as written.
std::optional<NumberForm> readNumberForm(Cursor &c, bool shopStyle)
{
    NumberForm n;
    if (auto text = c.currency())
        n.prefix = *text;
    if (c.take('-'))
        n.sign = Sign::Leading;
    else if (c.take('('))
        n.sign = Sign::Parentheses;
    const bool fill = (c.peek() == '0' || c.peek() == '_') && isDigit(c.peek(1));
    if (fill) {
        n.zeroFill = c.peek() == '0';
        c.skip();
    }
    n.width = c.number().value_or(0);
    bool grouped = true;
    if (c.take('_'))
        n.grouping = ' ';
    else if (c.peek() == '.' && !isDigit(c.peek(1)) && c.take('.'))
        n.grouping = '.';
    else
        grouped = false;
    const bool explicitComma = c.peek() == '`';
    if (c.peek() == '.' || c.peek() == '`') {
        n.decimalPoint = c.peek() == '.' ? '.' : ',';
        c.skip();
        n.places = c.number().value_or(0);
    }
    if (!grouped)
        n.grouping = fill ? 0 : n.decimalPoint == ',' ? '.' : ',';
    if (shopStyle && !explicitComma) {
        const auto [point, grouping] = shopSeparators();
        if (point == ',') {
            n.decimalPoint = ',';
            if (!grouped && !fill)
                n.grouping = grouping;
        }
    }
    if (n.sign == Sign::Parentheses && !c.take(')'))
        return std::nullopt;
    if (n.sign == Sign::None && c.take('-'))
        n.sign = Sign::Trailing;
    if (n.prefix.empty())
        if (auto text = c.currency())
            n.suffix = *text;
    n.blank = c.take('b');
    const bool placesFit = n.places <= 15 && (n.width == 0 || n.places < n.width);
    if (!c.done() || c.bad() || n.grouping == n.decimalPoint || !placesFit)
        return std::nullopt;
    return n;
}

// Separator modifiers of date and time pictures.
char readSeparator(Cursor &c, char standard)
{
    switch (c.peek()) {
    case '.': c.skip(); return '.';
    case '-': c.skip(); return '-';
    case '_': c.skip(); return ' ';
    case '`': c.skip(); return ',';
    default: return standard;
    }
}

// "<style>[separator][b]" of date and time pictures. A "0" before the style (leading zeros) and
// the "b" change nothing: months, days, hours and minutes always have two digits, and no date or
// no time always shows blank.
std::optional<std::pair<int, char>> readStyle(Cursor &c, char standardSeparator, int lastStyle)
{
    if (c.peek() == '0' && isDigit(c.peek(1)))
        c.skip();
    const int style = c.number().value_or(0);
    const char separator = readSeparator(c, standardSeparator);
    c.take('b');
    if (!c.done() || style < 1 || style > lastStyle)
        return std::nullopt;
    return std::pair(style, separator);
}

std::optional<DateForm> readDateForm(Cursor &c)
{
    const auto style = readStyle(c, '/', 17);
    return style ? std::optional(DateForm{style->first, style->second}) : std::nullopt;
}

std::optional<TimeForm> readTimeForm(Cursor &c)
{
    const auto style = readStyle(c, ':', 6);
    return style ? std::optional(TimeForm{style->first, style->second}) : std::nullopt;
}

std::optional<StringForm> readStringForm(Cursor &c)
{
    StringForm s;
    s.width = c.number().value_or(0);
    if (!c.done() || c.bad())
        return std::nullopt;
    return s;
}

// "##/##p" or "##/##pb" after the "@p".
std::optional<PatternForm> readPatternForm(std::string_view rest)
{
    PatternForm p;
    if (rest.size() >= 2 && lower(rest.back()) == 'b' && lower(rest[rest.size() - 2]) == 'p') {
        p.blank = true;
        rest.remove_suffix(1);
    }
    if (rest.empty() || lower(rest.back()) != 'p' || rest.find_first_of("#<") == npos)
        return std::nullopt;
    rest.remove_suffix(1);
    p.layout = rest;
    return p;
}

} // namespace

std::optional<Picture> Picture::parse(std::string_view picture)
{
    const std::string_view s = trim(picture);
    if (s.size() < 2 || s[0] != '@')
        return std::nullopt;
    Cursor c(s.substr(2));
    std::optional<Form> form;
    switch (lower(s[1])) {
    case 'n': if (auto n = readNumberForm(c)) form = *n; break;
    case 'd': if (auto d = readDateForm(c)) form = *d; break;
    case 't': if (auto t = readTimeForm(c)) form = *t; break;
    case 's': if (auto t = readStringForm(c)) form = *t; break;
    case 'p': if (auto p = readPatternForm(s.substr(2))) form = *p; break;
    default: break;
    }
    if (!form)
        return std::nullopt;
    return Picture(std::string(s), std::move(*form));
}

// ---- Numbers -------------------------------------------------------------------------------

namespace {

std::string groupDigits(std::string whole, char separator)
{
    if (separator != 0)
        for (int at = int(whole.size()) - 3; at > 0; at -= 3)
            whole.insert(std::size_t(at), 1, separator);
    return whole;
}

// The whole-number part with its thousands separators taken out; nullopt when they are not
// where they belong (so "12.50" typed for a picture with a decimal comma is not 1250).
std::optional<std::string> ungroupDigits(std::string_view whole, char separator)
{
    if (separator == 0 || whole.find(separator) == npos)
        return allDigits(whole) ? std::optional<std::string>(whole) : std::nullopt;
    std::string digits;
    std::size_t start = 0;
    for (bool first = true;; first = false) {
        const std::size_t end = whole.find(separator, start);
        const std::string_view group = whole.substr(start, end == npos ? npos : end - start);
        const bool sized = first ? !group.empty() && group.size() <= 3 : group.size() == 3;
        if (!sized || !allDigits(group))
            return std::nullopt;
        digits += group;
        if (end == npos)
            return digits;
        start = end + 1;
    }
}

std::string fixedDigits(double magnitude, int places)
{
    std::array<char, 400> buf;
    char *end = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude, std::chars_format::fixed, places).ptr;
    return std::string(buf.data(), end);
}

// The number laid out in the picture, or nullopt when it does not fit the width.
std::optional<std::string> layoutNumber(const NumberForm &n, double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = dict::roundTo(value, n.places);
    const std::string digits = fixedDigits(std::fabs(rounded), n.places);
    const std::size_t point = digits.find('.');
    const std::string whole = digits.substr(0, point);
    std::string body = groupDigits(whole, n.grouping);
    if (point != std::string::npos)
        body += n.decimalPoint + digits.substr(point + 1);

    std::string lead = n.prefix;
    std::string trail;
    if (rounded < 0) {
        switch (n.sign) {
        case Sign::Trailing: trail = "-"; break;
        case Sign::Parentheses: lead += '('; trail = ")"; break;
        default: lead += '-'; break;
        }
    }
    trail += n.suffix;
    int used = charCount(lead) + charCount(body) + charCount(trail);
    if (n.width > 0 && used > n.width && whole == "0" && n.places > 0) {
        body.erase(0, 1); // ".07250": a rate fills "@n6.5" without its leading zero
        --used;
    }
    if (n.width > 0 && used > n.width)
        return std::nullopt;
    if (n.zeroFill && used < n.width) {
        body.insert(0, std::size_t(n.width - used), '0');
        used = n.width;
    }
    return std::string(std::size_t(std::max(0, n.width - used)), ' ') + lead + body + trail;
}

std::string show(const NumberForm &n, double value)
{
    if (n.blank && std::isfinite(value) && dict::roundTo(value, n.places) == 0)
        return {};
    return layoutNumber(n, value).value_or(overflow(n.width));
}

std::string_view withoutCurrency(std::string_view s, const NumberForm &n)
{
    if (!n.prefix.empty() && s.substr(0, n.prefix.size()) == n.prefix)
        s = trim(s.substr(n.prefix.size()));
    if (!n.suffix.empty() && s.size() >= n.suffix.size() && s.substr(s.size() - n.suffix.size()) == n.suffix)
        s = trim(s.substr(0, s.size() - n.suffix.size()));
    return s;
}

ParseResult read(const NumberForm &n, std::string_view typed)
{
    std::string_view s = withoutCurrency(trim(typed), n);
    if (s.empty())
        return accepted(0);
    bool negative = false;
    if (s.size() >= 2 && s.front() == '(' && s.back() == ')') {
        negative = true;
        s = trim(s.substr(1, s.size() - 2));
    } else if (s.front() == '-' || s.front() == '+') {
        negative = s.front() == '-';
        s = trim(s.substr(1));
    } else if (s.back() == '-') {
        negative = true;
        s = trim(s.substr(0, s.size() - 1));
    }
    s = withoutCurrency(s, n); // "-$12.00" as well as "$-12.00"

    const std::size_t point = s.find(n.decimalPoint);
    const std::optional<std::string> whole = ungroupDigits(s.substr(0, point), n.grouping);
    std::string_view fraction = point == npos ? std::string_view() : s.substr(point + 1);
    if (!whole || !allDigits(fraction) || (whole->empty() && fraction.empty()))
        return rejected("Not a valid number.");
    if (fraction.size() > std::size_t(n.places)) {
        if (fraction.find_first_not_of('0', n.places) != npos)
            return rejected(n.places == 0 ? "Enter a whole number."
                                          : "Enter no more than " + std::to_string(n.places) + " decimal places.");
        fraction = fraction.substr(0, n.places);
    }
    const std::string plain = (whole->empty() ? "0" : *whole) + "." + std::string(fraction) + "0";
    double value = 0;
    std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (negative && value != 0)
        value = -value;
    if (!layoutNumber(n, value))
        return rejected("The number is too large for this field.");
    return accepted(value);
}

} // namespace

// ---- Dates ---------------------------------------------------------------------------------

namespace {

// Layouts by style: m month, d day (two digits), D day, y year (two digits), Y year, M month
// abbreviated, N month name, "/" the separator; anything else as written. Style 17 is the locale's.
constexpr std::string_view dateLayouts[] = {"",      "m/d/y", "m/d/Y", "M D, Y", "N D, Y", "d/m/y",
                                            "d/m/Y", "d M y", "d M Y", "y/m/d",  "Y/m/d",  "ymd",
                                            "Ymd",   "m/y",   "m/Y",   "y/m",    "Y/m"};
constexpr int shortDateStyle = 17;
constexpr std::string_view dateSeparators = " /-.,";

int tokenWidth(char token)
{
    switch (token) {
    case 'Y': return 4;
    case 'M': return 3;
    case 'N': return 9;
    case 'm': case 'd': case 'D': case 'y': case 'H': case 'h': case 'i': case 's': case 'X': return 2;
    default: return 1;
    }
}

int layoutWidth(std::string_view layout)
{
    int width = 0;
    for (char token : layout)
        width += tokenWidth(token);
    return width;
}

int dateWidth(const DateForm &d)
{
    return d.style == shortDateStyle ? 10 : layoutWidth(dateLayouts[d.style]);
}

std::tm asTm(const CivilDate &date)
{
    std::tm tm{};
    tm.tm_year = date.year - 1900;
    tm.tm_mon = date.month - 1;
    tm.tm_mday = date.day;
    tm.tm_wday = weekday(dayNumber(date.year, date.month, date.day).value_or(0));
    return tm;
}

std::string showShortDate(const CivilDate &date)
{
    const std::tm tm = asTm(date);
    std::ostringstream out;
    out.imbue(desktopLocale());
    out << std::put_time(&tm, "%x");
    return out.str();
}

std::optional<CivilDate> readShortDate(std::string_view s)
{
    std::istringstream in{std::string(s)};
    in.imbue(desktopLocale());
    std::tm tm{};
    in >> std::get_time(&tm, "%x");
    if (in.fail())
        return std::nullopt;
    in >> std::ws;
    if (!in.eof())
        return std::nullopt;
    return CivilDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

std::string show(const DateForm &d, double value)
{
    if (value == NoDate)
        return {};
    const bool inRange = value >= FirstDay && value <= LastDay;
    const std::optional<CivilDate> date = inRange ? civilDate(DayNumber(value)) : std::nullopt;
    if (!date)
        return overflow(dateWidth(d));
    if (d.style == shortDateStyle)
        return showShortDate(*date);
    std::string out;
    for (char token : dateLayouts[d.style]) {
        switch (token) {
        case 'm': out += twoDigits(date->month); break;
        case 'd': out += twoDigits(date->day); break;
        case 'D': out += std::to_string(date->day); break;
        case 'y': out += twoDigits(date->year); break;
        case 'Y': out += std::to_string(date->year); break;
        case 'M': out += monthName(date->month).substr(0, 3); break;
        case 'N': out += monthName(date->month); break;
        case '/': out += d.separator; break;
        default: out += token; break;
        }
    }
    return out;
}

// "Dec", "december", "DECEM" → 12; at least three letters.
std::optional<int> monthFromName(std::string_view word)
{
    if (word.size() < 3)
        return std::nullopt;
    for (int m = 1; m <= 12; ++m)
        if (word.size() <= monthName(m).size() && equalNoCase(word, monthName(m).substr(0, word.size())))
            return m;
    return std::nullopt;
}

// A year of one or two digits falls within 80 years before and 19 after the current year.
std::optional<int> readYear(std::string_view digits)
{
    const std::optional<int> year = toInt(digits);
    if (!year || digits.size() == 3 || digits.size() > 4)
        return std::nullopt;
    if (digits.size() == 4)
        return year;
    const int earliest = civilDate(today()).value_or(CivilDate{2000, 1, 1}).year - 80;
    return earliest + ((*year - earliest) % 100 + 100) % 100;
}

// The layout's tokens that stand for a typed field, in order.
std::string fieldTokens(std::string_view layout)
{
    std::string tokens;
    for (char token : layout)
        if (std::string_view("mdDyYMN").find(token) != npos)
            tokens += token;
    return tokens;
}

// The typed fields, one per token: typed with separators ("8/12/26") or as digits only ("081226").
std::optional<std::vector<Field>> dateFields(std::string_view tokens, std::string_view s, char separator)
{
    std::optional<std::vector<Field>> fields = splitFields(s, std::string(dateSeparators) + separator);
    if (!fields || fields->size() != 1 || tokens.size() == 1 || !fields->front().digits)
        return fields;
    std::vector<int> widths;
    for (char token : tokens)
        widths.push_back(token == 'Y' ? 4 : 2);
    const int typed = int(fields->front().text.size());
    const int total = 2 * int(tokens.size()) + (tokens.find('Y') != npos ? 2 : 0);
    if (typed == total - 2 && tokens.find('Y') != npos)
        std::replace(widths.begin(), widths.end(), 4, 2); // year typed with two digits
    else if (typed != total)
        return std::nullopt;
    return cutDigits(fields->front().text, widths);
}

std::optional<int> readDatePart(char token, const Field &f)
{
    switch (token) {
    case 'y': case 'Y': return f.digits ? readYear(f.text) : std::nullopt;
    case 'd': case 'D': return f.digits && f.text.size() <= 2 ? toInt(f.text) : std::nullopt;
    default: return !f.digits ? monthFromName(f.text) : f.text.size() <= 2 ? toInt(f.text) : std::nullopt;
    }
}

// The date the fields name, not yet checked against the calendar; nullopt when they cannot
// name one (letters for a day, a field too many ...). Layouts without a day give the first.
std::optional<CivilDate> readLayoutDate(std::string_view layout, std::string_view s, char separator)
{
    const std::string tokens = fieldTokens(layout);
    const std::optional<std::vector<Field>> fields = dateFields(tokens, s, separator);
    if (!fields || fields->size() != tokens.size())
        return std::nullopt;
    CivilDate date{0, 0, 1};
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::optional<int> value = readDatePart(tokens[i], (*fields)[i]);
        if (!value)
            return std::nullopt;
        const char kind = lower(tokens[i]);
        (kind == 'y' ? date.year : kind == 'd' ? date.day : date.month) = *value;
    }
    return date;
}

ParseResult read(const DateForm &d, std::string_view typed)
{
    const std::string_view s = trim(typed);
    if (s.empty())
        return accepted(NoDate);
    const std::optional<CivilDate> date =
        d.style == shortDateStyle ? readShortDate(s) : readLayoutDate(dateLayouts[d.style], s, d.separator);
    if (!date)
        return rejected("Not a valid date.");
    if (date->year < 1801 || date->year > 9999)
        return rejected("Dates must fall between 1801 and 9999.");
    const std::optional<DayNumber> day = dayNumber(date->year, date->month, date->day);
    if (!day)
        return rejected("No such date.");
    return accepted(*day);
}

} // namespace

// ---- Times ---------------------------------------------------------------------------------

namespace {

// H hour of 24 (two digits), h hour of 12, i minutes, s seconds, X AM or PM, ":" the separator.
constexpr std::string_view timeLayouts[] = {"", "H:i", "Hi", "h:iX", "H:i:s", "His", "h:i:sX"};

std::string show(const TimeForm &t, double value)
{
    if (value == NoTime)
        return {};
    if (!(value >= Midnight && value <= LastClockTime))
        return overflow(layoutWidth(timeLayouts[t.style]));
    const int hundredths = int(value) - Midnight;
    const int hours = hundredths / 360000;
    std::string out;
    for (char token : timeLayouts[t.style]) {
        switch (token) {
        case 'H': out += twoDigits(hours); break;
        case 'h': out += std::to_string(hours % 12 == 0 ? 12 : hours % 12); break;
        case 'i': out += twoDigits(hundredths / 6000 % 60); break;
        case 's': out += twoDigits(hundredths / 100 % 60); break;
        case 'X': out += hours < 12 ? "AM" : "PM"; break;
        case ':': out += t.separator; break;
        default: out += token; break;
        }
    }
    return out;
}

// "AM", "pm", "a", "P" at the end of a typed time: 1 morning, 2 afternoon, 0 none.
int takeMeridiem(std::string_view &s)
{
    std::size_t letters = 0;
    while (letters < s.size() && isLetter(s[s.size() - 1 - letters]))
        ++letters;
    const std::string_view word = s.substr(s.size() - letters);
    int meridiem = 0;
    if (equalNoCase(word, "am") || equalNoCase(word, "a"))
        meridiem = 1;
    else if (equalNoCase(word, "pm") || equalNoCase(word, "p"))
        meridiem = 2;
    if (meridiem != 0)
        s = trim(s.substr(0, s.size() - letters));
    return meridiem;
}

ParseResult read(const TimeForm &t, std::string_view typed)
{
    std::string_view s = trim(typed);
    if (s.empty())
        return accepted(NoTime);
    const int meridiem = takeMeridiem(s);
    const std::string separators = std::string(":. ") + t.separator;
    std::optional<std::vector<Field>> fields = splitFields(s, separators);
    if (fields && fields->size() == 1 && fields->front().digits && fields->front().text.size() > 2) {
        const int n = int(fields->front().text.size()); // "930", "0930", "173005"
        if (n > 6)
            return rejected("Not a valid time.");
        fields = cutDigits(fields->front().text, n <= 4 ? std::vector<int>{n - 2, 2} : std::vector<int>{n - 4, 2, 2});
    }
    const auto isTimePart = [](const Field &f) { return f.digits && f.text.size() <= 2; };
    if (!fields || fields->empty() || fields->size() > 3 || !std::all_of(fields->begin(), fields->end(), isTimePart))
        return rejected("Not a valid time.");
    int parts[3] = {0, 0, 0};
    for (std::size_t i = 0; i < fields->size(); ++i)
        parts[i] = *toInt((*fields)[i].text);
    if (meridiem != 0) {
        if (parts[0] < 1 || parts[0] > 12)
            return rejected("Not a valid time.");
        parts[0] = parts[0] % 12 + (meridiem == 2 ? 12 : 0);
    }
    const std::optional<ClockTime> time = clockTime(parts[0], parts[1], parts[2]);
    if (!time)
        return rejected("Not a valid time.");
    return accepted(*time);
}

} // namespace

// ---- Strings and patterns ------------------------------------------------------------------

namespace {

std::string show(const StringForm &s, std::string_view text)
{
    return std::string(cutToBytes(text, s.width));
}

std::string show(const StringForm &s, double value)
{
    return show(s, plainNumber(value));
}

ParseResult read(const StringForm &s, std::string_view typed)
{
    return accepted(0, show(s, typed));
}

bool isSlot(char c)
{
    return c == '#' || c == '<';
}

std::size_t slotCount(std::string_view layout)
{
    return std::size_t(std::count_if(layout.begin(), layout.end(), isSlot));
}

// Digits placed into the layout's slots from the left; "<" slots blank out leading zeros.
std::string fillPattern(std::string_view layout, std::string_view digits)
{
    std::string out;
    std::size_t next = 0;
    bool leading = true;
    for (char c : layout) {
        if (!isSlot(c)) {
            out += c;
            continue;
        }
        const char digit = digits[next++];
        leading = leading && digit == '0';
        out += c == '<' && leading ? ' ' : digit;
    }
    return out;
}

bool matchesPattern(std::string_view layout, std::string_view s)
{
    if (s.size() != layout.size())
        return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const bool fits = layout[i] == '#' ? isDigit(s[i])
                          : layout[i] == '<' ? isDigit(s[i]) || s[i] == ' '
                                             : s[i] == layout[i];
        if (!fits)
            return false;
    }
    return true;
}

std::string show(const PatternForm &p, double value)
{
    const std::size_t width = slotCount(p.layout);
    if (!std::isfinite(value) || value < 0 || value >= 1e18)
        return overflow(charCount(p.layout));
    const long long whole = std::llround(value);
    if (whole == 0 && p.blank)
        return {};
    std::string digits = std::to_string(whole);
    if (digits.size() > width)
        return overflow(charCount(p.layout));
    digits.insert(0, width - digits.size(), '0');
    return fillPattern(p.layout, digits);
}

std::string show(const PatternForm &p, std::string_view text)
{
    const std::string_view s = trim(text);
    if (s.empty())
        return {};
    if (allDigits(s) && s.size() == slotCount(p.layout))
        return fillPattern(p.layout, s);
    return std::string(text);
}

ParseResult read(const PatternForm &p, std::string_view typed)
{
    std::string_view s = typed.substr(0, typed.find_last_not_of(" \t") + 1);
    if (trim(s).empty())
        return accepted(0);
    std::string text;
    if (matchesPattern(p.layout, s))
        text = s;
    else if (allDigits(trim(s)) && trim(s).size() == slotCount(p.layout))
        text = fillPattern(p.layout, trim(s));
    else {
        std::string shape = p.layout;
        std::replace(shape.begin(), shape.end(), '<', '#');
        return rejected("Enter this as " + shape + ".");
    }
    double number = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (isSlot(p.layout[i]) && isDigit(text[i]))
            number = number * 10 + (text[i] - '0');
    return accepted(number, std::move(text));
}

// Number, date and time pictures shown for a text: the plain number it holds, or the text.
template<class Form>
std::string showNumberText(const Form &form, std::string_view text)
{
    const std::optional<double> value = parsePlainNumber(text);
    return value ? show(form, *value) : std::string(text);
}

std::string show(const NumberForm &n, std::string_view text)
{
    return showNumberText(n, text);
}

std::string show(const DateForm &d, std::string_view text)
{
    return showNumberText(d, text);
}

std::string show(const TimeForm &t, std::string_view text)
{
    return showNumberText(t, text);
}

} // namespace

// ---- Picture -------------------------------------------------------------------------------

int Picture::width() const
{
    switch (kind()) {
    case Kind::Number: return std::get<NumberForm>(form_).width;
    case Kind::Date: return dateWidth(std::get<DateForm>(form_));
    case Kind::Time: return layoutWidth(timeLayouts[std::get<TimeForm>(form_).style]);
    case Kind::String: return std::get<StringForm>(form_).width;
    case Kind::Pattern: return charCount(std::get<PatternForm>(form_).layout);
    }
    return 0;
}

std::string Picture::format(double value) const
{
    return std::visit([value](const auto &form) { return show(form, value); }, form_);
}

std::string Picture::format(std::string_view text) const
{
    return std::visit([text](const auto &form) { return show(form, text); }, form_);
}

ParseResult Picture::deformat(std::string_view typed) const
{
    return std::visit([typed](const auto &form) { return read(form, typed); }, form_);
}

std::string formatValue(double value, std::string_view picture)
{
    const std::optional<Picture> p = Picture::parse(picture);
    return p ? p->format(value) : plainNumber(value);
}

std::string formatText(std::string_view text, std::string_view picture)
{
    const std::optional<Picture> p = Picture::parse(picture);
    return p ? p->format(text) : std::string(text);
}

ParseResult deformatText(std::string_view typed, std::string_view picture)
{
    const std::optional<Picture> p = Picture::parse(picture);
    return p ? p->deformat(typed) : rejected("Not a valid picture.");
}

std::string moneyPicture(std::string_view fallback)
{
    return GLO.CURRENCYNAME.blank() ? std::string(fallback) : GLO.CURRENCYNAME.str();
}

std::string datePicture(std::string_view fallback)
{
    return GLO.DATENAME.blank() ? std::string(fallback) : GLO.DATENAME.str();
}

namespace {
std::string withDecimals(std::string_view picture, std::string_view fallback)
{
    const bool hasDecimals = picture.find_first_of(".`") != std::string_view::npos;
    return std::string(hasDecimals ? picture : fallback);
}
} // namespace

std::string ratePicture() { return withDecimals(GLO.CURRENCYNAME7.view(), "@n6.5"); }
std::string percentPicture() { return withDecimals(GLO.CURRENCYNAME6.view(), "@n6.2"); }


namespace {
// The shown value without its padding.
std::string unpadded(const std::string &shown) { return std::string(trim(shown)); }
} // namespace

std::string widestValue(std::string_view picture)
{
    const std::optional<Picture> p = Picture::parse(picture);
    if (!p)
        return {};
    if (p->kind() == Picture::Kind::Date)
        return unpadded(formatValue(double(dayNumber(2026, 12, 28).value_or(0)), picture)); // two-digit day and month
    if (p->kind() != Picture::Kind::Number)
        return {};
    // The most nines that still fit the picture, in its decimals, and negative where it shows a sign.
    const bool decimals = formatValue(0.5, picture).find_first_of(".,") != std::string::npos;
    const bool signed_ = formatValue(-1, picture).find_first_of("-(") != std::string::npos;
    std::string widest;
    for (const double sign : {1.0, -1.0}) {
        if (sign < 0 && !signed_)
            break;
        for (int digits = 1; digits <= 15; ++digits) {
            const double value = sign * (std::pow(10.0, digits) - (decimals ? 0.01 : 1));
            const std::string shown = unpadded(formatValue(value, picture));
            if (shown.empty() || shown.find('#') != std::string::npos)
                break;
            if (shown.size() > widest.size() || (sign > 0 && shown.size() == widest.size()))
                widest = shown; // of one width, the most nines
        }
    }
    return widest;
}

char shopDecimalPoint() { return shopSeparators().first; }

std::string shopPlainNumber(double value)
{
    std::string text = plainNumber(value);
    if (shopDecimalPoint() == ',')
        std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string rateHint()
{
    std::string rate = unpadded(formatValue(0.0625, ratePicture()));
    // The rate picture's five places, down to the four the example needs.
    if (rate.size() > 1 && rate.back() == '0')
        rate.pop_back();
    if (!rate.empty() && !std::isdigit(static_cast<unsigned char>(rate.front())))
        rate.insert(0, "0"); // "0,0625" reads as a fraction where ",0625" may not
    return rate;
}

std::string rateTip()
{
    return "A rate as a fraction: " + rateHint() + " = " + unpadded(formatValue(6.25, percentPicture())) + " %";
}
std::string quantityPicture(std::string_view fallback) { return numberPicture(GLO.CURRENCYNAME2.view(), fallback); }

std::string numberPicture(std::string_view picture, std::string_view fallback)
{
    const bool number = picture.size() > 1 && (picture[1] == 'n' || picture[1] == 'N');
    return std::string(number ? picture : fallback);
}

} // namespace fw
