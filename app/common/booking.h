// How every action that writes the books is booked: one unit of work over the files it touches,
// its body run inside, committed together or not at all, the user told once why it was not.
//
//     return app::book({&Access::FINANCE, &Access::CUSTOMER}, "Payment 12", [&]() -> app::Step {
//         if (... a rule refuses ...) return app::refuse(Msg::X, "why");
//         return Access::FINANCE.TryInsert(); // a write's level: Benign, or the driver refused
//     });
//
// A unit that cannot begin runs no body, and its files refuse every write meanwhile; a body that
// fails or refuses is undone, and so is a commit that fails. Every file and the file managers are
// then as before, and the user is told once the files are free again (a message shown while the
// unit holds them would keep every other station waiting).
#pragma once

#include "dictionary/filemanager.h"
#include "dictionary/keptbuffers.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fw {
class ErrorClass;
}

namespace app {

namespace BookMsg {
inline constexpr int NothingSaved = 3190; // a unit of work that could not be stored
} // namespace BookMsg

void installBookingMessages(fw::ErrorClass &errors);

// What a step of a booking comes back with: done; failed on file (the driver's reason is the last
// error); or refused by a rule, with the message of the caller's table that says why.
class [[nodiscard]] Step
{
public:
    // A file manager's result: dict::Benign, or a failure on file.
    Step(int level = dict::Benign) // NOLINT: implicit, so `return Access::X.TryUpdate();` reads plainly
        : level_(level)
    {}
    explicit operator bool() const { return level_ == dict::Benign; }

    struct Refusal {
        int message;
        std::string text;
    };
    const std::optional<Refusal> &refusal() const { return refusal_; }

private:
    friend Step refuse(int message, std::string text);
    int level_;
    std::optional<Refusal> refusal_;
};

// A rule refuses the action: the message (of the caller's table) is what the user is told.
Step refuse(int message, std::string text);

// Books one action over `files` (`what` names it in "Nothing Saved"). dict::Benign when
// committed; otherwise dict::Notify, the user told once, nothing of it on file.
int book(const std::vector<dict::FileManager *> &files, const std::string &what, const std::function<Step()> &body);

} // namespace app
