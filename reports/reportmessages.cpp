#include "reports/reportmessages.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/messagetable.h"

#include <algorithm>
#include <string>

namespace rpt {

namespace {

// A message box line break for each "|"; a shop's text too long for the table is cut at a whole
// character rather than refused.
std::string boxText(std::string text)
{
    std::replace(text.begin(), text.end(), '|', '\n');
    if (text.size() > 255) {
        std::size_t cut = 255;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut;
        text.resize(cut);
    }
    return text;
}

std::vector<std::uint8_t> displayBlock(const DisplayStrings &s)
{
    const std::string texts[] = {
        boxText(s[Display::CancelAreYouSureTitle]),  boxText(s[Display::CancelAreYouSureText]),
        boxText(s[Display::CancelPrvwPartialTitle]), boxText(s[Display::CancelPrvwPartialText]),
        boxText(s[Display::NoDfltPrtrTitle]),        boxText(s[Display::NoDfltPrtrText]),
        boxText(s[Display::NothingToPrvwTitle]),     boxText(s[Display::NothingToPrvwText]),
        boxText(s[Display::NothingToPrntTitle]),     boxText(s[Display::NothingToPrntText]),
    };
    const fw::MessageDef defs[] = {
        {ReportMsg::CancelAreYouSure, dict::User, texts[0], texts[1]},
        {ReportMsg::CancelPreviewPartial, dict::User, texts[2], texts[3]},
        {ReportMsg::NoDefaultPrinter, dict::User, texts[4], texts[5]},
        {ReportMsg::NothingToPreview, dict::Notify, texts[6], texts[7]},
        {ReportMsg::NothingToPrint, dict::Notify, texts[8], texts[9]},
    };
    return fw::buildErrorBlock(defs);
}

const std::vector<std::uint8_t> &ownMessages()
{
    static const fw::MessageDef defs[] = {
        {ReportMsg::PdfNotWritten, dict::Notify, "PDF Not Saved", "%Message"},
        {ReportMsg::PrintFailed, dict::Notify, "Not Printed", "%Message"},
        {ReportMsg::PictureUnreadable, dict::Notify, "Picture Not Printed",
         "%Message cannot be read as a picture (BMP, GIF, JPG or PNG); the report prints without it."},
        {ReportMsg::NoMailProgram, dict::Notify, "No Mail Program",
         "No mail program could be started for %Message. The PDF is saved there; choose a default mail "
         "program in your desktop's settings."},
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

} // namespace

void installReportMessages(fw::ErrorClass &errors)
{
    static const std::vector<std::uint8_t> builtIn = displayBlock(DisplayStrings());
    errors.InstallErrors(builtIn);
    errors.InstallErrors(ownMessages());
}

RunMessages::RunMessages(fw::ErrorClass &errors, const DisplayStrings &strings)
    : errors_(errors), block_(displayBlock(strings))
{
    installReportMessages(errors_);
    errors_.AddErrors(block_);
}

RunMessages::~RunMessages() { errors_.RemoveErrors(block_); }

} // namespace rpt
