// The reports' figures against sums this test makes itself, in whole cents and thousandths, from
// the rows it wrote: a bookkeeper's shop with customers in two states and countries and one with
// none, a customer deleted with its invoices kept, two items sharing a stock number, labour and
// discounted lines, cheques typed three ways, invoices across three years, a quote; under a
// provincial tax with GST and under a single sales tax. A figure is read from its row and the
// column of its caption, never found as any text on the page.
#include "app/reports/reportprocedures.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/picture.h"
#include "reports/pageoutput.h"
#include "reports/reportcatalogue.h"
#include "reports/reportoutput.h"
#include "tests/support/paymentfolder.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <optional>
#include <set>
#include <sstream>

namespace {

using Cents = long long;

// 123456 → "1,234.56", as the money pictures print with their padding dropped.
std::string amount(Cents cents, int decimals = 2)
{
    const bool negative = cents < 0;
    Cents whole = (negative ? -cents : cents) / 100;
    const Cents part = (negative ? -cents : cents) % 100;
    std::string digits = std::to_string(whole);
    for (int at = int(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(std::size_t(at), ",");
    std::string fraction = (part < 10 ? "0" : "") + std::to_string(part);
    fraction.append(std::size_t(decimals - 2), '0');
    return (negative ? "-" : "") + digits + "." + fraction;
}

// Half away from zero, from thousandths.
Cents centsOf(long long thousandths) { return (thousandths + (thousandths < 0 ? -5 : 5)) / 10; }

// A page dump's texts as rows: by page and height, each cell by its left edge.
struct Row {
    int page = 0;
    int y = 0;
    std::map<int, std::string> cells;
    bool has(const std::string &text) const
    {
        return std::any_of(cells.begin(), cells.end(), [&](const auto &c) { return c.second == text; });
    }
};

std::vector<Row> rowsOf(const std::string &dump)
{
    std::vector<Row> rows;
    std::istringstream lines(dump);
    int page = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("page ", 0) == 0) {
            ++page;
            continue;
        }
        int x = 0, y = 0;
        if (std::sscanf(line.c_str(), "  text %d,%d", &x, &y) != 2)
            continue;
        const std::size_t quote = line.find('"');
        std::string text = line.substr(quote + 1, line.size() - quote - 2);
        if (rows.empty() || rows.back().page != page || rows.back().y != y)
            rows.push_back({page, y, {}});
        rows.back().cells[x] = text;
    }
    return rows;
}

// The left edge of the column captioned so (the first such caption).
int columnOf(const std::vector<Row> &rows, const std::string &caption)
{
    for (const Row &row : rows)
        for (const auto &[x, text] : row.cells)
            if (text == caption)
                return x;
    ADD_FAILURE() << "no column " << caption;
    return -1;
}

// The cell in the column at `x` of the row that has a cell reading `label`.
std::string cellAt(const std::vector<Row> &rows, const std::string &label, int x)
{
    for (const Row &row : rows) {
        if (row.has(label)) {
            const auto cell = row.cells.find(x);
            return cell == row.cells.end() ? std::string("(none)") : cell->second;
        }
    }
    return "(no row " + label + ")";
}

struct KeptDump : rpt::ReportOutput {
    bool preview(const rpt::PageQueue &q, const std::string &t) override { return print(q, t).empty(); }
    std::string print(const rpt::PageQueue &queue, const std::string &) override
    {
        dump = rpt::dumpPages(queue);
        return {};
    }
    bool printed() const override { return true; }
    std::string dump;
};

struct InvoiceRow {
    dict::LONG number;
    const char *customer;
    int year, month, day;
    Cents tax, gst;
    bool quote;
    const char *po;
    Cents retail, cost;
    int discountPercent;
};

// Two invoices whose customers are gone, one GST only, one PST only, one untaxed, a quote.
const InvoiceRow Invoices[] = {
    {1, "C1", 2024, 12, 15, 1000, 500, false, "PO-ONE", 2245, 1100, 10},
    {2, "C2", 2025, 12, 10, 0, 700, false, "PO-TWO", 777, 300, 0},
    {3, "C3", 2026, 1, 5, 301, 0, false, "PO-THREE", 3121, 2000, 0},
    {4, "GONE", 2026, 2, 20, 250, 125, false, "PO-FOUR", 1005, 1, 5},
    {5, "C1", 2026, 2, 21, 0, 0, false, "PO-FIVE", 0, 0, 0},
    {6, "C2", 2026, 2, 22, 9999, 9999, true, "PO-QUOTE", 99000, 100, 0},
    {7, "GONE", 2026, 3, 1, 1, 0, false, "PO-SEVEN", 99, 50, 0},
};

// The figures the sales reports derive: the discount off the price (to the cent, half away
// from zero), the subtotal after it, the profit over cost, and the total due.
struct Derived {
    Cents subTotal, profit, total;
};
Derived derived(const InvoiceRow &r)
{
    const long long discountThousandths = r.retail * r.discountPercent * 10 / 100; // cents × % / 100, in thousandths
    const Cents subTotal = r.retail - centsOf(discountThousandths);
    return {subTotal, subTotal - r.cost, subTotal + r.tax + r.gst};
}

struct LineRow {
    dict::LONG invoice;
    const char *stockNo;
    long long quantityThousandths;
    long long amountThousandths;   // as stored
    long long discountThousandths; // as stored
    bool labour;
};

// Invoice 1 has the customer's discount (lines gross); invoice 3 has line discounts (net).
const LineRow Lines[] = {
    {1, "ITEM", 2000, 12450, 1245, false}, {1, "ITEM", 1000, 10000, 1000, false}, {1, "LAB", 3500, 0, 0, true},
    {2, "DUP", 1000, 7770, 0, false},      {3, "ITEM", 1500, 11205, 1245, false}, {3, "DUP", 2000, 20000, 0, false},
    {6, "ITEM", 9000, 99000, 0, false},
};

class ReportFiguresTest : public paymenttest::PaymentFolderTest, public ::testing::WithParamInterface<int>
{
protected:
    void SetUp() override
    {
        PaymentFolderTest::SetUp();
        app::registerReportProcedures();
        GLO.CANADIAN = dict::BYTE(GetParam());
        customers();
        invoices();
        lines();
        payments();
        GLO.STARTDATE = *fw::dayNumber(2024, 1, 1);
        GLO.ENDDATE = *fw::dayNumber(2026, 12, 31);
    }

