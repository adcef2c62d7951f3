// A report layout as data: bands of items at positions, declared once per report as a table, and
// laid onto pages by the ReportEngine. Positions and sizes are report units, thousandths of an
// inch from the top-left corner of the paper (band items: from the top of their band).
//
//   const rpt::Layout Listing{
//       .pageHeader = {400, {rpt::text({500, 0, 4000, 250}, "Customer Listing", rpt::Title)}},
//       .detail = {200, {rpt::field({500, 0, 1200, 180}, CUS.CUSTOMERNO), ...}},
//       .pageFooter = {250, {rpt::pageNofM({6000, 0, 2000, 180})}},
//   };
#pragma once

#include "dictionary/fieldpairs.h"

#include <functional>
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
    int points = 9;
    bool bold = false;
    bool italic = false;
    bool operator==(const Font &) const = default;
};

inline const Font Body{};
inline const Font Bold{.bold = true};
inline const Font Title{.points = 14, .bold = true};
inline const Font Small{.points = 7};

enum class Align : unsigned char { Left, Right, Center };

enum class ItemKind : unsigned char { Text, Field, Box, Line, Picture, PageNofM };

// Everything an item reads at run time is a function, so the same table prints every record.
using TextSource = std::function<std::string()>;
using Condition = std::function<bool()>;

struct Item {
    ItemKind kind = ItemKind::Text;
    Box at;
    std::string text; // Text: the caption; PageNofM: the form, "%n" and "%m" filled in at the end
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

struct Layout {
    std::string name{};
    int margin = 500; // on every side
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

// The value of a field of a record buffer through a picture; no picture: the plain value.
std::string formatField(dict::FieldRef source, const std::string &picture);

// Hides an item or band while the condition holds.
Item hiddenWhen(Item item, Condition condition);

// A text that wraps at its width and at its own line breaks; its band grows downward by the
// lines it needs beyond the first (a line item's long description, an invoice memo).
Item wrapped(Item item);

} // namespace rpt
