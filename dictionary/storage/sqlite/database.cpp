#include "dictionary/storage/sqlite/database.h"

#include "dictionary/runtimeerror.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <map>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace dict::storage::sqlite {

namespace {

namespace fs = std::filesystem;

constexpr int RecoverMs = 10000; // the busy wait of every operation once the database is open
Journal journalOfNewOpens = Journal::Rollback;

// The databases this process has open, by absolute path: every file on one shares it. Never
// destroyed: files still open at exit close their database after other statics are gone.
std::map<std::string, std::weak_ptr<Database>> &openDatabases()
{
    static auto *databases = new std::map<std::string, std::weak_ptr<Database>>;
    return *databases;
}

std::string folderOf(const std::string &path)
{
    const std::string folder = fs::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

// A data file of a build that kept each file apart ("data/customer.tps"), if any lies in folder.
std::string earlierBuildFile(const std::string &folder)
{
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(folder, ec))
        if (entry.path().extension() == ".tps")
            return entry.path().string();
    return {};
}

enum class Lock { Taken, Refused, Unsupported };

// flock() on the station-lock file, waiting up to waitMs while another station holds it.
Lock lockStations(int fd, int operation, int waitMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (::flock(fd, operation | LOCK_NB) == 0)
            return Lock::Taken;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return Lock::Unsupported; // a folder whose file system has no such locks
        if (std::chrono::steady_clock::now() >= deadline)
            return Lock::Refused;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace

void Database::setJournal(Journal journal) { journalOfNewOpens = journal; }

Database::Database(std::string path, std::string key)
    : path_(std::move(path))
    , key_(std::move(key))
{}

Database::~Database()
{
    for (auto &[sql, stmt] : transactionStatements_)
        sqlite3_finalize(stmt);
    if (db_)
        sqlite3_close_v2(db_);
    if (stationLock_ >= 0)
        ::close(stationLock_); // lets the station lock go
    auto &databases = openDatabases();
    if (auto it = databases.find(key_); it != databases.end() && it->second.expired())
        databases.erase(it);
}

std::shared_ptr<Database> Database::open(const std::string &path, OpenMode mode, int busyMs, int &error)
{
    std::error_code ec;
    const std::string key = fs::absolute(path, ec).lexically_normal().string();
    if (auto open = openDatabases()[key].lock()) {
        error = Err::None;
        if (mode == OpenMode::Exclusive && !open->exclusive_)
            error = open->holdExclusively();
        else if (mode != OpenMode::ReadOnlyShared && open->readOnly_)
            setLastError(error = Err::AccessDenied);
        return error == Err::None ? open : nullptr;
    }
    if (!fs::exists(path, ec)) {
        setLastError(error = Err::FileNotFound);
        return nullptr;
    }
    std::shared_ptr<Database> database(new Database(path, key));
    if ((error = database->connect(mode, busyMs)) != Err::None)
        return nullptr;
    openDatabases()[key] = database;
    return database;
}

int Database::create(const std::string &path)
{
    std::error_code ec;
    if (fs::exists(path, ec))
        return Err::None;
    const std::string folder = folderOf(path);
    if (const std::string earlier = earlierBuildFile(folder); !earlier.empty()) {
        setDriverError("0", earlier + " is a data file of an earlier build, which this build does not read; its data "
                                      "would be in " + path + ". Nothing was changed");
        return Err::DriverError;
    }
    fs::create_directories(folder, ec);
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK) {
        // Stamped ours at once; another station creating it meanwhile stamps it the same.
        sqlite3_busy_timeout(db, RecoverMs);
        const std::string stamp = "PRAGMA application_id=" + std::to_string(ApplicationId);
        rc = sqlite3_exec(db, stamp.c_str(), nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK)
        setDriverError(std::to_string(rc), db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    sqlite3_close_v2(db);
    return rc == SQLITE_OK ? Err::None : Err::DriverError;
}

int Database::connect(OpenMode mode, int busyMs)
{
    const bool writable = ::access(path_.c_str(), W_OK) == 0 && ::access(folderOf(path_).c_str(), W_OK) == 0;
    if (mode != OpenMode::ReadOnlyShared && !writable)
        return setLastError(Err::AccessDenied), Err::AccessDenied;
    readOnly_ = !writable;
    stationLock_ = ::open((path_ + "-stations").c_str(), (writable ? O_RDWR | O_CREAT : O_RDONLY) | O_CLOEXEC, 0666);
    if (stationLock_ >= 0) {
        const Lock lock = lockStations(stationLock_, mode == OpenMode::Exclusive ? LOCK_EX : LOCK_SH, busyMs);
        if (lock == Lock::Refused)
            return setLastError(Err::AccessDenied, "another station holds the database for itself"), Err::AccessDenied;
        if (lock == Lock::Unsupported)
            ::close(stationLock_), stationLock_ = -1;
    }
    // One thread uses the connection (every window lives on the GUI thread): no mutex per call.
    const int access = (writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY) | SQLITE_OPEN_NOMUTEX;
    if (const int rc = sqlite3_open_v2(path_.c_str(), &db_, access, nullptr);
        rc != SQLITE_OK)
        return fail(rc);
    // SQLite quietly opens a write-protected file read-only; the caller asked for write access.
    if (writable && sqlite3_db_readonly(db_, "main") == 1)
        return setLastError(Err::AccessDenied), Err::AccessDenied;
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, busyMs);
    if (const int result = checkOurs(); result != Err::None)
        return result;
    sqlite3_busy_timeout(db_, RecoverMs);
    if (writable) {
        // The rollback journal works on folders shared over the network; the write-ahead log
        // needs every station on one machine. FULL sync keeps every commit through a power cut.
        exec(journalOfNewOpens == Journal::WriteAheadLog ? "PRAGMA journal_mode=WAL" : "PRAGMA journal_mode=DELETE");
        exec("PRAGMA synchronous=FULL");
        // What a write leaves behind in its pages (an old password, a deleted customer) is
        // overwritten where the page is written anyway.
        exec("PRAGMA secure_delete=FAST");
    }
    return mode == OpenMode::Exclusive ? holdExclusively() : Err::None;
}

// Ours, or empty: never a file that is not a database or one that holds someone else's tables.
int Database::checkOurs()
{
    sqlite3_stmt *stmt = nullptr;
    int rc = sqlite3_prepare_v2(db_,
                                "SELECT (SELECT application_id FROM pragma_application_id), "
                                "(SELECT count(*) FROM sqlite_master)",
                                -1, &stmt, nullptr);
    std::int64_t id = 0, objects = 0;
    if (rc == SQLITE_OK && (rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        id = sqlite3_column_int64(stmt, 0);
        objects = sqlite3_column_int64(stmt, 1);
        rc = SQLITE_OK;
    }
    sqlite3_finalize(stmt);
    const int primary = rc & 0xff;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        return setLastError(Err::AccessDenied), Err::AccessDenied;
    if (rc != SQLITE_OK)
        return fail(rc);
    if (id != ApplicationId && (id != 0 || objects > 0))
        return setLastError(Err::RecordMismatch, "the database is not one of this program's"), Err::RecordMismatch;
    return Err::None;
}

int Database::holdExclusively()
{
    if (stationLock_ >= 0 && lockStations(stationLock_, LOCK_EX, 0) == Lock::Refused) {
        shareStations(); // flock lets the shared lock go while it tries for the exclusive one
        return setLastError(Err::AccessDenied, "another station has the database open"), Err::AccessDenied;
    }
    exec("PRAGMA locking_mode=EXCLUSIVE");
    if (exec("BEGIN EXCLUSIVE") != Err::None) {
        exec("PRAGMA locking_mode=NORMAL");
        shareStations();
        return setLastError(Err::AccessDenied), Err::AccessDenied;
    }
    exec("COMMIT");
    exclusive_ = true;
    return Err::None;
}

void Database::shareStations()
{
    if (stationLock_ >= 0)
        lockStations(stationLock_, LOCK_SH, RecoverMs);
}

void Database::setBusyWait(int ms) { sqlite3_busy_timeout(db_, ms); }

int Database::exec(const char *sql)
{
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    return rc == SQLITE_OK ? Err::None : fail(rc);
}

int Database::fail(int rc)
{
    setDriverError(std::to_string(rc), db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
    return Err::DriverError;
}

// --- transactions ----------------------------------------------------------------------------

int Database::begin()
{
    if (depth_ == 0) {
        if (const int result = run("BEGIN IMMEDIATE"); result != Err::None)
            return result;
        doomed_ = false;
    }
    ++depth_;
    return Err::None;
}

// SQLite undoes a whole transaction by itself after some failures (a full disk, an I/O error):
// then every level still open is gone.
int Database::transactionLost()
{
    --depth_;
    ++undone_;
    setDriverError("0", "the transaction was undone by a failure before it could be committed");
    return Err::DriverError;
}

int Database::commit()
{
    if (depth_ == 0)
        return Err::None;
    if (sqlite3_get_autocommit(db_))
        return transactionLost();
    if (depth_ > 1) {
        --depth_;
        return Err::None;
    }
    if (doomed_) {
        rollback();
        setDriverError("0", "a part of the transaction was undone, so none of it was committed");
        return Err::DriverError;
    }
    if (const int result = run("COMMIT"); result != Err::None) {
        const RuntimeError why = lastError();
        rollback();
        setDriverError(why.fileCode, why.fileText);
        return result;
    }
    depth_ = 0;
    return Err::None;
}

// An inner level cannot be undone alone: it dooms the whole transaction, which then commits
// nothing, so no part of a unit of work is ever kept without the rest.
int Database::rollback()
{
    if (depth_ == 0)
        return Err::None;
    ++undone_;
    if (sqlite3_get_autocommit(db_)) {
        --depth_;
        return Err::None;
    }
    if (depth_ > 1) {
        --depth_;
        doomed_ = true;
        return Err::None;
    }
    depth_ = 0;
    return run("ROLLBACK");
}

// Transaction statements run once per record in a stream of writes: each is prepared once.
int Database::run(const std::string &sql)
{
    sqlite3_stmt *&stmt = transactionStatements_[sql];
    if (!stmt && sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK)
        return fail(sqlite3_errcode(db_));
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    return rc == SQLITE_DONE ? Err::None : fail(rc);
}

bool Database::verified(const std::string &table, int schemaVersion) const
{
    const auto found = verified_.find(table);
    return found != verified_.end() && found->second == schemaVersion;
}

} // namespace dict::storage::sqlite
