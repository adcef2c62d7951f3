#include "dictionary/fieldpairs.h"

#include "dictionary/fieldaccess.h"

#include <cstring>

namespace dict {

namespace {
char *bytesOf(const FieldRef &f) { return static_cast<char *>(f.record) + f.def->offset; }

// Compares the left field with bytes laid out as the left field is, byte for byte: a change of
// letter case is a change.
bool sameBytes(const FieldRef &f, const std::vector<char> &saved)
{
    return std::memcmp(bytesOf(f), saved.data(), f.def->size) == 0;
}
} // namespace

const FieldDef *fieldAt(const FileDef &def, std::size_t offset)
{
    for (const FieldDef &f : def.fields)
        if (f.offset == offset)
            return &f;
    return nullptr;
}

void FieldPairsClass::AddPair(FieldRef left, FieldRef right) { pairs_.push_back({left, right, {}}); }

void FieldPairsClass::AssignLeftToRight(void *rightRecord)
{
    for (Pair &p : pairs_)
        copyField(*p.left.def, p.left.record, *p.right.def, rightRecord ? rightRecord : p.right.record);
}

void FieldPairsClass::AssignRightToLeft()
{
    for (Pair &p : pairs_)
        copyField(*p.right.def, p.right.record, *p.left.def, p.left.record);
}

bool FieldPairsClass::EqualLeftRight() const
{
    for (const Pair &p : pairs_) {
        if (p.left.def->type == p.right.def->type && p.left.def->type == FieldType::String) {
            if (stringOf(*p.left.def, p.left.record) != stringOf(*p.right.def, p.right.record))
                return false;
        } else if (realOf(*p.left.def, p.left.record) != realOf(*p.right.def, p.right.record)) {
            return false;
        }
    }
    return true;
}

void FieldPairsClass::ClearLeft()
{
    for (Pair &p : pairs_)
        clearField(*p.left.def, p.left.record);
}

void FieldPairsClass::ClearRight()
{
    for (Pair &p : pairs_)
        clearField(*p.right.def, p.right.record);
}

void BufferedPairsClass::AddPair(FieldRef left, FieldRef right)
{
    FieldPairsClass::AddPair(left, right);
    pairs_.back().saved.assign(bytesOf(left), bytesOf(left) + left.def->size);
}

void BufferedPairsClass::AssignLeftToBuffer()
{
    for (Pair &p : pairs_)
        p.saved.assign(bytesOf(p.left), bytesOf(p.left) + p.left.def->size);
}

void BufferedPairsClass::AssignBufferToLeft()
{
    for (Pair &p : pairs_)
        std::memcpy(bytesOf(p.left), p.saved.data(), p.left.def->size);
}

void BufferedPairsClass::AssignBufferToRight(void *rightRecord)
{
    std::vector<char> scratch;
    for (Pair &p : pairs_) {
        // Lay the saved bytes into a scratch record so the generic copy can convert them.
        scratch.assign(p.left.def->offset + p.left.def->size, 0);
        std::memcpy(scratch.data() + p.left.def->offset, p.saved.data(), p.left.def->size);
        copyField(*p.left.def, scratch.data(), *p.right.def, rightRecord ? rightRecord : p.right.record);
    }
}

bool BufferedPairsClass::EqualLeftBuffer() const
{
    for (const Pair &p : pairs_)
        if (!sameBytes(p.left, p.saved))
            return false;
    return true;
}

bool BufferedPairsClass::EqualRightBuffer() const
{
    for (const Pair &p : pairs_)
        if (std::memcmp(bytesOf(p.right), p.saved.data(), std::min(p.left.def->size, p.right.def->size)) != 0)
            return false;
    return true;
}

bool BufferedPairsClass::EqualRightFields(const void *a, const void *b) const
{
    for (const Pair &p : pairs_)
        if (compareField(*p.right.def, a, b) != 0)
            return false;
    return true;
}

std::vector<std::vector<char>> BufferedPairsClass::Saved() const
{
    std::vector<std::vector<char>> saved;
    for (const Pair &p : pairs_)
        saved.push_back(p.saved);
    return saved;
}

void BufferedPairsClass::SetSaved(const std::vector<std::vector<char>> &saved)
{
    for (std::size_t i = 0; i < pairs_.size() && i < saved.size(); ++i)
        pairs_[i].saved = saved[i];
}

} // namespace dict
