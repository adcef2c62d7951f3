#include "reports/displaystrings.h"

#include "framework/iniclass.h"

#include <utility>

namespace rpt {

namespace {

struct Entry {
    std::string_view key;
    std::string_view text;
};

// In the order of Display.
constexpr Entry Defaults[] = {
    {"ProgWinTitlePrvw", "Generating Report"},
    {"ProgWinTitlePrnt", "Printing Report"},
    {"ProgWinPctText", "% Completed"},
    {"ProgWinRecText", "Records Read"},
    {"ProgWinUsrText", ""},
    {"PrinterDlgTitle", "Report Destination"},
    {"AskPrvwDialogTitle", "Preview"},
    {"AskPrvwDialogText", "Do you wish to PREVIEW this Report?"},
    {"CancelAreYouSureTitle", "Question"},
    {"CancelAreYouSureText", "Are you sure you want to CANCEL this Report?"},
    {"CancelPrvwPartialTitle", "Question"},
    {"CancelPrvwPartialText", "Report Cancellation Requested!||Preview Report generated so far?"},
    {"NoDfltPrtrTitle", "WARNING!"},
    // The place to choose a default printer is the Linux desktop's, not a Windows control panel.
    {"NoDfltPrtrText",
     "Warning:  No DEFAULT Printer Driver Found!||Printing may not occur correctly (or at all)|without a "
     "Default printer assigned.||Use your desktop's printer settings to set a|printer as your Default.||"
     "Continue with report anyway?"},
    {"NothingToPrvwTitle", "NOTE..."},
    {"NothingToPrvwText", "Nothing to Preview."},
    {"NothingToPrntTitle", "NOTE..."},
    {"NothingToPrntText", "Nothing to Print."},
    {"AsciiOutTitle", "Save to what Filename?"},
    {"AsciiOutMasks", "Text|*.TXT|All Files|*.*"},
    {"DynLblErrTitle", "Problem!"},
    {"DynLblErrText1", "Sorry!||"},
    {"DynLblErrText2", "||Does not support paper type:"},
};
static_assert(std::size(Defaults) == std::size_t(Display::Count));

} // namespace

DisplayStrings::DisplayStrings()
{
    for (std::size_t i = 0; i < texts_.size(); ++i)
        texts_[i] = Defaults[i].text;
}

DisplayStrings DisplayStrings::load(const fw::INIClass *settings)
{
    DisplayStrings strings;
    if (settings)
        for (std::size_t i = 0; i < strings.texts_.size(); ++i)
            strings.texts_[i] = settings->Fetch(DisplaySection, Defaults[i].key, Defaults[i].text);
    return strings;
}

std::string_view DisplayStrings::key(Display key) { return Defaults[std::size_t(key)].key; }

std::string_view DisplayStrings::builtIn(Display key) { return Defaults[std::size_t(key)].text; }

} // namespace rpt
