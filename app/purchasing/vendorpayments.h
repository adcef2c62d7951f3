// The booking of vendor payments: every save, change and delete of a payment is one unit of work
// over VENFIN, PURORDER and VENDOR, committed together or not at all.
//
// A payment is a VENFIN record that is not an order's own: paid = what was paid, due = minus it,
// against an order of its vendor or on account (order 0). Its order's amount paid is the sum paid
// over the order's records and its owed what is left of its total; the vendor's balance moves by
// the difference to what is stored, so a change of 40 to 45 leaves 45 paid.
//
// Each operation returns dict::Benign when committed; otherwise the user has been told why, and
// every file and the VEF, PUR and VEN buffers stand as before the call.
#pragma once

#include "dictionary/records.h"

namespace app::purchasing {

// A payment, as opposed to an order's own VENFIN record.
bool isVendorPayment(const dict::VENFINRecord &record);

// Saves the payment in the VEF buffer: added (its record reserved or not) or changed from the
// record stored at the VENFIN manager's current position. agreedExcess is how far the user agreed
// to pay beyond what the order owed when asked; a payment that, on the order as stored now, pays
// more beyond that is refused.
int saveVendorPayment(bool insert, double agreedExcess = 0);

// Deletes the payment stored at the VENFIN manager's current position and reverses it on its order
// and its vendor. An order's own record is refused.
int deleteVendorPayment();

// Sets the vendor's balance to the sum of its VENFIN amounts due as stored now; balance takes it.
int recomputeVendorBalance(const dict::String<20> &accountNo, double &balance);

} // namespace app::purchasing
