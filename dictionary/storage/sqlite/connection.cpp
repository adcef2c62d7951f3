#include "dictionary/storage/sqlite/connection.h"

namespace dict::storage::sqlite {

sqlite3_stmt *Connection::statement(int code, const std::function<std::string()> &makeSql)
{
    auto it = stmts_.find(code);
    if (it != stmts_.end()) {
        sqlite3_reset(it->second);
        sqlite3_clear_bindings(it->second);
        return it->second;
    }
    sqlite3_stmt *stmt = nullptr;
    const std::string sql = makeSql();
    if (sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK)
        return nullptr;
    stmts_.emplace(code, stmt);
    return stmt;
}

void Connection::finalize()
{
    for (auto &[code, stmt] : stmts_)
        sqlite3_finalize(stmt);
    stmts_.clear();
}

} // namespace dict::storage::sqlite
