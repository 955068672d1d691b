// Page state and page numbers shared by the printouts.
#include "core/printing/seitensetzer.h"

#include "core/printing/pfadkuerzung.h"

namespace zalvor {

Seitensetzer::Seitensetzer(Druckdokument& dok, const Druckeinstellungen& e, Messung& m,
                           Seitenformat f)
    : dok_(dok), einst_(e), mass_(m), format_(f) {
    dok_.schrift1 = e.schrift1;
    dok_.schrift2 = e.schrift2;
    dok_.seiten.emplace_back();
    nummerSetzen();
}

void Seitensetzer::text(int x, int y, std::string t, Schriftwahl s, Anker a) {
    if (t.empty()) return;
    if (a == Anker::UntenRechts)
        reicht(x);
    else
        reicht(x + (a == Anker::UntenMitte ? (mass_.breite(t, s) + 1) / 2 : mass_.breite(t, s)));
    seite().texte.push_back(Drucktext{x, y, std::move(t), s, a});
}

int Seitensetzer::titel(const std::string& t, Schriftwahl s) {
    const int h = mass_.hoehe(t, s);
    const int breite = rechtsFrei(einst_.oben, einst_.oben + h) - einst_.links;
    text(einst_.links, einst_.oben, pfadKuerzen(t, breite, mass_, s), s, Anker::ObenLinks);
    return h;
}

void Seitensetzer::linie(int x1, int y1, int x2, int y2) {
    reicht(std::max(x1, x2));
    seite().linien.push_back(Drucklinie{x1, y1, x2, y2});
}

void Seitensetzer::kasten(int x, int y, int groesse, Kastenart art) {
    reicht(x + (groesse + 1) / 2);
    seite().kaesten.push_back(Druckkasten{x, y, groesse, art});
}

void Seitensetzer::neueSeite() {
    dok_.seiten.emplace_back();
    nummerSetzen();
}

void Seitensetzer::nummerSetzen() {
    nummer_.reset();
    if (!einst_.seitennummern) return;
    const std::string nummer = std::to_string(seitennummer());
    const Schriftwahl s = normal1(einst_);
    const Textmass m = mass_.mass(nummer, s);
    const int y = einst_.oben < m.hoehe ? m.hoehe + 5 : einst_.oben;
    const int rechts = format_.breite - 15;
    text(rechts, y, nummer, s, Anker::UntenRechts);
    nummer_ = Nummernfeld{rechts - m.breite, y - m.hoehe, y};
}

int Seitensetzer::freiAb(int rechts) const {
    if (!nummer_ || rechts + einst_.spaltenabstand <= nummer_->links) return 0;
    return nummer_->unten + einst_.zeilenabstand;
}

int Seitensetzer::rechtsFrei(int oben, int unten) const {
    if (!nummer_ || unten <= nummer_->oben || oben >= nummer_->unten) return format_.breite;
    return nummer_->links - einst_.spaltenabstand;
}

Druckdokument seitenbreiteAnpassen(const std::function<Druckdokument(Seitenformat)>& setzen,
                                   Seitenformat f) {
    Druckdokument d = setzen(f);
    if (f.breite <= 0) return d;
    Seitenformat weit = f;
    // A title is fitted to the width it is given; nothing else grows with the page, so a
    // second pass fits. A third is there for rounding.
    for (int versuch = 0; versuch < 3 && d.inhaltsbreite > weit.breite; ++versuch) {
        weit.breite = d.inhaltsbreite;
        weit.hoehe = static_cast<int>(static_cast<long long>(f.hoehe) * weit.breite / f.breite);
        d = setzen(weit);
    }
    d.massstab = static_cast<double>(f.breite) / weit.breite;
    return d;
}

Schriftwahl normal1(const Druckeinstellungen& e, int zuschlag) {
    return Schriftwahl{1, zuschlag, e.normalstil()};
}

Schriftwahl kopf1(const Druckeinstellungen& e, int zuschlag) {
    return Schriftwahl{1, zuschlag, e.ueberschriftstil()};
}

Schriftwahl normal2(const Druckeinstellungen& e) {
    return Schriftwahl{2, 0, e.schrift2.stil};
}

} // namespace zalvor
