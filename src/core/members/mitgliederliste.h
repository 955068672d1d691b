// The member list "Mitglieder-Liste" (TWMglList) as an engine report, and its column choice.
#pragma once

#include "core/common/raster.h"
#include "core/members/mitglied.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zalvor {

struct Sitzung;
struct TDefinitionen;

struct Spaltenwahl {
    std::array<bool, kFreiFelder> frei{};
    bool beschreibung = false; // "Beitragssatz (Beschr.)"
    bool betrag = false;       // "Beitragssatz (Betrag)"
};

// The column choice "Mitgliederliste": its text and the seven check box captions.
std::string spaltenwahlText();
std::array<std::string, 7> spaltenwahlTitel(const TDefinitionen& def);

// The list window's report: caption with today's date, headings, one row per member in file
// order. nullopt after "Kann Mitgliederdatei nicht öffnen!".
std::optional<Bericht> mitgliederlisteErstellen(Sitzung& s, const Spaltenwahl& wahl);
// The report of these members (the member file's records in file order).
Bericht mitgliederliste(const Sitzung& s, const std::vector<TMitglied>& liste,
                        const Spaltenwahl& wahl);

} // namespace zalvor
