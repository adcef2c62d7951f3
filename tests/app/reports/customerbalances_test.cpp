// What customers owe, printed: books made through the booking functions (invoices, payments,
// a payment on account, a quote), then both listings read back from their pages.
#include "app/printselect/tagbrowses.h"
#include "app/reports/billingstatement.h"
#include "app/reports/customerstatements.h"
#include "app/reports/receipts.h"
#include "app/reports/reportprocedures.h"
#include "reports/progresswindow.h"
#include "reports/reportcatalogue.h"
#include "reports/winroutines.h"
#include "tests/support/keptoutput.h"
#include "tagging/tags.h"
#include "tests/support/paymentfolder.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class CustomerBalancesTest : public paymenttest::PaymentFolderTest
{
protected:
    void SetUp() override
    {
        PaymentFolderTest::SetUp();
        app::registerReportProcedures();
        SET.CURRENCYTYPE = 1;
        GLO.WINROUTINE = WIN::MoneyPictures;
        WIN::ROUTINES();
        GLO.PRINTPREVIEW = 1;
        GLO.PAPERSIZE = "PAPER:LETTER";
        GLO.DATENAME = "@d2";
        for (const char *customer : {"C1", "C2", "C3", "C4"})
            addCustomer(customer);
        owing = bookInvoice("C1", 100);
        ASSERT_EQ(pay("C1", owing, 40), dict::Benign);
        paidUp = bookInvoice("C1", 30);
        ASSERT_EQ(pay("C1", paidUp, 0.1), dict::Benign);
        ASSERT_EQ(pay("C1", paidUp, 0.2), dict::Benign);
        ASSERT_EQ(pay("C1", paidUp, 29.7), dict::Benign); // 0.10 + 0.20 + 29.70: nothing owed, to the cent
        const dict::LONG settled = bookInvoice("C2", 50);
        ASSERT_EQ(pay("C2", settled, 50), dict::Benign);
        bookInvoice("C3", 10);
        ASSERT_EQ(pay("C3", 0, 25), dict::Benign); // on account: a credit of 15
        bookInvoice("C4", 80, true);                // a quote owes nothing
        expectBooksAgree();
    }

    std::string run(const char *name)
    {
        auto report = rpt::makeReport(name);
        EXPECT_TRUE(report);
        EXPECT_EQ(report->Run(&output), 1) << name;
        return output.dumps.empty() ? std::string() : output.dumps.back();
    }

    static bool has(const std::string &dump, const std::string &text)
    {
        return dump.find('"' + text + '"') != std::string::npos;
    }

    dict::LONG owing = 0;
    dict::LONG paidUp = 0;
    testsupport::KeptOutput output;
};

} // namespace

TEST_F(CustomerBalancesTest, BalanceListingShowsOnlyWhoOwesWithTheRunningTotal)
{
    const std::string dump = run("PRN:CUSTOMEROUTSTANDINGBALANCES");
    EXPECT_TRUE(has(dump, "C1"));
    EXPECT_TRUE(has(dump, "60.00"));
    for (const char *left : {"C2", "C3", "C4"})
        EXPECT_FALSE(has(dump, left)) << left << ": nothing owed, a credit, or only a quote";
    EXPECT_TRUE(has(dump, "Running Total:"));
    EXPECT_TRUE(has(dump, "$60.00"));
}

TEST_F(CustomerBalancesTest, InvoiceListingShowsEachInvoiceStillOwing)
{
    const std::string dump = run("PRN:CUSTOMEROUTSTANDINGINVOICES");
    EXPECT_TRUE(has(dump, fw::formatValue(owing, "@n06")));
    EXPECT_FALSE(has(dump, fw::formatValue(paidUp, "@n06"))) << "paid to the cent";
    EXPECT_TRUE(has(dump, "100.00"));
    EXPECT_TRUE(has(dump, "40.00"));
    EXPECT_TRUE(has(dump, "C3")) << "its invoice still owes, whatever its credit";
    EXPECT_FALSE(has(dump, "C2"));
    EXPECT_FALSE(has(dump, "C4")) << "a quote is not owed";
    EXPECT_TRUE(has(dump, "$70.00")) << "60.00 and 10.00";
}

TEST_F(CustomerBalancesTest, NobodyOwingIsNothingToPrint)
{
    testsupport::sqlOn(dict::DatabasePath, "DELETE FROM FINANCE");
    GLO.PRINTPREVIEW = 0;
    auto report = rpt::makeReport("PRN:CUSTOMEROUTSTANDINGBALANCES");
    EXPECT_EQ(report->Run(&output), 2);
    EXPECT_EQ(texts(), std::vector<std::string>{"Nothing to Print."});
}

namespace {

// The dated reports with their range set as the date prompt leaves it.
template <class Report>
struct Dated : Report {
    bool AskDates() override { return true; }
};

} // namespace

TEST_F(CustomerBalancesTest, FinanceStatementRunsTheBalanceThroughThePeriod)
{
    GLO.CUSTOMERNO = "c1"; // as typed: customer numbers match without case
    GLO.STARTDATE = 80000;
    GLO.ENDDATE = fw::today();
    Dated<PRN::CUSTOMERFINANCESTATEMENT> all;
    ASSERT_EQ(all.Run(&output), 1);
    const std::string dump = output.dumps.back();
    EXPECT_TRUE(has(dump, "Name of C1"));
    const std::size_t last = dump.rfind("text 6850,");
    ASSERT_NE(last, std::string::npos);
    EXPECT_NE(dump.find("\"$60.00\"", last), std::string::npos) << "the last line's balance is what is owed";

    GLO.STARTDATE = fw::today(); // the invoices only, without the payments made before
    Dated<PRN::CUSTOMERFINANCESTATEMENT> invoicesOnly;
    ASSERT_EQ(invoicesOnly.Run(&output), 1);
    EXPECT_TRUE(has(output.dumps.back(), "$130.00"));
    EXPECT_FALSE(has(output.dumps.back(), "-40.00"));
}

