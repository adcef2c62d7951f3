// Shared by the payment tests: the invoice folder with the payment messages, invoices of a
// given total booked as the invoice form books them, and payments as the payment form leaves them.
#pragma once

#include "app/common/booking.h"
#include "app/invoices/invoicebook.h"
#include "app/invoices/invoicemath.h"
#include "app/payments/paymentbook.h"
#include "app/payments/paymentmessages.h"
#include "framework/picture.h"
#include "tests/support/invoicefolder.h"

#include <string>

namespace paymenttest {

class PaymentFolderTest : public invoicetest::InvoiceFolderTest
{
protected:
    void SetUp() override
    {
        InvoiceFolderTest::SetUp();
        app::installPaymentMessages(errors);
        app::installBookingMessages(errors);
    }

    // An invoice (or quote) of one untaxed line of `total`, saved into the books; its number.
    static dict::LONG bookInvoice(const char *customer, double total, bool quote = false)
    {
        const dict::LONG item = addStock("ITEM", 1000, total);
        EXPECT_EQ(Access::INVOICE.PrimeRecord(), dict::Benign);
        INV.CUSTOMERNO = customer;
        INV.QUOTES = quote ? 1 : 0;
        INV.DATE = fw::today();
        INV.TAXRATE = 0;
        const dict::LONG number = INV.INVOICENO;
        dict::clearRecord(Access::DESCRIPTION.Def(), &DES);
        DES.INVOICENO = number;
        EXPECT_EQ(Access::DESCRIPTION.PrimeRecord(true), dict::Benign);
        DES.STOCKNO = "ITEM";
        DES.RECORDNO = item;
        DES.QUANTITY = 1;
        DES.PRICE = total;
        DES.CUSTOMERNO = customer;
        app::invoices::computeLine(DES, app::invoices::lineTermsOf(INV, false));
        EXPECT_EQ(app::invoices::bookLine(true, {}, !quote), dict::Benign);
        bool holds = !quote;
        EXPECT_EQ(app::invoices::saveInvoice(true, holds), dict::Benign);
        return number;
    }

    // A new payment as the payment form leaves it, booked; its record is numbered in the unit.
    static int pay(const char *customer, dict::LONG invoiceNo, double amount, dict::LONG date = 80000)
    {
        dict::clearRecord(Access::FINANCE.Def(), &FIN);
        FIN.CUSTOMERNO = customer;
        FIN.INVOICENO = invoiceNo;
        FIN.DATE = date;
        FIN.TERMS = "Cash";
        FIN.AMOUNTPAID = amount;
        return app::payments::savePayment(true);
    }

    // The stored FINANCE record with this record number in the buffer, as a highlighted row.
    static void highlight(dict::LONG recordNo)
    {
        FIN.RECORDNO = recordNo;
        ASSERT_EQ(Access::FINANCE.TryFetch(FIN.RecordNo_Key), dict::Benign);
    }

    // The invoice's own FINANCE record number.
    static dict::LONG ownRecordOf(dict::LONG invoiceNo)
    {
        return static_cast<dict::LONG>(query("SELECT RECORDNO FROM FINANCE WHERE AMOUNTPAID = 0 AND INVOICENO = "
                                             + std::to_string(invoiceNo)));
    }

    static double invoiceValue(const char *column, dict::LONG invoiceNo)
    {
        return query(std::string("SELECT ") + column + " FROM INVOICE WHERE INVOICENO = " + std::to_string(invoiceNo));
    }
};

} // namespace paymenttest
