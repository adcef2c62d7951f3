// Shared by the purchasing tests: the invoice folder with the purchasing files open and two
// vendors on file, orders and their lines booked as the order windows book them, and the check
// that the vendor side of the books agrees to the cent.
#pragma once

#include "app/common/booking.h"
#include "app/purchasing/purchasebook.h"
#include "app/purchasing/purchasemessages.h"
#include "app/purchasing/vendorpayments.h"
#include "tests/support/invoicefolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace purchasetest {

class PurchaseFolderTest : public invoicetest::InvoiceFolderTest
{
protected:
    void SetUp() override
    {
        InvoiceFolderTest::SetUp();
        app::installPurchaseMessages(errors);
        app::installBookingMessages(errors);
        for (dict::FileManager *file : {&Access::PURORDER, &Access::PURDESCRIPTION, &Access::VENFIN, &Access::VENDOR,
                                        &Access::STSTREND})
            ASSERT_EQ(file->Open(), dict::Benign);
        addVendor("V1");
        addVendor("V2");
    }

    static void addVendor(const char *account)
    {
        ASSERT_EQ(Access::VENDOR.PrimeRecord(), dict::Benign);
        VEN.ACCOUNTNO = account;
        VEN.VENDOR = std::string("Vendor ") + account;
        ASSERT_EQ(Access::VENDOR.Insert(), dict::Benign);
    }

    // A new order, its number reserved as the form reserves it.
    static dict::LONG startOrder(const char *account, dict::LONG date = 82000)
    {
        EXPECT_EQ(Access::PURORDER.PrimeRecord(), dict::Benign);
        PUR.ACCOUNTNO = account;
        PUR.DATE = date;
        return PUR.PORDERNO;
    }

    // A line of quantity × cost of the item, booked as the line form books it.
    static dict::PURDESCRIPTIONRecord orderLine(const char *stockNo, dict::LONG recordNo, double quantity, double cost)
    {
        dict::clearRecord(Access::PURDESCRIPTION.Def(), &PUD);
        PUD.PURORDERNO = PUR.PORDERNO;
        EXPECT_EQ(Access::PURDESCRIPTION.PrimeRecord(true), dict::Benign);
        PUD.STOCKNO = stockNo;
        PUD.RECORDNO = recordNo;
        PUD.QUANTITY = quantity;
        PUD.COST = cost;
        PUD.AMOUNTCOST = quantity * cost;
        PUD.DATE = PUR.DATE;
        EXPECT_EQ(app::purchasing::bookOrderLine(true, {}), dict::Benign);
        return PUD;
    }

    // A saved order of the vendor: one line of `total` (10 of an item at a tenth of it); its number.
    static dict::LONG bookOrder(const char *account, double total)
    {
        const std::string stockNo = "P" + std::to_string(static_cast<int>(query("SELECT COUNT(*) FROM STOCK")));
        const dict::LONG item = addStock(stockNo.c_str(), 0);
        const dict::LONG no = startOrder(account);
        orderLine(stockNo.c_str(), item, 10, total / 10);
        EXPECT_EQ(app::purchasing::saveOrder(true, 0), dict::Benign);
        return no;
    }

    // A payment of the vendor, booked as the payment form books it (a refused one cancelled).
    static int pay(const char *account, dict::LONG orderNo, double amount, double agreed = 0)
    {
        EXPECT_EQ(Access::VENFIN.PrimeRecord(), dict::Benign);
        VEF.ACCOUNTNO = account;
        VEF.PORDERNO = orderNo;
        VEF.DATE = 82005;
        VEF.AMOUNTPAID = amount;
        const int saved = app::purchasing::saveVendorPayment(true, agreed);
        if (saved != dict::Benign)
            Access::VENFIN.CancelAutoInc();
        return saved;
    }

    static double backOrdered(dict::LONG recordNo)
    {
        return query("SELECT AMOUNTBACKORDERED FROM STOCK WHERE RECORDNO = " + std::to_string(recordNo));
    }
    static double vendorBalance(const char *account)
    {
        return query(std::string("SELECT BALANCE FROM VENDOR WHERE ACCOUNTNO = '") + account + "'");
    }
    static double orderValue(const char *column, dict::LONG orderNo)
    {
        return query(std::string("SELECT ") + column + " FROM PURORDER WHERE PORDERNO = " + std::to_string(orderNo));
    }

    // The vendor side of the books agrees to the cent.
    static void expectVendorBooksAgree()
    {
        EXPECT_EQ(query("SELECT COUNT(*) FROM VENDOR x WHERE abs(BALANCE - (SELECT TOTAL(AMOUNTDUE) FROM VENFIN "
                        "WHERE ACCOUNTNO = x.ACCOUNTNO)) >= 0.005"),
                  0)
            << "vendor balances that are not the sum of their VENFIN dues";
        EXPECT_EQ(query("SELECT COUNT(*) FROM PURORDER x WHERE ACCOUNTNO <> '' AND (abs(AMOUNTPAID - (SELECT "
                        "TOTAL(AMOUNTPAID) FROM VENFIN WHERE PORDERNO = x.PORDERNO)) >= 0.005 OR abs(AMOUNTOWED - "
                        "(TOTALDUE - AMOUNTPAID)) >= 0.005)"),
                  0)
            << "orders whose paid or owed is not what their VENFIN records say";
        EXPECT_LT(std::abs(query("SELECT TOTAL(TOTALDUE) FROM PURORDER WHERE ACCOUNTNO <> ''")
                           - query("SELECT TOTAL(TOTALDUE) FROM TOTALINV WHERE RECORDNO = 2")),
                  0.005)
            << "TOTALINV record 2";
    }
};

} // namespace purchasetest
