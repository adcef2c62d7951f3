// Messages of the purchase-order windows and their booking.
#pragma once

#include <cstdint>
#include <vector>

namespace fw {
class ErrorClass;
}

namespace app {

namespace PurMsg {
inline constexpr int NoSuchVendor = 3900;    // %Message: the account number not on file
inline constexpr int CannotMoveOrder = 3901; // payments tie the order to its vendor
inline constexpr int OrderGone = 3902;       // deleted at another station meanwhile
inline constexpr int ReceivedFrozen = 3903;  // a received order's lines stay as received
inline constexpr int OtherVendorsOrder = 3904; // a payment's order belongs to another vendor
inline constexpr int PaymentGone = 3905;       // deleted at another station meanwhile
inline constexpr int OwedLessNow = 3906;       // paid at another station since the payment was entered
inline constexpr int OwnRecordNotDeletable = 3907; // the order's own record is no payment
inline constexpr int AlreadyReceived = 3908;   // an order is received once
inline constexpr int NoAmount = 3909;          // a payment of 0 or less
inline constexpr int ZeroedOut = 3910;         // a payment on an order that owes nothing: asked
inline constexpr int MoreThanOwed = 3911;      // a payment larger than what is owed: asked
// The order windows' own.
inline constexpr int UnfinishedPurchaseOrder = 3920; // at start-up: left by a program that stopped
inline constexpr int MoreThanOnOrder = 3921;         // receiving more than the item has on order
inline constexpr int DeleteReceived = 3922;          // a received order's stock stays
inline constexpr int EnterQuantity = 3923;           // a line orders something
inline constexpr int NoVendorYet = 3924;             // an order is saved with its vendor
} // namespace PurMsg

const std::vector<std::uint8_t> &purchaseMessages();

// Adds the messages to an error manager once, however often it is called.
void installPurchaseMessages(fw::ErrorClass &errors);

} // namespace app
