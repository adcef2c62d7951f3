#include "tagging/filetagtable.h"

#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "dictionary/runtimeerror.h"
#include "framework/reportslib.h"
#include "framework/viewmanager.h"
#include "tagging/bulkwork.h"
#include "tagging/filesopen.h"
#include "tagging/tagmessages.h"
#include "tagging/taguser.h"

#include <climits>
#include <cstring>

namespace ST {

namespace {

// Both tag files lay out their fields and keys alike.
enum Field { UsrField = 0, TblField = 1, ValueField = 2, SortField = 3 };
constexpr int ExactKey = 0; // PtrKey / PosKey
constexpr int ValueKey = 1; // ValKey

constexpr int CountYield = 100;
constexpr int DeleteYield = 10;

// Keeps the file's read position and buffer across a walk, so a window's own walk (or a
// report's view) goes on where it was.
class KeepPlace
{
public:
    explicit KeepPlace(dict::FileManager &file)
        : file_(file)
        , position_(file.SaveFile())
        , buffer_(file.SaveBuffer())
    {}
    ~KeepPlace()
    {
        file_.RestoreBuffer(buffer_);
        file_.RestoreFile(position_);
    }
    KeepPlace(const KeepPlace &) = delete;
    KeepPlace &operator=(const KeepPlace &) = delete;

private:
    dict::FileManager &file_;
    int position_;
    int buffer_;
};

} // namespace

bool TagValue::empty() const { return isText ? dict::clipped(text).empty() : number == 0; }

bool storableTable(int table) { return table != 0 && table >= SHRT_MIN && table <= SHRT_MAX; }

// The file's write transaction for one operation: begun when it is made, committed when it ends.
// Inside a stream it only nests. A failed statement undoes itself, so there is never anything
// to roll back but a commit that could not be made.
class FileTagTable::WriteLock
{
public:
    WriteLock(const FileTagTable &table, bool quiet)
        : table_(table)
        , file_(*table.File().File())
    {
        if (file_.readOnly())
            return; // the write itself will say why it cannot be made
        if (file_.begin() == dict::Err::None) {
            held_ = true;
            return;
        }
        failed_ = true;
        if (!quiet)
            tagErrors().ThrowFile(TagMsg::TransactionCancelled, table_.displayName_);
    }
    ~WriteLock() { end(); }
    WriteLock(const WriteLock &) = delete;
    WriteLock &operator=(const WriteLock &) = delete;

    explicit operator bool() const { return !failed_; }
    bool held() const { return held_; }

