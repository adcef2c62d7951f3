// A view over one file: a sort order (key), a range limit on the key's leading components and
// filter expressions, read record by record into the file's buffer.
#pragma once

#include "dictionary/fieldpairs.h"
#include "dictionary/relationmanager.h"
#include "framework/filterexpr.h"

#include <optional>
#include <string>
#include <vector>

namespace fw {

class ViewManager
{
public:
    virtual ~ViewManager() = default;

    void Init(dict::RelationManager *primary);
    // Adds a sort order and makes it current; returns its number (1-based).
    int AddSortOrder(dict::KeyRef key);
    void SetOrder(int order);
    int Order() const { return order_ + 1; }
    dict::KeyRef Key() const { return orders_[order_].key; }
    // Limits the current order's next leading key component to the value of source.
    void AddRange(dict::FieldRef source);
    // Adds a filter expression to the current order (joined to the others with AND).
    void SetFilter(std::string expression);
    // Names the filters may use besides the primary file's fields.
    FilterBindings &Bindings() { return bindings_; }

    // Builds the filter and positions before the first record; a filter that cannot be used is
    // reported ("View Open Error") and the view is read without filter and range.
    virtual int Reset();
    // Positioning within the view as it was last Reset (for reading pages). SetAt reads from the
    // key value in the buffer, with the range's components put back into it; SetAfter goes on
    // from the record in the buffer at that position (Next after it, Previous before it).
    void SetStart() { positionAtRange(false); }
    void SetEnd() { positionAtRange(true); }
    void SetAt();
    void SetAfter(dict::storage::Position position);
    // The number of leading key components the range fixes (0 when ignored).
    int RangeComponents() const;
    // A new record for the view: cleared, with the range's components set, then numbered, so a
    // number counted within the range (a line number within its document) counts in the right one.
    int PrimeRecord();
    // The next record of the view in the buffer, or the end (Level::Notify).
    virtual int Next();
    virtual int Previous();
    // Whether the record in the buffer belongs to the view.
    bool ValidRecord();
    dict::FileManager &File() const { return *primary_->Me; }
    // The expression the current order's range and filters make, as the view sees it.
    std::string FilterText() const;

protected:
    dict::RelationManager *primary_ = nullptr;

private:
    struct SortOrder {
        dict::KeyRef key;
        std::vector<dict::FieldRef> range;
        std::vector<std::string> filters;
    };
    void positionAtRange(bool end);
    void putRangeIntoBuffer();
    bool inRange() const;
    int read(bool backwards);

    std::vector<SortOrder> orders_;
    int order_ = 0;
    FilterBindings bindings_;
    std::optional<FilterExpression> filter_;
    std::vector<char> rangeValues_;
    bool limitsIgnored_ = false;
};

} // namespace fw
