#include "reports/reportengine.h"

#include "reports/pagepainter.h"

#include <QImageReader>
#include <QString>

#include <algorithm>

namespace rpt {

namespace {
bool hidden(const Condition &condition) { return condition && condition(); }
} // namespace

int ReportEngine::footerTop() const
{
    return queue_.pageHeight() - layout_.margin - layout_.pageFooter.height;
}

void ReportEngine::startPage()
{
    queue_.newPage();
    pageOpen_ = true;
    y_ = layout_.margin;
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
    if (y_ + laid.height > footerTop() && y_ > layout_.margin + layout_.pageHeader.height) {
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
    if (column_ == 0 && y_ + laid.height > footerTop() && y_ > layout_.margin + layout_.pageHeader.height) {
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
        queue_.addText(at, item.font, item.align, line);
        at.y += step;
    }
}

void ReportEngine::placeItem(const Item &item, int top, int left)
{
    Box at = item.at;
    at.x += left;
    at.y += top;
    switch (item.kind) {
    case ItemKind::Text:
        queue_.addText(at, item.font, item.align, item.text);
        break;
    case ItemKind::Field:
        queue_.addText(at, item.font, item.align, item.value ? item.value() : std::string());
        break;
    case ItemKind::PageNofM:
        queue_.addText(at, item.font, item.align, item.text, true);
        break;
    case ItemKind::Box:
        queue_.addRect(at, item.thickness);
        break;
    case ItemKind::Line:
        queue_.addLine(at, item.thickness);
        break;
    case ItemKind::Picture:
        if (const QImage *image = item.value ? pictureOf(item.value()) : nullptr)
            queue_.addImage(at, *image);
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