    static void customers()
    {
        const char *rows[][3] = {{"C1", "NY", "USA"}, {"C2", "ON", "Canada"}, {"C3", "", ""}};
        for (const auto &r : rows) {
            addCustomer(r[0]);
            ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), dict::Benign);
            CUS.STATE = r[1];
            CUS.COUNTRY = r[2];
            ASSERT_EQ(Access::CUSTOMER.Update(), dict::Benign);
        }
    }

    static void invoices()
    {
        for (const InvoiceRow &r : Invoices) {
            dict::clearRecord(Access::INVOICE.Def(), &INV);
            INV.INVOICENO = r.number;
            INV.CUSTOMERNO = r.customer;
            INV.DATE = *fw::dayNumber(r.year, r.month, r.day);
            INV.MONTH = dict::SHORT(r.month);
            INV.TAX = double(r.tax) / 100;
            INV.GST = double(r.gst) / 100;
            INV.QUOTES = r.quote ? 1 : 0;
            INV.PONUMBER = r.po;
            INV.TERMS = "Cash";
            INV.CUSTOMERDISCOUNT = r.discountPercent;
            INV.RETAIL = double(r.retail) / 100;
            INV.COST = double(r.cost) / 100;
            INV.TOTALDUE = double(derived(r).total) / 100;
            ASSERT_EQ(Access::INVOICE.Insert(), dict::Benign);
        }
    }

    static void lines()
    {
        for (const LineRow &r : Lines) {
            dict::clearRecord(Access::DESCRIPTION.Def(), &DES);
            DES.INVOICENO = r.invoice;
            ASSERT_EQ(Access::DESCRIPTION.PrimeRecord(true), dict::Benign);
            DES.STOCKNO = r.stockNo;
            DES.QUANTITY = double(r.quantityThousandths) / 1000;
            DES.AMOUNT = double(r.amountThousandths) / 1000;
            DES.DISCOUNTAMOUNT = double(r.discountThousandths) / 1000;
            DES.LINEITEMDISCOUNT = r.invoice == 3 && r.discountThousandths ? 10 : 0;
            DES.LABORBUTTON = r.labour ? 1 : 0;
            for (const InvoiceRow &i : Invoices)
                if (i.number == r.invoice) {
                    DES.DATE = *fw::dayNumber(i.year, i.month, i.day);
                    DES.MONTH = dict::SHORT(i.month);
                    DES.CUSTOMERNO = i.customer;
                }
            ASSERT_EQ(Access::DESCRIPTION.Insert(), dict::Benign);
        }
    }

    // Each invoice's own finance record, owing its total, then the payments, each lowering what
    // its customer owes.
    static void payments()
    {
        for (const InvoiceRow &r : Invoices) {
            if (r.quote)
                continue;
            Access::FINANCE.PrimeRecord();
            FIN.CUSTOMERNO = r.customer;
            FIN.INVOICENO = r.number;
            FIN.DATE = *fw::dayNumber(r.year, r.month, r.day);
            FIN.INVOICETOTAL = FIN.AMOUNTDUE = double(derived(r).total) / 100;
            ASSERT_EQ(Access::FINANCE.Insert(), dict::Benign);
        }
        const std::pair<const char *, Cents> rows[] = {{"Check", 1000}, {"cheque", 2000}, {"CHEQUE", 400}, {"Cash", 700},
                                                       {"Visa", 300}};
        for (const auto &[terms, cents] : rows) {
            Access::FINANCE.PrimeRecord();
            FIN.CUSTOMERNO = "C1";
            FIN.INVOICENO = 1;
            FIN.DATE = *fw::dayNumber(2026, 3, 2);
            FIN.TERMS = terms;
            FIN.AMOUNTPAID = double(cents) / 100;
            FIN.AMOUNTDUE = -double(cents) / 100;
            ASSERT_EQ(Access::FINANCE.Insert(), dict::Benign);
        }
    }

    static std::vector<Row> run(const char *name)
    {
        KeptDump kept;
        EXPECT_EQ(rpt::makeReport(name)->RunUnattended(kept), 1) << name;
        return rowsOf(kept.dump);
    }

    // Every figure in the column, below its caption.
    static std::vector<std::string> column(const std::vector<Row> &rows, int x)
    {
        std::vector<std::string> cells;
        for (const Row &row : rows)
            if (const auto cell = row.cells.find(x); cell != row.cells.end())
                cells.push_back(cell->second);
        return cells;
    }

    static bool provincial() { return GetParam() == dict::TaxRegime::ProvincialAndGst; }
};

