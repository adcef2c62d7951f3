// Every report of the catalogue printed from one awkward shop: names and addresses as long as
// their fields, descriptions that wrap, large figures, a labour line, payments, a credit memo, a
// receipt, tagged customers and invoices. On Letter and on A4 (each report upright, or turned if
// it turns), nothing may land outside the printable area, no text may run past its box, and no
// figure may be cut.
#include "app/creditmemos/creditbook.h"
#include "app/purchasing/purchasebook.h"
#include "app/reports/reportprocedures.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/picture.h"
#include "reports/pageoutput.h"
#include "reports/pagepainter.h"
#include "reports/reportcatalogue.h"
#include "reports/reportoutput.h"
#include "tagging/tags.h"
#include "tests/support/paymentfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

// Text as wide as a shop's data gets: capitals and wide letters, cut to the field.
std::string wide(const char *start)
{
    std::string text = start;
    while (text.size() < 200)
        text += " WMQ Mwm Wide";
    return text;
}

// A laser printer's unprintable edge, 4.2 mm, in report units.
constexpr int PrinterEdge = 166;

// Keeps the pages of a run, on a printer that cannot print the paper's outer edge.
struct KeptPages : rpt::ReportOutput {
    bool preview(const rpt::PageQueue &queue, const std::string &title) override { return print(queue, title).empty(); }
    std::string print(const rpt::PageQueue &queue, const std::string &) override
    {
        pages = queue;
        return {};
    }
    bool printed() const override { return true; }
    rpt::Margins unprintable(const QPageSize &, bool) const override { return rpt::Margins::all(PrinterEdge); }
    std::optional<rpt::PageQueue> pages;
};

// What is wrong with the pages, one line per fault: an item off the printable area, a text
// wider than its box as drawn, a figure cut.
std::vector<std::string> faultsOf(const rpt::PageQueue &pages)
{
    std::vector<std::string> faults;
    rpt::TextMeasure measure;
    const int right = pages.pageWidth() - PrinterEdge, bottom = pages.pageHeight() - PrinterEdge;
    for (int n = 0; n < pages.count(); ++n) {
        const rpt::Page &page = pages.page(n);
        for (const rpt::PageOp &op : page.ops) {
            const rpt::Box &a = op.at;
            const std::string text = op.kind == rpt::PageOp::Text ? std::string(rpt::PageQueue::text(page, op)) : "a drawing";
            if (a.x < PrinterEdge || a.y < PrinterEdge || a.x + a.width > right || a.y + a.height > bottom)
                faults.push_back("off the printable area: " + text);
            if (op.kind != rpt::PageOp::Text)
                continue;
            if (const double width = measure.width(pages.fonts()[op.font], text); width > a.width + 2)
                faults.push_back("wider than its box (" + std::to_string(int(width)) + " in " + std::to_string(a.width) +
                                 "): " + text);
            if (op.fit == rpt::PageOp::Cut && op.align == rpt::Align::Right)
                faults.push_back("a figure cut: " + text);
        }
    }
    return faults;
}

class ReportCatalogueTest : public paymenttest::PaymentFolderTest
{
protected:
    void SetUp() override
    {
        PaymentFolderTest::SetUp();
        app::registerReportProcedures();
        GLO.CANADIAN = dict::TaxRegime::ProvincialAndGst;
        fillShop();
    }

