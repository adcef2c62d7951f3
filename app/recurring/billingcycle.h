// Billing cycles of recurring invoices. A cycle is a whole number of calendar months counted from
// the invoice's date, the day held to the end of a shorter month (31 January + 1 month is the
// last day of February), so a series is billed once per cycle, never twice and never skipped,
// whatever the months' lengths.
#pragma once

#include "dictionary/records.h"
#include "framework/picture.h"

#include <optional>

namespace app::recurring {

// Months in the cycle of a REBILLCYCLE code: M 1, Q 3, S 6, A 12; 0 for "N" or anything else.
int cycleMonths(char cycle);

// The day `months` calendar months after `date`, the day of the month held to the month's end;
// nullopt for no date or a result past the calendar's end.
std::optional<fw::DayNumber> addMonths(fw::DayNumber date, int months);

// The day the invoice's next bill falls due; nullopt when it has no cycle.
std::optional<fw::DayNumber> nextBillDate(const dict::INVOICERecord &invoice);

// Whether the recurring run bills the invoice on `today`: the current invoice of a series (not a
// quote, not being entered) whose next bill date has come.
bool dueOn(const dict::INVOICERecord &invoice, fw::DayNumber today);

} // namespace app::recurring
