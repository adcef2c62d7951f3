// A browse: a list over a view of one primary file, one page of rows at a time, with a sort
// order per tab, ranges and filters per order, locators, the thumb, update buttons (Insert,
// Change, Delete, Select), keys on the list, and the loop that runs the update form and follows
// the navigation requests the form leaves in VCRRequest.
//
// Set-up, in the procedure's Init after its window is created: Init, then per order
// AddSortOrder (with AddRange, SetFilter, AddLocator for it), AddField per queue field,
// SetUpdateButtons, AddSheet, AddResetField; WindowManager::Open opens the browse (restoring the
// remembered format and tab) and reads its first page.
//
// The highlighted row's record is in the file's buffer between events. A procedure derives to
// fetch lookups for each row (SetQueueRecord), to refuse rows (ValidateRecord) or to follow the
// highlight (TakeNewSelection).
#pragma once

#include "dictionary/fieldpairs.h"
#include "dictionary/relationmanager.h"
#include "framework/browsemodel.h"
#include "framework/browsepage.h"
#include "framework/formtoolbar.h"
#include "framework/listformat.h"
#include "framework/locators.h"
#include "framework/stepclass.h"
#include "framework/viewmanager.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QKeyEvent;
class QTabBar;

namespace fw {

class BrowseList;
class BrowseModel;
class BrowseNotices;
class WindowManager;

class BrowseClass : public QObject, public ViewManager
{
    Q_OBJECT
public:
    BrowseClass();
    ~BrowseClass() override;

    // Set-up.
    void Init(BrowseList *list, dict::RelationManager *primary, WindowManager *window);
    // A sort order on key; step turns the thumb's 0-100 into key values (none: paging); format is
    // the list layout the order shows (empty: the layout stays as it is).
    int AddSortOrder(dict::KeyRef key, std::unique_ptr<StepClass> step = {}, std::string format = {});
    void AddLocator(std::unique_ptr<LocatorClass> locator); // for the order added last
    void AddResetField(dict::FieldRef field);
    // Queue fields, numbered from 1 in the order added: a field of the record, or a value worked
    // out per row (after SetQueueRecord).
    int AddField(dict::FieldRef field);
    int AddField(std::function<StepValue()> value);
    // Tab i of the sheet selects order i + 1, or the order a tab was given.
    void AddSheet(QTabBar *tabs);
    // The orders the tabs show, first tab first (orders beyond them are reversals).
    void SetTabOrders(std::vector<int> orders) { tabOrders_ = std::move(orders); }
    // Two orders of one tab, each the other reversed: Reverse() goes from either to the other.
    void PairOrders(int order, int reversed);
    bool Reversible() const;
    void Reverse();
    void SetUpdateButtons(QAbstractButton *insert, QAbstractButton *change, QAbstractButton *remove,
                          QAbstractButton *select = nullptr);
    // The settings section that keeps "Format" and the tab, and the tab's key ("TabChoice").
    void SetSettings(std::string section, std::string tabKey = "TabChoice");
    void SetFormat(std::string_view format);
    // The procedure number the window's Run(number, request) runs as the update form.
    int FormNumber = 1;

    // Open and close (called by the window manager).
    void Open();
    void Kill();

    // Run-time.
    void ResetSort(bool force);
    void ResetFromFile(bool force = false);
    // Reloads the list around the record in the buffer (just saved), highlighting it.
    void ResetFromBuffer();
    void ResetQueue();
    // Reads the highlighted record afresh into the buffer (for a form); false when it has gone.
    bool UpdateViewRecord();
    // Puts the highlighted row's record into the buffer as it was read.
    void UpdateBuffer();
    // Runs the update form with a request and follows its navigation requests.
    int Ask(int request);
    bool TakeKey(QKeyEvent *event);
    void TakeScroll(int percent);
    // A navigation code: moves by row, page or to an end; update codes run the form.
    bool TakeVCRScroll(int code);
    int TakeNavigation(int code);
    ToolbarStates NavigationStates(bool helpButton) const;
    void ScrollOne(int direction); // +1 down, -1 up
    void ScrollPage(int direction);
    void ScrollEnd(int direction); // -1 first, +1 last
    void Locate();                 // to the first record at or after the locator value in the buffer
    std::size_t Records() const;   // rows on the page
    int Next() override;
    int Previous() override;

