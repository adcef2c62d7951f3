// Helpers for long walks over a tag file, so the program's windows stay alive meanwhile.
#pragma once

namespace ST {

// Lets pending events run every `every` records of a walk (in a program with an event loop; a
// program without one just walks on). 0: never.
class Breather
{
public:
    explicit Breather(int every)
        : every_(every)
    {}
    void tick();

private:
    int every_;
    int count_ = 0;
};

// Shows the wait cursor for its lifetime, in a program with windows.
class WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    bool shown_ = false;
};

} // namespace ST
