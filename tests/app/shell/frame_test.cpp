// The main frame on a real window: first run with its splash and setup form, menu items that
// follow the settings and the open browses, relabelling by tax system, the status-bar clock,
// unbuilt procedures, and navigation buttons forwarded to the active window.
#include "app/invoices/invoiceform.h"
#include "app/shell/about.h"
#include "app/shell/desktop.h"
#include "app/shell/frame.h"
#include "app/shell/help.h"
#include "app/shell/procedures.h"
#include "app/common/framenotify.h"
#include "app/setup/setup.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/iniclass.h"
#include "framework/mnemonics.h"
#include "framework/procedurewindow.h"
#include "framework/reportslib.h"
#include "framework/threadcontext.h"
#include "framework/windowmanager.h"
#include "tests/support/datafolder.h"
#include "tests/support/keptoutput.h"
#include "tests/support/tidy.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QFile>
#include <QCheckBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QLabel>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>

using namespace dict;
using testsupport::DataFolderTest;

namespace {

// Stands for a browse not built yet: opens under a given procedure name and records the
// navigation codes it is sent.
class NamedWindow : public fw::WindowManager
{
public:
    explicit NamedWindow(std::string name) { procedureName = std::move(name); }
    std::vector<int> *codes = nullptr;
    int Init() override
    {
        WindowManager::Init();
        auto *w = CreateWindow(QString::fromStdString(procedureName));
        new QVBoxLayout(w);
        return Open();
    }
    fw::ToolbarStates NavigationStates() const override
    {
        return fw::browseToolbarStates(true, true, true, false, false);
    }
    int TakeNavigation(int code) override
    {
        if (codes)
            codes->push_back(code);
        return Benign;
    }
};

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A window with a help button, under a procedure name of the program.
class HelpedWindow : public fw::WindowManager
{
public:
    explicit HelpedWindow(std::string name) { procedureName = std::move(name); }
    QPushButton *help = nullptr;
    int Init() override
    {
        WindowManager::Init();
        auto *w = CreateWindow(QString::fromStdString(procedureName));
        auto *layout = new QVBoxLayout(w);
        layout->addWidget(help = new QPushButton(QStringLiteral("&Help"), w));
        HelpControl = help;
        return Open();
    }
};

fw::WindowManager *openProcedure(const char *name)
{
    for (QWidget *top : QApplication::topLevelWidgets())
        for (auto *w : top->findChildren<fw::ProcedureWindow *>())
            if (w->manager() && !w->manager()->dead() && w->manager()->procedureName == name)
                return w->manager();
    return nullptr;
}

class FrameTest : public DataFolderTest
{
protected:
    std::unique_ptr<app::AMain> frame;

    void SetUp() override
    {
        DataFolderTest::SetUp();
        resetGlobals();
        settings().Init("Invoice.ini");
        REPORTS::INIT(nullptr, &settings());
        app::registerProgramProcedures();
    }
    void TearDown() override
    {
        closeFrame();
        settle();
        fw::ThreadContext::mainContext().makeCurrent();
        DataFolderTest::TearDown();
        resetGlobals();
    }
    static fw::INIClass &settings()
    {
        static fw::INIClass ini;
        return ini;
    }
    // Closes the frame as the user quits: its windows are cancelled and closed, then the frame goes.
    void closeFrame()
    {
        if (!frame)
            return;
        for (QMdiSubWindow *sub : frame->area()->subWindowList())
            if (auto *w = qobject_cast<fw::ProcedureWindow *>(sub->widget()); w && w->manager())
                w->manager()->Response = fw::RequestCancelled;
        frame->close();
        settle();
        fw::ThreadContext::mainContext().makeCurrent();
        frame->Kill();
        frame.reset();
    }

    void openFrame()
    {
        frame = std::make_unique<app::AMain>();
        ASSERT_TRUE(frame->Init());
        frame->show();
        settle();
    }
    QAction *item(const char *text) const { return frame->actionOf(QString::fromUtf8(text)); }
};

} // namespace

