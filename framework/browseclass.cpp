#include "framework/browseclass.h"

#include "dictionary/fieldaccess.h"
#include "framework/browselist.h"
#include "framework/browsemodel.h"
#include "framework/browsenotices.h"
#include "framework/globalcodes.h"
#include "framework/iniclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"
#include "framework/windowmanager.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>

#include <cstring>

namespace fw {

namespace {

StepValue valueOf(const dict::FieldRef &f)
{
    if (f.def->type == dict::FieldType::String)
        return StepValue(std::string(dict::stringOf(*f.def, f.record)));
    return StepValue(dict::realOf(*f.def, f.record));
}

std::vector<char> bytesOf(const dict::FieldRef &f)
{
    const char *p = static_cast<const char *>(f.record) + f.def->offset;
    return {p, p + f.def->size};
}

} // namespace

BrowseClass::BrowseClass()
    : notices_(std::make_unique<BrowseNotices>(*this))
{}

BrowseClass::~BrowseClass()
{
    // The list may outlive the browse (its window is deleted later): it then shows nothing.
    if (model_) {
        model_->setPage(nullptr);
        model_->pageChanged();
    }
}

// --- set-up -------------------------------------------------------------------------------------

void BrowseClass::Init(BrowseList *list, dict::RelationManager *primary, WindowManager *window)
{
    ViewManager::Init(primary);
    list_ = list;
    window_ = window;
    page_ = std::make_unique<BrowsePage>(*this, [this] { return makeRow(); });
    model_ = new BrowseModel(list->view());
    model_->setPage(page_.get());
    list_->view()->setModel(model_);
    list_->view()->installEventFilter(this);
    list_->view()->viewport()->installEventFilter(this);
    connect(list_, &BrowseList::resized, this, &BrowseClass::resizePage);
    connect(list_->view(), &QTableView::clicked, this, [this](const QModelIndex &index) {
        selectRow(index.row());
        Q_EMIT cellClicked(index.row(), index.column());
    });
    connect(list_->view(), &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        selectRow(index.row());
        if (selecting_)
            choose();
        else if (change_ && change_->isEnabled())
            Ask(ChangeRecord);
    });
    connect(list_->thumb(), &QScrollBar::actionTriggered, this, [this](int action) {
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: ScrollOne(1); break;
        case QAbstractSlider::SliderSingleStepSub: ScrollOne(-1); break;
        case QAbstractSlider::SliderPageStepAdd: ScrollPage(1); break;
        case QAbstractSlider::SliderPageStepSub: ScrollPage(-1); break;
        case QAbstractSlider::SliderToMinimum: ScrollEnd(-1); break;
        case QAbstractSlider::SliderToMaximum: ScrollEnd(1); break;
        default: return;
        }
        QMetaObject::invokeMethod(this, &BrowseClass::updateThumb, Qt::QueuedConnection);
    });
    connect(list_->thumb(), &QScrollBar::sliderReleased, this,
            [this] { TakeScroll(list_->thumb()->sliderPosition()); });
    selecting_ = window && window->Request == SelectRecord;
    if (window)
        window->AddItem(this);
}

int BrowseClass::AddSortOrder(dict::KeyRef key, std::unique_ptr<StepClass> step, std::string format)
{
    const int number = ViewManager::AddSortOrder(key);
    SortTab order;
    order.key = key;
    order.step = std::move(step);
    if (!format.empty())
        order.format = ListFormat::parse(format);
    sorts_.push_back(std::move(order));
    if (sorts_.size() == 1 && sorts_.front().format)
        format_ = *sorts_.front().format;
    return number;
}

void BrowseClass::AddLocator(std::unique_ptr<LocatorClass> locator)
{
    // Orders may share one entry: each signal reaches the browse once, for the current order.
    if (auto *entry = dynamic_cast<EntryLocatorClass *>(locator.get())) {
        connect(entry->entry(), &QLineEdit::textEdited, this, &BrowseClass::takeEntryEdit, Qt::UniqueConnection);
        connect(entry->entry(), &QLineEdit::returnPressed, this, &BrowseClass::takeEntryReturn, Qt::UniqueConnection);
        connect(entry->entry(), &QLineEdit::editingFinished, this, &BrowseClass::takeEntryLocator,
                Qt::UniqueConnection);
    }
    sorts_.back().locator = std::move(locator);
}

