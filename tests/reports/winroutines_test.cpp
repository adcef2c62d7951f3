#include "reports/winroutines.h"

#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/picture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Line = dict::String<40>;

void run(dict::BYTE routine)
{
    GLO.WINROUTINE = routine;
    WIN::ROUTINES();
}

// A number as the picture shows it, without the padding of its width.
std::string shown(double value, const dict::String<15> &picture)
{
    std::string text = fw::formatValue(value, picture.view());
    return text.erase(0, text.find_first_not_of(' '));
}

// An address block top to bottom, its lines separated by "|".
std::string block(std::initializer_list<const Line *> lines)
{
    std::string text;
    for (const Line *line : lines)
        text += (line == *lines.begin() ? "" : "|") + line->str();
    return text;
}

std::string billTo()
{
    return block({&GLO.CUSTOMERCOMPANY, &GLO.CUSTOMERNAME, &GLO.CUSTOMERADDRESS, &GLO.CUSTOMERADDRESS2,
                  &GLO.CUSTOMERADDRESS3, &GLO.CUSTOMERCITYSTATEANDZIP});
}

std::string shipTo()
{
    return block({&GLO.CUSTOMERCOMPANY_2, &GLO.CUSTOMERNAME_2, &GLO.SHIPPINGADDRESS, &GLO.SHIPPINGADDRESS2,
                  &GLO.SHIPPINGADDRESS3, &GLO.SHIPPINGCITYSTATEANDZIP});
}

class WinRoutines : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dict::resetGlobals();
        CUS = {};
        VEN = {};
        SET = {};
        INV = {};
    }
    void TearDown() override { dict::resetGlobals(); }

    static void customer(std::string_view company, std::string_view first, std::string_view last,
                         std::string_view address, std::string_view address2 = "")
    {
        CUS.COMPANY = company; CUS.FNAME = first; CUS.LNAME = last;
        CUS.ADDRESS = address; CUS.ADDRESS2 = address2;
        CUS.CITY = "Albany"; CUS.STATE = "NY"; CUS.ZIPCODE = "12207"; CUS.COUNTRY = "USA";
    }
};

TEST_F(WinRoutines, SettingsCopyEachSetupFieldIntoItsOwnGlobal)
{
    // Distinct values, so that two settings swapped or one left out shows.
    SET.LABORRATE = 45.5; SET.GST = 0.07; SET.INVENTORYMARKUP = 30; SET.CUSTOMERTAXRATE = 0.0825;
    SET.PRINTPREVIEW = 1; SET.PRINTINVOICE = 2; SET.PRINTCHOICE = 3; SET.PRINTSHIPPING = 4; SET.PICKLIST = 5;
    SET.AUTOTAXITEM = 6; SET.TAXABLE = 7; SET.PROHIBITESELLING = 8; SET.TAXSHIPPING = 9; SET.CANADIAN = 2;
    SET.REDLINEINVOICE = 11; SET.REDLINECUSTOMER = 12; SET.REDLINEINVENTORY = 13; SET.REDLINEPURCHASEORDER = 14;
    SET.PASSWORDCHANGE = 15; SET.PASSWORDDELETE = 16; SET.CURRENCYTYPE = 12; SET.LABELTYPE = 8160;
    SET.LABEL1TYPE = 8164; SET.DATENAME = "@d6b"; SET.GSTNUMBER = "R123"; SET.PAPERSIZE = "PAPER:A4";
    SET.ENVELOPESIZE = "PAPER:ENV_DL"; SET.LABELLINE = "Thank you"; SET.PASSWORDHASH = "$argon2id$stand-in";
    SET.PRICE1 = "Retail"; SET.PRICE2 = "Trade"; SET.PRICE3 = "Bulk";
    GLO.STARTUP = 5;
    run(WIN::SetupSettings);

    EXPECT_EQ(GLO.LABORRATE, 45.5); EXPECT_EQ(GLO.GST, 0.07);
    EXPECT_EQ(GLO.INVENTORYMARKUP, 30); EXPECT_EQ(GLO.CUSTOMERTAXRATE, 0.0825);
    EXPECT_EQ(std::vector<int>({GLO.PRINTPREVIEW, GLO.PRINTINVOICE, GLO.PRINTCHOICE, GLO.PRINTSHIPPING,
                                GLO.PICKLIST, GLO.AUTOTAXITEM, GLO.TAXABLE, GLO.PROHIBITSELLING, GLO.TAXSHIPPING,
                                GLO.CANADIAN, GLO.REDLINEINVOICE, GLO.REDLINECUSTOMER, GLO.REDLINEINVENTORY,
                                GLO.REDLINEPURCHASEORDER, GLO.PASSWORDCHANGE, GLO.PASSWORDDELETE,
                                GLO.CURRENCYTYPE, GLO.LABELTYPE, GLO.LABEL1TYPE}),
              std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 2, 11, 12, 13, 14, 15, 16, 12, 8160, 8164}));
    EXPECT_EQ(GLO.DATENAME.view(), "@d6b"); EXPECT_EQ(GLO.GSTNUMBER.view(), "R123");
    EXPECT_EQ(GLO.PAPERSIZE.view(), "PAPER:A4"); EXPECT_EQ(GLO.ENVELOPESIZE.view(), "PAPER:ENV_DL");
    EXPECT_EQ(GLO.LABELLINE.view(), "Thank you"); EXPECT_EQ(GLO.PASSWORDHASH.view(), "$argon2id$stand-in");
    EXPECT_EQ(GLO.PRICE1.view(), "Retail"); EXPECT_EQ(GLO.PRICE2.view(), "Trade"); EXPECT_EQ(GLO.PRICE3.view(), "Bulk");
    EXPECT_EQ(GLO.STARTUP, 5) << "hand-over globals are not settings";
    EXPECT_TRUE(GLO.CURRENCYNAME.blank()) << "pictures wait for their own routine";
}

