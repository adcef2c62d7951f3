// The pictures of the frame's toolbar, drawn by the program itself: they need no icon theme or
// image plug-in, so they look the same on every desktop and on a screen without one.
#pragma once

#include <QIcon>

namespace app {

enum class ToolbarPicture {
    Setup,
    NewCreditMemo,
    NewInvoice,
    NewPurchaseOrder,
    Customers,
    CreditMemos,
    Inventory,
    Invoices,
    Vendors,
    PurchaseOrders,
    StandardMemos,
    FirstPage,
    PriorPage,
    PriorRecord,
    NextRecord,
    NextPage,
    LastPage,
    Insert,
    Change,
    Delete,
    Help,
};

QIcon toolbarIcon(ToolbarPicture picture);

} // namespace app
