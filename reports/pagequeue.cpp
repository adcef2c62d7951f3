#include "reports/pagequeue.h"

#include "reports/papersize.h"

#include <QSizeF>

#include <algorithm>
#include <cmath>

namespace rpt {

namespace {
// The paper in report units, from the units it is defined in (A4 in millimetres, Letter in
// inches), which Qt does not round.
QSizeF reportSize(const QPageSize &size) { return size.definitionSize() * reportUnitsPer(size.definitionUnits()); }
} // namespace

int PageQueue::pageWidth() const
{
    const QSizeF size = reportSize(size_);
    return int(std::lround(landscape_ ? size.height() : size.width()));
}

int PageQueue::pageHeight() const
{
    const QSizeF size = reportSize(size_);
    return int(std::lround(landscape_ ? size.width() : size.height()));
}

Page &PageQueue::newPage()
{
    // The next page of a report is much like the last: room for as much from the start.
    const std::size_t ops = pages_.empty() ? 0 : pages_.back().ops.size();
    const std::size_t texts = pages_.empty() ? 0 : pages_.back().texts.size();
    Page &page = pages_.emplace_back();
    page.ops.reserve(ops);
    page.texts.reserve(texts);
    return page;
}

std::uint16_t PageQueue::fontIndex(const Font &font)
{
    if (!fonts_.empty() && fonts_[lastFont_] == font) // runs of texts in one font are the rule
        return lastFont_;
    const auto found = std::find(fonts_.begin(), fonts_.end(), font);
    lastFont_ = std::uint16_t(found - fonts_.begin());
    if (found == fonts_.end())
        fonts_.push_back(font);
    return lastFont_;
}

void PageQueue::addText(Box at, const Font &font, Align align, std::string_view text, bool pageCount, PageOp::Fit fit)
{
    Page &page = pages_.back();
    page.ops.push_back({PageOp::Text, align, pageCount, fontIndex(font), std::uint32_t(page.texts.size()),
                        std::uint32_t(text.size()), at, fit});
    page.texts += text;
}

void PageQueue::addLine(Box at, int thickness)
{
    pages_.back().ops.push_back({PageOp::Line, Align::Left, false, std::uint16_t(thickness), 0, 0, at});
}

void PageQueue::addRect(Box at, int thickness)
{
    pages_.back().ops.push_back({PageOp::Rect, Align::Left, false, std::uint16_t(thickness), 0, 0, at});
}

void PageQueue::addImage(Box at, QImage image)
{
    // A logo repeated on every page is kept once.
    auto found = std::find_if(images_.begin(), images_.end(),
                              [&](const QImage &kept) { return kept.cacheKey() == image.cacheKey(); });
    if (found == images_.end())
        found = images_.insert(images_.end(), std::move(image));
    pages_.back().ops.push_back({PageOp::Image, Align::Left, false, 0, std::uint32_t(found - images_.begin()), 0, at});
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
    for (std::size_t n = from; n < pages_.size(); ++n)
        fillPageCount(pages_[n], std::to_string(n - from + 1), total);
}

// The page's texts are laid out again, as the filled-in ones change their length.
void PageQueue::fillPageCount(Page &page, const std::string &number, const std::string &total)
{
    if (std::none_of(page.ops.begin(), page.ops.end(), [](const PageOp &op) { return op.pageCount; }))
        return;
    std::string texts;
    texts.reserve(page.texts.size() + 16);
    for (PageOp &op : page.ops) {
        if (op.kind != PageOp::Text)
            continue;
        std::string text(PageQueue::text(page, op));
        if (op.pageCount) {
            replaceAll(text, "%n", number);
            replaceAll(text, "%m", total);
            op.pageCount = false;
        }
        op.index = std::uint32_t(texts.size());
        op.length = std::uint32_t(text.size());
        texts += text;
    }
    page.texts = std::move(texts);
}

} // namespace rpt
