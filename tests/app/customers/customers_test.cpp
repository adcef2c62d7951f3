// The customer list and form, driven as a user drives them: typing, clicking, pressing Ok; what
// lands in the data files is read back with SQL.
#include "app/setup/passwordhash.h"
#include "app/customers/customerform.h"
#include "app/customers/customers.h"
#include "dictionary/fieldaccess.h"
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
#include <QMainWindow>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>

#include <functional>
#include <utility>

using namespace dict;
using maintenancetest::closeStarted;
using maintenancetest::procedureOf;
using maintenancetest::queryNumber;
using setuptest::type;

// A real click: the window takes it as a user's, in its own records.
void press(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

using setuptest::WhenShown;

namespace
{

const QString FormTitle = "Update the Customer File";

class CustomerTest : public maintenancetest::WindowFolderTest
{
protected:
    void TearDown() override
    {
        GLO.CUSTOMERNO.clear();
        maintenancetest::WindowFolderTest::TearDown();
    }
    // A stored customer, written in the main context.
    static void addCustomer(const char *number, const char *last, double balance = 0, const char *email = "",
                            bool finance = false)
    {
        fw::ThreadContext::mainContext().makeCurrent();
        ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
        ASSERT_EQ(Access::CUSTOMER.PrimeRecord(), Benign);
        CUS.CUSTOMERNO = number;
        CUS.LNAME = last;
        CUS.BALANCE = balance;
        CUS.EMAILADDRESS = email;
        CUS.FINANCEPRESENT = finance;
        ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
        Access::CUSTOMER.Close();
    }
    static Brw::Customers *start()
    {
        auto *browse = new Brw::Customers;
        browse->openUrl = [](const QUrl &url) {
            opened().push_back(url);
            return true;
        };
        browse->Start();
        testsupport::watchModel(browse->browse().model());
        return browse;
    }
    static std::vector<QUrl> &opened()
    {
        static std::vector<QUrl> urls;
        return urls;
    }
    static void close(Brw::Customers *b) { closeStarted(b, b->widgets().close); }
    static double count(const std::string &where)
    {
        return queryNumber(dict::DatabasePath, "select count(*) from CUSTOMER where " + where);
    }
    static QString column(Brw::Customers *b, int row, int col) { return b->browse().model()->text(row, col); }
    // Drives the customer form that the next action opens.
    static WhenShown onForm(std::function<void(Upd::Customer &, const fw::Form &)> act)
    {
        return WhenShown(FormTitle, [act](QWidget *w) {
            auto *form = procedureOf<Upd::Customer>(w);
            ASSERT_NE(form, nullptr);
            act(*form, form->form());
        });
    }
};

} // namespace

TEST_F(CustomerTest, ALastNameAloneGivesTheNumberFromItsInitialAndTheRecordNumber)
{
    for (const char *n : {"C001", "C002", "C003", "C004"})
        addCustomer(n, "Other");
    Brw::Customers *b = start();
    QString shown;
    {
        auto form = onForm([&](Upd::Customer &, const fw::Form &w) {
            type(w.entry(CUS.LNAME), "smith");
            shown = w.entry(CUS.CUSTOMERNO)->text();
            press(w.ok());
        });
        press(b->widgets().insert);
    }
    EXPECT_EQ(shown, "S0005") << "the number shows as soon as the name is typed";
    EXPECT_EQ(count("CUSTOMERNO='S0005' and LNAME='smith' and TERMS='Cash'"), 1);

    {
        auto company = onForm([&](Upd::Customer &, const fw::Form &w) {
            type(w.entry(CUS.COMPANY), "acme tools");
            press(w.ok());
        });
        press(b->widgets().insert);
    }
    EXPECT_EQ(count("CUSTOMERNO='AC006' and COMPANY='acme tools'"), 1) << "no last name: the company's two letters";

    {
        auto typed = onForm([&](Upd::Customer &, const fw::Form &w) {
            type(w.entry(CUS.CUSTOMERNO), "MINE1");
            type(w.entry(CUS.LNAME), "Jones");
            press(w.ok());
        });
        press(b->widgets().insert);
    }
    EXPECT_EQ(count("CUSTOMERNO='MINE1' and LNAME='Jones'"), 1) << "a typed number is kept";
    close(b);
}

TEST_F(CustomerTest, SavingWithoutANumberIsRefusedAndNothingIsStored)
{
    addCustomer("C001", "Adams");
    Brw::Customers *b = start();
    QString cancelText;
    bool focusOnNumber = false;
    {
        auto form = onForm([&](Upd::Customer &, const fw::Form &w) {
            type(w.entry(CUS.PHONENO), "555-1234");
            press(w.ok());
            QCoreApplication::processEvents();
            cancelText = w.cancel()->text();
            focusOnNumber = w.entry(CUS.CUSTOMERNO)->hasFocus();
            screen.answer(ButtonNo); // do not save the changes
            press(w.cancel());
        });
        press(b->widgets().insert);
        EXPECT_EQ(form.seen(), 1);
    }
    ASSERT_FALSE(titles().empty());
    EXPECT_NE(std::find(titles().begin(), titles().end(), "Pardon me..."), titles().end());
    EXPECT_NE(std::find(texts().begin(), texts().end(), "Please enter a Customer before trying to save!"),
              texts().end());
    EXPECT_EQ(cancelText, "&Close");
    EXPECT_TRUE(focusOnNumber);
    EXPECT_EQ(count("1"), 1) << "only the customer stored before; the reserved record is gone";
    close(b);
}

TEST_F(CustomerTest, ADuplicateNumberIsRefusedNamingTheKeyAndTheFormKeepsItsValues)
{
    addCustomer("C001", "Adams");
    Brw::Customers *b = start();
    QString lastNameAfter;
    {
        auto form = onForm([&](Upd::Customer &, const fw::Form &w) {
            type(w.entry(CUS.CUSTOMERNO), "C001");
            type(w.entry(CUS.LNAME), "Jones");
            type(w.entry(CUS.CITY), "Springfield");
            press(w.ok());
            QCoreApplication::processEvents();
            lastNameAfter = w.entry(CUS.LNAME)->text();
            type(w.entry(CUS.CUSTOMERNO), "C002");
            press(w.ok());
        });
        press(b->widgets().insert);
    }
    ASSERT_FALSE(texts().empty());
    const std::string refusal = texts().front();
    EXPECT_EQ(titles().front(), "Duplicate Key Error");
    EXPECT_NE(refusal.find("CustomerNo_Key"), std::string::npos) << refusal;
    EXPECT_EQ(lastNameAfter, "Jones");
    EXPECT_EQ(count("CUSTOMERNO='C001' and LNAME='Adams'"), 1) << "the stored customer is untouched";
    EXPECT_EQ(count("CUSTOMERNO='C002' and LNAME='Jones' and CITY='Springfield'"), 1);
    close(b);
}

TEST_F(CustomerTest, ChangingANumberCarriesItIntoInvoicesCreditMemosPaymentsAndLines)
{
    addCustomer("C001", "Adams");
    addCustomer("C002", "Baker");
    ASSERT_EQ(Relate::CUSTOMER.Open(), Benign);
    const std::pair<FileManager *, FieldRef> customerNumbers[] = {
        {&Access::INVOICE, field(INV.CUSTOMERNO)},     {&Access::CREDIT, field(CRE.CUSTOMERNO)},
        {&Access::FINANCE, field(FIN.CUSTOMERNO)},     {&Access::DESCRIPTION, field(DES.CUSTOMERNO)},
        {&Access::CRSCRIPTION, field(CRS.CUSTOMERNO)}};
    for (const auto &[file, customerNo] : customerNumbers) {
        for (const char *customer : {"C001", "C001", "C002"}) {
            ASSERT_EQ(file->PrimeRecord(), Benign);
            setString(*customerNo.def, file->Buffer().bytes, customer);
            ASSERT_EQ(file->Insert(), Benign) << file->GetName();
        }
    }
    Relate::CUSTOMER.Close();

    Brw::Customers *b = start();
    {
        auto form = onForm([&](Upd::Customer &, const fw::Form &w) {
            type(w.entry(CUS.CUSTOMERNO), "A001");
            press(w.ok());
        });
        press(b->widgets().change); // C001 is highlighted
    }
    EXPECT_EQ(count("CUSTOMERNO='A001' and LNAME='Adams'"), 1);
    for (FileManager *file :
         {&Access::INVOICE, &Access::CREDIT, &Access::FINANCE, &Access::DESCRIPTION, &Access::CRSCRIPTION}) {
        const std::string table = file->Def().name;
        const char *path = dict::DatabasePath;
        EXPECT_EQ(queryNumber(path, "select count(*) from " + table + " where CUSTOMERNO='A001'"), 2) << table;
        EXPECT_EQ(queryNumber(path, "select count(*) from " + table + " where CUSTOMERNO='C001'"), 0) << table;
        EXPECT_EQ(queryNumber(path, "select count(*) from " + table + " where CUSTOMERNO='C002'"), 1) << table;
    }
    close(b);
}

TEST_F(CustomerTest, RowsOfCustomersWhoOweAreRedWhenTheSettingIsOn)
{
    addCustomer("C001", "Owes", 0.01);
    addCustomer("C002", "Even", 0);
    addCustomer("C003", "Credit", -5);
    const QColor red(0xFF, 0, 0);
    auto foreground = [](Brw::Customers *b, int row) {
        return b->browse().model()->data(b->browse().model()->index(row, 0), Qt::ForegroundRole);
    };
    GLO.REDLINECUSTOMER = 1;
    Brw::Customers *b = start();
    EXPECT_EQ(foreground(b, 0).value<QColor>(), red);
    EXPECT_FALSE(foreground(b, 1).isValid()) << "a balance of 0 is not red";
    EXPECT_FALSE(foreground(b, 2).isValid()) << "a credit is not red";
    setuptest::screenshot(b->window(), "customers-browse");
    testsupport::expectTidy(b->window());
    close(b);

    GLO.REDLINECUSTOMER = 0;
    b = start();
    EXPECT_FALSE(foreground(b, 0).isValid()) << "setting off: no red lines";
    close(b);
}

TEST_F(CustomerTest, ABalanceChangedByAnotherStationShowsInTheOpenListWithItsRedLine)
{
    addCustomer("C001", "Adams");
    addCustomer("C002", "Baker");
    GLO.REDLINECUSTOMER = 1;
    Brw::Customers *b = start();
    const auto foreground = [b] { return b->browse().model()->data(b->browse().model()->index(0, 0), Qt::ForegroundRole); };
    EXPECT_FALSE(foreground().isValid());

    ASSERT_EQ(testsupport::runWorker(folder, {"set-balance", "C001", "75"}).status, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return b->info(Brw::Customers::Balance)->text() == "75.00"; }, 3000))
        << "the highlighted customer's balance, after the next look at the file";
    EXPECT_EQ(foreground().value<QColor>(), QColor(0xFF, 0, 0)) << "the row is red now that the customer owes";
    GLO.REDLINECUSTOMER = 0;
    close(b);
}

