#include "app/invoices/invoicebook.h"

#include "app/common/booking.h"
#include "app/common/ledger.h"
#include "app/invoices/invoicemath.h"
#include "app/invoices/invoicemessages.h"
#include "app/invoices/invoiceshare.h"
#include "app/invoices/stockmoves.h"
#include "dictionary/files.h"
#include "dictionary/decimal.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

namespace app::invoices {

namespace {

using app::book;
using app::isOwnFinanceRecord;
using dict::KeptBuffers;
using app::moveBalance;
using app::refuse;
using app::Step;

std::string invoiceName(dict::LONG number) { return "Invoice " + std::to_string(number); }

} // namespace

Share shareOf(const dict::INVOICERecord &invoice)
{
    if (invoice.QUOTES != 0)
        return {};
    return {invoice.RETAIL, invoice.TOTALDISCOUNT, invoice.COD, invoice.SHIPPING,
            invoice.TAX,    invoice.GST,           invoice.LABOR, invoice.TOTALDUE};
}

namespace {

bool sameShare(const Share &a, const Share &b)
{
    return a.retail == b.retail && a.discount == b.discount && a.cod == b.cod && a.shipping == b.shipping
        && a.tax == b.tax && a.gst == b.gst && a.labor == b.labor && a.totalDue == b.totalDue;
}

// A running total moved by the difference between two documents' figures, in exact decimals, so
// it stays the sum of the documents' stored figures however many moves it has seen.
void move(dict::Unaligned<dict::REAL> &total, double was, double now)
{
    total = (dict::Decimal(total) + dict::Decimal(now) - dict::Decimal(was)).toDouble();
}

} // namespace

int moveTotals(const Share &was, const Share &now)
{
    if (sameShare(was, now))
        return dict::Benign;
    TOT.RECORDNO = 1;
    const bool found = Access::TOTALINV.TryFetch(TOT.RecordNo_Key) == dict::Benign;
    if (!found) {
        if (Access::TOTALINV.TryPrimeRecord() != dict::Benign)
            return dict::Notify;
        TOT.RECORDNO = 1;
    }
    move(TOT.RETAIL, was.retail, now.retail);
    move(TOT.DISCOUNT, was.discount, now.discount);
    move(TOT.COD, was.cod, now.cod);
    move(TOT.SHIPPING, was.shipping, now.shipping);
    move(TOT.TAX, was.tax, now.tax);
    move(TOT.GST, was.gst, now.gst);
    move(TOT.LABOR, was.labor, now.labor);
    move(TOT.TOTALDUE, was.totalDue, now.totalDue);
    return found ? Access::TOTALINV.TryUpdate() : Access::TOTALINV.TryInsert();
}

namespace {

std::optional<dict::storage::Position> ownFinanceOf(dict::LONG invoiceNo)
{
    for (const auto &record : dict::range(FIN.InvoiceNo_Key, invoiceNo))
        if (isOwnFinanceRecord(record))
            return record.position;
    return std::nullopt;
}

} // namespace

int bookOwnFinance(const dict::INVOICERecord &invoice)
{
    const std::optional<dict::storage::Position> own = ownFinanceOf(invoice.INVOICENO);
    const bool found = own.has_value();
    if (found && Access::FINANCE.TryReget(*own) != dict::Benign)
        return dict::Notify;
    if (invoice.QUOTES != 0)
        return found ? Access::FINANCE.TryDeleteRecord() : dict::Benign;
    if (!found && Access::FINANCE.TryPrimeRecord() != dict::Benign)
        return dict::Notify;
    FIN.INVOICENO = invoice.INVOICENO;
    FIN.CUSTOMERNO = invoice.CUSTOMERNO;
    FIN.DATE = invoice.DATE;
    FIN.TERMS = invoice.TERMS;
    FIN.INVOICETOTAL = invoice.TOTALDUE;
    FIN.AMOUNTDUE = invoice.TOTALDUE;
    return found ? Access::FINANCE.TryUpdate() : Access::FINANCE.TryInsert();
}

namespace {

int storeLine(const StoredLine &stored)
{
    if (Access::DESCRIPTION.TryReget(stored.position) != dict::Benign)
        return dict::Notify;
    static_cast<dict::DESCRIPTIONRecord &>(DES) = stored.line;
    return Access::DESCRIPTION.TryUpdate();
}

bool sameLine(const dict::DESCRIPTIONRecord &a, const dict::DESCRIPTIONRecord &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Brings every line in step with the invoice: its figures by the invoice's terms, its customer,
// and its stock (held exactly while the invoice is booked as an invoice).
int alignLines(std::vector<StoredLine> &lines, const dict::INVOICERecord &invoice, bool pstOnGst,
               bool &linesHoldStock)
{
    const bool holdStock = invoice.QUOTES == 0;
    const LineTerms terms = lineTermsOf(invoice, pstOnGst);
    for (StoredLine &stored : lines) {
        dict::DESCRIPTIONRecord line = stored.line;
        computeLine(line, terms);
        line.CUSTOMERNO = invoice.CUSTOMERNO;
        if (holdStock != linesHoldStock
            && (holdStock ? takeStock(line) : returnStock(line)) != dict::Benign)
            return dict::Notify;
        if (sameLine(line, stored.line))
            continue;
        stored.line = line;
        if (storeLine(stored) != dict::Benign)
            return dict::Notify;
    }
    linesHoldStock = holdStock;
    return dict::Benign;
}

std::vector<dict::DESCRIPTIONRecord> recordsOf(const std::vector<StoredLine> &lines)
{
    std::vector<dict::DESCRIPTIONRecord> records;
    records.reserve(lines.size());
    for (const StoredLine &stored : lines)
        records.push_back(stored.line);
    return records;
}

// The invoice takes the totals its lines make under its terms.
void totalUp(dict::INVOICERecord &invoice, const std::vector<dict::DESCRIPTIONRecord> &records, bool pstOnGst)
{
    for (const dict::DESCRIPTIONRecord &line : records)
        if (line.LINEITEMDISCOUNT != 0 && invoice.CUSTOMERDISCOUNT == 0)
            invoice.LINEITEMDISCOUNT = 1; // the lines carry the discounts
    computeTotals(invoice, sumLines(records, invoice.LINEITEMDISCOUNT != 0), GLO.CANADIAN, pstOnGst);
}

// Reads the invoice as it is on file now into `stored`; the INV buffer keeps the form's record,
// and the file manager watches the version just read.
bool readStored(const dict::INVOICERecord &form, dict::INVOICERecord &stored)
{
    const dict::Memo memo = INV.MEMOS;
    INV.INVOICENO = form.INVOICENO;
    const bool found = Access::INVOICE.TryFetch(INV.InvoiceNo_Key) == dict::Benign;
    stored = INV;
    static_cast<dict::INVOICERecord &>(INV) = form;
    INV.MEMOS = memo;
    return found;
}

bool customerChoosesPstOnGst(const dict::String<10> &customerNo)
{
    CUS.CUSTOMERNO = customerNo;
    return Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) == dict::Benign && CUS.LONGDISTANCE != 0;
}

// Books the customer side: the balance moves by the change of the total due, and a booked
// invoice that changes customer takes its lines' customer and FINANCE record along.
Step bookCustomers(const dict::INVOICERecord &stored, const Share &was, const dict::INVOICERecord &invoice,
                   const Share &now)
{
    const bool moving = stored.CUSTOMERNO != invoice.CUSTOMERNO && !stored.CUSTOMERNO.blank()
                        && stored.QUOTES == 0 && !dict::isZeroMoney(was.totalDue);
    if (!moving)
        return moveBalance(invoice.CUSTOMERNO, now.totalDue - was.totalDue, invoice.QUOTES == 0);
    if (stored.AMOUNTPAID != 0 || hasPayments(invoice.INVOICENO))
        return refuse(InvMsg::CannotMoveInvoice, stored.CUSTOMERNO.str());
    if (Step left = moveBalance(stored.CUSTOMERNO, -was.totalDue, false); !left)
        return left;
    return moveBalance(invoice.CUSTOMERNO, now.totalDue, invoice.QUOTES == 0);
}

// Inside a line's unit, after the line was written: the saved invoice takes the totals its stored
// lines make under its stored terms, and TOTALINV, its customer's balance and its own FINANCE
// record move by the difference, so the books agree after every line. A new invoice whose number
// is only reserved (no customer on file yet) books nothing until it is saved. Uses INV.
Step settleStored(dict::LONG invoiceNo)
{
    INV.INVOICENO = invoiceNo;
    if (Access::INVOICE.TryFetch(INV.InvoiceNo_Key) != dict::Benign)
        return Access::INVOICE.GetError() == dict::Err::RecordNotFound ? dict::Benign : dict::Notify;
    const dict::INVOICERecord stored = INV;
    if (stored.CUSTOMERNO.blank())
        return dict::Benign;
    dict::INVOICERecord invoice = stored;
    totalUp(invoice, recordsOf(linesOf(invoiceNo)), customerChoosesPstOnGst(invoice.CUSTOMERNO));
    if (std::memcmp(&invoice, &stored, sizeof invoice) == 0)
        return dict::Benign;
    const Share was = shareOf(stored);
    const Share now = shareOf(invoice);
    if (moveTotals(was, now) != dict::Benign)
        return dict::Notify;
    if (Step moved = moveBalance(invoice.CUSTOMERNO, now.totalDue - was.totalDue, invoice.QUOTES == 0); !moved)
        return moved;
    if (invoice.QUOTES == 0 && bookOwnFinance(invoice) != dict::Benign)
        return dict::Notify;
    static_cast<dict::INVOICERecord &>(INV) = invoice; // the memo read with it stays
    return Access::INVOICE.TryUpdate();
}

// The invoice's discount may change only while nothing is paid on it, as stored now: a payment
// taken at another station since the form read the invoice refuses the change.
Step discountMayChange(const dict::INVOICERecord &form, const dict::INVOICERecord &stored)
{
    if (form.CUSTOMERDISCOUNT == stored.CUSTOMERDISCOUNT || stored.CUSTOMERNO.blank())
        return dict::Benign;
    if (stored.AMOUNTPAID != 0 || hasPayments(form.INVOICENO))
        return refuse(InvMsg::DiscountWhilePaid, "");
    return dict::Benign;
}

// The body of a save, inside its unit: INV holds the invoice to store.
Step bookInvoice(bool insert, bool &linesHoldStock)
{
    dict::INVOICERecord invoice = INV;
    dict::INVOICERecord stored{};
    if (!readStored(invoice, stored))
        return dict::Notify;
    if (Step allowed = discountMayChange(invoice, stored); !allowed)
        return allowed;
    // Payments are booked by their own windows; the form's copy may be older.
    invoice.AMOUNTPAID = stored.AMOUNTPAID;
    invoice.DATEPAID = stored.DATEPAID;
    invoice.CREDITCHECK = stored.CREDITCHECK;
    if (insert)
        stored = {}; // a reserved number books nothing yet
    invoice.MONTH = static_cast<dict::SHORT>(fw::monthOf(invoice.DATE));

    std::vector<StoredLine> lines = linesOf(invoice.INVOICENO);
    const bool pstOnGst = customerChoosesPstOnGst(invoice.CUSTOMERNO);
    if (alignLines(lines, invoice, pstOnGst, linesHoldStock) != dict::Benign)
        return dict::Notify;
    totalUp(invoice, recordsOf(lines), pstOnGst);

    const Share was = shareOf(stored);
    const Share now = shareOf(invoice);
    if (moveTotals(was, now) != dict::Benign)
        return dict::Notify;
    if (Step customers = bookCustomers(stored, was, invoice, now); !customers)
        return customers;
    if ((invoice.QUOTES == 0 || stored.QUOTES == 0) && bookOwnFinance(invoice) != dict::Benign)
        return dict::Notify;
    if (stored.QUOTES != 0 && invoice.QUOTES == 0)
        invoice.PRINTED.clear(); // the quote was printed; the invoice it becomes has not been
    static_cast<dict::INVOICERecord &>(INV) = invoice;
    return insert ? Access::INVOICE.TryInsert() : Access::INVOICE.TryUpdate();
}

const std::vector<dict::FileManager *> InvoiceFiles{&Access::INVOICE,  &Access::DESCRIPTION, &Access::FINANCE,
                                                    &Access::TOTALINV, &Access::CUSTOMER,    &Access::STOCK};

// Deletes the credit memos made from the invoice with their lines; the stock their lines put
// back goes out again.
int dropCreditMemos(dict::LONG invoiceNo)
{
    for (const auto &memo : dict::range(CRE.Invoice_Key, invoiceNo)) {
        for (const auto &line : dict::range(CRS.CreditMemoNo_Key, memo.CREDITMEMONO)) {
            if (line.LABORBUTTON == 0 && adjustStock(line.STOCKNO, line.RECORDNO, -line.QUANTITY) != dict::Benign)
                return dict::Notify;
            if (Access::CRSCRIPTION.TryReget(line.position) != dict::Benign
                || Access::CRSCRIPTION.TryDeleteRecord() != dict::Benign)
                return dict::Notify;
        }
        if (Access::CREDIT.TryReget(memo.position) != dict::Benign || Access::CREDIT.TryDeleteRecord() != dict::Benign)
            return dict::Notify;
    }
    return dict::Benign;
}

bool anyFinance(const dict::String<10> &customerNo) { return dict::lookup(FIN.CustomerNo_Key, customerNo).has_value(); }

// Deletes the invoice's FINANCE records (a kept credit memo keeps its own) and takes what they
// added off each customer's balance. A customer left with no FINANCE record has none present.
Step dropFinance(dict::LONG invoiceNo, bool keepCreditMemos)
{
    for (const auto &record : dict::range(FIN.InvoiceNo_Key, invoiceNo)) {
        if (keepCreditMemos && record.CREDITMEMONO != 0)
            continue;
        if (Access::FINANCE.TryReget(record.position) != dict::Benign || Access::FINANCE.TryDeleteRecord() != dict::Benign)
            return dict::Notify;
        if (Step moved = moveBalance(record.CUSTOMERNO, -record.AMOUNTDUE, false); !moved)
            return moved;
        if (anyFinance(record.CUSTOMERNO))
            continue;
        CUS.FINANCEPRESENT = 0;
        if (Access::CUSTOMER.TryUpdate() != dict::Benign)
            return dict::Notify;
    }
    return dict::Benign;
}

Step bookDeletion(dict::LONG invoiceNo, bool returnItems)
{
    INV.INVOICENO = invoiceNo;
    if (Access::INVOICE.TryFetch(INV.InvoiceNo_Key) != dict::Benign)
        return dict::Benign; // deleted meanwhile: nothing of it is booked any more
    const dict::INVOICERecord stored = INV;
    const bool giveBack = returnItems && stored.QUOTES == 0;
    for (StoredLine &line : linesOf(invoiceNo)) {
        if ((giveBack && returnStock(line.line) != dict::Benign)
            || Access::DESCRIPTION.TryReget(line.position) != dict::Benign
            || Access::DESCRIPTION.TryDeleteRecord() != dict::Benign)
            return dict::Notify;
    }
    if (giveBack && dropCreditMemos(invoiceNo) != dict::Benign)
        return dict::Notify;
    if (Step dropped = dropFinance(invoiceNo, !giveBack); !dropped)
        return dropped;
    if (moveTotals(shareOf(stored), {}) != dict::Benign)
        return dict::Notify;
    INV.INVOICENO = invoiceNo;
    if (Access::INVOICE.TryFetch(INV.InvoiceNo_Key) != dict::Benign)
        return dict::Notify;
    return Access::INVOICE.TryDeleteRecord();
}

// The body of a cancel of a new invoice, inside its unit.
Step unbookNewInvoice(dict::LONG invoiceNo, bool linesHoldStock)
{
    for (StoredLine &stored : linesOf(invoiceNo)) {
        if ((linesHoldStock && returnStock(stored.line) != dict::Benign)
            || Access::DESCRIPTION.TryReget(stored.position) != dict::Benign
            || Access::DESCRIPTION.TryDeleteRecord() != dict::Benign)
            return dict::Notify;
    }
    // Payments taken on the new invoice are reversed: each had lowered the balance.
    for (const auto &payment : dict::range(FIN.InvoiceNo_Key, invoiceNo)) {
        if (Access::FINANCE.TryReget(payment.position) != dict::Benign || Access::FINANCE.TryDeleteRecord() != dict::Benign)
            return dict::Notify;
        if (Step moved = moveBalance(payment.CUSTOMERNO, -payment.AMOUNTDUE, false); !moved)
            return moved;
    }
    return Access::INVOICE.CancelAutoInc();
}

} // namespace

std::vector<StoredLine> linesOf(dict::LONG invoiceNo)
{
    std::vector<StoredLine> lines;
    for (const auto &line : dict::range(DES.InvoiceNo_Key, invoiceNo))
        lines.push_back({line, line.position});
    return lines;
}

LineTerms lineTermsOf(const dict::INVOICERecord &invoice, bool pstOnGst)
{
    LineTerms terms;
    terms.regime = GLO.CANADIAN;
    terms.customerDiscount = invoice.CUSTOMERDISCOUNT;
    terms.taxRate = invoice.TAXRATE;
    terms.gstRate = invoice.GSTTAXRATE;
    terms.laborRate = invoice.LABORRATE;
    terms.pstOnGst = pstOnGst;
    terms.laborTaxable = GLO.TAXABLE != 0;
    return terms;
}

bool hasPayments(dict::LONG invoiceNo)
{
    const auto records = dict::range(FIN.InvoiceNo_Key, invoiceNo);
    return std::ranges::any_of(records, [](const dict::FINANCERecord &record) { return !isOwnFinanceRecord(record); });
}

int bookLine(bool insert, const dict::DESCRIPTIONRecord &before, bool linesHoldStock)
{
    KeptBuffers kept{&Access::INVOICE, &Access::FINANCE, &Access::TOTALINV, &Access::CUSTOMER};
    const dict::DESCRIPTIONRecord form = DES;
    const std::string what = invoiceName(form.INVOICENO) + ", item " + std::to_string(form.ITEMNO);
    const int booked = book(InvoiceFiles, what, [&]() -> Step {
        dict::DESCRIPTIONRecord line = form; // takes its back order from what is on hand now
        if (linesHoldStock) {
            dict::DESCRIPTIONRecord old = before;
            if ((!insert && returnStock(old) != dict::Benign) || takeStock(line) != dict::Benign)
                return dict::Notify;
        }
        static_cast<dict::DESCRIPTIONRecord &>(DES) = line;
        if (Step stored = insert ? Access::DESCRIPTION.TryInsert() : Access::DESCRIPTION.TryUpdate(); !stored)
            return stored;
        const dict::storage::Position position = Access::DESCRIPTION.Position();
        if (Step settled = settleStored(line.INVOICENO); !settled)
            return settled;
        return Access::DESCRIPTION.TryReget(position); // the line as stored, current, for the line form
    });
    if (booked != dict::Benign)
        static_cast<dict::DESCRIPTIONRecord &>(DES) = form;
    return booked;
}

int unbookLine(bool linesHoldStock)
{
    KeptBuffers kept{&Access::INVOICE, &Access::FINANCE, &Access::TOTALINV, &Access::CUSTOMER,
                     &Access::DESCRIPTION};
    const dict::DESCRIPTIONRecord line = DES;
    const std::string what = invoiceName(line.INVOICENO) + ", item " + std::to_string(line.ITEMNO);
    return book(InvoiceFiles, what, [&]() -> Step {
        dict::DESCRIPTIONRecord given = line;
        if (linesHoldStock && returnStock(given) != dict::Benign)
            return dict::Notify;
        static_cast<dict::DESCRIPTIONRecord &>(DES) = line;
        if (Step deleted = Access::DESCRIPTION.TryDeleteRecord(); !deleted)
            return deleted;
        return settleStored(line.INVOICENO);
    });
}

int refigureLines(const dict::INVOICERecord &invoice, bool pstOnGst)
{
    const dict::INVOICERecord form = invoice; // the caller's may be the INV buffer, read into below
    KeptBuffers kept{&Access::DESCRIPTION, &Access::INVOICE, &Access::FINANCE, &Access::TOTALINV, &Access::CUSTOMER};
    return book(InvoiceFiles, invoiceName(form.INVOICENO), [&]() -> Step {
        dict::INVOICERecord onFile{};
        if (readStored(form, onFile)) {
            if (Step allowed = discountMayChange(form, onFile); !allowed)
                return allowed;
        }
        const LineTerms terms = lineTermsOf(form, pstOnGst);
        for (StoredLine &stored : linesOf(form.INVOICENO)) {
            dict::DESCRIPTIONRecord line = stored.line;
            computeLine(line, terms);
            if (sameLine(line, stored.line))
                continue;
            stored.line = line;
            if (storeLine(stored) != dict::Benign)
                return dict::Notify;
        }
        return settleStored(form.INVOICENO);
    });
}

int saveInvoice(bool insert, bool &linesHoldStock)
{
    KeptBuffers kept{&Access::DESCRIPTION, &Access::FINANCE, &Access::TOTALINV, &Access::CUSTOMER,
                     &Access::STOCK};
    const dict::INVOICERecord form = INV;
    bool holding = linesHoldStock;
    if (book(InvoiceFiles, invoiceName(INV.INVOICENO), [&] { return bookInvoice(insert, holding); }) != dict::Benign) {
        static_cast<dict::INVOICERecord &>(INV) = form;
        return dict::Notify;
    }
    linesHoldStock = holding;
    return dict::Benign;
}

int settleChange(dict::LONG invoiceNo, bool &linesHoldStock)
{
    const dict::INVOICERecord form = INV;
    INV.INVOICENO = invoiceNo;
    if (Access::INVOICE.TryFetch(INV.InvoiceNo_Key) != dict::Benign) {
        static_cast<dict::INVOICERecord &>(INV) = form;
        return dict::Benign; // deleted meanwhile: nothing of it is booked any more
    }
    return saveInvoice(false, linesHoldStock);
}

int deleteInvoice(dict::LONG invoiceNo, bool returnItems)
{
    KeptBuffers kept{&Access::INVOICE, &Access::DESCRIPTION, &Access::FINANCE, &Access::TOTALINV,
                     &Access::CUSTOMER, &Access::STOCK, &Access::CREDIT, &Access::CRSCRIPTION};
    return book({&Access::INVOICE, &Access::DESCRIPTION, &Access::FINANCE, &Access::TOTALINV, &Access::CUSTOMER,
                 &Access::STOCK, &Access::CREDIT, &Access::CRSCRIPTION},
                invoiceName(invoiceNo), [&] { return bookDeletion(invoiceNo, returnItems); });
}

int cancelNewInvoice(dict::LONG invoiceNo, bool linesHoldStock)
{
    KeptBuffers kept{&Access::DESCRIPTION, &Access::FINANCE, &Access::CUSTOMER, &Access::STOCK};
    return book(InvoiceFiles, invoiceName(invoiceNo), [&] { return unbookNewInvoice(invoiceNo, linesHoldStock); });
}

} // namespace app::invoices
