// The update-form protocol on a real window: typing, OK, Cancel and its questions, refused
// entries, thread contexts keeping two windows' records apart, the keys of a form, the help
// button and where a window reopens.
#include "dictionary/files.h"
#include "framework/helphook.h"
#include "framework/iniclass.h"
#include "framework/reportslib.h"
#include "framework/threadcontext.h"
#include "framework/windowmanager.h"
#include "tests/support/customerform.h"
#include "tests/support/datafolder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace dict;
using testsupport::DataFolderTest;

namespace {

using testsupport::CustomerForm;

class FormTest : public DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        ASSERT_EQ(Relate::CUSTOMER.Open(), Benign);
    }
    void TearDown() override
    {
        Relate::CUSTOMER.Close();
        DataFolderTest::TearDown();
    }
    // Runs the form with a request; drive() acts on the open window.
    int run(int request, const std::function<void(CustomerForm &)> &drive)
    {
        CustomerForm form;
        QTimer::singleShot(0, [&] { drive(form); });
        GlobalRequest = static_cast<BYTE>(request);
        return form.Run();
    }
    static void type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        Q_EMIT edit->editingFinished();
    }
};

} // namespace

TEST_F(FormTest, InsertTypedAndSavedLandsInTheFile)
{
    Access::CUSTOMER.PrimeRecord();
    const int response = run(fw::InsertRecord, [](CustomerForm &f) {
        type(f.number, "C100");
        type(f.balance, "1,234.50");
        QTest::mouseClick(f.ok, Qt::LeftButton);
    });
    EXPECT_EQ(response, fw::RequestCompleted);
    EXPECT_EQ(GlobalResponse, fw::RequestCompleted);
    EXPECT_TRUE(screen.shown().empty());
    CUS.CUSTOMERNO = "C100";
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    EXPECT_DOUBLE_EQ(CUS.BALANCE, 1234.5);
    EXPECT_EQ(Access::CUSTOMER.Records(), 1);
}

TEST_F(FormTest, CancelOnAChangedNewRecordAsksAndNoRemovesTheReservedRecord)
{
    Access::CUSTOMER.PrimeRecord();
    EXPECT_EQ(Access::CUSTOMER.Records(), 1) << "reserved";
    screen.answer(ButtonNo);
    const int response = run(fw::InsertRecord, [](CustomerForm &f) {
        type(f.number, "C1");
        QTest::mouseClick(f.cancel, Qt::LeftButton);
    });
    EXPECT_EQ(response, fw::RequestCancelled);
    ASSERT_FALSE(screen.shown().empty());
    EXPECT_EQ(titles().back(), "Save Record");
    EXPECT_EQ(Access::CUSTOMER.Records(), 0);
}

TEST_F(FormTest, CancelThenYesSavesAndCancelKeepsTheFormOpen)
{
    Access::CUSTOMER.PrimeRecord();
    screen.answer(ButtonCancel);
    screen.answer(ButtonYes);
    const int response = run(fw::InsertRecord, [](CustomerForm &f) {
        type(f.number, "C7");
        QTest::mouseClick(f.cancel, Qt::LeftButton); // Cancel: the form stays
        QTimer::singleShot(0, [&f] { QTest::mouseClick(f.cancel, Qt::LeftButton); }); // Yes: saved
    });
    EXPECT_EQ(response, fw::RequestCompleted);
    EXPECT_EQ(titles(), (std::vector<std::string>{"Save Record", "Save Record"}));
    CUS.CUSTOMERNO = "C7";
    EXPECT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
}

TEST_F(FormTest, CancelOnAnUnchangedRecordClosesWithoutAQuestion)
{
    Access::CUSTOMER.PrimeRecord();
    CUS.CUSTOMERNO = "C5";
    ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    const int response = run(fw::ChangeRecord, [](CustomerForm &f) { QTest::mouseClick(f.cancel, Qt::LeftButton); });
    EXPECT_EQ(response, fw::RequestCancelled);
    EXPECT_TRUE(screen.shown().empty());
    EXPECT_EQ(Access::CUSTOMER.Records(), 1);
}

