// Documents left unfinished: an invoice or credit memo being entered when its program stopped
// (entryclaims.h), its lines still holding or returning stock. The next start of the program on
// that machine offers to finish each (its form opens on it) or to remove it as Cancel would.
#pragma once

#include "app/common/entryclaims.h"

#include <vector>

namespace app {

struct Unfinished {
    Entry kind;
    dict::LONG number;
    bool operator==(const Unfinished &) const = default;
};

// The documents being entered whose claims were left by a program of this machine that is no
// longer running; each is claimed now. The document files must be open.
std::vector<Unfinished> unfinishedEntries();

// Removes an unfinished document in one unit of work, as Cancel of a new one does; the claim is
// given up once it is gone.
int removeUnfinished(const Unfinished &entry);

// At start-up: asks about each unfinished document whether to finish it or remove it. Returns
// whether a form was opened.
bool offerUnfinishedEntries();

} // namespace app
