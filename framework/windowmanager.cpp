#include "framework/windowmanager.h"

#include "dictionary/runtimeerror.h"
#include "framework/browseclass.h"
#include "framework/errorclass.h"
#include "framework/framemessages.h"
#include "framework/helphook.h"
#include "framework/iniclass.h"
#include "framework/mnemonics.h"
#include "framework/optionbox.h"
#include "framework/reportslib.h"
#include "framework/threadcontext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>

#include <algorithm>

namespace fw {

namespace {

QPointer<QMdiArea> &area()
{
    static QPointer<QMdiArea> mdi;
    return mdi;
}

QString &menuLetters()
{
    static QString letters;
    return letters;
}

// Makes a procedure's thread context current before any of its window's objects takes an event.
class ContextDispatcher : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved)
            return false;
        for (QObject *o = watched; o; o = o->parent()) {
            if (auto *window = qobject_cast<ProcedureWindow *>(o)) {
                if (window->manager() && window->manager()->context())
                    window->manager()->context()->makeCurrent();
                break;
            }
        }
        return false;
    }
};

void installDispatcher()
{
    static ContextDispatcher *dispatcher = nullptr;
    if (!dispatcher && qApp) {
        dispatcher = new ContextDispatcher;
        qApp->installEventFilter(dispatcher);
    }
}

ErrorClass &errors() { return REPORTS::Errors(); }

// The widget that is moved, sized and closed for a procedure window: its MDI frame when it has one.
QWidget *frameOf(ProcedureWindow *window)
{
    auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget());
    return sub ? static_cast<QWidget *>(sub) : window;
}

} // namespace

WindowManager::WindowManager() = default;

WindowManager::~WindowManager()
{
    if (window_) {
        window_->detach();
        QWidget *top = frameOf(window_);
        top->deleteLater();
    }
}

void WindowManager::setMdiArea(QMdiArea *mdi, const QString &letters)
{
    area() = mdi;
    menuLetters() = letters;
}
QMdiArea *WindowManager::mdiArea() { return area(); }

WindowManager *WindowManager::active()
{
    QWidget *w = QApplication::activeWindow();
    if (auto *procedure = qobject_cast<ProcedureWindow *>(w))
        return procedure->manager();
    if (area() && area()->activeSubWindow())
        if (auto *procedure = qobject_cast<ProcedureWindow *>(area()->activeSubWindow()->widget()))
            return procedure->manager();
    return nullptr;
}

// --- life cycle -------------------------------------------------------------------------------

int WindowManager::Init()
{
    installDispatcher();
    if (!context_)
        context_ = ThreadContext::current();
    Request = GlobalRequest;
    OriginalRequest = Request;
    Response = NoResponse;
    dead_ = false;
    if (!procedureName.empty()) {
        errors().SetProcedureName(procedureName);
        procedureNamed_ = true;
    }
    return dict::Benign;
}

ProcedureWindow *WindowManager::CreateWindow(const QString &title)
{
    if (!window_) {
        parentWindow_ = QApplication::activeWindow();
        window_ = new ProcedureWindow(this, started_ ? nullptr : parentWindow_.data());
        window_->setWindowTitle(title);
        window_->setObjectName(QString::fromStdString(procedureName));
        if (!started_)
            window_->setWindowFlag(Qt::Dialog);
    }
    return window_;
}

int WindowManager::Open()
{
    if (!window_)
        CreateWindow(QString::fromStdString(procedureName));
    if (const int primed = PrimeUpdate(); primed != dict::Benign || dead_)
        return primed == dict::Benign ? dict::Notify : primed;
    Display();
    connectHelp();
    for (BrowseClass *browse : browses_)
        browse->Open();
    if (started_ && area()) {
        moveMnemonicsOff(window_, menuLetters());
        QMdiSubWindow *sub = area()->addSubWindow(window_);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        RestoreWindow();
        sub->show();
    } else {
        if (!started_)
            window_->setWindowModality(Qt::ApplicationModal);
        RestoreWindow();
        window_->show();
    }
    window_->activateWindow();
    opened_ = true;
    return dict::Benign;
}

void WindowManager::handleOpened()
{
    TakeWindowEvent(WindowEvent::OpenWindow);
}

