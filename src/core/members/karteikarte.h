// The member window "Mitgliederkartei" and the member card "Mitglieder-Karteikarte" on the
// engine side.
#pragma once

#include "core/common/raster.h"
#include "core/members/mitglied.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zalvor {

class Dateisatz;
class Person;
struct Sitzung;
struct Verein;

// The entries of the card, in the Windows form the person sees and types.
struct KartenEingaben {
    std::string nachname;
    std::string vorname;
    std::array<std::string, kFreiFelder> frei;
    int satz = 0; // selected entry of the rate list, -1 for none
};

struct Karteikarte {
    std::optional<std::uint32_t> nummer; // the changed member; none for a new one
    TMitglied bisher;                    // as read (a new member: empty)
    KartenEingaben eingaben;
    std::array<std::string, kFreiFelder> feldnamen; // left column of the field grid
    std::vector<std::string> saetze;                // "Standard", then names or "--"
    bool satzlisteAktiv = false;                    // some further rate has a name
};

// Entries of the member list "&Mitglieder": "Nachname, Vorname" in file order, Windows form.
std::vector<std::string> karteiEintraege(const Dateisatz& dateien);

// Opening the member window: false without a member file (silently) or without a member
// ("Kein Mitglied erfaßt!").
bool mitgliederFensterErlaubt(const Dateisatz& dateien, Person& person);

// Fills the card for member n or a new member; nullopt after "Lesefehler beim Auslesen des
// Datensatzes!".
std::optional<Karteikarte> karteOeffnen(const Verein& v, Person& person,
                                        std::optional<std::uint32_t> n);

// OK of the card: stores the member (in place, renamed or new) and returns its record
// number; nullopt after "Datensatz konnte nicht geschrieben werden!".
std::optional<std::uint32_t> karteSpeichern(Sitzung& s, const Karteikarte& k);

// The whole card: `zeigen` shows it (entries changed in place) and returns false on
// "&Abbruch". The record number when something was stored.
std::optional<std::uint32_t> karteDialog(Sitzung& s, std::optional<std::uint32_t> n,
                                         const std::function<bool(Karteikarte&)>& zeigen);

// Removing member n after "Mitglied wirklich löschen?"; true when removed.
bool mitgliedLoeschen(Sitzung& s, std::uint32_t n);

// The register as a grid for the command line: Nr, names, the five free fields under their
// names, paid mark, rate index.
Raster karteiRaster(const Verein& v);

} // namespace zalvor
