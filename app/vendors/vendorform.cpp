#include "app/vendors/vendorform.h"

#include "app/common/maintenancemessages.h"
#include "app/vendors/vendormessages.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"

namespace Upd {

Vendor::Vendor()
    : fw::FormProcedure({.name = "Upd:Vendor", .title = "Update Vendor Records...", .files = {Relate::VENDOR},
                         .messages = {app::installMaintenanceMessages, app::installVendorMessages},
                         .resizable = false})
{}

fw::FormDeclaration Vendor::Declare()
{
    using namespace fw::form;
    return {.primary = &Relate::VENDOR,
            .caption = Request == fw::InsertRecord ? "Add New Vendor" : "Change Vendor Information",
            .items = {
                field("Vendor:", VEN.VENDOR).width(24).needed(app::VenMsg::NoVendorName),
                field("Account #:", VEN.ACCOUNTNO).width(24).needed(app::VenMsg::NoAccountNo),
                field("Last Name:", VEN.LNAME),
                field("First Name:", VEN.FNAME).beside(),
                field("Address:", VEN.ADDRESS).span(3),
                field("Address 2:", VEN.ADDRESS2).span(3),
                field("Address 3:", VEN.ADDRESS3).span(3),
                field("City:", VEN.CITY).width(16),
                field(dict::stateCaption(GLO.CANADIAN), VEN.STATE).beside(),
                field("Postal Code:", VEN.ZIPCODE),
                field(dict::countryCaption(GLO.CANADIAN), VEN.COUNTRY).beside(),
                field("Email:", VEN.EMAILADDRESS).span(3),
                field("Memo:", VEN.COMMENTS).span(3),
                field("Phone #:", VEN.PHONENO),
                field("Fax #:", VEN.FAXNO).beside(),
            }};
}

} // namespace Upd
