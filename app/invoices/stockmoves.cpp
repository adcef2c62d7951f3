#include "app/invoices/stockmoves.h"

#include "app/common/booking.h"
#include "dictionary/files.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"

#include <algorithm>
#include <vector>

namespace app::invoices {

namespace {

using dict::KeptBuffers;

// Adds quantity to every component of a special item; components no longer on file are skipped.
int moveComponents(const dict::String<20> &special, double quantity)
{
    for (const auto &component : dict::range(SPE.StockNo_Key, special)) {
        STO.STOCKNO = component.STOCKNO1;
        if (Access::STOCK.TryFetch(STO.StockNo_Key) != dict::Benign)
            continue;
        STO.AMOUNTINSTOCK += quantity * component.AMOUNT;
        if (Access::STOCK.TryUpdate() != dict::Benign)
            return dict::Notify;
    }
    return dict::Benign;
}

bool fetchItem(const dict::DESCRIPTIONRecord &line)
{
    STO.STOCKNO = line.STOCKNO;
    STO.RECORDNO = line.RECORDNO;
    return Access::STOCK.TryFetch(STO.StockNoRecordNo_Key) == dict::Benign;
}

// Adds quantity (negative: takes out) to the line's item and its components.
int moveItem(double quantity)
{
    STO.AMOUNTINSTOCK += quantity;
    if (Access::STOCK.TryUpdate() != dict::Benign)
        return dict::Notify;
    if (STO.SPECIALITEM.blank())
        return dict::Benign;
    return moveComponents(STO.STOCKNO, quantity);
}

} // namespace

int adjustStock(const dict::String<20> &stockNo, dict::LONG recordNo, double quantity)
{
    KeptBuffers kept{&Access::STOCK};
    STO.STOCKNO = stockNo;
    STO.RECORDNO = recordNo;
    if (stockNo.blank() || Access::STOCK.TryFetch(STO.StockNoRecordNo_Key) != dict::Benign)
        return dict::Benign;
    return moveItem(quantity);
}

bool movesStock(const dict::DESCRIPTIONRecord &line)
{
    return line.LABORBUTTON == 0 && !line.STOCKNO.blank();
}

namespace {
// The line's back order is cleared; true when the line moves stock of an item now in STO.
bool itemOfLine(dict::DESCRIPTIONRecord &line)
{
    line.BACKORDER = 0;
    line.AMOUNTBACKORDERED = 0;
    return movesStock(line) && fetchItem(line);
}
} // namespace

int takeStock(dict::DESCRIPTIONRecord &line)
{
    KeptBuffers kept{&Access::STOCK};
    if (!itemOfLine(line))
        return dict::Benign;
    const double shortBy = line.QUANTITY - std::max<double>(STO.AMOUNTINSTOCK, 0.0);
    if (shortBy > 0 && !dict::sameQuantity(shortBy, 0)) {
        line.BACKORDER = 1;
        line.AMOUNTBACKORDERED = shortBy;
        STO.BACKORDERED = 1;
        STO.AMOUNTBACKORDERED += shortBy;
    }
    return moveItem(-line.QUANTITY);
}

int returnStock(dict::DESCRIPTIONRecord &line)
{
    const double backOrdered = line.BACKORDER != 0 ? double(line.AMOUNTBACKORDERED) : 0.0;
    KeptBuffers kept{&Access::STOCK};
    if (!itemOfLine(line))
        return dict::Benign;
    if (backOrdered > 0) {
        STO.AMOUNTBACKORDERED = std::max(STO.AMOUNTBACKORDERED - backOrdered, 0.0);
        if (dict::sameQuantity(STO.AMOUNTBACKORDERED, 0)) {
            STO.AMOUNTBACKORDERED = 0;
            STO.BACKORDERED = 0;
        }
    }
    return moveItem(line.QUANTITY);
}

} // namespace app::invoices
