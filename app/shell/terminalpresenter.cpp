#include "app/shell/terminalpresenter.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <ostream>
#include <string>

namespace app {

namespace {

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto first = text.find_first_not_of(" \t\r");
    const auto last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// The answer for a question: Yes only when typed; otherwise No, or Cancel when there is no No.
int answerOf(const std::string &typed, int buttons)
{
    if ((buttons & dict::ButtonYes) && (typed == "yes" || typed == "y"))
        return dict::ButtonYes;
    if ((buttons & dict::ButtonNo) && typed != "cancel")
        return dict::ButtonNo;
    return (buttons & dict::ButtonCancel) ? dict::ButtonCancel : dict::ButtonNo;
}

} // namespace

int TerminalPresenter::show(std::string_view title, std::string_view text, fw::Icon, int buttons, int)
{
    out_ << title << ": " << text;
    if (!(buttons & dict::ButtonYes)) {
        out_ << std::endl;
        return dict::ButtonOk;
    }
    out_ << " [yes/no] " << std::flush;
    std::string typed;
    std::getline(in_, typed);
    out_ << '\n';
    return answerOf(lowered(typed), buttons);
}

void TerminalPresenter::halt(int) { halted_ = true; }

PresenterScope::PresenterScope(fw::ErrorClass &errors, fw::MessagePresenter &presenter)
    : errors_(errors)
    , previous_(&errors.presenter())
{
    errors_.setPresenter(&presenter);
}

PresenterScope::~PresenterScope() { errors_.setPresenter(previous_); }

} // namespace app
