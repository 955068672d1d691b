// Plan values: two tables of 99 entries (types 1..50, groups as 50 + group), the plan file.
#pragma once

#include <array>

namespace zalvor {

struct Sitzung;

struct Planeintrag {
    double wert = 0;     // planned yearly amount; 0 = no plan
    bool gruppe = false; // the plan is given by a group the entry belongs to ("s. Gruppe")
    friend bool operator==(const Planeintrag&, const Planeintrag&) = default;
};

// Index 0 unused; [Seite][entry 1..99].
using Plantabelle = std::array<Planeintrag, 100>;
using Planwerte = std::array<Plantabelle, 2>;

// Opening: a missing plan file clears the loaded flag and leaves the tables; otherwise the
// flag is set and both tables are read (a 78-record file leaves types 21..50 and groups
// 20..49 at 0). A read failure keeps what was read and says so.
void planwerteLaden(Sitzung& s);

// Writes both tables anew, through a temporary file and a rename. Reports "Datei konnte
// nicht erstellt werden!" and returns false when that fails.
bool planwerteSchreiben(Sitzung& s);

} // namespace zalvor
