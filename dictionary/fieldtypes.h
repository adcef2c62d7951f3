// Field types of the fixed-layout records: numbers, blank-padded strings and memo text.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace dict {

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");

using BYTE = std::uint8_t;
using SHORT = std::int16_t;
using LONG = std::int32_t;
using REAL = double;

// Trailing blanks (and NULs left by foreign writers) are not part of a string's value.
std::string_view clipped(std::string_view text);

// The longest prefix of text that fits in maxBytes without cutting a UTF-8 character.
std::size_t utf8Fit(std::string_view text, std::size_t maxBytes);

// Case-insensitive (ASCII letters, folded to lower case) comparison of clipped values, in the
// order the keys sort strings.
int compareNoCase(std::string_view a, std::string_view b);

// STRING(n): n bytes, padded with blanks on the right; a longer value is cut at a character boundary.
template <std::size_t N>
class String
{
public:
    String() { std::memset(bytes_, ' ', N); }
    String(std::string_view text) { assign(text); }
    String &operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }

    void assign(std::string_view text)
    {
        const std::size_t n = utf8Fit(text, N);
        if (n > 0) // an empty view may have no data at all
            std::memcpy(bytes_, text.data(), n);
        std::memset(bytes_ + n, ' ', N - n);
    }
    void clear() { std::memset(bytes_, ' ', N); }

    std::string_view raw() const { return {bytes_, N}; }
    std::string_view view() const { return clipped(raw()); }
    std::string str() const { return std::string(view()); }
    bool blank() const { return view().empty(); }
    static constexpr std::size_t size() { return N; }

    friend bool operator==(const String &a, std::string_view b) { return a.view() == clipped(b); }
    template <std::size_t M>
    friend bool operator==(const String &a, const String<M> &b) { return a.view() == b.view(); }

private:
    char bytes_[N];
};

// A memo field: variable-length text held with the record, at most Limit characters.
class Memo
{
public:
    static constexpr std::size_t Limit = 500;

    Memo() = default;
    Memo(std::string_view text) { assign(text); }
    Memo &operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }
    void assign(std::string_view text);
    void clear() { text_.clear(); }
    const std::string &str() const { return text_; }
    friend bool operator==(const Memo &a, std::string_view b) { return a.text_ == b; }

private:
    std::string text_;
};

} // namespace dict
