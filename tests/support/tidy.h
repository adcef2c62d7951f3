// Whether a window looks tidy: every visible control lies inside its window, no label or button
// is squeezed below the width its text needs, and no list column is narrower than its values.
#pragma once

#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/listformat.h"
#include "framework/picture.h"
#include "framework/windowmanager.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QTableView>
#include <QAbstractScrollArea>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testsupport {

inline std::string describe(const QWidget *w)
{
    QString text;
    if (auto *label = qobject_cast<const QLabel *>(w))
        text = label->text();
    else if (auto *button = qobject_cast<const QAbstractButton *>(w))
        text = button->text();
    return QStringLiteral("%1 \"%2\" at %3,%4 %5x%6")
        .arg(QString::fromLatin1(w->metaObject()->className()), text)
        .arg(w->x())
        .arg(w->y())
        .arg(w->width())
        .arg(w->height())
        .toStdString();
}

// Inside a scroll area's viewport a control may lie beyond what is shown: that is scrolling.
inline bool scrolled(const QWidget *w, const QWidget *window)
{
    for (const QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (auto *area = qobject_cast<const QAbstractScrollArea *>(p->parentWidget()); area && area->viewport() == p)
            return true;
    return false;
}

inline std::vector<std::string> untidy(const QWidget *window)
{
    std::vector<std::string> faults;
    const QRect inside = window->rect();
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->isWindow() || scrolled(w, window))
            continue;
        const QRect at(w->mapTo(window, QPoint(0, 0)), w->size());
        if (!inside.contains(at))
            faults.push_back("outside its window: " + describe(w));
        int needed = 0;
        if (auto *label = qobject_cast<const QLabel *>(w); label && !label->text().isEmpty() && !label->wordWrap())
            needed = label->minimumSizeHint().width();
        else if (auto *button = qobject_cast<const QAbstractButton *>(w); button && !button->text().isEmpty())
            needed = button->minimumSizeHint().width();
        if (w->width() < needed)
            faults.push_back("text cut (needs " + std::to_string(needed) + "): " + describe(w));
    }
    return faults;
}

// Fails the test with every fault found.
inline void expectTidy(const QWidget *window)
{
    std::string report;
    for (const std::string &fault : untidy(window))
        report += "\n  " + fault;
    EXPECT_TRUE(report.empty()) << window->windowTitle().toStdString() << ":" << report;
}

// Fails the test for every list column narrower than the widest value its picture shows.
inline void expectColumnsFit(const fw::WindowManager &window)
{
    for (const fw::BrowseClass *browse : window.browses()) {
        const QTableView *view = browse->list()->view();
        const auto &columns = browse->format().columns();
        for (int c = 0; c < int(columns.size()) && c < view->horizontalHeader()->count(); ++c) {
            if (!columns[std::size_t(c)].picture || view->isColumnHidden(c))
                continue;
            const QString widest = QString::fromStdString(fw::widestValue(*columns[std::size_t(c)].picture));
            EXPECT_GE(view->horizontalHeader()->sectionSize(c), view->fontMetrics().horizontalAdvance(widest))
                << window.procedureName << ": column " << c << " (" << *columns[std::size_t(c)].picture
                << ") cannot show " << widest.toStdString();
        }
    }
}

} // namespace testsupport
