#include "dictionary/storage/sqlite/sqltext.h"

#include <vector>

namespace dict::storage::sqlite {

namespace {

std::string quoted(const char *name) { return std::string("\"") + name + "\""; }

// One ordering term of a key: a column and whether it sorts high to low.
struct Term {
    std::string column;
    bool descending;
};

const char *blankValue(FieldType type) { return type == FieldType::String ? "''" : "0"; }

} // namespace

SqlText::SqlText(const FileDef &def)
    : def_(def)
{}

const char *SqlText::columnType(FieldType type)
{
    switch (type) {
    case FieldType::Real: return "REAL";
    case FieldType::String: return "TEXT";
    default: return "INTEGER";
    }
}

int SqlText::columnCount() const
{
    return static_cast<int>(def_.fields.size()) + (def_.memoName ? 1 : 0) + 2;
}

std::string SqlText::table(const std::string &schema) const
{
    return quoted(schema.c_str()) + "." + quoted(def_.name);
}

std::string SqlText::columns() const
{
    std::string s;
    for (const FieldDef &f : def_.fields)
        s += quoted(f.name) + ",";
    if (def_.memoName)
        s += quoted(def_.memoName) + ",";
    return s + "_position,_version";
}

std::string SqlText::createTable(const std::string &schema) const
{
    std::string s = "CREATE TABLE IF NOT EXISTS " + table(schema) + " (";
    for (const FieldDef &f : def_.fields) {
        s += quoted(f.name) + " " + columnType(f.type) + " NOT NULL DEFAULT " + blankValue(f.type);
        // Keys compare strings without regard to case; trailing blanks are never stored.
        if (f.type == FieldType::String)
            s += " COLLATE NOCASE";
        s += ", ";
    }
    if (def_.memoName)
        s += quoted(def_.memoName) + " TEXT NOT NULL DEFAULT '', ";
    return s + "_position INTEGER PRIMARY KEY, _version INTEGER NOT NULL DEFAULT 0)";
}

// The key's name in messages ("CUS:CustomerNo_Key"): unique in the database, as an index's must be.
std::string SqlText::indexName(int key) const { return def_.keys[key].name; }

std::string SqlText::indexSql(int key) const
{
    const KeyDef &k = def_.keys[key];
    std::string s = std::string("CREATE ") + (k.unique ? "UNIQUE " : "") + "INDEX " + quoted(indexName(key).c_str())
                    + " ON " + quoted(def_.name) + " (";
    const bool uniform = uniformDirection(key);
    for (std::size_t i = 0; i < k.components.size(); ++i) {
        const KeyComponent &c = k.components[i];
        s += (i ? ", " : "") + quoted(def_.fields[c.field].name);
        // A key sorted one way throughout is read backwards through an ascending index.
        if (!uniform && c.descending)
            s += " DESC";
    }
    return s + ") WHERE " + included(key);
}

std::string SqlText::createIndex(const std::string &schema, int key) const
{
    std::string sql = indexSql(key);
    const std::string head = sql.substr(0, sql.find(" ON "));
    const std::string rest = sql.substr(sql.find(" ON "));
    // Qualify the index name with the schema, as CREATE INDEX wants it.
    const std::size_t nameAt = head.rfind(' ');
    return head.substr(0, nameAt + 1) + quoted(schema.c_str()) + "." + head.substr(nameAt + 1) + rest;
}

std::string SqlText::dropIndex(const std::string &schema, int key) const
{
    return "DROP INDEX IF EXISTS " + quoted(schema.c_str()) + "." + quoted(indexName(key).c_str());
}

bool SqlText::uniformDirection(int key) const
{
    const auto &comps = def_.keys[key].components;
    for (const KeyComponent &c : comps)
        if (c.descending != comps.front().descending)
            return false;
    return true;
}

std::string SqlText::included(int key) const
{
    if (key < 0)
        return "1";
    const KeyDef &k = def_.keys[key];
    std::string s = "(";
    for (std::size_t i = 0; i < k.components.size(); ++i) {
        const FieldDef &f = def_.fields[k.components[i].field];
        s += (i ? " OR " : "") + quoted(f.name) + "<>" + blankValue(f.type);
    }
    return s + ")";
}

namespace {

std::vector<Term> termsOf(const FileDef &def, int key, bool withPosition, bool uniform)
{
    std::vector<Term> terms;
    bool lastDescending = false;
    if (key >= 0) {
        for (const KeyComponent &c : def.keys[key].components) {
            terms.push_back({quoted(def.fields[c.field].name), c.descending});
            lastDescending = c.descending;
        }
    }
    // Records with equal keys come in order of position: the same way as a uniform key runs,
    // ascending otherwise, as the index stores them.
    if (withPosition)
        terms.push_back({"_position", uniform && lastDescending});
    return terms;
}

// "terms come after the bound values" in the order the terms give (reversed going backwards).
std::string laterThan(const std::vector<Term> &terms, bool inclusive, bool backwards)
{
    bool uniform = true;
    for (const Term &t : terms)
        uniform = uniform && t.descending == terms.front().descending;
    if (uniform) {
        const bool greater = terms.front().descending == backwards;
        std::string lhs = "(", rhs = "(";
        for (std::size_t i = 0; i < terms.size(); ++i) {
            lhs += (i ? "," : "") + terms[i].column;
            rhs += i ? ",?" : "?";
        }
        return lhs + ") " + (greater ? ">" : "<") + (inclusive ? "=" : "") + " " + rhs + ")";
    }
    // Mixed directions: spelled out term by term, behind a range on the first term that lets
    // the index seek.
    auto op = [&](const Term &t) { return (t.descending == backwards) ? ">" : "<"; };
    std::string s = "(" + terms.front().column + op(terms.front()) + "=?1 AND ";
    std::string tail;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const std::string p = "?" + std::to_string(i + 1);
        const bool last = i + 1 == terms.size();
        s += "(" + terms[i].column + op(terms[i]) + (last && inclusive ? "=" : "") + p;
        if (!last)
            s += " OR (" + terms[i].column + "=" + p + " AND ";
        tail += last ? ")" : "))";
    }
    return s + tail + ")";
}

} // namespace

