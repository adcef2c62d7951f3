// The field and key tables of the data files, as records.h builds them from layouts.h; the
// storage layer builds its tables and indexes from these, and the access managers their key lists.
#include "dictionary/schema.h"
#include "dictionary/records.h"

#include <cstring>
#include <iterator>
#include <strings.h>

namespace dict {

namespace {
#define TQ_FILE_DEF(file) &layout::file::Def,
constexpr const FileDef *fileDefs[] = {DICTIONARY_FILES(TQ_FILE_DEF)};
#undef TQ_FILE_DEF

constexpr bool inFileIdOrder()
{
    for (std::size_t i = 0; i < std::size(fileDefs); ++i)
        if (fileDefs[i]->id != static_cast<FileId>(i))
            return false;
    return std::size(fileDefs) == FileCount;
}
static_assert(inFileIdOrder(), "DICTIONARY_FILES lists every file in the order of FileId");
} // namespace

const FileDef &fileDef(FileId id) { return *fileDefs[static_cast<int>(id)]; }

int FileDef::primaryKey() const
{
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i].primary)
            return static_cast<int>(i);
    return -1;
}

int FileDef::fieldIndex(const char *fieldName) const
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (strcasecmp(fields[i].name, fieldName) == 0)
            return static_cast<int>(i);
    return -1;
}

void clearRecord(const FileDef &def, void *record)
{
    auto *bytes = static_cast<char *>(record);
    std::memset(bytes, 0, def.recordSize);
    for (const FieldDef &f : def.fields)
        if (f.type == FieldType::String)
            std::memset(bytes + f.offset, ' ', f.size);
}

} // namespace dict
