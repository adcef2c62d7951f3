// Notifications a procedure posts to the main frame (browse opened or closed, setup saved), so
// that the frame can refresh its state. Dropped when no frame is running (tests, the terminal).
#pragma once

namespace app {

// Posted by Brw::Customers when it opens and when it closes.
inline constexpr int CustomerBrowseNotification = 1024;

void notifyFrame(int number);

} // namespace app
