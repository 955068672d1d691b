// Plan values: two tables of 99 entries (types 1..50, groups as 50 + group), the plan file.
#pragma once

#include "core/common/lesergebnis.h"

#include <array>

namespace zalvor {

class Dateisatz;
class Person;

struct Planeintrag {
    double wert = 0;     // planned yearly amount; 0 = no plan
    bool gruppe = false; // the plan is given by a group the entry belongs to ("s. Gruppe")
    friend bool operator==(const Planeintrag&, const Planeintrag&) = default;
};

// Index 0 unused; [Seite][entry 1..99].
using Plantabelle = std::array<Planeintrag, 100>;
using Planwerte = std::array<Plantabelle, 2>;

// Both tables from the plan file (a 78-record file leaves types 21..50 and groups 20..49 at
// 0; entries of a shorter file beyond its end keep their values). A missing file (status
// Fehlt: no plan values loaded) and one that cannot be read (with its notice) leave the
// tables as they were.
Gelesen<Planwerte> planwerteAusBytes(const Dateiinhalt& inhalt, Planwerte bisher);
// The plan file of the club's year, read from the disk (at opening).
Gelesen<Planwerte> planwerteLaden(const Dateisatz& dateien, Planwerte bisher);

// Writes both tables anew, through a temporary file and a rename. Reports "Datei konnte
// nicht erstellt werden!" and returns false when that fails; refuses (reported, nothing
// written) when the stored plan file is there but cannot be read.
// `geladenUnlesbar`: the tables were loaded from a plan file that could not be read (they
// hold defaults); then nothing is written, as when the file cannot be read now.
bool planwerteSchreiben(const Dateisatz& dateien, const Planwerte& plan, Person& person,
                        bool geladenUnlesbar = false);

} // namespace zalvor
