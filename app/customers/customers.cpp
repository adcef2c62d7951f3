#include "app/customers/customers.h"

#include "app/common/framenotify.h"
#include "app/common/mail.h"
#include "app/common/maintenancemessages.h"
#include "app/common/passwordgate.h"
#include "app/customers/customerform.h"
#include "app/payments/financehistory.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QTabBar>

namespace Brw {

namespace {

#define CUS_COLUMN_NO "36L(1)|*~Cust #~C(0)@s10@#1#"
#define CUS_COLUMN_LAST "40L(1)|*~Last Name~C(0)@s15@#6#"
#define CUS_COLUMN_FIRST "40L(1)|*~First Name~C(0)@s10@#11#"
#define CUS_COLUMN_PHONE "50L(1)|*~Phone #~C(0)@s15@#16#"
#define CUS_COLUMN_COMPANY "110L(1)|*~Company~C(0)@s35@#21#"
#define CUS_COLUMN_EMAIL "95L(1)*~Email~C(0)@s35@#26#"

const fw::BrowseSpec customerList{
    .procedure = {.name = "Brw:Customers", .title = "Customer Records...",
                  .files = {Relate::CUSTOMER, Access::FINANCE}, .messages = {app::installMaintenanceMessages}},
    .primary = &Relate::CUSTOMER,
    .listTitle = "Browsing Customer Records",
    .tabs = {
        {"&Customer #", "Sort Customers by Customer #...", CUS.CustomerNo_Key, "Search Customer #:",
         fw::Locate(CUS.CUSTOMERNO), CUS_COLUMN_NO CUS_COLUMN_LAST CUS_COLUMN_FIRST CUS_COLUMN_PHONE
         CUS_COLUMN_COMPANY CUS_COLUMN_EMAIL},
        {"Customer &Names", "Sort Customers by Name...", CUS.CustomerName_Key, "Search Last Name:",
         fw::Locate(CUS.LNAME), CUS_COLUMN_LAST CUS_COLUMN_FIRST CUS_COLUMN_NO CUS_COLUMN_PHONE CUS_COLUMN_COMPANY
         CUS_COLUMN_EMAIL},
        {"&Phone #", "Sort Customers by Phone #...", CUS.Phone_Key, "Search Phone #:", fw::Locate(CUS.PHONENO),
         CUS_COLUMN_PHONE CUS_COLUMN_NO CUS_COLUMN_LAST CUS_COLUMN_FIRST CUS_COLUMN_COMPANY CUS_COLUMN_EMAIL},
        {"City and &State", "Sort Customers by City and State...", CUS.CityState_Key, nullptr, std::nullopt,
         "91L(1)|*~City~C(0)@s25@#31#20C|*~ST~C(0)@s3@#36#40L(1)|*~Last Name~C(0)@s25@#6#40L(1)|*~First "
         "Name~C(0)@s20@#11#40L(1)|*~Cust #~C(0)@s10@#1#55L(1)|*~Phone #~C(0)@s15@#16#" CUS_COLUMN_EMAIL},
        {"C&ompany", "Sort Customers by Company...", CUS.Company_Key, "Search Company:", fw::Locate(CUS.COMPANY),
         CUS_COLUMN_COMPANY CUS_COLUMN_LAST CUS_COLUMN_FIRST CUS_COLUMN_NO CUS_COLUMN_PHONE CUS_COLUMN_EMAIL},
        {"&Email", "Sort Customers by Email...", CUS.EmailAddress_Key, "Search Email Address:",
         fw::Locate(CUS.EMAILADDRESS), "95L(1)|*~Email~C(0)@s35@#26#" CUS_COLUMN_PHONE CUS_COLUMN_NO CUS_COLUMN_LAST
         CUS_COLUMN_FIRST "110L(1)*~Company~C(0)@s35@#21#"},
    },
    .queue = {fw::Coloured(CUS.CUSTOMERNO), fw::Coloured(CUS.LNAME), fw::Coloured(CUS.FNAME),
              fw::Coloured(CUS.PHONENO), fw::Coloured(CUS.COMPANY), fw::Coloured(CUS.EMAILADDRESS),
              fw::Coloured(CUS.CITY), fw::Coloured(CUS.STATE), fw::Plain(CUS.COMMENTS), fw::Plain(CUS.BALANCE),
              fw::Plain(CUS.FINANCEPRESENT)},
    .buttons = {.insert = "Add New Records...", .close = "Close Customer Records..."},
    .extraButtons = {{Customers::Finance, "&Finance", "Open Highlighted Customer Finance History...",
                      [](fw::BrowseProcedure &b) { static_cast<Customers &>(b).openFinance(); },
                      [](fw::BrowseProcedure &, bool any) { return any && CUS.FINANCEPRESENT != 0; }},
                     {Customers::Email, "E&mail", "Send Email to Highlighted Customer...",
                      [](fw::BrowseProcedure &b) { static_cast<Customers &>(b).sendEmail(); },
                      [](fw::BrowseProcedure &, bool any) { return any && !CUS.EMAILADDRESS.blank(); }}},
    .panels = {{"Miscellaneous Customer Information",
                {{Customers::Memo, "Memo:", [](fw::BrowseProcedure &) { return QString::fromUtf8(CUS.COMMENTS.str()); }},
                 {Customers::Balance, "Total Customer Balance:",
                  [](fw::BrowseProcedure &) {
                      return QString::fromUtf8(fw::formatValue(CUS.BALANCE, fw::moneyPicture())).trimmed();
                  }}}}},
    .form = fw::runForm<Upd::Customer>,
    .allow = app::RequestGate,
    .red = [] { return GLO.REDLINECUSTOMER == 1 && dict::roundCents(CUS.BALANCE) > 0; },
    .singleWindow = true,
    .notification = app::CustomerBrowseNotification,
};

} // namespace

const fw::BrowseSpec &Customers::Spec() { return customerList; }

Customers::Customers()
    : fw::BrowseProcedure(customerList)
    , openUrl(app::desktopOpener())
{}

void Customers::Prepare()
{
    if (GLO.CANADIAN == dict::TaxRegime::ProvincialAndGst)
        widgets().tabs->setTabText(3, "&City and Prov");
}

// The highlighted customer's number for other procedures.
void Customers::Highlighted(bool any) { GLO.CUSTOMERNO = any ? CUS.CUSTOMERNO.view() : ""; }

int Customers::Kill()
{
    GLO.CUSTOMERNO.clear();
    return BrowseProcedure::Kill();
}

// The history opens beside the list on the highlighted customer (GLO.CUSTOMERNO).
void Customers::openFinance()
{
    if (browse().UpdateViewRecord())
        (new Brw::CustomersFinanceHistory)->Start();
}

void Customers::sendEmail()
{
    browse().UpdateBuffer();
    app::sendMail(CUS.EMAILADDRESS.str(), openUrl);
}

} // namespace Brw
