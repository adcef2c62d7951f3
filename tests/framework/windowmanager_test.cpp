// The update-form protocol on a real window: typing, OK, Cancel and its questions, refused
// entries, and thread contexts keeping two windows' records apart.
#include "dictionary/files.h"
#include "framework/threadcontext.h"
#include "framework/windowmanager.h"
#include "tests/support/customerform.h"
#include "tests/support/datafolder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

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
        emit edit->editingFinished();
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
