// The base of a declared form: the procedure states its form (Declare) and keeps code only for
// its own behaviour. Build makes the form, binds every field, takes the record the declaration
// names as the one it updates, wires Ok, Cancel and Help, routes each declared button to its
// action and starts the user in the first field that takes typing.
#pragma once

#include "framework/form.h"
#include "framework/procedure.h"

#include <memory>

namespace fw {

class FormProcedure : public Procedure
{
public:
    using Procedure::Procedure;
    ~FormProcedure() override;

    const Form &form() const { return *form_; }
    bool formMade() const { return form_ != nullptr; }
    // Declared buttons run their action; anything else goes to the update-form protocol.
    int TakeAccepted(QWidget *control) override;

protected:
    virtual FormDeclaration Declare() = 0;
    // After the form is made and bound; a result other than 0 ends the procedure.
    virtual int Built() { return 0; }

private:
    int Build() final;
    void connectInput(QWidget *input);

    std::unique_ptr<Form> form_;
};

} // namespace fw
