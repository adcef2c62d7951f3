#include "tagging/tags.h"

#include "dictionary/files.h"
#include "framework/viewmanager.h"
#include "tagging/bulkwork.h"
#include "tagging/memorytags.h"

namespace ST {

namespace {

constexpr std::size_t MemoryTextLimit = 512;
constexpr int TagAllYield = 10;

MemoryTags<LONG> &pointerMemory()
{
    static MemoryTags<LONG> tags;
    return tags;
}

MemoryTags<std::string> &positionMemory()
{
    static MemoryTags<std::string> tags;
    return tags;
}

// A text as memory keeps it: without trailing blanks, at most 512 bytes of whole characters.
std::string memoryText(std::string_view value)
{
    const std::string_view clipped = dict::clipped(value);
    return std::string(dict::clipped(clipped.substr(0, dict::utf8Fit(clipped, MemoryTextLimit))));
}

LONG pointerOf(bool found) { return found ? LONG(TF_.PTR) : 0; }
std::string positionOf(bool found) { return found ? TP_.POS.str() : std::string(); }

template <typename Value>
LONG tagAll(FileTagTable &file, int table, fw::ViewManager &view, const std::function<Value()> &value)
{
    if (!storableTable(table))
        return 0;
    WaitCursor wait;
    TagStream stream(file);
    Breather breather(TagAllYield);
    LONG added = 0;
    view.Reset();
    while (view.Next() == dict::Benign) {
        const Value v = value();
        added += file.Set(table, TagValue::of(v), {});
        breather.tick();
    }
    return added;
}

} // namespace

// --- file pointer tags ---------------------------------------------------------------------

int SetTag_(int table, LONG value, std::string_view sortValue) { return pointerFile().Set(table, TagValue::of(value), sortValue); }
int GetTag_(int table, LONG value) { return pointerFile().Get(table, TagValue::of(value)) ? 1 : 0; }
void ClrTag_(int table, LONG value) { pointerFile().Clear(table, TagValue::of(value)); }
int RvsTag_(int table, LONG value, std::string_view sortValue) { return pointerFile().Reverse(table, TagValue::of(value), sortValue); }
LONG FstTag_(int table) { return pointerOf(pointerFile().First(table)); }
LONG NxtTag_(int table) { return pointerOf(pointerFile().Next(table)); }
LONG PrvTag_(int table) { return pointerOf(pointerFile().Previous(table)); }
LONG LstTag_(int table) { return pointerOf(pointerFile().Last(table)); }
LONG CntTag_(int table) { return pointerFile().Count(table); }
void NewTag_(int table, int, int) { pointerFile().Empty(table); }
void StreamTag_() { pointerFile().Stream(); }
void FlushTag_() { pointerFile().Flush(); }

// --- file position tags --------------------------------------------------------------------

int SetTagPos_(int table, std::string_view value, std::string_view sortValue) { return positionFile().Set(table, TagValue::of(value), sortValue); }
int GetTagPos_(int table, std::string_view value) { return positionFile().Get(table, TagValue::of(value)) ? 1 : 0; }
void ClrTagPos_(int table, std::string_view value) { positionFile().Clear(table, TagValue::of(value)); }
int RvsTagPos_(int table, std::string_view value, std::string_view sortValue) { return positionFile().Reverse(table, TagValue::of(value), sortValue); }
std::string FstTagPos_(int table) { return positionOf(positionFile().First(table)); }
std::string NxtTagPos_(int table) { return positionOf(positionFile().Next(table)); }
std::string PrvTagPos_(int table) { return positionOf(positionFile().Previous(table)); }
std::string LstTagPos_(int table) { return positionOf(positionFile().Last(table)); }
LONG CntTagPos_(int table) { return positionFile().Count(table); }
void NewTagPos_(int table, int, int) { positionFile().Empty(table); }
void StreamTagPos_() { positionFile().Stream(); }
void FlushTagPos_() { positionFile().Flush(); }

// --- memory pointer tags -------------------------------------------------------------------

int SetTag_PtrM(int table, LONG value, std::string_view) { return pointerMemory().Set(table, value) ? 1 : 0; }
int GetTag_PtrM(int table, LONG value) { return pointerMemory().Get(table, value) ? 1 : 0; }
void ClrTag_PtrM(int table, LONG value) { pointerMemory().Clear(table, value); }
int RvsTag_PtrM(int table, LONG value, std::string_view) { return pointerMemory().Reverse(table, value) ? 1 : 0; }
LONG FstTag_PtrM(int table) { return pointerMemory().First(table); }
LONG NxtTag_PtrM(int table) { return pointerMemory().Next(table); }
LONG PrvTag_PtrM(int table) { return pointerMemory().Previous(table); }
LONG LstTag_PtrM(int table) { return pointerMemory().Last(table); }
LONG CntTag_PtrM(int table) { return pointerMemory().Count(table); }
void NewTag_PtrM(int table) { pointerMemory().Empty(table); }
void ShutDownTag_PtrM() { pointerMemory().ShutDown(); }

// --- memory position tags ------------------------------------------------------------------

int SetTag_PosM(int table, std::string_view value, std::string_view) { return positionMemory().Set(table, memoryText(value)) ? 1 : 0; }
int GetTag_PosM(int table, std::string_view value) { return positionMemory().Get(table, memoryText(value)) ? 1 : 0; }
void ClrTag_PosM(int table, std::string_view value) { positionMemory().Clear(table, memoryText(value)); }
int RvsTag_PosM(int table, std::string_view value, std::string_view) { return positionMemory().Reverse(table, memoryText(value)) ? 1 : 0; }
std::string FstTag_PosM(int table) { return positionMemory().First(table); }
std::string NxtTag_PosM(int table) { return positionMemory().Next(table); }
std::string PrvTag_PosM(int table) { return positionMemory().Previous(table); }
std::string LstTag_PosM(int table) { return positionMemory().Last(table); }
LONG CntTag_PosM(int table) { return positionMemory().Count(table); }
void NewTag_PosM(int table) { positionMemory().Empty(table); }
void ShutDownTag_PosM() { positionMemory().ShutDown(); }

// --- whole views ---------------------------------------------------------------------------

LONG TagAll_(int table, fw::ViewManager &view, const std::function<LONG()> &value)
{
    return tagAll<LONG>(pointerFile(), table, view, value);
}

LONG TagAllPos_(int table, fw::ViewManager &view, const std::function<std::string()> &value)
{
    return tagAll<std::string>(positionFile(), table, view, value);
}

} // namespace ST