// Thousandths of tax ("12.34000") as the five-decimal tax pictures print them.
std::string tax(Cents cents) { return amount(cents, 5); }

TEST_P(ReportFiguresTest, TaxByRegionCountsEveryInvoiceAndAddsUpToTheTotalSalesReport)
{
    Cents pst = 0, gst = 0;
    std::map<std::string, Cents> byState; // blank: the gone customer and C3
    const std::map<std::string, std::string> stateOf{{"C1", "NY"}, {"C2", "ON"}, {"C3", ""}, {"GONE", ""}};
    for (const InvoiceRow &r : Invoices)
        if (!r.quote) {
            pst += r.tax;
            gst += r.gst;
            byState[stateOf.at(r.customer)] += r.tax;
        }
    const std::string taxCaption = provincial() ? "PST" : "Tax";
    const auto total = run("PRN:TAXANNUALTOTALSALES");
    const int totalTax = columnOf(total, taxCaption);
    EXPECT_NE(std::find(column(total, totalTax).begin(), column(total, totalTax).end(), tax(pst)), column(total, totalTax).end())
        << "the total-sales report's total is the invoices' tax";
    for (const char *report : {"PRN:TAXANNUALSTATE", "PRN:TAXMONTHLYSTATE", "PRN:TAXDAILYSTATE", "PRN:TAXANNUALCOUNTRY",
                               "PRN:TAXMONTHLYCOUNTRY", "PRN:TAXDAILYCOUNTRY"}) {
        const bool monthly = std::string_view(report).find("MONTHLY") != std::string_view::npos;
        GLO.STARTDATE = monthly ? *fw::dayNumber(2026, 2, 1) : *fw::dayNumber(2024, 1, 1);
        const auto rows = run(report);
        const int taxAt = columnOf(rows, taxCaption);
        if (monthly) {
            EXPECT_EQ(cellAt(rows, "Monthly Totals:", taxAt), tax(250)) << "February: the gone customer's invoice 4";
            continue;
        }
        EXPECT_EQ(cellAt(rows, "Totals:", taxAt), tax(pst)) << report;
        if (provincial())
            EXPECT_EQ(cellAt(rows, "Totals:", columnOf(rows, "GST")), tax(gst)) << report;
        else
            EXPECT_FALSE(std::any_of(rows.begin(), rows.end(), [](const Row &r) { return r.has("GST"); })) << report;
    }
    GLO.STARTDATE = *fw::dayNumber(2024, 1, 1);
    // Annual by state: the blank state's months hold the gone customer's and C3's tax.
    const auto annual = run("PRN:TAXANNUALSTATE");
    EXPECT_EQ(cellAt(annual, "February 2026", columnOf(annual, taxCaption)), tax(250));
    EXPECT_EQ(cellAt(annual, "January 2026", columnOf(annual, taxCaption)), tax(301));
}