std::string SqlText::anchorCondition(int key, Seek seek, bool backwards) const
{
    const bool uniform = key < 0 || uniformDirection(key);
    switch (seek) {
    case Seek::All: return "1";
    case Seek::AtValue: return laterThan(termsOf(def_, key, false, uniform), true, backwards);
    case Seek::After: return laterThan(termsOf(def_, key, true, uniform), false, backwards);
    }
    return "1";
}

std::string SqlText::orderBy(int key, bool backwards) const
{
    const bool uniform = key < 0 || uniformDirection(key);
    std::string s;
    for (const Term &t : termsOf(def_, key, true, uniform))
        s += (s.empty() ? "" : ",") + t.column + ((t.descending != backwards) ? " DESC" : "");
    return s;
}

std::string SqlText::select(const std::string &schema, int key, Seek seek, bool backwards) const
{
    return "SELECT " + columns() + " FROM " + table(schema) + " WHERE " + included(key) + " AND "
           + anchorCondition(key, seek, backwards) + " ORDER BY " + orderBy(key, backwards) + " LIMIT ?";
}

std::string SqlText::selectExact(const std::string &schema, int key) const
{
    std::string s = "SELECT " + columns() + " FROM " + table(schema) + " WHERE " + included(key);
    for (const KeyComponent &c : def_.keys[key].components)
        s += " AND " + quoted(def_.fields[c.field].name) + "=?";
    return s + " ORDER BY " + orderBy(key, false) + " LIMIT 1";
}

std::string SqlText::selectAt(const std::string &schema) const
{
    return "SELECT " + columns() + " FROM " + table(schema) + " WHERE _position=?";
}

std::string SqlText::insert(const std::string &schema) const
{
    std::string names, marks;
    for (const FieldDef &f : def_.fields) {
        names += quoted(f.name) + ",";
        marks += "?,";
    }
    if (def_.memoName) {
        names += quoted(def_.memoName) + ",";
        marks += "?,";
    }
    names.pop_back();
    marks.pop_back();
    return "INSERT INTO " + table(schema) + " (" + names + ") VALUES (" + marks + ")";
}

std::string SqlText::update(const std::string &schema, const std::string &changed) const
{
    std::string s = "UPDATE " + table(schema) + " SET ";
    for (std::size_t i = 0; i < def_.fields.size(); ++i)
        if (changed[i] == '1')
            s += quoted(def_.fields[i].name) + "=?,";
    if (def_.memoName && changed.back() == '1')
        s += quoted(def_.memoName) + "=?,";
    return s + "_version=_version+1 WHERE _position=? AND _version=?";
}

std::string SqlText::remove(const std::string &schema) const
{
    return "DELETE FROM " + table(schema) + " WHERE _position=?";
}

std::string SqlText::clashes(const std::string &schema, int key) const
{
    std::string s = "SELECT _position FROM " + table(schema) + " WHERE " + included(key);
    for (const KeyComponent &c : def_.keys[key].components)
        s += " AND " + quoted(def_.fields[c.field].name) + "=?";
    return s + " AND _position<>? LIMIT 1";
}

std::string SqlText::count(const std::string &schema) const { return "SELECT count(*) FROM " + table(schema); }

std::string SqlText::empty(const std::string &schema) const { return "DELETE FROM " + table(schema); }

} // namespace dict::storage::sqlite
