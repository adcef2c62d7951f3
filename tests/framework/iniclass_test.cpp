#include "framework/iniclass.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

using namespace fw;
namespace fs = std::filesystem;

namespace {

// Each test gets its own folder, kept when the test fails so the file can be looked at.
class IniTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              ("iniclass_test." + std::to_string(::getpid()) + "." + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        if (!HasFailure())
            fs::remove_all(dir);
    }

    void write(const std::string &name, const std::string &text)
    {
        std::ofstream(dir / name, std::ios::binary) << text;
    }
    std::string read(const std::string &name) const
    {
        std::ostringstream out;
        out << std::ifstream(dir / name, std::ios::binary).rdbuf();
        return out.str();
    }
    std::set<std::string> folder() const
    {
        std::set<std::string> names;
        for (const auto &entry : fs::directory_iterator(dir))
            names.insert(entry.path().filename().string());
        return names;
    }
    void open(INIClass &ini, const std::string &name = "Invoice.ini") const
    {
        ini.Init((dir / name).string());
    }

    fs::path dir;
};

TEST_F(IniTest, UpdatedValuesReadBackInThisAndAFreshInstance)
{
    INIClass ini;
    open(ini);
    EXPECT_TRUE(ini.Update("Brw:Customers", "Format", "80L(2)|M~Name~@s40@"));
    EXPECT_TRUE(ini.Update("Brw:Customers", "TabChoice", "2"));
    EXPECT_TRUE(ini.Update("GlobalData", "Quotes", "1"));
    EXPECT_EQ(
        read("Invoice.ini"),
        "[Brw:Customers]\nFormat=80L(2)|M~Name~@s40@\nTabChoice=2\n\n[GlobalData]\nQuotes=1\n");

    INIClass fresh;
    open(fresh);
    EXPECT_EQ(fresh.Fetch("Brw:Customers", "Format"), "80L(2)|M~Name~@s40@");
    EXPECT_EQ(ini.Fetch("GlobalData", "Quotes"), "1");
    EXPECT_TRUE(ini.Update("GlobalData", "Quotes", ""));
    EXPECT_EQ(fresh.Fetch("GlobalData", "Quotes", "default"), "")
        << "an emptied key is still present";
    EXPECT_EQ(folder(), (std::set<std::string>{"Invoice.ini", ".invoice.ini.lock"}))
        << "no temporary left";
}

TEST_F(IniTest, MissingFileSectionOrKeyGivesTheDefault)
{
    INIClass ini;
    EXPECT_EQ(ini.Fetch("A", "B", "before init"), "before init");
    EXPECT_FALSE(ini.Update("A", "B", "1"));
    open(ini);
    EXPECT_EQ(ini.Fetch("Brw:Invoices", "Format"), "");
    write("Invoice.ini", "[Brw:Invoices]\nTabChoice=3\n");
    EXPECT_EQ(ini.Fetch("Brw:Invoices", "Format", "x"), "x");
    EXPECT_EQ(ini.Fetch("Brw:Vendors", "TabChoice", "1"), "1");
    EXPECT_EQ(ini.Fetch("Brw:Invoices", "TabChoice"), "3") << "a file created after Init is found";
}

TEST_F(IniTest, SectionKeyAndFileNamesIgnoreCase)
{
    write("invoice.ini", "[brw:customers]\r\ntabchoice = 2 \r\n");
    INIClass ini;
    open(ini, "Invoice.ini");
    EXPECT_EQ(ini.path().filename(), "invoice.ini");
    EXPECT_EQ(ini.Fetch(" BRW:Customers", "TABCHOICE"), "2");
    EXPECT_TRUE(ini.Update("Brw:Customers", "TabChoice", "4"));
    EXPECT_EQ(read("invoice.ini"), "[brw:customers]\r\ntabchoice=4\r\n")
        << "same line, same spelling";
    EXPECT_EQ(folder().count("Invoice.ini"), 0u);

    const fs::path before = fs::current_path();
    fs::current_path(dir);
    INIClass relative;
    relative.Init("INVOICE.INI");
    fs::current_path(before);
    EXPECT_EQ(relative.Fetch("Brw:Customers", "TabChoice"), "4") << "found in the working folder";
}

TEST_F(IniTest, DamagedFilesReadAsEmptyAndAreNeverReplacedUnread)
{
    const std::string garbage("\x00\xff\x7f[\x01=\n\x89PNG\r\n\x1a\n", 14);
    write("Invoice.ini",
          garbage + "no equals sign here\n=no key\n[Unclosed\n" + std::string(200000, 'x'));
    INIClass ini;
    open(ini);
    EXPECT_EQ(ini.Fetch("Brw:Customers", "Format", "d"), "d");
    EXPECT_TRUE(ini.Update("Brw:Customers", "TabChoice", "1"));
    EXPECT_TRUE(read("Invoice.ini").starts_with(garbage)) << "unknown bytes are kept";
    EXPECT_EQ(ini.Fetch("Brw:Customers", "TabChoice"), "1");

    fs::remove(dir / "Invoice.ini");
    fs::create_directory(dir / "Invoice.ini");
    EXPECT_EQ(ini.Fetch("Brw:Customers", "TabChoice", "d"), "d");
    EXPECT_FALSE(ini.Update("Brw:Customers", "TabChoice", "1"));
    EXPECT_TRUE(fs::is_directory(dir / "Invoice.ini"));
    EXPECT_EQ(folder(), (std::set<std::string>{"Invoice.ini", ".invoice.ini.lock"}));
}

