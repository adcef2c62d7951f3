#include "app/shell/commandmessages.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/messagetable.h"

namespace app {

const std::vector<std::uint8_t> &commandMessages()
{
    constexpr const char *Title = "Command line";
    static const fw::MessageDef defs[] = {
        {CommandMsg::NeedsValue, dict::Notify, Title, "%Field needs a value; invoice --help shows the options"},
        {CommandMsg::NeedsWholeNumber, dict::Notify, Title, "%Field needs a whole number, not \"%Message\""},
        {CommandMsg::NeedsDate, dict::Notify, Title, "%Field needs a date written yyyy-mm-dd, not \"%Message\""},
        {CommandMsg::NeedsLabelKind, dict::Notify, Title, "%Field needs address or shipping, not \"%Message\""},
        {CommandMsg::UnknownOption, dict::Notify, Title, "unknown option %Field; invoice --help shows the options"},
        {CommandMsg::NeedsReportAndPdf, dict::Notify, Title,
         "--print needs the report's name and --pdf the file to write; invoice --help shows the options"},
        {CommandMsg::FromWithoutTo, dict::Notify, Title, "--from and --to go together"},
        {CommandMsg::FromAfterTo, dict::Notify, Title, "--from is after --to"},
        {CommandMsg::NoSuchReport, dict::Notify, Title,
         "no report is called %Message; invoice --list-reports names them"},
        {CommandMsg::ReportNeeds, dict::Notify, Title, "%Message needs %Field"},
        {CommandMsg::NoBlankForm, dict::Notify, Title, "%Message has no blank form"},
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

void installCommandMessages(fw::ErrorClass &errors)
{
    errors.InstallErrors(commandMessages());
}

} // namespace app
