// Win:AskforDay: the date range prompt of the dated reports, into GLO.STARTDATE and GLO.ENDDATE,
// both offered as today and shown through GLO.DATENAME.
#pragma once

namespace Win {

// Returns and leaves in GlobalResponse 1 for Ok, 2 for Cancel.
int AskforDay();

} // namespace Win
