#include "framework/filterexpr.h"

#include "dictionary/records.h"
#include "dictionary/schema.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

using namespace fw;
using dict::FileId;

namespace {

// Day numbers worked out by hand: day 4 is 1 January 1801.
constexpr int Jan1st1970 = 61730;
constexpr int Jan1st2000 = 72687;
constexpr int Mar15th2024 = Jan1st2000 + 8840; // 24 years with 6 leap days, then 31 + 29 + 14

class FilterTest : public ::testing::Test
{
protected:
    FilterTest()
    {
        dict::clearRecord(dict::fileDef(FileId::INVOICE), &inv);
        dict::clearRecord(dict::fileDef(FileId::STOCK), &sto);
        dict::clearRecord(dict::fileDef(FileId::TAGFILE_), &tag);
        bindings.bindRecord("INV", dict::fileDef(FileId::INVOICE), &inv);
        bindings.bindRecord("STO", dict::fileDef(FileId::STOCK), &sto);
        bindings.bindRecord("TF_", dict::fileDef(FileId::TAGFILE_), &tag);
        bindings.bind("Glo:StartDate", [this] { return FilterValue(startDate); });
        bindings.bind("Glo:EndDate", [this] { return FilterValue(endDate); });
        bindings.bind("Glo:InvoiceNo", [this] { return FilterValue(invoiceNo); });
        bindings.bind("Glo:CustomerNo", [this] { return FilterValue(customerNo); });
        bindings.bind("ST::TagUsr", [this] { return FilterValue(tagUser); });
    }

    FilterExpression compile(std::string_view text)
    {
        FilterParseResult r = FilterExpression::parse(text, bindings);
        EXPECT_TRUE(r.ok()) << text << ": " << r.error.message();
        if (!r.ok())
            throw std::runtime_error("parse failed");
        return std::move(*r.expression);
    }
    bool matches(std::string_view text) { return compile(text).evaluate(); }
    FilterValue valueOf(std::string_view text) { return compile(text).value(); }
    FilterError errorOf(std::string_view text)
    {
        FilterParseResult r = FilterExpression::parse(text, bindings);
        EXPECT_FALSE(r.ok()) << text;
        return r.error;
    }

