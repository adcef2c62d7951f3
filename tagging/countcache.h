// Counts of tag tables, remembered with the stamp of the tag file they were taken at, so a
// repeated count costs nothing while the file is unchanged, and any change made behind the
// cache's back (another code path, another station) makes it count again. Stamps hold only while
// the file stays open: after it was closed the first count walks again.
#pragma once

#include "dictionary/fieldtypes.h"
#include "dictionary/storage/recordfile.h"

#include <cstdint>
#include <map>
#include <optional>
#include <utility>

namespace ST {

class CountCache
{
public:
    using Stamp = dict::storage::DataVersion;

    // The count of (user, table) when it is known for the file as it is now.
    std::optional<dict::LONG> find(dict::LONG user, int table, const Stamp &now) const;
    // A count walked from the file; taken must be the stamp read before the walk began.
    void store(dict::LONG user, int table, dict::LONG count, const Stamp &taken);

    // Before a write: what is remembered only holds when the file is as the cache last saw it.
    void beforeWrite(const Stamp &now);
    // After a write of our own that changed (user, table) by delta; after is the stamp with it.
    void afterWrite(dict::LONG user, int table, int delta, const Stamp &after);
    // After a table was emptied; after is the stamp with the emptying.
    void emptied(dict::LONG user, int table, const Stamp &after);

    // Bumped by every change to the cache, so a long walk can tell whether others came between.
    std::uint64_t generation() const { return generation_; }
    void clear();

private:
    using Table = std::pair<dict::LONG, int>;
    std::map<Table, dict::LONG> counts_;
    Stamp stamp_;
    bool valid_ = false;
    std::uint64_t generation_ = 0;
};

} // namespace ST
