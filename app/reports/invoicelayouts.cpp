#include "app/reports/invoicelayouts.h"

#include "app/reports/documentform.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/picture.h"

#include <string>
#include <utility>

namespace PRN {

using namespace rpt;
using namespace form;

namespace {

// The three logo frames, small to large, at the top right where the title would print.
constexpr Box LogoFrames[3] = {{6200, 0, 1300, 650}, {5500, 0, 2000, 800}, {4500, 0, 3000, 950}};

// Date, numbers, salesman and PO.
std::vector<NumberRow> invoiceNumbers(const InvoicePrint &p)
{
    return {{"Date:", [&p] { return fw::formatValue(INV.DATE, p.run.datePicture); }},
            {"Invoice #:", [] { return fw::formatValue(INV.INVOICENO, "@n06"); }},
            {"Customer #:", [] { return CUS.CUSTOMERNO.str(); }},
            {"Salesman:", [] { return INV.SALESMAN.str(); }, [&p] { return p.dataHidden() || INV.SALESMAN.blank(); }},
            {"PO #:", [] { return INV.PONUMBER.str(); }, [&p] { return p.dataHidden() || INV.PONUMBER.blank(); }}};
}

// Stock #, It #, Quantity and Description from the left, then the form's own columns; the
// description wraps, its band growing with it.
Columns lineColumns(const InvoicePrint &p, std::vector<Column> own)
{
    std::vector<Column> columns{
        {"Stock #", Left, 1150, Align::Left, [] { return DES.STOCKNO.str(); }},
        {"It #", 1200, 350, Align::Right, [] { return std::to_string(DES.ITEMNO); }},
        {"Quantity", 1600, 750, Align::Right, [&p] { return quantityText(DES.QUANTITY, p.run.quantity); }},
        {"Description", 2450, 2500}};
    columns.insert(columns.end(), own.begin(), own.end());
    return Columns{std::move(columns), Body, Bold};
}

std::vector<Item> lineCells(const Columns &columns)
{
    return joined(columns.cells(10), {wrapped(columns.cell(3, 10, [] { return printedDescription(DES); }, Body))});
}

} // namespace

InvoiceLayouts invoiceLayout(const InvoicePrint &print)
{
    const DocumentForm b(print);
    const InvoicePrint &p = print;
    std::vector<Item> header;
    b.companyBlock(header);
    header.push_back(hiddenWhen(computed({4500, 0, 3000, 420}, [&p] { return p.quote ? "QUOTE" : "INVOICE"; }, Heading,
                                         Align::Right),
                                [&p] { return !p.logo.empty() && !p.quote; }));
    for (int frame = 1; frame <= 3; ++frame)
        header.push_back(hiddenWhen(picture(LogoFrames[frame - 1], [&p] { return p.logo; }),
                                    [&p, frame] { return p.logo.empty() || p.quote || p.logoFrame != frame; }));
    b.numbers(header, invoiceNumbers(print));
    b.addressBoxes(header, "SOLD TO", "SHIP TO");
    const Columns columns =
        lineColumns(p, {{"Price", 5000, 850, Align::Right, [&p] { return shown(printedPrice(DES), p.run.money); }},
                        {"Amount", 5950, 850, Align::Right, [&p] { return shown(DES.AMOUNT, p.run.money); }},
                        {"Unit", 6900, 600, Align::Left, [] { return DES.PACKAGESIZE.str(); }}});
    b.captions(columns, header);


    InvoiceLayouts layouts;
    layouts.form = Layout{.pageHeader = {HeaderHeight, std::move(header)},
                          .detail = {200, lineCells(columns)},
                          .pageFooter = b.footer(true)};
    layouts.totals = b.totalsBand([] { return INV.TAXINFO.str(); });
    return layouts;
}

Layout packageListLayout(const InvoicePrint &print)
{
    const DocumentForm b(print);
    std::vector<Item> header;
    b.companyBlock(header);
    header.push_back(text({4000, 0, 3500, 420}, "PACKAGE LIST", Heading, Align::Right));
    b.numbers(header, invoiceNumbers(print));
    b.addressBoxes(header, "SOLD TO", "SHIP TO");
    const Columns columns = lineColumns(print, {{"Unit", 5100, 900, Align::Left, [] { return DES.PACKAGESIZE.str(); }},
                                                {"Location", 6100, 1400, Align::Left, [] { return DES.LOCATION.str(); }}});
    b.captions(columns, header);

    return Layout{.pageHeader = {HeaderHeight, std::move(header)},
                  .detail = {200, lineCells(columns)},
                  .pageFooter = b.footer(false)};
}

} // namespace PRN
