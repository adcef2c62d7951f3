// The "Tps" record-file driver on SQLite, and its units of work: the files of a unit are attached
// to one connection, whose rollback journal commits all of them or none (a super-journal).
#include "dictionary/runtimeerror.h"
#include "dictionary/storage/recordfile.h"
#include "dictionary/storage/sqlite/sqlitefile.h"

#include <algorithm>

namespace dict::storage {

namespace sqlite {
namespace {

constexpr int MaxAttached = 10; // SQLite's compiled-in limit of attached databases

class SqliteUnit final : public Unit
{
public:
    SqliteUnit(sqlite3 *db, std::vector<SqliteFile *> files)
        : db_(db)
        , files_(std::move(files))
    {}
    ~SqliteUnit() override { rollback(); }

    int commit() override
    {
        if (!db_)
            return Err::None;
        const int rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) {
            setDriverError(std::to_string(rc), sqlite3_errmsg(db_));
            rollback();
            return Err::DriverError;
        }
        finish();
        return Err::None;
    }

    int rollback() override
    {
        if (!db_)
            return Err::None;
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        finish();
        return Err::None;
    }

private:
    void finish()
    {
        for (SqliteFile *file : files_)
            file->leaveUnit(); // finalizes the file's statements on this connection
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }

    sqlite3 *db_;
    std::vector<SqliteFile *> files_;
};

int unitFailure(sqlite3 *db)
{
    setDriverError(std::to_string(sqlite3_extended_errcode(db)), sqlite3_errmsg(db));
    sqlite3_close_v2(db);
    return Err::DriverError;
}

class SqliteDriver final : public Driver
{
public:
    std::string_view name() const override { return "Tps"; }

    std::unique_ptr<RecordFile> file(const FileDef &def, std::string path) override
    {
        return std::make_unique<SqliteFile>(def, std::move(path));
    }

    std::unique_ptr<Unit> beginUnit(const std::vector<RecordFile *> &files) override
    {
        std::vector<SqliteFile *> members;
        for (RecordFile *file : files) {
            auto *member = static_cast<SqliteFile *>(file);
            if (!member->isOpen() || member->inUnit() || member->inTransaction()) {
                setLastError(member->isOpen() ? Err::AccessDenied : Err::FileNotOpen);
                return nullptr;
            }
            if (std::find(members.begin(), members.end(), member) == members.end())
                members.push_back(member);
        }
        if (members.empty() || members.size() > MaxAttached + 1) {
            setDriverError("0", "a unit of work spans 1 to 11 files");
            return nullptr;
        }
        // Always the same order of locking, so two stations' units cannot wait on each other.
        std::sort(members.begin(), members.end(),
                  [](SqliteFile *a, SqliteFile *b) { return a->def().id < b->def().id; });
        sqlite3 *db = nullptr;
        if (sqlite3_open_v2(members.front()->path().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            unitFailure(db);
            return nullptr;
        }
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, 10000);
        std::vector<std::string> schemas{"main"};
        for (std::size_t i = 1; i < members.size(); ++i) {
            schemas.push_back("f" + std::to_string(i));
            const std::string attach = "ATTACH DATABASE ? AS " + schemas.back();
            sqlite3_stmt *stmt = nullptr;
            sqlite3_prepare_v2(db, attach.c_str(), -1, &stmt, nullptr);
            sqlite3_bind_text(stmt, 1, members[i]->path().c_str(), -1, SQLITE_TRANSIENT);
            const int rc = sqlite3_step(stmt);
            sqlite3_finalize(stmt);
            if (rc != SQLITE_DONE) {
                unitFailure(db);
                return nullptr;
            }
        }
        sqlite3_exec(db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
        if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
            unitFailure(db);
            return nullptr;
        }
        for (std::size_t i = 0; i < members.size(); ++i)
            members[i]->joinUnit(db, schemas[i]);
        return std::make_unique<SqliteUnit>(db, std::move(members));
    }
};

} // namespace
} // namespace sqlite

Driver &sqliteDriver()
{
    static sqlite::SqliteDriver driver;
    return driver;
}

} // namespace dict::storage
