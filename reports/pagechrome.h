// What every listing has around its lines: the title at its head and the rule and page number
// at its foot, across the width the layout is drawn for.
#pragma once

#include "reports/reportlayout.h"

#include <string>

namespace rpt {

// The widths layouts are drawn for: Letter less its margins, upright and turned. Other paper
// scales a layout to fit.
inline constexpr int PageWidth = 7500;
inline constexpr int TurnedPageWidth = 10000;

// The report's title centred across the width at the top of the page header, and any words
// after it (" March 2026").
Item titleLine(int width = PageWidth, TextSource after = {});
// A rule across the width at y of its band.
Item ruleAcross(int y, int width = PageWidth, int thickness = 10);
// A rule, then "Page n of m" at the right and a note at the left.
Band pageFooter(int width = PageWidth, std::string note = {});

} // namespace rpt
