#include "app/reports/soldreports.h"

#include "app/common/entryclaims.h"

#include "app/reports/reportformats.h"
#include "app/reports/salessummaries.h"
#include "app/reports/taggedcustomers.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/picture.h"
#include "reports/pagechrome.h"
#include "reports/reportcolumns.h"

#include <algorithm>
#include <array>
#include <vector>

namespace PRN {

using namespace rpt;

namespace {

// "Last, First", or the company when there is no last name.
std::string buyerName()
{
    if (CUS.LNAME.blank())
        return CUS.COMPANY.str();
    return CUS.FNAME.blank() ? CUS.LNAME.str() : CUS.LNAME.str() + ", " + CUS.FNAME.str();
}

std::string saleDate() { return dateText(DES.DATE); }
// The month and year, so that the months of different years stay apart.
std::string saleMonth() { return monthLabelOf(DES.DATE); }

} // namespace

void SoldConsolidation::Sums::add(const Sums &line)
{
    quantity += line.quantity;
    amount += line.amount;
}

SoldConsolidation::SoldConsolidation(std::string_view name, const Kind &kind) : ReportProcedure(name), kind_(kind)
{
    ReadsFiles({&Access::DESCRIPTION, &Access::INVOICE, &Access::CUSTOMER});
    const std::vector<Column> bestSellers{
        {"Date", 0, 850, Align::Left, [this] { return line_.date; }},
        {"Stock #", 900, 1100, Align::Left, [this] { return line_.stockNo; }},
        {"Description of Item", 2050, 2300, Align::Left, [this] { return line_.description; }},
        {"Customer #", 4400, 900, Align::Left, [this] { return line_.customerNo; }},
        {"Name", 5350, 1500, Align::Left, [this] { return line_.name; }},
        {"Quantity", 6900, 600, Align::Right, [this] { return quantity(line_.quantity.toDouble()); }}};
    const std::vector<Column> sold{
        {"Stock #", 200, 1500, Align::Left, [this] { return line_.stockNo; }},
        {"Description of Item", 1750, 3200, Align::Left, [this] { return line_.description; }},
        {"Quantity", 5000, 1000, Align::Right, [this] { return quantity(line_.quantity.toDouble()); }},
        {"Amount", 6050, 1450, Align::Right, [this] { return money(line_.amount.toDouble()); }}};
    const Columns columns{kind.bestSellers ? bestSellers : sold};
    std::vector<Item> header{titleLine(),
                             computed({0, 320, PageWidth, 180}, [] { return dateText(GLO.STARTDATE) + " - " + dateText(GLO.ENDDATE); },
                                      Body, Align::Center),
                             ruleAcross(750)};
    layout_ = Layout{.pageHeader = {800, joined(std::move(header), columns.captions(560))}, .pageFooter = pageFooter()};
    detail_ = Band{180, columns.cells(10)};
    groupHeader_ = Band{230, {text({0, 40, 1200, 170}, std::string(kind.groupCaption), Bold),
                              computed({1250, 40, 4000, 170}, [this] { return groupValue_; }, Bold)}};
    // Sums under the quantity and amount of the lines summed.
    auto sums = [&columns](std::string caption, const Sums &s) {
        return Band{280, {columns.ruleOver(2, 3, 20), text({1750, 50, 3200, 160}, std::move(caption), LineBold, Align::Right),
                          columns.cell(2, 50, [&s] { return quantity(s.quantity.toDouble()); }),
                          columns.cell(3, 50, [&s] { return totals(s.amount.toDouble()); })}};
    };
    groupFooter_ = sums(std::string(kind.groupTotal), group_);
    closing_ = kind.bestSellers ? Band{} : sums("Running Total:", report_);
}

int SoldConsolidation::OpenFiles()
{
    invoices_.clear();
    summed_.clear();
    inGroup_ = false;
    group_ = report_ = {};
    return ReportProcedure::OpenFiles();
}

void SoldConsolidation::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::DESCRIPTION);
    view.AddSortOrder(kind_.key);
}

