#include "app/shell/help.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// The pages are built into the program's library, which registers them on first use.
static bool loadHelpPages()
{
    Q_INIT_RESOURCE(help);
    return true;
}

namespace app {

namespace {

class HelpWindow : public QWidget
{
public:
    HelpWindow()
    {
        setWindowTitle(QStringLiteral("Tallyquill Help"));
        setAttribute(Qt::WA_DeleteOnClose);
        auto *layout = new QVBoxLayout(this);
        auto *bar = new QHBoxLayout;
        auto *back = new QPushButton(QStringLiteral("&Back"), this);
        bar->addWidget(back);
        bar->addStretch();
        bar->addWidget(new QLabel(QStringLiteral("&Find:"), this));
        find_ = new QLineEdit(this);
        bar->addWidget(find_);
        layout->addLayout(bar);
        browser_ = new QTextBrowser(this);
        browser_->setSearchPaths({QStringLiteral(":/help")});
        layout->addWidget(browser_);
        connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
        connect(find_, &QLineEdit::returnPressed, this, [this] {
            if (!browser_->find(find_->text())) {
                browser_->moveCursor(QTextCursor::Start);
                browser_->find(find_->text());
            }
        });
        resize(640, 520);
    }
    void showPage(const QString &page, bool search)
    {
        browser_->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
        show();
        raise();
        activateWindow();
        if (search)
            find_->setFocus();
    }

private:
    QTextBrowser *browser_;
    QLineEdit *find_;
};

HelpWindow *helpWindow()
{
    static const bool pagesLoaded = [] { return loadHelpPages(); }();
    (void)pagesLoaded;
    static QPointer<HelpWindow> window;
    if (!window)
        window = new HelpWindow;
    return window;
}

} // namespace

QString helpPageOf(const QString &topic)
{
    QString name = topic;
    name.remove(QLatin1Char('~'));
    name = name.toLower() + QStringLiteral(".html");
    return QFile::exists(QStringLiteral(":/help/") + name) ? name : QStringLiteral("contents.html");
}

void showHelp(HelpPage page)
{
    switch (page) {
    case HelpPage::Contents: helpWindow()->showPage(QStringLiteral("contents.html"), false); break;
    case HelpPage::Search: helpWindow()->showPage(QStringLiteral("contents.html"), true); break;
    case HelpPage::HowTo: helpWindow()->showPage(QStringLiteral("howto.html"), false); break;
    }
}

void showHelpTopic(const QString &topic) { helpWindow()->showPage(helpPageOf(topic), false); }

} // namespace app
