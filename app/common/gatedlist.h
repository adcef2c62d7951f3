// The list behind the program's record browses: the password gate before a change or delete
// (so buttons, keys, a double click and the toolbar all pass it), a hook that follows the
// highlight, and the red-line flag of the row being read.
#pragma once

#include "app/common/passwordgate.h"
#include "framework/browseclass.h"

#include <functional>

namespace app {

class GatedList : public fw::BrowseClass
{
public:
    std::function<void()> onHighlight;
    // Whether the row whose record is in the buffer is drawn red.
    std::function<bool()> redWhen;

    void SetQueueRecord() override { red_ = redWhen && redWhen(); }
    bool AllowRequest(int request) override
    {
        if (request == fw::ChangeRecord)
            return PasswordGate(Guarded::Change);
        if (request == fw::DeleteRecord)
            return PasswordGate(Guarded::Delete);
        return true;
    }
    void TakeNewSelection() override
    {
        if (onHighlight)
            onHighlight();
    }
    const bool *red() const { return &red_; }

private:
    bool red_ = false;
};

} // namespace app
