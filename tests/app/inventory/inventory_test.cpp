// The stock list, the stock-item form and the component list of special items, driven through
// their windows; what lands in STOCK, STSTREND and SPECIAL is read back with SQL.
#include "app/inventory/inventory.h"
#include "app/inventory/inventoryform.h"
#include "app/inventory/specialitems.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/browsemodel.h"
#include "tests/support/maintenance_support.h"
#include "tests/support/tidy.h"
#include "tests/support/modeltester.h"

#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include <fstream>
#include <functional>

using namespace dict;
using maintenancetest::closeStarted;
using maintenancetest::procedureOf;
using maintenancetest::queryNumber;
using setuptest::type;
using setuptest::WhenShown;

namespace
{

void press(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

class InventoryTest : public maintenancetest::WindowFolderTest
{
protected:
    static void addItem(const char *stockNo, double onHand, double cost = 0, double min = 0, const char *picture = "")
    {
        fw::ThreadContext::mainContext().makeCurrent();
        ASSERT_EQ(Access::STOCK.Open(), Benign);
        ASSERT_EQ(Access::STOCK.PrimeRecord(), Benign);
        STO.STOCKNO = stockNo;
        STO.AMOUNTINSTOCK = onHand;
        STO.COST = cost;
        STO.RETAIL = cost * 2;
        STO.MINAMOUNT = min;
        STO.ITEMPICTURE = picture;
        ASSERT_EQ(Access::STOCK.Insert(), Benign);
        Access::STOCK.Close();
    }
    static void addReceipt(const char *stockNo, double amount)
    {
        fw::ThreadContext::mainContext().makeCurrent();
        ASSERT_EQ(Access::STSTREND.Open(), Benign);
        ASSERT_EQ(Access::STSTREND.PrimeRecord(), Benign);
        STS.STOCKNO = stockNo;
        STS.DATERECEIVED = fw::today();
        STS.AMOUNTRECEIVED = amount;
        ASSERT_EQ(Access::STSTREND.Insert(), Benign);
        Access::STSTREND.Close();
    }
    static void addComponent(const char *owner, const char *part, double cost)
    {
        fw::ThreadContext::mainContext().makeCurrent();
        ASSERT_EQ(Access::SPECIAL.Open(), Benign);
        ASSERT_EQ(Access::SPECIAL.PrimeRecord(), Benign);
        SPE.STOCKNO = owner;
        SPE.STOCKNO1 = part;
        SPE.AMOUNT = 1;
        SPE.SINGLECOST = cost;
        SPE.COST = cost;
        ASSERT_EQ(Access::SPECIAL.Insert(), Benign);
        Access::SPECIAL.Close();
    }
    static Brw::Inventory *start()
    {
        auto *b = new Brw::Inventory;
        b->Start();
        testsupport::watchModel(b->browse().model());
        return b;
    }
    static void close(Brw::Inventory *b) { closeStarted(b, b->widgets().close); }
    static double stock(const std::string &select, const char *stockNo)
    {
        return queryNumber(dict::DatabasePath,
                           "select " + select + " from STOCK where STOCKNO='" + std::string(stockNo) + "'");
    }
    static double receipts(const std::string &where)
    {
        return queryNumber(dict::DatabasePath, "select count(*) from STSTREND where " + where);
    }
    static WhenShown onForm(std::function<void(Upd::Inventory &, const fw::Form &)> act)
    {
        return WhenShown("Update Inventory Items...", [act](QWidget *w) {
            auto *form = procedureOf<Upd::Inventory>(w);
            ASSERT_NE(form, nullptr);
            act(*form, form->form());
        });
    }
};

} // namespace

TEST_F(InventoryTest, AutoMarkUpPricesFromTheCostRoundedToTheCent)
{
    GLO.INVENTORYMARKUP = 35;
    Brw::Inventory *b = start();
    {
        auto form = onForm([&](Upd::Inventory &, const fw::Form &w) {
            EXPECT_TRUE(w.check(STO.INVENTORYMARKUP)->isChecked()) << "a new item starts with auto mark-up";
            type(w.entry(STO.STOCKNO), "W1");
            type(w.entry(STO.COST), "10");
            EXPECT_EQ(w.entry(STO.RETAIL)->text().trimmed(), "13.50");
            setuptest::screenshot(w.ok()->window(), "inventory-form");
            testsupport::expectTidy(w.ok()->window());
            press(w.ok());
        });
        press(b->widgets().insert);
    }
    EXPECT_DOUBLE_EQ(stock("RETAIL", "W1"), 13.5);
    GLO.INVENTORYMARKUP = 50;
    {
        auto form = onForm([&](Upd::Inventory &, const fw::Form &w) {
            type(w.entry(STO.STOCKNO), "W2");
            type(w.entry(STO.COST), "0.333");
            press(w.ok());
        });
        press(b->widgets().insert);
    }
    EXPECT_DOUBLE_EQ(stock("RETAIL", "W2"), 0.503) << "0.1665 rounds to 0.17, plus the unrounded cost";
    {
        auto form = onForm([&](Upd::Inventory &, const fw::Form &w) {
            type(w.entry(STO.STOCKNO), "W3");
            ASSERT_TRUE(w.flag(Upd::Inventory::Special)->isEnabled());
            setuptest::click(w.flag(Upd::Inventory::Special));
            EXPECT_FALSE(w.check(STO.INVENTORYMARKUP)->isChecked()) << "a special item takes its cost from its components";
            EXPECT_FALSE(w.check(STO.INVENTORYMARKUP)->isEnabled());
            press(w.ok());
        });
        press(b->widgets().insert);
    }
    EXPECT_EQ(stock("INVENTORYMARKUP", "W3"), 0);
    close(b);
}

TEST_F(InventoryTest, AddedStockIsRecordedOnceAndCancelTakesBackOnlyThatReceipt)
{
    addItem("A1", 10);
    addReceipt("A1", 7); // an earlier receipt today
    Brw::Inventory *b = start();
    {
        auto form = onForm([&](Upd::Inventory &, const fw::Form &w) {
            type(w.input(Upd::Inventory::AddStock), "5");
            type(w.input(Upd::Inventory::AddStock), "-2");
            EXPECT_EQ(w.entry(STO.AMOUNTINSTOCK)->text().trimmed().toDouble(), 13);
            press(w.ok());
        });
        press(b->widgets().change);
    }
    EXPECT_EQ(stock("AMOUNTINSTOCK", "A1"), 13);
    EXPECT_EQ(receipts("STOCKNO='A1' and AMOUNTRECEIVED=5"), 1) << "only the positive entry is a receipt";
    EXPECT_EQ(receipts("1"), 2);

    {
        auto form = onForm([&](Upd::Inventory &, const fw::Form &w) {
            type(w.input(Upd::Inventory::AddStock), "4");
            screen.answer(ButtonNo); // do not save
            press(w.cancel());
        });
        press(b->widgets().change);
    }
    EXPECT_EQ(stock("AMOUNTINSTOCK", "A1"), 13) << "cancelled: on hand unchanged";
    EXPECT_EQ(receipts("AMOUNTRECEIVED=4"), 0) << "the cancelled receipt is gone";
    EXPECT_EQ(receipts("AMOUNTRECEIVED=7"), 1) << "another receipt of the same day stays";
    EXPECT_EQ(receipts("AMOUNTRECEIVED=5"), 1);
    close(b);
}

TEST_F(InventoryTest, ClosingTheComponentListWritesTheirCostsIntoTheItem)
{
    addItem("KIT", 1, 99);
    addComponent("KIT", "P1", 2.00);
    addComponent("KIT", "P2", 3.50);
    addComponent("KIT", "P3", 1.25);
    addComponent("OTHER", "P1", 40);
    ASSERT_EQ(Relate::STOCK.Open(), Benign);
    STO.STOCKNO = "KIT";
    ASSERT_EQ(Access::STOCK.TryFetch(STO.StockNo_Key), Benign);
    Brw::InventorySpecialItems list;
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(list.info(Brw::InventorySpecialItems::TotalCost)->text(), "6.75");
        setuptest::screenshot(list.window(), "special-items");
        testsupport::expectTidy(list.window());
        press(list.widgets().close);
    });
    list.Run();
    Relate::STOCK.Close();
    EXPECT_DOUBLE_EQ(stock("COST", "KIT"), 6.75);
    EXPECT_DOUBLE_EQ(stock("COST", "OTHER"), -1) << "no such item: nothing written";
}

