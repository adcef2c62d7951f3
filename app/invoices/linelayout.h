// The controls of the invoice line form, in screen order. Upd::InvoiceDescription binds and
// drives them.
#pragma once

#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace app {

struct LineWidgets {
    QLabel *caption;
    QLineEdit *invoiceNo, *itemNo;
    QCheckBox *laborLine;
    QGroupBox *item;
    QPushButton *pick;
    QLineEdit *stockNo, *category, *description, *unit;
    QLabel *priceChoiceLabel;
    QRadioButton *price1, *price2, *price3;
    QCheckBox *gstTaxable, *taxable;
    QLabel *gstLabel, *taxLabel;
    QLineEdit *gst, *tax;
    QLabel *priceLabel, *laborLabel, *totalLabel, *deliveryLabel, *lineDiscountLabel;
    QLineEdit *price, *quantity, *labor, *lineDiscount, *discountAmount, *total, *delivery;
    QPushButton *ok, *cancel, *help;
};

std::unique_ptr<LineWidgets> buildLineForm(QWidget *window);

} // namespace app
