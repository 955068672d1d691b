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
bool schablonenFensterPruefen(Sitzung& s);

// The window's grid: six columns, one row per record in file order, deleted ones included.
Raster schablonenRaster(const Sitzung& s);
std::vector<std::string> schablonenZeile(const Sitzung& s, const TSchablone& t);

// "&Löschen" after the question; true when the template was deleted (amount 0, in place).
bool schabloneLoeschen(Sitzung& s, std::uint32_t satz);

// What the repetition dialog shows for template `satz` (Windows form).
struct WiederholungsMaske {
    std::string titel;
    std::string text;
    std::string gruppe;
    std::array<std::string, 3> eintraege; // "Nie", monthly, yearly
    Wiederholung vorwahl = Wiederholung::Nie;
};
WiederholungsMaske wiederholungsMaske(const Sitzung& s, std::uint32_t satz);
// OK in the repetition dialog: the code of the rule is written into the template.
void wiederholungSetzen(Sitzung& s, std::uint32_t satz, Wiederholung wahl);

} // namespace zalvor
