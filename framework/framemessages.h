// Messages of the window framework beyond the standard table, added to every error manager the
// library reports through.
#pragma once

#include <cstdint>
#include <vector>

namespace fw {

namespace FrameMsg {
inline constexpr int ViewOpenError = 40; // in the standard table
inline constexpr int NoRecords = 22;     // in the standard table
inline constexpr int InvalidEntry = 1100;
} // namespace FrameMsg

const std::vector<std::uint8_t> &frameworkMessages();

} // namespace fw
