#include "framework/errorclass.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

using namespace fw;
using dict::ButtonCancel, dict::ButtonNo, dict::ButtonOk, dict::ButtonYes;

namespace {

std::string defaultText(int id)
{
    for (const MessageDef &d : parseErrorBlock(defaultErrorBlock()))
        if (d.id == id)
            return std::string(d.text);
    return "(missing)";
}

TEST(ErrorBlock, LayoutIsLittleEndianWithLengthPrefixes)
{
    const MessageDef defs[] = {{0x0102, 5, "T", "ab"}};
    std::vector<std::uint8_t> block = buildErrorBlock(defs);
    EXPECT_EQ(block, (std::vector<std::uint8_t>{1, 0, 0x02, 0x01, 5, 1, 'T', 2, 'a', 'b'}));

    auto parsed = parseErrorBlock(block);
    ASSERT_EQ(parsed.size(), 1u);
    EXPECT_EQ(parsed[0].id, 0x0102);
    EXPECT_EQ(parsed[0].text, "ab");
}

TEST(ErrorBlock, TruncatedBlockYieldsOnlyCompleteEntries)
{
    const MessageDef defs[] = {{1, 5, "One", "first"}, {2, 5, "Two", "second"}};
    std::vector<std::uint8_t> block = buildErrorBlock(defs);
    block.pop_back();
    auto parsed = parseErrorBlock(block);
    ASSERT_EQ(parsed.size(), 1u);
    EXPECT_EQ(parsed[0].title, "One");
    EXPECT_TRUE(parseErrorBlock({}).empty());
}

TEST(ErrorBlock, RejectsTextTooLongForItsLengthByte)
{
    std::string text(256, 'x');
    const MessageDef tooLong[] = {{1, 5, "T", text}};
    EXPECT_THROW(buildErrorBlock(tooLong), std::length_error);
}

TEST(DefaultMessages, HoldFortyDistinctIdsInLoadOrder)
{
    auto defs = parseErrorBlock(defaultErrorBlock());
    ASSERT_EQ(defs.size(), 40u);
    EXPECT_EQ(defs.front().id, 27);
    EXPECT_EQ(defs.back().id, 41);
    std::set<int> ids;
    for (const MessageDef &d : defs)
        ids.insert(d.id);
    EXPECT_EQ(ids.size(), 40u);
    EXPECT_EQ(*ids.begin(), 1);
    EXPECT_FALSE(ids.count(29));
}

TEST(DefaultMessages, KeepDoubleBlanksAndPunctuation)
{
    EXPECT_EQ(defaultText(32), "Attempts to automatically number this record have failed.  "
                               "Error: %ErrorText. Try Again?");
    EXPECT_EQ(defaultText(19), "%File File Load Error.  Error: %ErrorText.");
    EXPECT_EQ(defaultText(1), "Error: (%ErrorText) attempting to access a record from the %File "
                              "file.  Returning to previous window.");
    EXPECT_NE(defaultText(7).find("Ctrl+' to recall"), std::string::npos);
}

class ErrorClassTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dict::clearLastError();
        errors.setPresenter(&screen);
        errors.Init();
    }
    void TearDown() override { dict::setThreadNumberSource(nullptr); }

    // Adds a one-entry block and returns it for RemoveErrors.
    std::vector<std::uint8_t> define(std::uint16_t id, std::uint8_t level, std::string_view text)
    {
        const MessageDef defs[] = {{id, level, "Test", text}};
        std::vector<std::uint8_t> block = buildErrorBlock(defs);
        errors.AddErrors(block);
        return block;
    }

    std::string filled(std::string_view text)
    {
        define(900, dict::Notify, text);
        errors.SetErrors();
        errors.SetId(900);
        return errors.SubsString();
    }

    std::string textOf(int id)
    {
        errors.SetId(id);
        return errors.SubsString();
    }

    ScriptedPresenter::Shown lastBox()
    {
        auto shown = screen.shown();
        return shown.empty() ? ScriptedPresenter::Shown{} : shown.back();
    }

    ScriptedPresenter screen;
    ErrorClass errors;
};

