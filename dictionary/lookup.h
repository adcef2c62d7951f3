// Typed look-ups by key: the records whose key begins with given values, or the first of them,
// read without disturbing the caller's record buffer or read position.
//
//     for (const auto &line : dict::range(DES.InvoiceNo_Key, invoiceNo))
//         total += line.AMOUNT;
//     if (const auto item = dict::lookup(STO.StockNo_Key, number))
//         cost = item->COST;
//
// Values match the key's leading components in order, as the key compares them (strings without
// regard to case or trailing blanks). A file that cannot be read yields nothing; its error is
// left for GetError().
#pragma once

#include "dictionary/records.h"
#include "dictionary/storage/recordfile.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

namespace dict {

// A record as found, with its position for a later TryReget.
template <typename Record>
struct Found : Record {
    storage::Position position = 0;
};

// One value of a key component, as the caller has it.
class KeyValue
{
public:
    KeyValue(std::string_view text) : text_(text), isText_(true) {} // NOLINT: implicit by design
    KeyValue(const char *text) : KeyValue(std::string_view(text)) {} // NOLINT
    template <std::size_t N>
    KeyValue(const String<N> &text) : KeyValue(text.view()) // NOLINT
    {}
    template <typename T>
        requires std::is_arithmetic_v<T>
    KeyValue(T number) : number_(static_cast<double>(number)) // NOLINT
    {}
    template <typename T>
    KeyValue(const Unaligned<T> &number) : KeyValue(T(number)) // NOLINT
    {}

    // Writes the value into the field of a record buffer.
    void store(const FieldDef &field, void *record) const;

private:
    std::string_view text_;
    double number_ = 0;
    bool isText_ = false;
};

namespace detail {
// Hands take each record (its bytes and position) of the key's file whose leading components
// equal values, in key order, until take returns false.
void scan(KeyRef key, std::span<const KeyValue> values,
          const std::function<bool(const void *record, storage::Position position)> &take);

template <typename Record>
Found<Record> found(const void *record, storage::Position position)
{
    Found<Record> row;
    std::memcpy(static_cast<Record *>(&row), record, sizeof(Record));
    row.position = position;
    return row;
}
} // namespace detail

template <FileId F, typename... Values>
std::vector<Found<RecordOf<F>>> range(Key<F> key, const Values &...values)
{
    std::vector<Found<RecordOf<F>>> rows;
    const KeyValue given[] = {KeyValue(values)..., KeyValue(0)}; // the last is never used
    detail::scan(key, std::span(given, sizeof...(Values)), [&rows](const void *record, storage::Position at) {
        rows.push_back(detail::found<RecordOf<F>>(record, at));
        return true;
    });
    return rows;
}

template <FileId F, typename... Values>
std::optional<Found<RecordOf<F>>> lookup(Key<F> key, const Values &...values)
{
    std::optional<Found<RecordOf<F>>> first;
    const KeyValue given[] = {KeyValue(values)..., KeyValue(0)};
    detail::scan(key, std::span(given, sizeof...(Values)), [&first](const void *record, storage::Position at) {
        first = detail::found<RecordOf<F>>(record, at);
        return false;
    });
    return first;
}

} // namespace dict
