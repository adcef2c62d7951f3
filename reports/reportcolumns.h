// The columns of a listing, declared once: each is a caption over values at one place across the
// page. The one table makes the captions of the page header, the cells of the detail and the
// figures of its totals, so a column is moved or widened in one place.
//
//   const rpt::Columns Lines{{{"Stock #", 0, 1200, Left, [] { return STO.STOCKNO.str(); }},
//                             {"OH", 3400, 500, Right, [] { return quantity(STO.AMOUNTINSTOCK); }}}};
//   .pageHeader = {800, Lines.captions(560)}, .detail = {190, Lines.cells(10)},
//   Lines.cell(1, 60, [] { return totalOnHand(); }, Lines.boldFont())   // a total under its column
#pragma once

#include "reports/reportlayout.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace rpt {

inline const Font LineFont{.points = 8};
inline const Font LineBold{.points = 8, .bold = true};
// The lines of the turned listings of many columns.
inline const Font SmallLine{.points = 7};
inline const Font SmallLineBold{.points = 7, .bold = true};

struct Column {
    std::string caption;
    int x = 0;
    int width = 0;
    Align align = Align::Left;
    TextSource value{}; // the detail's; none: the detail fills the column otherwise
};

class Columns
{
public:
    // font: of the cells; bold: of the captions and totals.
    Columns(std::vector<Column> columns, Font font = LineFont, Font bold = LineBold)
        : columns_(std::move(columns)), font_(std::move(font)), bold_(std::move(bold))
    {
    }

    // The captions at y of a band (the page header).
    std::vector<Item> captions(int y) const;
    // Each column's value at y of a band (the detail line).
    std::vector<Item> cells(int y) const;
    // Another value in a column: a second line, a total (in the bold font unless given).
    Item cell(std::size_t column, int y, TextSource value) const { return cell(column, y, std::move(value), bold_); }
    Item cell(std::size_t column, int y, TextSource value, const Font &font) const;
    // A line over the columns from first to last, closing the values above a total.
    Item ruleOver(std::size_t first, std::size_t last, int y, int thickness = 5) const;

    const Column &operator[](std::size_t column) const { return columns_[column]; }
    Column &operator[](std::size_t column) { return columns_[column]; }
    std::size_t size() const { return columns_.size(); }
    const Font &font() const { return font_; }
    const Font &boldFont() const { return bold_; }
    // The height of a row of cells in the font.
    int rowHeight(const Font &font) const { return int(font.points * 20); }

private:
    std::vector<Column> columns_;
    Font font_;
    Font bold_;
};

// The items of both lists, the first's first: a header's fixed items and its captions.
std::vector<Item> joined(std::vector<Item> first, std::vector<Item> second);

} // namespace rpt
