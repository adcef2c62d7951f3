#include "app/common/stockitem.h"

#include "app/invoices/invoicemessages.h"
#include "dictionary/files.h"
#include "dictionary/lookup.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"

namespace app {

bool stockItemOnFile(const dict::String<20> &stockNo, dict::LONG recordNo)
{
    if (dict::lookup(STO.StockNoRecordNo_Key, stockNo, recordNo))
        return true;
    fw::ErrorClass &errors = REPORTS::Errors();
    installInvoiceMessages(errors); // the message the invoice lines say it with
    errors.ThrowMessage(InvMsg::StockItemGone, stockNo.str());
    return false;
}

} // namespace app
