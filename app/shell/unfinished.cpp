#include "app/shell/unfinished.h"

#include "app/creditmemos/creditbook.h"
#include "app/creditmemos/creditmemoform.h"
#include "app/creditmemos/creditmessages.h"
#include "app/invoices/invoicebook.h"
#include "app/invoices/invoiceform.h"
#include "app/invoices/invoicemessages.h"
#include "app/purchasing/purchasebook.h"
#include "app/purchasing/purchaseorderform.h"
#include "app/purchasing/purchasemessages.h"
#include "dictionary/errorreporter.h"
#include "dictionary/files.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/lookup.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <iterator>

namespace app {

namespace {

// The files an unfinished document is removed from, open while the start-up check runs.
class DocumentFilesOpen
{
public:
    DocumentFilesOpen()
    {
        for (dict::FileManager *file : files_)
            opened_ += file->Open() == dict::Benign ? 1 : 0;
    }
    ~DocumentFilesOpen()
    {
        for (dict::FileManager *file : files_)
            file->Close();
    }
    bool ready() const { return opened_ == int(std::size(files_)); }

private:
    dict::FileManager *const files_[11] = {&Access::INVOICE,  &Access::DESCRIPTION, &Access::CREDIT,
                                           &Access::CRSCRIPTION, &Access::FINANCE, &Access::TOTALINV,
                                           &Access::CUSTOMER, &Access::STOCK,     &Access::PURORDER,
                                           &Access::PURDESCRIPTION, &Access::VENFIN};
    int opened_ = 0;
};

// A claim left by a program that no longer runs: taken over now. A document without a claim file
// is being numbered this instant, or was left before claims were kept: not this machine's.
bool leftHere(Entry kind, dict::LONG number)
{
    return hasClaim(kind, number) && !holdsClaim(kind, number) && claimEntry(kind, number);
}

// Takes the reserved record of the document up again, so that Cancel's booking removes it.
bool resumed(const Unfinished &entry)
{
    if (entry.kind == Entry::Invoice) {
        INV.INVOICENO = entry.number;
        return Access::INVOICE.TryFetch(INV.InvoiceNo_Key) == dict::Benign && beingEntered(INV)
               && Access::INVOICE.ResumeReserved() == dict::Benign;
    }
    if (entry.kind == Entry::PurchaseOrder) {
        PUR.PORDERNO = entry.number;
        return Access::PURORDER.TryFetch(PUR.POrderNo_Key) == dict::Benign && beingEntered(PUR)
               && Access::PURORDER.ResumeReserved() == dict::Benign;
    }
    CRE.CREDITMEMONO = entry.number;
    return Access::CREDIT.TryFetch(CRE.CreditMemoNo_Key) == dict::Benign && beingEntered(CRE)
           && Access::CREDIT.ResumeReserved() == dict::Benign;
}

} // namespace

std::vector<Unfinished> unfinishedEntries()
{
    std::vector<Unfinished> found;
    for (const auto &invoice : dict::range(INV.Customer_Key, dict::String<10>{}))
        if (beingEntered(invoice) && leftHere(Entry::Invoice, invoice.INVOICENO))
            found.push_back({Entry::Invoice, invoice.INVOICENO});
    for (const auto &memo : dict::range(CRE.Customer_Key, dict::String<10>{}))
        if (beingEntered(memo) && leftHere(Entry::CreditMemo, memo.CREDITMEMONO))
            found.push_back({Entry::CreditMemo, memo.CREDITMEMONO});
    for (const auto &order : dict::range(PUR.Vendor_Key, dict::String<20>{}))
        if (beingEntered(order) && leftHere(Entry::PurchaseOrder, order.PORDERNO))
            found.push_back({Entry::PurchaseOrder, order.PORDERNO});
    return found;
}

int removeUnfinished(const Unfinished &entry)
{
    dict::KeptBuffers kept{&Access::INVOICE, &Access::CREDIT, &Access::PURORDER};
    if (!resumed(entry)) {
        releaseEntry(entry.kind, entry.number); // gone, or saved meanwhile
        return dict::Benign;
    }
    // An invoice's lines hold stock until it is saved; a memo's have given theirs back; an order's
    // are on back order.
    const int removed = entry.kind == Entry::Invoice      ? invoices::cancelNewInvoice(entry.number, true)
                        : entry.kind == Entry::CreditMemo ? creditmemos::cancelNewCreditMemo(entry.number)
                                                          : purchasing::cancelNewOrder(entry.number);
    if (removed == dict::Benign)
        releaseEntry(entry.kind, entry.number);
    return removed;
}

bool offerUnfinishedEntries()
{
    const DocumentFilesOpen files;
    if (!files.ready())
        return false;
    fw::ErrorClass &errors = REPORTS::Errors();
    installInvoiceMessages(errors);
    installCreditMemoMessages(errors);
    installPurchaseMessages(errors);
    bool opened = false;
    for (const Unfinished &entry : unfinishedEntries()) {
        errors.SetField(fw::formatValue(entry.number, "@n06"));
        const int message = entry.kind == Entry::Invoice      ? InvMsg::UnfinishedInvoice
                            : entry.kind == Entry::CreditMemo ? CreMsg::UnfinishedCreditMemo
                                                              : PurMsg::UnfinishedPurchaseOrder;
        if (errors.Message(message, dict::ButtonYes | dict::ButtonNo, dict::ButtonYes,
                           {{dict::ButtonYes, "&Finish"}, {dict::ButtonNo, "&Remove"}})
            != dict::ButtonYes) {
            removeUnfinished(entry);
            continue;
        }
        if (entry.kind == Entry::Invoice)
            (new Upd::Invoice(entry.number))->Start();
        else if (entry.kind == Entry::CreditMemo)
            (new Upd::CreditMemo(entry.number))->Start();
        else
            (new Upd::PurchaseOrder(entry.number))->Start();
        opened = true;
    }
    return opened;
}

} // namespace app
