#include "framework/formfield.h"

#include "dictionary/fieldaccess.h"
#include "framework/framemessages.h"
#include "framework/optionbox.h"
#include "framework/picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextEdit>

#include <cstring>

namespace fw {

namespace {
QString qt(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string utf8(const QString &s) { return s.toUtf8().toStdString(); }
char *fieldBytes(const dict::FieldRef &f) { return static_cast<char *>(f.record) + f.def->offset; }
} // namespace

FormField::FormField(QWidget *control, dict::FieldRef field, std::string picture)
    : control_(control)
    , field_(field)
{
    if (!picture.empty())
        picture_ = Picture::parse(picture);
}

FormField::FormField(QWidget *control, dict::Memo *memo)
    : control_(control)
    , memo_(memo)
{}

std::string FormField::fieldText() const
{
    if (memo_)
        return memo_->str();
    const dict::FieldDef &f = *field_.def;
    if (f.type == dict::FieldType::String) {
        const std::string_view value = dict::stringOf(f, field_.record);
        return picture_ ? picture_->format(value) : std::string(value);
    }
    const double value = dict::realOf(f, field_.record);
    return picture_ ? picture_->format(value) : plainNumber(value);
}

void FormField::display() const
{
    QString text = qt(fieldText());
    if (memo_) // memos written elsewhere break their lines with a carriage return alone
        text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (auto *edit = qobject_cast<QLineEdit *>(control_))
        edit->setText(text);
    else if (auto *box = qobject_cast<QCheckBox *>(control_))
        box->setChecked(!memo_ && dict::realOf(*field_.def, field_.record) != 0);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(control_))
        plain->setPlainText(text);
    else if (auto *rich = qobject_cast<QTextEdit *>(control_))
        rich->setPlainText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(control_))
        combo->setCurrentText(text);
    else if (auto *spin = qobject_cast<QSpinBox *>(control_))
        spin->setValue(static_cast<int>(dict::integerOf(*field_.def, field_.record)));
    else if (auto *options = qobject_cast<OptionBox *>(control_))
        options->setValue(text);
}

// A memo keeps its line breaks as the documents have always written them: a carriage return.
std::string FormField::memoText(QString text) const
{
    if (memo_)
        text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return utf8(text);
}

std::string FormField::controlText() const
{
    if (auto *edit = qobject_cast<QLineEdit *>(control_))
        return utf8(edit->text());
    if (auto *box = qobject_cast<QCheckBox *>(control_))
        return box->isChecked() ? "1" : "0";
    if (auto *plain = qobject_cast<QPlainTextEdit *>(control_))
        return memoText(plain->toPlainText());
    if (auto *rich = qobject_cast<QTextEdit *>(control_))
        return memoText(rich->toPlainText());
    if (auto *combo = qobject_cast<QComboBox *>(control_))
        return utf8(combo->currentText());
    if (auto *spin = qobject_cast<QSpinBox *>(control_))
        return std::to_string(spin->value());
    if (auto *options = qobject_cast<OptionBox *>(control_))
        return utf8(options->value());
    return fieldText();
}

bool FormField::accept(std::string *reason)
{
    refusal_ = {};
    // What the user cannot edit is only shown: taking it back would put the shown (rounded)
    // value in place of the one the field holds.
    if (auto *edit = qobject_cast<QLineEdit *>(control_); edit && edit->isReadOnly())
        return true;
    if (auto *plain = qobject_cast<QPlainTextEdit *>(control_); plain && plain->isReadOnly())
        return true;
    if (memo_ || !field_.def)
        return store(controlText(), reason);
    // The rules are checked on the stored value; a refused one puts the old value back.
    const char *bytes = fieldBytes(field_);
    const std::vector<char> before(bytes, bytes + field_.def->size);
    if (!acceptValue(reason))
        return false;
    if (breaksRules()) {
        std::memcpy(fieldBytes(field_), before.data(), before.size());
        return false;
    }
    return true;
}

