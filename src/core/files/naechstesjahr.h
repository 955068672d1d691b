// Next year: new booking file with carried balances and planned bookings.
#pragma once

#include "core/files/sitzung.h"

#include <string>

namespace zalvor {

// The command "Nächstes &Jahr...".
void naechstesJahr(Sitzung& s);

// Balance of account n (1..9) in the active booking file: booked incomes minus booked
// expenses, opening balances counting as incoming.
long double kontostand(const Verein& v, int konto);

} // namespace zalvor
