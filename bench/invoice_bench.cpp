// Invoice figures, each beside a raw SQLite baseline measured in the same iterations and reported
// as a ratio (system time / baseline time):
//   the line-totals pass on 500 lines: linesOf, sumLines, computeTotals (target: under 20 ms)
//       vs  a prepared SELECT of the same 500 rows
//   saving a 50-line quote made an invoice for another customer: saveInvoice rewrites every line,
//   takes its stock and books the invoice (target: under 30 ms with the rollback journal, 10 ms
//   with the write-ahead log)  vs  the same row writes by hand in one transaction
//   saving one changed line of a 5-line invoice: bookLine moves its stock and books the invoice
//   by the difference (target: under 10 ms)  vs  the same row writes by hand in one transaction
//   The two saves run under either journal (/wal:0 rollback, /wal:1 write-ahead log), and the
//   save's writes by hand under each journal mode (RawSaveUnderJournal: a save and its undoing).
//   Upd:Invoice opened for Change on 200 lines, until its first page of lines and its totals are
//   shown (target: under 100 ms)  vs  a prepared SELECT of the 200 rows
// Run: build/bench/invoice_bench; the data folder (2,000 customers, 10,000 stock items, 20,000
// invoices of 5 lines and the three measured ones) is kept in $TMPDIR/tallyquill-invoice-bench
// between runs (delete it to rebuild).
#include "app/invoices/invoicebook.h"
#include "app/invoices/invoiceform.h"
#include "app/invoices/invoicemath.h"
#include "app/invoices/invoicemessages.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "dictionary/schema.h"
#include "framework/errorclass.h"
#include "framework/globalcodes.h"
#include "framework/messagepresenter.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace inv = app::invoices;

constexpr int CustomerCount = 2'000;
constexpr int StockCount = 10'000;
constexpr int InvoiceCount = 20'000;
constexpr int LinesPerInvoice = 5;
// The measured invoices, numbered after the others.
constexpr dict::LONG TotalsInvoice = InvoiceCount + 1; // 500 lines
constexpr dict::LONG SavedInvoice = InvoiceCount + 2;  // a quote of 50 lines
constexpr dict::LONG FormInvoice = InvoiceCount + 3;   // 200 lines
constexpr const char *QuoteCustomer = "C00002";
constexpr const char *InvoiceCustomer = "C00003";

fw::ScriptedPresenter screen; // no message may be shown: a box means something failed

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double secondsOf(const std::function<void()> &work)
{
    const auto start = Clock::now();
    work();
    return secondsSince(start);
}

std::string customerNo(int i)
{
    char text[16];
    std::snprintf(text, sizeof text, "C%05d", i);
    return text;
}

std::string stockNo(int i)
{
    char text[16];
    std::snprintf(text, sizeof text, "ST%05d", i);
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
        for (auto &[text, stmt] : statements_)
            sqlite3_finalize(stmt);
        sqlite3_close(db_);
    }
    Sql(const Sql &) = delete;
    Sql &operator=(const Sql &) = delete;

    void exec(const char *sql) { sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); }
    sqlite3_int64 lastRowid() const { return sqlite3_last_insert_rowid(db_); }

    // The statement of this text, prepared once; reset and unbound.
    sqlite3_stmt *operator()(const char *sql)
    {
        sqlite3_stmt *&stmt = statements_[sql];
        if (!stmt)
            sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr);
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
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

private:
    sqlite3 *db_ = nullptr;
    std::map<std::string, sqlite3_stmt *> statements_;
};

void bindText(sqlite3_stmt *stmt, int column, const std::string &text)
{
    sqlite3_bind_text(stmt, column, text.c_str(), -1, SQLITE_TRANSIENT);
}

// --- the data folder -----------------------------------------------------------------------------

struct Books {
    std::vector<double> balances = std::vector<double>(CustomerCount + 1);
    dict::TOTALINVRecord totals{};
    int financeRecords = 0;
};

