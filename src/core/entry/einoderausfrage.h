// The question "Buchen: E/A?" that comes before a new booking.
#pragma once

#include "core/common/person.h"

#include <optional>

namespace zalvor {

// Asks "Wollen Sie eine Einnahme oder eine Ausgabe buchen?" with the buttons "Einnahme" and
// "Ausgabe". true = income, false = expense, nullopt = closed another way (nothing happens).
std::optional<bool> einnahmeOderAusgabe(Person& person);

} // namespace zalvor
