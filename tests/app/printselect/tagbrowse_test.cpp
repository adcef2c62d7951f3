// The two tagging browses on real windows: the tag buttons, a click on the tag column, tag and
// untag all, what OK and Cancel leave behind, and two windows sharing one tag table.
#include "app/shell/mainmessages.h"
#include "app/shell/procedures.h"
#include "app/printselect/tagbrowses.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/browsemodel.h"
#include "framework/iniclass.h"
#include "framework/reportslib.h"
#include "framework/threadcontext.h"
#include "tagging/tags.h"
#include "tests/support/datafolder.h"
#include "tests/support/keptoutput.h"
#include "tests/support/setup_support.h"
#include "app/reports/reportprocedures.h"
#include "tests/support/modeltester.h"

#include <QApplication>
#include <QPixmap>

#include <cstdlib>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace dict;
using testsupport::DataFolderTest;

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    fw::ThreadContext::mainContext().makeCurrent();
}

class TagBrowseTest : public DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        resetGlobals();
        settings().Init("Invoice.ini");
        REPORTS::INIT(nullptr, &settings());
        app::installMainMessages(errors);
        ASSERT_EQ(Relate::INVOICE.Open(), Benign);
        const char *names[] = {"Adams", "Baker", "Clark", "Evans", "Moore"};
        for (int i = 0; i < 5; ++i) {
            Access::CUSTOMER.PrimeRecord();
            CUS.CUSTOMERNO = "C" + std::to_string(i + 1);
            CUS.LNAME = names[i];
            ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
        }
        for (const char *customer : {"C1", "C2", "C2"}) {
            Access::INVOICE.PrimeRecord();
            INV.CUSTOMERNO = customer;
            ASSERT_EQ(Access::INVOICE.Insert(), Benign);
        }
    }
    void TearDown() override
    {
        settle();
        Relate::INVOICE.Close();
        DataFolderTest::TearDown();
        resetGlobals();
    }
    static fw::INIClass &settings()
    {
        static fw::INIClass ini;
        return ini;
    }
    template <typename Browse>
    static Browse *start()
    {
        auto *browse = new Browse;
        browse->Start();
        testsupport::watchModel(browse->browse().model());
        settle();
        return browse;
    }
    static LONG customersTagged()
    {
        fw::ThreadContext::mainContext().makeCurrent();
        return ST::CntTagPos_(1);
    }
    static void clickTagColumn(app::TagBrowse *b, int row)
    {
        QTableView *view = b->widgets().list->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
    }
};

} // namespace

TEST_F(TagBrowseTest, CustomerTagsFollowTheButtonsTheTagColumnAndTagAll)
{
    GLO.STARTUP = 4;
    auto *b = start<Brw::CustomersPrint_Billing_Labels_Inventory_Envelopes>();
    EXPECT_EQ(b->window()->windowTitle(), "Select Customer(s) for Billing...");
    b->button(app::TagBrowse::Tag)->click();
    EXPECT_EQ(customersTagged(), 1);
    EXPECT_FALSE(b->browse().model()->data(b->browse().model()->index(0, 0), Qt::DecorationRole).isNull());

    clickTagColumn(b, 2);
    EXPECT_EQ(customersTagged(), 2);
    EXPECT_EQ(ST::GetTagPos_(1, "C3"), 1);
    clickTagColumn(b, 2);
    EXPECT_EQ(customersTagged(), 1) << "a second click reverses it";
    if (const char *folder = std::getenv("TQ_SCREENSHOTS"))
        b->window()->grab().save(QString::fromUtf8(folder) + QStringLiteral("/customer-tagging.png"));

    b->button(app::TagBrowse::TagAll)->click();
    EXPECT_EQ(customersTagged(), 5);
    b->button(app::TagBrowse::UntagAll)->click();
    EXPECT_EQ(customersTagged(), 0);

    // OK starts the billing statements, which ask for their dates first.
    testsupport::DesktopStandIn desktop;
    app::registerReportProcedures();
    b->button(app::TagBrowse::Tag)->click();
    setuptest::WhenShown dates("Select Dates...", [](QWidget *w) {
        for (QPushButton *button : w->findChildren<QPushButton *>())
            if (button->text() == QStringLiteral("Ok"))
                button->click();
    });
    b->button(app::TagBrowse::Ok)->click();
    settle();
    EXPECT_EQ(dates.seen(), 1);
    EXPECT_EQ(desktop.output.titles, std::vector<std::string>{"Billing Statement"});
    EXPECT_EQ(customersTagged(), 1) << "OK keeps the tags for the report";
}

