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
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

void installPurchaseMessages(fw::ErrorClass &errors) { errors.InstallErrors(purchaseMessages()); }

} // namespace app
