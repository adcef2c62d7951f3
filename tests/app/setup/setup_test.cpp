// The program's start-up settings and the setup form: first run and later runs, damaged files,
// stations starting together, and the form driven through its real controls.
#include "app/setup/password.h"
#include "app/setup/passwordhash.h"
#include "app/common/passwordgate.h"
#include "app/common/framenotify.h"
#include "app/setup/setup.h"
#include "framework/picture.h"
#include "framework/procedurewindow.h"
#include "framework/threadcontext.h"
#include "tests/support/setup_support.h"
#include "tests/support/tidy.h"

#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPushButton>
#include <QTabWidget>

#include <cstdlib>
#include <fstream>

using namespace dict;
using setuptest::click;
using setuptest::storedSetup;
using setuptest::pick;
using setuptest::type;
using testsupport::DataFolderTest;

namespace {

class StartUpTest : public DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        resetGlobals();
    }
    void TearDown() override
    {
        DataFolderTest::TearDown();
        resetGlobals();
    }
    static void writeFile(const char *path, const std::string &bytes)
    {
        std::filesystem::create_directories("data");
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static TOTALINVRecord storedTotals(LONG number)
    {
        EXPECT_EQ(Access::TOTALINV.Open(), Benign);
        TOT = {};
        TOT.RECORDNO = number;
        EXPECT_EQ(Access::TOTALINV.TryFetch(TOT.RecordNo_Key), Benign) << "totals record " << number;
        const TOTALINVRecord stored = TOT;
        Access::TOTALINV.Close();
        return stored;
    }
    static std::int64_t records(FileManager &file)
    {
        EXPECT_EQ(file.Open(), Benign);
        const std::int64_t count = file.Records();
        file.Close();
        return count;
    }
};

} // namespace

TEST_F(StartUpTest, FirstRunInAnEmptyFolderWritesTheDefaultsAndBothTotals)
{
    EXPECT_EQ(app::StartUp(), app::StartResult::FirstRun);
    EXPECT_EQ(int{GLO.STARTUP}, 1);
    EXPECT_FALSE(Access::SETUP.Opened()) << "start-up closes what it opened";
    EXPECT_TRUE(screen.shown().empty());

    testsupport::closeAllFiles();
    const SETUPRecord s = storedSetup();
    EXPECT_EQ(int{s.RECORDNO}, 1);
    EXPECT_EQ(LONG{s.DATE}, fw::today());
    EXPECT_EQ(int{s.PRINTPREVIEW}, 1);
    EXPECT_EQ(int{s.PRINTINVOICE}, 1);
    EXPECT_EQ(int{s.PRINTCHOICE}, 0);
    EXPECT_EQ(int{s.PRINTSHIPPING}, 1);
    EXPECT_EQ(s.DATENAME.view(), "@d2b");
    EXPECT_EQ(int{s.CURRENCYTYPE}, 1);
    EXPECT_EQ(SHORT{s.LABELTYPE}, 8160);
    EXPECT_EQ(SHORT{s.LABEL1TYPE}, 8163);
    EXPECT_EQ(s.PAPERSIZE.view(), "PAPER:LETTER");
    EXPECT_EQ(s.ENVELOPESIZE.view(), "PAPER:ENV_10");
    EXPECT_EQ(int{s.REMOVERETURNADDRESS}, 1);
    EXPECT_EQ(REAL{s.INVENTORYMARKUP}, 0.0);
    EXPECT_TRUE(s.PASSWORD.blank());
    EXPECT_EQ(int{s.PASSWORDCHANGE}, 1);
    EXPECT_EQ(int{s.PASSWORDDELETE}, 1);
    EXPECT_EQ(int{s.LOGOSIZE}, 1);
    EXPECT_EQ(s.LABELLINE.view(), "PLEASE PAY FROM THIS INVOICE");
    EXPECT_EQ(s.PRICE1.view(), "Price 1");
    EXPECT_EQ(s.PRICE2.view(), "Price 2");
    EXPECT_EQ(s.PRICE3.view(), "Price 3");
    EXPECT_EQ(int{s.TAXABLE}, 1);
    EXPECT_EQ(int{s.TAXSHIPPING}, 0);
    EXPECT_EQ(int{s.PROHIBITESELLING}, 0);
    EXPECT_EQ(int{s.CANADIAN}, 3);
    EXPECT_EQ(int{s.REDLINEINVOICE}, 1);
    EXPECT_EQ(int{s.REDLINECUSTOMER}, 1);
    EXPECT_EQ(int{s.REDLINEINVENTORY}, 1);
    EXPECT_EQ(int{s.REDLINEPURCHASEORDER}, 1);
    // Everything else blank or zero.
    EXPECT_TRUE(s.COMPANYNAME.blank());
    EXPECT_TRUE(s.NETWORKPATH.blank());
    EXPECT_EQ(REAL{s.GST}, 0.0);
    EXPECT_EQ(REAL{s.CUSTOMERTAXRATE}, 0.0);
    EXPECT_EQ(REAL{s.LABORRATE}, 0.0);
    EXPECT_EQ(int{s.PICKLIST}, 0);
    EXPECT_EQ(int{s.AUTOTAXITEM}, 0);

    EXPECT_EQ(records(Access::SETUP), 1);
    EXPECT_EQ(records(Access::TOTALINV), 2);
    for (LONG number : {1, 2}) {
        const TOTALINVRecord t = storedTotals(number);
        EXPECT_EQ(REAL{t.TOTALDUE}, 0.0);
        EXPECT_EQ(REAL{t.RETAIL}, 0.0);
    }
}

