// The other stock listings by stock number: items over their maximum, items on back order, the
// price sheet with each item's picture, and the special items with the items they are made of.
#pragma once

#include "reports/reportprocedure.h"

namespace PRN {

// A listing of the stock file in one key's order, printing the items it keeps.
class StockItemListing : public rpt::ReportProcedure
{
public:
    struct Kind {
        std::string_view name;
        std::string_view title;
        dict::KeyRef key;
        bool (*keeps)();                         // the items the listing prints
        rpt::Layout (*layout)(StockItemListing &); // its form
    };
    explicit StockItemListing(const Kind &kind);

    double totalCost = 0; // of the items printed, for the listings that total
    // Prints the record in the buffers; a special item's components follow it.
    virtual void printItem(rpt::ReportEngine &engine);

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    const rpt::Layout &ReportLayout() const override { return layout_; }
    void TakeRecord(rpt::ReportEngine &engine) override;
    void Finishing(rpt::ReportEngine &engine) override;

    const Kind &kind_;
    rpt::Layout layout_;
    rpt::Band total_;
};

class INVENTORYOVERAGELISTING : public StockItemListing
{
public:
    INVENTORYOVERAGELISTING();
};

class INVENTORYBACKORDERSTOCKNO : public StockItemListing
{
public:
    INVENTORYBACKORDERSTOCKNO();
    void printItem(rpt::ReportEngine &engine) override;
};

class INVENTORYPRICESHEET : public StockItemListing
{
public:
    INVENTORYPRICESHEET();
};

class SPECIALITEMSLISTING : public StockItemListing
{
public:
    SPECIALITEMSLISTING();
    void printItem(rpt::ReportEngine &engine) override;

private:
    rpt::Band consistsOf_;
    rpt::Band component_;
};

} // namespace PRN
