#include "app/invoices/invoicememo.h"

#include "app/common/formlayout.h"
#include "app/memos/standardmemos.h"
#include "dictionary/files.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Win {

InvoiceMemos::InvoiceMemos(bool readOnly)
    : fw::Procedure({.name = "Win:InvoiceMemos", .title = "Invoice Memo", .files = {Access::MEMOS}})
    , readOnly_(readOnly)
{}

int InvoiceMemos::Build()
{
    openedMemo_ = INV.MEMOS.str();
    openedTaxInfo_ = INV.TAXINFO;
    QWidget *window = this->window();
    auto *layout = new QVBoxLayout(window);
    layout->addWidget(w_.memo = new QPlainTextEdit(window), 1);
    auto *grid = new QGridLayout;
    app::row(grid, 0, 0, "Tax Information:", w_.taxInfo = app::entry(window, 50, 40));
    layout->addLayout(grid);
    auto *buttons = new QHBoxLayout;
    w_.select = app::button(buttons, "&Select", "Select Highlighted Memo...");
    buttons->addStretch();
    w_.save = app::button(buttons, "&Save", "Save Memo and Return to Invoice...");
    w_.cancel = app::button(buttons, "Cancel", "Cancel and Return...");
    w_.help = app::button(buttons, "&Help", "Help...");
    layout->addLayout(buttons);
    bind(w_.memo, INV.MEMOS);
    bind(w_.taxInfo, INV.TAXINFO);
    UseFormButtons(w_.save, w_.cancel, w_.help);
    connectButton(w_.select);
    w_.memo->setReadOnly(readOnly_);
    w_.taxInfo->setReadOnly(readOnly_);
    w_.select->setEnabled(!readOnly_);
    FirstField = readOnly_ ? static_cast<QWidget *>(w_.save) : w_.memo;
    return dict::Benign;
}

int InvoiceMemos::TakeAccepted(QWidget *control)
{
    if (control != w_.select)
        return Procedure::TakeAccepted(control);
    Update();
    app::appendStandardMemo(INV.MEMOS);
    Display();
    return dict::Benign;
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
