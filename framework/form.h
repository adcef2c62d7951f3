// A declared form as made in its window: its controls found again by the field they show (typed
// members, never names), its buttons and texts by the number the declaration gave them.
#pragma once

#include "framework/formdeclaration.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace fw {

class BrowseClass;
class OptionBox;
class WindowManager;

class Form
{
public:
    Form();
    ~Form();
    // Makes the declared controls in window, each field bound through binder.
    static std::unique_ptr<Form> make(const FormDeclaration &declaration, QWidget *window, WindowManager &binder);

    // The control bound to a field (nullptr when the form has none).
    QWidget *control(dict::FieldRef field) const;
    QLabel *prompt(dict::FieldRef field) const;
    template <typename Member>
    QLineEdit *entry(Member &member) const
    {
        return lineEdit(control(dict::field(member)));
    }
    template <typename Member>
    QCheckBox *check(Member &member) const
    {
        return checkBox(control(dict::field(member)));
    }
    template <typename Member>
    OptionBox *options(Member &member) const
    {
        return optionBox(control(dict::field(member)));
    }
    template <typename Member>
    QLabel *prompt(Member &member) const
    {
        return prompt(dict::field(member));
    }
    QPlainTextEdit *memo(const dict::Memo &memo) const;
    // Shows or hides a field's control with its prompt.
    template <typename Member>
    void show(Member &member, bool shown) const
    {
        show(dict::field(member), shown);
    }
    void show(dict::FieldRef field, bool shown) const;
    // Enables or disables a field's control with its prompt.
    template <typename Member>
    void enable(Member &member, bool enabled) const
    {
        enable(dict::field(member), enabled);
    }
    void enable(dict::FieldRef field, bool enabled) const;
    // Every field shown only: entries read-only, checks and options disabled.
    void makeReadOnly() const;

    QAbstractButton *button(int id) const;
    // A declared list of lines.
    BrowseClass &lines(int id) const;
    QLabel *text(int id) const;
    QCheckBox *flag(int id) const;
    QWidget *custom(int id) const;

    QLabel *caption() const { return caption_; }
    QTabWidget *tabs() const { return tabs_; }
    QPushButton *ok() const { return ok_; }
    QPushButton *cancel() const { return cancel_; }
    QPushButton *help() const { return help_; }
    // The first control the user can type into.
    QWidget *firstField() const { return firstField_; }
    // The buttons the declaration gave an action, with it.
    const std::vector<std::pair<QAbstractButton *, std::function<void()>>> &actions() const { return actions_; }
    const std::function<void()> *actionOf(const QWidget *control) const;
    // The entries and checks bound to no field, which the form reads itself.
    const std::vector<QWidget *> &inputs() const { return inputs_; }
    QLineEdit *input(int id) const { return lineEdit(custom(id)); }

private:
    friend class FormMaker;
    static QLineEdit *lineEdit(QWidget *control);
    static QCheckBox *checkBox(QWidget *control);
    static OptionBox *optionBox(QWidget *control);

    struct Bound {
        dict::FieldRef field;
        const dict::Memo *memo;
        QWidget *control;
        QLabel *prompt;
    };
    std::vector<Bound> bound_;
    std::vector<std::pair<int, QWidget *>> named_;
    std::vector<std::pair<QAbstractButton *, std::function<void()>>> actions_;
    std::vector<QWidget *> inputs_;
    std::vector<std::pair<int, std::unique_ptr<BrowseClass>>> lines_;
    QLabel *caption_ = nullptr;
    QTabWidget *tabs_ = nullptr;
    QPushButton *ok_ = nullptr, *cancel_ = nullptr, *help_ = nullptr;
    QWidget *firstField_ = nullptr;
    bool firstTyped_ = false; // the first field is an entry
};

} // namespace fw
