// Tag tables in the two tag files and in memory: setting, reversing, walking, counting and
// emptying; counts that stay right when other windows and other stations change a table; the
// station's tag user; saved tag sets.
#include "dictionary/files.h"
#include "framework/iniclass.h"
#include "framework/picture.h"
#include "framework/threadcontext.h"
#include "framework/viewmanager.h"
#include "tagging/tags.h"
#include "tagging/tagsets.h"
#include "tagging/taguser.h"
#include "tests/support/datafolder.h"

#include <QCoreApplication>

#include <sqlite3.h>

#include <string>
#include <vector>

using namespace dict;
using namespace testsupport;

namespace {

constexpr const char *PointerFile = "TAGFILE_";
constexpr const char *PositionFile = "TAGFILEPOS_";

// A number read through a connection of its own, as another station sees the files.
long long scalar(const std::string &sql)
{
    const char *path = dict::DatabasePath;
    sqlite3 *db = nullptr;
    long long value = -1;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_open_v2(path, &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK
        && sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
        value = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return value;
}

long long rows(const char *table, const std::string &where = "1")
{
    return scalar("SELECT COUNT(*) FROM " + std::string(table) + " WHERE " + where);
}

class TaggingTest : public DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        ST::UsrTag_(nullptr);
        ST::ShutDownTag_PtrM();
        ST::ShutDownTag_PosM();
    }
    void TearDown() override
    {
        ST::UsrTag_(nullptr);
        DataFolderTest::TearDown();
    }

    std::vector<LONG> walkPointers(int table)
    {
        std::vector<LONG> out;
        for (LONG v = ST::FstTag_(table); v != 0; v = ST::NxtTag_(table))
            out.push_back(v);
        return out;
    }
    std::vector<std::string> walkPositions(int table)
    {
        std::vector<std::string> out;
        for (std::string v = ST::FstTagPos_(table); !v.empty(); v = ST::NxtTagPos_(table))
            out.push_back(v);
        return out;
    }
};

using Values = std::vector<LONG>;
using Texts = std::vector<std::string>;

} // namespace

// --- one tag -------------------------------------------------------------------------------

TEST_F(TaggingTest, SettingATagTwiceLeavesOneTagAndRewritesItsSortValue)
{
    EXPECT_EQ(ST::SetTag_(3, 1001, "B"), 1);
    EXPECT_EQ(ST::SetTag_(3, 1002, "C"), 1);
    EXPECT_EQ(ST::SetTag_(3, 1001, "D"), 0);
    EXPECT_EQ(ST::CntTag_(3), 2);
    EXPECT_EQ(rows(PointerFile), 2);
    EXPECT_EQ(walkPointers(3), (Values{1002, 1001})) << "1001 now sorts by its new value";

    EXPECT_EQ(ST::SetTagPos_(1, "C17", "B"), 1);
    EXPECT_EQ(ST::SetTagPos_(1, "C18", "C"), 1);
    EXPECT_EQ(ST::SetTagPos_(1, "c17", "D"), 0) << "position tags compare as keys do";
    EXPECT_EQ(ST::CntTagPos_(1), 2);
    EXPECT_EQ(walkPositions(1), (Texts{"C18", "C17"}));
}

TEST_F(TaggingTest, ReversingATagTwiceLeavesTheTableAsItWas)
{
    ST::SetTag_(3, 5);
    ST::SetTag_(3, 6);
    EXPECT_EQ(ST::RvsTag_(3, 7), 1);
    EXPECT_EQ(ST::GetTag_(3, 7), 1);
    EXPECT_EQ(ST::CntTag_(3), 3);
    EXPECT_EQ(ST::RvsTag_(3, 7), 0);
    EXPECT_EQ(ST::RvsTag_(3, 5), 0);
    EXPECT_EQ(ST::RvsTag_(3, 5), 1);
    EXPECT_EQ(ST::CntTag_(3), 2);
    EXPECT_EQ(rows(PointerFile), 2);
    EXPECT_EQ(ST::GetTag_(3, 7), 0);

    ST::SetTagPos_(1, "A");
    EXPECT_EQ(ST::RvsTagPos_(1, "B"), 1);
    EXPECT_EQ(ST::RvsTagPos_(1, "B"), 0);
    EXPECT_EQ(ST::CntTagPos_(1), 1);

    EXPECT_EQ(ST::RvsTag_PtrM(4, 9), 1);
    EXPECT_EQ(ST::RvsTag_PtrM(4, 9), 0);
    EXPECT_EQ(ST::CntTag_PtrM(4), 0);
    EXPECT_EQ(ST::RvsTag_PosM(4, "x"), 1);
    EXPECT_EQ(ST::RvsTag_PosM(4, "x  "), 0) << "trailing blanks are not part of a value";
    EXPECT_EQ(ST::CntTag_PosM(4), 0);
}

