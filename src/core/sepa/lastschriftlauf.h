// The direct-debit run: who is debited and for how much, the file for the bank, and the
// record of what was submitted.
#pragma once

#include "core/common/raster.h"
#include "core/common/uhr.h"
#include "core/database/mandate.h"
#include "core/files/verein.h"
#include "core/sepa/lastschrift.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zalvor::sepa {

struct Lastschriftposten {
    std::uint32_t nr = 0; // the member's record number
    std::string name;     // "Nachname, Vorname", Windows form
    Mandat mandat;
    std::int64_t cent = 0;
    Sequenz sequenz = Sequenz::Erst;
    std::string verwendungszweck; // UTF-8
};

struct OhneMandat {
    std::uint32_t nr = 0;
    std::string name; // Windows form
    std::int64_t cent = 0;
};

struct Lastschriftvorschlag {
    std::vector<Lastschriftposten> posten; // in file order
    std::vector<OhneMandat> ohneMandat;
    std::int64_t summe = 0;
};

// Every member who has not paid in the period and whose contribution can be booked and is
// above 0 (as "Beiträge buchen" offers it): a debit when the member has a mandate, else
// listed apart. Remittance text "Beitrag " + the file's business year + " " + the member's
// first and last name. Throws EAFehler when the member file, the rates or the definitions
// could not be read.
Lastschriftvorschlag lastschriftenVorschlagen(const Verein& v, const Datenbank& db);

// "Lastschrift": Nr, Name, IBAN, Mandat, Betrag, Sequenz; "Ohne Mandat": Nr, Name, Betrag.
Raster lastschriftRaster(const Lastschriftvorschlag& l);
Raster ohneMandatRaster(const Lastschriftvorschlag& l);
// "Summe: N Lastschriften, BETRAG", Windows form.
std::string summenText(const Lastschriftvorschlag& l);
// An amount in cents as the booking table shows it.
std::string centBetrag(std::int64_t cent);

// Why the debits cannot go to the bank with this due date (Windows form): no creditor, its
// account without IBAN, no debit, a date earlier than one TARGET2 business day after today.
std::optional<std::string> lastschriftHindernis(const Datenbank& db, const Lastschriftvorschlag& l,
                                                const Datum& faellig, const Datum& heute);

struct Lastschrifteinreichung {
    std::string nachricht; // message id of the file
    std::size_t anzahl = 0;
    std::int64_t summe = 0;
};

// Writes the pain.008 file `ausgabe` (temporary file, sync, rename) after the writer's and
// the bank schema's checks, and records it with its debits in the same transaction; the
// mandates of the file then count as collected before. A refusal writes and stores nothing.
Ergebnis<Lastschrifteinreichung>
lastschriftdateiSchreiben(Datenbank& db, const Lastschriftvorschlag& l, const Datum& faellig,
                          const Zeitpunkt& jetzt, const std::string& ausgabe);

// Today at the system's time of day, for the creation time of a file.
Zeitpunkt jetztAm(const Datum& heute);

} // namespace zalvor::sepa