TEST_F(IniTest, UnreadableFileReadsAsEmptyAndIsNotReplaced)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    write("Invoice.ini", "[A]\nB=1\n");
    INIClass ini;
    open(ini);
    fs::permissions(dir / "Invoice.ini", fs::perms::none);
    EXPECT_EQ(ini.Fetch("A", "B", "d"), "d");
    EXPECT_FALSE(ini.Update("A", "C", "2"));
    fs::permissions(dir / "Invoice.ini", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(read("Invoice.ini"), "[A]\nB=1\n");
}

TEST_F(IniTest, ByteOrderMarkAndCrLfAreReadAndKept)
{
    write("Invoice.ini", "\xEF\xBB\xBF[Brw:Vendors]\r\nTabChoice=2\r\n");
    INIClass ini;
    open(ini);
    EXPECT_EQ(ini.Fetch("Brw:Vendors", "TabChoice"), "2");
    EXPECT_TRUE(ini.Update("Brw:Vendors", "Format", "F"));
    EXPECT_EQ(read("Invoice.ini"), "\xEF\xBB\xBF[Brw:Vendors]\r\nTabChoice=2\r\nFormat=F\r\n");
}

TEST_F(IniTest, ValuesStayOnOneLineAndBadNamesAreRefused)
{
    INIClass ini;
    open(ini);
    EXPECT_TRUE(ini.Update("S", "Memo", "one\ntwo\r\nthree\r[X]\nK=v"));
    EXPECT_TRUE(ini.Update("S", "After", "ok"));
    EXPECT_EQ(read("Invoice.ini"), "[S]\nMemo=one two three [X] K=v\nAfter=ok\n");
    EXPECT_EQ(ini.Fetch("X", "K", "none"), "none");

    const std::string before = read("Invoice.ini");
    EXPECT_FALSE(ini.Update("S", "a=b", "1"));
    EXPECT_FALSE(ini.Update("S", "", "1"));
    EXPECT_FALSE(ini.Update("S", ";comment", "1"));
    EXPECT_FALSE(ini.Update("S]x", "K", "1"));
    EXPECT_FALSE(ini.Update("S\nT", "K", "1"));
    EXPECT_EQ(read("Invoice.ini"), before) << "names that would break a line are refused";
}

TEST_F(IniTest, WritesKeepCommentsOrderAndOtherSections)
{
    const std::string original = "; settings\n"
                                 "[Brw:Customers]\n"
                                 "Format=old\n"
                                 "Unknown thing\n"
                                 "\n"
                                 "; vendors follow\n"
                                 "[Brw:Vendors]\n"
                                 "TabChoice=5\n"
                                 "[Brw:Customers]\n"
                                 "Format=second copy\n"
                                 "Extra=only here\n";
    write("Invoice.ini", original);
    INIClass ini;
    open(ini);
    EXPECT_EQ(ini.Fetch("Brw:Customers", "Format"), "old") << "the first occurrence wins";
    EXPECT_EQ(ini.Fetch("Brw:Customers", "Extra"), "only here");
    EXPECT_TRUE(ini.Update("Brw:Customers", "Format", "new"));
    EXPECT_TRUE(ini.Update("Brw:Customers", "TabChoice", "3"));
    EXPECT_TRUE(ini.Update("Upd:Invoice", "Maximize", "No"));
    EXPECT_EQ(read("Invoice.ini"), "; settings\n"
                                   "[Brw:Customers]\n"
                                   "Format=new\n"
                                   "TabChoice=3\n"
                                   "Unknown thing\n"
                                   "\n"
                                   "; vendors follow\n"
                                   "[Brw:Vendors]\n"
                                   "TabChoice=5\n"
                                   "[Brw:Customers]\n"
                                   "Format=second copy\n"
                                   "Extra=only here\n"
                                   "\n"
                                   "[Upd:Invoice]\n"
                                   "Maximize=No\n");
}