TEST_F(CustomerTest, ChangeAndDeleteAskForThePasswordAndAddNever)
{
    addCustomer("C001", "Adams");
    GLO.PASSWORDHASH = app::hashPassword("s3cret");
    GLO.PASSWORDCHANGE = 1;
    GLO.PASSWORDDELETE = 1;
    Brw::Customers *b = start();
    int forms = 0;
    {
        auto form = onForm([&](Upd::Customer &, const fw::Form &w) {
            ++forms;
            press(w.cancel());
        });
        {
            WhenShown prompt("Password Needed",
                             [](QWidget *w) { setuptest::click(setuptest::childWithText<QPushButton>(w, "Cancel")); });
            press(b->widgets().change);
            EXPECT_EQ(prompt.seen(), 1);
            EXPECT_EQ(forms, 0) << "a cancelled prompt opens no form";
            press(b->widgets().remove);
            EXPECT_EQ(prompt.seen(), 2);
            EXPECT_EQ(count("CUSTOMERNO='C001'"), 1) << "nor deletes";
            press(b->widgets().insert);
            EXPECT_EQ(prompt.seen(), 2) << "Add never asks";
            EXPECT_EQ(forms, 1);
        }
        {
            WhenShown prompt("Password Needed", [](QWidget *w) {
                type(w->findChild<QLineEdit *>(), "s3cret");
                setuptest::click(setuptest::childWithText<QPushButton>(w, "Ok..."));
            });
            press(b->widgets().change);
            EXPECT_EQ(forms, 2) << "the right password opens the form";
        }
        GLO.PASSWORDHASH.clear();
        press(b->widgets().change);
        EXPECT_EQ(forms, 3) << "without a password there is no prompt";
    }
    close(b);
}

