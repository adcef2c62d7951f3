// Filter expressions: a lexer and a recursive-descent compiler that emit a flat stack program, and
// the interpreter that runs it once per record. Short-circuit AND/OR are jumps, so evaluation is one
// loop without recursion; text results live in per-instruction scratch strings that keep their
// capacity, so a warm evaluation allocates nothing.
#include "framework/filterexpr.h"

#include "dictionary/fieldtypes.h"
#include "dictionary/money.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <deque>
#include <span>
#include <vector>

namespace fw {

namespace Internal {

// Where a bound name's value comes from: a record field read from its buffer, or a getter
// (when address is null).
struct FilterSlot {
    const unsigned char *address = nullptr;
    dict::FieldType type = dict::FieldType::Long;
    std::uint16_t size = 0;
    FilterBindings::Getter getter;
};

} // namespace Internal

namespace {

using Internal::FilterSlot;

// ---------------------------------------------------------------------------------------------
// Values during evaluation. Text is a view into a record buffer, a constant or a scratch string,
// all of which stay put until the evaluation ends.

struct Val {
    double number = 0;
    std::string_view text;
    bool isText = false;
};

Val numberVal(double n) { return {n, {}, false}; }
Val textVal(std::string_view t) { return {0, t, true}; }
Val truthVal(bool b) { return numberVal(b ? 1 : 0); }

using NumberText = std::array<char, 400>; // holds any double in fixed notation

std::string_view formatNumber(double n, NumberText &buffer)
{
    if (n == 0)
        n = 0; // no "-0"
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), n,
                                      std::chars_format::fixed);
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

bool isBlank(char c) { return c == ' ' || c == '\0'; }

bool isPlainDecimal(std::string_view s)
{
    const auto dots = std::count(s.begin(), s.end(), '.');
    const auto digits = std::count_if(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    return dots <= 1 && digits > 0 && static_cast<std::size_t>(dots + digits) == s.size();
}

// Blanks around the number are ignored; anything else that is not a plain decimal gives 0.
double textToNumber(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    s = dict::clipped(s);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (!isPlainDecimal(s))
        return 0;
    double value = 0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::fixed);
    if (result.ec != std::errc{} || result.ptr != s.data() + s.size())
        return 0;
    return negative ? -value : value;
}

double toNumber(const Val &v) { return v.isText ? textToNumber(v.text) : v.number; }
bool isTrue(const Val &v) { return v.isText ? !dict::clipped(v.text).empty() : v.number != 0; }

std::string_view toText(const Val &v, NumberText &buffer)
{
    return v.isText ? v.text : formatNumber(v.number, buffer);
}

// Two texts compare as texts; otherwise both as numbers.
int compareValues(const Val &a, const Val &b)
{
    if (a.isText && b.isText) {
        const int c = dict::clipped(a.text).compare(dict::clipped(b.text));
        return (c > 0) - (c < 0);
    }
    const double x = toNumber(a);
    const double y = toNumber(b);
    return (x > y) - (x < y);
}

// ---------------------------------------------------------------------------------------------
// Text measured in UTF-8 characters, so SUB, LEN and INSTRING never cut a character.

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

long long charCount(std::string_view s)
{
    return std::count_if(s.begin(), s.end(), [](char c) { return !isContinuation(c); });
}

// Byte offset of the character with 0-based index chars; s.size() past the end.
std::size_t byteOffset(std::string_view s, long long chars)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!isContinuation(s[i]) && chars-- == 0)
            return i;
    }
    return s.size();
}

std::string_view charRange(std::string_view s, long long first, long long end)
{
    const std::size_t from = byteOffset(s, first);
    return s.substr(from, byteOffset(s, end) - from);
}

// ---------------------------------------------------------------------------------------------
// Day numbers: day 4 is 1 January 1801; valid through 31 December 9999.

