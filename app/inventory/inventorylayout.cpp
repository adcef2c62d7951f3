#include "app/inventory/inventorylayout.h"

#include "app/common/formlayout.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

namespace {

QGridLayout *itemGrid(InventoryWidgets &w, QWidget *window)
{
    auto *grid = new QGridLayout;
    w.vendor = new QPushButton("&Vendor", window);
    w.vendor->setToolTip("Select Vendor from Vendor List...");
    w.vendorName = entry(window, 20, 20);
    w.vendorName->setReadOnly(true);
    w.vendorName->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(w.vendor, 0, 0);
    grid->addWidget(w.vendorName, 0, 1);
    grid->addWidget(w.special = new QCheckBox("Tag as Special Item", window), 1, 1);
    row(grid, 2, 0, "Category:", w.category = entry(window, 10, 10));
    row(grid, 3, 0, "Stock #:", w.stockNo = entry(window, 20, 20));
    row(grid, 4, 0, "Manufacture:", w.manufacturer = entry(window, 20, 20));
    row(grid, 5, 0, "Part #:", w.partNo = entry(window, 20, 20));
    row(grid, 6, 0, "Desc:", w.description = entry(window, 200, 30));
    row(grid, 7, 0, "Location of Item:", w.location = entry(window, 10, 10));
    return grid;
}

QVBoxLayout *pictureColumn(InventoryWidgets &w, QWidget *window)
{
    auto *column = new QVBoxLayout;
    w.picture = new QLabel(window);
    w.picture->setFrameShape(QFrame::Box);
    w.picture->setFixedSize(160, 120);
    w.picture->setAlignment(Qt::AlignCenter);
    w.pictureNote = new QLabel(window);
    w.pictureNote->setWordWrap(true);
    w.pictureNote->setMaximumWidth(160);
    w.pictureButton = new QPushButton("Select &Inventory Picture", window);
    w.pictureButton->setToolTip("Select Picture for Inventory Item...");
    column->addWidget(w.picture);
    column->addWidget(w.pictureNote);
    column->addWidget(w.pictureButton);
    column->addStretch();
    return column;
}

QGroupBox *quantities(InventoryWidgets &w, QWidget *window)
{
    auto *box = new QGroupBox(window);
    auto *grid = new QGridLayout(box);
    grid->addWidget(w.taxable = new QCheckBox("Taxable Item", box), 0, 0, 1, 2);
    grid->addWidget(w.gst = new QCheckBox("GST Taxable", box), 1, 0, 1, 2);
    grid->addWidget(w.autoMarkup = new QCheckBox("Auto MarkUp", box), 2, 0, 1, 2);
    row(grid, 3, 0, "Unit:", w.unit = entry(box, 10, 10));
    row(grid, 4, 0, "Min ReOrder:", w.minReorder = numberEntry(box, 12));
    row(grid, 5, 0, "Max OnHand:", w.maxOnHand = numberEntry(box, 12));
    row(grid, 6, 0, "Add Stock:", w.addStock = numberEntry(box, 12));
    row(grid, 7, 0, "On Hand:", w.onHand = numberEntry(box, 12));
    row(grid, 8, 0, "Weight:", w.weight = numberEntry(box, 12));
    return box;
}

QGroupBox *pricesAndBackOrders(InventoryWidgets &w, QWidget *window)
{
    auto *box = new QGroupBox(window);
    auto *grid = new QGridLayout(box);
    grid->addWidget(w.backOrdered = new QCheckBox("Back Ordered", box), 0, 0, 1, 2);
    row(grid, 1, 0, "Amount Back Ordered:", w.amountBackOrdered = numberEntry(box, 12));
    row(grid, 2, 0, "Date Back Ordered:", w.dateBackOrdered = numberEntry(box, 12));
    row(grid, 3, 0, "Cost:", w.cost = numberEntry(box, 14));
    w.price1Label = row(grid, 4, 0, "Price 1:", w.price1 = numberEntry(box, 14));
    w.price2Label = row(grid, 5, 0, "Price 2:", w.price2 = numberEntry(box, 14));
    w.price3Label = row(grid, 6, 0, "Price 3:", w.price3 = numberEntry(box, 14));
    grid->setRowStretch(7, 1);
    return box;
}

} // namespace

std::unique_ptr<InventoryWidgets> buildInventoryForm(QWidget *window)
{
    auto w = std::make_unique<InventoryWidgets>();
    auto *layout = new QVBoxLayout(window);
    w->caption = caption(window);
    layout->addWidget(w->caption);
    auto *top = new QHBoxLayout;
    top->addLayout(itemGrid(*w, window), 1);
    top->addLayout(pictureColumn(*w, window));
    layout->addLayout(top);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(quantities(*w, window));
    bottom->addWidget(pricesAndBackOrders(*w, window));
    layout->addLayout(bottom);
    layout->addLayout(app::formButtons(window, w->ok, w->cancel, w->help, "Adds item to Inventory..."));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return w;
}

} // namespace app
