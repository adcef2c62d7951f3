// The sales and tax summaries from a data folder of invoices, a quote and credit memos: the
// derived discount, subtotal and profit, the taxes less the credit memos', the regime's tax
// column, and the listings with and without taxes.
#include "app/reports/reportprocedures.h"
#include "app/reports/salessummaries.h"
#include "app/reports/taxbyregion.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "framework/picture.h"
#include "framework/reportslib.h"
#include "tests/support/datafolder.h"
#include "tests/support/keptoutput.h"

#include <gtest/gtest.h>

namespace {

template <class Report>
struct Dated : Report {
    bool AskDates() override { return true; }
};

class SalesSummariesTest : public testsupport::DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        REPORTS::INIT(&errors, nullptr);
        GLO.PRINTPREVIEW = 1;
        GLO.PAPERSIZE = "PAPER:LETTER";
        GLO.DATENAME = "@d2";
        GLO.CURRENCYNAME = "@n-13.2";
        GLO.CURRENCYNAME1 = "@n$-15.2";
        GLO.CANADIAN = dict::TaxRegime::ProvincialAndGst;
        first = *fw::dayNumber(2026, 3, 2);
        second = *fw::dayNumber(2026, 3, 9);
        ASSERT_EQ(Access::INVOICE.Open(), dict::Benign);
        ASSERT_EQ(Access::CREDIT.Open(), dict::Benign);
        invoice(1, first, 80, 50, 12.5, 8, 4, false);   // discount 10.00, subtotal 70.00, profit 20.00
        invoice(2, first, 40, 10, 0, 0, 0, false);      // untaxed
        invoice(3, second, 100, 60, 0, 5, 0, false);
        invoice(4, second, 999, 1, 0, 99, 9, true);     // a quote sells nothing
        for (dict::LONG memo : {1, 2}) {                // two credit memos on invoice 1
            Access::CREDIT.PrimeRecord();
            CRE.CREDITMEMONO = memo;
            CRE.INVOICENO = 1;
            CRE.TAX = 1;
            CRE.GST = 0.5;
            ASSERT_EQ(Access::CREDIT.Insert(), dict::Benign);
        }
        Access::CREDIT.Close();
        Access::INVOICE.Close();
        GLO.STARTDATE = first;
        GLO.ENDDATE = second;
    }

    static void invoice(dict::LONG number, dict::LONG day, double retail, double cost, double discount, double tax,
                        double gst, bool quote)
    {
        Access::INVOICE.PrimeRecord();
        INV.INVOICENO = number;
        INV.CUSTOMERNO = "C1";
        INV.DATE = day;
        INV.MONTH = 3;
        INV.RETAIL = retail;
        INV.COST = cost;
        INV.CUSTOMERDISCOUNT = discount;
        INV.TOTALDISCOUNT = dict::roundCents(retail - retail * discount / 100);
        INV.TAX = tax;
        INV.GST = gst;
        INV.TOTALDUE = INV.TOTALDISCOUNT + tax + gst;
        INV.TERMS = "Cash";
        INV.QUOTES = quote ? 1 : 0;
        ASSERT_EQ(Access::INVOICE.Insert(), dict::Benign);
    }

    template <class Report>
    std::string run()
    {
        Dated<Report> report;
        EXPECT_EQ(report.Run(&output), 1);
        return output.dumps.empty() ? std::string() : output.dumps.back();
    }

    static bool has(const std::string &dump, const std::string &text)
    {
        return dump.find('"' + text + '"') != std::string::npos;
    }

    dict::LONG first = 0;
    dict::LONG second = 0;
    testsupport::KeptOutput output;
};

} // namespace

TEST_F(SalesSummariesTest, DailySalesDeriveDiscountSubtotalAndProfitAndLeaveQuotesOut)
{
    const std::string dump = run<PRN::SALESDAILY>();
    EXPECT_TRUE(has(dump, "70.00")) << "80.00 less 12.5 %";
    EXPECT_TRUE(has(dump, "20.00")) << "the profit: 70.00 less 50.00";
    EXPECT_TRUE(has(dump, "Daily Totals:"));
    EXPECT_TRUE(has(dump, "$110.00")) << "the 2nd: subtotals 70.00 and 40.00";
    EXPECT_TRUE(has(dump, "$210.00")) << "all: 70 + 40 + 100";
    EXPECT_FALSE(has(dump, "000004")) << "the quote";
    EXPECT_TRUE(has(dump, "PST"));
    EXPECT_TRUE(has(dump, "GST"));
    EXPECT_FALSE(has(dump, "999.00"));

    GLO.CANADIAN = dict::TaxRegime::Vat;
    const std::string vat = run<PRN::SALESDAILY>();
    EXPECT_TRUE(has(vat, "VAT"));
    EXPECT_FALSE(has(vat, "GST")) << "GST prints only beside PST";
}

