#include "app/purchasing/vendorledger.h"

#include "app/purchasing/purchasemessages.h"
#include "dictionary/decimal.h"
#include "dictionary/files.h"
#include "dictionary/money.h"

namespace app::purchasing {

Step moveVendorBalance(const dict::String<20> &accountNo, double amount, bool financePresent)
{
    VEN.ACCOUNTNO = accountNo;
    if (Access::VENDOR.TryFetch(VEN.VendorNo_Key) != dict::Benign)
        return refuse(PurMsg::NoSuchVendor, accountNo.str());
    const double balance = dict::roundCents((dict::Decimal(VEN.BALANCE) + dict::Decimal(amount)).toDouble());
    if (balance == VEN.BALANCE && (!financePresent || VEN.FINANCEPRESENT != 0))
        return dict::Benign;
    VEN.BALANCE = balance;
    if (financePresent)
        VEN.FINANCEPRESENT = 1;
    return Access::VENDOR.TryUpdate();
}

std::optional<dict::Found<dict::VENFINRecord>> ownFound(dict::LONG orderNo)
{
    std::optional<dict::Found<dict::VENFINRecord>> own;
    if (orderNo == 0)
        return own;
    for (const auto &record : dict::range(VEF.POrderNo_Key, orderNo))
        if (!own || record.RECORDNO < own->RECORDNO)
            own = record;
    return own;
}

double paidOver(dict::LONG orderNo)
{
    dict::Decimal paid;
    for (const auto &record : dict::range(VEF.POrderNo_Key, orderNo))
        paid += dict::Decimal(record.AMOUNTPAID);
    return paid.roundedToCents().toDouble();
}

} // namespace app::purchasing