TEST_F(FormTest, LettersTypedIntoANumberAreRefusedAndNothingIsStored)
{
    Access::CUSTOMER.PrimeRecord();
    CUS.CUSTOMERNO = "C9";
    CUS.BALANCE = 10;
    ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    screen.answer(ButtonNo); // leave without saving
    run(fw::ChangeRecord, [](CustomerForm &f) {
        type(f.balance, "ten");
        QTest::mouseClick(f.ok, Qt::LeftButton);
        QTimer::singleShot(0, [&f] { QTest::mouseClick(f.cancel, Qt::LeftButton); });
    });
    ASSERT_GE(screen.shown().size(), 1u);
    EXPECT_EQ(titles().front(), "Invalid Entry");
    CUS.CUSTOMERNO = "C9";
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    EXPECT_DOUBLE_EQ(CUS.BALANCE, 10);
}

TEST_F(FormTest, ThreadContextsKeepEachWindowsRecordsApart)
{
    fw::ThreadContext first, second;
    first.makeCurrent();
    CUS.CUSTOMERNO = "FIRST";
    Access::INVOICE.Open();
    second.makeCurrent();
    EXPECT_TRUE(CUS.CUSTOMERNO.blank()) << "a new context starts with empty records";
    EXPECT_FALSE(Access::INVOICE.Opened()) << "and with its own opens";
    CUS.CUSTOMERNO = "SECOND";
    first.makeCurrent();
    EXPECT_EQ(CUS.CUSTOMERNO.view(), "FIRST");
    EXPECT_TRUE(Access::INVOICE.Opened());
    Access::INVOICE.Close();
    second.makeCurrent();
    EXPECT_EQ(CUS.CUSTOMERNO.view(), "SECOND");
    fw::ThreadContext::mainContext().makeCurrent();
}

namespace {

// Forms that remember where they were: the settings file is in the test's folder.
class PlacedFormTest : public FormTest
{
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        settings().Init("Invoice.ini");
        REPORTS::INIT(nullptr, &settings());
    }
    static fw::INIClass &settings()
    {
        static fw::INIClass ini;
        return ini;
    }
    // Opens the form, lets act() move it, and returns its rectangle as it closes.
    QRect openAndClose(const std::function<void(QWidget *)> &act = {})
    {
        QRect seen;
        run(fw::ChangeRecord, [&](CustomerForm &f) {
            QWidget *w = f.window();
            if (act)
                act(w);
            QCoreApplication::processEvents();
            seen = w->geometry();
            f.cancel->click();
        });
        return seen;
    }
};

// The help pages the hook knows of, and the pages it was asked to open.
struct HelpPages {
    std::vector<std::string> pages;
    std::vector<std::string> opened;
    HelpPages()
    {
        fw::setHelpOpener([this](const std::string &name) { return opened.push_back(name), true; },
                          [this](const std::string &name) {
                              return std::find(pages.begin(), pages.end(), name) != pages.end();
                          });
    }
    ~HelpPages() { fw::setHelpOpener({}, {}); }
};

} // namespace

TEST_F(FormTest, EnterInAFieldPressesOkAndEnterInAMultiLineTextStartsANewLine)
{
    Access::CUSTOMER.PrimeRecord();
    QString memo;
    const int response = run(fw::InsertRecord, [&](CustomerForm &f) {
        auto *notes = new QPlainTextEdit(f.window());
        f.window()->layout()->addWidget(notes);
        notes->setFocus();
        QTest::keyClicks(notes, "one");
        QTest::keyClick(notes, Qt::Key_Return);
        QTest::keyClicks(notes, "two");
        memo = notes->toPlainText();
        EXPECT_TRUE(f.window()->isVisible()) << "Enter in the text does not save";
        f.number->setFocus();
        QTest::keyClicks(f.number, "C200");
        QTest::keyClick(f.number, Qt::Key_Return);
    });
    EXPECT_EQ(memo, "one\ntwo");
    EXPECT_EQ(response, fw::RequestCompleted);
    CUS.CUSTOMERNO = "C200";
    EXPECT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
}

