// Brw::GetCustomer: the customer pick list of the invoice and credit memo forms. Three sort
// orders with locators; "&Select" leaves the highlighted customer in the CUSTOMER buffer and
// answers completed, "Cancel" answers cancelled. Customers can be added, changed and deleted on
// the way (Upd::Customer; Change and Delete behind the password gate).
//
//   Brw::GetCustomer pick;
//   if (pick.Run() == fw::RequestCompleted)
//       ... CUS holds the chosen customer
#pragma once

#include "dictionary/fieldtypes.h"
#include "framework/browseprocedure.h"

namespace Brw {

class GetCustomer : public fw::BrowseProcedure
{
public:
    static const fw::BrowseSpec &Spec();

    GetCustomer();
};

} // namespace Brw

namespace app {

// The customer picked from the list, into CUS; false, CUS as it was, when the pick is cancelled.
bool pickCustomer();
// The customer of the typed number into CUS, or for a number not on file the one picked
// instead; false, CUS as it was, for a blank number or a cancelled pick.
bool findOrPickCustomer(const dict::String<10> &number);

} // namespace app
