// The report procedures as the frame runs them: each PRN procedure of the catalogue whose layout
// is built is a procedure by its name; running one not built yet says "Procedure not defined".
#pragma once

namespace app {

// Registers the built reports with the catalogue and every catalogue name with the frame.
void registerReportProcedures();

} // namespace app