void WindowManager::Ask()
{
    if (dead_ || !window_ || started_)
        return;
    loop_ = std::make_unique<QEventLoop>();
    connect(window_, &ProcedureWindow::closed, loop_.get(), &QEventLoop::quit);
    if (window_->isVisible())
        loop_->exec();
    loop_.reset();
}

int WindowManager::Run()
{
    ThreadContext *caller = ThreadContext::current();
    context_ = caller;
    if (Init() == dict::Benign && !dead_)
        Ask();
    // Other windows may have had events meanwhile: Kill closes this procedure's files, not theirs.
    caller->makeCurrent();
    Kill();
    const int result = Response != NoResponse ? Response : RequestCancelled;
    GlobalResponse = static_cast<dict::BYTE>(result);
    return result;
}

int WindowManager::Run(int, int) { return RequestCancelled; }

void WindowManager::Start()
{
    started_ = true;
    ownContext_ = std::make_unique<ThreadContext>();
    context_ = ownContext_.get();
    ContextScope scope(context_);
    if (Init() != dict::Benign || dead_ || !window_) {
        Kill();
        deleteLater();
        return;
    }
    connect(window_, &ProcedureWindow::closed, this, [this] {
        ContextScope own(context_);
        Kill();
        deleteLater();
    });
}

int WindowManager::Kill()
{
    for (auto &[file, id] : updateFiles_)
        file->DiscardBuffer(id);
    updateFiles_.clear();
    for (BrowseClass *browse : browses_)
        browse->Kill();
    if (Primary && primarySaved_)
        Primary->Me->DiscardBuffer(primarySaved_);
    primarySaved_ = 0;
    if (window_ && opened_)
        SaveWindow();
    if (procedureNamed_) {
        errors().SetProcedureName();
        procedureNamed_ = false;
    }
    return dict::Benign;
}

// --- settings file ------------------------------------------------------------------------------

// Positions are kept as the window's own rectangle, without the frame the desktop draws around
// it: the frame is not known before a window is shown nor after it is closed, so a frame position
// saved and restored moves the window by the title bar's height each time.
void WindowManager::RestoreWindow()
{
    if (!window_)
        return;
    QWidget *top = frameOf(window_);
    if (top->isWindow() && !top->testAttribute(Qt::WA_Resized))
        top->adjustSize(); // the size it would open with
    // Never smaller than its layout needs (a list opens tall enough for its rows).
    top->resize(top->size().expandedTo(top->minimumSizeHint()));
    INIClass *ini = REPORTS::Settings();
    if (!ini || procedureName.empty())
        return;
    WindowPlacement placement;
    const QRect own = top->geometry();
    placement.x = own.x();
    placement.y = own.y();
    placement.width = own.width();
    placement.height = own.height();
    placement.resizable = Resizable;
    if (!ini->FetchWindow(procedureName, placement))
        return;
    QRect wanted(placement.x, placement.y, own.width(), own.height());
    if (Resizable)
        wanted.setSize(QSize(placement.width, placement.height).expandedTo(top->minimumSizeHint()));
    top->setGeometry(onScreen(top, wanted));
    if (placement.maximized)
        top->showMaximized();
}

