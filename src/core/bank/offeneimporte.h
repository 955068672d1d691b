// Imports recorded in the club database before their bookings were written: after a failure
// between the two, the next import finds out which of their bookings the booking file holds.
#pragma once

#include "core/database/datenbank.h"
#include "core/files/buchung.h"

#include <cstdint>
#include <span>
#include <string>
#include <unordered_set>
#include <vector>

namespace zalvor::bank {

struct Klaerung {
    std::int64_t import = 0;
    std::vector<bool> gefunden;             // per booked line of the import, in its order
    std::vector<std::string> nichtGefunden; // duplicate keys of the lines not found
};

// For every open import of the year: which of its bookings are in `saetze` (the booking
// file's records), found as every link is found.
std::vector<Klaerung> offeneImporteKlaeren(const Datenbank& db, const std::string& jahr,
                                           std::span<const TBuchung> saetze);
// Writes the findings in one transaction: the lines not found lose their link.
void klaerungenSchreiben(Datenbank& db, const std::vector<Klaerung>& klaerungen);

// The keys of the lines booked into the year as they stand once the findings are written.
std::unordered_set<std::string> gebuchteSchluessel(const Datenbank& db, const std::string& jahr,
                                                   const std::vector<Klaerung>& klaerungen);

} // namespace zalvor::bank
