#include "tagging/countcache.h"

namespace ST {

std::optional<dict::LONG> CountCache::find(dict::LONG user, int table, const Stamp &now) const
{
    if (!valid_ || now != stamp_)
        return std::nullopt;
    const auto it = counts_.find({user, table});
    if (it == counts_.end())
        return std::nullopt;
    return it->second;
}

void CountCache::store(dict::LONG user, int table, dict::LONG count, const Stamp &taken)
{
    if (!valid_ || taken != stamp_) {
        counts_.clear();
        stamp_ = taken;
        valid_ = true;
    }
    counts_[{user, table}] = count;
    ++generation_;
}

void CountCache::beforeWrite(const Stamp &now)
{
    if (valid_ && now != stamp_)
        clear();
}

void CountCache::afterWrite(dict::LONG user, int table, int delta, const Stamp &after)
{
    if (!valid_)
        return;
    if (const auto it = counts_.find({user, table}); it != counts_.end())
        it->second += delta;
    stamp_ = after;
    ++generation_;
}

void CountCache::emptied(dict::LONG user, int table, const Stamp &after)
{
    if (!valid_) {
        counts_.clear();
        valid_ = true;
    }
    counts_[{user, table}] = 0;
    stamp_ = after;
    ++generation_;
}

void CountCache::clear()
{
    counts_.clear();
    valid_ = false;
    ++generation_;
}

} // namespace ST