// One invoice and its lines, figured by the invoice arithmetic so that a save finds them in step.
void addInvoice(Sql &sql, Books &books, dict::LONG number, int customer, int lines, bool quote)
{
    dict::INVOICERecord invoice;
    dict::clearRecord(Access::INVOICE.Def(), &invoice);
    invoice.RECORDNO = number;
    invoice.INVOICENO = number;
    invoice.CUSTOMERNO = customerNo(customer);
    invoice.DATE = fw::today() - number % 700;
    invoice.MONTH = static_cast<dict::SHORT>(fw::civilDate(invoice.DATE)->month);
    invoice.TAXRATE = GLO.TAXRATE;
    invoice.QUOTES = quote ? 1 : 0;
    invoice.REBILLCYCLE = "N";
    const inv::LineTerms terms = inv::lineTermsOf(invoice, false);
    std::vector<dict::DESCRIPTIONRecord> records(static_cast<std::size_t>(lines));
    for (int i = 0; i < lines; ++i) {
        dict::DESCRIPTIONRecord &line = records[static_cast<std::size_t>(i)];
        dict::clearRecord(Access::DESCRIPTION.Def(), &line);
        const int item = 1 + static_cast<int>((number * 7919 + i * 104729) % StockCount);
        line.INVOICENO = number;
        line.RECORDNO = item;
        line.ITEMNO = i + 1;
        line.CUSTOMERNO = invoice.CUSTOMERNO;
        line.STOCKNO = stockNo(item);
        line.DESCRIPTION = "Item " + stockNo(item) + ", a fitting of the standard size";
        line.QUANTITY = 1 + (number + i) % 9;
        line.PRICE = line.PRICE1 = 4.95 + item % 50;
        line.PRICEOPTION = 1;
        line.COST = 2.5 + item % 25;
        line.TAXABLE = 1;
        line.DATE = invoice.DATE;
        line.MONTH = invoice.MONTH;
        inv::computeLine(line, terms);
        sqlite3_stmt *s = sql(
            "INSERT INTO DESCRIPTION (INVOICENO, RECORDNO, ITEMNO, CUSTOMERNO, DESCRIPTION, QUANTITY, COST, AMOUNTCOST,"
            " PRICE, PRICE1, AMOUNT, DISCOUNTAMOUNT, TAX, STOCKNO, DATE, MONTH, TAXABLE, PRICEOPTION)"
            " VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        sqlite3_bind_int(s, 1, line.INVOICENO);
        sqlite3_bind_int(s, 2, line.RECORDNO);
        sqlite3_bind_int(s, 3, line.ITEMNO);
        bindText(s, 4, line.CUSTOMERNO.str());
        bindText(s, 5, line.DESCRIPTION.str());
        sqlite3_bind_double(s, 6, line.QUANTITY);
        sqlite3_bind_double(s, 7, line.COST);
        sqlite3_bind_double(s, 8, line.AMOUNTCOST);
        sqlite3_bind_double(s, 9, line.PRICE);
        sqlite3_bind_double(s, 10, line.PRICE1);
        sqlite3_bind_double(s, 11, line.AMOUNT);
        sqlite3_bind_double(s, 12, line.DISCOUNTAMOUNT);
        sqlite3_bind_double(s, 13, line.TAX);
        bindText(s, 14, line.STOCKNO.str());
        sqlite3_bind_int(s, 15, line.DATE);
        sqlite3_bind_int(s, 16, line.MONTH);
        sqlite3_bind_int(s, 17, line.TAXABLE);
        sqlite3_bind_int(s, 18, line.PRICEOPTION);
        sqlite3_step(s);
    }
    inv::computeTotals(invoice, inv::sumLines(records, false), GLO.CANADIAN, false);

    sqlite3_stmt *s = sql("INSERT INTO main.INVOICE (RECORDNO, INVOICENO, CUSTOMERNO, MONTH, DATE, TAXRATE, COST,"
                          " RETAIL, TOTALDISCOUNT, TAX, GST, LABOR, WEIGHT, TOTALDUE, AMOUNTOWED, QUOTES, REBILLCYCLE)"
                          " VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    sqlite3_bind_int(s, 1, invoice.RECORDNO);
    sqlite3_bind_int(s, 2, invoice.INVOICENO);
    bindText(s, 3, invoice.CUSTOMERNO.str());
    sqlite3_bind_int(s, 4, invoice.MONTH);
    sqlite3_bind_int(s, 5, invoice.DATE);
    const double figures[] = {invoice.TAXRATE, invoice.COST, invoice.RETAIL, invoice.TOTALDISCOUNT, invoice.TAX,
                              invoice.GST, invoice.LABOR, invoice.WEIGHT, invoice.TOTALDUE, invoice.AMOUNTOWED};
    for (int i = 0; i < 10; ++i)
        sqlite3_bind_double(s, 6 + i, figures[i]);
    sqlite3_bind_int(s, 16, invoice.QUOTES);
    bindText(s, 17, invoice.REBILLCYCLE.str());
    sqlite3_step(s);
    if (quote)
        return;

    s = sql("INSERT INTO FINANCE (RECORDNO, CUSTOMERNO, INVOICENO, DATE, INVOICETOTAL, AMOUNTDUE) VALUES (?,?,?,?,?,?)");
    sqlite3_bind_int(s, 1, ++books.financeRecords);
    bindText(s, 2, invoice.CUSTOMERNO.str());
    sqlite3_bind_int(s, 3, invoice.INVOICENO);
    sqlite3_bind_int(s, 4, invoice.DATE);
    sqlite3_bind_double(s, 5, invoice.TOTALDUE);
    sqlite3_bind_double(s, 6, invoice.TOTALDUE);
    sqlite3_step(s);
    books.balances[static_cast<std::size_t>(customer)] += invoice.TOTALDUE;
    dict::TOTALINVRecord &t = books.totals;
    t.RETAIL += invoice.RETAIL;
    t.DISCOUNT += invoice.TOTALDISCOUNT;
    t.TAX += invoice.TAX;
    t.GST += invoice.GST;
    t.LABOR += invoice.LABOR;
    t.TOTALDUE += invoice.TOTALDUE;
}

void fill()
{
    Books books;
    Sql sql;
    sql.exec("BEGIN");
    for (const char *clear : {"DELETE FROM main.INVOICE", "DELETE FROM DESCRIPTION", "DELETE FROM FINANCE",
                              "DELETE FROM TOTALINV", "DELETE FROM CUSTOMER", "DELETE FROM STOCK"})
        sql.exec(clear);
    for (int i = 1; i <= StockCount; ++i) {
        sqlite3_stmt *s = sql("INSERT INTO STOCK (RECORDNO, STOCKNO, DESCRIPTION, CATAGORY, AMOUNTINSTOCK, MINAMOUNT,"
                              " COST, RETAIL, RETAIL2, RETAIL3, TAXABLE) VALUES (?,?,?,'PARTS',1000000,5,?,?,?,?,1)");
        sqlite3_bind_int(s, 1, i);
        bindText(s, 2, stockNo(i));
        bindText(s, 3, "Item " + stockNo(i) + ", a fitting of the standard size");
        sqlite3_bind_double(s, 4, 2.5 + i % 25);
        sqlite3_bind_double(s, 5, 4.95 + i % 50);
        sqlite3_bind_double(s, 6, (4.95 + i % 50) * 0.9);
        sqlite3_bind_double(s, 7, (4.95 + i % 50) * 0.8);
        sqlite3_step(s);
    }
    for (dict::LONG number = 1; number <= InvoiceCount; ++number)
        addInvoice(sql, books, number, 1 + number % CustomerCount, LinesPerInvoice, false);
    addInvoice(sql, books, TotalsInvoice, 1, 500, false);
    addInvoice(sql, books, SavedInvoice, 2, 50, true);
    addInvoice(sql, books, FormInvoice, 4, 200, false);
    for (int i = 1; i <= CustomerCount; ++i) {
        sqlite3_stmt *s = sql("INSERT INTO CUSTOMER (RECORDNO, CUSTOMERNO, LNAME, FNAME, COMPANY, CITY, STATE,"
                              " BALANCE, FINANCEPRESENT) VALUES (?,?,?,'Pat',?,'Springfield','NY',?,1)");
        sqlite3_bind_int(s, 1, i);
        bindText(s, 2, customerNo(i));
        bindText(s, 3, "Name " + customerNo(i));
        bindText(s, 4, "Trading " + customerNo(i));
        sqlite3_bind_double(s, 5, dict::roundCents(books.balances[static_cast<std::size_t>(i)]));
        sqlite3_step(s);
    }
    const dict::TOTALINVRecord &t = books.totals;
    sqlite3_stmt *s = sql("INSERT INTO TOTALINV (RECORDNO, RETAIL, DISCOUNT, TAX, GST, LABOR, TOTALDUE)"
                          " VALUES (1,?,?,?,?,?,?)");
    const double sums[] = {t.RETAIL, t.DISCOUNT, t.TAX, t.GST, t.LABOR, dict::roundCents(t.TOTALDUE)};
    for (int i = 0; i < 6; ++i)
        sqlite3_bind_double(s, 1 + i, sums[i]);
    sqlite3_step(s);
    sql.exec("COMMIT");
}

void openFiles()
{
    for (dict::RelationManager *file : {&Relate::INVOICE, &Relate::DESCRIPTION, &Relate::CUSTOMER, &Relate::STOCK})
        file->Open();
    for (dict::FileManager *file : {&Access::FINANCE, &Access::TOTALINV, &Access::SPECIAL})
        file->Open();
}

void closeFiles()
{
    for (dict::RelationManager *file : {&Relate::INVOICE, &Relate::DESCRIPTION, &Relate::CUSTOMER, &Relate::STOCK})
        file->Close();
    for (dict::FileManager *file : {&Access::FINANCE, &Access::TOTALINV, &Access::SPECIAL})
        file->Close();
}

// The invoice files open as the invoice windows open them; filled once.
void prepare()
{
    static bool ready = false;
    if (ready)
        return;
    ready = true;
    const auto folder = std::filesystem::temp_directory_path() / "tallyquill-invoice-bench";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    openFiles();
    if (Access::INVOICE.Records() == InvoiceCount + 3
        && Access::DESCRIPTION.Records() == InvoiceCount * LinesPerInvoice + 750)
        return;
    std::fprintf(stderr, "filling %s\n", folder.c_str());
    fill();
}

// The database opened again under the rollback journal or the write-ahead log: a journal is
// changed only with no connection open.
void prepareJournal(bool writeAheadLog)
{
    prepare();
    closeFiles();
    dict::storage::sqliteDriver().setJournal(writeAheadLog ? dict::storage::Journal::WriteAheadLog
                                                           : dict::storage::Journal::Rollback);
    openFiles();
}

// Reads the invoice into the INV buffer, as a list of invoices leaves it for its update form.
bool fetchInvoice(dict::LONG number)
{
    INV.INVOICENO = number;
    return Access::INVOICE.TryFetch(INV.InvoiceNo_Key) == dict::Benign;
}

// A benchmark fails on any message shown while it ran, but the one it expects.
bool quiet(benchmark::State &state, std::size_t shownBefore, std::string_view expected = {})
{
    const auto shown = screen.shown();
    for (std::size_t i = shownBefore; i < shown.size(); ++i) {
        if (shown[i].title == expected)
            continue;
        state.SkipWithError(("message: " + shown[i].title + ": " + shown[i].text).c_str());
        return false;
    }
    return true;
}

// Each iteration's time is the system's; the counters give the baseline's mean time and the
// ratio of the two sums over the same iterations.
struct Figures {
    double system = 0, baseline = 0;
    void add(benchmark::State &state, double systemTime, double baselineTime)
    {
        state.SetIterationTime(systemTime);
        system += systemTime;
        baseline += baselineTime;
    }
    void report(benchmark::State &state) const
    {
        state.counters["baseline_ms"] = 1000 * baseline / static_cast<double>(state.iterations());
        state.counters["ratio"] = system / baseline;
    }
};

// Baseline: the invoice's lines in key order, every column of every row.
int rawLines(Sql &sql, dict::LONG invoiceNo)
{
    sqlite3_stmt *s = sql("SELECT * FROM DESCRIPTION WHERE (INVOICENO<>0 OR ITEMNO<>0) AND INVOICENO=?"
                          " ORDER BY INVOICENO, ITEMNO, _position");
    sqlite3_bind_int(s, 1, invoiceNo);
    const int columns = sqlite3_column_count(s);
    int rows = 0;
    std::int64_t sum = 0;
    while (sqlite3_step(s) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c)
            sum += sqlite3_column_type(s, c) == SQLITE_TEXT ? sqlite3_column_bytes(s, c) : sqlite3_column_int64(s, c);
        ++rows;
    }
    sqlite3_reset(s);
    benchmark::DoNotOptimize(sum);
    return rows;
}

// --- the line-totals pass ------------------------------------------------------------------------

void LineTotalsPass500(benchmark::State &state)
{
    prepare();
    Sql sql;
    const std::size_t shown = screen.shown().size();
    fetchInvoice(TotalsInvoice);
    const dict::INVOICERecord stored = INV;
    Figures figures;
    for (auto _ : state) {
        int rawRows = 0;
        const double baseline = secondsOf([&] { rawRows = rawLines(sql, TotalsInvoice); });
        dict::INVOICERecord invoice = stored;
        std::size_t lineCount = 0;
        const double system = secondsOf([&] {
            std::vector<dict::DESCRIPTIONRecord> lines;
            for (const inv::StoredLine &line : inv::linesOf(invoice.INVOICENO))
                lines.push_back(line.line);
            lineCount = lines.size();
            inv::computeTotals(invoice, inv::sumLines(lines, invoice.LINEITEMDISCOUNT != 0), GLO.CANADIAN, false);
        });
        if (lineCount != 500 || rawRows != 500 || invoice.TOTALDUE != stored.TOTALDUE)
            state.SkipWithError("the pass did not come to the stored total of 500 lines");
        figures.add(state, system, baseline);
    }
    figures.report(state);
    quiet(state, shown);
}
BENCHMARK(LineTotalsPass500)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

// --- the save ------------------------------------------------------------------------------------

// The rows the save writes, for the baseline: each line's position, its item's and its quantity.
struct SavedRows {
    std::vector<std::pair<sqlite3_int64, sqlite3_int64>> lines; // line, stock item
    std::vector<double> quantities;
    sqlite3_int64 invoice = 0, customer = 0;
    double totalDue = 0, retail = 0, tax = 0;
};

SavedRows savedRows(Sql &sql)
{
    SavedRows rows;
    sqlite3_stmt *s = sql("SELECT d._position, s._position, d.QUANTITY FROM DESCRIPTION d JOIN STOCK s ON"
                          " s.STOCKNO = d.STOCKNO AND s.RECORDNO = d.RECORDNO"
                          " WHERE (d.INVOICENO<>0 OR d.ITEMNO<>0) AND d.INVOICENO=? ORDER BY d.ITEMNO");
    sqlite3_bind_int(s, 1, SavedInvoice);
    while (sqlite3_step(s) == SQLITE_ROW) {
        rows.lines.emplace_back(sqlite3_column_int64(s, 0), sqlite3_column_int64(s, 1));
        rows.quantities.push_back(sqlite3_column_double(s, 2));
    }
    const std::string invoice = " FROM main.INVOICE WHERE INVOICENO=" + std::to_string(SavedInvoice);
    rows.invoice = static_cast<sqlite3_int64>(sql.number("SELECT _position" + invoice));
    rows.totalDue = sql.number("SELECT TOTALDUE" + invoice);
    rows.retail = sql.number("SELECT RETAIL" + invoice);
    rows.tax = sql.number("SELECT TAX" + invoice);
    std::string customer = "SELECT _position FROM CUSTOMER WHERE CUSTOMERNO='";
    customer.append(InvoiceCustomer).append("'");
    rows.customer = static_cast<sqlite3_int64>(sql.number(customer));
    return rows;
}

// Baseline: the quote made an invoice by hand: every line to the new customer, every item's stock
// out, the invoice, its FINANCE record, TOTALINV and the customer's balance, in one transaction;
// `back` undoes it (its FINANCE record is the row `finance`). Returns that row.
sqlite3_int64 rawSave(Sql &sql, const SavedRows &rows, bool back, sqlite3_int64 finance)
{
    const double sign = back ? -1 : 1;
    sql.exec("BEGIN IMMEDIATE");
    for (std::size_t i = 0; i < rows.lines.size(); ++i) {
        sqlite3_stmt *s = sql("UPDATE DESCRIPTION SET CUSTOMERNO=?, _version=_version+1 WHERE _position=?");
        bindText(s, 1, back ? QuoteCustomer : InvoiceCustomer);
        sqlite3_bind_int64(s, 2, rows.lines[i].first);
        sqlite3_step(s);
        s = sql("UPDATE STOCK SET AMOUNTINSTOCK=AMOUNTINSTOCK-?, _version=_version+1 WHERE _position=?");
        sqlite3_bind_double(s, 1, sign * rows.quantities[i]);
        sqlite3_bind_int64(s, 2, rows.lines[i].second);
        sqlite3_step(s);
    }
    sqlite3_stmt *s = sql("UPDATE main.INVOICE SET CUSTOMERNO=?, QUOTES=?, _version=_version+1 WHERE _position=?");
    bindText(s, 1, back ? QuoteCustomer : InvoiceCustomer);
    sqlite3_bind_int(s, 2, back ? 1 : 0);
    sqlite3_bind_int64(s, 3, rows.invoice);
    sqlite3_step(s);
    if (back) {
        s = sql("DELETE FROM FINANCE WHERE _position=?");
        sqlite3_bind_int64(s, 1, finance);
    } else {
        s = sql("INSERT INTO FINANCE (CUSTOMERNO, INVOICENO, DATE, INVOICETOTAL, AMOUNTDUE) VALUES (?,?,?,?,?)");
        bindText(s, 1, InvoiceCustomer);
        sqlite3_bind_int(s, 2, SavedInvoice);
        sqlite3_bind_int(s, 3, fw::today());
        sqlite3_bind_double(s, 4, rows.totalDue);
        sqlite3_bind_double(s, 5, rows.totalDue);
    }
    sqlite3_step(s);
    finance = back ? 0 : sql.lastRowid();
    s = sql("UPDATE TOTALINV SET RETAIL=RETAIL+?1, TAX=TAX+?2, TOTALDUE=TOTALDUE+?3, _version=_version+1"
            " WHERE RECORDNO=1");
    sqlite3_bind_double(s, 1, sign * rows.retail);
    sqlite3_bind_double(s, 2, sign * rows.tax);
    sqlite3_bind_double(s, 3, sign * rows.totalDue);
    sqlite3_step(s);
    s = sql("UPDATE CUSTOMER SET BALANCE=BALANCE+?, _version=_version+1 WHERE _position=?");
    sqlite3_bind_double(s, 1, sign * rows.totalDue);
    sqlite3_bind_int64(s, 2, rows.customer);
    sqlite3_step(s);
    sql.exec("COMMIT");
    return finance;
}

// Saves the form's copy of the stored invoice, for this customer and as a quote or not; the time
// is that of saveInvoice alone.
int saveAs(const char *customer, bool quote, double *seconds = nullptr)
{
    if (!fetchInvoice(SavedInvoice))
        return dict::Notify;
    INV.CUSTOMERNO = customer;
    INV.QUOTES = quote ? 1 : 0;
    bool linesHoldStock = quote; // the stored one is of the other kind
    const auto start = Clock::now();
    const int saved = inv::saveInvoice(false, linesHoldStock);
    if (seconds)
        *seconds = secondsSince(start);
    return saved;
}

// The system: the quote, handed to another customer and its Quote box cleared, saved: every line
// is rewritten for the customer and takes its stock, and the invoice is booked. Put back as the
// quote it was between iterations, untimed.
void SaveQuoteAsInvoice50(benchmark::State &state)
{
    prepareJournal(state.range(0) != 0);
    Sql sql;
    const std::size_t shown = screen.shown().size();
    if (fetchInvoice(SavedInvoice) && INV.QUOTES == 0)
        saveAs(QuoteCustomer, true); // left an invoice by an interrupted run
    const SavedRows rows = savedRows(sql);
    const std::string moved = "SELECT COUNT(*) FROM DESCRIPTION WHERE (INVOICENO<>0 OR ITEMNO<>0) AND INVOICENO="
                              + std::to_string(SavedInvoice) + " AND CUSTOMERNO='" + InvoiceCustomer + "'";
    Figures figures;
    for (auto _ : state) {
        sqlite3_int64 finance = 0;
        const double baseline = secondsOf([&] { finance = rawSave(sql, rows, false, finance); });
        if (sql.number(moved) != 50)
            state.SkipWithError("the baseline did not write the lines");
        rawSave(sql, rows, true, finance);

        double system = 0;
        if (saveAs(InvoiceCustomer, false, &system) != dict::Benign || sql.number(moved) != 50)
            state.SkipWithError("the save did not book the invoice");
        figures.add(state, system, baseline);
        if (saveAs(QuoteCustomer, true) != dict::Benign)
            state.SkipWithError("the invoice was not put back as a quote");
    }
    figures.report(state);
    quiet(state, shown);
}
BENCHMARK(SaveQuoteAsInvoice50)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->ArgName("wal")
    ->Arg(0)
    ->Arg(1);

// The journal modes side by side: the save's writes by hand under each, with the database to
// itself. The rollback modes are the connection's own; the write-ahead log is the database's.
void RawSaveUnderJournal(benchmark::State &state)
{
    static const char *const modes[] = {"DELETE", "TRUNCATE", "PERSIST", "WAL"};
    const char *mode = modes[state.range(0)];
    prepare();
    closeFiles();
    {
        Sql sql;
        sql.exec((std::string("PRAGMA journal_mode=") + mode).c_str());
        const SavedRows rows = savedRows(sql);
        for (auto _ : state) {
            const sqlite3_int64 finance = rawSave(sql, rows, false, 0);
            rawSave(sql, rows, true, finance);
        }
        sql.exec("PRAGMA journal_mode=DELETE");
        state.SetLabel(mode);
    }
    openFiles();
}
BENCHMARK(RawSaveUnderJournal)->Unit(benchmark::kMillisecond)->Iterations(40)->DenseRange(0, 3);

// --- a line's save -------------------------------------------------------------------------------

constexpr dict::LONG LineInvoice = 7; // of 5 lines, booked

// The rows a line's save writes, for the baseline.
struct LineRows {
    sqlite3_int64 line = 0, stock = 0, invoice = 0, finance = 0, customer = 0;
    double price = 0;
};

LineRows lineRows(Sql &sql)
{
    LineRows rows;
    const std::string invoiceNo = std::to_string(LineInvoice);
    rows.line = static_cast<sqlite3_int64>(
        sql.number("SELECT _position FROM DESCRIPTION WHERE INVOICENO=" + invoiceNo + " AND ITEMNO=1"));
    rows.price = sql.number("SELECT PRICE FROM DESCRIPTION WHERE _position=" + std::to_string(rows.line));
    rows.stock = static_cast<sqlite3_int64>(sql.number(
        "SELECT s._position FROM STOCK s JOIN DESCRIPTION d ON s.STOCKNO=d.STOCKNO WHERE d._position="
        + std::to_string(rows.line)));
    rows.invoice = static_cast<sqlite3_int64>(sql.number("SELECT _position FROM main.INVOICE WHERE INVOICENO=" + invoiceNo));
    rows.finance = static_cast<sqlite3_int64>(sql.number("SELECT _position FROM FINANCE WHERE INVOICENO=" + invoiceNo));
    rows.customer = static_cast<sqlite3_int64>(sql.number(
        "SELECT c._position FROM CUSTOMER c JOIN main.INVOICE i ON c.CUSTOMERNO=i.CUSTOMERNO WHERE i.INVOICENO=" + invoiceNo));
    return rows;
}

// Baseline: one more (or one fewer) of the line's item, by hand: the line, its item's stock, the
// invoice's totals, its FINANCE record, TOTALINV and the balance, in one transaction.
void rawLineSave(Sql &sql, const LineRows &rows, double more)
{
    const double amount = more * rows.price;
    sql.exec("BEGIN IMMEDIATE");
    const std::pair<const char *, sqlite3_int64> writes[] = {
        {"UPDATE DESCRIPTION SET QUANTITY=QUANTITY+?1, AMOUNT=AMOUNT+?2, _version=_version+1 WHERE _position=?3",
         rows.line},
        {"UPDATE STOCK SET AMOUNTINSTOCK=AMOUNTINSTOCK-?1, _version=_version+1 WHERE _position=?3", rows.stock},
        {"UPDATE main.INVOICE SET RETAIL=RETAIL+?2, TOTALDUE=TOTALDUE+?2, AMOUNTOWED=AMOUNTOWED+?2,"
         " _version=_version+1 WHERE _position=?3",
         rows.invoice},
        {"UPDATE FINANCE SET INVOICETOTAL=INVOICETOTAL+?2, AMOUNTDUE=AMOUNTDUE+?2, _version=_version+1"
         " WHERE _position=?3",
         rows.finance},
        {"UPDATE TOTALINV SET RETAIL=RETAIL+?2, TOTALDUE=TOTALDUE+?2, _version=_version+1 WHERE _position=?3", 1},
        {"UPDATE CUSTOMER SET BALANCE=BALANCE+?2, _version=_version+1 WHERE _position=?3", rows.customer}};
    for (const auto &[text, position] : writes) {
        sqlite3_stmt *s = sql(text);
        sqlite3_bind_double(s, 1, more);
        sqlite3_bind_double(s, 2, amount);
        sqlite3_bind_int64(s, 3, position);
        sqlite3_step(s);
    }
    sql.exec("COMMIT");
}

// The system: the invoice's first line changed to `quantity` as the line form saves it.
int saveLineAs(double quantity, double *seconds = nullptr)
{
    if (!fetchInvoice(LineInvoice))
        return dict::Notify;
    DES.INVOICENO = LineInvoice;
    DES.ITEMNO = 1;
    if (Access::DESCRIPTION.TryFetch(DES.InvoiceNo_Key) != dict::Benign)
        return dict::Notify;
    const dict::DESCRIPTIONRecord before = DES;
    DES.QUANTITY = quantity;
    inv::computeLine(DES, inv::lineTermsOf(INV, false));
    const auto start = Clock::now();
    const int saved = inv::bookLine(false, before, true);
    if (seconds)
        *seconds = secondsSince(start);
    return saved;
}

void SaveOneLine(benchmark::State &state)
{
    prepareJournal(state.range(0) != 0);
    Sql sql;
    const std::size_t shown = screen.shown().size();
    const LineRows rows = lineRows(sql);
    const std::string quantity = "SELECT QUANTITY FROM DESCRIPTION WHERE _position=" + std::to_string(rows.line);
    const double was = sql.number(quantity);
    Figures figures;
    for (auto _ : state) {
        const double baseline = secondsOf([&] { rawLineSave(sql, rows, 1); });
        rawLineSave(sql, rows, -1);
        double system = 0;
        if (saveLineAs(was + 1, &system) != dict::Benign || sql.number(quantity) != was + 1)
            state.SkipWithError("the line was not saved");
        figures.add(state, system, baseline);
        if (saveLineAs(was) != dict::Benign)
            state.SkipWithError("the line was not put back");
    }
    figures.report(state);
    quiet(state, shown);
}
BENCHMARK(SaveOneLine)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)->ArgName("wal")->Arg(0)->Arg(1);

