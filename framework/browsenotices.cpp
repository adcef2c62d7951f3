#include "framework/browsenotices.h"

#include "framework/browseclass.h"
#include "framework/procedurewindow.h"
#include "framework/threadcontext.h"
#include "framework/windowmanager.h"

#include <QApplication>
#include <QEvent>
#include <QTimerEvent>

namespace fw {

namespace {

QEvent::Type refreshEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

ThreadContext *contextOf(const BrowseClass &browse)
{
    return browse.window() ? browse.window()->context() : nullptr;
}

} // namespace

BrowseNotices::BrowseNotices(BrowseClass &browse)
    : browse_(browse)
{}

BrowseNotices::~BrowseNotices() { stop(); }

void BrowseNotices::start()
{
    if (open_)
        return;
    open_ = true;
    stale_ = false;
    token_ = dict::changeNotices().Subscribe(browse_.File().Id(), [this](const dict::ChangeNotice &) { noticed(); });
    read_ = stamp();
    writtenSinceStamp_ = false;
    timer_.start(CheckMilliseconds, this);
}

void BrowseNotices::stop()
{
    if (!open_)
        return;
    open_ = false;
    stale_ = false;
    dict::changeNotices().Unsubscribe(token_);
    token_ = 0;
    timer_.stop();
}

// A page read after a write of this process shows that write: the stamp taken now keeps the
// next tick from reading the page again for it.
void BrowseNotices::reading()
{
    stale_ = false;
    if (writtenSinceStamp_) {
        read_ = stamp();
        writtenSinceStamp_ = false;
    }
}

dict::storage::DataVersion BrowseNotices::stamp() const
{
    dict::storage::RecordFile *file = browse_.File().File();
    return file && file->isOpen() ? file->dataVersion() : dict::storage::DataVersion{};
}

// Called on the writer's stack, in the writer's records: only note it, and let the event loop
// bring the refresh.
void BrowseNotices::noticed()
{
    stale_ = true;
    writtenSinceStamp_ = true;
    if (posted_)
        return;
    posted_ = true;
    QCoreApplication::postEvent(this, new QEvent(refreshEvent()));
}

bool BrowseNotices::event(QEvent *event)
{
    if (event->type() != refreshEvent())
        return QObject::event(event);
    posted_ = false;
    refreshIfStale();
    return true;
}

void BrowseNotices::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != timer_.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    if (!open_ || refreshing_ || recordsInUse())
        return;
    const dict::storage::DataVersion now = stamp();
    if (now != read_) {
        read_ = now;
        stale_ = true; // another station committed (or a write of ours went untold)
    }
    refreshIfStale();
}

void BrowseNotices::refreshIfStale()
{
    if (!open_ || !stale_ || refreshing_ || recordsInUse())
        return;
    refreshing_ = true;
    {
        // The page is read into the browse's own records; whoever was current gets theirs back.
        const ContextScope own(contextOf(browse_));
        refresh();
    }
    refreshing_ = false;
    Q_EMIT refreshed();
}

bool BrowseNotices::recordsInUse() const
{
    const dict::FileManager &file = browse_.File();
    if (!file.File() || !file.File()->isOpen() || file.File()->inTransaction() || dict::changeNotices().Held(file.Id()))
        return true;
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || (browse_.window() && modal == browse_.window()->window()))
        return false;
    // A form of another window's records may stay open a long while: it does not hold this page.
    // A form of our own records, or a message box of anyone's, holds it until it closes.
    const auto *procedure = qobject_cast<ProcedureWindow *>(modal);
    return !procedure || !procedure->manager() || procedure->manager()->context() == contextOf(browse_);
}

void BrowseNotices::refresh()
{
    dict::FileManager &file = browse_.File();
    const BrowseRow *row = browse_.page().current();
    if (row && file.TryReget(row->position) == dict::Benign && browse_.ValidRecord() && browse_.ValidateRecord())
        browse_.ResetFromBuffer(); // the highlighted record, where its key puts it now
    else
        browse_.ResetFromFile(true); // gone from the view: its successor takes its place
}

} // namespace fw