TEST_F(TaggingTest, NoTableOrAnEmptyValueDoesNothing)
{
    ST::SetTag_(3, 5);
    ST::SetTagPos_(1, "C1");
    for (int table : {0, 70000, -40000}) { // 70000 would be stored as table 4464
        EXPECT_EQ(ST::SetTag_(table, 5), 0);
        EXPECT_EQ(ST::SetTagPos_(table, "C1"), 0);
        EXPECT_EQ(ST::GetTag_(table, 5), 0);
        EXPECT_EQ(ST::CntTag_(table), 0);
        EXPECT_EQ(ST::FstTag_(table), 0);
        EXPECT_EQ(ST::LstTagPos_(table), "");
        ST::NewTag_(table);
        ST::NewTagPos_(table);
    }
    EXPECT_EQ(ST::SetTag_(3, 0), 0);
    EXPECT_EQ(ST::RvsTag_(3, 0), 0);
    EXPECT_EQ(ST::SetTagPos_(1, "   "), 0);
    EXPECT_EQ(ST::RvsTagPos_(1, ""), 0);
    ST::ClrTag_(3, 0);
    EXPECT_EQ(rows(PointerFile), 1);
    EXPECT_EQ(rows(PositionFile), 1);

    EXPECT_EQ(ST::SetTag_PtrM(0, 5), 0);
    EXPECT_EQ(ST::SetTag_PtrM(4, 0), 0);
    EXPECT_EQ(ST::SetTag_PosM(4, " "), 0);
    EXPECT_EQ(ST::CntTag_PtrM(0), 0);
    EXPECT_EQ(ST::FstTag_PtrM(0), 0);
    EXPECT_EQ(ST::CntTag_PtrM(4) + ST::CntTag_PosM(4), 0);
    EXPECT_TRUE(screen.shown().empty());
}

// --- walking -------------------------------------------------------------------------------

TEST_F(TaggingTest, WalkingFileTagsKeepsToTheTableAndStopsPastEitherEnd)
{
    LONG otherUser = 7;
    ST::UsrTag_(otherUser);
    ST::SetTag_(3, 99, "A");
    ST::UsrTag_(nullptr);
    ST::SetTag_(2, 98, "Z");
    ST::SetTag_(4, 97, "A");
    ST::SetTag_(3, 30, "C");
    ST::SetTag_(3, 10, "A");
    ST::SetTag_(3, 20, "B");

    EXPECT_EQ(ST::FstTag_(3), 10);
    EXPECT_EQ(ST::NxtTag_(3), 20);
    EXPECT_EQ(ST::NxtTag_(3), 30);
    EXPECT_EQ(ST::NxtTag_(3), 0);
    EXPECT_EQ(ST::NxtTag_(3), 0) << "past the end stays past the end";
    EXPECT_EQ(ST::LstTag_(3), 30);
    EXPECT_EQ(ST::PrvTag_(3), 20);
    EXPECT_EQ(ST::PrvTag_(3), 10);
    EXPECT_EQ(ST::PrvTag_(3), 0);
    EXPECT_EQ(ST::FstTag_(5), 0);

    ST::SetTagPos_(1, "K2", "2");
    ST::SetTagPos_(1, "K1", "1");
    ST::SetTagPos_(2, "K0", "0");
    EXPECT_EQ(walkPositions(1), (Texts{"K1", "K2"}));
    EXPECT_EQ(ST::NxtTagPos_(1), "");
    EXPECT_EQ(ST::LstTagPos_(1), "K2");
    EXPECT_EQ(ST::PrvTagPos_(1), "K1");
    EXPECT_EQ(ST::PrvTagPos_(1), "");
}

