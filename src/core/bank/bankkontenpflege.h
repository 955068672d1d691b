// The club's bank accounts as the person sees and changes them: the grid "Bankkonten" and
// the IBAN checked with its check digits before it is stored.
#pragma once

#include "core/common/raster.h"
#include "core/database/bankkonten.h"
#include "core/files/definitionen.h"

#include <string_view>

namespace zalvor::bank {

// Konto, Name (of the definitions), IBAN (in groups of four), Bank; one row per account
// with an IBAN, in account order.
Raster bankkontenRaster(const Datenbank& db, const TDefinitionen& def);

// Sets the account's IBAN (any spelling; "Ungültige IBAN!" unless its check digits agree)
// and bank name (UTF-8).
Ergebnis<void> bankkontoEintragen(Transaktion& t, int konto, std::string_view iban,
                                  std::string_view bank);

// "DE89370400440532013000" as "DE89 3704 0044 0532 0130 00".
std::string ibanGruppiert(std::string_view iban);

} // namespace zalvor::bank
