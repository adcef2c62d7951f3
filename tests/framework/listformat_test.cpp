#include "framework/listformat.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

using namespace fw;

namespace {

// The browses' built-in layouts, character for character.
const std::vector<std::string> BuiltInFormats = {
    // Customers, one per sort tab
    "36L(1)|*~Cust #~C(0)@s10@#1#40L(1)|*~Last Name~C(0)@s15@#6#40L(1)|*~First Name~C(0)@s10@#11#50L(1)|*~Phone #~C(0)@s15@#16#110L(1)|*~Company~C(0)@s35@#21#95L(1)*~Email~C(0)@s35@#26#",
    "40L(1)|*~Last Name~C(0)@s15@#6#40L(1)|*~First Name~C(0)@s10@#11#36L(1)|*~Cust #~C(0)@s10@#1#50L(1)|*~Phone #~C(0)@s15@#16#110L(1)|*~Company~C(0)@s35@#21#95L(1)*~Email~C(0)@s35@#26#",
    "50L(1)|*~Phone #~C(0)@s15@#16#36L(1)|*~Cust #~C(0)@s10@#1#40L(1)|*~Last Name~C(0)@s15@#6#40L(1)|*~First Name~C(0)@s10@#11#110L(1)|*~Company~C(0)@s35@#21#95L(1)*~Email~C(0)@s35@#26#",
    "91L(1)|*~City~C(0)@s25@#31#20C|*~ST~C(0)@s3@#36#40L(1)|*~Last Name~C(0)@s25@#6#40L(1)|*~First Name~C(0)@s20@#11#40L(1)|*~Cust #~C(0)@s10@#1#55L(1)|*~Phone #~C(0)@s15@#16#95L(1)*~Email~C(0)@s35@#26#",
    "110L(1)|*~Company~C(0)@s35@#21#40L(1)|*~Last Name~C(0)@s15@#6#40L(1)|*~First Name~C(0)@s10@#11#36L(1)|*~Cust #~C(0)@s10@#1#50L(1)|*~Phone #~C(0)@s15@#16#95L(1)*~Email~C(0)@s35@#26#",
    "95L(1)|*~Email~C(0)@s35@#26#50L(1)|*~Phone #~C(0)@s15@#16#36L(1)|*~Cust #~C(0)@s10@#1#40L(1)|*~Last Name~C(0)@s15@#6#40L(1)|*~First Name~C(0)@s10@#11#110L(1)*~Company~C(0)@s35@#21#",
    // Inventory
    "8C*|~S~@s1@#1#8C*|~I~@s1@#6#60L(1)*|~Stock #~C(0)@s15@#16#37L(1)*|~Category~C(0)@s10@#11#37L(1)*|~Location~C(0)@s10@#41#177L(1)*|~Description~C(0)@s50@#21#",
    "8C*|~S~@s1@#1#8C*|~I~@s1@#6#80L(1)*|~Part #~C(0)@s20@#36#37L(1)*|~Category~C(0)@s10@#11#37L(1)*|~Location~C(0)@s10@#41#177L(1)*|~Description~C(0)@s50@#21#",
    "8C*|~S~@s1@#1#8C*|~I~@s1@#6#37L(1)*|~Category~C(0)@s10@#11#60L(1)*|~Stock #~C(0)@s15@#16#37L(1)*|~Location~C(0)@s10@#41#177L(1)*|~Description~C(0)@s50@#21#",
    "8C*|~S~@s1@#1#8C*|~I~@s1@#6#65L(1)*|~Manufacturer~C(0)@s20@#26#80L(1)*|~Part #~C(0)@s20@#36#37L(1)*|~Location~C(0)@s10@#41#177L(1)*|~Description~C(0)@s50@#21#",
    "8C*|~S~@s1@#1#8C*|~I~@s1@#6#63L(1)*|~Vendor~C(0)@s20@#31#60L(1)*|~Stock #~C(0)@s15@#16#37L(1)*|~Location~C(0)@s10@#41#177L(1)*|~Description~C(0)@s50@#21#",
    "8C*|~S~@s1@#1#8C*|~I~@s1@#6#230L(1)*|~Description~C(0)@s50@#21#37L(1)*|~Category~C(0)@s10@#11#60L(1)*|~Stock #~C(0)@s15@#16#37L(1)*|~Location~C(0)@s10@#41#",
    // Vendor inventory
    "55L(1)*|~Stock #~C(0)@s15@#6#55L(1)*|~Part #~C(0)@s15@#16#106L(1)*~Description~C(0)@s50@#11#",
    "55L(1)*|~Part #~C(0)@s15@#16#37L(1)*|~Catagory~C(0)@s10@#1#106L(1)*~Description~C(0)@s50@#11#",
    "37L(1)*~Catagory~C(0)@s10@#1#55L(1)*|~Part #~C(0)@s15@#16#106L(1)*~Description~C(0)@s50@#11#",
    "150L(1)*|~Description~C(0)@s50@#11#55L(1)*|~Part #~C(0)@s15@#16#55L(1)*|~Stock #~C(0)@s15@#6#",
    // Vendors
    "81L(1)|~Account #~C(0)@s20@#1#81L(1)|~Vendor~C(0)@s20@#2#55L(1)|~Phone No~C(0)@s15@#5#125L(1)|~Email Address~C(0)@s35@#8#",
    "81L(1)|~Vendor~C(0)@s20@#2#65L(1)|~Last Name~C(0)@s15@#3#52L(1)|~First Name~C(0)@s10@#4#65L(1)|~Phone No~C(0)@s15@#5#95L(1)|~City~C(0)@s25@#6#13C|~ST~@s2@#7#",
    "65L(1)|~Last Name~C(0)@s15@#3#52L(1)|~First Name~C(0)@s10@#4#81L(1)|~Vendor~C(0)@s20@#2#65L(1)|~Phone No~C(0)@s15@#5#95L(1)|~City~C(0)@s25@#6#13C|~ST~@s2@#7#",
    "65L(1)|~Phone No~C(0)@s15@#5#81L(1)|~Vendor~C(0)@s20@#2#81L(1)|~Account #~C(0)@s20@#1#65L(1)|~Last Name~C(0)@s15@#3#52L(1)|~First Name~C(0)@s10@#4#80L(1)|~City~C(0)@s25@#6#13C|~ST~@s2@#7#",
    "81L(1)|~City~C(0)@s25@#6#13C|~ST~@s3@#7#81L(1)|~Vendor~C(0)@s20@#2#55L(1)|~Last Name~C(0)@s15@#3#47L(1)|~First Name~C(0)@s10@#4#125L(1)|~Email Address~C(0)@s35@#8#",
    "155L(1)|~Email Address~C(0)@s35@#8#81L(1)|~Vendor~C(0)@s20@#2#55L(1)|~Last Name~C(0)@s15@#3#47L(1)|~First Name~C(0)@s10@#4#81L(1)|~City~C(0)@s25@#6#13C|~ST~@s3@#7#",
    // Vendor pick list
    "83L(1)|~Vendor~C(0)@s20@#1#55L(1)|~Last Name~C(0)@s15@#2#38L(1)|~First Name~C(0)@s10@#3#83L(1)|~Account #~C(0)@s20@#4#",
    "55L(1)|~Last Name~C(0)@s15@#2#38L(1)|~First Name~C(0)@s10@#3#83L(1)|~Vendor~C(0)@s20@#1#83L(1)|~Account #~C(0)@s20@#4#",
    "83L(1)|~Account #~C(0)@s20@#4#83L(1)|~Vendor~C(0)@s20@#1#55L(1)|~Last Name~C(0)@s15@#2#38L(1)|~First Name~C(0)@s10@#3#",
    // Standard memos
    "35C|~Memo #~@n06@#1#200L(1)~Title~C(0)@s50@#2#",
    "200L(1)|~Title~C(0)@s50@#2#35C~Memo #~@n06@#1#",
    // Import and export field lists
    "42L(1)|M~Import Field~S(75)@s50@40L(1)|M~Picture~S(45)@s30@150L(1)~Value~S(300)@s255@",
    "65L(1)M~Target Field~S(75)@s50@8C~=~@s1@65L(1)~Import Field~S(75)@s50@",
    "200L(1)~All Fields~@s50@",
    "200L(1)~Export Fields~@s50@",
};

// Layouts put together at run time around the date picture D, the money picture C and the
// quantity picture Q.
std::vector<std::string> assembledFormats(const std::string &D, const std::string &C,
                                          const std::string &Q)
{
    return {
        // Customer finance history, by date
        "38R(1)|~Date~C(0)" + D + "@#1#30L(1)|~Inv #~C(0)@n06b@#2#30L(1)|~Credit #~C(0)@n06b@#3#"
            "36L(1)|~Payment~C(0)@s9@#4#39R(1)|~Inv Total~C(0)" + C + "b@#5#39R(1)|~Paid~C(0)" + C +
            "b@#6#39R(1)~Due~C(0)" + C + "@#7#",
        // Special items
        "72L(1)|~Stock #~C(0)@s20@#1#89L(1)|~Description~C(0)@s50@#2#41R(1)|~Amount~C(0)@s12@#3#"
            "40R(1)~Cost~C(0)" + C + "b@#4#",
        // Purchase orders, vendor tab
        "83L(1)|*~Vendor~C(0)@s20@#46#32R(2)|*~PO #~C(0)@n06@#1#44R(1)|*~Date~C(0)" + D + "@#6#"
            "83L(1)|*~Account #~C(0)@s20@#11#43L(1)|*~Terms~C(0)@s10@#16#44R(1)|*~Cost~C(0)" + C +
            "@#26#44R(1)|*~Total~C(0)" + C + "@#31#44R(1)|*~Date Paid~C(0)" + D +
            "@#36#44R(1)*~Date Received~C(0)" + D + "@#41#",
        // Purchase order lines
        "10R(1)|~#~C(0)@n2@#1#63L(1)|~Part #~C(0)@s15@#2#163L(2)|~Description~C(0)@s45@#3#"
            "40R(1)|~Quantity~C(0)" + Q + "@#4#40R(1)|~Cost~C(0)" + C + "b@#5#40R(1)~Total~C(0)" + C +
            "b@#6#",
        // Vendor finance
        "46R(1)|~Date~C(0)" + D + "@#1#31L(1)|~PO #~C(0)@n06b@#2#43L(1)|~Terms~C(0)@s9@#3#"
            "46R(1)|~PO Total~C(0)" + C + "b@#4#46R(1)|~Paid~C(0)" + C + "b@#5#46R(1)~Due~C(0)" + C +
            "@#6#",
    };
}

ListFormat parsed(const std::string &text)
{
    auto format = ListFormat::parse(text);
    EXPECT_TRUE(format) << text;
    return format.value_or(ListFormat{});
}

// The customer layout of the first tab, without its field numbers.
const std::string CustomersUnnumbered =
    "36L(1)|*~Cust #~C(0)@s10@40L(1)|*~Last Name~C(0)@s15@40L(1)|*~First Name~C(0)@s10@"
    "50L(1)|*~Phone #~C(0)@s15@110L(1)|*~Company~C(0)@s35@95L(1)*~Email~C(0)@s35@";

} // namespace

