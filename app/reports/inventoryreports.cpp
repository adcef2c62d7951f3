#include "app/reports/inventoryreports.h"

#include "app/reports/reportformats.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "framework/picture.h"
#include "reports/pagechrome.h"
#include "reports/reportcolumns.h"

#include <utility>
#include <vector>

namespace PRN {

using namespace rpt;

namespace {

std::string leading(bool partNumber) { return partNumber ? STO.PARTNO.str() : STO.STOCKNO.str(); }

// The columns of each kind of line, left to right; a part-number listing leads with the part.
Columns columnsOf(const StockListing::Kind &kind)
{
    const bool part = kind.partNumber;
    const std::string leader = part ? "Part #" : "Stock #";
    auto leadingNumber = [part] { return leading(part); };
    auto onHand = [] { return quantity(STO.AMOUNTINSTOCK); };
    switch (kind.lines) {
    case StockListing::Lines::Thin:
        return Columns{{{"Category", 0, 2000}, {"OH", 2100, 1200, Align::Right}, {"Cost Total", 3400, 1900, Align::Right},
                        {"Price Total", 5400, 2100, Align::Right}}};
    case StockListing::Lines::ReOrder:
        return Columns{{{leader, 0, 1300, Align::Left, leadingNumber},
                        {"Description", 1350, 2800, Align::Left, [] { return STO.DESCRIPTION.str(); }},
                        {"OH", 4200, 600, Align::Right, onHand},
                        {"Min", 4850, 600, Align::Right, [] { return quantity(STO.MINAMOUNT); }},
                        {"Cost", 5500, 900, Align::Right, [] { return money(STO.COST); }},
                        {"Price", 6450, 1050, Align::Right, [] { return money(STO.RETAIL); }}}};
    case StockListing::Lines::OnHand:
        break;
    }
    return Columns{{{leader + "/Location", 0, 1200, Align::Left, leadingNumber},
                    {"Description", 1250, 2100},
                    {"OH", 3400, 500, Align::Right, onHand},
                    {"Min/Max", 3950, 600, Align::Right, [] { return quantity(STO.MINAMOUNT); }},
                    {"Single", 4600, 600, Align::Right, [] { return money(STO.COST); }},
                    {"Total", 5250, 800, Align::Right, [] { return money(dict::extendedCents(STO.AMOUNTINSTOCK, STO.COST)); }},
                    {"Single", 6100, 550, Align::Right, [] { return money(STO.RETAIL); }},
                    {"Total", 6700, 800, Align::Right, [] { return money(dict::extendedCents(STO.AMOUNTINSTOCK, STO.RETAIL)); }}}};
}

} // namespace

// The layouts of the family, built from the kind and the sums the report keeps.
struct StockLayouts {
    static std::vector<Item> header(const StockListing::Kind &kind)
    {
        std::vector<Item> items = joined({titleLine(), runDateLine(), ruleAcross(750)}, columnsOf(kind).captions(560));
        if (kind.lines == StockListing::Lines::OnHand) {
            items.push_back(text({4600, 400, 1450, 160}, "Cost", LineBold, Align::Center));
            items.push_back(text({6100, 400, 1400, 160}, "Price", LineBold, Align::Center));
        }
        return items;
    }

    static Band detail(const StockListing::Kind &kind)
    {
        const Columns c = columnsOf(kind);
        if (kind.lines == StockListing::Lines::Thin)
            return {};
        if (kind.lines == StockListing::Lines::ReOrder)
            return {190, c.cells(10)};
        return {350, joined(c.cells(10), {c.cell(0, 170, [] { return STO.LOCATION.str(); }, c.font()),
                                          wrapped(c.cell(1, 10, [] { return STO.DESCRIPTION.str(); }, c.font())),
                                          // No maximum set: nothing to show, for this item only.
                                          c.cell(3, 170, [] { return STO.MAXAMOUNT == 0 ? std::string() : quantity(STO.MAXAMOUNT); },
                                                 c.font())})};
    }

