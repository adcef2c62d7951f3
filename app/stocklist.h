// The list behind the stock browses: red lines at or below the re-order level, the password
// gate before a change or delete, and a hook that follows the highlight.
#pragma once

#include "app/passwordgate.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "framework/browseclass.h"

#include <functional>

namespace Brw {

class StockList : public fw::BrowseClass
{
public:
    std::function<void()> onHighlight;

    void SetQueueRecord() override
    {
        red_ = GLO.REDLINEINVENTORY == 1
               && (STO.AMOUNTINSTOCK < STO.MINAMOUNT || dict::sameQuantity(STO.AMOUNTINSTOCK, STO.MINAMOUNT));
    }
    bool AllowRequest(int request) override
    {
        if (request == fw::ChangeRecord)
            return app::PasswordGate(app::Guarded::Change);
        if (request == fw::DeleteRecord)
            return app::PasswordGate(app::Guarded::Delete);
        return true;
    }
    void TakeNewSelection() override
    {
        if (onHighlight)
            onHighlight();
    }
    const bool *red() const { return &red_; }

private:
    bool red_ = false;
};

} // namespace Brw
