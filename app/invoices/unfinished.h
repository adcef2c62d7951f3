// Invoices being entered. A new invoice takes its number, and a record blank but for the number,
// when its form opens; its lines take their stock as they are added; it gets its customer when
// it is first saved. Until then the lists leave it out, and the program entering it holds a claim
// on it: a lock file beside the data that dies with the program. An invoice whose claim outlived
// its program (killed, or the machine lost power) is unfinished, and the next start of the
// program on that machine offers to finish it or to remove it.
#pragma once

#include "dictionary/records.h"

#include <vector>

namespace app::invoices {

// Whether the invoice is still being entered: a saved invoice always has a customer.
bool beingEntered(const dict::INVOICERecord &invoice);
// The list filter that leaves invoices being entered out.
inline constexpr const char *EnteredInvoices = "Inv:CustomerNo";

// Claims the invoice for this program (again: a claim is held once); false when a running
// program holds it.
bool claimEntry(dict::LONG invoiceNo);
// Gives the claim up: the invoice is saved or removed.
void releaseEntry(dict::LONG invoiceNo);

// The invoices being entered whose claims were left by a program of this machine that is no
// longer running; each is claimed now.
std::vector<dict::LONG> unfinishedInvoices();

// Removes an unfinished invoice as Cancel of a new invoice does, in one unit of work: its lines'
// stock comes back and its record and lines go. The claim is given up once it is gone.
int removeUnfinished(dict::LONG invoiceNo);

// At start-up: asks about each unfinished invoice whether to finish it (its form opens) or
// remove it. Returns whether a form was opened.
bool offerUnfinishedInvoices();

} // namespace app::invoices
