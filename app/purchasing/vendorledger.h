// The vendor side of the books, shared by the bookings of orders and of vendor payments: a
// vendor's balance is the sum of its VENFIN amounts due, an order's amount paid the sum paid over
// its VENFIN records, the first of which is the order's own.
#pragma once

#include "app/common/booking.h"
#include "dictionary/lookup.h"
#include "dictionary/records.h"

#include <optional>

namespace app::purchasing {

// Inside a unit of work over VENDOR: the vendor's balance moves by amount (rounded to the cent);
// with financePresent the vendor is marked as having VENFIN records. A vendor no longer on file
// refuses. Uses the VEN buffer.
Step moveVendorBalance(const dict::String<20> &accountNo, double amount, bool financePresent);

// The order's own VENFIN record, with where it is stored.
std::optional<dict::Found<dict::VENFINRecord>> ownFound(dict::LONG orderNo);

// What the order's VENFIN records paid, to the cent.
double paidOver(dict::LONG orderNo);

} // namespace app::purchasing