TEST_P(ReportFiguresTest, DailySalesShowEachInvoicesFiguresAndTheirSums)
{
    const auto rows = run("PRN:SALESDAILY");
    const int price = columnOf(rows, "Price"), subTotal = columnOf(rows, "*SubTotal"), cost = columnOf(rows, "Cost"),
              profit = columnOf(rows, "*Profit"), taxAt = columnOf(rows, provincial() ? "PST" : "Tax"),
              total = columnOf(rows, "Total");
    Cents sums[5] = {};
    for (const InvoiceRow &r : Invoices) {
        const std::string number = fw::formatValue(r.number, "@n06");
        if (r.quote) {
            EXPECT_EQ(cellAt(rows, number, price), "(no row " + number + ")") << "a quote sells nothing";
            continue;
        }
        const Derived d = derived(r);
        EXPECT_EQ(cellAt(rows, number, price), amount(r.retail)) << number;
        EXPECT_EQ(cellAt(rows, number, subTotal), amount(d.subTotal)) << number;
        EXPECT_EQ(cellAt(rows, number, cost), amount(r.cost)) << number;
        EXPECT_EQ(cellAt(rows, number, profit), amount(d.profit)) << number;
        EXPECT_EQ(cellAt(rows, number, taxAt), amount(r.tax, 5)) << number;
        EXPECT_EQ(cellAt(rows, number, total), amount(d.total)) << number;
        const Cents figures[5] = {r.retail, d.subTotal, r.cost, d.profit, d.total};
        for (int i = 0; i < 5; ++i)
            sums[i] += figures[i];
    }
    const int columns[5] = {price, subTotal, cost, profit, total};
    for (int i = 0; i < 5; ++i) {
        const std::string sum = cellAt(rows, "Totals:", columns[i]);
        EXPECT_EQ(sum.substr(sum.find_first_of("-0123456789")), amount(sums[i])) << "column " << i;
    }
}

TEST_P(ReportFiguresTest, StockIsValuedItemByItemInExactDecimals)
{
    struct Item {
        const char *stockNo;
        long long onHandThousandths, costThousandths, priceThousandths;
    };
    const Item items[] = {{"AAA", 3000, 1005, 2675}, {"BBB", 2500, 3333, 4999}, {"CCC", -1000, 1500, 2000}};
    testsupport::sqlOn(dict::DatabasePath, "DELETE FROM STOCK");
    Cents cost = 0, price = 0;
    for (const Item &i : items) {
        addStock(i.stockNo, double(i.onHandThousandths) / 1000, double(i.priceThousandths) / 1000);
        ASSERT_EQ(Access::STOCK.TryFetch(STO.StockNo_Key), dict::Benign);
        STO.COST = double(i.costThousandths) / 1000;
        ASSERT_EQ(Access::STOCK.Update(), dict::Benign);
        // on hand × cost in millionths, to the cent
        cost += (i.onHandThousandths * i.costThousandths + (i.onHandThousandths * i.costThousandths < 0 ? -5000 : 5000)) / 10000;
        price += (i.onHandThousandths * i.priceThousandths + (i.onHandThousandths * i.priceThousandths < 0 ? -5000 : 5000)) / 10000;
    }
    EXPECT_EQ(cost, 302 + 833 - 150) << "3 × 1.005 is 3.015: 3.02";
    const auto rows = run("PRN:INVENTORYONHANDSTOCKNO");
    const std::string totalCost = cellAt(rows, "Totals:", columnOf(rows, "Total"));
    EXPECT_EQ(totalCost.substr(totalCost.find_first_of("-0123456789")), amount(cost));
}

