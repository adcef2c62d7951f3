#include "framework/viewmanager.h"

#include "dictionary/fieldaccess.h"
#include "dictionary/runtimeerror.h"
#include "framework/framemessages.h"

#include <cstring>

namespace fw {

void ViewManager::Init(dict::RelationManager *primary)
{
    primary_ = primary;
    const dict::FileDef &def = File().Def();
    bindings_.bindRecord(def.prefix, def, File().Buffer().bytes);
}

int ViewManager::AddSortOrder(dict::KeyRef key)
{
    orders_.push_back({key, {}, {}});
    order_ = static_cast<int>(orders_.size()) - 1;
    return order_ + 1;
}

void ViewManager::SetOrder(int order)
{
    if (order >= 1 && order <= static_cast<int>(orders_.size()))
        order_ = order - 1;
}

void ViewManager::AddRange(dict::FieldRef source) { orders_[order_].range.push_back(source); }

void ViewManager::SetFilter(std::string expression) { orders_[order_].filters.push_back(std::move(expression)); }

std::string ViewManager::FilterText() const
{
    const SortOrder &o = orders_[order_];
    std::string text;
    const dict::FileDef &def = File().Def();
    const dict::KeyDef &key = def.keys[o.key.index];
    for (std::size_t i = 0; i < o.range.size() && i < key.components.size(); ++i) {
        const dict::FieldDef &f = def.fields[key.components[i].field];
        const dict::FieldRef &source = o.range[i];
        std::string value = source.def->type == dict::FieldType::String
                                ? "'" + std::string(dict::stringOf(*source.def, source.record)) + "'"
                                : std::to_string(dict::realOf(*source.def, source.record));
        text += (text.empty() ? "" : " AND ") + std::string(def.prefix) + ":" + f.name + " = " + value;
    }
    for (const std::string &filter : o.filters)
        text += (text.empty() ? "(" : " AND (") + filter + ")";
    return text;
}

int ViewManager::Reset()
{
    const SortOrder &o = orders_[order_];
    filter_.reset();
    limitsIgnored_ = false;
    std::string joined;
    for (const std::string &filter : o.filters)
        joined += (joined.empty() ? "(" : " AND (") + filter + ")";
    if (!joined.empty()) {
        FilterParseResult parsed = FilterExpression::parse(joined, bindings_);
        if (parsed.ok()) {
            filter_ = std::move(parsed.expression);
        } else {
            dict::setLastError(dict::Err::DriverError, parsed.error.message());
            if (dict::ErrorReporter *errors = File().Errors())
                errors->Throw(FrameMsg::ViewOpenError);
            limitsIgnored_ = true;
        }
    }
    // The range values are taken now, as the view opens.
    const dict::FileDef &def = File().Def();
    rangeValues_.assign(def.recordSize, 0);
    for (std::size_t i = 0; i < o.range.size(); ++i) {
        const dict::FieldDef &f = def.fields[def.keys[o.key.index].components[i].field];
        dict::copyField(*o.range[i].def, o.range[i].record, f, rangeValues_.data());
    }
    positionAtRange(false);
    return dict::Benign;
}

void ViewManager::positionAtRange(bool end)
{
    const SortOrder &o = orders_[order_];
    const std::size_t limited = limitsIgnored_ ? 0 : o.range.size();
    if (limited == 0) {
        end ? File().SetEnd(o.key) : File().SetStart(o.key);
        return;
    }
    putRangeIntoBuffer();
    File().ClearKey(o.key, static_cast<int>(limited) + 1, 99, end);
    File().SetAt(o.key);
}

void ViewManager::putRangeIntoBuffer()
{
    const dict::FileDef &def = File().Def();
    const auto &components = def.keys[orders_[order_].key.index].components;
    for (int i = 0; i < RangeComponents(); ++i) {
        const dict::FieldDef &f = def.fields[components[i].field];
        std::memcpy(static_cast<char *>(File().Buffer().bytes) + f.offset, rangeValues_.data() + f.offset, f.size);
    }
}

int ViewManager::PrimeRecord()
{
    dict::clearRecord(File().Def(), File().Buffer().bytes);
    if (File().Buffer().memo)
        File().Buffer().memo->clear();
    putRangeIntoBuffer();
    return File().PrimeRecord(true);
}

int ViewManager::RangeComponents() const
{
    return limitsIgnored_ ? 0 : static_cast<int>(orders_[order_].range.size());
}

void ViewManager::SetAt()
{
    putRangeIntoBuffer();
    File().SetAt(orders_[order_].key);
}

void ViewManager::SetAfter(dict::storage::Position position) { File().SetAfter(orders_[order_].key, position); }

bool ViewManager::inRange() const
{
    const SortOrder &o = orders_[order_];
    if (limitsIgnored_)
        return true;
    const dict::FileDef &def = File().Def();
    const auto &components = def.keys[o.key.index].components;
    for (std::size_t i = 0; i < o.range.size(); ++i)
        if (dict::compareField(def.fields[components[i].field], File().Buffer().bytes, rangeValues_.data()) != 0)
            return false;
    return true;
}

bool ViewManager::ValidRecord() { return inRange() && (!filter_ || filter_->evaluate()); }

int ViewManager::read(bool backwards)
{
    for (;;) {
        const int result = backwards ? File().Previous() : File().Next();
        if (result != dict::Benign)
            return result;
        if (!inRange())
            return dict::Notify; // keys are ordered: past the range there is nothing more
        if (!filter_ || filter_->evaluate())
            return dict::Benign;
    }
}

int ViewManager::Next() { return read(false); }
int ViewManager::Previous() { return read(true); }

} // namespace fw
