#include "app/vendors/pickvendor.h"

#include "app/common/maintenancemessages.h"
#include "app/common/passwordgate.h"
#include "app/vendors/vendorform.h"
#include "dictionary/files.h"
#include "dictionary/keptbuffers.h"

namespace Brw {

namespace {

#define PICK_VENDOR "83L(1)|~Vendor~C(0)@s20@#1#"
#define PICK_LAST "55L(1)|~Last Name~C(0)@s15@#2#"
#define PICK_FIRST "38L(1)|~First Name~C(0)@s10@#3#"
#define PICK_ACCOUNT "83L(1)|~Account #~C(0)@s20@#4#"

const fw::BrowseSpec vendorPick{
    .procedure = {.name = "Brw:GetVendor", .title = "Select Vendor for Inventory...", .files = {Relate::VENDOR},
                  .messages = {app::installMaintenanceMessages}},
    .primary = &Relate::VENDOR,
    .tabs = {
        {"&Vendor", "Sort Vendors by Vendor...", VEN.Vendor_Key, "Search Vendor:", fw::Locate(VEN.VENDOR),
         PICK_VENDOR PICK_LAST PICK_FIRST PICK_ACCOUNT},
        {"&POC", "Sort Vendors by Point of Contact...", VEN.VendorName_Key, "Search POC:", fw::Locate(VEN.LNAME),
         PICK_LAST PICK_FIRST PICK_VENDOR PICK_ACCOUNT},
        {"Acc&ount #", "Sort Vendors by Account #...", VEN.VendorNo_Key, "Search by Account #:",
         fw::Locate(VEN.ACCOUNTNO), PICK_ACCOUNT PICK_VENDOR PICK_LAST PICK_FIRST},
    },
    .queue = {fw::Plain(VEN.VENDOR), fw::Plain(VEN.LNAME), fw::Plain(VEN.FNAME), fw::Plain(VEN.ACCOUNTNO)},
    .buttons = {.insert = "Create New Record...", .select = "Select Highlighted Vendor...", .selectText = "&Select",
                .close = "Cancel and Return...", .closeText = "Cancel"},
    .selectOnly = true,
    .form = fw::runForm<Upd::Vendor>,
    .allow = app::RequestGate,
    .width = 560,
    .height = 420,
};

} // namespace

const fw::BrowseSpec &GetVendor::Spec() { return vendorPick; }

GetVendor::GetVendor()
    : fw::BrowseProcedure(vendorPick)
{}

} // namespace Brw

namespace app {

bool pickVendor()
{
    dict::KeptBuffers kept{&Access::VENDOR};
    GlobalRequest = fw::SelectRecord;
    Brw::GetVendor pick;
    if (pick.Run() != fw::RequestCompleted || VEN.ACCOUNTNO.blank())
        return false;
    kept.release();
    return true;
}

bool findOrPickVendor(const dict::String<20> &accountNo)
{
    if (accountNo.blank())
        return false;
    dict::KeptBuffers kept{&Access::VENDOR};
    VEN.ACCOUNTNO = accountNo;
    if (Access::VENDOR.TryFetch(VEN.VendorNo_Key) != dict::Benign && !pickVendor())
        return false;
    kept.release();
    return true;
}

} // namespace app
