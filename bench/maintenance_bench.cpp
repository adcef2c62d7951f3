// The customer and inventory windows on 100,000 customers and 100,000 stock items, beside the
// raw read of one page of the same order in the same run:
//   open the window and show its first page, page down, jump to the end and back
// Run: build/bench/maintenance_bench; the data folder is kept in
// $TMPDIR/tallyquill-maintenance-bench between runs (delete it to rebuild).
#include "benchfolder.h"
#include "listbench.h"
#include "app/customers/customers.h"
#include "app/inventory/inventory.h"
#include "dictionary/files.h"
#include "framework/browseclass.h"
#include "framework/reportslib.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace {

constexpr int RecordCount = 100'000;

std::filesystem::path benchFolder() { return std::filesystem::temp_directory_path() / "tallyquill-maintenance-bench"; }

std::string randomName(std::mt19937 &random)
{
    static const char *syllables[] = {"ab", "ar", "be", "co", "da", "el", "fi", "go", "ha", "in", "jo", "ka",
                                      "lo", "ma", "ne", "or", "pa", "qu", "ri", "sa", "to", "ul", "vi", "wa"};
    std::string name;
    for (int s = 0; s < 3; ++s)
        name += syllables[random() % 24];
    name[0] = static_cast<char>(name[0] - 32);
    return name;
}

void prepare()
{
    if (!bench::enterFirstTime(benchFolder()))
        return;
    Access::CUSTOMER.Open();
    Access::STOCK.Open();
    const bool filled = Access::CUSTOMER.Records() == RecordCount && Access::STOCK.Records() == RecordCount;
    Access::CUSTOMER.Close();
    Access::STOCK.Close();
    if (filled)
        return;
    sqlite3 *db = nullptr;
    sqlite3_open(dict::DatabasePath, &db);
    sqlite3_exec(db, "DELETE FROM CUSTOMER; DELETE FROM STOCK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    bench::fillTable(
         "INSERT INTO CUSTOMER (RECORDNO, CUSTOMERNO, LNAME, FNAME, COMPANY, CITY, STATE, ZIPCODE, PHONENO, "
         "BALANCE) VALUES (?,?,?,?,?,?,?,?,?,?)",
         RecordCount, [](sqlite3_stmt *stmt, int i, std::mt19937 &random) {
             const std::string number = "C" + std::to_string(100000 + i);
             const std::string name = randomName(random);
             const std::string phone = "555-" + std::to_string(1000000 + i);
             sqlite3_bind_int(stmt, 1, i + 1);
             sqlite3_bind_text(stmt, 2, number.c_str(), -1, SQLITE_TRANSIENT);
             sqlite3_bind_text(stmt, 3, name.c_str(), -1, SQLITE_TRANSIENT);
             sqlite3_bind_text(stmt, 4, "Pat", -1, SQLITE_STATIC);
             sqlite3_bind_text(stmt, 5, (name + " Trading").c_str(), -1, SQLITE_TRANSIENT);
             sqlite3_bind_text(stmt, 6, "Springfield", -1, SQLITE_STATIC);
             sqlite3_bind_text(stmt, 7, "NY", -1, SQLITE_STATIC);
             sqlite3_bind_text(stmt, 8, "12345", -1, SQLITE_STATIC);
             sqlite3_bind_text(stmt, 9, phone.c_str(), -1, SQLITE_TRANSIENT);
             sqlite3_bind_double(stmt, 10, static_cast<double>(random() % 100000) / 100);
         });
    bench::fillTable(
         "INSERT INTO STOCK (RECORDNO, STOCKNO, DESCRIPTION, CATAGORY, PARTNO, VENDOR, AMOUNTINSTOCK, MINAMOUNT, "
         "COST, RETAIL) VALUES (?,?,?,?,?,?,?,?,?,?)",
         RecordCount, [](sqlite3_stmt *stmt, int i, std::mt19937 &random) {
             const std::string stock = "ST" + std::to_string(100000 + i);
             const std::string description = randomName(random) + " fitting, standard size";
             const std::string part = "P-" + std::to_string(random() % 1000000);
             sqlite3_bind_int(stmt, 1, i + 1);
             sqlite3_bind_text(stmt, 2, stock.c_str(), -1, SQLITE_TRANSIENT);
             sqlite3_bind_text(stmt, 3, description.c_str(), -1, SQLITE_TRANSIENT);
             sqlite3_bind_text(stmt, 4, "PARTS", -1, SQLITE_STATIC);
             sqlite3_bind_text(stmt, 5, part.c_str(), -1, SQLITE_TRANSIENT);
             sqlite3_bind_text(stmt, 6, "ACME Supply", -1, SQLITE_STATIC);
             sqlite3_bind_double(stmt, 7, static_cast<double>(random() % 50));
             sqlite3_bind_double(stmt, 8, 5);
             sqlite3_bind_double(stmt, 9, 2.5);
             sqlite3_bind_double(stmt, 10, 4.95);
         });
}

// Baselines: one page of the window's first order read by a prepared statement.
void RawCustomerPage(benchmark::State &state)
{
    prepare();
    bench::rawPage(state, "SELECT * FROM CUSTOMER WHERE CUSTOMERNO<>'' ORDER BY CUSTOMERNO LIMIT 25");
}
BENCHMARK(RawCustomerPage)->Unit(benchmark::kMillisecond);

void RawStockPage(benchmark::State &state)
{
    prepare();
    bench::rawPage(state, "SELECT * FROM STOCK WHERE STOCKNO<>'' ORDER BY STOCKNO LIMIT 25");
}
BENCHMARK(RawStockPage)->Unit(benchmark::kMillisecond);

// Each window on its first tab: opened as the frame opens it (started) showing its first page,
// paged down, and jumped between its ends.
const bool customers = bench::registerListBenchmarks<Brw::Customers>("Customers", prepare, 0);
const bool inventory = bench::registerListBenchmarks<Brw::Inventory>("Inventory", prepare, 0);

} // namespace
