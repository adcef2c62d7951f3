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
        dict::KeyRef key;
        Lines lines = Lines::OnHand;
        std::string (*group)() = nullptr; // the value grouped by; none: one group, the report
        std::string_view groupCaption{};   // "Category:"
        std::string_view groupTotal{};     // "Totals for Catagory:"
        bool partNumber = false;           // the part number leads the line instead of the stock number
    };
    StockListing(std::string_view name, const Kind &kind);

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;

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
    friend struct StockLayouts;
};

TQ_REPORT_OF(StockListing, INVENTORYONHANDCATEGORY)
TQ_REPORT_OF(StockListing, INVENTORYONHANDCATEGORYTHIN)
TQ_REPORT_OF(StockListing, INVENTORYONHANDDESCRIPTION)
TQ_REPORT_OF(StockListing, INVENTORYONHANDMANUFACTURER)
TQ_REPORT_OF(StockListing, INVENTORYONHANDPARTNO)
TQ_REPORT_OF(StockListing, INVENTORYONHANDSTOCKNO)
TQ_REPORT_OF(StockListing, INVENTORYONHANDVENDOR)
TQ_REPORT_OF(StockListing, INVENTORYREORDERCATEGORY)
TQ_REPORT_OF(StockListing, INVENTORYREORDERDESCRIPTION)
TQ_REPORT_OF(StockListing, INVENTORYREORDERMANUFACTURER)
TQ_REPORT_OF(StockListing, INVENTORYREORDERSTOCKNO)
TQ_REPORT_OF(StockListing, INVENTORYREORDERVENDOR)

} // namespace PRN
