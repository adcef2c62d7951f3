// Brw::VendorsInventory: the stock items of the vendor in the VENDOR buffer, in four orders, with
// the highlighted item's unit, stock and prices. Called by the vendor list and by purchase-order
// entry; with a select request "S&elect" returns the highlighted item in the STOCK buffer.
#pragma once

#include "framework/windowmanager.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace fw {
class BrowseList;
}

namespace Brw {

class StockList;

class VendorsInventory : public fw::WindowManager
{
public:
    struct Widgets {
        QTabBar *tabs;
        QLabel *locatorPrompt;
        QLineEdit *locator;
        fw::BrowseList *list;
        QLabel *unit, *onHand, *cost, *price1, *price2, *price3;
        QPushButton *insert, *change, *remove, *select, *cancel;
    };

    VendorsInventory();
    ~VendorsInventory() override;

    int Init() override;
    int Kill() override;
    using fw::WindowManager::Run;
    int Run(int number, int request) override;

    const Widgets &widgets() const { return w_; }
    StockList &browse() { return *browse_; }

private:
    void buildWindow();
    void followHighlight();

    Widgets w_{};
    std::unique_ptr<StockList> browse_;
    bool filesOpen_ = false;
};

} // namespace Brw
