#include "app/creditmemos/creditbook.h"

#include "app/common/booking.h"
#include "app/common/ledger.h"
#include "app/common/maintenancemessages.h"
#include "app/creditmemos/creditmessages.h"
#include "app/invoices/invoicemath.h"
#include "app/invoices/stockmoves.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "dictionary/runtimeerror.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace app::creditmemos {

namespace {

using app::book;
using app::refuse;
using app::Step;
using dict::KeptBuffers;
namespace inv = app::invoices;

const std::vector<dict::FileManager *> CreditFiles{&Access::CREDIT,  &Access::CRSCRIPTION, &Access::FINANCE,
                                                   &Access::INVOICE, &Access::CUSTOMER,    &Access::STOCK};

std::string memoName(dict::LONG number) { return "Credit memo " + std::to_string(number); }

bool pstOnGstOf(const dict::String<10> &customerNo)
{
    const auto customer = dict::lookup(CUS.CustomerNo_Key, customerNo);
    return customer && customer->LONGDISTANCE != 0;
}

bool shippingTaxedOn(dict::LONG invoiceNo)
{
    const auto invoice = invoiceNo != 0 ? dict::lookup(INV.InvoiceNo_Key, invoiceNo) : std::nullopt;
    return invoice && invoice->TAXSHIPPING != 0;
}

// Gives the line's stock back (quantity 1) or takes it out again (-1); labour lines move none.
int returnLineStock(const dict::CRSCRIPTIONRecord &line, int direction)
{
    if (line.LABORBUTTON != 0 || line.QUANTITY == 0)
        return dict::Benign;
    return inv::adjustStock(line.STOCKNO, line.RECORDNO, direction * double(line.QUANTITY));
}

// The memo's own FINANCE record: paid = its total, due = minus it.
Step bookMemoFinance(const dict::CREDITRecord &memo)
{
    const auto own = dict::lookup(FIN.CreditMemoNo_Key, memo.CREDITMEMONO);
    if (own && Access::FINANCE.TryReget(own->position) != dict::Benign)
        return dict::Notify;
    if (!own && Access::FINANCE.TryPrimeRecord() != dict::Benign)
        return dict::Notify;
    FIN.CREDITMEMONO = memo.CREDITMEMONO;
    FIN.INVOICENO = memo.INVOICENO;
    FIN.CUSTOMERNO = memo.CUSTOMERNO;
    FIN.DATE = memo.DATE;
    FIN.AMOUNTPAID = memo.TOTALDUE;
    FIN.AMOUNTDUE = -memo.TOTALDUE;
    return own ? Access::FINANCE.TryUpdate() : Access::FINANCE.TryInsert();
}

// The credited invoice counts `credited` more as paid, after the memo's FINANCE record is
// written. An invoice no longer on file has nothing left to credit.
Step creditInvoice(dict::LONG invoiceNo, double credited)
{
    if (invoiceNo == 0 || credited == 0)
        return dict::Benign;
    INV.INVOICENO = invoiceNo;
    if (Access::INVOICE.TryFetch(INV.InvoiceNo_Key) != dict::Benign)
        return Access::INVOICE.GetError() == dict::Err::RecordNotFound ? dict::Benign : dict::Notify;
    const dict::INVOICERecord invoice = INV;
    const bool anyCredit = std::ranges::any_of(dict::range(FIN.InvoiceNo_Key, invoiceNo),
                                               [](const dict::FINANCERecord &r) { return !isOwnFinanceRecord(r); });
    static_cast<dict::INVOICERecord &>(INV) = invoice;
    INV.AMOUNTPAID = dict::roundCents(INV.AMOUNTPAID + credited);
    INV.AMOUNTOWED = dict::roundCents(INV.TOTALDUE - INV.AMOUNTPAID);
    INV.CREDITCHECK = anyCredit ? 1 : 0; // paid or credited, as the FINANCE records now say
    return Access::INVOICE.TryUpdate();
}

// Inside a unit: the memo's figures move from what it had booked (`was`; nothing for a new memo)
// to `memo`: its FINANCE record, its invoice and its customer's balance by the difference.
Step bookFigures(const dict::CREDITRecord &was, const dict::CREDITRecord &memo)
{
    if (Step own = bookMemoFinance(memo); !own)
        return own;
    const double credited = dict::roundCents(memo.TOTALDUE - was.TOTALDUE);
    if (Step applied = creditInvoice(memo.INVOICENO, credited); !applied)
        return applied;
    return moveBalance(memo.CUSTOMERNO, -credited, true);
}

// The memo's invoice, when it has one, is an invoice of its customer; a memo without a customer
// takes the invoice's.
Step checkInvoice(dict::CREDITRecord &memo)
{
    if (memo.INVOICENO == 0)
        return dict::Benign;
    const std::string number = fw::formatValue(memo.INVOICENO, "@n06");
    const auto invoice = dict::lookup(INV.InvoiceNo_Key, memo.INVOICENO);
    if (!invoice || invoice->CUSTOMERNO.blank())
        return refuse(CreMsg::NoSuchInvoice, number);
    if (invoice->QUOTES != 0)
        return refuse(CreMsg::QuoteNotCredited, number);
    if (memo.CUSTOMERNO.blank())
        memo.CUSTOMERNO = invoice->CUSTOMERNO;
    if (memo.CUSTOMERNO != invoice->CUSTOMERNO)
        return refuse(CreMsg::OtherCustomer, number);
    return dict::Benign;
}

Step checkCustomer(const dict::CREDITRecord &memo)
{
    if (memo.CUSTOMERNO.blank() || !dict::lookup(CUS.CustomerNo_Key, memo.CUSTOMERNO))
        return refuse(MaintMsg::NoSuchCustomer, memo.CUSTOMERNO.str());
    return dict::Benign;
}

// Every stored line refigured by the memo's terms (what changed written back); the memo takes
// the totals they make.
Step alignLines(dict::CREDITRecord &memo)
{
    const bool pstOnGst = pstOnGstOf(memo.CUSTOMERNO);
    std::vector<dict::CRSCRIPTIONRecord> records;
    for (StoredCreditLine &stored : linesOf(memo.CREDITMEMONO)) {
        dict::CRSCRIPTIONRecord line = stored.line;
        computeCreditLine(line, memo, pstOnGst);
        line.CUSTOMERNO = memo.CUSTOMERNO;
        records.push_back(line);
        if (std::memcmp(&line, &stored.line, sizeof line) == 0)
            continue;
        if (Access::CRSCRIPTION.TryReget(stored.position) != dict::Benign)
            return dict::Notify;
        static_cast<dict::CRSCRIPTIONRecord &>(CRS) = line;
        if (Access::CRSCRIPTION.TryUpdate() != dict::Benign)
            return dict::Notify;
    }
    totalUpMemo(memo, records, pstOnGst, shippingTaxedOn(memo.INVOICENO));
    return dict::Benign;
}

// The body of a save, inside its unit: CRE holds the memo to store.
Step bookMemo(bool insert, dict::CREDITRecord memo)
{
    dict::CREDITRecord was{};
    if (!insert) {
        CRE.CREDITMEMONO = memo.CREDITMEMONO;
        if (Access::CREDIT.TryFetch(CRE.CreditMemoNo_Key) != dict::Benign)
            return refuse(CreMsg::MemoGone, fw::formatValue(memo.CREDITMEMONO, "@n06"));
        was = CRE;
        memo.CUSTOMERNO = was.CUSTOMERNO; // a saved memo keeps its customer and invoice
        memo.INVOICENO = was.INVOICENO;
    } else if (Step invoice = checkInvoice(memo); !invoice) {
        return invoice;
    }
    if (Step customer = checkCustomer(memo); !customer)
        return customer;
    memo.MONTH = static_cast<dict::SHORT>(fw::monthOf(memo.DATE));
    if (Step lines = alignLines(memo); !lines)
        return lines;
    if (Step figures = bookFigures(was, memo); !figures)
        return figures;
    static_cast<dict::CREDITRecord &>(CRE) = memo;
    return insert ? Access::CREDIT.TryInsert() : Access::CREDIT.TryUpdate();
}

// Inside a line's unit: a saved memo takes the totals its stored lines make, booked by
// difference. A new memo (its number only reserved, no customer yet) books nothing until saved.
Step settleStored(dict::LONG memoNo)
{
    CRE.CREDITMEMONO = memoNo;
    if (Access::CREDIT.TryFetch(CRE.CreditMemoNo_Key) != dict::Benign)
        return Access::CREDIT.GetError() == dict::Err::RecordNotFound ? dict::Benign : dict::Notify;
    if (CRE.CUSTOMERNO.blank())
        return dict::Benign;
    const dict::CREDITRecord was = CRE;
    dict::CREDITRecord memo = was;
    if (Step lines = alignLines(memo); !lines)
        return lines;
    if (std::memcmp(&memo, &was, sizeof memo) == 0)
        return dict::Benign;
    if (Step figures = bookFigures(was, memo); !figures)
        return figures;
    CRE.CREDITMEMONO = memoNo;
    if (Access::CREDIT.TryFetch(CRE.CreditMemoNo_Key) != dict::Benign)
        return dict::Notify;
    static_cast<dict::CREDITRecord &>(CRE) = memo;
    return Access::CREDIT.TryUpdate();
}

// Removes the memo's lines, each taking back the stock it returned.
Step dropLines(dict::LONG memoNo)
{
    for (const StoredCreditLine &stored : linesOf(memoNo)) {
        if (returnLineStock(stored.line, -1) != dict::Benign || Access::CRSCRIPTION.TryReget(stored.position) != dict::Benign
            || Access::CRSCRIPTION.TryDeleteRecord() != dict::Benign)
            return dict::Notify;
    }
    return dict::Benign;
}

Step unbookMemo(dict::LONG memoNo)
{
    const auto memo = dict::lookup(CRE.CreditMemoNo_Key, memoNo);
    if (!memo)
        return dict::Benign; // deleted at another station: nothing left to reverse
    if (Step lines = dropLines(memoNo); !lines)
        return lines;
    if (const auto own = dict::lookup(FIN.CreditMemoNo_Key, memoNo)) {
        if (Access::FINANCE.TryReget(own->position) != dict::Benign || Access::FINANCE.TryDeleteRecord() != dict::Benign)
            return dict::Notify;
    }
    const double credited = dict::roundCents(memo->TOTALDUE);
    if (!memo->CUSTOMERNO.blank()) {
        if (Step applied = creditInvoice(memo->INVOICENO, -credited); !applied)
            return applied;
        const bool anyLeft = dict::lookup(FIN.CustomerNo_Key, memo->CUSTOMERNO).has_value();
        if (Step moved = moveBalance(memo->CUSTOMERNO, credited, false); !moved)
            return moved;
        if (!anyLeft) {
            CUS.FINANCEPRESENT = 0;
            if (Access::CUSTOMER.TryUpdate() != dict::Benign)
                return dict::Notify;
        }
    }
    if (Access::CREDIT.TryReget(memo->position) != dict::Benign)
        return dict::Notify;
    return Access::CREDIT.TryDeleteRecord();
}

// A copied invoice line as a credit line of the memo.
dict::CRSCRIPTIONRecord creditLineOf(const dict::DESCRIPTIONRecord &line, const dict::CREDITRecord &memo)
{
    dict::CRSCRIPTIONRecord credit{};
    credit.CREDITMEMONO = memo.CREDITMEMONO;
    credit.CUSTOMERNO = memo.CUSTOMERNO;
    credit.LABORBUTTON = line.LABORBUTTON;
    credit.CATAGORY = line.CATAGORY;
    credit.PACKAGESIZE = line.PACKAGESIZE;
    credit.DESCRIPTION = line.DESCRIPTION;
    credit.QUANTITY = line.QUANTITY;
    credit.COST = line.COST;
    credit.AMOUNTCOST = line.AMOUNTCOST;
    credit.PRICE = line.PRICE;
    credit.PRICEOPTION = line.PRICEOPTION;
    credit.DISCOUNTAMOUNT = line.DISCOUNTAMOUNT;
    credit.LINEITEMDESCRIPTION = line.LINEITEMDISCOUNT;
    credit.AMOUNT = line.AMOUNT;
    credit.TAX = line.TAX;
    credit.GST = line.GST;
    credit.LABOR = line.LABOR;
    credit.STOCKNO = line.STOCKNO;
    credit.RECORDNO = line.RECORDNO;
    credit.TAXABLE = line.TAXABLE;
    credit.GSTTAXABLE = line.GSTTAXABLE;
    credit.WEIGHT = line.WEIGHT;
    credit.DATE = memo.DATE;
    credit.MONTH = static_cast<dict::SHORT>(fw::monthOf(memo.DATE));
    return credit;
}

} // namespace