    void fillShop()
    {
        ASSERT_EQ(Access::SETUP.Open(), dict::Benign);
        SET.RECORDNO = 1;
        ASSERT_EQ(Access::SETUP.TryFetch(SET.RecordNo_Key), dict::Benign);
        SET.COMPANYNAME = wide("Company");
        for (auto *line : {&SET.ADDRESS, &SET.ADDRESS2, &SET.ADDRESS3})
            *line = wide("Address");
        SET.CITY = wide("City");
        SET.COUNTRY = wide("Country");
        SET.TAXNUMBER = SET.GSTNUMBER = "WMQ-999-999-999-99";
        ASSERT_EQ(Access::SETUP.Update(), dict::Benign);
        Access::SETUP.Close();
        for (const char *number : {"C1", "C2"}) {
            addCustomer(number, number[1] == '1' ? "" : "TX-99");
            ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), dict::Benign);
            CUS.LNAME = wide("Last");
            CUS.FNAME = wide("First");
            CUS.COMPANY = wide("Company");
            for (auto *line : {&CUS.ADDRESS, &CUS.ADDRESS2, &CUS.ADDRESS3, &CUS.SADDRESS, &CUS.SADDRESS2, &CUS.SADDRESS3})
                *line = wide("Address");
            CUS.CITY = CUS.SCITY = wide("City");
            CUS.STATE = number[1] == '1' ? "NY" : "ON";
            CUS.COUNTRY = wide("Country");
            CUS.ZIPCODE = "WMQ-99999";
            CUS.PHONENO = CUS.FAXNO = "(999) 999-9999";
            CUS.EMAILADDRESS = wide("someone.with.a.long.address@");
            CUS.COMMENTS = wide("Comment");
            ASSERT_EQ(Access::CUSTOMER.Update(), dict::Benign);
        }
        addStock("KIT", 5, 9999.99, 0, "S");
        addComponent("KIT", "ITEM", 2);
        const dict::LONG first = bookInvoice("C1", 98765.43);
        ASSERT_EQ(pay("C1", first, 12345.67, fw::today()), dict::Benign);
        ASSERT_EQ(Access::CREDIT.PrimeRecord(), dict::Benign); // the whole first invoice credited
        CRE.CUSTOMERNO = "C1";
        CRE.DATE = fw::today();
        CRE.SALESMAN = wide("Salesman").substr(0, 15);
        ASSERT_EQ(app::creditmemos::copyInvoiceLines(CRE.CREDITMEMONO, first), dict::Benign);
        ASSERT_EQ(app::creditmemos::saveCreditMemo(true), dict::Benign);
        bookInvoice("C2", 45678.90);
        bookInvoice("C2", 12.34, true);
        addCustomer("GONE"); // deleted, its invoice kept
        bookInvoice("GONE", 10);
        testsupport::sqlOn(dict::DatabasePath, "DELETE FROM CUSTOMER WHERE CUSTOMERNO = 'GONE'");
        testsupport::sqlOn(dict::DatabasePath, ("UPDATE DESCRIPTION SET DATE = " + std::to_string(fw::today()) +
                                      ", DESCRIPTION = '" + wide("Description") + wide(" of the line") + "'").c_str());
        fillStock();
        addReceiptAndVendor();
        testsupport::sqlOn(dict::DatabasePath, "UPDATE INVOICE SET TAX = 7901.23, GST = 4938.27 WHERE INVOICENO = 1");
        testsupport::sqlOn(dict::DatabasePath, "UPDATE STOCK SET MAXAMOUNT = 1 WHERE STOCKNO = 'KIT'");
    }

    // What a run is handed: the tagged customers and invoices, the day, the labels, the invoice.
    static void handOver()
    {
        for (dict::LONG n = 1; n <= 3; ++n)
            ST::SetTag_(ST::InvoiceTable, n);
        ST::SetTagPos_(ST::CustomerTable, "C1");
        ST::SetTagPos_(ST::CustomerTable, "C2");
        GLO.STARTDATE = GLO.ENDDATE = fw::today();
        GLO.STARTUP = dict::StartUp::AddressLabels;
        GLO.LABELTYPE = 8160;
        GLO.LABEL1TYPE = 8163;
        GLO.INVOICENO = 1;
        GLO.CREDITMEMONO = 1;
        GLO.PURCHASEORDERNO = 1;
        GLO.CUSTOMERNO = "C1";
    }

    // Every stock item as wide as it gets, below its minimum and back-ordered.
    static void fillStock()
    {
        const std::string sql = "UPDATE STOCK SET DESCRIPTION = '" + wide("Description") + "', PARTNO = '" +
                                wide("Part").substr(0, 20) + "', MANUFACTUR = '" + wide("Maker").substr(0, 20) +
                                "', VENDOR = '" + wide("Vendor").substr(0, 20) + "', CATAGORY = '" +
                                wide("Category").substr(0, 10) + "', LOCATION = '" + wide("Shelf").substr(0, 10) +
                                "', MINAMOUNT = 9999, MAXAMOUNT = 99999, AMOUNTBACKORDERED = 999";
        testsupport::sqlOn(dict::DatabasePath, sql.c_str());
    }

    static void addReceiptAndVendor()
    {
        ASSERT_EQ(Access::STSTREND.Open(), dict::Benign);
        Access::STSTREND.PrimeRecord();
        STS.STOCKNO = "ITEM";
        STS.PARTNO = wide("Part");
        STS.DATERECEIVED = fw::today();
        STS.AMOUNTRECEIVED = 999;
        ASSERT_EQ(Access::STSTREND.Insert(), dict::Benign);
        Access::STSTREND.Close();
        ASSERT_EQ(Access::VENDOR.Open(), dict::Benign);
        Access::VENDOR.PrimeRecord();
        VEN.VENDOR = wide("Vendor");
        VEN.LNAME = wide("Last");
        VEN.FNAME = wide("First");
        for (auto *line : {&VEN.ADDRESS, &VEN.ADDRESS2, &VEN.ADDRESS3})
            *line = wide("Address");
        VEN.CITY = wide("City");
        VEN.PHONENO = VEN.FAXNO = "(999) 999-9999";
        VEN.EMAILADDRESS = wide("sales@");
        VEN.BALANCE = 99999.99;
        VEN.ACCOUNTNO = wide("Account").substr(0, 20);
        ASSERT_EQ(Access::VENDOR.Insert(), dict::Benign);
        addOrder();
        Access::VENDOR.Close();
    }

    // A purchase order of the vendor in VEN, of one line as wide as it gets.
    static void addOrder()
    {
        for (dict::FileManager *file : {&Access::PURORDER, &Access::PURDESCRIPTION, &Access::VENFIN})
            ASSERT_EQ(file->Open(), dict::Benign);
        ASSERT_EQ(Access::PURORDER.PrimeRecord(), dict::Benign);
        PUR.ACCOUNTNO = VEN.ACCOUNTNO;
        PUR.DATE = fw::today();
        dict::clearRecord(Access::PURDESCRIPTION.Def(), &PUD);
        PUD.PURORDERNO = PUR.PORDERNO;
        ASSERT_EQ(Access::PURDESCRIPTION.PrimeRecord(true), dict::Benign);
        PUD.PARTNO = wide("Part").substr(0, 20);
        PUD.DESCRIPTION = wide("Description") + wide(" of the line");
        PUD.PACKAGESIZE = "each";
        PUD.QUANTITY = 999;
        PUD.COST = 9999.99;
        PUD.AMOUNTCOST = 999 * 9999.99;
        ASSERT_EQ(app::purchasing::bookOrderLine(true, {}), dict::Benign);
        ASSERT_EQ(app::purchasing::saveOrder(true, 12345.67), dict::Benign);
        for (dict::FileManager *file : {&Access::PURORDER, &Access::PURDESCRIPTION, &Access::VENFIN})
            file->Close();
    }

    // Runs the named report with no window and keeps its pages.
    std::optional<rpt::PageQueue> pagesOf(std::string_view name)
    {
        auto report = rpt::makeReport(name);
        if (!report)
            return std::nullopt;
        handOver();
        KeptPages kept;
        report->RunUnattended(kept);
        return kept.pages;
    }
};

