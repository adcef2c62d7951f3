// The controls of the stock-item form, in screen order. Upd::Inventory binds and drives them.
#pragma once

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace app {

struct InventoryWidgets {
    QLabel *caption;
    QPushButton *vendor;
    QLineEdit *vendorName;
    QCheckBox *special;
    QLineEdit *category, *stockNo, *manufacturer, *partNo, *description;
    QLabel *picture, *pictureNote;
    QPushButton *pictureButton;
    QLineEdit *location;
    QCheckBox *taxable, *gst, *autoMarkup;
    QLineEdit *unit, *minReorder, *maxOnHand, *addStock, *onHand, *weight;
    QCheckBox *backOrdered;
    QLineEdit *amountBackOrdered, *dateBackOrdered;
    QLabel *price1Label, *price2Label, *price3Label;
    QLineEdit *cost, *price1, *price2, *price3;
    QPushButton *ok, *cancel, *help;
};

std::unique_ptr<InventoryWidgets> buildInventoryForm(QWidget *window);

} // namespace app
