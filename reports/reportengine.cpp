#include "reports/reportengine.h"

#include "reports/pagepainter.h"

#include <QImageReader>
#include <QString>

#include <algorithm>
#include <cmath>

namespace rpt {

namespace {

bool hidden(const Condition &condition) { return condition && condition(); }

// The right edge of the widest item of the layout (labels: of the last column).
int layoutWidth(const Layout &layout)
{
    int width = 0;
    for (const Band *band : {&layout.pageHeader, &layout.groupHeader, &layout.detail, &layout.groupFooter, &layout.pageFooter})
        for (const Item &item : band->items)
            width = std::max(width, item.at.x + item.at.width);
    if (layout.columns > 1)
        width += (layout.columns - 1) * layout.columnPitch;
    return width;
}

ReportEngine::Frame frameOf(const Layout &layout, const PageQueue &queue)
{
    const Margins &edge = queue.unprintable();
    ReportEngine::Frame frame;
    frame.left = std::max(layout.margins.left, edge.left);
    frame.top = std::max(layout.margins.top, edge.top);
    frame.width = queue.pageWidth() - frame.left - std::max(layout.margins.right, edge.right);
    frame.height = queue.pageHeight() - frame.top - std::max(layout.margins.bottom, edge.bottom);
    const int width = layoutWidth(layout);
    if (width > frame.width && frame.width > 0)
        frame.scale = double(frame.width) / width;
    return frame;
}

} // namespace

ReportEngine::ReportEngine(const Layout &layout, PageQueue &queue, std::string title)
    : layout_(layout), queue_(queue), title_(std::move(title)), frame_(frameOf(layout, queue))
{
}

// The foot of the frame, in layout units.
int ReportEngine::pageBottom() const { return int(frame_.height / frame_.scale); }

int ReportEngine::footerTop() const { return pageBottom() - layout_.pageFooter.height; }

Box ReportEngine::onPaper(Box at) const
{
    const double s = frame_.scale;
    return {frame_.left + int(std::lround(at.x * s)), frame_.top + int(std::lround(at.y * s)),
            int(std::lround(at.width * s)), int(std::lround(at.height * s))};
}

Font ReportEngine::onPaper(const Font &font) const
{
    Font scaled = font;
    scaled.points = font.points * frame_.scale;
    return scaled;
}

void ReportEngine::startPage()
{
    queue_.newPage();
    pageOpen_ = true;
    y_ = 0;
    if (!hidden(layout_.pageHeader.hidden)) {
        place(layout_.pageHeader, y_);
        y_ += layout_.pageHeader.height;
    }
}

void ReportEngine::endPage()
{
    if (!pageOpen_)
        return;
    if (!hidden(layout_.pageFooter.hidden))
        place(layout_.pageFooter, footerTop());
    pageOpen_ = false;
}

void ReportEngine::printBand(const Band &band)
{
    if (hidden(band.hidden))
        return;
    endRow();
    if (!pageOpen_)
        startPage();
    const Laid laid = lay(band);
    // A band taller than a whole page still prints, clipped at the foot, rather than loop forever.
    if (y_ + laid.height > footerTop() && y_ > layout_.pageHeader.height) {
        endPage();
        startPage();
    }
    place(band, laid, y_);
    y_ += laid.height;
}

void ReportEngine::startDocument()
{
    endRow();
    endPage();
    queue_.fillPageCount(documentStart_);
    documentStart_ = queue_.count();
}

bool ReportEngine::breakGroup()
{
    if (!layout_.groupKey)
        return false;
    std::string key = layout_.groupKey();
    if (group_ == key)
        return false;
    if (group_)
        printBand(layout_.groupFooter);
    group_ = std::move(key);
    printBand(layout_.groupHeader);
    return true;
}

void ReportEngine::printDetail()
{
    breakGroup();
    if (layout_.columns > 1)
        printAcross(layout_.detail);
    else
        printBand(layout_.detail);
}

// The detail in the next column of the row; a new row (and page) when the last one is full.
void ReportEngine::printAcross(const Band &band)
{
    if (hidden(band.hidden))
        return;
    if (!pageOpen_)
        startPage();
    const Laid laid = lay(band);
    if (column_ == 0 && y_ + laid.height > footerTop() && y_ > layout_.pageHeader.height) {
        endPage();
        startPage();
    }
    place(band, laid, y_, column_ * layout_.columnPitch);
    rowHeight_ = std::max(rowHeight_, laid.height);
    if (++column_ == layout_.columns)
        endRow();
}

void ReportEngine::endRow()
{
    if (column_ == 0)
        return;
    y_ += rowHeight_;
    column_ = 0;
    rowHeight_ = 0;
}

void ReportEngine::closeGroup()
{
    if (group_)
        printBand(layout_.groupFooter);
    group_.reset();
}

void ReportEngine::finish()
{
    closeGroup();
    endRow();
    endPage();
    queue_.fillPageCount(documentStart_);
}

ReportEngine::Laid ReportEngine::lay(const Band &band) const
{
    Laid laid{band.height, {}};
    for (std::size_t i = 0; i < band.items.size(); ++i) {
        const Item &item = band.items[i];
        if (!item.wraps || hidden(item.hidden))
            continue;
        laid.lines.resize(band.items.size());
        const std::string text = item.kind == ItemKind::Field ? (item.value ? item.value() : std::string()) : item.text;
        laid.lines[i] = wrapText(item.font, item.at.width, text);
        const int grows = int(laid.lines[i].size() - 1) * lineHeight(item.font);
        laid.height = std::max(laid.height, band.height + grows);
    }
    return laid;
}

void ReportEngine::place(const Band &band, int top) { place(band, lay(band), top); }

void ReportEngine::place(const Band &band, const Laid &laid, int top, int left)
{
    for (std::size_t i = 0; i < band.items.size(); ++i) {
        const Item &item = band.items[i];
        if (hidden(item.hidden))
            continue;
        if (item.wraps)
            placeLines(item, laid.lines[i], top, left);
        else
            placeItem(item, top, left);
    }
}

void ReportEngine::placeLines(const Item &item, const std::vector<std::string> &lines, int top, int left)
{
    Box at = item.at;
    at.x += left;
    at.y += top;
    const int step = lineHeight(item.font);
    for (const std::string &line : lines) {
        queue_.addText(onPaper(at), onPaper(item.font), item.align, line);
        at.y += step;
    }
}

// A value wider than its box is made smaller, no smaller than SmallestFit of its size, and cut
// at a character when that is not enough; measured as it lands on the paper. A caption (fits
// false) is drawn as declared: a layout whose caption does not fit is mended in the layout.
void ReportEngine::placeText(const Item &item, Box at, std::string text, bool fits)
{
    const Box box = onPaper(at);
    Font font = onPaper(item.font);
    PageOp::Fit fit = PageOp::AsDeclared;
    // Within the box even at a full em per byte, or by its characters' own advances: no need to
    // shape it.
    const double em = font.points * 1000.0 / 72.0;
    if (fits && double(text.size()) * em > box.width && measure_.atMost(font, text) > box.width) {
        const double width = measure_.width(font, text);
        if (width > box.width) {
            const double smallest = font.points * SmallestFit;
            font.points = std::floor(font.points * box.width / width * 10) / 10;
            while (font.points > smallest && measure_.width(font, text) > box.width)
                font.points -= 0.1; // the type's sizes are whole pixels: a step more may be needed
            font.points = std::max(font.points, smallest);
            fit = PageOp::Shrunk;
            while (!text.empty() && measure_.width(font, text) > box.width) {
                std::size_t end = text.size() - 1;
                while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
                    --end; // a whole character, never part of one
                text.erase(end);
                fit = PageOp::Cut;
            }
        }
    }
    queue_.addText(box, font, item.align, text, false, fit);
}

void ReportEngine::placeItem(const Item &item, int top, int left)
{
    Box at = item.at;
    at.x += left;
    at.y += top;
    switch (item.kind) {
    case ItemKind::Text:
        placeText(item, at, item.text, false);
        break;
    case ItemKind::Title:
        placeText(item, at, title_ + (item.value ? item.value() : std::string()), false);
        break;
    case ItemKind::Field:
        placeText(item, at, item.value ? item.value() : std::string(), true);
        break;
    case ItemKind::PageNofM:
        queue_.addText(onPaper(at), onPaper(item.font), item.align, item.text, true);
        break;
    case ItemKind::Box:
        queue_.addRect(onPaper(at), std::max(1, int(std::lround(item.thickness * frame_.scale))));
        break;
    case ItemKind::Line:
        queue_.addLine(onPaper(at), std::max(1, int(std::lround(item.thickness * frame_.scale))));
        break;
    case ItemKind::Picture:
        if (const QImage *image = item.value ? pictureOf(item.value()) : nullptr)
            queue_.addImage(onPaper(at), *image);
        break;
    }
}

// Each file is read once per run; one that cannot be read leaves its frame empty.
const QImage *ReportEngine::pictureOf(const std::string &fileName)
{
    if (fileName.empty())
        return nullptr;
    auto found = pictures_.find(fileName);
    if (found == pictures_.end()) {
        QImageReader reader(QString::fromStdString(fileName));
        QImage image = reader.read();
        if (image.isNull())
            missing_.push_back(fileName);
        found = pictures_.emplace(fileName, std::move(image)).first;
    }
    return found->second.isNull() ? nullptr : &found->second;
}

} // namespace rpt
