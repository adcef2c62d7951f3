// The stock reports from a data folder: values and totals of the on-hand reports, the one line
// per category, and the reorder lists' choice of items.
#include "app/printselect/tagbrowses.h"
#include "app/reports/reportprocedures.h"
#include "tagging/tags.h"
#include "app/reports/soldreports.h"
#include "framework/picture.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/reportslib.h"
#include "reports/reportcatalogue.h"
#include "tests/support/datafolder.h"
#include "tests/support/keptoutput.h"

#include <gtest/gtest.h>

namespace {

class StockReportsTest : public testsupport::DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        REPORTS::INIT(&errors, nullptr);
        app::registerReportProcedures();
        GLO.PRINTPREVIEW = 1;
        GLO.PAPERSIZE = "PAPER:LETTER";
        GLO.CURRENCYNAME = "@n-13.2";
        GLO.CURRENCYNAME1 = "@n$-15.2";
        ASSERT_EQ(Access::STOCK.Open(), dict::Benign);
        put("S1", "TOOLS", "Hammer", 5, 2.5, 4, 5, 20);   // at its minimum: reordered
        put("S2", "TOOLS", "Saw", 10, 7, 12, 2, 0);       // no maximum set
        put("S3", "PAINT", "White paint", 1, 10, 15, 3, 8); // below its minimum
        Access::STOCK.Close();
    }

    static void put(const char *number, const char *category, const char *description, double onHand, double cost,
                    double retail, double minimum, double maximum)
    {
        Access::STOCK.PrimeRecord();
        STO.STOCKNO = number;
        STO.CATAGORY = category;
        STO.DESCRIPTION = description;
        STO.AMOUNTINSTOCK = onHand;
        STO.COST = cost;
        STO.RETAIL = retail;
        STO.MINAMOUNT = minimum;
        STO.MAXAMOUNT = maximum;
        ASSERT_EQ(Access::STOCK.Insert(), dict::Benign);
    }

    std::string run(const char *name)
    {
        auto report = rpt::makeReport(name);
        EXPECT_TRUE(report) << name;
        if (!report || report->Run(&output) != 1)
            return {};
        return output.dumps.back();
    }

    static bool has(const std::string &dump, const std::string &text)
    {
        return dump.find('"' + text + '"') != std::string::npos;
    }

    testsupport::KeptOutput output;
};

} // namespace

TEST_F(StockReportsTest, OnHandValuesEachItemAndTotalsEachCategoryAndTheReport)
{
    const std::string dump = run("PRN:INVENTORYONHANDCATEGORY");
    EXPECT_TRUE(has(dump, "12.50")) << "5 at 2.50";
    EXPECT_TRUE(has(dump, "20.00")) << "5 at 4.00";
    EXPECT_TRUE(has(dump, "Totals for Catagory:"));
    EXPECT_TRUE(has(dump, "$82.50")) << "tools at cost: 12.50 + 70.00";
    EXPECT_TRUE(has(dump, "$140.00")) << "tools at price: 20.00 + 120.00";
    EXPECT_TRUE(has(dump, "Total Cost:"));
    EXPECT_TRUE(has(dump, "$92.50"));
    EXPECT_TRUE(has(dump, "$155.00"));
    EXPECT_LT(dump.find("\"PAINT\""), dump.find("\"TOOLS\"")) << "categories in order";
    EXPECT_TRUE(has(dump, "20")) << "a maximum that is set";
    EXPECT_TRUE(has(dump, "8")) << "shows again after one that is not";
    EXPECT_NE(dump.find("Total (Total Cost or Price)"), std::string::npos) << "the legend";
}

TEST_F(StockReportsTest, ThinListingIsOneLinePerCategory)
{
    const std::string dump = run("PRN:INVENTORYONHANDCATEGORYTHIN");
    EXPECT_FALSE(has(dump, "Hammer"));
    const std::size_t paint = dump.find("\"PAINT\"");
    const std::size_t tools = dump.find("\"TOOLS\"", paint == std::string::npos ? 0 : paint);
    ASSERT_NE(paint, std::string::npos);
    ASSERT_NE(tools, std::string::npos);
    EXPECT_NE(dump.find("\"$10.00\"", paint), std::string::npos) << "paint's line carries paint's cost";
    EXPECT_LT(dump.find("\"$10.00\"", paint), tools);
    EXPECT_NE(dump.find("\"$82.50\"", tools), std::string::npos);
    EXPECT_TRUE(has(dump, "Totals:"));
}

