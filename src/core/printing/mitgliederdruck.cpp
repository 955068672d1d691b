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

} // namespace

Druckdokument mitgliederlisteSetzen(const Bericht& b, Bezahltstil stil, bool freieSpaltenSchrift2,
                                    const Druckeinstellungen& e, Messung& m, Seitenformat f) {
    Druckdokument d;
    d.titel = kListendruckTitel;
    Seitensetzer s(d, e, m, f);
    const Schriftwahl titel = kopf1(e, 3);
    s.text(e.links, e.oben, b.fenstertitel, titel, Anker::ObenLinks);
    const int titelzeile = m.hoehe("Pp", titel) + e.zeilenabstand;
    const Raster* r = erstesRaster(b);
    if (!r || r->kopf.empty()) return d;

    const std::size_t n = r->kopf.size();
    auto schrift = [&](std::size_t c, bool kopf) {
        const bool zwei = freieSpaltenSchrift2 && c > 0 && c + 1 < n;
        Schriftwahl w = zwei ? normal2(e) : normal1(e);
        if (kopf) w.stil = e.ueberschriftstil();
        return w;
    };
    std::vector<int> x{e.links};
    for (std::size_t c = 0; c + 1 < n; ++c) {
        int breit = m.breite(r->kopf[c], schrift(c, true));
        for (const auto& z : r->zeilen)
            if (c < z.size()) breit = std::max(breit, m.breite(z[c], schrift(c, false)));
        x.push_back(x.back() + breit + e.spaltenabstand);
    }
    const int bezMitte = x.back() + m.breite(r->kopf.back(), schrift(n - 1, true)) / 2;
    const int zeilenhoehe = std::max(m.hoehe("Pp", normal1(e)), m.hoehe("Pp", normal2(e)));
    const int kastenseite = std::max(1, m.hoehe("Pp", normal1(e)) * 3 / 5);

    int y = e.oben + 3 * titelzeile;
    const std::size_t zeilen = r->zeilen.size() + 1;
    for (std::size_t z = 0; z < zeilen; ++z) {
        if (y > s.unterkante()) {
            s.neueSeite();
            y = e.oben + zeilenhoehe;
        }
        const bool kopf = z == 0;
        const auto& zelle = kopf ? r->kopf : r->zeilen[z - 1];
        for (std::size_t c = 0; c < n && c < zelle.size(); ++c) {
            if (c + 1 < n) {
                s.text(x[c], y, zelle[c], schrift(c, kopf));
                continue;
            }
            const bool bezahlt = zelle[c] == " X";
            if (kopf || stil == Bezahltstil::Zelltext)
                s.text(bezMitte, y, zelle[c], schrift(c, kopf), Anker::UntenMitte);
            else if (stil == Bezahltstil::Klammern)
                s.text(bezMitte, y, bezahlt ? "[X]" : "[  ]", schrift(c, false), Anker::UntenMitte);
            else
                s.kasten(bezMitte, y - zeilenhoehe / 5, kastenseite,
                         !bezahlt                     ? Kastenart::Leer
                         : stil == Bezahltstil::Haken ? Kastenart::Haken
                                                      : Kastenart::Kreuz);
        }
        y += zeilenhoehe + e.zeilenabstand;
    }
    return d;
}

} // namespace zalvor
