// The tag functions: numbered tag tables marking records of any file, so that a later report
// prints exactly the marked ones. Four flavours share one vocabulary:
//
//   file pointer tags (TagFile_)        SetTag_     ... values are record numbers or numeric keys
//   file position tags (TagFilePos_)    SetTagPos_  ... values are key values or positions as text
//   memory pointer tags                 SetTag_PtrM ...
//   memory position tags                SetTag_PosM ...
//
// File tags belong to the current tag user (GetTagUsr) and last until cleared; memory tags live
// until ShutDownTag_PtrM / ShutDownTag_PosM. A table number of 0 or an empty value (0, or a
// blank text) makes any operation do nothing and return 0. File tables are SHORTs: a table
// outside -32768..32767 is no table either. Position values are stored as their first 256 bytes
// in the file and their first 512 in memory, cut at a character boundary; in the file, values
// that differ only in letter case are the same tag (as keys compare).
//
// Call on the GUI thread, like every window.
#pragma once

#include "dictionary/fieldtypes.h"
#include "tagging/filetagtable.h"

#include <functional>
#include <string>
#include <string_view>

namespace fw {
class ViewManager;
}

namespace ST {

// The tag tables the program's windows and reports share, each with what its values are.
inline constexpr int CustomerTable = 1;   // file position tags: customer numbers
inline constexpr int InvoiceTable = 3;    // file pointer tags: invoice numbers
inline constexpr int CreditMemoTable = 4; // memory pointer tags: credit memo numbers

using dict::LONG;

// --- file pointer tags -----------------------------------------------------------------------
// 1 when the tag was added, 0 when it was there already (its sort value is then rewritten).
int SetTag_(int table, LONG value, std::string_view sortValue = {});
int GetTag_(int table, LONG value);
void ClrTag_(int table, LONG value);
// Clears the tag when it is there, else sets it; 1 when the value is tagged afterwards.
int RvsTag_(int table, LONG value, std::string_view sortValue = {});
// The table's tags in sort-value order, walked from the tag file's position in this window;
// 0 when there is none (any more).
LONG FstTag_(int table);
LONG NxtTag_(int table);
LONG PrvTag_(int table);
LONG LstTag_(int table);
LONG CntTag_(int table);
// Removes every tag of the table; the two further numbers are accepted as callers pass them.
void NewTag_(int table, int = 0, int = 1);
// A bulk change of the tag file: committed together when the outermost FlushTag_ comes.
void StreamTag_();
void FlushTag_();

// --- file position tags ----------------------------------------------------------------------
int SetTagPos_(int table, std::string_view value, std::string_view sortValue = {});
int GetTagPos_(int table, std::string_view value);
void ClrTagPos_(int table, std::string_view value);
int RvsTagPos_(int table, std::string_view value, std::string_view sortValue = {});
std::string FstTagPos_(int table);
std::string NxtTagPos_(int table);
std::string PrvTagPos_(int table);
std::string LstTagPos_(int table);
LONG CntTagPos_(int table);
void NewTagPos_(int table, int = 0, int = 1);
void StreamTagPos_();
void FlushTagPos_();

// --- memory pointer tags (sort values are accepted and not kept: memory tags sort by value) ---
int SetTag_PtrM(int table, LONG value, std::string_view sortValue = {});
int GetTag_PtrM(int table, LONG value);
void ClrTag_PtrM(int table, LONG value);
int RvsTag_PtrM(int table, LONG value, std::string_view sortValue = {});
// Next after the last tag returns 0, and so does every Next after it until First starts again.
LONG FstTag_PtrM(int table);
LONG NxtTag_PtrM(int table);
LONG PrvTag_PtrM(int table);
LONG LstTag_PtrM(int table);
LONG CntTag_PtrM(int table);
void NewTag_PtrM(int table);
void ShutDownTag_PtrM();

// --- memory position tags --------------------------------------------------------------------
int SetTag_PosM(int table, std::string_view value, std::string_view sortValue = {});
int GetTag_PosM(int table, std::string_view value);
void ClrTag_PosM(int table, std::string_view value);
int RvsTag_PosM(int table, std::string_view value, std::string_view sortValue = {});
std::string FstTag_PosM(int table);
std::string NxtTag_PosM(int table);
std::string PrvTag_PosM(int table);
std::string LstTag_PosM(int table);
LONG CntTag_PosM(int table);
void NewTag_PosM(int table);
void ShutDownTag_PosM();

// --- whole views, for the tagging browses ----------------------------------------------------
// Tags every record the view returns (from its start), in one bulk change, with the wait cursor
// and letting events run every 10 records; value reads the tag's value from the record in the
// buffer. Returns how many tags were added.
LONG TagAll_(int table, fw::ViewManager &view, const std::function<LONG()> &value);
LONG TagAllPos_(int table, fw::ViewManager &view, const std::function<std::string()> &value);

// A bulk change for the life of a scope: StreamTag_ / FlushTag_ that cannot be left unbalanced.
class TagStream
{
public:
    explicit TagStream(FileTagTable &file)
        : file_(file)
    {
        file_.Stream();
    }
    ~TagStream() { file_.Flush(); }
    TagStream(const TagStream &) = delete;
    TagStream &operator=(const TagStream &) = delete;

private:
    FileTagTable &file_;
};

} // namespace ST
