// Account balances at a glance: every named account, real and with planned bookings, and the
// cash total, as the panel below the booking table shows them.
#pragma once

#include "core/common/raster.h"
#include "core/files/buchung.h"
#include "core/files/verein.h"

#include <string>
#include <string_view>
#include <vector>

namespace zalvor {

struct Kontostand {
    int konto = 0;
    long double real = 0;         // booked incomes minus booked expenses
    long double mitGeplanten = 0; // the same with the planned bookings
};

struct Kontostaende {
    std::vector<Kontostand> konten; // named accounts in their order
    Kontostand kasse;               // all nine accounts together (konto 0)
};

// The balances of the records given (the booking file in file order); opening balances
// count as incoming, deleted records add nothing.
Kontostaende kontostaendeAus(const std::vector<TBuchung>& saetze, const TDefinitionen& def);
// The same for the active booking file (nothing when no file is active).
Kontostaende kontostaende(const Verein& v);

// The panel's grid: "Konto", "Stand", "mit Planungen"; one row per named account, then the
// cash total "Kasse gesamt"; amounts as in the booking table with the currency label.
Raster kontostaendeRaster(const Kontostaende& k, const Verein& v, std::string_view euroText);

} // namespace zalvor
