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

PaymentList::PaymentList(const fw::BrowseSpec &spec, int refusal)
    : fw::BrowseProcedure(spec)
    , refusal_(refusal)
{}

int PaymentList::Run(int number, int request)
{
    const int response = BrowseProcedure::Run(number, request);
    PaymentsChanged();
    return response;
}

bool PaymentList::AllowRequest(int request)
{
    if (!BrowseProcedure::AllowRequest(request))
        return false;
    if (request != fw::DeleteRecord)
        return true;
    deleteHighlightedPayment(browse(), refusal_);
    PaymentsChanged();
    browse().ResetFromFile(true);
    return false; // deleted here, in one unit with its reversal
}

} // namespace app::payments
