#include "reports/pageoutput.h"

#include "reports/pagepainter.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <sstream>

namespace rpt {

namespace {

// Draws every page; false when the device would not start or take a new page.
bool paintAll(const PageQueue &queue, QPagedPaintDevice &device, double dotsPerInch)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int n = 0; n < queue.count(); ++n) {
        if (n > 0 && !device.newPage())
            return false;
        paintPage(queue, n, painter, dotsPerInch);
    }
    return painter.end();
}

QPageLayout fullPage(const PageQueue &queue)
{
    return QPageLayout(queue.pageSize(), queue.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

} // namespace

std::string writePdf(const PageQueue &queue, const std::string &fileName, const std::string &title)
{
    const QString name = QString::fromStdString(fileName);
    {
        // QPdfWriter gives no reason when it cannot write; the file itself does.
        QFile probe(name);
        if (!probe.open(QIODevice::WriteOnly))
            return "The PDF file " + fileName + " could not be written: " + probe.errorString().toStdString() + ".";
    }
    QPdfWriter writer(name);
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator(QStringLiteral("Tallyquill"));
    writer.setResolution(600);
    writer.setPageLayout(fullPage(queue));
    if (!paintAll(queue, writer, writer.resolution()))
        return "The PDF file " + fileName + " could not be written.";
    return {};
}

std::string printPages(const PageQueue &queue, QPrinter &printer)
{
    printer.setFullPage(true);
    printer.setPageLayout(fullPage(queue));
    const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    for (int copy = 0; copy < copies; ++copy) {
        if (!paintAll(queue, printer, printer.resolution()))
            return "The report could not be sent to the printer " + printer.printerName().toStdString() + ".";
    }
    return {};
}

std::string dumpPages(const PageQueue &queue)
{
    static const char *const aligns[] = {"left", "right", "center"};
    std::ostringstream out;
    for (int n = 0; n < queue.count(); ++n) {
        const Page &page = queue.page(n);
        out << "page " << n + 1 << '\n';
        for (const PageOp &op : page.ops) {
            const Box &a = op.at;
            out << "  ";
            switch (op.kind) {
            case PageOp::Text: {
                const Font &f = queue.fonts()[op.font];
                out << "text " << a.x << ',' << a.y << ' ' << a.width << 'x' << a.height << ' '
                    << aligns[int(op.align)] << ' ' << f.points << (f.bold ? "b" : "") << " \"" << queue.text(page, op)
                    << "\"";
                break;
            }
            case PageOp::Line:
                out << "line " << a.x << ',' << a.y << ' ' << a.width << 'x' << a.height;
                break;
            case PageOp::Rect:
                out << "box " << a.x << ',' << a.y << ' ' << a.width << 'x' << a.height;
                break;
            case PageOp::Image:
                out << "picture " << a.x << ',' << a.y << ' ' << a.width << 'x' << a.height;
                break;
            }
            out << '\n';
        }
    }
    return out.str();
}

} // namespace rpt