// ---- Round trips ---------------------------------------------------------------------------

TEST(ListFormatRoundTrip, BuiltInLayoutsWriteBackUnchanged)
{
    for (const std::string &text : BuiltInFormats) {
        SCOPED_TRACE(text);
        EXPECT_EQ(parsed(text).toString(), text);
    }
}

TEST(ListFormatRoundTrip, AssembledLayoutsWithEveryDisplayPicture)
{
    // Money pictures may hold tildes and underscores, which must stay inside the picture.
    for (const char *date : {"@d2b", "@d6b", "@d10b"})
        for (const char *money : {"@n-13.2", "@n-13`2", "@n-13_`2", "@n~£~-15.2"})
            for (const std::string &text : assembledFormats(date, money, "@s12")) {
                SCOPED_TRACE(text);
                ListFormat format = parsed(text);
                EXPECT_EQ(format.toString(), text);
                for (const ListColumn &column : format.columns()) {
                    if (column.header == "Date") {
                        EXPECT_EQ(column.picture, date);
                    }
                    if (column.header == "Paid") {
                        EXPECT_EQ(column.picture, std::string(money) + "b");
                    }
                }
            }
}

TEST(ListFormatRoundTrip, LettersInAnyCaseAndUnknownOnesKept)
{
    ListFormat format = parsed("36l(1)|mq(a b)W~Name~c(0)@s10@");
    EXPECT_EQ(format.toString(), "36L(1)|MQ(a b)W~Name~C(0)@s10@");
    EXPECT_TRUE(format.column(0).resizable());
    EXPECT_EQ(format.column(0).modifiers[2].argument, "a b");
}

