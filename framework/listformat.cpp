#include "framework/listformat.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace fw {

namespace {

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isJustify(char c)
{
    c = upper(c);
    return c == 'L' || c == 'R' || c == 'C' || c == 'D';
}
bool isMark(char c) { return c == '|' || c == '_' || c == '/' || c == '*' || c == '?'; }

// Whole text as a number in [min, ListFormat::MaxNumber]; nullopt for anything else.
std::optional<int> toNumber(std::string_view text, int min)
{
    int value = 0;
    const char *end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < min || value > ListFormat::MaxNumber)
        return std::nullopt;
    return value;
}

// Queue fields a column reads besides the one it shows.
int extraFields(const ListColumn &column)
{
    return (column.colours() ? 4 : 0) + (column.icon() ? 1 : 0) + (column.tree() ? 1 : 0) +
           (column.style() ? 1 : 0) + (column.tip() ? 1 : 0);
}

class Parser
{
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<std::vector<ListColumn>> columns()
    {
        std::vector<ListColumn> result;
        if (text_.empty()) {
            fail("the format is empty");
            return std::nullopt;
        }
        while (!atEnd()) {
            ListColumn column;
            if (!readColumn(column))
                return std::nullopt;
            result.push_back(std::move(column));
        }
        return result;
    }

    ListFormatError error;

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }

    // Records where reading stopped; false, for the readers to return.
    bool fail(std::string_view message, std::size_t at)
    {
        error.position = at;
        error.message.assign(message);
        return false;
    }
    bool fail(std::string_view message) { return fail(message, pos_); }

    bool readColumn(ListColumn &column)
    {
        const std::size_t start = pos_;
        if (isDigit(peek()) && !readWidth(column.width))
            return false;
        if (isJustify(peek()) && !readAlignment(column.alignment))
            return false;
        if (!readModifiers(column.modifiers))
            return false;
        if (peek() == '~' && !readHeader(column))
            return false;
        if (peek() == '@') {
            column.picture.emplace("@");
            if (!readDelimited('@', *column.picture, "picture"))
                return false;
        }
        if (peek() == '#' && !readFieldNumber(column.fieldNumber))
            return false;
        if (pos_ == start) {
            const char c = peek();
            return fail(c == '[' || c == ']' ? "column groups are not supported"
                                             : std::string("unexpected character '") + c + "'");
        }
        return true;
    }

    bool readHeader(ListColumn &column)
    {
        column.header.emplace();
        if (!readDelimited('~', *column.header, "header"))
            return false;
        if (isJustify(peek()) && !readAlignment(column.headerAlignment))
            return false;
        return readModifiers(column.headerModifiers);
    }

    bool readWidth(std::optional<int> &width)
    {
        const std::size_t start = pos_;
        while (isDigit(peek()))
            ++pos_;
        width = toNumber(text_.substr(start, pos_ - start), 0);
        return width || fail("the width is too large", start);
    }

    bool readAlignment(std::optional<Alignment> &alignment)
    {
        alignment.emplace();
        alignment->justify = static_cast<Justify>(upper(text_[pos_++]));
        if (peek() != '(')
            return true;
        const std::size_t start = pos_;
        std::optional<std::string> text;
        if (!readArgument(text))
            return false;
        alignment->indent = toNumber(*text, -ListFormat::MaxNumber);
        return alignment->indent || fail("the indent is not a number", start);
    }

    // Marks and letters up to whatever else comes next; a justification letter there starts
    // the next column.
    bool readModifiers(std::vector<ListModifier> &modifiers)
    {
        while (isMark(peek()) || (isLetter(peek()) && !isJustify(peek()))) {
            ListModifier modifier{upper(text_[pos_++]), std::nullopt};
            if (isLetter(modifier.code) && peek() == '(') {
                const std::size_t start = pos_;
                if (!readArgument(modifier.argument))
                    return false;
                if (modifier.code == 'S' && !toNumber(*modifier.argument, 0))
                    return fail("the scroll width is not a number", start);
            }
            modifiers.push_back(std::move(modifier));
        }
        return true;
    }

    bool readArgument(std::optional<std::string> &argument)
    {
        const std::size_t open = pos_++;
        const std::size_t close = text_.find(')', pos_);
        if (close == std::string_view::npos)
            return fail("unterminated '('", open);
        argument.emplace(text_.substr(pos_, close - pos_));
        pos_ = close + 1;
        return true;
    }

    // Appends the text up to the next `delimiter` to `out` and moves past it.
    bool readDelimited(char delimiter, std::string &out, const char *what)
    {
        const std::size_t open = pos_++;
        const std::size_t close = text_.find(delimiter, pos_);
        if (close == std::string_view::npos)
            return fail(std::string("unterminated ") + what, open);
        out.append(text_.substr(pos_, close - pos_));
        pos_ = close + 1;
        return true;
    }

    bool readFieldNumber(std::optional<int> &field)
    {
        const std::size_t open = pos_;
        std::string text;
        if (!readDelimited('#', text, "field number"))
            return false;
        field = toNumber(text, 1);
        return field || fail("the field number is not a number from 1", open);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

void writeAlignment(std::string &out, const Alignment &alignment)
{
    out += static_cast<char>(alignment.justify);
    if (alignment.indent)
        out += '(' + std::to_string(*alignment.indent) + ')';
}

void writeModifiers(std::string &out, const std::vector<ListModifier> &modifiers)
{
    for (const ListModifier &modifier : modifiers) {
        out += modifier.code;
        if (modifier.argument)
            out += '(' + *modifier.argument + ')';
    }
}

void writeColumn(std::string &out, const ListColumn &column)
{
    if (column.width)
        out += std::to_string(*column.width);
    if (column.alignment)
        writeAlignment(out, *column.alignment);
    writeModifiers(out, column.modifiers);
    if (column.header) {
        out += '~' + *column.header + '~';
        if (column.headerAlignment)
            writeAlignment(out, *column.headerAlignment);
        writeModifiers(out, column.headerModifiers);
    }
    if (column.picture)
        out += *column.picture + '@';
    if (column.fieldNumber)
        out += '#' + std::to_string(*column.fieldNumber) + '#';
}

// a * b / c rounded to the nearest, halves away from zero; 0 when c is not positive.
int mulDiv(int a, int b, int c)
{
    if (c <= 0)
        return 0;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t magnitude = (std::llabs(product) + c / 2) / c;
    const std::int64_t result = product < 0 ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<std::int64_t>(result, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

} // namespace

bool ListColumn::has(char code) const
{
    auto matches = [code](const ListModifier &m) { return m.code == code; };
    return std::any_of(modifiers.begin(), modifiers.end(), matches) ||
           std::any_of(headerModifiers.begin(), headerModifiers.end(), matches);
}

std::optional<int> ListColumn::scrollWidth() const
{
    for (const auto *list : {&modifiers, &headerModifiers})
        for (const ListModifier &m : *list)
            if (m.code == 'S' && m.argument)
                return toNumber(*m.argument, 0);
    return std::nullopt;
}

std::optional<ListFormat> ListFormat::parse(std::string_view text, ListFormatError *error)
{
    Parser parser(text);
    auto columns = parser.columns();
    if (!columns) {
        if (error)
            *error = parser.error;
        return std::nullopt;
    }
    ListFormat format;
    format.columns_ = std::move(*columns);
    format.computeFields();
    // Columns without "#n#" read the fields after the previous column's, and a column moved later
    // writes the field it reads as a number: none may read past the last number a format can hold.
    if (format.queueFieldCount() > MaxNumber) {
        if (error)
            *error = {text.size(), "a column reads a field beyond " + std::to_string(MaxNumber)};
        return std::nullopt;
    }
    return format;
}

std::string ListFormat::toString() const
{
    std::string out;
    for (const ListColumn &column : columns_)
        writeColumn(out, column);
    return out;
}

int ListFormat::queueFieldCount() const
{
    int highest = 0;
    for (const ColumnFields &f : fields_)
        highest = std::max(highest, f.next - 1);
    return highest;
}

std::optional<std::size_t> ListFormat::columnOfField(int field) const
{
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].value == field)
            return i;
    return std::nullopt;
}

