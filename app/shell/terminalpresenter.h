// Message boxes on a terminal: each message is written to a stream, and questions are answered
// by a typed line. Only "yes" (or "y") answers yes: an empty line or the end of input never
// agrees to anything.
#pragma once

#include "framework/messagepresenter.h"

#include <iosfwd>

namespace fw {
class ErrorClass;
}

namespace app {

class TerminalPresenter : public fw::MessagePresenter
{
public:
    TerminalPresenter(std::istream &in, std::ostream &out) : in_(in), out_(out) {}

    int show(std::string_view title, std::string_view text, fw::Icon icon, int buttons, int defaultButton) override;
    // A fatal message ends the command, not the process: the caller sees halted().
    void halt(int exitStatus) override;
    bool halted() const { return halted_; }

private:
    std::istream &in_;
    std::ostream &out_;
    bool halted_ = false;
};

// Installs a presenter on an error manager for a scope and puts the previous one back.
class PresenterScope
{
public:
    PresenterScope(fw::ErrorClass &errors, fw::MessagePresenter &presenter);
    ~PresenterScope();
    PresenterScope(const PresenterScope &) = delete;
    PresenterScope &operator=(const PresenterScope &) = delete;

private:
    fw::ErrorClass &errors_;
    fw::MessagePresenter *previous_;
};

} // namespace app
