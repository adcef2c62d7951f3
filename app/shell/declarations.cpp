#include "app/shell/declarations.h"

#include "app/creditmemos/creditmemos.h"
#include "app/customers/customers.h"
#include "app/inventory/inventory.h"
#include "app/invoices/invoicehistory.h"
#include "app/invoices/invoices.h"
#include "app/memos/standardmemos.h"
#include "app/inventory/specialitems.h"
#include "app/inventory/vendorsinventory.h"
#include "app/invoices/pickcustomer.h"
#include "app/invoices/pickinventory.h"
#include "app/payments/financehistory.h"
#include "app/printselect/tagbrowses.h"
#include "app/purchasing/purchaseorders.h"
#include "app/purchasing/purchaseordershistory.h"
#include "app/purchasing/vendorsfinance.h"
#include "app/vendors/pickvendor.h"
#include "app/vendors/vendors.h"
#include "framework/browsedeclaration.h"

namespace app {

const std::vector<const fw::BrowseSpec *> &declaredBrowses()
{
    static const std::vector<const fw::BrowseSpec *> browses{
        &Brw::Customers::Spec(),
        &Brw::Inventory::Spec(),
        &Brw::InventorySpecialItems::Spec(),
        &Brw::VendorsInventory::Spec(),
        &Brw::GetCustomer::Spec(),
        &Brw::GetInventory::Spec(),
        &Brw::CustomersPrint_Billing_Labels_Inventory_Envelopes::Spec(),
        &Brw::InvoicesPrintMulitple::Spec(),
        &Brw::GetStandardMemos::Spec(),
        &Brw::Invoices::Spec(),
        &Brw::InvoicesHistory::Spec(),
        &Brw::CustomersFinanceHistory::Spec(),
        &Brw::PurchaseOrdersHistory::Spec(),
        &Brw::VendorsFinance::Spec(),
        &Brw::CreditMemos::Spec(),
        &Brw::Vendors::Spec(),
        &Brw::GetVendor::Spec(),
        &Brw::PurchaseOrders::Spec(),
    };
    return browses;
}

std::vector<std::string> checkDeclarations()
{
    std::vector<std::string> faults;
    for (const fw::BrowseSpec *spec : declaredBrowses())
        for (const std::string &fault : fw::checkBrowseSpec(*spec))
            faults.push_back(spec->procedure.name + ": " + fault);
    return faults;
}

} // namespace app
