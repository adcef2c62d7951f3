#include "app/creditmemos/creditmemos.h"

#include "app/common/entryclaims.h"
#include "app/common/framenotify.h"
#include "app/common/maintenancemessages.h"
#include "app/common/passwordgate.h"
#include "app/creditmemos/creditmemoform.h"
#include "app/creditmemos/creditmessages.h"
#include "app/memos/documentmemos.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "framework/picture.h"

namespace Brw {

namespace {

#define CRE_COLUMNS                                                                                            \
    "12C|~P~@s1@#1#34R(2)|~Memo #~@n06@#2#48L(2)|~Cust #~@s10@#3#52R(2)|~Date~{D}@#4#"                         \
    "80L(2)|~Last Name~@s20@#5#60L(2)|~First Name~@s15@#6#56R(2)|~Total Credit~@n-12.2@#7#"                   \
    "60L(2)|~SalesMan~@s15@#8#"

// The memo's customer, looked up for the row.
std::optional<dict::CUSTOMERRecord> customer()
{
    const auto found = dict::lookup(CUS.CustomerNo_Key, CRE.CUSTOMERNO);
    return found ? std::optional<dict::CUSTOMERRecord>(*found) : std::nullopt;
}

fw::StepValue lastName()
{
    const auto c = customer();
    return fw::StepValue(c ? c->LNAME.str() : std::string());
}

fw::StepValue firstName()
{
    const auto c = customer();
    return fw::StepValue(c ? c->FNAME.str() : std::string());
}

QString customerName()
{
    const auto c = customer();
    if (!c)
        return {};
    const std::string name = (c->FNAME.str() + " " + c->LNAME.str());
    const auto first = name.find_first_not_of(' ');
    return QString::fromUtf8(first == std::string::npos ? c->COMPANY.str() : name.substr(first));
}

QString formatted(double value, const std::string &picture)
{
    return QString::fromStdString(fw::formatValue(value, picture)).trimmed();
}

const fw::BrowseSpec creditMemoList{
    .procedure = {.name = "Brw:CreditMemos", .title = "Credit Memo Records...",
                  .files = {Relate::CREDIT, Access::CUSTOMER},
                  .messages = {app::installMaintenanceMessages, app::installCreditMemoMessages}},
    .primary = &Relate::CREDIT,
    .listTitle = "Browsing Credit Memo Records",
    .tabs = {
        {"&Credit Memo #", "Sort Credit Memos by Credit Memo #...", CRE.CreditMemoNo_Key, "Seach Credit Memo #:",
         fw::Locate(CRE.CREDITMEMONO), CRE_COLUMNS},
        {"C&ustomer #", "Sort Credit Memos by Customer #...", CRE.Customer_Key, "Search Customer #:",
         fw::Locate(CRE.CUSTOMERNO), CRE_COLUMNS},
        {"C&redit Memo Date", "Sort Credit Memos by Date...", CRE.Date_Key, "Search Date:", fw::Locate(CRE.DATE),
         CRE_COLUMNS},
    },
    .filter = app::EnteredCreditMemos,
    .queue = {fw::Plain(CRE.PRINTED), fw::Plain(CRE.CREDITMEMONO), fw::Plain(CRE.CUSTOMERNO), fw::Plain(CRE.DATE),
              fw::Computed(lastName), fw::Computed(firstName), fw::Plain(CRE.TOTALDUE), fw::Plain(CRE.SALESMAN)},
    .buttons = {.insert = "Add a New Credit Memo...", .change = "Change Highlighted Credit Memo...",
                .remove = "Delete Highlighted Credit Memo...", .close = "Close Credit Memo Records..."},
    .extraButtons = {{CreditMemos::Memo, "&Memo", "Displays Credit Memo...",
                      [](fw::BrowseProcedure &b) { static_cast<CreditMemos &>(b).showMemo(); },
                      [](fw::BrowseProcedure &, bool any) { return any; }}},
    .panels = {{nullptr,
                {{CreditMemos::TotalCredit, "Total Credit:",
                  [](fw::BrowseProcedure &) { return formatted(CRE.TOTALDUE, "@n-12.2"); }}}},
               {"Credit Customer Information",
                {{CreditMemos::Customer, "Customer:", [](fw::BrowseProcedure &) { return customerName(); }},
                 {CreditMemos::CustomerDiscount, "Customer Discount:",
                  [](fw::BrowseProcedure &) { return formatted(CRE.CUSTOMERDISCOUNT, "@n6.2"); }}},
                2}},
    .form = fw::runForm<Upd::CreditMemo>,
    .allow = app::RequestGate,
    .notification = app::CreditMemoBrowseNotification,
    .width = 820,
    .height = 520,
};

} // namespace

const fw::BrowseSpec &CreditMemos::Spec() { return creditMemoList; }

CreditMemos::CreditMemos()
    : fw::BrowseProcedure(creditMemoList)
{}

// The highlighted memo is what the frame's "C&redit Memo" prints.
void CreditMemos::Highlighted(bool any)
{
    if (any)
        GLO.CREDITMEMONO = CRE.CREDITMEMONO;
}

// The memo text of the highlighted credit memo, to read.
void CreditMemos::showMemo()
{
    if (!browse().UpdateViewRecord())
        return;
    GlobalRequest = fw::ChangeRecord;
    Win::CreditMemos memo(true);
    memo.Run();
}

} // namespace Brw
