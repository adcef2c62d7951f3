// How the error manager shows its message boxes. The program installs a windowed presenter;
// the library falls back to the console one, and tests script the answers.
#pragma once

#include <deque>
#include <map>
#include <utility>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

enum class Icon { Question, Exclamation };

class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;

    // Shows a box and waits for the answer. buttons is a set of dict::Button bits;
    // returns the bit of the button pressed.
    virtual int show(std::string_view title, std::string_view text, Icon icon, int buttons,
                     int defaultButton) = 0;

    // Ends the program after a fatal message.
    virtual void halt(int exitStatus);
    // Texts for the buttons of the next box only (by button bit), where a message names its own.
    void setButtonTexts(std::map<int, std::string> texts) { buttonTexts_ = std::move(texts); }

protected:
    std::map<int, std::string> takeButtonTexts() { return std::exchange(buttonTexts_, {}); }

private:
    std::map<int, std::string> buttonTexts_;
};

// Writes each message to stderr and answers with the default button.
class ConsolePresenter : public MessagePresenter
{
public:
    int show(std::string_view title, std::string_view text, Icon icon, int buttons,
             int defaultButton) override;
};

ConsolePresenter &consolePresenter();

// Answers from a queue (the default button once it runs dry) and records every box and halt
// instead of showing or exiting. Safe to share between threads.
class ScriptedPresenter : public MessagePresenter
{
public:
    struct Shown {
        std::string title;
        std::string text;
        Icon icon;
        int buttons;
        int defaultButton;
        std::map<int, std::string> buttonTexts;
    };

    void answer(int button); // queues the button the next box returns

    int show(std::string_view title, std::string_view text, Icon icon, int buttons,
             int defaultButton) override;
    void halt(int exitStatus) override;

    std::vector<Shown> shown() const;
    std::vector<int> halts() const; // exit statuses, in order
    void clear();

private:
    mutable std::mutex mutex_;
    std::deque<int> answers_;
    std::vector<Shown> shown_;
    std::vector<int> halts_;
};

} // namespace fw
