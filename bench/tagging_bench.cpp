// Tag figures on 100,000 customers, each beside a baseline measured in the same iteration and
// reported as a ratio (system time / baseline time):
//   tag every customer in table 1 by CUS:CUSTOMERNO in one bulk change (target: under 1 s)
//       vs  100,000 inserts through Access::TAGFILEPOS_ in one transaction
//   empty table 1 when it is the whole file (target: under 1 s)   vs  a raw DELETE
//   empty it record by record (another user's tag in the file)     vs  the same raw DELETE
//   count the table a second time (cached)                          vs  the first count
// Run: build/bench/tagging_bench; the data folder is kept in $TMPDIR/tallyquill-tagbench.
#include "dictionary/files.h"
#include "framework/reportslib.h"
#include "framework/viewmanager.h"
#include "tagging/tags.h"
#include "tagging/taguser.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>

namespace {

constexpr int CustomerCount = 100'000;

using Clock = std::chrono::steady_clock;

double secondsOf(const std::function<void()> &work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void rawSql(const char *path, const char *sql)
{
    sqlite3 *db = nullptr;
    sqlite3_open(path, &db);
    sqlite3_busy_timeout(db, 10000);
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

std::string customerNo(int i)
{
    char text[16];
    std::snprintf(text, sizeof text, "C%06d", i);
    return text;
}

// CUSTOMER with CustomerCount customers, straight through SQL, once.
void prepareCustomers()
{
    static bool ready = false;
    if (ready)
        return;
    ready = true;
    const auto folder = std::filesystem::temp_directory_path() / "tallyquill-tagbench";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    Access::CUSTOMER.Open();
    Access::TAGFILEPOS_.Open(); // held open, as the tagging browse holds it
    if (Access::CUSTOMER.Records() == CustomerCount)
        return;
    Access::CUSTOMER.Close();
    sqlite3 *db = nullptr;
    sqlite3_open(dict::DatabasePath, &db);
    sqlite3_exec(db, "DELETE FROM CUSTOMER; BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO CUSTOMER (RECORDNO, CUSTOMERNO, LNAME) VALUES (?,?,?)", -1, &stmt, nullptr);
    for (int i = 1; i <= CustomerCount; ++i) {
        const std::string number = customerNo(i);
        sqlite3_bind_int(stmt, 1, i);
        sqlite3_bind_text(stmt, 2, number.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 3, "Smith", -1, SQLITE_STATIC);
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    Access::CUSTOMER.Open();
}

void tagAllCustomers()
{
    fw::ViewManager view;
    view.Init(&Relate::CUSTOMER);
    view.AddSortOrder(CUS.CustomerNo_Key);
    ST::TagAllPos_(1, view, [] { return CUS.CUSTOMERNO.str(); });
}

// Baseline: the same number of tag records written by a plain loop through the access manager.
double rawInsertLoop()
{
    ST::NewTagPos_(1);
    return secondsOf([] {
        Access::TAGFILEPOS_.File()->begin();
        for (int i = 1; i <= CustomerCount; ++i) {
            Access::TAGFILEPOS_.PrimeRecord();
            TP_.TBL = 1;
            TP_.POS = customerNo(i);
            Access::TAGFILEPOS_.Insert();
        }
        Access::TAGFILEPOS_.File()->commit();
    });
}

double rawDelete()
{
    tagAllCustomers();
    return secondsOf([] { rawSql(dict::DatabasePath, "DELETE FROM TAGFILEPOS_ WHERE USR=0 AND TBL=1"); });
}

void report(benchmark::State &state, double system, double baseline)
{
    state.SetIterationTime(system);
    state.counters["baseline_ms"] = baseline * 1000;
    state.counters["ratio"] = system / baseline;
}

void TagAllCustomersInOneStream(benchmark::State &state)
{
    prepareCustomers();
    for (auto _ : state) {
        const double baseline = rawInsertLoop();
        ST::NewTagPos_(1);
        const double system = secondsOf(tagAllCustomers);
        if (ST::CntTagPos_(1) != CustomerCount)
            state.SkipWithError("not every customer was tagged");
        report(state, system, baseline);
    }
}
BENCHMARK(TagAllCustomersInOneStream)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void EmptyTableThatIsTheWholeFile(benchmark::State &state)
{
    prepareCustomers();
    for (auto _ : state) {
        const double baseline = rawDelete();
        tagAllCustomers();
        const double system = secondsOf([] { ST::NewTagPos_(1); });
        if (ST::CntTagPos_(1) != 0 || Access::TAGFILEPOS_.Records() != 0)
            state.SkipWithError("the table was not emptied");
        report(state, system, baseline);
    }
}
BENCHMARK(EmptyTableThatIsTheWholeFile)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void EmptyTableRecordByRecord(benchmark::State &state)
{
    prepareCustomers();
    static dict::LONG otherUser = 9;
    for (auto _ : state) {
        const double baseline = rawDelete();
        ST::UsrTag_(otherUser);
        ST::SetTagPos_(1, "THEIRS"); // the file holds more than this table now
        ST::UsrTag_(nullptr);
        tagAllCustomers();
        const double system = secondsOf([] { ST::NewTagPos_(1); });
        if (ST::CntTagPos_(1) != 0 || Access::TAGFILEPOS_.Records() != 1)
            state.SkipWithError("the table was not emptied");
        rawSql(dict::DatabasePath, "DELETE FROM TAGFILEPOS_");
        report(state, system, baseline);
    }
}
BENCHMARK(EmptyTableRecordByRecord)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

// The figure is the cached count; its baseline the first count, which walks the table.
void CountCachedVersusFirst(benchmark::State &state)
{
    prepareCustomers();
    ST::NewTagPos_(1);
    tagAllCustomers();
    for (auto _ : state) {
        ST::positionFile().ForgetCounts();
        dict::LONG first = 0, second = 0;
        const double walked = secondsOf([&] { first = ST::CntTagPos_(1); });
        const double cached = secondsOf([&] { second = ST::CntTagPos_(1); });
        if (first != CustomerCount || second != CustomerCount)
            state.SkipWithError("wrong count");
        report(state, cached, walked);
    }
}
BENCHMARK(CountCachedVersusFirst)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    Access::TAGFILEPOS_.Close();
    Access::CUSTOMER.Close();
    benchmark::Shutdown();
    return 0;
}
