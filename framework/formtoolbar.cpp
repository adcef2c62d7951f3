#include "framework/formtoolbar.h"

#include "framework/globalcodes.h"
#include "framework/windowmanager.h"

namespace fw {

namespace {

ToolbarStates allOff()
{
    ToolbarStates states;
    for (int code = Nav::Insert; code <= Nav::Help; ++code)
        if (code != 2010)
            states[code] = {};
    return states;
}

} // namespace

ToolbarStates formToolbarStates(int request, bool historyKey, bool helpButton)
{
    ToolbarStates states = allOff();
    if (request == InsertRecord) {
        states[Nav::Insert] = {true, "Save record and add another"};
        states[Nav::Down] = {true, "Save record and add another"};
    } else if (request == ChangeRecord) {
        states[Nav::Insert] = {true, "Save this record and add a new one"};
        states[Nav::Bottom] = {true, "Save changes and go to last record"};
        states[Nav::Top] = {true, "Save changes and go to first record"};
        states[Nav::PageDown] = {true, "Save changes and page down to record"};
        states[Nav::PageUp] = {true, "Save changes and page up to record"};
        states[Nav::Down] = {true, "Save changes and go to next record"};
        states[Nav::Up] = {true, "Save changes and go to previous record"};
    }
    states[Nav::History].enabled = historyKey && (request == InsertRecord || request == ChangeRecord);
    states[Nav::Help].enabled = helpButton;
    return states;
}

ToolbarStates browseToolbarStates(bool canInsert, bool canChange, bool canDelete, bool canSelect, bool helpButton)
{
    ToolbarStates states = allOff();
    states[Nav::Insert].enabled = canInsert;
    states[Nav::Change].enabled = canChange;
    states[Nav::Delete].enabled = canDelete;
    states[Nav::Select].enabled = canSelect;
    for (int code = Nav::Bottom; code <= Nav::Up; ++code)
        states[code].enabled = true;
    states[Nav::Help].enabled = helpButton;
    return states;
}

ToolbarStates toolbarStatesFor(const WindowManager *window)
{
    if (!window)
        return allOff();
    return window->NavigationStates();
}

} // namespace fw
