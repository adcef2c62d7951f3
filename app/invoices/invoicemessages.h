// Messages of the invoice windows: the invoice form, its line form and their pick lists.
#pragma once

#include <cstdint>
#include <vector>

namespace fw {
class ErrorClass;
}

namespace app {

namespace InvMsg {
inline constexpr int OutOfStock = 3200;         // the pick list, selling prohibited
inline constexpr int EnterQuantity = 3201;      // a line saved without a quantity
inline constexpr int CannotMoveInvoice = 3202;  // another customer for an invoice with payments
inline constexpr int DiscountWhilePaid = 3203;  // the invoice discount with payments taken
inline constexpr int LineDiscountMode = 3204;   // the customer's discount not copied
inline constexpr int UndoPayments = 3205;       // Cancel of a new invoice with payments
inline constexpr int StockItemGone = 3207;      // the line's item deleted meanwhile
inline constexpr int NegativeQuantity = 3208;
inline constexpr int ReturnItems = 3210;       // deleting an invoice
inline constexpr int OriginalNotDeletable = 3211; // the invoice's own record in its history
inline constexpr int SaveBeforePayment = 3212;
inline constexpr int UnfinishedInvoice = 3213;  // at start-up: left by a program that stopped
} // namespace InvMsg

const std::vector<std::uint8_t> &invoiceMessages();

// Adds the messages to an error manager once, however often it is called.
void installInvoiceMessages(fw::ErrorClass &errors);

} // namespace app
