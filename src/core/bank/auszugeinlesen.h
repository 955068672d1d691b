// The one entry point: a statement file's bytes, recognised by content (CAMT.053, a ZIP of
// CAMT.053 or MT940 files, MT940, or CSV by a rules file), read into statements.
#pragma once

#include "core/bank/kontoauszug.h"
#include "core/bank/regeln.h"

#include <optional>
#include <string_view>
#include <vector>

namespace zalvor::bank {

inline constexpr std::size_t kHoechstAuszug = 64 * 1024 * 1024; // read and expanded

struct Einleseergebnis {
    Auszugformat format = Auszugformat::Unbekannt;
    std::vector<Kontoauszug> auszuege;
    std::vector<Meldung> hinweise;
    std::optional<Meldung> fehler; // set: nothing of the file may be booked

    bool ok() const { return !fehler.has_value(); }
};

// `csv` describes the columns when the file is a CSV export (the rules file's CSV part).
// Lines of amount 0 are left out with a notice: a booking of 0 counts as deleted.
Einleseergebnis auszugEinlesen(std::string_view inhalt, const CsvBeschreibung* csv = nullptr);

} // namespace zalvor::bank
