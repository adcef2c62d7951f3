#include "app/invoices/pickcustomer.h"

#include "app/common/passwordgate.h"
#include "app/customers/customerform.h"
#include "dictionary/files.h"
#include "dictionary/keptbuffers.h"

namespace Brw {

namespace {

// Every order shows the same columns; only the sort and the locator change.
#define PICK_CUSTOMER_COLUMNS                                                                                  \
    "45L(2)|~Cust #~C(0)@s10@#1#65L(2)|~Last Name~C(0)@s15@#2#45L(2)|~First Name~C(0)@s10@#3#"                \
    "110L(2)~Company~C(0)@s25@#4#"

const fw::BrowseSpec customerPick{
    .procedure = {.name = "Brw:GetCustomer", .title = "Select Customer for Invoice...", .files = {Relate::CUSTOMER}},
    .primary = &Relate::CUSTOMER,
    .tabs = {
        {"&Customer #", "Sort Customers by Customer #...", CUS.CustomerNo_Key, "Search Customer #:",
         fw::Locate(CUS.CUSTOMERNO), PICK_CUSTOMER_COLUMNS},
        {"Customer &Name", "Sort Customers by Customer Last Name...", CUS.CustomerName_Key,
         "Search Customer Last Name:", fw::Locate(CUS.LNAME), PICK_CUSTOMER_COLUMNS},
        {"C&ompany", "Sort Customers by Company...", CUS.Company_Key, "Search Company:", fw::Locate(CUS.COMPANY),
         PICK_CUSTOMER_COLUMNS},
    },
    .queue = {fw::Plain(CUS.CUSTOMERNO), fw::Plain(CUS.LNAME), fw::Plain(CUS.FNAME), fw::Plain(CUS.COMPANY)},
    .buttons = {.select = "Select Highlighted Customer...", .selectText = "&Select",
                .close = "Cancel and Return...", .closeText = "Cancel"},
    .selectOnly = true,
    .form = fw::runForm<Upd::Customer>,
    .allow = app::RequestGate,
    .width = 620,
    .height = 420,
};

} // namespace

const fw::BrowseSpec &GetCustomer::Spec() { return customerPick; }

GetCustomer::GetCustomer()
    : fw::BrowseProcedure(customerPick)
{}

} // namespace Brw

namespace app {

bool pickCustomer()
{
    dict::KeptBuffers kept{&Access::CUSTOMER};
    GlobalRequest = fw::SelectRecord;
    Brw::GetCustomer pick;
    if (pick.Run() != fw::RequestCompleted || CUS.CUSTOMERNO.blank())
        return false;
    kept.release();
    return true;
}

bool findOrPickCustomer(const dict::String<10> &number)
{
    if (number.blank())
        return false;
    dict::KeptBuffers kept{&Access::CUSTOMER};
    CUS.CUSTOMERNO = number;
    if (Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) != dict::Benign) {
        GlobalRequest = fw::SelectRecord;
        Brw::GetCustomer pick;
        if (pick.Run() != fw::RequestCompleted || CUS.CUSTOMERNO.blank())
            return false;
    }
    kept.release();
    return true;
}

} // namespace app
