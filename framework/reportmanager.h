// The progress window of a batch pass: drives a ProcessClass from its timer in time slices, so
// other windows stay responsive, and closes completed (records were read) or cancelled. Cancel
// is honoured between records: a record's work is never cut in two, and none follows it.
#pragma once

#include "framework/processclass.h"
#include "framework/windowmanager.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace fw {

class ReportManager : public WindowManager
{
public:
    // Builds the progress window ("Processing Records") for the process; call from Init.
    void Init(ProcessClass *process);
    int TakeWindowEvent(WindowEvent event) override;
    // The work on one record; the process's TakeRecord unless overridden.
    virtual int TakeRecord();
    // Tells the user there is nothing to do ("No Records") and ends the run.
    void TakeNoRecords();

    int RecordsPerCycle = 1;
    int TimeSlice = 100; // hundredths of a second

    QProgressBar *progressBar() const { return progress_; }
    QLabel *progressText() const { return text_; }
    QPushButton *cancelButton() const { return cancel_; }

private:
    void timeSlice();
    void finish(int response);

    ProcessClass *process_ = nullptr;
    QProgressBar *progress_ = nullptr;
    QLabel *text_ = nullptr;
    QPushButton *cancel_ = nullptr;
    QTimer *timer_ = nullptr;
    bool noRecords_ = false;
};

} // namespace fw
