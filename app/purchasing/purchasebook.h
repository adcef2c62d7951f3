// The booking of purchase orders: every write the purchase-order form and its line form make,
// each one unit of work over the files it touches, committed together or not at all.
//
// A line puts its quantity on back order on its stock item while the order is not received. A
// saved order has one VENFIN record of its own (the first of its number): total = the order's
// total, paid = what the order form paid, due = total − that. Separate payments are VENFIN records
// of their own. The order's amount paid is the sum paid over its VENFIN records; the vendor's
// balance is the sum of its VENFIN amounts due; TOTALINV record 2 sums the orders' cost,
// shipping and total. Every save moves them by the difference to what is on file, inside the unit.
//
// Each operation returns dict::Benign when committed; otherwise the user has been told why, and
// every file and the file managers stand as before the call.
#pragma once

#include "dictionary/records.h"
#include "dictionary/storage/recordfile.h"

#include <optional>
#include <string>
#include <vector>

namespace app::purchasing {

struct StoredOrderLine {
    dict::PURDESCRIPTIONRecord line;
    dict::storage::Position position;
};
std::vector<StoredOrderLine> linesOf(dict::LONG orderNo);

// The order's own VENFIN record, as stored.
std::optional<dict::VENFINRecord> ownRecordOf(dict::LONG orderNo);

// The line in the PUD buffer, as the line form leaves it: added (its number reserved) or changed
// from `before`; the back orders move by the difference, or between two items. A saved order
// takes its new cost. A received order's lines are frozen.
int bookOrderLine(bool insert, const dict::PURDESCRIPTIONRecord &before);

// Deletes the line in the PUD buffer, taking its quantity off its item's back order.
int unbookOrderLine();

// Saves the order in the PUR buffer (its number reserved when inserting), with `ownPaid` paid on
// the order form: its cost is its stored lines', its own VENFIN record, TOTALINV record 2 and the
// vendor's balance move by the difference. An order with payments keeps its vendor; one without
// moves its VENFIN record and amounts to the new vendor.
int saveOrder(bool insert, double ownPaid);

// Cancel of a Change: the order as stored takes the cost its stored lines make, booked by
// difference like a save.
int settleOrderChange(dict::LONG orderNo);

// Cancel of a new order: its lines take their back orders back and go, and its reserved number
// is released.
int cancelNewOrder(dict::LONG orderNo);

// Deletes an order and reverses exactly what it booked: its VENFIN records and their dues on the
// vendor's balance, what it added to TOTALINV record 2, and, unless it was received, its lines'
// back orders.
int deleteOrder(dict::LONG orderNo);

// Receives the order into stock on `date`: each line's quantity goes on hand with a STSTREND
// receipt of that date, and its item's back order goes down by what the line raised and by the
// customers' shortfall that quantity fills. Only this order is received, and only once.
int receiveOrder(dict::LONG orderNo, dict::LONG date);

// The lines of the order that would bring more than their items have on order now, described for
// the user; empty when none does.
std::string beyondBackOrder(dict::LONG orderNo);

} // namespace app::purchasing
