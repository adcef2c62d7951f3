// The report engine from layout to pages: page and group breaks, hidden items, "page n of m",
// pictures, and the same queue as a page dump, a PDF and a PDF that cannot be written.
#include "framework/picture.h"
#include "reports/pageoutput.h"
#include "reports/pagepainter.h"
#include "reports/papersize.h"
#include "reports/reportengine.h"
#include "tests/support/pagecheck.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

#include <algorithm>
#include <sstream>

using namespace rpt;
using testsupport::matchesExpectedDump;
using testsupport::pdfText;

namespace {

const std::filesystem::path Expected = std::filesystem::path(TQ_TEST_DATA) / "engine";

struct Row {
    std::string city;
    std::string name;
    double amount;
};

// A listing of rows grouped by city with a total per city, like every listing of the program.
class GroupedListing : public ::testing::Test
{
protected:
    Layout layout()
    {
        auto amount = [this] { return fw::formatValue(row->amount, "@n-13.2"); };
        auto total = [this] { return fw::formatValue(cityTotal, "@n$-15.2"); };
        return Layout{
            .pageHeader = {500,
                           {text({0, 0, 7500, 250}, "City Listing", Title, Align::Center),
                            text({0, 300, 2000, 180}, "Name", Bold), text({5300, 300, 2000, 180}, "Amount", Bold, Align::Right),
                            line({0, 480, 7500, 0})}},
            .groupHeader = {250, {computed({0, 20, 4000, 180}, [this] { return row->city; }, Bold)}},
            .detail = {200,
                       {computed({200, 0, 3000, 180}, [this] { return row->name; }),
                        computed({5300, 0, 2000, 180}, amount, Body, Align::Right),
                        hiddenWhen(text({7350, 0, 150, 180}, "*"), [this] { return row->amount >= 0; })}},
            .groupFooter = {300, {line({5300, 10, 2000, 0}), computed({5300, 40, 2000, 180}, total, Bold, Align::Right)}},
            .pageFooter = {250, {pageNofM({0, 0, 7500, 180}, Small, Align::Center)}},
            .groupKey = [this] { return row->city; },
        };
    }

    // Runs the listing: the group total is reset when the city changes, as the families do.
    PageQueue run(const std::vector<Row> &rows)
    {
        PageQueue queue(pageSizeOf("PAPER:LETTER"));
        const Layout listing = layout();
        ReportEngine engine(listing, queue);
        for (const Row &r : rows) {
            row = &r;
            if (engine.breakGroup())
                cityTotal = 0;
            cityTotal += r.amount;
            engine.printDetail();
        }
        engine.finish();
        return queue;
    }

    static std::vector<Row> rows(int perCity)
    {
        std::vector<Row> all;
        for (const char *city : {"Brandon", "Halifax", "Regina"})
            for (int i = 1; i <= perCity; ++i)
                all.push_back({city, std::string(city) + " customer " + std::to_string(i), i % 7 == 0 ? -i : i * 10.5});
        return all;
    }

    const Row *row = nullptr;
    double cityTotal = 0;
};

} // namespace

TEST_F(GroupedListing, ShortListingFitsOnePageWithEveryGroupAndItsTotal)
{
    const PageQueue queue = run(rows(3));
    ASSERT_EQ(queue.count(), 1);
    EXPECT_TRUE(matchesExpectedDump(dumpPages(queue), Expected / "short_listing.txt"));
}

TEST_F(GroupedListing, LongListingBreaksPagesBeforeTheFooterAndNumbersThemAll)
{
    const PageQueue queue = run(rows(30));
    const std::string dump = dumpPages(queue);
    EXPECT_EQ(queue.count(), 3);
    EXPECT_TRUE(matchesExpectedDump(dump, Expected / "long_listing.txt"));
    EXPECT_EQ(dump.find("%n"), std::string::npos) << "every page count is filled in";
}

TEST_F(GroupedListing, NothingPrintedMakesNoPage)
{
    EXPECT_TRUE(run({}).empty());
}

