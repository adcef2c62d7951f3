// Win::ReOccuringInvoices: the recurring run. Reads INVOICE in invoice-number order in the
// progress window ("Processing Records") and bills again every invoice whose cycle has come,
// each copy one unit of work (see rebill.h). Cancel stops between invoices; what was billed stays.
// When the window closes, the copies made are tagged and printed, and invoices skipped because
// their customer is gone are named in one message.
#pragma once

#include "dictionary/records.h"
#include "framework/picture.h"
#include "framework/reportmanager.h"

#include <functional>
#include <vector>

namespace Win {

class ReOccuringInvoices : public fw::ReportManager
{
public:
    // The run bills what is due on `today`.
    explicit ReOccuringInvoices(fw::DayNumber today = fw::today());

    int Init() override;
    int Kill() override;
    int TakeRecord() override;

    // Prints the tagged copies; the tagged-invoices report unless replaced.
    std::function<void()> printCopies;

    const std::vector<dict::LONG> &copies() const { return copies_; }

private:
    struct Skipped {
        dict::LONG invoiceNo;
        std::string customerNo;
    };
    bool openFiles();
    void reportSkipped() const;
    void printTheCopies() const;

    fw::ProcessClass pass_;
    std::vector<std::function<void()>> closers_;
    fw::DayNumber today_;
    // The highest invoice number when the run began: every copy comes after it, and is never
    // billed again in the run that made it.
    dict::LONG lastSource_ = 0;
    std::vector<dict::LONG> copies_;
    std::vector<Skipped> skipped_;
};

} // namespace Win
