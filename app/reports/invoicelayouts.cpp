#include "app/reports/invoicelayouts.h"

#include "app/reports/addressblocks.h"

#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/picture.h"
#include "reports/pagechrome.h"
#include "reports/reportcolumns.h"

#include <string>
#include <utility>

namespace PRN {

using namespace rpt;

namespace {

const Font Company{.points = 13, .bold = true};
const Font Heading{.points = 20, .bold = true};

constexpr int Left = 0;
constexpr int Width = PageWidth;
constexpr int Row = 170;       // one line of body text
constexpr int BoxTop = 1950;   // the SOLD TO and SHIP TO boxes
constexpr int BoxHeight = 1180;
constexpr int ColumnsTop = 3230;
constexpr int HeaderHeight = 3480;

// The three logo frames, small to large, at the top right where the title would print.
constexpr Box LogoFrames[3] = {{6200, 0, 1300, 650}, {5500, 0, 2000, 800}, {4500, 0, 3000, 950}};

std::string quantityText(double quantity, const std::string &picture)
{
    if (picture.rfind("@s", 0) == 0) // a text picture: the number as typed, cut to its width
        return fw::formatText(fw::plainNumber(quantity), picture);
    return shown(quantity, picture);
}

class Builder
{
public:
    explicit Builder(const InvoicePrint &p) : p_(p) {}

    // A caption of the printed form: stationery has it already.
    Item caption(Box at, std::string text, Font font = Bold, Align align = Align::Left) const
    {
        return hiddenWhen(rpt::text(at, std::move(text), font, align), [&p = p_] { return p.formHidden(); });
    }
    Item rule(Box at) const { return hiddenWhen(line(at), [&p = p_] { return p.formHidden(); }); }
    // The captions of the lines' columns, which stationery has too.
    void captions(const Columns &columns, std::vector<Item> &items) const
    {
        for (Item &item : columns.captions(ColumnsTop))
            items.push_back(hiddenWhen(std::move(item), [&p = p_] { return p.formHidden(); }));
        items.push_back(rule({Left, ColumnsTop + 200, Width, 0}));
    }
    Item frame(Box at) const { return hiddenWhen(box(at), [&p = p_] { return p.formHidden(); }); }
    // A value of the document: a blank form prints none.
    Item data(Box at, TextSource value, Font font = Body, Align align = Align::Left) const
    {
        return hiddenWhen(computed(at, std::move(value), font, align), [&p = p_] { return p.dataHidden(); });
    }

    void companyBlock(std::vector<Item> &items) const
    {
        items.push_back(computed({Left, 0, 4300, 230}, [&p = p_] { return p.company[0]; }, Company));
        for (int i = 1; i < 7; ++i)
            items.push_back(computed({Left, 260 + (i - 1) * Row, 4300, 160}, [&p = p_, i] { return p.company[i]; }));
    }

    // Date, numbers, salesman and PO: captions on the right, each value beside its caption.
    void numbers(std::vector<Item> &items) const
    {
        const InvoicePrint &p = p_;
        auto row = [&](int n, std::string text, TextSource value, Condition hide = {}) {
            const Box at{4800, 1000 + n * Row, 1250, 160};
            Item label = caption(at, std::move(text));
            if (hide)
                label.hidden = [&p, hide] { return p.formHidden() || hide(); };
            items.push_back(std::move(label));
            items.push_back(data({6100, 1000 + n * Row, 1400, 160}, std::move(value)));
        };
        row(0, "Date:", [&p] { return fw::formatValue(INV.DATE, p.run.datePicture); });
        row(1, "Invoice #:", [] { return fw::formatValue(INV.INVOICENO, "@n06"); });
        row(2, "Customer #:", [] { return CUS.CUSTOMERNO.str(); });
        row(3, "Salesman:", [] { return INV.SALESMAN.str(); }, [&p] { return p.dataHidden() || INV.SALESMAN.blank(); });
        row(4, "PO #:", [] { return INV.PONUMBER.str(); }, [&p] { return p.dataHidden() || INV.PONUMBER.blank(); });
    }

    void addressBoxes(std::vector<Item> &items) const
    {
        const InvoicePrint &p = p_;
        items.push_back(frame({Left, BoxTop, 3600, BoxHeight}));
        items.push_back(caption({Left + 100, BoxTop + 30, 1500, 160}, "SOLD TO"));
        for (int i = 0; i < 6; ++i)
            items.push_back(data({Left + 100, BoxTop + 230 + i * 150, 3400, 150}, [i] { return blockLine(BillTo, i); }));

        const int shipLeft = 3900;
        items.push_back(hiddenWhen(box({shipLeft, BoxTop, 3600, BoxHeight}), [&p] { return p.formHidden() || !p.run.shipTo; }));
        items.push_back(hiddenWhen(text({shipLeft + 100, BoxTop + 30, 1500, 160}, "SHIP TO", Bold),
                                   [&p] { return p.formHidden() || !p.run.shipTo; }));
        for (int i = 0; i < 6; ++i)
            items.push_back(hiddenWhen(data({shipLeft + 100, BoxTop + 230 + i * 150, 3400, 150}, [i] { return blockLine(ShipTo, i); }),
                                       [&p] { return p.dataHidden() || !p.run.shipTo; }));
    }

