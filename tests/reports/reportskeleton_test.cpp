// The skeleton of the report procedures on a small customer listing: preview and print, the
// empty result in both modes, Cancel (declined, then with the partial preview accepted and
// declined), the date prompt cancelled, a document's one page, display strings from Invoice.ini,
// and the run straight into a PDF.
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/globalcodes.h"
#include "framework/iniclass.h"
#include "framework/reportslib.h"
#include "reports/pageoutput.h"
#include "reports/reportoutput.h"
#include "reports/reportprocedure.h"
#include "tests/support/datafolder.h"
#include "tests/support/pagecheck.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

using namespace rpt;
using testsupport::DataFolderTest;

namespace {

// Keeps what it was handed instead of showing it.
class RecordingOutput : public ReportOutput
{
public:
    bool preview(const PageQueue &queue, const std::string &) override
    {
        dump = dumpPages(queue);
        ++previews;
        return deliver;
    }
    std::string print(const PageQueue &queue, const std::string &) override
    {
        dump = dumpPages(queue);
        ++prints;
        return {};
    }
    bool printed() const override { return prints > 0; }

    std::string dump;
    int previews = 0;
    int prints = 0;
    bool deliver = false;
};

class CustomerList : public ReportProcedure
{
public:
    explicit CustomerList(const CatalogueEntry &entry = {.name = "PRN:TESTLIST", .title = "Customer Test Listing"})
        : ReportProcedure(entry)
    {
    }

    int cancelAfter = -1; // records, then Cancel is pressed
    bool datesAnswer = true;
    std::string filter;

protected:
    int OpenFiles() override { return Relate::CUSTOMER.Open(); }
    void CloseFiles() override { Relate::CUSTOMER.Close(); }
    void SetView(fw::ViewManager &view) override
    {
        view.Init(&Relate::CUSTOMER);
        view.AddSortOrder(CUS.CustomerNo_Key);
        if (!filter.empty())
            view.SetFilter(filter);
    }
    const Layout &ReportLayout() const override { return layout_; }
    void TakeRecord(ReportEngine &engine) override
    {
        engine.printDetail();
        if (++taken_ == cancelAfter)
            QTimer::singleShot(0, [] {
                if (QWidget *window = QApplication::activeModalWidget())
                    window->findChild<QPushButton *>(QStringLiteral("cancel"))->click();
            });
    }
    bool AskDates() override { return datesAnswer; }

private:
    int taken_ = 0;
    const Layout layout_{
        .pageHeader = {300, {text({0, 0, 4000, 200}, "Customer Test Listing", Bold)}},
        .detail = {200, {field({0, 0, 1500, 180}, dict::field(CUS.CUSTOMERNO)), field({1500, 0, 3000, 180}, dict::field(CUS.LNAME))}},
        .pageFooter = {200, {pageNofM({0, 0, 7500, 180})}},
    };
};

class ReportSkeletonTest : public DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        settings.Init("Invoice.ini");
        REPORTS::INIT(nullptr, &settings);
        GLO.PAPERSIZE = "PAPER:LETTER";
        GLO.PRINTPREVIEW = 1;
        ASSERT_EQ(Access::CUSTOMER.Open(), dict::Benign);
        for (int i = 1; i <= customers; ++i) {
            Access::CUSTOMER.PrimeRecord();
            CUS.CUSTOMERNO = "C" + std::to_string(1000 + i);
            CUS.LNAME = "Name " + std::to_string(i);
            ASSERT_EQ(Access::CUSTOMER.Insert(), dict::Benign);
        }
        Access::CUSTOMER.Close();
    }
    int pages(const std::string &dump) const
    {
        int n = 0;
        for (std::size_t at = dump.find("page "); at != std::string::npos; at = dump.find("\npage ", at + 1))
            ++n;
        return n;
    }
    static constexpr int customers = 120; // three pages
    fw::INIClass settings;
    RecordingOutput output;
};

} // namespace

TEST_F(ReportSkeletonTest, PreviewGetsEveryPageNumberedAndTheResponseIsCompleted)
{
    CustomerList report;
    EXPECT_EQ(report.Run(&output), fw::RequestCompleted);
    EXPECT_EQ(GlobalResponse, fw::RequestCompleted);
    EXPECT_EQ(output.previews, 1);
    EXPECT_EQ(pages(output.dump), 3);
    EXPECT_NE(output.dump.find("\"C1120\""), std::string::npos);
    EXPECT_NE(output.dump.find("\"Page 3 of 3\""), std::string::npos);
    EXPECT_FALSE(report.printed()) << "closing the preview without printing prints nothing";
    EXPECT_TRUE(titles().empty());
}

TEST_F(ReportSkeletonTest, WithoutPreviewThePagesGoToThePrinter)
{
    GLO.PRINTPREVIEW = 0;
    CustomerList report;
    EXPECT_EQ(report.Run(&output), fw::RequestCompleted);
    EXPECT_EQ(output.prints, 1);
    EXPECT_EQ(output.previews, 0);
    EXPECT_TRUE(report.printed());
}

