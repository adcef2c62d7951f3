// One bill of a recurring series, booked as one unit of work: the invoice leaves the series and
// a fresh copy of it, dated today, becomes the series' current invoice, booked as a saved invoice
// is (its lines' stock taken, its own FINANCE record, TOTALINV and the customer's balance moved).
//
// The invoice is read again inside the unit and billed only if it is still due, so a run stopped
// half-way and run again, or two stations running at once, bill each cycle exactly once.
#pragma once

#include "dictionary/records.h"
#include "framework/picture.h"

namespace app::recurring {

struct Bill {
    enum Outcome {
        Billed,            // the copy is on file
        NotDue,            // billed meanwhile, no longer on file, or not the series' current invoice
        CustomerNotOnFile, // nothing written: the copy would owe a customer that is gone
        Failed,            // nothing written; the user has been told why
    };
    Outcome outcome = NotDue;
    dict::LONG copyNo = 0; // the copy's invoice number, when billed
};

// Bills the invoice again on `today` if it is due. Every record buffer is as before the call.
Bill billAgain(dict::LONG invoiceNo, fw::DayNumber today);

// The copy of an invoice that a new cycle bills: the source's items, terms, totals and memo, dated
// today, unpaid and unprinted, with no payment or credit-check details; not yet numbered.
dict::INVOICERecord freshCopy(const dict::INVOICERecord &source, fw::DayNumber today);

} // namespace app::recurring
