// A document being entered at a station that is killed: no list shows it, no other station takes
// it while the first still runs, and the next start of the program offers to finish it or to
// remove it, its stock as it was before the document.
#include "app/creditmemos/creditmemoform.h"
#include "app/invoices/invoiceform.h"
#include "app/shell/unfinished.h"
#include "tests/support/invoicefolder.h"

#include <QPushButton>

#include <csignal>
#include <filesystem>

namespace {

using namespace invoicetest;

class UnfinishedTest : public InvoiceFolderTest
{
protected:
    // A document with one line of A entered at another station, which is then killed.
    dict::LONG leftByAKilledStation(const char *job)
    {
        const testsupport::WorkerProcess station = testsupport::startWorker(folder, {job, "A"});
        const dict::LONG number = std::stoi(testsupport::readLine(station.output));
        EXPECT_TRUE(app::unfinishedEntries().empty()) << "a station still entering it keeps it";
        ::kill(station.pid, SIGKILL);
        testsupport::waitWorker(station.pid);
        return number;
    }
    static double count(const std::string &table, const char *column, dict::LONG number)
    {
        return query("SELECT COUNT(*) FROM " + table + " WHERE " + column + " = " + std::to_string(number));
    }
    static bool claimed(const char *file, dict::LONG number)
    {
        return std::filesystem::exists("data/entering/" + std::string(file) + "-" + std::to_string(number) + ".lock");
    }
};

TEST_F(UnfinishedTest, RemovingAnUnfinishedDocumentPutsTheStockBackAsItWas)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 10);
    for (dict::FileManager *file : {&Access::PURORDER, &Access::PURDESCRIPTION, &Access::VENFIN, &Access::VENDOR})
        ASSERT_EQ(file->Open(), dict::Benign);
    struct Case {
        const char *job, *file, *table, *lines, *column, *lineColumn;
        const char *measure; // the stock figure the document moves
        double whileLeft, after;
    } const cases[] = {
        {"enter-invoice", "INVOICE", "INVOICE", "DESCRIPTION", "INVOICENO", "INVOICENO", "AMOUNTINSTOCK", 9, 10},
        {"enter-credit-memo", "CREDIT", "CREDIT", "CRSCRIPTION", "CREDITMEMONO", "CREDITMEMONO", "AMOUNTINSTOCK", 11,
         10},
        {"enter-purchase-order", "PURORDER", "PURORDER", "PURDESCRIPTION", "PORDERNO", "PURORDERNO",
         "AMOUNTBACKORDERED", 1, 0},
    };
    auto stock = [a](const char *measure) {
        return query(std::string("SELECT ") + measure + " FROM STOCK WHERE RECORDNO = " + std::to_string(a));
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.job);
        const dict::LONG number = leftByAKilledStation(c.job);
        EXPECT_EQ(stock(c.measure), c.whileLeft);
        screen.clear();
        screen.answer(dict::ButtonNo); // Remove
        EXPECT_FALSE(app::offerUnfinishedEntries()) << "no form opens";
        ASSERT_EQ(screen.shown().size(), 1u);
        EXPECT_NE(screen.shown()[0].text.find(fw::formatValue(number, "@n06")), std::string::npos);
        EXPECT_EQ(count(c.table, c.column, number), 0);
        EXPECT_EQ(count(c.lines, c.lineColumn, number), 0);
        EXPECT_EQ(stock(c.measure), c.after);
        EXPECT_FALSE(claimed(c.file, number));
        expectBooksAgree();
        screen.clear();
        EXPECT_FALSE(app::offerUnfinishedEntries());
        EXPECT_TRUE(screen.shown().empty()) << "asked once";
    }
}

TEST_F(UnfinishedTest, FinishingAnUnfinishedInvoiceOpensItsFormAndSavesItWithItsStockTakenOnce)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 10);
    const dict::LONG number = leftByAKilledStation("enter-invoice");
    screen.answer(dict::ButtonYes); // Finish
    ASSERT_TRUE(app::offerUnfinishedEntries());
    auto *form = maintenancetest::procedureOf<Upd::Invoice>(setuptest::openWindow("Add an Invoice"));
    ASSERT_NE(form, nullptr);
    const fw::Form &w = form->form();
    EXPECT_EQ(w.entry(INV.INVOICENO)->text().trimmed().toInt(), number);
    EXPECT_EQ(form->items().Records(), 1u) << "its line is there";
    EXPECT_TRUE(claimed("INVOICE", number)) << "claimed while it is entered here";
    setuptest::type(w.entry(INV.CUSTOMERNO), "C1");
    QPointer<Upd::Invoice> alive(form);
    w.ok()->click();
    for (int i = 0; i < 50 && alive; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    fw::ThreadContext::mainContext().makeCurrent();
    EXPECT_EQ(query("SELECT TOTALDUE FROM INVOICE WHERE INVOICENO = " + std::to_string(number)), 10.8);
    EXPECT_EQ(onHand(a), 9) << "the stock went out once";
    EXPECT_FALSE(claimed("INVOICE", number));
    expectBooksAgree();
}

} // namespace
