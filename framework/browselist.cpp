#include "framework/browselist.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>

#include <algorithm>

namespace fw {

BrowseList::BrowseList(QWidget *parent)
    : QWidget(parent)
    , view_(new QTableView(this))
    , thumb_(new QScrollBar(Qt::Vertical, this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_);
    layout->addWidget(thumb_);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setAlternatingRowColors(true);
    view_->setShowGrid(false);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Rows as high as a line of text and a little air, so a page shows many records.
    view_->verticalHeader()->setMinimumSectionSize(1);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setSectionsMovable(true);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->horizontalHeader()->setStretchLastSection(true);
    thumb_->setRange(0, 100);
    thumb_->setPageStep(10);
    view_->viewport()->installEventFilter(this);
    setFocusProxy(view_);
}

int BrowseList::visibleRows() const
{
    const int rowHeight = view_->verticalHeader()->defaultSectionSize();
    const int rows = rowHeight > 0 ? view_->viewport()->height() / rowHeight : 1;
    return rows < 1 ? 1 : rows;
}

QSize BrowseList::sizeHint() const
{
    return {QWidget::sizeHint().width(), minimumSizeHint().height()};
}

// The header, OpenRows rows and the view's frame.
QSize BrowseList::minimumSizeHint() const
{
    const int frame = 2 * view_->frameWidth();
    const int rows = OpenRows * view_->verticalHeader()->defaultSectionSize();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view_);
    const int height = view_->horizontalHeader()->sizeHint().height() + rows + frame + scrollBar;
    return {QWidget::minimumSizeHint().width(), height};
}

DialogUnits BrowseList::units() const
{
    const QFontMetrics metrics(view_->font());
    return {metrics.averageCharWidth(), metrics.height()};
}

// The padding a cell keeps on either side of its text.
int BrowseList::cellMargin() const
{
    return 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view_) + 1);
}

void BrowseList::setColumnWidths(const std::vector<std::optional<int>> &dialogUnits, const std::vector<std::string> &widest)
{
    QHeaderView *header = view_->horizontalHeader();
    const DialogUnits dlu = units();
    const QFontMetrics metrics(view_->font());
    for (int column = 0; column < header->count() && column < static_cast<int>(dialogUnits.size()); ++column) {
        const std::optional<int> width = dialogUnits[static_cast<std::size_t>(column)];
        if (!width)
            continue;
        int pixels = dlu.toPixelsX(*width) + cellMargin();
        if (static_cast<std::size_t>(column) < widest.size() && !widest[std::size_t(column)].empty())
            pixels = std::max(pixels, metrics.horizontalAdvance(QString::fromStdString(widest[std::size_t(column)])) +
                                          2 * cellMargin());
        header->resizeSection(column, std::max(pixels, header->sectionSizeHint(column)));
    }
}

int BrowseList::columnWidth(int column) const
{
    const int pixels = view_->horizontalHeader()->sectionSize(column) - cellMargin();
    return units().fromPixelsX(std::max(pixels, 0));
}

bool BrowseList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view_->viewport() && event->type() == QEvent::Resize)
        Q_EMIT resized();
    return QWidget::eventFilter(watched, event);
}

} // namespace fw
