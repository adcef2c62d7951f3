#include "framework/browseprocedure.h"

#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/browsenotices.h"
#include "framework/errorclass.h"
#include "framework/framemessages.h"
#include "framework/reportslib.h"
#include "framework/singlewindow.h"
#include "framework/threadcontext.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace fw {

namespace {

constexpr int Red = 0xFF0000;
constexpr int Black = 0x000000;
constexpr int Cyan = 0x00FFFF;
constexpr int ListColour = -1; // the list's own colour

// A malformed declaration stops a debug build at once; a release build says so and goes on.
void reportFaults(const std::string &procedure, const std::vector<std::string> &faults)
{
    if (faults.empty())
        return;
    std::string text = procedure + ": " + faults.front();
#ifndef NDEBUG
    qFatal("%s", text.c_str());
#endif
    REPORTS::Errors().ThrowMessage(FrameMsg::BadDeclaration, text);
}

// The thumb steps through the values of the order's first component.
std::unique_ptr<StepClass> stepFor(dict::KeyRef key)
{
    const dict::FileDef &def = dict::fileDef(key.file);
    const dict::KeyComponent &first = def.keys[key.index].components.front();
    return makeStepFor(def.fields[first.field].type, first.descending);
}

} // namespace

// The browse's list: hands the rows' colours, the highlight and the requests to the procedure.
class BrowseProcedure::List : public BrowseClass
{
public:
    explicit List(BrowseProcedure &owner) : owner_(owner) {}
    void SetQueueRecord() override { owner_.red_ = owner_.browseSpec_.red && owner_.browseSpec_.red(); }
    void TakeNewSelection() override { owner_.followHighlight(); }
    bool AllowRequest(int request) override { return owner_.AllowRequest(request); }
    int TakeChoice() override { return owner_.Chosen(); }

private:
    BrowseProcedure &owner_;
};

BrowseProcedure::BrowseProcedure(const BrowseSpec &spec)
    : Procedure(spec.procedure)
    , browseSpec_(spec)
    , list_(std::make_unique<List>(*this))
{}

BrowseProcedure::~BrowseProcedure() = default;

BrowseClass &BrowseProcedure::browse() { return *list_; }

bool BrowseProcedure::Admit()
{
    if (browseSpec_.selectOnly)
        Request = OriginalRequest = SelectRecord;
    if (browseSpec_.singleWindow && Request != SelectRecord && bringOpenCopyForward(procedureName))
        return false;
    reportFaults(procedureName, checkBrowseSpec(browseSpec_));
    return true;
}

int BrowseProcedure::Build()
{
    QWidget *window = this->window();
    auto *layout = new QVBoxLayout(window);
    auto *columns = new QHBoxLayout;
    QWidget *listBox = browseSpec_.listTitle ? new QGroupBox(QString::fromUtf8(browseSpec_.listTitle), window)
                                             : new QWidget(window);
    buildList(listBox, window);
    columns->addWidget(listBox, 1);
    if (QWidget *side = buildPanels(window, true))
        columns->addWidget(side);
    layout->addLayout(columns, 1);
    if (QWidget *info = buildPanels(window, false))
        layout->addWidget(info);
    auto *buttons = new QHBoxLayout;
    buildButtons(buttons);
    // Picking, Select is the window's default: Enter picks and Escape cancels, as in a dialog.
    if (w_.select && Request == SelectRecord)
        w_.select->setDefault(true);
    layout->addLayout(buttons);
    window->resize(browseSpec_.width, browseSpec_.height);

    list_->Init(w_.list, browseSpec_.primary, this);
    addOrders();
    addQueue();
    list_->AddSheet(w_.tabs);
    if (browseSpec_.updates)
        list_->SetUpdateButtons(w_.insert, w_.change, w_.remove, w_.select);
    else if (w_.select)
        list_->SetUpdateButtons(nullptr, nullptr, nullptr, w_.select);
    list_->SetSettings(browseSpec_.settingsSection ? browseSpec_.settingsSection : procedureName,
                       browseSpec_.tabKey);
    FirstField = w_.list;
    Prepare();
    showFigures();
    QObject::connect(&list_->notices(), &BrowseNotices::refreshed, &list_->notices(), [this] {
        const ContextScope own(context());
        Refreshed();
    });
    if (browseSpec_.notification) {
        notifyFrame(browseSpec_.notification);
        notified_ = true;
    }
    return dict::Benign;
}

