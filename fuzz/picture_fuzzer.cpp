// Pictures: the picture text, then what is typed into a field that shows it, and a stored value.
// Input: the picture, a newline, the typed text; its last eight bytes are also read as the stored
// number, so values like NaN, infinities and numbers far beyond any width reach format().
#include "framework/picture.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view pictureText = input.substr(0, newline);
    const std::string_view typed = newline == std::string_view::npos ? std::string_view{} : input.substr(newline + 1);
    double stored = 0;
    if (typed.size() >= sizeof stored)
        std::memcpy(&stored, typed.data() + typed.size() - sizeof stored, sizeof stored);

    // The entry points the settings and list formats use take any text as a picture.
    (void)fw::formatValue(stored, pictureText);
    (void)fw::formatText(typed, pictureText);
    (void)fw::deformatText(typed, pictureText);
    (void)fw::numberPicture(pictureText, "@n-12.2");
    (void)fw::widestValue(pictureText);
    (void)fw::parsePlainNumber(typed);
    (void)fw::plainNumber(stored);

    const auto picture = fw::Picture::parse(pictureText);
    if (!picture)
        return 0;
    (void)picture->width();
    (void)picture->format(stored);
    (void)picture->format(std::trunc(stored));
    (void)picture->format(typed);
    const fw::ParseResult read = picture->deformat(typed);
    if (!read)
        return 0;
    // What was read back shows through the same picture and reads back again.
    const std::string shown = picture->kind() == fw::Picture::Kind::String || picture->kind() == fw::Picture::Kind::Pattern
                                  ? picture->format(read.text)
                                  : picture->format(read.number);
    (void)picture->deformat(shown);
    return 0;
}
