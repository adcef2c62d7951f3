// Upd::Inventory: the stock-item form. Price 1 follows the cost and the global mark-up while
// "Auto MarkUp" is on; "Add Stock:" raises the quantity on hand and records each receipt in
// STSTREND at once (taken back when the form is cancelled); the item's picture shows beside it.
#pragma once

#include "framework/formprocedure.h"

#include <QString>

#include <functional>
#include <vector>

namespace Upd {

class Inventory : public fw::FormProcedure
{
public:
    enum Item { Vendor = 1, Special, Picture, PictureNote, PictureButton, AddStock };

    Inventory();

    void PrimeFields() override;
    int TakeAccepted(QWidget *control) override;
    int TakeCompleted() override;
    int TakeCloseEvent() override;
    void Update() override;

    // Asks for the item's picture; empty when the user gave up. Replaceable for tests.
    std::function<QString(QWidget *parent, const QString &proposed)> choosePicture;

protected:
    fw::FormDeclaration Declare() override;

private:
    void followForm();
    void markUp();
    void clearBackOrder();
    void addStock();
    void recordReceipt(double quantity);
    void takeBackReceipts();
    void pickPicture();
    void showPicture();
    bool stockNoShared();

    std::vector<long> receipts_; // record numbers of the STSTREND records this form added
};

} // namespace Upd
