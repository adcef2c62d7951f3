#include "app/purchasing/purchasebook.h"

#include "app/common/booking.h"
#include "app/purchasing/purchasemessages.h"
#include "app/purchasing/vendorledger.h"
#include "dictionary/decimal.h"
#include "dictionary/files.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "dictionary/runtimeerror.h"
#include "framework/picture.h"

#include <algorithm>
#include <string>

namespace app::purchasing {

namespace {

using dict::Decimal;
using dict::KeptBuffers;

const std::vector<dict::FileManager *> OrderFiles{&Access::PURORDER, &Access::PURDESCRIPTION, &Access::VENFIN,
                                                  &Access::VENDOR,   &Access::TOTALINV,       &Access::STOCK};

std::string orderName(dict::LONG number) { return "Purchase order " + std::to_string(number); }
std::string numberText(dict::LONG number) { return fw::formatValue(number, "@n06"); }

double sum(double a, double b) { return (Decimal(a) + Decimal(b)).toDouble(); }

// The back order of the item of a stock number and record number moves by quantity: raised, it
// carries the order's date; never below 0, and at 0 it is no back order at all. An item no longer
// on file is skipped.
Step moveBackOrder(const dict::String<20> &stockNo, dict::LONG recordNo, double quantity, dict::LONG date)
{
    if (stockNo.blank() || quantity == 0)
        return dict::Benign;
    KeptBuffers kept{&Access::STOCK};
    STO.STOCKNO = stockNo;
    STO.RECORDNO = recordNo;
    if (Access::STOCK.TryFetch(STO.StockNoRecordNo_Key) != dict::Benign)
        return Access::STOCK.GetError() == dict::Err::RecordNotFound ? dict::Benign : dict::Notify;
    const double now = std::max(0.0, sum(STO.AMOUNTBACKORDERED, quantity));
    STO.AMOUNTBACKORDERED = now;
    if (now == 0) {
        STO.BACKORDERED = 0;
        STO.BACKORDERDATE = 0;
    } else if (quantity > 0) {
        STO.BACKORDERED = 1;
        STO.BACKORDERDATE = date;
    }
    return Access::STOCK.TryUpdate();
}

Step backOrderOf(const dict::PURDESCRIPTIONRecord &line, int direction)
{
    return moveBackOrder(line.STOCKNO, line.RECORDNO, direction * double(line.QUANTITY), line.DATE);
}

// What an order adds to TOTALINV record 2.
struct Share {
    double cost = 0, shipping = 0, total = 0;
};
Share shareOf(const dict::PURORDERRecord &order) { return {order.COST, order.SHIPPING, order.TOTALDUE}; }

void move(dict::Unaligned<dict::REAL> &total, double was, double now)
{
    total = (Decimal(total) + Decimal(now) - Decimal(was)).toDouble();
}

Step moveOrderTotals(const Share &was, const Share &now)
{
    if (was.cost == now.cost && was.shipping == now.shipping && was.total == now.total)
        return dict::Benign;
    TOT.RECORDNO = 2;
    const bool found = Access::TOTALINV.TryFetch(TOT.RecordNo_Key) == dict::Benign;
    if (!found) {
        if (Access::TOTALINV.TryPrimeRecord() != dict::Benign)
            return dict::Notify;
        TOT.RECORDNO = 2;
    }
    move(TOT.COST, was.cost, now.cost);
    move(TOT.SHIPPING, was.shipping, now.shipping);
    move(TOT.TOTALDUE, was.total, now.total);
    return found ? Access::TOTALINV.TryUpdate() : Access::TOTALINV.TryInsert();
}

bool hasPayments(dict::LONG orderNo) { return dict::range(VEF.POrderNo_Key, orderNo).size() > 1; }

bool received(dict::LONG orderNo)
{
    const auto order = dict::lookup(PUR.POrderNo_Key, orderNo);
    return order && order->DATERECVEIVED != 0;
}

// The order's own VENFIN record follows the order; the balances move by its change of due.
Step bookOwnRecord(const dict::PURORDERRecord &order, double ownPaid)
{
    const auto own = ownFound(order.PORDERNO);
    const double wasDue = own ? double(own->AMOUNTDUE) : 0.0;
    const dict::String<20> wasAccount = own ? own->ACCOUNTNO : order.ACCOUNTNO;
    if (own && Access::VENFIN.TryReget(own->position) != dict::Benign)
        return dict::Notify;
    if (!own && Access::VENFIN.TryPrimeRecord() != dict::Benign)
        return dict::Notify;
    VEF.ACCOUNTNO = order.ACCOUNTNO;
    VEF.PORDERNO = order.PORDERNO;
    VEF.DATE = order.DATE;
    VEF.TERMS = order.TERMS;
    VEF.CHECKNO = order.CHECKNO;
    VEF.PAYMENTTERMS = order.PAYMENTTERMS;
    VEF.AMOUNTTOTAL = order.TOTALDUE;
    VEF.AMOUNTPAID = ownPaid;
    VEF.AMOUNTDUE = dict::roundCents(order.TOTALDUE - ownPaid);
    const double due = VEF.AMOUNTDUE;
    if (Step stored = own ? Access::VENFIN.TryUpdate() : Access::VENFIN.TryInsert(); !stored)
        return stored;
    if (wasAccount == order.ACCOUNTNO)
        return moveVendorBalance(order.ACCOUNTNO, due - wasDue, true);
    if (Step left = moveVendorBalance(wasAccount, -wasDue, false); !left)
        return left;
    return moveVendorBalance(order.ACCOUNTNO, due, true);
}

// The body of a save: `form` replaces what is stored (nothing for a new order).
Step bookOrder(bool insert, dict::PURORDERRecord order, double ownPaid)
{
    dict::PURORDERRecord was{};
    if (!insert) {
        PUR.PORDERNO = order.PORDERNO;
        if (Access::PURORDER.TryFetch(PUR.POrderNo_Key) != dict::Benign)
            return refuse(PurMsg::OrderGone, numberText(order.PORDERNO));
        was = PUR;
        if (was.ACCOUNTNO != order.ACCOUNTNO && !was.ACCOUNTNO.blank() && hasPayments(order.PORDERNO))
            return refuse(PurMsg::CannotMoveOrder, was.ACCOUNTNO.str());
    }
    const auto vendor = dict::lookup(VEN.VendorNo_Key, order.ACCOUNTNO);
    if (order.ACCOUNTNO.blank() || !vendor)
        return refuse(PurMsg::NoSuchVendor, order.ACCOUNTNO.str());
    order.VENDOR = vendor->VENDOR;
    order.MONTH = static_cast<dict::SHORT>(fw::monthOf(order.DATE));
    Decimal cost;
    for (const StoredOrderLine &stored : linesOf(order.PORDERNO))
        cost += Decimal(stored.line.AMOUNTCOST);
    order.COST = cost.toDouble();
    order.TOTALDUE = dict::roundCents(order.COST);
    if (Step own = bookOwnRecord(order, ownPaid); !own)
        return own;
    order.AMOUNTPAID = paidOver(order.PORDERNO);
    order.AMOUNTOWED = dict::roundCents(order.TOTALDUE - order.AMOUNTPAID);
    if (ownPaid != 0 && order.DATEPAID == 0)
        order.DATEPAID = order.DATE;
    if (Step totals = moveOrderTotals(shareOf(was), shareOf(order)); !totals)
        return totals;
    PUR.PORDERNO = order.PORDERNO;
    if (!insert && Access::PURORDER.TryFetch(PUR.POrderNo_Key) != dict::Benign)
        return dict::Notify;
    static_cast<dict::PURORDERRecord &>(PUR) = order;
    return insert ? Access::PURORDER.TryInsert() : Access::PURORDER.TryUpdate();
}

// Inside a line's unit: a saved order takes the cost its stored lines make, booked by difference.
// A new order (its number only reserved, no vendor yet) books nothing until it is saved.
Step settleStored(dict::LONG orderNo)
{
    const auto stored = dict::lookup(PUR.POrderNo_Key, orderNo);
    if (!stored || stored->ACCOUNTNO.blank())
        return dict::Benign;
    const auto own = ownFound(orderNo);
    return bookOrder(false, *stored, own ? double(own->AMOUNTPAID) : 0.0);
}

Step dropLines(dict::LONG orderNo, bool holdBackOrders)
{
    for (const StoredOrderLine &stored : linesOf(orderNo)) {
        if (holdBackOrders) {
            if (Step back = backOrderOf(stored.line, -1); !back)
                return back;
        }
        if (Access::PURDESCRIPTION.TryReget(stored.position) != dict::Benign
            || Access::PURDESCRIPTION.TryDeleteRecord() != dict::Benign)
            return dict::Notify;
    }
    return dict::Benign;
}

// Deletes the order's VENFIN records, each taking its due off its vendor's balance.
Step dropVenfin(dict::LONG orderNo)
{
    for (const auto &record : dict::range(VEF.POrderNo_Key, orderNo)) {
        if (Access::VENFIN.TryReget(record.position) != dict::Benign || Access::VENFIN.TryDeleteRecord() != dict::Benign)
            return dict::Notify;
        const bool anyLeft = dict::lookup(VEF.VendorNo_Key, record.ACCOUNTNO).has_value();
        if (Step moved = moveVendorBalance(record.ACCOUNTNO, -record.AMOUNTDUE, false); !moved)
            return moved;
        if (!anyLeft && VEN.FINANCEPRESENT != 0) {
            VEN.FINANCEPRESENT = 0;
            if (Access::VENDOR.TryUpdate() != dict::Benign)
                return dict::Notify;
        }
    }
    return dict::Benign;
}

Step unbookOrder(dict::LONG orderNo)
{
    const auto order = dict::lookup(PUR.POrderNo_Key, orderNo);
    if (!order)
        return dict::Benign; // deleted at another station: nothing left to reverse
    if (Step lines = dropLines(orderNo, order->DATERECVEIVED == 0); !lines)
        return lines;
    if (Step venfin = dropVenfin(orderNo); !venfin)
        return venfin;
    if (Step totals = moveOrderTotals(order->ACCOUNTNO.blank() ? Share{} : shareOf(*order), {}); !totals)
        return totals;
    if (Access::PURORDER.TryReget(order->position) != dict::Benign)
        return dict::Notify;
    return Access::PURORDER.TryDeleteRecord();
}

// One line's quantity into stock, with its receipt; an item no longer on file is skipped.
Step receiveLine(const dict::PURDESCRIPTIONRecord &line, dict::LONG date)
{
    if (line.STOCKNO.blank() || line.QUANTITY == 0)
        return dict::Benign;
    STO.STOCKNO = line.STOCKNO;
    STO.RECORDNO = line.RECORDNO;
    if (Access::STOCK.TryFetch(STO.StockNoRecordNo_Key) != dict::Benign)
        return Access::STOCK.GetError() == dict::Err::RecordNotFound ? dict::Benign : dict::Notify;
    const double quantity = line.QUANTITY;
    const double filled = std::min(std::max(0.0, -double(STO.AMOUNTINSTOCK)), quantity); // customers waiting
    STO.AMOUNTINSTOCK = sum(STO.AMOUNTINSTOCK, quantity);
    STO.AMOUNTBACKORDERED = std::max(0.0, (Decimal(STO.AMOUNTBACKORDERED) - Decimal(quantity) - Decimal(filled)).toDouble());
    if (STO.AMOUNTBACKORDERED == 0) {
        STO.BACKORDERED = 0;
        STO.BACKORDERDATE = 0;
    }
    if (Step item = Access::STOCK.TryUpdate(); !item)
        return item;
    if (Access::STSTREND.TryPrimeRecord() != dict::Benign)
        return dict::Notify;
    STS.STOCKNO = STO.STOCKNO;
    STS.PARTNO = STO.PARTNO;
    STS.DATERECEIVED = date;
    STS.MONTH = static_cast<dict::SHORT>(fw::monthOf(date));
    STS.AMOUNTRECEIVED = quantity;
    return Access::STSTREND.TryInsert();
}

} // namespace

std::vector<StoredOrderLine> linesOf(dict::LONG orderNo)
{
    std::vector<StoredOrderLine> lines;
    for (const auto &line : dict::range(PUD.PurOrderItem_Key, orderNo))
        lines.push_back({line, line.position});
    return lines;
}

std::optional<dict::VENFINRecord> ownRecordOf(dict::LONG orderNo)
{
    const auto own = ownFound(orderNo);
    return own ? std::optional<dict::VENFINRecord>(*own) : std::nullopt;
}

int bookOrderLine(bool insert, const dict::PURDESCRIPTIONRecord &before)
{
    KeptBuffers kept{&Access::PURORDER, &Access::VENFIN, &Access::VENDOR, &Access::TOTALINV};
    const dict::PURDESCRIPTIONRecord form = PUD;
    const std::string what = orderName(form.PURORDERNO) + ", item " + std::to_string(form.ITEMNO);
    const int booked = book(OrderFiles, what, [&]() -> Step {
        if (received(form.PURORDERNO))
            return refuse(PurMsg::ReceivedFrozen, numberText(form.PURORDERNO));
        if (!insert) {
            if (Step back = backOrderOf(before, -1); !back)
                return back;
        }
        if (Step back = backOrderOf(form, 1); !back)
            return back;
        static_cast<dict::PURDESCRIPTIONRecord &>(PUD) = form;
        if (Step stored = insert ? Access::PURDESCRIPTION.TryInsert() : Access::PURDESCRIPTION.TryUpdate(); !stored)
            return stored;
        const dict::storage::Position position = Access::PURDESCRIPTION.Position();
        if (Step settled = settleStored(form.PURORDERNO); !settled)
            return settled;
        return Access::PURDESCRIPTION.TryReget(position);
    });
    if (booked != dict::Benign)
        static_cast<dict::PURDESCRIPTIONRecord &>(PUD) = form;
    return booked;
}

int unbookOrderLine()
{
    KeptBuffers kept{&Access::PURORDER, &Access::VENFIN, &Access::VENDOR, &Access::TOTALINV, &Access::PURDESCRIPTION};
    const dict::PURDESCRIPTIONRecord line = PUD;
    const std::string what = orderName(line.PURORDERNO) + ", item " + std::to_string(line.ITEMNO);
    return book(OrderFiles, what, [&]() -> Step {
        if (received(line.PURORDERNO))
            return refuse(PurMsg::ReceivedFrozen, numberText(line.PURORDERNO));
        if (Step back = backOrderOf(line, -1); !back)
            return back;
        static_cast<dict::PURDESCRIPTIONRecord &>(PUD) = line;
        if (Step deleted = Access::PURDESCRIPTION.TryDeleteRecord(); !deleted)
            return deleted;
        return settleStored(line.PURORDERNO);
    });
}

int saveOrder(bool insert, double ownPaid)
{
    KeptBuffers kept{&Access::PURDESCRIPTION, &Access::VENFIN, &Access::VENDOR, &Access::TOTALINV, &Access::STOCK};
    const dict::PURORDERRecord form = PUR;
    const int saved = book(OrderFiles, orderName(form.PORDERNO), [&] { return bookOrder(insert, form, ownPaid); });
    if (saved != dict::Benign)
        static_cast<dict::PURORDERRecord &>(PUR) = form;
    return saved;
}

int settleOrderChange(dict::LONG orderNo)
{
    KeptBuffers kept{&Access::PURORDER, &Access::VENFIN, &Access::VENDOR, &Access::TOTALINV};
    return book(OrderFiles, orderName(orderNo), [&] { return settleStored(orderNo); });
}

int cancelNewOrder(dict::LONG orderNo)
{
    KeptBuffers kept{&Access::PURDESCRIPTION, &Access::STOCK};
    return book(OrderFiles, orderName(orderNo), [&]() -> Step {
        if (Step lines = dropLines(orderNo, true); !lines)
            return lines;
        return Access::PURORDER.CancelAutoInc();
    });
}

int receiveOrder(dict::LONG orderNo, dict::LONG date)
{
    KeptBuffers kept{&Access::PURORDER, &Access::STOCK, &Access::STSTREND};
    return book({&Access::PURORDER, &Access::STOCK, &Access::STSTREND}, orderName(orderNo), [&]() -> Step {
        PUR.PORDERNO = orderNo;
        if (Access::PURORDER.TryFetch(PUR.POrderNo_Key) != dict::Benign)
            return refuse(PurMsg::OrderGone, numberText(orderNo));
        if (PUR.DATERECVEIVED != 0)
            return refuse(PurMsg::AlreadyReceived, numberText(orderNo));
        const dict::PURORDERRecord order = PUR;
        for (const StoredOrderLine &stored : linesOf(orderNo))
            if (Step line = receiveLine(stored.line, date); !line)
                return line;
        static_cast<dict::PURORDERRecord &>(PUR) = order;
        PUR.DATERECVEIVED = date;
        return Access::PURORDER.TryUpdate();
    });
}

int deleteOrder(dict::LONG orderNo)
{
    KeptBuffers kept{&Access::PURORDER, &Access::PURDESCRIPTION, &Access::VENFIN, &Access::VENDOR, &Access::TOTALINV};
    return book(OrderFiles, orderName(orderNo), [&] { return unbookOrder(orderNo); });
}

std::string beyondBackOrder(dict::LONG orderNo)
{
    auto shown = [](double quantity) {
        const std::string text = fw::formatValue(quantity, fw::quantityPicture());
        return text.substr(std::min(text.size(), text.find_first_not_of(' ')));
    };
    std::string told;
    for (const StoredOrderLine &stored : linesOf(orderNo)) {
        const dict::PURDESCRIPTIONRecord &line = stored.line;
        const auto item = line.STOCKNO.blank() ? std::nullopt
                                               : dict::lookup(STO.StockNoRecordNo_Key, line.STOCKNO, line.RECORDNO);
        if (!item || (Decimal(line.QUANTITY) - Decimal(item->AMOUNTBACKORDERED)).toDouble() <= 0)
            continue;
        told += (told.empty() ? "" : "; ") + shown(line.QUANTITY) + " of " + line.STOCKNO.str() + " arrive, and "
                + shown(item->AMOUNTBACKORDERED) + " are on order";
    }
    return told;
}

} // namespace app::purchasing