TEST_F(WinRoutines, EveryCallClearsTheRoutineAndUnknownNumbersBuildTheCustomerBlock)
{
    for (dict::BYTE routine : {0, 1, 3, 4, 5, 2, 255}) {
        run(routine);
        EXPECT_EQ(GLO.WINROUTINE, 0) << int(routine);
    }
    CUS.COMPANY = "Acme";
    run(7);
    EXPECT_EQ(GLO.CUSTOMERCOMPANY.view(), "Acme");
}

// ---- Money pictures ----

TEST_F(WinRoutines, EveryCurrencyTypeShowsItsMoneyAndClearsTheSpare)
{
    const char *const totals[] = {"$1,234.50",  "£1,234.50", "DM1.234,50", "1 234,50F", "FL1.234,50", "RM1,234.50",
                                  "P1,234.50",  "S$1,234.50", "1,234.50",  "¥1,235",    "C1,234.50",  "€1.234,50"};
    for (int type = 1; type <= 12; ++type) {
        SCOPED_TRACE(type);
        SET.CURRENCYTYPE = dict::BYTE(type);
        GLO.CURRENCYNAME8 = "@n9";
        run(WIN::MoneyPictures);
        EXPECT_EQ(shown(1234.5, GLO.CURRENCYNAME1), totals[type - 1]);
        EXPECT_EQ(GLO.CURRENCYNAME2.view(), "@s12");
        EXPECT_TRUE(GLO.CURRENCYNAME8.blank());
        for (const auto *picture : {&GLO.CURRENCYNAME, &GLO.CURRENCYNAME3, &GLO.CURRENCYNAME4,
                                    &GLO.CURRENCYNAME5, &GLO.CURRENCYNAME6, &GLO.CURRENCYNAME7}) {
            const auto parsed = fw::Picture::parse(picture->view());
            EXPECT_TRUE(parsed && parsed->kind() == fw::Picture::Kind::Number) << picture->view();
        }
    }
}

TEST_F(WinRoutines, DecimalStyleOfTheTypeReachesEveryPictureAndUnknownTypesGetTheDefaults)
{
    SET.CURRENCYTYPE = 10;
    run(WIN::MoneyPictures);
    EXPECT_EQ(shown(1234.56, GLO.CURRENCYNAME), "1,235") << "no decimals";
    EXPECT_EQ(shown(7.4, GLO.CURRENCYNAME6), "7");
    SET.CURRENCYTYPE = 4;
    run(WIN::MoneyPictures);
    EXPECT_EQ(shown(1234567.5, GLO.CURRENCYNAME), "1 234 567,50");
    EXPECT_EQ(shown(0.0825, GLO.CURRENCYNAME7), ",08250") << "tax rates are fractions";
    SET.CURRENCYTYPE = 13;
    run(WIN::MoneyPictures);
    EXPECT_EQ(shown(0.07, GLO.CURRENCYNAME6), "0.07");
    EXPECT_EQ(shown(0.0825, GLO.CURRENCYNAME7), ".08250");
    EXPECT_EQ(GLO.CURRENCYNAME1.view(), "@n-15_`2~F~") << "the totals picture has no default";
}

// ---- Month names ----

TEST_F(WinRoutines, MonthNamesAndOutOfRangeMonthsKeepTheLastName)
{
    std::string names;
    for (dict::SHORT month : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 13, -1}) {
        INV.MONTH = month;
        run(WIN::MonthName);
        names += GLO.MONTHNAME.str() + ' ';
    }
    EXPECT_EQ(names, "January February March April May June July August September October November "
                     "December December December December ");
}

// ---- Address blocks ----

