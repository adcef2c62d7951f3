#include "framework/form.h"

#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/optionbox.h"
#include "framework/picture.h"
#include "framework/windowmanager.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace fw {

namespace {

// Long texts scroll within an entry this wide; a form of many long fields stays on the screen.
constexpr int MostCharsShown = 26;

// Numbers, dates, times and patterns have a width of their own; text fields hold up to their size.
int charsShown(const FormItem &item, const std::optional<Picture> &picture)
{
    if (item.chars > 0)
        return item.chars;
    int chars = 12;
    if (picture && picture->width() > 0)
        chars = picture->width();
    else if (item.field.def && item.field.def->type == dict::FieldType::String)
        chars = item.field.def->size;
    return std::min(chars, MostCharsShown);
}

void sizeEntry(QLineEdit *edit, const FormItem &item)
{
    const std::optional<Picture> picture = Picture::parse(item.picture);
    const int chars = charsShown(item, picture);
    const bool number = picture ? picture->kind() == Picture::Kind::Number
                                : item.field.def && item.field.def->type != dict::FieldType::String;
    const bool ownWidth = picture && picture->kind() != Picture::Kind::String;
    // Numbers, dates and times are digits; text is as wide as an average letter.
    const QFontMetrics metrics(edit->font());
    const int textWidth = number || ownWidth ? metrics.horizontalAdvance(QString(chars, QLatin1Char('0')))
                                             : metrics.horizontalAdvance(QLatin1Char('M')) * 2 / 3 * chars;
    edit->setMinimumWidth(textWidth + 16);
    if (number)
        edit->setAlignment(Qt::AlignRight);
    if ((number || ownWidth || chars <= 5) && item.spanned == 1)
        edit->setMaximumWidth(edit->minimumWidth());
}

QLabel *boldLabel(QWidget *window)
{
    auto *label = new QLabel(window);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

// Places the items of one grid: two pairs of prompt and control per row.
class FormMaker
{
public:
    FormMaker(Form &form, WindowManager &binder) : form_(form), binder_(binder) {}

    void place(const std::vector<FormItem> &items, QGridLayout *grid, QWidget *parent)
    {
        int row = -1;
        for (std::size_t i = 0; i < items.size(); ++i) {
            // A check between two fields lines up with their entries; others start the row.
            const auto isField = [&](std::size_t at) {
                return at < items.size() && items[at].kind == FormItem::Kind::Field;
            };
            placeItem(items[i], grid, parent, row, i > 0 && isField(i - 1) && isField(i + 1));
        }
        bool stretches = false;
        for (int r = 0; r <= row; ++r)
            stretches = stretches || grid->rowStretch(r) > 0;
        if (!stretches) // the rows keep to the top
            grid->setRowStretch(row + 1, 1);
    }

    QHBoxLayout *buttonRow(const std::vector<FormItem> &items, QWidget *parent)
    {
        auto *row = new QHBoxLayout;
        const bool right = std::ranges::any_of(items, [](const FormItem &b) { return b.rightAligned; });
        if (right)
            row->addStretch();
        for (const FormItem &item : items)
            row->addWidget(makeButton(item, parent));
        if (!right)
            row->addStretch();
        return row;
    }

private:
    void placeItem(const FormItem &item, QGridLayout *grid, QWidget *parent, int &row, bool amongFields)
    {
        using Kind = FormItem::Kind;
        if (!item.besideLast || row < 0)
            ++row;
        const int column = item.besideLast ? 2 : 0;
        switch (item.kind) {
        case Kind::Field: return placeField(item, grid, parent, row, column);
        case Kind::Text: return placeText(item, grid, parent, row, column);
        case Kind::Note: return grid->addWidget(new QLabel(item.text, parent), row, 0, 1, -1);
        case Kind::Check: {
            auto *box = new QCheckBox(item.text, parent);
            box->setToolTip(item.tip);
            if (item.besideLast || amongFields)
                grid->addWidget(box, row, column + 1, 1, item.spanned);
            else
                grid->addWidget(box, row, 0, 1, -1);
            if (item.field.def)
                return bind(item, box, nullptr);
            return unbound(item, box);
        }
        case Kind::Options: return grid->addWidget(makeOptions(item, parent), row, 0, 1, -1);
        case Kind::Memo: {
            auto *edit = new QPlainTextEdit(parent);
            edit->setReadOnly(item.shownOnly);
            grid->addWidget(edit, row, 0, 1, -1);
            grid->setRowStretch(row, 1);
            return bind(item, edit, nullptr);
        }
        case Kind::Button:
            if (item.besideLast) // in the prompt column of the row's second pair
                return grid->addWidget(makeButton(item, parent), row, column);
            return grid->addLayout(buttonRow({item}, parent), row, 0, 1, -1);
        case Kind::Buttons: return grid->addLayout(buttonRow(item.items, parent), row, 0, 1, -1);
        case Kind::Group: {
            auto *box = new QGroupBox(item.text, parent);
            auto *inner = new QGridLayout(box);
            place(item.items, inner, box);
            inner->setColumnStretch(1, 1);
            return grid->addWidget(box, row, 0, 1, -1);
        }
        case Kind::Column: {
            auto *inner = new QGridLayout;
            place(item.items, inner, parent);
            inner->setColumnStretch(1, 1);
            return grid->addLayout(inner, row, 0, 1, -1);
        }
        case Kind::Columns: return grid->addLayout(placeColumns(item, parent), row, 0, 1, -1);
        case Kind::Lines: return placeLines(item, grid, parent, row);
        case Kind::Custom: {
            QWidget *control = item.make(parent);
            form_.named_.emplace_back(item.id, control);
            grid->addWidget(control, row, 0, 1, -1);
            grid->setRowStretch(row, item.stretch);
            return;
        }
        }
    }

    void placeField(const FormItem &item, QGridLayout *grid, QWidget *parent, int row, int column)
    {
        auto *edit = new QLineEdit(parent);
        sizeEntry(edit, item);
        edit->setToolTip(item.tip);
        edit->setPlaceholderText(item.hint);
        if (item.secret)
            edit->setEchoMode(QLineEdit::Password);
        if (item.shownOnly) {
            edit->setReadOnly(true);
            edit->setFocusPolicy(Qt::NoFocus);
        }
        // The prompt column holds the prompt, or the button that picks the value.
        QLabel *prompt = nullptr;
        QPushButton *pick = item.action ? pickButton(item, parent) : nullptr;
        if (pick && !item.lookUpAfter) {
            grid->addWidget(pick, row, column);
        } else {
            prompt = new QLabel(item.text, parent);
            prompt->setBuddy(edit);
            grid->addWidget(prompt, row, column);
        }
        if (item.suffix.isEmpty() && !item.lookUpAfter) {
            grid->addWidget(edit, row, column + 1, 1, item.spanned);
        } else {
            auto *line = new QHBoxLayout;
            line->addWidget(edit);
            if (item.lookUpAfter)
                line->addWidget(pick);
            if (!item.suffix.isEmpty())
                line->addWidget(new QLabel(item.suffix, parent));
            line->addStretch();
            grid->addLayout(line, row, column + 1, 1, item.spanned);
        }
        if (!item.field.def)
            return unbound(item, edit);
        bind(item, edit, prompt);
    }

    // The list on a row that stretches, its buttons on the row below.
    void placeLines(const FormItem &item, QGridLayout *grid, QWidget *parent, int &row)
    {
        const FormLines &declared = *item.lines;
        auto *list = new BrowseList(parent);
        list->setMinimumWidth(declared.minimumWidth);
        grid->addWidget(list, row, 0, 1, -1);
        grid->setRowStretch(row, 1);
        auto *browse = new BrowseClass;
        form_.lines_.emplace_back(item.id, std::unique_ptr<BrowseClass>(browse));
        browse->Init(list, declared.file, &binder_);
        browse->AddSortOrder(declared.key, {}, declared.format());
        browse->AddRange(declared.range);
        for (const QueueEntry &value : declared.values)
            value.field ? browse->AddField(*value.field) : browse->AddField(value.value);
        QPushButton *made[3];
        int i = 0;
        auto *buttons = new QHBoxLayout;
        for (const FormLines::Button *b : {&declared.add, &declared.change, &declared.remove}) {
            made[i] = new QPushButton(b->text, parent);
            made[i]->setToolTip(b->tip);
            if (b->id != 0)
                form_.named_.emplace_back(b->id, made[i]);
            buttons->addWidget(made[i++]);
        }
        buttons->addStretch();
        grid->addLayout(buttons, ++row, 0, 1, -1);
        browse->SetUpdateButtons(made[0], made[1], made[2]);
        binder_.AddItem(browse);
    }

    QPushButton *pickButton(const FormItem &item, QWidget *parent)
    {
        FormItem button = form::button(item.lookUpAfter ? QStringLiteral("...") : item.text, item.actionTip, item.action);
        button.id = item.id;
        return makeButton(button, parent);
    }

    void placeText(const FormItem &item, QGridLayout *grid, QWidget *parent, int row, int column)
    {
        auto *value = new QLabel(parent);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(QFontMetrics(value->font()).horizontalAdvance(QLatin1Char('0')) * 14);
        grid->addWidget(new QLabel(item.text, parent), row, column);
        grid->addWidget(value, row, column + 1, 1, item.spanned);
        form_.named_.emplace_back(item.id, value);
    }

    OptionBox *makeOptions(const FormItem &item, QWidget *parent)
    {
        auto *box = new OptionBox(item.text, parent, item.columns);
        for (const auto &[text, value] : item.options)
            box->addOption(text, value);
        box->arrange();
        bind(item, box, nullptr);
        return box;
    }

    QHBoxLayout *placeColumns(const FormItem &item, QWidget *parent)
    {
        auto *line = new QHBoxLayout;
        for (const FormItem &column : item.items) {
            auto *inner = new QGridLayout;
            place(column.kind == FormItem::Kind::Column ? column.items : std::vector<FormItem>{column}, inner, parent);
            inner->setColumnStretch(1, 1); // entries take the width the column has
            if (line->count() > 0)
                line->addSpacing(12);
            line->addLayout(inner, column.stretch);
        }
        return line;
    }

    QPushButton *makeButton(const FormItem &item, QWidget *parent)
    {
        auto *button = new QPushButton(item.fits.isEmpty() ? item.text : item.fits, parent);
        if (!item.fits.isEmpty()) { // wide enough for either text
            button->setMinimumWidth(button->sizeHint().width() + 8);
            button->setText(item.text);
        }
        button->setToolTip(item.tip);
        button->setDefault(item.isDefault);
        if (item.id != 0)
            form_.named_.emplace_back(item.id, button);
        if (item.action)
            form_.actions_.emplace_back(button, item.action);
        return button;
    }

    void unbound(const FormItem &item, QWidget *control)
    {
        form_.named_.emplace_back(item.id, control);
        form_.inputs_.push_back(control);
    }

    void bind(const FormItem &item, QWidget *control, QLabel *prompt)
    {
        FormField &field = item.memo ? binder_.bind(control, *item.memo)
                                     : binder_.bindField(control, item.field, item.picture);
        if (item.required)
            field.required(item.requiredMessage);
        if (item.range)
            field.range(item.range->first, item.range->second);
        if (item.nonNegative)
            field.nonNegative();
        if (item.hidden) {
            control->hide();
            if (prompt)
                prompt->hide();
        }
        form_.bound_.push_back({item.field, item.memo, control, prompt});
        // The focus starts where the user types: the first entry, before any box or option.
        const bool typed = qobject_cast<QLineEdit *>(control) || qobject_cast<QPlainTextEdit *>(control);
        if (!item.shownOnly && (!form_.firstField_ || (typed && !form_.firstTyped_))) {
            form_.firstField_ = control;
            form_.firstTyped_ = typed;
        }
    }

    Form &form_;
    WindowManager &binder_;
};

std::unique_ptr<Form> Form::make(const FormDeclaration &declaration, QWidget *window, WindowManager &binder)
{
    auto form = std::make_unique<Form>();
    FormMaker maker(*form, binder);
    auto *layout = new QVBoxLayout(window);
    if (!declaration.caption.isEmpty()) {
        form->caption_ = boldLabel(window);
        form->caption_->setText(declaration.caption);
        layout->addWidget(form->caption_);
    }
    if (declaration.pages.empty()) {
        auto *grid = new QGridLayout;
        maker.place(declaration.items, grid, window);
        layout->addLayout(grid, 1);
    } else {
        form->tabs_ = new QTabWidget(window);
        for (const FormPage &page : declaration.pages) {
            auto *tab = new QWidget;
            maker.place(page.items, new QGridLayout(tab), tab);
            form->tabs_->addTab(tab, page.title);
            form->tabs_->setTabToolTip(form->tabs_->count() - 1, page.tip);
        }
        layout->addWidget(form->tabs_, 1);
    }
    QHBoxLayout *buttons = maker.buttonRow(declaration.foot, window);
    const auto footButton = [&](const QString &text, const QString &tip) {
        auto *button = new QPushButton(text, window);
        button->setToolTip(tip);
        buttons->addWidget(button);
        return button;
    };
    form->ok_ = footButton(declaration.okText, declaration.okTip);
    form->ok_->setDefault(true);
    form->cancel_ = footButton(QStringLiteral("Cancel"), QStringLiteral("Cancel and Return..."));
    if (declaration.help)
        form->help_ = footButton(QStringLiteral("&Help"), QStringLiteral("Help..."));
    layout->addLayout(buttons);
    if (declaration.fixedSize)
        layout->setSizeConstraint(QLayout::SetFixedSize);
    return form;
}

QWidget *Form::control(dict::FieldRef field) const
{
    const auto it = std::ranges::find_if(bound_, [&](const Bound &b) {
        return b.field.def == field.def && b.field.record == field.record && field.def;
    });
    return it == bound_.end() ? nullptr : it->control;
}

QLabel *Form::prompt(dict::FieldRef field) const
{
    const auto it = std::ranges::find_if(bound_, [&](const Bound &b) {
        return b.field.def == field.def && b.field.record == field.record && field.def;
    });
    return it == bound_.end() ? nullptr : it->prompt;
}

void Form::show(dict::FieldRef field, bool shown) const
{
    if (QWidget *control = this->control(field))
        control->setVisible(shown);
    if (QLabel *label = prompt(field))
        label->setVisible(shown);
}

void Form::enable(dict::FieldRef field, bool enabled) const
{
    if (QWidget *control = this->control(field))
        control->setEnabled(enabled);
    if (QLabel *label = prompt(field))
        label->setEnabled(enabled);
}

void Form::makeReadOnly() const
{
    for (const Bound &b : bound_) {
        if (auto *edit = qobject_cast<QLineEdit *>(b.control))
            edit->setReadOnly(true);
        else if (auto *text = qobject_cast<QPlainTextEdit *>(b.control))
            text->setReadOnly(true);
        else
            b.control->setEnabled(false);
    }
}

QPlainTextEdit *Form::memo(const dict::Memo &memo) const
{
    const auto it = std::ranges::find_if(bound_, [&](const Bound &b) { return b.memo == &memo; });
    return it == bound_.end() ? nullptr : qobject_cast<QPlainTextEdit *>(it->control);
}

QAbstractButton *Form::button(int id) const { return qobject_cast<QAbstractButton *>(custom(id)); }
Form::Form() = default;
Form::~Form() = default;

BrowseClass &Form::lines(int id) const
{
    const auto it = std::ranges::find_if(lines_, [id](const auto &l) { return l.first == id; });
    return *it->second;
}

QLabel *Form::text(int id) const { return qobject_cast<QLabel *>(custom(id)); }
QCheckBox *Form::flag(int id) const { return qobject_cast<QCheckBox *>(custom(id)); }

QWidget *Form::custom(int id) const
{
    const auto it = std::ranges::find_if(named_, [id](const auto &named) { return named.first == id; });
    return it == named_.end() ? nullptr : it->second;
}

const std::function<void()> *Form::actionOf(const QWidget *control) const
{
    const auto it = std::ranges::find_if(actions_, [control](const auto &a) { return a.first == control; });
    return it == actions_.end() ? nullptr : &it->second;
}

QLineEdit *Form::lineEdit(QWidget *control) { return qobject_cast<QLineEdit *>(control); }
QCheckBox *Form::checkBox(QWidget *control) { return qobject_cast<QCheckBox *>(control); }
OptionBox *Form::optionBox(QWidget *control) { return qobject_cast<OptionBox *>(control); }

} // namespace fw
