// The stock an invoice line holds: taken out when the line is booked, given back when it is
// changed, deleted or cancelled. A line finds its item by stock number and record number (two
// items may share a stock number); a special item moves its components with it.
//
// Both run inside the caller's unit of work over STOCK and keep the STOCK and SPECIAL buffers as
// they found them. An item that is no longer on file is skipped, as a line typed by hand would be.
#pragma once

#include "dictionary/records.h"

namespace app::invoices {

// Takes the line's quantity out of stock. What on hand cannot cover is back-ordered, on the line
// (DES.BACKORDER, DES.AMOUNTBACKORDERED) and on the item. Benign, or a failure level.
int takeStock(dict::DESCRIPTIONRecord &line);

// Gives the line's quantity back and takes back the back order it raised; the line's back-order
// fields are cleared. Benign, or a failure level.
int returnStock(dict::DESCRIPTIONRecord &line);

// Adds quantity (negative: takes out) to an item found by stock number and record number, and to
// its components; no back order is raised. For lines of other documents (credit memos).
int adjustStock(const dict::String<20> &stockNo, dict::LONG recordNo, double quantity);

// Whether booking the line moves stock at all: a stock line with a stock number.
bool movesStock(const dict::DESCRIPTIONRecord &line);

} // namespace app::invoices
