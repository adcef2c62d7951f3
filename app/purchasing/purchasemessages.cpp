#include "app/purchasing/purchasemessages.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/messagetable.h"

namespace app {

const std::vector<std::uint8_t> &purchaseMessages()
{
    static const fw::MessageDef defs[] = {
        {PurMsg::NoSuchVendor, dict::Notify, "Vendor Not Found",
         "There is no vendor with the account # %Message. Choose the order's vendor from the list."},
        {PurMsg::CannotMoveOrder, dict::Notify, "Vendor Not Changed",
         "Payments to vendor %Message are booked against this order, so it cannot be moved to another vendor. "
         "Delete those payments first."},
        {PurMsg::OrderGone, dict::Notify, "Purchase Order Not Found",
         "Purchase order %Message is no longer on file: it was deleted at another station meanwhile."},
        {PurMsg::ReceivedFrozen, dict::Notify, "Order Received",
         "Purchase order %Message has been received into stock, so its lines stay as they were received."},
        {PurMsg::OtherVendorsOrder, dict::Notify, "Another Vendor's Order",
         "Purchase order %Message belongs to another vendor. A payment goes against an order of its own vendor."},
        {PurMsg::PaymentGone, dict::Notify, "Payment Not Found",
         "The payment is no longer on file: it was deleted at another station meanwhile. Nothing was saved."},
        {PurMsg::OwedLessNow, dict::Notify, "Order Paid Meanwhile",
         "Purchase order %Message owes less now than when the payment was entered: it was paid at another "
         "station meanwhile. Nothing was saved."},
        {PurMsg::AlreadyReceived, dict::Notify, "Order Received",
         "Purchase order %Message was received into stock already; it is not received twice."},
        {PurMsg::NoAmount, dict::Notify, "Excuse me...", "Enter the amount paid; it must be more than 0."},
        {PurMsg::ZeroedOut, dict::User, "Whoops!...",
         "You are trying to update an Purchase Order already Zeroed out! Record this payment against it anyway?"},
        {PurMsg::MoreThanOwed, dict::User, "Payment Larger Than Owed", "The payment of %Message. Record it anyway?"},
        {PurMsg::OwnRecordNotDeletable, dict::Notify, "Whoops!...",
         "This is purchase order %Message's own record, not a payment: it goes only with the order."},
        {PurMsg::UnfinishedPurchaseOrder, dict::User, "Unfinished Purchase Order",
         "Purchase order %Field was being entered here when the program stopped, and its items are still counted "
         "as on order. Finish it now, or remove it and take its items off order again?"},
        {PurMsg::MoreThanOnOrder, dict::User, "More Than On Order",
         "%Message. Receive the order all the same?"},
        {PurMsg::DeleteReceived, dict::User, "Delete Received Order",
         "Purchase order %Message was received: its goods stay in stock and their receipts stay on file. Delete "
         "the order and its payments?"},
        {PurMsg::EnterQuantity, dict::Notify, "Excuse me...", "Enter the quantity ordered, more than 0."},
        {PurMsg::NoVendorYet, dict::Notify, "Vendor Needed",
         "Enter the vendor's account # or choose the vendor from the list before saving the order."},
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

void installPurchaseMessages(fw::ErrorClass &errors) { errors.InstallErrors(purchaseMessages()); }

} // namespace app