TEST_F(FrameTest, FirstRunWritesTheSetupShowsTheSplashAndThenAsksForTheSetupForm)
{
    openFrame();
    fw::ThreadContext::mainContext().makeCurrent();
    SET.RECORDNO = 1;
    ASSERT_EQ(Access::SETUP.TryFetch(SET.RecordNo_Key), Benign);
    EXPECT_EQ(LONG{SET.LABELTYPE}, 8160);
    EXPECT_EQ(SET.PRICE1.view(), "Price 1");
    TOT.RECORDNO = 2;
    EXPECT_EQ(Access::TOTALINV.TryFetch(TOT.RecordNo_Key), Benign);

    ASSERT_NE(frame->splash(), nullptr) << "the splash is up";
    EXPECT_EQ(openProcedure("Upd:Setup"), nullptr);
    QTest::mouseClick(frame->splash()->window(), Qt::LeftButton);
    settle();
    EXPECT_EQ(openProcedure("Win:About"), nullptr) << "a click closes the splash";
    ASSERT_FALSE(titles().empty());
    EXPECT_EQ(titles().back(), "Excuse me...");
    EXPECT_NE(openProcedure("Upd:Setup"), nullptr) << "and the setup form follows";
    EXPECT_EQ(BYTE{GLO.STARTUP}, 0);
}

TEST_F(FrameTest, ALaterRunLoadsTheSettingsAndAMenuChoiceClosesTheSplash)
{
    openFrame();
    frame->splash()->PostClose();
    settle();
    closeFrame();
    testsupport::closeAllFiles();
    fw::ThreadContext::mainContext().makeCurrent();
    ASSERT_EQ(Access::SETUP.Open(), Benign);
    SET.RECORDNO = 1;
    ASSERT_EQ(Access::SETUP.TryFetch(SET.RecordNo_Key), Benign);
    SET.CANADIAN = 1;
    SET.PRINTCHOICE = 1;
    ASSERT_EQ(Access::SETUP.Update(), Benign);
    Access::SETUP.Close();
    resetGlobals();
    screen.clear();

    openFrame();
    EXPECT_EQ(BYTE{GLO.CANADIAN}, 1);
    EXPECT_TRUE(screen.shown().empty()) << "no first-run question";
    EXPECT_TRUE(item("Print Blank &Invoice")->isEnabled());
    EXPECT_EQ(frame->action(app::MenuItem::StateItem)->text(), "By Province");
    EXPECT_EQ(frame->action(app::MenuItem::CountryItem)->text(), "By Country");
    ASSERT_NE(frame->splash(), nullptr);
    testsupport::DesktopStandIn desktop;
    item("Vendor &Listing")->trigger();
    settle();
    EXPECT_EQ(openProcedure("Win:About"), nullptr) << "the first choice closes the splash";
    EXPECT_EQ(titles().back(), "NOTE...") << "the listing ran, on a data folder without vendors";
}

TEST_F(FrameTest, PrintBlankItemsFollowThePrintChoiceAtOnce)
{
    openFrame();
    QAction *blank = item("Print Blank &Invoice");
    EXPECT_FALSE(blank->isEnabled());
    GLO.PRINTCHOICE = 1;
    QCoreApplication::postEvent(frame.get(), new fw::ProcedureEvent(fw::ProcedureEvent::Notify, app::SetupSavedNotification));
    settle();
    EXPECT_TRUE(blank->isEnabled());
    EXPECT_TRUE(item("Print Blank Credit &Memo")->isEnabled());

    // The blank form goes straight to the printer, in its full form, and the print settings are
    // put back afterwards.
    testsupport::DesktopStandIn desktop;
    GLO.PRINTPREVIEW = 1;
    blank->trigger();
    ASSERT_EQ(desktop.output.titles, std::vector<std::string>{"Invoice"});
    EXPECT_NE(desktop.output.dumps[0].find("\"SOLD TO\""), std::string::npos) << "stationery or not, a blank form is a form";
    EXPECT_EQ(BYTE{GLO.PRINTCHOICE}, 1);
    EXPECT_EQ(BYTE{GLO.PRINTPREVIEW}, 1);
    EXPECT_EQ(BYTE{GLO.STARTUP}, 0);
}