void BrowseClass::AddResetField(dict::FieldRef field) { resetFields_.emplace_back(field, bytesOf(field)); }

int BrowseClass::AddField(dict::FieldRef field)
{
    queue_.push_back({field, {}});
    return static_cast<int>(queue_.size());
}

int BrowseClass::AddField(std::function<StepValue()> value)
{
    queue_.push_back({std::nullopt, std::move(value)});
    return static_cast<int>(queue_.size());
}

void BrowseClass::AddSheet(QTabBar *tabs)
{
    tabs_ = tabs;
    connect(tabs, &QTabBar::currentChanged, this, [this](int index) {
        if (index < 0 || index == tabOfOrder(Order()))
            return;
        showOrder(orderOfTab(index));
    });
}

int BrowseClass::orderOfTab(int tab) const
{
    return tab < static_cast<int>(tabOrders_.size()) ? tabOrders_[tab] : tab + 1;
}

int BrowseClass::tabOfOrder(int order) const
{
    const int paired = pairOf(order);
    for (int tab = 0; tabs_ && tab < tabs_->count(); ++tab)
        if (orderOfTab(tab) == order || (paired && orderOfTab(tab) == paired))
            return tab;
    return order - 1;
}

int BrowseClass::pairOf(int order) const
{
    for (const auto &[a, b] : reversals_) {
        if (a == order)
            return b;
        if (b == order)
            return a;
    }
    return 0;
}

void BrowseClass::PairOrders(int order, int reversed) { reversals_.emplace_back(order, reversed); }

bool BrowseClass::Reversible() const { return pairOf(Order()) != 0; }

void BrowseClass::Reverse()
{
    if (const int other = pairOf(Order()))
        showOrder(other);
}

// Another order on the list: the buffer kept, the locator emptied, the order's layout shown.
void BrowseClass::showOrder(int order)
{
    UpdateBuffer();
    clearEntryLocator(); // a value of one order's field means nothing in another
    SetOrder(order);
    clearEntryLocator();
    if (sorts_[order - 1].format)
        SetFormat(sorts_[order - 1].format->toString());
    ResetSort(true);
}

void BrowseClass::SetUpdateButtons(QAbstractButton *insert, QAbstractButton *change, QAbstractButton *remove,
                                   QAbstractButton *select)
{
    insert_ = insert;
    change_ = change;
    delete_ = remove;
    select_ = select;
    if (insert_)
        connect(insert_, &QAbstractButton::clicked, this, [this] { Ask(InsertRecord); });
    if (change_)
        connect(change_, &QAbstractButton::clicked, this, [this] { Ask(ChangeRecord); });
    if (delete_)
        connect(delete_, &QAbstractButton::clicked, this, [this] { Ask(DeleteRecord); });
    if (select_) {
        connect(select_, &QAbstractButton::clicked, this, &BrowseClass::choose);
        select_->setVisible(selecting_);
    }
}

void BrowseClass::SetSettings(std::string section, std::string tabKey)
{
    section_ = std::move(section);
    tabKey_ = std::move(tabKey);
}

const ListFormat &BrowseClass::format() const { return format_; }

void BrowseClass::SetFormat(std::string_view text)
{
    std::optional<ListFormat> parsed = ListFormat::parse(text);
    if (!parsed)
        return;
    format_ = std::move(*parsed);
    model_->setFormat(format_);
    std::vector<std::optional<int>> widths;
    std::vector<std::string> widest;
    for (const ListColumn &column : format_.columns()) {
        widths.push_back(column.width);
        widest.push_back(column.picture ? widestValue(*column.picture) : std::string());
    }
    list_->setColumnWidths(widths, widest);
}

// --- open and close -----------------------------------------------------------------------------

void BrowseClass::Open()
{
    if (opened_)
        return;
    opened_ = true;
    // Orders were made current as they were added: the list opens on the first tab's.
    SetOrder(orderOfTab(0));
    if (tabs_) {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(0);
    }
    model_->setFormat(format_);
    SetFormat(format_.toString());
    restoreSettings();
    notices_->start();
    ResetSort(true);
}

void BrowseClass::Kill()
{
    notices_->stop();
    if (opened_)
        saveSettings();
    opened_ = false;
}