TEST_F(StockReportsTest, ReorderListsItemsAtOrBelowTheirMinimum)
{
    for (const char *name : {"PRN:INVENTORYREORDERSTOCKNO", "PRN:INVENTORYREORDERCATEGORY", "PRN:INVENTORYREORDERDESCRIPTION"}) {
        const std::string dump = run(name);
        EXPECT_TRUE(has(dump, "S1")) << name << ": at its minimum";
        EXPECT_TRUE(has(dump, "S3")) << name;
        EXPECT_FALSE(has(dump, "S2")) << name << ": well stocked";
    }
}

TEST_F(StockReportsTest, OverageBackOrdersPriceSheetAndSpecialItems)
{
    ASSERT_EQ(Access::STOCK.Open(), dict::Benign);
    ASSERT_EQ(Access::SPECIAL.Open(), dict::Benign);
    put("S4", "TOOLS", "Tool kit", 2, 9.5, 30, 1, 50);
    STO.SPECIALITEM = "S";
    ASSERT_EQ(Access::STOCK.Update(), dict::Benign);
    for (const auto &[component, amount] : {std::pair{"S1", 1.0}, std::pair{"S2", 2.0}}) {
        Access::SPECIAL.PrimeRecord();
        SPE.STOCKNO = "S4";
        SPE.STOCKNO1 = component;
        SPE.DESCRIPTION = std::string("Part ") + component;
        SPE.AMOUNT = amount;
        ASSERT_EQ(Access::SPECIAL.Insert(), dict::Benign);
    }
    put("S5", "PAINT", "Black paint", 0, 3, 5, 1, 4);
    STO.AMOUNTBACKORDERED = 3;
    ASSERT_EQ(Access::STOCK.Update(), dict::Benign);
    put("S6", "PAINT", "Red paint", 30, 1, 2, 1, 25);
    Access::SPECIAL.Close();
    Access::STOCK.Close();

    const std::string overage = run("PRN:INVENTORYOVERAGELISTING");
    EXPECT_TRUE(has(overage, "S6"));
    EXPECT_TRUE(has(overage, "5")) << "30 against a maximum of 25";
    EXPECT_FALSE(has(overage, "S1"));
    EXPECT_NE(overage.find("Max (Maxium Allowed in Stock)"), std::string::npos);

    const std::string backOrders = run("PRN:INVENTORYBACKORDERSTOCKNO");
    EXPECT_TRUE(has(backOrders, "S5"));
    EXPECT_FALSE(has(backOrders, "S1"));
    EXPECT_TRUE(has(backOrders, "$9.00")) << "3 on back order at 3.00";

    const std::string prices = run("PRN:INVENTORYPRICESHEET");
    for (const char *number : {"S1", "S2", "S3", "S4", "S5", "S6"})
        EXPECT_TRUE(has(prices, number)) << number;

    const std::string specials = run("PRN:SPECIALITEMSLISTING");
    EXPECT_TRUE(has(specials, "S4"));
    EXPECT_TRUE(has(specials, "Consists of the following items:"));
    EXPECT_TRUE(has(specials, "Part S1"));
    EXPECT_TRUE(has(specials, "Part S2"));
    EXPECT_FALSE(has(specials, "Hammer")) << "only special items lead a block";
}

namespace {

template <class Report>
struct Dated : Report {
    bool AskDates() override { return true; }
};

void sale(dict::LONG invoice, bool quote, const char *customer, const char *stockNo, double quantity, double amount,
          double discount, dict::LONG day)
{
    INV.INVOICENO = invoice;
    if (Access::INVOICE.TryFetch(INV.InvoiceNo_Key) != dict::Benign) {
        Access::INVOICE.PrimeRecord();
        INV.INVOICENO = invoice;
        INV.CUSTOMERNO = customer;
        INV.QUOTES = quote ? 1 : 0;
        INV.CUSTOMERDISCOUNT = discount != 0 ? 10 : 0; // the line is gross, its discount apart
        ASSERT_EQ(Access::INVOICE.Insert(), dict::Benign);
    }
    Access::DESCRIPTION.PrimeRecord();
    DES.INVOICENO = invoice;
    DES.CUSTOMERNO = customer;
    DES.STOCKNO = stockNo;
    DES.DESCRIPTION = std::string("Item ") + stockNo;
    DES.QUANTITY = quantity;
    DES.AMOUNT = amount;
    DES.DISCOUNTAMOUNT = discount;
    DES.DATE = day;
    DES.MONTH = 3;
    ASSERT_EQ(Access::DESCRIPTION.Insert(), dict::Benign);
}

} // namespace