TEST_F(TaggingTest, NextAfterTheLastMemoryTagStaysAtZeroUntilFirst)
{
    for (LONG v : {30, 10, 20})
        EXPECT_EQ(ST::SetTag_PtrM(4, v), 1);
    EXPECT_EQ(ST::SetTag_PtrM(4, 20), 0);
    ST::SetTag_PtrM(5, 15);
    EXPECT_EQ(ST::NxtTag_PtrM(4), 0) << "no walk started yet";
    EXPECT_EQ(ST::FstTag_PtrM(4), 10);
    EXPECT_EQ(ST::NxtTag_PtrM(4), 20);
    EXPECT_EQ(ST::NxtTag_PtrM(4), 30);
    EXPECT_EQ(ST::NxtTag_PtrM(4), 0);
    EXPECT_EQ(ST::NxtTag_PtrM(4), 0);
    EXPECT_EQ(ST::FstTag_PtrM(4), 10);
    ST::ClrTag_PtrM(4, 10);
    EXPECT_EQ(ST::NxtTag_PtrM(4), 20) << "the walk goes on after a value cleared meanwhile";
    EXPECT_EQ(ST::LstTag_PtrM(4), 30);
    EXPECT_EQ(ST::PrvTag_PtrM(4), 20);
    EXPECT_EQ(ST::PrvTag_PtrM(4), 0);
    EXPECT_EQ(ST::PrvTag_PtrM(4), 0);
    EXPECT_EQ(ST::CntTag_PtrM(4), 2);
    ST::NewTag_PtrM(4);
    EXPECT_EQ(ST::CntTag_PtrM(4), 0);
    EXPECT_EQ(ST::CntTag_PtrM(5), 1) << "other tables keep their tags";

    ST::SetTag_PosM(4, "pear");
    ST::SetTag_PosM(4, "apple ");
    EXPECT_EQ(ST::GetTag_PosM(4, "apple"), 1);
    EXPECT_EQ(ST::FstTag_PosM(4), "apple");
    EXPECT_EQ(ST::NxtTag_PosM(4), "pear");
    EXPECT_EQ(ST::NxtTag_PosM(4), "");
    EXPECT_EQ(ST::NxtTag_PosM(4), "");
    ST::ShutDownTag_PosM();
    EXPECT_EQ(ST::CntTag_PosM(4), 0);
}

// --- emptying ------------------------------------------------------------------------------

TEST_F(TaggingTest, EmptyingATableThatIsTheWholeFileTakesOneStep)
{
    for (LONG v = 1; v <= 30; ++v)
        ST::SetTag_(3, v);
    EXPECT_EQ(ST::pointerFile().Empty(3), ST::FileTagTable::Emptied::WholeFile);
    EXPECT_EQ(rows(PointerFile), 0);
    EXPECT_EQ(ST::CntTag_(3), 0);
    EXPECT_EQ(ST::FstTag_(3), 0);
}

TEST_F(TaggingTest, EmptyingATableAmongOthersRemovesOnlyItsTags)
{
    LONG otherUser = 5;
    ST::UsrTag_(otherUser);
    ST::SetTag_(3, 100);
    ST::SetTagPos_(1, "THEIRS");
    ST::UsrTag_(nullptr);
    for (LONG v = 1; v <= 25; ++v) {
        ST::SetTag_(3, v);
        ST::SetTagPos_(1, "C" + std::to_string(v));
    }
    ST::SetTag_(1, 7);
    ST::SetTagPos_(2, "C1");

    EXPECT_EQ(ST::pointerFile().Empty(3), ST::FileTagTable::Emptied::RecordByRecord);
    EXPECT_EQ(ST::CntTag_(3), 0);
    EXPECT_EQ(ST::CntTag_(1), 1);
    EXPECT_EQ(rows(PointerFile, "TBL=3"), 1) << "another user's table 3 stays";

    ST::NewTagPos_(1);
    EXPECT_EQ(ST::CntTagPos_(1), 0);
    EXPECT_EQ(ST::GetTagPos_(2, "C1"), 1);
    EXPECT_EQ(rows(PositionFile), 2);
}

