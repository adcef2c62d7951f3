// Saved tag sets: a user's tags of one list kept under a negative table number, with a record in
// TagSet_ that names the list (its source), the day it was last saved, how many tags it holds and
// a description. These are the data operations behind the "Select Tag Set" window.
//
// A set's tags live in the tag file of the list they were saved from (TagFile_ for pointer tags,
// TagFilePos_ for position tags), under the set's table number. Saving copies a working table
// into the set, replacing what the set held; loading copies the set into a working table,
// replacing what that held. Each copy is one unit of work with the set's record, so TS_:COUNT
// always says how many tags the set holds and a copy that fails leaves both tables as they were.
// Tags written to a set's table by other means do not change TS_:COUNT; loading puts it right.
//
// Every operation acts on the current tag user's sets only. Results: 0 (dict::Benign) for
// success, else the level of the message shown.
#pragma once

#include "dictionary/fieldtypes.h"

#include <string>
#include <string_view>
#include <vector>

namespace ST {

class FileTagTable;

struct TagSetRow {
    dict::SHORT table = 0;
    dict::LONG date = 0; // day last saved
    dict::LONG count = 0;
    std::string description;
};

// The current user's sets of a source, newest first, by description within a day.
std::vector<TagSetRow> TagSets(std::string_view source);

// Reads the set into TS_ (the window's current set).
int FetchTagSet(dict::SHORT table);

// Adds an empty set dated today under the next free negative table number (retrying when another
// station takes that number first); the new record is in TS_. Returns its table number, 0 when
// it could not be added.
dict::SHORT InsertTagSet(std::string_view source, std::string_view description);
int ChangeTagSet(dict::SHORT table, std::string_view description);
// Deletes the set and its tags. Asking first is the window's part (TagMsg::ConfirmDeleteSet).
int DeleteTagSet(dict::SHORT table);

// Replaces the set's tags with the working table's and dates the set today.
int SaveTagSet(FileTagTable &file, int workingTable, dict::SHORT setTable);
// Replaces the working table's tags with the set's.
int LoadTagSet(FileTagTable &file, dict::SHORT setTable, int workingTable);

// The same for the two tag files.
int SaveTagSet_(int workingTable, dict::SHORT setTable);
int SaveTagSetPos_(int workingTable, dict::SHORT setTable);
int LoadTagSet_(dict::SHORT setTable, int workingTable);
int LoadTagSetPos_(dict::SHORT setTable, int workingTable);

} // namespace ST
