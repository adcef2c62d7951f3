// The booking of quotes and invoices: every write the invoice form and its line form make, each
// one unit of work over the files it touches, committed together or not at all.
//
// The books agree after every commit: an invoice's own FINANCE record carries its total due, the
// customer's balance is the sum of its FINANCE amounts, TOTALINV record 1 sums every invoice that
// is not a quote, and a line holds its stock exactly while its invoice is booked as an invoice.
// Running figures move by differences taken inside the unit against what is on file, so a payment
// or another station's save made meanwhile is never lost.
//
// Each operation returns dict::Benign when committed; otherwise the user has been told why, and
// every file and the file managers stand as before the call.
#pragma once

#include "dictionary/records.h"
#include "dictionary/storage/recordfile.h"

#include <vector>

namespace app::invoices {

struct LineTerms;

// A stored line and where it is on file.
struct StoredLine {
    dict::DESCRIPTIONRecord line;
    dict::storage::Position position;
};
std::vector<StoredLine> linesOf(dict::LONG invoiceNo);

// The terms of the invoice's lines: its rates and discount, the customer's PST-on-GST choice,
// the regime and labour taxing in force.
LineTerms lineTermsOf(const dict::INVOICERecord &invoice, bool pstOnGst);

// The line in the DES buffer, as the line form leaves it: added (its number reserved) or changed
// from `before`. When the invoice's lines hold stock, the old line's stock comes back and the new
// line's goes out, with their back orders.
int bookLine(bool insert, const dict::DESCRIPTIONRecord &before, bool linesHoldStock);

// Deletes the line in the DES buffer, giving its stock back when the lines hold stock.
int unbookLine(bool linesHoldStock);

// Refigures every line of the invoice by its terms (a new discount, another customer's taxes).
int refigureLines(const dict::INVOICERecord &invoice, bool pstOnGst);

// Saves the invoice in the INV buffer (its number reserved when inserting): its lines are
// refigured and summed, their stock follows the quote box, and TOTALINV, the customer's balance
// and the invoice's own FINANCE record move by the difference to what is booked. Moving a booked
// invoice to another customer moves its lines and FINANCE record along, unless payments or a
// credit memo tie it to the first. linesHoldStock is updated.
int saveInvoice(bool insert, bool &linesHoldStock);

// Cancel of a new invoice: its lines give their stock back and go, payments taken on it are
// reversed, and its reserved number is released.
int cancelNewInvoice(dict::LONG invoiceNo, bool linesHoldStock);

// Cancel of a Change: the line changes already stored stay, and the invoice as stored takes the
// totals they add up to, booked by difference like a save.
int settleChange(dict::LONG invoiceNo, bool &linesHoldStock);

// Deletes an invoice or quote with its lines and FINANCE records, and takes back what it booked:
// TOTALINV and the customer's balance. With returnItems the lines' stock comes back and a credit
// memo made from the invoice goes too, its own stock return undone, so every item comes back
// once; without, a credit memo stays with its FINANCE record. Nothing is written for an invoice
// that is no longer on file.
int deleteInvoice(dict::LONG invoiceNo, bool returnItems);

// Whether payments or credit memos have been booked against the invoice.
bool hasPayments(dict::LONG invoiceNo);

} // namespace app::invoices
