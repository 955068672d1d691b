// File lists: the booking files of one year that are closed together, kept in a ".FL" text
// file with one full path per line.
#pragma once

#include "core/common/lesergebnis.h"
#include "core/common/person.h"
#include "core/common/uhr.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zalvor {

// The entry an empty list shows; never saved.
inline const std::string kLeereListe = " (leer)";

// A list as its window holds it: the list file's path (where it is saved) and the entries
// in the order of the closing. Each window keeps its own path, so that saving one list can
// never write into another list opened later.
struct Dateiliste {
    std::string pfad;
    std::vector<std::string> dateien;

    // The entries the window shows: " (leer)" alone for an empty list.
    std::vector<std::string> anzeige() const;
    // The caption "Dateiliste: <path>", Windows form.
    std::string fenstertitel() const;
};

// Chooses a file as the open dialog does (full path); nullopt when cancelled.
using Dateiwaehler = std::function<std::optional<std::string>()>;
// A chooser that gives this name once and then cancels (a name given beforehand).
Dateiwaehler festeWahl(std::string name);

// The entries of a list file's bytes, one a line (an empty file is an empty list).
Gelesen<std::vector<std::string>> dateilisteAusBytes(std::span<const std::uint8_t> bytes);
// The list file read from the disk.
Dateiliste dateilisteLesen(const std::string& pfad);

// Rewrites the list file with every entry except " (leer)". A failure is reported
// ("FEHLER" / "Datei konnte nicht geschrieben werden!") and gives false.
bool dateilisteSpeichern(const Dateiliste& l, Person& person);

// The notice shown each time the window is shown: the files must share their currency
// settings.
void dateilisteHinweis(Person& person);

// "Datei hi&zufügen": the chosen file with every check in order (a missing file asks
// again). True when it was added; a refusal has shown its message.
bool dateiHinzufuegen(Dateiliste& l, const Dateiwaehler& waehlen, Person& person);

// "Datei &entfernen": asks and removes entry `nr` (counted from 0). False when the list is
// empty, nothing is selected or the person declined.
bool dateiEntfernen(Dateiliste& l, std::optional<std::size_t> nr, Person& person);

// What closing the window another way than by its buttons leads to.
enum class Schliessen { Speichern, Verwerfen, Offenlassen };
Schliessen schliessenFragen(Person& person);

// The two-digit year of a listed booking file: its last two characters.
std::string listenjahr(const std::string& eintrag);

} // namespace zalvor
