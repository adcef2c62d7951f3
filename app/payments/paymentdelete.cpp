#include "app/payments/paymentdelete.h"

#include "app/payments/paymentbook.h"
#include "dictionary/files.h"
#include "framework/browseclass.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"

namespace app::payments {

bool deleteHighlightedPayment(fw::BrowseClass &list, int refusal)
{
    fw::ErrorClass &errors = REPORTS::Errors();
    if (!list.UpdateViewRecord())
        return false;
    if (!isPayment(FIN)) {
        errors.Throw(refusal);
        return false;
    }
    if (errors.Throw(dict::Msg::ConfirmDelete) != dict::Benign)
        return false;
    return deletePayment() == dict::Benign;
}

} // namespace app::payments
