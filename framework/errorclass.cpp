#include "framework/errorclass.h"

#include <array>
#include <utility>

namespace fw {

namespace {

constexpr std::size_t maxNameChars = 255;   // %File, %Field and %Message values
constexpr std::size_t maxFilledChars = 2000; // a filled message text
constexpr std::string_view fatalSuffix = "  Press OK to end this application";

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The first maxChars UTF-8 characters of s.
std::string_view firstChars(std::string_view s, std::size_t maxChars)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (isContinuationByte(s[i]))
            continue;
        if (chars++ == maxChars)
            return s.substr(0, i);
    }
    return s;
}

// Cut to length first, so the cut cannot leave trailing blanks behind.
std::string storedName(std::string_view s)
{
    s = firstChars(s, maxNameChars);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return std::string(s);
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Placeholder names are ASCII, so folding ASCII letters is enough.
bool startsWithNoCase(std::string_view s, std::string_view prefix)
{
    if (s.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (asciiLower(s[i]) != asciiLower(prefix[i]))
            return false;
    return true;
}

} // namespace

enum class ErrorClass::Placeholder {
    File, ErrorCode, ErrorText, Error, FileErrorCode, FileError, Message, Field, Procedure, Previous
};

auto ErrorClass::matchPlaceholder(std::string_view s) -> const std::pair<std::string_view, Placeholder> *
{
    // A name that begins another comes after it, so "%FileError" never reads as "%File" + "Error".
    static constexpr std::array<std::pair<std::string_view, Placeholder>, 10> placeholders{{
        {"%FileErrorCode", Placeholder::FileErrorCode},
        {"%FileError", Placeholder::FileError},
        {"%File", Placeholder::File},
        {"%ErrorCode", Placeholder::ErrorCode},
        {"%ErrorText", Placeholder::ErrorText},
        {"%Error", Placeholder::Error},
        {"%Message", Placeholder::Message},
        {"%Field", Placeholder::Field},
        {"%Procedure", Placeholder::Procedure},
        {"%Previous", Placeholder::Previous},
    }};
    for (const auto &p : placeholders)
        if (startsWithNoCase(s, p.first))
            return &p;
    return nullptr;
}

void ErrorClass::Init()
{
    Kill();
    AddErrors(defaultErrorBlock());
}

void ErrorClass::Kill()
{
    std::scoped_lock lock(tableMutex_, procedureMutex_);
    table_.clear();
    current_.reset();
    procedures_.clear();
}

void ErrorClass::AddErrors(ErrorBlock block)
{
    std::vector<MessageDef> defs = parseErrorBlock(block);
    std::lock_guard lock(tableMutex_);
    for (const MessageDef &d : defs)
        table_.push_back({d.id, d.level, std::string(d.title), std::string(d.text)});
}

void ErrorClass::InstallErrors(ErrorBlock block)
{
    RemoveErrors(block);
    AddErrors(block);
}

void ErrorClass::RemoveErrors(ErrorBlock block)
{
    std::vector<MessageDef> defs = parseErrorBlock(block);
    std::lock_guard lock(tableMutex_);
    for (const MessageDef &d : defs)
        if (auto index = latest(d.id, table_.size()))
            erase(*index);
}

// Keeps current_ on the same entry, or clears it when that entry goes.
void ErrorClass::erase(std::size_t index)
{
    table_.erase(table_.begin() + std::ptrdiff_t(index));
    if (current_ && *current_ == index)
        current_.reset();
    else if (current_ && *current_ > index)
        --*current_;
}

// The last entry with this id among the first `before` entries.
std::optional<std::size_t> ErrorClass::latest(int id, std::size_t before) const
{
    for (std::size_t i = before; i-- > 0;)
        if (table_[i].id == id)
            return i;
    return std::nullopt;
}

void ErrorClass::SetErrors()
{
    std::lock_guard lock(tableMutex_);
    error_ = dict::lastError();
}

void ErrorClass::SetId(int id)
{
    std::lock_guard lock(tableMutex_);
    currentId_ = id;
    current_ = latest(id, table_.size());
}

void ErrorClass::SetFatality(int id, int level)
{
    std::lock_guard lock(tableMutex_);
    if (auto index = latest(id, table_.size()))
        table_[*index].level = static_cast<std::uint8_t>(level);
}

void ErrorClass::SetFile(std::string_view name)
{
    std::lock_guard lock(tableMutex_);
    file_ = storedName(name);
}

void ErrorClass::SetField(std::string_view name)
{
    std::lock_guard lock(tableMutex_);
    field_ = storedName(name);
}

void ErrorClass::SetProcedureName(std::string_view name)
{
    std::lock_guard lock(procedureMutex_);
    procedures_.push_back({dict::currentThreadNumber(), std::string(name)});
}

// An unnamed entry on top is left alone, so a procedure that pushed no name cannot pop
// the name of the procedure that called it.
void ErrorClass::SetProcedureName()
{
    std::lock_guard lock(procedureMutex_);
    auto index = latestProcedure(dict::currentThreadNumber());
    if (index && !procedures_[*index].name.empty())
        procedures_.erase(procedures_.begin() + std::ptrdiff_t(*index));
}

std::string ErrorClass::GetProcedureName() const
{
    std::lock_guard lock(procedureMutex_);
    auto index = latestProcedure(dict::currentThreadNumber());
    return index ? procedures_[*index].name : std::string();
}

std::optional<std::size_t> ErrorClass::latestProcedure(int thread) const
{
    for (std::size_t i = procedures_.size(); i-- > 0;)
        if (procedures_[i].thread == thread)
            return i;
    return std::nullopt;
}

std::string ErrorClass::SubsString() const { return current().text; }

// Title and filled text of the current entry, read under one lock so they belong together.
// An id the table lacks gets a notice naming the number.
ErrorClass::Shown ErrorClass::current() const
{
    std::lock_guard lock(tableMutex_);
    if (!current_)
        return {"Error", "Message number " + std::to_string(currentId_) + " is not defined."};
    std::string text = fill(*current_);
    text.resize(firstChars(text, maxFilledChars).size());
    return {table_[*current_].title, std::move(text)};
}

int ErrorClass::currentLevel() const
{
    std::lock_guard lock(tableMutex_);
    return current_ ? int(table_[*current_].level) : int(dict::Notify);
}

// One pass over the text: inserted values are not searched again, so a value that itself
// holds a placeholder (a file named "%File") is shown as it is and cannot loop.
std::string ErrorClass::fill(std::size_t index) const
{
    std::string_view text = table_[index].text;
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const auto *match = text[pos] == '%' ? matchPlaceholder(text.substr(pos)) : nullptr;
        if (!match) {
            out += text[pos++];
            continue;
        }
        out += value(match->second, index);
        pos += match->first.size();
    }
    return out;
}

