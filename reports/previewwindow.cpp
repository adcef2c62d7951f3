#include "reports/previewwindow.h"

#include "framework/errorclass.h"
#include "framework/reportslib.h"
#include "reports/pageoutput.h"
#include "reports/pagepainter.h"
#include "reports/printing.h"
#include "reports/reportmessages.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace rpt {

// One page at the window's zoom, drawn from the queue whenever it is shown.
class PageView : public QWidget
{
public:
    explicit PageView(const PageQueue &queue) : queue_(queue) {}
    void show(int page, double dotsPerInch)
    {
        page_ = page;
        dpi_ = dotsPerInch;
        setFixedSize(int(queue_.pageWidth() * dpi_ / 1000), int(queue_.pageHeight() * dpi_ / 1000));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (page_ < queue_.count())
            paintPage(queue_, page_, painter, dpi_);
    }

private:
    const PageQueue &queue_;
    int page_ = 0;
    double dpi_ = 96;
};

namespace {

QPushButton *button(QHBoxLayout *bar, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    bar->addWidget(b);
    return b;
}

// A paging arrow as narrow as its sign, so the bar fits a small screen.
QPushButton *arrow(QHBoxLayout *bar, const QString &text, QWidget *parent)
{
    QPushButton *b = button(bar, text, parent);
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(text) + 24);
    return b;
}

} // namespace

PreviewWindow::PreviewWindow(const PageQueue &queue, std::string title, QWidget *parent)
    : QDialog(parent), queue_(queue), title_(std::move(title))
{
    setWindowTitle(QString::fromStdString(title_));
    auto *column = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    QPushButton *first = arrow(bar, tr("|<"), this);
    QPushButton *previous = arrow(bar, tr("<"), this);
    pageBox_ = new QSpinBox(this);
    pageBox_->setRange(1, std::max(1, queue.count()));
    bar->addWidget(pageBox_);
    ofPages_ = new QLabel(tr("of %1").arg(queue.count()), this);
    bar->addWidget(ofPages_);
    QPushButton *next = arrow(bar, tr(">"), this);
    QPushButton *last = arrow(bar, tr(">|"), this);
    zoomBox_ = new QComboBox(this);
    zoomBox_->addItem(tr("Fit width"), 0.0);
    for (int percent : {50, 75, 100, 150, 200})
        zoomBox_->addItem(QStringLiteral("%1%").arg(percent), percent / 100.0);
    bar->addWidget(zoomBox_);
    bar->addStretch();
    QPushButton *printButton = button(bar, tr("&Print..."), this);
    QPushButton *save = button(bar, tr("&Save as PDF..."), this);
    QPushButton *mail = button(bar, tr("&E-mail..."), this);
    QPushButton *close = button(bar, tr("&Close"), this);
    column->addLayout(bar);
    view_ = new PageView(queue);
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(view_);
    scroll_->setAlignment(Qt::AlignHCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->viewport()->installEventFilter(this); // fit width follows the area the page shows in
    column->addWidget(scroll_);

    connect(first, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(previous, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(last, &QPushButton::clicked, this, [this] { showPage(queue_.count() - 1); });
    connect(pageBox_, &QSpinBox::valueChanged, this, [this](int n) { showPage(n - 1); });
    connect(zoomBox_, &QComboBox::currentIndexChanged, this,
            [this](int i) { setZoom(zoomBox_->itemData(i).toDouble()); });
    connect(printButton, &QPushButton::clicked, this, &PreviewWindow::print);
    connect(save, &QPushButton::clicked, this, [this] {
        const QString name = QFileDialog::getSaveFileName(this, tr("Save as PDF"), QDir::homePath(), tr("PDF (*.pdf)"));
        if (!name.isEmpty())
            saveAs(name);
    });
    connect(mail, &QPushButton::clicked, this, &PreviewWindow::email);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    showPage(0);
}

void PreviewWindow::showPage(int page)
{
    page_ = std::clamp(page, 0, std::max(0, queue_.count() - 1));
    {
        const QSignalBlocker quiet(pageBox_);
        pageBox_->setValue(page_ + 1);
    }
    applyZoom();
}

void PreviewWindow::setZoom(double zoom)
{
    zoom_ = zoom;
    applyZoom();
}

void PreviewWindow::applyZoom()
{
    const double screenDpi = logicalDpiX();
    double dpi = zoom_ * screenDpi;
    if (zoom_ <= 0) { // fit width: the page across the visible area
        const int room = scroll_->viewport()->width() - 8;
        dpi = room * 1000.0 / std::max(1, queue_.pageWidth());
    }
    view_->show(page_, std::max(10.0, dpi));
}

// A page's height at most, within the screen the window opens on: the preview never runs off it.
void PreviewWindow::showEvent(QShowEvent *event)
{
    if (!sized_) {
        sized_ = true;
        const QRect room = (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
        resize(std::min(900, room.width() * 9 / 10), std::min(1000, room.height() * 9 / 10));
        move(room.center() - rect().center());
    }
    QDialog::showEvent(event);
    applyZoom();
}

bool PreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize && zoom_ <= 0)
        applyZoom();
    return QDialog::eventFilter(watched, event);
}

void PreviewWindow::print()
{
    if (printWithDialog(queue_, title_, this))
        delivered_ = true;
}

bool PreviewWindow::saveAs(const QString &fileName)
{
    const std::string error = writePdf(queue_, fileName.toStdString(), title_);
    if (!error.empty()) {
        REPORTS::Errors().ThrowMessage(ReportMsg::PdfNotWritten, error);
        return false;
    }
    delivered_ = true;
    return true;
}

void PreviewWindow::email()
{
    QString name = QString::fromStdString(title_).simplified().replace(QLatin1Char(' '), QLatin1Char('_'));
    if (name.isEmpty())
        name = QStringLiteral("report");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    const QString pdf = QDir(folder).filePath(name + QStringLiteral(".pdf"));
    if (!saveAs(pdf))
        return;
    if (!mailAttachment(pdf))
        REPORTS::Errors().ThrowMessage(ReportMsg::NoMailProgram, pdf.toStdString());
}

bool mailAttachment(const QString &pdf)
{
    return QProcess::startDetached(QStringLiteral("xdg-email"), {QStringLiteral("--attach"), pdf});
}

} // namespace rpt
