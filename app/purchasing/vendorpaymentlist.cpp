#include "app/purchasing/vendorpaymentlist.h"

#include "app/purchasing/purchasemessages.h"
#include "app/purchasing/vendorpayments.h"
#include "dictionary/files.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

namespace app::purchasing {

VendorPaymentList::VendorPaymentList(const fw::BrowseSpec &spec)
    : app::PaymentList(spec, {.isPayment = [] { return isVendorPayment(VEF); },
                              .remove = [] { return deleteVendorPayment(); },
                              .refuse = [] {
                                  REPORTS::Errors().ThrowMessage(PurMsg::OwnRecordNotDeletable,
                                                                 fw::formatValue(VEF.PORDERNO, "@n06"));
                              }})
{}

} // namespace app::purchasing
