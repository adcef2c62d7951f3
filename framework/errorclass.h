// The global error manager. Every failure and standard question is raised through one instance:
// callers name a message by number; the manager looks up its title, text and level in the
// message table, fills in the placeholders, shows the box and returns the level (or the answer)
// that tells the caller how to go on.
//
// Placeholders, matched without regard to case: %File, %Field, %Message, %Error, %ErrorCode,
// %ErrorText, %FileError, %FileErrorCode, %Procedure and %Previous (the filled text of the
// entry the current one overrides).
#pragma once

#include <map>

#include "dictionary/errorreporter.h"
#include "dictionary/runtimeerror.h"
#include "framework/messagepresenter.h"
#include "framework/messagetable.h"

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

class ErrorClass : public dict::ErrorReporter
{
public:
    ErrorClass() = default;
    ErrorClass(const ErrorClass &) = delete;
    ErrorClass &operator=(const ErrorClass &) = delete;

    void Init(); // loads the default messages; clears whatever was there
    void Kill();

    // Entries added later are found first, so a block can override the defaults.
    virtual void AddErrors(ErrorBlock block);
    // Handlers by level; they show the current entry.
    virtual int TakeBenign();
    virtual int TakeFatal(); // halts after the box
    virtual void TakeNotify();
    virtual int TakeOther();
    virtual int TakeProgram();
    virtual int TakeUser(); // 0 when answered Yes, else 4

    // Deletes, for each entry of the block, the latest table entry with its id.
    void RemoveErrors(ErrorBlock block);
    // Puts a block on top once, however often it is asked (a procedure's own messages).
    void InstallErrors(ErrorBlock block);

    void SetErrors(); // captures dict::lastError() for the placeholders
    void SetId(int id);
    void SetFatality(int id, int level);
    void SetFile(std::string_view name) override;
    void SetField(std::string_view name) override;

    // Pushes the running procedure's name for the current thread; without a name, pops it.
    void SetProcedureName(std::string_view name);
    void SetProcedureName();
    std::string GetProcedureName() const;

    std::string SubsString() const;

    int Throw(int id) override;
    int ThrowFile(int id, std::string_view file) override;
    int ThrowMessage(int id, std::string_view text) override;
    int Message(int id, int buttons, int defaultButton) override;
    // The same, with the buttons' own texts ({ButtonYes, "&Address"}, ...).
    int Message(int id, int buttons, int defaultButton, std::map<int, std::string> buttonTexts);
    int TakeError(int id);

    // Not owned; nullptr restores the console presenter.
    void setPresenter(MessagePresenter *presenter) { presenter_ = presenter; }
    MessagePresenter &presenter() const;

private:
    struct Entry {
        std::uint16_t id;
        std::uint8_t level;
        std::string title;
        std::string text;
    };
    struct Shown {
        std::string title;
        std::string text;
    };
    struct ProcedureName {
        int thread;
        std::string name;
    };
    enum class Placeholder;
    static const std::pair<std::string_view, Placeholder> *matchPlaceholder(std::string_view s);

    Shown current() const;
    int currentLevel() const;
    std::optional<std::size_t> latest(int id, std::size_t before) const;
    void erase(std::size_t index);
    std::string fill(std::size_t index) const;
    std::string value(Placeholder placeholder, std::size_t index) const;
    std::optional<std::size_t> latestProcedure(int thread) const;

    // Guards the table, the current entry and the per-call error state.
    mutable std::mutex tableMutex_;
    std::vector<Entry> table_;
    std::optional<std::size_t> current_;
    int currentId_ = 0; // as asked for, to name an id the table lacks
    dict::RuntimeError error_;
    std::string file_;
    std::string field_;
    std::string message_;

    mutable std::mutex procedureMutex_; // taken after tableMutex_ when both are needed
    std::vector<ProcedureName> procedures_;

    MessagePresenter *presenter_ = nullptr;
};

} // namespace fw
