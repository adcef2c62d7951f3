// The invoice documents from a data folder: the printed texts of each tax regime, discounts and
// dates; whole pages against their expected dumps; quotes, stationery, shipping off, blank forms
// and logos; the printed marker only for pages really printed; tagged runs with an invoice
// deleted meanwhile; the report's records kept apart from the windows'; the command line.
#include "app/reports/invoicedocuments.h"
#include "app/reports/reportprocedures.h"
#include "app/printselect/tagbrowses.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/reportslib.h"
#include "reports/pageoutput.h"
#include "reports/reportcatalogue.h"
#include "reports/reportoutput.h"
#include "reports/winroutines.h"
#include "tagging/tags.h"
#include "tests/support/invoicefolder.h"
#include "tests/support/keptoutput.h"
#include "tests/support/pagecheck.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

using invoicetest::InvoiceFolderTest;

namespace {

const std::filesystem::path Expected = std::filesystem::path(TQ_TEST_DATA) / "invoices";

dict::INVOICERecord invoiceWith(double rate, double tax)
{
    dict::INVOICERecord inv{};
    inv.TAXRATE = rate;
    inv.TAX = tax;
    inv.TOTALDUE = 100 + tax;
    inv.AMOUNTOWED = 100 + tax;
    inv.RETAIL = 100;
    return inv;
}

std::vector<std::string> captions(const std::vector<PRN::TotalsRow> &rows)
{
    std::vector<std::string> out;
    for (const PRN::TotalsRow &row : rows)
        out.push_back(row.caption);
    return out;
}

PRN::InvoiceRun runIn(dict::BYTE regime)
{
    PRN::InvoiceRun run = PRN::InvoiceRun::fromGlobals();
    run.regime = regime;
    run.money = "@n-13.2";
    run.totals = "@n$-15.2";
    run.percent = "@n6.2";
    return run;
}

} // namespace

TEST(InvoiceDocumentText, TotalsBlockFollowsTheRegimeAndShowsRatesThroughPictures)
{
    using PRN::totalsRows;
    const dict::INVOICERecord plain = invoiceWith(0.07, 7);
    EXPECT_EQ(captions(totalsRows(plain, 100, runIn(3))),
              (std::vector<std::string>{"SubTotal:", "Tax: 7.00%", "Inv Total:", "Paid:", "Total Due:"}));
    EXPECT_EQ(totalsRows(plain, 100, runIn(3)).back().value, "$107.00");
    EXPECT_EQ(totalsRows(invoiceWith(0.08375, 8.38), 100, runIn(3))[1].caption, "Tax: 8.375%");
    EXPECT_EQ(totalsRows(plain, 100, runIn(2))[1].caption, "VAT: 7.00%");
    EXPECT_EQ(totalsRows(plain, 100, runIn(4))[1].caption, "GST: 7.00%");

    // Both rates zero under GST and PST: an empty caption and no GST row; a GST rate alone shows both.
    dict::INVOICERecord canadian = invoiceWith(0, 0);
    EXPECT_EQ(captions(totalsRows(canadian, 100, runIn(1))),
              (std::vector<std::string>{"SubTotal:", "Inv Total:", "Paid:", "Total Due:"}));
    canadian.GSTTAXRATE = 0.05;
    canadian.GST = 5;
    const auto rows = totalsRows(canadian, 100, runIn(1));
    ASSERT_EQ(captions(rows), (std::vector<std::string>{"SubTotal:", "PST: 0.00%", "GST: 5.00%", "Inv Total:", "Paid:",
                                                         "Total Due:"}));
    EXPECT_EQ(rows[2].value, "5.00");
    EXPECT_EQ(captions(totalsRows(canadian, 100, runIn(3))).size(), 4u) << "GST prints only under GST and PST";

    // A customer discount: its rate and 10 % of the retail total, rounded to cents.
    dict::INVOICERecord discounted = invoiceWith(0, 0);
    discounted.CUSTOMERDISCOUNT = 10;
    discounted.RETAIL = 123.45;
    discounted.TOTALDISCOUNT = 111.10;
    const auto withDiscount = totalsRows(discounted, 123.45, runIn(3));
    ASSERT_GE(withDiscount.size(), 3u);
    EXPECT_EQ(withDiscount[1].caption, "Disc: 10.00%");
    EXPECT_EQ(withDiscount[1].value, "12.35");
    EXPECT_EQ(withDiscount[2].caption, "Disc Total:");
    EXPECT_EQ(withDiscount[2].value, "$111.10");

    // Labour, shipping and COD only when charged; zero paid is blank, zero owed prints.
    dict::INVOICERecord extras = invoiceWith(0, 0);
    extras.LABOR = 25;
    extras.COD = 4.5;
    extras.AMOUNTOWED = 0;
    const auto extraRows = totalsRows(extras, 100, runIn(3));
    EXPECT_EQ(captions(extraRows), (std::vector<std::string>{"SubTotal:", "Labor:", "COD:", "Inv Total:", "Paid:", "Total Due:"}));
    EXPECT_EQ(extraRows[4].value, "");
    EXPECT_EQ(extraRows[5].value, "$0.00");
}

