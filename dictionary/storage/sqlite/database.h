// The one database of a data folder, every data file a table in it. A process keeps one
// connection to it, shared by every file open on it, so a unit of work or a file's own
// transaction is a plain transaction of that connection. Every station that has the database
// open holds its station lock, shared; an exclusive open takes it alone.
#pragma once

#include "dictionary/storage/recordfile.h"

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

namespace dict::storage::sqlite {

// "PRAGMA application_id" of our databases ("TQL1"): a database without it that holds tables
// belongs to someone else and is left alone.
inline constexpr std::int32_t ApplicationId = 0x54514C31;

class Database
{
public:
    // The database at path as this process has it open, opened now when it is not; nullptr with
    // error (an Err code, the last error set) when it cannot be. busyMs: how long a lock held by
    // another station is waited for while opening.
    static std::shared_ptr<Database> open(const std::string &path, OpenMode mode, int busyMs, int &error);
    // Makes an empty database at path when there is none; Err code. Refused, changing nothing,
    // when data files of an earlier build lie beside it.
    static int create(const std::string &path);
    // The journal of databases opened from now on.
    static void setJournal(Journal journal);

    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    sqlite3 *handle() const { return db_; }
    const std::string &path() const { return path_; }
    bool readOnly() const { return readOnly_; }
    void setBusyWait(int ms);

    // Transactions nest: the outermost takes the write lock at once (waiting for a busy station)
    // and commits or rolls back everything; an inner level rolled back dooms the whole. A commit
    // that fails has rolled back itself.
    int begin();
    int commit();
    int rollback();
    int depth() const { return depth_; }
    // Levels rolled back so far: rows read ahead before one may be gone.
    std::uint64_t undone() const { return undone_; }

    // A table whose layout this connection found to be ours, at the schema version it had then:
    // while the version stays, opening the table again need not look at the schema again.
    bool verified(const std::string &table, int schemaVersion) const;
    void setVerified(const std::string &table, int schemaVersion) { verified_[table] = schemaVersion; }

private:
    Database(std::string path, std::string key);
    int connect(OpenMode mode, int busyMs);
    int checkOurs();
    int holdExclusively();
    void shareStations(); // back to sharing the station lock
    int exec(const char *sql);
    int run(const std::string &sql); // a transaction statement, prepared once
    int fail(int rc);
    int transactionLost();

    std::string path_;
    std::string key_; // absolute path, the registry's key
    sqlite3 *db_ = nullptr;
    int stationLock_ = -1; // descriptor of the station-lock file, -1 when none could be had
    bool readOnly_ = false;
    bool exclusive_ = false;
    int depth_ = 0;
    bool doomed_ = false;
    std::uint64_t undone_ = 0;
    std::unordered_map<std::string, sqlite3_stmt *> transactionStatements_;
    std::unordered_map<std::string, int> verified_;
};

} // namespace dict::storage::sqlite