TEST_F(FrameTest, ABrowseNotificationEnablesItsItemWhileTheBrowseIsOpen)
{
    openFrame();
    QAction *single = frame->action(app::MenuItem::InvoiceSingle);
    EXPECT_FALSE(single->isEnabled());
    auto notify = [&] {
        QCoreApplication::postEvent(frame.get(), new fw::ProcedureEvent(fw::ProcedureEvent::Notify, 4095));
        settle();
    };
    auto *first = new NamedWindow("Brw:Invoices");
    first->Start();
    notify();
    EXPECT_TRUE(single->isEnabled());
    auto *second = new NamedWindow("Brw:Invoices");
    second->Start();
    notify();
    EXPECT_TRUE(single->isEnabled()) << "a second one does not turn it off";
    first->window()->parentWidget()->close();
    notify();
    EXPECT_TRUE(single->isEnabled());
    second->window()->parentWidget()->close();
    notify();
    EXPECT_FALSE(single->isEnabled()) << "none open";
}

TEST_F(FrameTest, TaxSystemRelabelsTheStateAndCountryItems)
{
    openFrame();
    GLO.CANADIAN = 3;
    frame->tick();
    for (QAction *a : frame->findChildren<QAction *>())
        EXPECT_NE(a->text(), "By Province");
    EXPECT_EQ(frame->action(app::MenuItem::StateItem)->text(), "By State");
    EXPECT_EQ(frame->action(app::MenuItem::CountryItem)->text(), "By County");
    GLO.CANADIAN = 2;
    frame->tick();
    EXPECT_EQ(frame->action(app::MenuItem::CountryItem)->text(), "By Country");
}

TEST_F(FrameTest, TheStatusBarShowsTheNewDateAfterMidnight)
{
    openFrame();
    const fw::DayNumber day = *fw::dayNumber(2026, 12, 8);
    frame->clock = [day] { return std::pair{day, *fw::clockTime(23, 59, 59)}; };
    frame->tick();
    EXPECT_EQ(frame->dateZone(), "Tuesday, December 8, 2026");
    EXPECT_TRUE(frame->timeZone().startsWith("11:59:59")) << frame->timeZone().toStdString();
    frame->clock = [day] { return std::pair{day + 1, *fw::clockTime(0, 0, 0)}; };
    frame->tick();
    EXPECT_EQ(frame->dateZone(), "Wednesday, December 9, 2026");
}

TEST_F(FrameTest, NavigationButtonsGoToTheActiveWindow)
{
    openFrame();
    frame->splash()->PostClose();
    settle();
    std::vector<int> codes;
    auto *target = new NamedWindow("Brw:Test");
    target->codes = &codes;
    target->Start();
    settle();
    frame->area()->setActiveSubWindow(frame->area()->subWindowList().last());
    settle();
    for (QAction *button : frame->navigationActions()) {
        EXPECT_EQ(button->isEnabled(), button->data().toInt() != fw::Nav::Help) << button->toolTip().toStdString();
        if (button->data().toInt() == fw::Nav::Down)
            button->trigger();
    }
    settle();
    EXPECT_EQ(codes, std::vector<int>{fw::Nav::Down});
}

TEST_F(FrameTest, AWindowOfTheFrameReopensWhereItWasClosedInsideTheWindowArea)
{
    openFrame();
    frame->splash()->PostClose();
    settle();
    auto reopen = [&](const std::function<void(QMdiSubWindow *)> &act) {
        auto *window = new NamedWindow("Brw:Placed");
        window->Start();
        settle();
        auto *sub = qobject_cast<QMdiSubWindow *>(window->window()->parentWidget());
        if (act)
            act(sub);
        const QRect seen = sub->geometry();
        sub->close();
        settle();
        return seen;
    };
    const QRect moved = reopen([](QMdiSubWindow *sub) { sub->setGeometry(60, 40, 300, 200); });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(reopen({}), moved) << "reopening " << i + 1;

    settings().Update("Brw:Placed", "XPos", "5000");
    settings().Update("Brw:Placed", "YPos", "-300");
    const QRect placed = reopen({});
    EXPECT_TRUE(frame->area()->viewport()->rect().contains(placed)) << placed.x() << "," << placed.y();
}

