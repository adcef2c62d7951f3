// Messages of the vendor windows.
#pragma once

#include <cstdint>
#include <vector>

namespace fw {
class ErrorClass;
}

namespace app {

namespace VenMsg {
inline constexpr int NoVendorName = 3800; // a vendor is saved with its name: stock items name it
inline constexpr int NoAccountNo = 3801;  // and its account number: orders and payments go by it
} // namespace VenMsg

const std::vector<std::uint8_t> &vendorMessages();

// Adds the messages to an error manager once, however often it is called.
void installVendorMessages(fw::ErrorClass &errors);

} // namespace app
