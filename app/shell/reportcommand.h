// The report command line: "invoice --print PRN:NAME --pdf FILE [--from DATE --to DATE]
// [--invoice N | --credit-memo N | --purchase-order N | --blank] [--customer NO]
// [--labels address|shipping]" runs one report on the data folder of the working folder straight
// into a PDF, with no window and no question; whatever a report's window would ask for is an
// option. "invoice --list-reports" prints the catalogue with what each report needs; "invoice
// --help" the usage. Dates are written yyyy-mm-dd.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace app {

struct ReportCommand {
    enum class Labels { Unset, Address, Shipping };
    bool list = false;
    bool help = false;
    bool blank = false; // the blank form of a document
    std::string report;
    std::string pdf;
    std::optional<int> from, to; // day numbers
    std::optional<int> invoice, creditMemo, purchaseOrder;
    std::optional<std::string> customer;
    Labels labels = Labels::Unset;
};

// How the command line is used, for --help and for a command it cannot read.
extern const char *const ReportCommandUsage;

// Whether the arguments ask for a report command at all.
bool WantsReportCommand(int argc, char **argv);
// The command the arguments make, or why they make none.
std::optional<ReportCommand> ParseReportCommand(const std::vector<std::string> &args, std::string &error);
// Runs it; 0 when the PDF was written (or the catalogue printed). Messages go to err.
int RunReportCommand(const ReportCommand &command, std::ostream &out, std::ostream &err);
// The whole command from main: its own application object, the standard streams.
int ReportCommandMain(int argc, char **argv);

} // namespace app