TEST_F(GroupedListing, PdfHoldsTheTextsAndPageCounts)
{
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("listing.pdf")).toStdString();
    const PageQueue queue = run(rows(30));
    ASSERT_EQ(writePdf(queue, file, "Test Listing"), "");
    const std::string text = pdfText(file);
    for (const char *expected : {"City Listing", "Halifax customer 12", "$4,077.50", "Page 1 of 3", "Page 3 of 3"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

TEST_F(GroupedListing, PdfThatCannotBeWrittenSaysWhy)
{
    const PageQueue queue = run(rows(1));
    const std::string error = writePdf(queue, "/nonexistent-folder/listing.pdf", "Test Listing");
    EXPECT_NE(error.find("/nonexistent-folder/listing.pdf"), std::string::npos) << error;
}

TEST(ReportPictures, ReadOnceAndMissingOnesNamedWithTheirFrameLeftEmpty)
{
    QTemporaryDir dir;
    const QString logo = dir.filePath(QStringLiteral("logo.png"));
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(logo));
    const std::string missing = dir.filePath(QStringLiteral("gone.png")).toStdString();
    const Layout layout{.detail = {1000,
                                   {picture({0, 0, 1000, 500}, [&] { return logo.toStdString(); }),
                                    picture({1500, 0, 1000, 500}, [&] { return missing; })}}};
    PageQueue queue;
    ReportEngine engine(layout, queue);
    engine.printDetail();
    engine.printDetail();
    engine.finish();
    EXPECT_EQ(dumpPages(queue), "page 1\n  picture 500,500 1000x500\n  picture 500,1500 1000x500\n");
    EXPECT_EQ(engine.missingPictures(), std::vector<std::string>{missing});
}

TEST(PaperSettings, NamePageSizesAndUnknownOnesFallBackToLetter)
{
    EXPECT_EQ(pageSizeOf("PAPER:A4").id(), QPageSize::A4);
    EXPECT_EQ(pageSizeOf("paper:env_10 ").id(), QPageSize::Comm10E);
    EXPECT_EQ(pageSizeOf("PAPER:ENV_DL").id(), QPageSize::EnvelopeDL);
    EXPECT_EQ(pageSizeOf("").id(), QPageSize::Letter);
    EXPECT_EQ(pageSizeOf("PAPER:FOOLSCAP").id(), QPageSize::Letter);
}

// A layout lands inside the printable part of the paper less its margins, from one origin, and
// is scaled down whole when that is narrower than the layout.
TEST(PaperFrames, PlaceTheLayoutInsideThePrintableAreaScaledToFit)
{
    struct Case {
        const char *paper;
        bool turned;
        int edge;      // the printer's unprintable edge
        int itemWidth; // the layout's widest item
        ReportEngine::Frame frame;
    };
    const Case cases[] = {
        {"PAPER:LETTER", false, 0, 7500, {500, 500, 7500, 10000, 1}},
        {"PAPER:LETTER", true, 0, 10000, {500, 500, 10000, 7500, 1}},
        {"PAPER:A4", false, 0, 7500, {500, 500, 7268, 10693, 7268 / 7500.0}},
        {"PAPER:A4", true, 0, 10000, {500, 500, 10693, 7268, 1}},
        {"PAPER:LETTER", false, 700, 7500, {700, 700, 7100, 9600, 7100 / 7500.0}}, // a printer with wide edges
        {"PAPER:LETTER", false, 0, 5000, {500, 500, 7500, 10000, 1}},               // narrower: never enlarged
    };
    for (const Case &c : cases) {
        PageQueue queue(pageSizeOf(c.paper), c.turned, Margins::all(c.edge));
        const Layout layout{.detail = {200, {text({0, 0, c.itemWidth, 180}, "x")}}};
        ReportEngine engine(layout, queue);
        const ReportEngine::Frame &f = engine.frame();
        EXPECT_EQ(std::tie(f.left, f.top, f.width, f.height), std::tie(c.frame.left, c.frame.top, c.frame.width, c.frame.height))
            << c.paper << " edge " << c.edge;
        EXPECT_DOUBLE_EQ(f.scale, c.frame.scale) << c.paper << " edge " << c.edge;
        engine.printDetail();
        engine.finish();
        const PageOp &op = queue.page(0).ops.front();
        EXPECT_LE(op.at.x + op.at.width, f.left + f.width) << c.paper;
    }
}

// A value too wide for its box is drawn smaller, then cut at a character; a caption never is.
TEST(ValueFitting, ShrinksThenCutsValuesButLeavesCaptions)
{
    const std::string wide(60, 'W');
    PageQueue queue;
    const Layout layout{.detail = {200,
                                   {computed({0, 0, 1000, 180}, [] { return std::string("fits"); }),
                                    computed({0, 0, 300, 180}, [] { return std::string("WWW"); }),
                                    computed({0, 0, 1000, 180}, [&wide] { return wide + "\xc3\xa9"; }),
                                    text({0, 0, 300, 180}, "A caption too long for its box")}}};
    ReportEngine engine(layout, queue);
    engine.printDetail();
    engine.finish();
    const Page &page = queue.page(0);
    TextMeasure measure;
    const PageOp::Fit expected[] = {PageOp::AsDeclared, PageOp::Shrunk, PageOp::Cut, PageOp::AsDeclared};
    for (std::size_t i = 0; i < 4; ++i) {
        const PageOp &op = page.ops[i];
        EXPECT_EQ(op.fit, expected[i]) << i;
        const Font &font = queue.fonts()[op.font];
        if (op.fit != PageOp::AsDeclared) {
            EXPECT_LE(measure.width(font, PageQueue::text(page, op)), op.at.width) << i;
            EXPECT_GE(font.points, 9 * ReportEngine::SmallestFit - 0.01) << i;
        }
    }
    EXPECT_EQ(PageQueue::text(page, page.ops[2]).find('\xc3'), std::string_view::npos) << "cut before the accent, whole";
    EXPECT_EQ(PageQueue::text(page, page.ops[3]), "A caption too long for its box");
}

namespace {

// The texts of a dump, each with its page line and position, without fonts and frames.
std::vector<std::string> placedTexts(const PageQueue &queue)
{
    std::vector<std::string> out;
    std::istringstream lines(dumpPages(queue));
    for (std::string line; std::getline(lines, line);) {
        const std::size_t quote = line.find('"');
        if (line.rfind("page ", 0) == 0)
            out.push_back(line);
        else if (quote != std::string::npos)
            out.push_back(line.substr(line.find("text ") + 5, line.find(' ', line.find("text ") + 5) - line.find("text ") - 5)
                          + " " + line.substr(quote));
    }
    return out;
}

} // namespace

TEST(WrappedTexts, GrowTheirBandSoTheNextBandStartsBelowTheLastLine)
{
    std::string description;
    const Layout layout{.detail = {200,
                                   {wrapped(computed({0, 0, 1500, 180}, [&] { return description; })),
                                    text({1600, 0, 500, 180}, "x")}}};
    PageQueue queue;
    ReportEngine engine(layout, queue);
    description = "one two three four five six seven eight nine ten eleven twelve";
    engine.printDetail();
    description = "first\rsecond\r\nthird";
    engine.printDetail();
    description = "Supercalifragilisticexpialidocious-and-then-some-more";
    engine.printDetail();
    engine.finish();
    const std::vector<std::string> texts = placedTexts(queue);
    // Every line keeps within its frame and the bands do not overlap.
    int lastTop = 0;
    int lines = 0;
    for (const std::string &t : texts) {
        if (t.rfind("page", 0) == 0 || t.find("\"x\"") != std::string::npos)
            continue;
        const int top = std::stoi(t.substr(t.find(',') + 1));
        EXPECT_GT(top, lastTop) << t;
        lastTop = top;
        ++lines;
    }
    EXPECT_GE(lines, 3 + 3 + 2) << "long texts wrap, line breaks (CR, LF, CRLF) break";
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string &t) { return t.ends_with("\"one two three\"") || t.find("\"one two") != std::string::npos; }));
    EXPECT_NE(std::find_if(texts.begin(), texts.end(), [](const std::string &t) { return t.ends_with("\"second\""); }),
              texts.end());
}

