// Brw::VendorsFinance: the VENFIN records of one vendor by date — its orders' own records and its
// payments — with the vendor's balance recomputed from what is stored and stored each time the
// list is read again and when it closes. Add and Change run Upd::VendorFinanceHistory (a new
// payment is on account until an order is typed); Delete reverses a payment once confirmed;
// "&PurOrd" calls the purchase-order form on the highlighted record's order. The vendor is the
// one GLO:VENDORACCOUNTNO names when the list opens (the vendor list's highlight), else the one
// in the VENDOR buffer.
#pragma once

#include "app/purchasing/vendorpaymentlist.h"

namespace Brw {

class VendorsFinance : public app::purchasing::VendorPaymentList
{
public:
    enum Extra { PurOrd = 1, Balance };
    static const fw::BrowseSpec &Spec();

    VendorsFinance();

    using VendorPaymentList::Run;
    int Run(int number, int request) override;

    // "&PurOrd": Upd:PurchaseOrder, called by name, changing the highlighted record's order.
    void openOrder();

protected:
    int Build() override;
    void Prepare() override;
    void Closing() override;
    void PaymentsChanged() override { showBalance(); }

private:
    // Shows the balance recomputed from the stored records (and stores it).
    void showBalance();
};

} // namespace Brw
