#include "tagging/tagsetwindow.h"

#include "dictionary/errorreporter.h"
#include "dictionary/files.h"
#include "framework/picture.h"
#include "tagging/tagmessages.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ST {

namespace {

QString qt(const std::string &text) { return QString::fromStdString(text); }

// The "Tag Set" form: one description.
std::optional<std::string> descriptionForm(QWidget *parent, const std::string &current)
{
    QDialog form(parent);
    form.setWindowTitle(QStringLiteral("Tag Set"));
    auto *layout = new QFormLayout(&form);
    auto *entry = new QLineEdit(qt(current), &form);
    entry->setMaxLength(250);
    entry->setMinimumWidth(320);
    layout->addRow(QStringLiteral("&Description:"), entry);
    auto *buttons = new QDialogButtonBox(&form);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    layout->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &form, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &form, &QDialog::reject);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return entry->text().toStdString();
}

} // namespace

int SelectTagSet(std::string_view mode, std::string_view source)
{
    SelectTagSetWindow window{std::string(mode), std::string(source)};
    return window.Run();
}

SelectTagSetWindow::SelectTagSetWindow(std::string mode, std::string source)
    : mode_(std::move(mode))
    , source_(std::move(source))
{
    askDescription = [this](const std::string &current) { return descriptionForm(window(), current); };
}

int SelectTagSetWindow::Init()
{
    procedureName = "ST:SelectTagSet";
    WindowManager::Init();
    GlobalRequest = 0;
    GlobalResponse = 0;
    if (Relate::TAGSET_.Open() != dict::Benign)
        return dict::Notify;
    filesOpened_ = true;
    auto *w = CreateWindow(QStringLiteral("Select Tag Set"));
    auto *layout = new QVBoxLayout(w);
    list = new QTableWidget(0, 3, w);
    list->setHorizontalHeaderLabels({QStringLiteral("Last Saved"), QStringLiteral("Count"), QStringLiteral("Description")});
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(list);
    auto *buttons = new QHBoxLayout;
    const bool loading = QString::fromStdString(mode_).compare(qt(std::string(LoadMode)), Qt::CaseInsensitive) == 0;
    choose = new QPushButton(loading ? QStringLiteral("&Load") : QStringLiteral("&Save"), w);
    cancel = new QPushButton(QStringLiteral("Cancel"), w);
    insert = new QPushButton(QStringLiteral("&Insert"), w);
    change = new QPushButton(QStringLiteral("&Change"), w);
    remove = new QPushButton(QStringLiteral("&Delete"), w);
    for (QPushButton *b : {choose, cancel, insert, change, remove})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    for (QPushButton *b : {choose, insert, change, remove})
        connectButton(b);
    AddItem(cancel, fw::RequestCancelled);
    insert->setEnabled(!loading);
    QObject::connect(list, &QTableWidget::cellDoubleClicked, this, [this] { chooseSet(); });
    w->resize(520, 320);
    reload();
    return Open();
}

int SelectTagSetWindow::Kill()
{
    WindowManager::Kill();
    if (filesOpened_)
        Relate::TAGSET_.Close();
    filesOpened_ = false;
    return dict::Benign;
}

void SelectTagSetWindow::reload(dict::SHORT select)
{
    sets_ = TagSets(source_);
    list->setRowCount(static_cast<int>(sets_.size()));
    int selectedRow = 0;
    for (int row = 0; row < static_cast<int>(sets_.size()); ++row) {
        const TagSetRow &set = sets_[row];
        list->setItem(row, 0, new QTableWidgetItem(qt(fw::formatValue(set.date, "@D17"))));
        auto *count = new QTableWidgetItem(qt(fw::formatValue(set.count, "@N7")));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        list->setItem(row, 1, count);
        list->setItem(row, 2, new QTableWidgetItem(qt(fw::formatText(set.description, "@S80"))));
        if (set.table == select)
            selectedRow = row;
    }
    const bool any = !sets_.empty();
    if (any)
        list->selectRow(selectedRow);
    choose->setEnabled(any);
    change->setEnabled(any);
    remove->setEnabled(any);
    if (!any && insert->isEnabled())
        insert->setFocus();
}

const TagSetRow *SelectTagSetWindow::highlighted() const
{
    const int row = list->currentRow();
    return row >= 0 && row < static_cast<int>(sets_.size()) ? &sets_[row] : nullptr;
}

int SelectTagSetWindow::TakeAccepted(QWidget *control)
{
    if (control == insert)
        insertSet();
    else if (control == change)
        changeSet();
    else if (control == remove)
        deleteSet();
    else if (control == choose)
        chooseSet();
    else
        return WindowManager::TakeAccepted(control);
    return dict::Benign;
}

void SelectTagSetWindow::insertSet()
{
    const std::optional<std::string> description = askDescription({});
    if (!description)
        return;
    reload(InsertTagSet(source_, *description));
}

void SelectTagSetWindow::changeSet()
{
    const TagSetRow *set = highlighted();
    if (!set)
        return;
    const dict::SHORT table = set->table;
    const std::optional<std::string> description = askDescription(set->description);
    if (!description)
        return;
    ChangeTagSet(table, *description);
    reload(table);
}

void SelectTagSetWindow::deleteSet()
{
    const TagSetRow *set = highlighted();
    if (!set)
        return;
    if (tagErrors().Message(TagMsg::ConfirmDeleteSet, dict::ButtonYes | dict::ButtonNo, dict::ButtonNo) != dict::ButtonYes)
        return;
    DeleteTagSet(set->table);
    reload();
}

void SelectTagSetWindow::chooseSet()
{
    const TagSetRow *set = highlighted();
    if (!set || FetchTagSet(set->table) != dict::Benign)
        return;
    SetResponse(fw::RequestCompleted);
}

} // namespace ST