bool SoldConsolidation::sold()
{
    if (DES.LABORBUTTON != 0 || DES.DATE < GLO.STARTDATE || DES.DATE > GLO.ENDDATE)
        return false;
    auto found = invoices_.find(DES.INVOICENO);
    if (found == invoices_.end()) {
        Invoice invoice;
        INV.INVOICENO = DES.INVOICENO;
        if (Access::INVOICE.TryFetch(INV.InvoiceNo_Key) == dict::Benign)
            invoice = {INV.QUOTES == 0 && !app::beingEntered(INV), INV.CUSTOMERDISCOUNT != 0};
        found = invoices_.emplace(DES.INVOICENO, invoice).first;
    }
    return found->second.sold;
}

void SoldConsolidation::printLine(ReportEngine &engine, const Line &line)
{
    line_ = line;
    engine.printBand(detail_);
}

// A summed group's lines print when it closes, one per stock number.
void SoldConsolidation::closeGroup(ReportEngine &engine)
{
    for (const auto &[stockNo, line] : summed_)
        printLine(engine, line);
    summed_.clear();
    if (inGroup_ && !kind_.groupTotal.empty())
        engine.printBand(groupFooter_);
    inGroup_ = false;
}

void SoldConsolidation::TakeRecord(ReportEngine &engine) { takeSale(engine); }

std::string SoldConsolidation::groupOf() { return kind_.group ? kind_.group() : std::string(); }

void SoldConsolidation::takeSale(ReportEngine &engine)
{
    if (!sold())
        return;
    // Under the customer's discount a line is stored gross; with a line discount it is net already.
    const bool gross = invoices_[DES.INVOICENO].customerDiscount;
    Line sale;
    sale.quantity = dict::Decimal(DES.QUANTITY);
    sale.amount = (dict::Decimal(DES.AMOUNT) - (gross ? dict::Decimal(DES.DISCOUNTAMOUNT) : dict::Decimal())).roundedToCents();
    sale.stockNo = DES.STOCKNO.str();
    sale.description = DES.DESCRIPTION.str();
    sale.date = saleDate();
    sale.customerNo = DES.CUSTOMERNO.str();
    const std::string group = groupOf();
    if (!inGroup_ || group != groupValue_) {
        closeGroup(engine);
        groupValue_ = group;
        group_ = {};
        inGroup_ = true;
        if (!kind_.groupCaption.empty())
            engine.printBand(groupHeader_);
    }
    group_.add(sale);
    report_.add(sale);
    if (kind_.summed) {
        const auto [kept, first] = summed_.try_emplace(sale.stockNo, sale);
        if (!first)
            kept->second.add(sale);
        return;
    }
    if (kind_.bestSellers) {
        CUS.CUSTOMERNO = DES.CUSTOMERNO.view();
        sale.name = Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) == dict::Benign ? buyerName() : std::string();
    }
    printLine(engine, sale);
}

void SoldConsolidation::Finishing(ReportEngine &engine)
{
    closeGroup(engine);
    ReportProcedure::Finishing(engine);
}

namespace {

const SoldConsolidation::Kind ByDate{
    .key = DES.Date_Key, .group = saleDate, .groupCaption = "Date:", .groupTotal = "Item Totals"};
const SoldConsolidation::Kind ByStockNo{.key = DES.StockNo_Key, .summed = true};
const SoldConsolidation::Kind Annually{
    .key = DES.Date_Key, .summed = true, .group = saleMonth, .groupCaption = "Month:", .groupTotal = "Monthly Total:"};
const SoldConsolidation::Kind BestSellers{.key = DES.Quanity_Key, .bestSellers = true};
const SoldConsolidation::Kind ByCustomer{
    .key = DES.CustomerNo_Key, .summed = true, .groupCaption = "Customer:", .groupTotal = "Item Totals"};

// The customer as the consolidation names it: first and last name, or the company without a
// last name.
std::string customerHeading()
{
    if (CUS.LNAME.blank())
        return CUS.COMPANY.str();
    return CUS.FNAME.blank() ? CUS.LNAME.str() : CUS.FNAME.str() + ' ' + CUS.LNAME.str();
}

} // namespace

INVENTORYCONSOLIDATIONCUSTOMER::INVENTORYCONSOLIDATIONCUSTOMER() : OverTaggedCustomers(Name, ByCustomer)
{
    ReadsFiles({&Access::DESCRIPTION, &Access::INVOICE, &Access::CUSTOMER, &Access::TAGFILEPOS_});
}

