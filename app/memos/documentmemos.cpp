#include "app/memos/documentmemos.h"

#include "app/memos/standardmemos.h"
#include "dictionary/files.h"

#include <QAbstractButton>
#include <QPushButton>

namespace app {

DocumentMemo::DocumentMemo(const DocumentMemoSpec &spec, bool readOnly)
    : fw::FormProcedure({.name = spec.name, .title = spec.title, .files = {Access::MEMOS}})
    , spec_(spec)
    , readOnly_(readOnly)
{}

fw::FormDeclaration DocumentMemo::Declare()
{
    using namespace fw::form;
    return {.items = {memo(spec_.memo).readOnly(readOnly_),
                      field("Tax Information:", spec_.taxInfo).width(40).readOnly(readOnly_)},
            .foot = {button("&Select", "Select Highlighted Memo...", [this] { selectMemo(); }).named(Select)},
            .okText = "&Save",
            .okTip = spec_.okTip,
            .fixedSize = false};
}

int DocumentMemo::Built()
{
    openedMemo_ = spec_.memo.str();
    openedTaxInfo_ = spec_.taxInfo;
    form().button(Select)->setEnabled(!readOnly_);
    if (readOnly_)
        FirstField = form().ok();
    return dict::Benign;
}

void DocumentMemo::selectMemo()
{
    Update();
    appendStandardMemo(spec_.memo);
    Display();
}

int DocumentMemo::TakeCompleted()
{
    if (!readOnly_)
        Update();
    return Procedure::TakeCompleted();
}

// Cancel puts back what the window opened with.
int DocumentMemo::TakeCloseEvent()
{
    if (Response != fw::RequestCompleted) {
        spec_.memo = openedMemo_;
        spec_.taxInfo = openedTaxInfo_;
    }
    return Procedure::TakeCloseEvent();
}

} // namespace app

namespace Win {

InvoiceMemos::InvoiceMemos(bool readOnly)
    : app::DocumentMemo({.name = "Win:InvoiceMemos",
                         .title = "Invoice Memo",
                         .okTip = "Save Memo and Return to Invoice...",
                         .memo = INV.MEMOS,
                         .taxInfo = INV.TAXINFO},
                        readOnly)
{}

CreditMemos::CreditMemos(bool readOnly)
    : app::DocumentMemo({.name = "Win:CreditMemos",
                         .title = "Credit Memo",
                         .okTip = "Save Memo and Return to Credit Memo...",
                         .memo = CRE.MEMOS,
                         .taxInfo = CRE.TAXINFO},
                        readOnly)
{}

PurchaseOrderMemos::PurchaseOrderMemos(bool readOnly)
    : app::DocumentMemo({.name = "Win:PurchaseOrderMemos",
                         .title = "Purchase Order Memo",
                         .okTip = "Save Memo and Return to Invoice...",
                         .memo = PUR.MEMOS,
                         .taxInfo = PUR.TAXINFO},
                        readOnly)
{}

} // namespace Win