TEST_F(ReportSkeletonTest, EmptyResultSaysNothingToPreviewOrPrint)
{
    CustomerList preview;
    preview.filter = "CUS:CustomerNo = 'NONE'";
    EXPECT_EQ(preview.Run(&output), fw::RequestCancelled);
    GLO.PRINTPREVIEW = 0;
    CustomerList print;
    print.filter = preview.filter;
    EXPECT_EQ(print.Run(&output), fw::RequestCancelled);
    EXPECT_EQ(titles(), (std::vector<std::string>{"NOTE...", "NOTE..."}));
    EXPECT_EQ(texts(), (std::vector<std::string>{"Nothing to Preview.", "Nothing to Print."}));
    EXPECT_EQ(output.previews + output.prints, 0);
}

TEST_F(ReportSkeletonTest, DocumentPrintsItsFormEvenWithNoRecord)
{
    CustomerList report({.name = "PRN:TESTDOC", .title = "Test Document", .options = {.document = true}});
    report.filter = "CUS:CustomerNo = 'NONE'";
    EXPECT_EQ(report.Run(&output), fw::RequestCompleted);
    EXPECT_EQ(output.dump, "page 1\n  text 500,500 4000x200 left 9b \"Customer Test Listing\"\n"
                           "  text 500,10300 7500x180 right 9 \"Page 1 of 1\"\n");
}

TEST_F(ReportSkeletonTest, CancelledDatePromptPrintsNothing)
{
    CustomerList report({.name = "PRN:TESTDATES", .title = "Dated", .options = {.dates = true}});
    report.datesAnswer = false;
    EXPECT_EQ(report.Run(&output), fw::RequestCancelled);
    EXPECT_EQ(GlobalResponse, fw::RequestCancelled);
    EXPECT_EQ(output.previews + output.prints, 0);
    EXPECT_TRUE(titles().empty());
}

TEST_F(ReportSkeletonTest, CancelAnsweredNoGoesOnToTheEnd)
{
    screen.answer(dict::ButtonNo);
    CustomerList report;
    report.cancelAfter = 30;
    EXPECT_EQ(report.Run(&output), fw::RequestCompleted);
    EXPECT_EQ(titles(), std::vector<std::string>{"Question"});
    EXPECT_EQ(texts(), std::vector<std::string>{"Are you sure you want to CANCEL this Report?"});
    EXPECT_EQ(pages(output.dump), 3);
}

TEST_F(ReportSkeletonTest, CancelWithPartialPreviewAcceptedShowsThePagesSoFar)
{
    screen.answer(dict::ButtonYes);
    screen.answer(dict::ButtonYes);
    CustomerList report;
    report.cancelAfter = 30;
    EXPECT_EQ(report.Run(&output), fw::RequestCompleted);
    ASSERT_EQ(texts().size(), 2u);
    EXPECT_EQ(texts()[1], "Report Cancellation Requested!\n\nPreview Report generated so far?");
    EXPECT_EQ(output.previews, 1);
    EXPECT_LT(pages(output.dump), 3);
    EXPECT_EQ(output.dump.find("C1120"), std::string::npos);
}

TEST_F(ReportSkeletonTest, CancelWithPartialPreviewDeclinedShowsNothing)
{
    screen.answer(dict::ButtonYes);
    screen.answer(dict::ButtonNo);
    CustomerList report;
    report.cancelAfter = 30;
    EXPECT_EQ(report.Run(&output), fw::RequestCancelled);
    EXPECT_EQ(output.previews, 0);
    EXPECT_EQ(texts().size(), 2u);
}

TEST_F(ReportSkeletonTest, DisplayStringsFromInvoiceIniReplaceTheDefaults)
{
    ASSERT_TRUE(settings.Update("DISPLAY STRINGS 2.0", "NothingToPrvwTitle", "Hinweis"));
    ASSERT_TRUE(settings.Update("DISPLAY STRINGS 2.0", "NothingToPrvwText", "Keine Daten.|Bitte pruefen."));
    CustomerList report;
    report.filter = "CUS:CustomerNo = 'NONE'";
    report.Run(&output);
    EXPECT_EQ(titles(), std::vector<std::string>{"Hinweis"});
    EXPECT_EQ(texts(), std::vector<std::string>{"Keine Daten.\nBitte pruefen."});
    CustomerList after; // the override lasts only as long as it is in the file
    after.filter = report.filter;
    ASSERT_TRUE(settings.Update("DISPLAY STRINGS 2.0", "NothingToPrvwTitle", "NOTE..."));
    after.Run(&output);
    EXPECT_EQ(titles().back(), "NOTE...");
}

TEST_F(ReportSkeletonTest, RunToPdfWritesTheFileWithNoWindow)
{
    CustomerList report;
    const std::filesystem::path pdf = folder / "list.pdf";
    EXPECT_EQ(report.RunToPdf(pdf.string()), fw::RequestCompleted);
    const std::string text = testsupport::pdfText(pdf);
    EXPECT_NE(text.find("Customer Test Listing"), std::string::npos);
    EXPECT_NE(text.find("C1120"), std::string::npos);
    EXPECT_NE(text.find("Page 3 of 3"), std::string::npos);
    EXPECT_TRUE(report.printed());
}

TEST_F(ReportSkeletonTest, RunToPdfThatCannotWriteSaysSoAndPrintsNothing)
{
    CustomerList report;
    EXPECT_EQ(report.RunToPdf("/nonexistent-folder/list.pdf"), fw::RequestCancelled);
    EXPECT_EQ(titles(), std::vector<std::string>{"PDF Not Saved"});
    EXPECT_FALSE(report.printed());
}
