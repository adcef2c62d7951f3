// Win::InvoiceMemos: the memo of the invoice in the INV buffer and its tax-registration line,
// with standard memos appended from the pick list. Opened from the invoice list it only shows
// them. Cancel leaves the buffer as the window found it; nothing is written to a file here (the
// invoice form's Save stores the memo).
#pragma once

#include "dictionary/fieldtypes.h"
#include "framework/procedure.h"

#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace Win {

class InvoiceMemos : public fw::Procedure
{
public:
    explicit InvoiceMemos(bool readOnly);

    struct Widgets {
        QPlainTextEdit *memo;
        QLineEdit *taxInfo;
        QPushButton *save, *cancel, *select, *help;
    };
    const Widgets &widgets() const { return w_; }

    int TakeAccepted(QWidget *control) override;
    int TakeCompleted() override;
    int TakeCloseEvent() override;

protected:
    int Build() override;

private:
    Widgets w_{};
    bool readOnly_;
    std::string openedMemo_;
    dict::String<50> openedTaxInfo_;
};

} // namespace Win
