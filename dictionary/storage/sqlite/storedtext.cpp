#include "dictionary/storage/sqlite/storedtext.h"

namespace dict::storage::sqlite {

namespace {

bool continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The characters of Windows-1252 from 0x80 to 0x9F; 0 where it has none. From 0xA0 on it is
// Latin-1, whose characters have the byte's own number.
constexpr char16_t Windows1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string &text, char32_t c)
{
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// A byte that is not UTF-8 is high (0x80 and above): what it stands for in Windows-1252.
char32_t fromWindows1252(unsigned char byte)
{
    const char32_t c = byte < 0xA0 ? Windows1252[byte - 0x80] : byte;
    return c == 0 ? U'?' : c;
}

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
            appendUtf8(text, fromWindows1252(static_cast<unsigned char>(s[i])));
            ++i;
        } else {
            text += s[i] == '\0' ? std::string_view(" ") : s.substr(i, n);
            i += n;
        }
    }
    return text;
}

} // namespace dict::storage::sqlite
