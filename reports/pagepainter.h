// Draws one page of a page queue with a painter whose origin is the paper's top-left corner; the
// preview, the printer and the PDF writer all draw through it.
#pragma once

#include "reports/pagequeue.h"

#include <QFontMetricsF>

#include <array>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QPainter;

namespace rpt {

// dotsPerInch: of the painter's device, so report units (1/1000 inch) land at their true size.
void paintPage(const PageQueue &queue, int page, QPainter &painter, double dotsPerInch);

// The lines a text takes in a frame of the given width (report units) in the font as painted:
// broken at its own line breaks (CR, LF or both) and between words, a word wider than the frame
// between characters. An empty text is one empty line.
std::vector<std::string> wrapText(const Font &font, int width, const std::string &text);
// The distance from one line of the font to the next, in report units.
int lineHeight(const Font &font);

// Widths of texts as painted, in report units; keeps the metrics of each font it met.
class TextMeasure
{
public:
    double width(const Font &font, std::string_view text);
    // At least the width as painted, cheaply: the sum of the characters' own advances (kerning
    // only narrows a text). A text that is not plain ASCII is measured.
    double atMost(const Font &font, std::string_view text);

private:
    struct Metrics {
        Font font;
        QFontMetricsF metrics;
        std::array<double, 128> ascii{}; // advances of the ASCII characters
    };
    Metrics &metrics(const Font &font);
    std::vector<Metrics> metrics_;
};

} // namespace rpt
