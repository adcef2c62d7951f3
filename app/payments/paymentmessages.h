// Messages of the payment windows: the customer's finance history and its payment form.
#pragma once

#include <cstdint>
#include <vector>

namespace fw {
class ErrorClass;
}

namespace app {

namespace PayMsg {
inline constexpr int ZeroedOut = 3300;        // a payment on an invoice that owes nothing: asked
inline constexpr int MoreThanOwed = 3301;     // a payment larger than what is owed: asked
inline constexpr int NotDeletable = 3302;     // an invoice's own record, a credit memo's, a protected invoice
inline constexpr int QuoteTakesNoPayment = 3303;
inline constexpr int NoSuchInvoice = 3304;    // not on file (deleted at another station)
inline constexpr int OtherCustomer = 3305;    // the invoice belongs to another customer
inline constexpr int NoAmount = 3306;         // an amount of 0 or less
inline constexpr int PaymentGone = 3307;      // deleted at another station meanwhile
} // namespace PayMsg

const std::vector<std::uint8_t> &paymentMessages();

// Adds the messages to an error manager once, however often it is called.
void installPaymentMessages(fw::ErrorClass &errors);

} // namespace app