TEST_F(CustomerTest, TheHighlightSetsTheCustomerNumberAndTheEmailAndFinanceButtons)
{
    addCustomer("C001", "Adams", 12.5, "pat o'neil+shop@example.com", true);
    addCustomer("C002", "Baker");
    Brw::Customers *b = start();
    EXPECT_EQ(GLO.CUSTOMERNO.view(), "C001");
    EXPECT_TRUE(b->button(Brw::Customers::Email)->isEnabled());
    EXPECT_TRUE(b->button(Brw::Customers::Finance)->isEnabled());
    EXPECT_EQ(b->info(Brw::Customers::Balance)->text(), "12.50");

    opened().clear();
    press(b->button(Brw::Customers::Email));
    ASSERT_EQ(opened().size(), 1u);
    EXPECT_EQ(opened().front().scheme(), "mailto");
    EXPECT_EQ(opened().front().toEncoded(), "mailto:pat%20o'neil+shop@example.com");

    press(b->button(Brw::Customers::Finance));
    QWidget *history = setuptest::openWindow("Customers Credit/Debits...");
    ASSERT_NE(history, nullptr) << "the finance history opens";
    history->close();

    QTest::keyClick(b->widgets().list->view(), Qt::Key_Down);
    EXPECT_EQ(GLO.CUSTOMERNO.view(), "C002");
    EXPECT_FALSE(b->button(Brw::Customers::Email)->isEnabled()) << "no address";
    EXPECT_FALSE(b->button(Brw::Customers::Finance)->isEnabled()) << "no finance records";
    close(b);
    EXPECT_TRUE(GLO.CUSTOMERNO.blank()) << "closing clears the number";
}