namespace date {
using namespace std::chrono;

constexpr sys_days dayZero = sys_days{year{1801} / January / 1} - days{4};
constexpr long firstDay = 4;
constexpr long lastDay = (sys_days{year{9999} / December / 31} - dayZero).count();

std::optional<year_month_day> civil(double dayNumber)
{
    const double d = std::trunc(dayNumber);
    if (!(d >= firstDay && d <= lastDay))
        return std::nullopt;
    return year_month_day{dayZero + days{static_cast<long>(d)}};
}

long dayNumber(year_month_day ymd) { return (sys_days{ymd} - dayZero).count(); }

long today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return dayNumber(year{local.tm_year + 1900} / month{static_cast<unsigned>(local.tm_mon + 1)} /
                     day{static_cast<unsigned>(local.tm_mday)});
}
} // namespace date

// ---------------------------------------------------------------------------------------------
// Arithmetic and the functions.

double finite(double x) { return std::isnan(x) ? 0 : x; }

// Binary noise (1.005 / 0.01 = 100.49999999999999) is removed by keeping 15 significant digits.
double snap(double x)
{
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                       std::chars_format::scientific, 14);
    double y = x;
    std::from_chars(buffer.data(), written.ptr, y);
    return y;
}

// Nearest multiple of step, halves away from zero, as decimal rounding gives it. Steps of 10^n
// (0.01, 1, 100) go through the money rounding, so a filter rounds as the totals do.
double roundToStep(double value, double step)
{
    step = std::abs(step);
    if (step == 0 || !std::isfinite(value))
        return value;
    const double decimals = std::round(-std::log10(step));
    if (std::abs(step - std::pow(10.0, -decimals)) <= 1e-12 * step && std::abs(decimals) <= 300)
        return dict::roundTo(value, static_cast<int>(decimals));
    const double steps = snap(value / step);
    if (!(std::abs(steps) < 0x1p52))
        return value; // no fraction of a step left to round
    const double whole = std::copysign(std::floor(std::abs(steps) + 0.5), steps);
    const double perUnit = std::round(1 / step);
    if (step < 1 && std::abs(1 / step - perUnit) < 1e-9 * perUnit)
        return whole / perUnit; // 7 / 20 is 0.35; 7 * 0.05 is 0.35000000000000003
    return whole * step;
}

enum class Function : std::uint8_t {
    Year, Month, Day, Today, Upper, Lower, Clip, Len, Sub, Instring, Inrange, Abs, Int, Round
};

struct FunctionDef {
    std::string_view name;
    Function id;
    std::uint8_t minArgs;
    std::uint8_t maxArgs;
};

constexpr FunctionDef functionTable[] = {
    {"YEAR", Function::Year, 1, 1},         {"MONTH", Function::Month, 1, 1},
    {"DAY", Function::Day, 1, 1},           {"TODAY", Function::Today, 0, 0},
    {"UPPER", Function::Upper, 1, 1},       {"LOWER", Function::Lower, 1, 1},
    {"CLIP", Function::Clip, 1, 1},         {"LEN", Function::Len, 1, 1},
    {"SUB", Function::Sub, 3, 3},           {"INSTRING", Function::Instring, 2, 4},
    {"INRANGE", Function::Inrange, 3, 3},   {"ABS", Function::Abs, 1, 1},
    {"INT", Function::Int, 1, 1},           {"ROUND", Function::Round, 2, 2},
};

// Positions and counts; clamped so that huge or NaN arguments cannot overflow.
long long wholeNumber(const Val &v)
{
    const double x = finite(std::trunc(toNumber(v)));
    return static_cast<long long>(std::clamp(x, -1e15, 1e15));
}

// The text of v; a number is formatted into scratch.
std::string_view textOf(const Val &v, std::string &scratch)
{
    if (v.isText)
        return v.text;
    NumberText buffer;
    scratch.assign(formatNumber(v.number, buffer));
    return scratch;
}

Val datePart(Function f, const Val &v)
{
    const auto ymd = date::civil(toNumber(v));
    if (!ymd)
        return numberVal(0);
    switch (f) {
    case Function::Year: return numberVal(static_cast<int>(ymd->year()));
    case Function::Month: return numberVal(static_cast<unsigned>(ymd->month()));
    default: return numberVal(static_cast<unsigned>(ymd->day()));
    }
}