void BrowseClass::restoreSettings()
{
    INIClass *ini = REPORTS::Settings();
    if (section_.empty() || !ini)
        return;
    const std::string stored = ini->Fetch(section_, "Format");
    if (stored.empty() || !ListFormat::parse(stored))
        return; // the built-in layout and the first tab
    SetFormat(stored);
    const std::optional<double> tab = parsePlainNumber(ini->Fetch(section_, tabKey_));
    if (tab && *tab >= 1 && *tab <= static_cast<double>(sorts_.size())) {
        SetOrder(static_cast<int>(*tab));
        if (tabs_) {
            const QSignalBlocker block(tabs_);
            tabs_->setCurrentIndex(tabOfOrder(static_cast<int>(*tab)));
        }
    }
}

// The layout as the user left it: columns in their shown order, with their dragged widths.
void BrowseClass::saveSettings()
{
    INIClass *ini = REPORTS::Settings();
    if (section_.empty() || !ini)
        return;
    ListFormat shown = format_;
    QHeaderView *header = list_->view()->horizontalHeader();
    std::vector<int> logical;
    for (int visual = 0; visual < header->count(); ++visual)
        logical.push_back(header->logicalIndex(visual));
    for (std::size_t i = 0; i < logical.size(); ++i)
        shown.setWidth(static_cast<std::size_t>(logical[i]), list_->columnWidth(logical[i]));
    // Move each column into its shown place, following where the others went.
    const std::vector<int> &order = logical;
    std::vector<int> positions(order.size());
    for (std::size_t j = 0; j < positions.size(); ++j)
        positions[j] = static_cast<int>(j); // positions[j]: logical column now at place j of `shown`
    for (std::size_t place = 0; place < order.size(); ++place) {
        std::size_t from = place;
        while (from < positions.size() && positions[from] != order[place])
            ++from;
        if (from != place && from < positions.size()) {
            shown.moveColumn(from, place);
            const int moved = positions[from];
            positions.erase(positions.begin() + static_cast<long>(from));
            positions.insert(positions.begin() + static_cast<long>(place), moved);
        }
    }
    ini->Update(section_, "Format", shown.toString());
    ini->Update(section_, tabKey_, std::to_string(Order()));
}

// --- reading rows -------------------------------------------------------------------------------

BrowseRow BrowseClass::makeRow()
{
    BrowseRow row;
    const dict::storage::RecordBuffer buffer = File().Buffer();
    row.position = File().Position();
    const char *bytes = static_cast<const char *>(buffer.bytes);
    row.record.assign(bytes, bytes + File().Def().recordSize);
    if (buffer.memo)
        row.memo = buffer.memo->str();
    SetQueueRecord();
    row.queue.reserve(queue_.size());
    for (const QueueField &q : queue_)
        row.queue.push_back(q.field ? valueOf(*q.field) : q.value());
    return row;
}

int BrowseClass::Next()
{
    for (;;) {
        const int result = ViewManager::Next();
        if (result != dict::Benign || ValidateRecord())
            return result;
    }
}

int BrowseClass::Previous()
{
    for (;;) {
        const int result = ViewManager::Previous();
        if (result != dict::Benign || ValidateRecord())
            return result;
    }
}

std::optional<dict::FieldRef> BrowseClass::stepField() const
{
    const dict::FileDef &def = File().Def();
    const auto &components = def.keys[Key().index].components;
    const std::size_t free = static_cast<std::size_t>(RangeComponents());
    if (free >= components.size())
        return std::nullopt;
    return dict::FieldRef{&def.fields[components[free].field], File().Buffer().bytes};
}

void BrowseClass::setStepLimits()
{
    StepClass *step = sorts_[Order() - 1].step.get();
    const std::optional<dict::FieldRef> field = stepField();
    if (!step || !field)
        return;
    SetStart();
    if (Next() != dict::Benign)
        return;
    const StepValue first = valueOf(*field);
    SetEnd();
    if (Previous() != dict::Benign)
        return;
    step->SetLimits(first, valueOf(*field));
}

// --- showing the page ---------------------------------------------------------------------------

void BrowseClass::showPage()
{
    showing_ = true;
    model_->pageChanged();
    if (const BrowseRow *row = page_->current()) {
        page_->toBuffer(*row);
        list_->view()->setCurrentIndex(model_->index(page_->selected(), 0));
    }
    showing_ = false;
    updateThumb();
    updateButtons();
    TakeNewSelection();
    Q_EMIT selectionChanged();
}

