// Draws laid-out pages on a printer (a real one, the preview's or a PDF file).
#pragma once

#include "core/printing/druckseite.h"

#include <QFont>
#include <QPointF>

#include <functional>
#include <map>
#include <string>
#include <tuple>

class QPaintDevice;
class QPainter;
class QPrinter;

namespace zalvor::druck {

// Told before each page (1-based) of how many; false cancels the printout.
using Fortschritt = std::function<bool(int seite, int seiten)>;
// Lays out a printout with the printer's measures on its printable area.
using Setzer = std::function<Druckdokument(Messung&, Seitenformat)>;

// The printable area of the printer in printer units.
Seitenformat seitenformat(QPrinter& p);
// Draws the pages of one printout; keeps the fonts it has made for the next page.
class Seitenmaler {
  public:
    Seitenmaler(const Druckdokument& d, QPaintDevice* geraet) : d_(d), geraet_(geraet) {}

    // Draws one page; the painter's unit is one printer unit.
    void malen(QPainter& maler, const Druckseite& s);
    // Where a text's baseline starts. Texts anchored at their bottom edge stand on the one
    // baseline of their row, which leaves room for the descent of either print font.
    QPointF anfang(const Drucktext& t);

  private:
    const QFont& schrift(const Schriftwahl& w);
    double unterlaenge(int zuschlag);

    const Druckdokument& d_;
    QPaintDevice* geraet_;
    std::map<std::tuple<int, int, int>, QFont> schriften_;
    std::map<int, double> unterlaengen_;
};
// Lays out with the printer's fonts and prints every page under the document's title.
// Returns false when cancelled or when the printer could not be started; `seitenzahl`
// receives the number of pages laid out.
bool drucken(QPrinter& p, const Schrift& s1, const Schrift& s2, const Setzer& setzen,
             const Fortschritt& fortschritt = {}, int* seitenzahl = nullptr);

// Prepares a printer for a PDF file: A4 upright or (`quer`) landscape, 300 dpi, margins like
// a printer's unprintable area.
void pdfEinrichten(QPrinter& p, const std::string& datei, bool quer = false);

} // namespace zalvor::druck
