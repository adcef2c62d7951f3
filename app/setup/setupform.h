// The controls of the setup form, laid out on its three tabs. The procedure (Upd::Setup) binds
// them to the SETUP fields and drives them; this file only builds and arranges them.
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

struct SetupWidgets {
    QTabWidget *tabs;

    // "&Company"
    QLineEdit *lastName, *firstName, *company, *address, *address2, *address3, *city;
    QLabel *stateLabel;
    QLineEdit *state, *zipCode;
    QLabel *countryLabel;
    QLineEdit *country, *phone, *fax, *email;
    fw::OptionBox *currency, *dateStandard;
    QCheckBox *redLineCustomer, *redLineInventory, *redLineInvoice, *redLinePurchaseOrder;

    // "&Inventory/Taxes"
    fw::OptionBox *taxSystem;
    QLabel *customerTaxLabel;
    QLineEdit *customerTaxRate;
    QLabel *gstLabel;
    QLineEdit *gst;
    QLabel *gstNumberLabel;
    QLineEdit *gstNumber;
    QCheckBox *taxLabor, *taxShipping;
    QLineEdit *price1, *price2, *price3, *inventoryMarkup, *laborRate;
    QCheckBox *autoTaxItem, *prohibitSelling;

    // "&Printing"
    QCheckBox *preprinted, *printPreview, *autoPrint, *pickList, *printShipping, *returnAddress;
    QLineEdit *noteLine, *logoName;
    QPushButton *logoButton;
    fw::OptionBox *logoOrientation, *addressLabels, *shippingLabels, *envelopeSize, *paperSize;

    QPushButton *ok, *cancel, *help;
};

// Builds the form's controls into window.
std::unique_ptr<SetupWidgets> buildSetupForm(QWidget *window);

} // namespace app
