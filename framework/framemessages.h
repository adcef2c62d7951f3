// Messages of the window framework beyond the standard table, added to every error manager the
// library reports through.
#pragma once

#include <cstdint>
#include <vector>

namespace fw {

namespace FrameMsg {
inline constexpr int ViewOpenError = 40; // in the standard table
inline constexpr int NoRecords = 22;     // in the standard table
inline constexpr int CannotInsert = 20; // "Invalid Request", in the standard table
inline constexpr int CannotChange = 38; // "Invalid Request", in the standard table
inline constexpr int CannotDelete = 12; // "Invalid Request", in the standard table
inline constexpr int RangeBetween = 16; // "Range Error", in the standard table
inline constexpr int InvalidEntry = 1100;
inline constexpr int CannotBeNegative = 1101;
inline constexpr int FieldRequired = 1102;
inline constexpr int BadDeclaration = 1103;
} // namespace FrameMsg

const std::vector<std::uint8_t> &frameworkMessages();

} // namespace fw
