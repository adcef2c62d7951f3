#include "app/shell/procedures.h"

#include "app/shell/about.h"
#include "app/creditmemos/creditmemoform.h"
#include "app/creditmemos/creditmemos.h"
#include "app/customers/customers.h"
#include "app/inventory/inventory.h"
#include "app/invoices/invoiceform.h"
#include "app/invoices/invoices.h"
#include "app/memos/standardmemos.h"
#include "app/payments/financehistory.h"
#include "app/purchasing/purchaseorderform.h"
#include "app/purchasing/purchaseorders.h"
#include "app/purchasing/purchaseordershistory.h"
#include "app/purchasing/vendorsfinance.h"
#include "app/setup/setup.h"
#include "app/vendors/vendors.h"
#include "app/printselect/tagbrowses.h"
#include "app/recurring/recurringrun.h"
#include "app/reports/reportprocedures.h"
#include "dictionary/errorreporter.h"
#include "framework/errorclass.h"
#include "framework/globalcodes.h"
#include "framework/reportslib.h"

#include <map>

namespace app {

namespace {

std::map<std::string, ProcedureRunner, std::less<>> &registry()
{
    static std::map<std::string, ProcedureRunner, std::less<>> procedures;
    return procedures;
}

std::map<std::string, CalledProcedure, std::less<>> &calledRegistry()
{
    static std::map<std::string, CalledProcedure, std::less<>> procedures;
    return procedures;
}

template <typename Procedure>
ProcedureRunner started()
{
    return [] { (new Procedure)->Start(); };
}

template <typename Procedure>
CalledProcedure called()
{
    return [] {
        Procedure procedure;
        return procedure.Run();
    };
}

} // namespace

void registerProcedure(std::string name, ProcedureRunner runner) { registry()[std::move(name)] = std::move(runner); }

bool procedureDefined(std::string_view name) { return registry().find(name) != registry().end(); }

std::vector<std::string> procedureNames()
{
    std::vector<std::string> names;
    for (const auto &entry : registry())
        names.push_back(entry.first);
    return names;
}

void runProcedure(std::string_view name)
{
    const auto found = registry().find(name);
    if (found == registry().end()) {
        REPORTS::Errors().ThrowMessage(dict::Msg::ProcedureNotDefined, name);
        return;
    }
    found->second();
}

void registerCalledProcedure(std::string name, CalledProcedure runner)
{
    calledRegistry()[std::move(name)] = std::move(runner);
}

bool calledProcedureDefined(std::string_view name) { return calledRegistry().find(name) != calledRegistry().end(); }

int callProcedure(std::string_view name)
{
    const auto found = calledRegistry().find(name);
    if (found == calledRegistry().end()) {
        GlobalRequest = fw::NoRequest;
        REPORTS::Errors().ThrowMessage(dict::Msg::ProcedureNotDefined, name);
        return fw::RequestCancelled;
    }
    return found->second();
}

void registerProgramProcedures()
{
    registerProcedure("Upd:Setup", started<Upd::Setup>());
    registerProcedure("Win:About", started<Win::About>());
    registerProcedure("Brw:CustomersPrint_Billing_Labels_Inventory_Envelopes",
                      started<Brw::CustomersPrint_Billing_Labels_Inventory_Envelopes>());
    registerProcedure("Brw:InvoicesPrintMulitple", started<Brw::InvoicesPrintMulitple>());
    registerProcedure("Brw:Customers", started<Brw::Customers>());
    registerProcedure("Brw:Inventory", started<Brw::Inventory>());
    registerProcedure("Upd:Invoice", started<Upd::Invoice>());
    registerProcedure("Brw:Invoices", started<Brw::Invoices>());
    registerProcedure("Win:ReOccuringInvoices", started<Win::ReOccuringInvoices>());
    registerProcedure("Brw:GetStandardMemos", started<Brw::GetStandardMemos>());
    registerProcedure("Brw:CustomersFinanceHistory", started<Brw::CustomersFinanceHistory>());
    registerProcedure("Upd:CreditMemo", started<Upd::CreditMemo>());
    registerProcedure("Brw:CreditMemos", started<Brw::CreditMemos>());
    registerProcedure("Brw:Vendors", started<Brw::Vendors>());
    registerProcedure("Brw:VendorsFinance", started<Brw::VendorsFinance>());
    registerProcedure("Brw:PurchaseOrdersHistory", started<Brw::PurchaseOrdersHistory>());
    registerProcedure("Brw:PurchaseOrders", started<Brw::PurchaseOrders>());
    registerProcedure("Upd:PurchaseOrder", started<Upd::PurchaseOrder>());
    registerCalledProcedure("Upd:PurchaseOrder", called<Upd::PurchaseOrder>());
    registerReportProcedures();
}

} // namespace app