TEST_F(CustomerTest, SortTabsPutTheirColumnFirstAndTheLocatorPositionsTheList)
{
    addCustomer("C001", "Young");
    addCustomer("C002", "Adams");
    addCustomer("C003", "Moore");
    Brw::Customers *b = start();
    EXPECT_EQ(b->widgets().tabs->count(), 6);
    EXPECT_EQ(b->widgets().tabs->tabText(3), "City and &State");
    EXPECT_EQ(b->widgets().locatorPrompt->text(), "Search Customer #:");
    b->context()->makeCurrent();
    b->widgets().tabs->setCurrentIndex(1);
    EXPECT_EQ(b->browse().model()->headerData(0, Qt::Horizontal).toString(), "Last Name");
    EXPECT_EQ(column(b, 0, 0), "Adams");
    EXPECT_EQ(b->widgets().locatorPrompt->text(), "Search Last Name:");
    type(b->widgets().locator, "mo");
    EXPECT_EQ(GLO.CUSTOMERNO.view(), "C003");
    b->context()->makeCurrent();
    b->widgets().tabs->setCurrentIndex(3);
    EXPECT_FALSE(b->widgets().locator->isVisible()) << "city and state has no locator entry";
    close(b);

    EXPECT_EQ(settings().Fetch("Brw:Customers", "TabChoice"), "4");
    b = start();
    EXPECT_EQ(b->widgets().tabs->currentIndex(), 3) << "the tab comes back";
    EXPECT_EQ(b->browse().model()->headerData(0, Qt::Horizontal).toString(), "City");
    close(b);

    GLO.CANADIAN = 1;
    b = start();
    EXPECT_EQ(b->widgets().tabs->tabText(3), "&City and Prov");
    close(b);
}

TEST_F(CustomerTest, ASecondOpenBringsTheFirstForwardAndTheFrameHearsOpenAndClose)
{
    class Frame : public QMainWindow
    {
    public:
        std::vector<int> heard;
        bool event(QEvent *e) override
        {
            if (e->type() == fw::ProcedureEvent::eventType())
                heard.push_back(static_cast<fw::ProcedureEvent *>(e)->code);
            return QMainWindow::event(e);
        }
    } frame;
    auto *mdi = new QMdiArea(&frame);
    frame.setCentralWidget(mdi);
    frame.show();
    fw::WindowManager::setMdiArea(mdi);
    addCustomer("C001", "Adams");
    Brw::Customers *first = start();
    QPointer<Brw::Customers> second = start();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.isNull()) << "the second copy ended at once";
    EXPECT_EQ(mdi->subWindowList().size(), 1);
    close(first);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.heard, (std::vector<int>{1024, 1024}));
    fw::WindowManager::setMdiArea(nullptr);
}

