// Booking file operations: count, read, append, rewrite, delete, next booking number.
#pragma once

#include "core/files/buchung.h"
#include "core/files/satzdatei.h"
#include "core/files/verein.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zalvor {

class Person;

inline constexpr std::uint32_t kMaxSaetze = 65535;

struct AnhaengenOptionen {
    bool umrechnen = false;        // convert between the currencies
    bool inLandeswaehrung = false; // typed in Euro: towards the national currency
    bool indizes = false;          // file the record into indexes 1..9
    bool fehlendenIndexAnlegen = false;
};

// Appends to the active booking file (record count N afterwards), advances the next booking
// number and files record N-1 into the indexes when asked.
void buchungAnhaengen(Verein& v, Person& person, TBuchung b, const AnhaengenOptionen& opt);
// Appends a batch in file order with one write, the indexes filed once for all (each index
// rewritten whole): new indexes are prepared beside the old ones, then the records are
// written and synced, then the indexes switched over; until the last one is switched the
// check at opening finds the indexes short. Advances the next booking number per record.
// Nothing is written when the file cannot take them all.
void buchungenAnhaengen(Verein& v, Person& person, const std::vector<TBuchung>& neu);
// Appends to another file of booking records (the template file); no number, no indexes.
void satzAnhaengen(const Verein& v, Person& person, const std::string& dateiname, TBuchung b,
                   const AnhaengenOptionen& opt);

// Rewrites the record in place; the caller re-files it in the indexes.
void buchungUeberschreiben(const std::string& dateiname, std::uint32_t satz, const TBuchung& b);
// Sets the amount to 0 and rewrites the record in place; indexes untouched.
void buchungLoeschen(const std::string& dateiname, std::uint32_t satz);

// Next booking number from the last record (1 for an empty file or a non-number).
void naechsteNummerFinden(TBuchungsdatei& d);
// Rule after an append: a decimal booking number v gives v + 1, otherwise + 1.
void naechsteNummerNachAnhaengen(TBuchungsdatei& d, const TBuchung& b);

// Text of a booking number as the dialogs propose it.
std::string nummerText(std::int32_t nummer);

} // namespace zalvor