void BrowseClass::updateThumb()
{
    QScrollBar *thumb = list_->thumb();
    const QSignalBlocker block(thumb);
    const BrowseRow *row = page_->current();
    StepClass *step = Order() >= 1 ? sorts_[Order() - 1].step.get() : nullptr;
    const std::optional<dict::FieldRef> field = stepField();
    if (!row || !step || !field) {
        thumb->setValue(row && page_->selected() > 0 ? 50 : 0);
        return;
    }
    thumb->setValue(step->GetPercentile(valueOf(*field)));
}

void BrowseClass::updateButtons()
{
    const bool any = page_->current() != nullptr;
    if (change_)
        change_->setEnabled(any);
    if (delete_)
        delete_->setEnabled(any);
    if (select_)
        select_->setEnabled(any && selecting_);
}

void BrowseClass::selectRow(int row)
{
    if (showing_ || !page_->select(row))
        return;
    page_->toBuffer(*page_->current());
    updateThumb();
    TakeNewSelection();
    Q_EMIT selectionChanged();
}

std::size_t BrowseClass::Records() const { return page_ ? page_->rows().size() : 0; }

int BrowseClass::CurrentTab() const { return tabOfOrder(Order()) + 1; }

// --- resets -------------------------------------------------------------------------------------

void BrowseClass::ResetSort(bool force)
{
    (void)force;
    notices_->reading();
    const std::optional<BrowseRow> keep = page_->current() ? std::optional(*page_->current()) : std::nullopt;
    ViewManager::Reset();
    setStepLimits();
    for (auto &[field, saved] : resetFields_)
        saved = bytesOf(field);
    if (keep && opened_) {
        page_->toBuffer(*keep);
        Locate();
        return;
    }
    page_->first();
    showPage();
}

bool BrowseClass::resetFieldsChanged()
{
    bool changed = false;
    for (auto &[field, saved] : resetFields_)
        if (bytesOf(field) != saved)
            changed = true;
    return changed;
}

void BrowseClass::ResetFromFile(bool force)
{
    if (!opened_)
        return;
    notices_->reading();
    if (resetFieldsChanged()) {
        ResetSort(true);
        return;
    }
    (void)force;
    const BrowseRow *row = page_->current();
    if (!row) {
        page_->first();
    } else {
        const BrowseRow anchor = *row;
        page_->around(anchor, page_->selected());
    }
    showPage();
}

void BrowseClass::ResetFromBuffer()
{
    notices_->reading();
    BrowseRow anchor;
    anchor.position = File().Position();
    const char *bytes = static_cast<const char *>(File().Buffer().bytes);
    anchor.record.assign(bytes, bytes + File().Def().recordSize);
    if (File().Buffer().memo)
        anchor.memo = File().Buffer().memo->str();
    page_->around(anchor, std::max(page_->selected(), 0));
    showPage();
}

void BrowseClass::ResetQueue() { ResetFromFile(true); }

void BrowseClass::resizePage()
{
    const int rows = list_->visibleRows();
    if (rows == page_->size())
        return;
    page_->setSize(rows);
    if (opened_)
        ResetFromFile(true);
}

void BrowseClass::UpdateBuffer()
{
    if (const BrowseRow *row = page_->current())
        page_->toBuffer(*row);
}

bool BrowseClass::UpdateViewRecord()
{
    const BrowseRow *row = page_->current();
    if (!row)
        return false;
    if (File().TryReget(row->position) != dict::Benign) {
        File().Throw(dict::Msg::RetrievalError);
        ResetFromFile(true);
        return false;
    }
    return true;
}

// --- moving -------------------------------------------------------------------------------------

void BrowseClass::ScrollOne(int direction)
{
    if (page_->scrollOne(direction > 0))
        showPage();
}

void BrowseClass::ScrollPage(int direction)
{
    if (page_->scrollPage(direction > 0))
        showPage();
}

void BrowseClass::ScrollEnd(int direction)
{
    direction > 0 ? page_->last() : page_->first();
    showPage();
}

void BrowseClass::Locate()
{
    page_->locate();
    showPage();
}

