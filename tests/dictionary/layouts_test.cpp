// What the layout declarations must hold beyond what building them checks: keys built from their
// own file's fields, fields that tile the record, key names that carry the file's prefix. All of
// it is known at compile time, so most of it is checked there.
#include "dictionary/files.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace dict;

namespace {

constexpr bool keysUseOwnFields(const FileDef &def)
{
    for (const KeyDef &key : def.keys) {
        if (key.components.size() == 0)
            return false;
        for (const KeyComponent &c : key.components)
            if (c.field < 0 || static_cast<std::size_t>(c.field) >= def.fields.size())
                return false;
    }
    return true;
}

// Each field starts where the one before it ends, the first at 0 and the last ending at the
// record's end: no overlap, no gap.
constexpr bool fieldsTileRecord(const FileDef &def)
{
    std::size_t end = 0;
    for (const FieldDef &f : def.fields) {
        if (f.offset != end || f.size == 0)
            return false;
        end = f.offset + f.size;
    }
    return end == def.recordSize;
}

constexpr bool keyNamesCarryPrefix(const FileDef &def)
{
    const std::string_view prefix = def.prefix;
    for (const KeyDef &key : def.keys) {
        const std::string_view name = key.name;
        if (name.size() <= prefix.size() + 1 || !name.starts_with(prefix) || name[prefix.size()] != ':')
            return false;
    }
    return true;
}

#define CHECK_LAYOUT(file) \
    static_assert(keysUseOwnFields(layout::file::Def), #file ": a key component is not a field of the file"); \
    static_assert(fieldsTileRecord(layout::file::Def), #file ": fields overlap or leave a gap"); \
    static_assert(keyNamesCarryPrefix(layout::file::Def), #file ": a key name lacks the file's prefix");
DICTIONARY_FILES(CHECK_LAYOUT)
#undef CHECK_LAYOUT

// The checks themselves catch what they are meant to.
constexpr FieldDef overlapping[] = {{"A", FieldType::Long, 0, 4}, {"B", FieldType::Long, 2, 4}};
constexpr FieldDef gapped[] = {{"A", FieldType::Long, 0, 4}, {"B", FieldType::Long, 6, 4}};
constexpr KeyDef foreign[] = {{"XX:Far_Key", {{5, false}}, false, false, AutoNumber::None}};
constexpr KeyDef unprefixed[] = {{"XXFar_Key", {{0, false}}, false, false, AutoNumber::None}};
constexpr FileDef probe(std::span<const FieldDef> fields, std::span<const KeyDef> keys, std::uint16_t size)
{
    return {FileId::CUSTOMER, "X", "XX", size, nullptr, fields, keys};
}
static_assert(!fieldsTileRecord(probe(overlapping, {}, 6)));
static_assert(!fieldsTileRecord(probe(gapped, {}, 10)));
static_assert(!fieldsTileRecord(probe(layout::CUSTOMER::Fields, {}, 680)));
static_assert(!keysUseOwnFields(probe(gapped, foreign, 10)));
static_assert(!keyNamesCarryPrefix(probe(gapped, unprefixed, 10)));

} // namespace

// Every member of every file's buffer is found by field() as the table entry of that name: the
// tables, the structs and the global buffers agree.
TEST(LayoutTest, EveryBufferMemberIsItsOwnTableEntry)
{
#define CHECK_MEMBER(type, member, offset, text) \
    EXPECT_STREQ(field(buffer.member).def->name, #member); \
    EXPECT_EQ(field(buffer.member).record, static_cast<void *>(&buffer));
#define CHECK_FILE(file, prefix, size) \
    { \
        auto &buffer = prefix; \
        EXPECT_EQ(&fileDef(FileId::file), &layout::file::Def); \
        file##_FIELDS(CHECK_MEMBER) \
    }
#define CHECK_BUFFER(file) file##_FILE(CHECK_FILE)
    DICTIONARY_FILES(CHECK_BUFFER)
#undef CHECK_BUFFER
#undef CHECK_FILE
#undef CHECK_MEMBER
}

// Keys come out as they are declared: named by field, in order, with their flags.
TEST(LayoutTest, KeysNameTheirComponentsByField)
{
    const KeyDef &byName = fileDef(FileId::CUSTOMER).keys[CUS.CustomerName_Key.index];
    EXPECT_STREQ(byName.name, "CUS:CustomerName_Key");
    ASSERT_EQ(byName.components.size(), 3u);
    EXPECT_EQ(byName.components[0].field, layout::CUSTOMER::LNAME);
    EXPECT_EQ(byName.components[1].field, layout::CUSTOMER::FNAME);
    EXPECT_EQ(byName.components[2].field, layout::CUSTOMER::CUSTOMERNO);
    EXPECT_TRUE(byName.unique);
    EXPECT_FALSE(byName.primary);

    const KeyDef &reversed = fileDef(FileId::INVOICE).keys[INV.InvoiceNoR_Key.index];
    EXPECT_STREQ(reversed.name, "INV:InvoiceNoR_Key");
    ASSERT_EQ(reversed.components.size(), 1u);
    EXPECT_EQ(reversed.components[0].field, layout::INVOICE::INVOICENO);
    EXPECT_TRUE(reversed.components[0].descending);
    EXPECT_EQ(fileDef(FileId::INVOICE).keys[INV.InvoiceNo_Key.index].autoNumber, AutoNumber::WholeKey);
    EXPECT_STREQ(fileDef(FileId::INVOICE).memoName, "MEMOS");
    EXPECT_EQ(fileDef(FileId::CUSTOMER).memoName, nullptr);
}
