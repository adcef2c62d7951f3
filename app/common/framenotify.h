// The numbered notifications procedures post to the main frame (fw::notifyFrame), so that the
// frame can refresh its menus.
#pragma once

namespace app {

enum Notification : int {
    CustomerBrowseNotification = 1024,   // Brw:Customers opened or closed
    CreditMemoBrowseNotification = 1025, // Brw:CreditMemos opened or closed
    PurchaseOrderBrowseNotification = 1026, // Brw:PurchaseOrders opened or closed
    SetupSavedNotification = 1027,       // the setup was saved: blank-form items follow it
    InvoiceBrowseNotification = 4095,    // Brw:Invoices opened or closed
};

} // namespace app