std::vector<StoredCreditLine> linesOf(dict::LONG memoNo)
{
    std::vector<StoredCreditLine> lines;
    for (const auto &line : dict::range(CRS.CreditMemoNo_Key, memoNo))
        lines.push_back({line, line.position});
    return lines;
}

void computeCreditLine(dict::CRSCRIPTIONRecord &line, const dict::CREDITRecord &memo, bool pstOnGst)
{
    dict::DESCRIPTIONRecord figures{};
    figures.QUANTITY = line.QUANTITY;
    figures.PRICE = line.PRICE;
    figures.COST = line.COST;
    figures.LINEITEMDISCOUNT = line.LINEITEMDESCRIPTION;
    figures.TAXABLE = line.TAXABLE;
    figures.GSTTAXABLE = line.GSTTAXABLE;
    figures.LABORBUTTON = line.LABORBUTTON;
    figures.WEIGHT = line.WEIGHT;
    const inv::LineTerms terms{.regime = GLO.CANADIAN,
                               .customerDiscount = memo.CUSTOMERDISCOUNT,
                               .taxRate = memo.TAXRATE,
                               .gstRate = memo.GSTTAXRATE,
                               .laborRate = memo.LABORRATE,
                               .pstOnGst = pstOnGst,
                               .laborTaxable = GLO.TAXABLE != 0};
    inv::computeLine(figures, terms);
    line.AMOUNTCOST = figures.AMOUNTCOST;
    line.DISCOUNTAMOUNT = figures.DISCOUNTAMOUNT;
    line.AMOUNT = figures.AMOUNT;
    line.TAX = figures.TAX;
    line.GST = figures.GST;
    line.LABOR = figures.LABOR;
}

