// Delete in a list of FINANCE records: the highlighted payment goes once the user confirms, with
// its reversal on the invoice and the balance (one unit of work). An invoice's own record and a
// credit memo's are refused with the list's own message.
#pragma once

#include "app/common/paymentlist.h"

namespace app::payments {

// A list of FINANCE records whose Delete is that: behind the password gate, once confirmed.
class PaymentList : public app::PaymentList
{
public:
    // refusal: the message for a record that is not a payment.
    PaymentList(const fw::BrowseSpec &spec, int refusal);
};

} // namespace app::payments