TEST_F(WinRoutines, BillToBlockPrintsWithoutGapsWhereLinesAreMissing)
{
    customer("Acme Ltd", "", "", "1 Main St");
    run(WIN::CustomerAddress);
    EXPECT_EQ(billTo(), "Acme Ltd||1 Main St|Albany NY  12207 USA||") << "the state keeps its width";
    customer("Acme Ltd", "Ann", "Lee", "1 Main St", "Suite 4");
    run(WIN::CustomerAddress);
    EXPECT_EQ(billTo(), "Acme Ltd|ATTN: Ann Lee|1 Main St|Suite 4|Albany NY  12207 USA|");
    customer("", "Ann", "Lee", "1 Main St");
    run(WIN::CustomerAddress);
    EXPECT_EQ(billTo(), "Ann Lee||1 Main St|Albany NY  12207 USA||") << "the contact takes the company's place";
    customer("", "Ann", "", "1 Main St", "Suite 4");
    run(WIN::CustomerAddress);
    EXPECT_EQ(billTo(), "Ann||1 Main St|Suite 4||Albany NY  12207 USA") << "one name is still the contact";
    customer("Acme Ltd", "", "Lee", "1 Main St");
    run(WIN::CustomerAddress);
    EXPECT_EQ(billTo(), "Acme Ltd|ATTN: Lee|1 Main St|Albany NY  12207 USA||");
    customer("", "", "", "1 Main St");
    run(WIN::CustomerAddress);
    EXPECT_EQ(billTo(), "1 Main St||Albany NY  12207 USA|||");
}

TEST_F(WinRoutines, ShipToBlockHasTheHeadingOnlyWithAnAddressAndItsCityLineByRegime)
{
    customer("Acme Ltd", "Ann", "Lee", "1 Main St");
    run(WIN::CustomerAddress);
    EXPECT_EQ(shipTo(), "|||||");

    CUS.SADDRESS = "Dok 3"; CUS.SADDRESS2 = "Hal B";
    CUS.SCITY = "Delft"; CUS.SSTATE = "ZH"; CUS.SZIPCODE = "2611 AB"; CUS.SCOUNTRY = "NL";
    run(WIN::CustomerAddress);
    EXPECT_EQ(shipTo(), "Acme Ltd|ATTN: Ann Lee|Dok 3|Hal B||Delft ZH  2611 AB NL");
    GLO.CANADIAN = 2;
    run(WIN::CustomerAddress);
    EXPECT_EQ(shipTo(), "Acme Ltd|ATTN: Ann Lee|Dok 3|Hal B||2611 AB Delft ZH  NL");
    EXPECT_EQ(GLO.CUSTOMERADDRESS2.view(), "Albany NY  12207 USA") << "bill-to keeps city first";
    CUS.SADDRESS2 = "";
    run(WIN::CustomerAddress);
    EXPECT_EQ(shipTo(), "Acme Ltd|ATTN: Ann Lee|Dok 3|Delft ZH  2611 AB NL||") << "moved up, city first";

    // Without a company or a name the billing street moves up in the bill-to block; it never
    // heads the ship-to block. Without a company the contact heads it.
    GLO.CANADIAN = 3;
    CUS.COMPANY = "";
    CUS.FNAME = "";
    CUS.LNAME = "";
    run(WIN::CustomerAddress);
    EXPECT_EQ(GLO.CUSTOMERCOMPANY.view(), "1 Main St");
    EXPECT_EQ(shipTo(), "||Dok 3|Delft ZH  2611 AB NL||");
    CUS.LNAME = "Lee";
    run(WIN::CustomerAddress);
    EXPECT_EQ(shipTo(), "Lee||Dok 3|Delft ZH  2611 AB NL||");
}

TEST_F(WinRoutines, VendorBlockIsCompactedTheSameWay)
{
    VEN.FNAME = "Bo"; VEN.LNAME = "Ek"; VEN.ADDRESS = "2 Mill Ln";
    VEN.CITY = "Leeds"; VEN.ZIPCODE = "LS1"; VEN.COUNTRY = "UK";
    const auto vendor = [] {
        return block({&GLO.VENDORNAME, &GLO.VENDORPOCNAME, &GLO.VENDORADDRESS, &GLO.VENDORADDRESS2,
                      &GLO.VENDORADDRESS3, &GLO.VENDORCITYSTATEANDZIP});
    };
    run(WIN::VendorAddress);
    EXPECT_EQ(vendor(), "Bo Ek||2 Mill Ln|Leeds     LS1 UK||");
    VEN.VENDOR = "Parts Co";
    run(WIN::VendorAddress);
    EXPECT_EQ(vendor(), "Parts Co|ATTN: Bo Ek|2 Mill Ln|Leeds     LS1 UK||");
    EXPECT_TRUE(GLO.CUSTOMERCOMPANY.blank()) << "the customer block is not touched";
}

} // namespace
