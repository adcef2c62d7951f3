// The list behind the stock browses: red at or below the re-order level, behind the password gate.
#pragma once

#include "app/common/gatedlist.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"

namespace Brw {

class StockList : public app::GatedList
{
public:
    StockList()
    {
        redWhen = [] {
            return GLO.REDLINEINVENTORY == 1
                   && (STO.AMOUNTINSTOCK < STO.MINAMOUNT || dict::sameQuantity(STO.AMOUNTINSTOCK, STO.MINAMOUNT));
        };
    }
};

} // namespace Brw
