// Browse figures on 1,000,000 customers, each beside a baseline measured in the same run:
//   open a browse window and show its first page     vs  one page read by a prepared statement
//   page down / jump to either end of the list        vs  the same prepared page read
//   a filtered batch pass over the whole file         vs  the same test in a plain loop over Next
// Run: build/bench/browse_bench; the data folder is kept in $TMPDIR/tallyquill-browse-bench
// between runs (delete it to rebuild).
#include "benchfolder.h"
#include "dictionary/fieldpairs.h"
#include "dictionary/files.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/processclass.h"
#include "framework/reportslib.h"
#include "framework/windowmanager.h"

#include <QApplication>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>

namespace {

constexpr int CustomerCount = 1'000'000;
constexpr const char *Filter = "CUS:BALANCE > 500 AND CUS:STATE = 'NY'";
const char *const States[] = {"NY", "CA", "TX", "OH", "WA"};

std::filesystem::path benchFolder() { return std::filesystem::temp_directory_path() / "tallyquill-browse-bench"; }

// Fills CUSTOMER straight through SQL, once.
void prepareCustomers()
{
    if (!bench::enterFirstTime(benchFolder()))
        return;
    Access::CUSTOMER.Open();
    const bool filled = Access::CUSTOMER.Records() == CustomerCount;
    Access::CUSTOMER.Close();
    if (!filled) {
        sqlite3 *db = nullptr;
        sqlite3_open(dict::DatabasePath, &db);
        sqlite3_exec(db, "DELETE FROM CUSTOMER; BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db,
                           "INSERT INTO CUSTOMER (RECORDNO, CUSTOMERNO, LNAME, FNAME, COMPANY, CITY, STATE, ZIPCODE, "
                           "BALANCE) VALUES (?,?,?,?,?,?,?,?,?)",
                           -1, &stmt, nullptr);
        std::mt19937 random(11);
        const char *syllables[] = {"ab", "ar", "be", "co", "da", "el", "fi", "go", "ha", "in", "jo", "ka",
                                   "lo", "ma", "ne", "or", "pa", "qu", "ri", "sa", "to", "ul", "vi", "wa"};
        for (int i = 0; i < CustomerCount; ++i) {
            std::string last;
            for (int s = 0; s < 3; ++s)
                last += syllables[random() % 24];
            last[0] = static_cast<char>(last[0] - 32);
            const std::string number = "C" + std::to_string(1000000 + i);
            sqlite3_bind_int(stmt, 1, i + 1);
            sqlite3_bind_text(stmt, 2, number.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(stmt, 3, last.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(stmt, 4, "Pat", -1, SQLITE_STATIC);
            sqlite3_bind_text(stmt, 5, "Ordinary Trading Company", -1, SQLITE_STATIC);
            sqlite3_bind_text(stmt, 6, "Springfield", -1, SQLITE_STATIC);
            sqlite3_bind_text(stmt, 7, States[random() % 5], -1, SQLITE_STATIC);
            sqlite3_bind_text(stmt, 8, "12345", -1, SQLITE_STATIC);
            sqlite3_bind_double(stmt, 9, static_cast<double>(random() % 100000) / 100);
            sqlite3_step(stmt);
            sqlite3_reset(stmt);
        }
        sqlite3_finalize(stmt);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    Relate::CUSTOMER.Open();
}

// A customer list as a procedure builds one: name and number tabs with their formats.
class CustomerList : public fw::WindowManager
{
public:
    fw::BrowseClass browse;
    int Init() override
    {
        WindowManager::Init();
        auto *w = CreateWindow(QStringLiteral("Customers"));
        auto *layout = new QVBoxLayout(w);
        auto *list = new fw::BrowseList(w);
        layout->addWidget(list);
        w->resize(700, 500);
        browse.Init(list, &Relate::CUSTOMER, this);
        browse.AddSortOrder(CUS.CustomerName_Key, fw::makeStepFor(dict::FieldType::String, false),
                            "80L(2)|~Last Name~@s15@#2#60L(2)|~First Name~@s10@#3#40L(2)|~Cust #~@s10@#1#"
                            "60R(2)~Balance~@n-12.2@#4#");
        browse.AddSortOrder(CUS.CustomerNo_Key, fw::makeStepFor(dict::FieldType::String, false));
        browse.AddField(dict::field(CUS.CUSTOMERNO));
        browse.AddField(dict::field(CUS.LNAME));
        browse.AddField(dict::field(CUS.FNAME));
        browse.AddField(dict::field(CUS.BALANCE));
        Open();
        QCoreApplication::processEvents(); // laid out and painted
        return dict::Benign;
    }
};

// Baseline: one page of the name order read with a prepared statement.
void readRawPage(sqlite3_stmt *stmt, benchmark::State &state)
{
    int rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        rows += sqlite3_column_bytes(stmt, 0) > 0;
    sqlite3_reset(stmt);
    benchmark::DoNotOptimize(rows);
    (void)state;
}

void RawFirstPage(benchmark::State &state)
{
    prepareCustomers();
    sqlite3 *db = nullptr;
    sqlite3_open_v2(dict::DatabasePath, &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM CUSTOMER WHERE (LNAME<>'' OR FNAME<>'' OR CUSTOMERNO<>'') "
                           "ORDER BY LNAME, FNAME, CUSTOMERNO LIMIT 25", -1, &stmt, nullptr);
    for (auto _ : state)
        readRawPage(stmt, state);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}
BENCHMARK(RawFirstPage)->Unit(benchmark::kMillisecond);

void BrowseOpenFirstPage(benchmark::State &state)
{
    prepareCustomers();
    for (auto _ : state) {
        auto list = std::make_unique<CustomerList>();
        list->Init();
        benchmark::DoNotOptimize(list->browse.Records());
        state.PauseTiming();
        list->Kill();
        list.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BrowseOpenFirstPage)->Unit(benchmark::kMillisecond);

void BrowsePageDown(benchmark::State &state)
{
    prepareCustomers();
    CustomerList list;
    list.Init();
    long pages = 0;
    for (auto _ : state) {
        list.browse.ScrollPage(1);
        if (++pages % 1000 == 0)
            list.browse.ScrollEnd(-1);
    }
    // Rows on a page: the list shows as many as its height holds, so compare per row.
    state.counters["rows"] = static_cast<double>(list.browse.Records());
    list.Kill();
}
BENCHMARK(BrowsePageDown)->Unit(benchmark::kMillisecond);

void BrowseJumpToEitherEnd(benchmark::State &state)
{
    prepareCustomers();
    CustomerList list;
    list.Init();
    int direction = 1;
    for (auto _ : state) {
        list.browse.ScrollEnd(direction);
        direction = -direction;
    }
    list.Kill();
}
BENCHMARK(BrowseJumpToEitherEnd)->Unit(benchmark::kMillisecond);

void BrowseThumbDrag(benchmark::State &state)
{
    prepareCustomers();
    CustomerList list;
    list.Init();
    int percent = 2;
    for (auto _ : state) {
        list.browse.TakeScroll(percent);
        percent = percent % 98 + 2;
    }
    list.Kill();
}
BENCHMARK(BrowseThumbDrag)->Unit(benchmark::kMillisecond);

// Baseline: the filter written as code in a plain loop over the access manager.
void PlainLoopFilter(benchmark::State &state)
{
    prepareCustomers();
    for (auto _ : state) {
        long long passed = 0;
        Access::CUSTOMER.SetStart(CUS.CustomerNo_Key);
        while (Access::CUSTOMER.Next() == dict::Benign)
            passed += CUS.BALANCE > 500 && CUS.STATE.view() == "NY";
        benchmark::DoNotOptimize(passed);
        state.counters["passed"] = static_cast<double>(passed);
    }
    state.SetItemsProcessed(state.iterations() * CustomerCount);
}
BENCHMARK(PlainLoopFilter)->Unit(benchmark::kMillisecond)->Iterations(3);

void FilteredBatchPass(benchmark::State &state)
{
    prepareCustomers();
    for (auto _ : state) {
        fw::ProcessClass pass;
        pass.Init(&Relate::CUSTOMER, fw::makeStepFor(dict::FieldType::String, false));
        pass.AddSortOrder(CUS.CustomerNo_Key);
        pass.SetFilter(Filter);
        pass.Reset();
        long long passed = 0;
        while (pass.Next() == dict::Benign)
            ++passed;
        benchmark::DoNotOptimize(passed);
        state.counters["passed"] = static_cast<double>(passed);
    }
    state.SetItemsProcessed(state.iterations() * CustomerCount);
}
BENCHMARK(FilteredBatchPass)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
