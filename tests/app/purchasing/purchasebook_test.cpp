// The booking behind the purchase-order windows, driven as the forms drive it, checked on the
// files: back orders by exact quantities, the order's own VENFIN record, TOTALINV record 2 and
// the vendor's balance moved by differences, and a deletion that reverses exactly.
#include "app/purchasing/vendorpayments.h"
#include "tests/support/purchasefolder.h"

#include <gtest/gtest.h>

namespace {

using namespace invoicetest;
namespace pur = app::purchasing;
using dict::Benign;

using PurchaseBookTest = purchasetest::PurchaseFolderTest;

TEST_F(PurchaseBookTest, AnOrderBooksItsOwnRecordTheTotalsAndTheBalanceByDifference)
{
    const dict::LONG a = addStock("A", 0);
    const dict::LONG b = addStock("B", 0);
    const dict::LONG no = startOrder("V1");
    orderLine("A", a, 3, 2.5);
    orderLine("B", b, 1, 10);
    EXPECT_EQ(backOrdered(a), 3);
    EXPECT_EQ(vendorBalance("V1"), 0) << "a new order books nothing before it is saved";
    ASSERT_EQ(pur::saveOrder(true, 0), Benign);
    EXPECT_EQ(query("SELECT COST FROM PURORDER"), 17.5);
    EXPECT_EQ(query("SELECT AMOUNTOWED FROM PURORDER"), 17.5);
    EXPECT_EQ(query("SELECT DATEPAID FROM PURORDER"), 0) << "nothing paid: no date paid";
    EXPECT_EQ(query("SELECT COUNT(*) FROM VENFIN"), 1);
    EXPECT_EQ(query("SELECT AMOUNTDUE FROM VENFIN"), 17.5);
    EXPECT_EQ(vendorBalance("V1"), 17.5);
    EXPECT_EQ(query("SELECT FINANCEPRESENT FROM VENDOR WHERE ACCOUNTNO = 'V1'"), 1);
    expectVendorBooksAgree();

    // A line changed to 2 of B: the saved order moves by 2.50, its back orders by the difference.
    PUD.PURORDERNO = no;
    PUD.ITEMNO = 2;
    ASSERT_EQ(Access::PURDESCRIPTION.Fetch(PUD.PurOrderItem_Key), Benign);
    const dict::PURDESCRIPTIONRecord before = PUD;
    PUD.QUANTITY = 1.25;
    PUD.AMOUNTCOST = 12.5;
    ASSERT_EQ(pur::bookOrderLine(false, before), Benign);
    EXPECT_EQ(backOrdered(b), 1.25);
    EXPECT_EQ(vendorBalance("V1"), 20);
    EXPECT_EQ(query("SELECT TOTALDUE FROM TOTALINV WHERE RECORDNO = 2"), 20);
    expectVendorBooksAgree();

    // 120 ordered, 50 paid separately, re-saved: 70 still due.
    const dict::LONG c = addStock("C", 0);
    PUR.PORDERNO = no;
    ASSERT_EQ(Access::PURORDER.Fetch(PUR.POrderNo_Key), Benign);
    orderLine("C", c, 10, 10);
    testsupport::sqlOn(dict::DatabasePath, ("INSERT INTO VENFIN (RECORDNO, ACCOUNTNO, PORDERNO, AMOUNTPAID, AMOUNTDUE) "
                                            "VALUES (9, 'V1', " + std::to_string(no) + ", 50, -50)").c_str());
    testsupport::sqlOn(dict::DatabasePath, "UPDATE VENDOR SET BALANCE = BALANCE - 50 WHERE ACCOUNTNO = 'V1'");
    ASSERT_EQ(Access::PURORDER.Fetch(PUR.POrderNo_Key), Benign);
    ASSERT_EQ(pur::saveOrder(false, 0), Benign);
    EXPECT_EQ(query("SELECT TOTALDUE FROM PURORDER"), 120);
    EXPECT_EQ(query("SELECT AMOUNTPAID FROM PURORDER"), 50);
    EXPECT_EQ(vendorBalance("V1"), 70);
    expectVendorBooksAgree();

    // With a payment on it the order stays with its vendor.
    PUR.ACCOUNTNO = "V2";
    screen.clear();
    EXPECT_NE(pur::saveOrder(false, 0), Benign);
    EXPECT_EQ(titles(), std::vector<std::string>{"Vendor Not Changed"});

    // Deleting it takes 70 off the balance, record 2 back to nothing and every back order back.
    ASSERT_EQ(pur::deleteOrder(no), Benign);
    EXPECT_EQ(vendorBalance("V1"), 0);
    EXPECT_EQ(query("SELECT TOTALDUE FROM TOTALINV WHERE RECORDNO = 2"), 0);
    for (const dict::LONG item : {a, b, c})
        EXPECT_EQ(backOrdered(item), 0);
    EXPECT_EQ(query("SELECT COUNT(*) FROM VENFIN") + query("SELECT COUNT(*) FROM PURDESCRIPTION"), 0);
    EXPECT_EQ(query("SELECT FINANCEPRESENT FROM VENDOR WHERE ACCOUNTNO = 'V1'"), 0);
}

TEST_F(PurchaseBookTest, BackOrdersFollowTheLinesItemByItemAndAReceivedOrderIsFrozen)
{
    const dict::LONG a = addStock("A", 0);
    const dict::LONG twin1 = addStock("TWIN", 0);
    const dict::LONG twin2 = addStock("TWIN", 0);
    testsupport::sqlOn(dict::DatabasePath, ("UPDATE STOCK SET AMOUNTBACKORDERED = 4, BACKORDERED = 1 WHERE RECORDNO = " +
                                            std::to_string(a)).c_str());
    const dict::LONG no = startOrder("V1");
    dict::PURDESCRIPTIONRecord line = orderLine("A", a, 6, 1);
    EXPECT_EQ(backOrdered(a), 10) << "4 already on back order and 6 more";
    static_cast<dict::PURDESCRIPTIONRecord &>(PUD) = line;
    PUD.STOCKNO = "TWIN";
    PUD.RECORDNO = twin2;
    ASSERT_EQ(pur::bookOrderLine(false, line), Benign);
    EXPECT_EQ(backOrdered(a), 4);
    EXPECT_EQ(backOrdered(twin1), 0) << "items are found by stock number and record number";
    EXPECT_EQ(backOrdered(twin2), 6);
    ASSERT_EQ(pur::saveOrder(true, 0), Benign);

    testsupport::sqlOn(dict::DatabasePath, "UPDATE PURORDER SET DATERECVEIVED = 82001");
    screen.clear();
    EXPECT_NE(pur::unbookOrderLine(), Benign);
    EXPECT_EQ(titles(), std::vector<std::string>{"Order Received"});
    testsupport::sqlOn(dict::DatabasePath, "UPDATE PURORDER SET DATERECVEIVED = 0");
    ASSERT_EQ(pur::unbookOrderLine(), Benign);
    EXPECT_EQ(backOrdered(twin2), 0);
    EXPECT_EQ(query("SELECT BACKORDERED FROM STOCK WHERE RECORDNO = " + std::to_string(twin2)), 0);
    EXPECT_EQ(query("SELECT COST FROM PURORDER WHERE PORDERNO = " + std::to_string(no)), 0);
    expectVendorBooksAgree();
}

TEST_F(PurchaseBookTest, AnOrderWithoutPaymentsMovesToAnotherVendorAndCancelOfANewOneTakesBackItsBackOrders)
{
    const dict::LONG a = addStock("A", 0);
    startOrder("V1");
    orderLine("A", a, 2, 5);
    ASSERT_EQ(pur::saveOrder(true, 4), Benign);
    EXPECT_EQ(vendorBalance("V1"), 6) << "10 ordered, 4 paid on the order";
    EXPECT_EQ(query("SELECT DATEPAID FROM PURORDER"), 82000);
    PUR.ACCOUNTNO = "V2";
    ASSERT_EQ(pur::saveOrder(false, 4), Benign);
    EXPECT_EQ(vendorBalance("V1"), 0);
    EXPECT_EQ(vendorBalance("V2"), 6);
    EXPECT_EQ(query("SELECT COUNT(*) FROM VENFIN WHERE ACCOUNTNO = 'V2'"), 1);
    expectVendorBooksAgree();

    const dict::LONG no = startOrder("V1");
    orderLine("A", a, 3, 5);
    ASSERT_EQ(pur::cancelNewOrder(no), Benign);
    EXPECT_EQ(backOrdered(a), 2);
    EXPECT_EQ(query("SELECT COUNT(*) FROM PURORDER"), 1);
    EXPECT_EQ(query("SELECT COUNT(*) FROM PURDESCRIPTION WHERE PURORDERNO = " + std::to_string(no)), 0);
}

TEST_F(PurchaseBookTest, PaymentsMoveTheirOrderAndTheBalanceByWhatTheyPaid)
{
    const dict::LONG a = addStock("A", 0);
    const dict::LONG no = startOrder("V1");
    orderLine("A", a, 12, 10);
    ASSERT_EQ(pur::saveOrder(true, 0), Benign);
    struct Step {
        const char *what;
        std::function<int()> act;
        double paid, balance;
    } const steps[] = {
        {"50 paid", [&] { return pay("V1", no, 50); }, 50, 70},
        {"the order saved again", [&] {
             PUR.PORDERNO = no;
             EXPECT_EQ(Access::PURORDER.Fetch(PUR.POrderNo_Key), Benign);
             return pur::saveOrder(false, 0);
         }, 50, 70},
        {"the payment changed to 60", [&] {
             VEF.RECORDNO = static_cast<dict::LONG>(query("SELECT MAX(RECORDNO) FROM VENFIN"));
             EXPECT_EQ(Access::VENFIN.Fetch(VEF.RecordNo_Key), Benign);
             VEF.AMOUNTPAID = 60;
             return pur::saveVendorPayment(false);
         }, 60, 60},
        {"the rest paid", [&] { return pay("V1", no, 60); }, 120, 0},
        {"30 paid on account", [&] { return pay("V1", 0, 30); }, 120, -30},
        {"that payment deleted", [&] { return pur::deleteVendorPayment(); }, 120, 0},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.what);
        ASSERT_EQ(s.act(), Benign);
        EXPECT_EQ(query("SELECT AMOUNTPAID FROM PURORDER"), s.paid);
        EXPECT_EQ(vendorBalance("V1"), s.balance);
        expectVendorBooksAgree();
    }