bool ListFormat::moveColumn(std::size_t from, std::size_t to)
{
    if (from >= columns_.size() || to >= columns_.size())
        return false;
    if (from == to)
        return true;
    std::vector<int> shown;
    for (const ColumnFields &f : fields_)
        shown.push_back(f.value);
    auto rotate = [from, to](auto &items) {
        if (from < to)
            std::rotate(items.begin() + from, items.begin() + from + 1, items.begin() + to + 1);
        else
            std::rotate(items.begin() + to, items.begin() + from, items.begin() + from + 1);
    };
    rotate(columns_);
    rotate(shown);
    keepFieldsAfterMove(shown);
    computeFields();
    keepColumnsApart();
    return true;
}

bool ListFormat::setWidth(std::size_t index, int dialogUnits)
{
    if (index >= columns_.size() || dialogUnits < 0 || dialogUnits > MaxNumber)
        return false;
    columns_[index].width = dialogUnits;
    return true;
}

void ListFormat::computeFields()
{
    fields_.clear();
    int next = 1;
    for (const ListColumn &column : columns_) {
        ColumnFields f;
        f.value = column.fieldNumber.value_or(next);
        int field = f.value + 1;
        auto take = [&field](bool present, std::optional<int> &slot, int count) {
            if (present) {
                slot = field;
                field += count;
            }
        };
        take(column.colours(), f.colours, 4);
        take(column.icon(), f.icon, 1);
        take(column.tree(), f.treeLevel, 1);
        take(column.style(), f.style, 1);
        take(column.tip(), f.tip, 1);
        f.next = next = field;
        fields_.push_back(f);
    }
}

// A column numbered by its place would show another field once moved: write its number out.
void ListFormat::keepFieldsAfterMove(const std::vector<int> &shown)
{
    int next = 1;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        ListColumn &column = columns_[i];
        if (!column.fieldNumber && next != shown[i])
            column.fieldNumber = shown[i];
        next = column.fieldNumber.value_or(next) + 1 + extraFields(column);
    }
}

// Written side by side, a column without a width could read as part of the one before it (its
// header as that one's, say), and a lone width would run into the next one's digits. A field
// number always ends a column, so such neighbours get theirs written out.
void ListFormat::keepColumnsApart()
{
    for (std::size_t i = 0; i + 1 < columns_.size(); ++i) {
        ListColumn &left = columns_[i];
        ListColumn widthOnly;
        widthOnly.width = left.width;
        const bool onlyWidth = left == widthOnly;
        if (!left.fieldNumber && (!columns_[i + 1].width || onlyWidth))
            left.fieldNumber = fields_[i].value;
    }
}

int DialogUnits::toPixelsX(int units) const { return mulDiv(units, averageCharWidth, 4); }
int DialogUnits::toPixelsY(int units) const { return mulDiv(units, charHeight, 8); }
int DialogUnits::fromPixelsX(int pixels) const { return mulDiv(pixels, 4, averageCharWidth); }
int DialogUnits::fromPixelsY(int pixels) const { return mulDiv(pixels, 8, charHeight); }

} // namespace fw
