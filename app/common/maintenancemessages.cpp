#include "app/common/maintenancemessages.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/messagetable.h"

namespace app {

const std::vector<std::uint8_t> &maintenanceMessages()
{
    static const fw::MessageDef defs[] = {
        {MaintMsg::NoCustomerNo, dict::Notify, "Pardon me...", "Please enter a Customer before trying to save!"},
        {MaintMsg::NoStockNo, dict::Notify, "Pardon me...", "Please enter a Stock # before saving the Inventory Item!"},
        {MaintMsg::PictureNameTooLong, dict::Notify, "Picture Not Changed",
         "The name of the picture is too long to be kept (at most 50 characters): %Message. Move it to "
         "the pictures folder or to a folder with a shorter name."},
        {MaintMsg::NotAPicture, dict::Notify, "Picture Not Changed",
         "%Message cannot be shown as a picture (BMP, GIF, JPG or PNG). The item keeps the picture it had."},
        {MaintMsg::StockNoInUse, dict::User, "Stock # Already Used",
         "Another item already has the Stock # %Field. Save this item with the same Stock # anyway?"},
        {MaintMsg::NoMailProgram, dict::Notify, "No Mail Program",
         "No mail program could be started for %Message. Choose a default mail program in your desktop's "
         "settings."},
        {MaintMsg::NoSuchCustomer, dict::Notify, "Customer Not Found",
         "There is no customer with the Customer # %Message."},
    };
    static const std::vector<std::uint8_t> block = fw::buildErrorBlock(defs);
    return block;
}

void installMaintenanceMessages(fw::ErrorClass &errors)
{
    errors.InstallErrors(maintenanceMessages());
}

} // namespace app