void totalUpMemo(dict::CREDITRecord &memo, std::span<const dict::CRSCRIPTIONRecord> lines, bool pstOnGst,
                 bool taxShipping)
{
    std::vector<dict::DESCRIPTIONRecord> figures;
    for (const dict::CRSCRIPTIONRecord &line : lines) {
        dict::DESCRIPTIONRecord &f = figures.emplace_back();
        f.AMOUNT = line.AMOUNT;
        f.AMOUNTCOST = line.AMOUNTCOST;
        f.DISCOUNTAMOUNT = line.DISCOUNTAMOUNT;
        f.TAX = line.TAX;
        f.GST = line.GST;
        f.LABOR = line.LABOR;
        f.WEIGHT = line.WEIGHT;
        f.LABORBUTTON = line.LABORBUTTON;
        if (line.LINEITEMDESCRIPTION != 0 && memo.CUSTOMERDISCOUNT == 0)
            memo.LINEITEMDISCOUNT = 1; // the lines carry the discounts
    }
    dict::INVOICERecord totals{};
    totals.CUSTOMERDISCOUNT = memo.CUSTOMERDISCOUNT;
    totals.SHIPPING = memo.SHIPPING;
    totals.TAXSHIPPING = taxShipping ? 1 : 0;
    totals.TAXRATE = memo.TAXRATE;
    totals.GSTTAXRATE = memo.GSTTAXRATE;
    totals.GST = memo.GST;
    inv::computeTotals(totals, inv::sumLines(figures, memo.LINEITEMDISCOUNT != 0), GLO.CANADIAN, pstOnGst);
    memo.LABOR = totals.LABOR;
    memo.COST = totals.COST;
    memo.RETAIL = totals.RETAIL;
    memo.TOTALDISCOUNT = totals.TOTALDISCOUNT;
    memo.TAX = totals.TAX;
    memo.GST = totals.GST;
    memo.TOTALDUE = totals.TOTALDUE;
}

