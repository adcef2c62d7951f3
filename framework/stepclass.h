// Step objects: map the key value of a record to a percentage 1-100 of the way through a sort
// order, and a percentage back to a key value. A browse uses them for its thumb (drag to p %, seek
// the key value GetValue(p)); a batch pass uses them for its progress figure.
//
// Percentages follow key order: ascending keys give rising percentages for rising values,
// descending keys falling ones, so walking an order in either direction from its first record
// counts up. The first key value of an order gives 1, the last 100; equal limits give 50 for
// everything. GetValue(p) is the first key value (in key order) whose percentage is p or more, so
// GetValue(GetPercentile(v)) never lies past v and seeking it lands on or just before v's record.
// (A descending string key cannot name the largest string of a percentage, so its seek key is the
// first of the percentage before, which still lands on or before the wanted records.)
//
// Kinds: StepLongClass (BYTE, SHORT, LONG keys), StepRealClass (REAL keys), StepStringClass
// (string keys, read as four digits of an alphabet), StepCustomClass (a list of boundaries) and
// StepClass itself (no key knowledge: always 50). Standard C++ only; not thread-safe.
#pragma once

#include "dictionary/schema.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace fw {

// A key value: a number (every numeric field type widens to double) or a text.
class StepValue
{
public:
    StepValue() = default; // the number 0
    template <typename T>
        requires std::is_arithmetic_v<T>
    StepValue(T number) : value_(static_cast<double>(number))
    {
    }
    StepValue(std::string text) : value_(std::move(text)) {}
    StepValue(std::string_view text) : value_(std::string(text)) {}
    StepValue(const char *text) : value_(std::string(text)) {}

    bool isText() const { return std::holds_alternative<std::string>(value_); }
    double number() const;    // a text reads as a decimal number, 0 when it is not one
    std::string text() const; // a number in its shortest exact decimal form ("42", "-1.5")

    bool operator==(const StepValue &) const = default;

private:
    std::variant<double, std::string> value_;
};

// Always 50: for an order whose key gives no sensible position. GetValue has nothing to offer,
// so a browse falls back to paging.
class StepClass
{
public:
    explicit StepClass(bool descending = false) : descending_(descending) {}
    virtual ~StepClass() = default;

    bool descending() const { return descending_; }

    // The key values of the order's first and last records, in either order: the smaller becomes
    // the low limit whatever the key's direction.
    virtual void SetLimits(const StepValue &first, const StepValue &last);
    virtual int GetPercentile(const StepValue &value) const;
    // A percentage outside 1-100 is taken as the nearer end.
    virtual std::optional<StepValue> GetValue(int percent) const;

private:
    bool descending_;
};

namespace Internal {

// Whole numbers between two limits, worked in 64-bit integers so that a range as wide as a LONG
// (or a string's four digits) loses nothing.
class IntegerScale
{
public:
    void setLimits(std::int64_t a, std::int64_t b, bool descending);
    int percentOf(std::int64_t value) const;
    std::int64_t firstAt(int percent) const;

private:
    std::int64_t low_ = 0;
    std::int64_t high_ = 0;
    bool descending_ = false;
};

} // namespace Internal

// BYTE, SHORT and LONG keys (any whole number a double holds exactly). Fractions are cut down to
// the whole number below; GetValue gives whole numbers.
class StepLongClass : public StepClass
{
public:
    explicit StepLongClass(bool descending = false);

    void SetLimits(const StepValue &first, const StepValue &last) override;
    int GetPercentile(const StepValue &value) const override;
    std::optional<StepValue> GetValue(int percent) const override;

private:
    Internal::IntegerScale scale_;
};

// REAL keys. Limits span the whole double range without overflowing; infinite limits count as the
// largest finite values and a NaN as 0.
class StepRealClass : public StepClass
{
public:
    explicit StepRealClass(bool descending = false);

    void SetLimits(const StepValue &first, const StepValue &last) override;
    int GetPercentile(const StepValue &value) const override;
    std::optional<StepValue> GetValue(int percent) const override;

private:
    double share(double value) const; // 0-100 along the key's direction
    double low_ = 0;
    double high_ = 0;
};

// String keys. The first four characters of a value are read as the digits of a number in an
// alphabet: a character's digit is its place in the alphabet counted from 1, 0 when it is not in
// it (so any byte, UTF-8 or not, is safe). A value shorter than four characters counts as padded
// with blanks, as blank-padded fields compare. Unless the key is case-sensitive, ASCII letters are
// upper-cased first and the lower-case letters leave the alphabet. Alphabets keep byte order, which
// is how keys compare their characters, so values made only of alphabet characters step
// monotonically; others land where their digit 0 puts them.
class StepStringClass : public StepClass
{
public:
    // Init flags. A fixed set wins over character classes; Init(0) means AllCharacters.
    enum Flags : unsigned {
        Letters = 0x01,     // A-Z and a-z
        UpperCase = 0x02,   // A-Z only (also without Letters)
        Digits = 0x04,      // 0-9
        Punctuation = 0x08, // blank and ` ! " $ % ^ & * ( ) ' - = _ + [ ] # ; ~ @ : / . , ? \ |
        AllCharacters = 0x100,  // blank and every byte above it: also orders non-ASCII text
        PrintableAscii = 0x200, // blank to tilde
    };

    explicit StepStringClass(bool descending = false, bool caseSensitive = false);

    void Init(unsigned flags); // chooses the alphabet; limits already set are kept and re-read
    bool caseSensitive() const { return caseSensitive_; }
    const std::string &alphabet() const { return chars_; }

    void SetLimits(const StepValue &first, const StepValue &last) override;
    int GetPercentile(const StepValue &value) const override;
    // Ascending: the smallest string of alphabet characters at that percentage, without trailing
    // blanks. Descending: the smallest one above every string of it. A seek key made of single
    // bytes; it need not be valid UTF-8.
    std::optional<StepValue> GetValue(int percent) const override;

    std::int64_t numberOf(std::string_view text) const; // the four-digit reading of a value

private:
    std::string textOf(std::int64_t number) const;
    void rescale();

    bool caseSensitive_;
    std::string chars_;                  // the alphabet in order: digit d is chars_[d - 1]
    std::array<std::uint8_t, 256> digit_{}; // by byte; 0 = not in the alphabet
    std::string first_;
    std::string last_;
    Internal::IntegerScale scale_;
};

// A list of boundary values added in ascending order: a value's percentage is how many
// boundaries lie at or below it, as a share of the list. Texts ignore case unless the key is
// case-sensitive; numbers compare as numbers.
class StepCustomClass : public StepClass
{
public:
    explicit StepCustomClass(bool descending = false, bool caseSensitive = false);

    void AddItem(const StepValue &boundary);
    void SetLimits(const StepValue &first, const StepValue &last) override; // not used: ignored
    int GetPercentile(const StepValue &value) const override;
    // The boundary at which that percentage starts; nothing for the stretch before the first
    // boundary (ascending) or after the last (descending), which has no known starting value.
    std::optional<StepValue> GetValue(int percent) const override;

private:
    std::size_t firstAbove(const StepValue &value) const; // from 1; size() + 1 when none is
    int percentOfPlace(std::size_t place) const;
    bool less(const StepValue &a, const StepValue &b) const;

    bool caseSensitive_;
    std::vector<StepValue> boundaries_;
};

// The step object for a key component of the given field type.
std::unique_ptr<StepClass> makeStepFor(dict::FieldType type, bool descending, bool caseSensitive = false);

} // namespace fw
