// Two windows open at once on one customer's books, as at a shop counter: an invoice being
// written in its form while the customer's finance history takes, changes and deletes payments.
// Two hundred random steps from either window, with the books checked after every one.
#include "tests/support/counterwindows.h"
#include "tests/support/paymentfolder.h"

namespace {

using namespace paymenttest;

class TwoWindowsTest : public PaymentFolderTest
{
protected:
    void TearDown() override
    {
        GLO.CUSTOMERNO.clear();
        PaymentFolderTest::TearDown();
    }
};

TEST_F(TwoWindowsTest, RandomStepsFromAnInvoiceFormAndTheFinanceHistoryKeepTheBooks)
{
    addCustomer("C1");
    addStock("A", 500, 12.5);
    addStock("B", 500, 7.35);
    std::vector<dict::LONG> saved{bookInvoice("C1", 80), bookInvoice("C1", 45.6)};
    countertest::CounterWindows counter(screen, 2026, saved);
    for (int step = 0; step < 200; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        screen.clear();
        counter.step();
        expectBooksAgree();
    }
    EXPECT_GT(query("SELECT COUNT(*) FROM FINANCE WHERE AMOUNTPAID > 0"), 3) << "payments stand on file";
    EXPECT_GT(counter.payments(), 3) << "the steps did take payments";
    EXPECT_GT(counter.saved().size(), 4u) << "and saved invoices";
    counter.close();
    expectBooksAgree();
    EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE WHERE INVOICENO NOT IN (" + [&] {
                  std::string list;
                  for (dict::LONG n : counter.saved())
                      list += (list.empty() ? "" : ",") + std::to_string(n);
                  return list;
              }() + ")"),
              0)
        << "the cancelled invoice left nothing behind";
}

} // namespace