bool mayCredit(dict::CREDITRecord &memo)
{
    const Step checked = checkInvoice(memo);
    if (const auto &refusal = checked.refusal())
        REPORTS::Errors().ThrowMessage(refusal->message, refusal->text);
    return static_cast<bool>(checked);
}

double creditedByOthers(dict::LONG invoiceNo, dict::LONG memoNo)
{
    double credited = 0;
    for (const auto &memo : dict::range(CRE.Invoice_Key, invoiceNo))
        if (memo.CREDITMEMONO != memoNo && !memo.CUSTOMERNO.blank())
            credited += memo.TOTALDUE;
    return dict::roundCents(credited);
}

void figureMemo(dict::CREDITRecord &memo, bool pstOnGst)
{
    std::vector<dict::CRSCRIPTIONRecord> lines;
    for (StoredCreditLine &stored : linesOf(memo.CREDITMEMONO)) {
        computeCreditLine(stored.line, memo, pstOnGst);
        lines.push_back(stored.line);
    }
    totalUpMemo(memo, lines, pstOnGst, shippingTaxedOn(memo.INVOICENO));
}

int bookCreditLine(bool insert, const dict::CRSCRIPTIONRecord &before)
{
    KeptBuffers kept{&Access::CREDIT, &Access::FINANCE, &Access::INVOICE, &Access::CUSTOMER};
    const dict::CRSCRIPTIONRecord form = CRS;
    const std::string what = memoName(form.CREDITMEMONO) + ", item " + std::to_string(form.ITEMNO);
    const int booked = book(CreditFiles, what, [&]() -> Step {
        if ((!insert && returnLineStock(before, -1) != dict::Benign) || returnLineStock(form, 1) != dict::Benign)
            return dict::Notify;
        static_cast<dict::CRSCRIPTIONRecord &>(CRS) = form;
        if (Step stored = insert ? Access::CRSCRIPTION.TryInsert() : Access::CRSCRIPTION.TryUpdate(); !stored)
            return stored;
        const dict::storage::Position position = Access::CRSCRIPTION.Position();
        if (Step settled = settleStored(form.CREDITMEMONO); !settled)
            return settled;
        return Access::CRSCRIPTION.TryReget(position); // the line as stored, current, for the line form
    });
    if (booked != dict::Benign)
        static_cast<dict::CRSCRIPTIONRecord &>(CRS) = form;
    return booked;
}

