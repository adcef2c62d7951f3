// Win::ReOccuringCycle: the billing cycle of the invoice in the INV buffer ("Monthly" ...
// "None"). Ok makes the invoice the current one of a recurring series unless "None" is chosen;
// Cancel leaves the buffer as the window found it. The invoice form's Save stores the choice.
// A quote is never billed again: the window refuses to open on one.
#pragma once

#include "framework/formprocedure.h"

namespace Win {

class ReOccuringCycle : public fw::FormProcedure
{
public:
    ReOccuringCycle();

    int TakeCompleted() override;
    int TakeCloseEvent() override;

protected:
    fw::FormDeclaration Declare() override;
    int Built() override;

private:
    dict::BYTE openedRebill_ = 0;
    std::string openedCycle_;
};

} // namespace Win
