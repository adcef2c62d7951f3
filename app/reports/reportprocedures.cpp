#include "app/reports/reportprocedures.h"

#include "app/reports/billingstatement.h"
#include "app/reports/customerbalances.h"
#include "app/reports/customerlabels.h"
#include "app/reports/customerlistings.h"
#include "app/reports/customerstatements.h"
#include "app/reports/envelopes.h"
#include "app/reports/inventoryreports.h"
#include "app/reports/creditmemodocument.h"
#include "app/reports/invoicedocuments.h"
#include "app/reports/purchaseorderdocument.h"
#include "app/reports/receipts.h"
#include "app/reports/salessummaries.h"
#include "app/reports/soldreports.h"
#include "app/reports/stocklistings.h"
#include "app/reports/taxbyregion.h"
#include "app/reports/vendorlisting.h"
#include "app/shell/procedures.h"
#include "reports/reportcatalogue.h"

#include <memory>
#include <string>

namespace app {

namespace {

template <typename Report>
void built()
{
    rpt::registerReport(Report::Name, [] { return std::make_unique<Report>(); });
}

} // namespace

void registerReportProcedures()
{
    built<PRN::CUSTOMEREMAILLISTING>();
    built<PRN::CUSTOMERLABELS>();
    built<PRN::USERLABELS>();
    built<PRN::CUSTOMEROUTSTANDINGBALANCES>();
    built<PRN::CUSTOMEROUTSTANDINGINVOICES>();
    built<PRN::CUSTOMERFINANCESTATEMENT>();
    built<PRN::INVOICEPAYMENTHISTORY>();
    built<PRN::CUSTOMERBILLING>();
    built<PRN::ENVELOPES>();
    built<PRN::INVENTORYONHANDCATEGORY>();
    built<PRN::INVENTORYONHANDCATEGORYTHIN>();
    built<PRN::INVENTORYONHANDDESCRIPTION>();
    built<PRN::INVENTORYONHANDMANUFACTURER>();
    built<PRN::INVENTORYONHANDPARTNO>();
    built<PRN::INVENTORYONHANDSTOCKNO>();
    built<PRN::INVENTORYONHANDVENDOR>();
    built<PRN::INVENTORYREORDERCATEGORY>();
    built<PRN::INVENTORYREORDERDESCRIPTION>();
    built<PRN::INVENTORYREORDERMANUFACTURER>();
    built<PRN::INVENTORYREORDERSTOCKNO>();
    built<PRN::INVENTORYREORDERVENDOR>();
    built<PRN::INVENTORYOVERAGELISTING>();
    built<PRN::INVENTORYBACKORDERSTOCKNO>();
    built<PRN::INVENTORYPRICESHEET>();
    built<PRN::SPECIALITEMSLISTING>();
    built<PRN::INVENTORYCONSOLIDATIONINDIVIDUALDATES>();
    built<PRN::INVENTORYCONSOLIDATIONSTOCKNO>();
    built<PRN::INVENTORYCONSOLIDATIONANNUALLY>();
    built<PRN::INVENTORYCONSOLIDATIONQUANTITY>();
    built<PRN::INVENTORYCONSOLIDATIONCUSTOMER>();
    built<PRN::INVENTORYRECEIVEDLISTING>();
    built<PRN::SALESDAILY>();
    built<PRN::SALESMONTHLY>();
    built<PRN::SALESANNUAL>();
    built<PRN::TAXDAILYTOTALSALES>();
    built<PRN::TAXMONTHLYTOTALSALES>();
    built<PRN::TAXANNUALTOTALSALES>();
    built<PRN::INVOICELISTINGWITHTAXES>();
    built<PRN::INVOICELISTINGWITHOUTTAXES>();
    built<PRN::DAILYRECEIPTS>();
    built<PRN::SALESPERSONTOTALSDAILYWEEKLY>();
    built<PRN::SALESPERSONTOTALSMONTHLY>();
    built<PRN::SALESPERSONTOTALSANNUAL>();
    built<PRN::TAXDAILYSTATE>();
    built<PRN::TAXDAILYCOUNTRY>();
    built<PRN::TAXMONTHLYSTATE>();
    built<PRN::TAXMONTHLYCOUNTRY>();
    built<PRN::TAXANNUALSTATE>();
    built<PRN::TAXANNUALCOUNTRY>();
    built<PRN::VENDORNAME>();
    built<PRN::CONSOLIDATION>();
    built<PRN::CUSTOMERNAMELISTING>();
    built<PRN::CUSTOMERSTATE>();
    built<PRN::CUSTOMERTELEPHONELISTING>();
    built<PRN::CUSTOMERZIPCODELISTING>();
    built<PRN::INVOICES>();
    built<PRN::CREDITMEMO>();
    built<PRN::PURCHASEORDERS>();
    built<PRN::INVOICESTAGGED>();
    built<PRN::INVOICESPICKLIST>();
    built<PRN::INVOICESPICKLISTTAGGED>();
    // Only a report that can print is a procedure of the frame: callers ask procedureDefined()
    // before they hand a report their settings, and the frame names the others as not defined.
    for (const rpt::CatalogueEntry &entry : rpt::reportCatalogue()) {
        if (!rpt::makeReport(entry.name))
            continue;
        std::string name(entry.name);
        registerProcedure(name, [name] { rpt::makeReport(name)->Run(); });
    }
}

} // namespace app
