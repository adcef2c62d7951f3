// The progress window of a report run: its title by destination, the user line, the percentage
// and the records read, and Cancel (also Escape), which asks before it stops and, when previewing
// with pages made, whether to preview what there is. A zero-interval timer drives the pass one
// slice per tick, so the window stays responsive without slowing the run.
#pragma once

#include "reports/displaystrings.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace rpt {

class ReportProcedure;

class ProgressWindow : public QDialog
{
    Q_OBJECT
public:
    enum Result { Completed, PartialPreview, Cancelled };

    ProgressWindow(ReportProcedure &report, const DisplayStrings &strings, bool preview);
    Result run();

    QPushButton *cancelButton() const { return cancel_; }

protected:
    void reject() override; // Escape and the close box: as Cancel

private:
    void tick();
    void askCancel();
    void showProgress();

    ReportProcedure &report_;
    const DisplayStrings &strings_;
    bool preview_;
    Result result_ = Cancelled;
    int shown_ = -1;
    QLabel *percent_ = nullptr;
    QLabel *records_ = nullptr;
    QProgressBar *bar_ = nullptr;
    QPushButton *cancel_ = nullptr;
    QTimer *timer_ = nullptr;
};

} // namespace rpt
