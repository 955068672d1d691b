// Target/actual comparison.
#include "core/lists/sollist.h"

#include "core/closing/gruppensumme.h"

#include "core/common/betrag.h"
#include "core/common/person.h"
#include "core/common/real6.h"
#include "core/common/typverwaltung.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/files/verein.h"
#include "core/lists/listenzellen.h"

#include <array>
#include <vector>

namespace zalvor {

namespace {

using Typsummen = std::array<Tripel, kTypen + 1>;

// Real and planned sums of every type of both sides, in file order.
std::array<Typsummen, 2> typsummen(const Verein& v) {
    std::array<Typsummen, 2> t{};
    // Only the summed fields are decoded from the bytes read in one go.
    std::vector<std::uint8_t> bytes;
    satzbytesLesen(v.datei.dateiname(), bytes);
    for (std::size_t i = 0; i + TBuchung::kGroesse <= bytes.size(); i += TBuchung::kGroesse) {
        const Summenfelder b = TBuchung::summenfelder(bytes.data() + i);
        if (b.betragNull() || b.typcode() == kCodeUmbuchung || b.typcode() == kCodeBeitrag)
            continue;
        const int posten = Typverwaltung::typcodeZuPosten(b.typcode());
        if (posten < 1 || posten > kTypen) continue;
        Tripel& z = t[b.einnahme() ? 1 : 0][static_cast<std::size_t>(posten)];
        long double& feld = b.geplant() ? z.geplant : z.real;
        feld = durchReal6(feld + b.betrag());
    }
    for (auto& seite : t)
        for (Tripel& z : seite)
            z.summe = durchReal6(z.real + z.geplant);
    return t;
}

std::string zahl(long double w) {
    return BetragText(w, 11);
}

Raster seitenRaster(const Verein& v, Person& person, Seite seite, const Typsummen& summen,
                    const char* ueberschrift) {
    Raster r;
    r.ueberschrift = ueberschrift;
    r.kopf = {"Typ", "real", "Planungen", "IST-Summe", "Planv.(Soll)", "Differenz"};
    r.breiten = {122, 92, 92, 92, 99, 92};
    const auto& typen = v.def.typen;
    Gruppenrechnung gruppen(typen);
    const Plantabelle& plan = v.plan[static_cast<std::size_t>(seite)];
    std::array<long double, 5> spalten{};
    for (int n = 1; n <= kPosten; ++n) {
        const double soll = plan[static_cast<std::size_t>(n)].wert;
        if (soll == 0) continue;
        const Tripel t =
            Typverwaltung::istGruppe(n)
                ? gruppen.gruppenSumme(
                      seite, Typverwaltung::postenZuGruppe(n),
                      [&](int typ) { return summen[static_cast<std::size_t>(typ)]; }, person)
                : summen[static_cast<std::size_t>(n)];
        const std::array<long double, 5> werte{t.real, t.geplant, t.summe, soll,
                                               durchReal6(soll - t.summe)};
        std::vector<std::string> zeile{typen.postenName(seite, n)};
        for (std::size_t c = 0; c < werte.size(); ++c) {
            zeile.push_back(zahl(werte[c]));
            spalten[c] = durchReal6(spalten[c] + werte[c]);
        }
        r.zeilen.push_back(std::move(zeile));
    }
    // The sums take the grid's trailing empty row.
    std::vector<std::string> summe{"S u m m e n :"};
    for (long double w : spalten)
        summe.push_back(zahl(w));
    r.zeilen.push_back(std::move(summe));
    return r;
}

} // namespace

std::optional<Bericht> sollIstVergleich(const Verein& v, Person& person, const Uhr& uhr,
                                        std::string_view euroText) {
    if (!v.planvorgaben) {
        person.nachricht("Information",
                         A("\rSie haben noch keine Planvorgaben getätigt! (Menü Buchungen...)"));
        return std::nullopt;
    }
    const auto summen = typsummen(v);
    Bericht b;
    b.fenstertitel = A("Soll-Ist-Vergleich") + listenTitelRest(v, uhr);
    b.waehrungszeile = A("Alle Beträge in ") + v.waehrungstext(euroText);
    b.reiter.push_back(
        Reiter{{},
               {seitenRaster(v, person, Seite::Ausgabe, summen[0], "Ausgabetypen:"),
                seitenRaster(v, person, Seite::Einnahme, summen[1], "Einnahmetypen:")}});
    return b;
}

} // namespace zalvor
