// The creditor data as the treasurer enters them: each value checked before anything is
// stored, the rest kept as stored.
#pragma once

#include "core/common/raster.h"
#include "core/database/bankkonten.h"
#include "core/database/mandate.h"

#include <optional>
#include <span>
#include <string>

namespace zalvor::sepa {

// Values a person typed, UTF-8; a missing one keeps the stored value.
struct GlaeubigerEingabe {
    std::optional<std::string> id;
    std::optional<std::string> name;
    std::optional<int> konto;
};

// The creditor after the change, in one transaction. Refused with its message and nothing
// stored: an identifier whose check digits fail ("Ungültige Gläubiger-ID!"), a name too long
// or without a character of the SEPA set, an account without IBAN, or values missing where
// nothing is stored yet.
Ergebnis<zalvor::Glaeubiger> glaeubigerAendern(Datenbank& db, const GlaeubigerEingabe& e);

// "Gläubiger": Gläubiger-ID, Name, Konto, IBAN; no row while nothing is stored.
Raster glaeubigerRaster(const Datenbank& db);
// The same of a creditor already at hand, with the IBAN from `konten`.
Raster glaeubigerRaster(const std::optional<zalvor::Glaeubiger>& g,
                        std::span<const Bankkonto> konten);

} // namespace zalvor::sepa
