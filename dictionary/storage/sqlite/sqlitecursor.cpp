#include "dictionary/storage/sqlite/sqlitecursor.h"

#include "dictionary/runtimeerror.h"

#include <algorithm>
#include <cstring>

namespace dict::storage::sqlite {

namespace {
constexpr int LargestBatch = 1024;
constexpr auto ReadAheadLife = std::chrono::milliseconds(300);
} // namespace

SqliteCursor::SqliteCursor(SqliteFile &file, int firstBatch)
    : file_(file)
    , anchorRecord_(file.def().recordSize)
    , firstBatch_(std::max(1, firstBatch))
    , batch_(firstBatch_)
{}

std::unique_ptr<Cursor> SqliteCursor::clone() const
{
    auto copy = std::make_unique<SqliteCursor>(file_, firstBatch_);
    copy->key_ = key_;
    copy->anchor_ = anchor_;
    copy->anchorRecord_ = anchorRecord_;
    copy->anchorPosition_ = anchorPosition_;
    copy->current_ = current_;
    if (nextRow_ > 0) { // the copy goes on from the last row handed out
        const char *row = rows_.record(nextRow_ - 1);
        copy->anchorRecord_.assign(row, row + rows_.recordSize);
        copy->anchor_ = Anchor::After;
        copy->anchorPosition_ = rows_.positions[nextRow_ - 1];
    }
    return copy;
}

void SqliteCursor::reset(int key, Anchor anchor)
{
    key_ = key;
    anchor_ = anchor;
    rows_.clear();
    nextRow_ = 0;
    filled_ = false;
    exhausted_ = false;
    batch_ = firstBatch_;
}

void SqliteCursor::setStart(int key) { reset(key, Anchor::Start); }

void SqliteCursor::setEnd(int key) { reset(key, Anchor::End); }

void SqliteCursor::setAt(int key, const void *record)
{
    reset(key, key < 0 ? Anchor::Start : Anchor::Value);
    std::memcpy(anchorRecord_.data(), record, anchorRecord_.size());
}

void SqliteCursor::setAfter(int key, const void *record, Position position)
{
    reset(key, Anchor::After);
    std::memcpy(anchorRecord_.data(), record, anchorRecord_.size());
    anchorPosition_ = position;
}

bool SqliteCursor::readAheadUsable(bool backwards) const
{
    return filled_ && rowsBackwards_ == backwards && rowsChangeCount_ == file_.changeCount()
           && std::chrono::steady_clock::now() - rowsTime_ < ReadAheadLife;
}

void SqliteCursor::anchorOnLastRow()
{
    if (nextRow_ > 0) {
        const char *row = rows_.record(nextRow_ - 1);
        std::copy(row, row + rows_.recordSize, anchorRecord_.begin());
        anchorPosition_ = rows_.positions[nextRow_ - 1];
        anchor_ = Anchor::After;
    }
    rows_.clear();
    nextRow_ = 0;
    filled_ = false;
    exhausted_ = false;
}

int SqliteCursor::read(bool backwards, RecordBuffer buffer)
{
    if (!readAheadUsable(backwards)) {
        if (filled_ && rowsBackwards_ != backwards)
            batch_ = firstBatch_;
        else if (filled_ && nextRow_ < rows_.count)
            // Dropped with rows unread (a write came between reads): read about as far ahead as
            // was used, so a pass that writes as it goes does not read a grown batch per write.
            batch_ = std::clamp(2 * static_cast<int>(nextRow_), firstBatch_, LargestBatch);
        anchorOnLastRow();
    }
    if (nextRow_ == rows_.count) {
        if (!exhausted_) {
            anchorOnLastRow();
            if ((anchor_ == Anchor::Start && backwards) || (anchor_ == Anchor::End && !backwards)) {
                exhausted_ = true;
            } else {
                const Seek seek = anchor_ == Anchor::After ? Seek::After
                                  : anchor_ == Anchor::Value ? Seek::AtValue : Seek::All;
                if (const int result = file_.fetch(key_, seek, backwards, anchorRecord_.data(), anchorPosition_,
                                                   batch_, rows_);
                    result != Err::None)
                    return result;
                exhausted_ = static_cast<int>(rows_.count) < batch_;
                batch_ = std::min(batch_ * 2, LargestBatch);
            }
            filled_ = true;
            rowsBackwards_ = backwards;
            rowsChangeCount_ = file_.changeCount();
            rowsTime_ = std::chrono::steady_clock::now();
        }
        if (nextRow_ == rows_.count) {
            setLastError(Err::NoCurrentRecord);
            return Err::NoCurrentRecord;
        }
    }
    std::memcpy(buffer.bytes, rows_.record(nextRow_), rows_.recordSize);
    if (buffer.memo && !rows_.memos.empty())
        *buffer.memo = rows_.memos[nextRow_];
    current_ = {rows_.positions[nextRow_], rows_.versions[nextRow_]};
    if (file_.writing())
        file_.remember(current_, buffer);
    ++nextRow_;
    return Err::None;
}

} // namespace dict::storage::sqlite
