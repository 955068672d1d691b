// The page state every printout shares: the current page, its number and the break rule.
#pragma once

#include "core/printing/druckseite.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace zalvor {

class Seitensetzer {
  public:
    // Starts the first page (with its number when pages are numbered).
    Seitensetzer(Druckdokument& dok, const Druckeinstellungen& e, Messung& m, Seitenformat f);

    Druckseite& seite() { return dok_.seiten.back(); }
    int seitennummer() const { return static_cast<int>(dok_.seiten.size()); }
    const Seitenformat& format() const { return format_; }
    // The lowest y a line may reach: page height minus bottom margin.
    int unterkante() const { return format_.hoehe - einst_.unten; }

    void text(int x, int y, std::string t, Schriftwahl s, Anker a = Anker::UntenLinks);
    // The printout's title at the left and top margins, its path shortened to fit beside the
    // page number; returns the title's height.
    int titel(const std::string& t, Schriftwahl s);
    void linie(int x1, int y1, int x2, int y2);
    void kasten(int x, int y, int seite, Kastenart art);

    // Starts a new page and, when pages are numbered, prints its number right-aligned 15
    // units from the right edge at the top margin (lower when the number is taller).
    void neueSeite();

    // The page number stands in the top right corner, where a wide table's first row or a
    // long title would run into it. The top edge from which content reaching to x = `rechts`
    // stands clear of the number (0 when nothing is in the way).
    int freiAb(int rechts) const;
    // How far to the right content between the heights `oben` and `unten` may reach.
    int rechtsFrei(int oben, int unten) const;

  private:
    void nummerSetzen();
    void reicht(int x) { dok_.inhaltsbreite = std::max(dok_.inhaltsbreite, x); }

    struct Nummernfeld {
        int links = 0, oben = 0, unten = 0;
    };

    Druckdokument& dok_;
    const Druckeinstellungen& einst_;
    Messung& mass_;
    Seitenformat format_;
    std::optional<Nummernfeld> nummer_;
};

// Lays a printout out on the page `f`. When its columns are wider than the page, it is laid
// out again on a page as much wider and proportionally taller, which is drawn scaled down to
// the printable width: no text is lost at the page edge, and the settings stay as they are.
Druckdokument seitenbreiteAnpassen(const std::function<Druckdokument(Seitenformat)>& setzen,
                                   Seitenformat f);

// The narrowest gap beside a frame line: the line in its middle keeps clear of the texts.
inline constexpr int kRahmenluecke = 10;

// Fonts of font 1 and 2 in the normal and the heading style.
Schriftwahl normal1(const Druckeinstellungen& e, int zuschlag = 0);
Schriftwahl kopf1(const Druckeinstellungen& e, int zuschlag = 0);
Schriftwahl normal2(const Druckeinstellungen& e);

} // namespace zalvor
