// Messages of the tag library beyond the standard table, and the error manager they go through.
#pragma once

#include "framework/errorclass.h"

#include <cstdint>
#include <vector>

namespace ST {

namespace TagMsg {
inline constexpr int TransactionCancelled = 21; // in the standard table
inline constexpr int ConfirmDeleteSet = 5100; // asked by the tag-set window before DeleteTagSet
inline constexpr int SetGone = 5101;
inline constexpr int NoFreeSetNumber = 5102;
inline constexpr int SetInStream = 5103;
} // namespace TagMsg

const std::vector<std::uint8_t> &taggingMessages();

// The library's error manager, with the tagging messages on top of its table.
fw::ErrorClass &tagErrors();

} // namespace ST