// --- the invoice form ----------------------------------------------------------------------------

// The system: the form called for Change on the invoice in the INV buffer, as a list calls its
// update form, timed from the call until its first page of lines and its totals are shown (the
// events its opening queued handled); then cancelled, untimed.
void OpenInvoiceFormForChange200(benchmark::State &state)
{
    prepareJournal(false);
    Sql sql;
    const std::size_t shown = screen.shown().size();
    fetchInvoice(FormInvoice);
    const QString totalDue = QString::fromStdString(fw::formatValue(INV.TOTALDUE, "@n-12.2")).trimmed();
    Figures figures;
    double pageRows = 0, savePrompts = 0;
    for (auto _ : state) {
        int rawRows = 0;
        const double baseline = secondsOf([&] { rawRows = rawLines(sql, FormInvoice); });

        fetchInvoice(FormInvoice);
        GLO.NEWINVOICE = 0;
        GlobalRequest = fw::ChangeRecord;
        Upd::Invoice form;
        double system = 0;
        bool shownRight = false;
        const auto start = Clock::now();
        std::function<void()> whenOpen = [&] {
            if (!form.opened()) {
                QTimer::singleShot(0, whenOpen);
                return;
            }
            QCoreApplication::processEvents();
            system = secondsSince(start);
            pageRows = static_cast<double>(form.items().Records());
            shownRight = pageRows > 0 && form.form().entry(INV.TOTALDUE)->text().trimmed() == totalDue;
            form.window()->close();
            if (form.window()->isVisible()) { // it asked whether to save the untouched invoice
                ++savePrompts;
                screen.answer(dict::ButtonNo);
                form.window()->close();
            }
        };
        QTimer::singleShot(0, whenOpen);
        static_cast<fw::WindowManager &>(form).Run(); // Run(number, request) hides it
        if (!shownRight || rawRows != 200)
            state.SkipWithError("the form did not show the lines and the total");
        figures.add(state, system, baseline);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    figures.report(state);
    state.counters["rows"] = pageRows;
    // Cancel of a Change asks to save when the totals shown round a figure kept to more than the cent.
    state.counters["save_prompts"] = savePrompts;
    quiet(state, shown, "Save Record");
}
BENCHMARK(OpenInvoiceFormForChange200)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

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
    GLO.CANADIAN = dict::TaxRegime::SalesTax;
    GLO.TAXRATE = 0.08;
    GLO.PRINTINVOICE = 0;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