TEST_F(FrameTest, ConvertWritesTheSettingAndSaysWhenTheProgramIsMissing)
{
    openFrame();
    screen.answer(ButtonCancel);
    item("&Convert Data Files")->trigger();
    EXPECT_EQ(settings().Fetch("GlobalData", "Quotes"), "");
    screen.answer(ButtonOk);
    item("&Convert Data Files")->trigger();
    EXPECT_EQ(settings().Fetch("GlobalData", "Quotes"), "1");
    EXPECT_EQ(titles().back(), "Convert Data Files");
}

TEST_F(FrameTest, TheFrameLooksTidy)
{
    openFrame();
    frame->resize(1000, 700);
    settle();
    testsupport::expectTidy(frame.get());
    const char *folder = std::getenv("TQ_SCREENSHOTS");
    if (folder)
        frame->grab().save(QString::fromUtf8(folder) + QStringLiteral("/frame.png"));
    frame->resize(640, 480); // a small screen: the toolbar folds, nothing is cut
    settle();
    testsupport::expectTidy(frame.get());
    if (folder)
        frame->grab().save(QString::fromUtf8(folder) + QStringLiteral("/frame-small.png"));
}

TEST(TidyCheck, FindsACutButtonAndAControlOutsideItsWindow)
{
    QWidget window;
    window.resize(200, 100);
    auto *squeezed = new QPushButton(QStringLiteral("A button with a long text"), &window);
    squeezed->setGeometry(10, 10, 40, 30);
    auto *outside = new QLabel(QStringLiteral("x"), &window);
    outside->setGeometry(180, 90, 40, 30);
    window.show();
    EXPECT_EQ(testsupport::untidy(&window).size(), 2u);
    squeezed->setGeometry(10, 10, squeezed->sizeHint().width(), 30);
    outside->move(10, 50);
    EXPECT_TRUE(testsupport::untidy(&window).empty());
}

TEST_F(FrameTest, EachToolbarButtonHasAPictureOfItsOwn)
{
    openFrame();
    auto *bar = frame->findChild<QToolBar *>(QStringLiteral("Toolbar"));
    ASSERT_NE(bar, nullptr);
    std::map<QString, QString> pictures; // image bytes to the button that shows them
    for (QAction *action : bar->actions()) {
        if (action->text().isEmpty())
            continue; // the spacer
        const QImage image = action->icon().pixmap(24, 24).toImage();
        ASSERT_FALSE(image.isNull()) << action->text().toStdString();
        const QString bytes = QString::fromLatin1(
            QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()).toBase64());
        const auto [it, added] = pictures.emplace(bytes, action->text());
        EXPECT_TRUE(added) << action->text().toStdString() << " looks like " << it->second.toStdString();
    }
}

TEST_F(FrameTest, TheProceduresHaveHelpPagesLinkedFromTheContents)
{
    QFile contents(QStringLiteral(":/help/contents.html"));
    app::procedureHasPage("Brw:Customers"); // registers the pages
    ASSERT_TRUE(contents.open(QIODevice::ReadOnly));
    const QString index = QString::fromUtf8(contents.readAll());
    for (const char *name : {"Brw:Customers", "Upd:Customer", "Brw:Inventory", "Upd:Inventory",
                             "Brw:InventorySpecialItems", "Upd:InventorySpecialItem", "Brw:VendorsInventory",
                             "Upd:Setup", "Win:EnterPassword", "Win:Password",
                             "Brw:CustomersPrint_Billing_Labels_Inventory_Envelopes", "Brw:InvoicesPrintMulitple",
                             "ST:SelectTagSet"}) {
        EXPECT_TRUE(app::procedureHasPage(name)) << name;
        EXPECT_TRUE(index.contains(QStringLiteral("href=\"") + app::procedurePageOf(name))) << name;
    }
    EXPECT_EQ(app::procedurePageOf("Brw:Customers"), "brw-customers.html");
    EXPECT_FALSE(app::procedureHasPage("Brw:NoSuchProcedure"));
}

