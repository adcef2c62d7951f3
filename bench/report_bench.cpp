// A listing of 1,000,000 DESCRIPTION lines grouped by invoice, beside a raw key-order scan of the
// same rows in the same run: the report's pass (view, group breaks, page queue) should stay within
// twice the raw scan. Also: the page queue's size for 10,000 pages, and writing them as a PDF.
// Run: build/bench/report_bench; the data folder is kept in
// $TMPDIR/tallyquill-report-bench between runs (delete it to rebuild).
#include "benchfolder.h"
#include "dictionary/files.h"
#include "framework/picture.h"
#include "framework/viewmanager.h"
#include "reports/pageoutput.h"
#include "reports/papersize.h"
#include "reports/reportengine.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int LineCount = 1'000'000;
constexpr int LinesPerInvoice = 10;

std::filesystem::path benchFolder() { return std::filesystem::temp_directory_path() / "tallyquill-report-bench"; }

void fill()
{
    sqlite3 *db = nullptr;
    sqlite3_open(dict::DatabasePath, &db);
    sqlite3_exec(db, "DELETE FROM DESCRIPTION; BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO DESCRIPTION (RECORDNO, INVOICENO, ITEMNO, STOCKNO, DESCRIPTION, QUANTITY, PRICE, "
                       "AMOUNT) VALUES (?,?,?,?,?,?,?,?)",
                       -1, &stmt, nullptr);
    for (int i = 0; i < LineCount; ++i) {
        const std::string stock = "ST" + std::to_string(i % 5000);
        const std::string text = "Stock item " + stock + " in its usual packing";
        sqlite3_bind_int(stmt, 1, i + 1);
        sqlite3_bind_int(stmt, 2, i / LinesPerInvoice + 1);
        sqlite3_bind_int(stmt, 3, i % LinesPerInvoice + 1);
        sqlite3_bind_text(stmt, 4, stock.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 5, text.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(stmt, 6, i % 9 + 1);
        sqlite3_bind_double(stmt, 7, 2.5);
        sqlite3_bind_double(stmt, 8, (i % 9 + 1) * 2.5);
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
    Access::DESCRIPTION.Open();
    const bool filled = Access::DESCRIPTION.Records() == LineCount;
    Access::DESCRIPTION.Close();
    if (!filled)
        fill();
}

// Baseline: every row in the report's key order by a prepared statement.
void RawKeyOrderScan(benchmark::State &state)
{
    prepare();
    sqlite3 *db = nullptr;
    sqlite3_open_v2(dict::DatabasePath, &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM DESCRIPTION ORDER BY INVOICENO, ITEMNO", -1, &stmt, nullptr);
    for (auto _ : state) {
        long long rows = 0;
        double sum = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            sum += sqlite3_column_double(stmt, 7);
            ++rows;
        }
        sqlite3_reset(stmt);
        benchmark::DoNotOptimize(sum);
        state.counters["rows"] = double(rows);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}
BENCHMARK(RawKeyOrderScan)->Unit(benchmark::kMillisecond)->Iterations(1);

double invoiceTotal = 0;

const rpt::Layout &listing()
{
    using namespace rpt;
    static const Layout layout{
        .pageHeader = {400,
                       {text({0, 0, 7500, 250}, "Invoice Lines", Title, Align::Center),
                        text({0, 300, 1500, 180}, "Stock #", Bold), text({1600, 300, 4000, 180}, "Description", Bold),
                        text({5700, 300, 800, 180}, "Quantity", Bold, Align::Right),
                        text({6600, 300, 900, 180}, "Amount", Bold, Align::Right)}},
        .groupHeader = {220, {computed({0, 20, 3000, 180}, [] { return "Invoice " + std::to_string(DES.INVOICENO); }, Bold)}},
        .detail = {190,
                   {computed({0, 0, 1500, 180}, [] { return DES.STOCKNO.str(); }),
                    computed({1600, 0, 4000, 180}, [] { return DES.DESCRIPTION.str(); }),
                    field({5700, 0, 800, 180}, dict::field(DES.QUANTITY), "@n-10.2", Body, Align::Right),
                    field({6600, 0, 900, 180}, dict::field(DES.AMOUNT), "@n-13.2", Body, Align::Right)}},
        .groupFooter = {230, {computed({6600, 20, 900, 180}, [] { return fw::formatValue(invoiceTotal, "@n-13.2"); }, Bold,
                                       Align::Right)}},
        .pageFooter = {250, {pageNofM({0, 0, 7500, 180}, Small)}},
        .groupKey = [] { return std::to_string(DES.INVOICENO); },
    };
    return layout;
}

// The report's pass as a report runs it: the view in key order, group totals, the page queue.
long long runListing(rpt::PageQueue &queue, long long maxPages)
{
    Access::DESCRIPTION.Open();
    fw::ViewManager view;
    view.Init(&Relate::DESCRIPTION);
    view.AddSortOrder(DES.InvoiceNo_Key);
    view.Reset();
    rpt::ReportEngine engine(listing(), queue);
    long long rows = 0;
    while (view.Next() == dict::Benign && queue.count() <= maxPages) {
        if (engine.breakGroup())
            invoiceTotal = 0;
        invoiceTotal += DES.AMOUNT;
        engine.printDetail();
        ++rows;
    }
    engine.finish();
    Access::DESCRIPTION.Close();
    return rows;
}

// What the queue holds: its drawing operations and their texts.
double queueBytes(const rpt::PageQueue &queue)
{
    double bytes = 0;
    for (int p = 0; p < queue.count(); ++p) {
        const rpt::Page &page = queue.page(p);
        bytes += double(page.ops.capacity() * sizeof(rpt::PageOp) + page.texts.capacity());
    }
    return bytes;
}

void ListingToPageQueue(benchmark::State &state)
{
    prepare();
    for (auto _ : state) {
        rpt::PageQueue queue(rpt::pageSizeOf("PAPER:LETTER"));
        const long long rows = runListing(queue, LineCount);
        state.counters["rows"] = double(rows);
        state.counters["pages"] = queue.count();
        state.counters["queue_MB"] = queueBytes(queue) / 1e6;
    }
}
BENCHMARK(ListingToPageQueue)->Unit(benchmark::kMillisecond)->Iterations(1);

// 10,000 pages of the listing written as a PDF.
void TenThousandPagesToPdf(benchmark::State &state)
{
    prepare();
    rpt::PageQueue queue(rpt::pageSizeOf("PAPER:LETTER"));
    runListing(queue, 9'999);
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("listing.pdf")).toStdString();
    for (auto _ : state) {
        const std::string error = rpt::writePdf(queue, file, "Lines by Invoice");
        if (!error.empty())
            state.SkipWithError(error.c_str());
    }
    state.counters["pages"] = queue.count();
    state.counters["queue_MB"] = queueBytes(queue) / 1e6;
    state.counters["pdf_MB"] = double(std::filesystem::file_size(file)) / 1e6;
}
BENCHMARK(TenThousandPagesToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
