#include "framework/formprocedure.h"

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
    FirstField = form_->firstField();
    return Built();
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