TEST_F(ReportCatalogueTest, EveryReportFitsLetterAndA4)
{
    const char *dumps = std::getenv("TQ_DUMP_DIR");
    for (const char *paper : {"PAPER:LETTER", "PAPER:A4"}) {
        GLO.PAPERSIZE = paper;
        for (const rpt::CatalogueEntry &entry : rpt::reportCatalogue()) {
            const auto pages = pagesOf(entry.name);
            if (!rpt::makeReport(entry.name))
                continue; // not built yet
            if (!pages) {
                ADD_FAILURE() << entry.name << " on " << paper << " printed nothing";
                continue;
            }
            if (dumps) { // to look at: TQ_DUMP_DIR=folder
                const auto file = std::filesystem::path(dumps) / (std::string(entry.name.substr(4)) + "-" + (paper + 6));
                std::ofstream(file.string() + ".txt") << rpt::dumpPages(*pages);
                rpt::writePdf(*pages, file.string() + ".pdf", std::string(entry.title));
            }
            for (const std::string &fault : faultsOf(*pages))
                ADD_FAILURE() << entry.name << " on " << paper << ": " << fault;
        }
    }
}

// Label sheets as their makers give them (inches: labels across, pitch, label width and height,
// left edge; every sheet starts half an inch from the top of a letter page).
struct Sheet {
    int stock;
    bool address;
    int across;
    double pitch, width, height, left;
};
constexpr Sheet Sheets[] = {{4144, true, 3, 2.75, 2.5, 1, 0.25},      {8160, true, 3, 2.75, 2.625, 1, 0.1875},
                            {8161, true, 2, 4.1875, 4, 1, 0.15625},   {8163, false, 2, 4.1875, 4, 2, 0.15625},
                            {8164, false, 2, 4.1875, 4, 3.333, 0.15625}};

