#include "app/payments/paymentmessages.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/messagetable.h"

namespace app {

const std::vector<std::uint8_t> &paymentMessages()
{
    static const fw::MessageDef defs[] = {
        {PayMsg::ZeroedOut, dict::User, "Whoops!...",
         "You are trying to update an Invoice already Zeroed out! Record this payment against it anyway?"},
        {PayMsg::MoreThanOwed, dict::User, "Payment Larger Than Owed",
         "The payment of %Message. Record it anyway?"},
        {PayMsg::NotDeletable, dict::Notify, "Whoops!...", "You cannot delete the orginal Invoice Information."},
        {PayMsg::QuoteTakesNoPayment, dict::Notify, "No Payment on a Quote",
         "Invoice %Message is still a quote, and a quote takes no payment. Make it an invoice first."},
        {PayMsg::NoSuchInvoice, dict::Notify, "Invoice Not Found",
         "Invoice %Message is not on file; it may have been deleted at another station. Nothing was saved."},
        {PayMsg::OtherCustomer, dict::Notify, "Invoice of Another Customer",
         "Invoice %Message belongs to another customer. Enter an invoice of this customer."},
        {PayMsg::NoAmount, dict::Notify, "Excuse me...", "Enter the amount paid; it must be more than 0."},
        {PayMsg::OwedLessNow, dict::Notify, "Payment Larger Than Owed",
         "%Message. The payment was not saved; look at what the invoice owes now and enter it again."},
        {PayMsg::PaymentGone, dict::Notify, "Payment Not Found",
         "This payment is no longer on file; it was changed or deleted at another station. Nothing was saved."},
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

void installPaymentMessages(fw::ErrorClass &errors) { errors.InstallErrors(paymentMessages()); }

} // namespace app