TEST_F(FrameTest, TheToolbarsHelpOpensTheActiveWindowsPageCentredOnTheFrame)
{
    openFrame();
    frame->splash()->PostClose();
    settle();
    frame->setGeometry(QRect(40, 40, 720, 520));
    settle();
    auto *customers = new HelpedWindow("Brw:Customers");
    customers->Start();
    settle();
    frame->area()->setActiveSubWindow(frame->area()->subWindowList().last());
    settle();
    EXPECT_TRUE(customers->help->isEnabled()) << "the page exists";
    QAction *help = nullptr;
    for (QAction *button : frame->navigationActions())
        if (button->data().toInt() == fw::Nav::Help)
            help = button;
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(help->isEnabled());
    help->trigger();
    settle();
    QWidget *window = app::openHelpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->findChild<QTextBrowser *>()->documentTitle().contains("Customer"))
        << window->findChild<QTextBrowser *>()->documentTitle().toStdString();
    const QPoint offset = window->frameGeometry().center() - frame->frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << "centred on the frame";
    EXPECT_GE(window->width(), 480);
    EXPECT_LE(window->width(), frame->screen()->availableGeometry().width());
    for (QLabel *label : window->findChildren<QLabel *>())
        EXPECT_TRUE(!label->text().contains('&') || label->buddy()) << "shows a literal &";
    testsupport::expectTidy(window);
    if (const char *folder = std::getenv("TQ_SCREENSHOTS"))
        window->grab().save(QString::fromUtf8(folder) + QStringLiteral("/help.png"));
    QPointer<QWidget> shown(window);
    QTest::keyClick(window->findChild<QTextBrowser *>(), Qt::Key_Escape);
    settle();
    EXPECT_TRUE(!shown || !shown->isVisible()) << "Escape closes help";

    auto *other = new HelpedWindow("Brw:NoHelpHere");
    other->Start();
    settle();
    frame->area()->setActiveSubWindow(frame->area()->subWindowList().last());
    settle();
    EXPECT_FALSE(other->help->isEnabled());
    EXPECT_FALSE(help->isEnabled()) << "no page, no help button on the toolbar";
}

TEST_F(FrameTest, AFolderWhereNoDataFileCanBeMadeEndsCleanlyWithTheFileMessages)
{
    { std::ofstream blocker("data"); } // a file where the data folder should be
    frame = std::make_unique<app::AMain>();
    EXPECT_FALSE(frame->Init());
    ASSERT_FALSE(screen.shown().empty());
    EXPECT_EQ(titles().front(), "File Creation Error") << texts().front();
    frame.reset();
}

TEST_F(FrameTest, SavingTheSetupFormWithPrePrintedFormsEnablesTheBlankFormItems)
{
    openFrame();
    GLO.STARTUP = 0; // not the first run's hand-off: the form is opened from the menu
    frame->splash()->PostClose();
    settle();
    screen.clear();
    ASSERT_FALSE(item("Print Blank &Invoice")->isEnabled());
    item("&Program Setup...")->trigger();
    settle();
    auto *setup = dynamic_cast<Upd::Setup *>(openProcedure("Upd:Setup"));
    ASSERT_NE(setup, nullptr);
    QTest::mouseClick(setup->form().check(SET.PRINTCHOICE), Qt::LeftButton, {}, QPoint(6, 6));
    setup->form().ok()->click();
    settle();
    EXPECT_EQ(openProcedure("Upd:Setup"), nullptr) << (titles().empty() ? "" : texts().back());
    EXPECT_TRUE(item("Print Blank &Invoice")->isEnabled());
    EXPECT_TRUE(item("Print Blank P&urchase Order")->isEnabled());
}

TEST_F(FrameTest, DesktopHandOffsSayWhenTheyCannot)
{
    openFrame();
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    item("&Calculator")->trigger();
    qputenv("PATH", path);
    EXPECT_EQ(titles().back(), "Calculator");

    QString opened;
    app::desktopHooks().open = [&](const QString &address) {
        opened = address;
        return false;
    };
    item("Visit our WebSite...")->trigger();
    EXPECT_TRUE(opened.startsWith("https://"));
    EXPECT_EQ(titles().back(), "Pardon me...");
    app::desktopHooks().open = [](const QString &) { return true; };

    item("&Contents")->trigger();
    settle();
    QString helpText;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle() == "Tallyquill Help") {
            helpText = top->findChild<QTextBrowser *>()->toPlainText();
            top->close();
        }
    EXPECT_TRUE(helpText.contains("Getting started")) << helpText.toStdString();
}

