#include "app/shell/commandline.h"

#include "app/shell/commandmessages.h"
#include "framework/picture.h"

#include <cstdio>
#include <cstdlib>

namespace app {

namespace {

std::optional<int> parseDate(const std::string &text)
{
    int y = 0, m = 0, d = 0;
    char rest = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &rest) != 3)
        return std::nullopt;
    return fw::dayNumber(y, m, d);
}

std::optional<int> parseNumber(const std::string &text)
{
    char *end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || n <= 0 || n > 2147483647L)
        return std::nullopt;
    return int(n);
}

} // namespace

const char *const ReportCommandUsage =
    "usage: invoice                          the program, on the data folder of the working folder\n"
    "       invoice --print PRN:NAME --pdf FILE [options]\n"
    "                                        one report straight into a PDF, with no window\n"
    "       invoice --list-reports           every report, with what it needs\n"
    "       invoice --help                   this text\n"
    "options (what a report's window would ask for):\n"
    "  --from yyyy-mm-dd --to yyyy-mm-dd     the dates of a dated report\n"
    "  --invoice N                           the invoice of an invoice or package list\n"
    "  --credit-memo N, --purchase-order N   the memo or order of its document\n"
    "  --blank                               the blank form of a document instead\n"
    "  --customer NO                         the customer of a finance statement\n"
    "  --labels address|shipping             the kind of customer labels\n";

std::optional<ReportCommand> ParseReportCommand(const std::vector<std::string> &args, CommandRefusal &refusal)
{
    ReportCommand command;
    refusal = {};
    auto refuse = [&](int message, const std::string &option, const std::string &value = {}) {
        refusal = {message, option, value};
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &option = args[i];
        if (option == "--list-reports" || option == "--help" || option == "--blank") {
            (option == "--help" ? command.help : option == "--blank" ? command.blank : command.list) = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            refuse(CommandMsg::NeedsValue, option);
            return std::nullopt;
        }
        const std::string &value = args[++i];
        auto number = [&](std::optional<int> &into) {
            into = parseNumber(value);
            if (!into)
                refuse(CommandMsg::NeedsWholeNumber, option, value);
        };
        auto date = [&](std::optional<int> &into) {
            into = parseDate(value);
            if (!into)
                refuse(CommandMsg::NeedsDate, option, value);
        };
        if (option == "--print")
            command.report = value;
        else if (option == "--pdf")
            command.pdf = value;
        else if (option == "--from")
            date(command.from);
        else if (option == "--to")
            date(command.to);
        else if (option == "--invoice")
            number(command.invoice);
        else if (option == "--credit-memo")
            number(command.creditMemo);
        else if (option == "--purchase-order")
            number(command.purchaseOrder);
        else if (option == "--customer")
            command.customer = value;
        else if (option == "--labels" && (value == "address" || value == "shipping"))
            command.labels = value == "address" ? ReportCommand::Labels::Address : ReportCommand::Labels::Shipping;
        else if (option == "--labels")
            refuse(CommandMsg::NeedsLabelKind, option, value);
        else
            refuse(CommandMsg::UnknownOption, option);
        if (refusal.message)
            return std::nullopt;
    }
    if (command.list || command.help)
        return command;
    if (command.report.empty() || command.pdf.empty())
        refuse(CommandMsg::NeedsReportAndPdf, "--print");
    else if (command.from.has_value() != command.to.has_value())
        refuse(CommandMsg::FromWithoutTo, command.from ? "--from" : "--to");
    else if (command.from && *command.from > *command.to)
        refuse(CommandMsg::FromAfterTo, "--from");
    return refusal.message ? std::nullopt : std::optional(command);
}

} // namespace app
