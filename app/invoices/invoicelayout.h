// The controls of the invoice form, in screen order. Upd::Invoice binds and drives them.
#pragma once

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace fw {
class BrowseList;
}

namespace app {

struct InvoiceWidgets {
    QLabel *caption;
    QLabel *dateLabel;
    QLineEdit *date, *poNumber, *invoiceNo, *salesman, *customerNo;
    QPushButton *customer;
    QLineEdit *firstName, *lastName, *company;
    QLabel *discountLabel;
    QLineEdit *discount;
    QCheckBox *quote, *memo;
    QPushButton *reInvoice;
    fw::BrowseList *items;
    QPushButton *add, *change, *remove;
    QLineEdit *subTotal, *discountSum, *total;
    QLabel *taxLabel, *gstLabel;
    QLineEdit *tax, *labor, *shipping, *cod, *gst, *totalDue, *payment, *owed;
    QPushButton *shippingButton, *paymentButton, *memoButton;
    QPushButton *save, *cancel, *help;
};

std::unique_ptr<InvoiceWidgets> buildInvoiceForm(QWidget *window);

} // namespace app
