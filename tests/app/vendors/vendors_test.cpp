// The vendor list, form and pick list driven as a user drives them; what lands in the data files
// is read back with SQL.
#include "app/inventory/inventoryform.h"
#include "app/inventory/vendorsinventory.h"
#include "app/vendors/pickvendor.h"
#include "app/vendors/vendorform.h"
#include "app/vendors/vendors.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "tests/support/maintenance_support.h"

#include <QPushButton>
#include <QUrl>

namespace {

using maintenancetest::closeStarted;
using maintenancetest::procedureOf;
using maintenancetest::queryNumber;
using setuptest::type;
using setuptest::WhenShown;

void press(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

class VendorTest : public maintenancetest::WindowFolderTest
{
protected:
    static void addVendor(const char *account, const char *name, const char *email = "")
    {
        fw::ThreadContext::mainContext().makeCurrent();
        ASSERT_EQ(Access::VENDOR.Open(), dict::Benign);
        ASSERT_EQ(Access::VENDOR.PrimeRecord(), dict::Benign);
        VEN.ACCOUNTNO = account;
        VEN.VENDOR = name;
        VEN.EMAILADDRESS = email;
        ASSERT_EQ(Access::VENDOR.Insert(), dict::Benign);
        Access::VENDOR.Close();
    }
    static void addItem(const char *stockNo, const char *vendor)
    {
        fw::ThreadContext::mainContext().makeCurrent();
        ASSERT_EQ(Access::STOCK.Open(), dict::Benign);
        ASSERT_EQ(Access::STOCK.PrimeRecord(), dict::Benign);
        STO.STOCKNO = stockNo;
        STO.VENDOR = vendor;
        ASSERT_EQ(Access::STOCK.Insert(), dict::Benign);
        Access::STOCK.Close();
    }
    static double count(const std::string &where)
    {
        return queryNumber(dict::DatabasePath, "select count(*) from VENDOR where " + where);
    }
    static WhenShown onForm(std::function<void(const fw::Form &)> act)
    {
        return WhenShown("Update Vendor Records...", [act](QWidget *w) { act(procedureOf<Upd::Vendor>(w)->form()); });
    }
};

TEST_F(VendorTest, AVendorIsAddedWithItsNameAndAccountAndTheListFollowsTheHighlightedOne)
{
    addVendor("ACC-1", "Birch Mill", "sales@birch.example");
    addItem("OAK-1", "Birch Mill");
    std::vector<QUrl> opened;
    auto *list = new Brw::Vendors;
    list->openUrl = [&](const QUrl &url) {
        opened.push_back(url);
        return true;
    };
    list->Start();
    EXPECT_EQ(GLO.VENDORACCOUNTNO.str(), "ACC-1") << "the highlighted vendor, for the other procedures";
    EXPECT_TRUE(list->button(Brw::Vendors::Inventory)->isEnabled()) << "Birch Mill supplies OAK-1";
    EXPECT_FALSE(list->button(Brw::Vendors::Finance)->isEnabled()) << "nothing paid to it yet";
    press(list->button(Brw::Vendors::Email));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString(), "mailto:sales@birch.example");

    {
        auto form = onForm([&](const fw::Form &w) {
            EXPECT_EQ(w.caption()->text(), "Add New Vendor");
            type(w.entry(VEN.VENDOR), "Cedar Yard");
            screen.clear();
            press(w.ok()); // no account number: refused, the form stays
            EXPECT_FALSE(screen.shown().empty());
            type(w.entry(VEN.ACCOUNTNO), "ACC-2");
            press(w.ok());
        });
        press(list->widgets().insert);
    }
    EXPECT_EQ(count("ACCOUNTNO = 'ACC-2' AND VENDOR = 'Cedar Yard'"), 1);
    EXPECT_EQ(list->browse().Records(), 2u);
    setuptest::screenshot(list->window(), "vendor-list");
    closeStarted(list, list->widgets().close);
    EXPECT_TRUE(GLO.VENDORACCOUNTNO.blank()) << "cleared when the list closes";
}

TEST_F(VendorTest, TheInventoryFormTakesItsVendorFromThePickList)
{
    addVendor("ACC-1", "Birch Mill");
    addVendor("ACC-2", "Cedar Yard");
    auto pick = WhenShown("Select Vendor for Inventory...", [](QWidget *w) {
        auto *list = procedureOf<Brw::GetVendor>(w);
        list->widgets().tabs->setCurrentIndex(2); // by account number
        list->browse().ScrollEnd(1);
        press(list->widgets().select);
    });
    auto form = WhenShown("Update Inventory Items...", [](QWidget *w) {
        const fw::Form &f = procedureOf<Upd::Inventory>(w)->form();
        press(f.button(Upd::Inventory::Vendor));
        EXPECT_EQ(f.entry(STO.VENDOR)->text().trimmed(), "Cedar Yard");
        type(f.entry(STO.STOCKNO), "PINE-2");
        press(f.ok());
    });
    GlobalRequest = fw::InsertRecord;
    ASSERT_EQ(Access::STOCK.Open(), dict::Benign);
    Upd::Inventory inventory;
    inventory.Run();
    Access::STOCK.Close();
    EXPECT_EQ(queryNumber(dict::DatabasePath, "select count(*) from STOCK where STOCKNO = 'PINE-2' and VENDOR = 'Cedar Yard'"), 1);
}

} // namespace
