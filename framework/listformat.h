// List formats: the column layout of a browse list, written as one string the way list controls
// take it and the way the "Format" key of a browse's settings section keeps it:
//
//   36L(1)|*~Cust #~C(0)@s10@#1#40L(1)|*~Last Name~C(0)@s15@#6#...
//
// Each column, every part optional:
//   width       dialog units, as digits
//   alignment   L left, R right, C centred, D decimal; an indent in dialog units may follow, "(1)"
//   modifiers   '|' right border, '_' underline, '/' last on its line, '*' colours, '?' locator,
//               or a letter: M resizable, F fixed, S(n) scroll width, I or J icon, T tree,
//               Y style, P tip, and any other letter, each optionally with "(...)"
//   header      text between '~' and '~', then its own alignment and modifiers ("~Value~S(300)")
//   picture     "@s10@": the display picture, ended by the next '@' (so "@n~DM~-15`2b@" is one)
//   field       "#6#": the queue field the column shows
// A column ends after its picture or field number, or where the next column's width or
// alignment starts. Letters are read without regard to case and written in upper case.
//
// Queue fields: a column without "#n#" shows the field after the previous column's fields. A
// column's own extra fields follow its field in this order: '*' four colours (foreground,
// background, selected foreground, selected background), I/J the icon, T the tree level, Y the
// style, P the tip. Moving a column keeps the field it shows.
//
// Column groups ('[' ... ']') are not used by this system's lists and are refused. This file
// needs only the standard library.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

enum class Justify : char { Left = 'L', Right = 'R', Centre = 'C', Decimal = 'D' };

struct Alignment
{
    Justify justify = Justify::Left;
    std::optional<int> indent; // "(n)", dialog units; absent when not written
    bool operator==(const Alignment &) const = default;
};

// A modifier: one of | _ / * ? or an upper-case letter, with the text inside its "(...)".
struct ListModifier
{
    char code = 0;
    std::optional<std::string> argument;
    bool operator==(const ListModifier &) const = default;
};

struct ListColumn
{
    std::optional<int> width; // dialog units
    std::optional<Alignment> alignment;
    std::vector<ListModifier> modifiers; // before the header
    std::optional<std::string> header;
    std::optional<Alignment> headerAlignment;
    std::vector<ListModifier> headerModifiers; // after the header
    std::optional<std::string> picture;        // with its leading '@': "@s10"
    std::optional<int> fieldNumber;            // as written; see ListFormat::fields for the one used

    bool operator==(const ListColumn &) const = default;

    bool has(char code) const; // in either list of modifiers
    bool rightBorder() const { return has('|'); }
    bool underline() const { return has('_'); }
    bool lastOnLine() const { return has('/'); }
    bool colours() const { return has('*'); }
    bool locator() const { return has('?'); }
    bool resizable() const { return has('M'); }
    bool fixed() const { return has('F'); }
    bool icon() const { return has('I') || has('J'); }
    bool tree() const { return has('T'); }
    bool style() const { return has('Y'); }
    bool tip() const { return has('P'); }
    std::optional<int> scrollWidth() const; // S(n)
    Justify justify() const { return alignment ? alignment->justify : Justify::Left; }
};

// The queue fields one column reads (numbered from 1).
struct ColumnFields
{
    int value = 0;              // the field shown
    std::optional<int> colours; // first of the four colour fields
    std::optional<int> icon;
    std::optional<int> treeLevel;
    std::optional<int> style;
    std::optional<int> tip;
    int next = 0; // the first field after this column's
    bool operator==(const ColumnFields &) const = default;
};

struct ListFormatError
{
    std::size_t position = 0; // offset into the text
    std::string message;
};

class ListFormat
{
public:
    ListFormat() = default; // no columns

    // nullopt for an empty or malformed text; *error then says where and why.
    static std::optional<ListFormat> parse(std::string_view text, ListFormatError *error = nullptr);
    // Text that parses back to an equal format; the text parsed when nothing was changed.
    std::string toString() const;

    std::size_t columnCount() const { return columns_.size(); }
    const std::vector<ListColumn> &columns() const { return columns_; }
    const ListColumn &column(std::size_t index) const { return columns_.at(index); }
    const ColumnFields &fields(std::size_t index) const { return fields_.at(index); }
    int queueField(std::size_t index) const { return fields(index).value; }
    // The highest queue field any column reads; 0 without columns.
    int queueFieldCount() const;
    // The first column showing the field.
    std::optional<std::size_t> columnOfField(int field) const;

    // Drag reorder: the column at `from` ends up at `to`. False when either is out of range.
    bool moveColumn(std::size_t from, std::size_t to);
    // False when the column does not exist or the width is negative or too large.
    bool setWidth(std::size_t index, int dialogUnits);

    bool operator==(const ListFormat &other) const { return columns_ == other.columns_; }

    static constexpr int MaxNumber = 32767; // widths, indents and field numbers

private:
    void computeFields();
    void keepFieldsAfterMove(const std::vector<int> &oldFields);
    void keepColumnsApart();

    std::vector<ListColumn> columns_;
    std::vector<ColumnFields> fields_;
};

// Dialog units of a window's font: horizontally a quarter of its average character width,
// vertically an eighth of its height. Results round to the nearest pixel or unit.
struct DialogUnits
{
    int averageCharWidth = 0; // pixels
    int charHeight = 0;       // pixels

    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    int fromPixelsX(int pixels) const;
    int fromPixelsY(int pixels) const;
};

} // namespace fw
