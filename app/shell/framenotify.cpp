#include "app/shell/framenotify.h"

#include "framework/procedurewindow.h"
#include "framework/windowmanager.h"

#include <QCoreApplication>
#include <QMdiArea>

namespace app {

void notifyFrame(int number)
{
    QMdiArea *mdi = fw::WindowManager::mdiArea();
    QWidget *frame = mdi ? mdi->window() : nullptr;
    if (frame)
        QCoreApplication::postEvent(frame, new fw::ProcedureEvent(fw::ProcedureEvent::Notify, number));
}

} // namespace app
