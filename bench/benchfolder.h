// The data folder a benchmark keeps between runs, in the system's temporary folder.
#pragma once

#include "dictionary/schema.h"

#include <sqlite3.h>

#include <filesystem>
#include <random>

namespace bench {

// Makes the folder the working folder the first time it is called; false on every later call, when
// the benchmark's data is already in place.
inline bool enterFirstTime(const std::filesystem::path &folder)
{
    static bool entered = false;
    if (entered)
        return false;
    entered = true;
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    return true;
}

// Fills a table of the folder's database through SQL, in one transaction: insert is the INSERT
// statement, bind(stmt, i, random) binds the values of row i (0 to rows - 1) from a random
// source seeded alike on every run.
template <typename Bind>
void fillTable(const char *insert, int rows, Bind bind)
{
    sqlite3 *db = nullptr;
    sqlite3_open(dict::DatabasePath, &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, insert, -1, &stmt, nullptr);
    std::mt19937 random(5);
    for (int i = 0; i < rows; ++i) {
        bind(stmt, i, random);
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

} // namespace bench
