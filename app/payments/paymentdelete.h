// Delete in a list of FINANCE records: the highlighted payment goes once the user confirms, with
// its reversal on the invoice and the balance (one unit of work). An invoice's own record and a
// credit memo's are refused with the list's own message.
#pragma once

namespace fw {
class BrowseClass;
}

namespace app::payments {

// True when the payment was deleted (the list then reads itself again).
bool deleteHighlightedPayment(fw::BrowseClass &list, int refusal);

} // namespace app::payments
