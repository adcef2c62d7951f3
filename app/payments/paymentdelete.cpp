#include "app/payments/paymentdelete.h"

#include "app/payments/paymentbook.h"
#include "dictionary/files.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"

namespace app::payments {

PaymentList::PaymentList(const fw::BrowseSpec &spec, int refusal)
    : app::PaymentList(spec, {.isPayment = [] { return isPayment(FIN); },
                              .remove = [] { return deletePayment(); },
                              .refuse = [refusal] { REPORTS::Errors().Throw(refusal); }})
{}

} // namespace app::payments
