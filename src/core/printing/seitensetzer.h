// The page state every printout shares: the current page, its number and the break rule.
#pragma once

#include "core/printing/druckseite.h"

namespace zalvor {

class Seitensetzer {
  public:
    Seitensetzer(Druckdokument& dok, const Druckeinstellungen& e, Messung& m, Seitenformat f);

    Druckseite& seite() { return dok_.seiten.back(); }
    int seitennummer() const { return static_cast<int>(dok_.seiten.size()); }
    const Seitenformat& format() const { return format_; }
    // The lowest y a line may reach: page height minus bottom margin.
    int unterkante() const { return format_.hoehe - einst_.unten; }

    void text(int x, int y, std::string t, Schriftwahl s, Anker a = Anker::UntenLinks);
    void linie(int x1, int y1, int x2, int y2);
    void kasten(int x, int y, int seite, Kastenart art);

    // Starts a new page and, when pages are numbered, prints its number right-aligned 15
    // units from the right edge at the top margin (lower when the number is taller).
    void neueSeite();

  private:
    Druckdokument& dok_;
    const Druckeinstellungen& einst_;
    Messung& mass_;
    Seitenformat format_;
};

// Fonts of font 1 and 2 in the normal and the heading style.
Schriftwahl normal1(const Druckeinstellungen& e, int zuschlag = 0);
Schriftwahl kopf1(const Druckeinstellungen& e, int zuschlag = 0);
Schriftwahl normal2(const Druckeinstellungen& e);

} // namespace zalvor
