// The pages a report run produced, kept as recorded drawing (text runs, lines, boxes and pictures
// at their positions) rather than bitmaps, so a long report stays small and prints sharp at any
// resolution. The preview, the printer, the PDF writer and the test dump all read this one queue.
#pragma once

#include "reports/reportlayout.h"

#include <QImage>
#include <QPageSize>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rpt {

struct PageOp {
    enum Kind : std::uint8_t { Text, Line, Rect, Image };
    // A text too wide for its box is made smaller, and cut if it still does not fit.
    enum Fit : std::uint8_t { AsDeclared, Shrunk, Cut };
    Kind kind = Text;
    Align align = Align::Left;
    bool pageCount = false;   // a text whose "%n" and "%m" are filled when the run ends
    std::uint16_t font = 0;   // Text: index into the queue's fonts; Line and Rect: the thickness
    std::uint32_t index = 0;  // Text: where it starts in the page's texts; Image: index into the queue's images
    std::uint32_t length = 0; // Text: its length in bytes
    Box at;
    Fit fit = AsDeclared;
};

struct Page {
    std::vector<PageOp> ops;
    std::string texts; // the page's texts one after another: a long report makes no string per text
};

class PageQueue
{
public:
    // landscape: the paper turned, its long side across (envelopes). unprintable: the edges of
    // the paper the printer in force cannot print on.
    explicit PageQueue(QPageSize size = QPageSize(QPageSize::Letter), bool landscape = false,
                       Margins unprintable = Margins::all(0))
        : size_(std::move(size)), landscape_(landscape), unprintable_(unprintable)
    {
    }

    const QPageSize &pageSize() const { return size_; }
    bool landscape() const { return landscape_; }
    const Margins &unprintable() const { return unprintable_; }
    // The paper in report units.
    int pageWidth() const;
    int pageHeight() const;

    Page &newPage();
    void addText(Box at, const Font &font, Align align, std::string_view text, bool pageCount = false,
                 PageOp::Fit fit = PageOp::AsDeclared);
    void addLine(Box at, int thickness);
    void addRect(Box at, int thickness);
    void addImage(Box at, QImage image);

    // Fills every "page n of m" placeholder of the pages from first on, now that their count is
    // known: they are numbered among themselves.
    void fillPageCount(int first = 0);

    int count() const { return int(pages_.size()); }
    bool empty() const { return pages_.empty(); }
    const Page &page(int i) const { return pages_[std::size_t(i)]; }
    const std::vector<Font> &fonts() const { return fonts_; }
    const QImage &image(std::uint32_t i) const { return images_[i]; }
    static std::string_view text(const Page &page, const PageOp &op)
    {
        return std::string_view(page.texts).substr(op.index, op.length);
    }

private:
    std::uint16_t fontIndex(const Font &font);
    void fillPageCount(Page &page, const std::string &number, const std::string &total);

    QPageSize size_;
    bool landscape_ = false;
    Margins unprintable_;
    std::vector<Font> fonts_;
    std::vector<QImage> images_;
    std::vector<Page> pages_;
    std::uint16_t lastFont_ = 0;
};

} // namespace rpt
