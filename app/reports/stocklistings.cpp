#include "app/reports/stocklistings.h"

#include "app/inventory/picturefiles.h"
#include "app/reports/reportcolumns.h"
#include "app/reports/reportformats.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/picture.h"

#include <string>
#include <utility>
#include <vector>

namespace PRN {

using namespace rpt;

namespace {

std::string quantity(double value) { return fw::plainNumber(value); }

std::vector<Item> header(std::string_view title, const std::vector<Column> &columns)
{
    std::vector<Item> items{text({500, 0, 7500, 280}, std::string(title), Title, Align::Center),
                            computed({500, 320, 3000, 180}, runDate, Small)};
    for (const Column &c : columns)
        items.push_back(text({c.x, 560, c.width, 160}, c.caption, LineBoldFont, c.right ? Align::Right : Align::Left));
    items.push_back(line({500, 750, 7500, 0}));
    return items;
}

Band legend(const char *last)
{
    const std::string text = std::string("OH (OnHand)     Single (Single Cost or Price)     Min (Minimum Before ReOrder)     ") + last;
    return {430, {line({500, 0, 7500, 0}), rpt::text({500, 40, 7500, 150}, text, Small, Align::Center),
                  pageNofM({500, 220, 7500, 160}, Small, Align::Right)}};
}

Band plainFooter() { return {250, {line({500, 0, 7500, 0}), pageNofM({500, 40, 7500, 180}, Small, Align::Right)}}; }

// --- Overage ---
const std::vector<Column> Overage{{"Stock #", 500, 1200, false}, {"Description", 1750, 2400, false},
                                  {"Location", 4200, 900, false}, {"OH", 5150, 550, true},
                                  {"Min", 5750, 550, true},      {"Max", 6350, 550, true},
                                  {"Over Max", 6950, 1050, true}};

Layout overageLayout(StockItemListing &)
{
    const auto &c = Overage;
    return Layout{.name = "Inventory Overage Listing",
                  .pageHeader = {800, header("Inventory Overage Listing", c)},
                  .detail = {190,
                             {cell(c[0], 10, [] { return STO.STOCKNO.str(); }), cell(c[1], 10, [] { return STO.DESCRIPTION.str(); }),
                              cell(c[2], 10, [] { return STO.LOCATION.str(); }), cell(c[3], 10, [] { return quantity(STO.AMOUNTINSTOCK); }),
                              cell(c[4], 10, [] { return quantity(STO.MINAMOUNT); }), cell(c[5], 10, [] { return quantity(STO.MAXAMOUNT); }),
                              cell(c[6], 10, [] { return quantity(STO.AMOUNTINSTOCK - STO.MAXAMOUNT); })}},
                  .pageFooter = legend("Max (Maxium Allowed in Stock)")};
}

// --- Back orders ---
const std::vector<Column> BackOrders{{"Stock #", 500, 1200, false},  {"Description", 1750, 2500, false},
                                     {"Quantity BackOrdered", 4300, 1300, true}, {"Date", 5700, 900, false},
                                     {"Single", 6650, 600, true},   {"Total", 7300, 700, true}};

Layout backOrderLayout(StockItemListing &)
{
    const auto &c = BackOrders;
    return Layout{.name = "Inventory BackOrder Listing - Stock #",
                  .pageHeader = {800, header("Inventory BackOrder Listing - Stock #", c)},
                  .detail = {190,
                             {cell(c[0], 10, [] { return STO.STOCKNO.str(); }), cell(c[1], 10, [] { return STO.DESCRIPTION.str(); }),
                              cell(c[2], 10, [] { return quantity(STO.AMOUNTBACKORDERED); }),
                              cell(c[3], 10, [] { return dateText(STO.BACKORDERDATE); }), cell(c[4], 10, [] { return money(STO.COST); }),
                              cell(c[5], 10, [] { return money(dict::roundCents(STO.COST * STO.AMOUNTBACKORDERED)); })}},
                  .pageFooter = legend("Total (Total Cost or Price)")};
}

// --- Price sheet ---
const std::vector<Column> Prices{{"Stock #/Category", 500, 1400, false}, {"Description", 1950, 3000, false},
                                 {"Picture", 5000, 1400, false},        {"Price(s)", 6500, 1500, true}};

Layout priceSheetLayout(StockItemListing &)
{
    const auto &c = Prices;
    auto picturePath = [] { return STO.ITEMPICTURE.blank() ? std::string() : app::picturePath(STO.ITEMPICTURE.str()).toStdString(); };
    return Layout{.name = "Inventory Listing",
                  .pageHeader = {800, header("Inventory Listing", c)},
                  .detail = {1000,
                             {cell(c[0], 20, [] { return STO.STOCKNO.str(); }), cell(c[0], 190, [] { return STO.CATAGORY.str(); }),
                              wrapped(cell(c[1], 20, [] { return STO.DESCRIPTION.str(); })),
                              picture({5000, 20, 1400, 900}, picturePath),
                              cell(c[3], 20, [] { return money(STO.RETAIL); }), cell(c[3], 190, [] { return money(STO.RETAIL2); }),
                              cell(c[3], 360, [] { return money(STO.RETAIL3); }), line({500, 980, 7500, 0}, 3)}},
                  .pageFooter = plainFooter()};
}

// --- Special items ---
const std::vector<Column> Specials{{"Stock #", 500, 1200, false}, {"Description", 1750, 2300, false},
                                   {"Catagory", 4100, 900, false}, {"Unit", 5050, 600, false},
                                   {"On Hand", 5700, 700, true},  {"Cost", 6450, 700, true},
                                   {"Retail", 7200, 800, true}};

Layout specialsLayout(StockItemListing &)
{
    const auto &c = Specials;
    return Layout{.name = "Special Items Listing",
                  .pageHeader = {800, header("Special Items Listing", c)},
                  .detail = {210,
                             {cell(c[0], 20, [] { return STO.STOCKNO.str(); }, LineBoldFont),
                              cell(c[1], 20, [] { return STO.DESCRIPTION.str(); }, LineBoldFont),
                              cell(c[2], 20, [] { return STO.CATAGORY.str(); }), cell(c[3], 20, [] { return STO.PACKAGESIZE.str(); }),
                              cell(c[4], 20, [] { return quantity(STO.AMOUNTINSTOCK); }), cell(c[5], 20, [] { return money(STO.COST); }),
                              cell(c[6], 20, [] { return money(STO.RETAIL); })}},
                  .pageFooter = plainFooter()};
}

bool overStocked() { return STO.AMOUNTINSTOCK > STO.MAXAMOUNT; }
bool backOrdered() { return STO.AMOUNTBACKORDERED > 0; }
bool everyItem() { return true; }
bool special() { return STO.SPECIALITEM == "S"; }

const StockItemListing::Kind OverageKind{"PRN:INVENTORYOVERAGELISTING", "Inventory Overage Listing", STO.StockNo_Key,
                                         overStocked, overageLayout};
const StockItemListing::Kind BackOrderKind{"PRN:INVENTORYBACKORDERSTOCKNO", "Inventory BackOrder Listing - Stock #",
                                           STO.StockNo_Key, backOrdered, backOrderLayout};
const StockItemListing::Kind PriceSheetKind{"PRN:INVENTORYPRICESHEET", "Inventory Listing", STO.StockNo_Key, everyItem,
                                            priceSheetLayout};
const StockItemListing::Kind SpecialsKind{"PRN:SPECIALITEMSLISTING", "Special Items Listing", STO.SpecialItem_Key, special,
                                          specialsLayout};

} // namespace

StockItemListing::StockItemListing(const Kind &kind) : ReportProcedure({kind.name, kind.title}), kind_(kind)
{
    ReadsFiles({&Access::STOCK, &Access::SPECIAL});
    layout_ = kind.layout(*this);
}

int StockItemListing::OpenFiles()
{
    totalCost = 0;
    return ReportProcedure::OpenFiles();
}

void StockItemListing::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::STOCK);
    view.AddSortOrder(kind_.key);
}

