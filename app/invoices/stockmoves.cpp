#include "app/invoices/stockmoves.h"

#include "dictionary/files.h"
#include "dictionary/money.h"

#include <algorithm>
#include <vector>

namespace app::invoices {

namespace {

// Keeps a buffer as the caller had it, whatever is read into it meanwhile.
class KeptBuffer
{
public:
    explicit KeptBuffer(dict::FileManager &file) : file_(file), id_(file.SaveBuffer()) {}
    ~KeptBuffer() { file_.RestoreBuffer(id_); }
    KeptBuffer(const KeptBuffer &) = delete;
    KeptBuffer &operator=(const KeptBuffer &) = delete;

private:
    dict::FileManager &file_;
    int id_;
};

struct Component {
    dict::String<20> stockNo;
    double perItem;
};

std::vector<Component> componentsOf(const dict::String<20> &special)
{
    KeptBuffer kept(Access::SPECIAL);
    std::vector<Component> components;
    if (Access::SPECIAL.UseFile() != dict::Benign)
        return components;
    Access::SPECIAL.ClearKey(SPE.StockNo_Key);
    SPE.STOCKNO = special;
    Access::SPECIAL.SetAt(SPE.StockNo_Key);
    while (Access::SPECIAL.TryNext() == dict::Benign && SPE.STOCKNO == special)
        components.push_back({SPE.STOCKNO1, SPE.AMOUNT});
    return components;
}

// Adds quantity to every component of a special item; components no longer on file are skipped.
int moveComponents(const dict::String<20> &special, double quantity)
{
    for (const Component &part : componentsOf(special)) {
        STO.STOCKNO = part.stockNo;
        if (Access::STOCK.TryFetch(STO.StockNo_Key) != dict::Benign)
            continue;
        STO.AMOUNTINSTOCK += quantity * part.perItem;
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
    KeptBuffer kept(Access::STOCK);
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

int takeStock(dict::DESCRIPTIONRecord &line)
{
    line.BACKORDER = 0;
    line.AMOUNTBACKORDERED = 0;
    if (!movesStock(line))
        return dict::Benign;
    KeptBuffer kept(Access::STOCK);
    if (!fetchItem(line))
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
    line.BACKORDER = 0;
    line.AMOUNTBACKORDERED = 0;
    if (!movesStock(line))
        return dict::Benign;
    KeptBuffer kept(Access::STOCK);
    if (!fetchItem(line))
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
