#include "app/shell/frame.h"

#include "app/shell/about.h"
#include "app/shell/declarations.h"
#include "app/shell/desktop.h"
#include "app/shell/help.h"
#include "app/shell/mainmessages.h"
#include "app/common/framenotify.h"
#include "app/common/passwordgate.h"
#include "app/shell/unfinished.h"
#include "app/shell/procedures.h"
#include "app/shell/toolbaricons.h"
#include "app/setup/setup.h"
#include "app/setup/startup.h"
#include "dictionary/errorreporter.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/errorclass.h"
#include "framework/formtoolbar.h"
#include "framework/framemessages.h"
#include "framework/iniclass.h"
#include "framework/mnemonics.h"
#include "framework/procedurewindow.h"
#include "framework/reportslib.h"
#include "framework/windowmanager.h"
#include "tagging/tags.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace app {

namespace {

constexpr const char *WebSite = "https://www.tallyquill.com/";

QString qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The open, living windows of a procedure, wherever they opened.
bool procedureOpen(const char *name)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        QList<fw::ProcedureWindow *> windows = top->findChildren<fw::ProcedureWindow *>();
        if (auto *own = qobject_cast<fw::ProcedureWindow *>(top))
            windows.append(own);
        for (fw::ProcedureWindow *w : windows)
            if (w->manager() && !w->manager()->dead() && w->manager()->procedureName == name)
                return true;
    }
    return false;
}

// The picture of a toolbar button, by the procedure it starts.
QIcon procedureIcon(std::string_view procedure)
{
    using P = ToolbarPicture;
    static const std::pair<std::string_view, P> pictures[] = {
        {"Upd:Setup", P::Setup},           {"Upd:CreditMemo", P::NewCreditMemo},
        {"Upd:Invoice", P::NewInvoice},    {"Upd:PurchaseOrder", P::NewPurchaseOrder},
        {"Brw:Customers", P::Customers},   {"Brw:CreditMemos", P::CreditMemos},
        {"Brw:Inventory", P::Inventory},   {"Brw:Invoices", P::Invoices},
        {"Brw:Vendors", P::Vendors},       {"Brw:PurchaseOrders", P::PurchaseOrders},
        {"Brw:GetStandardMemos", P::StandardMemos},
    };
    for (const auto &[name, picture] : pictures)
        if (name == procedure)
            return toolbarIcon(picture);
    return toolbarIcon(P::Help);
}

QIcon navigationIcon(int code)
{
    using P = ToolbarPicture;
    switch (code) {
    case fw::Nav::Top: return toolbarIcon(P::FirstPage);
    case fw::Nav::PageUp: return toolbarIcon(P::PriorPage);
    case fw::Nav::Up: return toolbarIcon(P::PriorRecord);
    case fw::Nav::Down: return toolbarIcon(P::NextRecord);
    case fw::Nav::PageDown: return toolbarIcon(P::NextPage);
    case fw::Nav::Bottom: return toolbarIcon(P::LastPage);
    case fw::Nav::Insert: return toolbarIcon(P::Insert);
    case fw::Nav::Change: return toolbarIcon(P::Change);
    case fw::Nav::Delete: return toolbarIcon(P::Delete);
    default: return toolbarIcon(P::Help);
    }
}

} // namespace

QString statusDate(fw::DayNumber day)
{
    const QString name = QString::fromLatin1(WeekdayNames + fw::weekday(day) * 9, 9).trimmed();
    return name + QStringLiteral(", ") + qt(fw::formatValue(day, "@d4"));
}

AMain::AMain()
{
    clock = [] { return std::pair{fw::today(), fw::clockNow()}; };
}

AMain::~AMain()
{
    // The window closes while it is destroyed; by then it must hear of focus changes no more.
    disconnect(qApp, nullptr, this, nullptr);
    if (area_)
        disconnect(area_, nullptr, this, nullptr);
    Kill();
}

// --- start and end ------------------------------------------------------------------------------