QRect WindowManager::onScreen(const QWidget *top, QRect wanted)
{
    QRect room;
    if (!top->isWindow()) {
        room = top->parentWidget() ? top->parentWidget()->rect() : QRect();
    } else if (const QScreen *screen = top->screen()) {
        room = screen->availableGeometry();
        room.setTop(room.top() + top->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    }
    if (room.width() <= 0 || room.height() <= 0)
        return wanted;
    wanted.moveLeft(std::max(room.left(), std::min(wanted.left(), room.right() + 1 - wanted.width())));
    wanted.moveTop(std::max(room.top(), std::min(wanted.top(), room.bottom() + 1 - wanted.height())));
    return wanted;
}

void WindowManager::SaveWindow()
{
    INIClass *ini = REPORTS::Settings();
    if (!ini || procedureName.empty() || !window_)
        return;
    QWidget *top = frameOf(window_);
    WindowPlacement placement;
    placement.maximized = top->isMaximized();
    placement.minimized = top->isMinimized();
    const QRect own = top->isMaximized() || top->isMinimized() ? top->normalGeometry() : top->geometry();
    placement.x = own.x();
    placement.y = own.y();
    placement.width = own.width();
    placement.height = own.height();
    placement.resizable = Resizable;
    ini->UpdateWindow(procedureName, placement);
}

// --- set-up -------------------------------------------------------------------------------------

void WindowManager::UseFormButtons(QAbstractButton *ok, QAbstractButton *cancel, QAbstractButton *help)
{
    OkControl = ok;
    HelpControl = help;
    if (ok)
        connectButton(ok);
    if (cancel)
        AddItem(cancel, RequestCancelled);
}

void WindowManager::AddItem(QAbstractButton *button, int response)
{
    buttons_.emplace_back(button, response);
    connectButton(button);
}

void WindowManager::AddItem(BrowseClass *browse) { browses_.push_back(browse); }

void WindowManager::AddUpdateFile(dict::FileManager *file) { updateFiles_.emplace_back(file, 0); }

FormField &WindowManager::AddField(QWidget *control, dict::FieldRef field, std::string picture)
{
    fields_.push_back(std::make_unique<FormField>(control, field, std::move(picture)));
    connectField(*fields_.back());
    return *fields_.back();
}

FormField &WindowManager::AddField(QWidget *control, dict::Memo *memo)
{
    fields_.push_back(std::make_unique<FormField>(control, memo));
    connectField(*fields_.back());
    return *fields_.back();
}

FormField &WindowManager::bindField(QWidget *control, dict::FieldRef field, std::string picture)
{
    const bool text = picture.empty() || picture[1] == 's' || picture[1] == 'S';
    if (auto *edit = qobject_cast<QLineEdit *>(control); edit && text && field.def->type == dict::FieldType::String)
        edit->setMaxLength(field.def->size);
    FormField &bound = AddField(control, field, std::move(picture));
    history_.push_back(&bound);
    return bound;
}

FormField &WindowManager::bind(QWidget *control, dict::Memo &memo)
{
    FormField &bound = AddField(control, &memo);
    history_.push_back(&bound);
    return bound;
}

void WindowManager::connectButton(QAbstractButton *button)
{
    if (button->property("tq.connected").toBool())
        return;
    button->setProperty("tq.connected", true);
    connect(button, &QAbstractButton::clicked, this, [this, button] { TakeAccepted(button); });
}

void WindowManager::connectField(FormField &field)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field.control()))
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            if (!closing_)
                TakeAccepted(edit);
        });
    // Check boxes and options are accepted as soon as the user changes them.
    else if (auto *box = qobject_cast<QCheckBox *>(field.control()))
        connect(box, &QCheckBox::clicked, this, [this, box] { TakeAccepted(box); });
    else if (auto *options = qobject_cast<OptionBox *>(field.control()))
        connect(options, &OptionBox::changed, this, [this, options] { TakeAccepted(options); });
}

FormField *WindowManager::fieldOf(QWidget *control)
{
    for (auto &f : fields_)
        if (f->control() == control)
            return f.get();
    return nullptr;
}

void WindowManager::AddHistoryField(QWidget *control)
{
    if (FormField *f = fieldOf(control))
        history_.push_back(f);
}

void WindowManager::SaveHistory()
{
    for (FormField *f : history_)
        f->saveHistory();
}

void WindowManager::RestoreField(QWidget *control)
{
    for (FormField *f : history_)
        if (f->control() == control)
            f->restoreHistory();
}

void WindowManager::handleHistoryKey()
{
    if (HistoryKey && window_)
        RestoreField(window_->focusWidget());
}

// --- keys and help ------------------------------------------------------------------------------

QAbstractButton *WindowManager::defaultButton() const
{
    if (OkControl)
        return OkControl;
    if (!window_)
        return nullptr;
    for (QPushButton *button : window_->findChildren<QPushButton *>())
        if (button->isDefault())
            return button;
    return nullptr;
}

QAbstractButton *WindowManager::cancelButton() const
{
    if (CancelControl)
        return CancelControl;
    for (const auto &[button, response] : buttons_)
        if (response == RequestCancelled)
            return button;
    return nullptr;
}

bool WindowManager::handleEnter()
{
    QAbstractButton *button = defaultButton();
    if (!button || !window_)
        return false;
    QWidget *focus = window_->focusWidget();
    // An entry the procedure reads itself (not a bound field) has taken its Enter already.
    if (qobject_cast<QLineEdit *>(focus) && !fieldOf(focus))
        return false;
    if (auto *focusedButton = qobject_cast<QPushButton *>(focus))
        button = focusedButton; // Enter presses the button that has the focus
    if (!button->isVisible() || !button->isEnabled())
        return false;
    button->click();
    return true;
}