std::string ErrorClass::value(Placeholder placeholder, std::size_t index) const
{
    switch (placeholder) {
    case Placeholder::File: return file_;
    case Placeholder::Field: return field_;
    case Placeholder::Message: return message_;
    case Placeholder::Error: return error_.text;
    case Placeholder::ErrorCode: return std::to_string(error_.code);
    case Placeholder::FileError: return error_.fileText;
    case Placeholder::FileErrorCode: return error_.fileCode;
    case Placeholder::ErrorText:
        if (error_.code == dict::Err::DriverError)
            return error_.fileText + " (" + error_.fileCode + ")";
        return error_.text + " (" + std::to_string(error_.code) + ")";
    case Placeholder::Procedure: return GetProcedureName();
    case Placeholder::Previous: {
        // Filled in its own right, so a wrapping message shows the wrapped one complete.
        auto previous = latest(table_[index].id, index);
        return previous ? fill(*previous) : std::string();
    }
    }
    return {};
}

int ErrorClass::Throw(int id)
{
    SetErrors();
    return TakeError(id);
}

int ErrorClass::ThrowFile(int id, std::string_view file)
{
    SetFile(file);
    return Throw(id);
}

int ErrorClass::ThrowMessage(int id, std::string_view text)
{
    {
        std::lock_guard lock(tableMutex_);
        message_ = storedName(text);
    }
    return Throw(id);
}

int ErrorClass::Message(int id, int buttons, int defaultButton)
{
    SetId(id);
    Shown box = current();
    return presenter().show(box.title, box.text, Icon::Question, buttons, defaultButton);
}

int ErrorClass::Message(int id, int buttons, int defaultButton, std::map<int, std::string> buttonTexts)
{
    presenter().setButtonTexts(std::move(buttonTexts));
    return Message(id, buttons, defaultButton);
}

int ErrorClass::TakeError(int id)
{
    SetId(id);
    switch (currentLevel()) {
    case dict::Benign: return TakeBenign();
    case dict::User:
    case dict::Cancel: return TakeUser();
    case dict::Program: return TakeProgram();
    case dict::Fatal: return TakeFatal();
    case dict::Notify: TakeNotify(); return dict::Notify;
    default: return TakeOther();
    }
}

int ErrorClass::TakeBenign() { return dict::Benign; }

int ErrorClass::TakeUser()
{
    Shown box = current();
    int yesNo = dict::ButtonYes | dict::ButtonNo;
    int pressed = presenter().show(box.title, box.text, Icon::Question, yesNo, dict::ButtonYes);
    return pressed == dict::ButtonYes ? dict::Benign : dict::Cancel;
}

void ErrorClass::TakeNotify()
{
    Shown box = current();
    presenter().show(box.title, box.text, Icon::Exclamation, dict::ButtonOk, dict::ButtonOk);
}

int ErrorClass::TakeFatal()
{
    Shown box = current();
    box.text += fatalSuffix;
    presenter().show(box.title, box.text, Icon::Exclamation, dict::ButtonOk, dict::ButtonOk);
    presenter().halt(0);
    return dict::Fatal;
}

int ErrorClass::TakeProgram() { return TakeFatal(); }

int ErrorClass::TakeOther() { return TakeProgram(); }

MessagePresenter &ErrorClass::presenter() const
{
    return presenter_ ? *presenter_ : consolePresenter();
}

} // namespace fw
