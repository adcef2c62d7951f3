// The report procedures' messages. The questions and notes whose texts are display strings are
// put on top of the error manager's table for the length of a run, with the texts that run
// loaded, so a shop's own wording in Invoice.ini is what the user sees.
#pragma once

#include "reports/displaystrings.h"

#include <cstdint>
#include <vector>

namespace fw {
class ErrorClass;
}

namespace rpt {

namespace ReportMsg {
inline constexpr int CancelAreYouSure = 3300; // Yes / No
inline constexpr int CancelPreviewPartial = 3301; // Yes / No / Ignore
inline constexpr int NoDefaultPrinter = 3302;  // Yes / No
inline constexpr int NothingToPreview = 3303;
inline constexpr int NothingToPrint = 3304;
inline constexpr int PdfNotWritten = 3310; // %Message: the reason
inline constexpr int PrintFailed = 3311;   // %Message: the reason
inline constexpr int PictureUnreadable = 3312; // %Message: the file
inline constexpr int NoMailProgram = 3313;     // %Message: the PDF
} // namespace ReportMsg

// The messages with the built-in display strings and the report's own failures; installed once.
void installReportMessages(fw::ErrorClass &errors);

// For one run: the display-string messages with the run's texts, on top of the table until the
// object goes.
class RunMessages
{
public:
    RunMessages(fw::ErrorClass &errors, const DisplayStrings &strings);
    ~RunMessages();
    RunMessages(const RunMessages &) = delete;
    RunMessages &operator=(const RunMessages &) = delete;

private:
    fw::ErrorClass &errors_;
    std::vector<std::uint8_t> block_;
};

} // namespace rpt
