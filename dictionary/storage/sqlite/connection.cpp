#include "dictionary/storage/sqlite/connection.h"

namespace dict::storage::sqlite {

template <typename Code>
sqlite3_stmt *Connection::cached(std::unordered_map<Code, sqlite3_stmt *> &stmts, const Code &code,
                                 const std::function<std::string()> &makeSql)
{
    auto it = stmts.find(code);
    if (it != stmts.end()) {
        sqlite3_reset(it->second);
        sqlite3_clear_bindings(it->second);
        return it->second;
    }
    sqlite3_stmt *stmt = nullptr;
    const std::string sql = makeSql();
    if (sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK)
        return nullptr;
    stmts.emplace(code, stmt);
    return stmt;
}

sqlite3_stmt *Connection::statement(int code, const std::function<std::string()> &makeSql)
{
    return cached(stmts_, code, makeSql);
}

sqlite3_stmt *Connection::statement(const std::string &code, const std::function<std::string()> &makeSql)
{
    return cached(namedStmts_, code, makeSql);
}

void Connection::finalize()
{
    for (auto &[code, stmt] : stmts_)
        sqlite3_finalize(stmt);
    for (auto &[code, stmt] : namedStmts_)
        sqlite3_finalize(stmt);
    stmts_.clear();
    namedStmts_.clear();
}

} // namespace dict::storage::sqlite
