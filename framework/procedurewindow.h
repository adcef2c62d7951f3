// The window of a procedure: a plain widget that hands its window events (open, close, focus,
// posted completions and navigation requests) to the procedure's window manager.
#pragma once

#include <QEvent>
#include <QWidget>

namespace fw {

class WindowManager;

// Events the framework posts to a procedure window.
class ProcedureEvent : public QEvent
{
public:
    enum Kind { Completed, CloseWindow, Navigate, Notify };
    static QEvent::Type eventType();

    ProcedureEvent(Kind kind, int code = 0)
        : QEvent(eventType())
        , kind(kind)
        , code(code)
    {}
    Kind kind;
    int code; // the navigation code, or the notification number
};

class ProcedureWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ProcedureWindow(WindowManager *manager, QWidget *parent = nullptr);
    WindowManager *manager() const { return manager_; }
    void detach() { manager_ = nullptr; }

Q_SIGNALS:
    void closed();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    WindowManager *manager_;
    bool opened_ = false;
};

} // namespace fw
