// Upd::Customer: the customer form, run by the customer browses for Add, Change and Delete. It
// makes up a customer number from the last name or company while none is typed, copies the
// billing address to the shipping address (or clears it), and labels the tax fields by the tax
// system in force.
#pragma once

#include "framework/formprocedure.h"

namespace Upd {

class Customer : public fw::FormProcedure
{
public:
    // The form's own button, found by tests and by the form.
    enum Item { CopyBilling = 1 };

    Customer();

    void PrimeFields() override;
    int TakeAccepted(QWidget *control) override;

protected:
    fw::FormDeclaration Declare() override;

private:
    void numberCustomer();
    void copyOrClearShipping();
    void showCopyDirection();
};

} // namespace Upd
