// The club's stored assignment rules as the person sees and changes them: the grid
// "Zuordnungsregeln", and every change checked against the club's named types before the
// rules are stored.
#pragma once

#include "core/bank/regeln.h"
#include "core/common/raster.h"
#include "core/database/datenbank.h"
#include "core/files/definitionen.h"

#include <optional>
#include <string>
#include <vector>

namespace zalvor::bank {

// "Einnahme", "Ausgabe", or empty for a rule of both sides.
std::string seitenText(std::optional<Seite> seite);

// The types a rule of that side may give: 0 and those named on every side it holds for.
std::vector<int> regeltypen(const TDefinitionen& def, std::optional<Seite> seite);
// The type as the booking dialog lists it (" 5: Kursgebühren"); for a rule of both sides the
// expense name follows when it differs.
std::string regeltypText(const TDefinitionen& def, std::optional<Seite> seite, int typ);

// Nr (from 1, the order they are tried), Muster, Seite, Typ.
Raster regelnRaster(const std::vector<Zuordnungsregel>& regeln, const TDefinitionen& def);

// The rule as it is stored (pattern without surrounding blanks, expression compiled), or
// the refusal: no pattern, no regular expression, a type not named on a side it holds for.
Ergebnis<Zuordnungsregel> regelGeprueft(const Zuordnungsregel& r, const TDefinitionen& def);

// Replaces the stored rules by these, each checked; a refusal names the rule's number.
Ergebnis<void> regelnUebernehmen(Transaktion& t, const std::vector<Zuordnungsregel>& regeln,
                                 const TDefinitionen& def);
// Appends a checked rule; the stored ones stay as they are, even one whose type has since
// lost its name, so that it can still be removed.
Ergebnis<void> regelHinzufuegen(Transaktion& t, const Zuordnungsregel& r, const TDefinitionen& def);
// Removes rule nr (from 1).
Ergebnis<void> regelEntfernen(Transaktion& t, int nr);

} // namespace zalvor::bank