    // The sums of a group or of the report under a caption.
    static Band sums(const StockListing::Kind &kind, std::string caption, const StockListing::Sums &s)
    {
        const Columns c = columnsOf(kind);
        if (kind.lines == StockListing::Lines::Thin) // the group's own line: its category and sums
            return {200,
                    {c.cell(0, 10, [caption, &s] { return caption.empty() ? s.name : caption; }, c.font()),
                     c.cell(1, 10, [&s] { return quantity(s.onHand); }, c.font()),
                     c.cell(2, 10, [&s] { return totals(s.cost); }, c.font()),
                     c.cell(3, 10, [&s] { return totals(s.price); }, c.font())}};
        if (kind.lines == StockListing::Lines::ReOrder)
            return {};
        return {300,
                {c.ruleOver(4, 7, 20), text({1250, 60, 3300, 160}, caption, LineBold, Align::Right),
                 c.cell(5, 60, [&s] { return totals(s.cost); }), c.cell(7, 60, [&s] { return totals(s.price); })}};
    }

    static Band groupHeader(const StockListing::Kind &kind)
    {
        if (!kind.group || kind.lines == StockListing::Lines::Thin)
            return {};
        return {230, {text({0, 40, 1200, 170}, std::string(kind.groupCaption), Bold), computed({1250, 40, 4000, 170}, kind.group, Bold)}};
    }

    static Band footer(bool overage)
    {
        const std::string legend = std::string("OH (OnHand)     Single (Single Cost or Price)     Min (Minimum Before ReOrder)     ") +
                                   (overage ? "Max (Maxium Allowed in Stock)" : "Total (Total Cost or Price)");
        return {430, {ruleAcross(0), text({0, 40, PageWidth, 150}, legend, Small, Align::Center),
                      pageNofM({0, 220, PageWidth, 160}, Small, Align::Right)}};
    }
};

StockListing::StockListing(std::string_view name, const Kind &kind) : ReportProcedure(name), kind_(kind)
{
    ReadsFiles({&Access::STOCK});
    layout_ = Layout{.pageHeader = {800, StockLayouts::header(kind)},
                     .groupHeader = StockLayouts::groupHeader(kind),
                     .detail = StockLayouts::detail(kind),
                     .groupFooter = kind.group ? StockLayouts::sums(kind, kind.lines == Lines::Thin ? std::string()
                                                                                                    : std::string(kind.groupTotal),
                                                                    group_)
                                               : Band{},
                     .pageFooter = StockLayouts::footer(false)};
    if (kind.group)
        layout_.groupKey = kind.group;
    const bool groupsTotalled = kind.group != nullptr;
    closing_ = StockLayouts::sums(kind, groupsTotalled || kind.lines == Lines::Thin ? "Totals:" : std::string(kind.groupTotal), report_);
    if (kind.lines == Lines::OnHand && groupsTotalled) { // grand totals under their own captions
        const Columns c = columnsOf(kind);
        closing_ = Band{300,
                        {c.ruleOver(4, 7, 20), text({3500, 60, 1700, 160}, "Total Cost:", LineBold, Align::Right),
                         c.cell(5, 60, [this] { return totals(report_.cost); }),
                         text({6100, 60, 550, 160}, "Price:", LineBold, Align::Right),
                         c.cell(7, 60, [this] { return totals(report_.price); })}};
    }
}

int StockListing::OpenFiles()
{
    group_ = {};
    report_ = {};
    return ReportProcedure::OpenFiles();
}

void StockListing::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::STOCK);
    view.AddSortOrder(kind_.key);
}

void StockListing::TakeRecord(ReportEngine &engine)
{
    if (kind_.lines == Lines::ReOrder && STO.MINAMOUNT < STO.AMOUNTINSTOCK)
        return; // still above its minimum
    if (engine.breakGroup()) // the footer has shown the group it closed
        group_ = {kind_.group ? kind_.group() : std::string()};
    const Sums item{{}, STO.AMOUNTINSTOCK, dict::extendedCents(STO.AMOUNTINSTOCK, STO.COST),
                    dict::extendedCents(STO.AMOUNTINSTOCK, STO.RETAIL)};
    for (Sums *sums : {&group_, &report_}) {
        sums->onHand += item.onHand;
        sums->cost = dict::roundCents(sums->cost + item.cost);
        sums->price = dict::roundCents(sums->price + item.price);
    }
    engine.printDetail();
}

