// The invoice list on 1,000,000 invoices, beside the raw read of one page of the same order in
// the same run: open the window and show its first page in each of its seven orders, page down
// and jump to the end.
// Run: build/bench/invoicelist_bench; the data folder is kept in
// $TMPDIR/tallyquill-invoicelist-bench between runs (delete it to rebuild).
#include "benchfolder.h"
#include "listbench.h"
#include "app/invoices/invoices.h"
#include "dictionary/files.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace {

constexpr int InvoiceCount = 1'000'000;

std::filesystem::path benchFolder() { return std::filesystem::temp_directory_path() / "tallyquill-invoicelist-bench"; }

void fill()
{
    sqlite3 *db = nullptr;
    sqlite3_open(dict::DatabasePath, &db);
    sqlite3_exec(db, "DELETE FROM INVOICE; BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO INVOICE (RECORDNO, INVOICENO, CUSTOMERNO, PONUMBER, DATE, QUOTES, REBILL, "
                       "REBILLCYCLE, RETAIL, TOTALDISCOUNT, TAX, TOTALDUE, AMOUNTOWED) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)",
                       -1, &stmt, nullptr);
    std::mt19937 random(7);
    for (int i = 1; i <= InvoiceCount; ++i) {
        const std::string customer = "C" + std::to_string(100000 + random() % 20000);
        const std::string po = "PO" + std::to_string(random() % 500000);
        const double total = static_cast<double>(random() % 100000) / 100;
        sqlite3_bind_int(stmt, 1, i);
        sqlite3_bind_int(stmt, 2, i);
        sqlite3_bind_text(stmt, 3, customer.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 4, po.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(stmt, 5, 80000 + i / 500);
        sqlite3_bind_int(stmt, 6, i % 20 == 0 ? 1 : 0);
        sqlite3_bind_int(stmt, 7, i % 50 == 0 ? 1 : 0);
        sqlite3_bind_text(stmt, 8, i % 50 == 0 ? "M" : "N", -1, SQLITE_STATIC);
        for (int c = 9; c <= 12; ++c)
            sqlite3_bind_double(stmt, c, total);
        sqlite3_bind_double(stmt, 13, i % 3 == 0 ? total : 0);
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
    Access::INVOICE.Open();
    const bool filled = Access::INVOICE.Records() == InvoiceCount;
    Access::INVOICE.Close();
    if (!filled)
        fill();
}

// Baseline: one page of the first order read by a prepared statement.
void RawInvoicePage(benchmark::State &state)
{
    prepare();
    bench::rawPage(state, "SELECT * FROM INVOICE WHERE INVOICENO <> 0 ORDER BY INVOICENO LIMIT 25");
}
BENCHMARK(RawInvoicePage)->Unit(benchmark::kMillisecond);

const bool registered = bench::registerListBenchmarks<Brw::Invoices>("", prepare, 6);

} // namespace
