// The customers this station tagged in position-tag table 1, as the label, envelope, billing and
// consolidation reports walk them: a view over the tag file, and each tag's customer.
#pragma once

#include "dictionary/records.h"

namespace fw {
class ViewManager;
}

namespace PRN {

// range keeps the view's fixed key values; it must live as long as the view.
void viewTaggedCustomers(fw::ViewManager &view, dict::TAGFILEPOS_Buffer &range);

// The customer of the tag in TP_ into CUS; false when it was deleted since it was tagged.
bool fetchTaggedCustomer();

} // namespace PRN
