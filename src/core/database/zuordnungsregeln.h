// The club's stored assignment rules: a pattern over a statement line, the side it applies
// to (or both) and the type it gives, tried in their order after those of a rules file.
#pragma once

#include "core/bank/regeln.h"
#include "core/database/datenbank.h"

#include <vector>

namespace zalvor {

// In the order they are tried; each rule's line is its number in that order.
std::vector<bank::Zuordnungsregel> gespeicherteRegeln(const Datenbank& db);
// Replaces every rule. Refused: an empty pattern or one that is no regular expression, a
// type number outside 0..99.
Ergebnis<void> regelnSpeichern(Transaktion& t, const std::vector<bank::Zuordnungsregel>& regeln);

} // namespace zalvor
