// The booking lists of the active file as report values: simple list, E/A list, account
// lists.
#pragma once

#include "core/common/raster.h"

namespace zalvor {

struct Sitzung;

// All bookings with the running cash total ("G e l d b e s t a n d :").
Bericht einfachListe(Sitzung& s);
// Expenses in the upper grid, incomes in the lower, each with its sum.
Bericht eaListe(Sitzung& s);
// Outgoing and incoming bookings of account 1..9; 0 gives one tab per account.
Bericht kontenListe(Sitzung& s, int konto);

} // namespace zalvor
