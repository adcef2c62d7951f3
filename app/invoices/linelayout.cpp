#include "app/invoices/linelayout.h"

#include "app/common/formlayout.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace app {

namespace {

QLineEdit *shown(QLineEdit *edit)
{
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

QGroupBox *itemBox(LineWidgets &w, QWidget *window)
{
    w.item = new QGroupBox("Item Description", window);
    auto *grid = new QGridLayout(w.item);
    w.pick = new QPushButton("&Item", w.item);
    w.pick->setToolTip("Select Items from Inventory List...");
    grid->addWidget(w.pick, 0, 0);
    row(grid, 1, 0, "Stock #:", w.stockNo = entry(w.item, 20, 20));
    row(grid, 2, 0, "Category:", w.category = entry(w.item, 10, 10));
    row(grid, 3, 0, "Description:", w.description = entry(w.item, 200, 40), 3);
    row(grid, 4, 0, "Unit:", w.unit = entry(w.item, 10, 10));
    w.priceChoiceLabel = new QLabel("Select Price:", w.item);
    grid->addWidget(w.priceChoiceLabel, 5, 0);
    auto *radios = new QHBoxLayout;
    for (QRadioButton **radio : {&w.price1, &w.price2, &w.price3})
        radios->addWidget(*radio = new QRadioButton(w.item));
    grid->addLayout(radios, 5, 1, 1, 3);
    return w.item;
}

QGridLayout *amounts(LineWidgets &w, QWidget *window)
{
    auto *grid = new QGridLayout;
    grid->addWidget(w.gstTaxable = new QCheckBox("GST Taxable", window), 0, 0);
    w.gstLabel = row(grid, 0, 2, "GST:", w.gst = shown(numberEntry(window, 12)));
    grid->addWidget(w.taxable = new QCheckBox("Taxable Item", window), 1, 0);
    w.taxLabel = row(grid, 1, 2, "Tax:", w.tax = shown(numberEntry(window, 12)));
    w.priceLabel = row(grid, 2, 0, "Item Price:", w.price = numberEntry(window, 12));
    row(grid, 3, 0, "Quantity:", w.quantity = numberEntry(window, 12));
    w.laborLabel = row(grid, 4, 0, "Labor:", w.labor = shown(numberEntry(window, 12)));
    w.lineDiscountLabel = row(grid, 2, 2, "Line Item Discount:", w.lineDiscount = numberEntry(window, 7));
    row(grid, 3, 2, "Discount Amount:", w.discountAmount = shown(numberEntry(window, 12)));
    w.totalLabel = row(grid, 4, 2, "Total Price:", w.total = shown(numberEntry(window, 12)));
    w.deliveryLabel = row(grid, 5, 0, "Expected Delivery Date:", w.delivery = entry(window, 10, 10));
    return grid;
}

} // namespace

std::unique_ptr<LineWidgets> buildLineForm(QWidget *window)
{
    auto w = std::make_unique<LineWidgets>();
    auto *layout = new QVBoxLayout(window);
    layout->addWidget(w->caption = caption(window));
    auto *head = new QGridLayout;
    row(head, 0, 0, "Invoice #:", w->invoiceNo = shown(numberEntry(window, 8)));
    row(head, 0, 2, "Item #:", w->itemNo = shown(numberEntry(window, 5)));
    head->addWidget(w->laborLine = new QCheckBox(" Is this a Labor Entry?", window), 1, 1, 1, 3);
    layout->addLayout(head);
    layout->addWidget(itemBox(*w, window));
    layout->addLayout(amounts(*w, window));
    layout->addLayout(formButtons(window, w->ok, w->cancel, w->help, "Adds Items to Invoice..."));
    return w;
}

} // namespace app
