// The base of the two lists of VENFIN records (one order's, one vendor's): Delete removes the
// highlighted payment once confirmed and reverses it on its order and its vendor in the same unit
// of work; an order's own record is refused.
#pragma once

#include "app/common/paymentlist.h"

namespace app::purchasing {

class VendorPaymentList : public app::PaymentList
{
public:
    explicit VendorPaymentList(const fw::BrowseSpec &spec);
};

} // namespace app::purchasing
