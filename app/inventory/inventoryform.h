// Upd::Inventory: the stock-item form. Price 1 follows the cost and the global mark-up while
// "Auto MarkUp" is on; "Add Stock:" raises the quantity on hand and records each receipt in
// STSTREND at once (taken back when the form is cancelled); the item's picture shows beside it.
#pragma once

#include "framework/procedure.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace app {
struct InventoryWidgets;
}

namespace Upd {

class Inventory : public fw::Procedure
{
public:
    Inventory();
    ~Inventory() override;

    void PrimeFields() override;
    int TakeAccepted(QWidget *control) override;
    int TakeCompleted() override;
    int TakeCloseEvent() override;
    void Update() override;

    // Asks for the item's picture; empty when the user gave up. Replaceable for tests.
    std::function<QString(QWidget *parent, const QString &proposed)> choosePicture;

    const app::InventoryWidgets &widgets() const { return *w_; }

protected:
    int Build() override;

private:
    void bindFields();
    void relabel();
    void followForm();
    void markUp();
    void clearBackOrder();
    void addStock();
    void recordReceipt(double quantity);
    void takeBackReceipts();
    void pickPicture();
    void showPicture();
    bool stockNoShared();

    std::unique_ptr<app::InventoryWidgets> w_;
    std::vector<long> receipts_; // record numbers of the STSTREND records this form added
};

} // namespace Upd