TEST_F(TagBrowseTest, CancelEmptiesTheCustomerTableAndAnEmptyListOffersNoTagging)
{
    auto *b = start<Brw::CustomersPrint_Billing_Labels_Inventory_Envelopes>();
    EXPECT_EQ(b->window()->windowTitle(), "Select Customer(s) for Printing Labels...");
    b->button(app::TagBrowse::TagAll)->click();
    b->widgets().close->click();
    settle();
    EXPECT_EQ(customersTagged(), 0);

    ASSERT_EQ(Access::CUSTOMER.TryEmpty(), Benign);
    b = start<Brw::CustomersPrint_Billing_Labels_Inventory_Envelopes>();
    for (const int id : {app::TagBrowse::Tag, app::TagBrowse::Untag, app::TagBrowse::TagAll, app::TagBrowse::UntagAll})
        EXPECT_FALSE(b->button(id)->isEnabled()) << b->button(id)->text().toStdString();
    b->widgets().close->click();
}

TEST_F(TagBrowseTest, TwoWindowsSeeOneAnothersTags)
{
    auto *first = start<Brw::CustomersPrint_Billing_Labels_Inventory_Envelopes>();
    auto *second = start<Brw::CustomersPrint_Billing_Labels_Inventory_Envelopes>();
    first->button(app::TagBrowse::Tag)->click();
    QTest::keyClick(second->widgets().list->view(), Qt::Key_Down);
    second->button(app::TagBrowse::Tag)->click();
    EXPECT_EQ(customersTagged(), 2);
    second->context()->makeCurrent();
    EXPECT_EQ(ST::CntTagPos_(1), 2);
    clickTagColumn(first, 1); // the record the other window tagged
    EXPECT_EQ(customersTagged(), 1);
    second->context()->makeCurrent();
    EXPECT_EQ(ST::CntTagPos_(1), 1);
    first->button(app::TagBrowse::Ok)->click();
    second->button(app::TagBrowse::Ok)->click();
}

TEST_F(TagBrowseTest, InvoiceTagsTagTheirCustomersAndOkAsksAboutLabelsThenPrints)
{
    testsupport::DesktopStandIn desktop;
    app::registerReportProcedures();
    auto *b = start<Brw::InvoicesPrintMulitple>();
    EXPECT_EQ(b->window()->windowTitle(), "Print Multiple Invoices...");
    b->button(app::TagBrowse::Tag)->click();
    QTest::keyClick(b->widgets().list->view(), Qt::Key_Down);
    b->button(app::TagBrowse::Tag)->click();
    fw::ThreadContext::mainContext().makeCurrent();
    EXPECT_EQ(ST::CntTag_(3), 2);
    EXPECT_EQ(ST::CntTagPos_(1), 2);
    EXPECT_EQ(b->browse().model()->text(0, 5).toStdString(), "Adams") << "the customer's name";

    screen.answer(ButtonNo);
    b->button(app::TagBrowse::Ok)->click();
    settle();
    const auto boxes = screen.shown();
    ASSERT_GE(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Pardon me...");
    EXPECT_EQ(boxes[0].text, "Do you wish to print the associated Labels?");
    EXPECT_EQ(boxes[0].buttonTexts.at(ButtonYes), "&Address");
    EXPECT_EQ(boxes[0].buttonTexts.at(ButtonCancel), "Shipping");
    EXPECT_EQ(ST::CntTagPos_(1), 0) << "No: no labels";
    ASSERT_EQ(desktop.output.titles, std::vector<std::string>{"Invoices"});
    EXPECT_EQ(ST::CntTag_(3), 0) << "the invoices printed are no longer tagged";
}
