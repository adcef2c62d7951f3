// Brw::InvoicesHistory: the FINANCE records of the invoice in the INV buffer — the record its
// save wrote and one per payment — with the sum of what they leave owing. Payments are added and
// changed with the payment form and deleted (behind the password gate, once confirmed) with their
// reversal in one unit of work; the invoice's own record cannot be deleted. The customer of the
// invoice is in the CUS buffer.
#pragma once

#include "app/payments/paymentdelete.h"

namespace Brw {

class InvoicesHistory : public app::payments::PaymentList
{
public:
    enum Extra { Due = 1 };
    static const fw::BrowseSpec &Spec();

    InvoicesHistory();

protected:
    void Prepare() override;
};

} // namespace Brw

namespace app {

// Runs the payment history of the invoice in the INV buffer (its customer in CUS), then takes
// what the payments wrote on the stored invoice — amount paid and owed, date paid, credit check —
// into the INV buffer, leaving its other fields as the caller has them.
void runInvoiceHistory();

} // namespace app
