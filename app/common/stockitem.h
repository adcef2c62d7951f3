// A document line's stock item must still be on file when the line is saved: another station may
// have deleted it while the line was open.
#pragma once

#include "dictionary/fieldtypes.h"

namespace app {

// Whether the item is on file; when it is not, the user is told ("Item Not Found").
bool stockItemOnFile(const dict::String<20> &stockNo, dict::LONG recordNo);

} // namespace app
