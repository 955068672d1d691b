// Cell texts that every booking list shares: date, type, amount, account names.
#pragma once

#include "core/files/buchung.h"
#include "core/files/definitionen.h"

#include <string>
#include <string_view>
#include <vector>

namespace zalvor {

struct Verein;
class Uhr;

// Day and month, each right-aligned in two characters and followed by a point.
std::string listenDatum(const TBuchung& b);
// "Umbuchung", "Beitrag", empty for an opening balance without type, else the type's name
// on the booking's side ("Sonstige" for code 0).
std::string listenTyp(const TBuchung& b, const Typverwaltung& typen);
// Right-aligned in 10 characters, two decimals; wider values are not cut.
std::string listenBetrag(long double wert);
// "Betrag (" + currency + ")".
std::string listenBetragsKopf(const Verein& v, std::string_view euroText);
// The first five cells and the amount: BuNr, Beleg, Datum, Typ, Buchungstext, An/Von,
// Betrag.
std::vector<std::string> listenGrundzellen(const TBuchung& b, const Typverwaltung& typen);
// Account name in the Windows form; empty for a number outside 1..9.
std::string kontoName(const TDefinitionen& def, int konto);
// " (Buchungsjahr: JJ; Stand: T.M.JJ)" after "für Datei: " + base name.
std::string listenTitelRest(const Verein& v, const Uhr& uhr);

} // namespace zalvor