// ---- Column parts --------------------------------------------------------------------------

TEST(ListFormatColumns, PartsOfAColumn)
{
    const ListFormat customers = parsed(BuiltInFormats[3]);
    const ListColumn &state = customers.column(1); // "20C|*~ST~C(0)@s3@#36#"
    EXPECT_EQ(state.width, 20);
    EXPECT_EQ(state.alignment, (Alignment{Justify::Centre, std::nullopt}));
    EXPECT_TRUE(state.rightBorder() && state.colours());
    EXPECT_EQ(state.header, "ST");
    EXPECT_EQ(state.headerAlignment, (Alignment{Justify::Centre, 0}));
    EXPECT_EQ(state.picture, "@s3");
    EXPECT_EQ(state.fieldNumber, 36);

    const ListFormat import = parsed(BuiltInFormats[27]); // "42L(1)|M~Import Field~S(75)@s50@..."
    EXPECT_EQ(import.column(1).headerModifiers, (std::vector<ListModifier>{{'S', "45"}}));
    EXPECT_EQ(import.column(0).scrollWidth(), 75);
    EXPECT_FALSE(parsed(BuiltInFormats[25]).column(0).headerAlignment); // "35C|~Memo #~@n06@"
}

TEST(ListFormatColumns, EveryPartIsOptional)
{
    ListFormat format = parsed("~A~@s5@R~B~#4#@s2@");
    ASSERT_EQ(format.columnCount(), 3u);
    EXPECT_FALSE(format.column(0).width);
    EXPECT_EQ(format.column(1).justify(), Justify::Right);
    EXPECT_EQ(format.column(2).picture, "@s2");
}

