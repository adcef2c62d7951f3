// Win::UpdateVendorStock: receives the purchase order in the PUR buffer into stock on the date
// typed (today unless changed). Only with "Do you wish to update stock at this time?" checked
// does OK receive it, in one unit of work (purchasebook.h); unchecked, OK closes and nothing is
// stored. Receiving more than an item has on order asks first.
#pragma once

#include "dictionary/records.h"
#include "framework/formprocedure.h"

namespace Win {

class UpdateVendorStock : public fw::FormProcedure
{
public:
    enum Item { UpdateStock = 1 };

    UpdateVendorStock();

    int TakeCompleted() override;
    int TakeCloseEvent() override;

protected:
    fw::FormDeclaration Declare() override;
    int Built() override;

private:
    bool receive();

    dict::PURORDERRecord opened_{};
};

} // namespace Win
