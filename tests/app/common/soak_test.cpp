// A station killed (SIGKILL) at a hundred random moments while it books invoices, lines and
// payments at random: once through the booking functions, once through the real invoice form and
// finance history windows. After each kill the next station opens the database as it is: it
// passes SQLite's integrity check and the books agree.
#include "tests/support/counterwindows.h"
#include "tests/support/paymentfolder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <csignal>
#include <filesystem>
#include <random>
#include <thread>
#include <unistd.h>

namespace {

using namespace paymenttest;
namespace fs = std::filesystem;

class SoakTest : public PaymentFolderTest
{
protected:
    // The books after a kill: the database sound, the books agreeing, and the stock that is out
    // what the saved invoices' lines hold less what saved credit memos gave back, give or take
    // what the lines of documents whose number was only reserved when the station died hold.
    void expectSoundAfter(int kill, double stockAtStart)
    {
        SCOPED_TRACE("after kill " + std::to_string(kill));
        EXPECT_EQ(testsupport::integrityOf(dict::DatabasePath), "ok");
        openFiles();
        expectBooksAgree();
        const double out = stockAtStart - query("SELECT TOTAL(AMOUNTINSTOCK) FROM STOCK WHERE STOCKNO IN ('A', 'B')");
        const double saved = query("SELECT TOTAL(QUANTITY) FROM DESCRIPTION x WHERE STOCKNO IN ('A', 'B') AND (SELECT "
                                   "QUOTES = 0 AND CUSTOMERNO <> '' FROM INVOICE WHERE INVOICENO = x.INVOICENO)");
        const double reserved = query("SELECT TOTAL(QUANTITY) FROM DESCRIPTION x WHERE (SELECT CUSTOMERNO = '' "
                                      "FROM INVOICE WHERE INVOICENO = x.INVOICENO)");
        // Credit memos give back what their lines hold, a memo being entered too.
        auto credited = [](const char *memos) {
            return query(std::string("SELECT TOTAL(QUANTITY) FROM CRSCRIPTION x WHERE STOCKNO IN ('A', 'B') AND "
                                     "(SELECT ") + memos + " FROM CREDIT WHERE CREDITMEMONO = x.CREDITMEMONO)");
        };
        const double returned = credited("CUSTOMERNO <> ''");
        const double returning = credited("CUSTOMERNO = ''");
        EXPECT_GE(out + 1e-6, saved - returned - returning);
        EXPECT_LE(out, saved + reserved - returned + 1e-6);
        closeFiles();
    }

    // Kills a started station after ms; the count of steps it reported done.
    static long killAfter(const testsupport::WorkerProcess &station, int ms)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        ::kill(station.pid, SIGKILL);
        testsupport::waitWorker(station.pid);
        long done = 0; // the last count of steps the station printed ("12" or "step 12")
        for (std::string line; !(line = testsupport::readLine(station.output)).empty();) {
            const std::string count = line.starts_with("step ") ? line.substr(5) : line;
            if (!count.empty() && std::isdigit(static_cast<unsigned char>(count[0])))
                done = std::stol(count);
        }
        ::close(station.output);
        return done;
    }
};

TEST_F(SoakTest, AStationBookingAtRandomKilledAHundredTimesLeavesBooksThatAgree)
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
        steps += killAfter(station, int(random() % 120));
        expectSoundAfter(kill, 1000);
    }
    RecordProperty("steps", static_cast<int>(steps));
    openFiles();
    EXPECT_GT(query("SELECT COUNT(*) FROM INVOICE WHERE CUSTOMERNO <> ''"), 5) << "the station did book";
}

// The station of the next test: launched by it with the folder to work in, it drives the
// invoice form and the finance history at random until it is killed, reporting each step done.
TEST_F(SoakTest, DISABLED_StationAtTheCounterUntilKilled)
{
    const char *books = std::getenv("TQ_SOAK_FOLDER");
    if (!books)
        GTEST_SKIP() << "started only by the counter soak";
    std::printf("folder %s\n", folder.c_str()); // its own, for the test that killed it to remove
    closeFiles();
    fs::current_path(books);
    openFiles();
    std::vector<dict::LONG> saved;
    for (double n : {1.0, 2.0}) // the two invoices the test booked first
        saved.push_back(static_cast<dict::LONG>(n));
    countertest::CounterWindows counter(screen, static_cast<unsigned>(std::atoi(std::getenv("TQ_SOAK_SEED"))), saved);
    std::printf("started\n");
    std::fflush(stdout);
    for (long step = 1;; ++step) {
        screen.clear();
        counter.step();
        std::printf("step %ld\n", step);
        std::fflush(stdout);
    }
}

TEST_F(SoakTest, AStationAtTheCounterKilledAHundredTimesLeavesBooksThatAgree)
{
    addCustomer("C1");
    addStock("A", 500, 12.5);
    addStock("B", 500, 7.35);
    ASSERT_EQ(bookInvoice("C1", 80), 1);
    ASSERT_EQ(bookInvoice("C1", 45.6), 2);
    closeFiles();
    std::mt19937 random(2027);
    long steps = 0;
    for (int kill = 0; kill < 100 && !HasFailure(); ++kill) {
        const testsupport::WorkerProcess station = testsupport::startOwnTest(
            "SoakTest.DISABLED_StationAtTheCounterUntilKilled",
            {"TQ_SOAK_FOLDER=" + folder.string(), "TQ_SOAK_SEED=" + std::to_string(kill)});
        std::string line, own;
        while (!(line = testsupport::readLine(station.output)).empty() && line != "started")
            if (line.starts_with("folder "))
                own = line.substr(7);
        ASSERT_EQ(line, "started") << "the station did not start";
        steps += killAfter(station, int(random() % 400));
        if (!own.empty())
            fs::remove_all(own);
        expectSoundAfter(kill, 1000);
    }
    RecordProperty("steps", static_cast<int>(steps));
    EXPECT_GT(steps, 100) << "the stations did work between kills";
    openFiles();
    EXPECT_GT(query("SELECT COUNT(*) FROM INVOICE WHERE CUSTOMERNO <> ''"), 5) << "the stations saved invoices";
    EXPECT_GT(query("SELECT COUNT(*) FROM FINANCE WHERE AMOUNTPAID > 0"), 3) << "and took payments";
}

} // namespace
