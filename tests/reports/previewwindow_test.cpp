// The preview window on a queue of five pages: paging stays within the queue, the page box jumps,
// fit width follows the window, and Save as PDF delivers the pages (what a printed marker needs)
// while a PDF that cannot be written tells the user and delivers nothing.
#include "framework/reportslib.h"
#include "reports/previewwindow.h"
#include "reports/reportengine.h"
#include "reports/reportmessages.h"
#include "tests/support/datafolder.h"
#include "tests/support/pagecheck.h"

#include <QSpinBox>

using namespace rpt;

namespace {

class PreviewTest : public testsupport::DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        installReportMessages(errors);
        ReportEngine engine(layout, queue);
        for (int i = 0; i < 5; ++i)
            engine.printBand(page);
        engine.finish();
    }
    const Layout layout{.pageFooter = {200, {pageNofM({0, 0, 7500, 180})}}};
    const Band page{10000, {text({0, 0, 3000, 200}, "A whole page")}};
    PageQueue queue;
};

} // namespace

TEST_F(PreviewTest, PagingStaysWithinTheQueueAndThePageBoxJumps)
{
    ASSERT_EQ(queue.count(), 5);
    PreviewWindow window(queue, "Five Pages");
    window.showPage(9);
    EXPECT_EQ(window.currentPage(), 4);
    window.showPage(-1);
    EXPECT_EQ(window.currentPage(), 0);
    window.findChild<QSpinBox *>()->setValue(3);
    EXPECT_EQ(window.currentPage(), 2);
}

TEST_F(PreviewTest, SaveAsPdfDeliversThePages)
{
    PreviewWindow window(queue, "Five Pages");
    EXPECT_FALSE(window.delivered());
    ASSERT_TRUE(window.saveAs(QString::fromStdString((folder / "five.pdf").string())));
    EXPECT_TRUE(window.delivered());
    EXPECT_NE(testsupport::pdfText(folder / "five.pdf").find("Page 5 of 5"), std::string::npos);
}

TEST_F(PreviewTest, PdfThatCannotBeWrittenIsToldAndDeliversNothing)
{
    PreviewWindow window(queue, "Five Pages");
    EXPECT_FALSE(window.saveAs(QStringLiteral("/nonexistent-folder/five.pdf")));
    EXPECT_FALSE(window.delivered());
    EXPECT_EQ(titles(), std::vector<std::string>{"PDF Not Saved"});
}