TEST_F(StartUpTest, TheGlobalsMirrorTheNewSetupFromTheFirstRunOn)
{
    ASSERT_EQ(app::StartUp(), app::StartResult::FirstRun);
    EXPECT_EQ(int{GLO.CANADIAN}, 3) << "tax formulas need the regime before the setup form is ever saved";
    EXPECT_EQ(GLO.DATENAME.view(), "@d2b");
    EXPECT_EQ(int{GLO.PRINTPREVIEW}, 1);
    EXPECT_EQ(GLO.LABELLINE.view(), "PLEASE PAY FROM THIS INVOICE");
    EXPECT_EQ(GLO.CURRENCYNAME1.view(), "@n$-15.2");
}

TEST_F(StartUpTest, ALaterRunLoadsTheStoredSettingsIntoTheGlobals)
{
    ASSERT_EQ(app::StartUp(), app::StartResult::FirstRun);
    testsupport::sqlOn(dict::DatabasePath, "update SETUP set CANADIAN=1, GST=0.05, DATENAME='@d6b', CURRENCYTYPE=3, "
                                         "PASSWORD='abc', PRICE1='Retail'");
    testsupport::closeAllFiles();
    resetGlobals();

    EXPECT_EQ(app::StartUp(), app::StartResult::Loaded);
    EXPECT_EQ(int{GLO.STARTUP}, 0);
    EXPECT_EQ(int{GLO.CANADIAN}, 1);
    EXPECT_DOUBLE_EQ(REAL{GLO.GST}, 0.05);
    EXPECT_EQ(GLO.DATENAME.view(), "@d6b");
    EXPECT_TRUE(app::passwordVerifies(GLO.PASSWORDHASH.view(), "abc")) << "a clear password is hidden at start";
    EXPECT_EQ(GLO.PRICE1.view(), "Retail");
    EXPECT_EQ(GLO.CURRENCYNAME.view(), "@n-13`2") << "money pictures of the stored currency";
    EXPECT_EQ(records(Access::SETUP), 1);
    EXPECT_EQ(records(Access::TOTALINV), 2);
    EXPECT_TRUE(screen.shown().empty());
}

TEST_F(StartUpTest, AMissingTotalsRecordIsAddedAndTheOtherKeepsItsSums)
{
    ASSERT_EQ(app::StartUp(), app::StartResult::FirstRun);
    testsupport::sqlOn(dict::DatabasePath, "update TOTALINV set TOTALDUE=1234.56 where RECORDNO=1");
    testsupport::sqlOn(dict::DatabasePath, "delete from TOTALINV where RECORDNO=2");
    testsupport::closeAllFiles();

    EXPECT_EQ(app::StartUp(), app::StartResult::Loaded);
    EXPECT_DOUBLE_EQ(REAL{storedTotals(1).TOTALDUE}, 1234.56);
    EXPECT_EQ(REAL{storedTotals(2).TOTALDUE}, 0.0);
}

