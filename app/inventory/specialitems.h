// The component list of a special item (Brw::InventorySpecialItems) and the form for one
// component (Upd::InventorySpecialItem). The list shows the total cost of all components and,
// when it closes, writes that total into the owning item's cost.
#pragma once

#include "dictionary/fieldtypes.h"
#include "framework/browseprocedure.h"
#include "framework/formprocedure.h"


namespace Brw {

class InventorySpecialItems : public fw::BrowseProcedure
{
public:
    enum Extra { TotalCost = 1 };
    static const fw::BrowseSpec &Spec();

    InventorySpecialItems();
    using fw::BrowseProcedure::Run;
    int Run(int number, int request) override;
    // The sum of the component costs of the item, over the whole list, as the list shows it.
    double totalCost() const { return total_; }
    QString sumCosts();

protected:
    bool Admit() override;
    QString WindowTitle() const override;
    void Closing() override { rollUpCost(); }

private:
    void rollUpCost();

    dict::String<20> owner_;
    double total_ = 0;
};

} // namespace Brw

namespace Upd {

class InventorySpecialItem : public fw::FormProcedure
{
public:
    InventorySpecialItem();
    void PrimeFields() override;
    int TakeAccepted(QWidget *control) override;
    int TakeCompleted() override;

protected:
    fw::FormDeclaration Declare() override;
    QString WindowTitle() const override;

private:
    void takeStockItem();
    void followForm();
};

} // namespace Upd
