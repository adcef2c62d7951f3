#include "dictionary/fieldaccess.h"

#include "dictionary/fieldtypes.h"

#include <cstring>
#include <limits>

namespace dict {

namespace {
const char *at(const FieldDef &f, const void *record) { return static_cast<const char *>(record) + f.offset; }
char *at(const FieldDef &f, void *record) { return static_cast<char *>(record) + f.offset; }
} // namespace

std::int64_t integerOf(const FieldDef &f, const void *record)
{
    const char *p = at(f, record);
    switch (f.type) {
    case FieldType::Byte: return static_cast<unsigned char>(*p);
    case FieldType::Short: { std::int16_t v; std::memcpy(&v, p, 2); return v; }
    case FieldType::Long: { std::int32_t v; std::memcpy(&v, p, 4); return v; }
    case FieldType::Real: return static_cast<std::int64_t>(realOf(f, record));
    case FieldType::String: return std::atoll(std::string(stringOf(f, record)).c_str());
    }
    return 0;
}

void setInteger(const FieldDef &f, void *record, std::int64_t value)
{
    char *p = at(f, record);
    switch (f.type) {
    case FieldType::Byte: { auto v = static_cast<std::uint8_t>(value); std::memcpy(p, &v, 1); break; }
    case FieldType::Short: { auto v = static_cast<std::int16_t>(value); std::memcpy(p, &v, 2); break; }
    case FieldType::Long: { auto v = static_cast<std::int32_t>(value); std::memcpy(p, &v, 4); break; }
    case FieldType::Real: setReal(f, record, static_cast<double>(value)); break;
    case FieldType::String: setString(f, record, std::to_string(value)); break;
    }
}

double realOf(const FieldDef &f, const void *record)
{
    if (f.type != FieldType::Real)
        return static_cast<double>(integerOf(f, record));
    double v;
    std::memcpy(&v, at(f, record), 8);
    return v;
}

void setReal(const FieldDef &f, void *record, double value)
{
    if (f.type != FieldType::Real)
        return setInteger(f, record, static_cast<std::int64_t>(value));
    std::memcpy(at(f, record), &value, 8);
}

std::string_view stringOf(const FieldDef &f, const void *record) { return clipped({at(f, record), f.size}); }

void setString(const FieldDef &f, void *record, std::string_view value)
{
    char *p = at(f, record);
    const std::size_t n = utf8Fit(value, f.size);
    if (n > 0) // an empty view may have no data at all
        std::memcpy(p, value.data(), n);
    std::memset(p + n, ' ', f.size - n);
}

int compareField(const FieldDef &f, const void *a, const void *b)
{
    if (f.type == FieldType::String)
        return compareNoCase(stringOf(f, a), stringOf(f, b));
    if (f.type == FieldType::Real) {
        const double x = realOf(f, a), y = realOf(f, b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const std::int64_t x = integerOf(f, a), y = integerOf(f, b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

void copyField(const FieldDef &from, const void *fromRecord, const FieldDef &to, void *toRecord)
{
    if (to.type == FieldType::String)
        setString(to, toRecord, from.type == FieldType::String ? stringOf(from, fromRecord)
                                                                : std::string_view(std::to_string(integerOf(from, fromRecord))));
    else if (to.type == FieldType::Real)
        setReal(to, toRecord, realOf(from, fromRecord));
    else
        setInteger(to, toRecord, integerOf(from, fromRecord));
}

bool fieldBlank(const FieldDef &f, const void *record)
{
    if (f.type == FieldType::String)
        return stringOf(f, record).empty();
    if (f.type == FieldType::Real)
        return realOf(f, record) == 0.0;
    return integerOf(f, record) == 0;
}

void clearField(const FieldDef &f, void *record)
{
    std::memset(at(f, record), f.type == FieldType::String ? ' ' : 0, f.size);
}

void setFieldExtreme(const FieldDef &f, void *record, bool high)
{
    char *p = at(f, record);
    switch (f.type) {
    case FieldType::String: std::memset(p, high ? '\xff' : ' ', f.size); break;
    case FieldType::Real:
        setReal(f, record, high ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest());
        break;
    case FieldType::Byte: *reinterpret_cast<unsigned char *>(p) = high ? 0xff : 0; break;
    case FieldType::Short:
        setInteger(f, record, high ? std::numeric_limits<std::int16_t>::max() : std::numeric_limits<std::int16_t>::min());
        break;
    case FieldType::Long:
        setInteger(f, record, high ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::int32_t>::min());
        break;
    }
}

} // namespace dict
