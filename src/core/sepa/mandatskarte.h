// The part "Lastschriftmandat" of the member card: its entries as the card shows them, their
// check before the member is stored, and the mandate stored after.
#pragma once

#include "core/common/uhr.h"
#include "core/database/ergebnis.h"
#include "core/members/mitglied.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace zalvor::sepa {

// Texts in the Windows form. An empty IBAN: the member has no mandate (or it ends); an empty
// holder, reference or date takes the stored value or its default.
struct MandatsKarte {
    std::string iban;
    std::string bic;
    std::string inhaber;
    std::string referenz;
    std::string datum;   // TT.MM.JJJJ
    std::string sequenz; // what the next debit is; empty without mandate
};

// The card of member `nummer` of the register (none: a new member) from the club database
// `pfad`; a club without database has no mandate.
MandatsKarte mandatsKarteFuellen(const std::string& pfad, std::span<const TMitglied> kartei,
                                 std::optional<std::size_t> nummer);

// The first refusal of the entries (Windows form), before anything is stored.
std::optional<std::string> mandatsKarteFehler(const MandatsKarte& k, const Datum& heute);

// After the member was stored as record `nummer` of `kartei`: the mandate set, or ended
// with an empty IBAN. The database is made for the first mandate only.
Ergebnis<void> mandatsKarteSpeichern(const std::string& pfad, std::span<const TMitglied> kartei,
                                     std::size_t nummer, const MandatsKarte& k, const Datum& heute);

} // namespace zalvor::sepa
