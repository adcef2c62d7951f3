// Field and key tables of the data files: what the storage layer and the access managers are built from.
#pragma once

#include "dictionary/fileid.h"

#include <cstdint>
#include <span>
#include <vector>

namespace dict {

enum class FieldType : std::uint8_t { Byte, Short, Long, Real, String };

struct FieldDef {
    const char *name;  // column name: the field name without its prefix
    FieldType type;
    std::uint16_t offset;
    std::uint16_t size;
};

enum class AutoNumber : std::uint8_t { None = 0, WholeKey = 1, LastComponent = 2 };

struct KeyComponent {
    int field; // index into the file's fields
    bool descending;
};

struct KeyDef {
    const char *name; // mixed-case description used in messages, e.g. "CUS:CustomerNo_Key"
    std::vector<KeyComponent> components;
    bool unique;
    bool primary;
    AutoNumber autoNumber;
};

struct FileDef {
    FileId id;
    const char *name;   // "CUSTOMER"
    const char *prefix; // "CUS"
    const char *path;   // relative to the working folder
    std::uint16_t recordSize;
    const char *memoName; // nullptr when the file has no memo
    std::span<const FieldDef> fields;
    std::span<const KeyDef> keys;

    int primaryKey() const;
    int fieldIndex(const char *fieldName) const; // -1 when absent (case-insensitive)
};

const FileDef &fileDef(FileId id);

// Blank strings and zero numbers, as a cleared record holds.
void clearRecord(const FileDef &def, void *record);

} // namespace dict
