// One tag file (TagFile_ or TagFilePos_) as the tag operations use it. Both files have the same
// shape: user, table, the tagged value (a number or a text), a sort value; one unique key on
// user, table and value, and the walking key on user, table and sort value.
//
// Every operation opens the file for its own duration and writes under the file's write lock,
// so a tag is set or cleared in one step whatever other stations do meanwhile. Results and
// failures follow the system's tag functions: a failure is shown through the error manager and
// the operation returns as if nothing had been done. Like every window, call on the GUI thread.
#pragma once

#include "dictionary/filemanager.h"
#include "tagging/countcache.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ST {

// The value of a tag: a record number or numeric key, or a text (a key value or a position).
struct TagValue {
    dict::LONG number = 0;
    std::string_view text;
    bool isText = false;

    static TagValue of(dict::LONG number) { return {number, {}, false}; }
    static TagValue of(std::string_view text) { return {0, text, true}; }
    bool empty() const;
};

class FileTagTable
{
public:
    enum class Emptied { Nothing, WholeFile, RecordByRecord, Failed };

    // displayName: how messages name the file ("TagFile_").
    FileTagTable(dict::FileId file, std::string displayName);

    // 1 when a tag was added, 0 when it was there (its sort value is then rewritten) or on failure.
    int Set(int table, TagValue value, std::string_view sortValue);
    bool Get(int table, TagValue value);
    void Clear(int table, TagValue value);
    // 1 when the value is tagged afterwards, 0 when not.
    int Reverse(int table, TagValue value, std::string_view sortValue);

    // Walking the table in sort-value order, from the file's read position in the current
    // window: true with the tag's record in the file's buffer.
    bool First(int table);
    bool Next(int table);
    bool Previous(int table);
    bool Last(int table);

    dict::LONG Count(int table);
    // Removes every tag of the table for the current user: in one operation when the file holds
    // nothing else, record by record otherwise.
    Emptied Empty(int table);

    // A bulk change: the writes until the matching Flush are committed together. They nest.
    void Stream();
    void Flush();
    bool Streaming() const { return streams_ > 0; }

    // For tag sets, inside a unit of work the caller holds over the open file: every tag record
    // of (user, table), appended to records; and the reverse. No events run meanwhile: another
    // window's write would join the unit.
    bool ReadTable(dict::LONG user, int table, std::vector<char> &records);
    bool DeleteTable(dict::LONG user, int table);
    bool WriteTable(dict::LONG user, int table, const std::vector<char> &records);

    // Makes the next count of every table walk the file.
    void ForgetCounts() { cache_.clear(); }

    dict::FileManager &File() const;
    const std::string &DisplayName() const { return displayName_; }

private:
    class WriteLock;
    using Stamp = CountCache::Stamp;

    Stamp stamp() const;
    void fillTable(dict::LONG user, int table) const;
    void fillKey(dict::LONG user, int table, TagValue value) const;
    void setSort(std::string_view sortValue) const;
    bool sortDiffers(std::string_view sortValue) const;
    bool inTable(dict::LONG user, int table) const;
    // Fetches the tag by the unique key; a read failure other than "not there" is reported.
    bool fetch(dict::LONG user, int table, TagValue value);
    // Adds a tag; false when it is there already (no message) or could not be added (reported).
    bool addTag(dict::LONG user, int table, TagValue value, std::string_view sortValue);
    bool deleteCurrent();
    bool readOn(dict::LONG user, int table, bool backwards);
    // Positions before the first (or after the last) tag of the table and reads it.
    bool readFromEnd(int table, bool last);
    // Visits every tag of (user, table) in sort-value order, letting events run every yieldEvery
    // records; visit returns false to stop. False when a read failed.
    template <typename Visit>
    bool walk(dict::LONG user, int table, int yieldEvery, Visit visit);
    // Deletes every tag of (user, table), letting events run every yieldEvery records; stops at
    // the first delete that fails (reported). False when not all could be deleted.
    bool deleteAll(dict::LONG user, int table, int yieldEvery);
    bool holdsOnly(dict::LONG user, int table);

    dict::FileId file_;
    std::string displayName_;
    CountCache cache_;
    int streams_ = 0;
    bool streamOpened_ = false;
    bool streamHeld_ = false;
};

// TagFile_: pointer tags. TagFilePos_: position tags.
FileTagTable &pointerFile();
FileTagTable &positionFile();

// Whether a table number can be stored in a tag record (0 is no table).
bool storableTable(int table);

} // namespace ST
