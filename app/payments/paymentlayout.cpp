#include "app/payments/paymentlayout.h"

#include "app/common/formlayout.h"
#include "framework/optionbox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

namespace {

void buildTypes(PaymentWidgets &w, QWidget *window, const char *chequeWord)
{
    w.terms = new fw::OptionBox("Payment Type", window, 2);
    for (const char *type : PaymentTypes) {
        const bool cheque = QLatin1String(type) == QLatin1String("Check");
        const char *word = cheque ? chequeWord : type;
        w.terms->addOption(QString::fromUtf8(word), QString::fromUtf8(word));
    }
    w.terms->arrange();
}

void buildDetails(PaymentWidgets &w, QWidget *window, QGridLayout *grid, const char *chequeWord)
{
    w.bankLabel = row(grid, 0, 0, "Bank Name:", w.bank = entry(window, 40, 24));
    w.cardLabel = row(grid, 1, 0, "Credit Card #:", w.card = entry(window, 19, 19));
    w.expiresLabel = row(grid, 2, 0, "Expiration Date:", w.expires = entry(window, 5, 5));
    w.authorizationLabel = row(grid, 3, 0, "Authorization #:", w.authorization = numberEntry(window, 8));
    w.moneyOrderLabel = row(grid, 4, 0, "MO #:", w.moneyOrder = entry(window, 20, 20));
    w.chequeLabel = row(grid, 5, 0, QString::fromUtf8(chequeWord) + " #:", w.cheque = numberEntry(window, 10));
}

} // namespace

PaymentWidgets buildPaymentForm(QWidget *window, const char *chequeWord)
{
    PaymentWidgets w{};
    auto *layout = new QVBoxLayout(window);
    layout->addWidget(w.caption = caption(window));
    auto *head = new QGridLayout;
    row(head, 0, 0, "Customer #:", w.customerNo = entry(window, 10, 10));
    row(head, 1, 0, "Invoice #:", w.invoiceNo = numberEntry(window, 8));
    row(head, 2, 0, "Date:", w.date = entry(window, 10, 10));
    layout->addLayout(head);
    buildTypes(w, window, chequeWord);
    layout->addWidget(w.terms);
    auto *details = new QGridLayout;
    buildDetails(w, window, details, chequeWord);
    row(details, 6, 0, "Amount Paid:", w.amount = numberEntry(window, 12));
    layout->addLayout(details);
    layout->addStretch();
    layout->addLayout(formButtons(window, w.ok, w.cancel, w.help));
    w.cancel->setToolTip("Cancel and Return...");
    return w;
}

} // namespace app