int unbookCreditLine()
{
    KeptBuffers kept{&Access::CREDIT, &Access::FINANCE, &Access::INVOICE, &Access::CUSTOMER, &Access::CRSCRIPTION};
    const dict::CRSCRIPTIONRecord line = CRS;
    const std::string what = memoName(line.CREDITMEMONO) + ", item " + std::to_string(line.ITEMNO);
    return book(CreditFiles, what, [&]() -> Step {
        if (returnLineStock(line, -1) != dict::Benign)
            return dict::Notify;
        static_cast<dict::CRSCRIPTIONRecord &>(CRS) = line;
        if (Step deleted = Access::CRSCRIPTION.TryDeleteRecord(); !deleted)
            return deleted;
        return settleStored(line.CREDITMEMONO);
    });
}

int copyInvoiceLines(dict::LONG memoNo, dict::LONG invoiceNo)
{
    KeptBuffers kept{&Access::CRSCRIPTION, &Access::INVOICE, &Access::FINANCE, &Access::CUSTOMER, &Access::DESCRIPTION};
    dict::CREDITRecord memo = CRE;
    memo.CREDITMEMONO = memoNo;
    memo.INVOICENO = invoiceNo;
    const int copied = book(CreditFiles, memoName(memoNo), [&]() -> Step {
        if (Step invoice = checkInvoice(memo); !invoice)
            return invoice;
        const auto invoice = dict::lookup(INV.InvoiceNo_Key, invoiceNo);
        memo.CUSTOMERDISCOUNT = invoice->CUSTOMERDISCOUNT;
        memo.TOTALDISCOUNT = invoice->TOTALDISCOUNT;
        memo.LINEITEMDISCOUNT = invoice->LINEITEMDISCOUNT;
        memo.SHIPPING = invoice->SHIPPING;
        memo.LABOR = invoice->LABOR;
        memo.LABORRATE = invoice->LABORRATE;
        memo.TAX = invoice->TAX;
        memo.TAXRATE = invoice->TAXRATE;
        memo.GST = invoice->GST;
        memo.GSTTAXRATE = invoice->GSTTAXRATE;
        for (const auto &line : dict::range(DES.InvoiceNo_Key, invoiceNo)) {
            static_cast<dict::CRSCRIPTIONRecord &>(CRS) = creditLineOf(line, memo);
            const dict::CRSCRIPTIONRecord credit = CRS;
            if (Access::CRSCRIPTION.TryPrimeRecord(true) != dict::Benign || Access::CRSCRIPTION.TryInsert() != dict::Benign
                || returnLineStock(credit, 1) != dict::Benign)
                return dict::Notify;
        }
        return settleStored(memoNo);
    });
    if (copied == dict::Benign)
        static_cast<dict::CREDITRecord &>(CRE) = memo;
    return copied;
}

