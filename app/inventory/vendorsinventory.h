// Brw::VendorsInventory: the stock items of the vendor in the VENDOR buffer, in four orders, with
// the highlighted item's unit, stock and prices. Called by the vendor list and by purchase-order
// entry; with a select request "S&elect" returns the highlighted item in the STOCK buffer.
#pragma once

#include "framework/browseprocedure.h"

class QLabel;

namespace Brw {

class VendorsInventory : public fw::BrowseProcedure
{
public:
    struct Widgets : fw::BrowseWidgets {
        QLabel *unit, *onHand, *cost, *price1, *price2, *price3;
    };
    static const fw::BrowseSpec &Spec();

    VendorsInventory();
    const Widgets &widgets() const { return w_; }

protected:
    QWidget *SidePanel(QWidget *parent) override;
    void Prepare() override;
    void Highlighted(bool any) override;

private:
    Widgets w_{};
};

} // namespace Brw
