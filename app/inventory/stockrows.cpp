#include "app/inventory/stockrows.h"

#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "framework/picture.h"

namespace app {

namespace {

QString amount(double value) { return QString::fromStdString(fw::formatValue(value, fw::moneyPicture("@n-13.2"))).trimmed(); }
QString quantity(double value) { return QString::fromStdString(fw::formatValue(value, "@n-13.2")).trimmed(); }
double held() { return STO.AMOUNTINSTOCK > 0 ? double(STO.AMOUNTINSTOCK) : 0.0; }

} // namespace

bool stockBelowReorder()
{
    return GLO.REDLINEINVENTORY == 1
           && (STO.AMOUNTINSTOCK < STO.MINAMOUNT || dict::sameQuantity(STO.AMOUNTINSTOCK, STO.MINAMOUNT));
}

namespace stockvalue {
QString location(fw::BrowseProcedure &) { return QString::fromStdString(STO.LOCATION.str()); }
QString unit(fw::BrowseProcedure &) { return QString::fromStdString(STO.PACKAGESIZE.str()); }
QString weight(fw::BrowseProcedure &) { return quantity(STO.WEIGHT); }
QString onHand(fw::BrowseProcedure &) { return quantity(STO.AMOUNTINSTOCK); }
QString cost(fw::BrowseProcedure &) { return amount(STO.COST); }
QString price1(fw::BrowseProcedure &) { return amount(STO.RETAIL); }
QString price2(fw::BrowseProcedure &) { return amount(STO.RETAIL2); }
QString price3(fw::BrowseProcedure &) { return amount(STO.RETAIL3); }
QString costHeld(fw::BrowseProcedure &) { return amount(STO.COST * held()); }
QString price1Held(fw::BrowseProcedure &) { return amount(STO.RETAIL * held()); }
QString price2Held(fw::BrowseProcedure &) { return amount(STO.RETAIL2 * held()); }
QString price3Held(fw::BrowseProcedure &) { return amount(STO.RETAIL3 * held()); }
} // namespace stockvalue

} // namespace app
