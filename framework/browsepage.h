// The page of a browse list: the rows on screen, read through a view in its current order, and
// the moves of the highlight (by row, by page, to either end, to a key value, back to a record).
// Only the rows of one page are ever read, so every move costs the same on any size of file.
#pragma once

#include "dictionary/storage/recordfile.h"
#include "framework/stepclass.h"
#include "framework/viewmanager.h"

#include <functional>
#include <string>
#include <vector>

namespace fw {

// One row: the record as it was read, its position, and the values of the list's queue fields.
struct BrowseRow
{
    dict::storage::Position position = 0;
    std::vector<char> record;
    std::string memo;
    std::vector<StepValue> queue;
};

class BrowsePage
{
public:
    // makeRow builds a row from the record just read into the file's buffer.
    using RowMaker = std::function<BrowseRow()>;
    BrowsePage(ViewManager &view, RowMaker makeRow);

    void setSize(int rows) { size_ = rows < 1 ? 1 : rows; }
    int size() const { return size_; }
    const std::vector<BrowseRow> &rows() const { return rows_; }
    int selected() const { return selected_; } // -1 when the page is empty
    const BrowseRow *current() const;
    bool select(int row);

    void first();
    void last();
    // The first record at or after the key value in the file's buffer, at the top of the page.
    void locate();
    // Reloads the page around a record (as it is in anchor), keeping it on screen row `screenRow`;
    // when the record has gone, its successor takes its place.
    void around(const BrowseRow &anchor, int screenRow);
    // Each returns false when there was nowhere to go.
    bool scrollOne(bool down);
    bool scrollPage(bool down);
    void clear();

    // Puts a row's record back into the file's buffer.
    void toBuffer(const BrowseRow &row) const;

private:
    std::vector<BrowseRow> forward(int count);
    std::vector<BrowseRow> forwardAfter(const BrowseRow &row, int count);
    std::vector<BrowseRow> backwardBefore(const BrowseRow &row, int count);
    std::vector<BrowseRow> backwardFromEnd(int count);
    std::vector<BrowseRow> backward(int count);
    void fillUp();

    ViewManager &view_;
    RowMaker makeRow_;
    std::vector<BrowseRow> rows_;
    int size_ = 10;
    int selected_ = -1;
};

} // namespace fw
