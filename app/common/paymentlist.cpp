#include "app/common/paymentlist.h"

#include "dictionary/errorreporter.h"
#include "framework/browseclass.h"
#include "framework/errorclass.h"
#include "framework/globalcodes.h"
#include "framework/reportslib.h"

namespace app {

bool deleteHighlightedPayment(fw::BrowseClass &list, const PaymentRules &rules)
{
    if (!list.UpdateViewRecord())
        return false;
    if (!rules.isPayment()) {
        rules.refuse();
        return false;
    }
    if (REPORTS::Errors().Throw(dict::Msg::ConfirmDelete) != dict::Benign)
        return false;
    return rules.remove() == dict::Benign;
}

PaymentList::PaymentList(const fw::BrowseSpec &spec, PaymentRules rules)
    : fw::BrowseProcedure(spec)
    , rules_(std::move(rules))
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
    deleteHighlightedPayment(browse(), rules_);
    PaymentsChanged();
    browse().ResetFromFile(true);
    return false; // deleted here, in one unit with its reversal
}

} // namespace app