void BrowseClass::TakeScroll(int percent)
{
    if (percent <= 1) {
        ScrollEnd(-1);
        return;
    }
    if (percent >= 100) {
        ScrollEnd(1);
        return;
    }
    StepClass *step = sorts_[Order() - 1].step.get();
    const std::optional<dict::FieldRef> field = stepField();
    if (step && field) {
        if (const std::optional<StepValue> value = step->GetValue(percent)) {
            if (field->def->type == dict::FieldType::String)
                dict::setString(*field->def, field->record, value->text());
            else
                dict::setReal(*field->def, field->record, value->number());
            File().ClearKey(Key(), RangeComponents() + 2);
            Locate();
            return;
        }
    }
    if (percent != 50)
        ScrollPage(percent > 50 ? 1 : -1);
}

bool BrowseClass::TakeVCRScroll(int code)
{
    switch (code) {
    case Nav::Down: return page_->scrollOne(true) ? (showPage(), true) : false;
    case Nav::Up: return page_->scrollOne(false) ? (showPage(), true) : false;
    case Nav::PageDown: return page_->scrollPage(true) ? (showPage(), true) : false;
    case Nav::PageUp: return page_->scrollPage(false) ? (showPage(), true) : false;
    case Nav::Bottom: ScrollEnd(1); return true;
    case Nav::Top: ScrollEnd(-1); return true;
    default: return false;
    }
}

int BrowseClass::TakeNavigation(int code)
{
    switch (code) {
    case Nav::Insert:
        if (insert_ && insert_->isEnabled())
            return Ask(InsertRecord), dict::Benign;
        return dict::Notify;
    case Nav::Change:
        if (change_ && change_->isEnabled())
            return Ask(ChangeRecord), dict::Benign;
        return dict::Notify;
    case Nav::Delete:
        if (delete_ && delete_->isEnabled())
            return Ask(DeleteRecord), dict::Benign;
        return dict::Notify;
    case Nav::Select:
        if (selecting_)
            return choose(), dict::Benign;
        return dict::Notify;
    default: return TakeVCRScroll(code) ? dict::Benign : dict::Notify;
    }
}

ToolbarStates BrowseClass::NavigationStates(bool helpButton) const
{
    auto usable = [](const QPointer<QAbstractButton> &b) { return b && b->isEnabled(); };
    return browseToolbarStates(usable(insert_), usable(change_), usable(delete_), selecting_ && usable(select_),
                               helpButton);
}

int BrowseClass::TakeChoice() { return RequestCompleted; }

void BrowseClass::choose()
{
    if (!selecting_ || !UpdateViewRecord())
        return;
    if (const int response = TakeChoice(); response != NoResponse)
        window_->SetResponse(response);
}

// --- the update form ----------------------------------------------------------------------------

int BrowseClass::Ask(int request)
{
    int response = RequestCancelled;
    if (!AllowRequest(request))
        return response;
    for (;;) {
        VCRRequest = 0;
        if (request == InsertRecord) {
            if (PrimeRecord() != dict::Benign)
                break;
        } else if (!UpdateViewRecord()) {
            break;
        }
        GlobalRequest = static_cast<dict::BYTE>(request);
        response = window_->Run(FormNumber, request);
        resetFromAsk(request, response);
        const int navigation = VCRRequest;
        VCRRequest = 0;
        if (navigation == 0)
            break;
        if (navigation == Nav::Insert || (navigation == Nav::Down && request == InsertRecord)) {
            request = InsertRecord;
            continue;
        }
        if (!TakeVCRScroll(navigation))
            break; // nowhere to go: back to the list
    }
    list_->view()->setFocus();
    return response;
}

void BrowseClass::resetFromAsk(int request, int response)
{
    if (response == RequestCompleted && request != DeleteRecord) {
        ResetFromBuffer();
        return;
    }
    ResetFromFile(true);
}

// --- keys and locators --------------------------------------------------------------------------

