#include "app/reports/inventoryreports.h"

#include "app/reports/reportcolumns.h"
#include "app/reports/reportformats.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "framework/picture.h"

#include <utility>
#include <vector>

namespace PRN {

using namespace rpt;

namespace {

std::string quantity(double value) { return fw::plainNumber(value); }

// The columns of each kind of line, left to right.
const std::vector<Column> OnHandColumns{{"Stock #/Location", 500, 1200, false}, {"Description", 1750, 2100, false},
                                        {"OH", 3900, 500, true},                {"Min/Max", 4450, 600, true},
                                        {"Single", 5100, 600, true},            {"Total", 5750, 800, true},
                                        {"Single", 6600, 550, true},            {"Total", 7200, 800, true}};
const std::vector<Column> ThinColumns{{"Category", 500, 2000, false}, {"OH", 2600, 1200, true},
                                      {"Cost Total", 3900, 1900, true}, {"Price Total", 5900, 2100, true}};
const std::vector<Column> ReOrderColumns{{"Stock #", 500, 1300, false}, {"Description", 1850, 2800, false},
                                         {"OH", 4700, 600, true},       {"Min", 5350, 600, true},
                                         {"Cost", 6000, 900, true},     {"Price", 6950, 1050, true}};

const std::vector<Column> &columnsOf(StockListing::Lines lines)
{
    switch (lines) {
    case StockListing::Lines::Thin: return ThinColumns;
    case StockListing::Lines::ReOrder: return ReOrderColumns;
    case StockListing::Lines::OnHand: break;
    }
    return OnHandColumns;
}

std::string leading(bool partNumber) { return partNumber ? STO.PARTNO.str() : STO.STOCKNO.str(); }

} // namespace

// The layouts of the family, built from the kind and the sums the report keeps.
struct StockLayouts {
    static std::vector<Item> header(const StockListing::Kind &kind)
    {
        std::vector<Item> items{text({500, 0, 7500, 280}, std::string(kind.title), Title, Align::Center),
                                computed({500, 320, 3000, 180}, runDate, Small)};
        const std::vector<Column> &columns = columnsOf(kind.lines);
        for (const Column &c : columns) {
            std::string caption = c.caption;
            if (kind.partNumber && caption.rfind("Stock #", 0) == 0)
                caption.replace(0, 7, "Part #");
            items.push_back(text({c.x, 560, c.width, 160}, caption, LineBoldFont, c.right ? Align::Right : Align::Left));
        }
        if (kind.lines == StockListing::Lines::OnHand) {
            items.push_back(text({5100, 400, 1450, 160}, "Cost", LineBoldFont, Align::Center));
            items.push_back(text({6600, 400, 1400, 160}, "Price", LineBoldFont, Align::Center));
        }
        items.push_back(line({500, 750, 7500, 0}));
        return items;
    }

    static Band detail(const StockListing::Kind &kind)
    {
        const std::vector<Column> &c = columnsOf(kind.lines);
        const bool part = kind.partNumber;
        auto leadingNumber = [part] { return leading(part); };
        if (kind.lines == StockListing::Lines::Thin)
            return {};
        if (kind.lines == StockListing::Lines::ReOrder)
            return {190,
                    {cell(c[0], 10, leadingNumber), cell(c[1], 10, [] { return STO.DESCRIPTION.str(); }),
                     cell(c[2], 10, [] { return quantity(STO.AMOUNTINSTOCK); }),
                     cell(c[3], 10, [] { return quantity(STO.MINAMOUNT); }), cell(c[4], 10, [] { return money(STO.COST); }),
                     cell(c[5], 10, [] { return money(STO.RETAIL); })}};
        return {350,
                {cell(c[0], 10, leadingNumber), cell(c[0], 170, [] { return STO.LOCATION.str(); }),
                 wrapped(cell(c[1], 10, [] { return STO.DESCRIPTION.str(); })),
                 cell(c[2], 10, [] { return quantity(STO.AMOUNTINSTOCK); }),
                 cell(c[3], 10, [] { return quantity(STO.MINAMOUNT); }),
                 // No maximum set: nothing to show, for this item only.
                 cell(c[3], 170, [] { return STO.MAXAMOUNT == 0 ? std::string() : quantity(STO.MAXAMOUNT); }),
                 cell(c[4], 10, [] { return money(STO.COST); }),
                 cell(c[5], 10, [] { return money(dict::roundCents(STO.COST * STO.AMOUNTINSTOCK)); }),
                 cell(c[6], 10, [] { return money(STO.RETAIL); }),
                 cell(c[7], 10, [] { return money(dict::roundCents(STO.RETAIL * STO.AMOUNTINSTOCK)); })}};
    }