TEST_F(ErrorClassTest, UserQuestionAnswersGoOnOrDeclined)
{
    screen.answer(ButtonYes);
    EXPECT_EQ(errors.Throw(dict::Msg::ConfirmCancel), dict::Benign);
    auto box = lastBox();
    EXPECT_EQ(box.title, "Changes will be lost!");
    EXPECT_EQ(box.text, "Are you sure you want to cancel?");
    EXPECT_EQ(box.icon, Icon::Question);
    EXPECT_EQ(box.buttons, ButtonYes | ButtonNo);
    EXPECT_EQ(box.defaultButton, ButtonYes);

    screen.answer(ButtonNo);
    EXPECT_EQ(errors.Throw(dict::Msg::ConfirmCancel), dict::Cancel);
    define(901, dict::Cancel, "Cancel level asks too");
    screen.answer(ButtonNo);
    EXPECT_EQ(errors.Throw(901), dict::Cancel);
    EXPECT_EQ(lastBox().icon, Icon::Question);
}

TEST_F(ErrorClassTest, NotifyShowsOkBoxAndReturnsFive)
{
    EXPECT_EQ(errors.Throw(22), dict::Notify);
    auto box = lastBox();
    EXPECT_EQ(box.title, "No Records");
    EXPECT_EQ(box.icon, Icon::Exclamation);
    EXPECT_EQ(box.buttons, ButtonOk);
    EXPECT_TRUE(screen.halts().empty());
}