TEST_F(SalesSummariesTest, TaxesAreLessTheCreditMemosTaxes)
{
    const std::string dump = run<PRN::TAXDAILYTOTALSALES>();
    EXPECT_TRUE(has(dump, "6.00000")) << "8.00 less two credit memos of 1.00";
    EXPECT_TRUE(has(dump, "3.00000")) << "4.00 less two of 0.50";
    EXPECT_TRUE(has(dump, "11.00000")) << "6.00 and 5.00 over the dates";

    const std::string annual = run<PRN::TAXANNUALTOTALSALES>();
    EXPECT_TRUE(has(annual, "March 2026"));
    EXPECT_TRUE(has(annual, "Totals for"));

    const std::string monthly = run<PRN::SALESMONTHLY>();
    EXPECT_NE(monthly.find("Monthly Sales Report - March 2026"), std::string::npos);
}

TEST_F(SalesSummariesTest, ListingsSplitTaxedFromUntaxedInvoices)
{
    const std::string taxed = run<PRN::INVOICELISTINGWITHTAXES>();
    EXPECT_TRUE(has(taxed, "Shipping Tax")) << "its own caption, whatever the regime calls the tax";
    EXPECT_TRUE(has(taxed, "000001"));
    EXPECT_TRUE(has(taxed, "000003"));
    EXPECT_FALSE(has(taxed, "000002"));
    const std::string untaxed = run<PRN::INVOICELISTINGWITHOUTTAXES>();
    EXPECT_TRUE(has(untaxed, "000002"));
    EXPECT_FALSE(has(untaxed, "000003")) << "taxed though it has no GST: the listings are complements";
    EXPECT_FALSE(has(untaxed, "000001"));
}

TEST_F(SalesSummariesTest, SalesmanReportsSumEachSalesman)
{
    testsupport::sqlOn(dict::DatabasePath, "UPDATE INVOICE SET SALESMAN = 'Jo' WHERE INVOICENO IN (1, 3)");
    testsupport::sqlOn(dict::DatabasePath, "UPDATE INVOICE SET SALESMAN = 'Al' WHERE INVOICENO IN (2, 4)");
    const std::string daily = run<PRN::SALESPERSONTOTALSDAILYWEEKLY>();
    const std::size_t al = daily.find("\"Al\"");
    const std::size_t jo = daily.find("\"Jo\"");
    ASSERT_NE(al, std::string::npos);
    ASSERT_NE(jo, std::string::npos);
    EXPECT_LT(al, jo) << "salesmen in order";
    EXPECT_NE(daily.find("\"$40.00\"", al), std::string::npos) << "Al: invoice 2 alone, the quote left out";
    EXPECT_NE(daily.find("\"$180.00\"", jo), std::string::npos) << "Jo: retail 80.00 and 100.00";
    EXPECT_NE(daily.find("Does not include Tax"), std::string::npos);

    const std::string monthly = run<PRN::SALESPERSONTOTALSMONTHLY>();
    EXPECT_NE(monthly.find("Salesman Sales Report- March 2026"), std::string::npos);
    EXPECT_TRUE(has(monthly, "Jo"));
    EXPECT_TRUE(has(monthly, "$220.00")) << "every salesman's retail";

    const std::string annual = run<PRN::SALESPERSONTOTALSANNUAL>();
    EXPECT_TRUE(has(annual, "March 2026"));
    EXPECT_TRUE(has(annual, "Annual Sales:"));
}

TEST_F(SalesSummariesTest, TaxesByStateAndCountryFollowTheCustomers)
{
    ASSERT_EQ(Access::CUSTOMER.Open(), dict::Benign);
    for (const auto &[number, state] : {std::pair{"C1", "NY"}, std::pair{"C2", "DE"}}) {
        Access::CUSTOMER.PrimeRecord();
        CUS.CUSTOMERNO = number;
        CUS.STATE = state;
        CUS.COUNTRY = "USA";
        ASSERT_EQ(Access::CUSTOMER.Insert(), dict::Benign);
    }
    Access::CUSTOMER.Close();
    testsupport::sqlOn(dict::DatabasePath, "UPDATE INVOICE SET CUSTOMERNO = 'C2' WHERE INVOICENO = 3");

    const std::string daily = run<PRN::TAXDAILYSTATE>();
    const std::size_t de = daily.find("\"DE\"");
    const std::size_t ny = daily.find("\"NY\"");
    ASSERT_NE(de, std::string::npos);
    ASSERT_NE(ny, std::string::npos);
    EXPECT_LT(de, ny);
    EXPECT_NE(daily.find("\"5.00000\"", de), std::string::npos);
    EXPECT_NE(daily.find("\"6.00000\"", ny), std::string::npos) << "less the credit memos";
    EXPECT_TRUE(has(daily, "11.00000"));

    const std::string monthly = run<PRN::TAXMONTHLYCOUNTRY>();
    EXPECT_TRUE(has(monthly, "USA"));
    EXPECT_TRUE(has(monthly, "Monthly Totals:"));
    EXPECT_NE(monthly.find("(By Country) March 2026"), std::string::npos);

    const std::string annual = run<PRN::TAXANNUALSTATE>();
    EXPECT_TRUE(has(annual, "March 2026"));
}
