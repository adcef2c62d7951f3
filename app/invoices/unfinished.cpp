#include "app/invoices/unfinished.h"

#include "app/invoices/invoicebook.h"
#include "app/invoices/invoiceform.h"
#include "app/invoices/invoicemessages.h"
#include "dictionary/errorreporter.h"
#include "dictionary/files.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/lookup.h"
#include "dictionary/schema.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <map>
#include <memory>

namespace app::invoices {

namespace {

QString claimsFolder() { return QFileInfo(QString::fromUtf8(dict::DatabasePath)).dir().filePath(QStringLiteral("entering")); }

QString claimPath(dict::LONG invoiceNo)
{
    return QDir(claimsFolder()).filePath(QStringLiteral("INVOICE-%1.lock").arg(invoiceNo));
}

// The claims this program holds, by invoice number.
std::map<dict::LONG, std::unique_ptr<QLockFile>> &claims()
{
    static std::map<dict::LONG, std::unique_ptr<QLockFile>> held;
    return held;
}

// The files an unfinished invoice is removed from, open while the start-up check runs.
class InvoiceFilesOpen
{
public:
    InvoiceFilesOpen()
    {
        for (dict::FileManager *file : files_)
            opened_ += file->Open() == dict::Benign ? 1 : 0;
    }
    ~InvoiceFilesOpen()
    {
        for (dict::FileManager *file : files_)
            file->Close();
    }
    bool ready() const { return opened_ == int(std::size(files_)); }

private:
    dict::FileManager *const files_[6] = {&Access::INVOICE,  &Access::DESCRIPTION, &Access::FINANCE,
                                          &Access::TOTALINV, &Access::CUSTOMER,    &Access::STOCK};
    int opened_ = 0;
};

} // namespace

bool beingEntered(const dict::INVOICERecord &invoice) { return invoice.CUSTOMERNO.blank(); }

bool claimEntry(dict::LONG invoiceNo)
{
    if (claims().contains(invoiceNo))
        return true;
    QDir().mkpath(claimsFolder());
    auto claim = std::make_unique<QLockFile>(claimPath(invoiceNo));
    claim->setStaleLockTime(0); // held as long as the invoice is entered; only a dead program's is stale
    if (!claim->tryLock(0))
        return false;
    claims()[invoiceNo] = std::move(claim);
    return true;
}

void releaseEntry(dict::LONG invoiceNo) { claims().erase(invoiceNo); }

std::vector<dict::LONG> unfinishedInvoices()
{
    std::vector<dict::LONG> found;
    for (const auto &invoice : dict::range(INV.Customer_Key, dict::String<10>{})) {
        // An invoice without a claim file is being numbered this instant, or was left before
        // claims were kept: neither is this machine's to offer.
        if (!beingEntered(invoice) || !QFileInfo::exists(claimPath(invoice.INVOICENO)))
            continue;
        if (claims().contains(invoice.INVOICENO) || !claimEntry(invoice.INVOICENO))
            continue; // being entered here, or by a program still running
        found.push_back(invoice.INVOICENO);
    }
    return found;
}

int removeUnfinished(dict::LONG invoiceNo)
{
    dict::KeptBuffers kept{&Access::INVOICE};
    INV.INVOICENO = invoiceNo;
    if (Access::INVOICE.TryFetch(INV.InvoiceNo_Key) != dict::Benign || !beingEntered(INV)) {
        releaseEntry(invoiceNo); // gone, or saved meanwhile
        return dict::Benign;
    }
    if (Access::INVOICE.ResumeReserved() != dict::Benign)
        return dict::Notify;
    const int removed = cancelNewInvoice(invoiceNo, true); // an invoice's lines hold stock until it is saved
    if (removed == dict::Benign)
        releaseEntry(invoiceNo);
    return removed;
}

bool offerUnfinishedInvoices()
{
    const InvoiceFilesOpen files;
    if (!files.ready())
        return false;
    bool opened = false;
    for (const dict::LONG invoiceNo : unfinishedInvoices()) {
        REPORTS::Errors().SetField(fw::formatValue(invoiceNo, "@n06"));
        const int answer = REPORTS::Errors().Message(InvMsg::UnfinishedInvoice, dict::ButtonYes | dict::ButtonNo,
                                                     dict::ButtonYes, {{dict::ButtonYes, "&Finish"}, {dict::ButtonNo, "&Remove"}});
        if (answer != dict::ButtonYes) {
            removeUnfinished(invoiceNo);
            continue;
        }
        (new Upd::Invoice(invoiceNo))->Start();
        opened = true;
    }
    return opened;
}

} // namespace app::invoices
