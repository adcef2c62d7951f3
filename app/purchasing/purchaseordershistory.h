// Brw::PurchaseOrdersHistory: the VENFIN records of one purchase order — its own record and the
// payments on it — with what they leave the vendor owed on this order below the list, summed from
// what is stored each time the list is read again. Add and Change run Upd::VendorFinanceHistory;
// Delete reverses a payment once the user has confirmed it. The order is the one in the PURORDER
// buffer when the list is called, else the one GLO:PURCHASEORDERNO names. Opened from the order
// list (GLO:STARTUP = 1 when it opens) the payment form keeps to this order.
#pragma once

#include "app/purchasing/vendorpaymentlist.h"

namespace Brw {

class PurchaseOrdersHistory : public app::purchasing::VendorPaymentList
{
public:
    enum Extra { Balance = 1 };
    static const fw::BrowseSpec &Spec();

    PurchaseOrdersHistory();

    using VendorPaymentList::Run;
    int Run(int number, int request) override;

protected:
    int Build() override;
    void Prepare() override;

private:
    bool fromOrderList_ = false;
};

} // namespace Brw
