// The memo window of a document (an invoice, a credit memo, a purchase order): its memo text and its tax
// registration line, with standard memos appended from the pick list. Opened from a list it only
// shows them. Cancel leaves the buffer as the window found it; nothing is written to a file here
// (the document's form stores the memo when it saves).
#pragma once

#include "dictionary/fieldtypes.h"
#include "framework/formprocedure.h"

#include <string>

namespace app {

struct DocumentMemoSpec {
    const char *name;  // the procedure's name
    const char *title; // its window's
    const char *okTip;
    dict::Memo &memo;
    dict::String<50> &taxInfo;
};

class DocumentMemo : public fw::FormProcedure
{
public:
    enum Item { Select = 1 };

    DocumentMemo(const DocumentMemoSpec &spec, bool readOnly);

    int TakeCompleted() override;
    int TakeCloseEvent() override;

protected:
    fw::FormDeclaration Declare() override;
    int Built() override;

private:
    void selectMemo();

    DocumentMemoSpec spec_;
    bool readOnly_;
    std::string openedMemo_;
    dict::String<50> openedTaxInfo_;
};

} // namespace app

namespace Win {

// The memo of the invoice in the INV buffer.
class InvoiceMemos : public app::DocumentMemo
{
public:
    explicit InvoiceMemos(bool readOnly);
};

// The memo of the credit memo in the CRE buffer.
class CreditMemos : public app::DocumentMemo
{
public:
    explicit CreditMemos(bool readOnly);
};

// The memo of the purchase order in the PUR buffer.
class PurchaseOrderMemos : public app::DocumentMemo
{
public:
    explicit PurchaseOrderMemos(bool readOnly);
};

} // namespace Win
