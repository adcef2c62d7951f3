#include "dictionary/globals.h"

#include <algorithm>
#include <cctype>

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

const char *stateCaption(int regime)
{
    static const char *const captions[4] = {"PROV:", "ST:", "ST:", "ST:"};
    return byTaxRegime(captions, regime);
}

const char *countryCaption(int regime)
{
    static const char *const captions[4] = {"Country:", "Country:", "County:", "Country:"};
    return byTaxRegime(captions, regime);
}

const char *chequeWord(int regime)
{
    static const char *const words[4] = {"Cheque", "Cheque", "Check", "Cheque"};
    return byTaxRegime(words, regime);
}

bool isCheque(std::string_view type)
{
    auto same = [type](std::string_view word) {
        return type.size() == word.size() && std::equal(type.begin(), type.end(), word.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) == b;
               });
    };
    return same("check") || same("cheque");
}

} // namespace dict
