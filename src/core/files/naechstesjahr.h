// Next year: new booking file with carried balances and planned bookings.
#pragma once

#include "core/files/sitzung.h"

#include <string>

namespace zalvor {

// The command "Nächstes &Jahr...". Cancelled at a question, or refused (a Euro year without
// a rate, a name or lock that does not fit, the new file not written).
Ausgang naechstesJahr(Sitzung& s);

// Balance of account n (1..9) in the active booking file: booked incomes minus booked
// expenses, opening balances counting as incoming.
long double kontostand(const Verein& v, int konto);

} // namespace zalvor
