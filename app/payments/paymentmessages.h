// Messages of the payment windows: the customer's finance history and its payment form.
#pragma once

#include <cstdint>
#include <vector>

namespace fw {
class ErrorClass;
}

namespace app {

namespace PayMsg {
inline constexpr int ZeroedOut = 3400;        // a payment on an invoice that owes nothing: asked
inline constexpr int MoreThanOwed = 3401;     // a payment larger than what is owed: asked
inline constexpr int NotDeletable = 3402;     // an invoice's own record, a credit memo's, a protected invoice
inline constexpr int QuoteTakesNoPayment = 3403;
inline constexpr int NoSuchInvoice = 3404;    // not on file (deleted at another station)
inline constexpr int OtherCustomer = 3405;    // the invoice belongs to another customer
inline constexpr int NoAmount = 3406;         // an amount of 0 or less
inline constexpr int PaymentGone = 3407;      // deleted at another station meanwhile
inline constexpr int OwedLessNow = 3408;      // paid at another station since the payment was entered
} // namespace PayMsg

const std::vector<std::uint8_t> &paymentMessages();

// Adds the messages to an error manager once, however often it is called.
void installPaymentMessages(fw::ErrorClass &errors);

} // namespace app