void BrowseProcedure::buildList(QWidget *box, QWidget *)
{
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(w_.tabs = new QTabBar(box));
    for (const BrowseTab &tab : browseSpec_.tabs) {
        const int index = w_.tabs->addTab(QString::fromUtf8(tab.caption));
        if (tab.tip)
            w_.tabs->setTabToolTip(index, QString::fromUtf8(tab.tip));
    }
    w_.tabs->setVisible(browseSpec_.tabs.size() > 1);
    auto *locatorRow = new QHBoxLayout;
    locatorRow->addWidget(w_.locatorPrompt = new QLabel(box));
    locatorRow->addWidget(w_.locator = new QLineEdit(box), 1);
    w_.locatorPrompt->setBuddy(w_.locator);
    layout->addLayout(locatorRow);
    layout->addWidget(w_.list = new BrowseList(box), 1);
}

void BrowseProcedure::buildButtons(QHBoxLayout *row)
{
    const UpdateButtonTips &tips = browseSpec_.buttons;
    auto standard = [&](const char *text, const char *tip) {
        auto *button = new QPushButton(QString::fromUtf8(text), window());
        if (tip)
            button->setToolTip(QString::fromUtf8(tip));
        row->addWidget(button);
        return button;
    };
    if (browseSpec_.updates) {
        w_.insert = standard(tips.insertText, tips.insert);
        w_.change = standard("&Change", tips.change);
        w_.remove = standard("&Delete", tips.remove);
    }
    if (tips.select || browseSpec_.selectOnly)
        w_.select = standard(tips.selectText, tips.select);
    addExtraButtons(row, false);
    row->addStretch();
    addExtraButtons(row, true);
    w_.help = standard("&Help", "Help...");
    HelpControl = w_.help;
    w_.close = standard(tips.closeText, tips.close);
    AddItem(w_.close, RequestCancelled);
}

int BrowseProcedure::addOrder(const BrowseTab &tab, dict::KeyRef key)
{
    const int order = list_->AddSortOrder(key, stepFor(key), expandFormat(tab.format));
    if (tab.range)
        list_->AddRange(*tab.range);
    if (tab.filter)
        list_->SetFilter(tab.filter);
    if (browseSpec_.filter)
        list_->SetFilter(browseSpec_.filter);
    if (tab.locator && tab.locatorPrompt)
        list_->AddLocator(std::make_unique<EntryLocatorClass>(*tab.locator, w_.locator));
    else if (tab.locator)
        list_->AddLocator(std::make_unique<StepLocatorClass>(*tab.locator));
    return order;
}

// Each tab's order, and its reverse where it has one (the same tab, the other way round).
void BrowseProcedure::addOrders()
{
    std::vector<int> tabOrders;
    for (const BrowseTab &tab : browseSpec_.tabs) {
        tabOrders.push_back(addOrder(tab, tab.key));
        if (tab.reverse)
            list_->PairOrders(tabOrders.back(), addOrder(tab, *tab.reverse));
    }
    list_->SetTabOrders(std::move(tabOrders));
}

void BrowseProcedure::addExtraButtons(QHBoxLayout *row, bool atEnd)
{
    for (const BrowseButton &extra : browseSpec_.extraButtons) {
        if (extra.atEnd != atEnd)
            continue;
        auto *button = new QPushButton(QString::fromUtf8(extra.text), window());
        if (extra.tip)
            button->setToolTip(QString::fromUtf8(extra.tip));
        row->addWidget(button);
        if (extra.action)
            connect(button, &QPushButton::clicked, this, [this, action = extra.action] { action(*this); });
        extras_.emplace_back(&extra, button);
    }
}

// A declared panel: prompts and values in pairs of columns.
QWidget *BrowseProcedure::buildPanel(const BrowsePanel &panel, QWidget *parent)
{
    QWidget *box = panel.caption ? new QGroupBox(QString::fromUtf8(panel.caption), parent) : new QWidget(parent);
    auto *grid = new QGridLayout(box);
    if (!panel.caption)
        grid->setContentsMargins(0, 0, 0, 0);
    int at = 0;
    for (const InfoValue &value : panel.values) {
        if (value.kept && !value.kept())
            continue;
        const int r = at % panel.rows, column = 2 * (at / panel.rows);
        ++at;
        auto *prompt = new QLabel(QString::fromStdString(expandFormat(value.prompt)), box);
        grid->addWidget(prompt, r, column);
        auto *shown = new QLabel(box);
        shown->setMinimumWidth(90);
        grid->addWidget(shown, r, column + 1);
        grid->setColumnStretch(column + 1, 1);
        values_.push_back({&value, prompt, shown});
    }
    grid->setRowStretch(panel.rows, 1);
    return box;
}