TEST_F(IniTest, TwoCopiesOnOneFileKeepEachOthersKeys)
{
    INIClass a, b;
    open(a);
    open(b);
    EXPECT_EQ(a.Fetch("Brw:Inventory", "TabChoice", "none"), "none"); // a caches the missing file
    EXPECT_TRUE(b.Update("Brw:Inventory", "TabChoice", "2"));
    EXPECT_TRUE(a.Update("Brw:Inventory", "Format", "A"));
    EXPECT_EQ(a.Fetch("Brw:Inventory", "TabChoice"), "2");
    EXPECT_EQ(b.Fetch("Brw:Inventory", "Format"), "A") << "b notices a's write";

    constexpr int perCopy = 40;
    auto writer = [](INIClass &ini, const std::string &prefix) {
        for (int i = 0; i < perCopy; ++i)
            ini.Update("Race", prefix + std::to_string(i), std::to_string(i));
    };
    std::thread ta(writer, std::ref(a), "a"), tb(writer, std::ref(b), "b");
    ta.join();
    tb.join();
    INIClass check;
    open(check);
    for (int i = 0; i < perCopy; ++i) {
        EXPECT_EQ(check.Fetch("Race", "a" + std::to_string(i)), std::to_string(i));
        EXPECT_EQ(check.Fetch("Race", "b" + std::to_string(i)), std::to_string(i));
    }
}

class WindowTest : public IniTest
{
protected:
    void SetUp() override
    {
        IniTest::SetUp();
        open(ini);
    }
    INIClass ini;
};

TEST_F(WindowTest, NormalResizableWindowReopensWhereItWas)
{
    EXPECT_TRUE(ini.UpdateWindow("Win:ReOccuringCycle", {false, false, -20, 30, 640, 480, true}));
    EXPECT_EQ(read("Invoice.ini"),
              "[Win:ReOccuringCycle]\nMaximize=No\nXPos=-20\nYPos=30\nWidth=640\nHeight=480\n");
    WindowPlacement w{true, false, 1, 2, 3, 4, true};
    EXPECT_TRUE(ini.FetchWindow("win:reoccuringcycle", w));
    EXPECT_FALSE(w.maximized);
    EXPECT_EQ((std::array{w.x, w.y, w.width, w.height}), (std::array{-20, 30, 640, 480}));
}

TEST_F(WindowTest, MaximisedWindowReopensMaximisedAndMinimisedSavesNothing)
{
    ini.UpdateWindow("Upd:Invoice", {false, false, 10, 20, 300, 200, true});
    EXPECT_TRUE(ini.UpdateWindow("Upd:Invoice", {true, false, 0, 0, 1920, 1080, true}));
    EXPECT_EQ(ini.Fetch("Upd:Invoice", "Maximize"), "Yes");
    EXPECT_EQ(ini.Fetch("Upd:Invoice", "Width"), "300");
    WindowPlacement w{false, false, 0, 0, 800, 600, true};
    EXPECT_TRUE(ini.FetchWindow("Upd:Invoice", w));
    EXPECT_TRUE(w.maximized);
    EXPECT_EQ((std::array{w.x, w.y, w.width, w.height}), (std::array{10, 20, 300, 200}));

    const std::string before = read("Invoice.ini");
    EXPECT_TRUE(ini.UpdateWindow("Upd:Invoice", {false, true, 0, 0, 10, 10, true}));
    EXPECT_EQ(read("Invoice.ini"), before) << "a minimised window writes nothing";
}

TEST_F(WindowTest, FixedSizeWindowNeitherSavesNorTakesASize)
{
    write("Invoice.ini", "[Upd:Customers]\nMaximize=No\nXPos=5\nYPos=6\nWidth=900\nHeight=700\n");
    WindowPlacement w{false, false, 0, 0, 400, 300, false};
    EXPECT_TRUE(ini.FetchWindow("Upd:Customers", w));
    EXPECT_EQ((std::array{w.x, w.y, w.width, w.height}), (std::array{5, 6, 400, 300}));

    EXPECT_TRUE(ini.UpdateWindow("Upd:Memo", {false, false, 7, 8, 400, 300, false}));
    EXPECT_EQ(ini.Fetch("Upd:Memo", "Width", "none"), "none");
    EXPECT_EQ(ini.Fetch("Upd:Memo", "XPos"), "7");
}

TEST_F(WindowTest, PositionIsAppliedOnlyUnderAValidMaximizeAndWithAValidNumber)
{
    write("Invoice.ini", "[NoState]\nXPos=5\nYPos=6\n"
                         "[Odd]\nMaximize=maybe\nXPos=5\n"
                         "[StateOnly]\nMaximize=Yes\n"
                         "[Damaged]\nMaximize=No\nXPos=12abc\nYPos=9\nWidth=0\nHeight=250\n");
    const WindowPlacement start{false, false, 1, 2, 300, 200, true};
    for (const char *section : {"NoState", "Odd"}) {
        WindowPlacement w = start;
        EXPECT_FALSE(ini.FetchWindow(section, w)) << section;
        EXPECT_EQ((std::array{w.x, w.y, w.width, w.height}), (std::array{1, 2, 300, 200}))
            << section;
    }
    WindowPlacement w = start;
    EXPECT_TRUE(ini.FetchWindow("StateOnly", w));
    EXPECT_TRUE(w.maximized);
    EXPECT_EQ((std::array{w.x, w.y}), (std::array{1, 2}));

    w = start;
    EXPECT_TRUE(ini.FetchWindow("Damaged", w));
    EXPECT_EQ((std::array{w.x, w.y, w.width, w.height}), (std::array{1, 9, 300, 250}));
}

} // namespace
