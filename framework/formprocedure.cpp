#include "framework/formprocedure.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace fw {

FormProcedure::~FormProcedure() = default;

int FormProcedure::Build()
{
    const FormDeclaration declaration = Declare();
    Primary = declaration.primary;
    form_ = Form::make(declaration, window(), *this);
    UseFormButtons(form_->ok(), form_->cancel(), form_->help());
    for (const auto &[button, action] : form_->actions())
        connectButton(button);
    for (QWidget *input : form_->inputs())
        connectInput(input);
    FirstField = form_->firstField();
    return Built();
}

// Entries and checks bound to no field come to TakeAccepted as bound ones do.
void FormProcedure::connectInput(QWidget *input)
{
    if (auto *edit = qobject_cast<QLineEdit *>(input))
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            if (!closing())
                TakeAccepted(edit);
        });
    else if (auto *box = qobject_cast<QCheckBox *>(input))
        connect(box, &QCheckBox::clicked, this, [this, box] { TakeAccepted(box); });
}

int FormProcedure::TakeAccepted(QWidget *control)
{
    if (form_) {
        if (const std::function<void()> *action = form_->actionOf(control)) {
            (*action)();
            return 0;
        }
    }
    return Procedure::TakeAccepted(control);
}

} // namespace fw
