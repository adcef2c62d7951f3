// The recurring run over 100,000 invoices of which 10,000 are due, beside a baseline measured in
// the same iteration: the same 10,000 copies (the invoice and its line) made by a plain loop of
// inserts by hand, each copy committed on its own as the run commits each. Reported as a ratio
// (run time / baseline time); the target is the run at no less than half the baseline's rate,
// a ratio of 2 or less.
// Run: build/bench/recurring_bench; the data folder (2,000 customers, 1,000 stock items, 100,000
// invoices of one line) is kept in $TMPDIR/tallyquill-recurring-bench between runs (delete it to
// rebuild). Before each measurement the copies go and the due invoices are due again.
#include "app/invoices/invoicemessages.h"
#include "app/recurring/recurringmessages.h"
#include "app/recurring/recurringrun.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/schema.h"
#include "framework/errorclass.h"
#include "framework/messagepresenter.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr int CustomerCount = 2'000;
constexpr int StockCount = 1'000;
constexpr int InvoiceCount = 100'000;
constexpr int DueEvery = 10; // every tenth invoice is a monthly one, due
constexpr int DueCount = InvoiceCount / DueEvery;

fw::ScriptedPresenter screen; // no message may be shown: a box means something failed

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::string numbered(const char *prefix, int i)
{
    char text[16];
    std::snprintf(text, sizeof text, "%s%05d", prefix, i);
    return text;
}

// The database on a connection of its own, committing as a unit of work does.
class Sql
{
public:
    Sql()
    {
        sqlite3_open(dict::DatabasePath, &db_);
        sqlite3_busy_timeout(db_, 10000);
        exec("PRAGMA synchronous=FULL");
    }
    ~Sql()
    {
        for (sqlite3_stmt *stmt : statements_)
            sqlite3_finalize(stmt);
        sqlite3_close(db_);
    }
    Sql(const Sql &) = delete;
    Sql &operator=(const Sql &) = delete;

    void exec(const std::string &sql) { sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr); }
    sqlite3_stmt *prepare(const std::string &sql)
    {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr);
        statements_.push_back(stmt);
        return stmt;
    }
    double number(const std::string &sql)
    {
        sqlite3_stmt *stmt = nullptr;
        double value = -1;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
            value = sqlite3_column_double(stmt, 0);
        sqlite3_finalize(stmt);
        return value;
    }
    // The table's stored columns, the engine's own left out.
    std::vector<std::string> columns(const char *table)
    {
        std::vector<std::string> names;
        sqlite3_stmt *stmt = prepare(std::string("PRAGMA table_info(") + table + ")");
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            std::string name = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 1));
            if (name[0] != '_')
                names.push_back(name);
        }
        return names;
    }

private:
    sqlite3 *db_ = nullptr;
    std::vector<sqlite3_stmt *> statements_;
};

void run(sqlite3_stmt *stmt)
{
    sqlite3_step(stmt);
    sqlite3_reset(stmt);
}

// --- the data folder -----------------------------------------------------------------------------

