// A report layout as data: bands of items at positions, declared once per report as a table, and
// laid onto pages by the ReportEngine. Positions and sizes are report units, thousandths of an
// inch, from one origin: the top-left corner of the layout's frame, which is the printable part
// of the paper in force less the layout's margins. An item's x is from the frame's left edge, its
// y from the top of its band. A layout wider than the frame of some paper (a Letter layout on A4)
// is scaled down to fit it whole, type and all.
//
//   const rpt::Layout Listing{
//       .pageHeader = {400, {rpt::title({0, 0, 7500, 250})}},
//       .detail = {200, {rpt::field({0, 0, 1200, 180}, CUS.CUSTOMERNO), ...}},
//       .pageFooter = {250, {rpt::pageNofM({5500, 0, 2000, 180})}},
//   };
#pragma once

#include "dictionary/fieldpairs.h"

#include <QPageSize>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rpt {

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Box &) const = default;
};

struct Font {
    std::string family = "DejaVu Sans";
    double points = 9;
    bool bold = false;
    bool italic = false;
    bool operator==(const Font &) const = default;
};

inline const Font Body{};
inline const Font Bold{.bold = true};
inline const Font Title{.points = 14, .bold = true};
inline const Font Small{.points = 7};

enum class Align : unsigned char { Left, Right, Center };

enum class ItemKind : unsigned char { Text, Field, Box, Line, Picture, PageNofM, Title };

// Everything an item reads at run time is a function, so the same table prints every record.
using TextSource = std::function<std::string()>;
using Condition = std::function<bool()>;

struct Item {
    ItemKind kind = ItemKind::Text;
    Box at;
    std::string text; // Text: the caption; PageNofM: the form, "%n" and "%m" filled in at the end
                      // Title: what follows the report's title
    TextSource value; // Field: the formatted value; Picture: the file name
    Font font;
    Align align = Align::Left;
    int thickness = 10; // Box and Line
    Condition hidden;   // none: always shown
    bool wraps = false; // Text and Field: wrapped to the width, the band growing to hold every line
};

struct Band {
    int height = 0;
    std::vector<Item> items{};
    Condition hidden{};
    bool empty() const { return items.empty() && height == 0; }
};

// The paper left blank around a layout's frame, on each side.
struct Margins {
    int left = 500;
    int top = 500;
    int right = 500;
    int bottom = 500;
    static constexpr Margins all(int margin) { return {margin, margin, margin, margin}; }
};

struct Layout {
    Margins margins{};
    // A layout made for a sheet of its own (labels) prints on it, whatever the paper setting.
    std::optional<QPageSize::PageSizeId> paper{};
    Band pageHeader{};
    Band groupHeader{};
    Band detail{};
    Band groupFooter{};
    Band pageFooter{}; // kept at the foot of every page
    TextSource groupKey{}; // a change of its value between details closes one group and opens the next
    // Sheets of labels: details side by side, `columns` across at `columnPitch` apart, then the
    // next row below.
    int columns = 1;
    int columnPitch = 0;
};

// Item factories for the layout tables.
Item text(Box at, std::string caption, Font font = Body, Align align = Align::Left);
// A record field shown through a picture read when the item prints ("@n-13.2", GLO.CURRENCYNAME).
Item field(Box at, dict::FieldRef source, TextSource picture = {}, Font font = Body, Align align = Align::Left);
Item field(Box at, dict::FieldRef source, std::string picture, Font font = Body, Align align = Align::Left);
// A value the report computes (a running total, a joined address line), already formatted.
Item computed(Box at, TextSource value, Font font = Body, Align align = Align::Left);
Item box(Box at, int thickness = 10);
Item line(Box at, int thickness = 10); // from the top-left corner to the bottom-right one
Item picture(Box at, TextSource fileName);
Item pageNofM(Box at, Font font = Body, Align align = Align::Right, std::string form = "Page %n of %m");
// The title of the report that prints the layout, and any words after it (" - March 2026").
Item title(Box at, Font font = Title, Align align = Align::Center, TextSource after = {});

// The value of a field of a record buffer through a picture; no picture: the plain value.
std::string formatField(dict::FieldRef source, const std::string &picture);

// Hides an item or band while the condition holds.
Item hiddenWhen(Item item, Condition condition);

// A text that wraps at its width and at its own line breaks; its band grows downward by the
// lines it needs beyond the first (a line item's long description, an invoice memo).
Item wrapped(Item item);

} // namespace rpt
