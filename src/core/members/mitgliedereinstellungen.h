// The member settings "Mitgliederverwaltung: Einstellungen" (TDMglEinst) and the further
// rates "Weitere Beitragssätze" (TDBeitrSaetze) on the engine side.
#pragma once

#include "members/mitglied.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zalvor {

struct Sitzung;

std::string mglEinstText();

// Windows form throughout.
struct MglEinstEingaben {
    int konto = 0;      // chosen account 1..9, 0 for none
    std::string betrag; // the standard rate
    std::array<std::string, kFreiFelder> felder;
};

// Accounts offered in "&Konto:" (those not named "unbenannt"), in order.
std::vector<int> mglEinstKonten(const Sitzung& s);
MglEinstEingaben mglEinstFuellen(const Sitzung& s);
// Checks in order (account, empty amount, amount format; an amount beyond the 16-bit entry
// 0..655.35 counts as a wrong format); a failure shows its message and returns false (the
// dialog shows again). Otherwise stores, writes definitions and rates, true.
bool mglEinstOk(Sitzung& s, const MglEinstEingaben& e);
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
SaetzeEingaben beitrSaetzeFuellen(const Sitzung& s);
// A row whose amount does not read shows its row message and false; otherwise entries 1..20
// take the rows and the rates file is written.
bool beitrSaetzeOk(Sitzung& s, const SaetzeEingaben& e);
bool beitrSaetzeDialog(Sitzung& s, const std::function<bool(SaetzeEingaben&)>& zeigen);

} // namespace zalvor
