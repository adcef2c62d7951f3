#include "app/setup/setupform.h"

#include "app/common/formlayout.h"

#include "framework/optionbox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace app {

namespace {

// Label and entry on one row of a grid, the entry spanning span columns.
QLineEdit *entryRow(QGridLayout *grid, int r, int column, const QString &text, QLineEdit *edit, int span = 1)
{
    grid->addWidget(prompt(text, edit), r, column);
    grid->addWidget(edit, r, column + 1, 1, span);
    return edit;
}

QVBoxLayout *column(QBoxLayout *parent)
{
    auto *layout = new QVBoxLayout;
    parent->addLayout(layout);
    return layout;
}

// ---- "&Company" ----------------------------------------------------------------------------

void identity(SetupWidgets &w, QWidget *tab, QVBoxLayout *into)
{
    auto *grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    w.lastName = entryRow(grid, 0, 0, "Last Name:", entry(tab, 15, 15));
    w.firstName = entryRow(grid, 0, 2, "First:", entry(tab, 10, 10));
    w.company = entryRow(grid, 1, 0, "Company:", entry(tab, 40, 30), 3);
    w.address = entryRow(grid, 2, 0, "Address 1:", entry(tab, 40, 30), 3);
    w.address2 = entryRow(grid, 3, 0, "Address 2:", entry(tab, 40, 30), 3);
    w.address3 = entryRow(grid, 4, 0, "Address 3:", entry(tab, 40, 30), 3);
    w.city = entryRow(grid, 5, 0, "City:", entry(tab, 25, 15));
    w.state = entryRow(grid, 5, 2, "ST:", entry(tab, 3, 4));
    w.state->setMaximumWidth(w.state->minimumWidth());
    w.stateLabel = static_cast<QLabel *>(grid->itemAtPosition(5, 2)->widget());
    w.zipCode = entryRow(grid, 6, 0, "Postal Code:", entry(tab, 10, 10));
    w.country = entryRow(grid, 6, 2, "Country:", entry(tab, 15, 10));
    w.countryLabel = static_cast<QLabel *>(grid->itemAtPosition(6, 2)->widget());
    w.phone = entryRow(grid, 7, 0, "Phone #:", entry(tab, 15, 12));
    w.fax = entryRow(grid, 7, 2, "Fax #:", entry(tab, 15, 10));
    w.email = entryRow(grid, 8, 0, "Email:", entry(tab, 35, 30), 3);
    into->addLayout(grid);
    into->addStretch();
}

void currencyAndDates(SetupWidgets &w, QWidget *tab, QVBoxLayout *into)
{
    w.currency = new fw::OptionBox("Select Currency", tab, 2);
    const std::pair<const char *, const char *> currencies[] = {
        {" $x,xxx.xx", "1"},  {" £x,xxx.xx", "2"}, {" DMx.xxx,xx", "3"}, {" x.xxx,xxF", "4"},
        {" FLx,xxx.xx", "5"}, {" RMx,xxx.xx", "6"}, {" Px,xxx.xx", "7"}, {" ¥xxxxxxx", "10"},
        {" S$x,xxx.xx", "8"}, {" Cx,xxx.xx", "11"}, {"€x.xxx,xx", "12"}, {" None", "9"},
    };
    for (const auto &[text, value] : currencies)
        w.currency->addOption(text, value);
    w.currency->arrange();
    into->addWidget(w.currency);

    w.dateStandard = new fw::OptionBox("Select Date Standard", tab);
    w.dateStandard->addOption(" mm/dd/yyyy", "@d2b");
    w.dateStandard->addOption(" dd/mm/yyyy", "@d6b");
    w.dateStandard->addOption(" yyyy/mm/dd", "@d10b");
    into->addWidget(w.dateStandard);

    auto *misc = new QGroupBox("Misc", tab);
    auto *checks = new QVBoxLayout(misc);
    checks->addWidget(w.redLineCustomer = new QCheckBox("RedLine Open Customer Accounts", misc));
    checks->addWidget(w.redLineInventory = new QCheckBox("RedLine Minimum Inventory OnHand", misc));
    checks->addWidget(w.redLineInvoice = new QCheckBox("RedLine Overdue Invoices", misc));
    checks->addWidget(w.redLinePurchaseOrder = new QCheckBox("RedLine UnPaid Purchase Orders", misc));
    into->addWidget(misc);
    into->addStretch();
}

QWidget *companyTab(SetupWidgets &w)
{
    auto *tab = new QWidget;
    auto *columns = new QHBoxLayout(tab);
    identity(w, tab, column(columns));
    columns->addSpacing(12);
    currencyAndDates(w, tab, column(columns));
    return tab;
}

// ---- "&Inventory/Taxes" --------------------------------------------------------------------

void taxes(SetupWidgets &w, QWidget *tab, QVBoxLayout *into)
{
    w.taxSystem = new fw::OptionBox("Select Type of Tax System", tab);
    w.taxSystem->addOption(" Canadian System (GST/PST)", "1");
    w.taxSystem->addOption(" European System (VAT)", "2");
    w.taxSystem->addOption(" InterNational System (GST)", "4");
    w.taxSystem->addOption(" United States System (TAX)", "3");
    into->addWidget(w.taxSystem);

    auto *grid = new QGridLayout;
    w.customerTaxRate = entryRow(grid, 0, 0, "Global Customer Tax Rate:", rateEntry(tab, 8));
    w.customerTaxLabel = static_cast<QLabel *>(grid->itemAtPosition(0, 0)->widget());
    w.gst = entryRow(grid, 1, 0, "GST:", rateEntry(tab, 8));
    w.gstLabel = static_cast<QLabel *>(grid->itemAtPosition(1, 0)->widget());
    w.gstNumber = entryRow(grid, 2, 0, "GST #:", entry(tab, 20, 16));
    w.gstNumberLabel = static_cast<QLabel *>(grid->itemAtPosition(2, 0)->widget());
    grid->setColumnStretch(2, 1);
    into->addLayout(grid);
    into->addWidget(w.taxLabor = new QCheckBox("Tax Labor?", tab));
    into->addWidget(w.taxShipping = new QCheckBox("Tax Shipping Charges?", tab));
    into->addStretch();
}

void inventory(SetupWidgets &w, QWidget *tab, QVBoxLayout *into)
{
    auto *headings = new QGroupBox("Enter Headings for Inventory Price Levels", tab);
    auto *prices = new QGridLayout(headings);
    w.price1 = entryRow(prices, 0, 0, "Price 1:", entry(headings, 10, 10));
    w.price2 = entryRow(prices, 1, 0, "Price 2:", entry(headings, 10, 10));
    w.price3 = entryRow(prices, 2, 0, "Price 3:", entry(headings, 10, 10));
    prices->setColumnStretch(2, 1);
    into->addWidget(headings);

    auto *grid = new QGridLayout;
    w.inventoryMarkup = numberEntry(tab, 8);
    auto *markup = new QHBoxLayout;
    markup->addWidget(w.inventoryMarkup);
    markup->addWidget(new QLabel("%", tab));
    markup->addStretch();
    grid->addWidget(prompt("Global Inventory Mark Up:", w.inventoryMarkup), 0, 0);
    grid->addLayout(markup, 0, 1);
    w.laborRate = entryRow(grid, 1, 0, "Labor Rate (per hour):", numberEntry(tab, 12));
    grid->setColumnStretch(2, 1);
    into->addLayout(grid);
    into->addWidget(w.autoTaxItem = new QCheckBox("Global Tax All Items in Inventory", tab));
    into->addWidget(w.prohibitSelling = new QCheckBox("Prohibit Selling of Items Less than Minimum On Hand?", tab));
    into->addStretch();
}

QWidget *inventoryTab(SetupWidgets &w)
{
    auto *tab = new QWidget;
    auto *columns = new QHBoxLayout(tab);
    taxes(w, tab, column(columns));
    columns->addSpacing(12);
    inventory(w, tab, column(columns));
    return tab;
}

// ---- "&Printing" ---------------------------------------------------------------------------

void printChoices(SetupWidgets &w, QWidget *tab, QVBoxLayout *into)
{
    into->addWidget(w.preprinted = new QCheckBox("Use PrePrinted Invoices/Credits/POs for Printouts", tab));
    into->addWidget(w.printPreview = new QCheckBox("Print Preview all Reports before Printing", tab));
    into->addWidget(w.autoPrint = new QCheckBox("AutoPrint Invoices/Credit Memos/POs", tab));
    into->addWidget(w.pickList = new QCheckBox("Print PickList with Invoice", tab));
    into->addWidget(w.printShipping = new QCheckBox("Print Shipping Address on Invoices/Credits/POs", tab));
    into->addWidget(w.returnAddress = new QCheckBox("Print Return Address on Envelopes", tab));

    auto *note = new QHBoxLayout;
    w.noteLine = entry(tab, 40, 30);
    note->addWidget(prompt("Note Line:", w.noteLine));
    note->addWidget(w.noteLine, 1);
    into->addSpacing(6);
    into->addLayout(note);

    w.logoName = entry(tab, 50, 30);
    w.logoName->setReadOnly(true);
    into->addSpacing(6);
    into->addWidget(prompt("Select Logo for Reports:", w.logoName));
    into->addWidget(w.logoName);
    w.logoButton = new QPushButton("Select Picture for Invoice/Credit Memo Logos...", tab);
    auto *button = new QHBoxLayout;
    button->addWidget(w.logoButton);
    button->addStretch();
    into->addLayout(button);

    w.logoOrientation = new fw::OptionBox("Select Logo Orientation", tab, 2);
    w.logoOrientation->addOption(" Horizontal", "1");
    w.logoOrientation->addOption(" Vertical", "2");
    w.logoOrientation->arrange();
    into->addWidget(w.logoOrientation);
    into->addStretch();
}

void stationery(SetupWidgets &w, QWidget *tab, QVBoxLayout *into)
{
    w.addressLabels = new fw::OptionBox("Select Customer Address Labels", tab);
    w.addressLabels->addOption(" Avery 4144 - dot-matrix printers, 2.5 inch", "4144");
    w.addressLabels->addOption(" Avery 8160 - laser and ink-jet printers, 2.625 inch", "8160");
    w.addressLabels->addOption(" Avery 8161 - laser and ink-jet printers, 4 inch", "8161");
    into->addWidget(w.addressLabels);

    w.shippingLabels = new fw::OptionBox("Select Customer Shipping Labels", tab);
    w.shippingLabels->addOption(" Avery 8163 - laser and ink-jet printers, 2 x 4 inch", "8163");
    w.shippingLabels->addOption(" Avery 8164 - laser and ink-jet printers, 3 1/3 x 4 inch", "8164");
    into->addWidget(w.shippingLabels);

    w.envelopeSize = new fw::OptionBox("Select Envelope Size", tab);
    w.envelopeSize->addOption(" Envelope #10 - 4 1/8 x 9.5 inch", "PAPER:ENV_10");
    w.envelopeSize->addOption(" Envelope #11 - 4.5 x 10 1/3 inch", "PAPER:ENV_11");
    w.envelopeSize->addOption(" Envelope DL - 110 x 220mm", "PAPER:ENV_DL");
    into->addWidget(w.envelopeSize);

    w.paperSize = new fw::OptionBox("Select Printer Paper Size", tab);
    w.paperSize->addOption(" Letter - 8 1/2 x 11 inch", "PAPER:LETTER");
    w.paperSize->addOption(" A4 - 210 x 297 mm", "PAPER:A4");
    w.paperSize->addOption(" A4 Small - 210 x297 mm", "PAPER:A4SMALL");
    into->addWidget(w.paperSize);
    into->addStretch();
}

QWidget *printingTab(SetupWidgets &w)
{
    auto *tab = new QWidget;
    auto *columns = new QHBoxLayout(tab);
    printChoices(w, tab, column(columns));
    columns->addSpacing(12);
    stationery(w, tab, column(columns));
    return tab;
}

} // namespace

std::unique_ptr<SetupWidgets> buildSetupForm(QWidget *window)
{
    auto w = std::make_unique<SetupWidgets>();
    auto *layout = new QVBoxLayout(window);
    w->tabs = new QTabWidget(window);
    w->tabs->addTab(companyTab(*w), "&Company");
    w->tabs->setTabToolTip(0, "Enter Company Information...");
    w->tabs->addTab(inventoryTab(*w), "&Inventory/Taxes");
    w->tabs->setTabToolTip(1, "Enter Inventory/Tax/Misc Options...");
    w->tabs->addTab(printingTab(*w), "&Printing");
    w->tabs->setTabToolTip(2, "Enter Printing Options...");
    layout->addWidget(w->tabs);
    layout->addLayout(app::formButtons(window, w->ok, w->cancel, w->help));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return w;
}

} // namespace app
