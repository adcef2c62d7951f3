// Win::InvoiceMemos: the memo of the invoice in the INV buffer and its tax-registration line,
// with standard memos appended from the pick list. Opened from the invoice list it only shows
// them. Cancel leaves the buffer as the window found it; nothing is written to a file here (the
// invoice form's Save stores the memo).
#pragma once

#include "dictionary/fieldtypes.h"
#include "framework/formprocedure.h"

#include <string>

namespace Win {

class InvoiceMemos : public fw::FormProcedure
{
public:
    enum Item { Select = 1 };

    explicit InvoiceMemos(bool readOnly);

    int TakeCompleted() override;
    int TakeCloseEvent() override;

protected:
    fw::FormDeclaration Declare() override;
    int Built() override;

private:
    void selectMemo();

    bool readOnly_;
    std::string openedMemo_;
    dict::String<50> openedTaxInfo_;
};

} // namespace Win
