// Win::ShippingMethod: how the invoice in the INV buffer is shipped — method, date, charges,
// tracking number, whether the shipping is taxed — and, on request, a line about it added to the
// invoice memo. Cancel leaves the buffer as the window found it; the invoice form's Save stores it.
#pragma once

#include "dictionary/records.h"
#include "framework/formprocedure.h"

#include <string>

namespace Win {

class ShippingMethod : public fw::FormProcedure
{
public:
    enum Item { AddToMemo = 1 };

    ShippingMethod();

    int TakeAccepted(QWidget *control) override;
    int TakeCompleted() override;
    int TakeCloseEvent() override;

protected:
    fw::FormDeclaration Declare() override;
    int Built() override;

private:
    void followMethod();

    dict::INVOICERecord opened_{};
    std::string openedMemo_;
};

// The memo line about the shipping, in the date picture of the setup ("" for a picture it does
// not know).
std::string shippingMemo(const dict::INVOICERecord &invoice, std::string_view datePicture);

} // namespace Win