TEST_F(CustomerBalancesTest, PaymentHistoryTotalsEachInvoiceAndTheReport)
{
    GLO.STARTDATE = 80000;
    GLO.ENDDATE = fw::today();
    Dated<PRN::INVOICEPAYMENTHISTORY> history;
    ASSERT_EQ(history.Run(&output), 1);
    const std::string dump = output.dumps.back();
    EXPECT_TRUE(has(dump, "Invoice Total:"));
    const std::size_t first = dump.find("\"Invoice Total:\"");
    EXPECT_NE(dump.find("\"$60.00\"", first), std::string::npos) << "invoice 1: 100 due, 40 paid";
    const std::size_t total = dump.find("\"Running Total:\"");
    ASSERT_NE(total, std::string::npos);
    // A payment on account belongs to no invoice: the invoice key leaves it out.
    EXPECT_NE(dump.find("\"$120.00\"", total), std::string::npos) << "everything paid on invoices";
    EXPECT_NE(dump.find("\"$70.00\"", total), std::string::npos) << "what is still due on them";
}

TEST_F(CustomerBalancesTest, BillingStatementsBringTheBalanceForwardAndCloseWithWhatIsDue)
{
    for (const char *customer : {"C3", "C1"})
        ST::SetTagPos_(ST::CustomerTable, customer);
    GLO.STARTDATE = fw::today(); // the payments were made before: they are brought forward
    GLO.ENDDATE = fw::today();
    Dated<PRN::CUSTOMERBILLING> billing;
    ASSERT_EQ(billing.Run(&output), 1);
    const std::string dump = output.dumps.back();
    const std::size_t second = dump.find("page 2");
    ASSERT_NE(second, std::string::npos) << "each customer on pages of its own";
    const std::string c1 = dump.substr(0, second);
    const std::string c3 = dump.substr(second);
    EXPECT_TRUE(has(c1, "Name of C1"));
    EXPECT_TRUE(has(c1, "Previous Balance:"));
    EXPECT_TRUE(has(c1, "$-70.00"));
    EXPECT_TRUE(has(c1, "Balance Due:"));
    EXPECT_TRUE(has(c1, "$60.00"));
    EXPECT_TRUE(has(c1, "Page 1 of 1"));
    EXPECT_TRUE(has(c3, "Name of C3"));
    EXPECT_TRUE(has(c3, "Credit:"));
    EXPECT_TRUE(has(c3, "$-15.00"));
    EXPECT_TRUE(has(c3, "Page 1 of 1"));

    // Nobody tagged: the statement's form still prints.
    ST::NewTagPos_(ST::CustomerTable);
    Dated<PRN::CUSTOMERBILLING> empty;
    EXPECT_EQ(empty.Run(&output), 1);
    EXPECT_TRUE(has(output.dumps.back(), "Billing Statement"));
}

TEST_F(CustomerBalancesTest, ReceiptsAndTheConsolidationCountEachPaymentOnceByKind)
{
    GLO.STARTDATE = 80000;
    GLO.ENDDATE = fw::today();
    Dated<PRN::DAILYRECEIPTS> receipts;
    ASSERT_EQ(receipts.Run(&output), 1);
    std::string dump = output.dumps.back();
    EXPECT_TRUE(has(dump, "Running Totals:"));
    EXPECT_TRUE(has(dump, "$145.00")) << "every payment was cash";
    EXPECT_FALSE(has(dump, "100.00")) << "an invoice's own record is no receipt";

    Dated<PRN::CONSOLIDATION> consolidation;
    ASSERT_EQ(consolidation.Run(&output), 1);
    dump = output.dumps.back();
    const std::size_t running = dump.find("\"RUNNING TOTALS\"");
    ASSERT_NE(running, std::string::npos);
    EXPECT_NE(dump.find("\"$190.00\"", running), std::string::npos) << "sales once per invoice, the quote left out";
    EXPECT_NE(dump.find("\"$145.00\"", running), std::string::npos) << "the cash received";
}

// A report reads in short steps and holds no lock between them, so another station's save made
// half-way through goes through at once instead of waiting for the report to end.
TEST_F(CustomerBalancesTest, AnotherStationSavesWhileALongReportRuns)
{
    testsupport::sqlOn(dict::DatabasePath,
                       "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                       "INSERT INTO CUSTOMER (RECORDNO, CUSTOMERNO, LNAME, BALANCE) "
                       "SELECT 100 + i, printf('M%05d', i), 'Many', 1 FROM n; "
                       "INSERT INTO FINANCE (RECORDNO, CUSTOMERNO, AMOUNTDUE) "
                       "SELECT 100000 + RECORDNO, CUSTOMERNO, 1 FROM CUSTOMER WHERE LNAME = 'Many'");
    int saved = -1;
    QTimer halfWay;
    QObject::connect(&halfWay, &QTimer::timeout, [&] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (qobject_cast<rpt::ProgressWindow *>(window) && window->isVisible() && saved < 0) {
                saved = testsupport::runWorker(folder, {"set-company", "C2", "Elsewhere"}).status;
                halfWay.stop();
            }
    });
    halfWay.start(5);
    const std::string dump = run("PRN:CUSTOMEROUTSTANDINGBALANCES");
    EXPECT_EQ(saved, 0) << "the other station's save did not go through while the report ran";
    EXPECT_TRUE(has(dump, "M03000")) << "the report ran to its end";
    EXPECT_EQ(query("SELECT COUNT(*) FROM CUSTOMER WHERE COMPANY = 'Elsewhere'"), 1);
}
