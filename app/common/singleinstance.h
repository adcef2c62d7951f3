// Browses that open only once: a second open brings the window already open to the front.
#pragma once

#include <string_view>

namespace app {

// Brings the open window of the procedure forward (restored when minimised); false when none
// is open.
bool bringOpenCopyForward(std::string_view procedureName);

} // namespace app
