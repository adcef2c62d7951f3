#include "framework/browsepage.h"

#include "dictionary/errorreporter.h"

#include <algorithm>
#include <cstring>

namespace fw {

BrowsePage::BrowsePage(ViewManager &view, RowMaker makeRow)
    : view_(view)
    , makeRow_(std::move(makeRow))
{}

const BrowseRow *BrowsePage::current() const
{
    return selected_ >= 0 && selected_ < static_cast<int>(rows_.size()) ? &rows_[selected_] : nullptr;
}

bool BrowsePage::select(int row)
{
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return false;
    selected_ = row;
    return true;
}

void BrowsePage::clear()
{
    rows_.clear();
    selected_ = -1;
}

void BrowsePage::toBuffer(const BrowseRow &row) const
{
    dict::storage::RecordBuffer buffer = view_.File().Buffer();
    std::memcpy(buffer.bytes, row.record.data(), row.record.size());
    if (buffer.memo)
        *buffer.memo = row.memo;
}

// --- reading ------------------------------------------------------------------------------------

std::vector<BrowseRow> BrowsePage::forward(int count)
{
    std::vector<BrowseRow> rows;
    while (static_cast<int>(rows.size()) < count && view_.Next() == dict::Benign)
        rows.push_back(makeRow_());
    return rows;
}

std::vector<BrowseRow> BrowsePage::backward(int count)
{
    std::vector<BrowseRow> rows;
    while (static_cast<int>(rows.size()) < count && view_.Previous() == dict::Benign)
        rows.push_back(makeRow_());
    std::reverse(rows.begin(), rows.end());
    return rows;
}

std::vector<BrowseRow> BrowsePage::forwardAfter(const BrowseRow &row, int count)
{
    toBuffer(row);
    view_.SetAfter(row.position);
    return forward(count);
}

std::vector<BrowseRow> BrowsePage::backwardBefore(const BrowseRow &row, int count)
{
    toBuffer(row);
    view_.SetAfter(row.position);
    return backward(count);
}

std::vector<BrowseRow> BrowsePage::backwardFromEnd(int count)
{
    view_.SetEnd();
    return backward(count);
}

// A page that ends short of its size (near the end of the view) takes rows from before it.
void BrowsePage::fillUp()
{
    const int missing = size_ - static_cast<int>(rows_.size());
    if (missing <= 0 || rows_.empty())
        return;
    std::vector<BrowseRow> before = backwardBefore(rows_.front(), missing);
    selected_ += static_cast<int>(before.size());
    rows_.insert(rows_.begin(), std::make_move_iterator(before.begin()), std::make_move_iterator(before.end()));
}

// --- moves --------------------------------------------------------------------------------------

void BrowsePage::first()
{
    view_.SetStart();
    rows_ = forward(size_);
    selected_ = rows_.empty() ? -1 : 0;
}

void BrowsePage::last()
{
    rows_ = backwardFromEnd(size_);
    selected_ = static_cast<int>(rows_.size()) - 1;
}

void BrowsePage::locate()
{
    view_.SetAt();
    rows_ = forward(size_);
    if (rows_.empty()) {
        last();
        return;
    }
    selected_ = 0;
    fillUp();
}

void BrowsePage::around(const BrowseRow &anchor, int screenRow)
{
    screenRow = std::clamp(screenRow, 0, size_ - 1);
    // One row before the anchor is always read: reading on after it includes the anchor itself.
    std::vector<BrowseRow> before = backwardBefore(anchor, std::max(screenRow, 1));
    std::vector<BrowseRow> after;
    if (before.empty()) {
        view_.SetStart();
        after = forward(size_);
    } else {
        after = forwardAfter(before.back(), size_);
    }
    const int keep = std::min<int>(screenRow, static_cast<int>(before.size()));
    rows_.assign(std::make_move_iterator(before.end() - keep), std::make_move_iterator(before.end()));
    selected_ = keep;
    for (BrowseRow &row : after) {
        if (static_cast<int>(rows_.size()) == size_)
            break;
        rows_.push_back(std::move(row));
    }
    if (selected_ >= static_cast<int>(rows_.size()))
        selected_ = static_cast<int>(rows_.size()) - 1;
    fillUp();
}

bool BrowsePage::scrollOne(bool down)
{
    if (rows_.empty())
        return false;
    const int last = static_cast<int>(rows_.size()) - 1;
    if (down ? selected_ < last : selected_ > 0) {
        selected_ += down ? 1 : -1;
        return true;
    }
    std::vector<BrowseRow> more = down ? forwardAfter(rows_.back(), 1) : backwardBefore(rows_.front(), 1);
    if (more.empty())
        return false;
    if (down) {
        if (static_cast<int>(rows_.size()) == size_)
            rows_.erase(rows_.begin());
        rows_.push_back(std::move(more.front()));
        selected_ = static_cast<int>(rows_.size()) - 1;
    } else {
        if (static_cast<int>(rows_.size()) == size_)
            rows_.pop_back();
        rows_.insert(rows_.begin(), std::move(more.front()));
        selected_ = 0;
    }
    return true;
}

bool BrowsePage::scrollPage(bool down)
{
    if (rows_.empty())
        return false;
    std::vector<BrowseRow> more = down ? forwardAfter(rows_.back(), size_) : backwardBefore(rows_.front(), size_);
    if (more.empty()) {
        // Already the first or last page: the highlight goes to its end.
        const int end = down ? static_cast<int>(rows_.size()) - 1 : 0;
        const bool moved = selected_ != end;
        selected_ = end;
        return moved;
    }
    // A whole page further on keeps the highlight on the same screen row; a part page ends the
    // view, so the page shows its last (or first) rows and the highlight goes there.
    const bool whole = static_cast<int>(more.size()) == size_;
    if (down) {
        rows_.insert(rows_.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
        rows_.erase(rows_.begin(), rows_.end() - std::min<int>(size_, static_cast<int>(rows_.size())));
        if (!whole)
            selected_ = static_cast<int>(rows_.size()) - 1;
    } else {
        rows_.insert(rows_.begin(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
        if (static_cast<int>(rows_.size()) > size_)
            rows_.resize(size_);
        if (!whole)
            selected_ = 0;
    }
    selected_ = std::min(selected_, static_cast<int>(rows_.size()) - 1);
    return true;
}

} // namespace fw
