// A member's direct-debit mandate as the member card and the command line enter it: each
// value checked as the bank checks it, defaults filled in, the rest kept as stored.
#pragma once

#include "core/common/raster.h"
#include "core/common/uhr.h"
#include "core/database/mandate.h"
#include "core/members/mitglied.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace zalvor::sepa {

// Values a person typed, UTF-8; a missing one keeps the stored value (or takes its default
// for a new mandate). An empty BIC removes it.
struct MandatsEingabe {
    std::optional<std::string> iban;
    std::optional<std::string> bic;
    std::optional<std::string> inhaber;
    std::optional<std::string> referenz;
    std::optional<Datum> datum;
    bool leer() const { return !iban && !bic && !inhaber && !referenz && !datum; }
};

// The checks of the entries on their own, before the card stores anything: IBAN, BIC,
// reference, holder and date. The message of the first refusal, in the Windows form.
std::optional<std::string> mandatsEingabeFehler(const MandatsEingabe& e, const Datum& heute);

// Member `nummer` of the register `kartei` (file order) gets or changes its mandate, in one
// transaction. A new mandate needs the IBAN; the holder defaults to the member's first and
// last name, the date of signature to today, the reference to one the club never gave.
// Whether it was collected before stays.
Ergebnis<Mandat> mandatAendern(Datenbank& db, std::span<const TMitglied> kartei, std::size_t nummer,
                               const MandatsEingabe& e, const Datum& heute);
// The member's mandate ends (kept without member once a debit named it).
void mandatBeenden(Datenbank& db, std::span<const TMitglied> kartei, std::size_t nummer);
std::optional<Mandat> mandatDes(const Datenbank& db, std::span<const TMitglied> kartei,
                                std::size_t nummer);

// "Vorname Nachname" in UTF-8: the default holder and the name in the remittance text.
std::string vollerName(const TMitglied& m);

// "Mandat": Nr, Name, IBAN, BIC, Inhaber, Referenz, Unterschrieben, Sequenz (FRST or RCUR);
// no row without a mandate. Texts in the Windows form.
Raster mandatRaster(std::span<const TMitglied> kartei, std::size_t nummer,
                    const std::optional<Mandat>& m);

// "TT.MM.JJJJ", and its reading (nothing for a day that does not exist).
std::string datumAnzeige(const Datum& d);
std::optional<Datum> datumAusAnzeige(std::string_view text);

} // namespace zalvor::sepa
