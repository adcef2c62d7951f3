// Tags kept in memory for the life of the program: per table number, the distinct tagged values
// in ascending order and the position of a walk through them.
#pragma once

#include <iterator>
#include <map>
#include <optional>
#include <set>

namespace ST {

// Value: a number (0 is no value) or a text (empty is no value), already in its stored form.
template <typename Value>
class MemoryTags
{
public:
    // True when the value was added.
    bool Set(int table, const Value &value) { return usable(table, value) && tables_[table].values.insert(value).second; }

    bool Get(int table, const Value &value) const
    {
        const Table *t = find(table);
        return t && usable(table, value) && t->values.contains(value);
    }

    void Clear(int table, const Value &value)
    {
        if (Table *t = find(table); t && usable(table, value))
            t->values.erase(value);
    }

    // True when the value is tagged afterwards.
    bool Reverse(int table, const Value &value)
    {
        if (!usable(table, value))
            return false;
        if (tables_[table].values.erase(value) > 0)
            return false;
        tables_[table].values.insert(value);
        return true;
    }

    // The walk: First and Last set the position; Next and Previous move on from the value last
    // returned (found again by value, so clearing it meanwhile does no harm). Past either end
    // they return nothing and forget the position: the walk starts again only with First or Last.
    Value First(int table) { return startAt(table, false); }
    Value Last(int table) { return startAt(table, true); }
    Value Next(int table) { return moveOn(table, false); }
    Value Previous(int table) { return moveOn(table, true); }

    long Count(int table) const
    {
        const Table *t = find(table);
        return t ? static_cast<long>(t->values.size()) : 0;
    }

    void Empty(int table)
    {
        if (Table *t = find(table)) {
            t->values.clear();
            t->current.reset();
        }
    }

    void ShutDown() { tables_.clear(); }

private:
    struct Table {
        std::set<Value> values;
        std::optional<Value> current;
    };

    static bool usable(int table, const Value &value) { return table != 0 && value != Value{}; }

    Table *find(int table)
    {
        auto it = tables_.find(table);
        return it == tables_.end() ? nullptr : &it->second;
    }
    const Table *find(int table) const
    {
        auto it = tables_.find(table);
        return it == tables_.end() ? nullptr : &it->second;
    }

    Value startAt(int table, bool last)
    {
        Table *t = table != 0 ? &tables_[table] : nullptr;
        if (!t || t->values.empty()) {
            if (t)
                t->current.reset();
            return Value{};
        }
        t->current = last ? *t->values.rbegin() : *t->values.begin();
        return *t->current;
    }

    Value moveOn(int table, bool backwards)
    {
        Table *t = find(table);
        if (!t || !t->current)
            return Value{};
        const auto &values = t->values;
        auto it = backwards ? values.lower_bound(*t->current) : values.upper_bound(*t->current);
        if (backwards ? it == values.begin() : it == values.end()) {
            t->current.reset();
            return Value{};
        }
        t->current = backwards ? *std::prev(it) : *it;
        return *t->current;
    }

    std::map<int, Table> tables_;
};

} // namespace ST