TEST(InvoiceDocumentText, CurrencyTypesReachEveryAmount)
{
    dict::resetGlobals();
    dict::INVOICERecord inv = invoiceWith(0.07, 86.42);
    inv.AMOUNTPAID = 1000;
    inv.TOTALDUE = 1234.5;
    inv.AMOUNTOWED = 234.5;
    auto rowsFor = [&](dict::BYTE type) {
        SET.CURRENCYTYPE = type;
        GLO.WINROUTINE = WIN::MoneyPictures;
        WIN::ROUTINES();
        PRN::InvoiceRun run = PRN::InvoiceRun::fromGlobals();
        run.regime = dict::TaxRegime::SalesTax;
        return totalsRows(inv, 1148.08, run);
    };
    const auto francs = rowsFor(4); // a decimal comma, a blank between thousands, the sign after
    EXPECT_EQ(francs[0].value, "1 148,08F");
    EXPECT_EQ(francs[1].caption, "Tax: 7,00%");
    EXPECT_EQ(francs[2].value, "1 234,50F");
    EXPECT_EQ(francs[3].value, "1 000,00");
    const auto yen = rowsFor(10); // no decimals at all
    EXPECT_EQ(yen[0].value, "¥1,148");
    EXPECT_EQ(yen[1].caption, "Tax: 7%");
    EXPECT_EQ(yen[1].value, "86");
    EXPECT_EQ(yen[4].value, "¥235");
    dict::resetGlobals();
}

TEST(InvoiceDocumentText, CompanyBlockAndLineTexts)
{
    dict::SETUPRecord s{};
    s.COMPANYNAME = "Quill & Co";
    s.ADDRESS = "1 Main St";
    s.CITY = "Springfield";
    s.STATE = "IL";
    s.ZIPCODE = "62701";
    s.COUNTRY = "USA";
    s.PHONENO = "555-0100";
    s.EMAILADDRESS = "shop@quill.example";
    s.TAXNUMBER = "TX-99";
    using Lines = std::array<std::string, 7>;
    EXPECT_EQ(PRN::companyLines(s, 3), (Lines{"Quill & Co", "1 Main St", "Springfield, IL   62701 USA",
                                              "shop@quill.example Tax: TX-99", "Phone: 555-0100", "", ""}));
    s.ADDRESS2 = "Unit 4";
    s.FAXNO = "555-0101";
    EXPECT_EQ(PRN::companyLines(s, 3)[5], "Phone: 555-0100 / Fax: 555-0101");
    s.ADDRESS3 = "Back door";
    s.GSTNUMBER = "IE6388047V"; // a VAT invoice carries the shop's VAT number
    EXPECT_EQ(PRN::companyLines(s, 2), (Lines{"Quill & Co", "1 Main St", "Unit 4", "Back door",
                                              "62701 Springfield, IL   USA", "Phone: 555-0100 / Fax: 555-0101",
                                              "shop@quill.example Tax: TX-99 VAT#: IE6388047V"}));
    EXPECT_EQ(PRN::companyLines(s, 3)[6], "shop@quill.example Tax: TX-99") << "only under VAT";
    // A setup not filled in yet: no bare comma, no "Phone:", no empty line between the others.
    dict::SETUPRecord bare{};
    bare.COMPANYNAME = "Quill & Co";
    EXPECT_EQ(PRN::companyLines(bare, 3), (Lines{"Quill & Co", "", "", "", "", "", ""}));
    bare.STATE = "IL";
    bare.ZIPCODE = "62701";
    bare.FAXNO = "555-0101";
    EXPECT_EQ(PRN::companyLines(bare, 3), (Lines{"Quill & Co", "IL   62701", "Fax: 555-0101", "", "", "", ""}));

    dict::DESCRIPTIONRecord line{};
    line.DESCRIPTION = "Oak shelf";
    line.PRICE = 40;
    EXPECT_EQ(PRN::printedDescription(line), "Oak shelf");
    line.DELIVERYDATE = *fw::dayNumber(2027, 1, 15);
    EXPECT_EQ(PRN::printedDescription(line), "Oak shelf - Expected Delivery Date: 01/15/2027");
    line.LINEITEMDISCOUNT = 15;
    EXPECT_DOUBLE_EQ(PRN::printedPrice(line), 34);
}

namespace {

using testsupport::KeptOutput;

bool has(const std::string &dump, const std::string &text) { return dump.find('"' + text + '"') != std::string::npos; }

class InvoiceDocumentsTest : public InvoiceFolderTest
{
protected:
    void SetUp() override
    {
        InvoiceFolderTest::SetUp();
        app::registerReportProcedures();
        ASSERT_EQ(Access::SETUP.Open(), dict::Benign);
        SET.RECORDNO = 1;
        ASSERT_EQ(Access::SETUP.TryFetch(SET.RecordNo_Key), dict::Benign);
        SET.COMPANYNAME = "Quill & Co";
        SET.ADDRESS = "1 Main St";
        SET.ADDRESS2 = "";
        SET.CITY = "Springfield";
        SET.STATE = "IL";
        SET.ZIPCODE = "62701";
        SET.COUNTRY = "USA";
        SET.PHONENO = "555-0100";
        SET.EMAILADDRESS = "shop@quill.example";
        SET.NETWORKPATH = "";
        SET.CURRENCYTYPE = 1;
        ASSERT_EQ(Access::SETUP.Update(), dict::Benign);
        Access::SETUP.Close();
        GLO.WINROUTINE = WIN::MoneyPictures;
        WIN::ROUTINES();
        GLO.DATENAME = "@d2";
        GLO.PAPERSIZE = "PAPER:LETTER";
        GLO.PRINTPREVIEW = 1;
        GLO.PRINTCHOICE = 0;
        GLO.PRINTSHIPPING = 1;
        GLO.PICKLIST = 0;
        GLO.STARTUP = 0;
        GLO.LABELLINE = "Thank you for your business";
        putCustomer();
    }

    static void putCustomer()
    {
        Access::CUSTOMER.PrimeRecord();
        CUS.CUSTOMERNO = "C100";
        CUS.FNAME = "Ann";
        CUS.LNAME = "Moore";
        CUS.COMPANY = "Moore Joinery";
        CUS.ADDRESS = "12 Mill Lane";
        CUS.CITY = "Dover";
        CUS.STATE = "DE";
        CUS.ZIPCODE = "19901";
        CUS.SADDRESS = "Dock 3, 40 Quay Road";
        CUS.SCITY = "Dover";
        CUS.SSTATE = "DE";
        CUS.SZIPCODE = "19902";
        ASSERT_EQ(Access::CUSTOMER.Insert(), dict::Benign);
    }

