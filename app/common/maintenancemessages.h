// Messages of the customer and inventory windows, added to the error manager's table beside the
// standard ones.
#pragma once

#include <cstdint>
#include <vector>

namespace fw {
class ErrorClass;
}

namespace app {

namespace MaintMsg {
inline constexpr int NoCustomerNo = 3170;
inline constexpr int NoStockNo = 3171;
inline constexpr int PictureNameTooLong = 3172;
inline constexpr int NotAPicture = 3173;
inline constexpr int StockNoInUse = 3174;
inline constexpr int NoMailProgram = 3175;
inline constexpr int NoSuchCustomer = 3176;
inline constexpr int ProcedureNotDefined = 24; // in the standard table
} // namespace MaintMsg

const std::vector<std::uint8_t> &maintenanceMessages();

// Adds the messages to an error manager once, however often it is called.
void installMaintenanceMessages(fw::ErrorClass &errors);

} // namespace app
