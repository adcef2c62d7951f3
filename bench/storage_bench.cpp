// Storage figures on 1,000,000 invoice lines, each beside its raw SQLite baseline:
//   scan in key order through Access::DESCRIPTION.Next   vs  a prepared-statement scan
//   position on a key value and read one browse page (25 records)
//   100,000 inserts through the access manager in one unit  vs  raw inserts in one transaction
//   one interactive insert with its own commit
// Run: build/bench/storage_bench [--benchmark_filter=...]; the data folder is kept in
// $TMPDIR/tallyquill-bench between runs (delete it to rebuild).
#include "benchfolder.h"
#include "dictionary/files.h"
#include "dictionary/unitofwork.h"
#include "framework/reportslib.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <random>

namespace {

constexpr int LineCount = 1'000'000;
constexpr int LinesPerInvoice = 4;

std::filesystem::path benchFolder()
{
    return std::filesystem::temp_directory_path() / "tallyquill-bench";
}

// Fills DESCRIPTION with LineCount lines straight through SQL, once.
void prepareLines()
{
    if (!bench::enterFirstTime(benchFolder()))
        return;
    Access::DESCRIPTION.Open();
    if (Access::DESCRIPTION.Records() == LineCount)
        return;
    Access::DESCRIPTION.Close();
    sqlite3 *db = nullptr;
    sqlite3_open(dict::DatabasePath, &db);
    sqlite3_exec(db, "DELETE FROM DESCRIPTION; BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO DESCRIPTION (INVOICENO, RECORDNO, ITEMNO, CUSTOMERNO, DESCRIPTION, QUANTITY, "
                       "PRICE, AMOUNT, STOCKNO, DATE, MONTH) VALUES (?,?,?,?,?,?,?,?,?,?,?)",
                       -1, &stmt, nullptr);
    std::mt19937 random(7);
    for (int i = 0; i < LineCount; ++i) {
        const int invoice = i / LinesPerInvoice + 1;
        const std::string customer = "C" + std::to_string(random() % 5000);
        const std::string stock = "ST" + std::to_string(random() % 20000);
        const std::string text = "Line " + std::to_string(i) + " of a fairly ordinary invoice, with some words";
        sqlite3_bind_int(stmt, 1, invoice);
        sqlite3_bind_int(stmt, 2, i + 1);
        sqlite3_bind_int(stmt, 3, i % LinesPerInvoice + 1);
        sqlite3_bind_text(stmt, 4, customer.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 5, text.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(stmt, 6, 1 + random() % 10);
        sqlite3_bind_double(stmt, 7, 9.95);
        sqlite3_bind_double(stmt, 8, 19.90);
        sqlite3_bind_text(stmt, 9, stock.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(stmt, 10, 80000 + i / 1000);
        sqlite3_bind_int(stmt, 11, 1 + (i / 1000) % 12);
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    Access::DESCRIPTION.Open();
}

// Baseline: the same key order read with one prepared statement, every column fetched.
void RawKeyOrderScan(benchmark::State &state)
{
    prepareLines();
    sqlite3 *db = nullptr;
    sqlite3_open_v2(dict::DatabasePath, &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM DESCRIPTION WHERE (INVOICENO<>0 OR ITEMNO<>0) ORDER BY INVOICENO, ITEMNO, _position",
                       -1, &stmt, nullptr);
    const int columns = sqlite3_column_count(stmt);
    for (auto _ : state) {
        std::int64_t rows = 0, sum = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c)
                sum += sqlite3_column_type(stmt, c) == SQLITE_TEXT ? sqlite3_column_bytes(stmt, c)
                                                                   : sqlite3_column_int64(stmt, c);
            ++rows;
        }
        sqlite3_reset(stmt);
        benchmark::DoNotOptimize(sum);
        state.counters["records"] = static_cast<double>(rows);
    }
    state.SetItemsProcessed(state.iterations() * LineCount);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}
BENCHMARK(RawKeyOrderScan)->Unit(benchmark::kMillisecond)->Iterations(3);

void AccessNextKeyOrderScan(benchmark::State &state)
{
    prepareLines();
    for (auto _ : state) {
        std::int64_t rows = 0;
        Access::DESCRIPTION.SetStart(DES.InvoiceNo_Key);
        while (Access::DESCRIPTION.Next() == dict::Benign)
            ++rows;
        state.counters["records"] = static_cast<double>(rows);
    }
    state.SetItemsProcessed(state.iterations() * LineCount);
}
BENCHMARK(AccessNextKeyOrderScan)->Unit(benchmark::kMillisecond)->Iterations(3);

// One browse page: position on a key value, read 25 records.
void PositionAndReadPage(benchmark::State &state)
{
    prepareLines();
    std::mt19937 random(11);
    for (auto _ : state) {
        DES.CUSTOMERNO = "C" + std::to_string(random() % 5000);
        DES.STOCKNO.clear();
        Access::DESCRIPTION.SetAt(DES.CustomerNo_Key);
        for (int i = 0; i < 25; ++i)
            Access::DESCRIPTION.Next();
    }
}
BENCHMARK(PositionAndReadPage)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A fresh, empty DESCRIPTION for the insert figures, in a folder of its own.
void freshInsertFolder()
{
    prepareLines();
    Access::DESCRIPTION.Close();
    const auto folder = benchFolder() / "inserts";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    Access::DESCRIPTION.Open();
}

void leaveInsertFolder()
{
    Access::DESCRIPTION.Close();
    std::filesystem::current_path(benchFolder());
    Access::DESCRIPTION.Open();
}

constexpr int InsertCount = 100'000;

void RawInsertsInOneTransaction(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        freshInsertFolder();
        Access::DESCRIPTION.Close();
        sqlite3 *db = nullptr;
        sqlite3_open(dict::DatabasePath, &db);
        sqlite3_stmt *stmt = nullptr;
        std::string columns, marks;
        for (const dict::FieldDef &f : dict::fileDef(dict::FileId::DESCRIPTION).fields) {
            columns += std::string(columns.empty() ? "" : ",") + f.name;
            marks += marks.empty() ? "?" : ",?";
        }
        sqlite3_prepare_v2(db, ("INSERT INTO DESCRIPTION (" + columns + ") VALUES (" + marks + ")").c_str(), -1, &stmt,
                           nullptr);
        const int fieldCount = static_cast<int>(dict::fileDef(dict::FileId::DESCRIPTION).fields.size());
        state.ResumeTiming();
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        for (int i = 0; i < InsertCount; ++i) {
            for (int c = 1; c <= fieldCount; ++c)
                sqlite3_bind_int(stmt, c, 0);
            sqlite3_bind_int(stmt, 1, i / LinesPerInvoice + 1);
            sqlite3_bind_int(stmt, 4, i % LinesPerInvoice + 1);
            sqlite3_bind_text(stmt, 5, "C17", -1, SQLITE_STATIC);
            sqlite3_bind_text(stmt, 8, "A line of an invoice", -1, SQLITE_STATIC);
            sqlite3_step(stmt);
            sqlite3_reset(stmt);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        state.PauseTiming();
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        Access::DESCRIPTION.Open();
        leaveInsertFolder();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * InsertCount);
}
BENCHMARK(RawInsertsInOneTransaction)->Unit(benchmark::kMillisecond)->Iterations(2);

void AccessInsertsInOneUnit(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        freshInsertFolder();
        state.ResumeTiming();
        {
            dict::UnitOfWork unit{&Access::DESCRIPTION};
            for (int i = 0; i < InsertCount; ++i) {
                dict::clearRecord(Access::DESCRIPTION.Def(), &DES);
                DES.INVOICENO = i / LinesPerInvoice + 1; // the line number is the manager's to give
                DES.CUSTOMERNO = "C17";
                DES.DESCRIPTION = "A line of an invoice";
                Access::DESCRIPTION.Insert();
            }
            unit.Commit();
        }
        state.PauseTiming();
        if (Access::DESCRIPTION.Records() != InsertCount)
            state.SkipWithError("not every record was inserted");
        leaveInsertFolder();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * InsertCount);
}
BENCHMARK(AccessInsertsInOneUnit)->Unit(benchmark::kMillisecond)->Iterations(2);

// One insert as a user's save makes it: its own commit, synchronised to disk.
void InteractiveInsert(benchmark::State &state)
{
    freshInsertFolder();
    int invoice = 0;
    for (auto _ : state) {
        dict::clearRecord(Access::DESCRIPTION.Def(), &DES);
        DES.INVOICENO = ++invoice;
        DES.DESCRIPTION = "A line typed by a user";
        Access::DESCRIPTION.Insert();
    }
    leaveInsertFolder();
}
BENCHMARK(InteractiveInsert)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    dict::access(dict::FileId::DESCRIPTION).Close();
    benchmark::Shutdown();
    return 0;
}
