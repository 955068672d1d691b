// The closing window's caption, currency line and grids, as the window lays them out.
#pragma once

#include "core/closing/abschlussrechnung.h"
#include "core/common/raster.h"

namespace zalvor {

// Tabs in this order: "Kontenbestände" (StringGrid1), "Ausgabenbilanz" (StringGrid2,
// StringGrid22), "Einnahmenbilanz" (StringGrid3, StringGrid32), "Gewinn- / Verlustrechnung"
// (StringGrid4, its first row as the header). A group grid is hidden when group 1 of its
// side has no name; its caption line is the splitter panel's text.
Bericht abschlussBericht(const Abschluss& a, const TDefinitionen& def);

// Caption of a closing: "Jahresabschluß" / "Monatsabschluß für <Monat> ", with the prefix
// "Mehr-Datei-" for the closing of a file list.
std::string abschlussTitel(int monat, bool mehrereDateien = false);

// "Alle Beträge in <label>", with " (umgerechnet und gerundet!)" when converted.
std::string waehrungszeile(const std::string& waehrung, bool umgerechnet);

// StringGrid4 from the expense and income totals.
Raster gewinnVerlustRaster(const Tripel& ausgaben, const Tripel& einnahmen);

// An amount cell: two decimals right-aligned in 11 characters.
std::string betragZelle(long double x);

} // namespace zalvor
