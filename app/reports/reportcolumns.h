// The columns of the listings: a caption over values at one place across the page, in the small
// type the stock and sales reports print in.
#pragma once

#include "reports/reportlayout.h"

#include <string>
#include <utility>

namespace PRN {

inline const rpt::Font LineFont{.points = 8};
inline const rpt::Font LineBoldFont{.points = 8, .bold = true};

struct Column {
    const char *caption;
    int x;
    int width;
    bool right; // numbers align right
};

// A value in the column at y of its band.
inline rpt::Item cell(const Column &c, int y, rpt::TextSource value, const rpt::Font &font = LineFont)
{
    return rpt::computed({c.x, y, c.width, 150}, std::move(value), font, c.right ? rpt::Align::Right : rpt::Align::Left);
}

// The column's caption at y of the page header.
inline rpt::Item caption(const Column &c, int y, std::string text, const rpt::Font &font = LineBoldFont)
{
    return rpt::text({c.x, y, c.width, 160}, std::move(text), font, c.right ? rpt::Align::Right : rpt::Align::Left);
}

} // namespace PRN
