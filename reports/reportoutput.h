// Where a report run hands its pages: the desktop (the preview window, the print dialog and its
// printers), or a recording stand-in in the tests.
#pragma once

#include "reports/pagequeue.h"

#include <string>

namespace rpt {

class ReportOutput
{
public:
    virtual ~ReportOutput() = default;
    // Shows the pages until the user closes them; true when they were printed or saved meanwhile.
    virtual bool preview(const PageQueue &queue, const std::string &title) = 0;
    // Prints at once on a printer the user picks; empty on success, else why not (an empty
    // string with false from printed() when the user chose not to print).
    virtual std::string print(const PageQueue &queue, const std::string &title) = 0;
    // Whether the last print() really printed.
    virtual bool printed() const = 0;
    // The edges of the paper that the printer in force cannot print on (report units): the
    // pages are laid out inside them. A file has none.
    virtual Margins unprintable(const QPageSize &size, bool landscape) const
    {
        (void)size;
        (void)landscape;
        return Margins::all(0);
    }
};

// The desktop's: the preview window and the print dialog, unless a stand-in took its place.
ReportOutput &desktopOutput();
// Puts a stand-in in the desktop's place (the tests, which have no one to close a dialog);
// nullptr puts the desktop back.
void replaceDesktopOutput(ReportOutput *standIn);

} // namespace rpt
