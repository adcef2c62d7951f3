#include "app/recurring/billingcyclewindow.h"

#include "app/recurring/recurringmessages.h"
#include "dictionary/files.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"

namespace Win {

ReOccuringCycle::ReOccuringCycle()
    : fw::FormProcedure({.name = "Win:ReOccuringCycle",
                         .title = "Billing Cycle",
                         .files = {},
                         .messages = {app::installRecurringMessages},
                         .resizable = false})
{}

fw::FormDeclaration ReOccuringCycle::Declare()
{
    using namespace fw::form;
    fw::FormDeclaration declaration;
    declaration.items = {options("Select Billing Cycle", INV.REBILLCYCLE,
                                 {{"Monthly", "M"}, {"Quarterly", "Q"}, {"Semi-Annual", "S"}, {"Annual", "A"},
                                  {"None", "N"}})};
    return declaration;
}

int ReOccuringCycle::Built()
{
    openedRebill_ = INV.REBILL;
    openedCycle_ = INV.REBILLCYCLE.str();
    if (INV.QUOTES != 0) {
        REPORTS::Errors().Throw(app::RecurMsg::QuoteNotRebilled);
        return dict::Notify;
    }
    if (INV.REBILLCYCLE.blank())
        INV.REBILLCYCLE = "N"; // an invoice made before cycles were chosen has none
    Display();
    return dict::Benign;
}

int ReOccuringCycle::TakeCompleted()
{
    Update();
    INV.REBILL = INV.REBILLCYCLE == "N" ? 0 : 1;
    return Procedure::TakeCompleted();
}

// Cancel puts back what the window opened with.
int ReOccuringCycle::TakeCloseEvent()
{
    if (Response != fw::RequestCompleted) {
        INV.REBILL = openedRebill_;
        INV.REBILLCYCLE = openedCycle_;
    }
    return Procedure::TakeCloseEvent();
}

} // namespace Win
