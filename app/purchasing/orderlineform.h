// Upd::PurchaseOrderDescription: one line of a purchase order: a stock item of the order's vendor
// at a unit cost and quantity, its total refigured on every change. OK books it, its quantity
// going on the item's back order (purchasebook.h); Delete takes it off again. It runs inside the
// purchase order form, on that form's PUR and VEN buffers.
#pragma once

#include "dictionary/records.h"
#include "framework/formprocedure.h"

namespace Upd {

class PurchaseOrderDescription : public fw::FormProcedure
{
public:
    enum Item { PickItem = 1 };

    PurchaseOrderDescription();

    void PrimeFields() override;
    int PrimeUpdate() override;
    int TakeAccepted(QWidget *control) override;
    int TakeCompleted() override;

protected:
    fw::FormDeclaration Declare() override;

private:
    void pickItem();
    void refigure();

    dict::PURDESCRIPTIONRecord before_{}; // the line as it was when the form opened
};

} // namespace Upd
