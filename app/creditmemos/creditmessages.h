// Messages of the credit memo windows and their booking.
#pragma once

#include <cstdint>
#include <vector>

namespace fw {
class ErrorClass;
}

namespace app {

namespace CreMsg {
inline constexpr int UseInvoiceData = 3600;   // copy the invoice's lines into the new memo?
inline constexpr int NoSuchInvoice = 3601;    // the memo's invoice is not on file
inline constexpr int QuoteNotCredited = 3602; // a quote takes no credit memo
inline constexpr int OtherCustomer = 3603;    // the invoice is another customer's
inline constexpr int MemoGone = 3604;         // deleted at another station meanwhile
inline constexpr int MoreThanInvoiced = 3605; // the memo credits more than the invoice's total
inline constexpr int NegativeQuantity = 3606; // a credit line takes back a positive quantity
inline constexpr int UnfinishedCreditMemo = 3607; // at start-up: left by a program that stopped
} // namespace CreMsg

const std::vector<std::uint8_t> &creditMemoMessages();

// Adds the messages to an error manager once, however often it is called.
void installCreditMemoMessages(fw::ErrorClass &errors);

} // namespace app
