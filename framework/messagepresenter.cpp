#include "framework/messagepresenter.h"

#include <cstdlib>
#include <iostream>

namespace fw {

void MessagePresenter::halt(int exitStatus) { std::exit(exitStatus); }

int ConsolePresenter::show(std::string_view title, std::string_view text, Icon, int,
                           int defaultButton)
{
    std::cerr << title << ": " << text << '\n';
    return defaultButton;
}

ConsolePresenter &consolePresenter()
{
    static ConsolePresenter presenter;
    return presenter;
}

void ScriptedPresenter::answer(int button)
{
    std::lock_guard lock(mutex_);
    answers_.push_back(button);
}

int ScriptedPresenter::show(std::string_view title, std::string_view text, Icon icon, int buttons,
                            int defaultButton)
{
    std::lock_guard lock(mutex_);
    shown_.push_back({std::string(title), std::string(text), icon, buttons, defaultButton, takeButtonTexts()});
    if (answers_.empty())
        return defaultButton;
    int button = answers_.front();
    answers_.pop_front();
    return button;
}

void ScriptedPresenter::halt(int exitStatus)
{
    std::lock_guard lock(mutex_);
    halts_.push_back(exitStatus);
}

std::vector<ScriptedPresenter::Shown> ScriptedPresenter::shown() const
{
    std::lock_guard lock(mutex_);
    return shown_;
}

std::vector<int> ScriptedPresenter::halts() const
{
    std::lock_guard lock(mutex_);
    return halts_;
}

void ScriptedPresenter::clear()
{
    std::lock_guard lock(mutex_);
    answers_.clear();
    shown_.clear();
    halts_.clear();
}

} // namespace fw
