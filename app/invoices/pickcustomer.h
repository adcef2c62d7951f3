// Brw::GetCustomer: the customer pick list of the invoice and credit memo forms. Three sort
// orders with locators; "&Select" leaves the highlighted customer in the CUSTOMER buffer and
// answers completed, "Cancel" answers cancelled. Customers can be added, changed and deleted on
// the way (Upd::Customer; Change and Delete behind the password gate).
//
//   Brw::GetCustomer pick;
//   if (pick.Run() == fw::RequestCompleted)
//       ... CUS holds the chosen customer
#pragma once

#include "framework/browseprocedure.h"

namespace Brw {

class GetCustomer : public fw::BrowseProcedure
{
public:
    static const fw::BrowseSpec &Spec();

    GetCustomer();
};

} // namespace Brw
