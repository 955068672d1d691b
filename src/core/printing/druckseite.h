// A printout as data: pages of texts, lines and paid-column boxes in printer units, laid out
// by the engine and drawn by the front end's printing library.
#pragma once

#include "core/printing/druckeinstellungen.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zalvor {

// Which of the two print fonts, how many points larger, and the full style bits.
struct Schriftwahl {
    int nummer = 1; // 1 or 2
    int zuschlag = 0;
    std::uint8_t stil = 0;

    bool operator==(const Schriftwahl&) const = default;
};

// The point of a text that its position names.
enum class Anker { ObenLinks, UntenLinks, UntenRechts, UntenMitte };

struct Drucktext {
    int x = 0;
    int y = 0;
    std::string text; // Windows form
    Schriftwahl schrift;
    Anker anker = Anker::UntenLinks;
};

struct Drucklinie {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// A box of the paid column, drawn by the program itself: x is its centre, y its bottom.
enum class Kastenart { Leer, Haken, Kreuz };
struct Druckkasten {
    int x = 0;
    int y = 0;
    int seite = 0;
    Kastenart art = Kastenart::Leer;
};

struct Druckseite {
    std::vector<Drucktext> texte;
    std::vector<Drucklinie> linien;
    std::vector<Druckkasten> kaesten;
};

struct Druckdokument {
    std::string titel; // the print job's title
    Schrift schrift1;
    Schrift schrift2;
    std::vector<Druckseite> seiten;
    // The rightmost point a text or line reaches.
    int inhaltsbreite = 0;
    // Pages laid out wider than the printable area are drawn this much smaller.
    double massstab = 1.0;
};

// The printable area in printer units.
struct Seitenformat {
    int breite = 2400;
    int hoehe = 3400;
};

struct Textmass {
    int breite = 0;
    int hoehe = 0;
};

// Width and height of a text in a print font, in printer units; the printing library
// measures with the printer's fonts, tests with a fixed-width fake.
class Messung {
  public:
    virtual ~Messung() = default;
    virtual Textmass mass(const std::string& text, const Schriftwahl& schrift) = 0;
    int breite(const std::string& t, const Schriftwahl& s) { return mass(t, s).breite; }
    int hoehe(const std::string& t, const Schriftwahl& s) { return mass(t, s).hoehe; }
};

} // namespace zalvor
