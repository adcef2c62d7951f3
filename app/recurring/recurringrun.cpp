#include "app/recurring/recurringrun.h"

#include "app/recurring/billingcycle.h"
#include "app/recurring/rebill.h"
#include "app/recurring/recurringmessages.h"
#include "app/shell/procedures.h"
#include "dictionary/files.h"
#include "dictionary/keptbuffers.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"
#include "tagging/tags.h"

#include <string>

namespace Win {

namespace {

dict::LONG highestInvoiceNo()
{
    dict::KeptPlace kept(Access::INVOICE);
    Access::INVOICE.SetEnd(INV.InvoiceNo_Key);
    return Access::INVOICE.TryPrevious() == dict::Benign ? dict::LONG{INV.INVOICENO} : 0;
}

} // namespace

ReOccuringInvoices::ReOccuringInvoices(fw::DayNumber today)
    : printCopies([] { app::runProcedure("PRN:INVOICESTAGGED"); }),
      today_(today)
{
    procedureName = "Win:ReOccuringInvoices";
}

// The files the bills write, each opened once for the run and closed by Kill.
bool ReOccuringInvoices::openFiles()
{
    for (dict::RelationManager *file : {&Relate::INVOICE, &Relate::DESCRIPTION}) {
        if (file->Open() != dict::Benign)
            return false;
        closers_.push_back([file] { file->Close(); });
    }
    for (dict::FileManager *file :
         {&Access::CUSTOMER, &Access::TOTALINV, &Access::FINANCE, &Access::STOCK, &Access::SPECIAL}) {
        if (file->Open() != dict::Benign)
            return false;
        closers_.push_back([file] { file->Close(); });
    }
    return true;
}

int ReOccuringInvoices::Init()
{
    WindowManager::Init();
    app::installRecurringMessages(REPORTS::Errors());
    if (!openFiles())
        return dict::Notify;
    lastSource_ = highestInvoiceNo();
    pass_.Init(&Relate::INVOICE);
    pass_.AddSortOrder(INV.InvoiceNo_Key);
    ReportManager::Init(&pass_);
    return Open();
}

int ReOccuringInvoices::TakeRecord()
{
    // A cheap look at the record read; the bill reads it again inside its unit.
    if (INV.INVOICENO > lastSource_ || !app::recurring::dueOn(INV, today_))
        return dict::Benign;
    const dict::LONG source = INV.INVOICENO;
    const std::string customer = INV.CUSTOMERNO.str();
    const app::recurring::Bill bill = app::recurring::billAgain(source, today_);
    if (bill.outcome == app::recurring::Bill::Failed)
        return dict::Notify; // the user has been told; the run stops, what was billed stays
    if (bill.outcome == app::recurring::Bill::Billed)
        copies_.push_back(bill.copyNo);
    else if (bill.outcome == app::recurring::Bill::CustomerNotOnFile)
        skipped_.push_back({source, customer});
    return dict::Benign;
}

void ReOccuringInvoices::reportSkipped() const
{
    if (skipped_.empty())
        return;
    std::string list;
    for (const Skipped &skipped : skipped_)
        list += (list.empty() ? "" : ", ") + std::to_string(skipped.invoiceNo) + " (customer "
                + skipped.customerNo + ")";
    REPORTS::Errors().ThrowMessage(app::RecurMsg::CustomersNotOnFile, list);
}

// The tagged-invoices report prints what table 3 holds: the copies of this run, nothing else.
void ReOccuringInvoices::printTheCopies() const
{
    if (copies_.empty())
        return;
    ST::StreamTag_(); // one write of the tag file for all of them
    ST::NewTag_(ST::InvoiceTable);
    for (dict::LONG copy : copies_)
        ST::SetTag_(ST::InvoiceTable, copy);
    ST::FlushTag_();
    if (printCopies)
        printCopies();
}

int ReOccuringInvoices::Kill()
{
    reportSkipped();
    WindowManager::Kill();
    for (auto close = closers_.rbegin(); close != closers_.rend(); ++close)
        (*close)();
    closers_.clear();
    printTheCopies();
    return dict::Benign;
}

} // namespace Win
