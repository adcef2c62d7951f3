#include "app/shell/about.h"

#include "app/shell/mainmessages.h"
#include "app/shell/procedures.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace Win {

namespace {

QString clipped(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QLabel *centred(const QString &text, QWidget *parent, double scale = 1.0, bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

int About::Init()
{
    procedureName = "Win:About";
    WindowManager::Init();
    GlobalRequest = 0;
    GlobalResponse = 0;
    QString company, user;
    if (Relate::SETUP.Open() == dict::Benign) {
        filesOpened_ = true;
        SET.RECORDNO = 1;
        if (Access::SETUP.TryFetch(SET.RecordNo_Key) == dict::Benign) {
            company = clipped(SET.COMPANYNAME.view());
            user = (clipped(SET.FIRSTNAME.view()) + QLatin1Char(' ') + clipped(SET.LASTNAME.view())).trimmed();
        }
    }
    Resizable = false;
    auto *w = CreateWindow(QStringLiteral("About Tallyquill"));
    auto *layout = new QVBoxLayout(w);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->setSpacing(10);
    layout->addWidget(centred(QStringLiteral("Tallyquill 2.54"), w, 2.0, true));
    layout->addWidget(centred(QStringLiteral("Invoicing, inventory and accounts for your business"), w));
    layout->addSpacing(12);
    if (!company.isEmpty() || !user.isEmpty()) {
        layout->addWidget(centred(QStringLiteral("Licensed to"), w, 0.9));
        layout->addWidget(centred(company, w, 1.2, true));
        layout->addWidget(centred(user, w));
    }
    w->installEventFilter(this);
    for (QWidget *child : w->findChildren<QWidget *>())
        child->installEventFilter(this);
    timer_ = new QTimer(w);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] { PostClose(); });
    timer_->start(CloseAfterMs);
    const int opened = Open();
    centre();
    return opened;
}

// In the middle of the frame's window area (or of the screen without a frame).
void About::centre()
{
    QWidget *frame = window()->parentWidget() ? window()->parentWidget() : window();
    const QWidget *around = frame->parentWidget();
    const QRect space = around ? around->rect() : frame->screen()->availableGeometry();
    frame->adjustSize();
    frame->move(space.center() - frame->rect().center());
}

int About::TakeWindowEvent(fw::WindowEvent event)
{
    if (event == fw::WindowEvent::LoseFocus && opened())
        PostClose();
    return WindowManager::TakeWindowEvent(event);
}

bool About::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        PostClose();
    return WindowManager::eventFilter(watched, event);
}

bool &About::ProgramClosing()
{
    static bool closing = false;
    return closing;
}

int About::Kill()
{
    WindowManager::Kill();
    if (filesOpened_)
        Relate::SETUP.Close();
    filesOpened_ = false;
    if (GLO.STARTUP == dict::StartUp::FirstRun && !ProgramClosing()) {
        // The first run: the setup form comes next.
        GLO.STARTUP = dict::StartUp::None;
        REPORTS::Errors().Throw(app::MainMsg::FillOutSetup);
        app::runProcedure("Upd:Setup");
    }
    return dict::Benign;
}

} // namespace Win