    // An invoice of customer C100 with two lines, as the invoice form stores one.
    static void putInvoice(dict::LONG number, bool quote = false)
    {
        Access::INVOICE.PrimeRecord();
        INV.INVOICENO = number;
        INV.CUSTOMERNO = "C100";
        INV.DATE = *fw::dayNumber(2026, 12, 1);
        INV.SALESMAN = "Jo";
        INV.PONUMBER = "PO-77";
        INV.QUOTES = quote ? 1 : 0;
        INV.TAXRATE = 0.07;
        INV.RETAIL = 130;
        INV.TAX = 9.1;
        INV.SHIPPING = 12.5;
        INV.TOTALDUE = 151.6;
        INV.AMOUNTPAID = 50;
        INV.AMOUNTOWED = 101.6;
        INV.TAXINFO = "Resale certificate on file";
        INV.MEMOS = "Deliver to the back door.\rCall ahead.";
        ASSERT_EQ(Access::INVOICE.Insert(), dict::Benign);
        putLine(number, 1, "OAK-1", "Oak shelf, oiled, with brackets and the screws to fix it to a wall", 2, 40, 80, 0);
        putLine(number, 2, "PIN-7", "Pine board", 5, 10, 50, *fw::dayNumber(2027, 1, 15));
    }

    static void putLine(dict::LONG invoice, dict::LONG item, const char *stock, const char *text, double quantity,
                        double price, double amount, fw::DayNumber delivery)
    {
        Access::DESCRIPTION.PrimeRecord();
        DES.INVOICENO = invoice;
        DES.ITEMNO = item;
        DES.STOCKNO = stock;
        DES.DESCRIPTION = text;
        DES.QUANTITY = quantity;
        DES.PRICE = price;
        DES.AMOUNT = amount;
        DES.PACKAGESIZE = "each";
        DES.LOCATION = "Aisle 4";
        DES.DELIVERYDATE = delivery;
        ASSERT_EQ(Access::DESCRIPTION.Insert(), dict::Benign);
    }

    static std::string printedMark(dict::LONG number)
    {
        INV.INVOICENO = number;
        EXPECT_EQ(Access::INVOICE.TryFetch(INV.InvoiceNo_Key), dict::Benign);
        return INV.PRINTED.str();
    }

    // Runs a report as the desktop does, into kept output.
    int run(const char *name)
    {
        auto report = rpt::makeReport(name);
        return report ? report->Run(&output) : -1;
    }

    KeptOutput output;
};

} // namespace

TEST_F(InvoiceDocumentsTest, InvoicePageMatchesItsExpectedDump)
{
    putInvoice(1042);
    GLO.INVOICENO = 1042;
    ASSERT_EQ(run("PRN:INVOICES"), 1);
    ASSERT_EQ(output.dumps.size(), 1u);
    EXPECT_TRUE(testsupport::matchesExpectedDump(output.dumps[0], Expected / "invoice.txt"));
    EXPECT_EQ(printedMark(1042), "P");
}

TEST_F(InvoiceDocumentsTest, PackageListFollowsAnInvoiceButNeverAQuote)
{
    putInvoice(7);
    putInvoice(8, true);
    GLO.PICKLIST = 1;
    GLO.INVOICENO = 7;
    run("PRN:INVOICES");
    ASSERT_EQ(output.dumps.size(), 2u);
    EXPECT_EQ(output.titles[1], "Package List");
    EXPECT_TRUE(testsupport::matchesExpectedDump(output.dumps[1], Expected / "packagelist.txt"));

    GLO.INVOICENO = 8;
    run("PRN:INVOICES");
    ASSERT_EQ(output.dumps.size(), 3u) << "a quote is not packed";
    EXPECT_TRUE(has(output.dumps[2], "QUOTE"));
    EXPECT_FALSE(has(output.dumps[2], "Thank you for your business")) << "a quote has no footer line";
    EXPECT_EQ(printedMark(8), "P");
    EXPECT_EQ(int{GLO.STARTUP}, 0);
}

