#include "reports/reportcolumns.h"

namespace rpt {

std::vector<Item> Columns::captions(int y) const
{
    std::vector<Item> items;
    for (const Column &c : columns_)
        items.push_back(text({c.x, y, c.width, rowHeight(bold_)}, c.caption, bold_, c.align));
    return items;
}

std::vector<Item> Columns::cells(int y) const
{
    std::vector<Item> items;
    for (std::size_t n = 0; n < columns_.size(); ++n)
        if (columns_[n].value)
            items.push_back(cell(n, y, columns_[n].value, font_));
    return items;
}

Item Columns::cell(std::size_t column, int y, TextSource value, const Font &font) const
{
    const Column &c = columns_[column];
    return computed({c.x, y, c.width, rowHeight(font)}, std::move(value), font, c.align);
}

Item Columns::ruleOver(std::size_t first, std::size_t last, int y, int thickness) const
{
    const int left = columns_[first].x;
    return line({left, y, columns_[last].x + columns_[last].width - left, 0}, thickness);
}

std::vector<Item> joined(std::vector<Item> first, std::vector<Item> second)
{
    first.insert(first.end(), std::make_move_iterator(second.begin()), std::make_move_iterator(second.end()));
    return first;
}

} // namespace rpt