int saveCreditMemo(bool insert)
{
    KeptBuffers kept{&Access::CRSCRIPTION, &Access::FINANCE, &Access::INVOICE, &Access::CUSTOMER, &Access::STOCK};
    const dict::CREDITRecord form = CRE;
    const int saved = book(CreditFiles, memoName(form.CREDITMEMONO), [&] { return bookMemo(insert, form); });
    if (saved != dict::Benign)
        static_cast<dict::CREDITRecord &>(CRE) = form;
    return saved;
}

int settleCreditChange(dict::LONG memoNo)
{
    KeptBuffers kept{&Access::CREDIT, &Access::CRSCRIPTION, &Access::FINANCE, &Access::INVOICE, &Access::CUSTOMER};
    return book(CreditFiles, memoName(memoNo), [&] { return settleStored(memoNo); });
}

int cancelNewCreditMemo(dict::LONG memoNo)
{
    KeptBuffers kept{&Access::CRSCRIPTION, &Access::FINANCE, &Access::INVOICE, &Access::CUSTOMER, &Access::STOCK};
    return book(CreditFiles, memoName(memoNo), [&]() -> Step {
        if (Step lines = dropLines(memoNo); !lines)
            return lines;
        return Access::CREDIT.CancelAutoInc();
    });
}

int deleteCreditMemo(dict::LONG memoNo)
{
    KeptBuffers kept{&Access::CREDIT, &Access::CRSCRIPTION, &Access::FINANCE, &Access::INVOICE, &Access::CUSTOMER};
    return book(CreditFiles, memoName(memoNo), [&] { return unbookMemo(memoNo); });
}

} // namespace app::creditmemos
