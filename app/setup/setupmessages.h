// Messages of the setup form, the password windows and the password reset command, added to the
// error manager's table beside the standard ones.
#pragma once

#include <cstdint>
#include <vector>

namespace fw {
class ErrorClass;
}

namespace app {

namespace SetupMsg {
inline constexpr int WrongPassword = 3120;
inline constexpr int ConfirmReset = 3121;
inline constexpr int PasswordCleared = 3122;
inline constexpr int ResetDeclined = 3123;
inline constexpr int NoSetupRecord = 3124;
inline constexpr int NoPassword = 3125;
inline constexpr int LogoNameTooLong = 3126;
inline constexpr int RangeError = 16; // in the standard table: "%Field must be between %Message"
} // namespace SetupMsg

const std::vector<std::uint8_t> &setupMessages();

// Adds the messages to an error manager once, however often it is called.
void installSetupMessages(fw::ErrorClass &errors);

} // namespace app
