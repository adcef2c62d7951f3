#include "framework/browselist.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

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

bool BrowseList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view_->viewport() && event->type() == QEvent::Resize)
        emit resized();
    return QWidget::eventFilter(watched, event);
}

} // namespace fw
