// The report command line: "invoice --print PRN:NAME --pdf FILE [--from DATE --to DATE]
// [--invoice N] [--customer NO] [--credit-memo N] [--purchase-order N]" runs one report on the data
// folder of the working folder straight into a PDF, with no window and no question;
// "invoice --list-reports" prints the catalogue. Dates are written yyyy-mm-dd.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace app {

struct ReportCommand {
    bool list = false;
    std::string report;
    std::string pdf;
    std::optional<int> from, to; // day numbers
    std::optional<int> invoice, creditMemo, purchaseOrder;
    std::optional<std::string> customer;
};

// Whether the arguments ask for a report command at all.
bool WantsReportCommand(int argc, char **argv);
// The command the arguments make, or why they make none.
std::optional<ReportCommand> ParseReportCommand(const std::vector<std::string> &args, std::string &error);
// Runs it; 0 when the PDF was written (or the catalogue printed). Messages go to err.
int RunReportCommand(const ReportCommand &command, std::ostream &out, std::ostream &err);
// The whole command from main: its own application object, the standard streams.
int ReportCommandMain(int argc, char **argv);

} // namespace app
