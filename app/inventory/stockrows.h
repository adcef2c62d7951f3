// What the stock browses share: the red rule of a stock row and the values their panels show of
// the highlighted item (amounts through the money picture, quantities through the quantity one).
#pragma once

#include <QString>

namespace fw {
class BrowseProcedure;
}

namespace app {

// Stock at or below its re-order level needs attention (when the setting asks for red lines).
bool stockBelowReorder();

namespace stockvalue {
QString location(fw::BrowseProcedure &);
QString unit(fw::BrowseProcedure &);
QString weight(fw::BrowseProcedure &);
QString onHand(fw::BrowseProcedure &);
QString cost(fw::BrowseProcedure &);
QString price1(fw::BrowseProcedure &);
QString price2(fw::BrowseProcedure &);
QString price3(fw::BrowseProcedure &);
// What the stock on hand is worth at cost and at each price; stock below zero is worth nothing.
QString costHeld(fw::BrowseProcedure &);
QString price1Held(fw::BrowseProcedure &);
QString price2Held(fw::BrowseProcedure &);
QString price3Held(fw::BrowseProcedure &);
} // namespace stockvalue

} // namespace app
