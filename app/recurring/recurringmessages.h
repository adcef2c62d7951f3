// Messages of the recurring invoices: the billing cycle window and the recurring run.
#pragma once

#include <cstdint>
#include <vector>

namespace fw {
class ErrorClass;
}

namespace app {

namespace RecurMsg {
inline constexpr int QuoteNotRebilled = 3700;     // a billing cycle asked for on a quote
inline constexpr int CustomersNotOnFile = 3701;   // the run's end: invoices skipped, their customer gone
} // namespace RecurMsg

const std::vector<std::uint8_t> &recurringMessages();

// Adds the messages to an error manager once, however often it is called.
void installRecurringMessages(fw::ErrorClass &errors);

} // namespace app
