// SQL text for one data file, generated from its field and key tables.
#pragma once

#include "dictionary/schema.h"

#include <string>

namespace dict::storage::sqlite {

// How a read moves through a key: the condition relative to an anchor, and the direction.
enum class Seek : std::uint8_t {
    All,     // no anchor: the whole key
    AtValue, // at or after (before, going backwards) the key value
    After,   // strictly after (before) a record: key value and position
};

class SqlText
{
public:
    explicit SqlText(const FileDef &def);

    std::string createTable(const std::string &schema) const;
    std::string createIndex(const std::string &schema, int key) const;
    std::string indexSql(int key) const; // as sqlite_master stores it
    std::string indexName(int key) const;
    std::string dropIndex(const std::string &schema, int key) const;

    // Result columns: every field, the memo, then _position and _version.
    std::string select(const std::string &schema, int key, Seek seek, bool backwards) const;
    std::string selectExact(const std::string &schema, int key) const;
    std::string selectAt(const std::string &schema) const;
    std::string insert(const std::string &schema) const;
    // Sets the columns marked '1' in changed: one mark per field, then one for the memo if any.
    std::string update(const std::string &schema, const std::string &changed) const;
    std::string remove(const std::string &schema) const;
    std::string clashes(const std::string &schema, int key) const;
    std::string count(const std::string &schema) const;
    std::string empty(const std::string &schema) const;

    // Column type as declared, for the layout check.
    static const char *columnType(FieldType type);
    int columnCount() const; // fields + memo + _position + _version
    bool uniformDirection(int key) const;

private:
    std::string table(const std::string &schema) const;
    std::string columns() const;
    std::string included(int key) const; // records whose key is not all blank or zero
    std::string orderBy(int key, bool backwards) const;
    std::string anchorCondition(int key, Seek seek, bool backwards) const;

    const FileDef &def_;
};

} // namespace dict::storage::sqlite
