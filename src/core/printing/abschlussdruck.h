// The printout of a closing window (one file or several files).
#pragma once

#include "core/common/raster.h"
#include "core/printing/druckseite.h"

#include <string>

namespace zalvor {

struct Sitzung;

inline const char* const kAbschlussdruckTitel = "Movel95 - Abschluss";

// What the title line adds to the window caption: the open file's two-digit year, today's
// date and the booking file's base path (shown for a single-file closing only).
struct Abschlusskopf {
    std::string jahr;
    int tag = 1;
    int monat = 1;
    int jahr4 = 2000;
    std::string basispfad;
};

// The title line's additions for the active file of `s` on today's date.
Abschlusskopf abschlussKopf(const Sitzung& s);

// A closing counts as a single-file closing when its tab "Kontenbestände" shows its grid.
bool einzelabschluss(const Bericht& b);

Druckdokument abschlussSetzen(const Bericht& b, const Abschlusskopf& kopf,
                              const Druckeinstellungen& e, Messung& m, Seitenformat f);

} // namespace zalvor
