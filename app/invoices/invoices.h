// Brw::Invoices: the invoices and quotes. Seven sort orders (invoice number both ways, behind one
// tab at a time; customer; date; PO number; quotes; re-invoices), columns by the tax system in
// force, red lines for what is still owed, the invoice's customer and the running totals below;
// Upd::Invoice adds, changes and deletes (Change and Delete behind the password gate); the
// memo shows read-only. Opens only once; the frame hears when it opens and closes.
#pragma once

#include "framework/browseprocedure.h"

namespace Brw {

class Invoices : public fw::BrowseProcedure
{
public:
    // The list's own buttons and values, by number.
    enum Extra { Reverse = 1, History, Memo, CustomerName, CustomerDiscount, Salesman, TotalPrice, TotalSubTotal,
                 TotalShipping, TotalLabor, TotalTax, TotalGst, Total };
    static const fw::BrowseSpec &Spec();

    Invoices();

    void showMemo();
    void showHistory();

protected:
    void Highlighted(bool any) override;
};

} // namespace Brw
