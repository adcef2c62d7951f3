// Windows that open only once, and notices to the program's frame: what a procedure tells the
// frame (a browse opened or closed, the setup saved) and how a second start of a single window
// brings the open one forward.
#pragma once

#include <string_view>

namespace fw {

// Brings the open window of the procedure forward (restored when minimised); false when none
// is open.
bool bringOpenCopyForward(std::string_view procedureName);

// Posts a numbered notification to the frame holding the procedure windows; dropped when no
// frame is running (tests, the terminal).
void notifyFrame(int number);

} // namespace fw