TEST_F(TaggingTest, AFailedDeleteIsReportedNamingTheTagFileAndTheWalkStops)
{
    for (LONG v : {11, 12, 13})
        ST::SetTag_(3, v);
    ST::SetTag_(1, 1); // not the whole file: the walk deletes one by one
    sqlOn(dict::DatabasePath, "CREATE TRIGGER held BEFORE DELETE ON TAGFILE_ WHEN old.PTR = 12 "
                       "BEGIN SELECT RAISE(ABORT, 'held by a test'); END");
    ST::NewTag_(3, 0, 1);
    ASSERT_EQ(titles(), (std::vector<std::string>{"Record was not deleted"}));
    EXPECT_NE(texts().front().find("from the TagFile_ file."), std::string::npos) << texts().front();
    EXPECT_EQ(ST::GetTag_(3, 11), 0);
    EXPECT_EQ(ST::GetTag_(3, 13), 1) << "the walk stopped at the failure";
    EXPECT_EQ(ST::CntTag_(3), 2);

    ST::ClrTag_(3, 12);
    EXPECT_EQ(titles().size(), 2u);
    EXPECT_EQ(ST::CntTag_(3), 2);
    EXPECT_EQ(ST::RvsTag_(3, 12), 1) << "still tagged: the delete failed";
}

TEST_F(TaggingTest, EmptyingRecordByRecordLetsWaitingEventsRun)
{
    int argc = 1;
    char name[] = "tagging_test";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    for (LONG v = 1; v <= 30; ++v)
        ST::SetTag_(3, v);
    ST::SetTag_(1, 1);
    int ran = 0;
    QMetaObject::invokeMethod(&app, [&] { ++ran; }, Qt::QueuedConnection);
    ST::NewTag_(3);
    EXPECT_EQ(ran, 1) << "the walk let the program's events run";
    EXPECT_EQ(ST::CntTag_(3), 0);
}

// --- bulk changes --------------------------------------------------------------------------

TEST_F(TaggingTest, StreamsNestAndCommitAtTheOutermostFlush)
{
    ST::StreamTag_();
    ST::StreamTag_();
    ST::SetTag_(3, 1);
    ST::FlushTag_();
    ST::SetTag_(3, 2);
    EXPECT_EQ(rows(PointerFile), 0) << "other stations see nothing before the last flush";
    EXPECT_EQ(ST::CntTag_(3), 2);
    ST::FlushTag_();
    EXPECT_EQ(rows(PointerFile), 2);
    ST::FlushTag_(); // one too many does no harm
    EXPECT_FALSE(ST::pointerFile().Streaming());
    EXPECT_EQ(ST::CntTag_(3), 2);
}

TEST_F(TaggingTest, TagAllTagsEveryRecordOfTheViewOnce)
{
    ASSERT_EQ(Access::CUSTOMER.Open(), Benign);
    for (int i = 1; i <= 25; ++i) {
        Access::CUSTOMER.PrimeRecord();
        CUS.CUSTOMERNO = "C" + std::to_string(i);
        ASSERT_EQ(Access::CUSTOMER.Insert(), Benign);
    }
    fw::ViewManager view;
    view.Init(&Relate::CUSTOMER);
    view.AddSortOrder(CUS.CustomerNo_Key);
    const auto customerNo = [] { return CUS.CUSTOMERNO.str(); };
    ST::SetTagPos_(1, "C3");
    EXPECT_EQ(ST::TagAllPos_(1, view, customerNo), 24);
    EXPECT_EQ(ST::TagAllPos_(1, view, customerNo), 0);
    EXPECT_EQ(ST::CntTagPos_(1), 25);
    EXPECT_EQ(rows(PositionFile), 25);
    EXPECT_EQ(ST::GetTagPos_(1, "c25"), 1);
    Access::CUSTOMER.Close();
}

// --- counts kept right ---------------------------------------------------------------------

