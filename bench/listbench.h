// The steps a list-window benchmark times, for any browse procedure: open the window on a tab and
// show its first page, page down (back to the top every 500 pages) or jump between its ends.
#pragma once

#include "framework/browseclass.h"
#include "framework/browseprocedure.h"
#include "framework/threadcontext.h"

#include <QApplication>
#include <QTabBar>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>

#include "dictionary/schema.h"

namespace bench {

// The baseline beside the list's figures: one page read by a prepared statement.
inline void rawPage(benchmark::State &state, const char *sql)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(dict::DatabasePath, &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    for (auto _ : state) {
        int rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW)
            ++rows;
        sqlite3_reset(stmt);
        benchmark::DoNotOptimize(rows);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}

template <typename List>
List *openList()
{
    auto *list = new List;
    list->Start();
    QCoreApplication::processEvents();
    return list;
}

inline void closeList(fw::BrowseProcedure *list)
{
    list->window()->parentWidget() ? list->window()->parentWidget()->close() : list->window()->close();
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    fw::ThreadContext::mainContext().makeCurrent();
}

// Opening the window on its first order and showing the first page of the order on tab range(0).
template <typename List>
void openAndShowTab(benchmark::State &state)
{
    const int tab = static_cast<int>(state.range(0));
    for (auto _ : state) {
        List *list = openList<List>();
        list->widgets().tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(list->browse().Records());
        state.PauseTiming();
        closeList(list);
        state.ResumeTiming();
    }
}

// Page down, or to either end, in the order on tab range(0).
template <typename List>
void move(benchmark::State &state, bool ends)
{
    List *list = openList<List>();
    list->widgets().tabs->setCurrentIndex(static_cast<int>(state.range(0)));
    QCoreApplication::processEvents();
    {
        fw::ContextScope scope(list->context());
        fw::BrowseClass &browse = list->browse();
        long moves = 0;
        int direction = 1;
        for (auto _ : state) {
            if (ends) {
                browse.ScrollEnd(direction);
                direction = -direction;
            } else {
                browse.ScrollPage(1);
                if (++moves % 500 == 0)
                    browse.ScrollEnd(-1);
            }
        }
    }
    closeList(list);
}

// Registers the three list figures of List on tabs 0 to lastTab, each after prepare(): open the
// window and show the tab's first page, page down, jump between the ends; each name begins with
// prefix. At namespace scope:
//   const bool registered = bench::registerListBenchmarks<Brw::Invoices>("", prepare, 6);
template <typename List>
bool registerListBenchmarks(const std::string &prefix, void (*prepare)(), int lastTab)
{
    auto figure = [&](const char *name, void (*run)(benchmark::State &)) {
        benchmark::RegisterBenchmark((prefix + name).c_str(), [prepare, run](benchmark::State &state) {
            prepare();
            run(state);
        })->DenseRange(0, lastTab)->Unit(benchmark::kMillisecond);
    };
    figure("OpenAndShowTab", openAndShowTab<List>);
    figure("PageDown", [](benchmark::State &state) { move<List>(state, false); });
    figure("JumpToEnd", [](benchmark::State &state) { move<List>(state, true); });
    return true;
}

} // namespace bench
