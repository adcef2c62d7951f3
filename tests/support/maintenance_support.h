// Shared by the customer and inventory window tests: a started data folder with a settings file,
// the procedure object behind an open window, counting rows with SQL, and closing started windows.
#pragma once

#include "framework/iniclass.h"
#include "framework/procedurewindow.h"
#include "framework/reportslib.h"
#include "framework/threadcontext.h"
#include "tests/support/setup_support.h"

#include <QCoreApplication>
#include <QPointer>

#include <sqlite3.h>

#include <cstdlib>
#include <string>

namespace maintenancetest {

class WindowFolderTest : public setuptest::StartedFolderTest
{
protected:
    void SetUp() override
    {
        setuptest::StartedFolderTest::SetUp();
        settings().Init("Invoice.ini");
        REPORTS::INIT(&errors, &settings());
    }
    void TearDown() override
    {
        fw::ThreadContext::mainContext().makeCurrent();
        setuptest::StartedFolderTest::TearDown();
    }
    static fw::INIClass &settings()
    {
        static fw::INIClass ini;
        return ini;
    }
};

// The procedure of a window, as its own class.
template <class Procedure>
Procedure *procedureOf(QWidget *window)
{
    auto *w = qobject_cast<fw::ProcedureWindow *>(window);
    return w ? dynamic_cast<Procedure *>(w->manager()) : nullptr;
}

// Closes a started window by its Close button and lets it finish.
template <class Procedure>
void closeStarted(Procedure *procedure, QAbstractButton *close)
{
    QPointer<Procedure> alive(procedure);
    close->click();
    for (int i = 0; i < 20 && alive; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    fw::ThreadContext::mainContext().makeCurrent();
}

// The single number a query on a data file answers, behind the managers' backs.
inline double queryNumber(const char *file, const std::string &sql)
{
    sqlite3 *db = nullptr;
    double value = -1;
    if (sqlite3_open_v2(file, &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
            value = sqlite3_column_double(stmt, 0);
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return value;
}

} // namespace maintenancetest
