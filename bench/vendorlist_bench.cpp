// The vendor list on 100,000 vendors, beside the read of one page of the same order in the same
// run: open the window and show its first page, and open it and page down once; the baselines are
// one page read through the VENDOR file manager (SetStart and Next) and by a prepared statement.
// The files the main frame keeps open (SETUP, TOTALINV) are held open throughout, as in the program.
// Run: build/bench/vendorlist_bench; the data folder is kept in
// $TMPDIR/tallyquill-vendorlist-bench between runs (delete it to rebuild).
#include "benchfolder.h"
#include "listbench.h"
#include "app/vendors/vendors.h"
#include "dictionary/files.h"
#include "framework/browseclass.h"
#include "framework/reportslib.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <random>
#include <string>

namespace {

constexpr int VendorCount = 100'000;
constexpr int PageRows = 25;

std::filesystem::path benchFolder() { return std::filesystem::temp_directory_path() / "tallyquill-vendorlist-bench"; }

void fill()
{
    sqlite3 *db = nullptr;
    sqlite3_open(dict::DatabasePath, &db);
    sqlite3_exec(db, "DELETE FROM VENDOR", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    const char *syllables[] = {"ab", "ar", "be", "co", "da", "el", "fi", "go", "ha", "in", "jo", "ka",
                               "lo", "ma", "ne", "or", "pa", "qu", "ri", "sa", "to", "ul", "vi", "wa"};
    bench::fillTable("INSERT INTO VENDOR (RECORDNO, ACCOUNTNO, VENDOR, LNAME, FNAME, PHONENO, CITY, STATE, "
                     "EMAILADDRESS, BALANCE, FINANCEPRESENT) VALUES (?,?,?,?,?,?,?,?,?,?,?)",
                     VendorCount, [&](sqlite3_stmt *stmt, int row, std::mt19937 &random) {
                         const int i = row + 1;
                         std::string last;
                         for (int s = 0; s < 3; ++s)
                             last += syllables[random() % 24];
                         const std::string account = "A" + std::to_string(1000000 + i);
                         const std::string name = last + " Supply " + std::to_string(i);
                         const std::string phone = "555-" + std::to_string(1000000 + random() % 9000000);
                         const std::string mail = last + std::to_string(i) + "@example.com";
                         sqlite3_bind_int(stmt, 1, i);
                         sqlite3_bind_text(stmt, 2, account.c_str(), -1, SQLITE_TRANSIENT);
                         sqlite3_bind_text(stmt, 3, name.c_str(), -1, SQLITE_TRANSIENT);
                         sqlite3_bind_text(stmt, 4, last.c_str(), -1, SQLITE_TRANSIENT);
                         sqlite3_bind_text(stmt, 5, "Pat", -1, SQLITE_STATIC);
                         sqlite3_bind_text(stmt, 6, phone.c_str(), -1, SQLITE_TRANSIENT);
                         sqlite3_bind_text(stmt, 7, "Springfield", -1, SQLITE_STATIC);
                         sqlite3_bind_text(stmt, 8, "NY", -1, SQLITE_STATIC);
                         sqlite3_bind_text(stmt, 9, mail.c_str(), -1, SQLITE_TRANSIENT);
                         sqlite3_bind_double(stmt, 10, static_cast<double>(random() % 100000) / 100);
                         sqlite3_bind_int(stmt, 11, 1);
                     });
}

void prepare()
{
    if (!bench::enterFirstTime(benchFolder()))
        return;
    Access::STOCK.Open(); // the list reads it for its Inventory button
    Access::STOCK.Close();
    Access::VENDOR.Open();
    const bool filled = Access::VENDOR.Records() == VendorCount;
    Access::VENDOR.Close();
    if (!filled)
        fill();
    // Held for the whole run, as the main frame holds them while the program runs: a window opens
    // on a database already connected.
    Relate::SETUP.Open();
    Relate::TOTALINV.Open();
}

// Baseline: one page of the account order read through the file manager.
void FileManagerPage(benchmark::State &state)
{
    prepare();
    Access::VENDOR.Open();
    for (auto _ : state) {
        int rows = 0;
        Access::VENDOR.SetStart(VEN.VendorNo_Key);
        while (rows < PageRows && Access::VENDOR.Next() == dict::Benign)
            ++rows;
        benchmark::DoNotOptimize(rows);
    }
    Access::VENDOR.Close();
}
BENCHMARK(FileManagerPage)->Unit(benchmark::kMillisecond);

// Baseline: the same page by a prepared statement.
void RawVendorPage(benchmark::State &state)
{
    prepare();
    bench::rawPage(state, "SELECT * FROM VENDOR WHERE ACCOUNTNO <> '' ORDER BY ACCOUNTNO LIMIT 25");
}
BENCHMARK(RawVendorPage)->Unit(benchmark::kMillisecond);

// Opening the window and showing its first page; with pages, then paging down that often.
void OpenAndPage(benchmark::State &state)
{
    prepare();
    const int pages = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto *list = bench::openList<Brw::Vendors>();
        {
            fw::ContextScope scope(list->context());
            for (int p = 0; p < pages; ++p)
                list->browse().ScrollPage(1);
            QCoreApplication::processEvents();
            benchmark::DoNotOptimize(list->browse().Records());
        }
        state.PauseTiming();
        bench::closeList(list);
        state.ResumeTiming();
    }
}
BENCHMARK(OpenAndPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Paging down in an open list (back to the top every 500 pages), in account order.
void PageDown(benchmark::State &state)
{
    prepare();
    bench::move<Brw::Vendors>(state, false);
}
BENCHMARK(PageDown)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
