// Win::PaymentPurchaseOrder: what the order form pays on the purchase order in the PUR buffer — the
// cheque number (none: cash), the amount and the net terms — and, on request, a line about it
// added to the order's memo. Cancel leaves the buffer as the window found it; the order form's
// Save stores the payment with the order.
#pragma once

#include "dictionary/records.h"
#include "framework/formprocedure.h"

#include <string>

namespace Win {

class PaymentPurchaseOrder : public fw::FormProcedure
{
public:
    enum Item { AddToMemo = 1 };

    PaymentPurchaseOrder();

    int TakeAccepted(QWidget *control) override;
    int TakeCompleted() override;
    int TakeCloseEvent() override;

protected:
    fw::FormDeclaration Declare() override;
    int Built() override;

private:
    dict::PURORDERRecord opened_{};
    std::string openedMemo_;
};

// The memo line about the order's payment: its type, cheque number and bank, between carriage
// returns.
std::string orderPaymentMemo(const dict::PURORDERRecord &order, int taxRegime);

} // namespace Win