TEST_F(StartUpTest, ADamagedDatabaseIsReportedAndNeverRecreated)
{
    writeFile(dict::DatabasePath, std::string("these are not the settings\n", 27) + std::string(600, 'x'));
    const std::string before = testsupport::fileBytes(dict::DatabasePath);

    EXPECT_EQ(app::StartUp(), app::StartResult::Failed);
    EXPECT_FALSE(screen.shown().empty()) << "the user is told";
    EXPECT_EQ(testsupport::fileBytes(dict::DatabasePath), before);
    EXPECT_EQ(int{GLO.STARTUP}, 0) << "not taken for a first run";
}

TEST_F(StartUpTest, ATotalsTableOfAnotherLayoutIsReportedAndNeverRecreated)
{
    ASSERT_EQ(Access::SETUP.Open(), dict::Benign);
    Access::SETUP.Close();
    testsupport::sqlOn(dict::DatabasePath,
                       "CREATE TABLE TOTALINV (RECORDNO INTEGER, TOTAL BLOB); INSERT INTO TOTALINV VALUES (1, 'x')");
    const std::string before = testsupport::tableRows("TOTALINV");

    EXPECT_EQ(app::StartUp(), app::StartResult::Failed);
    EXPECT_FALSE(screen.shown().empty());
    EXPECT_EQ(testsupport::tableRows("TOTALINV"), before);
}

TEST_F(StartUpTest, StationsStartingTogetherOnAnEmptyFolderWriteOneSetup)
{
    std::vector<testsupport::WorkerProcess> stations;
    for (int i = 0; i < 4; ++i)
        stations.push_back(testsupport::startWorker(folder, {"start-up"}));
    int firstRuns = 0;
    for (const auto &station : stations) {
        const std::string said = testsupport::readLine(station.output);
        ::close(station.output);
        EXPECT_EQ(testsupport::waitWorker(station.pid), 0) << said;
        EXPECT_TRUE(said == "first-run" || said == "loaded") << said;
        firstRuns += said == "first-run";
    }
    EXPECT_EQ(firstRuns, 1) << "exactly one station wrote the setup";
    EXPECT_EQ(records(Access::SETUP), 1);
    EXPECT_EQ(records(Access::TOTALINV), 2);
}

// --- the setup form ---------------------------------------------------------------------------

namespace {

class SetupFormTest : public setuptest::StartedFolderTest
{
protected:
    // Runs the form (called, as a modal window); drive acts on it once it is open.
    int run(const std::function<void(Upd::Setup &, const fw::Form &)> &drive)
    {
        Upd::Setup form;
        form.chooseLogoFile = [this](QWidget *) { return logoAnswer; };
        QTimer::singleShot(0, [&] { drive(form, form.form()); });
        return form.Run();
    }
    QString logoAnswer;
};

} // namespace

