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

} // namespace dict
