#include "app/reports/soldreports.h"

#include "app/reports/reportformats.h"
#include "app/reports/taggedcustomers.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/picture.h"
#include "reports/pagechrome.h"
#include "reports/reportcolumns.h"

#include <array>
#include <vector>

namespace PRN {

using namespace rpt;

namespace {

std::string quantity(double value) { return fw::plainNumber(value); }

std::string monthName(int month)
{
    static const std::array<const char *, 12> names{"January", "February", "March",     "April",   "May",      "June",
                                                    "July",    "August",   "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? names[std::size_t(month - 1)] : std::string();
}

// "Last, First", or the company when there is no last name.
std::string buyerName()
{
    if (CUS.LNAME.blank())
        return CUS.COMPANY.str();
    return CUS.FNAME.blank() ? CUS.LNAME.str() : CUS.LNAME.str() + ", " + CUS.FNAME.str();
}

std::string saleDate() { return dateText(DES.DATE); }
std::string saleMonth() { return monthName(DES.MONTH); }

} // namespace

void SoldConsolidation::Sums::add(const Line &line)
{
    quantity += line.quantity;
    amount = dict::roundCents(amount + line.amount);
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
        {"Quantity", 6900, 600, Align::Right, [this] { return quantity(line_.quantity); }}};
    const std::vector<Column> sold{
        {"Stock #", 200, 1500, Align::Left, [this] { return line_.stockNo; }},
        {"Description of Item", 1750, 3200, Align::Left, [this] { return line_.description; }},
        {"Quantity", 5000, 1000, Align::Right, [this] { return quantity(line_.quantity); }},
        {"Amount", 6050, 1450, Align::Right, [this] { return money(line_.amount); }}};
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
                          columns.cell(2, 50, [&s] { return quantity(s.quantity); }),
                          columns.cell(3, 50, [&s] { return totals(s.amount); })}};
    };
    groupFooter_ = sums(std::string(kind.groupTotal), group_);
    closing_ = kind.bestSellers ? Band{} : sums("Running Total:", report_);
}

int SoldConsolidation::OpenFiles()
{
    quotes_.clear();
    pending_ = inGroup_ = false;
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
    if (DES.DATE < GLO.STARTDATE || DES.DATE > GLO.ENDDATE)
        return false;
    auto found = quotes_.find(DES.INVOICENO);
    if (found == quotes_.end()) {
        INV.INVOICENO = DES.INVOICENO;
        const bool quote = Access::INVOICE.TryFetch(INV.InvoiceNo_Key) == dict::Benign && INV.QUOTES != 0;
        found = quotes_.emplace(DES.INVOICENO, quote).first;
    }
    return !found->second;
}

void SoldConsolidation::flush(ReportEngine &engine)
{
    if (!pending_)
        return;
    engine.printBand(detail_);
    pending_ = false;
}

void SoldConsolidation::closeGroup(ReportEngine &engine)
{
    flush(engine);
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
    Line sale{DES.STOCKNO.str(), DES.DESCRIPTION.str(), saleDate(), DES.CUSTOMERNO.str(), {}, DES.QUANTITY,
              dict::roundCents(DES.AMOUNT - DES.DISCOUNTAMOUNT)};
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
    if (kind_.summed && pending_ && line_.stockNo == sale.stockNo) {
        line_.quantity += sale.quantity;
        line_.amount = dict::roundCents(line_.amount + sale.amount);
        return;
    }
    flush(engine);
    if (kind_.bestSellers) {
        CUS.CUSTOMERNO = DES.CUSTOMERNO.view();
        sale.name = Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) == dict::Benign ? buyerName() : std::string();
    }
    line_ = std::move(sale);
    pending_ = true;
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
    .key = DES.Month_Key, .summed = true, .group = saleMonth, .groupCaption = "Month:", .groupTotal = "Monthly Total:"};
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
                           {"Total", 6750, 750, Align::Right, [] { return money(dict::roundCents(STO.COST * STS.AMOUNTRECEIVED)); }}}};
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

void INVENTORYRECEIVEDLISTING::TakeRecord(ReportEngine &engine)
{
    if (STS.DATERECEIVED < GLO.STARTDATE || STS.DATERECEIVED > GLO.ENDDATE)
        return;
    STO.STOCKNO = STS.STOCKNO.view();
    if (Access::STOCK.TryFetch(STO.StockNo_Key) != dict::Benign)
        dict::clearRecord(Access::STOCK.Def(), &STO); // an item deleted since: its receipt still shows
    totalCost_ = dict::roundCents(totalCost_ + dict::roundCents(STO.COST * STS.AMOUNTRECEIVED));
    engine.printDetail();
}

INVENTORYCONSOLIDATIONINDIVIDUALDATES::INVENTORYCONSOLIDATIONINDIVIDUALDATES() : SoldConsolidation(Name, ByDate) {}
INVENTORYCONSOLIDATIONSTOCKNO::INVENTORYCONSOLIDATIONSTOCKNO() : SoldConsolidation(Name, ByStockNo) {}
INVENTORYCONSOLIDATIONANNUALLY::INVENTORYCONSOLIDATIONANNUALLY() : SoldConsolidation(Name, Annually) {}
INVENTORYCONSOLIDATIONQUANTITY::INVENTORYCONSOLIDATIONQUANTITY() : SoldConsolidation(Name, BestSellers) {}

} // namespace PRN