void fill(fw::DayNumber today)
{
    Sql sql;
    sql.exec("BEGIN");
    for (const char *clear : {"DELETE FROM main.INVOICE", "DELETE FROM DESCRIPTION", "DELETE FROM FINANCE",
                              "DELETE FROM TOTALINV", "DELETE FROM CUSTOMER", "DELETE FROM STOCK"})
        sql.exec(clear);
    sqlite3_stmt *stock = sql.prepare("INSERT INTO STOCK (RECORDNO, STOCKNO, DESCRIPTION, AMOUNTINSTOCK, COST, RETAIL,"
                                      " TAXABLE) VALUES (?1, ?2, 'A fitting of the standard size', 1e9, 2.5, 9.95, 1)");
    for (int i = 1; i <= StockCount; ++i) {
        sqlite3_bind_int(stock, 1, i);
        sqlite3_bind_text(stock, 2, numbered("ST", i).c_str(), -1, SQLITE_TRANSIENT);
        run(stock);
    }
    sqlite3_stmt *customer = sql.prepare("INSERT INTO CUSTOMER (RECORDNO, CUSTOMERNO, LNAME, FINANCEPRESENT)"
                                         " VALUES (?1, ?2, 'Name', 1)");
    for (int i = 1; i <= CustomerCount; ++i) {
        sqlite3_bind_int(customer, 1, i);
        sqlite3_bind_text(customer, 2, numbered("C", i).c_str(), -1, SQLITE_TRANSIENT);
        run(customer);
    }
    // Every tenth invoice is due monthly; five after each, an annual one not yet due; the rest recur not.
    sqlite3_stmt *invoice = sql.prepare(
        "INSERT INTO main.INVOICE (RECORDNO, INVOICENO, CUSTOMERNO, MONTH, DATE, TAXRATE, RETAIL, TAX, TOTALDUE,"
        " AMOUNTOWED, REBILL, REBILLCYCLE, MEMOS) VALUES (?1, ?1, ?2, ?3, ?4, 0.08, 29.85, 2.39, 32.24, 32.24, ?5, ?6,"
        " 'Serviced every month')");
    sqlite3_stmt *line = sql.prepare(
        "INSERT INTO DESCRIPTION (INVOICENO, RECORDNO, ITEMNO, CUSTOMERNO, DESCRIPTION, QUANTITY, PRICE, PRICE1,"
        " AMOUNT, TAX, STOCKNO, DATE, MONTH, TAXABLE, PRICEOPTION)"
        " VALUES (?1, ?2, 1, ?3, 'A fitting of the standard size', 3, 9.95, 9.95, 29.85, 2.39, ?4, ?5, ?6, 1, 1)");
    for (int n = 1; n <= InvoiceCount; ++n) {
        const bool due = n % DueEvery == 0;
        const bool annual = n % DueEvery == DueEvery / 2;
        const fw::DayNumber date = due ? today - 45 : today - 30 - n % 200;
        const int month = fw::civilDate(date)->month;
        const std::string customerNo = numbered("C", 1 + n % CustomerCount);
        const int item = 1 + n % StockCount;
        sqlite3_bind_int(invoice, 1, n);
        sqlite3_bind_text(invoice, 2, customerNo.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(invoice, 3, month);
        sqlite3_bind_int(invoice, 4, date);
        sqlite3_bind_int(invoice, 5, due || annual ? 1 : 0);
        sqlite3_bind_text(invoice, 6, due ? "M" : annual ? "A" : "N", -1, SQLITE_STATIC);
        run(invoice);
        sqlite3_bind_int(line, 1, n);
        sqlite3_bind_int(line, 2, item);
        sqlite3_bind_text(line, 3, customerNo.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(line, 4, numbered("ST", item).c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(line, 5, date);
        sqlite3_bind_int(line, 6, month);
        run(line);
    }
    sql.exec("INSERT INTO TOTALINV (RECORDNO) VALUES (1)");
    sql.exec("COMMIT");
}

// The copies of an earlier measurement go; the invoices they were made from are due again.
void putBack()
{
    Sql sql;
    const std::string made = std::to_string(InvoiceCount);
    sql.exec("BEGIN IMMEDIATE");
    sql.exec("DELETE FROM main.INVOICE WHERE INVOICENO > " + made);
    sql.exec("DELETE FROM DESCRIPTION WHERE INVOICENO > " + made);
    sql.exec("DELETE FROM FINANCE WHERE INVOICENO > " + made);
    sql.exec("UPDATE main.INVOICE SET REBILL = 1, REBILLCYCLE = 'M', _version = _version + 1 WHERE INVOICENO % "
             + std::to_string(DueEvery) + " = 0");
    sql.exec("COMMIT");
}

void openFiles()
{
    for (dict::RelationManager *file : {&Relate::INVOICE, &Relate::DESCRIPTION, &Relate::CUSTOMER, &Relate::STOCK})
        file->Open();
    for (dict::FileManager *file : {&Access::FINANCE, &Access::TOTALINV, &Access::SPECIAL})
        file->Open();
}

void prepare()
{
    static bool ready = false;
    if (ready)
        return;
    ready = true;
    const auto folder = std::filesystem::temp_directory_path() / "tallyquill-recurring-bench";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    openFiles();
    if (Access::INVOICE.Records() >= InvoiceCount && Access::STOCK.Records() == StockCount)
        return;
    std::fprintf(stderr, "filling %s\n", folder.c_str());
    fill(fw::today());
}

// --- the measurement -----------------------------------------------------------------------------

// Baseline: each due invoice and its line copied as the run's copy, by hand, one transaction each.
// The conditions that never hold for a stored row let the engine use the keys' partial indexes.
double plainCopies()
{
    Sql sql;
    // The source's values but for the copy's number (?1), date (?2) and month (?4).
    const auto selectOf = [](const std::vector<std::string> &columns, std::initializer_list<std::string> numbers) {
        std::string select;
        for (const std::string &c : columns) {
            const bool number = std::find(numbers.begin(), numbers.end(), c) != numbers.end();
            const std::string value = number ? "?1" : c == "DATE" ? "?2" : c == "MONTH" ? "?4" : c;
            select += (select.empty() ? "" : ", ") + value;
        }
        return select;
    };
    const auto listOf = [](const std::vector<std::string> &columns) {
        std::string list;
        for (const std::string &c : columns)
            list += (list.empty() ? "" : ", ") + c;
        return list;
    };
    const std::vector<std::string> invoiceColumns = sql.columns("INVOICE");
    const std::vector<std::string> lineColumns = sql.columns("DESCRIPTION");
    sqlite3_stmt *invoice = sql.prepare("INSERT INTO main.INVOICE (" + listOf(invoiceColumns) + ") SELECT "
                                        + selectOf(invoiceColumns, {"RECORDNO", "INVOICENO"})
                                        + " FROM main.INVOICE WHERE INVOICENO <> 0 AND INVOICENO = ?3");
    sqlite3_stmt *lines = sql.prepare("INSERT INTO DESCRIPTION (" + listOf(lineColumns) + ") SELECT "
                                      + selectOf(lineColumns, {"INVOICENO"})
                                      + " FROM DESCRIPTION WHERE (INVOICENO <> 0 OR ITEMNO <> 0) AND INVOICENO = ?3");
    const fw::DayNumber today = fw::today();
    const int month = fw::civilDate(today)->month;
    const auto start = Clock::now();
    dict::LONG next = InvoiceCount;
    for (dict::LONG source = DueEvery; source <= InvoiceCount; source += DueEvery) {
        ++next;
        sql.exec("BEGIN IMMEDIATE");
        for (sqlite3_stmt *stmt : {invoice, lines}) {
            sqlite3_bind_int(stmt, 1, next);
            sqlite3_bind_int(stmt, 2, today);
            sqlite3_bind_int(stmt, 3, source);
            sqlite3_bind_int(stmt, 4, month);
            run(stmt);
        }
        sql.exec("COMMIT");
    }
    return secondsSince(start);
}

void RecurringRun100k(benchmark::State &state)
{
    prepare();
    const std::size_t shown = screen.shown().size();
    double runTime = 0, baselineTime = 0;
    for (auto _ : state) {
        putBack();
        baselineTime += plainCopies();
        putBack();
        Win::ReOccuringInvoices run(fw::today());
        run.printCopies = {}; // printing is not measured
        const auto start = Clock::now();
        run.Run();
        const double seconds = secondsSince(start);
        runTime += seconds;
        state.SetIterationTime(seconds);
        if (run.copies().size() != DueCount)
            state.SkipWithError(("the run made " + std::to_string(run.copies().size()) + " copies").c_str());
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["run_copies_per_s"] = DueCount * iterations / runTime;
    state.counters["baseline_copies_per_s"] = DueCount * iterations / baselineTime;
    state.counters["baseline_s"] = baselineTime / iterations;
    state.counters["ratio"] = runTime / baselineTime;
    const auto messages = screen.shown();
    for (std::size_t i = shown; i < messages.size(); ++i)
        state.SkipWithError(("message: " + messages[i].title + ": " + messages[i].text).c_str());
}
BENCHMARK(RecurringRun100k)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    fw::ErrorClass errors;
    errors.Init();
    errors.setPresenter(&screen);
    REPORTS::INIT(&errors, nullptr);
    app::installInvoiceMessages(errors);
    app::installRecurringMessages(errors);
    GLO.CANADIAN = dict::TaxRegime::SalesTax;
    GLO.TAXRATE = 0.08;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
