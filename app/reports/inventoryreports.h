// The stock reports: what is on hand, valued at cost and at price (by category, description,
// manufacturer, part number, stock number or vendor, and one line per category), and what needs
// reordering (items at or below their minimum). One family of layouts, chosen by the kind.
#pragma once

#include "dictionary/fileid.h"
#include "reports/reportprocedure.h"

#include <string>
#include <string_view>

namespace PRN {

class StockListing : public rpt::ReportProcedure
{
public:
    enum class Lines { OnHand, Thin, ReOrder };
    struct Kind {
        std::string_view name;
        std::string_view title;
        dict::KeyRef key;
        Lines lines;
        std::string (*group)() = nullptr; // the value grouped by; none: one group, the report
        std::string_view groupCaption{};   // "Category:"
        std::string_view groupTotal{};     // "Totals for Catagory:"
        bool partNumber = false;           // the part number leads the line instead of the stock number
    };
    explicit StockListing(const Kind &kind);

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    const rpt::Layout &ReportLayout() const override { return layout_; }
    void TakeRecord(rpt::ReportEngine &engine) override;
    void Finishing(rpt::ReportEngine &engine) override;

private:
    struct Sums {
        std::string name; // the group's value
        double onHand = 0;
        double cost = 0;
        double price = 0;
    };
    const Kind &kind_;
    Sums group_;
    Sums report_;
    rpt::Layout layout_;
    rpt::Band total_;
    friend struct StockLayouts;
};

#define TQ_STOCK_LISTING(NAME)                                                                                          \
    class NAME : public StockListing                                                                                    \
    {                                                                                                                   \
    public:                                                                                                             \
        NAME();                                                                                                         \
    };
TQ_STOCK_LISTING(INVENTORYONHANDCATEGORY)
TQ_STOCK_LISTING(INVENTORYONHANDCATEGORYTHIN)
TQ_STOCK_LISTING(INVENTORYONHANDDESCRIPTION)
TQ_STOCK_LISTING(INVENTORYONHANDMANUFACTURER)
TQ_STOCK_LISTING(INVENTORYONHANDPARTNO)
TQ_STOCK_LISTING(INVENTORYONHANDSTOCKNO)
TQ_STOCK_LISTING(INVENTORYONHANDVENDOR)
TQ_STOCK_LISTING(INVENTORYREORDERCATEGORY)
TQ_STOCK_LISTING(INVENTORYREORDERDESCRIPTION)
TQ_STOCK_LISTING(INVENTORYREORDERMANUFACTURER)
TQ_STOCK_LISTING(INVENTORYREORDERSTOCKNO)
TQ_STOCK_LISTING(INVENTORYREORDERVENDOR)
#undef TQ_STOCK_LISTING

} // namespace PRN
