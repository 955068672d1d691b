// Imported bank statements: one row per import with its statement's closing balance, one row
// per statement line with every field the readers deliver, and for a booked line the link to
// the booking made from it. A line's duplicate key is unique among the booked lines of one
// booking file year, so no line is booked twice into a year.
#pragma once

#include "core/bank/kontoauszug.h"
#include "core/common/uhr.h"
#include "core/database/buchungsverweis.h"
#include "core/database/datenbank.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace zalvor {

// A statement line as read, with its duplicate key and the booking made from it (only a
// line the bank has booked is booked).
struct Importzeile {
    bank::Auszugszeile zeile;
    std::string doppelschluessel;
    std::optional<std::array<std::uint8_t, TBuchung::kGroesse>> buchung;
    friend bool operator==(const Importzeile&, const Importzeile&) = default;
};

struct Kontoauszugsimport {
    std::string jahr;  // two-digit year of the booking file imported into
    std::string datei; // the statement file's name
    bank::Auszugformat format = bank::Auszugformat::Camt053; // CAMT.053, MT940 or CSV
    std::string zeitpunkt;                                   // "JJJJ-MM-TTTHH:MM:SS"
    int konto = 0;                                           // 1..9
    std::string auszug;                                      // the statement's id
    std::optional<std::int64_t> schlusssaldo;                // closing booked balance, signed cents
    std::optional<Datum> schlussdatum;
    // Recorded before its bookings are written: until confirmed, the booking file may lack them.
    bool offen = false;
    std::vector<Importzeile> zeilen; // in statement order
    friend bool operator==(const Kontoauszugsimport&, const Kontoauszugsimport&) = default;
};

// Records the import with all its lines; returns its id. Refused: a booked line whose
// duplicate key is already booked in the year (or twice in the import), a line booked
// without the bank's "booked" status, an account outside 1..9, a year not of two characters,
// a format other than CAMT.053, MT940 or CSV.
Ergebnis<std::int64_t> importEintragen(Transaktion& t, const Kontoauszugsimport& import);
std::optional<Kontoauszugsimport> importLesen(const Datenbank& db, std::int64_t id);

// The imports of the year still marked open, in the order they were made.
std::vector<std::int64_t> offeneImporte(const Datenbank& db, std::string_view jahr);
// The open import's bookings were found in the booking file: `gefunden` per line (in the
// order of its lines; lines without booking are ignored). A found line stays linked, the
// others lose their link; the import is no longer open.
void importBestaetigen(Transaktion& t, std::int64_t id, const std::vector<bool>& gefunden);

// The duplicate keys of every line booked into the year, for the import's check.
std::unordered_set<std::string> gebuchteSchluessel(const Datenbank& db, std::string_view jahr);

struct Verknuepfung {
    std::int64_t zeile = 0; // the line's id
    Buchungsverweis verweis;
};
// The links of every line booked into the year, in import order.
std::vector<Verknuepfung> verknuepfungen(const Datenbank& db, std::string_view jahr);
// After the booking of a line was changed in place: the link holds its new bytes.
void verweisErneuern(Transaktion& t, std::int64_t zeile, const TBuchung& neu);

} // namespace zalvor