TEST_F(ErrorClassTest, FatalProgramAndUnknownLevelsHaltAfterTheBox)
{
    dict::setLastError(dict::Err::FileNotFound);
    EXPECT_EQ(errors.ThrowFile(dict::Msg::FileAccessError, "CUSTOMER"), dict::Fatal);
    EXPECT_EQ(lastBox().text, "File (CUSTOMER) could not be opened.  Error: File Not Found (2)."
                              "  Press OK to end this application");
    EXPECT_EQ(lastBox().icon, Icon::Exclamation);

    errors.Throw(dict::Msg::FileUsageError);
    define(902, 9, "Odd level");
    errors.Throw(902);
    EXPECT_EQ(screen.halts(), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(screen.shown().size(), 3u);
}

TEST_F(ErrorClassTest, SetFatalityChangesHandling)
{
    errors.SetFatality(dict::Msg::ConfirmDelete, dict::Benign);
    EXPECT_EQ(errors.Throw(dict::Msg::ConfirmDelete), dict::Benign);
    EXPECT_TRUE(screen.shown().empty());
}

TEST_F(ErrorClassTest, MessageReturnsButtonAndIgnoresLevel)
{
    screen.answer(ButtonCancel);
    int yesNoCancel = ButtonYes | ButtonNo | ButtonCancel;
    EXPECT_EQ(errors.Message(dict::Msg::FileAccessError, yesNoCancel, ButtonCancel), ButtonCancel);
    auto box = lastBox();
    EXPECT_EQ(box.buttons, 70);
    EXPECT_EQ(box.defaultButton, ButtonCancel);
    EXPECT_EQ(box.icon, Icon::Question);
    EXPECT_TRUE(screen.halts().empty());
}

TEST_F(ErrorClassTest, UnknownIdIsReportedByNumber)
{
    EXPECT_EQ(errors.Throw(999), dict::Notify);
    EXPECT_EQ(lastBox().title, "Error");
    EXPECT_EQ(lastBox().text, "Message number 999 is not defined.");
    EXPECT_EQ(errors.Message(999, ButtonYes | ButtonNo, ButtonYes), ButtonYes);

    errors.Kill();
    errors.Throw(dict::Msg::ConfirmDelete);
    EXPECT_EQ(lastBox().title, "Error");
}

TEST_F(ErrorClassTest, AddedBlocksOverrideAndRemovalUncovers)
{
    auto first = define(dict::Msg::ConfirmDelete, dict::User, "Delete it?");
    auto second = define(dict::Msg::ConfirmDelete, dict::User, "Really delete it?");
    EXPECT_EQ(textOf(9), "Really delete it?");
    errors.RemoveErrors(second);
    EXPECT_EQ(textOf(9), "Delete it?");
    errors.RemoveErrors(first);
    EXPECT_EQ(textOf(9), "Are you sure you want to delete the highlighted record?");
}

TEST_F(ErrorClassTest, RemovingOtherEntriesKeepsTheCurrentOne)
{
    errors.SetId(22);
    const MessageDef firstDefault[] = {{27, 0, "", ""}};
    errors.RemoveErrors(buildErrorBlock(firstDefault));
    EXPECT_EQ(errors.SubsString(), "There are no records available to process.");
}

TEST_F(ErrorClassTest, InitAgainReplacesRatherThanDuplicates)
{
    errors.Init();
    errors.RemoveErrors(defaultErrorBlock());
    EXPECT_EQ(textOf(9), "Message number 9 is not defined.");
}

TEST_F(ErrorClassTest, LongerPlaceholdersWin)
{
    dict::setDriverError("E17", "Disk full");
    errors.SetFile("CUST");
    EXPECT_EQ(filled("%FileErrorCode|%FileError|%File|%ErrorCode|%ErrorText|%Error"),
              "E17|Disk full|CUST|90|Disk full (E17)|File System Error");
}

TEST_F(ErrorClassTest, PlaceholdersIgnoreCaseAndValuesStayLiteral)
{
    errors.SetFile("%File%Message");
    errors.SetField("Name");
    EXPECT_EQ(filled("%file %FIELD %fIeLds"), "%File%Message Name Names");
}

TEST_F(ErrorClassTest, PreviousIsEmptyOrTheFilledOverriddenText)
{
    EXPECT_EQ(filled("a %Previous b"), "a  b");

    define(dict::Msg::FileAccessError, dict::Fatal, "%Previous Call support.");
    dict::setLastError(dict::Err::FileNotFound);
    errors.SetErrors();
    errors.SetFile("STOCK");
    EXPECT_EQ(textOf(23), "File (STOCK) could not be opened.  Error: File Not Found (2). Call support.");
}

TEST_F(ErrorClassTest, NamesAreClippedTo255CharactersAndTrimmed)
{
    errors.SetFile("CUSTOMER   ");
    std::string accents;
    for (int i = 0; i < 300; ++i)
        accents += "\xC3\xA9"; // é
    errors.SetField(accents);
    EXPECT_EQ(filled("[%File]%Field"), "[CUSTOMER]" + accents.substr(0, 510));

    define(903, dict::Benign, "%Message");
    errors.ThrowMessage(903, std::string(254, 'x') + "  y");
    EXPECT_EQ(textOf(903), std::string(254, 'x'));
}

TEST_F(ErrorClassTest, FilledTextStopsAt2000Characters)
{
    define(904, dict::Benign, "%Message%Message%Message%Message%Message"
                              "%Message%Message%Message%Message%Message");
    errors.ThrowMessage(904, std::string(255, 'm'));
    EXPECT_EQ(textOf(904), std::string(2000, 'm'));
}

int fakeThread = 1;
int fakeThreadNumber() { return fakeThread; }

TEST_F(ErrorClassTest, ProcedureNamesAreKeptPerThread)
{
    dict::setThreadNumberSource(fakeThreadNumber);
    fakeThread = 1;
    errors.SetProcedureName("Main");
    fakeThread = 2;
    errors.SetProcedureName("BrowseCustomers");
    fakeThread = 1;
    errors.SetProcedureName("UpdateStock");
    EXPECT_EQ(filled("in %Procedure"), "in UpdateStock");

    errors.SetProcedureName();
    EXPECT_EQ(errors.GetProcedureName(), "Main");
    fakeThread = 2;
    EXPECT_EQ(errors.GetProcedureName(), "BrowseCustomers");
}

TEST_F(ErrorClassTest, PopWithoutOwnNameChangesNothing)
{
    dict::setThreadNumberSource(fakeThreadNumber);
    fakeThread = 1;
    errors.SetProcedureName("Main");
    fakeThread = 3;
    errors.SetProcedureName();
    EXPECT_EQ(errors.GetProcedureName(), "");
    fakeThread = 1;
    EXPECT_EQ(errors.GetProcedureName(), "Main");
}

thread_local int realThread = 0;
int realThreadNumber() { return realThread; }

TEST_F(ErrorClassTest, ConcurrentProceduresSeeTheirOwnNames)
{
    dict::setThreadNumberSource(realThreadNumber);
    std::atomic<int> mismatches = 0;
    std::vector<std::thread> threads;
    for (int t = 1; t <= 4; ++t)
        threads.emplace_back([&, t] {
            realThread = t;
            std::string name = "Proc" + std::to_string(t);
            for (int i = 0; i < 500; ++i) {
                errors.SetProcedureName(name);
                mismatches += errors.GetProcedureName() != name;
                errors.SetProcedureName();
            }
            mismatches += !errors.GetProcedureName().empty();
        });
    for (auto &thread : threads)
        thread.join();
    EXPECT_EQ(mismatches, 0);
}

} // namespace
