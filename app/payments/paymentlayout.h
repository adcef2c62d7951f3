// The controls of the payment form (Upd::CustomerFinanceHistory), built and laid out; the form
// binds them and decides which are shown.
#pragma once

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace fw {
class OptionBox;
}

namespace app {

struct PaymentWidgets {
    QLabel *caption;
    QLineEdit *customerNo, *invoiceNo, *date;
    fw::OptionBox *terms;
    // The details a payment type asks for, each with its prompt.
    QLabel *bankLabel, *cardLabel, *expiresLabel, *authorizationLabel, *moneyOrderLabel, *chequeLabel;
    QLineEdit *bank, *card, *expires, *authorization, *moneyOrder, *cheque;
    QLineEdit *amount;
    QPushButton *ok, *cancel, *help;
};

// The payment types in the order of their options; "Check" is worded by the tax regime.
inline constexpr const char *PaymentTypes[] = {"Cash", "Check", "OnAccount", "MO",
                                               "AMEX", "Discover", "MasterCard", "Visa"};

PaymentWidgets buildPaymentForm(QWidget *window, const char *chequeWord);

} // namespace app