TEST_F(SetupFormTest, TypedAndPickedValuesAreSavedAndReloadedIntoTheGlobals)
{
    const int response = run([](Upd::Setup &, const fw::Form &w) {
        type(w.entry(SET.COMPANYNAME), "Quill & Sons Ltd");
        type(w.entry(SET.CITY), "Leeds");
        pick(w.options(SET.CANADIAN), "2");
        pick(w.options(SET.CURRENCYTYPE), "2");
        pick(w.options(SET.DATENAME), "@d6b");
        type(w.entry(SET.CUSTOMERTAXRATE), "0.2");
        type(w.entry(SET.LABORRATE), "£45.50");
        type(w.entry(SET.INVENTORYMARKUP), "25");
        type(w.entry(SET.PRICE1), "Retail");
        click(w.check(SET.REDLINEINVOICE));
        click(w.check(SET.PRINTCHOICE));
        pick(w.options(SET.PAPERSIZE), "PAPER:A4");
        pick(w.options(SET.LABELTYPE), "4144");
        click(w.ok());
    });
    EXPECT_EQ(response, fw::RequestCompleted);
    EXPECT_TRUE(screen.shown().empty()) << (screen.shown().empty() ? "" : screen.shown().front().text);

    const SETUPRecord s = storedSetup();
    EXPECT_EQ(s.COMPANYNAME.view(), "Quill & Sons Ltd");
    EXPECT_EQ(s.CITY.view(), "Leeds");
    EXPECT_EQ(int{s.CANADIAN}, 2);
    EXPECT_EQ(int{s.CURRENCYTYPE}, 2);
    EXPECT_EQ(s.DATENAME.view(), "@d6b");
    EXPECT_DOUBLE_EQ(REAL{s.CUSTOMERTAXRATE}, 0.2);
    EXPECT_DOUBLE_EQ(REAL{s.LABORRATE}, 45.5);
    EXPECT_DOUBLE_EQ(REAL{s.INVENTORYMARKUP}, 25);
    EXPECT_EQ(s.PRICE1.view(), "Retail");
    EXPECT_EQ(int{s.REDLINEINVOICE}, 0);
    EXPECT_EQ(int{s.PRINTCHOICE}, 1);
    EXPECT_EQ(s.PAPERSIZE.view(), "PAPER:A4");
    EXPECT_EQ(SHORT{s.LABELTYPE}, 4144);
    EXPECT_EQ(s.LABELLINE.view(), "PLEASE PAY FROM THIS INVOICE") << "untouched fields keep their values";
    EXPECT_EQ(SHORT{s.LABEL1TYPE}, 8163);

    EXPECT_EQ(int{GLO.CANADIAN}, 2);
    EXPECT_DOUBLE_EQ(REAL{GLO.CUSTOMERTAXRATE}, 0.2);
    EXPECT_DOUBLE_EQ(REAL{GLO.LABORRATE}, 45.5);
    EXPECT_EQ(GLO.DATENAME.view(), "@d6b");
    EXPECT_EQ(int{GLO.PRINTCHOICE}, 1);
    EXPECT_EQ(GLO.PAPERSIZE.view(), "PAPER:A4");
    EXPECT_EQ(GLO.PRICE1.view(), "Retail");
    EXPECT_EQ(GLO.CURRENCYNAME1.view(), "@n~£~-15.2");
}

TEST_F(SetupFormTest, CancelPutsTheSettingsGlobalsBackAndWritesNothing)
{
    const SETUPRecord before = storedSetup();
    int regimeWhileOpen = 0;
    std::string totalsPictureWhileOpen;
    const int response = run([&](Upd::Setup &, const fw::Form &w) {
        pick(w.options(SET.CANADIAN), "2");
        pick(w.options(SET.CURRENCYTYPE), "3");
        type(w.entry(SET.COMPANYNAME), "Abandoned");
        regimeWhileOpen = GLO.CANADIAN;
        totalsPictureWhileOpen = GLO.CURRENCYNAME1.str();
        GLO.INVOICENO = 77; // another window hands a value over meanwhile
        click(w.cancel());
    });
    EXPECT_EQ(response, fw::RequestCancelled);
    EXPECT_TRUE(screen.shown().empty()) << "Cancel asks nothing";
    EXPECT_EQ(regimeWhileOpen, 2) << "the globals follow the form while it is open";
    EXPECT_EQ(totalsPictureWhileOpen, "@n~DM~-15`2");

    EXPECT_EQ(int{GLO.CANADIAN}, 3);
    EXPECT_EQ(GLO.CURRENCYNAME1.view(), "@n$-15.2");
    EXPECT_EQ(LONG{GLO.INVOICENO}, 77) << "hand-over values are not settings";
    const SETUPRecord after = storedSetup();
    EXPECT_TRUE(after.COMPANYNAME.blank());
    EXPECT_EQ(int{after.CANADIAN}, int{before.CANADIAN});
}

