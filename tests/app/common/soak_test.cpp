// A station killed (SIGKILL) at a hundred random moments while it books invoices, lines and
// payments at random. After each kill the next station opens the files as they are: every file
// passes SQLite's integrity check and the books agree.
#include "tests/support/invoicefolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <thread>
#include <unistd.h>

namespace {

using namespace invoicetest;
namespace fs = std::filesystem;

class SoakTest : public InvoiceFolderTest
{
};

TEST_F(SoakTest, AStationKilledAtAHundredRandomMomentsLeavesBooksThatAgree)
{
    for (const char *customer : {"C1", "C2", "C3"})
        addCustomer(customer);
    addStock("A", 500);
    addStock("B", 500);
    closeFiles();
    std::mt19937 random(2026);
    long steps = 0;
    for (int kill = 0; kill < 100 && !HasFailure(); ++kill) {
        const testsupport::WorkerProcess station =
            testsupport::startWorker(folder, {"random-books-forever", std::to_string(kill)});
        ASSERT_FALSE(testsupport::readLine(station.output).empty()) << "the station did not start";
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 120));
        ::kill(station.pid, SIGKILL);
        testsupport::waitWorker(station.pid);
        long done = 0; // the station prints the count of steps done
        for (std::string line; !(line = testsupport::readLine(station.output)).empty();)
            done = std::stol(line);
        steps += done;
        ::close(station.output);

        EXPECT_EQ(testsupport::integrityOf(dict::DatabasePath), "ok") << "after kill " << kill;
        openFiles();
        expectBooksAgree();
        // Stock: what is out is what the saved invoices' lines hold, and at most what the lines
        // of invoices whose number was only reserved when the station died hold besides.
        const double out = 1000 - query("SELECT TOTAL(AMOUNTINSTOCK) FROM STOCK");
        const double saved = query("SELECT TOTAL(QUANTITY) FROM DESCRIPTION x WHERE (SELECT QUOTES = 0 AND "
                                   "CUSTOMERNO <> '' FROM INVOICE WHERE INVOICENO = x.INVOICENO)");
        const double reserved = query("SELECT TOTAL(QUANTITY) FROM DESCRIPTION x WHERE (SELECT CUSTOMERNO = '' "
                                      "FROM INVOICE WHERE INVOICENO = x.INVOICENO)");
        EXPECT_GE(out + 1e-6, saved) << "after kill " << kill;
        EXPECT_LE(out, saved + reserved + 1e-6) << "after kill " << kill;
        closeFiles();
    }
    RecordProperty("steps", static_cast<int>(steps));
    openFiles();
    EXPECT_GT(query("SELECT COUNT(*) FROM INVOICE WHERE CUSTOMERNO <> ''"), 5) << "the station did book";
}

} // namespace