// ASCII letters only, as the keys compare them.
Val changeCase(const Val &v, bool upper, std::string &scratch)
{
    NumberText buffer;
    scratch.assign(toText(v, buffer));
    for (char &c : scratch) {
        if (upper && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (!upper && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return textVal(scratch);
}

// SUB(text, start, length): start counts from 1, or from the end when negative.
Val substring(std::span<const Val> args, std::string &scratch)
{
    const std::string_view s = textOf(args[0], scratch);
    const long long count = charCount(s);
    long long start = wholeNumber(args[1]);
    if (start < 0)
        start += count + 1;
    const long long first = std::max(start, 1LL);
    const long long end = std::min(start + wholeNumber(args[2]), count + 1);
    return textVal(first < end ? charRange(s, first - 1, end - 1) : std::string_view{});
}

// INSTRING(sub, text [, step [, start]]): the step number (position counted in steps of |step|
// from the first character) of the first match, trying every |step| characters from start, right
// to left for a negative step; 0 when there is none.
Val instring(std::span<const Val> args)
{
    NumberText needleBuffer;
    NumberText textBuffer;
    const std::string_view needle = toText(args[0], needleBuffer);
    const std::string_view text = toText(args[1], textBuffer);
    const long long step = args.size() > 2 ? wholeNumber(args[2]) : 1;
    const long long width = charCount(needle);
    const long long lastStart = charCount(text) - width + 1;
    if (step == 0 || width == 0 || lastStart < 1)
        return numberVal(0);
    long long pos = args.size() > 3 ? wholeNumber(args[3]) : (step > 0 ? 1 : lastStart);
    pos = step > 0 ? std::max(pos, 1LL) : std::min(pos, lastStart);
    for (; pos >= 1 && pos <= lastStart; pos += step) {
        if (text.substr(byteOffset(text, pos - 1)).starts_with(needle))
            return numberVal(static_cast<double>((pos - 1) / std::abs(step) + 1));
    }
    return numberVal(0);
}

Val callFunction(Function f, std::span<const Val> args, std::string &scratch)
{
    switch (f) {
    case Function::Year:
    case Function::Month:
    case Function::Day: return datePart(f, args[0]);
    case Function::Today: return numberVal(static_cast<double>(date::today()));
    case Function::Upper: return changeCase(args[0], true, scratch);
    case Function::Lower: return changeCase(args[0], false, scratch);
    case Function::Clip: return textVal(dict::clipped(textOf(args[0], scratch)));
    case Function::Len: return numberVal(static_cast<double>(charCount(textOf(args[0], scratch))));
    case Function::Sub: return substring(args, scratch);
    case Function::Instring: return instring(args);
    case Function::Inrange:
        return truthVal(compareValues(args[0], args[1]) >= 0 && compareValues(args[0], args[2]) <= 0);
    case Function::Abs: return numberVal(std::abs(toNumber(args[0])));
    case Function::Int: return numberVal(std::trunc(toNumber(args[0])));
    case Function::Round: return numberVal(roundToStep(toNumber(args[0]), toNumber(args[1])));
    }
    return numberVal(0);
}

// ---------------------------------------------------------------------------------------------
// The stack program.

enum class Op : std::uint8_t {
    Constant, Field, Negate, Not, Truth, Add, Subtract, Multiply, Divide, Modulo, Power, Concat,
    Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual, Xor,
    AndJump, // top false: replace it by 0 and jump; else pop it
    OrJump,  // top true: replace it by 1 and jump; else pop it
    Call,
};

struct Instruction {
    Op op;
    std::uint32_t operand = 0; // Constant, Field: index; jumps: target; Concat, Call: scratch index
    Function function = Function::Year; // Call
    std::uint8_t argc = 0;              // Call
};

double arithmetic(Op op, double x, double y)
{
    switch (op) {
    case Op::Add: return x + y;
    case Op::Subtract: return x - y;
    case Op::Multiply: return x * y;
    case Op::Divide: return y == 0 ? 0 : x / y;
    case Op::Modulo: return y == 0 ? 0 : finite(std::fmod(x, y));
    default: return finite(std::pow(x, y));
    }
}

Val binary(Op op, const Val &a, const Val &b)
{
    switch (op) {
    case Op::Equal: return truthVal(compareValues(a, b) == 0);
    case Op::NotEqual: return truthVal(compareValues(a, b) != 0);
    case Op::Less: return truthVal(compareValues(a, b) < 0);
    case Op::LessEqual: return truthVal(compareValues(a, b) <= 0);
    case Op::Greater: return truthVal(compareValues(a, b) > 0);
    case Op::GreaterEqual: return truthVal(compareValues(a, b) >= 0);
    case Op::Xor: return truthVal(isTrue(a) != isTrue(b));
    default: return numberVal(arithmetic(op, toNumber(a), toNumber(b)));
    }
}

Val concat(const Val &a, const Val &b, std::string &scratch)
{
    NumberText left;
    NumberText right;
    scratch.assign(toText(a, left));
    scratch.append(toText(b, right));
    return textVal(scratch);
}

template <typename T>
double loadNumber(const unsigned char *address)
{
    T value;
    std::memcpy(&value, address, sizeof value);
    return static_cast<double>(value);
}

Val readSlot(const FilterSlot &slot, FilterValue &fetched)
{
    if (!slot.address) {
        fetched = slot.getter ? slot.getter() : FilterValue{};
        return fetched.isText() ? textVal(fetched.rawText()) : numberVal(fetched.number());
    }
    switch (slot.type) {
    case dict::FieldType::Byte: return numberVal(*slot.address);
    case dict::FieldType::Short: return numberVal(loadNumber<std::int16_t>(slot.address));
    case dict::FieldType::Long: return numberVal(loadNumber<std::int32_t>(slot.address));
    case dict::FieldType::Real: return numberVal(loadNumber<double>(slot.address));
    case dict::FieldType::String:
        return textVal({reinterpret_cast<const char *>(slot.address), slot.size});
    }
    return numberVal(0);
}

std::string upperAscii(std::string_view s)
{
    std::string out(s);
    for (char &c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

} // namespace

namespace Internal {

class FilterProgram
{
public:
    FilterProgram() = default;
    FilterProgram(const FilterProgram &) = delete; // constants are views into texts
    FilterProgram &operator=(const FilterProgram &) = delete;

    std::vector<Instruction> code;
    std::deque<std::string> texts; // text constants; a deque keeps their addresses
    std::vector<Val> constants;
    std::vector<std::shared_ptr<const FilterSlot>> fields; // one per Field instruction
    std::size_t scratchCount = 0;
    std::size_t stackDepth = 0;

    void prepare()
    {
        fetched_.resize(fields.size());
        scratch_.resize(scratchCount);
        stack_.resize(std::max<std::size_t>(stackDepth, 1));
    }

    Val run() const
    {
        std::size_t sp = 0; // stack_[sp - 1] is the top
        std::size_t pc = 0;
        while (pc < code.size()) {
            const Instruction &in = code[pc++];
            switch (in.op) {
            case Op::Constant: stack_[sp++] = constants[in.operand]; break;
            case Op::Field: stack_[sp++] = readSlot(*fields[in.operand], fetched_[in.operand]); break;
            case Op::Negate: stack_[sp - 1] = numberVal(-toNumber(stack_[sp - 1])); break;
            case Op::Not: stack_[sp - 1] = truthVal(!isTrue(stack_[sp - 1])); break;
            case Op::Truth: stack_[sp - 1] = truthVal(isTrue(stack_[sp - 1])); break;
            case Op::AndJump:
            case Op::OrJump: {
                const bool decided = isTrue(stack_[sp - 1]) == (in.op == Op::OrJump);
                if (decided) {
                    stack_[sp - 1] = truthVal(in.op == Op::OrJump);
                    pc = in.operand;
                } else {
                    --sp;
                }
                break;
            }
            case Op::Concat:
                --sp;
                stack_[sp - 1] = concat(stack_[sp - 1], stack_[sp], scratch_[in.operand]);
                break;
            case Op::Call: {
                sp -= in.argc;
                const std::span<const Val> args(stack_.data() + sp, in.argc);
                stack_[sp] = callFunction(in.function, args, scratch_[in.operand]);
                ++sp;
                break;
            }
            default:
                --sp;
                stack_[sp - 1] = binary(in.op, stack_[sp - 1], stack_[sp]);
                break;
            }
        }
        return stack_[0];
    }

private:
    mutable std::vector<FilterValue> fetched_; // getter results, one per Field instruction
    mutable std::vector<std::string> scratch_;
    mutable std::vector<Val> stack_;
};

} // namespace Internal

namespace {

using Internal::FilterProgram;

struct ParseFailure {
    std::size_t offset; // byte offset into the expression
    std::string reason;
};

// ---------------------------------------------------------------------------------------------
// Lexer.

enum class Tok : std::uint8_t { End, Number, Text, Name, LParen, RParen, Comma, Operator };

struct Token {
    Tok kind = Tok::End;
    std::size_t offset = 0;
    std::string_view spelling;
    Op op = Op::Constant; // Operator: the binary operator, or Not, AndJump, OrJump, Xor
    double number = 0;    // Number
    std::string text;     // Text, without quotes and with '' undoubled
};

bool isNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNameChar(char c) { return isNameStart(c) || isDigit(c) || c == ':'; }
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

struct OperatorSpelling {
    std::string_view spelling;
    Op op;
};

// Two-character spellings first, so "<=" is not read as "<".
constexpr OperatorSpelling operatorTable[] = {
    {"<>", Op::NotEqual},  {"~=", Op::NotEqual},     {"<=", Op::LessEqual},
    {"=<", Op::LessEqual}, {"~>", Op::LessEqual},    {">=", Op::GreaterEqual},
    {"=>", Op::GreaterEqual}, {"~<", Op::GreaterEqual}, {"=", Op::Equal},
    {"<", Op::Less},       {">", Op::Greater},       {"~", Op::Not},
    {"+", Op::Add},        {"-", Op::Subtract},      {"*", Op::Multiply},
    {"/", Op::Divide},     {"%", Op::Modulo},        {"^", Op::Power},
    {"&", Op::Concat},
};

constexpr OperatorSpelling keywordTable[] = {
    {"AND", Op::AndJump}, {"OR", Op::OrJump}, {"XOR", Op::Xor}, {"NOT", Op::Not}};

class Lexer
{
public:
    explicit Lexer(std::string_view text) : text_(text) { advance(); }

    const Token &peek() const { return current_; }
    Token take()
    {
        Token t = std::move(current_);
        advance();
        return t;
    }

private:
    void advance()
    {
        while (pos_ < text_.size() && isSpace(text_[pos_]))
            ++pos_;
        current_ = Token{};
        current_.offset = pos_;
        if (pos_ == text_.size())
            return;
        const char c = text_[pos_];
        if (isDigit(c) || (c == '.' && pos_ + 1 < text_.size() && isDigit(text_[pos_ + 1])))
            readNumber();
        else if (c == '\'')
            readText();
        else if (isNameStart(c))
            readName();
        else
            readPunctuation();
        current_.spelling = text_.substr(current_.offset, pos_ - current_.offset);
    }

    void readNumber()
    {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && (isDigit(text_[pos_]) || text_[pos_] == '.'))
            ++pos_;
        const std::string_view digits = text_.substr(start, pos_ - start);
        if (!isPlainDecimal(digits) || (pos_ < text_.size() && isNameChar(text_[pos_])))
            throw ParseFailure{start, "invalid number"};
        std::from_chars(digits.data(), digits.data() + digits.size(), current_.number,
                        std::chars_format::fixed);
        current_.kind = Tok::Number;
    }

    void readText()
    {
        const std::size_t start = pos_++;
        for (;;) {
            if (pos_ >= text_.size())
                throw ParseFailure{start, "unterminated text"};
            if (text_[pos_] == '\'') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                    current_.text += '\'';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                break;
            }
            current_.text += text_[pos_++];
        }
        current_.kind = Tok::Text;
    }

    void readName()
    {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && isNameChar(text_[pos_]))
            ++pos_;
        const std::string upper = upperAscii(text_.substr(start, pos_ - start));
        current_.kind = Tok::Name;
        for (const OperatorSpelling &k : keywordTable) {
            if (upper == k.spelling) {
                current_.kind = Tok::Operator;
                current_.op = k.op;
            }
        }
    }

    void readPunctuation()
    {
        const char c = text_[pos_];
        const Tok single = c == '(' ? Tok::LParen : c == ')' ? Tok::RParen : c == ',' ? Tok::Comma : Tok::End;
        if (single != Tok::End) {
            current_.kind = single;
            ++pos_;
            return;
        }
        for (const OperatorSpelling &o : operatorTable) {
            if (text_.substr(pos_).starts_with(o.spelling)) {
                current_.kind = Tok::Operator;
                current_.op = o.op;
                pos_ += o.spelling.size();
                return;
            }
        }
        throw ParseFailure{pos_, "unexpected character '" + std::string(1, c) + "'"};
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    Token current_;
};

// ---------------------------------------------------------------------------------------------
// Compiler: one function per precedence level, loosest first, emitting code as it goes.

using SlotLookup = std::function<std::shared_ptr<const FilterSlot>(std::string_view)>;

class Compiler
{
public:
    Compiler(std::string_view text, SlotLookup lookup) : text_(text), lookup_(std::move(lookup)) {}

    std::unique_ptr<FilterProgram> compile()
    {
        if (text_.size() > FilterExpression::MaxLength)
            throw ParseFailure{FilterExpression::MaxLength,
                               "expression longer than " + std::to_string(FilterExpression::MaxLength) +
                                   " characters"};
        program_ = std::make_unique<FilterProgram>();
        lexer_.emplace(text_);
        orLevel();
        if (lexer_->peek().kind != Tok::End)
            throw ParseFailure{lexer_->peek().offset, "operator expected"};
        program_->prepare();
        return std::move(program_);
    }

private:
    // Counts parentheses and prefix operators, so deep input fails instead of exhausting the stack.
    class Nesting
    {
    public:
        Nesting(int &depth, std::size_t offset) : depth_(depth)
        {
            if (++depth_ > FilterExpression::MaxNesting)
                throw ParseFailure{offset, "expression nested too deeply"};
        }
        ~Nesting() { --depth_; }
        Nesting(const Nesting &) = delete;
        Nesting &operator=(const Nesting &) = delete;

    private:
        int &depth_;
    };

    bool atOperator(Op op) const
    {
        return lexer_->peek().kind == Tok::Operator && lexer_->peek().op == op;
    }
    bool atOperator(std::initializer_list<Op> ops) const
    {
        return std::any_of(ops.begin(), ops.end(), [this](Op op) { return atOperator(op); });
    }

    void orLevel()
    {
        andLevel();
        while (atOperator({Op::OrJump, Op::Xor})) {
            const Op op = lexer_->take().op;
            if (op == Op::Xor) {
                andLevel();
                emit({Op::Xor}, -1);
            } else {
                shortCircuit(op, &Compiler::andLevel);
            }
        }
    }

    void andLevel()
    {
        notLevel();
        while (atOperator(Op::AndJump)) {
            lexer_->take();
            shortCircuit(Op::AndJump, &Compiler::notLevel);
        }
    }

    // left JUMP right TRUTH, the jump landing after TRUTH with the decided value on the stack.
    void shortCircuit(Op jump, void (Compiler::*right)())
    {
        const std::size_t at = program_->code.size();
        emit({jump}, -1);
        (this->*right)();
        emit({Op::Truth}, 0);
        program_->code[at].operand = static_cast<std::uint32_t>(program_->code.size());
    }

    void notLevel()
    {
        if (!atOperator(Op::Not))
            return comparison();
        const Nesting nesting(nesting_, lexer_->take().offset);
        notLevel();
        emit({Op::Not}, 0);
    }

    void comparison()
    {
        concatenation();
        while (atOperator({Op::Equal, Op::NotEqual, Op::Less, Op::LessEqual, Op::Greater,
                           Op::GreaterEqual})) {
            const Op op = lexer_->take().op;
            concatenation();
            emit({op}, -1);
        }
    }

    void concatenation()
    {
        additive();
        while (atOperator(Op::Concat)) {
            lexer_->take();
            additive();
            emit({Op::Concat, newScratch()}, -1);
        }
    }

    void additive()
    {
        multiplicative();
        while (atOperator({Op::Add, Op::Subtract})) {
            const Op op = lexer_->take().op;
            multiplicative();
            emit({op}, -1);
        }
    }

    void multiplicative()
    {
        unary();
        while (atOperator({Op::Multiply, Op::Divide, Op::Modulo})) {
            const Op op = lexer_->take().op;
            unary();
            emit({op}, -1);
        }
    }

    void unary()
    {
        if (!atOperator({Op::Subtract, Op::Add, Op::Not}))
            return power();
        const Token sign = lexer_->take();
        const Nesting nesting(nesting_, sign.offset);
        unary();
        if (sign.op == Op::Subtract)
            emit({Op::Negate}, 0);
        else if (sign.op == Op::Not)
            emit({Op::Not}, 0);
    }

    void power()
    {
        primary();
        if (atOperator(Op::Power)) {
            lexer_->take();
            unary(); // right-associative, and 2^-1 works
            emit({Op::Power}, -1);
        }
    }

    void primary()
    {
        Token t = lexer_->take();
        switch (t.kind) {
        case Tok::Number: return constant(numberVal(t.number));
        case Tok::Text:
            program_->texts.push_back(std::move(t.text));
            return constant(textVal(program_->texts.back()));
        case Tok::LParen: {
            const Nesting nesting(nesting_, t.offset);
            orLevel();
            expect(Tok::RParen, "')' expected");
            return;
        }
        case Tok::Name: // functions have plain names; "Inv:Quotes(" is a field and a stray '('
            if (lexer_->peek().kind == Tok::LParen && t.spelling.find(':') == std::string_view::npos)
                return call(t);
            return field(t);
        default: throw ParseFailure{t.offset, "value expected"};
        }
    }

    void constant(Val v)
    {
        program_->constants.push_back(v);
        emit({Op::Constant, static_cast<std::uint32_t>(program_->constants.size() - 1)}, 1);
    }

    void field(const Token &name)
    {
        auto slot = lookup_(name.spelling);
        if (!slot)
            throw ParseFailure{name.offset, "unknown name '" + std::string(name.spelling) + "'"};
        program_->fields.push_back(std::move(slot));
        emit({Op::Field, static_cast<std::uint32_t>(program_->fields.size() - 1)}, 1);
    }

    void call(const Token &name)
    {
        const FunctionDef &def = findFunction(name);
        const Nesting nesting(nesting_, lexer_->take().offset); // the '('
        int argc = 0;
        while (lexer_->peek().kind != Tok::RParen) {
            orLevel();
            ++argc;
            if (lexer_->peek().kind != Tok::Comma)
                break;
            lexer_->take();
        }
        expect(Tok::RParen, "')' expected");
        if (argc < def.minArgs || argc > def.maxArgs)
            throw ParseFailure{name.offset, std::string(def.name) + " expects " + arity(def)};
        emit({Op::Call, newScratch(), def.id, static_cast<std::uint8_t>(argc)}, 1 - argc);
    }

    static const FunctionDef &findFunction(const Token &name)
    {
        const std::string upper = upperAscii(name.spelling);
        for (const FunctionDef &def : functionTable) {
            if (def.name == upper)
                return def;
        }
        throw ParseFailure{name.offset, "unknown function '" + std::string(name.spelling) + "'"};
    }

    static std::string arity(const FunctionDef &def)
    {
        if (def.minArgs == def.maxArgs)
            return std::to_string(def.minArgs) + (def.minArgs == 1 ? " argument" : " arguments");
        return std::to_string(def.minArgs) + " to " + std::to_string(def.maxArgs) + " arguments";
    }

    void expect(Tok kind, const char *reason)
    {
        if (lexer_->peek().kind != kind)
            throw ParseFailure{lexer_->peek().offset, reason};
        lexer_->take();
    }

    std::uint32_t newScratch() { return static_cast<std::uint32_t>(program_->scratchCount++); }

    // stackEffect: how the instruction changes the number of values on the stack.
    void emit(Instruction in, int stackEffect)
    {
        program_->code.push_back(in);
        stackSize_ += stackEffect;
        program_->stackDepth = std::max(program_->stackDepth, static_cast<std::size_t>(stackSize_));
    }

    std::string_view text_;
    SlotLookup lookup_;
    std::optional<Lexer> lexer_;
    std::unique_ptr<FilterProgram> program_;
    int nesting_ = 0;
    long stackSize_ = 0; // values on the stack after the code emitted so far
};

} // namespace

// ---------------------------------------------------------------------------------------------
// Public API.

double FilterValue::number() const { return isText_ ? textToNumber(text_) : number_; }

std::string FilterValue::text() const
{
    if (isText_)
        return text_;
    NumberText buffer;
    return std::string(formatNumber(number_, buffer));
}

bool FilterValue::isTrue() const { return isText_ ? !dict::clipped(text_).empty() : number_ != 0; }

void FilterBindings::bind(std::string name, Getter getter)
{
    Internal::FilterSlot &s = slot(name);
    s = Internal::FilterSlot{};
    s.getter = std::move(getter);
}

void FilterBindings::bindRecord(std::string_view prefix, const dict::FileDef &def, const void *recordBuffer)
{
    if (prefix.ends_with(':'))
        prefix.remove_suffix(1);
    const auto *bytes = static_cast<const unsigned char *>(recordBuffer);
    for (const dict::FieldDef &f : def.fields) {
        Internal::FilterSlot &s = slot(std::string(prefix) + ':' + f.name);
        s = Internal::FilterSlot{bytes + f.offset, f.type, f.size, {}};
    }
}

bool FilterBindings::contains(std::string_view name) const { return find(name) != nullptr; }

std::shared_ptr<const Internal::FilterSlot> FilterBindings::find(std::string_view name) const
{
    const auto it = slots_.find(upperAscii(name));
    return it == slots_.end() ? nullptr : it->second;
}

Internal::FilterSlot &FilterBindings::slot(std::string_view name)
{
    std::shared_ptr<Internal::FilterSlot> &s = slots_[upperAscii(name)];
    if (!s)
        s = std::make_shared<Internal::FilterSlot>();
    return *s;
}

std::string FilterError::message() const { return reason + " at position " + std::to_string(position); }

FilterParseResult FilterExpression::parse(std::string_view text, const FilterBindings &bindings)
{
    FilterParseResult result;
    Compiler compiler(text, [&bindings](std::string_view name) { return bindings.find(name); });
    try {
        result.expression = FilterExpression(compiler.compile());
    } catch (const ParseFailure &failure) {
        const auto before = text.substr(0, std::min(failure.offset, text.size()));
        result.error.position = static_cast<std::size_t>(charCount(before)) + 1;
        result.error.reason = failure.reason;
    }
    return result;
}

FilterExpression::FilterExpression(std::unique_ptr<Internal::FilterProgram> program)
    : program_(std::move(program))
{
}
FilterExpression::FilterExpression(FilterExpression &&) noexcept = default;
FilterExpression &FilterExpression::operator=(FilterExpression &&) noexcept = default;
FilterExpression::~FilterExpression() = default;

bool FilterExpression::evaluate() const { return isTrue(program_->run()); }

FilterValue FilterExpression::value() const
{
    const Val v = program_->run();
    return v.isText ? FilterValue(v.text) : FilterValue(v.number);
}

} // namespace fw