    // The order's own record is no payment; another vendor's order takes none; more than owed is
    // taken only when agreed to.
    VEF.RECORDNO = static_cast<dict::LONG>(query("SELECT MIN(RECORDNO) FROM VENFIN"));
    ASSERT_EQ(Access::VENFIN.Fetch(VEF.RecordNo_Key), Benign);
    const std::string before = testsupport::tableRows("VENFIN") + testsupport::tableRows("VENDOR");
    screen.clear();
    EXPECT_NE(pur::deleteVendorPayment(), Benign);
    EXPECT_NE(pay("V2", no, 5), Benign);
    EXPECT_NE(pay("V1", no, 5), Benign) << "the order owes nothing";
    EXPECT_EQ(titles(), (std::vector<std::string>{"Whoops!...", "Another Vendor's Order", "Order Paid Meanwhile"}));
    EXPECT_EQ(testsupport::tableRows("VENFIN") + testsupport::tableRows("VENDOR"), before);
    ASSERT_EQ(pay("V1", no, 5, 5), Benign) << "agreed to";
    EXPECT_EQ(query("SELECT AMOUNTOWED FROM PURORDER"), -5);

    // The balance recomputed from what is stored, whatever was written behind the books' back.
    testsupport::sqlOn(dict::DatabasePath, "UPDATE VENDOR SET BALANCE = 999 WHERE ACCOUNTNO = 'V1'");
    double balance = 0;
    ASSERT_EQ(pur::recomputeVendorBalance(dict::String<20>("V1"), balance), Benign);
    EXPECT_EQ(balance, -5);
    expectVendorBooksAgree();
}

