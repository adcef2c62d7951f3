#include "dictionary/money.h"

#include "dictionary/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace dict {

namespace {

// A finite double as its shortest round-trip decimal digits: value = ±d0.d1d2... × 10^exponent.
struct DecimalForm
{
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

DecimalForm shortestForm(double value)
{
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific).ptr;
    const std::string_view text(buf, end - buf); // "-1.005e+00"
    DecimalForm form;
    std::size_t i = 0;
    if (text[i] == '-') {
        form.negative = true;
        ++i;
    }
    const std::size_t e = text.find('e');
    for (; i < e; ++i)
        if (text[i] != '.')
            form.digits += text[i];
    std::from_chars(text.data() + e + 2, text.data() + text.size(), form.exponent);
    if (text[e + 1] == '-')
        form.exponent = -form.exponent;
    return form;
}

// Adds one to a string of decimal digits ("199" → "200", "99" → "100").
void increment(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

double roundTo(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    if (value == 0)
        return 0.0;
    const DecimalForm form = shortestForm(value);
    // Digits kept: those whose place value is at least 10^-decimals.
    const long keep = long(form.exponent) + decimals + 1;
    if (keep >= long(form.digits.size()))
        return value;
    if (keep < 0)
        return 0.0;
    std::string kept = keep == 0 ? std::string("0") : form.digits.substr(0, keep);
    if (form.digits[keep] >= '5')
        increment(kept);
    if (kept.find_first_not_of('0') == std::string::npos)
        return 0.0;
    const std::string text = (form.negative ? "-" : "") + kept + "e" + std::to_string(-long(decimals));
    double result = 0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

double roundCents(double value)
{
    return roundTo(value, 2);
}

double extendedCents(double quantity, double price)
{
    return (Decimal(quantity) * Decimal(price)).roundedToCents().toDouble();
}

double percentCents(double amount, double percent)
{
    return (Decimal(amount) * Decimal(percent).percent()).roundedToCents().toDouble();
}

bool isZeroMoney(double value)
{
    return roundCents(value) == 0;
}

bool sameQuantity(double a, double b)
{
    if (a == b)
        return true;
    const double size = std::max({1.0, std::fabs(a), std::fabs(b)});
    return std::fabs(a - b) <= 1e-9 * size;
}

} // namespace dict