TEST_F(SetupFormTest, TheTaxSystemRelabelsThePromptsAtOnce)
{
    run([](Upd::Setup &, const fw::Form &w) {
        EXPECT_EQ(w.prompt(SET.CUSTOMERTAXRATE)->text(), "Global Customer Tax Rate:");
        EXPECT_TRUE(w.entry(SET.GST)->isHidden());

        pick(w.options(SET.CANADIAN), "2");
        EXPECT_EQ(w.prompt(SET.CUSTOMERTAXRATE)->text(), "Global Customer VAT Rate:");
        EXPECT_EQ(w.prompt(SET.GSTNUMBER)->text(), "VAT #:");
        EXPECT_TRUE(w.entry(SET.GST)->isHidden());
        EXPECT_TRUE(w.prompt(SET.GST)->isHidden());

        pick(w.options(SET.CANADIAN), "1");
        EXPECT_EQ(w.prompt(SET.CUSTOMERTAXRATE)->text(), "Global Customer PST Rate:");
        EXPECT_EQ(w.prompt(SET.GSTNUMBER)->text(), "GST #:");
        EXPECT_FALSE(w.entry(SET.GST)->isHidden());
        EXPECT_FALSE(w.prompt(SET.GST)->isHidden());
        EXPECT_EQ(w.prompt(SET.STATE)->text(), "PROV:");
        EXPECT_EQ(w.prompt(SET.COUNTRY)->text(), "Country:");

        pick(w.options(SET.CANADIAN), "3");
        EXPECT_EQ(w.prompt(SET.GSTNUMBER)->text(), "Tax #:");
        EXPECT_EQ(w.prompt(SET.STATE)->text(), "ST:");
        EXPECT_EQ(w.prompt(SET.COUNTRY)->text(), "County:");
        EXPECT_TRUE(w.entry(SET.GST)->isHidden());

        pick(w.options(SET.CANADIAN), "4");
        EXPECT_EQ(w.prompt(SET.CUSTOMERTAXRATE)->text(), "Global Customer GST Rate:");
        EXPECT_EQ(w.prompt(SET.GSTNUMBER)->text(), "GST #:");
        EXPECT_EQ(w.prompt(SET.COUNTRY)->text(), "Country:");
        click(w.cancel());
    });
}

TEST_F(SetupFormTest, PrintPreviewTurnsAutoPrintOnAndGreysItOut)
{
    run([](Upd::Setup &, const fw::Form &w) {
        EXPECT_TRUE(w.check(SET.PRINTPREVIEW)->isChecked());
        EXPECT_TRUE(w.check(SET.PRINTINVOICE)->isChecked());
        EXPECT_FALSE(w.check(SET.PRINTINVOICE)->isEnabled());

        click(w.check(SET.PRINTPREVIEW));
        EXPECT_TRUE(w.check(SET.PRINTINVOICE)->isEnabled());
        click(w.check(SET.PRINTINVOICE));
        EXPECT_FALSE(w.check(SET.PRINTINVOICE)->isChecked());

        click(w.check(SET.PRINTPREVIEW));
        EXPECT_TRUE(w.check(SET.PRINTINVOICE)->isChecked());
        EXPECT_FALSE(w.check(SET.PRINTINVOICE)->isEnabled());
        click(w.ok());
    });
    const SETUPRecord s = storedSetup();
    EXPECT_EQ(int{s.PRINTPREVIEW}, 1);
    EXPECT_EQ(int{s.PRINTINVOICE}, 1);
}

