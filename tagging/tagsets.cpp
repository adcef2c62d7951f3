#include "tagging/tagsets.h"

#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/runtimeerror.h"
#include "dictionary/unitofwork.h"
#include "framework/picture.h"
#include "framework/viewmanager.h"
#include "tagging/bulkwork.h"
#include "tagging/filesopen.h"
#include "tagging/filetagtable.h"
#include "tagging/tagmessages.h"
#include "tagging/taguser.h"

#include <algorithm>
#include <climits>

namespace ST {

namespace {

constexpr int InsertAttempts = 100;

int tell(int messageId, std::string_view file = {})
{
    const int level = file.empty() ? tagErrors().Throw(messageId) : tagErrors().ThrowFile(messageId, file);
    return level == dict::Benign ? dict::Notify : level;
}

// Reads the set into TS_ when it is the current user's.
bool fetchOwn(dict::SHORT table)
{
    if (table >= 0)
        return false;
    TS_.TBL = table;
    return Access::TAGSET_.TryFetch(TS_.TblKey) == dict::Benign && TS_.USR == GetTagUsr();
}

// The lowest negative table number no set uses; 0 when every one is taken.
dict::SHORT firstFreeBelowZero()
{
    int expected = SHRT_MIN;
    Access::TAGSET_.SetStart(TS_.TblKey);
    while (Access::TAGSET_.TryNext() == dict::Benign && TS_.TBL < 0) {
        if (TS_.TBL > expected)
            break;
        expected = TS_.TBL + 1;
    }
    return expected < 0 ? static_cast<dict::SHORT>(expected) : 0;
}

// One less than the lowest table number in use, -1 when no set has a negative number yet.
dict::SHORT nextFreeTable()
{
    Access::TAGSET_.SetStart(TS_.TblKey);
    if (Access::TAGSET_.TryNext() != dict::Benign || TS_.TBL > 0)
        return -1;
    return TS_.TBL == SHRT_MIN ? firstFreeBelowZero() : static_cast<dict::SHORT>(TS_.TBL - 1);
}

// The copies between a set and a working table, in one unit of work with the set's record.
class SetCopy
{
public:
    SetCopy(FileTagTable &file, dict::SHORT setTable)
        : file_(file)
        , open_{&Access::TAGSET_, &file.File()}
        , setTable_(setTable)
    {}