bool FormField::acceptValue(std::string *reason)
{
    if (qobject_cast<QCheckBox *>(control_)) {
        dict::setInteger(*field_.def, field_.record, qobject_cast<QCheckBox *>(control_)->isChecked() ? 1 : 0);
        return true;
    }
    // With no option checked the field holds a value none of them stands for: keep it.
    if (auto *options = qobject_cast<OptionBox *>(control_); options && options->value().isEmpty())
        return true;
    return store(controlText(), reason);
}

void FormField::setPicture(const std::string &picture)
{
    if (picture.empty())
        picture_.reset();
    else
        picture_ = Picture::parse(picture);
}

std::string withoutControls(std::string_view typed, bool memo)
{
    std::string text(typed);
    for (char &c : text) { // bytes of multi-byte UTF-8 characters are never below 0x80
        const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        if (control && !(memo && (c == '\n' || c == '\r' || c == '\t')))
            c = ' ';
    }
    return text;
}

bool FormField::store(std::string_view entered, std::string *reason)
{
    const std::string text = withoutControls(entered, memo_ != nullptr);
    const std::string_view typed = text;
    if (memo_) {
        *memo_ = typed;
        return true;
    }
    const dict::FieldDef &f = *field_.def;
    if (picture_) {
        const ParseResult read = picture_->deformat(typed);
        if (!read) {
            if (reason)
                *reason = read.error;
            return false;
        }
        const bool textual = picture_->kind() == Picture::Kind::String || picture_->kind() == Picture::Kind::Pattern;
        if (f.type == dict::FieldType::String)
            dict::setString(f, field_.record, textual ? read.text : plainNumber(read.number));
        else
            dict::setReal(f, field_.record, read.number);
        return true;
    }
    if (f.type == dict::FieldType::String) {
        // Never cut silently: a text longer than the field is refused, not shortened.
        if (typed.size() > f.size) {
            refusal_ = {FrameMsg::InvalidEntry, utf8(prompt()) + " holds at most " + std::to_string(f.size) +
                                                    " characters."};
            return false;
        }
        dict::setString(f, field_.record, typed);
        return true;
    }
    const std::optional<double> number = typed.find_first_not_of(' ') == std::string_view::npos
                                             ? std::optional<double>(0)
                                             : parsePlainNumber(typed);
    if (!number) {
        if (reason)
            *reason = "Please enter a number.";
        return false;
    }
    dict::setReal(f, field_.record, *number);
    return true;
}

FormField &FormField::required(int message)
{
    required_ = true;
    requiredMessage_ = message ? message : FrameMsg::FieldRequired;
    return *this;
}

FormField &FormField::range(double low, double high)
{
    low_ = low;
    high_ = high;
    return *this;
}

FormField &FormField::nonNegative()
{
    nonNegative_ = true;
    return *this;
}

bool FormField::present() const
{
    if (!required_)
        return true;
    if (memo_)
        return !memo_->str().empty();
    return !dict::fieldBlank(*field_.def, field_.record);
}

bool FormField::breaksRules()
{
    if (field_.def->type == dict::FieldType::String)
        return false;
    const double value = dict::realOf(*field_.def, field_.record);
    if (nonNegative_ && value < 0) {
        refusal_ = {FrameMsg::CannotBeNegative, {}};
        return true;
    }
    if ((low_ && value < *low_) || (high_ && value > *high_)) {
        refusal_ = {FrameMsg::RangeBetween, plainNumber(*low_) + " and " + plainNumber(*high_)};
        return true;
    }
    return false;
}

QString FormField::prompt() const
{
    for (QLabel *label : control_->window()->findChildren<QLabel *>()) {
        if (label->buddy() == control_) {
            QString text = label->text();
            text.remove(QLatin1Char('&'));
            if (text.endsWith(QLatin1Char(':')))
                text.chop(1);
            return text;
        }
    }
    return {};
}

void FormField::saveHistory()
{
    if (memo_) {
        historyMemo_ = memo_->str();
        history_.emplace();
        return;
    }
    const char *bytes = fieldBytes(field_);
    history_.emplace(bytes, bytes + field_.def->size);
}

bool FormField::restoreHistory()
{
    if (!history_)
        return false;
    if (memo_)
        *memo_ = historyMemo_;
    else
        std::memcpy(fieldBytes(field_), history_->data(), field_.def->size);
    display();
    return true;
}

} // namespace fw