bool WindowManager::handleEscape()
{
    QAbstractButton *cancel = defaultButton() ? cancelButton() : nullptr;
    if (!cancel || !cancel->isEnabled())
        return false;
    cancel->click();
    return true;
}

void WindowManager::connectHelp()
{
    if (!HelpControl)
        return;
    HelpControl->setEnabled(hasHelpPage(procedureName));
    if (HelpControl->property("tq.help").toBool())
        return;
    HelpControl->setProperty("tq.help", true);
    connect(HelpControl, &QAbstractButton::clicked, this, [this] { showHelp(); });
}

bool WindowManager::showHelp()
{
    return HelpControl && HelpControl->isEnabled() && openHelp(procedureName);
}

void WindowManager::Display()
{
    for (auto &f : fields_)
        f->display();
}

void WindowManager::Update()
{
    for (auto &f : fields_)
        f->accept();
}

void WindowManager::PrimeFields() {}
void WindowManager::SetAlerts() {}

// --- events -------------------------------------------------------------------------------------

void WindowManager::PostCompleted()
{
    if (window_)
        QCoreApplication::postEvent(window_, new ProcedureEvent(ProcedureEvent::Completed));
}

void WindowManager::PostClose()
{
    if (window_)
        QCoreApplication::postEvent(window_, new ProcedureEvent(ProcedureEvent::CloseWindow));
}

void WindowManager::handleEvent(const ProcedureEvent &event)
{
    switch (event.kind) {
    case ProcedureEvent::Completed: TakeWindowEvent(WindowEvent::Completed); break;
    case ProcedureEvent::CloseWindow: {
        QWidget *top = frameOf(window_);
        top->close();
        break;
    }
    case ProcedureEvent::Navigate: TakeNavigation(event.code); break;
    case ProcedureEvent::Notify: TakeNotify(event.code); break;
    }
}

bool WindowManager::handleClose()
{
    if (dead_)
        return true;
    closing_ = true;
    const bool close = TakeWindowEvent(WindowEvent::CloseWindow) == dict::Benign;
    closing_ = false;
    if (close)
        dead_ = true;
    return close;
}

void WindowManager::handleActivation(bool isActive)
{
    TakeWindowEvent(isActive ? WindowEvent::GainFocus : WindowEvent::LoseFocus);
}

int WindowManager::TakeWindowEvent(WindowEvent event)
{
    switch (event) {
    case WindowEvent::CloseWindow: return TakeCloseEvent();
    case WindowEvent::OpenWindow:
        if (FirstField)
            FirstField->setFocus();
        break;
    case WindowEvent::LoseFocus: refreshNeeded_ = true; break;
    case WindowEvent::GainFocus:
        if (refreshNeeded_ && AutoRefresh) {
            refreshNeeded_ = false;
            Reset(true); // shows what other windows changed meanwhile
        }
        break;
    case WindowEvent::Completed: return TakeCompleted();
    case WindowEvent::Timer: break;
    }
    return dict::Benign;
}

void WindowManager::refreshBrowses()
{
    if (!AutoRefresh)
        return;
    for (BrowseClass *browse : browses_)
        if (browse->NeedRefresh())
            browse->ResetSort(true);
}

void WindowManager::Reset(bool force)
{
    for (BrowseClass *browse : browses_)
        browse->ResetFromFile(force);
}

int WindowManager::TakeAccepted(QWidget *control)
{
    if (FormField *field = fieldOf(control)) {
        std::string reason;
        if (!field->accept(&reason)) {
            lastRejection_ = reason;
            return TakeRejected(control);
        }
        const int result = TakeFieldEvent(control);
        refreshBrowses();
        return result;
    }
    for (auto &[button, response] : buttons_) {
        if (button == control) {
            SetResponse(response);
            return dict::Benign;
        }
    }
    if (control && control == OkControl) {
        if ((Request == InsertRecord || Request == ChangeRecord) && !validateAll())
            return dict::Notify;
        PostCompleted();
    }
    return dict::Benign;
}

int WindowManager::TakeFieldEvent(QWidget *) { return dict::Benign; }
int WindowManager::TakeNewSelection(QWidget *) { return dict::Benign; }
int WindowManager::TakeSelected(QWidget *) { return dict::Benign; }

