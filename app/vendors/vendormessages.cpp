#include "app/vendors/vendormessages.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/messagetable.h"

namespace app {

const std::vector<std::uint8_t> &vendorMessages()
{
    static const fw::MessageDef defs[] = {
        {VenMsg::NoVendorName, dict::Notify, "Excuse me...",
         "Please enter the vendor's name: the stock items it supplies are found by it."},
        {VenMsg::NoAccountNo, dict::Notify, "Excuse me...",
         "Please enter the vendor's account number: purchase orders and payments are kept by it."},
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

void installVendorMessages(fw::ErrorClass &errors) { errors.InstallErrors(vendorMessages()); }

} // namespace app