// ---- Queue fields --------------------------------------------------------------------------

TEST(ListFormatFields, UnnumberedColumnsCountTheColourFields)
{
    // The built-in numbers are exactly what counting gives.
    ListFormat counted = parsed(CustomersUnnumbered);
    ListFormat numbered = parsed(BuiltInFormats[0]);
    for (std::size_t i = 0; i < numbered.columnCount(); ++i)
        EXPECT_EQ(counted.queueField(i), *numbered.column(i).fieldNumber) << i;
    EXPECT_EQ(counted.fields(1).colours, 7);
    EXPECT_EQ(counted.queueFieldCount(), 30);
}

TEST(ListFormatFields, ExplicitNumbersAndOtherExtraFields)
{
    ListFormat format = parsed("10L~A~@s1@#8#10LPYTI*~B~@s1@10L~C~@s1@");
    EXPECT_EQ(format.queueField(0), 8);
    EXPECT_EQ(format.fields(1), (ColumnFields{9, 10, 14, 15, 16, 17, 18}));
    EXPECT_EQ(format.queueField(2), 18);
    EXPECT_EQ(format.columnOfField(18), 2u);
    EXPECT_FALSE(format.columnOfField(10)); // a colour field
}

// ---- User arrangement ----------------------------------------------------------------------

TEST(ListFormatArrange, MovingTheCustomerColumnGivesTheNextTabsLayout)
{
    ListFormat format = parsed(BuiltInFormats[0]);
    ASSERT_TRUE(format.moveColumn(0, 2));
    EXPECT_EQ(format.toString(), BuiltInFormats[1]);
    ASSERT_TRUE(format.moveColumn(2, 0));
    ASSERT_TRUE(format.moveColumn(3, 0));
    EXPECT_EQ(format.toString(), BuiltInFormats[2]);
}

TEST(ListFormatArrange, MovedColumnsKeepShowingTheirFields)
{
    ListFormat format = parsed(CustomersUnnumbered);
    ASSERT_TRUE(format.moveColumn(5, 0)); // email first
    ListFormat reread = parsed(format.toString());
    EXPECT_EQ(reread, format);
    std::vector<int> shown;
    for (std::size_t i = 0; i < reread.columnCount(); ++i)
        shown.push_back(reread.queueField(i));
    EXPECT_EQ(shown, (std::vector<int>{26, 1, 6, 11, 16, 21}));
}

TEST(ListFormatArrange, MovedColumnsDoNotRunTogether)
{
    // Written straight after "L~B~", the moved "R~D~..." would lend it a header alignment.
    ListFormat format = parsed("L~B~10R~C~@s1@R~D~@s1@#9#");
    ASSERT_TRUE(format.moveColumn(2, 1));
    ListFormat reread = parsed(format.toString());
    EXPECT_EQ(reread, format);
    ASSERT_EQ(reread.columnCount(), 3u);
    EXPECT_EQ(reread.queueField(2), 2);
}

