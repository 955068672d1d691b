// The bank accounts of the club: each of the nine accounts may have an IBAN and a bank name.
#pragma once

#include "core/database/datenbank.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zalvor {

struct Bankkonto {
    int konto = 0;    // 1..9
    std::string iban; // normalised
    std::string bank; // UTF-8
    friend bool operator==(const Bankkonto&, const Bankkonto&) = default;
};

// In account order.
std::vector<Bankkonto> bankkontenLesen(const Datenbank& db);
// The account whose IBAN this is (in any spelling with blanks and small letters).
std::optional<int> kontoZurIban(const Datenbank& db, std::string_view iban);

// Sets or replaces the account's IBAN and bank name. The IBAN's check digits are the
// caller's to check first; refused here: an account outside 1..9, an IBAN of the wrong
// form, an IBAN another account has.
Ergebnis<void> bankkontoSetzen(Transaktion& t, int konto, std::string_view iban,
                               std::string_view bank);
// Refused for the creditor's collecting account. Removing an account without IBAN is done.
Ergebnis<void> bankkontoEntfernen(Transaktion& t, int konto);

} // namespace zalvor
