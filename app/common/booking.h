// What every action that writes the books shares: buffers kept as the window had them, and the
// end of a unit of work — committed, or undone with the user told why once the files are free
// again (a message shown while the unit holds them would keep every other station waiting).
//
//     app::KeptBuffers kept{&Access::FINANCE, &Access::CUSTOMER};
//     dict::UnitOfWork unit{&Access::FINANCE, &Access::CUSTOMER};
//     if (... a write fails ...) return app::fail(unit, "Payment 12");
//     if (... a rule refuses ...) return app::fail(unit, app::refuse(Msg::X, "why"));
//     return app::commit(unit, "Payment 12");
#pragma once

#include "dictionary/filemanager.h"
#include "dictionary/unitofwork.h"

#include <initializer_list>
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

// Keeps buffers as the caller had them, whatever is read into them meanwhile.
class KeptBuffers
{
public:
    KeptBuffers(std::initializer_list<dict::FileManager *> files);
    ~KeptBuffers();
    KeptBuffers(const KeptBuffers &) = delete;
    KeptBuffers &operator=(const KeptBuffers &) = delete;

private:
    std::vector<std::pair<dict::FileManager *, int>> kept_;
};

// Notes why the action stops (a message of the caller's table); the next fail() tells it
// instead of the driver's failure. Returns dict::Notify.
int refuse(int message, std::string text);

// Undoes the unit, then tells the user the reason noted by refuse(), or that `what` could not
// be saved and why the driver refused it. Returns dict::Notify.
int fail(dict::UnitOfWork &unit, const std::string &what);

// Commits the unit; a unit that did not start or cannot commit fails as above.
int commit(dict::UnitOfWork &unit, const std::string &what);

} // namespace app
