#include "reports/printing.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"
#include "reports/displaystrings.h"
#include "reports/pageoutput.h"
#include "reports/papersize.h"
#include "reports/reportmessages.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace rpt {

bool printerAvailable() { return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty(); }

Margins defaultPrinterEdges(const QPageSize &size, bool landscape)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Margins::all(0);
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageSize(size);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const QPageLayout layout = printer.pageLayout();
    const QMarginsF edges = layout.minimumMargins() * reportUnitsPer(QPageSize::Unit(layout.units()));
    auto units = [](double edge) { return int(std::ceil(edge)); };
    return {units(edges.left()), units(edges.top()), units(edges.right()), units(edges.bottom())};
}

bool printWithDialog(const PageQueue &queue, const std::string &title, QWidget *parent)
{
    fw::ErrorClass &errors = REPORTS::Errors();
    if (!printerAvailable() &&
        errors.Message(ReportMsg::NoDefaultPrinter, dict::ButtonYes | dict::ButtonNo, dict::ButtonYes) != dict::ButtonYes)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(title));
    printer.setPageSize(queue.pageSize());
    printer.setPageOrientation(queue.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromStdString(DisplayStrings::load(REPORTS::Settings())[Display::PrinterDlgTitle]));
    dialog.setMinMax(1, queue.count());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const std::string error = printPages(queue, printer);
    if (!error.empty()) {
        errors.ThrowMessage(ReportMsg::PrintFailed, error);
        return false;
    }
    return true;
}

} // namespace rpt
