#include "framework/formdeclaration.h"

namespace fw::form {

namespace {
FormItem item(FormItem::Kind kind, QString text)
{
    FormItem made;
    made.kind = kind;
    made.text = std::move(text);
    return made;
}
} // namespace

FormItem field(QString prompt, dict::FieldRef field, std::string picture)
{
    FormItem made = item(FormItem::Kind::Field, std::move(prompt));
    made.field = field;
    made.picture = std::move(picture);
    return made;
}

FormItem check(QString text, dict::FieldRef field)
{
    FormItem made = item(FormItem::Kind::Check, std::move(text));
    made.field = field;
    return made;
}

FormItem flag(int id, QString text)
{
    FormItem made = item(FormItem::Kind::Check, std::move(text));
    made.id = id;
    return made;
}

FormItem input(int id, QString prompt, std::string picture)
{
    FormItem made = item(FormItem::Kind::Field, std::move(prompt));
    made.id = id;
    made.picture = std::move(picture);
    return made;
}

FormItem options(QString title, dict::FieldRef field, std::vector<std::pair<QString, QString>> options, int columns)
{
    FormItem made = item(FormItem::Kind::Options, std::move(title));
    made.field = field;
    made.options = std::move(options);
    made.columns = columns;
    return made;
}

FormItem memo(dict::Memo &memo)
{
    FormItem made = item(FormItem::Kind::Memo, {});
    made.memo = &memo;
    return made;
}

FormItem button(QString text, QString tip, std::function<void()> action)
{
    FormItem made = item(FormItem::Kind::Button, std::move(text));
    made.tip = std::move(tip);
    made.action = std::move(action);
    return made;
}

FormItem buttons(std::vector<FormItem> items)
{
    FormItem made = item(FormItem::Kind::Buttons, {});
    made.items = std::move(items);
    return made;
}

FormItem text(int id, QString prompt)
{
    FormItem made = item(FormItem::Kind::Text, std::move(prompt));
    made.id = id;
    return made;
}

FormItem note(QString text) { return item(FormItem::Kind::Note, std::move(text)); }

FormItem group(QString title, std::vector<FormItem> items)
{
    FormItem made = item(FormItem::Kind::Group, std::move(title));
    made.items = std::move(items);
    return made;
}

FormItem columns(std::vector<FormItem> columns)
{
    FormItem made = item(FormItem::Kind::Columns, {});
    made.items = std::move(columns);
    return made;
}

FormItem column(std::vector<FormItem> items)
{
    FormItem made = item(FormItem::Kind::Column, {});
    made.items = std::move(items);
    return made;
}

FormItem custom(int id, std::function<QWidget *(QWidget *)> make)
{
    FormItem made = item(FormItem::Kind::Custom, {});
    made.id = id;
    made.make = std::move(make);
    return made;
}

FormItem lines(int id, FormLines lines)
{
    FormItem made = item(FormItem::Kind::Lines, {});
    made.id = id;
    made.lines = std::make_shared<const FormLines>(std::move(lines));
    return made;
}

} // namespace fw::form