TEST_F(TaggingTest, CountsStayRightWhenAnotherWindowTagsAndClears)
{
    fw::ThreadContext browse, form;
    {
        fw::ContextScope in(&browse);
        ASSERT_EQ(Access::TAGFILE_.Open(), Benign); // held open as a browse holds it
        ST::SetTag_(3, 1, "A");
        ST::SetTag_(3, 2, "B");
        ST::SetTag_(3, 3, "C");
        EXPECT_EQ(ST::CntTag_(3), 3);
        EXPECT_EQ(ST::FstTag_(3), 1);
    }
    {
        fw::ContextScope in(&form);
        ST::SetTag_(3, 4, "D");
        ST::ClrTag_(3, 2);
        EXPECT_EQ(ST::CntTag_(3), 3);
    }
    {
        fw::ContextScope in(&browse);
        EXPECT_EQ(ST::CntTag_(3), 3);
        EXPECT_EQ(ST::NxtTag_(3), 3) << "the browse's walk goes on where it was";
        EXPECT_EQ(ST::NxtTag_(3), 4);
        EXPECT_EQ(ST::CntTag_(3), 3) << "counting does not move the walk";
        EXPECT_EQ(ST::NxtTag_(3), 0);

        // A write past the tag functions, as a relation's cascade makes one.
        Access::TAGFILE_.PrimeRecord();
        TF_.TBL = 3;
        TF_.PTR = 50;
        ASSERT_EQ(Access::TAGFILE_.Insert(), Benign);
        EXPECT_EQ(ST::CntTag_(3), 4);
        Access::TAGFILE_.Close();
    }
    fw::ThreadContext::mainContext().makeCurrent();
}

TEST_F(TaggingTest, CountsStayRightWhenAnotherStationChangesTheTable)
{
    ASSERT_EQ(Access::TAGFILE_.Open(), Benign);
    ASSERT_EQ(Access::TAGFILEPOS_.Open(), Benign);
    ST::SetTag_(3, 1);
    ST::SetTag_(3, 2);
    ST::SetTagPos_(1, "C1");
    EXPECT_EQ(ST::CntTag_(3), 2);
    EXPECT_EQ(ST::CntTagPos_(1), 1);

    EXPECT_EQ(runWorker(folder, {"tag", "ptr", "3", "10", "11", "12"}).output, "5\n");
    EXPECT_EQ(ST::CntTag_(3), 5);
    EXPECT_EQ(runWorker(folder, {"untag", "ptr", "3", "10"}).output, "4\n");
    EXPECT_EQ(ST::CntTag_(3), 4);
    ST::SetTag_(3, 20); // our own change after theirs
    EXPECT_EQ(ST::CntTag_(3), 5);
    EXPECT_EQ(runWorker(folder, {"untag", "ptr", "3", "20", "11"}).output, "3\n");
    ST::ClrTag_(3, 12);
    EXPECT_EQ(ST::CntTag_(3), 2);

    EXPECT_EQ(runWorker(folder, {"tag", "pos", "1", "C2", "C3"}).output, "3\n");
    EXPECT_EQ(ST::CntTagPos_(1), 3);
    EXPECT_EQ(runWorker(folder, {"untag", "pos", "1", "C1"}).output, "2\n");
    ST::SetTagPos_(1, "C4");
    EXPECT_EQ(ST::CntTagPos_(1), 3);
    Access::TAGFILEPOS_.Close();
    Access::TAGFILE_.Close();
}

// --- the station's tag user ----------------------------------------------------------------

TEST_F(TaggingTest, EachStationKeepsItsOwnTagUserInTheSettings)
{
    fw::INIClass ini;
    ini.Init("Invoice.ini");
    const LONG first = ST::RegisterStationTagUsr(ini, "till-1/ann");
    EXPECT_EQ(first, 0) << "a single station keeps the tags it had";
    const LONG second = ST::RegisterStationTagUsr(ini, "till-2/bob");
    EXPECT_GT(second, 0);
    EXPECT_EQ(ST::GetTagUsr(), second);

    fw::INIClass restarted;
    restarted.Init("Invoice.ini");
    EXPECT_EQ(ST::RegisterStationTagUsr(restarted, "till-2/bob"), second);
    EXPECT_EQ(ST::RegisterStationTagUsr(restarted, "till-1/ann"), first);

    ST::SetTag_(3, 42);
    ST::RegisterStationTagUsr(restarted, "till-2/bob");
    EXPECT_EQ(ST::GetTag_(3, 42), 0) << "selections are kept apart";
    EXPECT_EQ(ST::CntTag_(3), 0);
    EXPECT_EQ(ST::SetTag_(3, 42), 1);
    EXPECT_EQ(rows(PointerFile), 2);
}

