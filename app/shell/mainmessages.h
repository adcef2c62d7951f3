// Messages of the main frame, the splash window and the desktop hand-offs (calculator, help,
// web site, conversion program), added to the error manager's table.
#pragma once

#include <cstdint>
#include <vector>

namespace fw {
class ErrorClass;
}

namespace app {

namespace MainMsg {
inline constexpr int SmallScreen = 3100;
inline constexpr int ConvertWarning = 3101;
inline constexpr int FillOutSetup = 3102;
inline constexpr int NoCalculator = 3103;
inline constexpr int NoConvertProgram = 3104;
inline constexpr int OpenFailed = 3105;
inline constexpr int PrintLabelsToo = 3106;
} // namespace MainMsg

const std::vector<std::uint8_t> &mainMessages();
void installMainMessages(fw::ErrorClass &errors);

} // namespace app
