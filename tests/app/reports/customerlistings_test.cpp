// The customer listings of one block per customer, from a data folder: the name listing's page
// against its expected dump, and each listing in the order of its key with its own caption.
#include "app/reports/reportprocedures.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/reportslib.h"
#include "reports/reportcatalogue.h"
#include "tests/support/datafolder.h"
#include "tests/support/keptoutput.h"
#include "tests/support/pagecheck.h"

#include <gtest/gtest.h>

namespace {

class CustomerListingsTest : public testsupport::DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        REPORTS::INIT(&errors, nullptr);
        app::registerReportProcedures();
        GLO.PRINTPREVIEW = 1;
        GLO.PAPERSIZE = "PAPER:LETTER";
        GLO.DATENAME = "@d10";
        ASSERT_EQ(Access::CUSTOMER.Open(), dict::Benign);
        const char *rows[][9] = {
            // number, last, first, company, address, city, state, zip, phone
            {"C002", "Moore", "Ann", "", "12 Mill Lane", "Dover", "DE", "19901", "555-0300"},
            {"C001", "Baker", "Tom", "Baker Trading Ltd", "4 Quay", "Albany", "NY", "12207", "555-0200"},
            {"C003", "Young", "", "", "9 Elm", "Camden", "AR", "71701", "555-0100"},
        };
        for (const auto &r : rows) {
            Access::CUSTOMER.PrimeRecord();
            CUS.CUSTOMERNO = r[0];
            CUS.LNAME = r[1];
            CUS.FNAME = r[2];
            CUS.COMPANY = r[3];
            CUS.ADDRESS = r[4];
            CUS.CITY = r[5];
            CUS.STATE = r[6];
            CUS.ZIPCODE = r[7];
            CUS.PHONENO = r[8];
            CUS.EMAILADDRESS = std::string(r[1]) + "@example.com";
            CUS.COMMENTS = std::string("Pays on the first; ring twice, ") + r[0];
            if (std::string(r[0]) == "C001") {
                CUS.SADDRESS = "Dock 3";
                CUS.SCITY = "Troy";
                CUS.SSTATE = "NY";
                CUS.SZIPCODE = "12180";
            }
            ASSERT_EQ(Access::CUSTOMER.Insert(), dict::Benign);
        }
        Access::CUSTOMER.Close();
    }

    std::string run(const char *name)
    {
        auto report = rpt::makeReport(name);
        EXPECT_TRUE(report) << name;
        if (!report || report->Run(&output) != 1)
            return {};
        std::string dump = output.dumps.back();
        const std::size_t date = dump.find("Run Date: ");
        if (date != std::string::npos)
            dump.replace(date + 10, 10, "yyyy/mm/dd");
        return dump;
    }

    testsupport::KeptOutput output;
};

// Where each customer's number stands in the dump, to read the order.
bool inOrder(const std::string &dump, std::initializer_list<const char *> numbers)
{
    std::size_t last = 0;
    for (const char *number : numbers) {
        const std::size_t at = dump.find(std::string("\"") + number + "\"");
        if (at == std::string::npos || at < last)
            return false;
        last = at;
    }
    return true;
}

} // namespace

TEST_F(CustomerListingsTest, NameListingPrintsABlockPerCustomer)
{
    const std::string dump = run("PRN:CUSTOMERNAMELISTING");
    EXPECT_TRUE(testsupport::matchesExpectedDump(dump, std::filesystem::path(TQ_TEST_DATA) / "listings" / "byname.txt"));
    EXPECT_TRUE(inOrder(dump, {"C001", "C002", "C003"})) << "Baker, Moore, Young";
}

TEST_F(CustomerListingsTest, EachListingKeepsToItsKeyAndCaption)
{
    const std::string byPhone = run("PRN:CUSTOMERTELEPHONELISTING");
    EXPECT_TRUE(inOrder(byPhone, {"C003", "C001", "C002"}));
    EXPECT_NE(byPhone.find("\"Customer Listing - Telephone #\""), std::string::npos);

    const std::string byZip = run("PRN:CUSTOMERZIPCODELISTING");
    EXPECT_TRUE(inOrder(byZip, {"C001", "C002", "C003"})) << "12207, 19901, 71701";
    EXPECT_NE(byZip.find("\"Postal Code:\""), std::string::npos);
    EXPECT_NE(byZip.find("\"19901\""), std::string::npos);

    const std::string byState = run("PRN:CUSTOMERSTATE");
    EXPECT_TRUE(inOrder(byState, {"C001", "C003", "C002"})) << "by city: Albany, Camden, Dover";
    EXPECT_NE(byState.find("\"State:\""), std::string::npos);
    EXPECT_NE(byState.find("\"Dock 3\""), std::string::npos) << "the ship-to block";
}

TEST_F(CustomerListingsTest, VendorListingPrintsABlockPerVendor)
{
    ASSERT_EQ(Access::VENDOR.Open(), dict::Benign);
    for (const auto &[name, first] : {std::pair{"Zenith Supply", "Bo"}, std::pair{"Acme Parts", ""}}) {
        Access::VENDOR.PrimeRecord();
        VEN.VENDOR = name;
        VEN.FNAME = first;
        VEN.LNAME = "Ek";
        VEN.ADDRESS = "2 Mill Ln";
        VEN.CITY = "Leeds";
        VEN.PHONENO = "555-0400";
        VEN.FAXNO = "555-0401";
        ASSERT_EQ(Access::VENDOR.Insert(), dict::Benign);
    }
    Access::VENDOR.Close();
    const std::string dump = run("PRN:VENDORNAME");
    EXPECT_LT(dump.find("\"Acme Parts\""), dump.find("\"Zenith Supply\"")) << "by name";
    EXPECT_NE(dump.find("\"Bo Ek\""), std::string::npos);
    EXPECT_NE(dump.find("\"555-0400 / 555-0401\""), std::string::npos);
    EXPECT_NE(dump.find("\"2 Mill Ln\""), std::string::npos);
}
