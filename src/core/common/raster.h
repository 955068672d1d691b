// Reports as data: every table, list, closing and comparison is a value of these types,
// which the desktop models, the command line and the printing consume alike.
#pragma once

#include <string>
#include <vector>

namespace zalvor {

// One grid: the header row and the rows exactly as the window shows them, every cell in the
// engine's Windows form. Trailing empty rows belong to the grid (a window shows them); the
// command line leaves them out.
struct Raster {
    // Title of a grid that stands alone (the booking table: the file name).
    std::string titel;
    // The caption line the window shows above the grid ("Ausgaben:"); empty when none.
    std::string ueberschrift;
    std::vector<std::string> kopf;
    std::vector<std::vector<std::string>> zeilen;
    // Column widths in pixels as the window lays them out (empty: the front end decides).
    std::vector<int> breiten;
    // False for a grid the window keeps hidden; it is neither shown nor printed.
    bool sichtbar = true;

    std::size_t spalten() const { return kopf.size(); }
    // Number of rows up to the last row with a non-empty cell.
    std::size_t gefuellteZeilen() const;
};

// A tab page (or the window's one page when it has no tabs): its caption and its grids in
// the order the window shows them.
struct Reiter {
    std::string titel;
    std::vector<Raster> raster;
};

// What a report window shows around its grids.
struct Bericht {
    std::string fenstertitel;
    // The currency line ("Alle Beträge in EUR"); empty when the window shows none.
    std::string waehrungszeile;
    // One page without a title when the window has no tabs.
    std::vector<Reiter> reiter;
    // Caption of the other-currency button; empty when the window does not show it.
    std::string andereWaehrung;
};

} // namespace zalvor
