// The vendor's inventory list: only that vendor's items, picked in select mode.
#include "app/inventory/vendorsinventory.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/browsemodel.h"
#include "tests/support/maintenance_support.h"
#include "tests/support/modeltester.h"

#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace dict;

namespace {

class VendorsInventoryTest : public maintenancetest::WindowFolderTest
{
protected:
    void SetUp() override
    {
        WindowFolderTest::SetUp();
        ASSERT_EQ(Access::STOCK.Open(), Benign);
        const std::pair<const char *, const char *> items[] = {
            {"BOLT", "ACME"}, {"NUT", "Other Co"}, {"SCREW", "ACME"}, {"WASHER", "Other Co"}};
        for (const auto &[stock, vendor] : items) {
            ASSERT_EQ(Access::STOCK.PrimeRecord(), Benign);
            STO.STOCKNO = stock;
            STO.DESCRIPTION = std::string(stock) + " item";
            STO.VENDOR = vendor;
            ASSERT_EQ(Access::STOCK.Insert(), Benign) << stock;
        }
        Access::STOCK.Close();
    }
};

} // namespace

TEST_F(VendorsInventoryTest, ListsOnlyTheVendorsItemsAndReturnsThePickedOne)
{
    VEN.VENDOR = "ACME";
    Brw::VendorsInventory list;
    QTimer::singleShot(0, &list, [&] {
        testsupport::watchModel(list.browse().model());
        EXPECT_TRUE(list.widgets().select->isVisible());
        EXPECT_EQ(list.browse().Records(), 2u);
        EXPECT_EQ(list.browse().model()->text(0, 0).toStdString(), "BOLT");
        QTest::keyClick(list.widgets().list->view(), Qt::Key_Down);
        list.widgets().select->click();
    });
    GlobalRequest = fw::SelectRecord;
    EXPECT_EQ(list.Run(), fw::RequestCompleted);
    EXPECT_EQ(STO.STOCKNO.view(), "SCREW");
}
