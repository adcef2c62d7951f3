#include "app/customers/customerlayout.h"

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

QGroupBox *addressBox(const QString &title, Address &a, QWidget *tab)
{
    auto *box = new QGroupBox(title, tab);
    auto *grid = new QGridLayout(box);
    row(grid, 0, 0, "Addr 1:", a.line1 = entry(box, 40, 26), 3);
    row(grid, 1, 0, "Addr 2:", a.line2 = entry(box, 40, 26), 3);
    row(grid, 2, 0, "Addr 3:", a.line3 = entry(box, 40, 26), 3);
    row(grid, 3, 0, "City:", a.city = entry(box, 25, 14));
    a.stateLabel = row(grid, 3, 2, "ST:", a.state = entry(box, 3, 3));
    a.state->setMaximumWidth(a.state->minimumWidth());
    a.countryLabel = row(grid, 4, 0, "Country:", a.country = entry(box, 15, 12));
    row(grid, 5, 0, "Postal Code:", a.zipCode = entry(box, 10, 10));
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget *informationTab(CustomerWidgets &w)
{
    auto *tab = new QWidget;
    auto *columns = new QHBoxLayout(tab);
    auto *grid = new QGridLayout;
    row(grid, 0, 0, "Customer #:", w.customerNo = entry(tab, 10, 10));
    row(grid, 1, 0, "Last Name:", w.lastName = entry(tab, 15, 15));
    row(grid, 2, 0, "First Name:", w.firstName = entry(tab, 10, 10));
    row(grid, 3, 0, "Company:", w.company = entry(tab, 40, 24));
    row(grid, 4, 0, "Email Address:", w.email = entry(tab, 35, 24));
    row(grid, 5, 0, "Phone #:", w.phone = entry(tab, 15, 15));
    row(grid, 6, 0, "Fax #:", w.fax = entry(tab, 15, 15));
    row(grid, 7, 0, "Notes:", w.notes = entry(tab, 50, 24));
    grid->setRowStretch(8, 1);
    columns->addLayout(grid);
    columns->addSpacing(8);

    auto *addresses = new QVBoxLayout;
    addresses->addWidget(addressBox("Billing Address", w.billing, tab));
    addresses->addWidget(addressBox("Shipping Address:", w.shipping, tab));
    w.copyBilling = new QPushButton("Clear Shipping", tab);
    w.copyBilling->setMinimumWidth(w.copyBilling->sizeHint().width() + 8); // fits either text
    w.copyBilling->setText("Copy Billing");
    w.copyBilling->setToolTip("Copies Billing Address to Shipping Address...");
    auto *copyRow = new QHBoxLayout;
    copyRow->addStretch();
    copyRow->addWidget(w.copyBilling);
    addresses->addLayout(copyRow);
    columns->addLayout(addresses, 1);
    return tab;
}

QWidget *billingTab(CustomerWidgets &w)
{
    auto *tab = new QWidget;
    auto *columns = new QHBoxLayout(tab);
    auto *grid = new QGridLayout;
    w.taxRateLabel = row(grid, 0, 0, "Customer Tax Rate:", w.taxRate = rateEntry(tab, 9));
    w.taxNumberLabel = row(grid, 1, 0, "Customer Tax #:", w.taxNumber = entry(tab, 20, 16));
    grid->addWidget(w.longDistance = new QCheckBox("Figure PST on GST?", tab), 2, 1);
    w.discount = numberEntry(tab, 8);
    auto *discount = new QHBoxLayout;
    discount->addWidget(w.discount);
    discount->addWidget(new QLabel("%", tab));
    discount->addStretch();
    grid->addWidget(prompt("Customer Discount:", w.discount), 3, 0);
    grid->addLayout(discount, 3, 1);
    row(grid, 4, 0, "Bank:", w.bank = entry(tab, 40, 24));
    row(grid, 5, 0, "Bank Account #:", w.bankAccount = entry(tab, 20, 20));
    row(grid, 6, 0, "Credit Card #:", w.creditCard = entry(tab, 19, 19));
    row(grid, 7, 0, "Expires:", w.expires = entry(tab, 5, 5));
    w.expires->setMaximumWidth(w.expires->minimumWidth() + 10);
    grid->setRowStretch(8, 1);
    columns->addLayout(grid);
    columns->addSpacing(12);

    w.terms = new fw::OptionBox("Select Payment Type", tab);
    for (const char *type : PaymentTypes)
        w.terms->addOption(type, type);
    auto *termsColumn = new QVBoxLayout;
    termsColumn->addWidget(w.terms);
    termsColumn->addStretch();
    columns->addLayout(termsColumn);
    columns->addStretch();
    return tab;
}

} // namespace

std::unique_ptr<CustomerWidgets> buildCustomerForm(QWidget *window)
{
    auto w = std::make_unique<CustomerWidgets>();
    auto *layout = new QVBoxLayout(window);
    w->caption = caption(window);
    layout->addWidget(w->caption);
    w->tabs = new QTabWidget(window);
    w->tabs->addTab(informationTab(*w), "Customer &Information");
    w->tabs->addTab(billingTab(*w), "Customer &Billing");
    layout->addWidget(w->tabs);
    layout->addLayout(app::formButtons(window, w->ok, w->cancel, w->help));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return w;
}

} // namespace app
