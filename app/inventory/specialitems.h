// The component list of a special item (Brw::InventorySpecialItems) and the form for one
// component (Upd::InventorySpecialItem). The list shows the total cost of all components and,
// when it closes, writes that total into the owning item's cost.
#pragma once

#include "dictionary/fieldtypes.h"
#include "framework/browseprocedure.h"
#include "framework/formprocedure.h"

class QLabel;

namespace Brw {

class InventorySpecialItems : public fw::BrowseProcedure
{
public:
    struct Widgets : fw::BrowseWidgets {
        QLabel *totalCost;
    };
    static const fw::BrowseSpec &Spec();

    InventorySpecialItems();
    using fw::BrowseProcedure::Run;
    int Run(int number, int request) override;
    const Widgets &widgets() const { return w_; }
    // The sum of the component costs of the item, over the whole list.
    double totalCost() const { return total_; }

protected:
    bool Admit() override;
    QString WindowTitle() const override;
    QWidget *InfoPanel(QWidget *parent) override;
    void Highlighted(bool) override { sumCosts(); }
    void Closing() override { rollUpCost(); }

private:
    void sumCosts();
    void rollUpCost();

    Widgets w_{};
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
