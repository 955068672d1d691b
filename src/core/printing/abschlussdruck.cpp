// Closing printout: sections of name and amount columns with lines, page breaks before rows
// that would end below the bottom margin.
#include "core/printing/abschlussdruck.h"

#include "core/common/zeichensatz.h"
#include "core/files/sitzung.h"
#include "core/printing/pfadkuerzung.h"
#include "core/printing/seitensetzer.h"

#include <algorithm>
#include <cstdio>
#include <functional>

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
        // The amount columns' gap holds the frame lines: never narrower than they need.
        luecke_ = std::max<int>(e_.spaltenabstand, kRahmenluecke);
        betragbreite_ = m_.breite("999999999.99", normal1(e_)) + luecke_;
        zeilenhoehe_ = m_.hoehe("Pp", normal1(e_));
        vorschub_ = m_.hoehe("Pg", normal1(e_)) + e_.zeilenabstand;
    }

    void setzen(const Bericht& b, const Abschlusskopf& k);

  private:
    // A vertical line of the open table: its x and its top on this page.
    struct Senkrechte {
        int x = 0;
        int oben = 0;
    };

    // Right edge of amount column i (0-based) of a table that starts at x0, where its texts
    // end, and the place of a frame line before it, in the middle of the gap.
    int betragsrand(int x0, int i) const { return x0 + (i + 1) * betragbreite_; }
    int betragsende(int x0, int i) const { return betragsrand(x0, i) - luecke_; }
    int linieVor(int x0, int i) const { return x0 + i * betragbreite_ - luecke_ / 2; }
    void zeile(const std::string& t, int x, Schriftwahl f, Anker a = Anker::UntenLinks) {
        s_.text(x, y_ + zeilenhoehe_, t, f, a);
        seiteLeer_ = false;
    }
    void neueSeite() {
        s_.neueSeite();
        y_ = e_.oben;
        seiteLeer_ = true;
    }
    // A new page when fewer than `zeilen` line heights remain above the bottom margin, or
    // when the title and the `bedarf` below it (the heading and the first row) do not fit.
    void abschnitt(const std::string& titel, int zeilen, int bedarf);
    // Opens a table reaching to `rechts`, whose heading `kopf` prints and which starts every
    // page of the table.
    void tabelle(int rechts, std::function<void()> kopf);
    // Before a table row: breaks the page when the row would end below the bottom margin;
    // true when it did.
    bool zeilenpruefung();
    // Moves the first row of a page below the page number where the table reaches it.
    void freistellen();
    void senkrechte();
    void betragskopf(int x0, int spalten);
    void kontenbestaende(const Raster& r);
    void bilanz(const Raster& r, bool gruppen);
    void gewinnUndVerlust(const Raster& r);
    void betraege(const std::vector<std::string>& z, std::size_t ab, int x0);

    const Druckeinstellungen& e_;
    Messung& m_;
    Seitensetzer s_;
    bool einzeln_ = true;
    int y_ = 0;
    int namenbreite_ = 0, betragbreite_ = 0, luecke_ = 0, zeilenhoehe_ = 0, vorschub_ = 0;
    bool seiteLeer_ = false;
    std::vector<Senkrechte> senkrechte_;
    int rechts_ = 0;
    std::function<void()> kopf_;
};

