// Brw::GetInventory: the stock pick list of the invoice and credit memo line forms (and of a
// special item's components). Four sort orders with locators, the highlighted item's location,
// unit, stock, cost and prices below the list. "S&elect" leaves the item in the STOCK buffer and
// answers completed; while selling is prohibited an item with nothing on hand is refused with
// a message and the pick answers cancelled. Items can be added, changed and deleted on the way
// (Upd::Inventory; Change and Delete behind the password gate).
#pragma once

#include "framework/browseprocedure.h"

class QLabel;

namespace Brw {

class GetInventory : public fw::BrowseProcedure
{
public:
    struct Widgets : fw::BrowseWidgets {
        QLabel *location, *unit, *onHand, *cost, *price1, *price2, *price3;
        QLabel *price1Label, *price2Label, *price3Label;
    };
    static const fw::BrowseSpec &Spec();

    GetInventory();
    const Widgets &widgets() const { return w_; }

protected:
    QWidget *InfoPanel(QWidget *parent) override;
    void Highlighted(bool any) override;
    int Chosen() override;

private:
    Widgets w_{};
};

} // namespace Brw
