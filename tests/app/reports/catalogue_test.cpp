// Every report of the catalogue printed from one awkward shop: names and addresses as long as
// their fields, descriptions that wrap, large figures, a labour line, payments, a credit memo, a
// receipt, tagged customers and invoices. On Letter and on A4 (each report upright, or turned if
// it turns), nothing may land outside the printable area, no text may run past its box, and no
// figure may be cut.
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

// Keeps the pages of a run, and says which edge a printer cannot print on.
struct KeptPages : rpt::ReportOutput {
    bool preview(const rpt::PageQueue &queue, const std::string &title) override { return print(queue, title).empty(); }
    std::string print(const rpt::PageQueue &queue, const std::string &) override
    {
        pages = queue;
        return {};
    }
    bool printed() const override { return true; }
    std::optional<rpt::PageQueue> pages;
};

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
        addStock("KIT", 5, 99999.99, 0, "S");
        addComponent("KIT", "ITEM", 2);
        const dict::LONG first = bookInvoice("C1", 987654.32);
        ASSERT_EQ(pay("C1", first, 123456.78, fw::today()), dict::Benign);
        bookInvoice("C2", 45678.90);
        bookInvoice("C2", 12.34, true);
        addCustomer("GONE"); // deleted, its invoice kept
        bookInvoice("GONE", 10);
        testsupport::sqlOn(dict::DatabasePath, "DELETE FROM CUSTOMER WHERE CUSTOMERNO = 'GONE'");
        testsupport::sqlOn(dict::DatabasePath, ("UPDATE DESCRIPTION SET DATE = " + std::to_string(fw::today()) +
                                      ", DESCRIPTION = '" + wide("Description") + wide(" of the line") + "'").c_str());
        fillStock();
        addReceiptAndVendor();
        testsupport::sqlOn(dict::DatabasePath, "UPDATE INVOICE SET TAX = 79012.35, GST = 69135.80 WHERE INVOICENO = 1");
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
        GLO.CUSTOMERNO = "C1";
    }

    // Every stock item as wide as it gets, below its minimum and back-ordered.
    static void fillStock()
    {
        const std::string sql = "UPDATE STOCK SET DESCRIPTION = '" + wide("Description") + "', PARTNO = '" +
                                wide("Part").substr(0, 20) + "', MANUFACTUR = '" + wide("Maker").substr(0, 20) +
                                "', VENDOR = '" + wide("Vendor").substr(0, 20) + "', CATAGORY = '" +
                                wide("Category").substr(0, 10) + "', LOCATION = '" + wide("Shelf").substr(0, 10) +
                                "', MINAMOUNT = 99999, MAXAMOUNT = 999999, AMOUNTBACKORDERED = 9999";
        testsupport::sqlOn(dict::DatabasePath, sql.c_str());
    }

    static void addReceiptAndVendor()
    {
        ASSERT_EQ(Access::STSTREND.Open(), dict::Benign);
        Access::STSTREND.PrimeRecord();
        STS.STOCKNO = "ITEM";
        STS.PARTNO = wide("Part");
        STS.DATERECEIVED = fw::today();
        STS.AMOUNTRECEIVED = 99999;
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
        VEN.BALANCE = 9999999.99;
        ASSERT_EQ(Access::VENDOR.Insert(), dict::Benign);
        Access::VENDOR.Close();
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
            if (!pages)
                continue;
            if (dumps)
                std::ofstream(std::filesystem::path(dumps) / (std::string(entry.name.substr(4)) + "-" + (paper + 6) + ".txt"))
                    << rpt::dumpPages(*pages);
        }
    }
}

} // namespace
