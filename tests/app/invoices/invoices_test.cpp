// The invoice list: its tabs and columns by the tax system, red lines, the totals below, and the
// delete that takes back everything the invoice booked.
#include "app/invoices/invoicebook.h"
#include "app/invoices/invoicemath.h"
#include "app/invoices/invoices.h"
#include "dictionary/schema.h"
#include "framework/browseclass.h"
#include "framework/browsemodel.h"
#include "framework/picture.h"
#include "tests/support/invoicefolder.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>

namespace {

using namespace invoicetest;
namespace inv = app::invoices;
using maintenancetest::closeStarted;

void press(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

class InvoicesTest : public InvoiceFolderTest
{
protected:
    // A saved invoice (or quote) of quantity of the item at price.
    static dict::LONG saveInvoice(const char *customer, dict::LONG item, double quantity, double price, bool quote = false)
    {
        EXPECT_EQ(Access::INVOICE.PrimeRecord(), dict::Benign);
        INV.CUSTOMERNO = customer;
        INV.QUOTES = quote ? 1 : 0;
        INV.TAXRATE = 0.08;
        INV.GSTTAXRATE = 0.05;
        INV.DATE = fw::today();
        dict::clearRecord(Access::DESCRIPTION.Def(), &DES);
        DES.INVOICENO = INV.INVOICENO;
        Access::DESCRIPTION.PrimeRecord(true);
        STO.RECORDNO = item;
        Access::STOCK.TryFetch(STO.RecordNo_Key);
        DES.STOCKNO = STO.STOCKNO;
        DES.RECORDNO = item;
        DES.QUANTITY = quantity;
        DES.PRICE = price;
        DES.TAXABLE = 1;
        DES.GSTTAXABLE = 1;
        inv::computeLine(DES, inv::lineTermsOf(INV, false));
        bool holds = !quote;
        EXPECT_EQ(inv::bookLine(true, {}, holds), dict::Benign);
        EXPECT_EQ(inv::saveInvoice(true, holds), dict::Benign);
        return INV.INVOICENO;
    }

    static Brw::Invoices *start()
    {
        auto *list = new Brw::Invoices;
        list->Start();
        return list;
    }

    static QStringList headers(Brw::Invoices *list)
    {
        QStringList titles;
        fw::BrowseModel *model = list->browse().model();
        for (int c = 0; c < model->columnCount(); ++c)
            titles << model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        return titles;
    }

    static QString cell(Brw::Invoices *list, int row, const QString &header)
    {
        fw::BrowseModel *model = list->browse().model();
        const int column = static_cast<int>(headers(list).indexOf(header));
        return model->data(model->index(row, column), Qt::DisplayRole).toString().trimmed();
    }
};

TEST_F(InvoicesTest, TabsAndColumnsFollowTheTaxSystemAndOneInvoiceNumberOrderShowsAtATime)
{
    GLO.CANADIAN = dict::TaxRegime::ProvincialAndGst;
    addCustomer("C1");
    const dict::LONG a = addStock("A", 100);
    saveInvoice("C1", a, 1, 10);
    saveInvoice("C1", a, 2, 10);
    saveInvoice("C1", a, 3, 10, true);
    testsupport::sqlOn(dict::DatabasePath, "UPDATE INVOICE SET REBILL = 1, REBILLCYCLE = 'M' WHERE INVOICENO = 2");
    ASSERT_EQ(Access::INVOICE.PrimeRecord(), dict::Benign); // an invoice being entered: in no list
    GLO.INVOICENO = 0;
    Brw::Invoices *list = start();
    EXPECT_EQ(GLO.INVOICENO, 1) << "the highlighted invoice is the one the frame's single-invoice print takes";
    const fw::BrowseWidgets &w = list->widgets();
    EXPECT_TRUE(headers(list).contains("PST"));
    EXPECT_TRUE(headers(list).contains("GST"));
    EXPECT_EQ(list->browse().Records(), 2u) << "quotes are not among the invoices";
    EXPECT_EQ(cell(list, 0, "Inv #"), "000001");
    setuptest::screenshot(list->window(), "invoice-list");
    EXPECT_EQ(w.tabs->count(), 6) << "an order and its reverse are one tab";
    press(list->button(Brw::Invoices::Reverse));
    EXPECT_EQ(w.tabs->currentIndex(), 0);
    EXPECT_EQ(cell(list, 0, "Inv #"), "000002") << "newest first";
    press(list->button(Brw::Invoices::Reverse));
    EXPECT_EQ(cell(list, 0, "Inv #"), "000001") << "and back";
    w.tabs->setCurrentIndex(4); // quotes
    EXPECT_FALSE(list->button(Brw::Invoices::Reverse)->isEnabled());
    EXPECT_EQ(list->browse().Records(), 1u) << "the quotes tab lists the quotes";
    EXPECT_EQ(list->info(Brw::Invoices::Total)->text(), "33.90") << "the running totals: 10.00 + 20.00, 8 % and 5 %";
    w.tabs->setCurrentIndex(5);
    EXPECT_EQ(list->browse().Records(), 1u) << "the invoices billed again";
    EXPECT_EQ(cell(list, 0, "Rebill Cycle"), "M");
    closeStarted(list, w.close);
}

TEST_F(InvoicesTest, DeletingFromTheListAsksThenTakesBackTheBookingAndTheItems)
{
    GLO.CANADIAN = dict::TaxRegime::SalesTax;
    GLO.REDLINEINVOICE = 1;
    addCustomer("C1");
    const dict::LONG a = addStock("A", 10);
    saveInvoice("C1", a, 4, 10);
    EXPECT_EQ(onHand(a), 6);
    Brw::Invoices *list = start();
    const fw::BrowseWidgets &w = list->widgets();
    EXPECT_EQ(headers(list).contains("GST"), false);
    EXPECT_TRUE(headers(list).contains("Tax"));
    fw::BrowseModel *model = list->browse().model();
    EXPECT_EQ(model->data(model->index(0, 0), Qt::ForegroundRole).value<QColor>(), QColor(Qt::red))
        << "what is owed shows red";

    screen.answer(dict::ButtonNo); // "Are you sure?" declined
    press(w.remove);
    EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE"), 1);
    screen.answer(dict::ButtonYes);
    screen.answer(dict::ButtonYes); // return the items
    press(w.remove);
    EXPECT_EQ(titles().back(), "Pardon me...");
    EXPECT_EQ(query("SELECT COUNT(*) FROM INVOICE"), 0);
    EXPECT_EQ(onHand(a), 10);
    EXPECT_EQ(balanceOf("C1"), 0);
    EXPECT_EQ(list->browse().Records(), 0u);
    expectBooksAgree();
    closeStarted(list, w.close);
}

} // namespace
