// The controls of the customer form on its two tabs. Upd::Customer binds them to the CUSTOMER
// fields and drives them; this file only builds and arranges them.
#pragma once

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace fw {
class OptionBox;
}

namespace app {

struct Address {
    QLineEdit *line1, *line2, *line3, *city, *state, *country, *zipCode;
    QLabel *stateLabel, *countryLabel;
};

struct CustomerWidgets {
    QLabel *caption;
    QTabWidget *tabs;

    // "Customer &Information"
    QLineEdit *customerNo, *lastName, *firstName, *company, *email, *phone, *fax, *notes;
    Address billing, shipping;
    QPushButton *copyBilling;

    // "Customer &Billing"
    QLabel *taxRateLabel, *taxNumberLabel;
    QLineEdit *taxRate, *taxNumber;
    QCheckBox *longDistance;
    QLineEdit *discount;
    fw::OptionBox *terms;
    QLineEdit *bank, *bankAccount, *creditCard, *expires;

    QPushButton *ok, *cancel, *help;
};

// The payment types, each stored as its own text.
inline constexpr const char *PaymentTypes[] = {"Cash", "Check", "OnAccount", "AMEX", "Discover", "MasterCard", "Visa"};

std::unique_ptr<CustomerWidgets> buildCustomerForm(QWidget *window);

} // namespace app
