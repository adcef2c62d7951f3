#include "app/shell/mainmessages.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/messagetable.h"

namespace app {

const std::vector<std::uint8_t> &mainMessages()
{
    static const fw::MessageDef defs[] = {
        {MainMsg::SmallScreen, dict::Notify, "Hey!...",
         "Your Monitor Resolution is set at 640x480.  This may cause the edges of the software to disappear. "
         "Redo the Monitor settings to 800x600 to correct this."},
        {MainMsg::ConvertWarning, dict::User, "Pardon me...",
         "Click on Cancel if you have any tables open. You must close them before continuing."},
        {MainMsg::FillOutSetup, dict::Notify, "Excuse me...",
         "Please take a moment to fill out the Setup Form.  This information is needed to properly run Tallyquill"},
        {MainMsg::NoCalculator, dict::Notify, "Calculator",
         "No calculator program was found on this computer. Install one of these: %Message."},
        {MainMsg::NoConvertProgram, dict::Notify, "Convert Data Files",
         "The conversion program could not be started: %Message"},
        {MainMsg::OpenFailed, dict::Notify, "Pardon me...", "The desktop could not open %Message."},
        {MainMsg::PrintLabelsToo, dict::User, "Pardon me...", "Do you wish to print the associated Labels?"},
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

void installMainMessages(fw::ErrorClass &errors)
{
    errors.InstallErrors(mainMessages());
}

} // namespace app
