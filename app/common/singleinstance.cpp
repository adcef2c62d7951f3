#include "app/common/singleinstance.h"

#include "framework/procedurewindow.h"
#include "framework/windowmanager.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace app {

namespace {

fw::ProcedureWindow *openWindowOf(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets())
        for (auto *window : top->findChildren<fw::ProcedureWindow *>(name))
            if (window->manager() && window->isVisible())
                return window;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<fw::ProcedureWindow *>(top))
            if (window->objectName() == name && window->manager() && window->isVisible())
                return window;
    return nullptr;
}

} // namespace

bool bringOpenCopyForward(std::string_view procedureName)
{
    fw::ProcedureWindow *window =
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

} // namespace app