// The texts that do not lie wholly inside one label of the sheet.
std::vector<std::string> offTheLabels(const rpt::PageQueue &pages, const Sheet &sheet)
{
    std::vector<std::string> off;
    for (int n = 0; n < pages.count(); ++n) {
        const rpt::Page &page = pages.page(n);
        for (const rpt::PageOp &op : page.ops) {
            const rpt::Box &a = op.at;
            const int column = int((a.x - sheet.left * 1000) / (sheet.pitch * 1000));
            const double left = sheet.left * 1000 + column * sheet.pitch * 1000;
            const double top = 500 + int((a.y - 500) / (sheet.height * 1000)) * sheet.height * 1000;
            if (column >= sheet.across || a.x < left || a.x + a.width > left + sheet.width * 1000 || a.y < top ||
                a.y + a.height > top + sheet.height * 1000 + 1)
                off.push_back(std::string(rpt::PageQueue::text(page, op)));
        }
    }
    return off;
}

TEST_F(ReportCatalogueTest, LabelsStayOnTheirLabelsAndEnvelopesOnTheirSize)
{
    for (const char *paper : {"PAPER:LETTER", "PAPER:A4"}) {
        GLO.PAPERSIZE = paper; // label stocks keep their own sheet whatever the paper
        for (const Sheet &sheet : Sheets) {
            for (const char *report : {"PRN:CUSTOMERLABELS", "PRN:USERLABELS"}) {
                if (!sheet.address && std::string_view(report) == "PRN:USERLABELS")
                    continue; // the shop's own labels are address labels
                handOver();
                GLO.STARTUP = sheet.address ? dict::StartUp::AddressLabels : dict::StartUp::ShippingLabels;
                GLO.LABELTYPE = GLO.LABEL1TYPE = sheet.stock;
                KeptPages kept;
                ASSERT_EQ(rpt::makeReport(report)->RunUnattended(kept), 1) << report << " on " << sheet.stock;
                EXPECT_EQ(kept.pages->pageSize().id(), QPageSize::Letter);
                for (const std::string &text : offTheLabels(*kept.pages, sheet))
                    ADD_FAILURE() << report << " on stock " << sheet.stock << ": off its label: " << text;
                for (const std::string &fault : faultsOf(*kept.pages))
                    ADD_FAILURE() << report << " on stock " << sheet.stock << ": " << fault;
            }
        }
    }
    for (const char *envelope : {"PAPER:ENV_10", "PAPER:ENV_DL", "PAPER:ENV_C5", "PAPER:ENV_MONARCH"}) {
        GLO.ENVELOPESIZE = envelope;
        for (const std::string &fault : faultsOf(*pagesOf("PRN:ENVELOPES")))
            ADD_FAILURE() << "envelope " << envelope << ": " << fault;
    }
}

} // namespace