TEST_F(SetupFormTest, BadlyTypedRatesAreRefusedFieldByField)
{
    std::vector<std::string> rateShown;
    const int response = run([&](Upd::Setup &, const fw::Form &w) {
        type(w.entry(SET.CUSTOMERTAXRATE), "abc");
        rateShown.push_back(REAL{SET.CUSTOMERTAXRATE} == 0 ? "kept" : "changed");
        type(w.entry(SET.CUSTOMERTAXRATE), "7"); // meant as 7 per cent: a rate of 700 % does not fit
        rateShown.push_back(REAL{SET.CUSTOMERTAXRATE} == 0 ? "kept" : "changed");
        type(w.entry(SET.LABORRATE), "-5");
        type(w.entry(SET.INVENTORYMARKUP), "-10");
        type(w.entry(SET.CUSTOMERTAXRATE), "0.0725");
        rateShown.push_back(w.entry(SET.CUSTOMERTAXRATE)->text().trimmed().toStdString());
        click(w.cancel());
    });
    EXPECT_EQ(response, fw::RequestCancelled);
    ASSERT_EQ(titles(), (std::vector<std::string>{"Invalid Entry", "Invalid Entry", "Range Error", "Range Error"}));
    // The rate's refusals say how a rate is written, as its tip does.
    EXPECT_EQ(texts()[0], "Not a valid number. A rate as a fraction: 0.0625 = 6.25 %");
    EXPECT_EQ(texts()[1], "The number is too large for this field. A rate as a fraction: 0.0625 = 6.25 %");
    EXPECT_EQ(texts()[2], "The value of Labor Rate (per hour) must be between 0 and 9999999.");
    EXPECT_EQ(texts()[3], "The value of Global Inventory Mark Up must be between 0 and 999.99.");
    EXPECT_EQ(rateShown, (std::vector<std::string>{"kept", "kept", ".07250"}));
    EXPECT_EQ(REAL{storedSetup().CUSTOMERTAXRATE}, 0.0) << "nothing is stored";
}

TEST_F(SetupFormTest, ARateOutOfRangeStopsTheSaveAndNothingIsWritten)
{
    run([](Upd::Setup &, const fw::Form &w) {
        pick(w.options(SET.CANADIAN), "1");
        type(w.entry(SET.COMPANYNAME), "Half Saved");
        w.entry(SET.INVENTORYMARKUP)->setText("-10"); // typed but never left: only OK reads it
        click(w.ok());
        QCoreApplication::sendPostedEvents();
        EXPECT_TRUE(w.ok()->window()->isVisible()) << "the form stays open";
        click(w.cancel());
    });
    EXPECT_EQ(texts(), (std::vector<std::string>{"The value of Global Inventory Mark Up must be between 0 and 999.99."}));
    const SETUPRecord s = storedSetup();
    EXPECT_TRUE(s.COMPANYNAME.blank());
    EXPECT_EQ(REAL{s.INVENTORYMARKUP}, 0.0);
    EXPECT_EQ(int{s.CANADIAN}, 3);
}

TEST_F(SetupFormTest, RatesKeepTheirDecimalsInEveryCurrency)
{
    run([](Upd::Setup &, const fw::Form &w) {
        type(w.entry(SET.CUSTOMERTAXRATE), "0.07");
        EXPECT_EQ(w.entry(SET.CUSTOMERTAXRATE)->text().trimmed(), ".07000");
        pick(w.options(SET.CURRENCYTYPE), "3"); // DM: decimal comma
        EXPECT_EQ(w.entry(SET.CUSTOMERTAXRATE)->text().trimmed(), ",07000");
        type(w.entry(SET.CUSTOMERTAXRATE), "0,08");
        EXPECT_DOUBLE_EQ(REAL{SET.CUSTOMERTAXRATE}, 0.08);
        pick(w.options(SET.CURRENCYTYPE), "10"); // yen: money without decimals, rates still with them
        EXPECT_EQ(w.entry(SET.CUSTOMERTAXRATE)->text().trimmed(), ".08000");
        type(w.entry(SET.LABORRATE), "3000");
        EXPECT_EQ(w.entry(SET.LABORRATE)->text().trimmed(), "¥3,000");
        click(w.ok());
    });
    EXPECT_TRUE(screen.shown().empty());
    EXPECT_DOUBLE_EQ(REAL{storedSetup().CUSTOMERTAXRATE}, 0.08);
}

