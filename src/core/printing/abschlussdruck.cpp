// Closing printout: sections of name and amount columns with lines, page breaks before rows
// that would end below the bottom margin.
#include "core/printing/abschlussdruck.h"

#include "core/common/zeichensatz.h"
#include "core/files/sitzung.h"
#include "core/printing/seitensetzer.h"

#include <algorithm>
#include <cstdio>

namespace zalvor {

namespace {

const Reiter* reiter(const Bericht& b, const std::string& titel, std::size_t ersatz) {
    for (const Reiter& t : b.reiter)
        if (t.titel == titel) return &t;
    const bool ohneTitel = std::all_of(b.reiter.begin(), b.reiter.end(),
                                       [](const Reiter& t) { return t.titel.empty(); });
    return ohneTitel && ersatz < b.reiter.size() ? &b.reiter[ersatz] : nullptr;
}

const Raster* raster(const Reiter* t, std::size_t i) {
    if (!t || i >= t->raster.size() || !t->raster[i].sichtbar) return nullptr;
    return &t->raster[i];
}

bool leer(const std::vector<std::string>& z) {
    return std::all_of(z.begin(), z.end(), [](const std::string& c) { return c.empty(); });
}

std::string zelle(const std::vector<std::string>& z, std::size_t i) {
    return i < z.size() ? z[i] : std::string();
}

class Abschlusssetzer {
  public:
    Abschlusssetzer(const Druckeinstellungen& e, Messung& m, Seitenformat f, Druckdokument& d)
        : e_(e), m_(m), s_(d, e, m, f) {
        namenbreite_ = m_.breite(std::string(15, 'X'), normal1(e_)) + e_.spaltenabstand;
        betragbreite_ = m_.breite("999999999.99", normal1(e_)) + e_.spaltenabstand;
        zeilenhoehe_ = m_.hoehe("Pp", normal1(e_));
        vorschub_ = m_.hoehe("Pg", normal1(e_)) + e_.zeilenabstand;
    }

    void setzen(const Bericht& b, const Abschlusskopf& k);

  private:
    // Right edge of amount column i (0-based) of a table that starts at x0.
    int betragsrand(int x0, int i) const { return x0 + (i + 1) * betragbreite_; }
    void zeile(const std::string& t, int x, Schriftwahl f, Anker a = Anker::UntenLinks) {
        s_.text(x, y_ + zeilenhoehe_, t, f, a);
    }
    // A new page when fewer than `zeilen` line heights remain above the bottom margin.
    void abschnitt(const std::string& titel, int zeilen);
    // Before a table row: breaks the page when the row would end below the bottom margin.
    void zeilenpruefung();
    void senkrechte();
    void kontenbestaende(const Raster& r);
    void bilanz(const Raster& r, bool gruppen);
    void gewinnUndVerlust(const Raster& r);
    void betraege(const std::vector<std::string>& z, std::size_t ab, int x0);

