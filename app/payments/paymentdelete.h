// Delete in a list of FINANCE records: the highlighted payment goes once the user confirms, with
// its reversal on the invoice and the balance (one unit of work). An invoice's own record and a
// credit memo's are refused with the list's own message.
#pragma once

#include "framework/browseprocedure.h"

namespace fw {
class BrowseClass;
}

namespace app::payments {

// True when the payment was deleted (the list then reads itself again).
bool deleteHighlightedPayment(fw::BrowseClass &list, int refusal);

// A list of FINANCE records whose Delete is that: behind the password gate, once confirmed.
// What the list shows of its payments follows every add, change and delete.
class PaymentList : public fw::BrowseProcedure
{
public:
    // refusal: the message for a record that is not a payment.
    PaymentList(const fw::BrowseSpec &spec, int refusal);
    using fw::BrowseProcedure::Run;
    int Run(int number, int request) override;

protected:
    bool AllowRequest(int request) override;
    // After a payment was added, changed or deleted.
    virtual void PaymentsChanged() { showFigures(); }
    void Refreshed() override { PaymentsChanged(); }

private:
    int refusal_;
};

} // namespace app::payments