TEST_F(InventoryTest, NegativeQuantitiesLettersAndBlankStockNumbersAreRefused)
{
    addItem("A1", 10, 1, 2);
    Brw::Inventory *b = start();
    {
        auto form = onForm([&](Upd::Inventory &, const fw::Form &w) {
            type(w.entry(STO.MINAMOUNT), "-3");
            EXPECT_EQ(w.entry(STO.MINAMOUNT)->text().trimmed().toDouble(), 2) << "the field keeps its value";
            type(w.entry(STO.COST), "abc");
            type(w.entry(STO.STOCKNO), "");
            press(w.ok());
            QCoreApplication::processEvents();
            EXPECT_TRUE(w.entry(STO.STOCKNO)->hasFocus());
            screen.answer(ButtonNo);
            press(w.cancel());
        });
        press(b->widgets().change);
    }
    const std::vector<std::string> shown = texts();
    EXPECT_NE(std::find(shown.begin(), shown.end(), "Min ReOrder cannot be less than 0."), shown.end());
    EXPECT_NE(std::find(titles().begin(), titles().end(), "Invalid Entry"), titles().end());
    EXPECT_NE(std::find(shown.begin(), shown.end(), "Please enter a Stock # before saving the Inventory Item!"),
              shown.end());
    EXPECT_EQ(stock("MINAMOUNT", "A1"), 2);
    EXPECT_EQ(stock("COST", "A1"), 1);
    close(b);
}

