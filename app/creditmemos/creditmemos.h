// Brw::CreditMemos: the credit memos, by number, customer and date, with the highlighted memo's
// customer and credit below; Upd::CreditMemo adds, changes and deletes (Change and Delete behind
// the password gate); the memo text shows read-only. The frame hears when it opens and closes.
#pragma once

#include "framework/browseprocedure.h"

namespace Brw {

class CreditMemos : public fw::BrowseProcedure
{
public:
    enum Extra { Memo = 1, Customer, CustomerDiscount, TotalCredit };
    static const fw::BrowseSpec &Spec();

    CreditMemos();

    void showMemo();

protected:
    void Highlighted(bool any) override;
};

} // namespace Brw
