// Shared by the invoice tests: a started data folder with the invoice files open, ways to put
// customers, stock items and special items on file, and the check that the books agree: every
// balance is the sum of its customer's FINANCE amounts, every invoice owes its total less what
// was paid, a saved invoice's retail is the sum of its stored lines, TOTALINV sums the invoices
// that are not quotes, all to the cent.
#pragma once

#include "app/common/maintenancemessages.h"
#include "app/invoices/invoicebook.h"
#include "app/invoices/invoicemath.h"
#include "app/invoices/invoicemessages.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "framework/picture.h"
#include "tests/support/maintenance_support.h"

#include <sqlite3.h>

#include <cmath>
#include <string>

namespace invoicetest {

class InvoiceFolderTest : public maintenancetest::WindowFolderTest
{
protected:
    void SetUp() override
    {
        WindowFolderTest::SetUp();
        app::installInvoiceMessages(errors);
        app::installMaintenanceMessages(errors);
        openFiles();
        GLO.CANADIAN = dict::TaxRegime::SalesTax;
        GLO.TAXRATE = 0.08;
    }
    void TearDown() override
    {
        testsupport::closeAllFiles();
        WindowFolderTest::TearDown();
    }

    // The files the invoice windows use, opened as they open them.
    static void openFiles()
    {
        for (dict::RelationManager *file : {&Relate::INVOICE, &Relate::DESCRIPTION, &Relate::CUSTOMER, &Relate::STOCK})
            ASSERT_EQ(file->Open(), dict::Benign);
        for (dict::FileManager *file : {&Access::FINANCE, &Access::TOTALINV, &Access::SPECIAL, &Access::CREDIT,
                                        &Access::CRSCRIPTION})
            ASSERT_EQ(file->Open(), dict::Benign);
    }

    // Closes them, so their bytes can be compared; the record buffers are blanked.
    static void closeFiles() { testsupport::closeAllFiles(); }

    // A new invoice, its number reserved as the invoice form reserves it.
    static dict::LONG startInvoice(const char *customer, bool quote = false)
    {
        EXPECT_EQ(Access::INVOICE.PrimeRecord(), dict::Benign);
        INV.CUSTOMERNO = customer;
        INV.QUOTES = quote ? 1 : 0;
        INV.TAXRATE = 0.08;
        INV.DATE = fw::today();
        return INV.INVOICENO;
    }

    // A line added as the line form adds it; the line as booked.
    static dict::DESCRIPTIONRecord addLine(const char *stockNo, dict::LONG recordNo, double quantity, double price,
                                           bool holdsStock = true)
    {
        dict::clearRecord(Access::DESCRIPTION.Def(), &DES);
        DES.INVOICENO = INV.INVOICENO;
        EXPECT_EQ(Access::DESCRIPTION.PrimeRecord(true), dict::Benign);
        DES.STOCKNO = stockNo;
        DES.RECORDNO = recordNo;
        DES.QUANTITY = quantity;
        DES.PRICE = price;
        DES.TAXABLE = 1;
        DES.CUSTOMERNO = INV.CUSTOMERNO;
        app::invoices::computeLine(DES, app::invoices::lineTermsOf(INV, false));
        EXPECT_EQ(app::invoices::bookLine(true, {}, holdsStock), dict::Benign);
        return DES;
    }

    static void addCustomer(const char *number, const char *taxNumber = "", double discount = 0)
    {
        Access::CUSTOMER.PrimeRecord();
        CUS.CUSTOMERNO = number;
        CUS.LNAME = std::string("Name of ") + number;
        CUS.TAXNUMBER = taxNumber;
        CUS.CUSTOMERDISCOUNT = discount;
        ASSERT_EQ(Access::CUSTOMER.Insert(), dict::Benign);
    }

    // A stock item; its record number.
    static dict::LONG addStock(const char *number, double onHand, double price = 10, double minimum = 0,
                               const char *special = "")
    {
        Access::STOCK.PrimeRecord();
        STO.STOCKNO = number;
        STO.DESCRIPTION = std::string("Item ") + number;
        STO.AMOUNTINSTOCK = onHand;
        STO.MINAMOUNT = minimum;
        STO.RETAIL = price;
        STO.RETAIL2 = price * 0.9;
        STO.RETAIL3 = price * 0.8;
        STO.COST = price / 2;
        STO.TAXABLE = 1;
        STO.SPECIALITEM = special;
        EXPECT_EQ(Access::STOCK.Insert(), dict::Benign);
        return STO.RECORDNO;
    }

