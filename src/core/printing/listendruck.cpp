// List printing: grids as text tables with frames per page and automatic page breaks.
#include "core/printing/listendruck.h"

#include "core/printing/seitensetzer.h"

#include <algorithm>

namespace zalvor {

namespace {

bool istBetragsspalte(const std::string& k) {
    static const char* const namen[] = {"real", "Planungen", "IST-Summe", "Planv.(Soll)",
                                        "Differenz"};
    if (k.rfind("Betrag", 0) == 0) return true;
    return std::any_of(std::begin(namen), std::end(namen), [&](const char* n) { return k == n; });
}

bool istRechtsbuendig(const std::string& k) {
    return k == "BuNr" || k == "Beleg" || k == "Datum" || istBetragsspalte(k);
}

bool istTextspalte(const std::string& k) {
    return k == "Buchungstext" || k == "An/Von" || k == "Typ";
}

bool istKontospalte(const std::string& k) {
    return k == "Von Kto" || k == "Nach Kto";
}

// The comparison report is the one grid whose second header is "real"; it has no frame.
bool istVergleich(const Raster& r) {
    return r.kopf.size() > 1 && r.kopf[1] == "real";
}

// An account tab that was never filled keeps its default caption "Konto1" ... "Konto9".
bool unbenannterReiter(const Reiter& t) {
    return t.titel.size() == 6 && t.titel.rfind("Konto", 0) == 0 && t.titel[5] >= '1' &&
           t.titel[5] <= '9';
}

// "3: Kasse" is printed as "Kasse".
std::string kontoname(const std::string& titel) {
    const auto p = titel.find(": ");
    return p == std::string::npos ? titel : titel.substr(p + 2);
}

// Where the columns of a grid are printed: the places x(c) of the print rule, and how far a
// column is moved right where a frame line stands before it (or before one left of it).
struct Spaltenlage {
    std::vector<int> x;
    std::vector<int> versatz;
    int links(std::size_t c) const { return x[c] + versatz[c]; }
    int rechts(std::size_t c, int spaltenabstand) const {
        return x[c + 1] - spaltenabstand + versatz[c];
    }
};

class Listensetzer {
  public:
    Listensetzer(const Druckeinstellungen& e, Messung& m, Seitenformat f, Druckdokument& d)
        : e_(e), m_(m), s_(d, e, m, f) {}

    void setzen(const Bericht& b);

  private:
    // Breaks the page when a block needing `bedarf` below y would end below the bottom
    // margin; never on a page that holds nothing yet.
    void seitenpruefung(int bedarf = 0) {
        if (y_ + bedarf > s_.unterkante() && !seiteLeer_) umbruch();
    }
    void umbruch() {
        y_ = e_.oben + m_.hoehe("Pp", kopf1(e_));
        s_.neueSeite();
        seiteLeer_ = true;
    }
    // Moves a line of height `hoehe` that reaches to `rechts` below the page number.
    void freistellen(int rechts, int hoehe) { y_ = std::max(y_, s_.freiAb(rechts) + hoehe); }
    Schriftwahl ueberschriftschrift() const {
        return Schriftwahl{1, 3, static_cast<std::uint8_t>(e_.ueberschriftstil() | kUnterstrichen)};
    }
    // What a grid needs below the line before it, up to its first row: its caption line and
    // heading row stay with that row.
    int rasteranfang(const Raster& r);
    void ueberschrift(const Raster& r);
    void kontotitel(const std::string& name, const Raster* erstes);
    void raster(const Raster& r);
    void zeile(const Raster& r, const Spaltenlage& x, std::size_t z);
    void rahmen(const Spaltenlage& x);
    Spaltenlage spaltenpositionen(const Raster& r);

