// The booking lists of the active file as report values: simple list, E/A list, account
// lists.
#pragma once

#include "core/common/raster.h"

#include <string_view>

namespace zalvor {

class Person;
class Uhr;
struct Verein;

// All bookings with the running cash total ("G e l d b e s t a n d :").
Bericht einfachListe(Verein& v, Person& person, const Uhr& uhr, std::string_view euroText);
// Expenses in the upper grid, incomes in the lower, each with its sum.
Bericht eaListe(const Verein& v, Person& person, const Uhr& uhr, std::string_view euroText);
// Outgoing and incoming bookings of account 1..9; 0 gives one tab per account.
Bericht kontenListe(const Verein& v, Person& person, const Uhr& uhr, std::string_view euroText,
                    int konto);

} // namespace zalvor
