// An invoice being entered at a station that is killed: no list shows it, no other station
// takes it while the first still runs, and the next start of the program offers to finish it or
// to remove it with its stock returned.
#include "app/invoices/invoiceform.h"
#include "app/invoices/unfinished.h"
#include "tests/support/invoicefolder.h"

#include <QPushButton>

#include <csignal>
#include <filesystem>

namespace {

using namespace invoicetest;
namespace inv = app::invoices;

class UnfinishedInvoiceTest : public InvoiceFolderTest
{
protected:
    // An invoice with one line of A entered at another station, which is then killed.
    dict::LONG leftByAKilledStation()
    {
        const testsupport::WorkerProcess station = testsupport::startWorker(folder, {"enter-invoice", "A"});
        const dict::LONG number = std::stoi(testsupport::readLine(station.output));
        EXPECT_TRUE(inv::unfinishedInvoices().empty()) << "a station still entering it keeps it";
        ::kill(station.pid, SIGKILL);
        testsupport::waitWorker(station.pid);
        return number;
    }
    static double count(const std::string &table, dict::LONG number)
    {
        return query("SELECT COUNT(*) FROM " + table + " WHERE INVOICENO = " + std::to_string(number));
    }
    static bool claimed(dict::LONG number)
    {
        return std::filesystem::exists("data/entering/INVOICE-" + std::to_string(number) + ".lock");
    }
};

TEST_F(UnfinishedInvoiceTest, RemovingItReturnsItsStockAndLeavesNothingBehind)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 10);
    const dict::LONG number = leftByAKilledStation();
    EXPECT_EQ(onHand(a), 9);
    screen.answer(dict::ButtonNo); // Remove
    EXPECT_FALSE(inv::offerUnfinishedInvoices()) << "no form opens";
    ASSERT_EQ(screen.shown().size(), 1u);
    EXPECT_NE(screen.shown()[0].text.find(fw::formatValue(number, "@n06")), std::string::npos);
    EXPECT_EQ(count("INVOICE", number), 0);
    EXPECT_EQ(count("DESCRIPTION", number), 0);
    EXPECT_EQ(onHand(a), 10) << "its line's stock came back";
    EXPECT_FALSE(claimed(number));
    expectBooksAgree();
    screen.clear();
    EXPECT_FALSE(inv::offerUnfinishedInvoices());
    EXPECT_TRUE(screen.shown().empty()) << "asked once";
}

TEST_F(UnfinishedInvoiceTest, FinishingItOpensItsFormAndSavesItWithItsStockTakenOnce)
{
    addCustomer("C1");
    const dict::LONG a = addStock("A", 10);
    const dict::LONG number = leftByAKilledStation();
    screen.answer(dict::ButtonYes); // Finish
    ASSERT_TRUE(inv::offerUnfinishedInvoices());
    auto *form = maintenancetest::procedureOf<Upd::Invoice>(setuptest::openWindow("Add an Invoice"));
    ASSERT_NE(form, nullptr);
    const fw::Form &w = form->form();
    EXPECT_EQ(w.entry(INV.INVOICENO)->text().trimmed().toInt(), number);
    EXPECT_EQ(form->items().Records(), 1u) << "its line is there";
    EXPECT_TRUE(claimed(number)) << "claimed while it is entered here";
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
    EXPECT_FALSE(claimed(number));
    expectBooksAgree();
}

} // namespace
