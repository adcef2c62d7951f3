// money_check N [seed]: runs N random invoices through the invoice arithmetic the way the invoice
// form does and compares each total due, amount owed, tax and GST with GMP's exact figures of the
// same decimal text. The total due and amount owed must be the exact cents; the tax and GST must
// round to the exact cents and lie within a double's precision of the exact value.
#include "dictionary/money.h"
#include "tests/support/invoicereference.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

class RandomInvoices
{
public:
    explicit RandomInvoices(std::uint64_t seed) : rng_(seed) {}

    ref::Invoice next()
    {
        ref::Invoice inv;
        inv.regime = int(between(1, 4));
        inv.taxRate = chance(10) ? "0" : decimal(0, 0.25, 4);
        inv.gstRate = decimal(0, 0.15, 4);
        inv.laborRate = decimal(0, 200, 2);
        inv.pstOnGst = chance(50);
        inv.laborTaxable = chance(50);
        const int discounts = int(between(0, 2)); // none, the customer's, the lines'
        if (discounts == 1)
            inv.customerDiscount = decimal(0.01, 50, 2);
        for (auto n = between(1, 20); n > 0; --n)
            inv.lines.push_back(line(discounts == 2));
        if (chance(60))
            inv.shipping = decimal(0, 200, 2);
        inv.taxShipping = chance(50);
        if (chance(30))
            inv.cod = decimal(0, 50, 2);
        if (chance(60))
            inv.amountPaid = decimal(0, 20000, 3);
        if (chance(20))
            inv.gstFound = decimal(0, 500, 2);
        return inv;
    }

private:
    std::mt19937_64 rng_;

    std::int64_t between(std::int64_t low, std::int64_t high)
    {
        return std::uniform_int_distribution<std::int64_t>(low, high)(rng_);
    }
    bool chance(int percent) { return between(1, 100) <= percent; }

    // A number between low and high with up to `decimals` places, as text ("12.0725").
    std::string decimal(double low, double high, int decimals)
    {
        const int places = int(between(0, decimals));
        std::int64_t scale = 1;
        for (int i = 0; i < places; ++i)
            scale *= 10;
        std::int64_t units = between(std::int64_t(low * double(scale)), std::int64_t(high * double(scale)));
        std::string text = units < 0 ? "-" : "";
        units = std::llabs(units);
        text += std::to_string(units / scale);
        if (places > 0) {
            const std::string fraction = std::to_string(units % scale + scale); // leading 1 keeps the zeros
            text += "." + fraction.substr(1);
        }
        return text;
    }

    ref::Line line(bool lineDiscounts)
    {
        ref::Line l;
        l.labour = chance(15);
        l.quantity = l.labour ? decimal(0.25, 40, 3) : chance(5) ? decimal(-50, -0.001, 3) : decimal(0.001, 1000, 3);
        l.price = decimal(0, 10000, 5);
        l.cost = decimal(0, 5000, 5);
        l.weight = decimal(0, 100, 3);
        if (lineDiscounts && chance(70))
            l.discount = decimal(0.01, 60, 2);
        l.taxable = chance(70);
        l.gstTaxable = chance(70);
        return l;
    }
};

bool sameCents(double value, const mpq_class &exact)
{
    return dict::roundCents(value) == ref::centsToDouble(ref::roundCents(exact));
}

bool closeEnough(double value, const mpq_class &exact, const mpq_class &size)
{
    return sameCents(value, exact) && ref::isWithinDoublePrecision(value, exact, size + abs(exact));
}

// The fields of one invoice that differ from the reference, blank when none does.
std::string differences(const dict::INVOICERecord &got, const ref::Totals &want)
{
    std::string text;
    const auto report = [&](const char *name, double value, const mpq_class &exact) {
        text += std::string(" ") + name + "=" + std::to_string(value) + " (exact " + exact.get_str() + ")";
    };
    if (got.TOTALDUE != ref::centsToDouble(want.totalDue))
        report("TOTALDUE", got.TOTALDUE, want.totalDue);
    if (got.AMOUNTOWED != ref::centsToDouble(want.amountOwed))
        report("AMOUNTOWED", got.AMOUNTOWED, want.amountOwed);
    if (!closeEnough(got.TAX, want.tax, want.taxSize))
        report("TAX", got.TAX, want.tax);
    if (!closeEnough(got.GST, want.gst, want.gstSize))
        report("GST", got.GST, want.gst);
    return text;
}

// An exact total that lies on a half cent, where rounding a double goes wrong most easily.
bool isHalfCent(const mpq_class &total)
{
    const mpq_class times200 = total * 200;
    return times200.get_den() == 1 && mpz_odd_p(times200.get_num_mpz_t());
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2 || std::atoll(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: money_check N [seed]\n");
        return 2;
    }
    const long long count = std::atoll(argv[1]);
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const auto start = std::chrono::steady_clock::now();

    RandomInvoices invoices(seed);
    long long mismatches = 0, halfCents = 0;
    for (long long i = 1; i <= count; ++i) {
        const ref::Invoice inv = invoices.next();
        const ref::Totals want = ref::totals(inv);
        const std::string diff = differences(ref::runForm(inv).invoice, want);
        if (!diff.empty() && ++mismatches <= 10)
            std::printf("invoice %lld:%s\n", i, diff.c_str());
        halfCents += isHalfCent(want.total);
        if (i % (count >= 10 ? count / 10 : 1) == 0) {
            std::printf("%lld invoices, %lld mismatches\n", i, mismatches);
            std::fflush(stdout);
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("seed %llu, %.1f s, %lld totals on a half cent\n", (unsigned long long)seed, seconds, halfCents);
    std::printf("mismatches: %lld of %lld\n", mismatches, count);
    return mismatches == 0 ? 0 : 1;
}
