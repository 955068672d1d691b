// Booking contributions ("Beiträge buchen", TDBeitr), the reset of the paid marks and the
// changeover of the rates into the Euro.
#pragma once

#include "core/members/mitglied.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zalvor {

class Person;
struct Sitzung;
struct Verein;

// One check box per member, in file order.
struct BeitragsKaestchen {
    std::string text; // "Nachname, Vorname", Windows form
    bool angehakt = false;
    bool aktiv = false; // not yet paid and the rate can be booked
};

struct BeitragsDialog {
    std::vector<TMitglied> mitglieder;
    std::vector<BeitragsKaestchen> kaestchen;
};

// Booking and the reset throw EAFehler when the rates or the definitions could not be read
// at opening: their amounts and account would be the defaults.

// Reads the member file; nullopt after "Mitglied-Datei konnte nicht geöffnet werden!".
std::optional<BeitragsDialog> beitraegeOeffnen(Sitzung& s);
// "&Buchen ": one income booking per checked and enabled box, filed into the indexes, then
// the member's paid mark. Returns the number of bookings.
std::size_t beitraegeBuchen(Sitzung& s, const BeitragsDialog& d);

// The reset with its questions; true when the paid marks were cleared.
bool beitraegeZuruecksetzen(Sitzung& s);

// Before the first Euro year: offers the converted rates. False (Cancel) stops the year change.
bool beitragssaetzeUmstellen(Verein& v, Person& person);

} // namespace zalvor
