#include "framework/procedurewindow.h"

#include "framework/windowmanager.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace fw {

QEvent::Type ProcedureEvent::eventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

ProcedureWindow::ProcedureWindow(WindowManager *manager, QWidget *parent)
    : QWidget(parent)
    , manager_(manager)
{}

bool ProcedureWindow::event(QEvent *event)
{
    if (event->type() == ProcedureEvent::eventType()) {
        if (manager_)
            manager_->handleEvent(static_cast<ProcedureEvent &>(*event));
        return true;
    }
    return QWidget::event(event);
}

void ProcedureWindow::closeEvent(QCloseEvent *event)
{
    if (manager_ && !manager_->handleClose()) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT closed();
}

void ProcedureWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!opened_ && manager_) {
        opened_ = true;
        manager_->handleOpened();
    }
}

void ProcedureWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && manager_)
        manager_->handleActivation(isActiveWindow());
}

void ProcedureWindow::keyPressEvent(QKeyEvent *event)
{
    // Ctrl+' recalls the focused field's value from before the last save.
    if (manager_ && event->key() == Qt::Key_Apostrophe && (event->modifiers() & Qt::ControlModifier)) {
        manager_->handleHistoryKey();
        return;
    }
    // Keys the focused control did not take (a multi-line text keeps Enter for its new lines).
    const Qt::KeyboardModifiers plain = event->modifiers() & ~Qt::KeypadModifier;
    if (manager_ && plain == Qt::NoModifier) {
        const int key = event->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && manager_->handleEnter())
            return;
        if (key == Qt::Key_Escape && manager_->handleEscape())
            return;
        if (key == Qt::Key_F1 && manager_->showHelp())
            return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace fw
