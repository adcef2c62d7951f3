// What the navigation buttons of the frame's toolbar offer while a window is active: for a form,
// by its request; for a browse, moving and updating; for other windows nothing.
#pragma once

#include <map>
#include <string>

namespace fw {

class WindowManager;

struct ToolbarButtonState
{
    bool enabled = false;
    std::string tip; // empty: the button's own tip
};

// Navigation code (2000-2012) to its state.
using ToolbarStates = std::map<int, ToolbarButtonState>;

// A form with request 1 (insert), 2 (change) or anything else.
ToolbarStates formToolbarStates(int request, bool historyKey, bool helpButton);
// A browse, by what it can do now.
ToolbarStates browseToolbarStates(bool canInsert, bool canChange, bool canDelete, bool canSelect, bool helpButton);
// The states for the given window (none: every button off).
ToolbarStates toolbarStatesFor(const WindowManager *window);

} // namespace fw
