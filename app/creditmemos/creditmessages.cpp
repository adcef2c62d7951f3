#include "app/creditmemos/creditmessages.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/messagetable.h"

namespace app {

const std::vector<std::uint8_t> &creditMemoMessages()
{
    static const fw::MessageDef defs[] = {
        {CreMsg::UseInvoiceData, dict::User, "Pardon me...", "Do you wish to use entire PO/Invoice Data?"},
        {CreMsg::NoSuchInvoice, dict::Notify, "Invoice Not Found",
         "Invoice %Message is not on file, so the credit memo cannot credit it. Enter another invoice number, "
         "or 0 for none."},
        {CreMsg::QuoteNotCredited, dict::Notify, "Quote Not Credited",
         "Number %Message is a quote: nothing was sold on it, so there is nothing to credit."},
        {CreMsg::OtherCustomer, dict::Notify, "Another Customer's Invoice",
         "Invoice %Message belongs to another customer. A credit memo credits an invoice of its own customer."},
        {CreMsg::MemoGone, dict::Notify, "Credit Memo Not Found",
         "Credit memo %Message is no longer on file: it was deleted at another station meanwhile."},
        {CreMsg::MoreThanInvoiced, dict::User, "More Than Invoiced",
         "%Message. Save the credit memo all the same?"},
        {CreMsg::NegativeQuantity, dict::Notify, "Excuse me...",
         "The quantity taken back cannot be negative. Change the line's quantity instead."},
        {CreMsg::UnfinishedCreditMemo, dict::User, "Unfinished Credit Memo",
         "Credit memo %Field was being entered here when the program stopped, and its items are still counted "
         "back in stock. Finish it now, or remove it and take its items out of stock again?"},
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

void installCreditMemoMessages(fw::ErrorClass &errors) { errors.InstallErrors(creditMemoMessages()); }

} // namespace app
