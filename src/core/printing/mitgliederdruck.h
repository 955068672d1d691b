// The printout of the member list with its paid column "Bez".
#pragma once

#include "core/common/raster.h"
#include "core/printing/druckseite.h"

namespace zalvor {

// How the paid column looks on paper: 0 box / ticked box, 1 box / crossed box, 2 the texts
// "[  ]" and "[X]", 3 the cell texts " -" and " X".
enum class Bezahltstil { Haken = 0, Kreuz = 1, Klammern = 2, Zelltext = 3 };

// `freieSpaltenSchrift2`: the print options' extra check box, captioned for the member list
// "\"&freie\" Spalten in Schrift 2": the columns between the first and the last use font 2.
Druckdokument mitgliederlisteSetzen(const Bericht& b, Bezahltstil stil, bool freieSpaltenSchrift2,
                                    const Druckeinstellungen& e, Messung& m, Seitenformat f);

} // namespace zalvor
