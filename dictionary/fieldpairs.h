// Pairs of fields in two record buffers, copied and compared together: the linking fields of a
// relation, or a form's record against its saved copy.
#pragma once

#include "dictionary/schema.h"

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

namespace dict {

struct FieldRef {
    const FieldDef *def = nullptr;
    void *record = nullptr; // the buffer the field lives in
};

// The field entry at a byte offset of a file's records; nullptr when no field starts there.
const FieldDef *fieldAt(const FileDef &def, std::size_t offset);

// A field named by its typed member: fieldOf(buffer, buffer.LNAME) for any record buffer of a
// file's layout. A member that is not a field of the layout ends the program at once: it is a
// programming error, caught by the first test that builds the window.
template <typename Buffer, typename Member>
FieldRef fieldOf(Buffer &buffer, Member &member)
{
    const auto offset = static_cast<std::size_t>(reinterpret_cast<const char *>(&member) -
                                                 reinterpret_cast<const char *>(&buffer));
    const FieldDef *def = fieldAt(fileDef(Buffer::File), offset);
    if (!def || def->size != sizeof(Member))
        std::abort();
    return {def, &buffer};
}

// A field of one of the files' global buffers by its member: field(CUS.LNAME).
FieldRef field(const void *member, std::size_t size);
template <typename Member>
FieldRef field(Member &member)
{
    return field(static_cast<const void *>(&member), sizeof(Member));
}
// Several fields at once: fields(CUS.CITY, CUS.STATE).
template <typename... Members>
std::array<FieldRef, sizeof...(Members)> fields(Members &...members)
{
    return {field(members)...};
}


class FieldPairsClass
{
public:
    virtual ~FieldPairsClass() = default;
    virtual void AddPair(FieldRef left, FieldRef right);
    // The right side may be given another record of the right side's layout.
    void AssignLeftToRight(void *rightRecord = nullptr);
    void AssignRightToLeft();
    bool EqualLeftRight() const;
    void ClearLeft();
    void ClearRight();
    std::size_t size() const { return pairs_.size(); }

protected:
    struct Pair {
        FieldRef left, right;
        std::vector<char> saved; // a copy of the left field's bytes (buffered pairs)
    };
    std::vector<Pair> pairs_;
};

// Adds a saved copy per pair, so the left side can be compared with what it held before.
class BufferedPairsClass : public FieldPairsClass
{
public:
    void AddPair(FieldRef left, FieldRef right) override;
    void AssignLeftToBuffer();
    void AssignBufferToLeft();
    void AssignBufferToRight(void *rightRecord = nullptr);
    bool EqualLeftBuffer() const;
    bool EqualRightBuffer() const;
    // Whether two records of the right side's layout hold equal values (as keys compare) in the
    // right-hand fields.
    bool EqualRightFields(const void *a, const void *b) const;
    std::vector<std::vector<char>> Saved() const;
    void SetSaved(const std::vector<std::vector<char>> &saved);
};

} // namespace dict
