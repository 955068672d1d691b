// Member list printout: columns as wide as their widest cell, the paid column centred.
#include "core/printing/mitgliederdruck.h"

#include "core/printing/listendruck.h"
#include "core/printing/seitensetzer.h"

#include <algorithm>

namespace zalvor {

namespace {

const Raster* erstesRaster(const Bericht& b) {
    for (const Reiter& t : b.reiter)
        for (const Raster& r : t.raster)
            if (r.sichtbar) return &r;
    return nullptr;
}

class Mitgliedersetzer {
  public:
    Mitgliedersetzer(const Raster& r, Bezahltstil stil, bool freieSpaltenSchrift2,
                     const Druckeinstellungen& e, Messung& m, Seitenformat f, Druckdokument& d)
        : r_(r), stil_(stil), zwei_(freieSpaltenSchrift2), e_(e), m_(m), s_(d, e, m, f) {}

    void setzen(const std::string& titel);

  private:
    // Font of column c: the columns between the first and the last in font 2 when chosen.
    Schriftwahl schrift(std::size_t c, bool kopf) const {
        const bool zwei = zwei_ && c > 0 && c + 1 < r_.kopf.size();
        Schriftwahl w = zwei ? normal2(e_) : normal1(e_);
        if (kopf) w.stil = e_.ueberschriftstil();
        return w;
    }
    void spaltenpositionen();
    // Row z (0: the heading row) at y.
    void zeile(std::size_t z);

    const Raster& r_;
    Bezahltstil stil_;
    bool zwei_;
    const Druckeinstellungen& e_;
    Messung& m_;
    Seitensetzer s_;
    std::vector<int> x_;
    int bezMitte_ = 0, rechts_ = 0, zeilenhoehe_ = 0, kastenseite_ = 0, y_ = 0;
};

void Mitgliedersetzer::setzen(const std::string& titel) {
    const Schriftwahl tf = kopf1(e_, 3);
    s_.titel(titel, tf);
    if (r_.kopf.empty()) return;
    spaltenpositionen();
    zeilenhoehe_ = std::max(m_.hoehe("Pp", normal1(e_)), m_.hoehe("Pp", normal2(e_)));
    kastenseite_ = std::max(1, m_.hoehe("Pp", normal1(e_)) * 3 / 5);
    y_ = e_.oben + 3 * (m_.hoehe("Pp", tf) + e_.zeilenabstand);
    for (std::size_t z = 0; z <= r_.zeilen.size(); ++z) {
        if (y_ > s_.unterkante()) {
            s_.neueSeite();
            y_ = e_.oben + zeilenhoehe_;
            // Every page starts with the heading row.
            if (z > 0) zeile(0);
        }
        zeile(z);
    }
}

void Mitgliedersetzer::spaltenpositionen() {
    const std::size_t n = r_.kopf.size();
    x_ = {e_.links};
    for (std::size_t c = 0; c + 1 < n; ++c) {
        int breit = m_.breite(r_.kopf[c], schrift(c, true));
        for (const auto& z : r_.zeilen)
            if (c < z.size()) breit = std::max(breit, m_.breite(z[c], schrift(c, false)));
        x_.push_back(x_.back() + breit + e_.spaltenabstand);
    }
    const int bezBreite = m_.breite(r_.kopf.back(), schrift(n - 1, true));
    bezMitte_ = x_.back() + bezBreite / 2;
    rechts_ = x_.back() + bezBreite;
}

void Mitgliedersetzer::zeile(std::size_t z) {
    y_ = std::max(y_, s_.freiAb(rechts_) + zeilenhoehe_);
    const bool kopf = z == 0;
    const std::size_t n = r_.kopf.size();
    const auto& zelle = kopf ? r_.kopf : r_.zeilen[z - 1];
    for (std::size_t c = 0; c < n && c < zelle.size(); ++c) {
        if (c + 1 < n) {
            s_.text(x_[c], y_, zelle[c], schrift(c, kopf));
            continue;
        }
        const bool bezahlt = zelle[c] == " X";
        if (kopf || stil_ == Bezahltstil::Zelltext)
            s_.text(bezMitte_, y_, zelle[c], schrift(c, kopf), Anker::UntenMitte);
        else if (stil_ == Bezahltstil::Klammern)
            s_.text(bezMitte_, y_, bezahlt ? "[X]" : "[  ]", schrift(c, false), Anker::UntenMitte);
        else
            s_.kasten(bezMitte_, y_ - zeilenhoehe_ / 5, kastenseite_,
                      !bezahlt                      ? Kastenart::Leer
                      : stil_ == Bezahltstil::Haken ? Kastenart::Haken
                                                    : Kastenart::Kreuz);
    }
    y_ += zeilenhoehe_ + e_.zeilenabstand;
}

} // namespace

Druckdokument mitgliederlisteSetzen(const Bericht& b, Bezahltstil stil, bool freieSpaltenSchrift2,
                                    const Druckeinstellungen& e, Messung& m, Seitenformat f) {
    static const Raster keines;
    const Raster* r = erstesRaster(b);
    return seitenbreiteAnpassen(
        [&](Seitenformat g) {
            Druckdokument d;
            d.titel = kListendruckTitel;
            Mitgliedersetzer(r ? *r : keines, stil, freieSpaltenSchrift2, e, m, g, d)
                .setzen(b.fenstertitel);
            return d;
        },
        f);
}

} // namespace zalvor
