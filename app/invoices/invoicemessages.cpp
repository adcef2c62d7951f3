#include "app/invoices/invoicemessages.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/messagetable.h"

namespace app {

const std::vector<std::uint8_t> &invoiceMessages()
{
    static const fw::MessageDef defs[] = {
        {InvMsg::OutOfStock, dict::Notify, "Whoops...", "This Item is Out of Stock; Please select another Item!"},
        {InvMsg::EnterQuantity, dict::Notify, "Excuse me...", "You must enter an amount before saving this entry!"},
        {InvMsg::CannotMoveInvoice, dict::Notify, "Customer Not Changed",
         "This invoice has payments or a credit memo booked against customer %Message, so it cannot be moved "
         "to another customer. Reverse them first."},
        {InvMsg::DiscountWhilePaid, dict::Notify, "Discount Not Changed",
         "A payment has been taken on this invoice, so its discount cannot be changed."},
        {InvMsg::LineDiscountMode, dict::Notify, "Discount Not Copied",
         "This invoice already has line item discounts, so the customer's discount of %Message% is not used."},
        {InvMsg::UndoPayments, dict::User, "Cancel the Invoice?",
         "Payments were taken on this new invoice. Cancelling removes the invoice's items and reverses "
         "those payments. Cancel the invoice?"},
        {InvMsg::StockItemGone, dict::Notify, "Item Not Found",
         "Stock # %Message is no longer in the inventory. Select another item."},
        {InvMsg::NegativeQuantity, dict::Notify, "Excuse me...",
         "The quantity cannot be negative. Use a credit memo to take items back."},
        {InvMsg::ReturnItems, dict::User, "Pardon me...", "Do you wish to return the Invoice Items back to Inventory?"},
        {InvMsg::OriginalNotDeletable, dict::Notify, "Whoops!...", "You cannot delete the orginal Invoice Information."},
        {InvMsg::SaveBeforePayment, dict::User, "Save the Invoice?",
         "A payment is booked against a saved invoice. Save this invoice now and go on to the payment?"},
        {InvMsg::UnfinishedInvoice, dict::User, "Unfinished Invoice",
         "Invoice %Field was being entered here when the program stopped, and its items are still taken from "
         "stock. Finish it now, or remove it and return its items to stock?"},
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

void installInvoiceMessages(fw::ErrorClass &errors)
{
    errors.InstallErrors(invoiceMessages());
}

} // namespace app
