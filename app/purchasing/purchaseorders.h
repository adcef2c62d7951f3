// Brw::PurchaseOrders: the purchase orders, by number, date, vendor account and vendor name, with
// the running totals of all orders and the highlighted order's vendor. Upd::PurchaseOrder adds,
// changes and deletes (Change and Delete behind the password gate); the order's memo shows
// read-only, "&Received" receives it into stock and "&History" lists its money. Orders still
// owed are red when the setup says so. The frame hears when it opens and closes.
#pragma once

#include "framework/browseprocedure.h"

namespace Brw {

class PurchaseOrders : public fw::BrowseProcedure
{
public:
    enum Extra { Memo = 1, Received, History, TotalCost, Total, VendorName, Contact, VendorBalance };
    static const fw::BrowseSpec &Spec();

    PurchaseOrders();

    void showMemo();
    void receive();
    void showHistory();

protected:
    void Highlighted(bool any) override;
};

} // namespace Brw
