// Creditor data and direct-debit mandates. A mandate is keyed by its member (see
// mitgliedsschluessel.h); the member card calls the functions at the end in the transaction
// of its change, so that the mandate stays with its member.
#pragma once

#include "core/common/uhr.h"
#include "core/database/datenbank.h"
#include "core/database/mitgliedsschluessel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zalvor {

// Texts in UTF-8.
struct Glaeubiger {
    std::string kennung; // creditor identifier
    std::string name;    // at most 70 characters
    int konto = 0;       // collecting account: one with an IBAN
    friend bool operator==(const Glaeubiger&, const Glaeubiger&) = default;
};

std::optional<Glaeubiger> glaeubigerLesen(const Datenbank& db);
// The identifier's check digits are the caller's to check first. Refused: an identifier of
// the wrong form, a name empty or longer than 70 characters, an account without IBAN.
Ergebnis<void> glaeubigerSetzen(Transaktion& t, const Glaeubiger& g);

struct Mandat {
    std::int64_t id = 0;
    std::optional<Mitgliedsschluessel> mitglied; // none: the member was removed
    std::string iban;                            // normalised when stored
    std::string bic;                             // may be empty
    std::string inhaber;                         // account holder, 1 to 70 characters
    std::string referenz;                        // 1 to 35 characters, unique in the club
    Datum unterschrieben;
    bool eingezogen = false; // collected before: the next debit is recurring
    friend bool operator==(const Mandat&, const Mandat&) = default;
};

std::optional<Mandat> mandatLesen(const Datenbank& db, const Mitgliedsschluessel& mitglied);
// The mandates of members, in key order.
std::vector<Mandat> mandateLesen(const Datenbank& db);
// The mandates of members whose IBAN this is.
std::vector<Mandat> mandateZurIban(const Datenbank& db, std::string_view iban);

// Gives the member this mandate (its id and key are ignored), replacing the one it had;
// returns the mandate's id (kept when replaced). The reference's character set is the
// caller's to check. Refused: an IBAN of the wrong form, a holder or reference empty or too
// long, a reference another mandate has or had.
Ergebnis<std::int64_t> mandatSetzen(Transaktion& t, const Mitgliedsschluessel& mitglied,
                                    const Mandat& m);
// The member's mandate ends. One that a submitted debit names is kept without member, so
// that its reference is never given again and a late return still finds it; one never
// submitted is deleted.
void mandatEntfernen(Transaktion& t, const Mitgliedsschluessel& mitglied);

// The member card's changes. `neu` is the member's key in the register after the change,
// `alt` the one before.
void mitgliedEingefuegt(Transaktion& t, const Mitgliedsschluessel& neu);
void mitgliedUmbenannt(Transaktion& t, const Mitgliedsschluessel& alt,
                       const Mitgliedsschluessel& neu);
// The removed member's mandate ends as with mandatEntfernen.
void mitgliedEntfernt(Transaktion& t, const Mitgliedsschluessel& alt);

} // namespace zalvor
