// The purchase order list on 1,000,000 orders, beside the raw read of one page of the same order
// in the same run: open the window and show its first page in each of its four orders, page down
// and jump to the end.
// Run: build/bench/purchaseorderlist_bench; the data folder is kept in
// $TMPDIR/tallyquill-purchaseorderlist-bench between runs (delete it to rebuild).
#include "benchfolder.h"
#include "listbench.h"
#include "app/purchasing/purchaseorders.h"
#include "dictionary/files.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace {

// TQ_BENCH_ORDERS sets another count (a quicker run on a busy machine).
const int OrderCount = std::getenv("TQ_BENCH_ORDERS") ? std::atoi(std::getenv("TQ_BENCH_ORDERS")) : 1'000'000;
constexpr int VendorCount = 2'000;

std::filesystem::path benchFolder()
{
    return std::filesystem::temp_directory_path() / "tallyquill-purchaseorderlist-bench";
}

void fill()
{
    sqlite3 *db = nullptr;
    sqlite3_open(dict::DatabasePath, &db);
    sqlite3_exec(db, "BEGIN; DELETE FROM PURORDER; DELETE FROM VENDOR", nullptr, nullptr, nullptr);
    sqlite3_stmt *vendor = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO VENDOR (ACCOUNTNO, VENDOR, LNAME, FNAME, BALANCE) VALUES (?,?,'Lee','Sam',?)",
                       -1, &vendor, nullptr);
    for (int v = 0; v < VendorCount; ++v) {
        const std::string account = "V" + std::to_string(10000 + v);
        const std::string name = "Vendor " + std::to_string((v * 7919) % VendorCount);
        sqlite3_bind_text(vendor, 1, account.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(vendor, 2, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(vendor, 3, v * 1.25);
        sqlite3_step(vendor);
        sqlite3_reset(vendor);
    }
    sqlite3_finalize(vendor);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO PURORDER (RECORDNO, PORDERNO, ACCOUNTNO, VENDOR, DATE, TERMS, COST, TOTALDUE, "
                       "AMOUNTPAID, AMOUNTOWED) VALUES (?,?,?,?,?,'Cash',?,?,?,?)",
                       -1, &stmt, nullptr);
    std::mt19937 random(5);
    for (int i = 1; i <= OrderCount; ++i) {
        const int v = static_cast<int>(random() % VendorCount);
        const std::string account = "V" + std::to_string(10000 + v);
        const std::string name = "Vendor " + std::to_string((v * 7919) % VendorCount);
        const double total = static_cast<double>(random() % 100000) / 100;
        const double paid = i % 3 == 0 ? total : 0;
        sqlite3_bind_int(stmt, 1, i);
        sqlite3_bind_int(stmt, 2, i);
        sqlite3_bind_text(stmt, 3, account.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 4, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(stmt, 5, 80000 + i / 500);
        sqlite3_bind_double(stmt, 6, total);
        sqlite3_bind_double(stmt, 7, total);
        sqlite3_bind_double(stmt, 8, paid);
        sqlite3_bind_double(stmt, 9, total - paid);
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

void prepare()
{
    if (!bench::enterFirstTime(benchFolder()))
        return;
    Access::VENDOR.Open(); // both tables made, so that the fill is one transaction
    Access::PURORDER.Open();
    const bool filled = Access::PURORDER.Records() == OrderCount;
    Access::PURORDER.Close();
    Access::VENDOR.Close();
    if (!filled)
        fill();
}

// Baseline: one page of the first order read by a prepared statement.
void RawOrderPage(benchmark::State &state)
{
    prepare();
    bench::rawPage(state, "SELECT * FROM PURORDER WHERE PORDERNO <> 0 ORDER BY PORDERNO LIMIT 25");
}
BENCHMARK(RawOrderPage)->Unit(benchmark::kMillisecond);

const bool registered = bench::registerListBenchmarks<Brw::PurchaseOrders>("", prepare, 3);

} // namespace
