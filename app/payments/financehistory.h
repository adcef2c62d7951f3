// Brw::CustomersFinanceHistory: the finance history of one customer — its invoices, payments and
// credit memos, by date or by invoice — with the balance recomputed from what is stored each time
// the list is read again. Add and Change run Upd::CustomerFinanceHistory; Delete reverses a
// payment once the user has confirmed it; "&Invoice" opens the highlighted record's invoice.
// The customer is the one GLO:CUSTOMERNO names when the browse opens (the highlighted row of
// the customer list), else the one in the CUS buffer.
#pragma once

#include "app/payments/paymentdelete.h"

namespace Brw {

class CustomersFinanceHistory : public app::payments::PaymentList
{
public:
    // The list's own buttons and values, by number.
    enum Extra { Invoice = 1, Credit, Balance };
    static const fw::BrowseSpec &Spec();

    CustomersFinanceHistory();


    // "&Invoice": the invoice form on the highlighted record's invoice, behind the password gate.
    void openInvoice();
    void openCreditMemo();

protected:
    int Build() override;
    void Prepare() override;
    void Closing() override;
    // The balance recomputed from the stored records (and stored).
    void PaymentsChanged() override { showBalance(); }

private:
    // Shows the balance recomputed from the stored records (and stores it).
    void showBalance();
    // The same, and the list read again.
    void refresh();

};

} // namespace Brw
