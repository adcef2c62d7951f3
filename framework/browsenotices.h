// Keeps an open browse's page fresh. A write through the access managers in this process arrives
// as a change notice of the browse's file; another station's commit shows in the file's change
// stamp, looked at once a second. Either marks the page stale and asks for one refresh, which
// re-reads the page around the highlighted record (following it where its key now puts it, or
// its successor when it has gone) in the browse's own thread context.
//
// A refresh waits while the browse's records are in use: a form or message box of the browse's
// own thread context is open, or a unit of work or a transaction holds the file. The next notice
// or tick catches up, unless the browse re-reads its page before (after its form, it does).
#pragma once

#include "dictionary/changenotices.h"
#include "dictionary/storage/recordfile.h"

#include <QBasicTimer>
#include <QObject>

namespace fw {

class BrowseClass;

class BrowseNotices : public QObject
{
    Q_OBJECT
public:
    explicit BrowseNotices(BrowseClass &browse);
    ~BrowseNotices() override;

    // The browse opened: notices and ticks count from now on. Stop: the browse was killed.
    void start();
    void stop();
    // The browse is about to read its whole page from the file: what changed until now will be on it.
    void reading();
    bool stale() const { return stale_; }

    static constexpr int CheckMilliseconds = 1000;

Q_SIGNALS:
    // The page was read again because the file changed.
    void refreshed();

protected:
    bool event(QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void noticed();
    void refreshIfStale();
    bool recordsInUse() const;
    void refresh();
    dict::storage::DataVersion stamp() const;

    BrowseClass &browse_;
    dict::ChangeNotices::Token token_ = 0;
    QBasicTimer timer_;
    // The file's stamp as last taken: when the browse opened, on each tick, and at the first page
    // read after a write of this process. Taking it costs a read transaction, so an ordinary page
    // read (scrolling) does not.
    dict::storage::DataVersion read_;
    bool writtenSinceStamp_ = false;
    bool open_ = false;
    bool stale_ = false;
    bool posted_ = false; // one refresh is on its way
    bool refreshing_ = false;
};

} // namespace fw
