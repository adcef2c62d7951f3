// The report command line: "invoice --print PRN:NAME --pdf FILE [--from DATE --to DATE]
// [--invoice N | --credit-memo N | --purchase-order N | --blank] [--customer NO]
// [--labels address|shipping]" runs one report on the data folder of the working folder straight
// into a PDF, with no window and no question; whatever a report's window would ask for is an
// option. "invoice --list-reports" prints the catalogue with what each report needs; "invoice
// --help" the usage. Dates are written yyyy-mm-dd.
#pragma once

#include "app/shell/commandline.h"

#include <iosfwd>

namespace app {

// Runs it; 0 when the PDF was written (or the catalogue printed). Messages go to err.
int RunReportCommand(const ReportCommand &command, std::ostream &out, std::ostream &err);
// Says why the arguments make no command; the exit status for it.
int RefuseReportCommand(const CommandRefusal &refusal, std::ostream &err);
// The whole command from main: its own application object, the standard streams.
int ReportCommandMain(int argc, char **argv);

} // namespace app