bool AMain::Init()
{
    REPORTS::Errors().SetProcedureName("AMain");
    Win::About::ProgramClosing() = false;
    installMainMessages(REPORTS::Errors());
    for (const std::string &fault : checkDeclarations())
        REPORTS::Errors().ThrowMessage(fw::FrameMsg::BadDeclaration, fault);
    installHelp();
    GlobalRequest = 0;
    GlobalResponse = 0;
    if (StartUp() == StartResult::Failed)
        return false;
    if (Relate::SETUP.Open() != dict::Benign)
        return false;
    if (Relate::TOTALINV.Open() != dict::Benign) {
        Relate::SETUP.Close();
        return false;
    }
    filesOpened_ = true;

    setWindowTitle(QStringLiteral("Tallyquill 2.54"));
    setObjectName(QStringLiteral("AMain"));
    area_ = new QMdiArea(this);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
    buildMenus();
    fw::WindowManager::setMdiArea(area_, menuLetters());
    buildToolbar();
    buildStatusBar();
    connect(area_, &QMdiArea::subWindowActivated, this, &AMain::updateNavigation);
    connect(qApp, &QApplication::focusChanged, this, &AMain::updateNavigation);
    updatePrintBlank();
    relabel();
    restorePlacement();
    return true;
}

void AMain::Kill()
{
    if (!filesOpened_)
        return;
    filesOpened_ = false;
    Relate::TOTALINV.Close();
    Relate::SETUP.Close();
    if (fw::WindowManager::mdiArea() == area_)
        fw::WindowManager::setMdiArea(nullptr);
    REPORTS::Errors().SetProcedureName();
}

void AMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    const QScreen *screen = this->screen();
    if (screen && screen->availableGeometry().width() < 800)
        REPORTS::Errors().Throw(MainMsg::SmallScreen);
    updatePrintBlank();
    // Once the frame is on screen, documents left unfinished here are offered first; then the
    // splash opens, unless one is being finished. The first choice of a menu closes the splash.
    QTimer::singleShot(0, this, [this] {
        if (procedureDefined("Upd:Invoice") && offerUnfinishedEntries())
            return;
        if (!procedureDefined("Win:About"))
            return;
        runProcedure("Win:About");
        if (fw::WindowManager *about = fw::WindowManager::active(); about && about->procedureName == "Win:About")
            splash_ = about;
    });
}

void AMain::closeEvent(QCloseEvent *event)
{
    // Every open window closes first; one that refuses (changes to save) keeps the frame open.
    // The splash closing now must not open the setup form on the way out.
    Win::About::ProgramClosing() = true;
    area_->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(); // closes already asked for, such as the splash's
    if (!area_->subWindowList().isEmpty()) {
        Win::About::ProgramClosing() = false;
        event->ignore();
        return;
    }
    keepPlacement();
    QMainWindow::closeEvent(event);
}

// --- placement ----------------------------------------------------------------------------------

