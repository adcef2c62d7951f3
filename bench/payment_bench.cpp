// Recomputing one customer's balance from its 10,000 FINANCE records (among 100,000 of other
// customers), as the finance history does each time it reads its list, beside the same sum by
// one SQL statement in the same run. Target: under 50 ms.
// Run: build/bench/payment_bench; the data folder is kept in $TMPDIR/tallyquill-payment-bench
// between runs (delete it to rebuild).
#include "benchfolder.h"
#include "app/payments/paymentbook.h"
#include "dictionary/files.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>

namespace {

constexpr int OwnRecords = 10'000;
constexpr int OtherRecords = 100'000;

std::filesystem::path benchFolder() { return std::filesystem::temp_directory_path() / "tallyquill-payment-bench"; }

void exec(const char *path, const std::string &sql)
{
    sqlite3 *db = nullptr;
    sqlite3_open(path, &db);
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// Invoices of 100.00 and payments of 40.00 in turn, spread over the customers.
void fillFinance()
{
    sqlite3 *db = nullptr;
    sqlite3_open(dict::DatabasePath, &db);
    sqlite3_exec(db, "BEGIN; DELETE FROM FINANCE", nullptr, nullptr, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO FINANCE (RECORDNO, CUSTOMERNO, INVOICENO, DATE, AMOUNTDUE, AMOUNTPAID) "
                       "VALUES (?,?,?,?,?,?)",
                       -1, &stmt, nullptr);
    for (int i = 0; i < OwnRecords + OtherRecords; ++i) {
        const std::string customer = i < OwnRecords ? "C1" : "C" + std::to_string(2 + i % 1000);
        const bool payment = i % 2 == 1;
        sqlite3_bind_int(stmt, 1, i + 1);
        sqlite3_bind_text(stmt, 2, customer.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(stmt, 3, i / 2 + 1);
        sqlite3_bind_int(stmt, 4, 80000 + i % 365);
        sqlite3_bind_double(stmt, 5, payment ? -40 : 100);
        sqlite3_bind_double(stmt, 6, payment ? 40 : 0);
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
    Access::FINANCE.Open();
    Access::CUSTOMER.Open();
    const bool filled = Access::FINANCE.Records() == OwnRecords + OtherRecords;
    Access::FINANCE.Close();
    Access::CUSTOMER.Close();
    if (filled)
        return;
    exec(dict::DatabasePath, "DELETE FROM CUSTOMER; INSERT INTO CUSTOMER (RECORDNO, CUSTOMERNO, LNAME) "
                              "VALUES (1, 'C1', 'Adams')");
    fillFinance();
}

// Baseline: the same sum by one prepared statement on the file.
void RawBalanceSum(benchmark::State &state)
{
    prepare();
    sqlite3 *db = nullptr;
    sqlite3_open_v2(dict::DatabasePath, &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT TOTAL(AMOUNTDUE) FROM FINANCE WHERE CUSTOMERNO = 'C1'", -1, &stmt, nullptr);
    for (auto _ : state) {
        sqlite3_step(stmt);
        benchmark::DoNotOptimize(sqlite3_column_double(stmt, 0));
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}
BENCHMARK(RawBalanceSum)->Unit(benchmark::kMillisecond);

// The recomputation in its unit of work: the walk of the customer's records and the balance stored.
void RecomputeBalance(benchmark::State &state)
{
    prepare();
    Access::FINANCE.Open();
    Access::CUSTOMER.Open();
    double balance = 0;
    for (auto _ : state) {
        app::payments::recomputeBalance(dict::String<10>("C1"), balance);
        benchmark::DoNotOptimize(balance);
    }
    state.counters["balance"] = balance;
    Access::FINANCE.Close();
    Access::CUSTOMER.Close();
}
BENCHMARK(RecomputeBalance)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
