#include "app/shell/framemenus.h"

#include "app/common/framenotify.h"
#include "framework/globalcodes.h"

namespace app {

namespace {

using A = MenuAction;
using I = MenuItem;

constexpr const char *FileMaint = "&File > File Maintenance";
constexpr const char *ImportMenu = "&File > File Maintenance > &Import/Export Data Files > &Import Data Files";
constexpr const char *ExportMenu = "&File > File Maintenance > &Import/Export Data Files > &Export Data Files";
constexpr const char *CustomerReports = "&Reports > Customer Reports";
constexpr const char *Listing = "&Reports > Customer Reports > Customer Listing Reports";
constexpr const char *Outstanding = "&Reports > Customer Reports > Customer OutStanding Balance Reports";
constexpr const char *Inventory = "&Reports > Inventory";
constexpr const char *OnHand = "&Reports > Inventory > OnHand Reports";
constexpr const char *ReOrder = "&Reports > Inventory > ReOrder Reports";
constexpr const char *Sold = "&Reports > Inventory > Sold Consolidation Reports";
constexpr const char *Invoices = "&Reports > Invoices";
constexpr const char *Sales = "&Reports > Sales/Consolidation Reports";
constexpr const char *Salesman = "&Reports > Salesman";
constexpr const char *TaxAnnual = "&Reports > Tax Reports > Annual Total Sales Tax";
constexpr const char *TaxDaily = "&Reports > Tax Reports > Daily/Weekly Total Sales Tax";
constexpr const char *TaxMonthly = "&Reports > Tax Reports > Monthly Total Sales Tax";

const MenuEntry Menu[] = {
    {"&File", "&Program Setup...", "SetUp Program specifications", A::Start, "Upd:Setup"},
    {"&File", "Print Blank Credit &Memo", "Print a blank credit memo form", A::PrintBlank, "PRN:CREDITMEMO", 0, true,
     I::PrintBlankCreditMemo},
    {"&File", "Print Blank &Invoice", "Print a blank invoice form", A::PrintBlank, "PRN:INVOICES", 0, true,
     I::PrintBlankInvoice},
    {"&File", "Print Blank P&urchase Order", "Print a blank purchase order form", A::PrintBlank,
     "PRN:PURCHASEORDERS", 0, true, I::PrintBlankPurchaseOrder},
    {"&File", "P&rinter Setup...", "Choose the printer and its settings", A::PrinterSetup},
    {"&File", "&Calculator\tCtrl+C", "Open the calculator", A::Calculator},
    {"&File", "Set P&assword", "Set the password and what it protects", A::SetPassword},
    {FileMaint, "&Convert Data Files", "Convert data files of an earlier version", A::ConvertDataFiles},
    {FileMaint, "&Print Address Labels", "Print address labels typed by hand", A::Start, "PRN:USERLABELS"},
    {ImportMenu, "Import &Customer File", "Import customers from a comma-separated file", A::Start,
     "Win:ImportCustomerFile"},
    {ImportMenu, "Import &Inventory Files", "Import stock items from a comma-separated file", A::Start,
     "Win:ImportStockFile"},
    {ExportMenu, "Export &Customer File", "Export customers to a comma-separated file", A::Start,
     "Win:ExportCustomerFile"},
    {ExportMenu, "Export &Inventory File", "Export stock items to a comma-separated file", A::Start,
     "Win:ExportStockFile"},
    {FileMaint, "&BackUp Data Files", "Back up the data files", A::StartWithMode, "Win:ArchiveDataFiles", 1},
    {FileMaint, "Re&store Data Files", "Restore the data files from a backup", A::StartWithMode,
     "Win:ArchiveDataFiles", 2},
    {FileMaint, "&Remove Old Credit Records", "Remove old credit memos", A::Start, "Win:RemoveOldCreditRecords"},
    {FileMaint, "R&emove Old Invoice Records", "Remove old invoices", A::Start, "Win:RemoveOldInvoiceRecords"},
    {FileMaint, "Re&move Old Purchase Order Records", "Remove old purchase orders", A::Start,
     "Win:RemoveOldPurchaseOrderRecords"},
    {"&File", "E&xit", "Exit the program", A::Exit},

    {"&Tables", "New Credit &Memo", "Create a New Credit Memo", A::NewDocument, "Upd:CreditMemo", NewCreditMemo},
    {"&Tables", "&New Invoice\tCtrl+N", "Create a New Invoice", A::NewDocument, "Upd:Invoice", NewInvoice},
    {"&Tables", "New P&urchase Order", "Create a New Purchase Order", A::NewDocument, "Upd:PurchaseOrder",
     NewPurchaseOrder},
    {"&Tables", "Credit M&emos Table", "Browse the credit memos", A::Start, "Brw:CreditMemos"},
    {"&Tables", "&Customer Table\tCtrl+T", "Browse the customers", A::Start, "Brw:Customers"},
    {"&Tables", "&Invoices Table", "Browse the invoices", A::Start, "Brw:Invoices"},
    {"&Tables", "&Standard Memos", "Browse the standard memos", A::Start, "Brw:GetStandardMemos"},
    {"&Tables", "Inven&tory Table", "Browse the inventory", A::Start, "Brw:Inventory"},
    {"&Tables", "&Purchase Orders Table", "Browse the purchase orders", A::Start, "Brw:PurchaseOrders"},
    {"&Tables", "&Vendor Table", "Browse the vendors", A::Start, "Brw:Vendors"},

    {"&Reports > Credit Memos", "C&redit Memo", "Prints Highlighted Credit Memo", A::PrintCreditMemo,
     "PRN:CREDITMEMO", 0, true, I::CreditMemoPrint},
    {CustomerReports, "Customer &Billing", "Print customer billing", A::StartWithMode,
     "Brw:CustomersPrint_Billing_Labels_Inventory_Envelopes", 4},
    {CustomerReports, "Customer &Finance Statement", "Prints Highlighted Customer's Finance Statement", A::Start,
     "PRN:CUSTOMERFINANCESTATEMENT", 0, true, I::CustomerFinanceStatement},
    {Listing, "By &Email Address", "List customers by e-mail address", A::Start, "PRN:CUSTOMEREMAILLISTING"},
    {Listing, "By &Last Name", "List customers by last name", A::Start, "PRN:CUSTOMERNAMELISTING"},
    {Listing, "By &State", "List customers by state", A::Start, "PRN:CUSTOMERSTATE", 0, false, I::StateItem},
    {Listing, "By &Telephone #", "List customers by telephone number", A::Start, "PRN:CUSTOMERTELEPHONELISTING"},
    {Listing, "By &Postal Code", "List customers by postal code", A::Start, "PRN:CUSTOMERZIPCODELISTING"},
    {Outstanding, "By &Balance", "Outstanding balances by customer", A::Start, "PRN:CUSTOMEROUTSTANDINGBALANCES"},
    {Outstanding, "By &Invoice", "Outstanding balances by invoice", A::Start, "PRN:CUSTOMEROUTSTANDINGINVOICES"},
    {CustomerReports, "Customer &Address Labels", "Print customer address labels", A::StartWithMode,
     "Brw:CustomersPrint_Billing_Labels_Inventory_Envelopes", 1},
    {CustomerReports, "Customer &Shipping Labels", "Print customer shipping labels", A::StartWithMode,
     "Brw:CustomersPrint_Billing_Labels_Inventory_Envelopes", 2},
    {CustomerReports, "E&nvelopes", "Print envelopes", A::StartWithMode,
     "Brw:CustomersPrint_Billing_Labels_Inventory_Envelopes", 6},

    {Inventory, "Inventory &BackOrdered Listing", "List back-ordered stock", A::Start,
     "PRN:INVENTORYBACKORDERSTOCKNO"},
    {Inventory, "Inventory B&est Sellers Listing", "List the best-selling stock", A::Start,
     "PRN:INVENTORYCONSOLIDATIONQUANTITY"},
    {Inventory, "Inventory &Received Listing", "List stock received", A::Start, "PRN:INVENTORYRECEIVEDLISTING"},
    {Inventory, "Inventory &Overage Listing", "List stock above its maximum", A::Start,
     "PRN:INVENTORYOVERAGELISTING"},
    {Inventory, "Inventory &Price Sheet", "Print the price sheet", A::Start, "PRN:INVENTORYPRICESHEET"},
    {OnHand, "By &Category", "Stock on hand by category", A::Start, "PRN:INVENTORYONHANDCATEGORY"},
    {OnHand, "By C&ategory Thin", "Stock on hand by category, compact", A::Start, "PRN:INVENTORYONHANDCATEGORYTHIN"},
    {OnHand, "By &Description", "Stock on hand by description", A::Start, "PRN:INVENTORYONHANDDESCRIPTION"},
    {OnHand, "By  &Manufacturer", "Stock on hand by manufacturer", A::Start, "PRN:INVENTORYONHANDMANUFACTURER"},
    {OnHand, "By &Part Number", "Stock on hand by part number", A::Start, "PRN:INVENTORYONHANDPARTNO"},
    {OnHand, "By &Stock #", "Stock on hand by stock number", A::Start, "PRN:INVENTORYONHANDSTOCKNO"},
    {OnHand, "By &Vendor Name", "Stock on hand by vendor", A::Start, "PRN:INVENTORYONHANDVENDOR"},
    {ReOrder, "By C&ategory", "Stock to reorder by category", A::Start, "PRN:INVENTORYREORDERCATEGORY"},
    {ReOrder, "By D&escription", "Stock to reorder by description", A::Start, "PRN:INVENTORYREORDERDESCRIPTION"},
    {ReOrder, "By Ma&nufacturer", "Stock to reorder by manufacturer", A::Start, "PRN:INVENTORYREORDERMANUFACTURER"},
    {ReOrder, "By S&tock #", "Stock to reorder by stock number", A::Start, "PRN:INVENTORYREORDERSTOCKNO"},
    {ReOrder, "By Vend&or Name", "Stock to reorder by vendor", A::Start, "PRN:INVENTORYREORDERVENDOR"},
    {Sold, "&Annually", "Stock sold in a year", A::Start, "PRN:INVENTORYCONSOLIDATIONANNUALLY"},
    {Sold, "By &Customer", "Stock sold to chosen customers", A::StartWithMode,
     "Brw:CustomersPrint_Billing_Labels_Inventory_Envelopes", 3},
    {Sold, "By &Date", "Stock sold between two dates", A::Start, "PRN:INVENTORYCONSOLIDATIONINDIVIDUALDATES"},
    {Sold, "By &Stock #", "Stock sold by stock number", A::Start, "PRN:INVENTORYCONSOLIDATIONSTOCKNO"},
    {Inventory, "Special &Items Listing", "List the special items", A::Start, "PRN:SPECIALITEMSLISTING"},

    {Invoices, "In&voice - Single", "Prints Highlighted Invoice", A::Start, "PRN:INVOICES", 0, true,
     I::InvoiceSingle},
    {Invoices, "Inv&oice - Mulitple", "Print Range of Invoices", A::Start, "Brw:InvoicesPrintMulitple"},
    {Invoices, "Invoi&ce Listing with Taxes", "List invoices with their taxes", A::Start,
     "PRN:INVOICELISTINGWITHTAXES"},
    {Invoices, "Invoic&e Listing without Taxes", "List invoices without taxes", A::Start,
     "PRN:INVOICELISTINGWITHOUTTAXES"},
    {Invoices, "Invoice &Payment History", "List invoice payments", A::Start, "PRN:INVOICEPAYMENTHISTORY"},
    {Invoices, "&ReOccuring Invoices", "Bill the recurring invoices", A::Start, "Win:ReOccuringInvoices"},
    {Sales, "&Consolidation Report", "Sales consolidation", A::Start, "PRN:CONSOLIDATION"},
    {Sales, "Daily &Receipts Report", "Receipts of a day", A::Start, "PRN:DAILYRECEIPTS"},
    {Sales, "&Daily/Weekly Sales Report", "Sales of a day or week", A::Start, "PRN:SALESDAILY"},
    {Sales, "&Monthly Sales Report", "Sales of a month", A::Start, "PRN:SALESMONTHLY"},
    {Sales, "&Annual Sales Report", "Sales of a year", A::Start, "PRN:SALESANNUAL"},
    {Salesman, "Salesman &Annual Totals", "Salesman totals of a year", A::Start, "PRN:SALESPERSONTOTALSANNUAL"},
    {Salesman, "Salesman &Daily/Weekly Totals", "Salesman totals of a day or week", A::Start,
     "PRN:SALESPERSONTOTALSDAILYWEEKLY"},
    {Salesman, "Salesman &Monthly Totals", "Salesman totals of a month", A::Start, "PRN:SALESPERSONTOTALSMONTHLY"},
    {TaxAnnual, "&Annual", "Sales tax of a year", A::Start, "PRN:TAXANNUALTOTALSALES"},
    {TaxAnnual, "By &Country", "Sales tax of a year by country", A::Start, "PRN:TAXANNUALCOUNTRY", 0, false,
     I::CountryItem},
    {TaxAnnual, "By &State", "Sales tax of a year by state", A::Start, "PRN:TAXANNUALSTATE", 0, false, I::StateItem},
    {TaxDaily, "&Daily/Weekly ", "Sales tax of a day or week", A::Start, "PRN:TAXDAILYTOTALSALES"},
    {TaxDaily, "By &Country", "Sales tax of a day or week by country", A::Start, "PRN:TAXDAILYCOUNTRY", 0, false,
     I::CountryItem},
    {TaxDaily, "By &State", "Sales tax of a day or week by state", A::Start, "PRN:TAXDAILYSTATE", 0, false,
     I::StateItem},
    {TaxMonthly, "&Monthly", "Sales tax of a month", A::Start, "PRN:TAXMONTHLYTOTALSALES"},
    {TaxMonthly, "By &Country", "Sales tax of a month by country", A::Start, "PRN:TAXMONTHLYCOUNTRY", 0, false,
     I::CountryItem},
    {TaxMonthly, "By &State", "Sales tax of a month by state", A::Start, "PRN:TAXMONTHLYSTATE", 0, false,
     I::StateItem},
    {"&Reports > Vendors", "Vendor &Listing", "List the vendors", A::Start, "PRN:VENDORNAME"},
    {"&Reports > Vendors", "&Purchase Order", "Prints Highlighted Purchase Order", A::Start, "PRN:PURCHASEORDERS", 0,
     true, I::PurchaseOrderPrint},

    {"&Help", "&Contents", "Show the help contents", A::HelpContents},
    {"&Help", "&Seach for Help On...", "Search the help", A::HelpSearch},
    {"&Help", "&How to use Help...", "How to use the help", A::HelpHowTo},
    {"&Help", "Visit our WebSite...", "Open our web site", A::WebSite},
    {"&Help", "&About Tallyquill...", "About this program", A::Start, "Win:About"},
};

const MenuEntry Toolbar[] = {
    {"", "Setup...", "Setup...", A::Start, "Upd:Setup"},
    {"", "Create Credit Memo...", "Create Credit Memo...", A::NewDocument, "Upd:CreditMemo", NewCreditMemo},
    {"", "Create New Invoice...", "Create New Invoice...", A::NewDocument, "Upd:Invoice", NewInvoice},
    {"", "Create New Purchase Order...", "Create New Purchase Order...", A::NewDocument, "Upd:PurchaseOrder",
     NewPurchaseOrder},
    {"", "Customer Records...", "Customer Records...", A::Start, "Brw:Customers"},
    {"", "Credit Memo Records...", "Credit Memo Records...", A::Start, "Brw:CreditMemos"},
    {"", "Inventory Records...", "Inventory Records...", A::Start, "Brw:Inventory"},
    {"", "Invoice Records...", "Invoice Records...", A::Start, "Brw:Invoices"},
    {"", "Vendor Records...", "Vendor Records...", A::Start, "Brw:Vendors"},
    {"", "Purchase Order Records...", "Purchase Order Records...", A::Start, "Brw:PurchaseOrders"},
    {"", "Standard Memos...", "Standard Memos...", A::Start, "Brw:GetStandardMemos"},
};

const NavigationButton Navigation[] = {
    {fw::Nav::Top, "Go to the First Page"},    {fw::Nav::PageUp, "Go to the Prior Page"},
    {fw::Nav::Up, "Go to the Prior Record"},   {fw::Nav::Down, "Go to the Next Record"},
    {fw::Nav::PageDown, "Go to the Next Page"}, {fw::Nav::Bottom, "Go to the Last Page"},
    {fw::Nav::Insert, "Insert a New Record"},  {fw::Nav::Change, "Edit This Record"},
    {fw::Nav::Delete, "Delete This Record"},   {fw::Nav::Help, "Get Help"},
};

const BrowseNotification Notifications[] = {
    {CustomerBrowseNotification, I::CustomerFinanceStatement, "Brw:Customers"},
    {CreditMemoBrowseNotification, I::CreditMemoPrint, "Brw:CreditMemos"},
    {PurchaseOrderBrowseNotification, I::PurchaseOrderPrint, "Brw:PurchaseOrders"},
    {InvoiceBrowseNotification, I::InvoiceSingle, "Brw:Invoices"},
};

} // namespace

std::span<const MenuEntry> frameMenu() { return Menu; }
std::span<const BrowseNotification> browseNotifications() { return Notifications; }
std::span<const MenuEntry> frameToolbar() { return Toolbar; }
std::span<const NavigationButton> navigationButtons() { return Navigation; }

} // namespace app
