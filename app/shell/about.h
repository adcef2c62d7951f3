// Win::About: the splash and About window. Shows the company and the user the program is set up
// for; closes itself after ten seconds, when it loses the focus or when clicked. On the first run
// its closing asks for the setup form and opens it.
#pragma once

#include "framework/windowmanager.h"

class QTimer;

namespace Win {

class About : public fw::WindowManager
{
public:
    int Init() override;
    int Kill() override;
    int TakeWindowEvent(fw::WindowEvent event) override;

    // Set while the program is closing: the first run's setup form then does not open.
    static bool &ProgramClosing();

    // Ten seconds, as the timer of the window counts them.
    static constexpr int CloseAfterMs = 10'000;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void centre();
    QTimer *timer_ = nullptr;
    bool filesOpened_ = false;
};

} // namespace Win