TEST_F(CustomerTest, TheFormCopiesThenClearsShippingAndLabelsByTaxSystem)
{
    addCustomer("C001", "Adams");
    GLO.CANADIAN = 1;
    Brw::Customers *b = start();
    {
        auto form = onForm([&](Upd::Customer &, const fw::Form &w) {
            EXPECT_EQ(w.caption()->text(), "Change Customers Information");
            EXPECT_EQ(w.prompt(CUS.TAXAMOUNT)->text(), "Customer PST Tax:");
            EXPECT_EQ(w.prompt(CUS.STATE)->text(), "PROV:");
            EXPECT_FALSE(w.check(CUS.LONGDISTANCE)->isHidden());
            EXPECT_EQ(w.options(CUS.TERMS)->option("Check")->text(), "Cheque");
            type(w.entry(CUS.ADDRESS), "1 Main St");
            type(w.entry(CUS.CITY), "Toronto");
            EXPECT_EQ(w.button(Upd::Customer::CopyBilling)->text(), "Copy Billing");
            press(w.button(Upd::Customer::CopyBilling));
            EXPECT_EQ(w.entry(CUS.SADDRESS)->text(), "1 Main St");
            EXPECT_EQ(w.entry(CUS.SCITY)->text(), "Toronto");
            EXPECT_EQ(w.button(Upd::Customer::CopyBilling)->text(), "Clear Shipping");
            setuptest::screenshot(w.tabs()->window(), "customer-form-information");
            testsupport::expectTidy(w.tabs()->window());
            press(w.button(Upd::Customer::CopyBilling));
            EXPECT_TRUE(w.entry(CUS.SADDRESS)->text().isEmpty());
            EXPECT_TRUE(w.entry(CUS.SCITY)->text().isEmpty());
            EXPECT_EQ(w.button(Upd::Customer::CopyBilling)->text(), "Copy Billing");
            w.tabs()->setCurrentIndex(1);
            setuptest::screenshot(w.tabs()->window(), "customer-form-billing");
            testsupport::expectTidy(w.tabs()->window());
            setuptest::click(w.options(CUS.TERMS)->option("Check"));
            press(w.ok());
        });
        press(b->widgets().change);
    }
    EXPECT_EQ(count("CUSTOMERNO='C001' and TERMS='Check' and SADDRESS='' and CITY='Toronto'"), 1)
        << "the radio stores its own text, whatever it reads";
    close(b);

    GLO.CANADIAN = 3;
    b = start();
    {
        auto us = onForm([&](Upd::Customer &, const fw::Form &w) {
            EXPECT_EQ(w.caption()->text(), "Add a New Customer");
            EXPECT_EQ(w.prompt(CUS.TAXAMOUNT)->text(), "Customer Tax Rate:");
            EXPECT_EQ(w.prompt(CUS.SCOUNTRY)->text(), "County:");
            EXPECT_TRUE(w.check(CUS.LONGDISTANCE)->isHidden());
            EXPECT_EQ(w.options(CUS.TERMS)->option("Check")->text(), "Check");
            press(w.cancel());
        });
        press(b->widgets().insert);
        EXPECT_EQ(us.seen(), 1);
    }
    close(b);
}

TEST_F(CustomerTest, ALetterInTheDiscountIsRefusedAndTheStoredValueStays)
{
    addCustomer("C001", "Adams");
    Brw::Customers *b = start();
    QString after;
    {
        auto form = onForm([&](Upd::Customer &, const fw::Form &w) {
            w.tabs()->setCurrentIndex(1);
            type(w.entry(CUS.CUSTOMERDISCOUNT), "1x");
            after = w.entry(CUS.CUSTOMERDISCOUNT)->text();
            type(w.entry(CUS.CUSTOMERDISCOUNT), "12.5");
            press(w.ok());
        });
        press(b->widgets().change);
    }
    EXPECT_EQ(titles().front(), "Invalid Entry");
    EXPECT_EQ(count("CUSTOMERNO='C001' and CUSTOMERDISCOUNT=12.5"), 1);
    close(b);
}
