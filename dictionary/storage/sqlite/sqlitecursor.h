// Sequential reading in key order, with rows read ahead in growing batches. Read-ahead rows are
// dropped after any write through this file and after a short time, so other stations' changes
// show up promptly.
#pragma once

#include "dictionary/storage/sqlite/sqlitefile.h"

#include <chrono>

namespace dict::storage::sqlite {

class SqliteCursor final : public Cursor
{
public:
    SqliteCursor(SqliteFile &file, int firstBatch);

    void setStart(int key) override;
    void setEnd(int key) override;
    void setAt(int key, const void *record) override;
    void setAfter(int key, const void *record, Position position) override;
    int next(RecordBuffer buffer) override { return read(false, buffer); }
    int previous(RecordBuffer buffer) override { return read(true, buffer); }
    Position position() const override { return current_.position; }
    int key() const override { return key_; }
    std::unique_ptr<Cursor> clone() const override;

    Current current() const { return current_; }

private:
    enum class Anchor : std::uint8_t { Start, End, Value, After };

    int read(bool backwards, RecordBuffer buffer);
    bool readAheadUsable(bool backwards) const;
    void anchorOnLastRow();
    void reset(int key, Anchor anchor);

    SqliteFile &file_;
    int key_ = -1;
    Anchor anchor_ = Anchor::Start;
    std::vector<char> anchorRecord_;
    Position anchorPosition_ = 0;
    Current current_;

    RowBlock rows_;
    std::size_t nextRow_ = 0;
    bool rowsBackwards_ = false;
    bool exhausted_ = false;
    bool filled_ = false;
    int firstBatch_;
    int batch_;
    std::uint64_t rowsChangeCount_ = 0;
    std::chrono::steady_clock::time_point rowsTime_;
};

} // namespace dict::storage::sqlite
