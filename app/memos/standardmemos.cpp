#include "app/memos/standardmemos.h"

#include "app/common/passwordgate.h"
#include "app/memos/memoform.h"
#include "dictionary/files.h"
#include "dictionary/schema.h"

namespace Brw {

namespace {

const fw::BrowseSpec memoList{
    .procedure = {.name = "Brw:GetStandardMemos", .title = "Select Standard Memo(s) for Report...",
                  .files = {Relate::MEMOS}},
    .primary = &Relate::MEMOS,
    .listTitle = "Browsing Standard Memo Records",
    .tabs = {
        {"&Memo #", "Sort Records by Memo #...", MEM.RecordNo_Key, "Memo #:", fw::Locate(MEM.RECORDNO),
         "35C|~Memo #~@n06@#1#200L(1)~Title~C(0)@s50@#2#"},
        {"&Title", "Sort Records by Title...", MEM.Title_Key, "Title:", fw::Locate(MEM.TITLE),
         "200L(1)|~Title~C(0)@s50@#2#35C~Memo #~@n06@#1#"},
    },
    .queue = {fw::Plain(MEM.RECORDNO), fw::Plain(MEM.TITLE)},
    .buttons = {.insert = "Add a New Memo...", .change = "Change Highlighted Memo...",
                .remove = "Delete Highlighted Memo...", .select = "Select Highlight Memo...",
                .selectText = "&Select", .close = "Cancel and Return...", .closeText = "Cancel"},
    .form = fw::runForm<Upd::Memos>,
    .allow = app::RequestGate,
    .width = 560,
    .height = 400,
};

} // namespace

const fw::BrowseSpec &GetStandardMemos::Spec() { return memoList; }

GetStandardMemos::GetStandardMemos()
    : fw::BrowseProcedure(memoList)
{}

} // namespace Brw

namespace app {

namespace {

constexpr std::size_t MemoChars = 500;

std::string_view clipped(std::string_view text)
{
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

} // namespace

std::string appendedMemo(std::string_view memo, std::string_view standard)
{
    std::string text(clipped(memo));
    if (clipped(standard).empty())
        return text;
    text += '\r';
    text += clipped(standard);
    text += '\r';
    return text.substr(0, MemoChars);
}

void appendStandardMemo(dict::Memo &memo)
{
    GlobalRequest = fw::SelectRecord;
    Brw::GetStandardMemos pick;
    if (pick.Run() != fw::RequestCompleted) {
        dict::clearRecord(Access::MEMOS.Def(), Access::MEMOS.Buffer().bytes);
        MEM.MEMOS.clear();
    }
    GlobalResponse = fw::RequestCancelled; // the pick is not the memo window's answer
    memo = appendedMemo(memo.str(), MEM.MEMOS.str());
}

} // namespace app
