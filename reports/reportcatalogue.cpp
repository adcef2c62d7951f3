#include "reports/reportcatalogue.h"

#include <QByteArray>

#include <map>
#include <string>

namespace rpt {

namespace {

constexpr std::string_view Documents = "Documents", Sales = "Sales and tax", Customers = "Customers",
                           Inventory = "Inventory and vendors";
constexpr ReportOptions Dated{.dates = true}, DatedDocument{.dates = true, .document = true}, Envelope{.envelope = true},
                        DatedTurned{.dates = true, .turned = true};
constexpr ReportOptions InvoiceForm{.document = true, .asks = Asks::Invoice, .blankForm = true},
                        PackageListForm{.document = true, .asks = Asks::Invoice},
                        CreditMemoForm{.document = true, .asks = Asks::CreditMemo, .blankForm = true},
                        PurchaseOrderForm{.document = true, .asks = Asks::PurchaseOrder, .blankForm = true},
                        OneCustomer{.dates = true, .asks = Asks::Customer}, Labels{.asks = Asks::LabelKind};

constexpr CatalogueEntry Catalogue[] = {
    {"PRN:INVOICES", Documents, "Invoice", "INVOICE / INV:InvoiceNo_Key", InvoiceForm},
    {"PRN:INVOICESTAGGED", Documents, "Invoices", "TagFile_ / TF_:PtrKey"},
    {"PRN:INVOICESPICKLIST", Documents, "Package List", "INVOICE / INV:InvoiceNo_Key", PackageListForm},
    {"PRN:INVOICESPICKLISTTAGGED", Documents, "Package Lists", "TagFile_ / TF_:PtrKey"},
    {"PRN:CREDITMEMO", Documents, "Credit Memo", "CREDIT / CRE:CreditMemoNo_Key", CreditMemoForm},
    {"PRN:PURCHASEORDERS", Documents, "Purchase Order", "PURORDER / PUR:POrderNo_Key", PurchaseOrderForm},
    {"PRN:SALESDAILY", Sales, "Daily Sales Report", "INVOICE / INV:Date_Key", DatedTurned},
    {"PRN:SALESMONTHLY", Sales, "Monthly Sales Report -", "INVOICE / INV:Date_Key", DatedTurned},
    {"PRN:SALESANNUAL", Sales, "Annual Sales Report", "INVOICE / INV:Date_Key", DatedTurned},
    {"PRN:SALESPERSONTOTALSDAILYWEEKLY", Sales, "Salesman Sales Daily/Weekly Report", "INVOICE / INV:Salesman_Key", DatedTurned},
    {"PRN:SALESPERSONTOTALSMONTHLY", Sales, "Salesman Sales Report-", "INVOICE / INV:Salesman_Key", DatedTurned},
    {"PRN:SALESPERSONTOTALSANNUAL", Sales, "Salesman Sales Report", "INVOICE / INV:Salesman_Key", DatedTurned},
    {"PRN:TAXDAILYTOTALSALES", Sales, "Daily/Weekly Tax Consolidation Report", "INVOICE / INV:Date_Key", DatedTurned},
    {"PRN:TAXDAILYSTATE", Sales, "Daily/Weekly Tax Consolidation Report (By State)", "CUSTOMER / CUS:State_Key", Dated},
    {"PRN:TAXDAILYCOUNTRY", Sales, "Daily/Weekly Tax Consolidation Report (By Country)", "CUSTOMER / CUS:Country_Key", Dated},
    {"PRN:TAXMONTHLYTOTALSALES", Sales, "Monthly Tax Consolidation Report", "INVOICE / INV:Date_Key", DatedTurned},
    {"PRN:TAXMONTHLYSTATE", Sales, "Monthly Tax Consolidation Report  (By State)", "CUSTOMER / CUS:State_Key", Dated},
    {"PRN:TAXMONTHLYCOUNTRY", Sales, "Monthly Tax Consolidation Report  (By Country)", "CUSTOMER / CUS:Country_Key", Dated},
    {"PRN:TAXANNUALTOTALSALES", Sales, "Tax Annual Consolidation Report (Total Sales)", "INVOICE / INV:Date_Key", DatedTurned},
    {"PRN:TAXANNUALSTATE", Sales, "Tax Annual Consolidation Report (By State)", "CUSTOMER / CUS:State_Key", Dated},
    {"PRN:TAXANNUALCOUNTRY", Sales, "Tax Annual Consolidation Report (By Country)", "CUSTOMER / CUS:Country_Key", Dated},
    {"PRN:DAILYRECEIPTS", Sales, "Daily Receipts", "FINANCE / FIN:Date_Key", DatedTurned},
    {"PRN:CONSOLIDATION", Sales, "Consolidation Report", "FINANCE / FIN:Date_Key", DatedTurned},
    {"PRN:INVOICELISTINGWITHTAXES", Sales, "Invoice Listing with Taxes", "INVOICE / INV:Date_Key", DatedTurned},
    {"PRN:INVOICELISTINGWITHOUTTAXES", Sales, "Invoice Listing with out Taxes", "INVOICE / INV:Date_Key", DatedTurned},
    {"PRN:CUSTOMERBILLING", Customers, "Billing Statement", "TagFilePos_ / TP_:PosKey", DatedDocument},
    {"PRN:CUSTOMERFINANCESTATEMENT", Customers, "Customer Finance Statement", "CUSTOMER / CUS:CustomerNo_Key", OneCustomer},
    {"PRN:CUSTOMEROUTSTANDINGBALANCES", Customers, "Customer OutStanding Balance Listing", "CUSTOMER / CUS:CustomerNo_Key"},
    {"PRN:CUSTOMEROUTSTANDINGINVOICES", Customers, "Customer OutStanding Invoice Listing", "CUSTOMER / CUS:CustomerNo_Key"},
    {"PRN:INVOICEPAYMENTHISTORY", Customers, "Invoice Finance History", "FINANCE / FIN:InvoiceNo_Key", Dated},
    {"PRN:CUSTOMERNAMELISTING", Customers, "Customer Listing - Last Name", "CUSTOMER / CUS:CustomerName_Key"},
    {"PRN:CUSTOMERSTATE", Customers, "Customer Listing (By State)", "CUSTOMER / CUS:CityState_Key"},
    {"PRN:CUSTOMERTELEPHONELISTING", Customers, "Customer Listing - Telephone #", "CUSTOMER / CUS:Phone_Key"},
    {"PRN:CUSTOMERZIPCODELISTING", Customers, "Customer Listing - Postal Code", "CUSTOMER / CUS:ZipCode_Key"},
    {"PRN:CUSTOMEREMAILLISTING", Customers, "Customer Listing - Email Address", "CUSTOMER / CUS:EmailAddress_Key"},
    {"PRN:CUSTOMERLABELS", Customers, "Customer Labels", "TagFilePos_ / TP_:PosKey", Labels},
    {"PRN:ENVELOPES", Customers, "Envelopes", "TagFilePos_ / TP_:PosKey", Envelope},
    {"PRN:USERLABELS", Customers, "Address Labels", "SETUP / SET:RecordNo_Key"},
    {"PRN:INVENTORYONHANDCATEGORY", Inventory, "Inventory On Hand - Category", "STOCK / STO:Catagory_Key"},
    {"PRN:INVENTORYONHANDCATEGORYTHIN", Inventory, "Inventory On Hand - Category", "STOCK / STO:Catagory_Key"},
    {"PRN:INVENTORYONHANDDESCRIPTION", Inventory, "Inventory On Hand - Description", "STOCK / STO:Description_Key"},
    {"PRN:INVENTORYONHANDMANUFACTURER", Inventory, "Inventory On Hand - Manufacture", "STOCK / STO:Manufactur_Key"},
    {"PRN:INVENTORYONHANDPARTNO", Inventory, "Inventory On Hand - Part #", "STOCK / STO:PartNo_Key"},
    {"PRN:INVENTORYONHANDSTOCKNO", Inventory, "Inventory On Hand - Stock #", "STOCK / STO:StockNo_Key"},
    {"PRN:INVENTORYONHANDVENDOR", Inventory, "Inventory On Hand - Vendor", "STOCK / STO:Vendor_Key"},
    {"PRN:INVENTORYREORDERCATEGORY", Inventory, "Inventory ReOrder - Category", "STOCK / STO:Catagory_Key"},
    {"PRN:INVENTORYREORDERDESCRIPTION", Inventory, "Inventory ReOrder - Description", "STOCK / STO:Description_Key"},
    {"PRN:INVENTORYREORDERMANUFACTURER", Inventory, "Inventory ReOrder - Manufacture", "STOCK / STO:Manufactur_Key"},
    {"PRN:INVENTORYREORDERSTOCKNO", Inventory, "Inventory ReOrder - Stock #", "STOCK / STO:StockNo_Key"},
    {"PRN:INVENTORYREORDERVENDOR", Inventory, "Inventory ReOrder - Vendor", "STOCK / STO:Vendor_Key"},
    {"PRN:INVENTORYCONSOLIDATIONANNUALLY", Inventory, "Inventory Sold Consolidation List - Annual", "DESCRIPTION / DES:Month_Key", Dated},
    {"PRN:INVENTORYCONSOLIDATIONCUSTOMER", Inventory, "Inventory Sold Consolidation List - Customer Name", "TagFilePos_ / TP_:PosKey", Dated},
    {"PRN:INVENTORYCONSOLIDATIONINDIVIDUALDATES", Inventory, "Inventory Sold Consolidation List", "DESCRIPTION / DES:Date_Key", Dated},
    {"PRN:INVENTORYCONSOLIDATIONSTOCKNO", Inventory, "Inventory Sold Consolidation List", "DESCRIPTION / DES:StockNo_Key", Dated},
    {"PRN:INVENTORYCONSOLIDATIONQUANTITY", Inventory, "Inventory Sold Consolidation List (Best Sellers List)]", "DESCRIPTION / DES:Quanity_Key", Dated},
    {"PRN:INVENTORYBACKORDERSTOCKNO", Inventory, "Inventory BackOrder Listing - Stock #", "STOCK / STO:StockNo_Key"},
    {"PRN:INVENTORYOVERAGELISTING", Inventory, "Inventory Overage Listing", "STOCK / STO:StockNo_Key"},
    {"PRN:INVENTORYRECEIVEDLISTING", Inventory, "Inventory Received Listing", "STSTREND / STS:StockNo_Key", Dated},
    {"PRN:INVENTORYPRICESHEET", Inventory, "Inventory Listing", "STOCK / STO:StockNo_Key"},
    {"PRN:SPECIALITEMSLISTING", Inventory, "Special Items Listing", "STOCK / STO:SpecialItem_Key"},
    {"PRN:VENDORNAME", Inventory, "Vendor Listing", "VENDOR / VEN:Vendor_Key"},
};

std::string upper(std::string_view name) { return QByteArray(name.data(), qsizetype(name.size())).toUpper().toStdString(); }

std::map<std::string, ReportFactory> &factories()
{
    static std::map<std::string, ReportFactory> built;
    return built;
}

} // namespace

std::span<const CatalogueEntry> reportCatalogue() { return Catalogue; }

const CatalogueEntry *catalogueEntry(std::string_view name)
{
    const std::string wanted = upper(name);
    for (const CatalogueEntry &entry : Catalogue)
        if (entry.name == wanted)
            return &entry;
    return nullptr;
}

void registerReport(std::string_view name, ReportFactory factory) { factories()[upper(name)] = std::move(factory); }

std::unique_ptr<ReportProcedure> makeReport(std::string_view name)
{
    const auto found = factories().find(upper(name));
    return found == factories().end() ? nullptr : found->second();
}

} // namespace rpt
