// The skeleton of a browse procedure. From its declaration (BrowseSpec) it builds the list with
// its tab bar and locator entry, the queue with the red-line colours, the standard buttons
// (Add, Change, Delete, Select, Help, Close), the gate before a change or delete, what a choice
// answers in select mode (a pick list always selects), the settings that keep the tab and
// layout, the single window and the frame's notifications, and the declared extras: panels of
// values below or beside the list and buttons of the browse's own, each with its action and
// when it is enabled. A browse adds in code only what follows the highlight and its actions.
#pragma once

#include "framework/browsedeclaration.h"
#include "framework/procedure.h"

#include <memory>
#include <utility>
#include <vector>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QWidget;

namespace fw {

class BrowseClass;
class BrowseList;

struct BrowseWidgets {
    QTabBar *tabs = nullptr;
    QLabel *locatorPrompt = nullptr;
    QLineEdit *locator = nullptr;
    BrowseList *list = nullptr;
    QPushButton *insert = nullptr, *change = nullptr, *remove = nullptr, *select = nullptr;
    QPushButton *help = nullptr, *close = nullptr;
};

// Runs an update form as a browse's form: .form = fw::runForm<Upd::Customer>.
template <typename Form>
int runForm()
{
    Form form;
    return form.Run();
}

class BrowseProcedure : public Procedure
{
public:
    explicit BrowseProcedure(const BrowseSpec &spec);
    ~BrowseProcedure() override;

    BrowseClass &browse();
    const BrowseSpec &browseSpec() const { return browseSpec_; }
    // The controls the skeleton made (for a browse's own set-up and for tests).
    const BrowseWidgets &widgets() const { return w_; }
    using Procedure::Run;
    int Run(int number, int request) override;
    int Kill() override;

    // Whether the row being read is drawn red (the declared rule, kept per row).
    bool redRow() const { return red_; }

    // The declared extras, by their numbers.
    QPushButton *button(int id) const;
    QLabel *info(int id) const;
    QLabel *infoPrompt(int id) const;
    // Refreshes the figures of the whole list (declared wholeList).
    void showFigures();
    // Shows the current tab's list in its reverse order, or back.
    void reverseOrder();

protected:
    bool Admit() override;
    int Build() override;

    // The highlighted record is in its buffer (or none is highlighted); runs after every move.
    virtual void Highlighted(bool any) { (void)any; }
    // Before the form runs for a request; false drops it (the password prompt cancelled).
    virtual bool AllowRequest(int request);
    // Select pressed (or Enter, a double click) with the highlighted record in its buffer: the
    // response the browse ends with (BrowseClass::TakeChoice). A refusal says why itself.
    virtual int Chosen() { return RequestCompleted; }
    // Set-up after the skeleton and before the window opens (filters, bindings, icons).
    virtual void Prepare() {}
    // After the list was read again because its file changed (here or at another station): the
    // figures it shows follow, as its rows did.
    virtual void Refreshed() { showFigures(); }


private:
    class List;
    void buildList(QWidget *parent, QWidget *window);
    void buildButtons(QHBoxLayout *row);
    void addExtraButtons(QHBoxLayout *row, bool atEnd);
    QWidget *buildPanel(const BrowsePanel &panel, QWidget *parent);
    QWidget *buildPanels(QWidget *window, bool beside);
    void showValues(bool wholeList, bool any);
    int addOrder(const BrowseTab &tab, dict::KeyRef key);
    void addOrders();
    void addQueue();
    void followHighlight();

    const BrowseSpec &browseSpec_;
    BrowseWidgets w_{};
    std::unique_ptr<List> list_;
    bool red_ = false;
    bool notified_ = false;
    std::vector<std::pair<const BrowseButton *, QPushButton *>> extras_;
    struct Shown {
        const InfoValue *value;
        QLabel *prompt, *label;
    };
    std::vector<Shown> values_;
};

} // namespace fw
