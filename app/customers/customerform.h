// Upd::Customer: the customer form, run by the customer browses for Add, Change and Delete. It
// makes up a customer number from the last name or company while none is typed, copies the
// billing address to the shipping address (or clears it), and labels the tax fields by the tax
// system in force.
#pragma once

#include "framework/procedure.h"

#include <memory>

namespace app {
struct CustomerWidgets;
}

namespace Upd {

class Customer : public fw::Procedure
{
public:
    Customer();
    ~Customer() override;

    void PrimeFields() override;
    int TakeAccepted(QWidget *control) override;
    int TakeCompleted() override;

    const app::CustomerWidgets &widgets() const { return *w_; }

protected:
    int Build() override;

private:
    void bindFields();
    void relabel();
    void numberCustomer();
    void copyOrClearShipping();
    void showCopyDirection();

    std::unique_ptr<app::CustomerWidgets> w_;
};

} // namespace Upd