    // from, to: table numbers; the set's record is written by update.
    template <typename Update>
    int copy(int from, int to, Update update)
    {
        if (!open_)
            return dict::Notify;
        if (file_.Streaming())
            return tell(TagMsg::SetInStream);
        if (!fetchOwn(setTable_))
            return tell(TagMsg::SetGone);
        WaitCursor wait;
        dict::UnitOfWork unit{&Access::TAGSET_, &file_.File()};
        if (!unit.Active())
            return tell(TagMsg::TransactionCancelled, file_.DisplayName());
        const dict::LONG user = GetTagUsr();
        std::vector<char> records;
        if (!file_.ReadTable(user, from, records) || !file_.DeleteTable(user, to)
            || !file_.WriteTable(user, to, records))
            return dict::Notify; // told by the tag file; the unit puts both tables back
        const auto count = static_cast<dict::LONG>(records.size() / file_.File().Def().recordSize);
        if (update(count) != dict::Benign)
            return dict::Notify;
        if (unit.Commit() != dict::Benign)
            return tell(TagMsg::TransactionCancelled, file_.DisplayName());
        return dict::Benign;
    }

private:
    FileTagTable &file_;
    FilesOpen open_;
    dict::SHORT setTable_;
};

} // namespace

std::vector<TagSetRow> TagSets(std::string_view source)
{
    std::vector<TagSetRow> rows;
    FilesOpen open{&Access::TAGSET_};
    if (!open)
        return rows;
    // The window's current set stays in TS_.
    const dict::KeptPlace kept(Access::TAGSET_);
    dict::TAGSET_Buffer range{};
    range.USR = GetTagUsr();
    range.SOURCE = source;
    fw::ViewManager view;
    view.Init(&Relate::TAGSET_);
    view.AddSortOrder(TS_.UsrSourceDateKey);
    view.AddRange(dict::fieldOf(range, range.USR));
    view.AddRange(dict::fieldOf(range, range.SOURCE));
    view.Reset();
    while (view.Next() == dict::Benign)
        rows.push_back({TS_.TBL, TS_.DATE, TS_.COUNT, TS_.DESCRIPTION.str()});
    std::stable_sort(rows.begin(), rows.end(), [](const TagSetRow &a, const TagSetRow &b) {
        if (a.date != b.date)
            return a.date > b.date;
        return dict::compareNoCase(a.description, b.description) < 0;
    });
    return rows;
}

int FetchTagSet(dict::SHORT table)
{
    FilesOpen open{&Access::TAGSET_};
    if (!open)
        return dict::Notify;
    return fetchOwn(table) ? dict::Benign : tell(TagMsg::SetGone);
}

dict::SHORT InsertTagSet(std::string_view source, std::string_view description)
{
    FilesOpen open{&Access::TAGSET_};
    if (!open)
        return 0;
    dict::SHORT table = nextFreeTable();
    for (int attempt = 0; attempt < InsertAttempts; ++attempt) {
        if (table == 0) {
            tell(TagMsg::NoFreeSetNumber);
            return 0;
        }
        Access::TAGSET_.PrimeRecord();
        TS_.TBL = table;
        TS_.USR = GetTagUsr();
        TS_.SOURCE = source;
        TS_.DATE = fw::today();
        TS_.COUNT = 0;
        TS_.DESCRIPTION = description;
        if (Access::TAGSET_.TryInsert() == dict::Benign)
            return table;
        if (Access::TAGSET_.GetError() != dict::Err::DuplicateKey) {
            Access::TAGSET_.Throw(dict::Msg::InsertError);
            return 0;
        }
        // Another station took the number first.
        table = table > SHRT_MIN ? static_cast<dict::SHORT>(table - 1) : firstFreeBelowZero();
    }
    Access::TAGSET_.Throw(dict::Msg::InsertError);
    return 0;
}

int ChangeTagSet(dict::SHORT table, std::string_view description)
{
    FilesOpen open{&Access::TAGSET_};
    if (!open)
        return dict::Notify;
    if (!fetchOwn(table))
        return tell(TagMsg::SetGone);
    TS_.DESCRIPTION = description;
    return Access::TAGSET_.Update();
}

int DeleteTagSet(dict::SHORT table)
{
    FilesOpen open{&Access::TAGSET_, &Access::TAGFILE_, &Access::TAGFILEPOS_};
    if (!open)
        return dict::Notify;
    if (!fetchOwn(table))
        return tell(TagMsg::SetGone);
    WaitCursor wait;
    // The set goes with all its tags or not at all.
    dict::UnitOfWork unit{&Access::TAGSET_, &Access::TAGFILE_, &Access::TAGFILEPOS_};
    if (!unit.Active())
        return tell(TagMsg::TransactionCancelled, "TagSet_");
    if (const int result = Relate::TAGSET_.Delete(false); result != dict::Benign)
        return result;
    if (unit.Commit() != dict::Benign)
        return tell(TagMsg::TransactionCancelled, "TagSet_");
    return dict::Benign;
}

int SaveTagSet(FileTagTable &file, int workingTable, dict::SHORT setTable)
{
    if (!storableTable(workingTable))
        return dict::Notify;
    return SetCopy(file, setTable).copy(workingTable, setTable, [](dict::LONG count) {
        TS_.COUNT = count;
        TS_.DATE = fw::today();
        return Access::TAGSET_.Update();
    });
}

int LoadTagSet(FileTagTable &file, dict::SHORT setTable, int workingTable)
{
    if (!storableTable(workingTable))
        return dict::Notify;
    return SetCopy(file, setTable).copy(setTable, workingTable, [](dict::LONG count) {
        if (TS_.COUNT == count)
            return static_cast<int>(dict::Benign);
        TS_.COUNT = count;
        return Access::TAGSET_.Update();
    });
}

int SaveTagSet_(int workingTable, dict::SHORT setTable) { return SaveTagSet(pointerFile(), workingTable, setTable); }
int SaveTagSetPos_(int workingTable, dict::SHORT setTable) { return SaveTagSet(positionFile(), workingTable, setTable); }
int LoadTagSet_(dict::SHORT setTable, int workingTable) { return LoadTagSet(pointerFile(), setTable, workingTable); }
int LoadTagSetPos_(dict::SHORT setTable, int workingTable) { return LoadTagSet(positionFile(), setTable, workingTable); }

} // namespace ST