TEST_F(PurchaseBookTest, ReceivingTakesOnlyItsOwnOrderIntoStockOnceAndADeletedReceivedOrderLeavesItThere)
{
    ASSERT_EQ(Access::STSTREND.Open(), Benign);
    const dict::LONG a = addStock("A", 0);
    const dict::LONG b = addStock("B", 0);
    addCustomer("C1");
    startInvoice("C1");
    addLine("A", a, 2, 10); // a customer waits for 2 of A: on hand -2, 2 back-ordered
    const dict::LONG first = startOrder("V1");
    orderLine("A", a, 5, 1);
    orderLine("B", b, 3, 1);
    ASSERT_EQ(pur::saveOrder(true, 0), Benign);
    const dict::LONG second = startOrder("V1"); // the same date
    orderLine("B", b, 4, 1);
    ASSERT_EQ(pur::saveOrder(true, 0), Benign);
    EXPECT_EQ(backOrdered(a), 7);
    EXPECT_EQ(backOrdered(b), 7);

    ASSERT_EQ(pur::receiveOrder(first, 82010), Benign);
    EXPECT_EQ(onHand(a), 3) << "5 in, 2 of them to the waiting customer";
    EXPECT_EQ(backOrdered(a), 0);
    EXPECT_EQ(onHand(b), 3);
    EXPECT_EQ(backOrdered(b), 4) << "the other order of the same day is still to come";
    EXPECT_EQ(query("SELECT COUNT(*) FROM STSTREND WHERE DATERECEIVED = 82010"), 2);
    EXPECT_EQ(query("SELECT TOTAL(AMOUNTRECEIVED) FROM STSTREND"), 8);
    screen.clear();
    EXPECT_NE(pur::receiveOrder(first, 82011), Benign);
    EXPECT_EQ(titles(), std::vector<std::string>{"Order Received"});
    EXPECT_EQ(onHand(b), 3) << "never twice";

    ASSERT_EQ(pur::deleteOrder(first), Benign);
    EXPECT_EQ(onHand(a), 3) << "what was received stays";
    EXPECT_EQ(query("SELECT COUNT(*) FROM STSTREND"), 2);
    EXPECT_EQ(backOrdered(b), 4) << "and the other order's back order too";
    EXPECT_EQ(query("SELECT COUNT(*) FROM PURORDER WHERE PORDERNO = " + std::to_string(second)), 1);
    expectVendorBooksAgree();
}