void Abschlusssetzer::setzen(const Bericht& b, const Abschlusskopf& k) {
    einzeln_ = einzelabschluss(b);
    char datum[32];
    std::snprintf(datum, sizeof datum, "%d.%d.%02d", k.tag, k.monat, k.jahr4 % 100);
    std::string titel = b.fenstertitel + " " + k.jahr + " vom " + datum;
    if (einzeln_) titel += " (Datei: " + k.basispfad + ")";
    const Schriftwahl tf = kopf1(e_, 3);
    y_ = e_.oben + s_.titel(titel, tf) + e_.zeilenabstand;
    s_.text(e_.links, y_, b.waehrungszeile, normal1(e_), Anker::ObenLinks);
    y_ += 2 * zeilenhoehe_;

    const Reiter* ausgaben = reiter(b, "Ausgabenbilanz", 1);
    const Reiter* einnahmen = reiter(b, "Einnahmenbilanz", 2);
    if (einzeln_) {
        if (const Raster* r = raster(reiter(b, A("Kontenbestände"), 0), 0)) {
            abschnitt(A("Kontenbestände:"), 5, 2 * vorschub_);
            kontenbestaende(*r);
        }
    }
    const struct {
        const Raster* raster;
        const char* titel;
        bool gruppen;
    } bilanzen[] = {
        {raster(ausgaben, 0), "Ausgabenbilanz:", false},
        {raster(ausgaben, 1), "Einzelbilanz der Ausgabetypen-Gruppe(n):", true},
        {raster(einnahmen, 0), "Einnahmenbilanz:", false},
        {raster(einnahmen, 1), "Einzelbilanz der Einnahmetypen-Gruppe(n):", true},
    };
    for (const auto& bilanzabschnitt : bilanzen) {
        if (!bilanzabschnitt.raster) continue;
        abschnitt(bilanzabschnitt.titel, 5, 2 * vorschub_);
        bilanz(*bilanzabschnitt.raster, bilanzabschnitt.gruppen);
    }
    if (const Raster* r = raster(reiter(b, "Gewinn- / Verlustrechnung", 3), 0)) {
        // Its two heading rows and three rows stay together.
        abschnitt("Gewinn- / Verlustrechnung:", 8, 5 * vorschub_);
        gewinnUndVerlust(*r);
    }
}

void Abschlusssetzer::abschnitt(const std::string& titel, int zeilen, int bedarf) {
    senkrechte_.clear();
    kopf_ = nullptr;
    const Schriftwahl f{1, 5, static_cast<std::uint8_t>(e_.ueberschriftstil() | kUnterstrichen)};
    const int h = m_.hoehe(titel, f);
    const int rest = s_.unterkante() - y_;
    if ((rest < zeilen * zeilenhoehe_ || rest < h + e_.zeilenabstand + bedarf) && !seiteLeer_)
        neueSeite();
    y_ = std::max(y_, s_.freiAb(e_.links + m_.breite(titel, f)));
    s_.text(e_.links, y_ + h, titel, f);
    seiteLeer_ = false;
    y_ += h + e_.zeilenabstand;
}

void Abschlusssetzer::tabelle(int rechts, std::function<void()> kopf) {
    rechts_ = rechts;
    kopf_ = nullptr;
    zeilenpruefung();
    kopf_ = std::move(kopf);
    kopf_();
}

void Abschlusssetzer::senkrechte() {
    for (const Senkrechte& l : senkrechte_)
        s_.linie(l.x, l.oben, l.x, y_);
}

void Abschlusssetzer::freistellen() {
    const int frei = s_.freiAb(rechts_);
    if (frei > y_) y_ = frei;
}

bool Abschlusssetzer::zeilenpruefung() {
    if (y_ + vorschub_ <= s_.unterkante() || seiteLeer_) {
        freistellen();
        return false;
    }
    senkrechte();
    neueSeite();
    freistellen();
    if (kopf_) kopf_();
    return true;
}

void Abschlusssetzer::betraege(const std::vector<std::string>& z, std::size_t ab, int x0) {
    for (int i = 0; i < 3; ++i)
        zeile(zelle(z, ab + static_cast<std::size_t>(i)), betragsende(x0, i), normal1(e_),
              Anker::UntenRechts);
}

void Abschlusssetzer::betragskopf(int x0, int spalten) {
    static const char* const namen[] = {"real", "Planungen", "Summe"};
    for (int i = 0; i < spalten; ++i)
        zeile(namen[i % 3], betragsende(x0, i), kopf1(e_), Anker::UntenRechts);
}

