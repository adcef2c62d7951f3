// The texts of the report procedures' windows and questions: built-in defaults, each of which a
// shop may override under its key in the "DISPLAY STRINGS 2.0" section of Invoice.ini. A "|" in a
// text is a line break in the message box.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace fw {
class INIClass;
}

namespace rpt {

enum class Display {
    ProgWinTitlePrvw,
    ProgWinTitlePrnt,
    ProgWinPctText,
    ProgWinRecText,
    ProgWinUsrText,
    PrinterDlgTitle,
    AskPrvwDialogTitle,
    AskPrvwDialogText,
    CancelAreYouSureTitle,
    CancelAreYouSureText,
    CancelPrvwPartialTitle,
    CancelPrvwPartialText,
    NoDfltPrtrTitle,
    NoDfltPrtrText,
    NothingToPrvwTitle,
    NothingToPrvwText,
    NothingToPrntTitle,
    NothingToPrntText,
    AsciiOutTitle,
    AsciiOutMasks,
    DynLblErrTitle,
    DynLblErrText1,
    DynLblErrText2,
    Count
};

inline constexpr std::string_view DisplaySection = "DISPLAY STRINGS 2.0";

class DisplayStrings
{
public:
    DisplayStrings(); // the built-in defaults
    // The defaults with the overrides found in the section; no settings file: the defaults.
    static DisplayStrings load(const fw::INIClass *settings);

    const std::string &operator[](Display key) const { return texts_[std::size_t(key)]; }
    static std::string_view key(Display key);
    static std::string_view builtIn(Display key);

private:
    std::array<std::string, std::size_t(Display::Count)> texts_;
};

} // namespace rpt
