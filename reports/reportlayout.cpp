#include "reports/reportlayout.h"

#include "dictionary/fieldaccess.h"
#include "framework/picture.h"

#include <utility>

namespace rpt {

namespace {
Item make(ItemKind kind, Box at, Font font = Body, Align align = Align::Left)
{
    Item item;
    item.kind = kind;
    item.at = at;
    item.font = std::move(font);
    item.align = align;
    return item;
}
} // namespace

Item text(Box at, std::string caption, Font font, Align align)
{
    Item item = make(ItemKind::Text, at, std::move(font), align);
    item.text = std::move(caption);
    return item;
}

Item field(Box at, dict::FieldRef source, TextSource picture, Font font, Align align)
{
    auto value = [source, picture = std::move(picture)] {
        return formatField(source, picture ? picture() : std::string());
    };
    Item item = make(ItemKind::Field, at, std::move(font), align);
    item.value = std::move(value);
    return item;
}

Item field(Box at, dict::FieldRef source, std::string picture, Font font, Align align)
{
    return field(at, source, [picture = std::move(picture)] { return picture; }, std::move(font), align);
}

Item computed(Box at, TextSource value, Font font, Align align)
{
    Item item = make(ItemKind::Field, at, std::move(font), align);
    item.value = std::move(value);
    return item;
}

Item box(Box at, int thickness)
{
    Item item = make(ItemKind::Box, at);
    item.thickness = thickness;
    return item;
}

Item line(Box at, int thickness)
{
    Item item = make(ItemKind::Line, at);
    item.thickness = thickness;
    return item;
}

Item picture(Box at, TextSource fileName)
{
    Item item = make(ItemKind::Picture, at);
    item.value = std::move(fileName);
    return item;
}

Item pageNofM(Box at, Font font, Align align, std::string form)
{
    Item item = make(ItemKind::PageNofM, at, std::move(font), align);
    item.text = std::move(form);
    return item;
}

Item title(Box at, Font font, Align align, TextSource after)
{
    Item item = make(ItemKind::Title, at, std::move(font), align);
    item.value = std::move(after);
    return item;
}

std::string formatField(dict::FieldRef source, const std::string &picture)
{
    const dict::FieldDef &def = *source.def;
    if (def.type == dict::FieldType::String) {
        const std::string_view text = dict::stringOf(def, source.record);
        return picture.empty() ? std::string(text) : fw::formatText(text, picture);
    }
    const double number = def.type == dict::FieldType::Real ? dict::realOf(def, source.record)
                                                           : double(dict::integerOf(def, source.record));
    return picture.empty() ? fw::plainNumber(number) : fw::formatValue(number, picture);
}

Item hiddenWhen(Item item, Condition condition)
{
    item.hidden = std::move(condition);
    return item;
}

Item wrapped(Item item)
{
    item.wraps = true;
    return item;
}

} // namespace rpt
