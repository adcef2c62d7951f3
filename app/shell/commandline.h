// What the report command line asks for, read from its arguments: the options, their dates
// (yyyy-mm-dd) and document numbers. Needs nothing but the calendar of the pictures, so it can be
// read (and tested) without any window or data file.
#pragma once

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

// Why the arguments make no command: a message of the command's table (commandmessages.h), the
// option it is about (%Field) and the value given (%Message).
struct CommandRefusal {
    int message = 0;
    std::string option;
    std::string value;
};

// How the command line is used, for --help.
extern const char *const ReportCommandUsage;

// Whether the arguments ask for a report command at all.
bool WantsReportCommand(int argc, char **argv);
// The command the arguments make, or why they make none.
std::optional<ReportCommand> ParseReportCommand(const std::vector<std::string> &args, CommandRefusal &refusal);

} // namespace app
