// The club's stored assignment rules: a pattern over a statement line, the side it applies
// to and the type it gives, tried in their order.
#pragma once

#include "core/database/datenbank.h"

#include <string>
#include <vector>

namespace zalvor {

enum class Seite { Einnahme, Ausgabe };

struct Zuordnungsregel {
    std::string muster; // UTF-8
    Seite seite = Seite::Einnahme;
    int typ = 0; // the type number shown for the side (0 "Sonstige")
    friend bool operator==(const Zuordnungsregel&, const Zuordnungsregel&) = default;
};

// In the order they are tried.
std::vector<Zuordnungsregel> regelnLesen(const Datenbank& db);
// Replaces every rule. Refused: an empty pattern, a type number outside 0..99.
Ergebnis<void> regelnSetzen(Transaktion& t, const std::vector<Zuordnungsregel>& regeln);

} // namespace zalvor
