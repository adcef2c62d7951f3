// Brw::Inventory: the stock list. Six sort orders with locators and layouts, the highlighted
// item's prices and the value of its stock, red lines at or below the re-order level, and the
// buttons that run Upd::Inventory (Change and Delete behind the password gate) and open a
// special item's component list. Opens only once.
#pragma once

#include "framework/browseprocedure.h"

class QLabel;

namespace Brw {

class Inventory : public fw::BrowseProcedure
{
public:
    struct Widgets : fw::BrowseWidgets {
        QLabel *cost, *price1, *price2, *price3, *unit, *weight;
        QLabel *price1Label, *price2Label, *price3Label;
        QLabel *onHand, *totalCost, *total1, *total2, *total3;
        QLabel *total1Header, *total2Header, *total3Header;
        QPushButton *special;
    };
    static const fw::BrowseSpec &Spec();

    Inventory();
    int TakeAccepted(QWidget *control) override;
    const Widgets &widgets() const { return w_; }

protected:
    QWidget *SidePanel(QWidget *parent) override;
    void AddButtons(QHBoxLayout *row) override;
    void Highlighted(bool any) override;

private:
    Widgets w_{};
};

} // namespace Brw