TEST_F(FrameTest, NewInvoiceOpensAnEmptyInvoiceWithItsNumberTaken)
{
    openFrame();
    GLO.STARTUP = 0;
    frame->splash()->PostClose();
    settle();
    screen.clear();
    GlobalRequest = fw::ChangeRecord; // left over: the new invoice is an Insert all the same
    QAction *newInvoice = item("&New Invoice");
    ASSERT_NE(newInvoice, nullptr);
    newInvoice->trigger();
    settle();
    auto *form = dynamic_cast<Upd::Invoice *>(openProcedure("Upd:Invoice"));
    ASSERT_NE(form, nullptr) << (titles().empty() ? "" : texts().back());
    EXPECT_EQ(form->window()->windowTitle(), "Add an Invoice");
    EXPECT_GT(form->form().entry(INV.INVOICENO)->text().trimmed().toInt(), 0);
    EXPECT_FALSE(form->form().ok()->isEnabled()) << "nothing is saved without a customer";
    screen.answer(dict::ButtonNo);
    form->form().cancel()->click();
    settle();
    EXPECT_EQ(openProcedure("Upd:Invoice"), nullptr);
}

TEST_F(FrameTest, WindowsReopenAsTheyWereLeftMaximisedIncluded)
{
    openFrame();
    frame->splash()->PostClose();
    settle();
    auto reopen = [&](const std::function<void(QMdiSubWindow *)> &act) {
        auto *window = new NamedWindow("Brw:Placed");
        window->Start();
        settle();
        auto *sub = qobject_cast<QMdiSubWindow *>(window->window()->parentWidget());
        const bool wasMaximised = sub->isMaximized();
        if (act)
            act(sub);
        sub->close();
        settle();
        return wasMaximised;
    };
    reopen([](QMdiSubWindow *sub) { sub->showMaximized(); });
    EXPECT_TRUE(reopen([](QMdiSubWindow *sub) { sub->showNormal(); })) << "a window closed maximised";
    EXPECT_FALSE(reopen({})) << "a window closed normal";

    frame->setGeometry(40, 50, 700, 500);
    settle();
    const QRect normal = frame->geometry();

    closeFrame();
    openFrame();
    EXPECT_EQ(frame->geometry(), normal);
    frame->showMaximized();
    settle();
    closeFrame();
    openFrame();
    EXPECT_TRUE(frame->isMaximized()) << "the frame closed maximised";
    frame->showNormal();
    settle();
    EXPECT_EQ(frame->geometry(), normal) << "and its normal place kept";
}

// Alt+letter of a frame menu opens that menu whichever window is active, and every list shows
// its values whole.
TEST_F(FrameTest, EveryWindowLeavesTheMenuLettersToTheMenusAndShowsItsColumnsWhole)
{
    openFrame();
    frame->splash()->PostClose();
    settle();
    const QString menus = frame->menuLetters();
    EXPECT_EQ(menus, "FTRH");
    for (const std::string &name : app::procedureNames()) {
        // Reports print and close; a batch pass closes itself once its records are done.
        if (name.starts_with("PRN:") || name == "Win:About" || name == "Win:ReOccuringInvoices")
            continue;
        app::runProcedure(name);
        settle();
        fw::WindowManager *window = openProcedure(name.c_str());
        ASSERT_NE(window, nullptr) << name;
        QWidget *w = window->window();
        QStringList texts;
        for (const QAbstractButton *b : w->findChildren<QAbstractButton *>())
            texts << b->text();
        for (const QTabBar *bar : w->findChildren<QTabBar *>())
            for (int i = 0; i < bar->count(); ++i)
                texts << bar->tabText(i);
        for (const QLabel *label : w->findChildren<QLabel *>())
            if (label->buddy())
                texts << label->text();
        for (const QString &text : texts)
            EXPECT_FALSE(menus.contains(fw::mnemonicOf(text))) << name << ": \"" << text.toStdString() << "\"";
        if (name == "Brw:Invoices")
            EXPECT_TRUE(texts.contains("Re-I&nvoices")) << "the tab keeps its text with a letter of its own";
        testsupport::expectColumnsFit(*window);
        window->Response = fw::RequestCancelled;
        screen.answer(dict::ButtonNo);
        w->parentWidget()->close();
        settle();
    }
}
