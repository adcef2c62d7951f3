// One data file stored as a table of the data folder's database, with one index per key.
#pragma once

#include "dictionary/storage/recordfile.h"
#include "dictionary/storage/sqlite/connection.h"
#include "dictionary/storage/sqlite/database.h"
#include "dictionary/storage/sqlite/sqltext.h"

#include <chrono>
#include <functional>
#include <memory>

namespace dict::storage::sqlite {

// Rows read ahead by a cursor, in the order they will be handed out.
struct RowBlock {
    std::size_t recordSize = 0;
    std::size_t count = 0;
    std::vector<char> bytes;
    std::vector<std::string> memos;
    std::vector<Position> positions;
    std::vector<std::int64_t> versions;

    void clear() { count = 0; }
    const char *record(std::size_t i) const { return bytes.data() + i * recordSize; }
};

class SqliteFile final : public RecordFile
{
public:
    SqliteFile(const FileDef &def, std::string path);
    ~SqliteFile() override;

    const FileDef &def() const override { return def_; }
    const std::string &path() const override { return path_; }

    int open(OpenMode mode) override;
    int create() override;
    void close() override;
    bool isOpen() const override { return database_ != nullptr; }
    bool readOnly() const override { return readOnly_; }
    void sendOption(std::string_view option) override;
    int buildKeys() override;

    int get(int key, RecordBuffer buffer, Current &current) override;
    int reget(Position position, RecordBuffer buffer, Current &current) override;
    std::unique_ptr<Cursor> cursor(int firstBatch = 16) override;
    Current currentOf(const Cursor &cursor) const override;

    int add(RecordBuffer buffer, Current &current) override;
    int put(RecordBuffer buffer, Current &current) override;
    int remove(const Current &current) override;
    int duplicateKey(const void *record, Position self) override;

    std::int64_t records() override;
    std::int64_t bytes() override;
    int empty() override;
    DataVersion dataVersion() override;

    void refuseWrites(bool refuse) override { refused_ += refuse ? 1 : -1; }
    int begin() override;
    int commit() override;
    int rollback() override;
    bool inTransaction() const override { return depth_ > 0; }

    // Reads up to limit rows from an anchor into rows; Err code.
    int fetch(int key, Seek seek, bool backwards, const void *anchor, Position anchorPosition, int limit,
              RowBlock &rows);
    // Bumped by every write and by every rollback of the database, so read-ahead rows are not reused.
    std::uint64_t changeCount() const { return changes_ + (database_ ? database_->undone() : 0); }

    const std::shared_ptr<Database> &database() const { return database_; }
    // Inside a transaction, where an update may follow: a cursor's record is remembered.
    bool writing() const { return database_ && database_->depth() > 0; }
    void remember(const Current &current, RecordBuffer buffer);
    void forget();
    // Membership of a unit of work, which is a transaction of the database.
    void joinUnit();
    void leaveUnit();
    bool inUnit() const { return inUnit_; }

private:
    Connection &active() { return *statements_; }
    int verifyLayout();
    int verifyLayoutInTransaction();
    // The cached statement for a code, or nullptr with error set (file not open, bad SQL).
    sqlite3_stmt *prepared(int statementCode, const std::function<std::string()> &makeSql, int &error);
    int readOne(sqlite3_stmt *stmt, RecordBuffer buffer, Current &current);
    int fail(int rc, bool reading = false);
    // Err::None when this file may be written now.
    int writable() const;
    int exec(const char *sql);
    void bindRecord(sqlite3_stmt *stmt, RecordBuffer buffer) const;
    // One mark per field, then one for the memo: '1' where buffer differs from the stored record.
    std::string changedFields(RecordBuffer buffer, const char *stored, const Memo &storedMemo) const;
    int bindChanged(sqlite3_stmt *stmt, RecordBuffer buffer, const std::string &changed) const; // next index
    int bindKey(sqlite3_stmt *stmt, int key, const void *record, int first) const;
    void decode(sqlite3_stmt *stmt, RecordBuffer buffer, Current &current) const;
    bool keyBlank(int key, const void *record) const;

    const FileDef &def_;
    std::string path_; // of the database
    SqlText sql_;
    std::shared_ptr<Database> database_;
    std::unique_ptr<Connection> statements_;
    // The record last read or written, as stored: an update compares the caller's buffer with it
    // to write only what changed, and reads the record first only when it is not this one.
    struct Known {
        Position position = 0;
        std::int64_t version = -1;
        std::vector<char> bytes;
        Memo memo;
    } known_;
    bool inUnit_ = false;
    bool readOnly_ = false;
    int busyMs_ = 250;
    int depth_ = 0;
    int refused_ = 0;
    std::uint64_t changes_ = 0;
};

} // namespace dict::storage::sqlite
