// Record layouts of the data files, built from their declarations in layouts.h: one packed struct
// per file, byte for byte as stored, its numbers wider than a byte held as dict::Unaligned; the field and key tables of fileDef(), with a compile-time
// check of every stated offset and record size; one record buffer per file.
#pragma once

#include "dictionary/fieldtypes.h"
#include "dictionary/fileid.h"
#include "dictionary/layouts.h"
#include "dictionary/schema.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace dict {

// --- The records: F(type, NAME, offset, text) is a member. ------------------------------------

#define TQ_RECORD_MEMBER(fieldType, name, offset, text) StoredAs<fieldType>::type name;
#define TQ_RECORD(file) \
    struct file##Record { \
        file##_FIELDS(TQ_RECORD_MEMBER) \
    };

#pragma pack(push, 1)
DICTIONARY_FILES(TQ_RECORD)
#pragma pack(pop)

// --- The tables: dict::layout::CUSTOMER::Fields, Keys, Def and the field names as an enum. ----

namespace layout {

template <typename T>
struct FieldTypeOf; // no other types are stored
template <>
struct FieldTypeOf<BYTE> { static constexpr FieldType value = FieldType::Byte; };
template <>
struct FieldTypeOf<SHORT> { static constexpr FieldType value = FieldType::Short; };
template <>
struct FieldTypeOf<LONG> { static constexpr FieldType value = FieldType::Long; };
template <>
struct FieldTypeOf<REAL> { static constexpr FieldType value = FieldType::Real; };
template <std::size_t N>
struct FieldTypeOf<String<N>> { static constexpr FieldType value = FieldType::String; };

// Key components name a field of the file's own Field enum.
template <typename Field>
    requires std::is_enum_v<Field>
constexpr KeyComponent Asc(Field field)
{
    return {static_cast<int>(field), false};
}
template <typename Field>
    requires std::is_enum_v<Field>
constexpr KeyComponent Desc(Field field)
{
    return {static_cast<int>(field), true};
}

// Key attributes as words of their own, so two of them cannot trade places.
enum Uniqueness : bool { Dups = false, Unique = true };
enum Role : bool { Secondary = false, Primary = true };
inline constexpr AutoNumber NoAutoNumber = AutoNumber::None;
inline constexpr AutoNumber AutoWholeKey = AutoNumber::WholeKey;
inline constexpr AutoNumber AutoLastComponent = AutoNumber::LastComponent;

constexpr KeyDef keyDef(const char *name, KeyComponents components, Uniqueness uniqueness, Role role,
                        AutoNumber autoNumber)
{
    return {name, components, uniqueness == Unique, role == Primary, autoNumber};
}

// "CUS" and "CustomerNo_Key" make "CUS:CustomerNo_Key", at compile time.
template <std::size_t P, std::size_t N>
struct KeyName {
    constexpr KeyName(const char (&prefix)[P], const char (&name)[N])
    {
        std::size_t at = 0;
        for (std::size_t i = 0; i + 1 < P; ++i)
            text[at++] = prefix[i];
        text[at++] = ':';
        for (std::size_t i = 0; i + 1 < N; ++i)
            text[at++] = name[i];
    }
    char text[P + N]{};
};

// A key's position in its file's key list: KeysOf<FileId::CUSTOMER>::CustomerNo_Key.
template <FileId>
struct KeysOf;

#define TQ_FILE_ATTRIBUTES(file, prefix, size) \
    inline constexpr char Prefix[] = #prefix; \
    inline constexpr std::uint16_t RecordSize = size;
#define TQ_FIELD_ENUMERATOR(type, name, offset, text) name,
#define TQ_OFFSET_CHECK(type, name, offset, text) \
    static_assert(offsetof(Record, name) == (offset), "stated offset of " #name);
#define TQ_FIELD_DEF(type, name, offset, text) FieldDef{#name, FieldTypeOf<type>::value, (offset), sizeof(type)},
#define TQ_KEY_ENUMERATOR(name, ...) name,
#define TQ_KEY_NAME(name, ...) inline constexpr KeyName name{Prefix, #name};
#define TQ_KEY_DEF(name, uniqueness, role, autoNumber, ...) \
    keyDef(KeyNames::name.text, {__VA_ARGS__}, uniqueness, role, autoNumber),
#define TQ_MEMO_NAME(name, text) #name,
#define TQ_LAYOUT(file) \
    namespace file { \
    using Record = file##Record; \
    file##_FILE(TQ_FILE_ATTRIBUTES) \
    enum Field : int { file##_FIELDS(TQ_FIELD_ENUMERATOR) }; \
    file##_FIELDS(TQ_OFFSET_CHECK) \
    static_assert(sizeof(Record) == RecordSize, "stated record size of " #file); \
    namespace KeyNames { \
    file##_KEYS(TQ_KEY_NAME) \
    } \
    inline constexpr FieldDef Fields[] = {file##_FIELDS(TQ_FIELD_DEF)}; \
    inline constexpr KeyDef Keys[] = {file##_KEYS(TQ_KEY_DEF)}; \
    inline constexpr const char *MemoNames[] = {file##_MEMO(TQ_MEMO_NAME) nullptr}; \
    inline constexpr FileDef Def{FileId::file, #file, Prefix, RecordSize, MemoNames[0], Fields, Keys}; \
    } \
    template <> \
    struct KeysOf<FileId::file> { \
        enum : int { file##_KEYS(TQ_KEY_ENUMERATOR) }; \
    };

DICTIONARY_FILES(TQ_LAYOUT)

} // namespace layout

// --- The buffers: the stored record, its memo (when the file has one) and its keys, so code reads
// as CUS.BALANCE and CUS.CustomerNo_Key. ----------------------------------------------------------

#define TQ_MEMO_MEMBER(name, text) Memo name;
#define TQ_KEY_REF(name, ...) static constexpr Key<File> name{{File, layout::KeysOf<File>::name}};
#define TQ_BUFFER(file) \
    struct file##Buffer : file##Record { \
        static constexpr FileId File = FileId::file; \
        file##_MEMO(TQ_MEMO_MEMBER) \
        file##_KEYS(TQ_KEY_REF) \
    };

DICTIONARY_FILES(TQ_BUFFER)

// The record type of a file: RecordOf<FileId::CUSTOMER> is CUSTOMERRecord.
template <FileId>
struct RecordTypeOf;
#define TQ_RECORD_TYPE(file) \
    template <> \
    struct RecordTypeOf<FileId::file> { \
        using type = file##Record; \
    };
DICTIONARY_FILES(TQ_RECORD_TYPE)
template <FileId F>
using RecordOf = typename RecordTypeOf<F>::type;

#undef TQ_RECORD_MEMBER
#undef TQ_RECORD
#undef TQ_FILE_ATTRIBUTES
#undef TQ_FIELD_ENUMERATOR
#undef TQ_OFFSET_CHECK
#undef TQ_FIELD_DEF
#undef TQ_KEY_ENUMERATOR
#undef TQ_KEY_NAME
#undef TQ_KEY_DEF
#undef TQ_MEMO_NAME
#undef TQ_LAYOUT
#undef TQ_MEMO_MEMBER
#undef TQ_KEY_REF
#undef TQ_BUFFER
#undef TQ_RECORD_TYPE

} // namespace dict
