// The customer and stock pick lists of the invoice forms, called as the forms call them: what a
// pick leaves in the record buffer and answers, the locators of every order, the out-of-stock
// refusal, the item panel, the password gate and the remembered tab.
#include "app/setup/passwordhash.h"
#include "app/customers/customerform.h"
#include "app/inventory/inventoryform.h"
#include "app/invoices/pickcustomer.h"
#include "app/invoices/pickinventory.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "tests/support/maintenance_support.h"
#include "tests/support/modeltester.h"
#include "tests/support/tidy.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>

#include <algorithm>
#include <functional>

using namespace dict;
using maintenancetest::procedureOf;
using setuptest::type;
using setuptest::WhenShown;

namespace {

void press(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

struct Item {
    const char *stockNo, *partNo, *category, *description;
    double onHand = 5;
};

class PickListTest : public maintenancetest::WindowFolderTest
{
protected:
    static void addCustomer(const char *number, const char *last, const char *company)
    {
        fw::ThreadContext::mainContext().makeCurrent();
        ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
        ASSERT_EQ(Access::CUSTOMER.PrimeRecord(), Benign);
        CUS.CUSTOMERNO = number;
        CUS.LNAME = last;
        CUS.COMPANY = company;
        ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
        Access::CUSTOMER.Close();
    }
    static void addCustomers()
    {
        addCustomer("A100", "Young", "Zeta Corp");
        addCustomer("B200", "Adams", "Midway Ltd");
        addCustomer("C300", "Moore", "Acme Tools");
        addCustomer("D400", "Baker", "Northwind");
    }
    static void addItem(const Item &item, std::function<void()> more = {})
    {
        fw::ThreadContext::mainContext().makeCurrent();
        ASSERT_EQ(Access::STOCK.Open(), Benign);
        ASSERT_EQ(Access::STOCK.PrimeRecord(), Benign);
        STO.STOCKNO = item.stockNo;
        STO.PARTNO = item.partNo;
        STO.CATAGORY = item.category;
        STO.DESCRIPTION = item.description;
        STO.AMOUNTINSTOCK = item.onHand;
        if (more)
            more();
        ASSERT_EQ(Access::STOCK.Insert(), Benign);
        Access::STOCK.Close();
    }
    static void addItems()
    {
        addItem({"BOLT-10", "P-900", "HARDWARE", "Bolt ten mm"});
        addItem({"NUT-5", "P-100", "FASTENER", "Nut five mm"});
        addItem({"WASHER", "P-500", "TOOLS", "Anchor washer"});
        addItem({"CLAMP", "P-300", "ADHESIVE", "Clamp small"});
    }

    // Calls the pick list as a form does, driving it once it shows; returns its answer.
    template <class Pick>
    static int pick(Pick &list, std::function<void()> drive)
    {
        QTimer::singleShot(0, &list, [&list, drive] {
            testsupport::watchModel(list.browse().model());
            drive();
        });
        GlobalRequest = fw::SelectRecord;
        return list.Run();
    }
    // Moves the list by typing into the locator of tab `tab`, then selects.
    template <class Pick>
    static int locateAndSelect(int tab, const char *typed)
    {
        Pick list;
        return pick(list, [&] {
            list.widgets().tabs->setCurrentIndex(tab);
            type(list.widgets().locator, typed);
            press(list.widgets().select);
        });
    }
    int whoops() const
    {
        const std::vector<std::string> shown = titles();
        return static_cast<int>(std::count(shown.begin(), shown.end(), "Whoops..."));
    }
};

// A password prompt that cancels, or one that gives the right password.
WhenShown passwordPrompt(bool right)
{
    return WhenShown("Password Needed", [right](QWidget *w) {
        if (right)
            type(w->findChild<QLineEdit *>(), "s3cret");
        setuptest::click(setuptest::childWithText<QPushButton>(w, right ? "Ok..." : "Cancel"));
    });
}

void protectChanges()
{
    GLO.PASSWORDHASH = app::hashPassword("s3cret");
    GLO.PASSWORDCHANGE = 1;
}

} // namespace

// --- Brw:GetCustomer ------------------------------------------------------------------------

TEST_F(PickListTest, SelectLeavesTheHighlightedCustomerInTheBufferAndAnswersCompleted)
{
    addCustomers();
    Brw::GetCustomer list;
    QString title, selectText;
    const int answer = pick(list, [&] {
        title = list.window()->windowTitle();
        selectText = list.widgets().select->text();
        setuptest::screenshot(list.window(), "pick-customer");
        testsupport::expectTidy(list.window());
        QTest::keyClick(list.widgets().list->view(), Qt::Key_Down);
        press(list.widgets().select);
    });
    EXPECT_EQ(answer, fw::RequestCompleted);
    EXPECT_EQ(GlobalResponse, fw::RequestCompleted);
    EXPECT_EQ(CUS.CUSTOMERNO.view(), "B200");
    EXPECT_EQ(CUS.COMPANY.view(), "Midway Ltd") << "the whole record, not only the shown columns";
    EXPECT_EQ(title, "Select Customer for Invoice...");
    EXPECT_EQ(selectText, "&Select");
}

TEST_F(PickListTest, CancelAndEscapeAnswerCancelled)
{
    addCustomers();
    Brw::GetCustomer byButton;
    EXPECT_EQ(pick(byButton, [&] { press(byButton.widgets().close); }), fw::RequestCancelled);
    EXPECT_EQ(byButton.widgets().close->text(), "Cancel");
    EXPECT_EQ(GlobalResponse, fw::RequestCancelled);

    addItems();
    Brw::GetInventory byKey;
    EXPECT_EQ(pick(byKey, [&] { QTest::keyClick(byKey.widgets().list->view(), Qt::Key_Escape); }),
              fw::RequestCancelled);
}

TEST_F(PickListTest, EachCustomerOrdersLocatorFindsItsCustomer)
{
    addCustomers();
    const struct {
        int tab;
        const char *typed, *found;
    } cases[] = {{0, "c", "C300"}, {1, "you", "A100"}, {2, "mid", "B200"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(locateAndSelect<Brw::GetCustomer>(c.tab, c.typed), fw::RequestCompleted);
        EXPECT_EQ(CUS.CUSTOMERNO.view(), c.found);
    }
}

TEST_F(PickListTest, ACustomerAddedInThePickListCanBeSelectedAtOnce)
{
    addCustomers();
    Brw::GetCustomer list;
    const int answer = pick(list, [&] {
        WhenShown form("Update the Customer File", [](QWidget *w) {
            const fw::Form &f = procedureOf<Upd::Customer>(w)->form();
            type(f.entry(CUS.CUSTOMERNO), "Q500");
            type(f.entry(CUS.LNAME), "Quinn");
            press(f.ok());
        });
        press(list.widgets().insert);
        EXPECT_EQ(form.seen(), 1);
        press(list.widgets().select);
    });
    EXPECT_EQ(answer, fw::RequestCompleted);
    EXPECT_EQ(CUS.CUSTOMERNO.view(), "Q500") << "the new customer is the highlighted one";
}

// --- Brw:GetInventory -----------------------------------------------------------------------

TEST_F(PickListTest, EachStockOrdersLocatorFindsItsItem)
{
    addItems();
    const struct {
        int tab;
        const char *typed, *found;
    } cases[] = {{0, "nu", "NUT-5"}, {1, "p-5", "WASHER"}, {2, "ha", "BOLT-10"}, {3, "cl", "CLAMP"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(locateAndSelect<Brw::GetInventory>(c.tab, c.typed), fw::RequestCompleted);
        EXPECT_EQ(STO.STOCKNO.view(), c.found);
    }
}

TEST_F(PickListTest, WithSellingProhibitedOnlyAnItemWithNothingOnHandIsRefused)
{
    addItem({"ZERO", "", "", "", 0});
    addItem({"NEG", "", "", "", -2});
    addItem({"DUST", "", "", "", 0.3 - 0.1 - 0.2}); // nothing left, up to rounding
    addItem({"FEW", "", "", "", 1});
    const struct {
        int prohibit;
        const char *stockNo;
        int answer;
    } cases[] = {
        {1, "ZERO", fw::RequestCancelled}, {1, "DUST", fw::RequestCancelled}, {1, "NEG", fw::RequestCompleted},
        {1, "FEW", fw::RequestCompleted},  {0, "ZERO", fw::RequestCompleted},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.stockNo) + (c.prohibit ? " prohibited" : " allowed"));
        GLO.PROHIBITSELLING = static_cast<BYTE>(c.prohibit);
        const int before = whoops();
        EXPECT_EQ(locateAndSelect<Brw::GetInventory>(0, c.stockNo), c.answer);
        EXPECT_EQ(GlobalResponse, c.answer);
        EXPECT_EQ(whoops() - before, c.answer == fw::RequestCancelled ? 1 : 0);
        if (c.answer == fw::RequestCompleted)
            EXPECT_EQ(STO.STOCKNO.view(), c.stockNo);
    }
    EXPECT_EQ(texts().back(), "This Item is Out of Stock; Please select another Item!");
}

TEST_F(PickListTest, ThePanelShowsTheItemWithThePriceNamesOfTheSetup)
{
    addItem({"BOLT-10", "P-900", "HARDWARE", "Bolt ten mm", 7}, [] {
        STO.LOCATION = "Shelf 4";
        STO.PACKAGESIZE = "Box";
        STO.COST = 12.3456;
        STO.RETAIL = 20;
        STO.RETAIL2 = 18.5;
        STO.RETAIL3 = 15.25;
    });
    GLO.PRICE1 = "Retail";
    GLO.PRICE2 = "Dealer";
    GLO.PRICE3 = "Bulk";
    Brw::GetInventory named;
    pick(named, [&] {
        const fw::BrowseWidgets &w = named.widgets();
        const Brw::GetInventory &g = named;
        EXPECT_EQ(g.infoPrompt(Brw::GetInventory::Price1)->text(), "Retail:");
        EXPECT_EQ(g.infoPrompt(Brw::GetInventory::Price2)->text(), "Dealer:");
        EXPECT_EQ(g.infoPrompt(Brw::GetInventory::Price3)->text(), "Bulk:");
        EXPECT_EQ(g.info(Brw::GetInventory::Location)->text(), "Shelf 4");
        EXPECT_EQ(g.info(Brw::GetInventory::Unit)->text(), "Box");
        EXPECT_EQ(g.info(Brw::GetInventory::OnHand)->text(), "7.00");
        EXPECT_EQ(g.info(Brw::GetInventory::Cost)->text(), "12.346") << "the cost shows three decimals";
        EXPECT_EQ(g.info(Brw::GetInventory::Price1)->text(), "20.00");
        EXPECT_EQ(g.info(Brw::GetInventory::Price2)->text(), "18.50");
        EXPECT_EQ(g.info(Brw::GetInventory::Price3)->text(), "15.25");
        setuptest::screenshot(named.window(), "pick-inventory");
        testsupport::expectTidy(named.window());
        press(w.close);
    });

    GLO.PRICE1 = ""; // without a first name the other two are not used either
    Brw::GetInventory plain;
    pick(plain, [&] {
        const fw::BrowseWidgets &w = plain.widgets();
        const Brw::GetInventory &g = plain;
        EXPECT_EQ(g.infoPrompt(Brw::GetInventory::Price1)->text(), "Price 1:");
        EXPECT_EQ(g.infoPrompt(Brw::GetInventory::Price2)->text(), "Price 2:");
        EXPECT_EQ(g.infoPrompt(Brw::GetInventory::Price3)->text(), "Price 3:");
        press(w.close);
    });
}

// --- both -----------------------------------------------------------------------------------

TEST_F(PickListTest, ChangeAsksForThePasswordInBothPickLists)
{
    addCustomers();
    addItems();
    protectChanges();
    int forms = 0;
    WhenShown customerForm("Update the Customer File", [&](QWidget *w) {
        ++forms;
        press(procedureOf<Upd::Customer>(w)->form().cancel());
    });
    WhenShown stockForm("Update Inventory Items...", [&](QWidget *w) {
        ++forms;
        press(procedureOf<Upd::Inventory>(w)->form().cancel());
    });
    auto tryChange = [&](auto &list) {
        return pick(list, [&] {
            {
                WhenShown refused = passwordPrompt(false);
                press(list.widgets().change);
                EXPECT_EQ(refused.seen(), 1);
                EXPECT_EQ(forms, 0) << "a cancelled prompt opens no form";
            }
            WhenShown given = passwordPrompt(true);
            press(list.widgets().change);
            EXPECT_EQ(forms, 1) << "the right password opens the form";
            press(list.widgets().close);
        });
    };
    Brw::GetCustomer customers;
    EXPECT_EQ(tryChange(customers), fw::RequestCancelled);
    forms = 0;
    Brw::GetInventory stock;
    EXPECT_EQ(tryChange(stock), fw::RequestCancelled);
}

TEST_F(PickListTest, TheTabComesBackInTheNextOpening)
{
    addCustomers();
    addItems();
    auto leaveOnTab = [](auto &list, int tab) {
        pick(list, [&] {
            list.widgets().tabs->setCurrentIndex(tab);
            press(list.widgets().close);
        });
    };
    auto reopened = [](auto &list, int *tab, QString *prompt) {
        pick(list, [&] {
            *tab = list.widgets().tabs->currentIndex();
            *prompt = list.widgets().locatorPrompt->text();
            press(list.widgets().close);
        });
    };
    int tab = -1;
    QString prompt;
    {
        Brw::GetCustomer first, second;
        leaveOnTab(first, 2);
        EXPECT_EQ(settings().Fetch("Brw:GetCustomer", "TabChoice"), "3");
        reopened(second, &tab, &prompt);
        EXPECT_EQ(tab, 2);
        EXPECT_EQ(prompt, "Search Company:");
    }
    {
        Brw::GetInventory first, second;
        leaveOnTab(first, 3);
        EXPECT_EQ(settings().Fetch("Brw:GetInventory", "TabChoice"), "4");
        reopened(second, &tab, &prompt);
        EXPECT_EQ(tab, 3);
        EXPECT_EQ(prompt, "Search by Description:");
    }
}
