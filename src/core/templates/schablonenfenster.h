// The template window on the engine side: the checks before it opens, its grid, deleting a
// template and the repetition dialog.
#pragma once

#include "core/common/raster.h"
#include "core/files/sitzung.h"
#include "core/templates/schablone.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zalvor {

// "&Schablonen...": the command rule, the checks before the window (a missing, empty or
// wholly deleted template file gives its message, the last two delete the file), the window
// shown by `fensterZeigen` with the grid, afterwards the table refilled and the status bar.
void schablonenBefehl(Sitzung& s, const std::function<void(const Raster&)>& fensterZeigen);

// The checks alone; false when a message was shown instead of the window.
bool schablonenFensterPruefen(const Dateisatz& dateien, Person& person);

// The window's grid: six columns, one row per record in file order, deleted ones included;
// the amount column names the file's currency.
Raster schablonenRaster(const std::vector<TSchablone>& schablonen, const TDefinitionen& def,
                        const std::string& waehrungstext);
std::vector<std::string> schablonenZeile(const TDefinitionen& def, const TSchablone& t);

// "&Löschen" after the question; true when the template was deleted (amount 0, in place).
bool schabloneLoeschen(const Dateisatz& dateien, Person& person, std::uint32_t satz);

// What the repetition dialog shows for a template (Windows form).
struct WiederholungsMaske {
    std::string titel;
    std::string text;
    std::string gruppe;
    std::array<std::string, 3> eintraege; // "Nie", monthly, yearly
    Wiederholung vorwahl = Wiederholung::Nie;
};
WiederholungsMaske wiederholungsMaske(const TSchablone& t);
// OK in the repetition dialog: the code of the rule, by today's date, is written into
// template `satz`.
void wiederholungSetzen(const Dateisatz& dateien, const Uhr& uhr, std::uint32_t satz,
                        Wiederholung wahl);

} // namespace zalvor