TEST(ListFormatArrange, WidthChangesAreWrittenAndBadRequestsRefused)
{
    ListFormat format = parsed(BuiltInFormats[0]);
    ASSERT_TRUE(format.setWidth(1, 64));
    EXPECT_TRUE(format.toString().starts_with("36L(1)|*~Cust #~C(0)@s10@#1#64L(1)|*~Last Name~"));
    const std::string before = format.toString();
    EXPECT_FALSE(format.moveColumn(0, 6));
    EXPECT_FALSE(format.moveColumn(6, 0));
    EXPECT_FALSE(format.setWidth(6, 10));
    EXPECT_FALSE(format.setWidth(0, -1));
    EXPECT_EQ(format.toString(), before);
}

// ---- Malformed text ------------------------------------------------------------------------

TEST(ListFormatMalformed, RefusedWithWhereAndWhy)
{
    const std::pair<const char *, std::size_t> cases[] = {
        {"", 0},
        {"36L(1)|~Cust #", 7},         // header never closed
        {"36L(1)|~A~C(0)@s10", 14},    // picture never closed
        {"36L(1)|~A~C(0)@s10@#1", 19}, // field number never closed
        {"36L(x)~A~@s1@", 3},
        {"36L(1~A~@s1@", 3},
        {"99999999999L~A~@s1@", 0},
        {"36L~A~@s1@#0#", 10},
        {"36L~A~@s1@#x#", 10},
        {"36LS(wide)~A~@s1@", 4},
        {"[36L~A~@s1@]~Group~", 0},
        {"36L(1)|%~A~@s1@", 7},
        {"36L~A~@s1@ 40L~B~@s1@", 10},
    };
    for (const auto &[text, position] : cases) {
        SCOPED_TRACE(text);
        ListFormatError error;
        EXPECT_FALSE(ListFormat::parse(text, &error));
        EXPECT_EQ(error.position, position);
        EXPECT_FALSE(error.message.empty());
    }
}

TEST(ListFormatMalformed, EveryCutOfARealLayoutIsRefusedOrRereads)
{
    // A damaged settings file must neither crash the parser nor yield what cannot be written back.
    const std::string &text = BuiltInFormats[6];
    for (std::size_t length = 0; length <= text.size(); ++length) {
        auto format = ListFormat::parse(std::string_view(text).substr(0, length));
        if (format) {
            EXPECT_EQ(ListFormat::parse(format->toString()), format) << length;
        }
    }
}

// Inputs that once broke the list format, found by fuzzing (fuzz/listformat_fuzzer.cpp): each is
// refused, or every move of a column writes text that reads back as the same format.
TEST(ListFormatMalformed, InputsThatOnceBrokeTheRoundTrip)
{
    using namespace std::string_view_literals;
    const std::string_view inputs[] = {
        // The second column reads field 32768, which a move wrote as "#32768#" and no parse took.
        "~A~@s1@#32767#~B~@s1@"sv,
        "10L|F~A~@s\0@10L|M#32767#~B~@(0)s5@10L|~C~@s5@"sv,
    };
    for (const std::string_view text : inputs) {
        SCOPED_TRACE(text);
        const auto format = ListFormat::parse(text);
        if (!format)
            continue;
        for (std::size_t from = 0; from < format->columnCount(); ++from)
            for (std::size_t to = 0; to < format->columnCount(); ++to) {
                ListFormat moved = *format;
                ASSERT_TRUE(moved.moveColumn(from, to));
                EXPECT_EQ(ListFormat::parse(moved.toString()), moved) << from << " to " << to;
            }
    }
}

// ---- Dialog units --------------------------------------------------------------------------

TEST(DialogUnitsTest, QuartersOfTheCharacterWidthAndEighthsOfItsHeight)
{
    const DialogUnits font{7, 16};
    EXPECT_EQ(font.toPixelsX(36), 63);
    EXPECT_EQ(font.toPixelsX(2), 4); // 3.5 rounds up
    EXPECT_EQ(font.toPixelsY(12), 24);
    EXPECT_EQ(font.fromPixelsX(100), 57); // 57.14
    EXPECT_EQ(font.fromPixelsY(20), 10);
    EXPECT_EQ(DialogUnits{}.fromPixelsX(36), 0);
}