int WindowManager::TakeRejected(QWidget *control)
{
    if (rejecting_)
        return dict::Notify;
    rejecting_ = true;
    QApplication::beep();
    const FormField *field = fieldOf(control);
    if (field && field->refusal().message) {
        errors().SetField(field->prompt().toStdString());
        errors().ThrowMessage(field->refusal().message, field->refusal().text);
        field->display();
    } else {
        // A field's tip says what it wants ("A rate as a fraction: ..."): the refusal repeats it.
        std::string why = lastRejection_.empty() ? "This value cannot be used here." : lastRejection_;
        if (control && !control->toolTip().isEmpty())
            why += " " + control->toolTip().toStdString();
        errors().ThrowMessage(FrameMsg::InvalidEntry, why);
    }
    if (control) {
        control->setFocus();
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            edit->selectAll();
    }
    rejecting_ = false;
    return dict::Notify;
}

bool WindowManager::validateAll()
{
    for (auto &f : fields_) {
        std::string reason;
        if (!f->accept(&reason)) {
            lastRejection_ = reason;
            showControl(f->control());
            TakeRejected(f->control());
            return false;
        }
    }
    for (auto &f : fields_) {
        if (!f->present()) {
            QApplication::beep();
            errors().SetField(f->prompt().toStdString());
            errors().Throw(f->requiredMessage());
            VCRRequest = 0;
            showControl(f->control());
            f->control()->setFocus();
            return false;
        }
    }
    return true;
}

// Brings the tab page holding a control to the front, so the user sees what is asked about.
void WindowManager::showControl(QWidget *control)
{
    for (QWidget *w = control; w && w != window_; w = w->parentWidget())
        if (auto *pages = qobject_cast<QStackedWidget *>(w->parentWidget()))
            pages->setCurrentWidget(w);
}

void WindowManager::SetResponse(int code)
{
    Response = code;
    if (code == RequestCancelled)
        VCRRequest = 0;
    PostClose();
}

int WindowManager::TakeNavigation(int code)
{
    if (code == Nav::History) {
        handleHistoryKey();
        return dict::Benign;
    }
    if (code == Nav::Help)
        return showHelp() ? dict::Benign : dict::Notify;
    if (!Primary) {
        for (BrowseClass *browse : browses_)
            if (browse->TakeNavigation(code) == dict::Benign)
                return dict::Benign;
        return dict::Notify;
    }
    const bool allowed = (Request == InsertRecord && (code == Nav::Insert || code == Nav::Down))
                         || (Request == ChangeRecord
                             && (code == Nav::Insert || (code >= Nav::Bottom && code <= Nav::Up)));
    if (!allowed)
        return dict::Notify;
    VCRRequest = code;
    if (!validateAll()) {
        VCRRequest = 0;
        return dict::Notify;
    }
    PostCompleted();
    return dict::Benign;
}

int WindowManager::TakeNotify(int) { return dict::Benign; }

ToolbarStates WindowManager::NavigationStates() const
{
    const bool help = HelpControl && HelpControl->isEnabled();
    if (Primary)
        return formToolbarStates(Request, HistoryKey, help);
    if (!browses_.empty())
        return browses_.front()->NavigationStates(help);
    return formToolbarStates(NoRequest, false, help);
}

// --- the update-form protocol -----------------------------------------------------------------

int WindowManager::PrimeUpdate()
{
    if (!Primary)
        return dict::Benign;
    Primary->Save();
    for (auto &[file, id] : updateFiles_)
        id = file->SaveBuffer();
    if (Request == DeleteRecord && (DeleteAction == 2 || DeleteAction == 4)) {
        Response = Primary->Delete(DeleteAction == 2) == dict::Benign ? RequestCompleted : RequestCancelled;
        dead_ = true;
        return dict::Notify;
    }
    PrimeFields();
    primarySaved_ = Primary->Me->SaveBuffer();
    return dict::Benign;
}

bool WindowManager::recordChanged()
{
    Update();
    return primarySaved_ && !Primary->Me->EqualBuffer(primarySaved_);
}

int WindowManager::TakeCompleted()
{
    SaveHistory();
    if (!Primary) {
        SetResponse(RequestCompleted);
        return dict::Benign;
    }
    switch (Request) {
    case InsertRecord: return completeInsert();
    case ChangeRecord: return completeChange();
    case DeleteRecord: return completeDelete();
    default: SetResponse(RequestCompleted); return dict::Benign;
    }
}

