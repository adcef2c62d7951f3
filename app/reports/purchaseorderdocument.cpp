#include "app/reports/purchaseorderdocument.h"

#include "app/reports/documentform.h"
#include "app/reports/documentmessages.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "dictionary/unitofwork.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"
#include "reports/winroutines.h"

namespace PRN {

using namespace rpt;
using namespace form;

namespace {

std::vector<NumberRow> orderNumbers(const InvoicePrint &p)
{
    return {{"Date:", [&p] { return fw::formatValue(PUR.DATE, p.run.datePicture); }},
            {"Purchase Order #:", [] { return fw::formatValue(PUR.PORDERNO, "@n06"); }},
            {"Account #:", [] { return PUR.ACCOUNTNO.str(); }}};
}

Columns orderColumns(const InvoicePrint &p)
{
    return Columns{{{"Part #", Left, 1150, Align::Left, [] { return PUD.PARTNO.str(); }},
                    {"It #", 1200, 350, Align::Right, [] { return std::to_string(PUD.ITEMNO); }},
                    {"Quantity", 1600, 750, Align::Right, [&p] { return quantityText(PUD.QUANTITY, p.run.quantity); }},
                    {"Description", 2450, 2500},
                    {"Cost", 5000, 850, Align::Right, [&p] { return shown(PUD.COST, p.run.money); }},
                    {"Amount", 5950, 850, Align::Right, [&p] { return shown(PUD.AMOUNTCOST, p.run.money); }},
                    {"Unit", 6900, 600, Align::Left, [] { return PUD.PACKAGESIZE.str(); }}},
                   Body,
                   Bold};
}

Layout orderLayout(const InvoicePrint &p, Band &totals)
{
    const DocumentForm b(p);
    std::vector<Item> header;
    b.companyBlock(header);
    header.push_back(b.caption({4000, 0, 3500, 420}, "PURCHASE ORDER", Heading, Align::Right));
    b.numbers(header, orderNumbers(p), 4400);
    b.addressBox(header, Left, "VENDOR", VendorBlock);
    const Columns columns = orderColumns(p);
    b.captions(columns, header);
    totals = b.totalsBand([] { return PUR.TAXINFO.str(); });
    return Layout{.pageHeader = {HeaderHeight, std::move(header)},
                  .detail = {200, joined(columns.cells(10), {wrapped(columns.cell(3, 10, [] { return PUD.DESCRIPTION.str(); }, Body))})},
                  .pageFooter = b.footer(false)};
}

std::vector<TotalsRow> orderTotals(const dict::PURORDERRecord &order, double subTotal, const InvoiceRun &run)
{
    const std::string totals = run.totals + "b";
    return {{"SubTotal:", shown(subTotal, totals)},
            {"PO Total:", shown(order.TOTALDUE, totals)},
            {"Paid:", shown(order.AMOUNTPAID, run.money + "b")},
            {"Total Due:", shown(order.AMOUNTOWED, run.totals), true}};
}

} // namespace

PURCHASEORDERS::PURCHASEORDERS() : SingleDocument(Name, {Relate::PURORDER, Access::PURORDER, PUR.POrderNo_Key, dict::field(PUR.PORDERNO),
                                                    dict::field(PUR.PRINTED), [] { return dict::LONG{GLO.PURCHASEORDERNO}; },
                                                    app::DocMsg::PurchaseOrderNotFound, "Purchase order"})
{
    layout_ = orderLayout(print_, totals_);
    ReadsFiles({&Access::PURORDER, &Access::PURDESCRIPTION, &Access::VENDOR, &Access::SETUP});
}

bool PURCHASEORDERS::readOrder(dict::LONG orderNo)
{
    dict::UnitOfWork unit{&Access::PURORDER, &Access::PURDESCRIPTION, &Access::VENDOR};
    if (!unit.Active())
        return Access::PURORDER.Throw(dict::Msg::RetrievalError), false;
    PUR.PORDERNO = orderNo;
    if (Access::PURORDER.TryFetch(PUR.POrderNo_Key) != dict::Benign) {
        unit.Rollback();
        return false;
    }
    order_ = PUR;
    memo_ = PUR.MEMOS.str();
    VEN.ACCOUNTNO = PUR.ACCOUNTNO;
    vendor_ = Access::VENDOR.TryFetch(VEN.VendorNo_Key) == dict::Benign ? dict::VENDORRecord(VEN) : dict::VENDORRecord{};
    lines_.clear();
    for (const auto &line : dict::range(PUD.PurOrderItem_Key, orderNo))
        lines_.push_back(line);
    unit.Rollback();
    return true;
}

void PURCHASEORDERS::TakeRecord(ReportEngine &engine)
{
    if (!printing() || !readOrder(number()))
        return;
    engine.startDocument();
    static_cast<dict::PURORDERRecord &>(PUR) = order_;
    PUR.MEMOS = memo_;
    static_cast<dict::VENDORRecord &>(VEN) = vendor_;
    GLO.WINROUTINE = WIN::VendorAddress;
    WIN::ROUTINES();
    double subTotal = 0;
    for (const dict::PURDESCRIPTIONRecord &line : lines_)
        subTotal = dict::roundCents(subTotal + line.AMOUNTCOST);
    print_.haveDocument = true;
    print_.memo = memo_;
    print_.totals = orderTotals(order_, subTotal, print_.run);
    for (const dict::PURDESCRIPTIONRecord &line : lines_) {
        static_cast<dict::PURDESCRIPTIONRecord &>(PUD) = line;
        engine.printDetail();
    }
    engine.printBand(totals_);
    laidOut();
}

} // namespace PRN