// The frame opens where it was closed, maximised if it was; the first time at a usual size.
void AMain::restorePlacement()
{
    fw::WindowPlacement placement{.x = 0, .y = 0, .width = 1000, .height = 700, .resizable = true};
    if (fw::INIClass *ini = REPORTS::Settings(); !ini || !ini->FetchWindow(objectName().toStdString(), placement)) {
        resize(placement.width, placement.height);
        return;
    }
    setGeometry(fw::WindowManager::onScreen(this, QRect(placement.x, placement.y, placement.width, placement.height)));
    if (placement.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void AMain::keepPlacement() const
{
    fw::INIClass *ini = REPORTS::Settings();
    if (!ini)
        return;
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    ini->UpdateWindow(objectName().toStdString(), {.maximized = isMaximized(), .minimized = isMinimized(),
                                                   .x = normal.x(), .y = normal.y(), .width = normal.width(),
                                                   .height = normal.height(), .resizable = true});
}

// --- menus, toolbar, status bar -----------------------------------------------------------------

QMenu *AMain::menuAt(const QString &path)
{
    if (auto found = menus_.find(path); found != menus_.end())
        return found->second;
    const qsizetype split = path.lastIndexOf(QStringLiteral(" > "));
    QMenu *menu = split < 0 ? menuBar()->addMenu(path) : menuAt(path.left(split))->addMenu(path.mid(split + 3));
    menus_[path] = menu;
    return menu;
}

QString AMain::menuLetters() const
{
    QString letters;
    for (const QAction *menu : menuBar()->actions())
        if (const QChar letter = fw::mnemonicOf(menu->text()); !letter.isNull())
            letters += letter;
    return letters;
}

void AMain::buildMenus()
{
    for (const MenuEntry &entry : frameMenu()) {
        const QString full = QString::fromUtf8(entry.text);
        const qsizetype tab = full.indexOf(QLatin1Char('\t'));
        auto *action = menuAt(QString::fromUtf8(entry.path))->addAction(tab < 0 ? full : full.left(tab));
        if (tab >= 0) {
            action->setShortcut(QKeySequence(full.mid(tab + 1)));
            action->setShortcutContext(Qt::ApplicationShortcut);
        }
        action->setStatusTip(QString::fromUtf8(entry.tip));
        action->setEnabled(!entry.off);
        connect(action, &QAction::triggered, this, [this, &entry] { trigger(entry); });
        actions_.emplace_back(&entry, action);
        if (entry.item != MenuItem::None)
            items_.emplace(entry.item, action);
    }
}

void AMain::buildToolbar()
{
    QToolBar *bar = addToolBar(QStringLiteral("Toolbar"));
    bar->setObjectName(QStringLiteral("Toolbar"));
    bar->setMovable(false);
    for (const MenuEntry &entry : frameToolbar()) {
        QAction *action = bar->addAction(procedureIcon(entry.procedure ? entry.procedure : ""),
                                         QString::fromUtf8(entry.text));
        action->setToolTip(QString::fromUtf8(entry.tip));
        action->setStatusTip(QString::fromUtf8(entry.tip));
        connect(action, &QAction::triggered, this, [this, &entry] { trigger(entry); });
    }
    auto *spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    for (const NavigationButton &button : navigationButtons()) {
        QAction *action = bar->addAction(navigationIcon(button.code), QString::fromUtf8(button.tip));
        action->setData(button.code);
        action->setToolTip(QString::fromUtf8(button.tip));
        action->setProperty("tq.defaultTip", QString::fromUtf8(button.tip));
        action->setEnabled(false);
        const int code = button.code;
        connect(action, &QAction::triggered, this, [this, code] { forwardNavigation(code); });
        navigation_.push_back(action);
    }
}

void AMain::buildStatusBar()
{
    date_ = new QLabel(this);
    time_ = new QLabel(this);
    date_->setMinimumWidth(date_->fontMetrics().horizontalAdvance(QStringLiteral("Wednesday, September 30, 2026  ")));
    time_->setMinimumWidth(time_->fontMetrics().horizontalAdvance(QStringLiteral(" 00:00:00 PM ")));
    date_->setAlignment(Qt::AlignCenter);
    time_->setAlignment(Qt::AlignCenter);
    statusBar()->addPermanentWidget(date_);
    statusBar()->addPermanentWidget(time_);
    timer_ = new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &AMain::tick);
    timer_->start();
    tick();
}

void AMain::tick()
{
    const auto [day, time] = clock();
    date_->setText(statusDate(day));
    time_->setText(qt(fw::formatValue(time, "@t6")));
    relabel();
}

QString AMain::dateZone() const { return date_->text(); }
QString AMain::timeZone() const { return time_->text(); }

QAction *AMain::action(MenuItem item) const
{
    const auto found = items_.find(item);
    return found == items_.end() ? nullptr : found->second;
}

QAction *AMain::actionOf(const QString &text) const
{
    for (const auto &[entry, action] : actions_)
        if (action->text() == text)
            return action;
    return nullptr;
}

fw::WindowManager *AMain::splash() const { return qobject_cast<fw::WindowManager *>(splash_.data()); }

// --- what the frame does ------------------------------------------------------------------------

void AMain::closeSplash()
{
    if (fw::WindowManager *about = splash())
        about->PostClose();
    splash_.clear();
}

void AMain::trigger(const MenuEntry &entry)
{
    closeSplash();
    const std::string_view procedure = entry.procedure ? entry.procedure : "";
    switch (entry.action) {
    case MenuAction::Start: runProcedure(procedure); break;
    case MenuAction::StartWithMode:
        if (procedureDefined(procedure))
            GLO.STARTUP = static_cast<dict::BYTE>(entry.argument);
        runProcedure(procedure);
        break;
    case MenuAction::NewDocument:
        if (procedureDefined(procedure)) {
            GLO.NEWINVOICE = entry.argument == NewInvoice;
            GLO.NEWCREDITMEMO = entry.argument == NewCreditMemo;
            GLO.NEWPURCHASEORDER = entry.argument == NewPurchaseOrder;
        }
        runProcedure(procedure);
        break;
    case MenuAction::PrintBlank: printBlank(entry); break;
    case MenuAction::PrintCreditMemo: // the memo highlighted in the credit memo list
        ST::SetTag_PtrM(ST::CreditMemoTable, GLO.CREDITMEMONO);
        runProcedure(procedure);
        break;
    case MenuAction::PrinterSetup: printerSetup(); break;
    case MenuAction::Calculator: startCalculator(); break;
    case MenuAction::SetPassword: SetPassword(); break;
    case MenuAction::ConvertDataFiles: convertDataFiles(); break;
    case MenuAction::Exit: close(); break;
    case MenuAction::HelpContents: showHelp(HelpPage::Contents); break;
    case MenuAction::HelpSearch: showHelp(HelpPage::Search); break;
    case MenuAction::HelpHowTo: showHelp(HelpPage::HowTo); break;
    case MenuAction::WebSite: openAddress(QString::fromLatin1(WebSite)); break;
    }
}

// The report prints an empty form and puts the two print settings back from where they are kept.
// Until the report exists the settings are left alone, so nothing stays switched off.
void AMain::printBlank(const MenuEntry &entry)
{
    if (procedureDefined(entry.procedure)) {
        GLO.STARTUP = dict::StartUp::BlankForm;
        GLO.THREADNO = GLO.PRINTCHOICE;
        GLO.PRINTCHOICE = 0;
        GLO.THREADNO1 = GLO.PRINTPREVIEW;
        GLO.PRINTPREVIEW = 0;
    }
    runProcedure(entry.procedure);
}

void AMain::convertDataFiles()
{
    const int answer = REPORTS::Errors().Message(MainMsg::ConvertWarning, dict::ButtonOk | dict::ButtonCancel,
                                                 dict::ButtonOk);
    if (answer != dict::ButtonOk)
        return;
    if (fw::INIClass *ini = REPORTS::Settings())
        ini->Update("GlobalData", "Quotes", "1");
    startConvertProgram();
}

void AMain::printerSetup()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.exec();
}

