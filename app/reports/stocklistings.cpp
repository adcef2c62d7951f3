#include "app/reports/stocklistings.h"

#include "app/inventory/picturefiles.h"
#include "app/reports/reportformats.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/picture.h"
#include "reports/pagechrome.h"
#include "reports/reportcolumns.h"

#include <string>
#include <utility>
#include <vector>

namespace PRN {

using namespace rpt;

namespace {

std::vector<Item> header(const Columns &columns)
{
    return joined({titleLine(), runDateLine(), ruleAcross(750)}, columns.captions(560));
}

Band legend(const char *last)
{
    const std::string text = std::string("OH (OnHand)     Single (Single Cost or Price)     Min (Minimum Before ReOrder)     ") + last;
    return {430, {ruleAcross(0), rpt::text({0, 40, PageWidth, 150}, text, Small, Align::Center),
                  pageNofM({0, 220, PageWidth, 160}, Small, Align::Right)}};
}

std::string stockNo() { return STO.STOCKNO.str(); }
std::string description() { return STO.DESCRIPTION.str(); }

// --- Overage ---
Layout overageLayout(StockItemListing &)
{
    const Columns c{{{"Stock #", 0, 1200, Align::Left, stockNo},
                     {"Description", 1250, 2400, Align::Left, description},
                     {"Location", 3700, 900, Align::Left, [] { return STO.LOCATION.str(); }},
                     {"OH", 4650, 550, Align::Right, [] { return quantity(STO.AMOUNTINSTOCK); }},
                     {"Min", 5250, 550, Align::Right, [] { return quantity(STO.MINAMOUNT); }},
                     {"Max", 5850, 550, Align::Right, [] { return quantity(STO.MAXAMOUNT); }},
                     {"Over Max", 6450, 1050, Align::Right, [] { return quantity(STO.AMOUNTINSTOCK - STO.MAXAMOUNT); }}}};
    return Layout{.pageHeader = {800, header(c)}, .detail = {190, c.cells(10)}, .pageFooter = legend("Max (Maxium Allowed in Stock)")};
}

// --- Back orders ---
Layout backOrderLayout(StockItemListing &listing)
{
    const Columns c{{{"Stock #", 0, 1200, Align::Left, stockNo},
                     {"Description", 1250, 2400, Align::Left, description},
                     {"Quantity BackOrdered", 3700, 1400, Align::Right, [] { return quantity(STO.AMOUNTBACKORDERED); }},
                     {"Date", 5200, 900, Align::Left, [] { return dateText(STO.BACKORDERDATE); }},
                     {"Single", 6150, 600, Align::Right, [] { return money(STO.COST); }},
                     {"Total", 6800, 700, Align::Right, [] { return money(dict::extendedCents(STO.AMOUNTBACKORDERED, STO.COST)); }}}};
    listing.closeWith(Band{300, {c.ruleOver(4, 5, 20), text({3800, 60, 2300, 160}, "Total Cost:", LineBold, Align::Right),
                                   computed({6150, 60, 1350, 160}, [&listing] { return totals(listing.totalCost); }, LineBold,
                                            Align::Right)}});
    return Layout{.pageHeader = {800, header(c)}, .detail = {190, c.cells(10)}, .pageFooter = legend("Total (Total Cost or Price)")};
}

// --- Price sheet ---
Layout priceSheetLayout(StockItemListing &)
{
    auto picturePath = [] { return STO.ITEMPICTURE.blank() ? std::string() : app::picturePath(STO.ITEMPICTURE.str()).toStdString(); };
    const Columns c{{{"Stock #/Category", 0, 1400, Align::Left, stockNo},
                     {"Description", 1450, 3000, Align::Left},
                     {"Picture", 4500, 1400, Align::Left},
                     {"Price(s)", 6000, 1500, Align::Right, [] { return money(STO.RETAIL); }}}};
    return Layout{.pageHeader = {800, header(c)},
                  .detail = {1000, joined(c.cells(20), {c.cell(0, 190, [] { return STO.CATAGORY.str(); }, c.font()),
                                                        wrapped(c.cell(1, 20, description, c.font())),
                                                        picture({4500, 20, 1400, 900}, picturePath),
                                                        c.cell(3, 190, [] { return money(STO.RETAIL2); }, c.font()),
                                                        c.cell(3, 360, [] { return money(STO.RETAIL3); }, c.font()),
                                                        ruleAcross(980, PageWidth, 3)})},
                  .pageFooter = pageFooter()};
}

// --- Special items ---
Layout specialsLayout(StockItemListing &)
{
    Columns c{{{"Stock #", 0, 1200, Align::Left},
               {"Description", 1250, 2300, Align::Left},
               {"Catagory", 3600, 900, Align::Left, [] { return STO.CATAGORY.str(); }},
               {"Unit", 4550, 600, Align::Left, [] { return STO.PACKAGESIZE.str(); }},
               {"On Hand", 5200, 700, Align::Right, [] { return quantity(STO.AMOUNTINSTOCK); }},
               {"Cost", 5950, 700, Align::Right, [] { return money(STO.COST); }},
               {"Retail", 6700, 800, Align::Right, [] { return money(STO.RETAIL); }}}};
    return Layout{.pageHeader = {800, header(c)},
                  .detail = {210, joined({c.cell(0, 20, stockNo), c.cell(1, 20, description)}, c.cells(20))},
                  .pageFooter = pageFooter()};
}

bool overStocked() { return STO.AMOUNTINSTOCK > STO.MAXAMOUNT; }
bool backOrdered() { return STO.AMOUNTBACKORDERED > 0; }
bool everyItem() { return true; }
bool special() { return STO.SPECIALITEM == "S"; }

const StockItemListing::Kind OverageKind{STO.StockNo_Key, overStocked, overageLayout};
const StockItemListing::Kind BackOrderKind{STO.StockNo_Key, backOrdered, backOrderLayout};
const StockItemListing::Kind PriceSheetKind{STO.StockNo_Key, everyItem, priceSheetLayout};
const StockItemListing::Kind SpecialsKind{STO.SpecialItem_Key, special, specialsLayout};

} // namespace

StockItemListing::StockItemListing(std::string_view name, const Kind &kind) : ReportProcedure(name), kind_(kind)
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

INVENTORYOVERAGELISTING::INVENTORYOVERAGELISTING() : StockItemListing(Name, OverageKind) {}

INVENTORYBACKORDERSTOCKNO::INVENTORYBACKORDERSTOCKNO() : StockItemListing(Name, BackOrderKind) {}

void INVENTORYBACKORDERSTOCKNO::printItem(ReportEngine &engine)
{
    totalCost = dict::roundCents(totalCost + dict::extendedCents(STO.AMOUNTBACKORDERED, STO.COST));
    engine.printDetail();
}

INVENTORYPRICESHEET::INVENTORYPRICESHEET() : StockItemListing(Name, PriceSheetKind) {}

SPECIALITEMSLISTING::SPECIALITEMSLISTING() : StockItemListing(Name, SpecialsKind)
{
    consistsOf_ = Band{190, {text({1250, 10, 3000, 150}, "Consists of the following items:", rpt::LineFont)}};
    component_ = Band{180, {computed({1450, 10, 1200, 150}, [] { return SPE.STOCKNO1.str(); }, rpt::LineFont),
                            computed({2700, 10, 2300, 150}, [] { return SPE.DESCRIPTION.str(); }, rpt::LineFont),
                            computed({5050, 10, 700, 150}, [] { return quantity(SPE.AMOUNT); }, rpt::LineFont, Align::Right),
                            computed({5800, 10, 750, 150}, [] { return money(SPE.SINGLECOST); }, rpt::LineFont, Align::Right),
                            computed({6600, 10, 900, 150}, [] { return money(SPE.COST); }, rpt::LineFont, Align::Right)}};
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
