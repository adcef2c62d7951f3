// Messages of the report command line (app/shell/commandline.h, reportcommand.h), added to the
// error manager's table. %Field names the option, %Message the value given or the report.
#pragma once

#include <cstdint>
#include <vector>

namespace fw {
class ErrorClass;
}

namespace app {

namespace CommandMsg {
inline constexpr int NeedsValue = 3107;
inline constexpr int NeedsWholeNumber = 3108;
inline constexpr int NeedsDate = 3109;
inline constexpr int NeedsLabelKind = 3110;
inline constexpr int UnknownOption = 3111;
inline constexpr int NeedsReportAndPdf = 3112;
inline constexpr int FromWithoutTo = 3113;
inline constexpr int FromAfterTo = 3114;
inline constexpr int NoSuchReport = 3115;
inline constexpr int ReportNeeds = 3116; // %Message: the report, %Field: what it needs
inline constexpr int NoBlankForm = 3117;
} // namespace CommandMsg

const std::vector<std::uint8_t> &commandMessages();
void installCommandMessages(fw::ErrorClass &errors);

} // namespace app
