#include "app/reports/reportprocedures.h"

#include "app/reports/billingstatement.h"
#include "app/reports/customerbalances.h"
#include "app/reports/customerlabels.h"
#include "app/reports/customerlistings.h"
#include "app/reports/customerstatements.h"
#include "app/reports/envelopes.h"
#include "app/reports/inventoryreports.h"
#include "app/reports/soldreports.h"
#include "app/reports/stocklistings.h"
#include "app/reports/invoicedocuments.h"
#include "app/shell/procedures.h"
#include "reports/reportcatalogue.h"

#include <memory>
#include <string>

namespace app {

namespace {

template <typename Report>
void built(std::string_view name)
{
    rpt::registerReport(name, [] { return std::make_unique<Report>(); });
}

} // namespace

void registerReportProcedures()
{
    built<PRN::CUSTOMEREMAILLISTING>("PRN:CUSTOMEREMAILLISTING");
    built<PRN::CUSTOMERLABELS>("PRN:CUSTOMERLABELS");
    built<PRN::USERLABELS>("PRN:USERLABELS");
    built<PRN::CUSTOMEROUTSTANDINGBALANCES>("PRN:CUSTOMEROUTSTANDINGBALANCES");
    built<PRN::CUSTOMEROUTSTANDINGINVOICES>("PRN:CUSTOMEROUTSTANDINGINVOICES");
    built<PRN::CUSTOMERFINANCESTATEMENT>("PRN:CUSTOMERFINANCESTATEMENT");
    built<PRN::INVOICEPAYMENTHISTORY>("PRN:INVOICEPAYMENTHISTORY");
    built<PRN::CUSTOMERBILLING>("PRN:CUSTOMERBILLING");
    built<PRN::ENVELOPES>("PRN:ENVELOPES");
    built<PRN::INVENTORYONHANDCATEGORY>("PRN:INVENTORYONHANDCATEGORY");
    built<PRN::INVENTORYONHANDCATEGORYTHIN>("PRN:INVENTORYONHANDCATEGORYTHIN");
    built<PRN::INVENTORYONHANDDESCRIPTION>("PRN:INVENTORYONHANDDESCRIPTION");
    built<PRN::INVENTORYONHANDMANUFACTURER>("PRN:INVENTORYONHANDMANUFACTURER");
    built<PRN::INVENTORYONHANDPARTNO>("PRN:INVENTORYONHANDPARTNO");
    built<PRN::INVENTORYONHANDSTOCKNO>("PRN:INVENTORYONHANDSTOCKNO");
    built<PRN::INVENTORYONHANDVENDOR>("PRN:INVENTORYONHANDVENDOR");
    built<PRN::INVENTORYREORDERCATEGORY>("PRN:INVENTORYREORDERCATEGORY");
    built<PRN::INVENTORYREORDERDESCRIPTION>("PRN:INVENTORYREORDERDESCRIPTION");
    built<PRN::INVENTORYREORDERMANUFACTURER>("PRN:INVENTORYREORDERMANUFACTURER");
    built<PRN::INVENTORYREORDERSTOCKNO>("PRN:INVENTORYREORDERSTOCKNO");
    built<PRN::INVENTORYREORDERVENDOR>("PRN:INVENTORYREORDERVENDOR");
    built<PRN::INVENTORYOVERAGELISTING>("PRN:INVENTORYOVERAGELISTING");
    built<PRN::INVENTORYBACKORDERSTOCKNO>("PRN:INVENTORYBACKORDERSTOCKNO");
    built<PRN::INVENTORYPRICESHEET>("PRN:INVENTORYPRICESHEET");
    built<PRN::SPECIALITEMSLISTING>("PRN:SPECIALITEMSLISTING");
    built<PRN::INVENTORYCONSOLIDATIONINDIVIDUALDATES>("PRN:INVENTORYCONSOLIDATIONINDIVIDUALDATES");
    built<PRN::INVENTORYCONSOLIDATIONSTOCKNO>("PRN:INVENTORYCONSOLIDATIONSTOCKNO");
    built<PRN::INVENTORYCONSOLIDATIONANNUALLY>("PRN:INVENTORYCONSOLIDATIONANNUALLY");
    built<PRN::INVENTORYCONSOLIDATIONQUANTITY>("PRN:INVENTORYCONSOLIDATIONQUANTITY");
    built<PRN::INVENTORYCONSOLIDATIONCUSTOMER>("PRN:INVENTORYCONSOLIDATIONCUSTOMER");
    built<PRN::INVENTORYRECEIVEDLISTING>("PRN:INVENTORYRECEIVEDLISTING");
    built<PRN::CUSTOMERNAMELISTING>("PRN:CUSTOMERNAMELISTING");
    built<PRN::CUSTOMERSTATE>("PRN:CUSTOMERSTATE");
    built<PRN::CUSTOMERTELEPHONELISTING>("PRN:CUSTOMERTELEPHONELISTING");
    built<PRN::CUSTOMERZIPCODELISTING>("PRN:CUSTOMERZIPCODELISTING");
    built<PRN::INVOICES>("PRN:INVOICES");
    built<PRN::INVOICESTAGGED>("PRN:INVOICESTAGGED");
    built<PRN::INVOICESPICKLIST>("PRN:INVOICESPICKLIST");
    built<PRN::INVOICESPICKLISTTAGGED>("PRN:INVOICESPICKLISTTAGGED");
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
