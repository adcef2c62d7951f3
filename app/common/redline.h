// Red lines: rows that need attention (a customer who owes, stock at its re-order level) are
// drawn in red. Each coloured list column shows its field followed by four colour fields
// (foreground, background, selected foreground, selected background); these add them.
#pragma once

#include "dictionary/fieldpairs.h"

namespace fw {
class BrowseClass;
}

namespace app {

// Adds the field and its four colour fields, which follow *red as it stands for each row.
void addRedLineField(fw::BrowseClass &browse, dict::FieldRef field, const bool *red);

} // namespace app
