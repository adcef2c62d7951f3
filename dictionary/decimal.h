// Exact decimal arithmetic for money figures that are computed from several doubles. Each double
// is taken at its shortest decimal form (the digits a person typed, 0.1, not the binary value
// 0.1000000000000000055...), sums and products are exact, and a result becomes a double once, at
// the end. So 100.005 stays 100.005 until it is rounded, and rounds to 100.01.
//
//   const dict::Decimal net = dict::Decimal(quantity) * dict::Decimal(price);
//   line.TAX = (net * dict::Decimal(rate)).toDouble();
#pragma once

namespace dict {

class Decimal
{
public:
    Decimal() = default;
    // The shortest decimal form of `value`; a NaN or an infinity gives a value that is not finite,
    // and every result computed from it is not finite either (it reads back as NaN).
    explicit Decimal(double value);

    // The nearest double.
    double toDouble() const;
    // Rounded to `decimals` places, half away from zero, exactly: 100.005 → 100.01.
    Decimal roundedTo(int decimals) const;
    Decimal roundedToCents() const { return roundedTo(2); }
    // A percentage as a fraction: 12.5 → 0.125.
    Decimal percent() const;

    bool isFinite() const { return finite_; }

    friend Decimal operator+(const Decimal &a, const Decimal &b);
    friend Decimal operator-(const Decimal &a, const Decimal &b);
    friend Decimal operator*(const Decimal &a, const Decimal &b);
    Decimal operator-() const;
    Decimal &operator+=(const Decimal &b) { return *this = *this + b; }

    friend bool operator==(const Decimal &a, const Decimal &b);

private:
    // value = mantissa × 10^exponent, the mantissa without trailing zeros and below 10^36. Results
    // that would need more digits keep the 36 leading ones (rounded), far beyond a double's 17.
    __extension__ typedef __int128 Int;
    Int mantissa_ = 0;
    int exponent_ = 0;
    bool finite_ = true;

    static Decimal make(Int mantissa, int exponent);
    static Decimal notFinite();
    // The `count` leading digits, rounded half away from zero.
    Decimal keptDigits(int count) const;
};

} // namespace dict
