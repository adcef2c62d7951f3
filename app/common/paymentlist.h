// A list of finance records (a customer's FINANCE, a vendor's VENFIN) whose Delete removes the
// highlighted payment once the user has confirmed it, with its reversal booked in the same unit
// of work. A record that is no payment (a document's own) is refused with the list's own message.
// What the list shows of its payments (a balance, what is still owed) follows every add, change
// and delete, and every refill after a change elsewhere.
#pragma once

#include "framework/browseprocedure.h"

#include <functional>

namespace fw {
class BrowseClass;
}

namespace app {

// What a payment is in a list's file and how one is deleted. Each reads the record of the file's
// buffer, as the highlight leaves it.
struct PaymentRules {
    std::function<bool()> isPayment;
    std::function<int()> remove; // books the delete and its reversal; dict::Benign when committed
    std::function<void()> refuse; // tells the user why a record that is no payment stays
};

// True when the highlighted payment was deleted.
bool deleteHighlightedPayment(fw::BrowseClass &list, const PaymentRules &rules);

class PaymentList : public fw::BrowseProcedure
{
public:
    PaymentList(const fw::BrowseSpec &spec, PaymentRules rules);
    using fw::BrowseProcedure::Run;
    int Run(int number, int request) override;

protected:
    bool AllowRequest(int request) override;
    // After a payment was added, changed or deleted.
    virtual void PaymentsChanged() { showFigures(); }
    void Refreshed() override { PaymentsChanged(); }

private:
    PaymentRules rules_;
};

} // namespace app