// The tagged customer's lines, by stock number.
void INVENTORYCONSOLIDATIONCUSTOMER::TakeCustomer(ReportEngine &engine)
{
    buyer_ = CUS.CUSTOMERNO.str() + "  " + customerHeading();
    for (const dict::DESCRIPTIONRecord &line : dict::range(DES.CustomerNo_Key, CUS.CUSTOMERNO)) {
        static_cast<dict::DESCRIPTIONRecord &>(DES) = line;
        takeSale(engine);
    }
}

// --- Received ---------------------------------------------------------------------------------

INVENTORYRECEIVEDLISTING::INVENTORYRECEIVEDLISTING() : ReportProcedure(Name)
{
    ReadsFiles({&Access::STSTREND, &Access::STOCK});
    const Columns columns{{{"Stock #", 0, 1200, Align::Left, [] { return STS.STOCKNO.str(); }},
                           {"Description", 1250, 2100, Align::Left, [] { return STO.DESCRIPTION.str(); }},
                           {"Location", 3400, 700, Align::Left, [] { return STO.LOCATION.str(); }},
                           {"Date Added", 4150, 850, Align::Left, [] { return dateText(STS.DATERECEIVED); }},
                           {"Amount Added", 5050, 950, Align::Right, [] { return quantity(STS.AMOUNTRECEIVED); }},
                           {"Single", 6050, 650, Align::Right, [] { return money(STO.COST); }},
                           {"Total", 6750, 750, Align::Right, [] { return money(dict::extendedCents(STS.AMOUNTRECEIVED, STO.COST)); }}}};
    std::vector<Item> header{titleLine(),
                             computed({0, 320, PageWidth, 180}, [] { return dateText(GLO.STARTDATE) + " - " + dateText(GLO.ENDDATE); },
                                      Body, Align::Center),
                             ruleAcross(750)};
    layout_ = Layout{.pageHeader = {800, joined(std::move(header), columns.captions(560))},
                     .detail = {180, columns.cells(10)},
                     .pageFooter = pageFooter()};
    closing_ = Band{280, {columns.ruleOver(5, 6, 20), text({4250, 50, 1750, 160}, "Total Cost:", LineBold, Align::Right),
                          columns.cell(6, 50, [this] { return totals(totalCost_); })}};
}

int INVENTORYRECEIVEDLISTING::OpenFiles()
{
    totalCost_ = 0;
    return ReportProcedure::OpenFiles();
}

void INVENTORYRECEIVEDLISTING::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::STSTREND);
    view.AddSortOrder(STS.StockNo_Key);
}

// The item the receipt was of: of those with its stock number, the one with its part number
// (two items may share a stock number); an item deleted since leaves its receipt blank beside.
void INVENTORYRECEIVEDLISTING::fetchReceivedItem()
{
    const auto items = dict::range(STO.StockNo_Key, STS.STOCKNO);
    const auto same = std::find_if(items.begin(), items.end(), [](const auto &item) { return item.PARTNO == STS.PARTNO; });
    if (same != items.end())
        static_cast<dict::STOCKRecord &>(STO) = *same;
    else if (!items.empty())
        static_cast<dict::STOCKRecord &>(STO) = items.front();
    else
        dict::clearRecord(Access::STOCK.Def(), &STO);
}

void INVENTORYRECEIVEDLISTING::TakeRecord(ReportEngine &engine)
{
    if (STS.DATERECEIVED < GLO.STARTDATE || STS.DATERECEIVED > GLO.ENDDATE)
        return;
    fetchReceivedItem();
    totalCost_ = dict::roundCents(totalCost_ + dict::extendedCents(STS.AMOUNTRECEIVED, STO.COST));
    engine.printDetail();
}

INVENTORYCONSOLIDATIONINDIVIDUALDATES::INVENTORYCONSOLIDATIONINDIVIDUALDATES() : SoldConsolidation(Name, ByDate) {}
INVENTORYCONSOLIDATIONSTOCKNO::INVENTORYCONSOLIDATIONSTOCKNO() : SoldConsolidation(Name, ByStockNo) {}
INVENTORYCONSOLIDATIONANNUALLY::INVENTORYCONSOLIDATIONANNUALLY() : SoldConsolidation(Name, Annually) {}
INVENTORYCONSOLIDATIONQUANTITY::INVENTORYCONSOLIDATIONQUANTITY() : SoldConsolidation(Name, BestSellers) {}

} // namespace PRN
