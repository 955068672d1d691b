// Building the booking lists: one read of the booking file, then a walk in list order.
#include "core/lists/buchungslisten.h"

#include "core/common/real6.h"
#include "core/common/zeichensatz.h"
#include "core/files/definitionen.h"
#include "core/files/verein.h"
#include "core/lists/listenfolge.h"
#include "core/lists/listenzellen.h"

#include <array>

namespace zalvor {

namespace {

const std::vector<int> kEinfachBreiten{34, 43, 51, 64, 116, 64, 84, 61, 68};
const std::vector<int> kEABreiten{34, 43, 51, 64, 183, 62, 83, 51};
constexpr std::size_t kBetragsSpalte = 6;
constexpr std::size_t kTextSpalte = 4;
const std::string kStriche = "----------";

std::vector<std::string> kopf(const Verein& v, std::string_view euroText,
                              const std::string& letzte) {
    return {
        "BuNr", "Beleg", "Datum", "Typ", "Buchungstext", "An/Von", listenBetragsKopf(v, euroText),
        letzte};
}

// A grid as the window starts it: the header and one empty row.
Raster eaRaster(std::string ueberschrift, std::vector<std::string> k) {
    Raster r;
    r.ueberschrift = std::move(ueberschrift);
    r.zeilen.emplace_back(k.size());
    r.kopf = std::move(k);
    r.breiten = kEABreiten;
    return r;
}

// The new row goes before the empty last row, which stays last.
void anhaengen(Raster& r, std::vector<std::string> zeile) {
    r.zeilen.insert(r.zeilen.end() - 1, std::move(zeile));
}

// The empty last row takes the dashes; a new last row the sum.
void summenZeilen(Raster& r, long double summe) {
    r.zeilen.back()[kBetragsSpalte] = kStriche;
    std::vector<std::string> z(r.spalten());
    z[kTextSpalte] = "S u m m e :";
    z[kBetragsSpalte] = listenBetrag(summe);
    r.zeilen.push_back(std::move(z));
}

long double addiert(long double summe, const TBuchung& b) {
    return durchReal6(summe + b.betrag.wert());
}

std::string titel(const Verein& v, const Uhr& uhr, const std::string& art) {
    return art + listenTitelRest(v, uhr);
}

// Grids moved into place: a braced list would copy every row.
std::vector<Raster> raster(Raster oben, Raster unten) {
    std::vector<Raster> r;
    r.reserve(2);
    r.push_back(std::move(oben));
    r.push_back(std::move(unten));
    return r;
}

Bericht bericht(std::string fenstertitel, std::vector<Raster> r) {
    Bericht b;
    b.fenstertitel = std::move(fenstertitel);
    b.reiter.push_back(Reiter{{}, std::move(r)});
    return b;
}

} // namespace

Bericht einfachListe(Verein& v, Person& person, const Uhr& uhr, std::string_view euroText) {
    const Listenfolge f = einfacheFolge(v, person);
    Raster r;
    r.kopf = {"BuNr",
              "Beleg",
              "Datum",
              "Typ",
              "Buchungstext",
              "An/Von",
              listenBetragsKopf(v, euroText),
              "Von Kto",
              "Nach Kto"};
    r.breiten = kEinfachBreiten;
    // As the window sizes it: one row per record plus the dash and total rows.
    r.zeilen.reserve(f.saetze.size() + 2);
    long double bestand = 0;
    // The names once, not once per row.
    std::array<std::string, 256> namen;
    for (int n = 1; n <= kKonten; ++n)
        namen[static_cast<std::size_t>(n)] = kontoName(v.def, n);
    auto konto = [&](const TBuchung& b, std::uint8_t n) -> std::string {
        if (n == 0) return {};
        const std::string& name = namen[n];
        return b.istGeplant() ? "(" + name + ")" : name + " ";
    };
    for (std::uint32_t satz : f.reihenfolge) {
        const TBuchung& b = f.saetze[satz];
        if (b.geloescht()) continue;
        if (!b.istUmbuchung())
            bestand =
                durchReal6(b.istEinnahme() ? bestand + b.betrag.wert() : bestand - b.betrag.wert());
        auto& z = r.zeilen.emplace_back(listenGrundzellen(b, v.def.typen));
        z.push_back(konto(b, b.kontoVon));
        z.push_back(konto(b, b.kontoNach));
    }
    const std::size_t zeile = r.zeilen.size();
    r.zeilen.resize(f.saetze.size() + 2, std::vector<std::string>(r.spalten()));
    r.zeilen[zeile][kBetragsSpalte] = kStriche;
    r.zeilen[zeile + 1][kTextSpalte] = "G e l d b e s t a n d :";
    r.zeilen[zeile + 1][kBetragsSpalte] = listenBetrag(bestand);
    std::vector<Raster> einzeln;
    einzeln.push_back(std::move(r));
    return bericht(titel(v, uhr, A("Listenübersicht")), std::move(einzeln));
}

Bericht eaListe(const Verein& v, Person& person, const Uhr& uhr, std::string_view euroText) {
    const Listenfolge f = eaFolge(v, person);
    Raster oben = eaRaster("Ausgaben:", kopf(v, euroText, "Konto"));
    Raster unten = eaRaster("Einnahmen:", kopf(v, euroText, "Konto"));
    oben.zeilen.reserve(f.saetze.size() + 2);
    unten.zeilen.reserve(f.saetze.size() + 2);
    long double ausgaben = 0, einnahmen = 0;
    for (std::uint32_t satz : f.reihenfolge) {
        const TBuchung& b = f.saetze[satz];
        if (b.geloescht()) continue;
        if (b.istEinnahme() ? b.istAnfangsbestand() : b.istUmbuchung()) continue;
        std::vector<std::string> z = listenGrundzellen(b, v.def.typen);
        if (b.istUmbuchung()) {
            z.push_back(std::to_string(b.kontoVon) + " > " + std::to_string(b.kontoNach));
        } else {
            const std::string n = std::to_string(b.istEinnahme() ? b.kontoNach : b.kontoVon);
            z.push_back(b.istGeplant() ? "(" + n + ")" : " " + n);
        }
        if (b.istEinnahme()) {
            einnahmen = addiert(einnahmen, b);
            anhaengen(unten, std::move(z));
        } else {
            ausgaben = addiert(ausgaben, b);
            anhaengen(oben, std::move(z));
        }
    }
    summenZeilen(oben, ausgaben);
    summenZeilen(unten, einnahmen);
    return bericht(titel(v, uhr, "Ein/Aus - Liste"), raster(std::move(oben), std::move(unten)));
}

namespace {

// The two grids of each account von..bis, filled in one walk; an account named "unbenannt"
// keeps them hidden and empty.
std::vector<std::vector<Raster>> kontoRaster(const Verein& v, std::string_view euroText,
                                             const Listenfolge& f, int von, int bis) {
    struct Konto {
        bool benannt = false;
        Raster oben, unten;
        long double aus = 0, ein = 0;
    };
    std::array<Konto, kKonten + 1> konten;
    for (int n = von; n <= bis; ++n) {
        Konto& k = konten[static_cast<std::size_t>(n)];
        k.benannt = v.def.kontoBenannt(n);
        if (!k.benannt) continue;
        k.oben = eaRaster("Auszahlungen:", kopf(v, euroText, "n. Kto"));
        k.unten = eaRaster("Einzahlungen:", kopf(v, euroText, "v. Kto"));
    }
    auto gefuehrt = [&](int n) -> Konto* {
        if (n < von || n > bis) return nullptr;
        Konto& k = konten[static_cast<std::size_t>(n)];
        return k.benannt ? &k : nullptr;
    };
    auto zeile = [&](const TBuchung& b, int anderes) {
        std::vector<std::string> z = listenGrundzellen(b, v.def.typen);
        z.push_back(b.istUmbuchung() ? std::to_string(anderes)
                                     : (b.istGeplant() ? "*PL*" : std::string()));
        return z;
    };
    for (std::uint32_t satz : f.reihenfolge) {
        const TBuchung& b = f.saetze[satz];
        if (b.geloescht()) continue;
        if (Konto* k = gefuehrt(b.kontoVon); k && !b.istAnfangsbestand()) {
            k->aus = addiert(k->aus, b);
            anhaengen(k->oben, zeile(b, b.kontoNach));
        }
        if (Konto* k = gefuehrt(b.kontoNach)) {
            k->ein = addiert(k->ein, b);
            anhaengen(k->unten, zeile(b, b.kontoVon));
        }
    }
    std::vector<std::vector<Raster>> r;
    for (int n = von; n <= bis; ++n) {
        Konto& k = konten[static_cast<std::size_t>(n)];
        if (!k.benannt) {
            std::vector<Raster> leer{eaRaster("Auszahlungen:", std::vector<std::string>(8)),
                                     eaRaster("Einzahlungen:", std::vector<std::string>(8))};
            for (auto& g : leer)
                g.sichtbar = false;
            r.push_back(std::move(leer));
            continue;
        }
        summenZeilen(k.oben, k.aus);
        summenZeilen(k.unten, k.ein);
        r.push_back(raster(std::move(k.oben), std::move(k.unten)));
    }
    return r;
}

} // namespace

Bericht kontenListe(const Verein& v, Person& person, const Uhr& uhr, std::string_view euroText,
                    int konto) {
    const Listenfolge f = eaFolge(v, person);
    Bericht b;
    if (konto >= 1 && konto <= kKonten) {
        b.fenstertitel =
            A("Kontenliste \"") + kontoName(v.def, konto) + "\"" + listenTitelRest(v, uhr);
        b.reiter.push_back(
            Reiter{{}, std::move(kontoRaster(v, euroText, f, konto, konto).front())});
        return b;
    }
    b.fenstertitel = titel(v, uhr, "Alle Kontenlisten");
    std::vector<std::vector<Raster>> raster = kontoRaster(v, euroText, f, 1, kKonten);
    for (int n = 1; n <= kKonten; ++n) {
        const std::string reiter = v.def.kontoBenannt(n)
                                       ? std::to_string(n) + ": " + kontoName(v.def, n)
                                       : "Konto" + std::to_string(n);
        b.reiter.push_back(Reiter{reiter, std::move(raster[static_cast<std::size_t>(n - 1)])});
    }
    return b;
}

} // namespace zalvor
