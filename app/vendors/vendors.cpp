#include "app/vendors/vendors.h"

#include "app/common/maintenancemessages.h"
#include "app/common/passwordgate.h"
#include "app/inventory/vendorsinventory.h"
#include "app/shell/procedures.h"
#include "app/vendors/vendorform.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/picture.h"

#include <QTabBar>

namespace Brw {

namespace {

#define VEN_ACCOUNT "81L(1)|~Account #~C(0)@s20@#1#"
#define VEN_VENDOR "81L(1)|~Vendor~C(0)@s20@#2#"
#define VEN_LAST "65L(1)|~Last Name~C(0)@s15@#3#"
#define VEN_FIRST "52L(1)|~First Name~C(0)@s10@#4#"
#define VEN_PHONE "65L(1)|~Phone No~C(0)@s15@#5#"
#define VEN_CITY "95L(1)|~City~C(0)@s25@#6#13C|~ST~@s3@#7#"
#define VEN_EMAIL "125L(1)|~Email Address~C(0)@s35@#8#"

// Whether the vendor in VEN supplies any stock item.
bool suppliesStock()
{
    return !VEN.VENDOR.blank() && dict::lookup(STO.Vendor_Key, dict::String<20>(VEN.VENDOR.str())).has_value();
}

const fw::BrowseSpec vendorList{
    .procedure = {.name = "Brw:Vendors", .title = "Vendor Records...", .files = {Relate::VENDOR, Access::STOCK},
                  .messages = {app::installMaintenanceMessages}},
    .primary = &Relate::VENDOR,
    .listTitle = "Browsing Vendor Records",
    .tabs = {
        {"Acc&ount #", "Sort Vendors by Account #...", VEN.VendorNo_Key, "Search by Account #:",
         fw::Locate(VEN.ACCOUNTNO), VEN_ACCOUNT VEN_VENDOR VEN_PHONE VEN_EMAIL},
        {"&Vendor", "Sort Vendors by Vendor Name...", VEN.Vendor_Key, "Search by Vendor:", fw::Locate(VEN.VENDOR),
         VEN_VENDOR VEN_LAST VEN_FIRST VEN_PHONE VEN_CITY},
        {"&POC", "Sort Vendors by Point of Contact...", VEN.VendorName_Key, "Search Last Name:", fw::Locate(VEN.LNAME),
         VEN_LAST VEN_FIRST VEN_VENDOR VEN_PHONE VEN_CITY},
        {"P&hone #", "Sort Vendors by Phone #...", VEN.Phone_Key, "Search Phone #:", fw::Locate(VEN.PHONENO),
         VEN_PHONE VEN_VENDOR VEN_ACCOUNT VEN_LAST VEN_FIRST VEN_CITY},
        {"City and &State", "Sort Vendors by City and State...", VEN.CityState_Key, nullptr, std::nullopt,
         VEN_CITY VEN_VENDOR VEN_LAST VEN_FIRST VEN_EMAIL},
        {"&Email", "Sort Vendors by Email Address...", VEN.EmailAddress_Key, "Search Email Address:",
         fw::Locate(VEN.EMAILADDRESS), "155L(1)|~Email Address~C(0)@s35@#8#" VEN_VENDOR VEN_LAST VEN_FIRST VEN_CITY},
    },
    .queue = {fw::Plain(VEN.ACCOUNTNO), fw::Plain(VEN.VENDOR), fw::Plain(VEN.LNAME), fw::Plain(VEN.FNAME),
              fw::Plain(VEN.PHONENO), fw::Plain(VEN.CITY), fw::Plain(VEN.STATE), fw::Plain(VEN.EMAILADDRESS)},
    .buttons = {.insert = "Add New Records...", .change = "Change Highlighted Record...",
                .remove = "Delete Highlighted Record...", .close = "Close Vendor Records..."},
    .extraButtons = {{Vendors::Finance, "&Finance", "Open Highlighted Vendor Finance History...",
                      [](fw::BrowseProcedure &b) { static_cast<Vendors &>(b).openFinance(); },
                      [](fw::BrowseProcedure &, bool any) { return any && VEN.FINANCEPRESENT != 0; }},
                     {Vendors::Inventory, "I&nventory", "Display Vendor Inventory...",
                      [](fw::BrowseProcedure &b) { static_cast<Vendors &>(b).showInventory(); },
                      [](fw::BrowseProcedure &, bool any) { return any && suppliesStock(); }},
                     {Vendors::Email, "E&mail", "Send Email to Highlighted Vendor...",
                      [](fw::BrowseProcedure &b) { static_cast<Vendors &>(b).sendEmail(); },
                      [](fw::BrowseProcedure &, bool any) { return any && !VEN.EMAILADDRESS.blank(); }}},
    .panels = {{"Miscellaneous Vendor Information",
                {{Vendors::Memo, "Memo:", [](fw::BrowseProcedure &) { return QString::fromUtf8(VEN.COMMENTS.str()); }},
                 {Vendors::Balance, "Vendor Balance:",
                  [](fw::BrowseProcedure &) {
                      return QString::fromStdString(fw::formatValue(VEN.BALANCE, fw::moneyPicture())).trimmed();
                  }}}}},
    .form = fw::runForm<Upd::Vendor>,
    .allow = app::RequestGate,
    .singleWindow = true,
};

} // namespace

const fw::BrowseSpec &Vendors::Spec() { return vendorList; }

Vendors::Vendors()
    : fw::BrowseProcedure(vendorList)
    , openUrl(app::desktopOpener())
{}

void Vendors::Prepare()
{
    if (GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst)
        widgets().tabs->setTabText(4, "&City and Prov");
}

// The highlighted vendor's account number for other procedures.
void Vendors::Highlighted(bool any) { GLO.VENDORACCOUNTNO = any ? VEN.ACCOUNTNO.view() : ""; }

int Vendors::Kill()
{
    GLO.VENDORACCOUNTNO.clear();
    return BrowseProcedure::Kill();
}

void Vendors::openFinance()
{
    if (browse().UpdateViewRecord())
        app::runProcedure("Brw:VendorsFinance");
}

// The highlighted vendor's stock items, to look at.
void Vendors::showInventory()
{
    if (!browse().UpdateViewRecord())
        return;
    GlobalRequest = 0;
    VendorsInventory items;
    items.Run();
}

void Vendors::sendEmail()
{
    browse().UpdateBuffer();
    app::sendMail(VEN.EMAILADDRESS.str(), openUrl);
}

} // namespace Brw
