// A data file's prepared statements on its database's connection.
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
    explicit Connection(sqlite3 *db)
        : db_(db)
    {}
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    ~Connection() { finalize(); }

    sqlite3 *db() const { return db_; }
    static const std::string &schema()
    {
        static const std::string main = "main";
        return main;
    }
    // The statement cached under code, prepared from makeSql() the first time; reset and unbound.
    sqlite3_stmt *statement(int code, const std::function<std::string()> &makeSql);
    sqlite3_stmt *statement(const std::string &code, const std::function<std::string()> &makeSql);
    void finalize();

private:
    template <typename Code>
    sqlite3_stmt *cached(std::unordered_map<Code, sqlite3_stmt *> &stmts, const Code &code,
                         const std::function<std::string()> &makeSql);

    sqlite3 *db_ = nullptr;
    std::unordered_map<int, sqlite3_stmt *> stmts_;
    std::unordered_map<std::string, sqlite3_stmt *> namedStmts_;
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
