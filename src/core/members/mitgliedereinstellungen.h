// The member settings "Mitgliederverwaltung: Einstellungen" (TDMglEinst) and the further
// rates "Weitere Beitragssätze" (TDBeitrSaetze) on the engine side.
#pragma once

#include "core/members/mitglied.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zalvor {

struct Beitragssaetze;
struct Sitzung;
struct TDefinitionen;

std::string mglEinstText();

// How OK of a settings dialog ended.
enum class Speicherausgang {
    Gespeichert,
    Abgewiesen,   // a check failed; the dialog shows again
    Schreibfehler // reported with the message of the file that failed; the dialog ends
};

// Windows form throughout.
struct MglEinstEingaben {
    int konto = 0;      // chosen account 1..9, 0 for none
    std::string betrag; // the standard rate
    std::array<std::string, kFreiFelder> felder;
};

// Accounts offered in "&Konto:" (those not named "unbenannt"), in order.
std::vector<int> mglEinstKonten(const TDefinitionen& def);
MglEinstEingaben mglEinstFuellen(const TDefinitionen& def);
// Checks in order (account, empty amount, amount format; an amount beyond the 16-bit entry
// 0..655.35 counts as a wrong format); a failure shows its message (Abgewiesen). Otherwise
// stores and writes the definitions, then the rates. Definitions that cannot be written are
// not taken and the rates are not written; rates that cannot be written stay changed in
// memory, the definitions already hold the new values.
Speicherausgang mglEinstOk(Sitzung& s, const MglEinstEingaben& e);
// True when everything was stored.
bool mglEinstDialog(Sitzung& s, const std::function<bool(MglEinstEingaben&)>& zeigen);

struct SatzZeile {
    std::string name;
    std::string betrag;
};
using SaetzeEingaben = std::array<SatzZeile, 20>; // rows 1..20 = entries 1..20

// 1250 cents as "12,50", 5 as "0,05".
std::string centText(std::uint16_t cent);
// The amount rule of the grid: "", "12", "12,5", "12,05", "12," and the same with "."; the
// result must fit the 16-bit entry. nullopt for anything else.
std::optional<std::uint16_t> satzBetragLesen(std::string_view text);
std::string beitrSaetzeText();
SaetzeEingaben beitrSaetzeFuellen(const Beitragssaetze& saetze);
// A row whose amount does not read shows its row message (Abgewiesen); otherwise entries
// 1..20 take the rows and the rates file is written.
Speicherausgang beitrSaetzeOk(Sitzung& s, const SaetzeEingaben& e);
bool beitrSaetzeDialog(Sitzung& s, const std::function<bool(SaetzeEingaben&)>& zeigen);

} // namespace zalvor