TEST_F(InventoryTest, APictureThatIsNotAnImageIsRefusedAndAMissingOneShowsANote)
{
    std::filesystem::create_directories("pictures");
    std::ofstream("pictures/notes.jpg") << "this is text, not a picture";
    addItem("A1", 1, 1, 0, "gone.png");
    Brw::Inventory *b = start();
    {
        auto form = onForm([&](Upd::Inventory &f, const fw::Form &w) {
            EXPECT_TRUE(qobject_cast<QLabel *>(w.custom(Upd::Inventory::Picture))->pixmap().isNull());
            EXPECT_EQ(qobject_cast<QLabel *>(w.custom(Upd::Inventory::PictureNote))->text(), "Picture not found: gone.png");
            f.choosePicture = [](QWidget *, const QString &) { return QString("pictures/notes.jpg"); };
            press(w.button(Upd::Inventory::PictureButton));
            press(w.ok());
        });
        press(b->widgets().change);
    }
    EXPECT_EQ(titles().front(), "Picture Not Changed");
    EXPECT_EQ(queryNumber(dict::DatabasePath, "select count(*) from STOCK where ITEMPICTURE='gone.png'"), 1);
    close(b);
}

TEST_F(InventoryTest, RowsAtOrBelowTheReorderLevelAreRedAndTotalsNeedStockOnHand)
{
    addItem("A1", 0, 5, 0);
    addItem("B1", 3, 5, 2);
    GLO.REDLINEINVENTORY = 1;
    Brw::Inventory *b = start();
    auto foreground = [&](int row) {
        return b->browse().model()->data(b->browse().model()->index(row, 2), Qt::ForegroundRole);
    };
    EXPECT_EQ(foreground(0).value<QColor>(), QColor(0xFF, 0, 0)) << "0 on hand at re-order point 0";
    EXPECT_FALSE(foreground(1).isValid());
    EXPECT_EQ(b->info(Brw::Inventory::TotalCost)->text(), "0.00") << "nothing on hand: no stock value";
    EXPECT_EQ(b->info(Brw::Inventory::Total1)->text(), "0.00");
    QTest::keyClick(b->widgets().list->view(), Qt::Key_Down);
    EXPECT_EQ(b->info(Brw::Inventory::TotalCost)->text(), "15.00");
    EXPECT_EQ(b->info(Brw::Inventory::Total1)->text(), "30.00");
    setuptest::screenshot(b->window(), "inventory-browse");
    testsupport::expectTidy(b->window());
    close(b);
}

TEST_F(InventoryTest, StockBelowZeroShowsAsItIsButCountsNoValue)
{
    addItem("N1", -4, 5);
    Brw::Inventory *b = start();
    EXPECT_EQ(b->info(Brw::Inventory::OnHand)->text(), "-4.00") << "a shortage is shown, never hidden as 0";
    EXPECT_EQ(b->info(Brw::Inventory::TotalCost)->text(), "0.00");
    close(b);
}

TEST_F(InventoryTest, ASecondItemWithTheSameStockNumberIsSavedOnlyWhenTheUserAgrees)
{
    addItem("DUP", 1, 2);
    Brw::Inventory *b = start();
    for (const int answer : {ButtonNo, ButtonYes}) {
        auto form = onForm([&](Upd::Inventory &, const fw::Form &w) {
            type(w.entry(STO.STOCKNO), "DUP");
            screen.answer(answer);
            press(w.ok());
            if (answer == ButtonNo) {
                EXPECT_TRUE(w.ok()->isVisible()) << "No keeps the form open";
                screen.answer(ButtonNo); // "Save Record"
                press(w.cancel());
            }
        });
        press(b->widgets().insert);
    }
    EXPECT_EQ(titles().front(), "Stock # Already Used");
    EXPECT_EQ(texts().front(), "Another item already has the Stock # DUP. Save this item with the same Stock # anyway?");
    EXPECT_EQ(queryNumber(dict::DatabasePath, "select count(*) from STOCK where STOCKNO='DUP'"), 2);
    close(b);
}
