// Documents being entered. A new invoice, credit memo or purchase order takes its number, and a
// record blank but for the number, when its form opens; its lines move stock (or back orders) as
// they are added; it gets its customer (or vendor) when it is first saved. Until then the lists and reports leave it out, and the program
// entering it holds a claim on it: a lock file beside the data that dies with the program. A claim
// that outlived its program (killed, or the machine lost power) marks an unfinished document.
#pragma once

#include "dictionary/records.h"

namespace app {

enum class Entry { Invoice, CreditMemo, PurchaseOrder };

// Whether the document is still being entered: a saved one always has a customer (an order, a
// vendor).
bool beingEntered(const dict::INVOICERecord &invoice);
bool beingEntered(const dict::CREDITRecord &memo);
bool beingEntered(const dict::PURORDERRecord &order);
// The list filters that leave documents being entered out.
inline constexpr const char *EnteredInvoices = "Inv:CustomerNo";
inline constexpr const char *EnteredCreditMemos = "Cre:CustomerNo";
inline constexpr const char *EnteredPurchaseOrders = "Pur:AccountNo";

// Claims the document for this program (a claim is held once); false when a running program
// holds it.
bool claimEntry(Entry kind, dict::LONG number);
// Gives the claim up: the document is saved or removed.
void releaseEntry(Entry kind, dict::LONG number);
// Whether the document has a claim file at all (one being numbered this instant, or left before
// claims were kept, has none).
bool hasClaim(Entry kind, dict::LONG number);
// Whether this program holds the claim.
bool holdsClaim(Entry kind, dict::LONG number);

} // namespace app