// Texts typed or pasted into a memo or a name, wrapped in a narrow frame: every line fits, and
// read one after the other the lines give back every character (none cut in two).
TEST(WrappedTexts, HostileTextsFitTheFrameAndKeepEveryCharacter)
{
    auto repeat = [](const std::string &piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i)
            text += piece;
        return text;
    };
    const std::string texts[] = {
        repeat("W", 4000),
        repeat("\xf0\x9f\x98\x80", 300),                 // outside the first plane
        repeat("\xc3\xa9", 600),
        repeat("\xe2\x80\xae" "1234\xe2\x80\x8f", 60), // right-to-left marks
        repeat("\xe4\xb8\xad\xe6\x96\x87", 200),         // wide characters
    };
    TextMeasure measure;
    for (const std::string &text : texts) {
        SCOPED_TRACE(text.substr(0, 12));
        const std::vector<std::string> lines = wrapText(Body, 500, text);
        std::string joined;
        for (const std::string &line : lines) {
            EXPECT_LE(measure.width(Body, line), 500) << line;
            joined += line;
        }
        EXPECT_GT(lines.size(), 5u);
        EXPECT_EQ(joined, text);
    }
}

TEST(Documents, EachDocumentIsNumberedAmongItsOwnPages)
{
    int lines = 0;
    const Layout layout{.detail = {3000, {computed({0, 0, 1500, 180}, [&] { return std::to_string(lines); })}},
                        .pageFooter = {200, {pageNofM({0, 0, 7500, 180})}}};
    PageQueue queue(pageSizeOf("PAPER:LETTER"));
    ReportEngine engine(layout, queue);
    for (const int size : {1, 4, 2}) { // one page, two pages, one page
        engine.startDocument();
        for (lines = 0; lines < size; ++lines)
            engine.printDetail();
    }
    engine.finish();
    ASSERT_EQ(queue.count(), 4);
    std::vector<std::string> footers;
    for (const std::string &t : placedTexts(queue))
        if (t.find("Page") != std::string::npos)
            footers.push_back(t.substr(t.find('"')));
    EXPECT_EQ(footers, (std::vector<std::string>{"\"Page 1 of 1\"", "\"Page 1 of 2\"", "\"Page 2 of 2\"", "\"Page 1 of 1\""}));
}
