#include "app/invoices/invoicelayout.h"

#include "app/common/formlayout.h"
#include "framework/browselist.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

namespace {

QLineEdit *shown(QLineEdit *edit)
{
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

QPushButton *tipped(QWidget *window, const char *text, const char *tip)
{
    auto *b = new QPushButton(QString::fromUtf8(text), window);
    b->setToolTip(QString::fromUtf8(tip));
    return b;
}

QGridLayout *header(InvoiceWidgets &w, QWidget *window)
{
    auto *grid = new QGridLayout;
    w.dateLabel = row(grid, 0, 0, "Date:", w.date = entry(window, 10, 10));
    row(grid, 0, 2, "PO#:", w.poNumber = entry(window, 15, 15));
    row(grid, 1, 0, "Invoice #:", w.invoiceNo = shown(numberEntry(window, 10)));
    row(grid, 1, 2, "Salesman:", w.salesman = entry(window, 15, 15));
    row(grid, 2, 0, "Customer #:", w.customerNo = entry(window, 10, 10));
    w.customer = tipped(window, "C&ustomer", "Select Customer from list...");
    grid->addWidget(w.customer, 2, 2);
    row(grid, 3, 0, "First Name:", w.firstName = shown(entry(window, 20, 15)));
    row(grid, 3, 2, "Last Name:", w.lastName = shown(entry(window, 20, 20)));
    row(grid, 4, 0, "Company:", w.company = shown(entry(window, 35, 30)), 3);
    w.discountLabel = row(grid, 5, 0, "Discount:", w.discount = numberEntry(window, 7));
    auto *boxes = new QHBoxLayout;
    boxes->addWidget(w.quote = new QCheckBox("Quote", window));
    boxes->addWidget(w.memo = new QCheckBox("Memo", window));
    w.memo->setEnabled(false);
    boxes->addStretch();
    w.reInvoice = tipped(window, "&Re-Invoice", "Setup Reoccuring Invoice Dates...");
    boxes->addWidget(w.reInvoice);
    grid->addLayout(boxes, 5, 2, 1, 2);
    return grid;
}

QHBoxLayout *itemButtons(InvoiceWidgets &w, QWidget *window)
{
    auto *buttons = new QHBoxLayout;
    w.add = tipped(window, "&Add", "Add item to invoice...");
    w.change = tipped(window, "&Change", "Change highlighted item on invoice...");
    w.remove = tipped(window, "&Delete", "Delete Highlighted item from invoice...");
    for (QPushButton *b : {w.add, w.change, w.remove})
        buttons->addWidget(b);
    buttons->addStretch();
    return buttons;
}

QGroupBox *totals(InvoiceWidgets &w, QWidget *window)
{
    auto *box = new QGroupBox(window);
    auto *grid = new QGridLayout(box);
    auto amount = [&] { return shown(numberEntry(box, 12)); };
    row(grid, 0, 0, "SubTotal", w.subTotal = amount());
    row(grid, 1, 0, "Discount", w.discountSum = amount());
    row(grid, 2, 0, "Total", w.total = amount());
    w.taxLabel = row(grid, 3, 0, "Tax", w.tax = amount());
    w.gstLabel = row(grid, 4, 0, "GST", w.gst = amount());
    row(grid, 5, 0, "Labor", w.labor = amount());
    row(grid, 0, 2, "Shipping", w.shipping = amount());
    row(grid, 1, 2, "COD", w.cod = amount());
    row(grid, 2, 2, "Inv Total", w.totalDue = amount());
    row(grid, 3, 2, "Payment", w.payment = amount());
    row(grid, 4, 2, "Owed", w.owed = amount());
    return box;
}

QHBoxLayout *foot(InvoiceWidgets &w, QWidget *window)
{
    auto *buttons = new QHBoxLayout;
    w.shippingButton = tipped(window, "Sh&ipping", "Enter Shipping Info - Date, Cost, etc...");
    w.paymentButton = tipped(window, "&Payment", "Apply Payment Information to Invoice...");
    w.memoButton = tipped(window, "&Memo", "Add Memo to Invoice...");
    for (QPushButton *b : {w.shippingButton, w.paymentButton, w.memoButton})
        buttons->addWidget(b);
    buttons->addStretch();
    w.save = tipped(window, "&Save", "Save and Print Invoice...");
    w.save->setDefault(true);
    w.cancel = tipped(window, "Cancel", "Cancel and Return...");
    w.help = tipped(window, "&Help", "Help...");
    for (QPushButton *b : {w.save, w.cancel, w.help})
        buttons->addWidget(b);
    return buttons;
}

} // namespace

std::unique_ptr<InvoiceWidgets> buildInvoiceForm(QWidget *window)
{
    auto w = std::make_unique<InvoiceWidgets>();
    auto *layout = new QVBoxLayout(window);
    layout->addWidget(w->caption = caption(window));
    layout->addLayout(header(*w, window));
    layout->addWidget(w->items = new fw::BrowseList(window), 1);
    w->items->setMinimumWidth(720); // every column of a line in view
    layout->addLayout(itemButtons(*w, window));
    layout->addWidget(totals(*w, window));
    layout->addLayout(foot(*w, window));
    return w;
}

} // namespace app