TEST_F(SetupFormTest, AStoredValueNoOptionStandsForSurvivesASave)
{
    testsupport::sqlOn(dict::DatabasePath, "update SETUP set LABELTYPE=5160, PAPERSIZE='PAPER:LEGAL'");
    bool anyChecked = true;
    run([&](Upd::Setup &, const fw::Form &w) {
        anyChecked = !w.options(SET.LABELTYPE)->value().isEmpty() || !w.options(SET.PAPERSIZE)->value().isEmpty();
        type(w.entry(SET.COMPANYNAME), "Quill");
        click(w.ok());
    });
    EXPECT_FALSE(anyChecked) << "no option pretends to be the stored value";
    const SETUPRecord s = storedSetup();
    EXPECT_EQ(s.COMPANYNAME.view(), "Quill");
    EXPECT_EQ(SHORT{s.LABELTYPE}, 5160);
    EXPECT_EQ(s.PAPERSIZE.view(), "PAPER:LEGAL");
}

TEST_F(SetupFormTest, APickedLogoIsKeptRelativeAndEnablesItsOrientation)
{
    std::filesystem::create_directories("pictures");
    std::ofstream("pictures/logo.png") << "png";
    logoAnswer = QString::fromStdString((folder / "pictures/logo.png").string());
    run([this](Upd::Setup &, const fw::Form &w) {
        w.tabs()->setCurrentIndex(2);
        EXPECT_FALSE(w.options(SET.LOGOSIZE)->isEnabled());
        click(w.button(Upd::Setup::LogoButton));
        EXPECT_EQ(w.entry(SET.NETWORKPATH)->text(), "pictures/logo.png");
        EXPECT_TRUE(w.options(SET.LOGOSIZE)->isEnabled());

        logoAnswer = QString("/tmp/") + QString(60, 'n') + ".png";
        click(w.button(Upd::Setup::LogoButton));
        EXPECT_EQ(w.entry(SET.NETWORKPATH)->text(), "pictures/logo.png") << "a name too long to keep is not cut";
        pick(w.options(SET.LOGOSIZE), "2");
        click(w.ok());
    });
    EXPECT_EQ(titles(), (std::vector<std::string>{"Logo Not Changed"}));
    const SETUPRecord s = storedSetup();
    EXPECT_EQ(s.NETWORKPATH.view(), "pictures/logo.png");
    EXPECT_EQ(int{s.LOGOSIZE}, 2);
}

TEST_F(SetupFormTest, SavingTellsTheFrameToFollowThePrintChoice)
{
    // A stand-in for the frame that records the notifications posted to it.
    class Frame : public QMainWindow
    {
    public:
        std::vector<int> notified;
        bool event(QEvent *e) override
        {
            if (e->type() == fw::ProcedureEvent::eventType())
                notified.push_back(static_cast<fw::ProcedureEvent *>(e)->code);
            return QMainWindow::event(e);
        }
    } frame;
    auto *area = new QMdiArea(&frame);
    frame.setCentralWidget(area);
    fw::WindowManager::setMdiArea(area);

    run([](Upd::Setup &, const fw::Form &w) { click(w.cancel()); });
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(frame.notified.empty()) << "nothing to follow after Cancel";

    run([](Upd::Setup &, const fw::Form &w) {
        click(w.check(SET.PRINTCHOICE));
        click(w.ok());
    });
    QCoreApplication::sendPostedEvents();
    fw::WindowManager::setMdiArea(nullptr);
    EXPECT_EQ(frame.notified, (std::vector<int>{app::SetupSavedNotification}));
    EXPECT_EQ(int{GLO.PRINTCHOICE}, 1);
}

TEST_F(SetupFormTest, AnotherStationsChangeIsNotOverwritten)
{
    run([this](Upd::Setup &, const fw::Form &w) {
        type(w.entry(SET.COMPANYNAME), "Ours");
        EXPECT_EQ(testsupport::runWorker(folder, {"set-setup-company", "Theirs"}).status, 0);
        click(w.ok());
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(w.entry(SET.COMPANYNAME)->text(), "Theirs") << "the other station's values are shown";
        click(w.cancel());
    });
    ASSERT_FALSE(screen.shown().empty());
    EXPECT_EQ(titles().front(), "Record Was Not Updated");
    EXPECT_EQ(storedSetup().COMPANYNAME.view(), "Theirs");
}