// --- notifications and navigation ---------------------------------------------------------------

bool AMain::event(QEvent *event)
{
    if (event->type() == fw::ProcedureEvent::eventType()) {
        const auto *posted = static_cast<fw::ProcedureEvent *>(event);
        if (posted->kind == fw::ProcedureEvent::Notify)
            takeNotification(posted->code);
        return true;
    }
    return QMainWindow::event(event);
}

void AMain::takeNotification(int number)
{
    if (number == SetupSavedNotification) {
        updatePrintBlank();
        relabel();
        return;
    }
    for (const BrowseNotification &n : browseNotifications()) {
        if (n.number != number)
            continue;
        // The item follows whether the browse is open now, so two open browses, or one that
        // closes without having opened, can never leave it the wrong way round. The closing
        // window is gone once the events of its close are through.
        QTimer::singleShot(0, this, [this, n] {
            if (QAction *a = action(n.item))
                a->setEnabled(procedureOpen(n.procedure));
        });
    }
    relabel();
}

void AMain::updatePrintBlank()
{
    const bool on = GLO.PRINTCHOICE == 1;
    for (MenuItem item : {MenuItem::PrintBlankCreditMemo, MenuItem::PrintBlankInvoice, MenuItem::PrintBlankPurchaseOrder})
        if (QAction *a = action(item))
            a->setEnabled(on);
}

void AMain::relabel()
{
    struct Labels {
        const char *state, *country;
    };
    static const Labels byTaxSystem[] = {
        {"By Province", "By Country"}, {"By State", "By Country"}, {"By State", "By County"}, {"By State", "By Country"}};
    const Labels &labels = dict::byTaxRegime(byTaxSystem, GLO.CANADIAN);
    const QString state = QString::fromUtf8(labels.state), country = QString::fromUtf8(labels.country);
    for (auto [it, end] = items_.equal_range(MenuItem::StateItem); it != end; ++it)
        it->second->setText(state);
    for (auto [it, end] = items_.equal_range(MenuItem::CountryItem); it != end; ++it)
        it->second->setText(country);
}

void AMain::updateNavigation()
{
    const fw::ToolbarStates states = fw::toolbarStatesFor(fw::WindowManager::active());
    for (QAction *button : navigation_) {
        const auto found = states.find(button->data().toInt());
        const bool enabled = found != states.end() && found->second.enabled;
        button->setEnabled(enabled);
        const QString tip = found != states.end() && !found->second.tip.empty()
                                ? qt(found->second.tip)
                                : button->property("tq.defaultTip").toString();
        button->setToolTip(tip);
        button->setStatusTip(tip);
    }
}

void AMain::forwardNavigation(int code)
{
    closeSplash();
    if (fw::WindowManager *target = fw::WindowManager::active(); target && target->window())
        QCoreApplication::postEvent(target->window(), new fw::ProcedureEvent(fw::ProcedureEvent::Navigate, code));
}

} // namespace app
