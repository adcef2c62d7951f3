// The windows that edit an invoice's memo and shipping in the invoice form's buffer, and the
// standard memos appended from the pick list.
#include "app/memos/documentmemos.h"
#include "app/invoices/shipping.h"
#include "app/memos/memoform.h"
#include "app/memos/standardmemos.h"
#include "tests/support/invoicefolder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using namespace invoicetest;
using maintenancetest::procedureOf;
using setuptest::type;
using setuptest::WhenShown;

void press(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

class MemoWindowsTest : public InvoiceFolderTest
{
protected:
    static void addStandardMemo(const char *title, const char *text)
    {
        ASSERT_EQ(Access::MEMOS.Open(), dict::Benign);
        Access::MEMOS.PrimeRecord();
        MEM.TITLE = title;
        MEM.MEMOS = text;
        ASSERT_EQ(Access::MEMOS.Insert(), dict::Benign);
        Access::MEMOS.Close();
    }

    // Runs the invoice memo window on the INV buffer, acting on it once it shows.
    static int runMemoWindow(bool readOnly, std::function<void(const fw::Form &)> act)
    {
        auto shown = WhenShown("Invoice Memo", [&](QWidget *w) { act(procedureOf<Win::InvoiceMemos>(w)->form()); });
        GlobalRequest = fw::ChangeRecord;
        Win::InvoiceMemos window(readOnly);
        return window.Run();
    }

    // Picks the standard memo titled title from the pick list as it opens.
    static WhenShown picking(const char *title)
    {
        return WhenShown("Select Standard Memo(s) for Report...", [title](QWidget *w) {
            auto *pick = procedureOf<Brw::GetStandardMemos>(w);
            type(pick->widgets().locator, title);
            press(pick->widgets().select);
        });
    }
};

TEST_F(MemoWindowsTest, StandardMemosAreAppendedEachTimeAndCutAtTheMemosLength)
{
    addStandardMemo("Thanks", "Thank you for your order.");
    INV.MEMOS = "Deliver to the back door.";
    {
        auto pick = picking("Thanks");
        EXPECT_EQ(runMemoWindow(false, [&](const fw::Form &w) {
                      press(w.button(Win::InvoiceMemos::Select));
                      press(w.button(Win::InvoiceMemos::Select));
                      press(w.ok());
                  }),
                  fw::RequestCompleted);
    }
    EXPECT_EQ(INV.MEMOS.str(), "Deliver to the back door.\rThank you for your order.\r\rThank you for your order.\r");

    EXPECT_EQ(app::appendedMemo(std::string(495, 'x'), "Thank you"), std::string(495, 'x') + "\rThan");
    EXPECT_EQ(app::appendedMemo("Kept", "   "), "Kept") << "a blank standard memo appends nothing";
}

TEST_F(MemoWindowsTest, CancelLeavesTheMemoAsItWasAndTheListShowsItOnly)
{
    addStandardMemo("Thanks", "Thank you for your order.");
    INV.MEMOS = "Line one\rLine two";
    INV.TAXINFO = "Tax#: 1";
    {
        auto pick = picking("Thanks");
        runMemoWindow(false, [&](const fw::Form &w) {
            EXPECT_EQ(w.memo(INV.MEMOS)->toPlainText(), "Line one\nLine two") << "carriage returns break the lines";
            press(w.button(Win::InvoiceMemos::Select));
            type(w.entry(INV.TAXINFO), "changed");
            screen.answer(dict::ButtonNo);
            press(w.cancel());
        });
    }
    EXPECT_EQ(INV.MEMOS.str(), "Line one\rLine two");
    EXPECT_EQ(INV.TAXINFO.str(), "Tax#: 1");

    runMemoWindow(true, [&](const fw::Form &w) {
        EXPECT_TRUE(w.memo(INV.MEMOS)->isReadOnly());
        EXPECT_FALSE(w.button(Win::InvoiceMemos::Select)->isEnabled());
        press(w.ok());
    });
    EXPECT_EQ(INV.MEMOS.str(), "Line one\rLine two");
}

TEST_F(MemoWindowsTest, ShippingIsAddedToTheMemoInTheDatePictureOfTheSetup)
{
    GLO.DATENAME = "@d6b";
    INV.MEMOS = "Fragile";
    auto shown = WhenShown("Shipping Information", [&](QWidget *window) {
        const fw::Form &w = procedureOf<Win::ShippingMethod>(window)->form();
        type(w.entry(INV.SHIPPINGMETHOD), "UPS");
        EXPECT_FALSE(w.entry(INV.SHIPPINGDATE)->text().trimmed().isEmpty()) << "shipped today unless told otherwise";
        type(w.entry(INV.SHIPPINGDATE), "24/12/2026");
        type(w.entry(INV.SHIPPINGTRACKINGNO), "1Z99");
        type(w.entry(INV.SHIPPING), "12.50");
        setuptest::click(w.flag(Win::ShippingMethod::AddToMemo));
        press(w.ok());
    });
    GlobalRequest = fw::ChangeRecord;
    Win::ShippingMethod window;
    EXPECT_EQ(window.Run(), fw::RequestCompleted);
    EXPECT_EQ(INV.SHIPPING, 12.5);
    EXPECT_EQ(INV.MEMOS.str(), "Fragile\rShipping Method: UPS Date: 24/12/2026\rTracking #: 1Z99\r");

    dict::INVOICERecord other{};
    other.SHIPPINGMETHOD = "UPS";
    EXPECT_EQ(Win::shippingMemo(other, "@d17"), "") << "a date picture it does not know adds nothing";
}

TEST_F(MemoWindowsTest, CancelOfTheShippingWindowKeepsWhatTheInvoiceHad)
{
    INV.SHIPPING = 5;
    INV.SHIPPINGMETHOD = "Post";
    auto shown = WhenShown("Shipping Information", [&](QWidget *window) {
        const fw::Form &w = procedureOf<Win::ShippingMethod>(window)->form();
        type(w.entry(INV.SHIPPING), "99");
        type(w.entry(INV.SHIPPINGMETHOD), "");
        screen.answer(dict::ButtonNo);
        press(w.cancel());
    });
    GlobalRequest = fw::ChangeRecord;
    Win::ShippingMethod window;
    EXPECT_EQ(window.Run(), fw::RequestCancelled);
    EXPECT_EQ(INV.SHIPPING, 5);
    EXPECT_EQ(INV.SHIPPINGMETHOD.str(), "Post");
}

} // namespace
