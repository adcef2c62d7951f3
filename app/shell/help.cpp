#include "app/shell/help.h"

#include "framework/helphook.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

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
        auto *findLabel = new QLabel(QStringLiteral("&Find:"), this);
        bar->addWidget(findLabel);
        find_ = new QLineEdit(this);
        findLabel->setBuddy(find_); // shows the mnemonic, not a literal '&'
        bar->addWidget(find_);
        layout->addLayout(bar);
        browser_ = new QTextBrowser(this);
        browser_->setSearchPaths({QStringLiteral(":/help")});
        layout->addWidget(browser_);
        connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
        // Escape closes help, as it closes every dialog of the program.
        auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        escape->setContext(Qt::WindowShortcut);
        connect(escape, &QShortcut::activated, this, &QWidget::close);
        connect(find_, &QLineEdit::returnPressed, this, [this] {
            if (!browser_->find(find_->text())) {
                browser_->moveCursor(QTextCursor::Start);
                browser_->find(find_->text());
            }
        });
    }
    void showPage(const QString &page, bool search)
    {
        browser_->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
        if (!isVisible())
            placeOverProgram();
        show();
        raise();
        activateWindow();
        if (search)
            find_->setFocus();
    }

private:
    // Centred on the program's main window (or the screen), at a size for reading.
    void placeOverProgram()
    {
        QWidget *over = QApplication::activeWindow();
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->objectName() == QStringLiteral("AMain"))
                over = top;
        const QScreen *screen = over ? over->screen() : QApplication::primaryScreen();
        const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        const QSize size = QSize(720, 560).boundedTo(room.size() * 9 / 10);
        resize(size);
        QRect placed(QPoint(), size);
        placed.moveCenter(over && over != this ? over->frameGeometry().center() : room.center());
        placed.moveLeft(std::clamp(placed.left(), room.left(), std::max(room.left(), room.right() + 1 - size.width())));
        placed.moveTop(std::clamp(placed.top(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
        move(placed.topLeft());
    }

    QTextBrowser *browser_;
    QLineEdit *find_;
};

QPointer<HelpWindow> &window()
{
    static QPointer<HelpWindow> help;
    return help;
}

HelpWindow *helpWindow()
{
    static const bool pagesLoaded = [] { return loadHelpPages(); }();
    (void)pagesLoaded;
    if (!window())
        window() = new HelpWindow;
    return window();
}

bool pageExists(const QString &page)
{
    static const bool pagesLoaded = [] { return loadHelpPages(); }();
    (void)pagesLoaded;
    return QFile::exists(QStringLiteral(":/help/") + page);
}

} // namespace

QString helpPageOf(const QString &topic)
{
    QString name = topic;
    name.remove(QLatin1Char('~'));
    name = name.toLower() + QStringLiteral(".html");
    return pageExists(name) ? name : QStringLiteral("contents.html");
}

QString procedurePageOf(const std::string &procedureName)
{
    QString name = QString::fromStdString(procedureName).toLower();
    name.replace(QLatin1Char(':'), QLatin1Char('-'));
    return name + QStringLiteral(".html");
}

bool procedureHasPage(const std::string &procedureName)
{
    return !procedureName.empty() && pageExists(procedurePageOf(procedureName));
}

bool showProcedureHelp(const std::string &procedureName)
{
    if (!procedureHasPage(procedureName))
        return false;
    helpWindow()->showPage(procedurePageOf(procedureName), false);
    return true;
}

void installHelp() { fw::setHelpOpener(showProcedureHelp, procedureHasPage); }

QWidget *openHelpWindow() { return window() && window()->isVisible() ? window().data() : nullptr; }

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
