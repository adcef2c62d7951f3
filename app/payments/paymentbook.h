// The booking of customer payments: every save, change and delete of a payment is one unit of
// work over FINANCE, INVOICE and CUSTOMER, committed together or not at all.
//
// A payment is a FINANCE record that carries AMOUNTPAID = what was paid and AMOUNTDUE = minus
// that, against an invoice of its customer or on account (INVOICENO 0). Its invoice's amount
// paid and owed move by the difference to what is stored, on the invoice as it is on file inside
// the unit; the customer's balance likewise. So a change of 40 to 45 leaves 45 paid, and a
// payment or invoice saved meanwhile at another station is never lost.
//
// Each operation returns dict::Benign when committed; otherwise the user has been told why, and
// every file and the FIN, INV and CUS buffers stand as before the call.
#pragma once

#include "dictionary/records.h"

namespace app::payments {

// A payment, as opposed to an invoice's own FINANCE record or a credit memo's.
bool isPayment(const dict::FINANCERecord &record);

// Saves the payment in the FIN buffer: added (its record reserved or not) or changed from the
// record stored at the FINANCE manager's current position. agreedExcess is how far the user
// agreed to pay beyond what the invoice owed when asked; a payment that, on the invoice as it is
// stored now, pays more beyond that (another station took a payment meanwhile) is refused.
int savePayment(bool insert, double agreedExcess = 0);

// Deletes the payment stored at the FINANCE manager's current position and reverses it on its
// invoice and its customer. An invoice's own record, a credit memo's, and the payments of an
// invoice that protects them (INV:CHECKINVOICE) are refused.
int deletePayment();

// Sets the customer's balance to the sum of its FINANCE amounts as stored now; balance takes it.
int recomputeBalance(const dict::String<10> &customerNo, double &balance);

} // namespace app::payments