TEST_F(TaggingTest, AStationWhoseNumberIsTakenGetsAnotherAndNoSettingsMeanUserZero)
{
    // Learn the number till-3 would get, then let another station hold it.
    fw::INIClass scratch;
    scratch.Init("scratch.ini");
    ST::RegisterStationTagUsr(scratch, "first/any");
    const LONG wanted = ST::RegisterStationTagUsr(scratch, "till-3/cy");

    fw::INIClass ini;
    ini.Init("Invoice.ini");
    ST::RegisterStationTagUsr(ini, "first/any");
    ASSERT_TRUE(ini.Update("TagUsers", "User " + std::to_string(wanted), "elsewhere/dee"));
    const LONG got = ST::RegisterStationTagUsr(ini, "till-3/cy");
    EXPECT_NE(got, wanted);
    EXPECT_NE(got, 0);

    fw::INIClass unwritable; // never initialised: nothing can be kept
    EXPECT_EQ(ST::RegisterStationTagUsr(unwritable, "till-4/eve"), 0);
}

// --- saved tag sets ------------------------------------------------------------------------

TEST_F(TaggingTest, NewTagSetsAreNumberedDownwardsAndNeverWrapToPositive)
{
    EXPECT_EQ(ST::InsertTagSet("Brw:CustomerLabels", "Mailing"), -1);
    EXPECT_EQ(ST::InsertTagSet("Brw:CustomerLabels", "Christmas"), -2);
    EXPECT_EQ(SHORT{TS_.TBL}, -2);
    EXPECT_EQ(LONG{TS_.DATE}, fw::today());
    EXPECT_EQ(TS_.DESCRIPTION.view(), "Christmas");

    sqlOn(dict::DatabasePath, "INSERT INTO TAGSET_ (TBL, USR, SOURCE) VALUES (-32768, 0, 'X'), (-32767, 0, 'X')");
    EXPECT_EQ(ST::InsertTagSet("Brw:CustomerLabels", "Low"), -32766);
}

TEST_F(TaggingTest, TagSetsAreListedNewestFirstForTheirSourceAndUser)
{
    const SHORT old = ST::InsertTagSet("Brw:CustomerLabels", "Old");
    const SHORT b = ST::InsertTagSet("Brw:CustomerLabels", "beta");
    const SHORT a = ST::InsertTagSet("Brw:CustomerLabels", "Alpha");
    ST::InsertTagSet("Brw:InvoicesPrintMultiple", "Other list");
    LONG otherUser = 3;
    ST::UsrTag_(otherUser);
    ST::InsertTagSet("Brw:CustomerLabels", "Not mine");
    ST::UsrTag_(nullptr);
    sqlOn(dict::DatabasePath, ("UPDATE TAGSET_ SET DATE = DATE - 10 WHERE TBL = " + std::to_string(old)).c_str());

    TS_.TBL = b; // the window's current set stays current
    const std::vector<ST::TagSetRow> sets = ST::TagSets("brw:customerlabels");
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(sets[0].table, a);
    EXPECT_EQ(sets[1].table, b);
    EXPECT_EQ(sets[2].table, old);
    EXPECT_EQ(sets[2].date, fw::today() - 10);
    EXPECT_EQ(SHORT{TS_.TBL}, b);

    EXPECT_EQ(ST::ChangeTagSet(b, "Beta, renamed"), Benign);
    EXPECT_EQ(ST::TagSets("Brw:CustomerLabels")[1].description, "Beta, renamed");
}

