#include "dictionary/fieldtypes.h"

#include <algorithm>

namespace dict {

std::string_view clipped(std::string_view text)
{
    std::size_t n = text.size();
    while (n > 0 && (text[n - 1] == ' ' || text[n - 1] == '\0'))
        --n;
    return text.substr(0, n);
}

namespace {
bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
// Folds to lower case, as the storage's NOCASE collation does, so both agree on where
// [ \\ ] ^ _ ` sort against letters.
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
} // namespace

std::size_t utf8Fit(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text.size();
    std::size_t n = maxBytes;
    while (n > 0 && isContinuation(text[n]))
        --n;
    return n;
}

int compareNoCase(std::string_view a, std::string_view b)
{
    a = clipped(a);
    b = clipped(b);
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(lower(a[i]));
        const auto cb = static_cast<unsigned char>(lower(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void Memo::assign(std::string_view text)
{
    // Count characters, not bytes: the limit is 500 characters of UTF-8 text.
    std::size_t chars = 0;
    std::size_t end = 0;
    for (; end < text.size(); ++end) {
        if (!isContinuation(text[end])) {
            if (chars == Limit)
                break;
            ++chars;
        }
    }
    text_.assign(text.substr(0, end));
}

} // namespace dict
