#include "tagging/bulkwork.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace ST {

void Breather::tick()
{
    if (every_ <= 0 || ++count_ < every_)
        return;
    count_ = 0;
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

WaitCursor::WaitCursor()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        shown_ = true;
    }
}

WaitCursor::~WaitCursor()
{
    if (shown_)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace ST
