// Field and key tables of the data files: what the storage layer and the access managers are built from.
#pragma once

#include "dictionary/fileid.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

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

// A key's components: a fixed little list, so the key tables are built at compile time.
class KeyComponents
{
public:
    constexpr KeyComponents(std::initializer_list<KeyComponent> list)
    {
        for (const KeyComponent &c : list)
            items_[count_++] = c;
    }
    constexpr std::size_t size() const { return count_; }
    constexpr const KeyComponent *begin() const { return items_; }
    constexpr const KeyComponent *end() const { return items_ + count_; }
    constexpr const KeyComponent &operator[](std::size_t i) const { return items_[i]; }
    constexpr const KeyComponent &front() const { return items_[0]; }
    constexpr const KeyComponent &back() const { return items_[count_ - 1]; }

private:
    KeyComponent items_[4]{};
    std::size_t count_ = 0;
};

struct KeyDef {
    const char *name; // mixed-case description used in messages, e.g. "CUS:CustomerNo_Key"
    KeyComponents components;
    bool unique;
    bool primary;
    AutoNumber autoNumber;
};

struct FileDef {
    FileId id;
    const char *name;   // "CUSTOMER"
    const char *prefix; // "CUS"
    std::uint16_t recordSize;
    const char *memoName; // nullptr when the file has no memo
    std::span<const FieldDef> fields;
    std::span<const KeyDef> keys;

    int primaryKey() const;
    int fieldIndex(const char *fieldName) const; // -1 when absent (case-insensitive)
};

const FileDef &fileDef(FileId id);

// The one database that holds every file (each a table), relative to the working folder.
inline constexpr const char *DatabasePath = "data/tallyquill.db";

// Blank strings and zero numbers, as a cleared record holds.
void clearRecord(const FileDef &def, void *record);

} // namespace dict