    dict::INVOICERecord inv;
    dict::STOCKRecord sto;
    dict::TAGFILE_Record tag;
    int startDate = 0;
    int endDate = 0;
    int invoiceNo = 0;
    std::string customerNo;
    int tagUser = 0;
    FilterBindings bindings;
};

TEST_F(FilterTest, MonthlySalesFilter_SelectsInvoicesOfTheMonthButNotQuotes)
{
    const FilterExpression monthly = compile(
        "(year(inv:date)=year(glo:startdate) and inv:month=month(Glo:startdate)) and ~Inv:Quotes");
    startDate = Mar15th2024 - 14;
    inv.DATE = Mar15th2024;
    inv.MONTH = 3;
    EXPECT_TRUE(monthly.evaluate());
    inv.QUOTES = 1;
    EXPECT_FALSE(monthly.evaluate());
    inv.QUOTES = 0;
    inv.DATE = Mar15th2024 - 366; // same month a year earlier
    EXPECT_FALSE(monthly.evaluate());
}

TEST_F(FilterTest, RebillFilter_WaitsForTheCycleToPass)
{
    int rebill = 1;
    int tdate = 0;
    bindings.bind("ReBill", [&] { return FilterValue(rebill); });
    bindings.bind("TDate", [&] { return FilterValue(tdate); });
    const FilterExpression due = compile(
        "Inv:ReBill=ReBill and ((Inv:RebillCycle='M' and Tdate>=Inv:Date+30) or (Inv:ReBillCycle='Q' "
        "and TDate>=Inv:Date+90) or (Inv:RebillCycle='S' and TDate>=Inv:Date+180) or "
        "(Inv:ReBillCycle='A' and TDate>=Inv:Date+365))");
    inv.REBILL = 1;
    inv.REBILLCYCLE = "M";
    inv.DATE = Jan1st2000;
    tdate = Jan1st2000 + 29;
    EXPECT_FALSE(due.evaluate());
    tdate = Jan1st2000 + 30;
    EXPECT_TRUE(due.evaluate());
    inv.REBILLCYCLE = "Q";
    EXPECT_FALSE(due.evaluate());
    tdate = Jan1st2000 + 90;
    EXPECT_TRUE(due.evaluate());
    rebill = 0;
    EXPECT_FALSE(due.evaluate());
}

TEST_F(FilterTest, DocumentStockAndTagFilters_ReadTheLiveBuffers)
{
    const FilterExpression tagged = compile("TF_:Tbl=3 AND TF_:Usr=ST::TagUsr");
    tag.TBL = 3;
    tag.USR = 7;
    tagUser = 7;
    EXPECT_TRUE(tagged.evaluate());
    tagUser = 8;
    EXPECT_FALSE(tagged.evaluate());

    const FilterExpression reorder = compile("sto:minamount>=sto:amountinstock");
    sto.MINAMOUNT = 5;
    sto.AMOUNTINSTOCK = 5;
    EXPECT_TRUE(reorder.evaluate());
    sto.AMOUNTINSTOCK = 5.5;
    EXPECT_FALSE(reorder.evaluate());

    inv.INVOICENO = 1042;
    invoiceNo = 1042;
    EXPECT_TRUE(matches("INV:InvoiceNo = Glo:InvoiceNo"));
    sto.SPECIALITEM = "S";
    EXPECT_TRUE(matches("Sto:SpecialItem='S'"));
    EXPECT_FALSE(matches("Sto:SpecialItem='s'"));
}

TEST_F(FilterTest, ReportFilters_AllCompileAgainstTheirFiles)
{
    for (FileId id : {FileId::CUSTOMER, FileId::DESCRIPTION, FileId::CREDIT, FileId::FINANCE,
                      FileId::PURORDER, FileId::STSTREND, FileId::TAGFILEPOS_, FileId::VENDOR}) {
        const dict::FileDef &def = dict::fileDef(id);
        static char buffer[1024];
        bindings.bindRecord(def.prefix, def, buffer);
    }
    for (const char *name : {"Glo:CreditMemoNo", "Glo:PurchaseOrderNo", "Glo:Canadian"})
        bindings.bind(name, [] { return FilterValue(0); });
    for (const char *filter : {
             "INV:Date >= Glo:StartDate AND INV:Date <= Glo:EndDate AND (~Inv:Quotes)",
             "(Inv:Date>=Glo:StartDate and Inv:Date<=glo:EndDate) and ~Inv:Quotes",
             "CRE:CreditMemoNo = Glo:CreditMemoNo",
             "PUR:POrderNo = Glo:PurchaseOrderNo",
             "INV:Date >= Glo:StartDate AND INV:Date <= Glo:EndDate AND (Inv:Tax=0 or (Glo:Canadian=1 and "
             "Inv:GST=0))",
             "UPPER(CUS:CustomerNo) = UPPER(Glo:CustomerNo) AND (Fin:Date>=Glo:StartDate and "
             "Fin:Date<=Glo:EndDate)",
             "TP_:Tbl=1 AND TP_:Usr=ST::TagUsr AND (Des:Date>=glo:StartDate and Des:Date<=glo:EndDate and "
             "~inv:quotes)",
             "(Year(Des:Date)>=Year(Glo:Startdate) and Year(Des:Date)<=Year(Glo:Enddate)) and ~Inv:Quotes",
             "Sts:DateReceived>=glo:startdate and Sts:DateReceived<=glo:enddate",
             "Sto:AmountInStock>Sto:MaxAmount",
             "(Sto:Vendor=Ven:Vendor)",
         }) {
        EXPECT_TRUE(FilterExpression::parse(filter, bindings).ok()) << filter;
    }
}

TEST_F(FilterTest, TwoExpressionsWithoutOperator_AreASyntaxError)
{
    const std::string first =
        "(Month(inv:date)>=month(glo:startdate) and year(inv:date)<=year(glo:enddate)) and ~Inv:Quotes";
    const std::string second =
        "(year(inv:date)>=year(glo:startdate) and year(inv:date)<=year(glo:startdate)) and ~Inv:Quotes";
    const FilterError e = errorOf(first + second);
    EXPECT_EQ(e.message(), "operator expected at position " + std::to_string(first.size() + 1));
    EXPECT_EQ(errorOf(first + " " + second).position, first.size() + 2);
    EXPECT_TRUE(FilterExpression::parse(first + " and " + second, bindings).ok());
}

TEST_F(FilterTest, Precedence_FollowsTheRuntime)
{
    EXPECT_TRUE(matches("1 or 0 and 0"));    // AND before OR
    EXPECT_FALSE(matches("(1 or 0) and 0"));
    EXPECT_FALSE(matches("~0 and 0"));       // NOT before AND
    EXPECT_TRUE(matches("NOT 1 = 2"));       // comparison before NOT
    EXPECT_TRUE(matches("1 xor 0") && !matches("1 xor 1"));
    EXPECT_EQ(valueOf("2+3*4").number(), 14);
    EXPECT_EQ(valueOf("10-4-3").number(), 3);
    EXPECT_EQ(valueOf("-2^2").number(), -4);
    EXPECT_EQ(valueOf("2^3^2").number(), 512);
    EXPECT_EQ(valueOf("17 % 5 * 2").number(), 4);
    EXPECT_EQ(valueOf("'n' & 1+2").text(), "n3"); // + before &
    EXPECT_EQ(valueOf("3 > 2 = 1").number(), 1);
    EXPECT_EQ(valueOf("5 = ~0").number(), 0);
}

TEST_F(FilterTest, Comparison_TextsIgnoreTrailingBlanksNumbersWin)
{
    EXPECT_TRUE(matches("'abc  ' = 'abc'"));
    EXPECT_FALSE(matches("'abc' = 'ABC'"));
    EXPECT_TRUE(matches("'abc' < 'abd' and 'b' > 'abc'"));
    EXPECT_TRUE(matches("' 12 ' = 12"));
    EXPECT_TRUE(matches("'12' = 12.0 and '9' < 10")); // as numbers, where '9' > '10' as texts
    EXPECT_TRUE(matches("'12x' = 0 and '' = 0"));
    EXPECT_TRUE(matches("'a' ~= 'b' and 1 <> 2 and 1 =< 1 and 2 => 1 and 2 ~< 1 and 1 ~> 1"));
    inv.CUSTOMERNO = "C100";
    EXPECT_TRUE(matches("Inv:CustomerNo = 'C100'"));
    EXPECT_TRUE(matches("~Inv:PoNumber and Inv:CustomerNo")); // blank text is false
    EXPECT_TRUE(matches("'0'"));                              // non-blank text is true
}

TEST_F(FilterTest, NamesKeywordsAndFunctions_IgnoreCase)
{
    inv.INVOICENO = 5;
    EXPECT_TRUE(matches("iNv:iNvOiCeNo = 5 AnD inv:INVOICENO = 5 oR Year(0)"));
    EXPECT_TRUE(matches("lEn(CLIP('ab ')) = 2"));
}

TEST_F(FilterTest, Errors_NamePositionAndReason)
{
    FilterError e = errorOf("Inv:Date >= Glo:Startdat");
    EXPECT_EQ(e.reason, "unknown name 'Glo:Startdat'");
    EXPECT_EQ(e.position, 13u);
    EXPECT_EQ(errorOf("Yeer(Inv:Date) = 2000").reason, "unknown function 'Yeer'");
    EXPECT_EQ(errorOf("SUB('abc', 1)").reason, "SUB expects 3 arguments");
    EXPECT_EQ(errorOf("INSTRING('a')").reason, "INSTRING expects 2 to 4 arguments");
    EXPECT_EQ(errorOf("Sto:SpecialItem = 'S").reason, "unterminated text");
    EXPECT_EQ(errorOf("Inv:Date = \"x\"").reason, "unexpected character '\"'");
    EXPECT_EQ(errorOf("(1 = 1").reason, "')' expected");
    EXPECT_EQ(errorOf("1.2.3 = 1").reason, "invalid number");
    e = errorOf("Inv:Date >=");
    EXPECT_EQ(e.reason, "value expected");
    EXPECT_EQ(e.position, 12u);
    EXPECT_EQ(errorOf("").reason, "value expected");
    EXPECT_EQ(errorOf("'é' = x").position, 7u); // characters, not bytes
}

TEST_F(FilterTest, Binding_LaterBindingIsSeenButUnboundNamesFail)
{
    EXPECT_EQ(errorOf("Later = 1").reason, "unknown name 'Later'");

    const FilterExpression tagged = compile("ST::TagUsr = 2");
    tagUser = 2;
    EXPECT_TRUE(tagged.evaluate());
    bindings.bind("st::tagusr", [] { return FilterValue("3"); }); // rebinding, other case and type
    EXPECT_FALSE(tagged.evaluate());

    dict::INVOICERecord other{};
    other.INVOICENO = 9;
    const FilterExpression number = compile("Inv:InvoiceNo = 9");
    EXPECT_FALSE(number.evaluate());
    bindings.bindRecord("Inv:", dict::fileDef(FileId::INVOICE), &other);
    EXPECT_TRUE(number.evaluate());
}

TEST_F(FilterTest, Arithmetic_DivisionByZeroGivesZero)
{
    EXPECT_EQ(valueOf("5/0").number(), 0);
    EXPECT_EQ(valueOf("5%0").number(), 0);
    EXPECT_EQ(valueOf("7/2").number(), 3.5);
    EXPECT_EQ(valueOf("'4' * '2.5'").number(), 10);
    EXPECT_EQ(valueOf("1.5 & 'x' & 30").text(), "1.5x30");
    EXPECT_EQ(valueOf("-0 & ''").text(), "0");
}

TEST_F(FilterTest, Functions_TextAndNumbers)
{
    EXPECT_EQ(valueOf("SUB('Tallyquill', 3, 4)").text(), "llyq");
    EXPECT_EQ(valueOf("SUB('Tallyquill', -3, 5)").text(), "ill");
    EXPECT_EQ(valueOf("SUB('Tallyquill', 0, 2)").text(), "T");
    EXPECT_EQ(valueOf("SUB('éàü', 2, 1)").text(), "à");
    EXPECT_EQ(valueOf("INSTRING('DEF', 'ABCDEFGHIJ')").number(), 4);
    EXPECT_EQ(valueOf("INSTRING('DEF', 'ABCDEFGHIJ', 3, 1)").number(), 2);
    EXPECT_EQ(valueOf("INSTRING('DEF', 'ABCDEFGHIJ', 3, 2)").number(), 0);
    EXPECT_EQ(valueOf("INSTRING('a', 'banana', -1)").number(), 6);
    EXPECT_EQ(valueOf("INSTRING('a', 'banana', 1, 3)").number(), 4);
    EXPECT_EQ(valueOf("INSTRING('x', 'banana')").number(), 0);
    EXPECT_TRUE(matches("INRANGE(5, 1, 5) and ~INRANGE(6, 1, 5) and INRANGE('b', 'a', 'c')"));
    EXPECT_EQ(valueOf("UPPER('abc-é') & LOWER('XY')").text(), "ABC-éxy");
    EXPECT_EQ(valueOf("INT(-2.7) + ABS(-3)").number(), 1);
    EXPECT_EQ(valueOf("ROUND(1.005, .01)").number(), 1.01);
    EXPECT_EQ(valueOf("ROUND(-2.675, .01)").number(), -2.68);
    EXPECT_EQ(valueOf("ROUND(0.3, 0.1)").number(), 0.3);
    EXPECT_EQ(valueOf("ROUND(1.025, .05)").number(), 1.05);
    EXPECT_EQ(valueOf("ROUND(0.36, .05)").number(), 0.35);
    EXPECT_EQ(valueOf("ROUND(1234, 100)").number(), 1200);
}

TEST_F(FilterTest, Dates_DayNumbersToCalendar)
{
    EXPECT_TRUE(matches("YEAR(4) = 1801 and MONTH(4) = 1 and DAY(4) = 1"));
    EXPECT_EQ(Jan1st1970 % 7, 4); // a Thursday
    EXPECT_TRUE(matches("YEAR(61730) = 1970 and MONTH(61730) = 1 and DAY(61730) = 1"));
    EXPECT_TRUE(matches("YEAR(72687+59) = 2000 and MONTH(72687+59) = 2 and DAY(72687+59) = 29"));
    EXPECT_TRUE(matches("MONTH(36222) = 3 and DAY(36222) = 1")); // 1900 had no 29 February
    EXPECT_TRUE(matches("YEAR(2994626) = 9999 and MONTH(2994626) = 12 and DAY(2994626) = 31"));
    EXPECT_TRUE(matches("YEAR(2994627) = 0 and YEAR(3) = 0 and MONTH(0) = 0"));
    inv.DATE = Mar15th2024;
    EXPECT_TRUE(matches("YEAR(Inv:Date) = 2024 and MONTH(Inv:Date) = 3 and DAY(Inv:Date) = 15"));

    using namespace std::chrono;
    const long utcToday = floor<days>(system_clock::now()).time_since_epoch().count() + Jan1st1970;
    EXPECT_LE(std::abs(valueOf("TODAY()").number() - utcToday), 1);
}

TEST_F(FilterTest, Limits_LengthAndNesting)
{
    std::string longest = "INV:InvoiceNo = 1";
    int terms = 1;
    while (longest.size() + 24 <= FilterExpression::MaxLength)
        longest += " OR INV:InvoiceNo = " + std::to_string(1000 + ++terms);
    longest.append(FilterExpression::MaxLength - longest.size(), ' ');
    ASSERT_EQ(longest.size(), FilterExpression::MaxLength);
    inv.INVOICENO = 1000 + terms; // the last alternative
    EXPECT_TRUE(matches(longest));
    inv.INVOICENO = -1;
    EXPECT_FALSE(matches(longest));

    const FilterError tooLong = errorOf(longest + " ");
    EXPECT_EQ(tooLong.position, FilterExpression::MaxLength + 1);
    EXPECT_EQ(tooLong.reason, "expression longer than 5000 characters");

    const int n = FilterExpression::MaxNesting;
    EXPECT_TRUE(matches(std::string(n, '(') + "1" + std::string(n, ')')));
    EXPECT_EQ(errorOf(std::string(n + 1, '(') + "1" + std::string(n + 1, ')')).reason,
              "expression nested too deeply");
    EXPECT_EQ(errorOf(std::string(2000, '-') + "1").reason, "expression nested too deeply");
}

} // namespace
