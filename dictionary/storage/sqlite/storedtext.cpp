#include "dictionary/storage/sqlite/storedtext.h"

namespace dict::storage::sqlite {

namespace {

bool continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

} // namespace

std::size_t utf8CharLength(std::string_view s)
{
    if (s.empty())
        return 0;
    const auto c = static_cast<unsigned char>(s[0]);
    if (c < 0x80)
        return 1;
    // The second byte's range for each lead byte rules out overlong forms, surrogates and
    // characters past U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    std::size_t length = 0;
    if (c >= 0xC2 && c <= 0xDF)
        length = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        low = c == 0xE0 ? 0xA0 : 0x80;
        high = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        low = c == 0xF0 ? 0x90 : 0x80;
        high = c == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (s.size() < length)
        return 0;
    const auto second = static_cast<unsigned char>(s[1]);
    if (second < low || second > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (!continuation(static_cast<unsigned char>(s[k])))
            return 0;
    return length;
}

bool isStoredText(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == '\0')
            return false;
        const std::size_t n = utf8CharLength(s.substr(i));
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

std::string asStoredText(std::string_view s)
{
    std::string text;
    text.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = utf8CharLength(s.substr(i));
        if (n == 0) {
            text += '?';
            ++i;
        } else {
            text += s[i] == '\0' ? std::string_view(" ") : s.substr(i, n);
            i += n;
        }
    }
    return text;
}

} // namespace dict::storage::sqlite
