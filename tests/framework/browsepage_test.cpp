// Paging a view: every move reads only a page, and the page stays right at both ends, across
// equal key values, around removed records, inside a range and under a filter.
#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "framework/browsepage.h"
#include "framework/viewmanager.h"
#include "tests/support/datafolder.h"

#include <cstdio>
#include <set>
#include <string>

using namespace dict;
using testsupport::DataFolderTest;

namespace {

std::string number(int i)
{
    char text[16];
    std::snprintf(text, sizeof text, "C%03d", i);
    return text;
}

class PageTest : public DataFolderTest
{
protected:
    fw::ViewManager view;
    fw::BrowsePage page{view, [this] { return row(); }};

    void SetUp() override
    {
        DataFolderTest::SetUp();
        ASSERT_EQ(Relate::CUSTOMER.Open(), Benign);
        view.Init(&Relate::CUSTOMER);
    }
    void TearDown() override
    {
        Relate::CUSTOMER.Close();
        DataFolderTest::TearDown();
    }
    // Customers C001..Cn; even ones in zip 22222, odd ones in 11111; balance = number.
    void addCustomers(int n, bool sameName = false)
    {
        for (int i = 1; i <= n; ++i) {
            ASSERT_EQ(Access::CUSTOMER.PrimeRecord(), Benign);
            CUS.CUSTOMERNO = number(i);
            CUS.LNAME = sameName ? std::string("SMITH") : "Name" + number(i);
            CUS.ZIPCODE = i % 2 ? "11111" : "22222";
            CUS.BALANCE = i;
            ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
        }
    }
    fw::BrowseRow row()
    {
        fw::BrowseRow r;
        r.position = Access::CUSTOMER.Position();
        const char *bytes = reinterpret_cast<const char *>(static_cast<CUSTOMERRecord *>(&CUS));
        r.record.assign(bytes, bytes + sizeof(CUSTOMERRecord));
        r.queue.push_back(fw::StepValue(std::string(CUS.CUSTOMERNO.view())));
        return r;
    }
    std::string shown(int index) const { return page.rows().at(index).queue.at(0).text(); }
    std::string highlighted() const { return page.current() ? page.current()->queue.at(0).text() : ""; }
    void open(KeyRef key)
    {
        view.AddSortOrder(key);
        view.Reset();
        page.setSize(10);
        page.first();
    }
};

} // namespace

TEST_F(PageTest, RowAndPageMovesKeepAFullPageAndStopAtTheEnds)
{
    addCustomers(35);
    open(CUS.CustomerNo_Key);
    ASSERT_EQ(page.rows().size(), 10u);
    EXPECT_EQ(highlighted(), "C001");
    EXPECT_FALSE(page.scrollOne(false)) << "nothing before the first record";

    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(page.scrollOne(true));
    EXPECT_EQ(highlighted(), "C013");
    EXPECT_EQ(shown(0), "C004");
    EXPECT_EQ(page.selected(), 9);

    ASSERT_TRUE(page.scrollPage(true));
    EXPECT_EQ(highlighted(), "C023") << "a whole page on keeps the screen row";
    ASSERT_TRUE(page.scrollPage(true));
    EXPECT_EQ(highlighted(), "C033");
    ASSERT_TRUE(page.scrollPage(true));
    EXPECT_EQ(shown(9), "C035") << "the last page is full and ends at the last record";
    EXPECT_EQ(highlighted(), "C035");
    EXPECT_FALSE(page.scrollPage(true));
    EXPECT_FALSE(page.scrollOne(true));

    ASSERT_TRUE(page.scrollPage(false));
    EXPECT_EQ(shown(0), "C016");
    page.first();
    ASSERT_TRUE(page.scrollPage(true));
    ASSERT_TRUE(page.scrollPage(false));
    EXPECT_EQ(shown(0), "C001");
    page.select(5);
    EXPECT_TRUE(page.scrollPage(false)) << "on the first page the highlight still goes to its top";
    EXPECT_EQ(page.selected(), 0);

    page.last();
    EXPECT_EQ(shown(0), "C026");
    EXPECT_EQ(highlighted(), "C035");
}

