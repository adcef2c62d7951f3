// The component list of a special item (Brw::InventorySpecialItems) and the form for one
// component (Upd::InventorySpecialItem). The list shows the total cost of all components and,
// when it closes, writes that total into the owning item's cost.
#pragma once

#include "framework/windowmanager.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace fw {
class BrowseClass;
class BrowseList;
}

namespace Brw {

class ComponentList;

class InventorySpecialItems : public fw::WindowManager
{
public:
    struct Widgets {
        fw::BrowseList *list;
        QLabel *totalCost;
        QPushButton *insert, *change, *remove, *close, *help;
    };
    InventorySpecialItems();
    ~InventorySpecialItems() override;

    int Init() override;
    int Kill() override;
    using fw::WindowManager::Run;
    int Run(int number, int request) override;

    const Widgets &widgets() const { return w_; }
    fw::BrowseClass &browse();
    // The sum of the component costs of the item, over the whole list.
    double totalCost() const { return total_; }

private:
    void sumCosts();
    void rollUpCost();

    Widgets w_{};
    std::unique_ptr<ComponentList> browse_;
    dict::String<20> owner_;
    double total_ = 0;
    bool filesOpen_ = false;
};

} // namespace Brw

namespace Upd {

class InventorySpecialItem : public fw::WindowManager
{
public:
    struct Widgets {
        QLabel *caption;
        QLineEdit *itemNo, *description, *quantity, *cost;
        QPushButton *itemButton, *ok, *cancel;
    };
    int Init() override;
    int Kill() override;
    void PrimeFields() override;
    int TakeAccepted(QWidget *control) override;
    int TakeCompleted() override;

    const Widgets &widgets() const { return w_; }

private:
    void buildWindow();
    void takeStockItem();
    void followForm();

    Widgets w_{};
    bool filesOpen_ = false;
};

} // namespace Upd
