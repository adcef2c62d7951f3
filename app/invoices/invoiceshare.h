// What a booked invoice adds to the running figures: TOTALINV record 1 and its own FINANCE
// record. Shared by every booking that makes or changes invoices (the invoice form, the
// recurring run), so they all move the figures the same way.
//
// All run inside the caller's unit of work and use the TOTALINV and FINANCE buffers.
#pragma once

#include "dictionary/records.h"

namespace app::invoices {

// What an invoice adds to TOTALINV and to its customer's balance; a quote adds nothing.
struct Share {
    double retail = 0, discount = 0, cod = 0, shipping = 0, tax = 0, gst = 0, labor = 0, totalDue = 0;
};
Share shareOf(const dict::INVOICERecord &invoice);

// TOTALINV record 1 moves by the difference between two shares; it is added when missing.
// Benign, or a failure level.
int moveTotals(const Share &was, const Share &now);

// The invoice's own FINANCE record follows its total (added when missing); a quote has none.
// Benign, or a failure level.
int bookOwnFinance(const dict::INVOICERecord &invoice);

} // namespace app::invoices
