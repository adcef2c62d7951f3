#include "framework/stepclass.h"

#include "dictionary/fieldtypes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace fw {

namespace {

constexpr int FirstPercent = 1;
constexpr int LastPercent = 100;
constexpr int EqualLimitsPercent = 50;
constexpr int KeyDigits = 4;

int clampPercent(int percent) { return std::clamp(percent, FirstPercent, LastPercent); }

// Whole numbers beyond this are no longer exact in a double, and 100 times a range of them still
// fits an int64.
constexpr double LargestWhole = 9007199254740992.0; // 2^53

std::int64_t wholeOf(double number)
{
    if (std::isnan(number))
        return 0;
    return static_cast<std::int64_t>(std::floor(std::clamp(number, -LargestWhole, LargestWhole)));
}

double finiteOf(double number)
{
    if (std::isnan(number))
        return 0;
    constexpr double largest = std::numeric_limits<double>::max();
    return std::clamp(number, -largest, largest);
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

// ---- StepValue

double StepValue::number() const
{
    if (!isText())
        return std::get<double>(value_);
    std::string_view text = std::get<std::string>(value_);
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    text = dict::clipped(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return (error == std::errc() && end == text.data() + text.size()) ? number : 0;
}

std::string StepValue::text() const
{
    if (isText())
        return std::get<std::string>(value_);
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::get<double>(value_));
    return std::string(buffer, result.ptr);
}

// ---- StepClass

void StepClass::SetLimits(const StepValue &, const StepValue &) {}

int StepClass::GetPercentile(const StepValue &) const { return EqualLimitsPercent; }

std::optional<StepValue> StepClass::GetValue(int) const { return std::nullopt; }

// ---- IntegerScale

namespace Internal {

void IntegerScale::setLimits(std::int64_t a, std::int64_t b, bool descending)
{
    low_ = std::min(a, b);
    high_ = std::max(a, b);
    descending_ = descending;
}

// Percent p covers offsets from the start of the order with offset * 100 / range in [p, p + 1);
// the first percent also takes offset 0.
int IntegerScale::percentOf(std::int64_t value) const
{
    if (low_ == high_)
        return EqualLimitsPercent;
    value = std::clamp(value, low_, high_);
    const std::int64_t offset = descending_ ? high_ - value : value - low_;
    return std::max(FirstPercent, static_cast<int>(offset * 100 / (high_ - low_)));
}

std::int64_t IntegerScale::firstAt(int percent) const
{
    percent = clampPercent(percent);
    const std::int64_t range = high_ - low_;
    const std::int64_t offset = percent == FirstPercent ? 0 : (percent * range + 99) / 100; // rounded up
    return descending_ ? high_ - offset : low_ + offset;
}

} // namespace Internal

// ---- StepLongClass

StepLongClass::StepLongClass(bool descending) : StepClass(descending) {}

void StepLongClass::SetLimits(const StepValue &first, const StepValue &last)
{
    scale_.setLimits(wholeOf(first.number()), wholeOf(last.number()), descending());
}

int StepLongClass::GetPercentile(const StepValue &value) const { return scale_.percentOf(wholeOf(value.number())); }

std::optional<StepValue> StepLongClass::GetValue(int percent) const { return StepValue(scale_.firstAt(percent)); }

// ---- StepRealClass

StepRealClass::StepRealClass(bool descending) : StepClass(descending) {}

void StepRealClass::SetLimits(const StepValue &first, const StepValue &last)
{
    const double a = finiteOf(first.number()), b = finiteOf(last.number());
    low_ = std::min(a, b);
    high_ = std::max(a, b);
}

double StepRealClass::share(double value) const
{
    const double span = high_ - low_;
    if (span <= std::numeric_limits<double>::max() / 100) {
        const double offset = descending() ? high_ - value : value - low_;
        return offset * 100 / span;
    }
    // Halves keep limits near the ends of the double range from overflowing.
    const double halfOffset = descending() ? high_ / 2 - value / 2 : value / 2 - low_ / 2;
    return halfOffset / (high_ / 2 - low_ / 2) * 100;
}

int StepRealClass::GetPercentile(const StepValue &value) const
{
    if (low_ == high_)
        return EqualLimitsPercent;
    const double v = value.number();
    if (std::isnan(v))
        return FirstPercent;
    const double percent = std::floor(share(std::clamp(v, low_, high_)));
    return std::clamp(static_cast<int>(percent), FirstPercent, LastPercent);
}

std::optional<StepValue> StepRealClass::GetValue(int percent) const
{
    percent = clampPercent(percent);
    const double start = descending() ? high_ : low_;
    if (percent == FirstPercent || low_ == high_)
        return StepValue(start);
    const double halfSpan = high_ / 2 - low_ / 2;
    const double halfStep =
        std::isfinite(halfSpan * percent) ? halfSpan * percent / 100 : halfSpan / 100 * percent;
    const double value = descending() ? (high_ / 2 - halfStep) * 2 : (low_ / 2 + halfStep) * 2;
    return StepValue(std::clamp(value, low_, high_));
}

// ---- StepStringClass

StepStringClass::StepStringClass(bool descending, bool caseSensitive)
    : StepClass(descending), caseSensitive_(caseSensitive)
{
    Init(AllCharacters);
}

namespace {

constexpr std::string_view PunctuationChars = " `!\"$%^&*()'-=_+[]#;~@:/.,?\\|";

bool inClasses(unsigned char c, unsigned flags)
{
    using S = StepStringClass;
    if (c >= 'A' && c <= 'Z')
        return flags & (S::Letters | S::UpperCase);
    if (c >= 'a' && c <= 'z')
        return (flags & S::Letters) && !(flags & S::UpperCase);
    if (c >= '0' && c <= '9')
        return flags & S::Digits;
    return (flags & S::Punctuation) && PunctuationChars.find(static_cast<char>(c)) != std::string_view::npos;
}

bool inAlphabet(unsigned char c, unsigned flags)
{
    using S = StepStringClass;
    if (flags == 0 || (flags & S::AllCharacters))
        return c >= ' ';
    if (flags & S::PrintableAscii)
        return c >= ' ' && c <= '~';
    return inClasses(c, flags);
}

} // namespace

void StepStringClass::Init(unsigned flags)
{
    chars_.clear();
    digit_.fill(0);
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        // Keys fold letters to lower case: upper-case letters never occur in a folded value, and
        // a lower-case letter stands for both.
        if (!caseSensitive_ && byte >= 'A' && byte <= 'Z')
            continue;
        const bool folded = !caseSensitive_ && byte >= 'a' && byte <= 'z';
        if (!inAlphabet(byte, flags) && !(folded && inAlphabet(static_cast<unsigned char>(byte - 'a' + 'A'), flags)))
            continue;
        chars_.push_back(static_cast<char>(byte));
        digit_[byte] = static_cast<std::uint8_t>(chars_.size());
    }
    rescale();
}

std::int64_t StepStringClass::numberOf(std::string_view text) const
{
    text = dict::clipped(text);
    const std::int64_t base = static_cast<std::int64_t>(chars_.size()) + 1;
    std::int64_t number = 0;
    for (int i = 0; i < KeyDigits; ++i) {
        char c = i < static_cast<int>(text.size()) ? text[i] : ' ';
        if (!caseSensitive_)
            c = lower(c);
        number = number * base + digit_[static_cast<unsigned char>(c)];
    }
    return number;
}

// The smallest alphabet string whose reading is at least number. Its digits are number's own,
// except that a digit 0 (no character has it) becomes the first character and ends the string:
// the first character is the blank when the alphabet has one, and otherwise a short string reads
// as padded with digit 0, so either way nothing smaller follows.
std::string StepStringClass::textOf(std::int64_t number) const
{
    const std::int64_t base = static_cast<std::int64_t>(chars_.size()) + 1;
    std::array<std::int64_t, KeyDigits> digits{};
    for (int i = KeyDigits - 1; i >= 0; --i) {
        digits[i] = number % base;
        number /= base;
    }
    std::string text;
    for (int i = 0; i < KeyDigits && !chars_.empty(); ++i) {
        if (digits[i] == 0) {
            const bool restIsZero = std::all_of(digits.begin() + i, digits.end(), [](auto d) { return d == 0; });
            if (!restIsZero || digit_[' '] != 0)
                text.push_back(chars_.front());
            break;
        }
        text.push_back(chars_[digits[i] - 1]);
    }
    return std::string(dict::clipped(text));
}

void StepStringClass::rescale() { scale_.setLimits(numberOf(first_), numberOf(last_), descending()); }

void StepStringClass::SetLimits(const StepValue &first, const StepValue &last)
{
    first_ = first.text();
    last_ = last.text();
    rescale();
}

int StepStringClass::GetPercentile(const StepValue &value) const { return scale_.percentOf(numberOf(value.text())); }

// Ascending, the smallest string at the percentage starts it. Descending, the strings of a
// percentage start with the largest whose reading is firstAt, and any text may follow its first
// four characters; so the seek key is the smallest string reading one more, which ends the
// percentage before. Where nothing reads more, the highest limit is the first key itself.
std::optional<StepValue> StepStringClass::GetValue(int percent) const
{
    const std::int64_t first = scale_.firstAt(percent);
    if (!descending())
        return StepValue(textOf(first));
    const std::string &highest = numberOf(first_) > numberOf(last_) ? first_ : last_;
    return StepValue(first >= numberOf(highest) ? highest : textOf(first + 1));
}

// ---- StepCustomClass

StepCustomClass::StepCustomClass(bool descending, bool caseSensitive)
    : StepClass(descending), caseSensitive_(caseSensitive)
{
}

void StepCustomClass::AddItem(const StepValue &boundary) { boundaries_.push_back(boundary); }

void StepCustomClass::SetLimits(const StepValue &, const StepValue &) {}

bool StepCustomClass::less(const StepValue &a, const StepValue &b) const
{
    if (!a.isText() && !b.isText())
        return a.number() < b.number();
    const std::string x = a.text(), y = b.text();
    if (caseSensitive_)
        return dict::clipped(x) < dict::clipped(y);
    return dict::compareNoCase(x, y) < 0;
}

std::size_t StepCustomClass::firstAbove(const StepValue &value) const
{
    const auto above = std::upper_bound(boundaries_.begin(), boundaries_.end(), value,
                                        [this](const StepValue &v, const StepValue &b) { return less(v, b); });
    return static_cast<std::size_t>(above - boundaries_.begin()) + 1;
}

int StepCustomClass::percentOfPlace(std::size_t place) const
{
    const int share = static_cast<int>((place - 1) * 100 / boundaries_.size());
    return std::max(FirstPercent, descending() ? 100 - share : share);
}

int StepCustomClass::GetPercentile(const StepValue &value) const
{
    if (boundaries_.empty())
        return EqualLimitsPercent;
    return percentOfPlace(firstAbove(value));
}

// Values whose first boundary above is place i lie from boundary i - 1 up to just below
// boundary i. Ascending, the stretch starts at boundary i - 1; descending it starts just below
// boundary i, so boundary i itself, the last value before it, is the seek key.
std::optional<StepValue> StepCustomClass::GetValue(int percent) const
{
    percent = clampPercent(percent);
    const std::size_t n = boundaries_.size();
    if (n == 0)
        return std::nullopt;
    if (!descending()) {
        for (std::size_t place = 1; place <= n + 1; ++place)
            if (percentOfPlace(place) >= percent)
                return place == 1 ? std::nullopt : std::optional<StepValue>(boundaries_[place - 2]);
        return std::nullopt;
    }
    for (std::size_t place = n + 1; place >= 1; --place)
        if (percentOfPlace(place) >= percent)
            return place == n + 1 ? std::nullopt : std::optional<StepValue>(boundaries_[place - 1]);
    return std::nullopt;
}

// ---- factory

std::unique_ptr<StepClass> makeStepFor(dict::FieldType type, bool descending, bool caseSensitive)
{
    switch (type) {
    case dict::FieldType::Byte:
    case dict::FieldType::Short:
    case dict::FieldType::Long:
        return std::make_unique<StepLongClass>(descending);
    case dict::FieldType::Real:
        return std::make_unique<StepRealClass>(descending);
    case dict::FieldType::String:
        return std::make_unique<StepStringClass>(descending, caseSensitive);
    }
    return std::make_unique<StepClass>(descending);
}

} // namespace fw
