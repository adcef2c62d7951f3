#include "app/recurring/recurringmessages.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/messagetable.h"

namespace app {

const std::vector<std::uint8_t> &recurringMessages()
{
    static const fw::MessageDef defs[] = {
        {RecurMsg::QuoteNotRebilled, dict::Notify, "Excuse me...",
         "A quote is never billed again. Make it an invoice first, then choose its billing cycle."},
        {RecurMsg::CustomersNotOnFile, dict::Notify, "Invoices Not Billed",
         "These recurring invoices were not billed again because their customer is no longer on file: "
         "%Message. Nothing was booked for them."},
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

void installRecurringMessages(fw::ErrorClass &errors)
{
    errors.InstallErrors(recurringMessages());
}

} // namespace app