    // The sums of a group or of the report under a caption.
    static Band sums(const StockListing::Kind &kind, std::string caption, const StockListing::Sums &s)
    {
        const std::vector<Column> &c = columnsOf(kind.lines);
        if (kind.lines == StockListing::Lines::Thin) // the group's own line: its category and sums
            return {200,
                    {cell(c[0], 10, [caption, &s] { return caption.empty() ? s.name : caption; }),
                     cell(c[1], 10, [&s] { return quantity(s.onHand); }), cell(c[2], 10, [&s] { return totals(s.cost); }),
                     cell(c[3], 10, [&s] { return totals(s.price); })}};
        if (kind.lines == StockListing::Lines::ReOrder)
            return {};
        return {300,
                {line({5100, 20, 2900, 0}, 5), text({1750, 60, 3300, 160}, caption, LineBoldFont, Align::Right),
                 cell(c[5], 60, [&s] { return totals(s.cost); }, LineBoldFont), cell(c[7], 60, [&s] { return totals(s.price); }, LineBoldFont)}};
    }

    static Band groupHeader(const StockListing::Kind &kind)
    {
        if (!kind.group || kind.lines == StockListing::Lines::Thin)
            return {};
        return {230, {text({500, 40, 1200, 170}, std::string(kind.groupCaption), Bold), computed({1750, 40, 4000, 170}, kind.group, Bold)}};
    }

