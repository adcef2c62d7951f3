// The "Select Tag Set" window: adding, renaming, deleting and choosing saved sets.
#include "dictionary/files.h"
#include "tagging/tagsets.h"
#include "tagging/tagsetwindow.h"
#include "tests/support/datafolder.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

using namespace dict;
using testsupport::DataFolderTest;

namespace {

class TagSetWindowTest : public DataFolderTest
{
protected:
    // Runs the window; drive acts on it once it is open.
    int run(std::string_view mode, const std::function<void(ST::SelectTagSetWindow &)> &drive)
    {
        ST::SelectTagSetWindow window{std::string(mode), "Brw:CustomerLabels"};
        QTimer::singleShot(0, &window, [&] { drive(window); });
        return window.Run();
    }
};

} // namespace

TEST_F(TagSetWindowTest, ASetAddedAndSavedIsCurrentAfterwards)
{
    const int response = run("Save", [](ST::SelectTagSetWindow &w) {
        EXPECT_EQ(w.choose->text(), "&Save");
        EXPECT_FALSE(w.choose->isEnabled()) << "nothing to save into yet";
        EXPECT_FALSE(w.change->isEnabled());
        EXPECT_TRUE(w.insert->isEnabled());
        w.askDescription = [](const std::string &) { return std::optional<std::string>("Spring mailing"); };
        w.insert->click();
        EXPECT_EQ(w.list->rowCount(), 1);
        EXPECT_EQ(w.list->item(0, 2)->text(), "Spring mailing");
        w.choose->click();
    });
    EXPECT_EQ(response, fw::RequestCompleted);
    EXPECT_EQ(GlobalResponse, fw::RequestCompleted);
    EXPECT_EQ(TS_.DESCRIPTION.view(), "Spring mailing");
    EXPECT_LT(SHORT{TS_.TBL}, 0) << "saved sets use negative numbers";
}

TEST_F(TagSetWindowTest, LoadModeRenamesDeletesAfterAskingAndCancels)
{
    ASSERT_EQ(Relate::TAGSET_.Open(), Benign);
    ASSERT_NE(ST::InsertTagSet("Brw:CustomerLabels", "Old name"), 0);
    ASSERT_NE(ST::InsertTagSet("Brw:CustomerLabels", "Second"), 0);
    ASSERT_NE(ST::InsertTagSet("Brw:InvoicesPrintMultiple", "Another list's"), 0);
    screen.answer(ButtonNo);
    screen.answer(ButtonYes);
    const int response = run(ST::LoadMode, [](ST::SelectTagSetWindow &w) {
        EXPECT_EQ(w.choose->text(), "&Load");
        EXPECT_FALSE(w.insert->isEnabled());
        EXPECT_EQ(w.list->rowCount(), 2) << "only this list's sets";
        w.list->selectRow(0);
        const QString first = w.list->item(0, 2)->text();
        w.askDescription = [](const std::string &) { return std::optional<std::string>("New name"); };
        w.change->click();
        EXPECT_TRUE(w.list->findItems("New name", Qt::MatchExactly).size() == 1);
        w.remove->click(); // No
        EXPECT_EQ(w.list->rowCount(), 2);
        w.remove->click(); // Yes
        EXPECT_EQ(w.list->rowCount(), 1);
        w.cancel->click();
    });
    EXPECT_EQ(response, fw::RequestCancelled);
    EXPECT_EQ(titles(), (std::vector<std::string>{"Are you sure?", "Are you sure?"}));
    EXPECT_EQ(ST::TagSets("Brw:CustomerLabels").size(), 1u);
    Relate::TAGSET_.Close();
}