namespace {

std::string category() { return STO.CATAGORY.str(); }
std::string manufacturer() { return STO.MANUFACTUR.str(); }
std::string vendor() { return STO.VENDOR.str(); }

using L = StockListing::Lines;
const StockListing::Kind OnHandCategory{
    .key = STO.Catagory_Key, .group = category, .groupCaption = "Category:", .groupTotal = "Totals for Catagory:"};
const StockListing::Kind OnHandCategoryThin{.key = STO.Catagory_Key, .lines = L::Thin, .group = category};
const StockListing::Kind OnHandDescription{.key = STO.Description_Key, .groupTotal = "Totals for Description:"};
const StockListing::Kind OnHandManufacturer{.key = STO.Manufactur_Key,
                                            .group = manufacturer,
                                            .groupCaption = "Manufacturer:",
                                            .groupTotal = "Total:",
                                            .partNumber = true};
const StockListing::Kind OnHandPartNo{.key = STO.PartNo_Key, .groupTotal = "Total:", .partNumber = true};
const StockListing::Kind OnHandStockNo{.key = STO.StockNo_Key, .groupTotal = "Totals:"};
const StockListing::Kind OnHandVendor{
    .key = STO.Vendor_Key, .group = vendor, .groupCaption = "Vendor:", .groupTotal = "Total:", .partNumber = true};
const StockListing::Kind ReOrderCategory{.key = STO.Catagory_Key, .lines = L::ReOrder, .group = category, .groupCaption = "Category:"};
const StockListing::Kind ReOrderDescription{.key = STO.Description_Key, .lines = L::ReOrder};
const StockListing::Kind ReOrderManufacturer{
    .key = STO.Manufactur_Key, .lines = L::ReOrder, .group = manufacturer, .groupCaption = "Manufacturer:", .partNumber = true};
const StockListing::Kind ReOrderStockNo{.key = STO.StockNo_Key, .lines = L::ReOrder};
const StockListing::Kind ReOrderVendor{.key = STO.Vendor_Key, .lines = L::ReOrder, .group = vendor, .groupCaption = "Vendor:"};

} // namespace

INVENTORYONHANDCATEGORY::INVENTORYONHANDCATEGORY() : StockListing(Name, OnHandCategory) {}
INVENTORYONHANDCATEGORYTHIN::INVENTORYONHANDCATEGORYTHIN() : StockListing(Name, OnHandCategoryThin) {}
INVENTORYONHANDDESCRIPTION::INVENTORYONHANDDESCRIPTION() : StockListing(Name, OnHandDescription) {}
INVENTORYONHANDMANUFACTURER::INVENTORYONHANDMANUFACTURER() : StockListing(Name, OnHandManufacturer) {}
INVENTORYONHANDPARTNO::INVENTORYONHANDPARTNO() : StockListing(Name, OnHandPartNo) {}
INVENTORYONHANDSTOCKNO::INVENTORYONHANDSTOCKNO() : StockListing(Name, OnHandStockNo) {}
INVENTORYONHANDVENDOR::INVENTORYONHANDVENDOR() : StockListing(Name, OnHandVendor) {}
INVENTORYREORDERCATEGORY::INVENTORYREORDERCATEGORY() : StockListing(Name, ReOrderCategory) {}
INVENTORYREORDERDESCRIPTION::INVENTORYREORDERDESCRIPTION() : StockListing(Name, ReOrderDescription) {}
INVENTORYREORDERMANUFACTURER::INVENTORYREORDERMANUFACTURER() : StockListing(Name, ReOrderManufacturer) {}
INVENTORYREORDERSTOCKNO::INVENTORYREORDERSTOCKNO() : StockListing(Name, ReOrderStockNo) {}
INVENTORYREORDERVENDOR::INVENTORYREORDERVENDOR() : StockListing(Name, ReOrderVendor) {}

} // namespace PRN