    static void addComponent(const char *special, const char *component, double perItem)
    {
        Access::SPECIAL.PrimeRecord();
        SPE.STOCKNO = special;
        SPE.STOCKNO1 = component;
        SPE.AMOUNT = perItem;
        ASSERT_EQ(Access::SPECIAL.Insert(), dict::Benign);
    }

    static double onHand(dict::LONG recordNo)
    {
        return query("SELECT AMOUNTINSTOCK FROM STOCK WHERE RECORDNO = " + std::to_string(recordNo));
    }

    static double balanceOf(const char *customer)
    {
        return query(std::string("SELECT BALANCE FROM CUSTOMER WHERE CUSTOMERNO = '") + customer + "'");
    }

    // One number from the data files.
    static double query(const std::string &sql)
    {
        sqlite3 *db = nullptr;
        double value = -1;
        sqlite3_open_v2(dict::DatabasePath, &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
            value = sqlite3_column_double(stmt, 0);
        else
            ADD_FAILURE() << sqlite3_errmsg(db) << " in " << sql;
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return value;
    }

    // The books agree to the cent: balances, amounts owed, credit memos and TOTALINV.
    static void expectBooksAgree()
    {
        EXPECT_EQ(query("SELECT COUNT(*) FROM CUSTOMER x WHERE abs(x.BALANCE - (SELECT TOTAL(AMOUNTDUE) FROM "
                        "FINANCE WHERE CUSTOMERNO = x.CUSTOMERNO)) >= 0.005"),
                  0)
            << "balances that are not the sum of their FINANCE amounts";
        EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE WHERE abs(AMOUNTOWED - (TOTALDUE - AMOUNTPAID)) >= 0.005"), 0)
            << "invoices that do not owe their total less what was paid";
        EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE x WHERE abs(AMOUNTPAID - (SELECT TOTAL(AMOUNTPAID) FROM "
                        "FINANCE WHERE INVOICENO = x.INVOICENO)) >= 0.005"),
                  0)
            << "invoices whose amount paid is not what their payments paid";
        EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE x WHERE QUOTES = 0 AND TOTALDUE <> 0 AND (SELECT COUNT(*) FROM "
                        "FINANCE WHERE INVOICENO = x.INVOICENO AND CREDITMEMONO = 0 AND AMOUNTPAID = 0 AND "
                        "abs(AMOUNTDUE - x.TOTALDUE) < 0.005) <> 1"),
                  0)
            << "invoices without their own FINANCE record for their total";
        EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE x WHERE CUSTOMERNO <> '' AND abs(RETAIL - (SELECT TOTAL(AMOUNT) "
                        "FROM DESCRIPTION WHERE INVOICENO = x.INVOICENO)) >= 0.000001"),
                  0)
            << "saved invoices whose retail is not the sum of their stored lines";
        EXPECT_EQ(query("SELECT COUNT(*) FROM CREDIT x WHERE CUSTOMERNO <> '' AND (SELECT COUNT(*) FROM FINANCE WHERE "
                        "CREDITMEMONO = x.CREDITMEMONO AND CUSTOMERNO = x.CUSTOMERNO AND abs(AMOUNTPAID - x.TOTALDUE) < "
                        "0.005 AND abs(AMOUNTDUE + x.TOTALDUE) < 0.005) <> 1"),
                  0)
            << "saved credit memos without their own FINANCE record for their total";
        EXPECT_EQ(query("SELECT COUNT(*) FROM CREDIT x WHERE CUSTOMERNO <> '' AND abs(RETAIL - (SELECT TOTAL(AMOUNT) "
                        "FROM CRSCRIPTION WHERE CREDITMEMONO = x.CREDITMEMONO)) >= 0.000001"),
                  0)
            << "saved credit memos whose retail is not the sum of their stored lines";
        // Each running total of TOTALINV is the sum of the invoices' own figure.
        const std::pair<const char *, const char *> totals[] = {
            {"TOTALDUE", "TOTALDUE"}, {"RETAIL", "RETAIL"}, {"TOTALDISCOUNT", "DISCOUNT"}, {"TAX", "TAX"},
            {"GST", "GST"},           {"LABOR", "LABOR"},   {"SHIPPING", "SHIPPING"},      {"COD", "COD"}};
        for (const auto &[invoiceField, totalField] : totals)
            EXPECT_LT(std::abs(query(std::string("SELECT TOTAL(") + invoiceField + ") FROM INVOICE WHERE QUOTES = 0")
                               - query(std::string("SELECT TOTAL(") + totalField + ") FROM TOTALINV WHERE RECORDNO = 1")),
                      0.005)
                << "TOTALINV " << totalField;
    }
};

} // namespace invoicetest