TEST_F(InvoiceDocumentsTest, StationeryShippingOffAndLogoChangeTheForm)
{
    putInvoice(3);
    GLO.INVOICENO = 3;
    GLO.PRINTCHOICE = 1; // stationery: straight to the printer, data only
    run("PRN:INVOICES");
    ASSERT_EQ(output.dumps.size(), 1u);
    const std::string stationery = output.dumps[0];
    for (const char *gone : {"Quill & Co", "SOLD TO", "Date:", "Stock #", "Description", "Page 1 of 1"})
        EXPECT_FALSE(has(stationery, gone)) << gone;
    EXPECT_EQ(stationery.find("\n  box"), std::string::npos);
    for (const char *kept : {"INVOICE", "Moore Joinery", "OAK-1", "$101.60", "1     1"})
        EXPECT_TRUE(has(stationery, kept)) << kept;

    GLO.PRINTCHOICE = 0;
    GLO.PRINTSHIPPING = 0;
    run("PRN:INVOICES");
    ASSERT_EQ(output.dumps.size(), 2u);
    EXPECT_FALSE(has(output.dumps[1], "SHIP TO"));
    EXPECT_FALSE(has(output.dumps[1], "Dock 3, 40 Quay Road"));
    EXPECT_TRUE(has(output.dumps[1], "SOLD TO"));

    // A logo replaces the title in the frame the setup chose.
    GLO.PRINTSHIPPING = 1;
    QImage logo(60, 30, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    std::filesystem::create_directories(folder / "pictures");
    ASSERT_TRUE(logo.save(QString::fromStdString((folder / "pictures" / "logo.png").string())));
    SET.RECORDNO = 1;
    ASSERT_EQ(Access::SETUP.Open(), dict::Benign);
    ASSERT_EQ(Access::SETUP.TryFetch(SET.RecordNo_Key), dict::Benign);
    SET.NETWORKPATH = "logo.png";
    SET.LOGOSIZE = 2;
    ASSERT_EQ(Access::SETUP.Update(), dict::Benign);
    Access::SETUP.Close();
    run("PRN:INVOICES");
    ASSERT_EQ(output.dumps.size(), 3u);
    EXPECT_FALSE(has(output.dumps[2], "INVOICE"));
    EXPECT_NE(output.dumps[2].find("picture 6000,500 2000x800"), std::string::npos) << output.dumps[2];
}

TEST_F(InvoiceDocumentsTest, BlankFormPrintsTheFormAloneAndPutsTheSettingsBack)
{
    putInvoice(5);
    GLO.INVOICENO = 5; // the last invoice saved: a blank form must not print it
    GLO.STARTUP = dict::StartUp::BlankForm;
    GLO.THREADNO = 0;   // the frame parks the settings
    GLO.THREADNO1 = 1;
    GLO.PRINTCHOICE = 0;
    GLO.PRINTPREVIEW = 0;
    ASSERT_EQ(run("PRN:INVOICES"), 1);
    ASSERT_EQ(output.dumps.size(), 1u);
    const std::string &page = output.dumps[0];
    for (const char *kept : {"Quill & Co", "INVOICE", "SOLD TO", "Stock #"})
        EXPECT_TRUE(has(page, kept)) << kept;
    for (const char *gone : {"Moore Joinery", "OAK-1", "000005", "Salesman:", "Page 1 of 1", "Thank you for your business"})
        EXPECT_FALSE(has(page, gone)) << gone;
    EXPECT_EQ(printedMark(5), "");
    EXPECT_EQ(int{GLO.PRINTPREVIEW}, 1);
    EXPECT_EQ(int{GLO.STARTUP}, 0);
    EXPECT_EQ(int{GLO.THREADNO1}, 0);
}

TEST_F(InvoiceDocumentsTest, MarkedPrintedOnlyWhenPagesWereReallyPrinted)
{
    putInvoice(11);
    GLO.INVOICENO = 11;
    output.printFromPreview = false; // the preview closed without printing
    ASSERT_EQ(run("PRN:INVOICES"), 1);
    EXPECT_EQ(printedMark(11), "");

    // A missing invoice says so and prints nothing: a blank form is a run of its own.
    GLO.INVOICENO = 999;
    output.printFromPreview = true;
    const std::size_t runs = output.dumps.size();
    ASSERT_EQ(run("PRN:INVOICES"), 2);
    EXPECT_EQ(output.dumps.size(), runs);
    ASSERT_FALSE(texts().empty());
    EXPECT_EQ(texts().back(), "There is no invoice 000999 on file: nothing was printed.");
    EXPECT_EQ(printedMark(11), "");
}

TEST_F(InvoiceDocumentsTest, TaggedRunMarksWhatPrintedAndDropsTheTagOfAnInvoiceDeletedMeanwhile)
{
    for (dict::LONG n : {21, 22, 23, 24})
        putInvoice(n, n == 22 || n == 24);
    for (dict::LONG n : {23, 21, 24, 22})
        ST::SetTag_(ST::InvoiceTable, n);
    // Deleted at another station after it was tagged.
    INV.INVOICENO = 22;
    ASSERT_EQ(Access::INVOICE.TryFetch(INV.InvoiceNo_Key), dict::Benign);
    ASSERT_EQ(Access::INVOICE.TryDeleteRecord(), dict::Benign);

    // Closed without printing: nothing marked, the tags stay but the deleted one's.
    output.printFromPreview = false;
    run("PRN:INVOICESTAGGED");
    EXPECT_EQ(printedMark(21), "");
    EXPECT_EQ(ST::CntTag_(ST::InvoiceTable), 3);

    output.printFromPreview = true;
    GLO.PICKLIST = 1;
    run("PRN:INVOICESTAGGED");
    ASSERT_EQ(output.dumps.size(), 3u);
    const std::string &pages = output.dumps[1];
    EXPECT_LT(pages.find("\"000021\""), pages.find("\"000023\"")) << "in invoice order";
    EXPECT_EQ(std::count(pages.begin(), pages.end(), '\n') > 0, true);
    EXPECT_NE(pages.find("page 2"), std::string::npos);
    EXPECT_EQ(pages.find("Page 2 of 2"), std::string::npos) << "each invoice is numbered on its own";
    EXPECT_EQ(output.titles[2], "Package Lists");
    EXPECT_TRUE(has(pages, "QUOTE")) << "the quote prints among the invoices";
    EXPECT_TRUE(has(output.dumps[2], "000023"));
    EXPECT_FALSE(has(output.dumps[2], "000024")) << "but a quote is not packed";
    EXPECT_EQ(printedMark(21), "P");
    EXPECT_EQ(printedMark(23), "P");
    EXPECT_EQ(printedMark(24), "P") << "a quote is marked printed like an invoice";
    EXPECT_EQ(ST::CntTag_(ST::InvoiceTable), 0);

    // Nothing tagged: nothing to print.
    screen.clear();
    GLO.PRINTPREVIEW = 0;
    EXPECT_EQ(run("PRN:INVOICESTAGGED"), 2);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Nothing to Print."}));
}

namespace {

// Presses the progress window's Cancel once the run has laid out its first documents.
void cancelOnceLaid(const PRN::InvoiceDocuments &report, int tries = 0)
{
    QTimer::singleShot(0, [&report, tries] {
        QWidget *window = QApplication::activeModalWidget();
        if (window && !report.Laid().empty())
            window->findChild<QPushButton *>(QStringLiteral("cancel"))->click();
        else if (tries < 10000)
            cancelOnceLaid(report, tries + 1);
    });
}

} // namespace

TEST_F(InvoiceDocumentsTest, CancelledTaggedRunLeavesWhatDidNotPrintTagged)
{
    for (dict::LONG n = 101; n <= 130; ++n) {
        putInvoice(n);
        ST::SetTag_(ST::InvoiceTable, n);
    }
    auto printedCount = [] { return query("SELECT COUNT(*) FROM INVOICE WHERE PRINTED = 'P'"); };

    screen.answer(dict::ButtonYes); // cancel the report
    screen.answer(dict::ButtonNo);  // and preview nothing
    {
        PRN::INVOICESTAGGED report;
        cancelOnceLaid(report);
        EXPECT_EQ(report.Run(&output), 2);
    }
    EXPECT_TRUE(output.dumps.empty());
    EXPECT_EQ(printedCount(), 0);
    EXPECT_EQ(ST::CntTag_(ST::InvoiceTable), 30);

    screen.answer(dict::ButtonYes);
    screen.answer(dict::ButtonYes); // preview what there is, and print it
    PRN::INVOICESTAGGED report;
    cancelOnceLaid(report);
    EXPECT_EQ(report.Run(&output), 1);
    const auto laid = static_cast<double>(report.Laid().size());
    ASSERT_GT(laid, 0);
    ASSERT_LT(laid, 30);
    EXPECT_EQ(printedCount(), laid);
    EXPECT_EQ(ST::CntTag_(ST::InvoiceTable), 30 - laid);
    EXPECT_EQ(ST::GetTag_(ST::InvoiceTable, 130), 1) << "the last one was never printed";
}

TEST_F(InvoiceDocumentsTest, LabelsAfterTheInvoiceAskForBlankLabelsFirst)
{
    testsupport::DesktopStandIn desktop; // the labels run as the desktop starts them
    putInvoice(41);
    ST::SetTagPos_(ST::CustomerTable, "C100"); // as the invoice form tags its customer
    GLO.INVOICENO = 41;
    GLO.STARTUP = dict::StartUp::AddressLabels;
    GLO.LABELTYPE = 8160;
    run("PRN:INVOICES");
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_EQ(titles()[0], "Excuse me...");
    EXPECT_EQ(texts()[0], "Please insert blank labels at this time!  Then click on Ok to print.");
    ASSERT_EQ(desktop.output.titles, std::vector<std::string>{"Customer Labels"});
    EXPECT_TRUE(has(desktop.output.dumps[0], "Moore Joinery"));
    EXPECT_EQ(int{GLO.STARTUP}, 0);
}

TEST_F(InvoiceDocumentsTest, LabelSheetsByStockAndKind)
{
    const char *more[][3] = {{"C200", "Baker", "12 High St"}, {"C300", "Young", "3 Low Rd"}, {"C400", "Adams", "9 Elm"}};
    for (const auto &c : more) {
        Access::CUSTOMER.PrimeRecord();
        CUS.CUSTOMERNO = c[0];
        CUS.LNAME = c[1];
        CUS.ADDRESS = c[2];
        CUS.CITY = "Dover";
        ASSERT_EQ(Access::CUSTOMER.Insert(), dict::Benign);
    }
    for (const char *customer : {"C400", "C100", "C300", "C200"})
        ST::SetTagPos_(ST::CustomerTable, customer);
    GLO.STARTUP = dict::StartUp::AddressLabels;
    GLO.LABELTYPE = 8160;
    ASSERT_EQ(run("PRN:CUSTOMERLABELS"), 1);
    EXPECT_TRUE(testsupport::matchesExpectedDump(output.dumps.back(), Expected / "labels8160.txt"));

    GLO.STARTUP = dict::StartUp::ShippingLabels;
    GLO.LABEL1TYPE = 8163;
    ASSERT_EQ(run("PRN:CUSTOMERLABELS"), 1);
    const std::string &shipping = output.dumps.back();
    for (const char *text : {"FROM:", "Quill & Co", "Phone: 555-0100", "TO:", "Dock 3, 40 Quay Road", "Dover DE  19902"})
        EXPECT_TRUE(has(shipping, text)) << text;
    EXPECT_FALSE(has(shipping, "12 Mill Lane")) << "the ship-to block, not the bill-to";
    EXPECT_TRUE(has(shipping, "12 High St")) << "without a ship-to address, the parcel goes to the billing address";

    // The shop's own labels: a whole sheet of its address.
    GLO.LABELTYPE = 8161;
    ASSERT_EQ(run("PRN:USERLABELS"), 1);
    const std::string &own = output.dumps.back();
    std::size_t sheet = 0;
    for (std::size_t at = own.find("\"Quill & Co\""); at != std::string::npos; at = own.find("\"Quill & Co\"", at + 1))
        ++sheet;
    EXPECT_EQ(sheet, 20u) << "two across, ten down";
    EXPECT_EQ(own.find("page 2"), std::string::npos);
    EXPECT_TRUE(has(own, "Springfield, IL   62701 USA"));

    // A shipping stock for address labels prints nothing.
    GLO.STARTUP = dict::StartUp::AddressLabels;
    GLO.LABELTYPE = 8163;
    screen.clear();
    EXPECT_EQ(run("PRN:CUSTOMERLABELS"), 2);
    EXPECT_EQ(texts(), std::vector<std::string>{"Nothing to Preview."});
}

TEST_F(InvoiceDocumentsTest, EnvelopesLieLongSideAcrossWithTheReturnAddressWhenAsked)
{
    auto returnAddress = [](bool on) {
        ASSERT_EQ(Access::SETUP.Open(), dict::Benign);
        SET.RECORDNO = 1;
        ASSERT_EQ(Access::SETUP.TryFetch(SET.RecordNo_Key), dict::Benign);
        SET.REMOVERETURNADDRESS = on ? 1 : 0;
        SET.ADDRESS2 = "Unit 4";
        ASSERT_EQ(Access::SETUP.Update(), dict::Benign);
        Access::SETUP.Close();
    };
    ST::SetTagPos_(ST::CustomerTable, "C100");
    GLO.ENVELOPESIZE = "PAPER:ENV_10";
    returnAddress(false);
    ASSERT_EQ(run("PRN:ENVELOPES"), 1);
    const std::string &plain = output.dumps.back();
    EXPECT_TRUE(has(plain, "Moore Joinery"));
    EXPECT_FALSE(has(plain, "Quill & Co")) << "no return address unless the setup asks";

    returnAddress(true);
    struct Size : KeptOutput {
        bool preview(const rpt::PageQueue &queue, const std::string &title) override
        {
            width = queue.pageWidth();
            height = queue.pageHeight();
            return KeptOutput::preview(queue, title);
        }
        int width = 0;
        int height = 0;
    } sized;
    rpt::makeReport("PRN:ENVELOPES")->Run(&sized);
    ASSERT_EQ(sized.dumps.size(), 1u);
    EXPECT_NEAR(sized.width, 9500, 10) << "a #10 envelope, long side across";
    EXPECT_NEAR(sized.height, 4125, 10);
    for (const char *line : {"Quill & Co", "1 Main St", "Unit 4", "Springfield, IL   62701 USA", "Moore Joinery"})
        EXPECT_TRUE(has(sized.dumps[0], line)) << line << ": the city line stays with a second address line";
}

TEST_F(InvoiceDocumentsTest, MissingLogoIsNamedAndTheInvoicePrintsWithoutIt)
{
    putInvoice(51);
    ASSERT_EQ(Access::SETUP.Open(), dict::Benign);
    SET.RECORDNO = 1;
    ASSERT_EQ(Access::SETUP.TryFetch(SET.RecordNo_Key), dict::Benign);
    SET.NETWORKPATH = "gone.png";
    ASSERT_EQ(Access::SETUP.Update(), dict::Benign);
    Access::SETUP.Close();
    GLO.INVOICENO = 51;
    EXPECT_EQ(run("PRN:INVOICES"), 1);
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_NE(texts()[0].find("gone.png"), std::string::npos) << texts()[0];
    EXPECT_EQ(output.dumps[0].find("picture"), std::string::npos);
    EXPECT_EQ(printedMark(51), "P") << "it went out, without its logo";
}

TEST_F(InvoiceDocumentsTest, GstAndPstInvoicePrintsBothTaxes)
{
    GLO.CANADIAN = dict::TaxRegime::ProvincialAndGst;
    putInvoice(61);
    INV.GSTTAXRATE = 0.05;
    INV.GST = 6.5;
    ASSERT_EQ(Access::INVOICE.Update(), dict::Benign);
    GLO.INVOICENO = 61;
    run("PRN:INVOICES");
    ASSERT_EQ(output.dumps.size(), 1u);
    for (const char *text : {"PST: 7.00%", "9.10", "GST: 5.00%", "6.50"})
        EXPECT_TRUE(has(output.dumps[0], text)) << text;
}

TEST_F(InvoiceDocumentsTest, APrinterThatFailsMarksNothing)
{
    struct GonePrinter : KeptOutput {
        std::string print(const rpt::PageQueue &, const std::string &) override { return "the printer is gone"; }
    } gone;
    putInvoice(71);
    GLO.INVOICENO = 71;
    GLO.PRINTPREVIEW = 0;
    auto report = rpt::makeReport("PRN:INVOICES");
    report->Run(&gone);
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_NE(texts()[0].find("the printer is gone"), std::string::npos) << texts()[0];
    EXPECT_EQ(printedMark(71), "");

    // Nothing tagged, with the preview on.
    screen.clear();
    GLO.PRINTPREVIEW = 1;
    EXPECT_EQ(run("PRN:INVOICESTAGGED"), 2);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Nothing to Preview."}));
    EXPECT_EQ(titles(), (std::vector<std::string>{"NOTE..."}));
}

TEST_F(InvoiceDocumentsTest, ReportReadsInItsOwnRecordsAndLeavesTheCallersAlone)
{
    putInvoice(31);
    // A window's invoice being typed, in the buffers of the context that starts the report.
    INV.INVOICENO = 77;
    INV.PONUMBER = "typed, unsaved";
    GLO.INVOICENO = 31;
    run("PRN:INVOICES");
    EXPECT_EQ(INV.INVOICENO, 77);
    EXPECT_EQ(INV.PONUMBER.str(), "typed, unsaved");
    EXPECT_TRUE(has(output.dumps[0], "PO-77"));
}

TEST_F(InvoiceDocumentsTest, CommandLineWritesTheInvoiceAsAPdf)
{
    putInvoice(1042);
    closeFiles();
    const std::string command = std::string(TQ_INVOICE) + " --print PRN:INVOICES --invoice 1042 --pdf inv.pdf 2>err.txt";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0) << testsupport::readText(folder / "err.txt");
    const std::string text = testsupport::pdfText(folder / "inv.pdf");
    for (const char *expected : {"INVOICE", "001042", "Moore Joinery", "Oak shelf", "Expected Delivery Date:",
                                 "Total Due:", "Page 1 of 1"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    openFiles();
    EXPECT_EQ(printedMark(1042), "P");

    // A PDF that cannot be written: the reason, a failed exit, and nothing more marked.
    INV.PRINTED = "";
    ASSERT_EQ(Access::INVOICE.Update(), dict::Benign);
    closeFiles();
    const std::string bad = std::string(TQ_INVOICE) + " --print PRN:INVOICES --invoice 1042 --pdf /nonexistent/i.pdf 2>err.txt";
    const int failed = std::system(bad.c_str());
    EXPECT_NE(WEXITSTATUS(failed), 0);
    EXPECT_NE(testsupport::readText(folder / "err.txt").find("/nonexistent/i.pdf"), std::string::npos);
    openFiles();
    EXPECT_EQ(printedMark(1042), "");
}

TEST(InvoiceDocumentText, CreditTotalsShowTheMemosOwnRatesUnderEveryRegime)
{
    dict::CREDITRecord memo{};
    memo.RETAIL = 200;
    memo.TOTALDISCOUNT = 200;
    memo.TAXRATE = 0.07;
    memo.GSTTAXRATE = 0.05;
    memo.TAX = 14;
    memo.GST = 10;
    memo.TOTALDUE = 214;
    struct Case {
        dict::BYTE regime;
        std::vector<std::string> captions;
    } const cases[] = {
        {1, {"SubTotal:", "PST: 7.00%", "GST: 5.00%", "Credit Total:", "Total Credit:"}},
        {2, {"SubTotal:", "VAT: 7.00%", "Credit Total:", "Total Credit:"}},
        {3, {"SubTotal:", "Tax: 7.00%", "Credit Total:", "Total Credit:"}},
        {4, {"SubTotal:", "GST: 7.00%", "Credit Total:", "Total Credit:"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(captions(PRN::creditTotalsRows(memo, 200, runIn(c.regime))), c.captions) << "regime " << int(c.regime);

    // 10 % off 200.00: a discount of 20.00 and 180.00 after it; labour and shipping when charged.
    memo.CUSTOMERDISCOUNT = 10;
    memo.TOTALDISCOUNT = 180;
    memo.LABOR = 15;
    const auto rows = PRN::creditTotalsRows(memo, 200, runIn(3));
    ASSERT_EQ(captions(rows), (std::vector<std::string>{"SubTotal:", "Disc: 10.00%", "Disc Total:", "Tax: 7.00%", "Labor:",
                                                         "Credit Total:", "Total Credit:"}));
    EXPECT_EQ(rows[1].value, "20.00");
    EXPECT_EQ(rows[2].value, "$180.00");
    EXPECT_TRUE(rows.back().bold);
}

namespace {

// A credit memo of customer C100 with two lines, as the credit memo form stores one.
void putCreditMemo(dict::LONG number)
{
    Access::CREDIT.PrimeRecord();
    CRE.CREDITMEMONO = number;
    CRE.CUSTOMERNO = "C100";
    CRE.DATE = *fw::dayNumber(2026, 12, 3);
    CRE.SALESMAN = "Jo";
    CRE.TAXRATE = 0.07;
    CRE.GSTTAXRATE = 0.05;
    CRE.RETAIL = 90;
    CRE.TOTALDISCOUNT = 90;
    CRE.TAX = 6.3;
    CRE.GST = 4.5;
    CRE.TOTALDUE = 96.3;
    CRE.TAXINFO = "Returned unopened";
    CRE.MEMOS = "Restocked on the day.";
    ASSERT_EQ(Access::CREDIT.Insert(), dict::Benign);
    for (const auto &[item, stock, text, quantity, price] :
         {std::tuple{1, "OAK-1", "Oak shelf, oiled", 1.0, 40.0}, std::tuple{2, "PIN-7", "Pine board", 5.0, 10.0}}) {
        Access::CRSCRIPTION.PrimeRecord();
        CRS.CREDITMEMONO = number;
        CRS.ITEMNO = item;
        CRS.STOCKNO = stock;
        CRS.DESCRIPTION = text;
        CRS.QUANTITY = quantity;
        CRS.PRICE = price;
        CRS.AMOUNT = quantity * price;
        CRS.PACKAGESIZE = "each";
        ASSERT_EQ(Access::CRSCRIPTION.Insert(), dict::Benign);
    }
}

std::string memoMark(dict::LONG number)
{
    CRE.CREDITMEMONO = number;
    EXPECT_EQ(Access::CREDIT.TryFetch(CRE.CreditMemoNo_Key), dict::Benign);
    return CRE.PRINTED.str();
}

} // namespace

TEST_F(InvoiceDocumentsTest, CreditMemoPrintsItsOwnFiguresInEveryRegimeAndIsMarkedOnlyWhenPrinted)
{
    putCreditMemo(7);
    putInvoice(1042); // another document's rates in the buffers must not reach the memo
    INV.TAXRATE = 0.2;
    const char *const taxCaptions[] = {"PST: 7.00%", "VAT: 7.00%", "Tax: 7.00%", "GST: 7.00%"};
    for (const dict::BYTE regime : {dict::TaxRegime::ProvincialAndGst, dict::TaxRegime::Vat, dict::TaxRegime::SalesTax,
                                    dict::TaxRegime::GstOnly}) {
        SCOPED_TRACE(int(regime));
        GLO.CANADIAN = regime;
        GLO.CREDITMEMONO = 7;
        output.printFromPreview = false; // the preview closed without printing
        ASSERT_EQ(run("PRN:CREDITMEMO"), 1);
        EXPECT_EQ(memoMark(7), "");
        output.printFromPreview = true;
        ASSERT_EQ(run("PRN:CREDITMEMO"), 1);
        const std::string &dump = output.dumps.back();
        for (const char *text : {"CREDIT MEMO", "CREDIT TO", "RETURNED FROM", "CreditMemo #:", "000007", "Moore Joinery",
                                 "Oak shelf, oiled", "Returned unopened", "Restocked on the day.", "Total Credit:"})
            EXPECT_TRUE(has(dump, text)) << text;
        EXPECT_TRUE(has(dump, taxCaptions[regime - 1]));
        EXPECT_EQ(has(dump, "GST: 5.00%"), regime == dict::TaxRegime::ProvincialAndGst);
        EXPECT_EQ(memoMark(7), "P");
        CRE.PRINTED.clear();
        ASSERT_EQ(Access::CREDIT.Update(), dict::Benign);
    }

    // A memo not on file says so and prints nothing.
    GLO.CREDITMEMONO = 99;
    const std::size_t runs = output.dumps.size();
    ASSERT_EQ(run("PRN:CREDITMEMO"), 2);
    EXPECT_EQ(output.dumps.size(), runs);
    EXPECT_EQ(texts().back(), "There is no credit memo 000099 on file: nothing was printed.");
}

TEST_F(InvoiceDocumentsTest, CommandLineWritesTheCreditMemoAndItsBlankFormAsPdfs)
{
    putCreditMemo(7);
    closeFiles();
    const std::string command = std::string(TQ_INVOICE) + " --print PRN:CREDITMEMO --credit-memo 7 --pdf cm.pdf 2>err.txt";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0) << testsupport::readText(folder / "err.txt");
    const std::string text = testsupport::pdfText(folder / "cm.pdf");
    for (const char *expected : {"CREDIT MEMO", "000007", "Moore Joinery", "Pine board", "Total Credit:", "96.30"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;

    const std::string blank = std::string(TQ_INVOICE) + " --print PRN:CREDITMEMO --blank --pdf blank.pdf 2>err.txt";
    ASSERT_EQ(WEXITSTATUS(std::system(blank.c_str())), 0) << testsupport::readText(folder / "err.txt");
    const std::string form = testsupport::pdfText(folder / "blank.pdf");
    EXPECT_NE(form.find("RETURNED FROM"), std::string::npos);
    EXPECT_EQ(form.find("Moore Joinery"), std::string::npos) << "a blank form carries no memo";
    openFiles();
    EXPECT_EQ(memoMark(7), "P") << "the memo printed into the PDF";
}

TEST_F(InvoiceDocumentsTest, PurchaseOrderPrintsItsVendorLinesAndWhatIsOwedAndIsMarkedOnlyWhenPrinted)
{
    for (dict::FileManager *file : {&Access::PURORDER, &Access::PURDESCRIPTION, &Access::VENDOR})
        ASSERT_EQ(file->Open(), dict::Benign);
    Access::VENDOR.PrimeRecord();
    VEN.ACCOUNTNO = "ACC-1";
    VEN.VENDOR = "Birch Mill";
    VEN.FNAME = "Sam";
    VEN.LNAME = "Birch";
    VEN.CITY = "Dover";
    ASSERT_EQ(Access::VENDOR.Insert(), dict::Benign);
    Access::PURORDER.PrimeRecord();
    PUR.PORDERNO = 12;
    PUR.ACCOUNTNO = "ACC-1";
    PUR.DATE = *fw::dayNumber(2026, 12, 4);
    PUR.COST = PUR.TOTALDUE = 17.5;
    PUR.AMOUNTPAID = 5;
    PUR.AMOUNTOWED = 12.5;
    ASSERT_EQ(Access::PURORDER.Insert(), dict::Benign);
    for (const auto &[item, part, quantity, cost] : {std::tuple{1, "P-25", 3.0, 2.5}, std::tuple{2, "P-10", 1.0, 10.0}}) {
        Access::PURDESCRIPTION.PrimeRecord();
        PUD.PURORDERNO = 12;
        PUD.ITEMNO = item;
        PUD.PARTNO = part;
        PUD.DESCRIPTION = "Board";
        PUD.QUANTITY = quantity;
        PUD.COST = cost;
        PUD.AMOUNTCOST = quantity * cost;
        ASSERT_EQ(Access::PURDESCRIPTION.Insert(), dict::Benign);
    }
    GLO.PURCHASEORDERNO = 12;
    output.printFromPreview = false;
    ASSERT_EQ(run("PRN:PURCHASEORDERS"), 1);
    PUR.PORDERNO = 12;
    ASSERT_EQ(Access::PURORDER.TryFetch(PUR.POrderNo_Key), dict::Benign);
    EXPECT_EQ(PUR.PRINTED.str(), "") << "the preview closed without printing";
    output.printFromPreview = true;
    ASSERT_EQ(run("PRN:PURCHASEORDERS"), 1);
    const std::string &dump = output.dumps.back();
    for (const char *text : {"PURCHASE ORDER", "VENDOR", "Birch Mill", "ATTN: Sam Birch", "000012", "ACC-1", "P-25",
                             "Total Due:", "$17.50", "5.00", "$12.50"})
        EXPECT_TRUE(has(dump, text)) << text;
    ASSERT_EQ(Access::PURORDER.TryFetch(PUR.POrderNo_Key), dict::Benign);
    EXPECT_EQ(PUR.PRINTED.str(), "P");

    closeFiles();
    for (dict::FileManager *file : {&Access::PURORDER, &Access::PURDESCRIPTION, &Access::VENDOR})
        file->Close();
    const std::string command = std::string(TQ_INVOICE) + " --print PRN:PURCHASEORDERS --purchase-order 12 --pdf po.pdf 2>err.txt";
    ASSERT_EQ(WEXITSTATUS(std::system(command.c_str())), 0) << testsupport::readText(folder / "err.txt");
    const std::string text = testsupport::pdfText(folder / "po.pdf");
    for (const char *expected : {"PURCHASE ORDER", "Birch Mill", "P-10", "Total Due:"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}