void StockItemListing::TakeRecord(ReportEngine &engine)
{
    if (kind_.keeps())
        printItem(engine);
}

void StockItemListing::printItem(ReportEngine &engine) { engine.printDetail(); }

void StockItemListing::Finishing(ReportEngine &engine) { engine.printBand(total_); }

INVENTORYOVERAGELISTING::INVENTORYOVERAGELISTING() : StockItemListing(OverageKind) {}

INVENTORYBACKORDERSTOCKNO::INVENTORYBACKORDERSTOCKNO() : StockItemListing(BackOrderKind)
{
    total_ = Band{300, {line({6650, 20, 1350, 0}, 5), text({4300, 60, 2300, 160}, "Total Cost:", LineBoldFont, Align::Right),
                        computed({6650, 60, 1350, 160}, [this] { return totals(totalCost); }, LineBoldFont, Align::Right)}};
}

void INVENTORYBACKORDERSTOCKNO::printItem(ReportEngine &engine)
{
    totalCost = dict::roundCents(totalCost + dict::roundCents(STO.COST * STO.AMOUNTBACKORDERED));
    engine.printDetail();
}

INVENTORYPRICESHEET::INVENTORYPRICESHEET() : StockItemListing(PriceSheetKind) {}

SPECIALITEMSLISTING::SPECIALITEMSLISTING() : StockItemListing(SpecialsKind)
{
    consistsOf_ = Band{190, {text({1750, 10, 3000, 150}, "Consists of the following items:", LineFont)}};
    component_ = Band{180, {computed({1950, 10, 1200, 150}, [] { return SPE.STOCKNO1.str(); }, LineFont),
                            computed({3200, 10, 2300, 150}, [] { return SPE.DESCRIPTION.str(); }, LineFont),
                            computed({5550, 10, 700, 150}, [] { return quantity(SPE.AMOUNT); }, LineFont, Align::Right),
                            computed({6300, 10, 750, 150}, [] { return money(SPE.SINGLECOST); }, LineFont, Align::Right),
                            computed({7100, 10, 900, 150}, [] { return money(SPE.COST); }, LineFont, Align::Right)}};
}

// The special item, then each component it is made of.
void SPECIALITEMSLISTING::printItem(ReportEngine &engine)
{
    engine.printDetail();
    const auto components = dict::range(SPE.StockNo_Key, STO.STOCKNO);
    if (components.empty())
        return;
    engine.printBand(consistsOf_);
    for (const dict::SPECIALRecord &component : components) {
        static_cast<dict::SPECIALRecord &>(SPE) = component;
        engine.printBand(component_);
    }
}

} // namespace PRN