TEST_F(StockReportsTest, SoldReportsCountNetAmountsOfInvoicesInTheRange)
{
    const dict::LONG first = *fw::dayNumber(2026, 3, 2);
    const dict::LONG second = *fw::dayNumber(2026, 3, 9);
    for (dict::FileManager *file : {&Access::INVOICE, &Access::DESCRIPTION, &Access::CUSTOMER})
        ASSERT_EQ(file->Open(), dict::Benign);
    Access::CUSTOMER.PrimeRecord();
    CUS.CUSTOMERNO = "C9";
    CUS.COMPANY = "Dock Works";
    ASSERT_EQ(Access::CUSTOMER.Insert(), dict::Benign);
    sale(1, false, "C9", "S1", 2, 100, 10, first); // counted at 90.00
    sale(1, false, "C9", "S2", 1, 20, 0, first);
    sale(2, true, "C9", "S1", 5, 50, 0, first); // a quote sold nothing
    sale(3, false, "C9", "S1", 3, 30, 0, second);
    sale(4, false, "C9", "S2", 7, 70, 0, *fw::dayNumber(2026, 4, 1)); // after the range
    for (dict::FileManager *file : {&Access::INVOICE, &Access::DESCRIPTION, &Access::CUSTOMER})
        file->Close();
    GLO.STARTDATE = first;
    GLO.ENDDATE = *fw::dayNumber(2026, 3, 31);
    GLO.DATENAME = "@d2";

    Dated<PRN::INVENTORYCONSOLIDATIONSTOCKNO> byStock;
    ASSERT_EQ(byStock.Run(&output), 1);
    std::string dump = output.dumps.back();
    EXPECT_TRUE(has(dump, "120.00")) << "S1: 90.00 and 30.00";
    EXPECT_TRUE(has(dump, "5")) << "S1: 2 and 3 sold";
    EXPECT_TRUE(has(dump, "$140.00"));

    Dated<PRN::INVENTORYCONSOLIDATIONINDIVIDUALDATES> byDate;
    ASSERT_EQ(byDate.Run(&output), 1);
    dump = output.dumps.back();
    EXPECT_TRUE(has(dump, "03/02/2026"));
    EXPECT_TRUE(has(dump, "Item Totals"));
    EXPECT_TRUE(has(dump, "$110.00")) << "the 2nd of March";
    EXPECT_TRUE(has(dump, "$30.00")) << "the 9th";
    EXPECT_TRUE(has(dump, "$140.00"));

    Dated<PRN::INVENTORYCONSOLIDATIONANNUALLY> annual;
    ASSERT_EQ(annual.Run(&output), 1);
    EXPECT_TRUE(has(output.dumps.back(), "March 2026"));
    EXPECT_TRUE(has(output.dumps.back(), "Monthly Total:"));

    Dated<PRN::INVENTORYCONSOLIDATIONQUANTITY> best;
    ASSERT_EQ(best.Run(&output), 1);
    EXPECT_TRUE(has(output.dumps.back(), "Dock Works")) << "a customer with only a company";

    ST::SetTagPos_(ST::CustomerTable, "C9");
    Dated<PRN::INVENTORYCONSOLIDATIONCUSTOMER> byCustomer;
    ASSERT_EQ(byCustomer.Run(&output), 1);
    dump = output.dumps.back();
    EXPECT_NE(dump.find("Dock Works"), std::string::npos);
    EXPECT_TRUE(has(dump, "120.00"));
    EXPECT_TRUE(has(dump, "$140.00"));
}

TEST_F(StockReportsTest, ReceivedListingCostsWhatCameInDuringTheRange)
{
    ASSERT_EQ(Access::STSTREND.Open(), dict::Benign);
    for (const auto &[day, amount] : {std::pair{*fw::dayNumber(2026, 3, 5), 4.0}, std::pair{*fw::dayNumber(2026, 5, 1), 9.0}}) {
        Access::STSTREND.PrimeRecord();
        STS.STOCKNO = "S1";
        STS.DATERECEIVED = day;
        STS.AMOUNTRECEIVED = amount;
        ASSERT_EQ(Access::STSTREND.Insert(), dict::Benign);
    }
    Access::STSTREND.Close();
    GLO.STARTDATE = *fw::dayNumber(2026, 3, 1);
    GLO.ENDDATE = *fw::dayNumber(2026, 3, 31);
    Dated<PRN::INVENTORYRECEIVEDLISTING> received;
    ASSERT_EQ(received.Run(&output), 1);
    const std::string dump = output.dumps.back();
    EXPECT_TRUE(has(dump, "Hammer"));
    EXPECT_TRUE(has(dump, "$10.00")) << "4 at 2.50";
    EXPECT_FALSE(has(dump, "9")) << "May is outside the range";
}
