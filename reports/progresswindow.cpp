#include "reports/progresswindow.h"

#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"
#include "reports/reportmessages.h"
#include "reports/reportprocedure.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace rpt {

namespace {
QString qs(const std::string &text) { return QString::fromStdString(text); }
} // namespace

ProgressWindow::ProgressWindow(ReportProcedure &report, const DisplayStrings &strings, bool preview)
    : report_(report), strings_(strings), preview_(preview)
{
    setWindowTitle(qs(strings[preview ? Display::ProgWinTitlePrvw : Display::ProgWinTitlePrnt]));
    setModal(true);
    auto *column = new QVBoxLayout(this);
    auto *user = new QLabel(qs(strings[Display::ProgWinUsrText]), this);
    user->setVisible(!strings[Display::ProgWinUsrText].empty());
    column->addWidget(user);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    column->addWidget(bar_);
    percent_ = new QLabel(this);
    column->addWidget(percent_);
    records_ = new QLabel(this);
    column->addWidget(records_);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    column->addWidget(cancel_, 0, Qt::AlignHCenter);
    connect(cancel_, &QPushButton::clicked, this, &ProgressWindow::askCancel);
    timer_ = new QTimer(this);
    timer_->setInterval(0);
    connect(timer_, &QTimer::timeout, this, &ProgressWindow::tick);
    showProgress();
}

ProgressWindow::Result ProgressWindow::run()
{
    timer_->start();
    exec();
    return result_;
}

void ProgressWindow::tick()
{
    const bool more = report_.Slice();
    showProgress();
    if (!more) {
        timer_->stop();
        result_ = Completed;
        done(Accepted);
    }
}

// Redrawn only when the whole percentage changes.
void ProgressWindow::showProgress()
{
    const int percent = report_.Percent();
    records_->setText(QStringLiteral("%1 %2").arg(report_.RecordsDone()).arg(qs(strings_[Display::ProgWinRecText])));
    if (percent == shown_)
        return;
    shown_ = percent;
    bar_->setValue(percent);
    percent_->setText(QString::asprintf("%3d", percent) + qs(strings_[Display::ProgWinPctText]));
}

void ProgressWindow::reject() { askCancel(); }

void ProgressWindow::askCancel()
{
    timer_->stop();
    fw::ErrorClass &errors = REPORTS::Errors();
    if (errors.Message(ReportMsg::CancelAreYouSure, dict::ButtonYes | dict::ButtonNo, dict::ButtonNo) != dict::ButtonYes) {
        timer_->start();
        return;
    }
    result_ = Cancelled;
    if (preview_ && report_.HasPages()) {
        const int answer = errors.Message(ReportMsg::CancelPreviewPartial, dict::ButtonYes | dict::ButtonNo | dict::ButtonCancel,
                                          dict::ButtonYes, {{dict::ButtonCancel, "&Ignore"}});
        if (answer == dict::ButtonCancel) { // Ignore: the run goes on
            timer_->start();
            return;
        }
        if (answer == dict::ButtonYes)
            result_ = PartialPreview;
    }
    done(Rejected);
}

} // namespace rpt
