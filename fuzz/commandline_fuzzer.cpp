// The report command line: arguments separated by NUL bytes, as main receives them.
#include "app/shell/commandline.h"
#include "framework/picture.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> args;
    std::string_view rest(reinterpret_cast<const char *>(data), size);
    while (!rest.empty() && args.size() < 64) {
        const std::size_t end = rest.find('\0');
        args.emplace_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    app::CommandRefusal refusal;
    const auto command = app::ParseReportCommand(args, refusal);
    if (!command) {
        if (refusal.message == 0) // a command refused says why
            __builtin_trap();
        return 0;
    }
    auto inCalendar = [](const std::optional<int> &day) {
        return !day || (*day >= fw::FirstDay && *day <= fw::LastDay);
    };
    auto positive = [](const std::optional<int> &n) { return !n || *n > 0; };
    if (!inCalendar(command->from) || !inCalendar(command->to) || !positive(command->invoice) ||
        !positive(command->creditMemo) || !positive(command->purchaseOrder))
        __builtin_trap();
    // --help and --list-reports run nothing, so what else the line says is not checked for them.
    if (!command->help && !command->list && command->from && command->to && *command->from > *command->to)
        __builtin_trap();
    return 0;
}
