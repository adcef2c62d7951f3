#include "app/invoices/invoicememo.h"

#include "app/memos/standardmemos.h"
#include "dictionary/files.h"

#include <QAbstractButton>
#include <QPushButton>

namespace Win {

InvoiceMemos::InvoiceMemos(bool readOnly)
    : fw::FormProcedure({.name = "Win:InvoiceMemos", .title = "Invoice Memo", .files = {Access::MEMOS}})
    , readOnly_(readOnly)
{}

fw::FormDeclaration InvoiceMemos::Declare()
{
    using namespace fw::form;
    return {.items = {memo(INV.MEMOS).readOnly(readOnly_),
                      field("Tax Information:", INV.TAXINFO).width(40).readOnly(readOnly_)},
            .foot = {button("&Select", "Select Highlighted Memo...", [this] { selectMemo(); }).named(Select)},
            .okText = "&Save",
            .okTip = "Save Memo and Return to Invoice...",
            .fixedSize = false};
}

int InvoiceMemos::Built()
{
    openedMemo_ = INV.MEMOS.str();
    openedTaxInfo_ = INV.TAXINFO;
    form().button(Select)->setEnabled(!readOnly_);
    if (readOnly_)
        FirstField = form().ok();
    return dict::Benign;
}

void InvoiceMemos::selectMemo()
{
    Update();
    app::appendStandardMemo(INV.MEMOS);
    Display();
}

int InvoiceMemos::TakeCompleted()
{
    if (!readOnly_)
        Update();
    return Procedure::TakeCompleted();
}

// Cancel puts back what the window opened with.
int InvoiceMemos::TakeCloseEvent()
{
    if (Response != fw::RequestCompleted) {
        INV.MEMOS = openedMemo_;
        INV.TAXINFO = openedTaxInfo_;
    }
    return Procedure::TakeCloseEvent();
}

} // namespace Win
