// The other stock listings by stock number: items over their maximum, items on back order, the
// price sheet with each item's picture, and the special items with the items they are made of.
#pragma once

#include <string_view>
#include <utility>

#include "reports/reportprocedure.h"

namespace PRN {

// A listing of the stock file in one key's order, printing the items it keeps.
class StockItemListing : public rpt::ReportProcedure
{
public:
    struct Kind {
        dict::KeyRef key;
        bool (*keeps)();                         // the items the listing prints
        rpt::Layout (*layout)(StockItemListing &); // its form
    };
    StockItemListing(std::string_view name, const Kind &kind);

    double totalCost = 0; // of the items printed, for the listings that total
    void closeWith(rpt::Band totals) { closing_ = std::move(totals); }
    // Prints the record in the buffers; a special item's components follow it.
    virtual void printItem(rpt::ReportEngine &engine);

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;

    const Kind &kind_;
};

TQ_REPORT_OF(StockItemListing, INVENTORYOVERAGELISTING)

class INVENTORYBACKORDERSTOCKNO : public StockItemListing
{
public:
    static constexpr std::string_view Name = "PRN:INVENTORYBACKORDERSTOCKNO";
    INVENTORYBACKORDERSTOCKNO();
    void printItem(rpt::ReportEngine &engine) override;
};

TQ_REPORT_OF(StockItemListing, INVENTORYPRICESHEET)

class SPECIALITEMSLISTING : public StockItemListing
{
public:
    static constexpr std::string_view Name = "PRN:SPECIALITEMSLISTING";
    SPECIALITEMSLISTING();
    void printItem(rpt::ReportEngine &engine) override;

private:
    rpt::Band consistsOf_;
    rpt::Band component_;
};

} // namespace PRN
