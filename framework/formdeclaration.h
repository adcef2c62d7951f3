// A form as a declaration: rows of prompt and typed field with its picture and rules, checks,
// option boxes, memos and buttons, in groups, columns and tabs, with the buttons at its foot.
// The framework makes every control, sizes it from its field and picture, binds it, registers
// it for Ditto and places it; declaration order is the tab order.
//
//     using namespace fw::form;
//     return {.primary = &Relate::MEMOS, .caption = "Add a Memo...", .items = {
//         field("Memo #:", MEM.RECORDNO, "@n06").readOnly(),
//         field("Title:", MEM.TITLE).width(40),
//         memo(MEM.MEMOS),
//     }};
//
// Items on one grid line up in two pairs of prompt and control; beside() puts a field in the
// second pair of the row before. Groups, option boxes, button rows and columns take whole rows.
#pragma once

#include "dictionary/fieldpairs.h"
#include "dictionary/fieldtypes.h"
#include "framework/browsedeclaration.h"

#include <QString>

#include <functional>
#include <memory>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace dict {
class RelationManager;
}

namespace fw {

struct FormItem {
    enum class Kind { Field, Check, Options, Memo, Button, Buttons, Text, Note, Group, Columns, Column, Custom, Lines };
    Kind kind = Kind::Field;
    QString text; // prompt, check or button text, group title, options title
    dict::FieldRef field;
    dict::Memo *memo = nullptr;
    std::string picture;
    int id = 0; // how the form finds a button, text or custom item again
    QString tip, hint, suffix, fits;
    int spanned = 1; // grid columns the control takes
    int chars = 0; // characters shown; 0: from the field and its picture
    int stretch = 0;
    int columns = 1; // of an option box
    bool besideLast = false;
    bool secret = false;
    bool lookUpAfter = false;
    bool hidden = false;
    bool shownOnly = false;
    bool rightAligned = false;
    bool isDefault = false;
    bool required = false;
    int requiredMessage = 0;
    std::optional<std::pair<double, double>> range;
    bool nonNegative = false;
    std::vector<std::pair<QString, QString>> options; // text, stored value
    std::vector<FormItem> items;
    std::function<void()> action;              // a button's, or the prompt button's of a field
    QString actionTip;
    std::function<QWidget *(QWidget *)> make; // a custom item's control, made on its parent
    std::shared_ptr<const struct FormLines> lines;