TEST_P(ReportFiguresTest, OutstandingBalancesAreEachCustomersDuesAndTheirRunningTotal)
{
    std::map<std::string, Cents> owed{{"C1", -4400}}; // the payments, all C1's
    for (const InvoiceRow &r : Invoices)
        if (!r.quote)
            owed[r.customer] += derived(r).total;
    const auto rows = run("PRN:CUSTOMEROUTSTANDINGBALANCES");
    const int due = columnOf(rows, "Balance Due");
    Cents running = 0;
    for (const char *customer : {"C1", "C2", "C3"}) {
        if (owed[customer] <= 0) {
            EXPECT_EQ(cellAt(rows, customer, due), std::string("(no row ") + customer + ")") << "a credit owes nothing";
            continue;
        }
        EXPECT_EQ(cellAt(rows, customer, due), amount(owed[customer])) << customer;
        running += owed[customer];
    }
    const std::string total = cellAt(rows, "Running Total:", due);
    EXPECT_EQ(total.substr(total.find_first_of("-0123456789")), amount(running));
}

TEST_P(ReportFiguresTest, DailyReceiptsCountEveryCheque)
{
    const auto rows = run("PRN:DAILYRECEIPTS");
    const std::string cheques = amount(1000 + 2000 + 400);
    const std::string checks = cellAt(rows, "Daily Totals:", columnOf(rows, "Checks"));
    EXPECT_EQ(checks.substr(checks.find_first_of("0123456789")), cheques);
    const std::string other = cellAt(rows, "Daily Totals:", columnOf(rows, "Credit Card/OnAccount"));
    EXPECT_EQ(other.substr(other.find_first_of("0123456789")), amount(300)) << "the Visa payment only";
}

TEST_P(ReportFiguresTest, SoldConsolidationCountsStockLinesOnceAtTheirNetToTheCent)
{
    // Per stock number: quantity, and the net of each line rounded to the cent, summed.
    std::map<std::string, std::pair<long long, Cents>> sold;
    for (const LineRow &l : Lines) {
        if (l.labour || l.invoice == 6)
            continue;
        const bool gross = l.invoice == 1; // the customer's discount is apart from the line
        sold[l.stockNo].first += l.quantityThousandths;
        sold[l.stockNo].second += centsOf(l.amountThousandths - (gross ? l.discountThousandths : 0));
    }
    EXPECT_EQ(sold["ITEM"].second, 1121 + 900 + 1121) << "12.45 - 1.245 is 11.21 to the cent";
    const auto rows = run("PRN:INVENTORYCONSOLIDATIONSTOCKNO");
    const int quantity = columnOf(rows, "Quantity"), amountAt = columnOf(rows, "Amount");
    for (const auto &[stockNo, figures] : sold) {
        EXPECT_EQ(cellAt(rows, stockNo, quantity), fw::plainNumber(double(figures.first) / 1000)) << stockNo;
        EXPECT_EQ(cellAt(rows, stockNo, amountAt), amount(figures.second)) << stockNo;
    }
    EXPECT_EQ(cellAt(rows, "LAB", quantity), "(no row LAB)") << "labour is no stock sold";
    const Cents all = std::accumulate(sold.begin(), sold.end(), Cents(0), [](Cents s, const auto &e) { return s + e.second.second; });
    const std::string running = cellAt(rows, "Running Total:", amountAt);
    EXPECT_EQ(running.substr(running.find_first_of("0123456789")), amount(all));
}

