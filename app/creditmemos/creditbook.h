// The booking of credit memos: every write the credit memo form and its line form make, each one
// unit of work over the files it touches, committed together or not at all.
//
// A memo's lines give their stock back while they are on file (labour lines move none). A saved
// memo's FINANCE record carries paid = its total and due = minus it; the invoice it credits counts
// that total as paid; its customer's balance goes down by it. Every save moves the three by the
// difference to what the memo had booked, taken inside the unit against what is on file. TOTALINV
// sums invoices only: a memo never moves it.
//
// Each operation returns dict::Benign when committed; otherwise the user has been told why, and
// every file and the file managers stand as before the call.
#pragma once

#include "dictionary/records.h"
#include "dictionary/storage/recordfile.h"

#include <span>
#include <vector>

namespace app::creditmemos {

struct StoredCreditLine {
    dict::CRSCRIPTIONRecord line;
    dict::storage::Position position;
};
std::vector<StoredCreditLine> linesOf(dict::LONG memoNo);

// A credit line's figures by the memo's terms, as an invoice line's by its invoice's.
void computeCreditLine(dict::CRSCRIPTIONRecord &line, const dict::CREDITRecord &memo, bool pstOnGst);

// Whether the memo may credit its invoice (none: it may): an invoice, not a quote, of the memo's
// customer; a memo without a customer takes the invoice's. Otherwise the user is told why.
bool mayCredit(dict::CREDITRecord &memo);

// What the invoice's other credit memos credit it with.
double creditedByOthers(dict::LONG invoiceNo, dict::LONG memoNo);

// The memo's figures as its lines make them now, each line figured by the memo's terms (nothing
// is written).
void figureMemo(dict::CREDITRecord &memo, bool pstOnGst);

// The memo takes the totals its lines make under its terms; its shipping is taxed when the
// credited invoice's was.
void totalUpMemo(dict::CREDITRecord &memo, std::span<const dict::CRSCRIPTIONRecord> lines, bool pstOnGst,
                 bool taxShipping);

// The line in the CRS buffer, as the line form leaves it: added (its number reserved) or changed
// from `before`. The new line's stock comes back; a changed line first takes back what it had
// returned, so only the difference moves (or the whole quantity between two items). A saved
// memo takes the new totals.
int bookCreditLine(bool insert, const dict::CRSCRIPTIONRecord &before);

// Deletes the line in the CRS buffer, taking back the stock it returned.
int unbookCreditLine();

// Copies every line of the invoice into the memo, each giving its stock back, and locks the memo
// to the invoice. Benign, or a failure level (the user told).
int copyInvoiceLines(dict::LONG memoNo, dict::LONG invoiceNo);

// Saves the memo in the CRE buffer (its number reserved when inserting): its lines are refigured
// and summed, and its FINANCE record, the invoice and the balance move by the difference. A new
// memo without a customer takes its invoice's; the invoice must be an invoice (no quote) of the
// memo's customer, and the customer on file. A saved memo keeps its customer and invoice.
int saveCreditMemo(bool insert);

// Cancel of a Change: the memo as stored takes the totals its stored lines make, booked by
// difference like a save.
int settleCreditChange(dict::LONG memoNo);

// Cancel of a new memo: its lines take back the stock they returned and go, and its reserved
// number is released.
int cancelNewCreditMemo(dict::LONG memoNo);

// Deletes a saved memo and reverses exactly what it booked: its lines' stock goes out again, its
// FINANCE record goes, the invoice owes and the balance rises by its total again.
int deleteCreditMemo(dict::LONG memoNo);

} // namespace app::creditmemos