// The panels placed in one place, side by side below the list or one above the other beside it.
QWidget *BrowseProcedure::buildPanels(QWidget *window, bool beside)
{
    QWidget *holder = nullptr;
    QBoxLayout *line = nullptr;
    bool right = false;
    for (const BrowsePanel &panel : browseSpec_.panels) {
        if ((panel.place == BrowsePanel::Beside) != beside)
            continue;
        if (!holder) {
            holder = new QWidget(window);
            line = beside ? static_cast<QBoxLayout *>(new QVBoxLayout(holder)) : new QHBoxLayout(holder);
            line->setContentsMargins(0, 0, 0, 0);
        }
        if (panel.place == BrowsePanel::BelowRight && !right) {
            line->addStretch();
            right = true;
        }
        line->addWidget(buildPanel(panel, holder), panel.caption && !beside ? 1 : 0);
    }
    if (line && (beside || (!right && !std::ranges::any_of(browseSpec_.panels, [](const BrowsePanel &p) {
                     return p.caption && p.place == BrowsePanel::Below;
                 }))))
        line->addStretch();
    return holder;
}

QPushButton *BrowseProcedure::button(int id) const
{
    for (const auto &[extra, made] : extras_)
        if (extra->id == id)
            return made;
    return nullptr;
}

QLabel *BrowseProcedure::info(int id) const
{
    for (const Shown &shown : values_)
        if (shown.value->id == id)
            return shown.label;
    return nullptr;
}

QLabel *BrowseProcedure::infoPrompt(int id) const
{
    for (const Shown &shown : values_)
        if (shown.value->id == id)
            return shown.prompt;
    return nullptr;
}

void BrowseProcedure::showValues(bool wholeList, bool any)
{
    for (const auto &[value, prompt, shown] : values_)
        if (value->wholeList == wholeList) {
            const QString text = any ? value->value(*this) : QString();
            // Figures line up on the right, words read from the left.
            static const QRegularExpression digit("[0-9]"), letter("[A-Za-z]");
            const bool figure = text.contains(digit) && !text.contains(letter);
            shown->setAlignment((figure ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            shown->setText(text);
        }
}

void BrowseProcedure::showFigures() { showValues(true, true); }

void BrowseProcedure::reverseOrder()
{
    if (!list_->Reversible())
        return;
    list_->Reverse();
    followHighlight();
}

// Each coloured field is followed by its four colours, which follow the row's red rule.
void BrowseProcedure::addQueue()
{
    const bool *red = &red_;
    for (const QueueEntry &entry : browseSpec_.queue) {
        if (entry.field)
            list_->AddField(*entry.field);
        else
            list_->AddField(entry.value);
        if (!entry.coloured)
            continue;
        list_->AddField([red] { return StepValue(*red ? Red : ListColour); });
        list_->AddField([] { return StepValue(ListColour); });
        list_->AddField([red] { return StepValue(*red ? Black : ListColour); });
        list_->AddField([red] { return StepValue(*red ? Cyan : ListColour); });
    }
}

void BrowseProcedure::followHighlight()
{
    const int tabNo = list_->CurrentTab();
    const BrowseTab *tab = tabNo >= 1 && tabNo <= static_cast<int>(browseSpec_.tabs.size())
                               ? &browseSpec_.tabs[tabNo - 1]
                               : nullptr;
    const bool locator = tab && tab->locatorPrompt;
    w_.locatorPrompt->setText(locator ? QString::fromUtf8(tab->locatorPrompt) : QString());
    w_.locatorPrompt->setVisible(locator);
    w_.locator->setVisible(locator);
    const bool any = list_->page().current() != nullptr;
    showValues(false, any);
    for (const auto &[extra, made] : extras_)
        if (extra->enabled)
            made->setEnabled(extra->enabled(*this, any));
    Highlighted(any);
}

bool BrowseProcedure::AllowRequest(int request)
{
    const bool guarded = request == ChangeRecord || request == DeleteRecord;
    return !guarded || !browseSpec_.allow || browseSpec_.allow(request);
}

int BrowseProcedure::Run(int, int)
{
    if (!browseSpec_.form)
        return RequestCancelled;
    browseSpec_.form();
    return GlobalResponse;
}

int BrowseProcedure::Kill()
{
    const int result = Procedure::Kill();
    if (notified_) {
        notified_ = false;
        notifyFrame(browseSpec_.notification);
    }
    return result;
}

} // namespace fw
