// A SQLite connection as one data file sees it: the handle, the schema the file is attached
// under, and the file's prepared statements on that handle.
#pragma once

#include <sqlite3.h>

#include <functional>
#include <string>
#include <unordered_map>

namespace dict::storage::sqlite {

class Statement
{
public:
    explicit Statement(sqlite3_stmt *stmt = nullptr)
        : stmt_(stmt)
    {}
    sqlite3_stmt *get() const { return stmt_; }
    operator sqlite3_stmt *() const { return stmt_; }

private:
    sqlite3_stmt *stmt_;
};

class Connection
{
public:
    Connection() = default;
    Connection(sqlite3 *db, std::string schema)
        : db_(db)
        , schema_(std::move(schema))
    {}
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    ~Connection() { finalize(); }

    sqlite3 *db() const { return db_; }
    const std::string &schema() const { return schema_; }
    // The statement cached under code, prepared from makeSql() the first time; reset and unbound.
    sqlite3_stmt *statement(int code, const std::function<std::string()> &makeSql);
    void finalize();

private:
    sqlite3 *db_ = nullptr;
    std::string schema_;
    std::unordered_map<int, sqlite3_stmt *> stmts_;
};

// Resets a statement when it goes out of scope, so no read keeps its lock.
class StatementUse
{
public:
    explicit StatementUse(sqlite3_stmt *stmt)
        : stmt_(stmt)
    {}
    ~StatementUse()
    {
        if (stmt_)
            sqlite3_reset(stmt_);
    }
    StatementUse(const StatementUse &) = delete;
    StatementUse &operator=(const StatementUse &) = delete;

private:
    sqlite3_stmt *stmt_;
};

} // namespace dict::storage::sqlite