bool BrowseClass::TakeKey(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Down: ScrollOne(1); return true;
    case Qt::Key_Up: ScrollOne(-1); return true;
    case Qt::Key_PageDown: ScrollPage(1); return true;
    case Qt::Key_PageUp: ScrollPage(-1); return true;
    case Qt::Key_Home: ScrollEnd(-1); return true;
    case Qt::Key_End: ScrollEnd(1); return true;
    case Qt::Key_Insert:
        if (insert_ && insert_->isEnabled())
            Ask(InsertRecord);
        return true;
    case Qt::Key_Delete:
        if (delete_ && delete_->isEnabled())
            delete_->click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // One rule on every list: Ctrl+Enter changes the row; plain Enter chooses in select mode,
        // goes to a typed locator's record, and otherwise changes the row too.
        if (ctrl || (!selecting_ && !entryLocator())) {
            if (change_ && change_->isEnabled())
                Ask(ChangeRecord);
        } else if (selecting_) {
            choose();
        } else if (EntryLocatorClass *locator = entryLocator()) {
            applyEntryLocator(*locator);
        }
        return true;
    case Qt::Key_Backspace:
        if (EntryLocatorClass *locator = entryLocator()) {
            QString text = locator->entry()->text();
            text.chop(1);
            typeIntoEntry(*locator, text);
            return true;
        }
        break;
    default: break;
    }
    if (!ctrl && !event->text().isEmpty() && event->text().at(0).isPrint()) {
        if (EntryLocatorClass *locator = entryLocator())
            typeIntoEntry(*locator, locator->entry()->text() + event->text());
        else
            takeCharacter(event->text());
        return true;
    }
    return false;
}

EntryLocatorClass *BrowseClass::entryLocator() const
{
    if (Order() < 1 || Order() > static_cast<int>(sorts_.size()))
        return nullptr;
    return dynamic_cast<EntryLocatorClass *>(sorts_[Order() - 1].locator.get());
}

void BrowseClass::clearEntryLocator()
{
    if (EntryLocatorClass *locator = entryLocator())
        locator->entry()->clear();
}

bool BrowseClass::applyEntryLocator(EntryLocatorClass &locator)
{
    locator.entry()->setModified(false);
    UpdateBuffer();
    if (!locator.setValue(locator.text())) {
        QApplication::beep();
        return false;
    }
    File().ClearKey(Key(), RangeComponents() + 2);
    Locate();
    return true;
}

// Keys typed on the list build the entry's value; one the field cannot take is refused.
void BrowseClass::typeIntoEntry(EntryLocatorClass &locator, const QString &text)
{
    QLineEdit *entry = locator.entry();
    const QString before = entry->text();
    entry->setText(text.left(entry->maxLength()));
    if (!applyEntryLocator(locator))
        entry->setText(before);
}

// The list follows the entry as the user types.
void BrowseClass::takeEntryEdit()
{
    if (EntryLocatorClass *locator = entryLocator(); locator && locator->entry() == sender())
        applyEntryLocator(*locator);
}

void BrowseClass::takeEntryReturn()
{
    if (EntryLocatorClass *locator = entryLocator(); locator && locator->entry() == sender())
        if (!applyEntryLocator(*locator))
            locator->entry()->setFocus();
}

void BrowseClass::takeCharacter(const QString &text)
{
    auto *locator = dynamic_cast<StepLocatorClass *>(sorts_[Order() - 1].locator.get());
    if (!locator)
        return;
    const BrowseRow *row = page_->current();
    std::string current;
    if (row) {
        page_->toBuffer(*row);
        current = valueOf(locator->field()).text();
    }
    switch (locator->TakeCharacter(text, current)) {
    case StepLocatorClass::Move::Ignore: return;
    case StepLocatorClass::Move::NextRow: ScrollOne(1); return;
    case StepLocatorClass::Move::Locate: break;
    }
    if (!locator->setValue(text.toUtf8().toStdString())) {
        QApplication::beep();
        UpdateBuffer();
        return;
    }
    File().ClearKey(Key(), RangeComponents() + 2);
    Locate();
}

void BrowseClass::takeEntryLocator()
{
    EntryLocatorClass *locator = entryLocator();
    if (!locator || !locator->entry()->isModified())
        return;
    if (!applyEntryLocator(*locator))
        locator->entry()->setFocus();
}

bool BrowseClass::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == list_->view() && event->type() == QEvent::KeyPress)
        return TakeKey(static_cast<QKeyEvent *>(event));
    if (watched == list_->view()->viewport() && event->type() == QEvent::Wheel) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        ScrollOne(wheel->angleDelta().y() > 0 ? -1 : 1);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace fw
