#include "reports/pagequeue.h"

#include <QSizeF>

#include <algorithm>
#include <cmath>

namespace rpt {

int PageQueue::pageWidth() const { return int(std::lround(size_.size(QPageSize::Inch).width() * 1000)); }

int PageQueue::pageHeight() const { return int(std::lround(size_.size(QPageSize::Inch).height() * 1000)); }

Page &PageQueue::newPage() { return pages_.emplace_back(); }

std::uint16_t PageQueue::fontIndex(const Font &font)
{
    const auto found = std::find(fonts_.begin(), fonts_.end(), font);
    if (found != fonts_.end())
        return std::uint16_t(found - fonts_.begin());
    fonts_.push_back(font);
    return std::uint16_t(fonts_.size() - 1);
}

void PageQueue::addText(Box at, const Font &font, Align align, std::string text, bool pageCount)
{
    Page &page = pages_.back();
    page.ops.push_back({PageOp::Text, align, pageCount, fontIndex(font), std::uint32_t(page.texts.size()), at});
    page.texts.push_back(std::move(text));
}

void PageQueue::addLine(Box at, int thickness)
{
    pages_.back().ops.push_back({PageOp::Line, Align::Left, false, std::uint16_t(thickness), 0, at});
}

void PageQueue::addRect(Box at, int thickness)
{
    pages_.back().ops.push_back({PageOp::Rect, Align::Left, false, std::uint16_t(thickness), 0, at});
}

void PageQueue::addImage(Box at, QImage image)
{
    // A logo repeated on every page is kept once.
    auto found = std::find_if(images_.begin(), images_.end(),
                              [&](const QImage &kept) { return kept.cacheKey() == image.cacheKey(); });
    if (found == images_.end())
        found = images_.insert(images_.end(), std::move(image));
    pages_.back().ops.push_back({PageOp::Image, Align::Left, false, 0, std::uint32_t(found - images_.begin()), at});
}

namespace {
void replaceAll(std::string &text, const std::string &from, const std::string &to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}
} // namespace

void PageQueue::fillPageCount(int first)
{
    const std::size_t from = std::size_t(std::max(first, 0));
    const std::string total = std::to_string(pages_.size() - std::min(from, pages_.size()));
    for (std::size_t n = from; n < pages_.size(); ++n) {
        for (PageOp &op : pages_[n].ops) {
            if (!op.pageCount)
                continue;
            std::string &text = pages_[n].texts[op.index];
            replaceAll(text, "%n", std::to_string(n - from + 1));
            replaceAll(text, "%m", total);
            op.pageCount = false;
        }
    }
}

} // namespace rpt
