// Reading, writing and comparing one field of a record buffer through its field table entry.
#pragma once

#include "dictionary/schema.h"

#include <cstdint>
#include <string_view>

namespace dict {

std::int64_t integerOf(const FieldDef &field, const void *record);
void setInteger(const FieldDef &field, void *record, std::int64_t value);
double realOf(const FieldDef &field, const void *record);
void setReal(const FieldDef &field, void *record, double value);
std::string_view stringOf(const FieldDef &field, const void *record); // clipped
void setString(const FieldDef &field, void *record, std::string_view value);

// Compares as keys do: strings without regard to case and trailing blanks, numbers by value.
int compareField(const FieldDef &field, const void *a, const void *b);
// Copies a field between buffers whose fields have the same type (strings are cut or padded).
void copyField(const FieldDef &from, const void *fromRecord, const FieldDef &to, void *toRecord);
bool fieldBlank(const FieldDef &field, const void *record);
void clearField(const FieldDef &field, void *record);
// The lowest or highest value the field can hold, for positioning at the ends of a key range.
void setFieldExtreme(const FieldDef &field, void *record, bool high);

} // namespace dict
