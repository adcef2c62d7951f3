#include "app/reports/soldreports.h"

#include "app/reports/reportformats.h"
#include "app/reports/taggedcustomers.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/picture.h"

#include <array>
#include <vector>

namespace PRN {

using namespace rpt;

namespace {

const Font LineFont{.points = 8};
const Font LineBoldFont{.points = 8, .bold = true};

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

SoldConsolidation::SoldConsolidation(const Kind &kind) : ReportProcedure({kind.name, kind.title, true}), kind_(kind)
{
    ReadsFiles({&Access::DESCRIPTION, &Access::INVOICE, &Access::CUSTOMER});
    std::vector<Item> header{text({500, 0, 7500, 280}, std::string(kind.title), Title, Align::Center),
                             computed({500, 320, 7500, 180}, [] { return dateText(GLO.STARTDATE) + " - " + dateText(GLO.ENDDATE); },
                                      Body, Align::Center)};
    std::vector<Item> cells;
    auto column = [&](const char *caption, int x, int width, bool right, auto value) {
        header.push_back(text({x, 560, width, 160}, caption, LineBoldFont, right ? Align::Right : Align::Left));
        cells.push_back(computed({x, 10, width, 150}, value, LineFont, right ? Align::Right : Align::Left));
    };
    if (kind.bestSellers) {
        column("Date", 500, 850, false, [this] { return line_.date; });
        column("Stock #", 1400, 1100, false, [this] { return line_.stockNo; });
        column("Description of Item", 2550, 2300, false, [this] { return line_.description; });
        column("Customer #", 4900, 900, false, [this] { return line_.customerNo; });
        column("Name", 5850, 1500, false, [this] { return line_.name; });
        column("Quantity", 7400, 600, true, [this] { return quantity(line_.quantity); });
    } else {
        column("Stock #", 700, 1500, false, [this] { return line_.stockNo; });
        column("Description of Item", 2250, 3200, false, [this] { return line_.description; });
        column("Quantity", 5500, 1000, true, [this] { return quantity(line_.quantity); });
        column("Amount", 6550, 1450, true, [this] { return money(line_.amount); });
    }
    header.push_back(line({500, 750, 7500, 0}));
    layout_ = Layout{.name = std::string(kind.title),
                     .pageHeader = {800, std::move(header)},
                     .pageFooter = {250, {rpt::line({500, 0, 7500, 0}), pageNofM({500, 40, 7500, 180}, Small, Align::Right)}}};
    detail_ = Band{180, std::move(cells)};
    groupHeader_ = Band{230, {text({500, 40, 1200, 170}, std::string(kind.groupCaption), Bold),
                              computed({1750, 40, 4000, 170}, [this] { return groupValue_; }, Bold)}};
    auto sums = [](std::string caption, const Sums &s) {
        return Band{280, {rpt::line({5500, 20, 2500, 0}, 5), text({2250, 50, 3200, 160}, std::move(caption), LineBoldFont, Align::Right),
                          computed({5500, 50, 1000, 160}, [&s] { return quantity(s.quantity); }, LineBoldFont, Align::Right),
                          computed({6550, 50, 1450, 160}, [&s] { return totals(s.amount); }, LineBoldFont, Align::Right)}};
    };
    groupFooter_ = sums(std::string(kind.groupTotal), group_);
    total_ = kind.bestSellers ? Band{} : sums("Running Total:", report_);
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
    engine.printBand(total_);
}

namespace {

const SoldConsolidation::Kind ByDate{"PRN:INVENTORYCONSOLIDATIONINDIVIDUALDATES", "Inventory Sold Consolidation List",
                                     DES.Date_Key, false, saleDate, "Date:", "Item Totals"};
const SoldConsolidation::Kind ByStockNo{"PRN:INVENTORYCONSOLIDATIONSTOCKNO", "Inventory Sold Consolidation List",
                                        DES.StockNo_Key, true, nullptr, {}, {}};
const SoldConsolidation::Kind Annually{"PRN:INVENTORYCONSOLIDATIONANNUALLY", "Inventory Sold Consolidation List - Annual",
                                       DES.Month_Key, true, saleMonth, "Month:", "Monthly Total:"};
const SoldConsolidation::Kind BestSellers{"PRN:INVENTORYCONSOLIDATIONQUANTITY",
                                          "Inventory Sold Consolidation List (Best Sellers List)]", DES.Quanity_Key, false,
                                          nullptr, {}, {}, true};

const SoldConsolidation::Kind ByCustomer{"PRN:INVENTORYCONSOLIDATIONCUSTOMER",
                                         "Inventory Sold Consolidation List - Customer Name", DES.CustomerNo_Key, true,
                                         nullptr, "Customer:", "Item Totals"};

// The customer as the consolidation names it: first and last name, or the company without a
// last name.
std::string customerHeading()
{
    if (CUS.LNAME.blank())
        return CUS.COMPANY.str();
    return CUS.FNAME.blank() ? CUS.LNAME.str() : CUS.FNAME.str() + ' ' + CUS.LNAME.str();
}

} // namespace

INVENTORYCONSOLIDATIONCUSTOMER::INVENTORYCONSOLIDATIONCUSTOMER() : SoldConsolidation(ByCustomer)
{
    ReadsFiles({&Access::DESCRIPTION, &Access::INVOICE, &Access::CUSTOMER, &Access::TAGFILEPOS_});
}

void INVENTORYCONSOLIDATIONCUSTOMER::SetView(fw::ViewManager &view)
{
    viewTaggedCustomers(view, tagRange_);
}

// The tagged customer's lines, by stock number.
void INVENTORYCONSOLIDATIONCUSTOMER::TakeRecord(ReportEngine &engine)
{
    if (!fetchTaggedCustomer())
        return;
    buyer_ = CUS.CUSTOMERNO.str() + "  " + customerHeading();
    for (const dict::DESCRIPTIONRecord &line : dict::range(DES.CustomerNo_Key, CUS.CUSTOMERNO)) {
        static_cast<dict::DESCRIPTIONRecord &>(DES) = line;
        takeSale(engine);
    }
}

// --- Received ---------------------------------------------------------------------------------

INVENTORYRECEIVEDLISTING::INVENTORYRECEIVEDLISTING()
    : ReportProcedure({"PRN:INVENTORYRECEIVEDLISTING", "Inventory Received Listing", true})
{
    ReadsFiles({&Access::STSTREND, &Access::STOCK});
    struct Column {
        const char *caption;
        int x, width;
        bool right;
        TextSource value;
    };
    const Column columns[] = {
        {"Stock #", 500, 1200, false, [] { return STS.STOCKNO.str(); }},
        {"Description", 1750, 2100, false, [] { return STO.DESCRIPTION.str(); }},
        {"Location", 3900, 800, false, [] { return STO.LOCATION.str(); }},
        {"Date Added", 4750, 850, false, [] { return dateText(STS.DATERECEIVED); }},
        {"Amount Added", 5650, 850, true, [] { return quantity(STS.AMOUNTRECEIVED); }},
        {"Single", 6550, 650, true, [] { return money(STO.COST); }},
        {"Total", 7250, 750, true, [] { return money(dict::roundCents(STO.COST * STS.AMOUNTRECEIVED)); }},
    };
    std::vector<Item> header{text({500, 0, 7500, 280}, "Inventory Received Listing", Title, Align::Center),
                             computed({500, 320, 7500, 180}, [] { return dateText(GLO.STARTDATE) + " - " + dateText(GLO.ENDDATE); },
                                      Body, Align::Center)};
    std::vector<Item> cells;
    for (const Column &c : columns) {
        header.push_back(text({c.x, 560, c.width, 160}, c.caption, LineBoldFont, c.right ? Align::Right : Align::Left));
        cells.push_back(computed({c.x, 10, c.width, 150}, c.value, LineFont, c.right ? Align::Right : Align::Left));
    }
    header.push_back(line({500, 750, 7500, 0}));
    layout_ = Layout{.name = "Inventory Received Listing",
                     .pageHeader = {800, std::move(header)},
                     .detail = {180, std::move(cells)},
                     .pageFooter = {250, {line({500, 0, 7500, 0}), pageNofM({500, 40, 7500, 180}, Small, Align::Right)}}};
    total_ = Band{280, {line({6550, 20, 1450, 0}, 5), text({4750, 50, 1750, 160}, "Total Cost:", LineBoldFont, Align::Right),
                        computed({6550, 50, 1450, 160}, [this] { return totals(totalCost_); }, LineBoldFont, Align::Right)}};
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

void INVENTORYRECEIVEDLISTING::Finishing(ReportEngine &engine) { engine.printBand(total_); }

INVENTORYCONSOLIDATIONINDIVIDUALDATES::INVENTORYCONSOLIDATIONINDIVIDUALDATES() : SoldConsolidation(ByDate) {}
INVENTORYCONSOLIDATIONSTOCKNO::INVENTORYCONSOLIDATIONSTOCKNO() : SoldConsolidation(ByStockNo) {}
INVENTORYCONSOLIDATIONANNUALLY::INVENTORYCONSOLIDATIONANNUALLY() : SoldConsolidation(Annually) {}
INVENTORYCONSOLIDATIONQUANTITY::INVENTORYCONSOLIDATIONQUANTITY() : SoldConsolidation(BestSellers) {}

} // namespace PRN
