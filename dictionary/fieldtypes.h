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

// A number as the packed records hold it, at any alignment: it reads and writes like a T
// (CUS.BALANCE += x, INV.INVOICENO == n), and every load and store goes through memcpy, so no
// reference or pointer to a misaligned T is ever formed. Its bytes are the T's, so the stored
// layout is unchanged.
template <typename T>
class Unaligned
{
public:
    Unaligned() = default;
    Unaligned(T value) { store(value); } // NOLINT: implicit, as the plain member was
    Unaligned &operator=(T value)
    {
        store(value);
        return *this;
    }
    operator T() const // NOLINT: implicit, as the plain member was
    {
        T value;
        std::memcpy(&value, bytes_, sizeof value);
        return value;
    }
    Unaligned &operator+=(T value) { return *this = static_cast<T>(T(*this) + value); }
    Unaligned &operator-=(T value) { return *this = static_cast<T>(T(*this) - value); }
    Unaligned &operator*=(T value) { return *this = static_cast<T>(T(*this) * value); }
    Unaligned &operator/=(T value) { return *this = static_cast<T>(T(*this) / value); }
    Unaligned &operator++() { return *this += 1; }
    Unaligned &operator--() { return *this -= 1; }
    T operator++(int)
    {
        const T was = *this;
        *this += 1;
        return was;
    }
    T operator--(int)
    {
        const T was = *this;
        *this -= 1;
        return was;
    }

private:
    void store(T value) { std::memcpy(bytes_, &value, sizeof value); }
    unsigned char bytes_[sizeof(T)];
};
static_assert(alignof(Unaligned<double>) == 1 && sizeof(Unaligned<double>) == sizeof(double));

// The type a record stores a field of type T as: numbers wider than a byte are Unaligned.
template <typename T>
struct StoredAs {
    using type = T;
};
template <>
struct StoredAs<SHORT> {
    using type = Unaligned<SHORT>;
};
template <>
struct StoredAs<LONG> {
    using type = Unaligned<LONG>;
};
template <>
struct StoredAs<REAL> {
    using type = Unaligned<REAL>;
};

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