TEST_F(TaggingTest, ASavedSetIsCopiedOutAndLoadedBack)
{
    ST::SetTagPos_(1, "C3", "3");
    ST::SetTagPos_(1, "C1", "1");
    ST::SetTagPos_(1, "C2", "2");
    const SHORT set = ST::InsertTagSet("Brw:CustomerLabels", "Mailing");
    ASSERT_EQ(ST::SaveTagSetPos_(1, set), Benign);
    EXPECT_EQ(ST::CntTagPos_(set), 3);
    EXPECT_EQ(ST::CntTagPos_(1), 3) << "the working table is copied, not moved";
    EXPECT_EQ(scalar("SELECT COUNT FROM TAGSET_ WHERE TBL=" + std::to_string(set)), 3);

    ST::NewTagPos_(1);
    ST::SetTagPos_(1, "C9");
    ASSERT_EQ(ST::LoadTagSetPos_(set, 1), Benign);
    EXPECT_EQ(walkPositions(1), (Texts{"C1", "C2", "C3"})) << "loaded with their sort values, C9 gone";

    // Saving again replaces what the set held.
    ST::ClrTagPos_(1, "C2");
    ASSERT_EQ(ST::SaveTagSetPos_(1, set), Benign);
    EXPECT_EQ(walkPositions(set), (Texts{"C1", "C3"}));
    EXPECT_EQ(ST::TagSets("Brw:CustomerLabels").at(0).count, 2);

    // A count put wrong by other means is put right by loading.
    sqlOn(dict::DatabasePath, "UPDATE TAGSET_ SET COUNT = 99");
    ASSERT_EQ(ST::LoadTagSetPos_(set, 1), Benign);
    EXPECT_EQ(ST::TagSets("Brw:CustomerLabels").at(0).count, 2);

    // Pointer tags the same way.
    ST::SetTag_(3, 500);
    const SHORT invoices = ST::InsertTagSet("Brw:InvoicesPrintMultiple", "Batch");
    ASSERT_EQ(ST::SaveTagSet_(3, invoices), Benign);
    ST::NewTag_(3);
    ASSERT_EQ(ST::LoadTagSet_(invoices, 3), Benign);
    EXPECT_EQ(walkPointers(3), (Values{500}));
    EXPECT_TRUE(screen.shown().empty());
}

TEST_F(TaggingTest, ASaveThatFailsHalfwayLeavesTheSetAsItWas)
{
    const SHORT set = ST::InsertTagSet("Brw:CustomerLabels", "Kept");
    ST::SetTagPos_(1, "C7");
    ASSERT_EQ(ST::SaveTagSetPos_(1, set), Benign);
    ST::NewTagPos_(1);
    ST::SetTagPos_(1, "C1", "1");
    ST::SetTagPos_(1, "C2", "2");
    sqlOn(dict::DatabasePath, "CREATE TRIGGER failing BEFORE INSERT ON TAGFILEPOS_ WHEN new.TBL < 0 AND new.POS = 'C2' "
                        "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    EXPECT_NE(ST::SaveTagSetPos_(1, set), Benign);
    EXPECT_FALSE(titles().empty());
    EXPECT_EQ(walkPositions(set), (Texts{"C7"}));
    EXPECT_EQ(ST::TagSets("Brw:CustomerLabels").at(0).count, 1);
    EXPECT_EQ(ST::CntTagPos_(1), 2);
}

TEST_F(TaggingTest, DeletingASetRemovesItAndOnlyItsTags)
{
    ST::SetTagPos_(1, "C1");
    ST::SetTag_(3, 77);
    const SHORT gone = ST::InsertTagSet("Brw:CustomerLabels", "Gone");
    const SHORT kept = ST::InsertTagSet("Brw:CustomerLabels", "Kept");
    ST::SaveTagSetPos_(1, gone);
    ST::SaveTagSetPos_(1, kept);
    ST::SetTag_(gone, 77); // pointer tags under the same number go with it

    ASSERT_EQ(ST::DeleteTagSet(gone), Benign);
    ASSERT_EQ(ST::TagSets("Brw:CustomerLabels").size(), 1u);
    EXPECT_EQ(ST::CntTagPos_(gone), 0);
    EXPECT_EQ(ST::CntTag_(gone), 0);
    EXPECT_EQ(ST::CntTagPos_(kept), 1);
    EXPECT_EQ(ST::CntTagPos_(1), 1);
    EXPECT_EQ(ST::CntTag_(3), 1);
}

TEST_F(TaggingTest, AnotherUsersSetCannotBeTouched)
{
    LONG otherUser = 8;
    ST::UsrTag_(otherUser);
    const SHORT theirs = ST::InsertTagSet("Brw:CustomerLabels", "Theirs");
    ST::UsrTag_(nullptr);
    ST::SetTagPos_(1, "C1");
    EXPECT_NE(ST::SaveTagSetPos_(1, theirs), Benign);
    EXPECT_NE(ST::LoadTagSetPos_(theirs, 1), Benign);
    EXPECT_NE(ST::DeleteTagSet(theirs), Benign);
    EXPECT_NE(ST::ChangeTagSet(theirs, "Mine now"), Benign);
    EXPECT_EQ(titles(), (std::vector<std::string>(4, "Tag Set")));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM TAGSET_ WHERE DESCRIPTION='Theirs'"), 1);
    EXPECT_EQ(ST::CntTagPos_(1), 1);
}