TEST_F(PageTest, EqualKeyValuesArePagedThroughWithoutSkippingOrRepeating)
{
    addCustomers(33, true); // one zip in two, every name the same
    open(CUS.ZipCode_Key);
    std::set<storage::Position> seen;
    std::size_t rowsSeen = 0;
    do {
        for (const fw::BrowseRow &r : page.rows())
            seen.insert(r.position);
        rowsSeen += page.rows().size();
        page.select(static_cast<int>(page.rows().size()) - 1);
    } while (page.scrollPage(true) && rowsSeen < 100);
    EXPECT_EQ(seen.size(), 33u);

    // Row by row backwards from the end meets every record once.
    page.last();
    std::set<storage::Position> back{page.current()->position};
    while (page.scrollOne(false))
        back.insert(page.current()->position);
    EXPECT_EQ(back.size(), 33u);
}

TEST_F(PageTest, LocatingPutsTheRecordOnTopExceptNearTheEnd)
{
    addCustomers(40);
    open(CUS.CustomerNo_Key);
    CUS.CUSTOMERNO = "C02";
    page.locate();
    EXPECT_EQ(shown(0), "C020");
    EXPECT_EQ(highlighted(), "C020");

    CUS.CUSTOMERNO = "C036";
    page.locate();
    EXPECT_EQ(shown(0), "C031") << "the page stays full";
    EXPECT_EQ(highlighted(), "C036");

    CUS.CUSTOMERNO = "Z";
    page.locate();
    EXPECT_EQ(highlighted(), "C040") << "past every record: the last one";
}

TEST_F(PageTest, AReloadKeepsTheHighlightOnItsRowOrGivesItToTheSuccessor)
{
    addCustomers(30);
    open(CUS.CustomerNo_Key);
    page.scrollPage(true);
    page.select(4);
    ASSERT_EQ(highlighted(), "C015");
    const fw::BrowseRow anchor = *page.current();

    page.around(anchor, 4);
    EXPECT_EQ(highlighted(), "C015");
    EXPECT_EQ(page.selected(), 4);

    ASSERT_EQ(Access::CUSTOMER.TryReget(anchor.position), Benign);
    ASSERT_EQ(Relate::CUSTOMER.Delete(false), Benign);
    page.around(anchor, 4);
    EXPECT_EQ(highlighted(), "C016") << "the removed record's successor";
    EXPECT_EQ(page.selected(), 4);
    EXPECT_EQ(page.rows().size(), 10u);

    // The first record: nothing before it to read from.
    page.first();
    const fw::BrowseRow first = *page.current();
    page.around(first, 0);
    EXPECT_EQ(highlighted(), "C001");
    EXPECT_EQ(page.selected(), 0);
}

TEST_F(PageTest, RangesAndFiltersLimitEveryMove)
{
    addCustomers(30);
    view.AddSortOrder(CUS.ZipCode_Key);
    CUS.ZIPCODE = "22222";
    view.AddRange(field(CUS.ZIPCODE));
    view.SetFilter("CUS:BALANCE > 10");
    view.Reset();
    page.setSize(4);
    page.first();
    EXPECT_EQ(highlighted(), "C012");
    page.last();
    EXPECT_EQ(highlighted(), "C030");
    EXPECT_EQ(shown(0), "C024");
    std::size_t count = 1;
    while (page.scrollOne(false))
        ++count;
    EXPECT_EQ(count, 10u) << "12, 14, ... 30";
    EXPECT_EQ(highlighted(), "C012");

    CUS.LNAME = "A"; // a locator value before the range's first record
    page.locate();
    EXPECT_EQ(highlighted(), "C012");
}

TEST_F(PageTest, AnEmptyViewHasNoRowsAndNowhereToGo)
{
    open(CUS.CustomerNo_Key);
    EXPECT_TRUE(page.rows().empty());
    EXPECT_EQ(page.current(), nullptr);
    EXPECT_FALSE(page.scrollOne(true));
    EXPECT_FALSE(page.scrollPage(false));
    page.last();
    EXPECT_TRUE(page.rows().empty());
    CUS.CUSTOMERNO = "C";
    page.locate();
    EXPECT_TRUE(page.rows().empty());
}

