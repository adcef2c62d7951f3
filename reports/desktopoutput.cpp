// The desktop's report output: the preview window, and the print dialog for direct printing.
#include "reports/previewwindow.h"
#include "reports/printing.h"
#include "reports/reportoutput.h"

#include <QApplication>

namespace rpt {

namespace {

class DesktopOutput : public ReportOutput
{
public:
    bool preview(const PageQueue &queue, const std::string &title) override
    {
        PreviewWindow window(queue, title, QApplication::activeWindow());
        window.exec();
        return window.delivered();
    }
    std::string print(const PageQueue &queue, const std::string &title) override
    {
        printed_ = printWithDialog(queue, title, QApplication::activeWindow());
        return {};
    }
    bool printed() const override { return printed_; }
    Margins unprintable(const QPageSize &size, bool landscape) const override
    {
        return defaultPrinterEdges(size, landscape);
    }

private:
    bool printed_ = false;
};

} // namespace

namespace {
ReportOutput *standInOutput = nullptr;
} // namespace

ReportOutput &desktopOutput()
{
    static DesktopOutput output;
    return standInOutput ? *standInOutput : output;
}

void replaceDesktopOutput(ReportOutput *standIn) { standInOutput = standIn; }

} // namespace rpt
