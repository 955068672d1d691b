// The contribution rates (file .BTR, 21 entries of 44 bytes) and a member's contribution.
#pragma once

#include "core/common/lesergebnis.h"
#include "core/common/textfeld.h"
#include "core/members/mitglied.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zalvor {

class Dateisatz;
class Person;
struct TDefinitionen;

inline constexpr std::size_t kBeitragssaetze = 21;     // entry 0 = standard rate, 1..20 further
inline constexpr long double kHoechsterSatz = 655.35L; // the 16-bit entry in cents

struct Beitragssatz {
    std::uint16_t cent = 0;
    TextFeld<40> name;
    std::uint8_t frei = 0; // unused byte, carried along as read

    bool inGebrauch() const { return name.laenge() > 0; }
    bool buchbar() const { return inGebrauch() && name.text() != "--" && cent != 0; }
    friend bool operator==(const Beitragssatz&, const Beitragssatz&) = default;
};

struct Beitragssaetze {
    static constexpr std::size_t kEintrag = 44;
    static constexpr std::size_t kGroesse = kEintrag * kBeitragssaetze; // 924

    std::array<Beitragssatz, kBeitragssaetze> eintraege{};
    // The file is there but could not be read: these are defaults, and writing them would
    // put them over the club's real rates.
    bool unlesbar = false;

    std::array<std::uint8_t, kGroesse> packen() const;
    static Beitragssaetze entpacken(const std::uint8_t* bytes);
    // Entry of a rate index; an index beyond 20 (a damaged record) counts as the standard rate.
    const Beitragssatz& eintrag(std::uint8_t index) const;

    friend bool operator==(const Beitragssaetze&, const Beitragssaetze&) = default;
};

// An amount in whole cents as the 16-bit entry holds it: rounded, limited to 0..65535.
std::uint16_t inCent(long double betrag);
// Without a file: every further rate empty, entry 0 "Standard" with the standard rate.
Beitragssaetze vorgabeSaetze(const TDefinitionen& d);

// The first 924 bytes of the file, or the defaults: silently for a missing file, after "Die
// Beitragssätze ließen sich nicht einlesen!" for one that is shorter or cannot be read (its
// defaults are marked unreadable, so that they are never written over it).
Gelesen<Beitragssaetze> beitragssaetzeAusBytes(const Dateiinhalt& inhalt, const TDefinitionen& d);
// The rates file of the club, read from the disk (at every opening).
Gelesen<Beitragssaetze> beitragssaetzeLaden(const Dateisatz& dateien, const TDefinitionen& d);
// Writes the rates whole; a failure is reported ("Fehler beim Speichern der
// Beitragssätze!") and returns false. Rates that could not be read are never written.
bool beitragssaetzeSchreiben(const Dateisatz& dateien, const Beitragssaetze& saetze,
                             Person& person);

// The member's contribution: its entry's amount / 100 when the entry has a name, else the
// standard rate of the definitions.
long double beitragsBetrag(const TMitglied& m, const Beitragssaetze& saetze,
                           const TDefinitionen& d);
// What the members owe per period: the sum of every member's contribution.
long double forderungJePeriode(const std::vector<TMitglied>& mitglieder,
                               const Beitragssaetze& saetze, const TDefinitionen& d);

} // namespace zalvor