    // The shop's footer line goes on invoices only: a quote is no bill, a package list stays in
    // the warehouse.
    Band footer(bool labelLine) const
    {
        const InvoicePrint &p = p_;
        return {420,
                {hiddenWhen(computed({Left, 0, Width, 160}, [&p] { return p.run.labelLine; }, Body, Align::Center),
                            [&p, labelLine] { return !labelLine || p.quote || p.dataHidden(); }),
                 hiddenWhen(pageNofM({Left, 220, Width, 160}, Small), [&p] { return p.formHidden() || p.dataHidden(); }),
                 hiddenWhen(pageNofM({Left, 220, Width, 160}, Small, Align::Right, "%n     %m"),
                            [&p] { return !p.formHidden() || p.dataHidden(); })}};
    }

    // The totals rows stack from the top of the block whichever of them print.
    void totalsRows(std::vector<Item> &items) const
    {
        const InvoicePrint &p = p_;
        for (int i = 0; i < InvoicePrint::TotalsSlots; ++i) {
            const int y = 120 + i * 190;
            auto has = [&p, i](bool bold) {
                return std::size_t(i) < p.totals.size() && p.totals[std::size_t(i)].bold == bold;
            };
            auto captionOf = [&p, i] { return p.totals[std::size_t(i)].caption; };
            auto valueOf = [&p, i] { return p.totals[std::size_t(i)].value; };
            for (const bool bold : {false, true}) {
                const Font font = bold ? Bold : Body;
                items.push_back(hiddenWhen(computed({4800, y, 1300, 160}, captionOf, font), [has, bold] { return !has(bold); }));
                items.push_back(hiddenWhen(computed({6100, y, 1400, 160}, valueOf, font, Align::Right),
                                           [has, bold] { return !has(bold); }));
            }
        }
    }

private:
    const InvoicePrint &p_;
};

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
    const Builder b(print);
    const InvoicePrint &p = print;
    std::vector<Item> header;
    b.companyBlock(header);
    header.push_back(hiddenWhen(computed({4500, 0, 3000, 420}, [&p] { return p.quote ? "QUOTE" : "INVOICE"; }, Heading,
                                         Align::Right),
                                [&p] { return !p.logo.empty() && !p.quote; }));
    for (int frame = 1; frame <= 3; ++frame)
        header.push_back(hiddenWhen(picture(LogoFrames[frame - 1], [&p] { return p.logo; }),
                                    [&p, frame] { return p.logo.empty() || p.quote || p.logoFrame != frame; }));
    b.numbers(header);
    b.addressBoxes(header);
    const Columns columns =
        lineColumns(p, {{"Price", 5000, 850, Align::Right, [&p] { return shown(printedPrice(DES), p.run.money); }},
                        {"Amount", 5950, 850, Align::Right, [&p] { return shown(DES.AMOUNT, p.run.money); }},
                        {"Unit", 6900, 600, Align::Left, [] { return DES.PACKAGESIZE.str(); }}});
    b.captions(columns, header);

    std::vector<Item> totals{b.rule({Left, 40, Width, 0}),
                             computed({Left, 120, 4500, 160}, [] { return INV.TAXINFO.str(); }),
                             wrapped(computed({Left, 320, 4500, 160}, [&p] { return p.memo; }))};
    b.totalsRows(totals);

    InvoiceLayouts layouts;
    layouts.form = Layout{.pageHeader = {HeaderHeight, std::move(header)},
                          .detail = {200, lineCells(columns)},
                          .pageFooter = b.footer(true)};
    layouts.totals = Band{120 + InvoicePrint::TotalsSlots * 190 + 60, std::move(totals)};
    return layouts;
}

Layout packageListLayout(const InvoicePrint &print)
{
    const Builder b(print);
    std::vector<Item> header;
    b.companyBlock(header);
    header.push_back(text({4000, 0, 3500, 420}, "PACKAGE LIST", Heading, Align::Right));
    b.numbers(header);
    b.addressBoxes(header);
    const Columns columns = lineColumns(print, {{"Unit", 5100, 900, Align::Left, [] { return DES.PACKAGESIZE.str(); }},
                                                {"Location", 6100, 1400, Align::Left, [] { return DES.LOCATION.str(); }}});
    b.captions(columns, header);

    return Layout{.pageHeader = {HeaderHeight, std::move(header)},
                  .detail = {200, lineCells(columns)},
                  .pageFooter = b.footer(false)};
}

} // namespace PRN