TEST_F(FormTest, EscapeCancelsAsTheCancelButtonDoesAskingAboutAChangedRecord)
{
    Access::CUSTOMER.PrimeRecord();
    CUS.CUSTOMERNO = "C5";
    CUS.LNAME = "Before";
    ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    screen.answer(ButtonCancel);
    screen.answer(ButtonNo);
    const int response = run(fw::ChangeRecord, [](CustomerForm &f) {
        f.name->setFocus();
        f.name->selectAll();
        QTest::keyClicks(f.name, "After");
        QTest::keyClick(f.name, Qt::Key_Escape); // Cancel: the form stays
        QTimer::singleShot(0, [&f] { QTest::keyClick(f.name, Qt::Key_Escape); }); // No: closed
    });
    EXPECT_EQ(response, fw::RequestCancelled);
    EXPECT_EQ(titles(), (std::vector<std::string>{"Save Record", "Save Record"}));
    ASSERT_EQ(Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key), Benign);
    EXPECT_EQ(CUS.LNAME.view(), "Before");
}

TEST_F(FormTest, TheHelpButtonAndTheToolbarsHelpOpenTheProceduresPageWhenThereIsOne)
{
    HelpPages help;
    Access::CUSTOMER.PrimeRecord();
    run(fw::InsertRecord, [](CustomerForm &f) {
        EXPECT_FALSE(f.help->isEnabled()) << "no page";
        EXPECT_FALSE(f.NavigationStates().at(fw::Nav::Help).enabled);
        EXPECT_EQ(f.TakeNavigation(fw::Nav::Help), Notify);
        f.cancel->click();
    });
    EXPECT_TRUE(help.opened.empty());

    help.pages = {"Upd:TestCustomer"};
    Access::CUSTOMER.PrimeRecord();
    run(fw::InsertRecord, [](CustomerForm &f) {
        EXPECT_TRUE(f.help->isEnabled());
        EXPECT_TRUE(f.NavigationStates().at(fw::Nav::Help).enabled);
        f.help->click();
        EXPECT_EQ(f.TakeNavigation(fw::Nav::Help), Benign);
        QTest::keyClick(f.number, Qt::Key_F1);
        f.cancel->click();
    });
    EXPECT_EQ(help.opened, std::vector<std::string>(3, "Upd:TestCustomer"));
}

TEST_F(PlacedFormTest, AFormReopensExactlyWhereItWasClosed)
{
    ASSERT_EQ(Access::CUSTOMER.PrimeRecord(), Benign);
    CUS.CUSTOMERNO = "C1";
    ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
    const QRect moved = openAndClose([](QWidget *w) { w->move(w->pos() + QPoint(37, 121)); });
    // The rectangle kept is the one the window showed, frame or no frame.
    const auto kept = [](const char *key) { return std::stoi(settings().Fetch("Upd:TestCustomer", key)); };
    EXPECT_EQ(QRect(kept("XPos"), kept("YPos"), moved.width(), moved.height()), moved);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(openAndClose(), moved) << "reopening " << i + 1;
}

TEST_F(PlacedFormTest, APlaceOffTheScreenComesBackOntoIt)
{
    ASSERT_EQ(Access::CUSTOMER.PrimeRecord(), Benign);
    CUS.CUSTOMERNO = "C1";
    ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
    settings().Update("Upd:TestCustomer", "Maximize", "No");
    settings().Update("Upd:TestCustomer", "XPos", "-4000");
    settings().Update("Upd:TestCustomer", "YPos", "90000");
    const QRect placed = openAndClose();
    const QRect screenRect = QApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screenRect.contains(placed)) << placed.x() << "," << placed.y();
}
