#include "app/common/redline.h"

#include "framework/browseclass.h"

namespace app {

namespace {

constexpr int Red = 0xFF0000;
constexpr int Black = 0x000000;
constexpr int Cyan = 0x00FFFF;
constexpr int ListColour = -1; // the list's own colour

} // namespace

void addRedLineField(fw::BrowseClass &browse, dict::FieldRef field, const bool *red)
{
    browse.AddField(field);
    browse.AddField([red] { return fw::StepValue(*red ? Red : ListColour); });
    browse.AddField([] { return fw::StepValue(ListColour); });
    browse.AddField([red] { return fw::StepValue(*red ? Black : ListColour); });
    browse.AddField([red] { return fw::StepValue(*red ? Cyan : ListColour); });
}

} // namespace app
