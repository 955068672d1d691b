// The figures of the closing's chart: expenses and incomes per type and the account
// balances, in the closing's currency.
#pragma once

#include "core/closing/abschlussrechnung.h"

#include <string>
#include <vector>

namespace zalvor {

struct Grafikbalken {
    std::string name; // Windows form
    long double real = 0;
    long double geplant = 0;
};

struct Abschlussgrafik {
    std::string waehrung;
    std::vector<Grafikbalken> ausgaben;
    std::vector<Grafikbalken> einnahmen;
    // Balance of each named account: real and planned part.
    std::vector<Grafikbalken> konten;
};

// Named types in item order, then "Sonstige" when it holds anything; the incomes end with
// the contributions (paid as real, outstanding as planned).
Abschlussgrafik abschlussGrafik(const Abschluss& a, const TDefinitionen& def);

} // namespace zalvor
