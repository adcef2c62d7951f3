// Upd::VendorFinanceHistory: the vendor payment form, run by the purchase-order history and the
// vendor's finance list for Add and Change. A payment belongs to the vendor of its account number
// and goes against one of that vendor's orders or on account (order 0); the booking applies it to
// the order and the balance by difference (app/purchasing/vendorpayments.h). What the user agrees
// to pay beyond what the order owes is asked before anything is written. An order's own VENFIN
// record opens read-only.
#pragma once

#include "dictionary/records.h"
#include "framework/formprocedure.h"

namespace Upd {

class VendorFinanceHistory : public fw::FormProcedure
{
public:
    VendorFinanceHistory();

    void PrimeFields() override;
    int TakeCompleted() override;

    bool readOnly() const { return readOnly_; }

protected:
    fw::FormDeclaration Declare() override;

private:
    bool inserting() const { return Request == fw::InsertRecord; }
    // Questions and refusals about the order, asked before anything is written.
    bool agreedAgainstOrder();

    dict::VENFINRecord opened_{}; // the payment as the form opened on it
    double agreedExcess_ = 0;     // how far beyond what was owed the user agreed to pay
    bool readOnly_ = false;
};

} // namespace Upd
