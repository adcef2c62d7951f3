#include "app/reports/customerlabels.h"

#include "app/reports/addressblocks.h"
#include "app/reports/companyheader.h"
#include "app/reports/taggedcustomers.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "reports/winroutines.h"

#include <map>
#include <utility>

namespace PRN {

using namespace rpt;

namespace {

const Font LabelFont{.points = 9};
const Font FromFont{.points = 7};
const Font ToFont{.points = 11, .bold = true};

// A label stock: labels across, their pitch and size, the left edge of the first column
// (report units; every stock is a letter sheet, its labels starting half an inch from the top).
struct Stock {
    int columns;
    int pitch;
    int width;
    int height;
    int left;
};

// A customer with no ship-to address gets the parcel at the billing address.
std::string shipToLine(int n)
{
    return GLO.SHIPPINGADDRESS.blank() ? blockLine(BillTo, n) : blockLine(ShipTo, n);
}

Layout sheet(const Stock &stock, std::vector<Item> items)
{
    return Layout{.margins = {.left = stock.left, .top = 500, .right = stock.left, .bottom = 500},
                  .paper = QPageSize::Letter,
                  .detail = {stock.height, std::move(items)},
                  .columns = stock.columns,
                  .columnPitch = stock.pitch};
}

std::string customerLine(int n) { return blockLine(BillTo, n); }

std::string shopLine(int n)
{
    const std::vector<std::string> &lines = labelReturnAddress();
    return std::size_t(n) < lines.size() ? lines[std::size_t(n)] : std::string();
}

// Six lines of an address, centred on the label's height.
Layout addressSheet(const Stock &stock, std::string (*lineOf)(int))
{
    std::vector<Item> items;
    const int lineHeight = 145;
    const int top = (stock.height - 6 * lineHeight) / 2;
    for (int i = 0; i < 6; ++i)
        items.push_back(computed({150, top + i * lineHeight, stock.width - 250, 140},
                                 [lineOf, i] { return lineOf(i); }, LabelFont));
    return sheet(stock, std::move(items));
}

const Stock Stock4144{3, 2750, 2500, 1000, 250};
const Stock Stock8160{3, 2750, 2625, 1000, 188};
const Stock Stock8161{2, 4188, 4000, 1000, 156};
const Stock Stock8163{2, 4188, 4000, 2000, 156};
const Stock Stock8164{2, 4188, 4000, 3333, 156};

Layout shippingSheet(const Stock &stock)
{
    std::vector<Item> items;
    const int x = 150;
    const int fromStep = 110;
    items.push_back(text({x, 100, 800, 110}, "FROM:", Bold));
    for (int i = 0; i < 6; ++i)
        items.push_back(computed({x + 550, 100 + i * fromStep, stock.width - 800, 110}, [i] { return shopLine(i); }, FromFont));
    const int toTop = 100 + 6 * fromStep + (stock.height - 2 * 100 - 6 * fromStep - 6 * 180) / 2;
    items.push_back(text({x, toTop, 800, 160}, "TO:", Bold));
    for (int i = 0; i < 6; ++i)
        items.push_back(computed({x + 550, toTop + i * 180, stock.width - 800, 170}, [i] { return shipToLine(i); }, ToFont));
    return sheet(stock, std::move(items));
}

} // namespace

std::vector<std::string> &labelReturnAddress()
{
    static std::vector<std::string> lines;
    return lines;
}

const Layout *CUSTOMERLABELS::sheetFor(bool address, int stock)
{
    static const std::map<std::pair<bool, int>, Layout> sheets = [] {
        std::map<std::pair<bool, int>, Layout> all;
        all.emplace(std::pair{true, 4144}, addressSheet(Stock4144, customerLine));
        all.emplace(std::pair{true, 8160}, addressSheet(Stock8160, customerLine));
        all.emplace(std::pair{true, 8161}, addressSheet(Stock8161, customerLine));
        all.emplace(std::pair{false, 8163}, shippingSheet(Stock8163));
        all.emplace(std::pair{false, 8164}, shippingSheet(Stock8164));
        return all;
    }();
    const auto found = sheets.find({address, stock});
    return found == sheets.end() ? nullptr : &found->second;
}

const Layout &LabelSheetReport::ReportLayout() const
{
    static const Layout nothing{};
    return sheet_ ? *sheet_ : nothing;
}

CUSTOMERLABELS::CUSTOMERLABELS() : OverTaggedCustomers(Name)
{
    ReadsFiles({&Access::CUSTOMER, &Access::SETUP, &Access::TAGFILEPOS_});
}

int CUSTOMERLABELS::OpenFiles()
{
    const bool address = GLO.STARTUP == dict::StartUp::AddressLabels;
    const bool shipping = GLO.STARTUP == dict::StartUp::ShippingLabels;
    sheet_ = address ? sheetFor(true, GLO.LABELTYPE) : shipping ? sheetFor(false, GLO.LABEL1TYPE) : nullptr;
    if (const int level = LabelSheetReport::OpenFiles(); level != dict::Benign)
        return level;
    labelReturnAddress().clear();
    SET.RECORDNO = 1;
    if (Access::SETUP.TryFetch(SET.RecordNo_Key) == dict::Benign)
        labelReturnAddress() = returnAddress(SET, GLO.CANADIAN);
    return dict::Benign;
}

void CUSTOMERLABELS::TakeCustomer(ReportEngine &engine)
{
    if (!sheet_)
        return; // this stock is not for these labels
    GLO.WINROUTINE = WIN::CustomerAddress;
    WIN::ROUTINES();
    engine.printDetail();
}

// --- The shop's own address labels ---------------------------------------------------------

USERLABELS::USERLABELS() : LabelSheetReport(Name) { ReadsFiles({&Access::SETUP}); }

int USERLABELS::OpenFiles()
{
    static const std::map<int, Layout> sheets = [] {
        std::map<int, Layout> all;
        all.emplace(4144, addressSheet(Stock4144, shopLine));
        all.emplace(8160, addressSheet(Stock8160, shopLine));
        all.emplace(8161, addressSheet(Stock8161, shopLine));
        return all;
    }();
    const auto found = sheets.find(GLO.LABELTYPE);
    sheet_ = found == sheets.end() ? nullptr : &found->second;
    return LabelSheetReport::OpenFiles();
}

void USERLABELS::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::SETUP);
    view.AddSortOrder(SET.RecordNo_Key);
}

// A whole sheet of the one address.
void USERLABELS::TakeRecord(ReportEngine &engine)
{
    if (!sheet_ || SET.RECORDNO != 1)
        return;
    labelReturnAddress() = returnAddress(SET, GLO.CANADIAN);
    const Margins &edge = sheet_->margins;
    const int rows = (11000 - edge.top - edge.bottom) / sheet_->detail.height;
    for (int label = 0; label < rows * sheet_->columns; ++label)
        engine.printDetail();
}

} // namespace PRN