void Abschlusssetzer::kontenbestaende(const Raster& r) {
    const int x0 = e_.links + namenbreite_;
    tabelle(betragsrand(x0, 2), [this, x0] {
        senkrechte_ = {{linieVor(x0, 2), y_}};
        zeile("Konto", e_.links, kopf1(e_));
        betragskopf(x0, 3);
        y_ += vorschub_;
    });
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
    const bool zweiteSpalte = einzeln_ || gruppen;
    // The amounts are the last three columns (a file list's balance has one name column).
    const std::size_t ab = r.spalten() >= 3 ? r.spalten() - 3 : 2;
    tabelle(rechts, [this, gruppen, x1, x0] {
        const Schriftwahl k = kopf1(e_);
        if (gruppen) {
            zeile("Typengruppe", e_.links, k);
            zeile("Typ/Untergruppe", x1, k);
        } else if (einzeln_) {
            zeile("Typengruppe", e_.links, k);
            zeile("Typ", x1, k);
        } else {
            zeile("Buchungs-Datei", e_.links, k);
        }
        betragskopf(x0, 3);
        y_ += vorschub_;
    });
    // The group whose rows are printed: a page that starts inside it names it again.
    std::string gruppe;
    for (const auto& z : r.zeilen) {
        const bool neueSeite = zeilenpruefung();
        if (leer(z)) {
            s_.linie(e_.links, y_ + zeilenhoehe_ / 8, rechts, y_ + zeilenhoehe_ / 8);
            y_ += zeilenhoehe_ / 4;
            gruppe.clear();
            continue;
        }
        std::string erste = zelle(z, 0);
        if (gruppen && !erste.empty()) gruppe = erste;
        if (gruppen && erste.empty() && neueSeite) erste = gruppe;
        if (gruppen && zelle(z, 1) == "S u m m e n :") s_.linie(x1, y_, rechts, y_);
        // A file list's path stops short of the amounts.
        if (!zweiteSpalte)
            erste = pfadKuerzen(erste, x0 - e_.links - e_.spaltenabstand, m_, normal1(e_));
        zeile(erste, e_.links, normal1(e_));
        if (zweiteSpalte) zeile(zelle(z, 1), x1, normal1(e_));
        betraege(z, ab, x0);
        y_ += vorschub_;
    }
    y_ += zeilenhoehe_;
}

void Abschlusssetzer::gewinnUndVerlust(const Raster& r) {
    const int x0 = e_.links;
    const int rechts = betragsrand(x0, 5);
    tabelle(rechts, [this, x0, rechts] {
        const Schriftwahl k = kopf1(e_);
        const char* const paare[] = {"real", "Planungen", "Summe"};
        // The lines between the pairs run from the top; those inside a pair start below the
        // pair's centred heading, which they would strike.
        senkrechte_.clear();
        for (int i = 2; i < 6; i += 2)
            senkrechte_.push_back({linieVor(x0, i), y_});
        for (int p = 0; p < 3; ++p)
            zeile(paare[p], x0 + (2 * p + 1) * betragbreite_, k, Anker::UntenMitte);
        y_ += vorschub_;
        for (int i = 1; i < 6; i += 2)
            senkrechte_.push_back({linieVor(x0, i), y_});
        for (int i = 0; i < 6; ++i)
            zeile(i % 2 == 0 ? "Ausg" : "Einn", betragsende(x0, i), k, Anker::UntenRechts);
        y_ += vorschub_;
        s_.linie(x0, y_, rechts, y_);
    });
    for (std::size_t z = 0; z < r.zeilen.size() && z < 3; ++z) {
        zeilenpruefung();
        if (z == 2) s_.linie(x0, y_ + 2, rechts, y_ + 2);
        for (int i = 0; i < 6; ++i)
            zeile(zelle(r.zeilen[z], static_cast<std::size_t>(i)), betragsende(x0, i), normal1(e_),
                  Anker::UntenRechts);
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
    return seitenbreiteAnpassen(
        [&](Seitenformat g) {
            Druckdokument d;
            d.titel = kAbschlussdruckTitel;
            Abschlusssetzer(e, m, g, d).setzen(b, kopf);
            return d;
        },
        f);
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
