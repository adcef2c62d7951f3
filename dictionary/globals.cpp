#include "dictionary/globals.h"

// Built with the record buffers, before any other part of the library starts up and uses them.
dict::Globals GLO __attribute__((init_priority(200)));

namespace dict {

void resetGlobals() { GLO = Globals{}; }

const char *taxName(int regime)
{
    static const char *const names[4] = {"PST", "VAT", "Tax", "GST"};
    return byTaxRegime(names, regime);
}

std::string priceName(int level)
{
    const std::string heading = level == 1 ? GLO.PRICE1.str() : level == 2 ? GLO.PRICE2.str() : GLO.PRICE3.str();
    return GLO.PRICE1.blank() || heading.empty() ? "Price " + std::to_string(level) : heading;
}

} // namespace dict
