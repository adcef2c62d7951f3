// The preview window on a queue of five pages: paging stays within the queue, the page box jumps,
// fit width follows the window, and Save as PDF delivers the pages (what a printed marker needs)
// while a PDF that cannot be written tells the user and delivers nothing.
#include "framework/reportslib.h"
#include "reports/previewwindow.h"
#include "reports/reportengine.h"
#include "reports/reportmessages.h"
#include "tests/support/datafolder.h"
#include "tests/support/pagecheck.h"

#include <QComboBox>
#include <QImage>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>

#include <cstdlib>

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

namespace {

// Which of `bands` horizontal bands of a page image hold any ink: a page's outline, the same
// for a preview and a PDF of it whatever their renderers' antialiasing.
std::vector<bool> inkBands(const QImage &page, int bands)
{
    const QImage gray = page.convertToFormat(QImage::Format_Grayscale8);
    std::vector<bool> ink(std::size_t(bands), false);
    for (int y = 0; y < gray.height(); ++y) {
        const uchar *row = gray.constScanLine(y);
        for (int x = 0; x < gray.width(); ++x)
            if (row[x] < 128) {
                ink[std::size_t(y * bands / gray.height())] = true;
                break;
            }
    }
    return ink;
}

// Whether every inked band of one has ink within a band of it in the other, both ways.
bool sameOutline(const std::vector<bool> &a, const std::vector<bool> &b)
{
    auto near = [](const std::vector<bool> &in, std::size_t i) {
        return in[i] || (i > 0 && in[i - 1]) || (i + 1 < in.size() && in[i + 1]);
    };
    for (std::size_t i = 0; i < a.size(); ++i)
        if ((a[i] && !near(b, i)) || (b[i] && !near(a, i)))
            return false;
    return true;
}

} // namespace

// What the preview shows is the page the PDF holds: every band of the page that has ink in one
// has it in the other, the page header included; and fit width fills the window's width.
TEST_F(PreviewTest, ShowsThePagesThePdfHoldsAtTheWindowsWidth)
{
    PageQueue invoice;
    const Layout layout{.pageHeader = {900, {text({0, 0, 4000, 250}, "COMPANY", Title), text({5000, 0, 2500, 400}, "INVOICE", Title),
                                             text({5000, 500, 2500, 200}, "Invoice #: 000001")}},
                        .detail = {400, {text({0, 100, 3000, 200}, "A line of the invoice")}},
                        .pageFooter = {200, {pageNofM({0, 0, 7500, 180})}}};
    ReportEngine engine(layout, invoice);
    engine.printDetail();
    engine.finish();
    PreviewWindow window(invoice, "Invoice");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
    const QRect room = window.screen()->availableGeometry();
    EXPECT_TRUE(room.contains(window.geometry())) << "the preview stays on the screen: " << window.geometry().x() << "," << window.geometry().y() << " " << window.width() << "x" << window.height() << " in " << room.width() << "x" << room.height();
    auto *scroll = window.findChild<QScrollArea *>();
    QWidget *page = scroll->widget();
    EXPECT_GE(page->width(), scroll->viewport()->width() * 9 / 10) << "fit width fills the window, no thumbnail";
    if (const char *shots = std::getenv("TQ_SCREENSHOTS"))
        window.grab().save(QString::fromUtf8(shots) + QStringLiteral("/preview.png"));
    const QImage shown = page->grab().toImage();

    const std::string pdf = (folder / "invoice.pdf").string();
    ASSERT_TRUE(window.saveAs(QString::fromStdString(pdf)));
    const std::string command = "pdftoppm -png -singlefile -scale-to-x " + std::to_string(shown.width()) +
                                " -scale-to-y -1 '" + pdf + "' '" + (folder / "pdfpage").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const QImage printed(QString::fromStdString((folder / "pdfpage.png").string()));
    ASSERT_FALSE(printed.isNull());
    EXPECT_TRUE(sameOutline(inkBands(shown, 60), inkBands(printed, 60)));
    EXPECT_TRUE(inkBands(shown, 60)[2]) << "the page header is shown";
}
