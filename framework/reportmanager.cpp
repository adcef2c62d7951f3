#include "framework/reportmanager.h"

#include "framework/framemessages.h"
#include "framework/reportslib.h"
#include "framework/errorclass.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>

namespace fw {

void ReportManager::Init(ProcessClass *process)
{
    process_ = process;
    ProcedureWindow *w = CreateWindow(QStringLiteral("Processing Records"));
    auto *layout = new QVBoxLayout(w);
    layout->addWidget(progress_ = new QProgressBar(w));
    progress_->setRange(0, 100);
    layout->addWidget(text_ = new QLabel(QStringLiteral("0% Completed"), w));
    text_->setAlignment(Qt::AlignCenter);
    layout->addWidget(cancel_ = new QPushButton(QStringLiteral("Cancel"), w));
    AddItem(cancel_, RequestCancelled);
    Resizable = false;
    process_->showProgress = [this](int percent, const std::string &text) {
        progress_->setValue(percent);
        text_->setText(QString::fromStdString(text));
    };
    timer_ = new QTimer(w);
    timer_->setInterval(0);
    QObject::connect(timer_, &QTimer::timeout, this, [this] { TakeWindowEvent(WindowEvent::Timer); });
}

int ReportManager::TakeWindowEvent(WindowEvent event)
{
    if (event == WindowEvent::OpenWindow) {
        process_->Reset();
        RecordsPerCycle = 1;
        timer_->start();
    } else if (event == WindowEvent::Timer) {
        timeSlice();
        return dict::Benign;
    } else if (event == WindowEvent::CloseWindow) {
        timer_->stop();
    }
    return WindowManager::TakeWindowEvent(event);
}

int ReportManager::TakeRecord() { return process_->TakeRecord(); }

void ReportManager::TakeNoRecords()
{
    REPORTS::Errors().Throw(FrameMsg::NoRecords);
    noRecords_ = true;
    finish(RequestCancelled);
}

void ReportManager::finish(int response)
{
    timer_->stop();
    Response = response;
    PostClose();
}

// One timer event: whole cycles of RecordsPerCycle records, for about half to one time slice.
void ReportManager::timeSlice()
{
    if (noRecords_ || Response != NoResponse)
        return timer_->stop();
    using clock = std::chrono::steady_clock;
    const auto started = clock::now();
    const long long startCount = process_->RecordsProcessed();
    for (;;) {
        while (process_->RecordsProcessed() - startCount < RecordsPerCycle) {
            if (Response != NoResponse) // Cancel pressed while the last record was taken
                return timer_->stop();
            if (process_->Next() != dict::Benign)
                return finish(process_->RecordsProcessed() > 0 ? RequestCompleted : RequestCancelled);
            if (TakeRecord() != dict::Benign)
                return finish(RequestCancelled);
        }
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(clock::now() - started).count() / 10;
        if (5 * elapsed < 4 * TimeSlice)
            RecordsPerCycle *= 2;
        if (2 * elapsed >= TimeSlice) {
            if (2 * elapsed > 3 * TimeSlice && RecordsPerCycle > 1)
                RecordsPerCycle /= 2;
            return;
        }
    }
}

} // namespace fw