// Two stations ordering, changing, deleting, receiving and paying at random on one data folder:
// afterwards every balance, every order's paid and owed, TOTALINV record 2 and every back order
// are what the stored records make them, to the cent.
TEST_F(PurchaseBookTest, TwoStationsOrderingAndPayingAtRandomKeepTheVendorBooksToTheCent)
{
    const dict::LONG a = addStock("A", 100);
    const dict::LONG b = addStock("B", 100);
    closeFiles();
    std::vector<testsupport::WorkerProcess> stations;
    for (const char *seed : {"21", "22"})
        stations.push_back(testsupport::startWorker(folder, {"random-vendor-books", seed, "120"}));
    for (const testsupport::WorkerProcess &station : stations) {
        EXPECT_EQ(testsupport::readLine(station.output), "done");
        EXPECT_EQ(testsupport::waitWorker(station.pid), 0);
    }
    EXPECT_GT(query("SELECT COUNT(*) FROM PURORDER WHERE ACCOUNTNO <> ''"), 5) << "the stations did order";
    EXPECT_GT(query("SELECT COUNT(*) FROM VENFIN WHERE AMOUNTTOTAL = 0 AND PORDERNO <> 0"), 2) << "and pay orders";
    EXPECT_GT(query("SELECT COUNT(*) FROM VENFIN WHERE PORDERNO = 0"), 0) << "and on account";
    EXPECT_GT(query("SELECT COUNT(*) FROM PURORDER WHERE DATERECVEIVED <> 0"), 0) << "and received some";
    EXPECT_EQ(query("SELECT COUNT(*) FROM PURORDER WHERE ACCOUNTNO = ''"), 0) << "no order left half-made";
    expectVendorBooksAgree();
    for (const char *column : {"COST", "SHIPPING"})
        EXPECT_LT(std::abs(query(std::string("SELECT TOTAL(") + column + ") FROM PURORDER")
                           - query(std::string("SELECT TOTAL(") + column + ") FROM TOTALINV WHERE RECORDNO = 2")),
                  0.005)
            << column;
    EXPECT_EQ(query("SELECT COUNT(*) FROM PURORDER x WHERE abs(COST - (SELECT TOTAL(AMOUNTCOST) FROM PURDESCRIPTION "
                    "WHERE PURORDERNO = x.PORDERNO)) >= 0.005"),
              0)
        << "orders whose cost is not their lines'";
    for (const auto &[item, stockNo] : {std::pair{a, "A"}, std::pair{b, "B"}}) {
        EXPECT_NEAR(backOrdered(item),
                    query("SELECT TOTAL(QUANTITY) FROM PURDESCRIPTION d JOIN PURORDER p ON p.PORDERNO = d.PURORDERNO "
                          "WHERE p.DATERECVEIVED = 0 AND d.RECORDNO = " + std::to_string(item)),
                    1e-9)
            << stockNo << ": back orders are the unreceived lines";
        EXPECT_NEAR(onHand(item),
                    100 + query(std::string("SELECT TOTAL(AMOUNTRECEIVED) FROM STSTREND WHERE STOCKNO = '") + stockNo + "'"),
                    1e-9)
            << stockNo << ": on hand moved only by receipts";
    }
}

} // namespace