    const Druckeinstellungen& e_;
    Messung& m_;
    Seitensetzer s_;
    bool einzeln_ = true;
    int y_ = 0;
    int namenbreite_ = 0, betragbreite_ = 0, zeilenhoehe_ = 0, vorschub_ = 0;
    // Vertical lines of the open table: their x and the table's top on this page.
    std::vector<int> senkrechte_;
    int tabellenOben_ = 0;
};

void Abschlusssetzer::setzen(const Bericht& b, const Abschlusskopf& k) {
    einzeln_ = einzelabschluss(b);
    char datum[32];
    std::snprintf(datum, sizeof datum, "%d.%d.%02d", k.tag, k.monat, k.jahr4 % 100);
    std::string titel = b.fenstertitel + " " + k.jahr + " vom " + datum;
    if (einzeln_) titel += " (Datei: " + k.basispfad + ")";
    const Schriftwahl tf = kopf1(e_, 3);
    s_.text(e_.links, e_.oben, titel, tf, Anker::ObenLinks);
    y_ = e_.oben + m_.hoehe(titel, tf) + e_.zeilenabstand;
    s_.text(e_.links, y_, b.waehrungszeile, normal1(e_), Anker::ObenLinks);
    y_ += 2 * zeilenhoehe_;

    const Reiter* konten = reiter(b, A("Kontenbestände"), 0);
    const Reiter* ausgaben = reiter(b, "Ausgabenbilanz", 1);
    const Reiter* einnahmen = reiter(b, "Einnahmenbilanz", 2);
    const Reiter* guv = reiter(b, "Gewinn- / Verlustrechnung", 3);
    if (einzeln_) {
        if (const Raster* r = raster(konten, 0)) {
            abschnitt(A("Kontenbestände:"), 5);
            kontenbestaende(*r);
        }
    }
    if (const Raster* r = raster(ausgaben, 0)) {
        abschnitt("Ausgabenbilanz:", 5);
        bilanz(*r, false);
    }
    if (const Raster* r = raster(ausgaben, 1)) {
        abschnitt("Einzelbilanz der Ausgabetypen-Gruppe(n):", 5);
        bilanz(*r, true);
    }
    if (const Raster* r = raster(einnahmen, 0)) {
        abschnitt("Einnahmenbilanz:", 5);
        bilanz(*r, false);
    }
    if (const Raster* r = raster(einnahmen, 1)) {
        abschnitt("Einzelbilanz der Einnahmetypen-Gruppe(n):", 5);
        bilanz(*r, true);
    }
    if (const Raster* r = raster(guv, 0)) {
        abschnitt("Gewinn- / Verlustrechnung:", 8);
        gewinnUndVerlust(*r);
    }
}

void Abschlusssetzer::abschnitt(const std::string& titel, int zeilen) {
    senkrechte_.clear();
    if (s_.unterkante() - y_ < zeilen * zeilenhoehe_) {
        s_.neueSeite();
        y_ = e_.oben;
    }
    const Schriftwahl f{1, 5, static_cast<std::uint8_t>(e_.ueberschriftstil() | kUnterstrichen)};
    const int h = m_.hoehe(titel, f);
    s_.text(e_.links, y_ + h, titel, f);
    y_ += h + e_.zeilenabstand;
}

void Abschlusssetzer::senkrechte() {
    for (int x : senkrechte_)
        s_.linie(x, tabellenOben_, x, y_);
}

void Abschlusssetzer::zeilenpruefung() {
    if (y_ + vorschub_ <= s_.unterkante()) return;
    senkrechte();
    s_.neueSeite();
    y_ = e_.oben;
    tabellenOben_ = y_;
}

void Abschlusssetzer::betraege(const std::vector<std::string>& z, std::size_t ab, int x0) {
    for (int i = 0; i < 3; ++i)
        zeile(zelle(z, ab + static_cast<std::size_t>(i)), betragsrand(x0, i) - e_.spaltenabstand,
              normal1(e_), Anker::UntenRechts);
}

void Abschlusssetzer::kontenbestaende(const Raster& r) {
    const int x0 = e_.links + namenbreite_;
    const Schriftwahl k = kopf1(e_);
    tabellenOben_ = y_;
    zeilenpruefung();
    zeile("Konto", e_.links, k);
    const char* const spalten[] = {"real", "Planungen", "Summe"};
    for (int i = 0; i < 3; ++i)
        zeile(spalten[i], betragsrand(x0, i) - e_.spaltenabstand, k, Anker::UntenRechts);
    y_ += vorschub_;
    senkrechte_ = {betragsrand(x0, 1) + 3};
    for (const auto& z : r.zeilen) {
        zeilenpruefung();
        if (leer(z)) {
            s_.linie(e_.links, y_ + zeilenhoehe_ / 8, betragsrand(x0, 2), y_ + zeilenhoehe_ / 8);
            y_ += zeilenhoehe_ / 4;
            continue;
        }
        zeile(zelle(z, 0), e_.links, normal1(e_));
        betraege(z, 1, x0);
        y_ += vorschub_;
    }
    senkrechte();
    senkrechte_.clear();
    y_ += zeilenhoehe_;
}

void Abschlusssetzer::bilanz(const Raster& r, bool gruppen) {
    const int x1 = e_.links + namenbreite_;
    const int x0 = x1 + namenbreite_;
    const int rechts = betragsrand(x0, 2);
    const Schriftwahl k = kopf1(e_);
    const bool zweiteSpalte = einzeln_ || gruppen;
    // The amounts are the last three columns (a file list's balance has one name column).
    const std::size_t ab = r.spalten() >= 3 ? r.spalten() - 3 : 2;
    zeilenpruefung();
    if (gruppen) {
        zeile("Typengruppe", e_.links, k);
        zeile("Typ/Untergruppe", x1, k);
    } else if (einzeln_) {
        zeile("Typengruppe", e_.links, k);
        zeile("Typ", x1, k);
    } else {
        zeile("Buchungs-Datei", e_.links, k);
    }
    const char* const spalten[] = {"real", "Planungen", "Summe"};
    for (int i = 0; i < 3; ++i)
        zeile(spalten[i], betragsrand(x0, i) - e_.spaltenabstand, k, Anker::UntenRechts);
    y_ += vorschub_;
    for (const auto& z : r.zeilen) {
        zeilenpruefung();
        if (zelle(z, 0).empty() && zelle(z, 1).empty()) {
            if (leer(z)) {
                s_.linie(e_.links, y_ + zeilenhoehe_ / 8, rechts, y_ + zeilenhoehe_ / 8);
                y_ += zeilenhoehe_ / 4;
                continue;
            }
        }
        if (gruppen && zelle(z, 1) == "S u m m e n :") s_.linie(x1, y_, rechts, y_);
        zeile(zelle(z, 0), e_.links, normal1(e_));
        if (zweiteSpalte) zeile(zelle(z, 1), x1, normal1(e_));
        betraege(z, ab, x0);
        y_ += vorschub_;
    }
    y_ += zeilenhoehe_;
}

void Abschlusssetzer::gewinnUndVerlust(const Raster& r) {
    const int x0 = e_.links;
    const Schriftwahl k = kopf1(e_);
    tabellenOben_ = y_;
    zeilenpruefung();
    const char* const paare[] = {"real", "Planungen", "Summe"};
    for (int p = 0; p < 3; ++p)
        zeile(paare[p], x0 + (2 * p + 1) * betragbreite_, k, Anker::UntenMitte);
    y_ += vorschub_;
    zeilenpruefung();
    for (int i = 0; i < 6; ++i)
        zeile(i % 2 == 0 ? "Ausg" : "Einn", betragsrand(x0, i) - e_.spaltenabstand, k,
              Anker::UntenRechts);
    y_ += vorschub_;
    const int rechts = betragsrand(x0, 5);
    s_.linie(x0, y_, rechts, y_);
    senkrechte_.clear();
    for (int i = 1; i < 6; ++i)
        senkrechte_.push_back(x0 + i * betragbreite_ + 3);
    for (std::size_t z = 0; z < r.zeilen.size() && z < 3; ++z) {
        zeilenpruefung();
        if (z == 2) s_.linie(x0, y_ + 2, rechts, y_ + 2);
        for (int i = 0; i < 6; ++i)
            zeile(zelle(r.zeilen[z], static_cast<std::size_t>(i)),
                  betragsrand(x0, i) - e_.spaltenabstand, normal1(e_), Anker::UntenRechts);
        y_ += vorschub_;
    }
    senkrechte();
    senkrechte_.clear();
}

} // namespace

bool einzelabschluss(const Bericht& b) {
    return raster(reiter(b, A("Kontenbestände"), 0), 0) != nullptr;
}

Druckdokument abschlussSetzen(const Bericht& b, const Abschlusskopf& kopf,
                              const Druckeinstellungen& e, Messung& m, Seitenformat f) {
    Druckdokument d;
    d.titel = kAbschlussdruckTitel;
    Abschlusssetzer(e, m, f, d).setzen(b, kopf);
    return d;
}

Abschlusskopf abschlussKopf(const Sitzung& s) {
    Abschlusskopf kopf;
    kopf.jahr = s.verein.datei.jahr;
    const Datum heute = s.uhr.heute();
    kopf.tag = heute.tag;
    kopf.monat = heute.monat;
    kopf.jahr4 = heute.jahr;
    kopf.basispfad = utf8NachAnsi(s.verein.datei.basisname);
    return kopf;
}

} // namespace zalvor
