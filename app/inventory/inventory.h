// Brw::Inventory: the stock list. Six sort orders with locators and layouts, the highlighted
// item's prices and the value of its stock, red lines at or below the re-order level, and the
// buttons that run Upd::Inventory (Change and Delete behind the password gate) and open a
// special item's component list. Opens only once.
#pragma once

#include "framework/windowmanager.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace fw {
class BrowseClass;
class BrowseList;
}

namespace Brw {

class StockList;

class Inventory : public fw::WindowManager
{
public:
    struct Widgets {
        QTabBar *tabs;
        QLabel *locatorPrompt;
        QLineEdit *locator;
        fw::BrowseList *list;
        QLabel *cost, *price1, *price2, *price3, *unit, *weight;
        QLabel *price1Label, *price2Label, *price3Label;
        QLabel *onHand, *totalCost, *total1, *total2, *total3;
        QLabel *total1Header, *total2Header, *total3Header;
        QPushButton *insert, *change, *remove, *special, *help, *close;
    };

    Inventory();
    ~Inventory() override;

    int Init() override;
    int Kill() override;
    using fw::WindowManager::Run;
    int Run(int number, int request) override;
    int TakeAccepted(QWidget *control) override;

    const Widgets &widgets() const { return w_; }
    fw::BrowseClass &browse();

private:
    void buildWindow();
    QWidget *buildSidePanel(QWidget *parent);
    void addOrders();
    void followHighlight();

    Widgets w_{};
    std::unique_ptr<StockList> browse_;
    bool filesOpen_ = false;
};

} // namespace Brw
