#include "app/common/ledger.h"

#include "app/common/booking.h"
#include "app/common/maintenancemessages.h"
#include "dictionary/files.h"
#include "dictionary/money.h"

namespace app {

bool isOwnFinanceRecord(const dict::FINANCERecord &record)
{
    return record.CREDITMEMONO == 0 && record.AMOUNTPAID == 0;
}

Step moveBalance(const dict::String<10> &customerNo, double amount, bool financePresent)
{
    CUS.CUSTOMERNO = customerNo;
    if (Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) != dict::Benign)
        return refuse(MaintMsg::NoSuchCustomer, customerNo.str());
    const double balance = dict::roundCents(CUS.BALANCE + amount);
    if (balance == CUS.BALANCE && (!financePresent || CUS.FINANCEPRESENT != 0))
        return dict::Benign;
    CUS.BALANCE = balance;
    if (financePresent)
        CUS.FINANCEPRESENT = 1;
    return Access::CUSTOMER.TryUpdate();
}

} // namespace app
