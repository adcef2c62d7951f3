// The customer side of the books: a customer's balance is the sum of its FINANCE amounts. An
// invoice's own FINANCE record carries its total due; a payment carries minus what was paid; a
// credit memo minus its total.
#pragma once

#include "app/common/booking.h"
#include "dictionary/records.h"

namespace app {

// The invoice's own FINANCE record, as opposed to its payments and credit memos.
bool isOwnFinanceRecord(const dict::FINANCERecord &record);

// Inside a unit of work over CUSTOMER: adds amount to the customer's balance (rounded to the
// cent) and, when financePresent, marks that the customer has finance records. A customer no
// longer on file refuses. Uses the CUS buffer.
Step moveBalance(const dict::String<10> &customerNo, double amount, bool financePresent);

} // namespace app
