#include "dictionary/decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

namespace dict {

namespace {

__extension__ typedef __int128 Int;

constexpr int kMaxDigits = 36;   // digits a mantissa keeps
constexpr int kProductDigits = 38; // a product of this many digits still fits (10^38 < 2^127)

constexpr std::array<Int, 39> kPow10 = [] {
    std::array<Int, 39> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i)
        powers[i] = powers[i - 1] * 10;
    return powers;
}();

Int magnitude(Int m)
{
    return m < 0 ? -m : m;
}

int digitCount(Int m)
{
    const Int a = magnitude(m);
    int n = 1;
    while (n < int(kPow10.size()) && a >= kPow10[n])
        ++n;
    return n;
}

// Drops the last `count` digits of m, rounding half away from zero.
Int dropDigits(Int m, int count)
{
    if (count <= 0)
        return m;
    if (count >= int(kPow10.size()))
        return 0; // |m| < 10^36 is far below half of 10^count
    const Int unit = kPow10[count];
    Int kept = m / unit;
    const Int rest = magnitude(m % unit);
    if (rest >= unit - rest)
        kept += m < 0 ? -1 : 1;
    return kept;
}

} // namespace

Decimal Decimal::make(Int mantissa, int exponent)
{
    Decimal d;
    if (mantissa == 0)
        return d;
    if (const int excess = digitCount(mantissa) - kMaxDigits; excess > 0) {
        mantissa = dropDigits(mantissa, excess);
        exponent += excess;
    }
    while (mantissa % 10 == 0) {
        mantissa /= 10;
        ++exponent;
    }
    d.mantissa_ = mantissa;
    d.exponent_ = exponent;
    return d;
}

Decimal Decimal::notFinite()
{
    Decimal d;
    d.finite_ = false;
    return d;
}

Decimal::Decimal(double value)
{
    if (!std::isfinite(value)) {
        finite_ = false;
        return;
    }
    if (value == 0)
        return;
    char buf[40];
    const char *end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific).ptr;
    const std::string_view text(buf, end - buf); // "-1.005e+02"
    const std::size_t e = text.find('e');
    Int m = 0;
    int digits = 0;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] >= '0' && text[i] <= '9') {
            m = m * 10 + (text[i] - '0');
            ++digits;
        }
    int exponent = 0;
    std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
    if (text[e + 1] == '-')
        exponent = -exponent;
    *this = make(text[0] == '-' ? -m : m, exponent - (digits - 1));
}

double Decimal::toDouble() const
{
    if (!finite_)
        return std::numeric_limits<double>::quiet_NaN();
    if (mantissa_ == 0)
        return 0.0;
    // "-123e-5", which from_chars rounds to the nearest double.
    char reversed[40];
    int n = 0;
    for (Int a = magnitude(mantissa_); a != 0; a /= 10)
        reversed[n++] = char('0' + int(a % 10));
    char text[64];
    char *p = text;
    if (mantissa_ < 0)
        *p++ = '-';
    while (n > 0)
        *p++ = reversed[--n];
    *p++ = 'e';
    p = std::to_chars(p, text + sizeof text, exponent_).ptr;
    double result = 0;
    if (std::from_chars(text, p, result).ec == std::errc::result_out_of_range) {
        if (exponent_ < 0)
            return 0.0;
        result = mantissa_ < 0 ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    return result;
}

Decimal Decimal::keptDigits(int count) const
{
    const int excess = digitCount(mantissa_) - count;
    if (excess <= 0)
        return *this;
    return make(dropDigits(mantissa_, excess), exponent_ + excess); // 99.9 → 100 → 1e2
}

Decimal Decimal::roundedTo(int decimals) const
{
    if (!finite_ || exponent_ >= -decimals)
        return *this;
    return make(dropDigits(mantissa_, -decimals - exponent_), -decimals);
}

Decimal Decimal::percent() const
{
    if (!finite_)
        return *this;
    return make(mantissa_, exponent_ - 2);
}

Decimal Decimal::operator-() const
{
    if (!finite_)
        return *this;
    return make(-mantissa_, exponent_);
}

Decimal operator+(const Decimal &a, const Decimal &b)
{
    if (!a.finite_ || !b.finite_)
        return Decimal::notFinite();
    if (a.mantissa_ == 0)
        return b;
    if (b.mantissa_ == 0)
        return a;
    const Decimal &high = a.exponent_ >= b.exponent_ ? a : b;
    const Decimal &low = &high == &a ? b : a;
    // Bring both to the lower exponent; when the higher one has no room for that many more digits,
    // the lower one's last digits are rounded off instead (they lie far below 36 digits).
    const int shift = high.exponent_ - low.exponent_;
    const int room = kMaxDigits + 1 - digitCount(high.mantissa_);
    if (shift <= room)
        return Decimal::make(high.mantissa_ * kPow10[shift] + low.mantissa_, low.exponent_);
    const int exponent = high.exponent_ - room;
    return Decimal::make(high.mantissa_ * kPow10[room] + dropDigits(low.mantissa_, exponent - low.exponent_),
                         exponent);
}

Decimal operator-(const Decimal &a, const Decimal &b)
{
    return a + -b;
}

Decimal operator*(const Decimal &a, const Decimal &b)
{
    if (!a.finite_ || !b.finite_)
        return Decimal::notFinite();
    // The product must fit: the longer factor gives up its last digits first, down to half.
    Decimal x = a, y = b;
    if (digitCount(x.mantissa_) >= digitCount(y.mantissa_))
        std::swap(x, y); // y is the longer
    if (digitCount(x.mantissa_) + digitCount(y.mantissa_) > kProductDigits) {
        y = y.keptDigits(std::max(kProductDigits - digitCount(x.mantissa_), kProductDigits / 2));
        x = x.keptDigits(kProductDigits - digitCount(y.mantissa_));
    }
    return Decimal::make(x.mantissa_ * y.mantissa_, x.exponent_ + y.exponent_);
}

bool operator==(const Decimal &a, const Decimal &b)
{
    return a.finite_ && b.finite_ && a.mantissa_ == b.mantissa_ && a.exponent_ == b.exponent_;
}

} // namespace dict
