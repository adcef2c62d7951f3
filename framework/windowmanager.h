// The window manager of one procedure window: its life cycle (Init, Ask, Kill), the dispatch of
// window and control events to overridable hooks, and the update-form protocol (insert, change
// and delete requests, OK and Cancel, field history, navigation requests from the toolbar).
//
// A procedure is a class derived from WindowManager. It is either called (Run(): its window is
// modal and shares its caller's thread context, and Run returns the response) or started
// (Start(): its window opens beside the others with a thread context of its own).
#pragma once

#include "dictionary/relationmanager.h"
#include "framework/formfield.h"
#include "framework/formtoolbar.h"
#include "framework/globalcodes.h"
#include "framework/procedurewindow.h"

#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class QAbstractButton;
class QEventLoop;
class QMdiArea;

namespace fw {

class BrowseClass;
class ThreadContext;

enum class WindowEvent { OpenWindow, CloseWindow, LoseFocus, GainFocus, Completed, Timer };

class WindowManager : public QObject
{
    Q_OBJECT
public:
    WindowManager();
    ~WindowManager() override;

    // Virtual operations, in the order of the framework's slots. Results are levels (0 go on).
    virtual void Ask();
    virtual int Init();
    virtual int Kill();
    virtual int Open();
    virtual void PrimeFields();
    virtual int PrimeUpdate();
    virtual void Reset(bool force = false);
    virtual void RestoreField(QWidget *control);
    virtual int Run();
    // Runs procedure number with a request (browses run their update form); cancelled here.
    virtual int Run(int number, int request);
    virtual void SetAlerts();
    virtual void SetResponse(int code);
    virtual int TakeAccepted(QWidget *control);
    virtual int TakeCompleted();
    virtual int TakeCloseEvent();
    virtual int TakeFieldEvent(QWidget *control);
    virtual int TakeNewSelection(QWidget *control);
    virtual int TakeRejected(QWidget *control);
    virtual int TakeSelected(QWidget *control);
    virtual int TakeWindowEvent(WindowEvent event);
    // Copies every bound control into its field.
    virtual void Update();
    // A toolbar navigation button pressed while this window is active.
    virtual int TakeNavigation(int code);
    // What the toolbar's navigation buttons offer while this window is active.
    virtual ToolbarStates NavigationStates() const;
    // A numbered notification posted to this window (frame and browse messages).
    virtual int TakeNotify(int number);

    // Opens the procedure beside the others, in a thread context of its own. The object deletes
    // itself once its window has closed and Kill has run.
    void Start();

    // Set-up.
    // A form's foot: OK completes (after every control is checked), Cancel closes through the
    // close protocol, Help opens the procedure's page; any may be null.
    void UseFormButtons(QAbstractButton *ok, QAbstractButton *cancel, QAbstractButton *help);
    void AddItem(QAbstractButton *button, int response);
    void AddItem(BrowseClass *browse);
    void AddUpdateFile(dict::FileManager *file);
    FormField &AddField(QWidget *control, dict::FieldRef field, std::string picture = {});
    FormField &AddField(QWidget *control, dict::Memo *memo);
    // Binds a control to a field named by its typed member, bind(w.lastName, CUS.LNAME): shown
    // through picture, kept in the field history (Ditto), and an entry takes no more characters
    // than the field holds. Rules follow on the result: .required(), .range(lo, hi), .nonNegative().
    template <typename Member>
    FormField &bind(QWidget *control, Member &member, std::string picture = {})
    {
        return bindField(control, dict::field(member), std::move(picture));
    }
    FormField &bind(QWidget *control, dict::Memo &memo);
    FormField &bindField(QWidget *control, dict::FieldRef field, std::string picture = {});
    // Registers a bound control for the field history (the Ditto key, Ctrl+').
    void AddHistoryField(QWidget *control);
    void SaveHistory();
    void PostCompleted();
    void PostClose();
    // Field to control for every bound control.
    void Display();
    FormField *fieldOf(QWidget *control);

    ProcedureWindow *window() const { return window_; }
    // The window's procedure name, as error messages and the settings file name it.
    std::string procedureName;

    int Request = NoRequest;
    int OriginalRequest = NoRequest;
    int Response = NoResponse;
    dict::RelationManager *Primary = nullptr;
    QWidget *FirstField = nullptr;
    QAbstractButton *OkControl = nullptr;
    QAbstractButton *CancelControl = nullptr;
    QAbstractButton *HelpControl = nullptr;
    bool HistoryKey = true;
    int InsertAction = 2;
    int ChangeAction = 1;
    int DeleteAction = 2;
    int CancelAction = 3;
    bool AutoRefresh = true;
    bool AutoToolbar = true;
    bool Resizable = true;

    bool opened() const { return opened_; }
    // While the window closes, entries losing the focus are not taken.
    bool closing() const { return closing_; }
    bool dead() const { return dead_; }
    ThreadContext *context() const { return context_; }
    const std::vector<BrowseClass *> &browses() const { return browses_; }

    // Where started procedures open; without one they open as windows of their own. The frame's
    // menu letters stay the menus': a window opened there marks other letters of its controls.
    static void setMdiArea(QMdiArea *area, const QString &menuLetters = {});
    static QMdiArea *mdiArea();
    // The window manager of the active procedure window, if any.
    static WindowManager *active();
    // The rectangle moved, when it must be, so that all of it (and a window's title bar) is on
    // the available screen, or inside the window area for a window of the frame.
    static QRect onScreen(const QWidget *top, QRect wanted);

    // Called by the procedure window.
    void handleOpened();
    bool handleClose();
    void handleActivation(bool active);
    void handleEvent(const ProcedureEvent &event);
    void handleHistoryKey();
    // Keys the focused control left to its form: Enter presses the default button, Escape the
    // Cancel button; false when the window is no form or the key has nothing to press.
    bool handleEnter();
    bool handleEscape();
    // Opens the procedure's help page while its help button is on.
    bool showHelp();

protected:
    // Creates the procedure window (a derived Init builds its controls into it).
    ProcedureWindow *CreateWindow(const QString &title);
    void connectButton(QAbstractButton *button);
    void connectField(FormField &field);
    void RestoreWindow();
    void SaveWindow();
    bool recordChanged();
    // Takes every field from its control; the first refused, or required and empty, is shown
    // with its message and false returned.
    bool validateAll();

private:
    int completeInsert();
    int completeChange();
    int completeDelete();
    void showControl(QWidget *control);
    int primeNextInsert();
    void closed();
    void refreshBrowses();
    void connectHelp();
    QAbstractButton *defaultButton() const;
    QAbstractButton *cancelButton() const;

    ProcedureWindow *window_ = nullptr;
    QPointer<QWidget> parentWindow_;
    std::vector<std::unique_ptr<FormField>> fields_;
    std::vector<FormField *> history_;
    std::vector<std::pair<QAbstractButton *, int>> buttons_;
    std::vector<BrowseClass *> browses_;
    std::vector<std::pair<dict::FileManager *, int>> updateFiles_;
    int primarySaved_ = 0;
    dict::storage::Position lastInserted_ = 0;
    bool insertedMore_ = false;
    bool opened_ = false;
    bool dead_ = false;
    bool refreshNeeded_ = false;
    bool closing_ = false;
    bool started_ = false;
    bool procedureNamed_ = false;
    bool rejecting_ = false;
    std::string lastRejection_;
    std::unique_ptr<ThreadContext> ownContext_;
    ThreadContext *context_ = nullptr;
    std::unique_ptr<QEventLoop> loop_;
};

} // namespace fw
