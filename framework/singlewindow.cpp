#include "framework/singlewindow.h"

#include "framework/procedurewindow.h"
#include "framework/windowmanager.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace fw {

namespace {

ProcedureWindow *openWindowOf(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets())
        for (auto *window : top->findChildren<ProcedureWindow *>(name))
            if (window->manager() && window->isVisible())
                return window;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<ProcedureWindow *>(top))
            if (window->objectName() == name && window->manager() && window->isVisible())
                return window;
    return nullptr;
}

} // namespace

bool bringOpenCopyForward(std::string_view procedureName)
{
    ProcedureWindow *window =
        openWindowOf(QString::fromUtf8(procedureName.data(), static_cast<qsizetype>(procedureName.size())));
    if (!window)
        return false;
    auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget());
    QWidget *frame = sub ? static_cast<QWidget *>(sub) : window;
    if (frame->isMinimized())
        frame->showNormal();
    if (sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
    frame->raise();
    frame->activateWindow();
    return true;
}

void notifyFrame(int number)
{
    QMdiArea *mdi = WindowManager::mdiArea();
    if (QWidget *frame = mdi ? mdi->window() : nullptr)
        QCoreApplication::postEvent(frame, new ProcedureEvent(ProcedureEvent::Notify, number));
}

} // namespace fw