    static Band footer(bool overage)
    {
        const std::string legend = std::string("OH (OnHand)     Single (Single Cost or Price)     Min (Minimum Before ReOrder)     ") +
                                   (overage ? "Max (Maxium Allowed in Stock)" : "Total (Total Cost or Price)");
        return {430, {line({500, 0, 7500, 0}), text({500, 40, 7500, 150}, legend, Small, Align::Center),
                      pageNofM({500, 220, 7500, 160}, Small, Align::Right)}};
    }
};

StockListing::StockListing(const Kind &kind) : ReportProcedure({kind.name, kind.title}), kind_(kind)
{
    ReadsFiles({&Access::STOCK});
    layout_ = Layout{.name = std::string(kind.title),
                     .pageHeader = {800, StockLayouts::header(kind)},
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
    total_ = StockLayouts::sums(kind, groupsTotalled || kind.lines == Lines::Thin ? "Totals:" : std::string(kind.groupTotal), report_);
    if (kind.lines == Lines::OnHand && groupsTotalled) // grand totals under their own captions
        total_ = Band{300,
                      {line({5100, 20, 2900, 0}, 5), text({4000, 60, 1700, 160}, "Total Cost:", LineBoldFont, Align::Right),
                       computed({5750, 60, 800, 160}, [this] { return totals(report_.cost); }, LineBoldFont, Align::Right),
                       text({6600, 60, 550, 160}, "Price:", LineBoldFont, Align::Right),
                       computed({7200, 60, 800, 160}, [this] { return totals(report_.price); }, LineBoldFont, Align::Right)}};
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
    const Sums item{{}, STO.AMOUNTINSTOCK, dict::roundCents(STO.COST * STO.AMOUNTINSTOCK),
                    dict::roundCents(STO.RETAIL * STO.AMOUNTINSTOCK)};
    for (Sums *sums : {&group_, &report_}) {
        sums->onHand += item.onHand;
        sums->cost = dict::roundCents(sums->cost + item.cost);
        sums->price = dict::roundCents(sums->price + item.price);
    }
    engine.printDetail();
}

void StockListing::Finishing(ReportEngine &engine) { engine.printBand(total_); }

namespace {

std::string category() { return STO.CATAGORY.str(); }
std::string manufacturer() { return STO.MANUFACTUR.str(); }
std::string vendor() { return STO.VENDOR.str(); }

using L = StockListing::Lines;
const StockListing::Kind OnHandCategory{"PRN:INVENTORYONHANDCATEGORY", "Inventory On Hand - Category", STO.Catagory_Key,
                                        L::OnHand, category, "Category:", "Totals for Catagory:"};
const StockListing::Kind OnHandCategoryThin{"PRN:INVENTORYONHANDCATEGORYTHIN", "Inventory On Hand - Category", STO.Catagory_Key,
                                            L::Thin, category};
const StockListing::Kind OnHandDescription{"PRN:INVENTORYONHANDDESCRIPTION", "Inventory On Hand - Description",
                                           STO.Description_Key, L::OnHand, nullptr, {}, "Totals for Description:"};
const StockListing::Kind OnHandManufacturer{"PRN:INVENTORYONHANDMANUFACTURER", "Inventory On Hand - Manufacture",
                                            STO.Manufactur_Key, L::OnHand, manufacturer, "Manufacturer:", "Total:", true};
const StockListing::Kind OnHandPartNo{"PRN:INVENTORYONHANDPARTNO", "Inventory On Hand - Part #", STO.PartNo_Key, L::OnHand,
                                      nullptr, {}, "Total:", true};
const StockListing::Kind OnHandStockNo{"PRN:INVENTORYONHANDSTOCKNO", "Inventory On Hand - Stock #", STO.StockNo_Key,
                                       L::OnHand, nullptr, {}, "Totals:"};
const StockListing::Kind OnHandVendor{"PRN:INVENTORYONHANDVENDOR", "Inventory On Hand - Vendor", STO.Vendor_Key, L::OnHand,
                                      vendor, "Vendor:", "Total:", true};
const StockListing::Kind ReOrderCategory{"PRN:INVENTORYREORDERCATEGORY", "Inventory ReOrder - Category", STO.Catagory_Key,
                                         L::ReOrder, category, "Category:"};
const StockListing::Kind ReOrderDescription{"PRN:INVENTORYREORDERDESCRIPTION", "Inventory ReOrder - Description",
                                            STO.Description_Key, L::ReOrder};
const StockListing::Kind ReOrderManufacturer{"PRN:INVENTORYREORDERMANUFACTURER", "Inventory ReOrder - Manufacture",
                                             STO.Manufactur_Key, L::ReOrder, manufacturer, "Manufacturer:", {}, true};
const StockListing::Kind ReOrderStockNo{"PRN:INVENTORYREORDERSTOCKNO", "Inventory ReOrder - Stock #", STO.StockNo_Key,
                                        L::ReOrder};
const StockListing::Kind ReOrderVendor{"PRN:INVENTORYREORDERVENDOR", "Inventory ReOrder - Vendor", STO.Vendor_Key,
                                       L::ReOrder, vendor, "Vendor:"};

} // namespace

INVENTORYONHANDCATEGORY::INVENTORYONHANDCATEGORY() : StockListing(OnHandCategory) {}
INVENTORYONHANDCATEGORYTHIN::INVENTORYONHANDCATEGORYTHIN() : StockListing(OnHandCategoryThin) {}
INVENTORYONHANDDESCRIPTION::INVENTORYONHANDDESCRIPTION() : StockListing(OnHandDescription) {}
INVENTORYONHANDMANUFACTURER::INVENTORYONHANDMANUFACTURER() : StockListing(OnHandManufacturer) {}
INVENTORYONHANDPARTNO::INVENTORYONHANDPARTNO() : StockListing(OnHandPartNo) {}
INVENTORYONHANDSTOCKNO::INVENTORYONHANDSTOCKNO() : StockListing(OnHandStockNo) {}
INVENTORYONHANDVENDOR::INVENTORYONHANDVENDOR() : StockListing(OnHandVendor) {}
INVENTORYREORDERCATEGORY::INVENTORYREORDERCATEGORY() : StockListing(ReOrderCategory) {}
INVENTORYREORDERDESCRIPTION::INVENTORYREORDERDESCRIPTION() : StockListing(ReOrderDescription) {}
INVENTORYREORDERMANUFACTURER::INVENTORYREORDERMANUFACTURER() : StockListing(ReOrderManufacturer) {}
INVENTORYREORDERSTOCKNO::INVENTORYREORDERSTOCKNO() : StockListing(ReOrderStockNo) {}
INVENTORYREORDERVENDOR::INVENTORYREORDERVENDOR() : StockListing(ReOrderVendor) {}

} // namespace PRN
