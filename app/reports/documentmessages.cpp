#include "app/reports/documentmessages.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/messagetable.h"

namespace app {

void installDocumentMessages(fw::ErrorClass &errors)
{
    static const fw::MessageDef defs[] = {
        {DocMsg::InsertLabels, dict::Notify, "Excuse me...",
         "Please insert blank labels at this time!  Then click on Ok to print."},
        {DocMsg::InvoiceNotFound, dict::Notify, "Invoice Not Found",
         "There is no invoice %Message on file: nothing was printed."},
        {DocMsg::CreditMemoNotFound, dict::Notify, "Credit Memo Not Found",
         "There is no credit memo %Message on file: nothing was printed."},
        {DocMsg::PurchaseOrderNotFound, dict::Notify, "Purchase Order Not Found",
         "There is no purchase order %Message on file: nothing was printed."},
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    errors.InstallErrors(block);
}

} // namespace app