    // Modifiers, in declaration: field(...).beside().width(5)
    FormItem &&beside() && { return set(&FormItem::besideLast, true); }
    FormItem &&shownIf(bool shown) && { return set(&FormItem::hidden, !shown); }
    // Typing shows as dots (a password).
    FormItem &&masked() && { return set(&FormItem::secret, true); }
    FormItem &&readOnly(bool on = true) && { return set(&FormItem::shownOnly, on); }
    FormItem &&right() && { return set(&FormItem::rightAligned, true); }
    FormItem &&makeDefault() && { return set(&FormItem::isDefault, true); }
    FormItem &&span(int n) && { return set(&FormItem::spanned, n); }
    FormItem &&width(int n) && { return set(&FormItem::chars, n); }
    FormItem &&stretchBy(int n) && { return set(&FormItem::stretch, n); }
    FormItem &&named(int n) && { return set(&FormItem::id, n); }
    FormItem &&tipped(QString t) && { return set(&FormItem::tip, std::move(t)); }
    FormItem &&hinted(QString t) && { return set(&FormItem::hint, std::move(t)); }
    FormItem &&then(QString t) && { return set(&FormItem::suffix, std::move(t)); }
    // The field's prompt is a button (a pick list for the field, say), found by named().
    FormItem &&pickedBy(QString tip, std::function<void()> pick) &&
    {
        actionTip = std::move(tip);
        action = std::move(pick);
        return std::move(*this);
    }
    // A "..." button after the field's entry looks its value up.
    FormItem &&lookedUpBy(QString tip, std::function<void()> lookUp) &&
    {
        lookUpAfter = true;
        return std::move(*this).pickedBy(std::move(tip), std::move(lookUp));
    }
    // A button wide enough for another text it will show.
    FormItem &&fitting(QString t) && { return set(&FormItem::fits, std::move(t)); }
    // Rules: checked as the user leaves the control (range, not negative) or on save (required).
    FormItem &&needed(int message = 0) &&
    {
        required = true;
        requiredMessage = message;
        return std::move(*this);
    }
    FormItem &&within(double low, double high) && { return set(&FormItem::range, std::pair{low, high}); }
    FormItem &&notNegative() && { return set(&FormItem::nonNegative, true); }

private:
    template <typename T, typename V>
    FormItem &&set(T FormItem::*member, V &&value)
    {
        this->*member = std::forward<V>(value);
        return std::move(*this);
    }
};

// The lines of a document listed on its form (an invoice's items): the file and key they are
// read in, the field of the form's record that holds them together, the list's format and the
// values its "#n#" numbers name, and the buttons that add, change and delete a line through the
// form's Run(number, request).
struct FormLines {
    dict::RelationManager *file = nullptr;
    dict::KeyRef key;
    dict::FieldRef range;
    std::function<std::string()> format; // read when the form opens, with the pictures in force
    std::vector<QueueEntry> values; // fw::Plain(DES.ITEMNO), fw::Computed(...)
    struct Button {
        QString text, tip;
        int id = 0; // how the form finds it again (Form::button)
    };
    Button add, change, remove;
    int minimumWidth = 0;
};

struct FormPage {
    QString title;
    std::vector<FormItem> items;
    QString tip;
};

struct FormDeclaration {
    dict::RelationManager *primary = nullptr; // the record the form updates
    QString caption;                          // the bold line that says what the form does
    std::vector<FormItem> items;              // a form without tabs
    std::vector<FormPage> pages;              // or its tabs
    std::vector<FormItem> foot;               // buttons left of Ok, Cancel and Help
    QString okText = QStringLiteral("Ok");
    QString okTip = QStringLiteral("Ok...");
    bool help = true;      // a Help button at the foot
    bool fixedSize = true; // as big as its controls need, no bigger
};

// The declaration's words.
namespace form {

FormItem field(QString prompt, dict::FieldRef field, std::string picture = {});
template <typename Member>
FormItem field(QString prompt, Member &member, std::string picture = {})
{
    return field(std::move(prompt), dict::field(member), std::move(picture));
}
FormItem check(QString text, dict::FieldRef field);
template <typename Member>
FormItem check(QString text, Member &member)
{
    return check(std::move(text), dict::field(member));
}
// A check box the form reads itself, bound to no field.
FormItem flag(int id, QString text);
// An entry the form reads itself, bound to no field, shown through picture.
FormItem input(int id, QString prompt, std::string picture = {});
// An option box: each option's text and the value it stores, in `columns` columns.
FormItem options(QString title, dict::FieldRef field, std::vector<std::pair<QString, QString>> options,
                 int columns = 1);
template <typename Member>
FormItem options(QString title, Member &member, std::vector<std::pair<QString, QString>> list, int columns = 1)
{
    return options(std::move(title), dict::field(member), std::move(list), columns);
}
// Options that each store their own text.
template <typename Member>
FormItem options(QString title, Member &member, std::initializer_list<const char *> values, int columns = 1)
{
    std::vector<std::pair<QString, QString>> list;
    for (const char *value : values)
        list.emplace_back(QString::fromUtf8(value), QString::fromUtf8(value));
    return options(std::move(title), dict::field(member), std::move(list), columns);
}
FormItem memo(dict::Memo &memo);
FormItem button(QString text, QString tip, std::function<void()> action);
// Buttons side by side on a row of their own.
FormItem buttons(std::vector<FormItem> items);
// A line of text that explains the form.
FormItem note(QString text);
// A value the form shows and keeps up itself (a running total), with its prompt.
FormItem text(int id, QString prompt);
FormItem group(QString title, std::vector<FormItem> items);
FormItem columns(std::vector<FormItem> columns);
FormItem column(std::vector<FormItem> items);
// A control the form makes itself, on a row of its own.
FormItem custom(int id, std::function<QWidget *(QWidget *)> make);
// A document's lines with their buttons, on rows of their own (Form::lines(id) is the list).
FormItem lines(int id, FormLines lines);


} // namespace form

} // namespace fw
