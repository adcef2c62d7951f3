#include "app/recurring/rebill.h"

#include "app/common/booking.h"
#include "app/common/ledger.h"
#include "app/invoices/invoicebook.h"
#include "app/invoices/invoiceshare.h"
#include "app/invoices/stockmoves.h"
#include "app/recurring/billingcycle.h"
#include "dictionary/files.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/lookup.h"
#include "dictionary/runtimeerror.h"

#include <string>

namespace app::recurring {

namespace {

using app::Step;

const std::vector<dict::FileManager *> BillFiles{&Access::INVOICE,  &Access::DESCRIPTION, &Access::FINANCE,
                                                 &Access::TOTALINV, &Access::CUSTOMER,    &Access::STOCK};

// The source's lines, on the copy's number and date; each takes its stock as a typed line does
// (a special item's components too, a back order for what on hand cannot cover).
Step copyLines(dict::LONG sourceNo, const dict::INVOICERecord &copy)
{
    for (const invoices::StoredLine &stored : invoices::linesOf(sourceNo)) {
        dict::DESCRIPTIONRecord line = stored.line;
        line.INVOICENO = copy.INVOICENO;
        line.DATE = copy.DATE;
        line.MONTH = copy.MONTH;
        line.BACKORDER = 0; // the source's shortage was its own; the copy's is taken below
        line.AMOUNTBACKORDERED = 0;
        if (invoices::takeStock(line) != dict::Benign)
            return dict::Notify;
        static_cast<dict::DESCRIPTIONRecord &>(DES) = line;
        if (Step added = Access::DESCRIPTION.TryInsert(); !added) // numbered within the copy
            return added;
    }
    return dict::Benign;
}

// The copy's share of the books, as a saved invoice books it.
Step bookCopy(const dict::INVOICERecord &copy)
{
    if (invoices::moveTotals({}, invoices::shareOf(copy)) != dict::Benign)
        return dict::Notify;
    if (Step moved = moveBalance(copy.CUSTOMERNO, copy.TOTALDUE, true); !moved)
        return moved;
    return invoices::bookOwnFinance(copy);
}

// The body of the unit. `bill` says what came of it once the body succeeds.
Step billInUnit(dict::LONG invoiceNo, fw::DayNumber today, Bill &bill)
{
    INV.INVOICENO = invoiceNo;
    if (Access::INVOICE.TryFetch(INV.InvoiceNo_Key) != dict::Benign)
        return Access::INVOICE.GetError() == dict::Err::RecordNotFound ? dict::Benign : dict::Notify;
    const dict::INVOICERecord source = INV;
    const std::string memo = INV.MEMOS.str();
    if (!dueOn(source, today))
        return dict::Benign; // billed meanwhile, by another station or a run stopped half-way
    if (!dict::lookup(CUS.CustomerNo_Key, source.CUSTOMERNO)) {
        bill.outcome = Bill::CustomerNotOnFile;
        return dict::Benign;
    }

    INV.REBILL = 0;
    INV.REBILLCYCLE = "N";
    if (Step left = Access::INVOICE.TryUpdate(); !left)
        return left;
    static_cast<dict::INVOICERecord &>(INV) = freshCopy(source, today);
    INV.MEMOS = memo;
    if (Step added = Access::INVOICE.TryInsert(); !added) // takes the next numbers
        return added;
    const dict::INVOICERecord copy = INV;
    if (Step lines = copyLines(invoiceNo, copy); !lines)
        return lines;
    if (Step booked = bookCopy(copy); !booked)
        return booked;
    bill = {Bill::Billed, copy.INVOICENO};
    return dict::Benign;
}

} // namespace

dict::INVOICERecord freshCopy(const dict::INVOICERecord &source, fw::DayNumber today)
{
    dict::INVOICERecord copy = source;
    copy.RECORDNO = 0;
    copy.INVOICENO = 0;
    copy.DATE = today;
    copy.MONTH = static_cast<dict::SHORT>(fw::monthOf(today));
    copy.REBILL = 1; // the copy carries the series on, in the source's cycle
    copy.AMOUNTPAID = 0;
    copy.AMOUNTOWED = copy.TOTALDUE;
    copy.DATEPAID = 0;
    copy.PRINTED.clear();
    copy.CHECKNO = 0;
    copy.CREDITCARDAUTHORIZENO = 0;
    copy.MONEYORDERNO.clear();
    copy.CREDITCHECK = 0;
    copy.CHECKINVOICE = 0;
    return copy;
}

Bill billAgain(dict::LONG invoiceNo, fw::DayNumber today)
{
    dict::KeptBuffers kept{&Access::INVOICE, &Access::DESCRIPTION, &Access::FINANCE,
                           &Access::TOTALINV, &Access::CUSTOMER,    &Access::STOCK};
    Bill bill;
    const int booked = book(BillFiles, "Invoice " + std::to_string(invoiceNo),
                            [&] {
                                bill = {};
                                return billInUnit(invoiceNo, today, bill);
                            });
    if (booked != dict::Benign)
        return {Bill::Failed, 0};
    return bill;
}

} // namespace app::recurring