    // False when the writes could not be committed: they are then gone, and the user told.
    bool end()
    {
        if (!held_)
            return !failed_;
        held_ = false;
        if (file_.commit() == dict::Err::None)
            return true;
        tagErrors().ThrowFile(TagMsg::TransactionCancelled, table_.displayName_);
        file_.rollback();
        failed_ = true;
        return false;
    }

private:
    const FileTagTable &table_;
    dict::storage::RecordFile &file_;
    bool held_ = false;
    bool failed_ = false;
};

FileTagTable::FileTagTable(dict::FileId file, std::string displayName)
    : file_(file)
    , displayName_(std::move(displayName))
{}

dict::FileManager &FileTagTable::File() const { return dict::access(file_); }

FileTagTable::Stamp FileTagTable::stamp() const { return File().File()->dataVersion(); }

void FileTagTable::fillTable(dict::LONG user, int table) const
{
    const dict::FileDef &def = File().Def();
    void *record = File().Buffer().bytes;
    dict::setInteger(def.fields[UsrField], record, user);
    dict::setInteger(def.fields[TblField], record, table);
}

void FileTagTable::fillKey(dict::LONG user, int table, TagValue value) const
{
    fillTable(user, table);
    const dict::FileDef &def = File().Def();
    void *record = File().Buffer().bytes;
    if (value.isText)
        dict::setString(def.fields[ValueField], record, value.text);
    else
        dict::setInteger(def.fields[ValueField], record, value.number);
}

void FileTagTable::setSort(std::string_view sortValue) const
{
    dict::setString(File().Def().fields[SortField], File().Buffer().bytes, sortValue);
}

bool FileTagTable::sortDiffers(std::string_view sortValue) const
{
    const dict::FieldDef &sort = File().Def().fields[SortField];
    const std::string_view stored = dict::stringOf(sort, File().Buffer().bytes);
    return stored != dict::clipped(sortValue.substr(0, dict::utf8Fit(sortValue, sort.size)));
}

bool FileTagTable::inTable(dict::LONG user, int table) const
{
    const dict::FileDef &def = File().Def();
    const void *record = File().Buffer().bytes;
    return dict::integerOf(def.fields[UsrField], record) == user && dict::integerOf(def.fields[TblField], record) == table;
}

bool FileTagTable::fetch(dict::LONG user, int table, TagValue value)
{
    fillKey(user, table, value);
    if (File().TryFetch({file_, ExactKey}) == dict::Benign)
        return true;
    if (File().GetError() != dict::Err::RecordNotFound)
        File().Throw(dict::Msg::RetrievalError);
    return false;
}

bool FileTagTable::addTag(dict::LONG user, int table, TagValue value, std::string_view sortValue)
{
    File().PrimeRecord();
    fillKey(user, table, value);
    setSort(sortValue);
    if (File().TryInsert() == dict::Benign)
        return true;
    if (File().GetError() != dict::Err::DuplicateKey)
        File().Throw(dict::Msg::InsertError);
    return false;
}

bool FileTagTable::deleteCurrent()
{
    if (File().TryDeleteRecord() == dict::Benign)
        return true;
    tagErrors().ThrowFile(dict::Msg::NotDeleted, displayName_);
    return false;
}

// --- one tag -----------------------------------------------------------------------------

int FileTagTable::Set(int table, TagValue value, std::string_view sortValue)
{
    if (!storableTable(table) || value.empty())
        return 0;
    FilesOpen use{&File()};
    if (!use)
        return 0;
    WriteLock lock(*this, false);
    if (!lock)
        return 0;
    const dict::LONG user = GetTagUsr();
    cache_.beforeWrite(stamp());
    // Adding first lets the unique key tell whether the tag is there: one step for a new tag.
    const bool existed = !addTag(user, table, value, sortValue);
    if (existed) {
        if (File().GetError() != dict::Err::DuplicateKey)
            return 0;
        if (!fetch(user, table, value) || !sortDiffers(sortValue))
            return 0;
        setSort(sortValue);
        if (File().Update() != dict::Benign)
            return 0;
    }
    const Stamp after = stamp();
    if (!lock.end())
        return 0;
    cache_.afterWrite(user, table, existed ? 0 : +1, after);
    return existed ? 0 : 1;
}

bool FileTagTable::Get(int table, TagValue value)
{
    if (!storableTable(table) || value.empty())
        return false;
    FilesOpen use{&File()};
    return use && fetch(GetTagUsr(), table, value);
}

void FileTagTable::Clear(int table, TagValue value)
{
    if (!storableTable(table) || value.empty())
        return;
    FilesOpen use{&File()};
    if (!use)
        return;
    WriteLock lock(*this, false);
    if (!lock)
        return;
    const dict::LONG user = GetTagUsr();
    cache_.beforeWrite(stamp());
    if (!fetch(user, table, value) || !deleteCurrent())
        return;
    const Stamp after = stamp();
    if (lock.end())
        cache_.afterWrite(user, table, -1, after);
}

int FileTagTable::Reverse(int table, TagValue value, std::string_view sortValue)
{
    if (!storableTable(table) || value.empty())
        return 0;
    FilesOpen use{&File()};
    if (!use)
        return 0;
    WriteLock lock(*this, false);
    if (!lock)
        return 0;
    const dict::LONG user = GetTagUsr();
    cache_.beforeWrite(stamp());
    const bool tagged = fetch(user, table, value);
    if (!tagged && File().GetError() != dict::Err::RecordNotFound)
        return 0;
    if (tagged ? !deleteCurrent() : !addTag(user, table, value, sortValue))
        return tagged ? 1 : 0;
    const Stamp after = stamp();
    if (!lock.end())
        return tagged ? 1 : 0;
    cache_.afterWrite(user, table, tagged ? -1 : +1, after);
    return tagged ? 0 : 1;
}

// --- walking -------------------------------------------------------------------------------

bool FileTagTable::readOn(dict::LONG user, int table, bool backwards)
{
    const int result = backwards ? File().Previous() : File().Next();
    return result == dict::Benign && inTable(user, table);
}

bool FileTagTable::readFromEnd(int table, bool last)
{
    if (!storableTable(table))
        return false;
    FilesOpen use{&File()};
    if (!use)
        return false;
    const dict::LONG user = GetTagUsr();
    fillTable(user, table);
    File().ClearKey({file_, ValueKey}, 3, 3, last);
    File().SetAt({file_, ValueKey});
    return readOn(user, table, last);
}

bool FileTagTable::First(int table) { return readFromEnd(table, false); }
bool FileTagTable::Last(int table) { return readFromEnd(table, true); }

bool FileTagTable::Next(int table)
{
    if (!storableTable(table))
        return false;
    FilesOpen use{&File()};
    return use && readOn(GetTagUsr(), table, false);
}

bool FileTagTable::Previous(int table)
{
    if (!storableTable(table))
        return false;
    FilesOpen use{&File()};
    return use && readOn(GetTagUsr(), table, true);
}

template <typename Visit>
bool FileTagTable::walk(dict::LONG user, int table, int yieldEvery, Visit visit)
{
    // The view "TF_:Usr=user AND TF_:Tbl=table", as a range on the walking key.
    std::vector<char> range(File().Def().recordSize);
    const dict::FieldDef &usr = File().Def().fields[UsrField];
    const dict::FieldDef &tbl = File().Def().fields[TblField];
    dict::setInteger(usr, range.data(), user);
    dict::setInteger(tbl, range.data(), table);
    fw::ViewManager view;
    view.Init(&dict::relate(file_));
    view.AddSortOrder({file_, ValueKey});
    view.AddRange({&usr, range.data()});
    view.AddRange({&tbl, range.data()});
    view.Reset();
    Breather breather(yieldEvery);
    while (view.Next() == dict::Benign) {
        if (!visit())
            return true;
        breather.tick();
    }
    return File().GetEOF() || File().GetError() == dict::Err::None;
}

dict::LONG FileTagTable::Count(int table)
{
    if (!storableTable(table))
        return 0;
    FilesOpen use{&File()};
    if (!use)
        return 0;
    const dict::LONG user = GetTagUsr();
    const Stamp taken = stamp(); // before the walk: a change made during it shows next time
    if (const auto cached = cache_.find(user, table, taken))
        return *cached;
    KeepPlace keep(File());
    dict::LONG count = 0;
    if (walk(user, table, CountYield, [&] { return ++count, true; }))
        cache_.store(user, table, count, taken);
    return count;
}

// --- emptying ------------------------------------------------------------------------------

FileTagTable::Emptied FileTagTable::Empty(int table)
{
    if (!storableTable(table))
        return Emptied::Nothing;
    FilesOpen use{&File()};
    if (!use)
        return Emptied::Failed;
    WaitCursor wait;
    const dict::LONG user = GetTagUsr();
    // One commit for all of it when the lock can be had; without it the walk deletes one by one.
    WriteLock lock(*this, true);
    cache_.beforeWrite(stamp());
    const std::uint64_t generation = cache_.generation();
    // Checked under the lock: no other station can add a tag of its own in between.
    const bool whole = lock.held() && holdsOnly(user, table) && File().TryEmpty() == dict::Benign;
    const bool deleted = whole || deleteAll(user, table, DeleteYield);
    const Stamp after = stamp();
    if (!lock.end() || !deleted)
        return Emptied::Failed;
    // The walk lets events run: when another window tagged meanwhile, the next count walks.
    if (cache_.generation() == generation)
        cache_.emptied(user, table, after);
    return whole ? Emptied::WholeFile : Emptied::RecordByRecord;
}

bool FileTagTable::deleteAll(dict::LONG user, int table, int yieldEvery)
{
    // The positions first, then the deletes: deleting as the walk goes would make every read
    // after a delete look for its place in the key again.
    std::vector<dict::storage::Position> positions;
    if (!walk(user, table, 0, [&] { return positions.push_back(File().Position()), true; }))
        return false;
    Breather breather(yieldEvery);
    for (const dict::storage::Position at : positions) {
        // Gone already when another window cleared it while events ran.
        if (File().TryReget(at) == dict::Benign && inTable(user, table) && !deleteCurrent())
            return false;
        breather.tick();
    }
    return true;
}

bool FileTagTable::holdsOnly(dict::LONG user, int table)
{
    File().SetStart({file_, ExactKey});
    if (File().TryNext() != dict::Benign || !inTable(user, table))
        return false;
    File().SetEnd({file_, ExactKey});
    return File().TryPrevious() == dict::Benign && inTable(user, table);
}

// --- bulk changes --------------------------------------------------------------------------

void FileTagTable::Stream()
{
    if (streams_++ > 0)
        return;
    streamOpened_ = File().Open() == dict::Benign;
    streamHeld_ = false;
    if (!streamOpened_ || File().File()->readOnly())
        return;
    if (File().File()->begin() == dict::Err::None)
        streamHeld_ = true;
    else
        tagErrors().ThrowFile(TagMsg::TransactionCancelled, displayName_);
}

void FileTagTable::Flush()
{
    if (streams_ == 0 || --streams_ > 0)
        return;
    if (streamHeld_ && File().File()->commit() != dict::Err::None) {
        tagErrors().ThrowFile(TagMsg::TransactionCancelled, displayName_);
        File().File()->rollback();
        cache_.clear();
    }
    streamHeld_ = false;
    if (streamOpened_)
        File().Close();
    streamOpened_ = false;
}

// --- whole tables, for tag sets ------------------------------------------------------------

bool FileTagTable::ReadTable(dict::LONG user, int table, std::vector<char> &records)
{
    const std::size_t size = File().Def().recordSize;
    const auto *bytes = static_cast<const char *>(File().Buffer().bytes);
    return walk(user, table, 0, [&] {
        records.insert(records.end(), bytes, bytes + size);
        return true;
    });
}

bool FileTagTable::DeleteTable(dict::LONG user, int table) { return deleteAll(user, table, 0); }

bool FileTagTable::WriteTable(dict::LONG user, int table, const std::vector<char> &records)
{
    const std::size_t size = File().Def().recordSize;
    const dict::FileDef &def = File().Def();
    void *buffer = File().Buffer().bytes;
    for (std::size_t at = 0; at + size <= records.size(); at += size) {
        std::memcpy(buffer, records.data() + at, size);
        dict::setInteger(def.fields[UsrField], buffer, user);
        dict::setInteger(def.fields[TblField], buffer, table);
        if (File().Insert() != dict::Benign)
            return false;
    }
    return true;
}

FileTagTable &pointerFile()
{
    static FileTagTable table(dict::FileId::TAGFILE_, "TagFile_");
    return table;
}

FileTagTable &positionFile()
{
    static FileTagTable table(dict::FileId::TAGFILEPOS_, "TagFilePos_");
    return table;
}

} // namespace ST
