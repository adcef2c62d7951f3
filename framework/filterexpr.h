// View filters: the expressions that browses, processes and reports hand to a view to decide which
// records it returns ("Inv:Date>=Glo:StartDate and ~Inv:Quotes").
//
// The language: decimal numbers and single-quoted texts ('' is a quote inside one); names bound by
// the caller ("INV:DATE", "Glo:StartDate", "ReBill", "ST::TagUsr"); the operators, loosest first,
//   OR XOR | AND | NOT ~ | = <> ~= < <= =< > >= => ~< ~> | & | + - | * / % | prefix - + NOT ~ | ^
// (all left-associative but ^; "~a = b" is NOT (a = b), "a = ~b" compares with NOT b), parentheses,
// and the functions YEAR MONTH DAY TODAY UPPER LOWER CLIP LEN SUB INSTRING INRANGE ABS INT ROUND.
// Names, keywords and functions ignore letter case.
//
// Values are numbers (double) or text; text fields keep their blank padding. Two texts compare byte
// by byte, case-sensitively, without trailing blanks; when either side is a number both compare as
// numbers (a text that is not a plain decimal converts to 0). A value is true when it is a non-zero
// number or a non-blank text. Division or remainder by zero gives 0. Comparisons and logical
// operators give 1 or 0. Dates are day numbers (day 4 is 1 January 1801); YEAR, MONTH and DAY of a
// day outside 1801-9999 give 0.
#pragma once

#include "dictionary/schema.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>

namespace fw {

class FilterValue
{
public:
    FilterValue() = default; // the number 0
    FilterValue(double number) : number_(number) {}
    template <typename T>
        requires std::is_integral_v<T>
    FilterValue(T number) : number_(static_cast<double>(number))
    {
    }
    FilterValue(std::string text) : isText_(true), text_(std::move(text)) {}
    FilterValue(std::string_view text) : isText_(true), text_(text) {}
    FilterValue(const char *text) : isText_(true), text_(text) {}

    bool isText() const { return isText_; }
    double number() const;     // a text converts as in a comparison with a number
    std::string text() const;  // a number formats as the & operator formats it
    std::string_view rawText() const { return text_; } // the text of a text value, else empty
    bool isTrue() const;

private:
    bool isText_ = false;
    double number_ = 0;
    std::string text_;
};

namespace Internal {
struct FilterSlot;
class FilterProgram;
} // namespace Internal

// The names an expression may use, each bound to where its value comes from. Names must be bound
// before an expression using them is parsed; the expression keeps their slots, so binding a name
// again (another getter, another record buffer) changes what expressions parsed earlier read, and
// they may outlive the table. Not copyable: a copy would share those slots. Not thread-safe.
class FilterBindings
{
public:
    using Getter = std::function<FilterValue()>;

    FilterBindings() = default;
    FilterBindings(FilterBindings &&) noexcept = default;
    FilterBindings &operator=(FilterBindings &&) noexcept = default;
    FilterBindings(const FilterBindings &) = delete;
    FilterBindings &operator=(const FilterBindings &) = delete;

    void bind(std::string name, Getter getter);

    // Binds "PREFIX:FIELD" for every field of the file, read straight from the buffer's bytes at
    // each evaluation (no copy, no allocation). The buffer must stay alive while expressions use it.
    void bindRecord(std::string_view prefix, const dict::FileDef &def, const void *recordBuffer);

    bool contains(std::string_view name) const;

private:
    friend class FilterExpression;
    std::shared_ptr<const Internal::FilterSlot> find(std::string_view name) const;
    Internal::FilterSlot &slot(std::string_view name); // created on first use

    std::unordered_map<std::string, std::shared_ptr<Internal::FilterSlot>> slots_; // upper-case names
};

struct FilterError {
    std::size_t position = 0; // 1-based character position in the expression
    std::string reason;
    std::string message() const; // "operator expected at position 12"
};

struct FilterParseResult;

// A compiled expression: parsed once, evaluated once per record. Evaluation allocates nothing for
// numbers and record fields; it is not reentrant (one expression per evaluating thread).
class FilterExpression
{
public:
    static constexpr std::size_t MaxLength = 5000; // the longest expression a view accepts
    static constexpr int MaxNesting = 100;         // parentheses and prefix operators, combined

    // Every name must be bound already; unknown names and functions are errors like syntax errors.
    static FilterParseResult parse(std::string_view text, const FilterBindings &bindings);

    FilterExpression(FilterExpression &&) noexcept;
    FilterExpression &operator=(FilterExpression &&) noexcept;
    ~FilterExpression();

    bool evaluate() const;
    FilterValue value() const;

private:
    explicit FilterExpression(std::unique_ptr<Internal::FilterProgram> program);
    std::unique_ptr<Internal::FilterProgram> program_;
};

struct FilterParseResult {
    std::optional<FilterExpression> expression; // set on success
    FilterError error;                          // set on failure
    bool ok() const { return expression.has_value(); }
};

} // namespace fw
