// Money, rates and quantities are plain doubles in the record buffers. Every rounding and every
// "is it zero" test on them goes through this module, so that a value rounds the way it reads:
// rounding works on the number's shortest decimal form (the digits a person sees, 1.005), not on
// the binary value underneath it (1.00499999999999989...).
#pragma once

namespace dict {

// Rounds to `decimals` places (negative: to tens, hundreds ...), half away from zero, working on
// the shortest decimal form of `value`. Infinities and NaN come back unchanged; a result of zero
// is always +0.0.
double roundTo(double value, int decimals);

// Rounds to the cent: roundCents(1.005) == 1.01, roundCents(-2.675) == -2.68.
double roundCents(double value);

// quantity × price to the cent, worked exactly: extendedCents(3, 1.005) == 3.02, where rounding
// the binary product 3.0149999... would give 3.01.
double extendedCents(double quantity, double price);
// percent % of amount to the cent, worked exactly: percentCents(1.15, 50) == 0.58.
double percentCents(double amount, double percent);

// A money sum is "exactly zero" when it rounds to zero cents (a balance of 1e-13 left over by
// adding and subtracting amounts is settled).
bool isZeroMoney(double value);

// Quantities are equal when they differ by at most 1e-9 of their size; below a size of 1 the
// tolerance stays 1e-9, so that 0.3 - 0.1 - 0.2 counts as no stock left.
bool sameQuantity(double a, double b);

} // namespace dict
