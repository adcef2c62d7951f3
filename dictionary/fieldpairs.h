// Pairs of fields in two record buffers, copied and compared together: the linking fields of a
// relation, or a form's record against its saved copy.
#pragma once

#include "dictionary/schema.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace dict {

struct FieldRef {
    const FieldDef *def = nullptr;
    void *record = nullptr; // the buffer the field lives in
};

// A field of a record buffer by name: fieldRef(CUS, "LNAME"). A name the file does not have is a
// programming error and ends the program at once.
template <typename Buffer>
FieldRef fieldRef(Buffer &buffer, const char *name)
{
    const FileDef &def = fileDef(Buffer::File);
    const int index = def.fieldIndex(name);
    if (index < 0)
        std::abort();
    return {&def.fields[index], &buffer};
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