TEST_F(SetupFormTest, AStartedFormWorksOnRecordsOfItsOwn)
{
    SET.COMPANYNAME = "frame's buffer";
    QPointer<Upd::Setup> form = new Upd::Setup;
    form->Start();
    ASSERT_TRUE(form);
    const fw::Form &w = form->form();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.ok()->window()));
    type(w.entry(SET.COMPANYNAME), "Started");
    click(w.ok());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.isNull(); })) << "the started form ends itself";
    EXPECT_EQ(SET.COMPANYNAME.view(), "frame's buffer");
    EXPECT_EQ(storedSetup().COMPANYNAME.view(), "Started");
}

namespace {

// Sets a new password through the password window while a started setup form is open.
void setPasswordMeanwhile(const char *password)
{
    fw::ThreadContext::mainContext().makeCurrent(); // as the frame's menu would
    setuptest::WhenShown window("Setup Password", [password](QWidget *w) {
        type(w->findChild<QLineEdit *>(), password);
        click(setuptest::childWithText<QPushButton>(w, "Save Password..."));
    });
    EXPECT_EQ(app::SetPassword(), fw::RequestCompleted);
}

} // namespace

TEST_F(SetupFormTest, APasswordSavedWhileTheFormIsOpenStaysInForceWhenItIsCancelled)
{
    QPointer<Upd::Setup> form = new Upd::Setup;
    form->Start();
    const fw::Form &w = form->form();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.ok()->window()));
    setPasswordMeanwhile("n3w-pass");
    click(w.check(SET.PICKLIST)); // the form follows its values into the globals
    EXPECT_TRUE(app::PasswordMatches("n3w-pass"));
    click(w.cancel());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.isNull(); }));
    EXPECT_TRUE(app::PasswordMatches("n3w-pass"));
    EXPECT_EQ(int{GLO.PICKLIST}, 0);
    EXPECT_TRUE(app::passwordVerifies(storedSetup().PASSWORDHASH.view(), "n3w-pass"));
}

TEST_F(SetupFormTest, APasswordSavedWhileTheFormIsOpenIsNotOverwrittenByItsSave)
{
    QPointer<Upd::Setup> form = new Upd::Setup;
    form->Start();
    const fw::Form &w = form->form();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.ok()->window()));
    setPasswordMeanwhile("n3w-pass");
    click(w.check(SET.PICKLIST));
    click(w.ok()); // SETUP changed since the form read it: the form shows it as it is now
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(titles(), (std::vector<std::string>{"Record Was Not Updated"}));
    click(w.check(SET.PICKLIST));
    click(w.ok());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.isNull(); }));
    EXPECT_TRUE(app::PasswordMatches("n3w-pass"));
    const SETUPRecord s = storedSetup();
    EXPECT_TRUE(app::passwordVerifies(s.PASSWORDHASH.view(), "n3w-pass"));
    EXPECT_EQ(int{s.PICKLIST}, 1);
}

// Every prompt and choice shows its whole text, and the form fits a 800 x 600 screen. With
// TQ_SCREENSHOTS set to a folder, each tab is saved there as a picture to look at.
TEST_F(SetupFormTest, EveryTabShowsItsTextsInFull)
{
    run([](Upd::Setup &, const fw::Form &w) {
        QWidget *window = w.ok()->window();
        for (int tab = 0; tab < w.tabs()->count(); ++tab) {
            w.tabs()->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            EXPECT_LE(window->width(), 800);
            EXPECT_LE(window->height(), 600);
            QWidget *page = w.tabs()->widget(tab);
            for (QWidget *child : page->findChildren<QWidget *>()) {
                if (!child->isVisible() || !(qobject_cast<QLabel *>(child) || qobject_cast<QAbstractButton *>(child)))
                    continue;
                EXPECT_GE(child->width(), child->sizeHint().width())
                    << "cut on tab " << tab << ": " << child->property("text").toString().toStdString();
            }
            setuptest::screenshot(window, QString("setup-tab%1").arg(tab + 1));
            testsupport::expectTidy(window);
        }
        click(w.cancel());
    });
}
