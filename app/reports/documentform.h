// The parts every business document's form shares: the company block, the numbers beside it,
// the two address boxes, the columns' captions, the totals block and the footer. A caption of
// the form is left out on stationery (it has it printed); a value of the document is left out on
// a blank form.
#pragma once

#include "app/reports/addressblocks.h"
#include "app/reports/invoiceprint.h"
#include "framework/picture.h"
#include "reports/pagechrome.h"
#include "reports/reportcolumns.h"
#include "reports/reportlayout.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace PRN {

namespace form {

using namespace rpt;

inline const Font Company{.points = 13, .bold = true};
inline const Font Heading{.points = 20, .bold = true};

constexpr int Left = 0;
constexpr int Width = PageWidth;
constexpr int Row = 170;       // one line of body text
constexpr int BoxTop = 1950;   // the SOLD TO and SHIP TO boxes
constexpr int BoxHeight = 1180;
constexpr int ColumnsTop = 3230;
constexpr int HeaderHeight = 3480;

// A line's quantity through the run's quantity picture; a text picture shows the number as
// typed, cut to its width.
inline std::string quantityText(double quantity, const std::string &picture)
{
    if (picture.rfind("@s", 0) == 0)
        return fw::formatText(fw::plainNumber(quantity), picture);
    return shown(quantity, picture);
}

// One of the numbers beside the company block: its caption, its value, and when it is left out.
struct NumberRow {
    std::string caption;
    TextSource value;
    Condition hidden = {};
};

class DocumentForm
{
public:
    explicit DocumentForm(const InvoicePrint &p) : p_(p) {}

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

    // Captions on the right, each value beside its caption; a long caption starts further left.
    void numbers(std::vector<Item> &items, std::vector<NumberRow> rows, int captionLeft = 4800) const
    {
        const InvoicePrint &p = p_;
        for (std::size_t n = 0; n < rows.size(); ++n) {
            const int y = 1000 + int(n) * Row;
            Item label = caption({captionLeft, y, 6050 - captionLeft, 160}, rows[n].caption);
            if (Condition hide = rows[n].hidden)
                label.hidden = [&p, hide] { return p.formHidden() || hide(); };
            items.push_back(std::move(label));
            items.push_back(data({6100, y, 1400, 160}, std::move(rows[n].value)));
        }
    }

    // An address block in a box with its caption; shown only while `shown` holds.
    void addressBox(std::vector<Item> &items, int left, const char *title, AddressBlock &block,
                    std::function<bool()> shown = [] { return true; }) const
    {
        const InvoicePrint &p = p_;
        items.push_back(hiddenWhen(box({left, BoxTop, 3600, BoxHeight}), [&p, shown] { return p.formHidden() || !shown(); }));
        items.push_back(hiddenWhen(text({left + 100, BoxTop + 30, 1700, 160}, title, Bold),
                                   [&p, shown] { return p.formHidden() || !shown(); }));
        for (int i = 0; i < 6; ++i)
            items.push_back(hiddenWhen(computed({left + 100, BoxTop + 230 + i * 150, 3400, 150},
                                                [&block, i] { return blockLine(block, i); }),
                                       [&p, shown] { return p.dataHidden() || !shown(); }));
    }

    // The bill-to block in the left box, the ship-to block in the right one (when the run prints it).
    void addressBoxes(std::vector<Item> &items, const char *billCaption, const char *shipCaption) const
    {
        const InvoicePrint &p = p_;
        addressBox(items, Left, billCaption, BillTo);
        addressBox(items, 3900, shipCaption, ShipTo, [&p] { return p.run.shipTo; });
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

    // The block below the last line: the tax registration, the memo and the totals.
    Band totalsBand(TextSource taxInfo) const
    {
        const InvoicePrint &p = p_;
        std::vector<Item> items{rule({Left, 40, Width, 0}), computed({Left, 120, 4500, 160}, std::move(taxInfo)),
                                wrapped(computed({Left, 320, 4500, 160}, [&p] { return p.memo; }))};
        totalsRows(items);
        return Band{120 + InvoicePrint::TotalsSlots * 190 + 60, std::move(items)};
    }

private:
    const InvoicePrint &p_;
};

} // namespace form

} // namespace PRN