    // Whether a reset field changed since the list was last read.
    bool NeedRefresh() { return resetFieldsChanged(); }
    int CurrentTab() const;
    bool selecting() const { return selecting_; }
    const BrowsePage &page() const { return *page_; }
    BrowseModel *model() const { return model_.data(); }
    BrowseList *list() const { return list_; }
    WindowManager *window() const { return window_; }
    // What keeps the page fresh while the browse is open (framework/browsenotices.h).
    BrowseNotices &notices() const { return *notices_; }
    const ListFormat &format() const;

    // Hooks.
    virtual void SetQueueRecord() {}
    virtual bool ValidateRecord() { return true; }
    virtual void TakeNewSelection() {}
    // Asked before the update form runs for a request (every way of asking: buttons, keys, the
    // toolbar); false drops the request (a password prompt cancelled).
    virtual bool AllowRequest(int request) { (void)request; return true; }
    // In select mode, the user chose the highlighted record, read afresh into its buffer. The
    // response the browse ends with: completed, cancelled to refuse it and end, or NoResponse to
    // refuse it and stay open.
    virtual int TakeChoice();

Q_SIGNALS:
    void selectionChanged();
    // A click on a cell (column as the list format numbers it), after the row was highlighted.
    void cellClicked(int row, int column);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int orderOfTab(int tab) const;
    int tabOfOrder(int order) const;
    int pairOf(int order) const;
    void showOrder(int order);
    struct SortTab {
        dict::KeyRef key;
        std::unique_ptr<StepClass> step;
        std::optional<ListFormat> format;
        std::unique_ptr<LocatorClass> locator;
    };
    struct QueueField {
        std::optional<dict::FieldRef> field;
        std::function<StepValue()> value;
    };
    BrowseRow makeRow();
    void showPage();
    void setStepLimits();
    std::optional<dict::FieldRef> stepField() const;
    void updateThumb();
    void updateButtons();
    void selectRow(int row);
    void choose();
    void takeCharacter(const QString &text);
    // The current order's entry locator, if it has one.
    EntryLocatorClass *entryLocator() const;
    void clearEntryLocator();
    // Moves the list to the entry's value; false (with a beep) when the field cannot take it.
    bool applyEntryLocator(EntryLocatorClass &locator);
    void typeIntoEntry(EntryLocatorClass &locator, const QString &text);
    void takeEntryEdit();
    void takeEntryReturn();
    void takeEntryLocator();
    void saveSettings();
    void restoreSettings();
    bool resetFieldsChanged();
    void resizePage();
    void resetFromAsk(int request, int response);
    void connectButtons();

    BrowseList *list_ = nullptr;
    QPointer<BrowseModel> model_;
    WindowManager *window_ = nullptr;
    std::unique_ptr<BrowsePage> page_;
    std::vector<SortTab> sorts_;
    std::vector<int> tabOrders_;
    std::vector<std::pair<int, int>> reversals_;
    std::vector<QueueField> queue_;
    std::vector<std::pair<dict::FieldRef, std::vector<char>>> resetFields_;
    QPointer<QTabBar> tabs_;
    QPointer<QAbstractButton> insert_, change_, delete_, select_;
    std::string section_;
    std::string tabKey_ = "TabChoice";
    ListFormat format_;
    bool selecting_ = false;
    bool opened_ = false;
    bool showing_ = false;
    std::unique_ptr<BrowseNotices> notices_; // last: it goes first, while the browse is whole
};

} // namespace fw
