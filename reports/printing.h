// Printing on the desktop's printers: the print dialog, the copy count chosen there, and the
// warning when no printer is set up.
#pragma once

#include "reports/pagequeue.h"

#include <string>

class QWidget;

namespace rpt {

// Asks for the printer (the dialog titled by the display strings), then prints. False when
// nothing was printed: no printer and the user stopped at the warning, the dialog cancelled, or
// the printer failed (told to the user).
bool printWithDialog(const PageQueue &queue, const std::string &title, QWidget *parent);

// Whether the desktop has a printer to print on.
bool printerAvailable();

// The edges of the paper the default printer cannot print on, in report units; none when the
// desktop has no printer.
Margins defaultPrinterEdges(const QPageSize &size, bool landscape);

} // namespace rpt