    const Druckeinstellungen& e_;
    Messung& m_;
    Seitensetzer s_;
    int y_ = 0;
    int zeilenhoehe_ = 0;
    int betragMin_ = 0;
    int tabellenOben_ = 0;
    bool seiteLeer_ = false;
};

void Listensetzer::setzen(const Bericht& b) {
    const Schriftwahl titel = kopf1(e_, 3);
    s_.titel(b.fenstertitel, titel);
    y_ = e_.oben + 2 * m_.hoehe("Pp", titel);
    // Font 2 (text and account columns) shares the rows: a larger font 2 must not overlap.
    zeilenhoehe_ = std::max(
        {m_.hoehe("Pp", kopf1(e_)), m_.hoehe("Pp", normal1(e_)), m_.hoehe("Pp", normal2(e_))});
    betragMin_ = m_.breite(" 999999999.99", normal1(e_));
    if (!b.waehrungszeile.empty()) {
        s_.text(e_.links, y_, b.waehrungszeile, normal1(e_));
        y_ += m_.hoehe("Pq", normal1(e_));
    }
    const bool mitReitern = b.reiter.size() > 1;
    for (const Reiter& t : b.reiter) {
        if (mitReitern) {
            if (unbenannterReiter(t)) continue;
            const auto erstes = std::find_if(t.raster.begin(), t.raster.end(),
                                             [](const Raster& r) { return r.sichtbar; });
            kontotitel(kontoname(t.titel), erstes == t.raster.end() ? nullptr : &*erstes);
        }
        for (const Raster& r : t.raster) {
            if (!r.sichtbar) continue;
            if (!r.ueberschrift.empty()) ueberschrift(r);
            raster(r);
        }
    }
}

int Listensetzer::rasteranfang(const Raster& r) {
    int h = r.zeilen.empty() ? 0 : zeilenhoehe_ + e_.zeilenabstand;
    if (!r.ueberschrift.empty())
        h += m_.hoehe("Pp", kopf1(e_)) + m_.hoehe("Pq", ueberschriftschrift()) + e_.zeilenabstand;
    return h;
}

void Listensetzer::ueberschrift(const Raster& r) {
    const Schriftwahl f = ueberschriftschrift();
    const std::string& text = r.ueberschrift;
    y_ += m_.hoehe("Pp", kopf1(e_));
    seitenpruefung(rasteranfang(r) - m_.hoehe("Pp", kopf1(e_)));
    freistellen(e_.links + m_.breite(text, f), m_.hoehe(text, f));
    s_.text(e_.links, y_, text, f);
    seiteLeer_ = false;
    y_ += m_.hoehe("Pq", f) + e_.zeilenabstand;
}

void Listensetzer::kontotitel(const std::string& name, const Raster* erstes) {
    const Schriftwahl f = kopf1(e_, 5);
    seitenpruefung(m_.hoehe(name, f) + e_.zeilenabstand + (erstes ? rasteranfang(*erstes) : 0));
    freistellen(e_.links + m_.breite(name, f), m_.hoehe(name, f));
    s_.text(e_.links, y_, name, f);
    seiteLeer_ = false;
    y_ += m_.hoehe(name, f) + e_.zeilenabstand;
}

Spaltenlage Listensetzer::spaltenpositionen(const Raster& r) {
    std::vector<int> x{e_.links};
    int vorige = 0;
    for (const std::string& k : r.kopf) {
        int w = 0;
        if (k == "BuNr")
            w = m_.breite("XXXX", normal1(e_));
        else if (istBetragsspalte(k))
            w = std::max(m_.breite(k, normal1(e_)), betragMin_);
        else if (k == "Beleg" || k == "Datum" || k == "v. Kto" || k == "n. Kto" || k == "Konto")
            w = m_.breite(k, kopf1(e_));
        else if (k == "Typ" || k == "An/Von")
            w = m_.breite(std::string(15, 'X'), normal2(e_));
        else if (k == "Buchungstext")
            w = m_.breite(std::string(30, 'X'), normal2(e_));
        else if (istKontospalte(k))
            w = m_.breite("XXXXXXXXXX", normal2(e_));
        else
            w = vorige;
        x.push_back(x.back() + w + e_.spaltenabstand);
        vorige = w;
    }
    // Without the counterpart column every later column is printed at the place computed
    // for the column before it, so no gap is left where it was.
    if (!e_.anVon) {
        const auto a = std::find(r.kopf.begin(), r.kopf.end(), "An/Von");
        if (a != r.kopf.end()) {
            const auto i = a - r.kopf.begin();
            x.insert(x.begin() + i + 1, x[static_cast<std::size_t>(i)]);
            x.pop_back();
        }
    }
    // The frame's lines stand before the columns 3 and 5, in the middle of the gap; where the
    // column gap is narrower than a line needs, those columns move right.
    std::vector<int> versatz(x.size(), 0);
    if (!istVergleich(r) && x.size() >= 7) {
        const int mehr = std::max(0, kRahmenluecke - e_.spaltenabstand);
        for (std::size_t c = 3; c < x.size(); ++c)
            versatz[c] = c < 5 ? mehr : 2 * mehr;
    }
    return Spaltenlage{std::move(x), std::move(versatz)};
}

void Listensetzer::rahmen(const Spaltenlage& x) {
    if (x.x.size() < 7) return;
    const int schritt = e_.zeilenabstand + zeilenhoehe_;
    const int unten = y_ - zeilenhoehe_ - e_.zeilenabstand;
    s_.linie(e_.links, y_ - 2 * schritt + 1, x.links(6), y_ - 2 * schritt + 1);
    for (std::size_t c : {3u, 5u}) {
        // Halfway between the end of the column before and the start of this one.
        const int mitte = (x.rechts(c - 1, e_.spaltenabstand) + x.links(c)) / 2;
        s_.linie(mitte, tabellenOben_, mitte, unten);
    }
}

void Listensetzer::raster(const Raster& r) {
    if (r.kopf.empty()) return;
    const Spaltenlage x = spaltenpositionen(r);
    const bool vergleich = istVergleich(r);
    if (r.ueberschrift.empty()) seitenpruefung(rasteranfang(r));
    tabellenOben_ = y_ - zeilenhoehe_;
    const std::size_t zeilen = r.zeilen.size() + 1;
    for (std::size_t z = 0; z < zeilen; ++z) {
        if (y_ > s_.unterkante() && !seiteLeer_) {
            if (!vergleich) rahmen(x);
            tabellenOben_ = e_.oben;
            umbruch();
            // Every page of a table starts with its heading row.
            if (z > 0) zeile(r, x, 0);
        }
        zeile(r, x, z);
    }
    if (!vergleich) rahmen(x);
}

// Row z (0: the heading row) at y, below the page number where it would reach it.
void Listensetzer::zeile(const Raster& r, const Spaltenlage& x, std::size_t z) {
    const int vorher = y_;
    freistellen(x.rechts(x.x.size() - 2, e_.spaltenabstand), zeilenhoehe_);
    tabellenOben_ += y_ - vorher;
    const std::vector<std::string>& zelle = z == 0 ? r.kopf : r.zeilen[z - 1];
    for (std::size_t c = 0; c < r.kopf.size() && c < zelle.size(); ++c) {
        const std::string& k = r.kopf[c];
        if (!e_.anVon && k == "An/Von") continue;
        Schriftwahl f;
        if (istKontospalte(k))
            f = normal2(e_);
        else if (istTextspalte(k))
            f = z == 0 ? kopf1(e_) : normal2(e_);
        else
            f = z == 0 ? kopf1(e_) : normal1(e_);
        if (istRechtsbuendig(k))
            s_.text(x.rechts(c, e_.spaltenabstand), y_, zelle[c], f, Anker::UntenRechts);
        else
            s_.text(x.links(c), y_, zelle[c], f);
    }
    seiteLeer_ = false;
    y_ += zeilenhoehe_ + e_.zeilenabstand;
}

} // namespace

Druckdokument listeSetzen(const Bericht& b, const Druckeinstellungen& e, Messung& m,
                          Seitenformat f) {
    return seitenbreiteAnpassen(
        [&](Seitenformat g) {
            Druckdokument d;
            d.titel = kListendruckTitel;
            Listensetzer(e, m, g, d).setzen(b);
            return d;
        },
        f);
}

} // namespace zalvor
