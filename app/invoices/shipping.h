// Win::ShippingMethod: how the invoice in the INV buffer is shipped — method, date, charges,
// tracking number, whether the shipping is taxed — and, on request, a line about it added to the
// invoice memo. Cancel leaves the buffer as the window found it; the invoice form's Save stores it.
#pragma once

#include "dictionary/records.h"
#include "framework/procedure.h"

#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace Win {

class ShippingMethod : public fw::Procedure
{
public:
    ShippingMethod();

    struct Widgets {
        QLineEdit *method, *date, *charge, *cod, *tracking, *weight;
        QCheckBox *taxShipping, *addToMemo;
        QPushButton *ok, *cancel, *help;
    };
    const Widgets &widgets() const { return w_; }

    int TakeAccepted(QWidget *control) override;
    int TakeCompleted() override;
    int TakeCloseEvent() override;

protected:
    int Build() override;

private:
    void followMethod();

    Widgets w_{};
    dict::INVOICERecord opened_{};
    std::string openedMemo_;
};

// The memo line about the shipping, in the date picture of the setup ("" for a picture it does
// not know).
std::string shippingMemo(const dict::INVOICERecord &invoice, std::string_view datePicture);

} // namespace Win
