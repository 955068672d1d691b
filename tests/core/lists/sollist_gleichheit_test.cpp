// The comparison sums every type in one pass and rolls the groups up from those sums; here it
// is set against the rule as written (the whole file read for each type, a group the sum of
// its members m = 1..99, recursively) on generated clubs with nested groups, plans on all
// 198 entries and every kind of record, cell for cell. Also: the plan file's write path under
// faults.
#include "../files/buchungsdaten.h"

#include "core/closing/gruppensumme.h"
#include "core/common/betrag.h"
#include "core/common/real6.h"
#include "core/common/typverwaltung.h"
#include "core/files/dateischreiben.h"
#include "core/lists/planwerte.h"
#include "core/lists/sollist.h"
#include "fehlerlauf.h"

#include <gtest/gtest.h>

#include <random>

namespace zalvor {
namespace {

using test::Kassenbuch;

// Real, planned and actual of entry n exactly as described, without any shared work.
Tripel wieBeschrieben(const Sitzung& s, Seite seite, int n) {
    Tripel t;
    if (!Typverwaltung::istGruppe(n)) {
        const std::uint8_t code = Typverwaltung::postenZuTypcode(n);
        for (const TBuchung& b : alleBuchungenLesen(s.verein.datei.dateiname())) {
            if (b.typcode != code || b.istEinnahme() != (seite == Seite::Einnahme)) continue;
            long double& feld = b.istGeplant() ? t.geplant : t.real;
            feld = durchReal6(feld + b.betrag.wert());
        }
        t.summe = durchReal6(t.real + t.geplant);
        return t;
    }
    for (int m = 1; m <= kPosten; ++m)
        if (m != n && s.verein.def.typen.gruppeVon(seite, m) == Typverwaltung::postenZuGruppe(n))
            t.addieren(wieBeschrieben(s, seite, m));
    return t;
}

std::vector<std::vector<std::string>> erwarteteZeilen(const Sitzung& s, Seite seite) {
    std::vector<std::vector<std::string>> zeilen;
    std::array<long double, 5> spalten{};
    for (int n = 1; n <= kPosten; ++n) {
        const double soll =
            s.verein.plan[static_cast<std::size_t>(seite)][static_cast<std::size_t>(n)].wert;
        if (soll == 0) continue;
        const Tripel t = wieBeschrieben(s, seite, n);
        const std::array<long double, 5> w{t.real, t.geplant, t.summe, soll,
                                           durchReal6(soll - t.summe)};
        std::vector<std::string> z{s.verein.def.typen.postenName(seite, n)};
        for (std::size_t c = 0; c < 5; ++c) {
            z.push_back(BetragText(w[c], 11));
            spalten[c] = durchReal6(spalten[c] + w[c]);
        }
        zeilen.push_back(z);
    }
    std::vector<std::string> summe{"S u m m e n :"};
    for (long double w : spalten)
        summe.push_back(BetragText(w, 11));
    zeilen.push_back(summe);
    return zeilen;
}

// Names on every slot, groups nested up to the top (a group only under a higher-numbered
// one, so no cycle), types spread over groups and "none"; plans on every entry, some 0 with
// the group flag; bookings of every type code, both sides, planned, deleted, negative.
void vereinErzeugen(Kassenbuch& kb, unsigned saat, int buchungen) {
    std::mt19937 zufall(saat);
    auto w = [&](unsigned m) { return static_cast<int>(zufall() % m); };
    auto& t = kb.s.verein.def.typen;
    for (Seite seite : {Seite::Ausgabe, Seite::Einnahme}) {
        for (int n = 1; n <= kTypen; ++n) {
            t.setzeTypName(seite, n, "T" + std::to_string(n));
            t.setzeGruppeVon(seite, n, w(3) == 0 ? 0 : 1 + w(kGruppen));
        }
        for (int g = 1; g <= kGruppen; ++g) {
            t.setzeGruppenName(seite, g, "G" + std::to_string(g));
            const int hoeher = kGruppen - g;
            t.setzeGruppeVon(seite, Typverwaltung::gruppeZuPosten(g),
                             hoeher == 0 || w(3) == 0 ? 0
                                                      : g + 1 + w(static_cast<unsigned>(hoeher)));
        }
        for (int n = 1; n <= kPosten; ++n)
            kb.s.verein.plan[static_cast<std::size_t>(seite)][static_cast<std::size_t>(n)] =
                w(10) == 0 ? Planeintrag{0, true} : Planeintrag{(1 + w(500000)) / 100.0, false};
    }
    kb.s.verein.planvorgaben = true;
    std::vector<std::uint8_t> roh;
    for (int i = 0; i < buchungen; ++i) {
        test::Satz satz;
        satz.typ = static_cast<std::uint8_t>(w(53));
        satz.einnahme = w(2) == 1;
        satz.geplant = w(4) == 0;
        const long double cent = w(20) == 0 ? 0 : w(2000000) - (w(8) == 0 ? 1000000 : 0);
        satz.betrag = cent / 100;
        const auto p = test::buchung(satz).packen();
        roh.insert(roh.end(), p.begin(), p.end());
    }
    dateiErsetzen(kb.datei(), roh);
}

TEST(SollIstGleichheit, EinDurchlaufGleichDerRegelWieBeschrieben) {
    for (unsigned saat : {1u, 2u, 3u}) {
        Kassenbuch kb;
        vereinErzeugen(kb, saat, 3000);
        const auto b = sollIstVergleich(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText);
        ASSERT_TRUE(b);
        EXPECT_TRUE(kb.person.meldungen().empty()) << "no cycle, no message";
        const auto& raster = b->reiter.at(0).raster;
        ASSERT_EQ(raster.size(), 2u);
        const auto aus = erwarteteZeilen(kb.s, Seite::Ausgabe);
        EXPECT_GT(aus.size(), 60u) << "most entries carry a plan";
        EXPECT_EQ(raster[0].zeilen, aus) << "seed " << saat;
        EXPECT_EQ(raster[1].zeilen, erwarteteZeilen(kb.s, Seite::Einnahme)) << "seed " << saat;
    }
}

// Saving the plan values rewrites one file whole: under a fault at any step the old plan
// file or the new one is there, never a part, and no temporary file stays.
TEST(PlanwerteSchreiben, FehlerLassenAlteOderNeueDateiGanz) {
    Kassenbuch kb;
    kb.s.verein.plan[0][1] = {10, false};
    ASSERT_TRUE(planwerteSchreiben(kb.s.verein.dateien(), kb.s.verein.plan, kb.s.person));
    kb.s.verein.plan[0][1] = {20, false};
    kb.s.verein.plan[1][99] = {0, true};
    const auto bericht = test::fehlerlaeufe(
        kb.dir.pfad(),
        [&] { return planwerteSchreiben(kb.s.verein.dateien(), kb.s.verein.plan, kb.s.person); },
        [](const test::Laufbefund& l) { return test::dateienGanz(l); });
    EXPECT_GE(bericht.schritte, 3u);
    EXPECT_TRUE(bericht.probleme.empty()) << ::testing::PrintToString(bericht.probleme);
}

} // namespace
} // namespace zalvor