TEST_P(ReportFiguresTest, SoldAnnualKeepsEachYearsMonthsApartInDateOrder)
{
    const auto rows = run("PRN:INVENTORYCONSOLIDATIONANNUALLY");
    std::vector<std::string> months;
    for (const Row &row : rows)
        if (row.has("Month:"))
            months.push_back(row.cells.rbegin()->second);
    EXPECT_EQ(months, (std::vector<std::string>{"December 2024", "December 2025", "January 2026"}));
}

TEST_P(ReportFiguresTest, InvoiceListingsAreComplementsAndShowEachInvoicesOwnOrder)
{
    std::set<std::string> taxed, untaxed, expectTaxed, expectUntaxed;
    for (const InvoiceRow &r : Invoices)
        if (!r.quote)
            (r.tax != 0 || r.gst != 0 ? expectTaxed : expectUntaxed).insert(fw::formatValue(r.number, "@n06"));
    for (auto [report, into] : {std::pair{"PRN:INVOICELISTINGWITHTAXES", &taxed}, {"PRN:INVOICELISTINGWITHOUTTAXES", &untaxed}}) {
        const auto rows = run(report);
        const int number = columnOf(rows, "Invoice #"), po = columnOf(rows, "Purchase Order #");
        for (const Row &row : rows) {
            const auto cell = row.cells.find(number);
            if (cell == row.cells.end() || cell->second == "Invoice #")
                continue;
            into->insert(cell->second);
            const InvoiceRow &invoice = Invoices[std::stoi(cell->second) - 1];
            EXPECT_EQ(row.cells.at(po), invoice.po) << report << " invoice " << invoice.number;
        }
    }
    EXPECT_EQ(taxed, expectTaxed);
    EXPECT_EQ(untaxed, expectUntaxed);
}

TEST_P(ReportFiguresTest, ReceivedListingNamesTheItemTheReceiptWasOf)
{
    addStock("DUP", 1, 10);
    ASSERT_EQ(Access::STOCK.TryFetch(STO.StockNo_Key), dict::Benign);
    STO.PARTNO = "P1";
    STO.DESCRIPTION = "First of the two";
    STO.COST = 1.25;
    ASSERT_EQ(Access::STOCK.Update(), dict::Benign);
    addStock("DUP", 1, 10);
    testsupport::sqlOn(dict::DatabasePath, "UPDATE STOCK SET PARTNO = 'P2', DESCRIPTION = 'Second of the two', COST = 3.5 "
                                           "WHERE STOCKNO = 'DUP' AND PARTNO = ''");
    ASSERT_EQ(Access::STSTREND.Open(), dict::Benign);
    Access::STSTREND.PrimeRecord();
    STS.STOCKNO = "DUP";
    STS.PARTNO = "P2";
    STS.DATERECEIVED = *fw::dayNumber(2026, 3, 3);
    STS.AMOUNTRECEIVED = 7;
    ASSERT_EQ(Access::STSTREND.Insert(), dict::Benign);
    Access::STSTREND.Close();
    const auto rows = run("PRN:INVENTORYRECEIVEDLISTING");
    EXPECT_EQ(cellAt(rows, "DUP", columnOf(rows, "Description")), "Second of the two");
    const std::string total = cellAt(rows, "Total Cost:", columnOf(rows, "Total"));
    EXPECT_EQ(total.substr(total.find_first_of("0123456789")), amount(7 * 350));
}

TEST_P(ReportFiguresTest, ConsolidationCaptionsItsTaxesByTheTaxSystem)
{
    const auto rows = run("PRN:CONSOLIDATION");
    const bool gstLine = std::any_of(rows.begin(), rows.end(), [](const Row &r) { return r.has("GST:"); });
    EXPECT_EQ(gstLine, provincial());
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const Row &r) { return r.has(provincial() ? "PST:" : "Tax:"); }));
}

INSTANTIATE_TEST_SUITE_P(Regimes, ReportFiguresTest,
                         ::testing::Values(int(dict::TaxRegime::ProvincialAndGst), int(dict::TaxRegime::SalesTax)),
                         [](const auto &info) { return info.param == 1 ? std::string("Provincial") : std::string("SalesTax"); });

} // namespace