int WindowManager::completeInsert()
{
    Update();
    if (Primary->Me->Insert() != dict::Benign) {
        VCRRequest = 0;
        if (FirstField)
            FirstField->setFocus();
        return dict::Notify;
    }
    int action = InsertAction;
    if (action == 4)
        action = errors().Throw(3) == dict::Benign ? 3 : 2; // "Record Added": add another?
    if (action != 3 || VCRRequest != 0) {
        SetResponse(RequestCompleted);
        return dict::Benign;
    }
    return primeNextInsert();
}

int WindowManager::primeNextInsert()
{
    lastInserted_ = Primary->Me->Position();
    insertedMore_ = true;
    for (auto &[file, id] : updateFiles_) {
        file->RestoreBuffer(id);
        id = file->SaveBuffer();
    }
    if (Primary->Me->DiscardBuffer(primarySaved_), Primary->Me->PrimeRecord() != dict::Benign) {
        primarySaved_ = 0;
        SetResponse(RequestCompleted);
        return dict::Notify;
    }
    PrimeFields();
    primarySaved_ = Primary->Me->SaveBuffer();
    Response = RequestCancelled;
    Display();
    if (FirstField)
        FirstField->setFocus();
    return dict::Benign;
}

int WindowManager::completeChange()
{
    for (;;) {
        if (!recordChanged()) {
            if (AutoToolbar && VCRRequest == 0)
                Response = RequestCompleted;
            PostClose();
            return dict::Benign;
        }
        if (Primary->Update(true) == dict::Benign) {
            SetResponse(RequestCompleted);
            return dict::Benign;
        }
        const int error = Primary->Me->GetError();
        VCRRequest = 0;
        if (error == dict::Err::ChangedByOther) {
            // The other station's version is in the buffer now; the user decides again.
            Primary->Me->DiscardBuffer(primarySaved_);
            primarySaved_ = Primary->Me->SaveBuffer();
            Display();
        }
        if (error == dict::Err::ChangedByOther || error == dict::Err::DuplicateKey || error == dict::Err::None) {
            if (FirstField)
                FirstField->setFocus();
            return dict::Notify;
        }
        const int answer = errors().Message(dict::Msg::UpdateError, dict::ButtonYes | dict::ButtonNo | dict::ButtonCancel,
                                            dict::ButtonCancel);
        if (answer == dict::ButtonNo) {
            SetResponse(RequestCancelled);
            return dict::Notify;
        }
        if (answer != dict::ButtonYes)
            return dict::Notify;
    }
}

int WindowManager::completeDelete()
{
    const int result = Primary->Delete(DeleteAction == 2);
    if (result == dict::Benign)
        SetResponse(RequestCompleted);
    else if (result != dict::Cancel)
        SetResponse(RequestCancelled);
    return result;
}

int WindowManager::TakeCloseEvent()
{
    if (!Primary)
        return dict::Benign;
    if (Response != RequestCompleted && (Request == InsertRecord || Request == ChangeRecord) && CancelAction != 0
        && recordChanged()) {
        if (CancelAction == 3) {
            const int answer = errors().Message(dict::Msg::SaveRecord, dict::ButtonYes | dict::ButtonNo | dict::ButtonCancel,
                                                dict::ButtonCancel);
            if (answer == dict::ButtonYes) {
                if (validateAll())
                    PostCompleted();
                return dict::Notify;
            }
            if (answer != dict::ButtonNo) {
                if (FirstField)
                    FirstField->setFocus();
                return dict::Notify;
            }
        } else if (CancelAction == 1) {
            PostCompleted();
            return dict::Notify;
        } else if (CancelAction == 2 && errors().Throw(dict::Msg::ConfirmCancel) != dict::Benign) {
            return dict::Notify;
        }
    }
    if (OriginalRequest == InsertRecord && Response != RequestCompleted) {
        if (Primary->CancelAutoInc() != dict::Benign)
            return dict::Notify;
        if (insertedMore_) {
            // The records added before stay: the browse shows the last of them.
            Response = RequestCompleted;
            Primary->Me->TryReget(lastInserted_);
        }
    }
    if (Response == NoResponse)
        Response = RequestCancelled;
    return dict::Benign;
}

} // namespace fw
